#include "form12.h"

#include "study/dockedparts.h"
#include "uikit/help.h"
#include "uikit/reader.h"
#include "uikit/sizing.h"
#include "uikit/twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStatusBar>
#include <QVBoxLayout>

#include <functional>

using namespace Qt::StringLiterals;

namespace tirta::study {

/// The label column `Picture2`: draws the labels laid out for it and reports the label under the
/// pointer.
class PericopeColumn final : public QWidget
{
public:
    explicit PericopeColumn(QWidget* parent)
        : QWidget(parent)
    {
        setObjectName(u"Picture2"_s);
        setMouseTracking(true);
        setAutoFillBackground(true);
        QPalette white = palette();
        white.setColor(QPalette::Window, Qt::white);
        white.setColor(QPalette::WindowText, Qt::black);
        setPalette(white);
    }

    /// The label under `point`, or -1.
    int labelAt(const QPoint& point) const
    {
        for (size_t i = 0; i < rects.size(); ++i) {
            if (rects[i].contains(point))
                return static_cast<int>(i);
        }
        return -1;
    }

    const std::vector<QString>* texts = nullptr;
    std::vector<QRect> rects; ///< the laid-out labels, 0 to the last one
    std::function<void(int)> pointed; ///< the pointer moved onto label i

protected:
    void paintEvent(QPaintEvent* event) override
    {
        if (!texts)
            return;
        QPainter painter(this);
        painter.setFont(font());
        for (size_t i = 0; i < rects.size(); ++i) {
            if (rects[i].intersects(event->rect()))
                painter.drawText(rects[i], Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, (*texts)[i]);
        }
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        const int i = labelAt(event->position().toPoint());
        if (i < 0) {
            unsetCursor();
            return;
        }
        setCursor(Qt::PointingHandCursor);
        if (pointed)
            pointed(i);
    }
};

} // namespace tirta::study

using tirta::study::PericopeColumn;

namespace {

/// A thin control laid over the column that lets the pointer through.
QFrame* overlay(const char* name, QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1StringView(name));
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    palette.setColor(QPalette::Window, QColor(0, 0, 128));
    frame->setPalette(palette);
    frame->hide();
    return frame;
}

} // namespace

Form12::Form12(tirta::ui::Reader& reader)
    : QWidget(reader.mainWindow(), Qt::Window)
    , m_reader(reader)
{
    setObjectName(u"Form12"_s);
    tirta::ui::help::setPage(this, tirta::ui::help::page::kPericopes);
    setWindowTitle(tr("Daftar Perikop Alkitab"));
    buildUi();
    connectSignals();
    Form_Load();
}

Form12::~Form12() = default;

void Form12::buildUi()
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    m_ui.Frame1 = new QFrame(this);
    m_ui.Frame1->setObjectName(u"Frame1"_s);
    m_ui.Frame1->setFrameShape(QFrame::StyledPanel);
    auto* frame = new QVBoxLayout(m_ui.Frame1);
    frame->setContentsMargins(6, 6, 6, 6);
    frame->setSpacing(6);

    m_ui.Shape2 = new QFrame(m_ui.Frame1);
    m_ui.Shape2->setObjectName(u"Shape2"_s);
    m_ui.Shape2->setAutoFillBackground(true);
    QPalette grey = m_ui.Shape2->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    grey.setColor(QPalette::WindowText, Qt::white);
    m_ui.Shape2->setPalette(grey);
    auto* header = new QHBoxLayout(m_ui.Shape2);
    header->setContentsMargins(8, 4, 8, 4);
    m_ui.LabelKitab = new QLabel(m_ui.Shape2);
    m_ui.LabelKitab->setObjectName(u"LabelKitab"_s);
    QFont bold = m_ui.LabelKitab->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() + 2);
    m_ui.LabelKitab->setFont(bold);
    header->addWidget(m_ui.LabelKitab);
    frame->addWidget(m_ui.Shape2);

    auto* body = new QHBoxLayout;
    body->setSpacing(2);
    m_ui.Picture1 = new QWidget(m_ui.Frame1);
    m_ui.Picture1->setObjectName(u"Picture1"_s);
    m_ui.Picture1->setAutoFillBackground(true);
    QPalette white = m_ui.Picture1->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_ui.Picture1->setPalette(white);
    m_ui.Picture1->setMinimumSize(120, 80);
    m_ui.Picture2 = new PericopeColumn(m_ui.Picture1);
    m_ui.VScroll1 = new QScrollBar(Qt::Vertical, m_ui.Frame1);
    m_ui.VScroll1->setObjectName(u"VScroll1"_s);
    body->addWidget(m_ui.Picture1, 1);
    body->addWidget(m_ui.VScroll1);
    frame->addLayout(body, 1);
    outer->addWidget(m_ui.Frame1, 1);

    m_ui.Shape1 = overlay("Shape1", m_ui.Picture2);
    m_ui.Shape1->setFrameShape(QFrame::Box);
    m_ui.Shape1->setFrameShadow(QFrame::Plain);
    m_ui.Line1 = overlay("Line1", m_ui.Picture2);
    m_ui.Line2 = overlay("Line2", m_ui.Picture2);
    for (QFrame* line : { m_ui.Line1, m_ui.Line2 })
        line->setAutoFillBackground(true);
    m_ui.LabelColor = new QLabel(m_ui.Picture2);
    m_ui.LabelColor->setObjectName(u"LabelColor"_s);
    m_ui.LabelColor->setWordWrap(true);
    m_ui.LabelColor->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_ui.LabelColor->setAutoFillBackground(true);
    m_ui.LabelColor->setCursor(Qt::PointingHandCursor);
    QPalette blue = m_ui.LabelColor->palette();
    blue.setColor(QPalette::Window, Qt::white);
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    m_ui.LabelColor->setPalette(blue);
    m_ui.LabelColor->hide();

    m_ui.picStatusBar = tirta::study::addStatusStrip(this, outer);
}

void Form12::connectSignals()
{
    connect(m_ui.VScroll1, &QScrollBar::valueChanged, this, &Form12::VScroll1_Change);
    m_ui.Picture2->pointed = [this](int i) { HighlightPerikop(i); };
    m_ui.Picture2->texts = &m_labels.texts;
    m_ui.Picture1->installEventFilter(this);
    m_ui.LabelColor->installEventFilter(this);
}

void Form12::Form_Load()
{
    QFont font(m_reader.readingFont().family());
    font.setPointSize(tirta::ui::secondaryTextSize(tirta::ui::screenHeightOf(this)));
    m_ui.Picture2->setFont(font);
    m_ui.LabelColor->setFont(font);
    m_ui.Shape1->hide();
    m_ui.LabelColor->hide();
    ClearPerikopLabels();
    LayoutPerikopLabels();
}

bool Form12::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(event);
}

void Form12::Form_Activate()
{
    tirta::study::drawStatusStrip(m_ui.picStatusBar, m_reader);
    // Book changes keep the list current. Rebuilding it on every activation would hide the
    // highlight under the click that activates the window and lose the scroll position, so only
    // a new reading font face rebuilds it.
    const QString family = m_reader.readingFont().family();
    if (m_ui.Picture2->font().family() == family)
        return;
    QFont font = m_ui.Picture2->font();
    font.setFamily(family);
    m_ui.Picture2->setFont(font);
    m_ui.LabelColor->setFont(font);
    GetPerikop();
}

void Form12::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
    Q_EMIT closedByUser();
}

bool Form12::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui.Picture1) {
        if (event->type() == QEvent::Resize)
            Form_Resize();
        else if (event->type() == QEvent::Wheel && m_ui.VScroll1->isEnabled())
            return QCoreApplication::sendEvent(m_ui.VScroll1, event);
    } else if (watched == m_ui.LabelColor && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        JumpToPerikop(m_hoverIndex);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form12::setBook(const QString& book, const QString& pericopes)
{
    m_ui.LabelKitab->setText(book);
    m_Text1 = pericopes;
}

void Form12::GetPerikop()
{
    ClearPerikopLabels();
    m_labels = tirta::study::pericopeLabels(m_Text1);
    LayoutPerikopLabels();
    // The frame waits above the visible part until the pointer finds a label.
    m_ui.Shape1->move(0, -(m_ui.Shape1->height() + twipsY(100)));
}

QRect Form12::labelRect(int i) const
{
    const auto& rects = m_ui.Picture2->rects;
    return i >= 0 && static_cast<size_t>(i) < rects.size() ? rects[i] : QRect();
}

void Form12::ClearPerikopLabels()
{
    hideHighlight();
    m_labels = {};
}

void Form12::hideHighlight()
{
    for (QWidget* piece : { static_cast<QWidget*>(m_ui.Shape1), static_cast<QWidget*>(m_ui.Line1),
             static_cast<QWidget*>(m_ui.Line2), static_cast<QWidget*>(m_ui.LabelColor) })
        piece->hide();
    m_hoverIndex = -1;
}

void Form12::Form_Resize()
{
    hideHighlight();
    LayoutPerikopLabels();
}

int Form12::twipsY(int twips) const
{
    return tirta::ui::twipsToPixels(twips, *this, true);
}

void Form12::LayoutPerikopLabels()
{
    PericopeColumn* column = m_ui.Picture2;
    const int width = m_ui.Picture1->width();
    const int left = tirta::ui::twipsToPixels(50, *this);
    const int labelWidth = std::max(1, width - 2 * left);
    const QFontMetrics metrics(column->font());
    const auto heightOf = [&](const QString& text) {
        return std::max(metrics.height(),
            metrics.boundingRect(QRect(0, 0, labelWidth, 1 << 20), Qt::TextWordWrap, text).height());
    };
    column->rects.clear();
    int top = twipsY(tirta::study::gapAboveLabel(0));
    for (int i = 0; i <= m_labels.lastLaidOut(); ++i) {
        if (i > 0)
            top = column->rects.back().bottom() + 1 + twipsY(tirta::study::gapAboveLabel(i));
        column->rects.emplace_back(left, top, labelWidth, heightOf(m_labels.texts[i]));
    }
    column->resize(width, column->height());
    m_ui.Shape1->resize(width, m_ui.Shape1->height());
    SetPerikopScroll(column->rects.back().bottom() + 1 + twipsY(200));
    column->update();
}

void Form12::SetPerikopScroll(int total)
{
    m_ui.Picture2->resize(m_ui.Picture2->width(), total + twipsY(30));
    m_scrollRange = m_ui.Picture2->height() - m_ui.Picture1->height();
    const QSignalBlocker quiet(m_ui.VScroll1);
    m_ui.VScroll1->setValue(0);
    m_ui.Picture2->move(0, 0);
    if (m_scrollRange < 0) {
        m_ui.VScroll1->setRange(0, 0);
        m_ui.VScroll1->setEnabled(false);
        return;
    }
    m_ui.VScroll1->setEnabled(true);
    m_ui.VScroll1->setRange(0, tirta::study::kPericopeScrollMaximum);
    m_ui.VScroll1->setSingleStep(
        tirta::ui::pixelsToTwips(m_ui.Picture2->rects.front().height(), logicalDpiY()));
    m_ui.VScroll1->setPageStep(tirta::study::kPericopeScrollPage);
}

void Form12::VScroll1_Change(int value)
{
    m_ui.Picture2->move(0, tirta::study::pericopeContentTop(value, std::max(0, m_scrollRange)));
}

void Form12::HighlightPerikop(int i)
{
    if (i == m_hoverIndex)
        return;
    m_hoverIndex = i;
    const int heading = tirta::study::headingLabelOf(i);
    const QRect headingRect = labelRect(heading);
    const int top = headingRect.top();
    const int span = headingRect.height() + twipsY(60) + labelRect(heading + 1).height();

    QLabel* overlayLabel = m_ui.LabelColor;
    overlayLabel->setFont(m_ui.Picture2->font());
    overlayLabel->setText(m_labels.texts[i]);
    overlayLabel->setGeometry(labelRect(i));
    overlayLabel->show();

    const int width = m_ui.Picture2->width();
    m_ui.Shape1->setGeometry(0, top - twipsY(10), width, span + twipsY(20));
    m_ui.Line1->setGeometry(0, m_ui.Shape1->y(), width, 1);
    m_ui.Line2->setGeometry(0, m_ui.Shape1->y() + span, width, 1);
    m_ui.Shape1->setVisible(!m_labels.texts[i].trimmed().isEmpty());
    m_ui.Line1->show();
    m_ui.Line2->show();
    m_ui.Shape1->raise();
    overlayLabel->raise();
}

void Form12::JumpToPerikop(int i)
{
    if (i < 0)
        return;
    const int passage = tirta::study::passageLabelOf(i);
    if (passage > tirta::study::kLastPericopeLabel)
        return;
    const std::optional<tirta::study::PericopeTarget> target
        = tirta::study::pericopeTarget(m_labels.texts[passage]);
    if (!target)
        return;
    // The jump stays in the book shown in the main window, the book of the list.
    if (const std::optional<int> chapter = target->chapterNumber();
        chapter && *chapter != m_reader.currentChapter())
        m_reader.selectChapter(*chapter - 1);
    m_reader.placeCaret(tirta::study::pericopeCaret(m_reader.readingPaneText(), *target));
}
