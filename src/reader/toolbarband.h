#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>

class QAbstractButton;
class QFrame;
class QToolButton;

namespace tirta::reader {

/// The main window's toolbar band in both of its styles: the standard bar `Picture1` with the tool
/// buttons `ToolButton_1` … `ToolButton_10`, the narrow `btnDropDown` beside button 10 and the
/// drop-down panel `picDropDown` holding buttons 11–13; and the blue bar `blueBar` ("Toolbar Khas
/// TY") with the picture buttons `blueBtn_1` … `blueBtn_13`. The band only reports clicks; the
/// window decides what each button does. When the band is too narrow for one row, the buttons
/// wrap onto further rows.
class ToolbarBand final : public QWidget
{
    Q_OBJECT

public:
    /// Buttons are numbered 1 to kButtonCount, as the window's tables number them.
    static constexpr int kButtonCount = 13;

    explicit ToolbarBand(QWidget* parent = nullptr);
    ~ToolbarBand() override;

    /// Shows the blue bar (true) or the standard bar (false); the drop-down panel closes.
    void setBlueStyle(bool blue);
    /// True while the blue bar is the one shown.
    bool isBlueStyle() const { return m_blue; }

    /// Switches the feature behind button `index` on or off: the button is disabled in both
    /// styles (the blue one shows its disabled look) and its feature mark is set.
    void setFeatureAvailable(int index, bool available);
    /// "_NON_AKTIF" when the feature behind button `index` is switched off, else empty.
    QString featureMark(int index) const;

    /// The page button 10 opens: "cari" (search results, the start), "clipbook" or "daftar".
    QString resultsTag() const { return m_resultsTag; }
    /// The tooltip button `index` shows now (button 10's follows its tag).
    QString toolTipOf(int index) const;

    /// Opens the drop-down panel below button 10 (standard style only).
    void openDropDown();
    /// Closes the drop-down panel when it is open.
    void closeDropDown();
    /// True while the drop-down panel is shown.
    bool isDropDownOpen() const;

Q_SIGNALS:
    /// Button `index` was clicked; the drop-down panel is already closed and, for 11–13, button
    /// 10's tag and tooltip already switched.
    void toolClicked(int index);
    /// The status line should show `text`: a button's tooltip while the pointer is on it, the
    /// program's idle text when it leaves.
    void statusText(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildUi();
    void connectSignals();
    void ToolButton_Click(int index);
    void setResultsTag(const QString& tag, const QString& toolTip);
    void dropDownClosed();

    struct Ui
    {
        QWidget* Picture1 = nullptr; ///< the standard bar
        std::array<QToolButton*, kButtonCount + 1> ToolButton {}; ///< index 0 unused
        QToolButton* btnDropDown = nullptr;
        QFrame* picDropDown = nullptr; ///< a window of its own below the bar, holding buttons 11–13
        QWidget* blueBar = nullptr;
        std::array<QAbstractButton*, kButtonCount + 1> blueBtn {}; ///< index 0 unused
    } m_ui;

    std::array<QString, kButtonCount + 1> m_featureMark;
    QString m_resultsTag;
    QPointer<QWidget> m_hovered; ///< the button whose tooltip the status line shows
    bool m_blue = false;
};

} // namespace tirta::reader
