#pragma once

#include <QListWidget>
#include <QStringList>

namespace tirta::test {

/// The texts of a list's items, top to bottom.
inline QStringList itemTexts(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

} // namespace tirta::test
