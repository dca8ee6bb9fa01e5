#pragma once

#include <QObject>
#include <QPointer>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPoint;

namespace tirta::ui {

/// Shows the text of the list item under the pointer in a tip label, the window's own control
/// (for example `Label3`), so that entries too long for a narrow list can still be read. Clicking
/// the tip selects the item it shows and gives the list the focus; scrolling or emptying the list
/// hides the tip, and so do the pointer leaving the list (unless onto the tip) or the tip, hiding
/// the list, and moving the pointer over a widget given to `hideWhenOver()`.
class ListHoverTip final : public QObject
{
    Q_OBJECT
public:
    enum class Style
    {
        /// Shown over the item's own row, and only when the text does not fit in the list (the
        /// collection windows).
        OverRowWhenCut,
        /// Always shown, to the right of the list level with the item's row (the main window's
        /// book list).
        BesideList,
    };

    /// Watches `list` and shows its items' texts in `tip`, which may be a child of any widget of
    /// the same window or a window of its own. The tip gets the tooltip colours and a thin frame (the
    /// window may restyle it afterwards) and starts hidden. Both must outlive this object
    /// or be destroyed with it.
    ListHoverTip(QListWidget* list, QLabel* tip, Style style, QObject* parent = nullptr);

    /// Hides the tip whenever the pointer enters or moves over `widget`.
    void hideWhenOver(QWidget* widget);
    /// Hides the tip; the remembered item stays.
    void hideTip();
    /// The row of the item last found under the pointer, -1 before the first one.
    int hoveredRow() const { return m_row; }

    /// Treats a pointer move to `pos` (in the list's viewport) as the list's own events do; for
    /// windows that track the pointer themselves.
    void pointerMovedTo(const QPoint& pos);

Q_SIGNALS:
    /// The pointer moved onto the item at `row` (status lines show `text`).
    void hovered(int row, const QString& text);
    /// The tip was clicked and `row` selected.
    void tipClicked(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showFor(QListWidgetItem* item);
    void clickTip();

    QPointer<QListWidget> m_list;
    QPointer<QLabel> m_tip;
    // The watched widgets by address only, for the event filter: while a window closes, its
    // widgets send events half destroyed, when they must no longer be used as lists or labels.
    const QObject* m_viewport;
    const QObject* m_listObject;
    const QObject* m_tipObject;
    QList<const QObject*> m_hideOver;
    Style m_style;
    int m_row = -1;
};

} // namespace tirta::ui
