#pragma once

#include <QFrame>

namespace tirta::reader {

/// The inner search bar: the user may drag it sideways inside its band, by any spot that is not
/// one of its controls, and a double-click puts it back at its home on the left.
class DraggableBar final : public QFrame
{
    Q_OBJECT

public:
    /// `band` is the widget the bar lives and moves in.
    explicit DraggableBar(QWidget* band);

    bool isHome() const { return m_offset == 0; }
    /// Moves the bar by `dx` pixels, kept inside the band.
    void shift(int dx);
    void goHome();

Q_SIGNALS:
    /// The bar left its home or came back to it.
    void homeChanged(bool home);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    int m_offset = 0;
    int m_dragFrom = -1;
};

} // namespace tirta::reader
