#pragma once

#include "info/tips.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace tirta {
class PseudoRandom;
}
namespace tirta::ui {
class Reader;
}

/// The tips window: pages through the tips of the tips file beside the program, starting at a tip
/// drawn from the program's pseudo-random sequence. Its check box and the main window's
/// "Tampilkan Tip di Awal Program" say the same: whether the tips open at start. Modal; closing
/// unloads it, so the next opening reads the file again and draws a new tip.
class Form10 final : public QDialog
{
    Q_OBJECT

public:
    /// The tips window of `reader`'s main window, drawing its first tip from `random`.
    Form10(tirta::ui::Reader& reader, tirta::PseudoRandom& random);

    /// Closing in any way (the button, ESC, the frame's close box) records the check box.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildUi();
    void connectSignals();
    void Form_Activate();
    void showTip();

    tirta::ui::Reader& m_reader;
    tirta::info::TipPager m_tips;
    struct Ui
    {
        QLabel* Label1 = nullptr;
        QLabel* Label2 = nullptr;
        QPushButton* Command3 = nullptr;
        QPushButton* Command1 = nullptr;
        QCheckBox* Check1 = nullptr;
        QPushButton* Command2 = nullptr;
    } m_ui;
};
