#include "form3.h"

#include "search/resultfile.h"
#include "uikit/help.h"
#include "uikit/sizing.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTime>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

/// The size the dialog is laid out for, in pixels; it grows when its texts need more.
constexpr QSize kDialogSize(250, 150);

/// Makes a text box at least as wide as its whole text, as a line edit measures its own size hint,
/// so that a long text is not scrolled to its end ("ESC untuk menghentikan pencarian)").
void fitToText(QLineEdit* box)
{
    const QMargins text = box->textMargins();
    const QMargins contents = box->contentsMargins();
    // A line edit keeps two pixels free on each side of its text, and one for the cursor.
    const int width = box->fontMetrics().horizontalAdvance(box->text()) + 2 * 2 + 1 + text.left()
        + text.right() + contents.left() + contents.right();
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth
        = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    box->setMinimumWidth(
        box->style()
            ->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(width, box->height()), box)
            .width());
}

} // namespace

Form3::Form3(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(u"Form3"_s);
    tirta::ui::help::setPage(this, tirta::ui::help::page::kSearch);
    buildUi();
    connectSignals();
    Form_Load();
}

QString Form3::waitingText()
{
    return tr("Tunggu... sedang mencari.");
}

void Form3::buildUi()
{
    setWindowTitle(tr("PENCARIAN"));
    setModal(false);
    // A small tool window: no help or close buttons, only the title.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto makeText = [this](const char* name, const QString& text) {
        auto* box = new QLineEdit(text, this);
        box->setObjectName(QString::fromLatin1(name));
        box->setReadOnly(true);
        box->setFrame(false);
        box->setAlignment(Qt::AlignCenter);
        box->setFocusPolicy(Qt::NoFocus);
        // The boxes show values; they look like the dialog, not like something to type in.
        box->setStyleSheet(u"QLineEdit { background: transparent; }"_s);
        fitToText(box);
        connect(box, &QLineEdit::textChanged, box, [box] { fitToText(box); });
        return box;
    };
    auto makeLabel = [this](const char* name, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QString::fromLatin1(name));
        label->hide();
        return label;
    };

    m_ui.Text4 = makeText("Text4", tr("PENCARIAN"));
    QFont heading = m_ui.Text4->font();
    heading.setBold(true);
    m_ui.Text4->setFont(heading);
    fitToText(m_ui.Text4);
    m_ui.Text3 = makeText("Text3", tr("Tunggu...sedang melakukan pencarian."));
    m_ui.Text2 = makeText("Text2", u"00:00:00"_s);
    m_ui.Text1 = makeText("Text1", tr("(Tekan ESC untuk menghentikan pencarian)"));
    m_ui.Label1 = makeLabel("Label1", QString());
    m_ui.Label2 = makeLabel("Label2", QString());
    m_ui.Label4 = makeLabel("Label4", u"StartTime"_s);
    m_ui.Command2 = new QPushButton(tr("Hentikan"), this);
    m_ui.Command2->setObjectName(u"Command2"_s);
    m_ui.Command2->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_ui.Text4);
    layout->addWidget(m_ui.Text3);
    layout->addWidget(m_ui.Text2);
    layout->addWidget(m_ui.Text1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ui.Command2);
    buttons->addStretch();
    layout->addLayout(buttons);
}

void Form3::connectSignals()
{
    connect(m_ui.Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
}

void Form3::Form_Load()
{
    resize(kDialogSize.expandedTo(sizeHint()));
    tirta::ui::placeCentredOnTop(this);
}

void Form3::setLabel1(const QString& text)
{
    m_ui.Label1->setText(text);
    m_ui.Text3->setText(text);
}

void Form3::setLabel2(const QString& text)
{
    m_ui.Label2->setText(text);
    m_ui.Text2->setText(text);
}

void Form3::showCentred()
{
    tirta::ui::placeCentredOnTop(this);
    show();
    // Once shown the window has its frame; centre that.
    tirta::ui::placeCentredOnTop(this);
    raise();
}

void Form3::requestStop()
{
    m_stop = true;
    Q_EMIT stopAsked();
}

void Form3::Command2_Click()
{
    requestStop();
}

void Form3::reject()
{
    requestStop();
}

void Form3::started()
{
    m_stop = false;
    m_ui.Label4->setText(QTime::currentTime().toString(u"hh:mm:ss"_s));
    setLabel2(tirta::search::formatElapsed(0));
    setLabel1(waitingText());
}

void Form3::tick(int hits, qint64 elapsedMs)
{
    if (!isVisible())
        showCentred();
    if (hits > 0)
        setLabel1(QString::number(hits));
    setLabel2(tirta::search::formatElapsed(elapsedMs));
    // The one place a running search lets the window system in: repaint, stop button and ESC.
    QCoreApplication::processEvents();
}

bool Form3::stopRequested()
{
    return m_stop;
}

void Form3::finished(int hits, qint64 elapsedMs)
{
    setLabel1(QString::number(hits));
    setLabel2(tirta::search::formatElapsed(elapsedMs));
    hide();
}
