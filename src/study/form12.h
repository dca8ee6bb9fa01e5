#pragma once

#include "study/pericopes.h"

#include <QRect>
#include <QString>
#include <QWidget>

class QFrame;
class QLabel;
class QScrollBar;
class QStatusBar;

namespace tirta::ui {
class Reader;
}

namespace tirta::study {
class PericopeColumn;
}

/// "Daftar Perikop Alkitab": the section headings of the book open in the main window, each with
/// its passage, in a column that lights up under the pointer. A click on a heading shows its
/// chapter in the main window with the caret at the end of the pericope's first verse. Docked to
/// the right of the main window; closing only hides it.
///
/// The 401 labels of the column are drawn by one widget (`Picture2`) rather than being 401 label
/// controls: the labels keep their indices, texts, gaps and wrapping, while the highlight over the
/// label under the pointer (`LabelColor`), the entry's frame (`Shape1`) and its lines (`Line1`,
/// `Line2`) are real controls laid over the column.
class Form12 final : public QWidget
{
    Q_OBJECT

public:
    /// The pericope window of `reader`'s main window, which becomes its parent.
    explicit Form12(tirta::ui::Reader& reader);
    ~Form12() override;

    /// Names `book` in the header and keeps its pericope list (`Perikop`) for `GetPerikop`.
    void setBook(const QString& book, const QString& pericopes);
    /// Rebuilds the label column from the kept pericope list and shows it from the top.
    void GetPerikop();
    /// Where label i is drawn inside `Picture2`; empty for a label that is not laid out.
    QRect labelRect(int i) const;

Q_SIGNALS:
    /// The user closed the window (it is hidden, not destroyed).
    void closedByUser();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildUi();
    void connectSignals();
    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void ClearPerikopLabels();
    void LayoutPerikopLabels();
    void SetPerikopScroll(int total);
    void VScroll1_Change(int value);
    void hideHighlight();
    void HighlightPerikop(int i);
    void JumpToPerikop(int i);
    int twipsY(int twips) const;

    tirta::ui::Reader& m_reader;
    struct Ui
    {
        QFrame* Frame1 = nullptr;
        QFrame* Shape2 = nullptr; ///< the grey header band
        QLabel* LabelKitab = nullptr;
        QWidget* Picture1 = nullptr; ///< the viewport
        tirta::study::PericopeColumn* Picture2 = nullptr; ///< the column, moved inside the viewport
        QScrollBar* VScroll1 = nullptr;
        QLabel* LabelColor = nullptr;
        QFrame* Shape1 = nullptr;
        QFrame* Line1 = nullptr;
        QFrame* Line2 = nullptr;
        QStatusBar* picStatusBar = nullptr;
    } m_ui;
    QString m_Text1; ///< the book's pericope list, the design's hidden holder `Text1`
    tirta::study::PericopeLabels m_labels;
    int m_scrollRange = -1; ///< pixels the column is higher than the viewport
    int m_hoverIndex = -1; ///< the highlighted label, -1 for none
};
