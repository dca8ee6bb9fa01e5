#pragma once

#include <QStringView>

namespace tirta {

/// The number a text starts with, as the program reads numbers typed or stored as text: blanks
/// before it are skipped, reading stops at the first character that cannot continue the number,
/// and a text that does not start with a number is 0 ("12 ayat" is 12, "abc" is 0).
double numericValue(QStringView text);

} // namespace tirta
