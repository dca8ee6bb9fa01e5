#pragma once

#include "bookmarks/bookmarkfile.h"

#include <QObject>
#include <QPointer>

class Form17;

namespace tirta::ui {
class Reader;
}

namespace tirta::bookmarks {

/// Lets the reader bookmark the current position (the edit menu's "Bookmark" and its tool
/// button) in the bookmark window, which keeps its list in the user's bookmark file.
void installBookmarks(tirta::ui::Reader& reader);

/// The bookmark feature of the main window, which owns it: the window, created on first use,
/// and the saving of its list at program end.
class BookmarkFeature final : public QObject
{
    Q_OBJECT

public:
    /// The feature of `reader`, keeping the bookmarks in `file`.
    BookmarkFeature(tirta::ui::Reader& reader, BookmarkFile file);

    /// Sends the main window's position and translation to the bookmark window and shows it.
    void MenuBookmark_Click();
    /// The bookmark window, created (and its list read) on first use.
    Form17& window();

private:
    void adoptLeftoverAtStart();
    void unloading();

    tirta::ui::Reader& m_reader;
    BookmarkFile m_file;
    QPointer<Form17> m_window;
};

} // namespace tirta::bookmarks
