#include "bookmarkfeature.h"

#include "bookmarks/form17.h"
#include "uikit/messagebox.h"
#include "uikit/reader.h"
#include "uikit/readerevents.h"

#include <QAction>

namespace tirta::bookmarks {

using namespace Qt::StringLiterals;

void installBookmarks(tirta::ui::Reader& reader)
{
    new BookmarkFeature(reader, BookmarkFile::forUser());
}

BookmarkFeature::BookmarkFeature(tirta::ui::Reader& reader, BookmarkFile file)
    : QObject(reader.mainWindow())
    , m_reader(reader)
    , m_file(std::move(file))
{
    setObjectName(u"BookmarkFeature"_s);
    QAction* item = reader.featureAction(tirta::ui::Feature::Bookmark);
    item->setEnabled(true);
    connect(item, &QAction::triggered, this, &BookmarkFeature::MenuBookmark_Click);
    connect(&reader.events(), &tirta::ui::ReaderEvents::firstActivated, this,
        &BookmarkFeature::adoptLeftoverAtStart);
    connect(&reader.events(), &tirta::ui::ReaderEvents::unloading, this, &BookmarkFeature::unloading);
}

void BookmarkFeature::MenuBookmark_Click()
{
    if (m_reader.currentChapter() < 1) {
        tirta::ui::MessageBox::info(
            m_reader.mainWindow(), tr("Pilih dahulu kitab dan pasal yang hendak diberi bookmark."));
        return;
    }
    // The translation's number is the digits of its column ("Kitab2").
    const QString column = m_reader.currentColumn();
    const QString versionTag = column + u"~~~~"_s + m_reader.translationName(column.mid(5).toInt());
    Form17& form = window();
    form.setPosition(m_reader.currentReference(), versionTag);
    if (!form.isVisible())
        form.show();
}

Form17& BookmarkFeature::window()
{
    if (!m_window)
        m_window = new Form17(m_reader, m_file);
    return *m_window;
}

void BookmarkFeature::adoptLeftoverAtStart()
{
    // A file an earlier run left in the temporary folder would not survive the next restart:
    // take it over now, even if the bookmark window is not opened in this run.
    if (const FileResult adopted = m_file.adoptLeftover(); !adopted.ok())
        tirta::ui::MessageBox::warning(m_reader.mainWindow(), Form17::fileMessage(adopted));
}

void BookmarkFeature::unloading()
{
    // A window never opened holds the file's list unchanged: nothing to write.
    if (m_window)
        m_window->SaveBookmarks_to_File();
}

} // namespace tirta::bookmarks
