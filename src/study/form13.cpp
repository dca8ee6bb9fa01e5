#include "form13.h"

#include "foundation/reference.h"
#include "study/crossrefs.h"
#include "uikit/help.h"
#include "uikit/reader.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Form13::Form13(tirta::ui::Reader& reader)
    : QDialog(reader.mainWindow(), Qt::Dialog | Qt::CustomizeWindowHint)
    , m_reader(reader)
{
    setObjectName(u"Form13"_s);
    tirta::ui::help::setPage(this, tirta::ui::help::page::kCrossReferences);
    setModal(true);
    buildUi();
    connectSignals();
}

void Form13::buildUi()
{
    m_ui.Label2 = new QLabel(tr("Referensi Silang"), this);
    m_ui.Label2->setObjectName(u"Label2"_s);
    QFont heading = m_ui.Label2->font();
    heading.setBold(true);
    m_ui.Label2->setFont(heading);
    m_ui.Label1 = new QLabel(tr("Pilih bagian kitab yang dituju"), this);
    m_ui.Label1->setObjectName(u"Label1"_s);

    m_ui.List1 = new QListWidget(this);
    m_ui.List1->setObjectName(u"List1"_s);
    m_ui.List1->setMinimumSize(220, 120);

    m_ui.Command2 = new QPushButton(tr("OK"), this);
    m_ui.Command2->setObjectName(u"Command2"_s);
    m_ui.Command2->setDefault(true);
    m_ui.Command1 = new QPushButton(tr("Batal"), this);
    m_ui.Command1->setObjectName(u"Command1"_s);

    // Without a title bar the window draws its own raised edge.
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setLineWidth(2);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(m_ui.Label2);
    layout->addWidget(m_ui.Label1);
    layout->addWidget(m_ui.List1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ui.Command2);
    buttons->addWidget(m_ui.Command1);
    layout->addLayout(buttons);
}

void Form13::connectSignals()
{
    connect(m_ui.List1, &QListWidget::currentRowChanged, this, &Form13::List1_Click);
    connect(m_ui.List1, &QListWidget::itemDoubleClicked, this, &Form13::List1_DblClick);
    connect(m_ui.Command2, &QPushButton::clicked, this, &Form13::Command2_Click);
    connect(m_ui.Command1, &QPushButton::clicked, this, &QDialog::reject);
}

void Form13::setTargets(const QStringList& targets)
{
    m_ui.List1->clear();
    m_ui.List1->addItems(targets);
    if (m_ui.List1->count() > 0)
        m_ui.List1->setCurrentRow(0);
    List1_Click();
}

void Form13::showEvent(QShowEvent* event)
{
    Form_Activate();
    QDialog::showEvent(event);
}

void Form13::Form_Activate()
{
    QFont font = m_ui.List1->font();
    font.setFamily(m_reader.readingFont().family());
    m_ui.List1->setFont(font);
}

void Form13::List1_Click()
{
    const QListWidgetItem* item = m_ui.List1->currentItem();
    m_ui.Command2->setEnabled(item && tirta::study::isChoosableTarget(item->text()));
}

void Form13::List1_DblClick()
{
    if (m_ui.Command2->isEnabled())
        Command2_Click();
}

void Form13::Command2_Click()
{
    const QListWidgetItem* item = m_ui.List1->currentItem();
    if (!item || !tirta::study::isChoosableTarget(item->text()))
        return;
    QString reference = item->text().trimmed();
    tirta::displayToReference(reference);
    m_reader.JumpLocation(reference);
    accept();
    if (QWidget* main = m_reader.mainWindow())
        main->activateWindow();
}
