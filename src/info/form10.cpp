#include "form10.h"

#include "foundation/pseudorandom.h"
#include "foundation/settings.h"
#include "uikit/help.h"
#include "uikit/reader.h"
#include "uikit/sizing.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Form10::Form10(tirta::ui::Reader& reader, tirta::PseudoRandom& random)
    : QDialog(reader.mainWindow())
    , m_reader(reader)
    , m_tips(tirta::info::readTips(reader.programFolder()), random.next())
{
    setObjectName(u"Form10"_s);
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose);
    tirta::ui::help::setPage(this, tirta::ui::help::page::kInformation);
    buildUi();
    connectSignals();
    showTip();
}

void Form10::buildUi()
{
    setWindowTitle(tr("Tip Penggunaan Program"));
    m_ui.Label1 = new QLabel(tr("Tip Penggunaan Program"), this);
    m_ui.Label1->setObjectName(u"Label1"_s);
    QFont heading = m_ui.Label1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    m_ui.Label1->setFont(heading);

    m_ui.Label2 = new QLabel(this);
    m_ui.Label2->setObjectName(u"Label2"_s);
    m_ui.Label2->setWordWrap(true);
    m_ui.Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_ui.Label2->setTextFormat(Qt::PlainText);
    m_ui.Label2->setFrameShape(QFrame::StyledPanel);
    m_ui.Label2->setMargin(10);
    m_ui.Label2->setMinimumSize(340, 110);
    m_ui.Label2->setBackgroundRole(QPalette::Base);
    m_ui.Label2->setAutoFillBackground(true);

    auto button = [this](const char* name, const QString& caption) {
        auto* control = new QPushButton(caption, this);
        control->setObjectName(QString::fromLatin1(name));
        control->setAutoDefault(false);
        return control;
    };
    m_ui.Command3 = button("Command3", tr("< &Sebelumnya"));
    m_ui.Command1 = button("Command1", tr("&Berikutnya >"));
    m_ui.Check1 = new QCheckBox(tr("Selalu tampilan tip di awal program"), this);
    m_ui.Check1->setObjectName(u"Check1"_s);
    m_ui.Command2 = button("Command2", tr("Tutup"));
    m_ui.Command2->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_ui.Label1);
    layout->addWidget(m_ui.Label2, 1);
    auto* paging = new QHBoxLayout;
    paging->addWidget(m_ui.Command3);
    paging->addWidget(m_ui.Command1);
    paging->addStretch();
    layout->addLayout(paging);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_ui.Check1, 1);
    bottom->addWidget(m_ui.Command2);
    layout->addLayout(bottom);
    resize(460, 260);
}

void Form10::connectSignals()
{
    connect(m_ui.Command1, &QPushButton::clicked, this, [this] {
        m_tips.next();
        showTip();
    });
    connect(m_ui.Command3, &QPushButton::clicked, this, [this] {
        m_tips.previous();
        showTip();
    });
    connect(m_ui.Command2, &QPushButton::clicked, this, &QDialog::accept);
}

void Form10::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void Form10::Form_Activate()
{
    QFont font = m_reader.readingFont();
    font.setPointSize(tirta::ui::secondaryTextSize(tirta::ui::screenHeightOf(this)));
    m_ui.Label2->setFont(font);
    // The menu item holds what the program will keep, also when it was changed since the start.
    m_ui.Check1->setChecked(m_reader.showTipItem()->isChecked());
    m_ui.Command2->setFocus();
}

void Form10::showTip()
{
    m_ui.Label2->setText(m_tips.current());
    // Without tips there is nothing to page through.
    m_ui.Command1->setEnabled(!m_tips.isEmpty());
    m_ui.Command3->setEnabled(!m_tips.isEmpty());
}

void Form10::done(int result)
{
    const bool atStart = m_ui.Check1->isChecked();
    m_reader.settings().write(tirta::setting::tip, atStart ? u"1"_s : u"0"_s);
    m_reader.showTipItem()->setChecked(atStart);
    QDialog::done(result);
}
