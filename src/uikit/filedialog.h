#pragma once

#include <QString>

class QFileDialog;
class QWidget;

namespace tirta::ui {

/// The open, save and folder dialogs of the program: Qt's own (non-native) file dialog with
/// Indonesian captions and labels, so every platform shows the same words.
///
/// Test seam: a test queues the file name the user would choose with `setNextFileName()`; while a
/// name is queued no dialog is shown and the name is returned (an empty name stands for a cancelled
/// dialog). Tests must queue a name for every dialog they cause. With the environment variable
/// TIRTA_NO_MODAL=1 set by a test's main, an unqueued call logs a warning and returns an empty name
/// (cancelled) instead of waiting.
class FileDialog
{
public:
    /// Asks for an existing file to open; empty when cancelled. `filter` uses Qt's form
    /// ("Teks (*.txt);;Semua File (*)"); `selectedFilter`, when given, receives the chosen filter.
    static QString getOpenFileName(QWidget* parent, const QString& caption = {}, const QString& dir = {},
        const QString& filter = {}, QString* selectedFilter = nullptr);
    /// Asks for a file name to save to; empty when cancelled. Replacing an existing file is
    /// confirmed by the dialog.
    static QString getSaveFileName(QWidget* parent, const QString& caption = {}, const QString& dir = {},
        const QString& filter = {}, QString* selectedFilter = nullptr);
    /// Asks for a folder; empty when cancelled.
    static QString getExistingDirectory(
        QWidget* parent, const QString& caption = {}, const QString& dir = {});

    /// Gives a Qt file dialog the Indonesian labels (look in, file name, file type, accept and
    /// cancel buttons) for its accept mode and file mode, and makes it non-native.
    static void applyIndonesianLabels(QFileDialog& dialog);

    /// Test seam: queues the answer of the next dialog (empty = cancelled); that dialog is not shown.
    static void setNextFileName(const QString& fileName);
    /// Test seam: the caption of the last dialog, shown or answered from the queue.
    static QString lastCaption();
    /// Test seam: how many dialogs were asked for since the last reset.
    static int shownCount();
    /// Test seam: forgets queued names, the last caption and the count.
    static void resetForTest();
};

} // namespace tirta::ui
