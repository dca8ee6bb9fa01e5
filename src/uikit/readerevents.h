#pragma once

#include <QObject>
#include <QString>

namespace tirta::ui {

/// What the main window announces to the windows that follow it. The main window owns one
/// object of this kind; other windows connect to it through `Reader::events()`.
class ReaderEvents final : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

Q_SIGNALS:
    /// A book was selected and the book recordset stands on its row; `book` is its canonical name.
    void bookChanged(const QString& book);
    /// A chapter was shown in the reading pane.
    void chapterChanged(const QString& book, int chapter);
    /// The reading pane's edit menu is about to open: its items are already shown or hidden for
    /// the pane's mode, so a follower may still fill or hide the cross-reference submenu.
    void editMenuAboutToShow();
    /// The reading pane shows something else: "kitab" (a chapter) or a study text.
    void paneModeChanged(const QString& mode);
    /// The user switched "Tampilkan Pengantar di Jendela Terpisah" (`MenuSettingTerpisah`).
    void separateIntroChanged(bool on);
    /// The main window restored the last position at its first activation; windows that open at
    /// start (ethics, tips) open now, in the order they connected.
    void firstActivated();
    /// The program is ending: the settings are written, the windows are still there. Windows
    /// that keep the user's data save it now.
    void unloading();
};

} // namespace tirta::ui
