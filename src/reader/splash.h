#pragma once

#include <QWidget>

class QLabel;
class QTimer;

/// The window shown while the reader starts: the product name and its version. A double-click
/// closes it; a click on its text shows the credits and closes it after nine ticks.
class Splash final : public QWidget
{
    Q_OBJECT

public:
    explicit Splash(QWidget* parent = nullptr);

    /// Ticks counted since the credits were shown.
    int ticks() const { return m_ticks; }

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Label_Click();
    void Timer_Tick();

    QLabel* m_version = nullptr;
    QLabel* m_label = nullptr;
    QLabel* m_credits = nullptr;
    QTimer* m_timer = nullptr;
    int m_ticks = 0;
};
