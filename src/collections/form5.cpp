#include "form5.h"

#include "collections/collectionwindow.h"
#include "collections/titles.h"
#include "foundation/datasession.h"
#include "uikit/help.h"
#include "uikit/reader.h"
#include "uikit/sizing.h"
#include "uikit/statusstrip.h"
#include "uikit/twips.h"
#include "uikit/widgets.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QTextEdit>

using namespace Qt::StringLiterals;
namespace collections = tirta::collections;

namespace {
constexpr int kListWidthTwips = 3500;
} // namespace

Form5::Form5(tirta::ui::Reader& reader)
    : QWidget(reader.mainWindow(), Qt::Window)
    , m_reader(reader)
{
    setObjectName(u"Form5"_s);
    tirta::ui::help::setPage(this, tirta::ui::help::page::kProphecies);
    setWindowTitle(tr("Nubuat dan Penggenapannya di Alkitab"));
    buildUi();
    connectSignals();
    Form_Load();
}

void Form5::buildUi()
{
    auto label = [](const char* name, QWidget* parent, bool bold) {
        auto* control = new QLabel(parent);
        control->setObjectName(QString::fromLatin1(name));
        QFont font = control->font();
        font.setBold(bold);
        control->setFont(font);
        return control;
    };
    const collections::WindowBody body = collections::createWindowBody(this);
    m_ui.Frame1 = body.Frame1;
    m_ui.picStatusBar = body.picStatusBar;
    m_ui.Label1 = label("Label1", m_ui.Frame1, true);
    m_ui.Label1->setWordWrap(true);
    m_ui.List1 = new QListWidget(m_ui.Frame1);
    m_ui.List1->setObjectName(u"List1"_s);
    m_ui.List1->setFixedWidth(tirta::ui::twipsToPixels(kListWidthTwips, *this));
    m_ui.Label3 = label("Label3", m_ui.Frame1, false);
    m_ui.rt1 = tirta::ui::createTextView("rt1", m_ui.Frame1);
    m_ui.Label4 = label("Label4", m_ui.Frame1, false);
    m_ui.rt2 = tirta::ui::createTextView("rt2", m_ui.Frame1);
    m_ui.Label5 = new QLabel(this);
    m_ui.Label5->setObjectName(u"Label5"_s);

    // The two passages share the height to the right of the list in equal halves.
    auto* grid = new QGridLayout(m_ui.Frame1);
    grid->addWidget(m_ui.Label1, 0, 0, 1, 2);
    grid->addWidget(m_ui.List1, 1, 0, 4, 1);
    grid->addWidget(m_ui.Label3, 1, 1);
    grid->addWidget(m_ui.rt1, 2, 1);
    grid->addWidget(m_ui.Label4, 3, 1);
    grid->addWidget(m_ui.rt2, 4, 1);
    grid->setRowStretch(2, 1);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(1, 1);
}

void Form5::connectSignals()
{
    connect(m_ui.List1, &QListWidget::currentRowChanged, this, &Form5::List1_Click);
    collections::attachHoverTip(m_ui.List1, m_ui.Label5, { m_ui.Frame1, m_ui.rt1, m_ui.rt2 });
}

void Form5::Form_Load()
{
    const int size = collections::sizeListWindow(this);
    m_ui.List1->addItems(
        collections::titlesInProperCase(m_reader.session().recordset(tirta::Role::Prophecies), u"Nubuat"));
    m_ui.List1->setCurrentRow(0);
    tirta::ui::applyTextSize({ this, m_ui.rt1, m_ui.rt2, m_ui.List1, m_ui.Label3, m_ui.Label4 }, size);
}

bool Form5::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(event);
}

void Form5::Form_Activate()
{
    const QFont reading = m_reader.readingFont();
    tirta::ui::applyTextFace({ m_ui.rt1, m_ui.rt2, m_ui.List1, m_ui.Label5 }, reading);
    tirta::ui::applyTextSize({ m_ui.rt1, m_ui.rt2 }, reading.pointSize());
    tirta::ui::drawSharedStatusOf(m_ui.picStatusBar, m_reader.mainWindow());
}

void Form5::List1_Click(int row)
{
    if (row < 0)
        return;
    tirta::DataSession& session = m_reader.session();
    tirta::Recordset& prophecies = session.recordset(tirta::Role::Prophecies);
    if (!collections::findTitle(prophecies, u"Nubuat", m_ui.List1->item(row)->text()))
        return;
    const QString spoken = prophecies.text(u"lama").trimmed();
    const QString fulfilled = prophecies.text(u"baru").trimmed();
    m_ui.Label1->setText(collections::properCase(prophecies.text(u"Nubuat")));
    m_ui.Label3->setText(tr("Nubuat di ") + spoken);
    m_ui.Label4->setText(tr("Penggenapan di ") + fulfilled);
    tirta::Recordset& chapters = session.recordset(tirta::Role::Excerpt);
    tirta::ui::ShowReferenceText(spoken, chapters, m_ui.rt1);
    tirta::ui::ShowReferenceText(fulfilled, chapters, m_ui.rt2);
}
