#include "searchbar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace tirta::reader {

namespace {
constexpr int kMargin = 4;
constexpr int kRowMargin = 2;
constexpr int kSpacing = 3;
} // namespace

DraggableBar::DraggableBar(QWidget* band)
    : QFrame(band)
{
    setFrameShape(QFrame::StyledPanel);
    setCursor(Qt::SizeAllCursor);
    band->installEventFilter(this);
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(kMargin, kRowMargin, kMargin, kRowMargin);
    rows->setSpacing(kSpacing);
    m_first = new QHBoxLayout;
    m_second = new QHBoxLayout;
    for (QHBoxLayout* row : { m_first, m_second }) {
        row->setSpacing(kSpacing);
        rows->addLayout(row);
    }
}

void DraggableBar::setControls(
    const QList<QWidget*>& controls, const QList<int>& stretch, qsizetype secondRowFrom)
{
    m_controls = controls;
    m_stretch = stretch;
    m_secondRowFrom = secondRowFrom;
    m_twoRows = true; // so that the first arrangement moves every control
    arrange(false);
}

int DraggableBar::oneRowWidth() const
{
    int width = 2 * kMargin + 2 * frameWidth()
        + kSpacing * static_cast<int>(std::max<qsizetype>(0, m_controls.size() - 1));
    for (const QWidget* control : m_controls) {
        width += std::min(
            std::max(control->minimumSizeHint().width(), control->minimumWidth()), control->maximumWidth());
    }
    return width;
}

void DraggableBar::arrange(bool twoRows)
{
    if (twoRows == m_twoRows)
        return;
    m_twoRows = twoRows;
    for (QWidget* control : std::as_const(m_controls)) {
        m_first->removeWidget(control);
        m_second->removeWidget(control);
    }
    for (qsizetype i = 0; i < m_controls.size(); ++i) {
        QHBoxLayout* row = twoRows && i >= m_secondRowFrom ? m_second : m_first;
        row->addWidget(m_controls[i], m_stretch.value(i));
    }
    if (twoRows)
        m_second->addStretch(); // the buttons keep their size, on the left
    else if (m_second->count() > 0)
        delete m_second->takeAt(0);
    // The rows' own layouts are new; the bar's layout must measure them again.
    layout()->invalidate();
    if (QWidget* band = parentWidget())
        band->setFixedHeight(sizeHint().height());
}

void DraggableBar::place()
{
    QWidget* band = parentWidget();
    if (!m_controls.isEmpty())
        arrange(oneRowWidth() > band->width());
    const int width = std::min(sizeHint().width(), band->width());
    const int room = std::max(0, band->width() - width);
    m_offset = std::clamp(m_offset, 0, room);
    setGeometry(m_offset, 0, width, band->height());
}

void DraggableBar::shift(int dx)
{
    const bool wasHome = isHome();
    m_offset += dx;
    place();
    if (wasHome != isHome())
        Q_EMIT homeChanged(isHome());
}

void DraggableBar::goHome()
{
    shift(-m_offset);
}

bool DraggableBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && (event->type() == QEvent::Resize || event->type() == QEvent::Show)) {
        const bool wasHome = isHome();
        place();
        if (wasHome != isHome())
            Q_EMIT homeChanged(isHome());
    }
    return QFrame::eventFilter(watched, event);
}

void DraggableBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragFrom = event->globalPosition().toPoint().x();
    QFrame::mousePressEvent(event);
}

void DraggableBar::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragFrom >= 0) {
        const int x = event->globalPosition().toPoint().x();
        shift(x - m_dragFrom);
        m_dragFrom = x;
    }
    QFrame::mouseMoveEvent(event);
}

void DraggableBar::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragFrom = -1;
    QFrame::mouseReleaseEvent(event);
}

void DraggableBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    goHome();
    QFrame::mouseDoubleClickEvent(event);
}

} // namespace tirta::reader
