#include "docked.h"

#include "foundation/datasession.h"
#include "study/dockedparts.h"
#include "study/form12.h"
#include "study/form8.h"
#include "uikit/reader.h"
#include "uikit/readerevents.h"
#include "uikit/twips.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace tirta::study {

namespace {
const QString kObjectName = u"DockedStudy"_s;
} // namespace

void installPericopes(tirta::ui::Reader& reader)
{
    DockedStudy& docked = DockedStudy::of(reader);
    QAction* item = reader.featureAction(tirta::ui::Feature::Perikop);
    item->setEnabled(true);
    QObject::connect(item, &QAction::triggered, &docked, &DockedStudy::ShowPerikopList);
}

void installBookNotes(tirta::ui::Reader& reader)
{
    DockedStudy& docked = DockedStudy::of(reader);
    docked.createStrip();
    QAction* intro = reader.featureAction(tirta::ui::Feature::Pengantar);
    QAction* notes = reader.featureAction(tirta::ui::Feature::Keterangan);
    intro->setEnabled(true);
    notes->setEnabled(true);
    QObject::connect(intro, &QAction::triggered, &docked, [&docked] {
        docked.RecordWindowSize();
        docked.ShowIntro();
    });
    QObject::connect(notes, &QAction::triggered, &docked, [&docked] {
        docked.RecordWindowSize();
        docked.ShowBookNotes();
    });
    QObject::connect(&reader.events(), &tirta::ui::ReaderEvents::separateIntroChanged, &docked,
        &DockedStudy::MenuSettingTerpisah_Click);
}

DockedStudy& DockedStudy::of(tirta::ui::Reader& reader)
{
    QWidget* main = reader.mainWindow();
    if (auto* existing = main->findChild<DockedStudy*>(kObjectName, Qt::FindDirectChildrenOnly))
        return *existing;
    return *new DockedStudy(reader);
}

DockedStudy::DockedStudy(tirta::ui::Reader& reader)
    : QObject(reader.mainWindow())
    , m_reader(reader)
{
    setObjectName(kObjectName);
    tirta::ui::ReaderEvents& events = reader.events();
    connect(&events, &tirta::ui::ReaderEvents::bookChanged, this, &DockedStudy::onBookChanged);
    connect(&events, &tirta::ui::ReaderEvents::chapterChanged, this, &DockedStudy::onChapterShown);
}

void DockedStudy::createStrip()
{
    if (m_ui.strip)
        return;
    auto& s = m_ui;
    s.strip = new QWidget;
    s.strip->setObjectName(u"studyStrip"_s);
    auto* row = new QHBoxLayout(s.strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(tirta::ui::twipsToPixels(100, *s.strip));
    s.Command5 = new QPushButton(tr("Kitab"), s.strip);
    s.Command5->setObjectName(u"Command5"_s);
    s.Command5->setToolTip(tr("Kembali ke pasal Alkitab"));
    row->addWidget(s.Command5);
    s.Picture4 = new QWidget(s.strip);
    s.Picture4->setObjectName(u"Picture4"_s);
    const auto options = addSectionOptions(s.Picture4, { "Option6", "Option5", "Option4" });
    s.Option6 = options[0];
    s.Option5 = options[1];
    s.Option4 = options[2];
    row->addWidget(s.Picture4);
    row->addStretch();
    m_reader.hostAboveReadingPane(s.strip);
    setStrip(false, false);

    connect(s.Command5, &QPushButton::clicked, this, &DockedStudy::Command5_Click);
    connect(s.Option6, &QRadioButton::clicked, this, [this] { showSection(NotesSection::Pengantar); });
    connect(s.Option5, &QRadioButton::clicked, this, [this] { showSection(NotesSection::CiriKhas); });
    connect(s.Option4, &QRadioButton::clicked, this, [this] { showSection(NotesSection::Survai); });
}

void DockedStudy::setStrip(bool command5, bool picture4)
{
    if (!m_ui.strip)
        return;
    m_ui.Command5->setVisible(command5);
    m_ui.Picture4->setVisible(picture4);
    m_ui.strip->setVisible(command5 || picture4);
}

Form12& DockedStudy::pericopeWindow()
{
    if (!m_form12) {
        m_form12 = new Form12(m_reader);
        connect(m_form12, &Form12::closedByUser, this, [this] {
            if (!docked(m_form8))
                m_reader.restoreRecordedSize();
        });
    }
    return *m_form12;
}

Form8& DockedStudy::notesWindow()
{
    if (!m_form8) {
        m_form8 = new Form8(m_reader);
        connect(m_form8, &Form8::closedByUser, this, [this] {
            if (!docked(m_form12))
                m_reader.restoreRecordedSize();
            m_reader.Set_IsInfo_to_kitab();
        });
    }
    return *m_form8;
}

bool DockedStudy::docked(const QWidget* window) const
{
    return window && window->isVisible();
}

void DockedStudy::RecordWindowSize()
{
    // While a side window is docked the main window's own size is the one recorded before.
    if (!docked(m_form12) && !docked(m_form8))
        m_reader.RecordWindowSize();
}

QString DockedStudy::bookField(const QString& field)
{
    tirta::Recordset& books = m_reader.session().recordset(tirta::Role::Books);
    books.findFirst(u"Kitab1='"_s + m_reader.currentBook() + u"'"_s);
    return books.text(field);
}

void DockedStudy::showInline(const QString& header, const QString& text)
{
    m_reader.showStudyText(header, text);
    m_reader.setChapterListInactive(true);
}

void DockedStudy::ShowPerikopList()
{
    RecordWindowSize();
    Form12& form = pericopeWindow();
    m_reader.setPaneMode(paneMode::perikop);
    m_reader.arrangeSideBySide(&form);
    m_reader.setPaneMode(paneMode::kitab);
    // Showing the book again fills the list, which follows the book list while it is visible.
    m_reader.runBookSelection();
}

void DockedStudy::ShowIntro()
{
    m_reader.setPaneMode(paneMode::intro);
    if (!m_reader.separateIntro()) {
        setStrip(true, false);
        showInline(introHeader(m_reader.currentBook()), bookField(u"Intro"_s));
        return;
    }
    Form8& form = notesWindow();
    // The book's selection fills the window and shows the book's first chapter.
    m_reader.runBookSelection();
    form.prepare(false);
    m_reader.arrangeSideBySide(&form);
}

void DockedStudy::ShowBookNotes()
{
    m_reader.setPaneMode(paneMode::info);
    if (!m_reader.separateIntro()) {
        setStrip(true, true);
        if (!m_ui.Option6->isChecked()) {
            m_ui.Option6->setChecked(true);
            showSection(NotesSection::Pengantar);
        } else {
            m_reader.runBookSelection();
        }
        return;
    }
    Form8& form = notesWindow();
    setStrip(false, false);
    m_reader.runBookSelection();
    form.prepare(true);
    form.selectOption1();
    m_reader.arrangeSideBySide(&form);
}

void DockedStudy::showSection(NotesSection section)
{
    if (const QString mode = sectionMode(section); !mode.isEmpty())
        m_reader.setPaneMode(mode);
    setStrip(!m_ui.Command5->isHidden(), true);
    const QString text = bookField(sectionField(section));
    if (m_reader.separateIntro())
        notesWindow().showText(text);
    else
        showInline(QString(), text);
}

void DockedStudy::Command5_Click()
{
    const int previous = std::max(0, m_reader.currentChapter() - 1);
    m_reader.setPaneMode(paneMode::kitab);
    setStrip(false, false);
    m_reader.setChapterListInactive(false);
    m_reader.runBookSelection();
    if (m_reader.currentChapter() - 1 != previous)
        m_reader.selectChapter(previous);
}

void DockedStudy::MenuSettingTerpisah_Click(bool on)
{
    if (on) {
        if (m_reader.paneMode() == paneMode::intro)
            ShowIntro();
        return;
    }
    if (!docked(m_form8))
        return;
    m_form8->close();
    ShowIntro();
}

void DockedStudy::onBookChanged(const QString& book)
{
    if (docked(m_form12)) {
        m_form12->setBook(book, bookField(u"Perikop"_s));
        m_form12->GetPerikop();
    }
    const BookChangePlan plan = bookChangePlan(m_reader.paneMode(), m_reader.separateIntro());
    if (plan.target == BookChangePlan::Target::NotesWindow) {
        if (plan.selectNotesOption1)
            notesWindow().selectOption1();
        notesWindow().showText(bookField(plan.field));
    } else if (plan.target == BookChangePlan::Target::ReadingPane) {
        setStrip(true, plan.sectionOptions || (m_ui.Picture4 && !m_ui.Picture4->isHidden()));
        showInline(plan.introHeader ? introHeader(book) : QString(), bookField(plan.field));
    }
    if (plan.firstChapter)
        m_reader.selectChapter(0);
}

void DockedStudy::onChapterShown()
{
    // A chapter in the reading pane ends the inline study text, whatever the mode still says.
    setStrip(false, false);
    m_reader.setChapterListInactive(false);
}

} // namespace tirta::study
