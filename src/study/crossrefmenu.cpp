#include "crossrefmenu.h"

#include "foundation/datasession.h"
#include "study/crossrefs.h"
#include "study/form13.h"
#include "uikit/reader.h"
#include "uikit/readerevents.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

namespace tirta::study {

using namespace Qt::StringLiterals;

namespace {

const QString kNoReference = u"<tidak ada referensi>"_s;

} // namespace

void installCrossReferences(tirta::ui::Reader& reader)
{
    new CrossReferences(reader);
}

CrossReferences::CrossReferences(tirta::ui::Reader& reader)
    : QObject(reader.mainWindow())
    , m_reader(reader)
    , m_menu(reader.crossReferenceMenu())
{
    setObjectName(u"CrossReferences"_s);
    // The main window's design holds the first item; the others are made here, hidden.
    const QList<QAction*> existing = m_menu->actions();
    m_items.push_back(existing.isEmpty() ? m_menu->addAction(kNoReference) : existing.first());
    m_items.front()->setObjectName(u"MenuRefs_0"_s);
    for (int k = 2; k <= kCrossRefSlots; ++k) {
        QAction* item = m_menu->addAction(QString());
        item->setObjectName(u"MenuRefs_"_s + QString::number(k - 1));
        item->setVisible(false);
        m_items.push_back(item);
    }
    for (int k = 1; k <= kCrossRefSlots; ++k)
        connect(m_items[k - 1], &QAction::triggered, this, [this, k] { MenuRefs_Click(k); });
    connect(&reader.events(), &tirta::ui::ReaderEvents::editMenuAboutToShow, this,
        &CrossReferences::BuildCrossRefMenu);
}

void CrossReferences::BuildCrossRefMenu()
{
    // The navigation keeps the book recordset on the book shown; other windows may have moved it.
    tirta::Recordset& books = m_reader.session().recordset(tirta::Role::Books);
    const QString shown = m_reader.currentBook();
    const bool onBook
        = books.text(u"Kitab1").trimmed() == shown || books.findFirst(u"Kitab1='"_s + shown + u"'"_s);
    const QString book = onBook ? books.text(u"Kitab1").trimmed() : shown;
    const int chapter = m_reader.currentChapter();
    m_menu->setTitle(crossRefMenuCaption(book, chapter));

    const ChapterCrossRefs refs
        = onBook ? chapterCrossRefs(books.text(u"Referensi"), chapter) : ChapterCrossRefs {};
    for (int k = 2; k <= kCrossRefSlots; ++k)
        m_items[k - 1]->setVisible(false);
    if (refs.captions.isEmpty()) {
        m_items.front()->setText(kNoReference);
        m_items.front()->setEnabled(false);
    }
    for (qsizetype i = 0; i < refs.captions.size(); ++i) {
        m_items[i]->setText(refs.captions[i]);
        m_items[i]->setEnabled(true);
        m_items[i]->setVisible(true);
    }
    if (refs.malformed)
        m_menu->menuAction()->setVisible(false);
}

void CrossReferences::MenuRefs_Click(int k)
{
    if (k < 1 || k > kCrossRefSlots)
        return;
    const QString caption = m_items[k - 1]->text();
    if (caption == kNoReference)
        return;
    FillCrossRefTargets(caption);
    // The bookmark window stays on top of everything; it must not cover the chooser.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == u"Form17"_s && window->isVisible())
            window->hide();
    }
    chooser().show();
    chooser().raise();
    chooser().activateWindow();
}

void CrossReferences::FillCrossRefTargets(const QString& caption)
{
    chooser().setTargets(crossRefTargets(caption, m_reader.hasOldTestament()));
}

Form13& CrossReferences::chooser()
{
    if (!m_chooser)
        m_chooser = new Form13(m_reader);
    return *m_chooser;
}

} // namespace tirta::study
