#include "form8.h"

#include "foundation/datasession.h"
#include "foundation/safefile.h"
#include "study/dockedparts.h"
#include "uikit/help.h"
#include "uikit/reader.h"
#include "uikit/sizing.h"
#include "uikit/twips.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QRadioButton>
#include <QStatusBar>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using tirta::study::NotesSection;

namespace {

/// The header's picture: an open book.
QPixmap openBook(int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    painter.setPen(QPen(QColor(60, 60, 110), s / 24));
    for (const int side : { -1, 1 }) {
        QPainterPath page;
        page.moveTo(s / 2, s * 0.30);
        page.cubicTo(s / 2 + side * s * 0.15, s * 0.20, s / 2 + side * s * 0.32, s * 0.20,
            s / 2 + side * s * 0.44, s * 0.26);
        page.lineTo(s / 2 + side * s * 0.44, s * 0.80);
        page.cubicTo(s / 2 + side * s * 0.32, s * 0.74, s / 2 + side * s * 0.15, s * 0.74, s / 2, s * 0.84);
        page.closeSubpath();
        painter.fillPath(page, QColor(250, 246, 232));
        painter.drawPath(page);
        for (int line = 0; line < 4; ++line) {
            const double y = s * (0.38 + 0.1 * line);
            painter.drawLine(
                QPointF(s / 2 + side * s * 0.08, y), QPointF(s / 2 + side * s * 0.36, y - s * 0.03));
        }
    }
    return picture;
}

} // namespace

Form8::Form8(tirta::ui::Reader& reader)
    : QWidget(reader.mainWindow(), Qt::Window)
    , m_reader(reader)
{
    setObjectName(u"Form8"_s);
    tirta::ui::help::setPage(this, tirta::ui::help::page::kBookNotes);
    buildUi();
    connectSignals();
    Form_Load();
}

void Form8::buildUi()
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    m_ui.Frame2 = new QFrame(this);
    m_ui.Frame2->setObjectName(u"Frame2"_s);
    m_ui.Frame2->setFrameShape(QFrame::StyledPanel);
    auto* inner = new QVBoxLayout(m_ui.Frame2);
    inner->setContentsMargins(8, 8, 8, 8);
    inner->setSpacing(tirta::ui::twipsToPixels(100, *this, true));

    m_ui.Frame1 = new QFrame(m_ui.Frame2);
    m_ui.Frame1->setObjectName(u"Frame1"_s);
    m_ui.Frame1->setFrameShape(QFrame::StyledPanel);
    m_ui.Image1 = new QLabel(m_ui.Frame1);
    m_ui.Image1->setObjectName(u"Image1"_s);
    m_ui.Image1->setPixmap(openBook(40));
    m_ui.Shape1 = new QFrame(m_ui.Frame1);
    m_ui.Shape1->setObjectName(u"Shape1"_s);
    m_ui.Shape1->setAutoFillBackground(true);
    QPalette band = m_ui.Shape1->palette();
    band.setColor(QPalette::Window, QColor(226, 232, 244));
    m_ui.Shape1->setPalette(band);
    m_ui.Label1 = new QLabel(tr("Keterangan"), m_ui.Frame1);
    m_ui.Label1->setObjectName(u"Label1"_s);
    QFont title = m_ui.Label1->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() + 3);
    m_ui.Label1->setFont(title);
    m_ui.Picture1 = new QWidget(m_ui.Frame1);
    m_ui.Picture1->setObjectName(u"Picture1"_s);
    const auto options = tirta::study::addSectionOptions(m_ui.Picture1, { "Option1", "Option2", "Option3" });
    m_ui.Option1 = options[0];
    m_ui.Option2 = options[1];
    m_ui.Option3 = options[2];
    inner->addWidget(m_ui.Frame1);

    m_ui.rtf1 = new QTextEdit(m_ui.Frame2);
    m_ui.rtf1->setObjectName(u"rtf1"_s);
    m_ui.rtf1->setReadOnly(true);
    m_ui.rtf1->setAcceptRichText(false);
    m_ui.rtf1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    inner->addWidget(m_ui.rtf1, 1);
    outer->addWidget(m_ui.Frame2, 1);

    m_ui.picStatusBar = tirta::study::addStatusStrip(this, outer);
}

void Form8::connectSignals()
{
    connect(m_ui.Option1, &QRadioButton::clicked, this, [this] { Option_Click(NotesSection::Pengantar); });
    connect(m_ui.Option2, &QRadioButton::clicked, this, [this] { Option_Click(NotesSection::CiriKhas); });
    connect(m_ui.Option3, &QRadioButton::clicked, this, [this] { Option_Click(NotesSection::Survai); });
    m_ui.Frame1->installEventFilter(this);
}

void Form8::Form_Load()
{
    QFont font = m_ui.rtf1->font();
    font.setPointSize(tirta::ui::secondaryTextSize(tirta::ui::screenHeightOf(this)));
    m_ui.rtf1->setFont(font);
    prepare(false);
}

bool Form8::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(event);
}

void Form8::Form_Activate()
{
    m_ui.rtf1->setFont(m_reader.readingFont());
    tirta::study::drawStatusStrip(m_ui.picStatusBar, m_reader);
    layoutHeader();
}

void Form8::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
    Q_EMIT closedByUser();
}

bool Form8::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui.Frame1 && event->type() == QEvent::Resize)
        layoutHeader();
    return QWidget::eventFilter(watched, event);
}

void Form8::prepare(bool notes)
{
    m_notes = notes;
    const QString title = notes ? tr("Keterangan Alkitab") : tr("Pengantar Alkitab");
    setWindowTitle(title);
    m_ui.Label1->setText(title);
    m_ui.Picture1->setVisible(notes);
    layoutHeader();
}

void Form8::layoutHeader()
{
    // The title sits lower when there are no section options under it.
    const auto y = [this](int twips) { return tirta::ui::twipsToPixels(twips, *this, true); };
    const int shapeTop = y(m_notes ? 200 : 320);
    const int labelTop = y(m_notes ? 250 : 370);
    const QSize label = m_ui.Label1->sizeHint();
    const QSize options = m_ui.Picture1->sizeHint();
    const int needed = labelTop + label.height() + (m_notes ? options.height() + 2 : 0) + y(120);
    m_ui.Frame1->setFixedHeight(std::max(y(975), needed));

    const int height = m_ui.Frame1->height();
    const QSize picture = m_ui.Image1->sizeHint();
    m_ui.Image1->setGeometry(10, (height - picture.height()) / 2, picture.width(), picture.height());
    // A narrow window gives the picture's place to the title and the options.
    const int room = m_ui.Frame1->width() - (picture.width() + 20) - 28;
    m_ui.Image1->setVisible(room >= std::max(label.width(), m_notes ? options.width() : 0));
    const int left = m_ui.Image1->isVisible() ? m_ui.Image1->geometry().right() + 10 : 8;
    const int width = std::max(0, m_ui.Frame1->width() - left - 8);
    m_ui.Shape1->setGeometry(left, shapeTop, width, height - shapeTop - y(60));
    m_ui.Label1->setGeometry(left + 10, labelTop, std::max(0, width - 20), label.height());
    m_ui.Picture1->setGeometry(
        left + 10, labelTop + label.height() + 2, std::max(0, width - 20), options.height());
}

void Form8::showText(const QString& text)
{
    m_ui.rtf1->setPlainText(tirta::fromCrLf(text));
}

void Form8::selectOption1()
{
    m_ui.Option1->setChecked(true);
}

void Form8::Option_Click(NotesSection section)
{
    tirta::Recordset& books = m_reader.session().recordset(tirta::Role::Books);
    books.findFirst(u"Kitab1='"_s + m_reader.currentBook() + u"'"_s);
    showText(books.text(tirta::study::sectionField(section)));
}
