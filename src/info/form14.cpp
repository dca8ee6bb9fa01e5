#include "form14.h"

#include "foundation/datasession.h"
#include "foundation/safefile.h"
#include "foundation/settings.h"
#include "info/infotext.h"
#include "uikit/help.h"
#include "uikit/reader.h"
#include "uikit/sizing.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Form14::Form14(tirta::ui::Reader& reader)
    : QDialog(reader.mainWindow())
    , m_reader(reader)
{
    setObjectName(u"Form14"_s);
    setModal(true);
    tirta::ui::help::setPage(this, tirta::ui::help::page::kInformation);
    buildUi();
    connect(m_ui.Command1, &QPushButton::clicked, this, &QDialog::accept);
    Form_Load();
}

void Form14::buildUi()
{
    m_ui.Label1 = new QLabel(this);
    m_ui.Label1->setObjectName(u"Label1"_s);
    QFont heading = m_ui.Label1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.4);
    m_ui.Label1->setFont(heading);

    m_ui.RichTextBox1 = new QTextEdit(this);
    m_ui.RichTextBox1->setObjectName(u"RichTextBox1"_s);
    m_ui.RichTextBox1->setReadOnly(true);
    m_ui.RichTextBox1->setMinimumSize(320, 180);
    QFont text = m_ui.RichTextBox1->font();
    text.setPointSize(tirta::ui::secondaryTextSize(tirta::ui::screenHeightOf(this)));
    m_ui.RichTextBox1->setFont(text);

    m_ui.Check1 = new QCheckBox(tr("Selalu tampilkan jendela Etika Pengutipan di awal program"), this);
    m_ui.Check1->setObjectName(u"Check1"_s);
    m_ui.Command1 = new QPushButton(tr("Tutup"), this);
    m_ui.Command1->setObjectName(u"Command1"_s);
    m_ui.Command1->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_ui.Label1);
    layout->addWidget(m_ui.RichTextBox1, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_ui.Check1, 1);
    bottom->addWidget(m_ui.Command1);
    layout->addLayout(bottom);
    resize(560, 420);
}

void Form14::Form_Load()
{
    m_ui.Check1->setChecked(m_reader.settings().isOn(tirta::setting::etika));
    ChooseInfo();
}

void Form14::ShowInfo(const QString& mode)
{
    m_lblEtika = mode;
    ChooseInfo();
    show();
    raise();
    activateWindow();
    m_ui.Command1->setFocus();
}

void Form14::ChooseInfo()
{
    int id = 0;
    if (m_lblEtika == kModeEtika) {
        m_ui.Label1->setText(tr("Etika Pengutipan Alkitab"));
        id = tirta::info::kEthicsPageId;
    } else if (m_lblEtika == kModeHakCipta) {
        m_ui.Label1->setText(tr("Hak Cipta"));
        id = tirta::info::kCopyrightPageId;
    } else {
        return;
    }
    setWindowTitle(m_ui.Label1->text());
    if (const auto text = tirta::info::infoPage(m_reader.session().recordset(tirta::Role::Info), id))
        m_ui.RichTextBox1->setPlainText(tirta::fromCrLf(*text));
}

void Form14::done(int result)
{
    m_reader.settings().write(tirta::setting::etika, m_ui.Check1->isChecked() ? u"1"_s : u"0"_s);
    QDialog::done(result);
}
