#include "listhovertip.h"

#include "uikit/twips.h"

#include <QAbstractItemModel>
#include <QCursor>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>

namespace tirta::ui {

namespace {
// Room around the text inside the tip, and the list's own margin the text has to fit into.
constexpr int kTipPaddingWidthTwips = 40;
constexpr int kTipPaddingHeightTwips = 20;
constexpr int kListMarginTwips = 240;
} // namespace

ListHoverTip::ListHoverTip(QListWidget* list, QLabel* tip, Style style, QObject* parent)
    : QObject(parent)
    , m_list(list)
    , m_tip(tip)
    , m_viewport(list->viewport())
    , m_listObject(list)
    , m_tipObject(tip)
    , m_style(style)
{
    Q_ASSERT(list && tip);
    m_tip->setPalette(QToolTip::palette());
    m_tip->setAutoFillBackground(true);
    m_tip->setFrameShape(QFrame::Box);
    m_tip->hide();
    m_tip->installEventFilter(this);
    m_list->setMouseTracking(true);
    m_list->viewport()->setMouseTracking(true);
    m_list->viewport()->installEventFilter(this);
    m_list->installEventFilter(this);

    connect(m_list->verticalScrollBar(), &QScrollBar::valueChanged, this, &ListHoverTip::hideTip);
    connect(m_list->horizontalScrollBar(), &QScrollBar::valueChanged, this, &ListHoverTip::hideTip);
    // A refilled list no longer has the remembered item.
    const auto forget = [this] {
        hideTip();
        m_row = -1;
    };
    connect(m_list->model(), &QAbstractItemModel::modelReset, this, forget);
    connect(m_list->model(), &QAbstractItemModel::rowsRemoved, this, forget);
}

void ListHoverTip::hideWhenOver(QWidget* widget)
{
    if (!widget)
        return;
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    m_hideOver.append(widget);
}

void ListHoverTip::hideTip()
{
    if (m_tip)
        m_tip->hide();
}

void ListHoverTip::pointerMovedTo(const QPoint& pos)
{
    if (!m_list)
        return;
    // No item under the pointer (below the last one): leave the tip as it is.
    QListWidgetItem* item = m_list->itemAt(pos);
    if (!item)
        return;
    const int row = m_list->row(item);
    const bool changed = row != m_row;
    m_row = row;
    showFor(item);
    if (changed)
        Q_EMIT hovered(row, item->text());
}

void ListHoverTip::showFor(QListWidgetItem* item)
{
    if (!m_tip)
        return;
    m_tip->setText(item->text());
    m_tip->adjustSize();
    const QSize textSize = m_tip->size();
    m_tip->resize(textSize.width() + twipsToPixels(kTipPaddingWidthTwips, *m_list),
        textSize.height() + twipsToPixels(kTipPaddingHeightTwips, *m_list, true));

    const QRect rowRect = m_list->visualItemRect(item);
    QPoint global;
    if (m_style == Style::OverRowWhenCut) {
        const bool cut = m_tip->width() + twipsToPixels(kListMarginTwips, *m_list) > m_list->width();
        if (!cut) {
            m_tip->hide();
            return;
        }
        global = m_list->viewport()->mapToGlobal(rowRect.topLeft());
    } else {
        const int rowTop = m_list->viewport()->mapTo(m_list, rowRect.topLeft()).y();
        global = m_list->mapToGlobal(QPoint(m_list->width(), rowTop));
    }
    QWidget* tipParent = m_tip->parentWidget();
    m_tip->move(tipParent && !m_tip->isWindow() ? tipParent->mapFromGlobal(global) : global);
    m_tip->raise();
    m_tip->show();
}

void ListHoverTip::clickTip()
{
    if (!m_list || m_row < 0 || m_row >= m_list->count())
        return;
    m_list->setCurrentRow(m_row);
    m_list->setFocus(Qt::MouseFocusReason);
    Q_EMIT tipClicked(m_row);
}

namespace {

bool pointerOver(const QWidget* widget)
{
    return widget && widget->isVisible() && widget->rect().contains(widget->mapFromGlobal(QCursor::pos()));
}

} // namespace

bool ListHoverTip::eventFilter(QObject* watched, QEvent* event)
{
    // Nothing but these events matters. Widgets are told apart by address alone: while a window
    // closes they send events half destroyed, when they must no longer be used as lists or labels.
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonRelease && type != QEvent::Enter
        && type != QEvent::Leave && type != QEvent::Hide)
        return false;
    if (watched == m_viewport) {
        if (type == QEvent::MouseMove && m_list)
            pointerMovedTo(static_cast<QMouseEvent*>(event)->position().toPoint());
        return false;
    }
    if (watched == m_listObject) {
        // Leaving the list, however fast, or the list going out of sight takes the tip along; the
        // pointer may only move on to the tip itself, to click it.
        if (type == QEvent::Hide || (type == QEvent::Leave && !pointerOver(m_tip)))
            hideTip();
        return false;
    }
    if (watched == m_tipObject) {
        if (type == QEvent::Leave && !pointerOver(m_list)) {
            hideTip();
            return false;
        }
        if (type == QEvent::MouseButtonRelease
            && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            clickTip();
            return true;
        }
        return false;
    }
    if ((type == QEvent::Enter || type == QEvent::MouseMove) && m_hideOver.contains(watched))
        hideTip();
    return false;
}

} // namespace tirta::ui
