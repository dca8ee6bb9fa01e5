#pragma once

#include "results/pagetext.h"
#include "search/highlight.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QTextDocument>
#include <QTextLayout>

#include <memory>
#include <unordered_map>
#include <vector>

class QMenu;

namespace tirta::results {

/// The text view of the results and ClipBook pages. It holds a `PageText` and lays out only the
/// paragraphs on screen, so a result of tens of thousands of verses shows, scrolls, marks and
/// unmarks at once; everything else (select, copy, find, save, print) works on the whole text.
/// The user can type into it, cut, paste and undo as in any text field.
class PageView final : public QAbstractScrollArea, public search::HighlightTarget
{
    Q_OBJECT

public:
    explicit PageView(QWidget* parent = nullptr);
    ~PageView() override;

    /// The whole text, plain ("\n" line breaks); the caret goes to the start.
    void setPlainText(const QString& text);
    /// The whole text with its looks (a rich-text file); the caret goes to the start.
    void setRuns(const std::vector<rtf::Run>& runs);
    /// Appends plain text at the end; caret, selection and looks stay.
    void appendPlainText(const QString& text);
    /// The text with "\n" line breaks.
    QString toPlainText() const { return m_page.text(); }
    const PageText& page() const { return m_page; }

    /// Every colour and emphasis dropped; text, caret and scroll position stay.
    void clearLooks();

    int position() const { return m_position; }
    int anchor() const { return m_anchor; }
    int selectionStart() const { return std::min(m_anchor, m_position); }
    int selectionEnd() const { return std::max(m_anchor, m_position); }
    /// The selected text, line breaks as "\n".
    QString selectedText() const;
    /// Selects from `anchor` to `position` (the caret) and scrolls the caret into view.
    void setSelection(int anchor, int position);
    void selectAll();
    /// Puts the selected text on the clipboard.
    void copy() const;
    /// Finds `text` after the selection (before it with `FindBackward`) and selects it; false and
    /// nothing changed when it does not occur.
    bool find(const QString& text, QTextDocument::FindFlags flags = {});

    // search::HighlightTarget
    QString highlightText() const override { return m_page.text(); }
    void markWord(int position, int length, const QColor& colour) override;
    void showMarks() override;
    void selectWord(int position, int length) override { setSelection(position, position + length); }
    quint64 textRevision() const override { return m_revision; }
    QWidget* highlightWidget() override { return this; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    /// A visual line: a paragraph and a line of its layout.
    struct LinePos
    {
        int paragraph = 0;
        int line = 0;
        auto operator<=>(const LinePos&) const = default;
    };
    /// One change of the text, kept for "Urungkan" and "Ulangi".
    struct Edit
    {
        int position = 0;
        QString removed;
        QString inserted;
        std::vector<Mark> removedMarks;
    };

    QTextLayout& layout(int paragraph) const;
    void forgetLayouts();
    int lineCount(int paragraph) const;
    qreal lineTop(LinePos line) const;
    qreal lineHeight(LinePos line) const;
    bool nextLine(LinePos& line) const;
    bool previousLine(LinePos& line) const;
    LinePos lineOf(int position) const;
    int positionAt(const QPoint& point) const;
    qreal availableHeight() const;

    void setTop(LinePos top);
    void scrollLines(int lines);
    void updateScrollBar();
    void ensureCaretVisible();
    void moveCaret(int position, bool select);
    int verticalMove(int position, int lines);
    int lineEdge(int position, bool end) const;
    /// The next caret position after (or before) `position`, by character or by word.
    int stepEdge(int position, bool forward, QTextLayout::CursorMode mode) const;

    void replaceSelection(const QString& text, bool mergeTyping = false);
    void applyEdit(const Edit& edit, bool undo);
    void resetText();
    void undo();
    void redo();
    void cut();
    void paste();
    void restartBlink();
    QMenu* createContextMenu();

    PageText m_page;
    int m_anchor = 0;
    int m_position = 0;
    qreal m_goalX = -1; ///< where up and down keep the caret, or -1
    LinePos m_top; ///< the first line on screen
    LinePos m_lastTop; ///< the first line on screen when the end of the text is at the bottom
    bool m_settingScrollBar = false;
    mutable std::unordered_map<int, std::unique_ptr<QTextLayout>> m_layouts;
    std::vector<Mark> m_pendingMarks;
    std::vector<Edit> m_undo;
    std::vector<Edit> m_redo;
    bool m_typing = false; ///< the last undo step is typing that more typing joins
    quint64 m_revision = 0;
    QBasicTimer m_blink;
    bool m_caretShown = false;
};

} // namespace tirta::results
