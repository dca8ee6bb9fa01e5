#pragma once

#include <QMessageBox>
#include <QString>

#include <memory>

namespace tirta::ui {

/// The one way a window shows a message to the user: a modal message box titled with the product
/// name whose buttons carry Indonesian words.
///
/// Test seam: a test queues the answers it expects to give with `setNextAnswer()`. While an answer
/// is queued, no dialog is shown and the answer is returned (answers are used in the order they were
/// queued). A call without a queued answer shows a real modal dialog, which waits for a click that a
/// headless test never gives; tests must therefore queue an answer for every message they cause. A
/// test executable may set the environment variable TIRTA_NO_MODAL=1 in its own main: an unqueued
/// call then logs a warning with the message text and returns the default button instead of waiting.
class MessageBox
{
public:
    /// Shows `text` with the given buttons and icon and returns the button the user chose. An empty
    /// title becomes the product name. The default button is the first of the buttons in the order
    /// OK, Yes, Abort, Retry, Ignore, No, Cancel, Close.
    static QMessageBox::StandardButton show(QWidget* parent, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::Icon icon = QMessageBox::Information, const QString& title = {});

    /// An information message with the button "OK".
    static void info(QWidget* parent, const QString& text, const QString& title = {});
    /// A warning message with the button "OK".
    static void warning(QWidget* parent, const QString& text, const QString& title = {});
    /// An error message with the button "OK".
    static void critical(QWidget* parent, const QString& text, const QString& title = {});
    /// A question with "Ya" and "Tidak" (or the given buttons, for example OK and Cancel); returns
    /// the chosen button.
    static QMessageBox::StandardButton question(QWidget* parent, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No, const QString& title = {});

    /// The Indonesian word on a standard button ("Batal" for Cancel); empty for buttons the program
    /// never uses.
    static QString buttonText(QMessageBox::StandardButton button);
    /// The button `show()` makes the default for this set of buttons.
    static QMessageBox::StandardButton defaultButtonFor(QMessageBox::StandardButtons buttons);
    /// Builds the message box `show()` would run, without showing it (for windows that need a
    /// non-modal message, and for tests that look at the real dialog).
    static std::unique_ptr<QMessageBox> create(QWidget* parent, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::Icon icon = QMessageBox::Information, const QString& title = {});

    /// Test seam: queues the answer for the next message; that message is not shown.
    static void setNextAnswer(QMessageBox::StandardButton answer);
    /// Test seam: the text of the last message, shown or answered from the queue.
    static QString lastText();
    /// Test seam: the title of the last message.
    static QString lastTitle();
    /// Test seam: how many messages were asked for since the last reset, shown or answered from the
    /// queue.
    static int shownCount();
    /// Test seam: how many queued answers are still unused.
    static int pendingAnswers();
    /// Test seam: forgets the queued answers, the last text and title and the count.
    static void resetForTest();
};

} // namespace tirta::ui
