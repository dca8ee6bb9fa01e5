#include "form4.h"

#include "collections/collectionwindow.h"
#include "collections/titles.h"
#include "foundation/datasession.h"
#include "uikit/help.h"
#include "uikit/reader.h"
#include "uikit/sizing.h"
#include "uikit/statusstrip.h"
#include "uikit/twips.h"
#include "uikit/widgets.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QStatusBar>
#include <QTextEdit>

using namespace Qt::StringLiterals;
namespace collections = tirta::collections;

namespace {
constexpr int kListWidthTwips = 3300;
} // namespace

Form4::Form4(tirta::ui::Reader& reader)
    : QWidget(reader.mainWindow(), Qt::Window)
    , m_reader(reader)
{
    setObjectName(u"Form4"_s);
    tirta::ui::help::setPage(this, tirta::ui::help::page::kParables);
    setWindowTitle(tr("Perumpamaan Yesus"));
    buildUi();
    connectSignals();
    Form_Load();
}

void Form4::buildUi()
{
    const collections::WindowBody body = collections::createWindowBody(this);
    m_ui.Frame1 = body.Frame1;
    m_ui.picStatusBar = body.picStatusBar;
    m_ui.Label1 = new QLabel(m_ui.Frame1);
    m_ui.Label1->setObjectName(u"Label1"_s);
    QFont heading = m_ui.Label1->font();
    heading.setBold(true);
    m_ui.Label1->setFont(heading);
    m_ui.Label1->setWordWrap(true);
    m_ui.List1 = new QListWidget(m_ui.Frame1);
    m_ui.List1->setObjectName(u"List1"_s);
    m_ui.List1->setFixedWidth(tirta::ui::twipsToPixels(kListWidthTwips, *this));

    m_ui.Frame2 = new QGroupBox(tr("Perumpamaan Menurut Kitab"), m_ui.Frame1);
    m_ui.Frame2->setObjectName(u"Frame2"_s);
    m_ui.options = new QButtonGroup(this);
    auto* gospels = new QHBoxLayout(m_ui.Frame2);
    for (size_t g = 0; g < collections::kGospels.size(); ++g) {
        auto* option = new QRadioButton(collections::kGospels[g].toString(), m_ui.Frame2);
        option->setObjectName(u"Option"_s + QString::number(g + 1));
        m_ui.options->addButton(option, static_cast<int>(g));
        gospels->addWidget(option);
        m_ui.Option[g] = option;
    }
    gospels->addStretch();

    m_ui.rt1 = tirta::ui::createTextView("rt1", m_ui.Frame1);
    m_ui.Label3 = new QLabel(this);
    m_ui.Label3->setObjectName(u"Label3"_s);

    auto* grid = new QGridLayout(m_ui.Frame1);
    grid->addWidget(m_ui.Label1, 0, 0, 1, 2);
    grid->addWidget(m_ui.List1, 1, 0, 2, 1);
    grid->addWidget(m_ui.Frame2, 1, 1);
    grid->addWidget(m_ui.rt1, 2, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(1, 1);
}

void Form4::connectSignals()
{
    connect(m_ui.List1, &QListWidget::currentRowChanged, this, &Form4::List1_Click);
    connect(m_ui.options, &QButtonGroup::idClicked, this, &Form4::Option_Click);
    collections::attachHoverTip(m_ui.List1, m_ui.Label3, { m_ui.Frame1, m_ui.rt1 });
}

void Form4::Form_Load()
{
    const int size = collections::sizeListWindow(this);
    m_ui.List1->addItems(
        collections::titlesInProperCase(m_reader.session().recordset(tirta::Role::Parables), u"Perumpamaan"));
    m_ui.List1->setCurrentRow(0);
    tirta::ui::applyTextSize({ this, m_ui.rt1, m_ui.List1, m_ui.Label3 }, size);
}

bool Form4::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(event);
}

void Form4::Form_Activate()
{
    const QFont reading = m_reader.readingFont();
    tirta::ui::applyTextFace({ m_ui.rt1, m_ui.List1, m_ui.Label3 }, reading);
    tirta::ui::applyTextSize({ m_ui.rt1 }, reading.pointSize());
    tirta::ui::drawSharedStatusOf(m_ui.picStatusBar, m_reader.mainWindow());
}

void Form4::List1_Click(int row)
{
    if (row < 0)
        return;
    const QString title = m_ui.List1->item(row)->text();
    m_ui.Label1->setText(title);
    tirta::Recordset& parables = m_reader.session().recordset(tirta::Role::Parables);
    if (!collections::findTitle(parables, u"Perumpamaan", title))
        return;
    m_title = title;
    m_passages = collections::gospelPassages(parables);
    for (size_t g = 0; g < m_passages.size(); ++g)
        m_ui.Option[g]->setEnabled(!m_passages[g].isEmpty());
    const int first = collections::firstGospel(m_passages);
    if (first < 0) {
        // Told in no gospel: no option stays chosen and no other parable's passage stays shown.
        m_ui.options->setExclusive(false);
        for (QRadioButton* option : m_ui.Option)
            option->setChecked(false);
        m_ui.options->setExclusive(true);
        m_ui.rt1->clear();
        return;
    }
    m_ui.Option[first]->setChecked(true);
    Option_Click(first);
}

void Form4::Option_Click(int gospel)
{
    if (gospel < 0 || gospel >= static_cast<int>(m_passages.size()) || m_passages[gospel].isEmpty())
        return;
    const QString& reference = m_passages[gospel];
    m_ui.Label1->setText(m_title + u" ("_s + reference + u')');
    tirta::ui::ShowReferenceText(reference, m_reader.session().recordset(tirta::Role::Excerpt), m_ui.rt1);
}
