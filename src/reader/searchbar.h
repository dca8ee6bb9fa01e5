#pragma once

#include <QFrame>
#include <QList>

class QHBoxLayout;

namespace tirta::reader {

/// The inner search bar: the user may drag it sideways inside its band, by any spot that is not
/// one of its controls, and a double-click puts it back at its home on the left. Its controls stand
/// in one row, or in two when the band is too narrow for one, so that every control keeps its whole
/// caption at every width the window allows; the band takes the bar's height.
class DraggableBar final : public QFrame
{
    Q_OBJECT

public:
    /// `band` is the widget the bar lives and moves in.
    explicit DraggableBar(QWidget* band);

    /// The controls, in order, with their shares of spare width; in two rows the second row starts
    /// at `secondRowFrom`.
    void setControls(const QList<QWidget*>& controls, const QList<int>& stretch, qsizetype secondRowFrom);
    /// How many rows the controls stand in now.
    int rows() const { return m_twoRows ? 2 : 1; }

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
    /// The narrowest width of one row holding every control.
    int oneRowWidth() const;
    void arrange(bool twoRows);

    int m_offset = 0;
    int m_dragFrom = -1;
    QList<QWidget*> m_controls;
    QList<int> m_stretch;
    qsizetype m_secondRowFrom = 0;
    bool m_twoRows = false;
    QHBoxLayout* m_first = nullptr;
    QHBoxLayout* m_second = nullptr;
};

} // namespace tirta::reader
