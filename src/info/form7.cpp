#include "form7.h"

#include "foundation/datasession.h"
#include "foundation/safefile.h"
#include "foundation/version.h"
#include "info/infotext.h"
#include "info/maker.h"
#include "uikit/help.h"
#include "uikit/messagebox.h"
#include "uikit/reader.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
namespace maker = tirta::info::maker;

Form7::Form7(tirta::ui::Reader& reader)
    : QDialog(reader.mainWindow())
    , m_reader(reader)
{
    setObjectName(u"Form7"_s);
    setModal(true);
    tirta::ui::help::setPage(this, tirta::ui::help::page::kInformation);
    buildUi();
    connectSignals();
    Form_Load();
}

void Form7::buildUi()
{
    auto makeLabel = [this](const char* name, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QString::fromLatin1(name));
        return label;
    };
    m_ui.Label1 = makeLabel("Label1", tr("Tentang"));
    QFont heading = m_ui.Label1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.4);
    m_ui.Label1->setFont(heading);
    m_ui.Label2 = makeLabel("Label2", QString());
    QFont name = m_ui.Label2->font();
    name.setBold(true);
    m_ui.Label2->setFont(name);
    m_ui.Label4 = makeLabel("Label4", tr("Distribusi oleh"));
    m_ui.Label3 = makeLabel("Label3", maker::kDistributor.toString());
    m_ui.Label3->setWordWrap(true);

    m_ui.Text1 = new QPlainTextEdit(this);
    m_ui.Text1->setObjectName(u"Text1"_s);
    m_ui.Text1->setReadOnly(true);
    m_ui.Text1->setMinimumSize(360, 160);

    m_ui.Command2 = new QPushButton(tr("Versi DB"), this);
    m_ui.Command2->setObjectName(u"Command2"_s);
    m_ui.Command1 = new QPushButton(tr("Tutup"), this);
    m_ui.Command1->setObjectName(u"Command1"_s);
    m_ui.Command1->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_ui.Label1);
    layout->addWidget(m_ui.Label2);
    layout->addWidget(m_ui.Text1, 1);
    layout->addWidget(m_ui.Label4);
    layout->addWidget(m_ui.Label3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_ui.Command2);
    buttons->addStretch();
    buttons->addWidget(m_ui.Command1);
    layout->addLayout(buttons);
}

void Form7::connectSignals()
{
    connect(m_ui.Command1, &QPushButton::clicked, this, &Form7::Command1_Click);
    connect(m_ui.Command2, &QPushButton::clicked, this, &Form7::Command2_Click);
    // Mouse events of a text box arrive at its viewport.
    m_ui.Text1->viewport()->installEventFilter(this);
}

void Form7::Form_Load()
{
    setWindowTitle(tr("Tentang ") + QLatin1StringView(tirta::kProductName));
    m_ui.Label2->setText(maker::productAndVersion());
    m_ui.Text1->setPlainText(infoText(tirta::info::kAboutTextId));
}

QString Form7::infoText(int id) const
{
    return tirta::fromCrLf(tirta::info::InfoText(m_reader.session().recordset(tirta::Role::Info), id));
}

bool Form7::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui.Text1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        // Shift is read from the double-click itself, so a Shift released elsewhere cannot leave
        // the box believing it is still held.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        Text1_DblClick(mouse->modifiers().testFlag(Qt::ShiftModifier));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Form7::Text1_DblClick(bool shift)
{
    if (!shift) {
        m_ui.Text1->setPlainText(infoText(tirta::info::kAboutTextId));
        return;
    }
    m_ui.Text1->setPlainText(tr("Diprogram oleh ") + u'\n' + maker::kProgrammer + u"\n\n"
        + tr("Program ini diberikan tanpa biaya kepada penerbit isi Alkitab dan bahan studinya. ")
        + tr("Dengan harapan, program ini dapat tersedia bagi banyak orang dengan murah dan mudah."));
}

void Form7::Command1_Click()
{
    hide();
}

void Form7::Command2_Click()
{
    tirta::ui::MessageBox::show(
        this, infoText(tirta::info::kDataVersionId), QMessageBox::Ok, QMessageBox::NoIcon);
}
