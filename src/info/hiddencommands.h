#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace tirta::ui {
class Reader;
}

namespace tirta::info {

/// The verses of encouragement that "ADVICE" chooses from, as reference strings.
inline constexpr std::array<QStringView, 9> kAdviceReferences = {
    u"Matius#5:44-45",
    u"Markus#12:30-31",
    u"Lukas#6:35",
    u"Galatia#5:14",
    u"Kolose#3:8",
    u"II Tesalonika#2:13",
    u"Yakobus#2:8-9",
    u"I Petrus#1:3",
    u"I Korintus#13:13",
};

/// The entry of `kAdviceReferences` for a draw `r` in [0, 1): the integer part of 9 × r. A draw
/// outside that range (which the generator never gives) still picks an entry of the table.
QStringView adviceReference(double r);

/// The hidden command in a search text: for a text that starts with two backslashes, the rest of
/// it upper-cased and trimmed (two backslashes followed by " quit " give "QUIT"); nothing for any
/// other text, which is searched as usual.
std::optional<QString> hiddenCommandOf(const QString& searchText);

/// Runs a hidden command word of the search box (compared exactly, upper case): WHO, QUIT,
/// HISTORY, DEDICATED, DATA, TYDBCUSTHIST, EMAIL, WWW, RESETLOCATION and ADVICE. Any other word
/// does nothing. Returns whether the word was a command.
bool RunHiddenCommand(const QString& command, tirta::ui::Reader& reader);

} // namespace tirta::info
