#include "form18.h"

#include "foundation/datasession.h"
#include "study/themes.h"
#include "uikit/featurewindow.h"
#include "uikit/help.h"
#include "uikit/reader.h"
#include "uikit/sizing.h"
#include "uikit/statusstrip.h"
#include "uikit/widgets.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QStatusBar>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Form18::Form18(tirta::ui::Reader& reader)
    : QWidget(reader.mainWindow(), Qt::Window)
    , m_reader(reader)
{
    setObjectName(u"Form18"_s);
    tirta::ui::help::setPage(this, tirta::ui::help::page::kThemes);
    setWindowTitle(tr("Kumpulan Ayat-Ayat Tematik"));
    buildUi();
    createActions();
    connectSignals();
    FillTopics();
}

void Form18::buildUi()
{
    auto label = [this](const char* name, const QString& text) {
        auto* control = new QLabel(text, this);
        control->setObjectName(QString::fromLatin1(name));
        return control;
    };
    m_ui.Label1 = label("Label1", tr("Ayat-Ayat Tematik"));
    QFont heading = m_ui.Label1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.4);
    m_ui.Label1->setFont(heading);
    m_ui.Label2 = label("Label2", tr("Topik"));
    m_ui.cbTopik = new QComboBox(this);
    m_ui.cbTopik->setObjectName(u"cbTopik"_s);
    m_ui.cbTopik->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_ui.cbTopik->setMinimumContentsLength(16);
    m_ui.Label2->setBuddy(m_ui.cbTopik);
    m_ui.Label3 = label("Label3", tr("Daftar Ayat"));
    m_ui.lstAyat = new QListWidget(this);
    m_ui.lstAyat->setObjectName(u"lstAyat"_s);
    m_ui.Label3->setBuddy(m_ui.lstAyat);
    m_ui.Label4 = label("Label4", QString());
    QFont theme = m_ui.Label4->font();
    theme.setBold(true);
    m_ui.Label4->setFont(theme);
    m_ui.rtfAyat = tirta::ui::createTextView("rtfAyat", this);
    m_ui.rtfAyat->setContextMenuPolicy(Qt::CustomContextMenu);
    m_ui.picStatusBar = tirta::ui::createStatusStrip(this);
    tirta::ui::drawSharedStatusOf(m_ui.picStatusBar, m_reader.mainWindow());

    auto* grid = new QGridLayout;
    grid->addWidget(m_ui.Label2, 0, 0);
    grid->addWidget(m_ui.cbTopik, 1, 0);
    grid->addWidget(m_ui.Label3, 2, 0);
    grid->addWidget(m_ui.lstAyat, 3, 0);
    grid->addWidget(m_ui.Label4, 0, 1, 2, 1, Qt::AlignBottom);
    grid->addWidget(m_ui.rtfAyat, 2, 1, 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(9, 9, 9, 0);
    body->addWidget(m_ui.Label1);
    body->addLayout(grid, 1);
    outer->addLayout(body, 1);
    outer->addWidget(m_ui.picStatusBar);
    setMinimumSize(420, 320);
    resize(640, 440);
}

void Form18::createActions()
{
    m_menus.mnuCopy = new QMenu(this);
    m_menus.mnuCopy->setObjectName(u"mnuCopy"_s);
    m_menus.mnuPilihSemua = m_menus.mnuCopy->addAction(tr("Pilih Semua"));
    m_menus.mnuPilihSemua->setObjectName(u"mnuPilihSemua"_s);
    m_menus.mnuClipBook = m_menus.mnuCopy->addAction(tr("Copy ke ClipBook"));
    m_menus.mnuClipBook->setObjectName(u"mnuClipBook"_s);
}

void Form18::connectSignals()
{
    connect(m_ui.cbTopik, &QComboBox::currentIndexChanged, this, &Form18::cbTopik_Click);
    connect(m_ui.lstAyat, &QListWidget::currentRowChanged, this, &Form18::lstAyat_Click);
    connect(m_ui.rtfAyat, &QTextEdit::customContextMenuRequested, this, &Form18::rtfAyat_ContextMenu);
    connect(m_menus.mnuPilihSemua, &QAction::triggered, m_ui.rtfAyat, &QTextEdit::selectAll);
    connect(m_menus.mnuClipBook, &QAction::triggered, this, &Form18::mnuClipBook_Click);
}

void Form18::FillTopics()
{
    tirta::DataSession& session = m_reader.session();
    if (!session.has(tirta::Role::ThemeNames))
        return;
    m_ui.cbTopik->clear();
    m_ui.cbTopik->addItems(tirta::study::themeNames(session.recordset(tirta::Role::ThemeNames)));
    m_ui.cbTopik->setCurrentIndex(0);
    m_ui.lstAyat->setCurrentRow(0);
}

bool Form18::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(event);
}

void Form18::Form_Activate()
{
    const QFont reading = m_reader.readingFont();
    tirta::ui::applyTextFace({ m_ui.cbTopik, m_ui.lstAyat, m_ui.rtfAyat }, reading);
    tirta::ui::applyTextSize({ m_ui.rtfAyat }, reading.pointSize());
    tirta::ui::drawSharedStatusOf(m_ui.picStatusBar, m_reader.mainWindow());
}

void Form18::cbTopik_Click()
{
    const QString theme = m_ui.cbTopik->currentText();
    m_ui.Label4->setText(theme);
    m_ui.lstAyat->clear();
    if (m_ui.cbTopik->currentIndex() < 0 || !m_reader.session().has(tirta::Role::Themes))
        return;
    m_ui.lstAyat->addItems(
        tirta::study::referencesOfTheme(m_reader.session().recordset(tirta::Role::Themes), theme));
}

void Form18::lstAyat_Click(int row)
{
    if (row < 0)
        return;
    // The excerpt cursor, so that the chapter the reader shows stays where it is.
    tirta::ui::ShowReferenceText(
        m_ui.lstAyat->item(row)->text(), m_reader.session().recordset(tirta::Role::Excerpt), m_ui.rtfAyat);
}

void Form18::rtfAyat_ContextMenu(const QPoint& pos)
{
    m_menus.mnuClipBook->setEnabled(m_ui.rtfAyat->textCursor().hasSelection());
    m_menus.mnuCopy->popup(m_ui.rtfAyat->viewport()->mapToGlobal(pos));
}

void Form18::mnuClipBook_Click()
{
    QListWidgetItem* reference = m_ui.lstAyat->currentItem();
    if (!reference)
        return;
    m_reader.CopyToClipBook(m_ui.rtfAyat, QString(),
        tirta::study::clipBookHeading(m_ui.cbTopik->currentText(), reference->text()));
}

namespace tirta::study {

void installThemes(tirta::ui::Reader& reader)
{
    if (reader.session().themesAvailable())
        tirta::ui::installFeatureWindow<Form18>(reader, tirta::ui::Feature::Tematik);
}

} // namespace tirta::study
