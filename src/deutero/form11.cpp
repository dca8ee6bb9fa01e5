#include "form11.h"

#include "foundation/datasession.h"
#include "foundation/recordset.h"
#include "foundation/safefile.h"
#include "reader/readerlogic.h"
#include "uikit/help.h"
#include "uikit/listhovertip.h"
#include "uikit/reader.h"
#include "uikit/statusstrip.h"
#include "uikit/twips.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using tirta::Role;

namespace {

/// Room between the translation's name and the book's name, in twips.
constexpr int kLabelGapTwips = 100;

/// A menu caption shows "&" only when it is doubled.
QString menuText(QString text)
{
    return text.replace(u'&', u"&&"_s);
}

} // namespace

Form11::Form11(tirta::ui::Reader& reader)
    : QMainWindow(reader.mainWindow(), Qt::Window)
    , m_reader(reader)
{
    setObjectName(u"Form11"_s);
    tirta::ui::help::setPage(this, tirta::ui::help::page::kDeutero);
    setWindowTitle(tr("Deuterokanonika"));
    for (int n = 1; n <= tirta::deutero::kTranslations; ++n)
        m_names[static_cast<size_t>(n - 1)]
            = tirta::deutero::translationNames(reader.session().database(), n);
    buildUi();
    createActions();
    connectSignals();
    InitDeuteroArray();
    ShowDeutero(1);
}

void Form11::buildUi()
{
    auto* central = new QWidget(this);
    auto make = [central]<class T>(T* widget, const char* name) {
        widget->setParent(central);
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };

    m_ui.Text1 = make(new QLineEdit, "Text1");
    m_ui.Text1->setPlaceholderText(tr("Kata yang dicari"));
    m_ui.Check1 = make(new QCheckBox(tr("Kata Tepat")), "Check1");
    m_ui.Command1 = make(new QPushButton(tr("Cari Semua")), "Command1");
    m_ui.Command1->setDefault(true);
    auto* search = new QHBoxLayout;
    search->addWidget(m_ui.Text1, 1);
    search->addWidget(m_ui.Check1);
    search->addWidget(m_ui.Command1);

    m_ui.Label1 = make(new QLabel, "Label1");
    QFont bold = m_ui.Label1->font();
    bold.setBold(true);
    m_ui.Label1->setFont(bold);
    m_ui.Label2 = make(new QLabel, "Label2");
    auto* labels = new QHBoxLayout;
    labels->setSpacing(tirta::ui::twipsToPixels(kLabelGapTwips, *this));
    labels->addWidget(m_ui.Label1);
    labels->addWidget(m_ui.Label2, 1);

    m_ui.List1 = make(new QListWidget, "List1");
    m_ui.List2 = make(new QListWidget, "List2");
    m_ui.rt1 = make(new QTextEdit, "rt1");
    m_ui.rt1->setReadOnly(true);
    m_ui.rt1->setAcceptRichText(false);
    m_ui.rt1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_ui.rt1->setContextMenuPolicy(Qt::CustomContextMenu);
    // The chapter list needs room for "51" only; the book list for the shorter names, the hover
    // label shows the long ones.
    m_ui.List2->setMaximumWidth(m_ui.List2->fontMetrics().horizontalAdvance(u"0000"_s) + 30);
    m_ui.List1->setMinimumWidth(m_ui.List1->fontMetrics().horizontalAdvance(u"Kebijaksanaan"_s) + 30);
    auto* panes = new QSplitter(Qt::Horizontal, central);
    panes->setObjectName(u"panes"_s);
    panes->setChildrenCollapsible(false);
    panes->addWidget(m_ui.List1);
    panes->addWidget(m_ui.List2);
    panes->addWidget(m_ui.rt1);
    panes->setStretchFactor(0, 0);
    panes->setStretchFactor(1, 0);
    panes->setStretchFactor(2, 1);
    panes->setSizes({ m_ui.List1->minimumWidth() + 20, m_ui.List2->maximumWidth(), 400 });

    auto* layout = new QVBoxLayout(central);
    layout->addLayout(search);
    layout->addLayout(labels);
    layout->addWidget(panes, 1);
    setCentralWidget(central);

    m_ui.Label3 = make(new QLabel, "Label3");
    m_hoverTip = new tirta::ui::ListHoverTip(
        m_ui.List1, m_ui.Label3, tirta::ui::ListHoverTip::Style::BesideList, this);
    m_hoverTip->hideWhenOver(m_ui.List2);
    m_hoverTip->hideWhenOver(m_ui.rt1);

    m_ui.picStatusBar = new QStatusBar(this);
    m_ui.picStatusBar->setObjectName(u"picStatusBar"_s);
    setStatusBar(m_ui.picStatusBar);

    // Small enough for a 640 x 480 screen, large enough for a few words of a verse per line.
    m_ui.rt1->setMinimumWidth(180);
    setMinimumSize(460, 320);
    resize(620, 440);
}

void Form11::createActions()
{
    auto& m = m_menus;
    m.MenuDeuterokanonika = menuBar()->addMenu(tr("&Terjemahan"));
    m.MenuDeuterokanonika->setObjectName(u"MenuDeuterokanonika"_s);
    m.translations = new QActionGroup(this);
    QAction** items[] = { &m.MenuDeuterokanonika1, &m.MenuDeuterokanonika2, &m.MenuDeuterokanonika3 };
    for (int n = 1; n <= tirta::deutero::kTranslations; ++n) {
        QAction*& item = *items[n - 1];
        item = m.MenuDeuterokanonika->addAction(menuText(m_names[static_cast<size_t>(n - 1)].shortName));
        item->setObjectName(u"MenuDeuterokanonika"_s + QString::number(n));
        item->setCheckable(true);
        m.translations->addAction(item);
    }
    m.MenuDeuterokanonika3->setVisible(m_reader.session().thirdDeuteroAvailable());

    m.mnuEdit = new QMenu(this);
    m.mnuEdit->setObjectName(u"mnuEdit"_s);
    auto add = [&m](const char* name, const QString& caption) {
        QAction* item = m.mnuEdit->addAction(caption);
        item->setObjectName(QString::fromLatin1(name));
        return item;
    };
    m.mnuPilihSemua = add("mnuPilihSemua", tr("Pilih Semua"));
    m.mnuPilihAyat = add("mnuPilihAyat", tr("Pilih Ayat"));
    m.mnuCopy = add("mnuCopy", tr("Copy"));
    m.mnuCopyClipbook = add("mnuCopyClipbook", tr("Copy ke ClipBook"));
}

void Form11::connectSignals()
{
    for (int n = 1; n <= tirta::deutero::kTranslations; ++n)
        connect(translationItem(n), &QAction::triggered, this, [this, n] { ShowDeutero(n); });
    connect(m_ui.List1, &QListWidget::currentRowChanged, this, &Form11::List1_Click);
    connect(m_ui.List2, &QListWidget::currentRowChanged, this, &Form11::List2_Click);
    connect(m_ui.rt1, &QWidget::customContextMenuRequested, this, &Form11::rt1_ContextMenu);
    connect(m_menus.mnuPilihSemua, &QAction::triggered, this, &Form11::mnuPilihSemua_Click);
    connect(m_menus.mnuPilihAyat, &QAction::triggered, this, &Form11::mnuPilihAyat_Click);
    connect(m_menus.mnuCopy, &QAction::triggered, this, &Form11::mnuCopy_Click);
    connect(m_menus.mnuCopyClipbook, &QAction::triggered, this, &Form11::mnuCopyClipbook_Click);
    connect(m_ui.Command1, &QPushButton::clicked, this, &Form11::Command1_Click);
    connect(m_ui.Text1, &QLineEdit::returnPressed, this, &Form11::Command1_Click);
}

QAction* Form11::translationItem(int n) const
{
    switch (n) {
    case 1:
        return m_menus.MenuDeuterokanonika1;
    case 2:
        return m_menus.MenuDeuterokanonika2;
    default:
        return m_menus.MenuDeuterokanonika3;
    }
}

void Form11::InitDeuteroArray()
{
    m_books = tirta::deutero::DeuteroBooks();
    DeuteroList(1);
}

void Form11::DeuteroList(int n)
{
    const QSignalBlocker quiet(m_ui.List1);
    m_ui.List1->clear();
    m_ui.List1->addItems(m_books.names(n));
}

void Form11::ShowDeutero(int n)
{
    n = std::clamp(n, 1, tirta::deutero::kTranslations);
    const int book = m_ui.List1->currentRow();
    const int chapter = m_ui.List2->currentRow();
    DeuteroList(n);
    m_ui.Label2->clear();
    translationItem(n)->setChecked(true);

    m_translation = n;
    m_versiKitab = tirta::deutero::textColumn(n);
    const tirta::deutero::TranslationNames& names = m_names[static_cast<size_t>(n - 1)];
    setWindowTitle(names.caption);
    m_ui.Label1->setText(names.shortName);

    if (book < 0) {
        // Nothing chosen yet: the chapter last shown, now in this translation.
        showChapterText(m_reader.session().recordset(Role::Deutero).text(m_versiKitab));
        return;
    }
    // The book and chapter on screen stay chosen and are shown in this translation.
    {
        const QSignalBlocker quiet(m_ui.List1);
        m_ui.List1->setCurrentRow(book);
    }
    m_ui.Label2->setText(m_ui.List1->item(book)->text());
    List2_Click(chapter);
}

bool Form11::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QMainWindow::event(event);
}

void Form11::Form_Activate()
{
    const QFont reading = m_reader.readingFont();
    for (QWidget* list : { static_cast<QWidget*>(m_ui.List1), static_cast<QWidget*>(m_ui.List2) }) {
        QFont font = list->font();
        font.setFamily(reading.family());
        list->setFont(font);
    }
    QFont view = m_ui.rt1->font();
    view.setFamily(reading.family());
    view.setPointSizeF(reading.pointSizeF());
    m_ui.rt1->setFont(view);

    QWidget* main = m_reader.mainWindow();
    tirta::ui::drawSharedStatus(m_ui.picStatusBar, main->findChild<QStatusBar*>(u"picStatusBar"_s),
        main->findChild<QLabel*>(u"labelStatus"_s));

    if (m_firstActivation) {
        m_firstActivation = false;
        if (m_ui.List1->currentRow() < 0)
            m_ui.List1->setCurrentRow(0);
    }
}

void Form11::List1_Click(int row)
{
    if (row < 0)
        return;
    {
        const QSignalBlocker quiet(m_ui.List2);
        m_ui.List2->clear();
        m_ui.List2->addItems(m_books.chapters(row, m_translation));
    }
    m_ui.Label2->setText(m_ui.List1->item(row)->text());
    m_ui.List2->setCurrentRow(0);
    List2_Click(0);
}

void Form11::List2_Click(int row)
{
    const int book = m_ui.List1->currentRow();
    if (row < 0 || book < 0 || row >= m_ui.List2->count())
        return;
    tirta::Recordset& chapters = m_reader.session().recordset(Role::Deutero);
    const QString criterion
        = u"urutan="_s + QString::number(book + 1) + u" AND Bab="_s + m_ui.List2->item(row)->text();
    // A chapter without a row has no text in any translation.
    showChapterText(chapters.findFirst(criterion) ? chapters.text(m_versiKitab) : QString());
}

void Form11::showChapterText(const QString& text)
{
    m_ui.rt1->setCurrentCharFormat(QTextCharFormat());
    if (text.trimmed().isEmpty())
        m_ui.rt1->setPlainText(tirta::deutero::emptyChapterText(m_ui.Label1->text()));
    else
        m_ui.rt1->setPlainText(tirta::fromCrLf(text));
}

void Form11::rt1_ContextMenu(const QPoint& position)
{
    const bool selected = m_ui.rt1->textCursor().hasSelection();
    m_menus.mnuCopy->setEnabled(selected);
    m_menus.mnuCopyClipbook->setEnabled(selected);
    m_menus.mnuEdit->popup(m_ui.rt1->viewport()->mapToGlobal(position));
}

void Form11::mnuPilihSemua_Click()
{
    // From the selection's start to the end of the text.
    QTextCursor cursor = m_ui.rt1->textCursor();
    const int start = cursor.selectionStart();
    cursor.setPosition(start);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    m_ui.rt1->setTextCursor(cursor);
}

void Form11::mnuPilihAyat_Click()
{
    // The verse around the caret: its whole line with the line break, as the reader marks a verse.
    const QString text = m_ui.rt1->toPlainText();
    if (text.isEmpty())
        return;
    const tirta::reader::LineBounds bounds
        = tirta::reader::lineBoundsAt(text, m_ui.rt1->textCursor().position());
    QTextCursor cursor = m_ui.rt1->textCursor();
    cursor.setPosition(bounds.start);
    cursor.setPosition(std::min<qsizetype>(bounds.end + 1, text.size()), QTextCursor::KeepAnchor);
    m_ui.rt1->setTextCursor(cursor);
}

void Form11::mnuCopy_Click()
{
    const QTextCursor cursor = m_ui.rt1->textCursor();
    QGuiApplication::clipboard()->setText(
        tirta::reader::copiedText(m_ui.rt1->toPlainText(), cursor.selectionStart(), cursor.selectionEnd())
        + u'\n');
}

void Form11::mnuCopyClipbook_Click()
{
    const int book = m_ui.List1->currentRow();
    const QString name = book >= 0 ? m_ui.List1->item(book)->text() : QString();
    m_reader.CopyToClipBook(m_ui.rt1, QString(), tirta::deutero::clipBookReference(name));
}

void Form11::Command1_Click()
{
    m_reader.CariDeutro(m_ui.Text1->text(), m_translation, m_ui.Label1->text(), m_ui.Check1->isChecked());
}
