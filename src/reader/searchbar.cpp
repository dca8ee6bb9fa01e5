#include "searchbar.h"

#include <QEvent>
#include <QMouseEvent>

namespace tirta::reader {

DraggableBar::DraggableBar(QWidget* band)
    : QFrame(band)
{
    setFrameShape(QFrame::StyledPanel);
    setCursor(Qt::SizeAllCursor);
    band->installEventFilter(this);
}

void DraggableBar::place()
{
    QWidget* band = parentWidget();
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
