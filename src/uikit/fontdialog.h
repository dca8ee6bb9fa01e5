#pragma once

#include <QFont>
#include <QString>

#include <optional>

class QWidget;

namespace tirta::ui {

/// The font dialog of the program: Qt's own (non-native) font dialog, opened on a font it can show.
///
/// The dialog lists only the families installed on the system. Given one that is not (the default
/// reading font "Times New Roman" on most systems) it falls back to the system's default family,
/// so that OK without a change would change the font. It is therefore opened on the family the
/// font is really drawn with, with the font's own size, weight and slant (`startingFont`).
///
/// Test seam: a test queues the answer of the next dialog with `setNextAnswer()` or
/// `setNextFont()`; while one is queued no dialog is shown. With TIRTA_NO_MODAL=1 an unqueued
/// dialog counts as cancelled.
class FontDialog
{
public:
    /// Asks for a font, starting from `current`; nothing when the user cancels.
    static std::optional<QFont> getFont(QWidget* parent, const QFont& current, const QString& caption);
    /// The font the dialog opens on for `current`.
    static QFont startingFont(const QFont& current);

    enum class Answer
    {
        Cancel,
        AcceptShown, ///< OK on the font the dialog opened on
    };
    /// Test seam: queues the answer of the next dialog.
    static void setNextAnswer(Answer answer);
    /// Test seam: queues a font chosen in the next dialog.
    static void setNextFont(const QFont& chosen);
    /// Test seam: the font the last dialog opened on.
    static QFont lastStartingFont();
    /// Test seam: forgets queued answers and the last font.
    static void resetForTest();
};

} // namespace tirta::ui
