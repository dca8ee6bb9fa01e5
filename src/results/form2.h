#pragma once

#include "search/resultlist.h"

#include <QColor>
#include <QString>
#include <QWidget>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QAction;
class QPrinter;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QTimer;
class QToolButton;

namespace tirta::ui {
class Reader;
}
namespace tirta::results {
class PageView;
}

/// The results window: three pages on tabs. "Hasil Pencarian" shows the last result file (or a file
/// the user opened), "ClipBook" is the scratch text the copy commands append to, and "Daftar Hasil"
/// lists the recorded searches. On the two text pages the user opens, saves and prints text and
/// marks a word in colour. Modeless; closing it only hides it, so the ClipBook and the list last
/// until the program ends.
class Form2 final : public QWidget
{
    Q_OBJECT

public:
    /// The page tags, also the window's mode.
    static inline const QString kModeResults = QStringLiteral("cari");
    static inline const QString kModeClipBook = QStringLiteral("clipbook");
    static inline const QString kModeList = QStringLiteral("daftar");

    /// The results window of `reader`'s main window, which becomes its parent.
    explicit Form2(tirta::ui::Reader& reader);

    /// Loads a result file into the results page and shows the window on that page. When the file
    /// cannot be read the user is told and the page keeps its text; false then.
    bool ShowResultFile(const QString& path);
    /// Records a finished search in "Daftar Hasil" when `optimal` ("Pencarian Optimal") is on. A
    /// search whose file is listed already is not listed twice.
    void AddToResultList(const tirta::search::ResultEntry& entry, bool optimal);
    /// Shows the window, modeless and in front, on the page of `mode` ("cari", "clipbook" or
    /// "daftar"; anything else counts as "cari").
    void ShowPage(const QString& mode);
    /// Lays the window out for `mode` (tab, tools, view, caption, picture) without showing it.
    void ApplyMode(const QString& mode);
    /// The page the window is laid out for: "cari", "clipbook" or "daftar".
    QString mode() const { return m_mode; }

    /// Appends text to the ClipBook ("\n" or CR LF line breaks) without bringing its page to the
    /// front. Colours marked in the ClipBook stay.
    void AppendToClipBook(const QString& text);
    /// The ClipBook's text, line breaks as "\n".
    QString clipBookText() const;
    /// The results page's text, line breaks as "\n".
    QString resultsText() const;

    /// Deletes every result file in `folder` (the temporary folder when empty) and drops the list
    /// entries whose files are gone. Returns how many files were deleted.
    int DeleteResultFiles(const QString& folder = QString());
    /// The recorded searches, in the order of "Daftar Hasil".
    const tirta::search::ResultList& resultList() const { return m_results; }

    /// The colour "Highlight" gives to exact spellings; pure blue at first.
    QColor highlightColour() const { return m_highlightColour; }

    /// Prints the text of the page in front on `printer` with margins of 1000 twips; the number of
    /// pages, or -1 when the printer failed. "Cetak Teks" calls it after its question.
    int printView(QPrinter& printer);
    /// Where "Cetak Teks" prints: a PDF file of this name instead of the default printer (for
    /// machines without a printer and for tests); empty for the default printer.
    void setPrinterOutputFile(const QString& pdfPath) { m_printerOutputFile = pdfPath; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildUi();
    void createActions();
    void connectSignals();
    void Form_Load();
    void Form_Activate();

    void SSTab1_Click(int index);
    void Command1_Click(); ///< "Buka File Teks"
    void Command2_Click(); ///< "Simpan Teks ke File"
    void Command3_Click(); ///< "Cetak Teks"
    void Command4_Click(); ///< "Hilangkan highlight warna"
    void Command8_Click(); ///< "Highlight" / "Stop"
    void PicClr_Click();
    void Esc_KeyPress();
    void List1_Click();
    void List1_ContextMenu(const QPoint& position);
    void cmdShow_Click(); ///< "Lihat" and double-click
    void cmdClear_Click(); ///< "Hapus Daftar"
    void menuTempHapus_Click();

    /// The view of the text page in front: `rt1` on the results page, `rt2` otherwise.
    tirta::results::PageView* modeView() const;
    /// Loads a result file into `rt1`; false (and a message) when it cannot be read.
    bool loadResultFile(const QString& path);
    /// The entry chosen in "Daftar Hasil", or -1.
    int selectedEntry() const;
    void showSummary();
    void paintSwatch();
    void adoptReadingFont();
    /// The first time: below (or above) the main window's search bar, so that the next query can be
    /// typed without moving this window.
    void placeClearOfSearchBar();
    void rememberPlace();

    tirta::ui::Reader& m_reader;
    struct Ui
    {
        QTabBar* SSTab1 = nullptr;
        QLabel* Picture2 = nullptr;
        QFrame* Frame1 = nullptr;
        QPushButton* Command1 = nullptr;
        QPushButton* Command2 = nullptr;
        QPushButton* Command3 = nullptr;
        QPushButton* Command4 = nullptr;
        QLineEdit* Text1 = nullptr;
        QCheckBox* Check1 = nullptr;
        QPushButton* Command8 = nullptr;
        QToolButton* PicClr = nullptr;
        QStackedWidget* pages = nullptr; ///< rt1, rt2 and Frame2 in the same place
        tirta::results::PageView* rt1 = nullptr;
        tirta::results::PageView* rt2 = nullptr;
        QFrame* Frame2 = nullptr;
        QLabel* lblHeader = nullptr;
        QListWidget* List1 = nullptr;
        QLabel* Label1 = nullptr; ///< "Keterangan"
        QLabel* lblKeterangan = nullptr;
        QPushButton* cmdShow = nullptr;
        QPushButton* cmdClear = nullptr;
    } m_ui;
    struct
    {
        QMenu* menuTemp = nullptr;
        QAction* menuTempHapus = nullptr;
        QAction* menuTempHapusSemua = nullptr;
    } m_menus;

    QString m_mode;
    QColor m_highlightColour;
    bool m_escStop = false; ///< a running highlight is asked to stop
    tirta::search::ResultList m_results; ///< the entries of List1: label, file and summary
    QString m_printerOutputFile;
    QTimer* m_placeTimer = nullptr;
    bool m_placed = false; ///< placed by the user (stored) or by `placeClearOfSearchBar`
};
