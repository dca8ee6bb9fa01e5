#include "toolbarband.h"

#include "reader/toolbaricons.h"
#include "uikit/statusstrip.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEnterEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tirta::reader {

namespace {

const QString kFeatureOff = u"_NON_AKTIF"_s;
const QString kTagSearch = u"cari"_s;
const QString kTagClipBook = u"clipbook"_s;
const QString kTagList = u"daftar"_s;

// The tooltips by button index; index 0 is unused.
const std::array<const char*, ToolbarBand::kButtonCount + 1> kToolTips = {
    "",
    QT_TRANSLATE_NOOP("tirta::reader::ToolbarBand", "Padanan Ayat"),
    QT_TRANSLATE_NOOP("tirta::reader::ToolbarBand", "Perikop"),
    QT_TRANSLATE_NOOP("tirta::reader::ToolbarBand", "Pengantar"),
    QT_TRANSLATE_NOOP("tirta::reader::ToolbarBand", "Perumpamaan"),
    QT_TRANSLATE_NOOP("tirta::reader::ToolbarBand", "Nubuat dan Penggenapannya"),
    QT_TRANSLATE_NOOP("tirta::reader::ToolbarBand", "Peta"),
    QT_TRANSLATE_NOOP("tirta::reader::ToolbarBand", "Kamus"),
    QT_TRANSLATE_NOOP("tirta::reader::ToolbarBand", "Deuterokanonika"),
    QT_TRANSLATE_NOOP("tirta::reader::ToolbarBand", "Bookmark"),
    QT_TRANSLATE_NOOP("tirta::reader::ToolbarBand", "Hasil Pencarian"),
    QT_TRANSLATE_NOOP("tirta::reader::ToolbarBand", "ClipBook"),
    QT_TRANSLATE_NOOP("tirta::reader::ToolbarBand", "Daftar Hasil Pencarian"),
    QT_TRANSLATE_NOOP("tirta::reader::ToolbarBand", "Hasil Pencarian"),
};

// The bars are cut into groups: parallel view | study material | bookmark | search results.
bool gapAfter(int index)
{
    return index == 1 || index == 8 || index == 9;
}

bool isGap(const QLayoutItem* item)
{
    return item->widget() && item->widget()->property("tirtaGap").toBool();
}

/// Lays its items out left to right and starts a new row when the next item does not fit. A
/// group gap never starts or ends a row.
class FlowLayout final : public QLayout
{
public:
    FlowLayout(QWidget* parent, int spacing)
        : QLayout(parent)
    {
        setSpacing(spacing);
    }

    ~FlowLayout() override
    {
        while (QLayoutItem* item = FlowLayout::takeAt(0))
            delete item;
    }

    void addItem(QLayoutItem* item) override { m_items.append(item); }
    int count() const override { return int(m_items.size()); }
    QLayoutItem* itemAt(int index) const override { return m_items.value(index); }
    QLayoutItem* takeAt(int index) override
    {
        return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
    }
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return arrange(QRect(0, 0, width, 0), false); }

    QSize sizeHint() const override
    {
        // Everything on one row.
        int width = 0;
        int height = 0;
        for (const QLayoutItem* item : m_items) {
            if (item->isEmpty())
                continue;
            const QSize hint = item->sizeHint();
            width += (width ? spacing() : 0) + hint.width();
            height = std::max(height, hint.height());
        }
        const QMargins m = contentsMargins();
        return { width + m.left() + m.right(), height + m.top() + m.bottom() };
    }

    QSize minimumSize() const override
    {
        // One item per row at worst.
        QSize size;
        for (const QLayoutItem* item : m_items) {
            if (!item->isEmpty() && !isGap(item))
                size = size.expandedTo(item->sizeHint());
        }
        const QMargins m = contentsMargins();
        return size + QSize(m.left() + m.right(), m.top() + m.bottom());
    }

    void setGeometry(const QRect& rect) override
    {
        QLayout::setGeometry(rect);
        arrange(rect, true);
    }

private:
    // Places the items in `rect` (when `apply`) and returns the height they need.
    int arrange(const QRect& rect, bool apply) const
    {
        const QRect area = rect.marginsRemoved(contentsMargins());
        const int gap = spacing();
        int top = area.top();
        int rows = 0;
        QList<QLayoutItem*> row;
        int rowWidth = 0;

        const auto hideGap = [apply](QLayoutItem* item) {
            if (apply)
                item->setGeometry(QRect());
        };
        const auto placeRow = [&] {
            while (!row.isEmpty() && isGap(row.last()))
                hideGap(row.takeLast());
            int rowHeight = 0;
            for (const QLayoutItem* item : row)
                rowHeight = std::max(rowHeight, item->sizeHint().height());
            if (apply) {
                int x = area.left();
                for (QLayoutItem* item : row) {
                    const QSize hint = item->sizeHint();
                    item->setGeometry(QRect(QPoint(x, top + (rowHeight - hint.height()) / 2), hint));
                    x += hint.width() + gap;
                }
            }
            top += rowHeight + gap;
            ++rows;
            row.clear();
            rowWidth = 0;
        };

        for (QLayoutItem* item : m_items) {
            if (item->isEmpty())
                continue;
            if (row.isEmpty() && isGap(item)) {
                hideGap(item);
                continue;
            }
            const int width = item->sizeHint().width();
            if (!row.isEmpty() && rowWidth + gap + width > area.width()) {
                placeRow();
                if (isGap(item)) {
                    hideGap(item);
                    continue;
                }
            }
            rowWidth += (row.isEmpty() ? 0 : gap) + width;
            row.append(item);
        }
        if (!row.isEmpty())
            placeRow();

        const QMargins m = contentsMargins();
        const int used = rows ? top - gap - area.top() : 0;
        return used + m.top() + m.bottom();
    }

    QList<QLayoutItem*> m_items;
};

/// The blue bar's background.
class BlueBar final : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QLinearGradient gradient(0, 0, 0, height());
        gradient.setColorAt(0, QColor(0x2f, 0x68, 0xb8));
        gradient.setColorAt(1, QColor(0x18, 0x40, 0x84));
        painter.fillRect(rect(), gradient);
        painter.setPen(QColor(0x6f, 0x9e, 0xdc));
        painter.drawLine(0, 0, width(), 0);
        painter.setPen(QColor(0x0f, 0x2b, 0x5c));
        painter.drawLine(0, height() - 1, width(), height() - 1);
    }
};

/// A button of the blue bar: one picture each for normal, pointed at, pressed and disabled.
class BlueButton final : public QAbstractButton
{
public:
    BlueButton(Pictogram which, QWidget* parent)
        : QAbstractButton(parent)
        , m_which(which)
    {
        setFixedSize(blueButtonSize());
        setFocusPolicy(Qt::NoFocus);
    }

    void setPictogram(Pictogram which)
    {
        m_which = which;
        update();
    }

    QSize sizeHint() const override { return blueButtonSize(); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawPixmap(0, 0, bluePicture(m_which, look(), size(), devicePixelRatioF()));
    }

    void enterEvent(QEnterEvent* event) override
    {
        m_hover = true;
        update();
        QAbstractButton::enterEvent(event);
    }

    void leaveEvent(QEvent* event) override
    {
        m_hover = false;
        update();
        QAbstractButton::leaveEvent(event);
    }

    void hideEvent(QHideEvent* event) override
    {
        // A hidden button gets no leave event; it must not come back lit.
        m_hover = false;
        QAbstractButton::hideEvent(event);
    }

private:
    BlueLook look() const
    {
        if (!isEnabled())
            return BlueLook::Disabled;
        if (isDown())
            return BlueLook::Pressed;
        return m_hover ? BlueLook::Hover : BlueLook::Normal;
    }

    Pictogram m_which;
    bool m_hover = false;
};

/// The drop-down panel: a window of its own below the bar. It is no pop-up, whose grab would
/// swallow the closing click on some platforms: while it is shown it watches the whole
/// application and closes on a press anywhere but on itself or its opener (the press still goes
/// where it was aimed), on Esc, and when its window moves, changes size or loses the focus.
class DropDownPanel final : public QFrame
{
public:
    explicit DropDownPanel(QWidget* parent)
        : QFrame(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
    {
        setAttribute(Qt::WA_ShowWithoutActivating);
    }

    void setOpener(QWidget* opener) { m_opener = opener; }

protected:
    void showEvent(QShowEvent* event) override
    {
        qApp->installEventFilter(this);
        QFrame::showEvent(event);
    }

    void hideEvent(QHideEvent* event) override
    {
        qApp->removeEventFilter(this);
        QFrame::hideEvent(event);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
            if (auto* widget = qobject_cast<QWidget*>(watched); widget && !holds(widget))
                hide();
            break;
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                hide();
                return true;
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowDeactivate:
            if (m_opener && watched == m_opener->window())
                hide();
            break;
        default:
            break;
        }
        return false;
    }

private:
    // The opener toggles the panel itself.
    bool holds(const QWidget* widget) const
    {
        return widget == this || isAncestorOf(widget) || widget == m_opener;
    }

    QPointer<QWidget> m_opener;
};

QWidget* groupGap(QWidget* parent, bool blue)
{
    QWidget* gap = nullptr;
    if (blue) {
        gap = new QWidget(parent);
        gap->setFixedSize(3, blueButtonSize().height());
    } else {
        auto* line = new QFrame(parent);
        line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
        line->setFixedSize(6, 22);
        gap = line;
    }
    gap->setProperty("tirtaGap", true);
    return gap;
}

Pictogram pictogramForTag(const QString& tag)
{
    if (tag == kTagClipBook)
        return pictogramForButton(11);
    if (tag == kTagList)
        return pictogramForButton(12);
    return pictogramForButton(13);
}

bool validIndex(int index)
{
    return index >= 1 && index <= ToolbarBand::kButtonCount;
}

} // namespace

ToolbarBand::ToolbarBand(QWidget* parent)
    : QWidget(parent)
    , m_resultsTag(kTagSearch)
{
    setObjectName(u"toolbarBand"_s);
    buildUi();
    connectSignals();
}

ToolbarBand::~ToolbarBand() = default;

void ToolbarBand::buildUi()
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    m_ui.Picture1 = new QWidget(this);
    m_ui.Picture1->setObjectName(u"Picture1"_s);
    auto* standard = new FlowLayout(m_ui.Picture1, 1);
    standard->setContentsMargins(2, 1, 2, 1);

    m_ui.picDropDown = new DropDownPanel(this);
    m_ui.picDropDown->setObjectName(u"picDropDown"_s);
    m_ui.picDropDown->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    auto* dropDown = new QVBoxLayout(m_ui.picDropDown);
    dropDown->setContentsMargins(2, 2, 2, 2);
    dropDown->setSpacing(0);

    for (int i = 1; i <= kButtonCount; ++i) {
        QWidget* owner = i <= 10 ? m_ui.Picture1 : static_cast<QWidget*>(m_ui.picDropDown);
        auto* button = new QToolButton(owner);
        button->setObjectName(u"ToolButton_"_s + QString::number(i));
        button->setIcon(toolIcon(pictogramForButton(i)));
        button->setIconSize(QSize(22, 22));
        button->setToolTip(tr(kToolTips[i]));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        m_ui.ToolButton[i] = button;
        if (i > 10) {
            // In the panel the buttons carry their names, as a menu would.
            button->setText(button->toolTip());
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            dropDown->addWidget(button);
        } else if (i < 10) {
            standard->addWidget(button);
            if (gapAfter(i))
                standard->addWidget(groupGap(m_ui.Picture1, false));
        }
    }

    // Button 10 and the narrow drop-down button stay together when the bar wraps.
    auto* results = new QWidget(m_ui.Picture1);
    results->setObjectName(u"resultsGroup"_s);
    auto* pair = new QHBoxLayout(results);
    pair->setContentsMargins(0, 0, 0, 0);
    pair->setSpacing(0);
    m_ui.ToolButton[10]->setParent(results);
    pair->addWidget(m_ui.ToolButton[10]);
    m_ui.btnDropDown = new QToolButton(results);
    m_ui.btnDropDown->setObjectName(u"btnDropDown"_s);
    m_ui.btnDropDown->setArrowType(Qt::DownArrow);
    m_ui.btnDropDown->setAutoRaise(true);
    m_ui.btnDropDown->setFocusPolicy(Qt::NoFocus);
    m_ui.btnDropDown->setFixedWidth(14);
    m_ui.btnDropDown->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    m_ui.btnDropDown->setToolTip(tr("Pilihan Hasil Pencarian"));
    pair->addWidget(m_ui.btnDropDown);
    standard->addWidget(results);
    static_cast<DropDownPanel*>(m_ui.picDropDown)->setOpener(m_ui.btnDropDown);
    column->addWidget(m_ui.Picture1);

    m_ui.blueBar = new BlueBar(this);
    m_ui.blueBar->setObjectName(u"blueBar"_s);
    auto* blue = new FlowLayout(m_ui.blueBar, 1);
    blue->setContentsMargins(2, 2, 2, 2);
    for (int i = 1; i <= kButtonCount; ++i) {
        auto* button = new BlueButton(pictogramForButton(i), m_ui.blueBar);
        button->setObjectName(u"blueBtn_"_s + QString::number(i));
        button->setToolTip(tr(kToolTips[i]));
        m_ui.blueBtn[i] = button;
        blue->addWidget(button);
        if (gapAfter(i))
            blue->addWidget(groupGap(m_ui.blueBar, true));
    }
    m_ui.blueBar->hide();
    column->addWidget(m_ui.blueBar);
}

void ToolbarBand::connectSignals()
{
    for (int i = 1; i <= kButtonCount; ++i) {
        connect(m_ui.ToolButton[i], &QToolButton::clicked, this, [this, i] { ToolButton_Click(i); });
        connect(m_ui.blueBtn[i], &QAbstractButton::clicked, this, [this, i] { ToolButton_Click(i); });
        m_ui.ToolButton[i]->installEventFilter(this);
        m_ui.blueBtn[i]->installEventFilter(this);
    }
    connect(m_ui.btnDropDown, &QToolButton::clicked, this, [this] {
        if (isDropDownOpen())
            closeDropDown();
        else
            openDropDown();
    });
    m_ui.picDropDown->installEventFilter(this);
}

void ToolbarBand::ToolButton_Click(int index)
{
    closeDropDown();
    switch (index) {
    case 11:
        setResultsTag(kTagClipBook, tr(" ClipBook "));
        break;
    case 12:
        setResultsTag(kTagList, tr(" Daftar Hasil Pencarian "));
        break;
    case 13:
        setResultsTag(kTagSearch, tr(" Hasil Pencarian "));
        break;
    default:
        break;
    }
    Q_EMIT toolClicked(index);
}

void ToolbarBand::setResultsTag(const QString& tag, const QString& toolTip)
{
    m_resultsTag = tag;
    m_ui.ToolButton[10]->setToolTip(toolTip);
    m_ui.blueBtn[10]->setToolTip(toolTip);
    // Button 10 shows the page it opens.
    m_ui.ToolButton[10]->setIcon(toolIcon(pictogramForTag(tag)));
    static_cast<BlueButton*>(m_ui.blueBtn[10])->setPictogram(pictogramForTag(tag));
}

void ToolbarBand::setBlueStyle(bool blue)
{
    closeDropDown();
    m_blue = blue;
    m_ui.Picture1->setVisible(!blue);
    m_ui.blueBar->setVisible(blue);
}

void ToolbarBand::setFeatureAvailable(int index, bool available)
{
    if (!validIndex(index))
        return;
    m_featureMark[index] = available ? QString() : kFeatureOff;
    m_ui.ToolButton[index]->setEnabled(available);
    m_ui.blueBtn[index]->setEnabled(available);
}

QString ToolbarBand::featureMark(int index) const
{
    return validIndex(index) ? m_featureMark[index] : QString();
}

QString ToolbarBand::toolTipOf(int index) const
{
    return validIndex(index) ? m_ui.ToolButton[index]->toolTip() : QString();
}

void ToolbarBand::openDropDown()
{
    if (m_blue || isDropDownOpen())
        return;
    // Below button 10's pair, kept on the screen.
    const QWidget* anchor = m_ui.btnDropDown->parentWidget();
    m_ui.picDropDown->adjustSize();
    const QSize size = m_ui.picDropDown->size();
    QPoint place = anchor->mapToGlobal(QPoint(0, anchor->height()));
    if (const QScreen* screen = anchor->screen()) {
        const QRect free = screen->availableGeometry();
        if (place.y() + size.height() > free.bottom())
            place.setY(anchor->mapToGlobal(QPoint(0, 0)).y() - size.height());
        place.setX(std::clamp(place.x(), free.left(), std::max(free.left(), free.right() - size.width())));
    }
    m_ui.picDropDown->move(place);
    m_ui.picDropDown->show();
}

void ToolbarBand::closeDropDown()
{
    if (isDropDownOpen())
        m_ui.picDropDown->hide();
}

bool ToolbarBand::isDropDownOpen() const
{
    return m_ui.picDropDown->isVisible();
}

void ToolbarBand::dropDownClosed()
{
    // The buttons in the panel get no leave event when it closes under the pointer.
    if (m_hovered && m_ui.picDropDown->isAncestorOf(m_hovered)) {
        m_hovered = nullptr;
        Q_EMIT statusText(tirta::ui::mainStatusIdleText());
    }
}

bool ToolbarBand::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui.picDropDown) {
        if (event->type() == QEvent::Hide)
            dropDownClosed();
        return QWidget::eventFilter(watched, event);
    }
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Enter:
        // A switched-off feature has nothing to announce.
        if (button->isEnabled()) {
            m_hovered = button;
            Q_EMIT statusText(button->toolTip());
        }
        break;
    case QEvent::Leave:
        if (m_hovered == button)
            m_hovered = nullptr;
        Q_EMIT statusText(tirta::ui::mainStatusIdleText());
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tirta::reader
