#include "pageview.h"

#include "foundation/safefile.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>

#include <algorithm>

namespace tirta::results {

namespace {

/// The blank space around the text, in pixels.
constexpr int kMargin = 4;
/// More laid-out paragraphs than this are dropped before the next paint; those on screen come back.
constexpr size_t kMaxLayouts = 1500;
/// Undo steps kept.
constexpr size_t kMaxUndo = 100;

qreal heightOf(const QTextLayout& layout)
{
    const QTextLine last = layout.lineAt(layout.lineCount() - 1);
    return last.y() + last.height();
}

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c.isMark() || c == u'_';
}

} // namespace

PageView::PageView(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    updateScrollBar();
}

PageView::~PageView() = default;

// ---- the text ---------------------------------------------------------------------------------

void PageView::setPlainText(const QString& text)
{
    // The old text goes first: two results of the whole Bible need not be held at once.
    m_page = PageText();
    m_page = PageText(text);
    resetText();
}

void PageView::setRuns(const std::vector<rtf::Run>& runs)
{
    m_page = PageText();
    m_page = PageText::fromRuns(runs);
    resetText();
}

void PageView::resetText()
{
    ++m_revision;
    m_undo.clear();
    m_redo.clear();
    m_typing = false;
    m_pendingMarks.clear();
    m_anchor = m_position = 0;
    m_goalX = -1;
    m_top = {};
    forgetLayouts();
    updateScrollBar();
    setTop({});
}

void PageView::appendPlainText(const QString& text)
{
    if (text.isEmpty())
        return;
    // Undoable like typing, so the steps before it still fit the text.
    m_undo.push_back({ m_page.size(), QString(), text, {} });
    m_redo.clear();
    m_typing = false;
    m_page.append(text);
    ++m_revision;
    forgetLayouts();
    updateScrollBar();
    viewport()->update();
}

void PageView::clearLooks()
{
    m_pendingMarks.clear();
    m_page.clearLooks();
    forgetLayouts();
    viewport()->update();
}

void PageView::markWord(int position, int length, const QColor& colour)
{
    m_pendingMarks.push_back({ position, length, Look { true, colour.rgb() } });
}

void PageView::showMarks()
{
    if (m_pendingMarks.empty())
        return;
    m_page.applyMarks(m_pendingMarks);
    m_pendingMarks.clear();
    forgetLayouts();
    viewport()->update();
}

// ---- selection and find -----------------------------------------------------------------------

QString PageView::selectedText() const
{
    return m_page.text().mid(selectionStart(), selectionEnd() - selectionStart());
}

void PageView::setSelection(int anchor, int position)
{
    m_anchor = std::clamp(anchor, 0, m_page.size());
    moveCaret(position, true);
}

void PageView::selectAll()
{
    m_anchor = 0;
    m_position = m_page.size();
    viewport()->update();
}

void PageView::copy() const
{
    if (selectionStart() < selectionEnd())
        QGuiApplication::clipboard()->setText(selectedText());
}

bool PageView::find(const QString& text, QTextDocument::FindFlags flags)
{
    if (text.isEmpty())
        return false;
    const Qt::CaseSensitivity cs
        = flags.testFlag(QTextDocument::FindCaseSensitively) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const bool backward = flags.testFlag(QTextDocument::FindBackward);
    const QString& all = m_page.text();
    qsizetype at = backward ? selectionStart() - 1 : selectionEnd();
    while (at >= 0) {
        at = backward ? all.lastIndexOf(text, at, cs) : all.indexOf(text, at, cs);
        if (at < 0)
            return false;
        const qsizetype end = at + text.size();
        const bool whole = !flags.testFlag(QTextDocument::FindWholeWords)
            || ((at == 0 || !isWordCharacter(all[at - 1]))
                && (end == all.size() || !isWordCharacter(all[end])));
        if (whole) {
            setSelection(int(at), int(end));
            return true;
        }
        at = backward ? at - 1 : at + 1;
    }
    return false;
}

// ---- layout -----------------------------------------------------------------------------------

QTextLayout& PageView::layout(int paragraph) const
{
    auto found = m_layouts.find(paragraph);
    if (found != m_layouts.end())
        return *found->second;
    auto layout = std::make_unique<QTextLayout>(m_page.paragraph(paragraph).toString(), font(), viewport());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    layout->setFormats(m_page.paragraphFormats(paragraph));
    const qreal width = std::max(1, viewport()->width() - 2 * kMargin);
    qreal y = 0;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout->endLayout();
    return *m_layouts.emplace(paragraph, std::move(layout)).first->second;
}

void PageView::forgetLayouts()
{
    m_layouts.clear();
}

int PageView::lineCount(int paragraph) const
{
    return layout(paragraph).lineCount();
}

qreal PageView::lineTop(LinePos line) const
{
    return layout(line.paragraph).lineAt(line.line).y();
}

qreal PageView::lineHeight(LinePos line) const
{
    return layout(line.paragraph).lineAt(line.line).height();
}

bool PageView::nextLine(LinePos& line) const
{
    if (line.line + 1 < lineCount(line.paragraph)) {
        ++line.line;
        return true;
    }
    if (line.paragraph + 1 >= m_page.paragraphCount())
        return false;
    line = { line.paragraph + 1, 0 };
    return true;
}

bool PageView::previousLine(LinePos& line) const
{
    if (line.line > 0) {
        --line.line;
        return true;
    }
    if (line.paragraph == 0)
        return false;
    line = { line.paragraph - 1, lineCount(line.paragraph - 1) - 1 };
    return true;
}

PageView::LinePos PageView::lineOf(int position) const
{
    const int paragraph = m_page.paragraphOf(position);
    const QTextLayout& text = layout(paragraph);
    const QTextLine line = text.lineForTextPosition(position - m_page.paragraphStart(paragraph));
    return { paragraph, line.isValid() ? line.lineNumber() : text.lineCount() - 1 };
}

qreal PageView::availableHeight() const
{
    return std::max(1, viewport()->height() - 2 * kMargin);
}

int PageView::positionAt(const QPoint& point) const
{
    const qreal wanted = std::clamp<qreal>(point.y(), kMargin, viewport()->height());
    qreal y = kMargin - lineTop(m_top);
    for (int paragraph = m_top.paragraph; paragraph < m_page.paragraphCount(); ++paragraph) {
        const QTextLayout& text = layout(paragraph);
        const int first = paragraph == m_top.paragraph ? m_top.line : 0;
        for (int i = first; i < text.lineCount(); ++i) {
            const QTextLine line = text.lineAt(i);
            if (wanted < y + line.y() + line.height())
                return m_page.paragraphStart(paragraph) + line.xToCursor(point.x() - kMargin);
        }
        y += heightOf(text);
    }
    return m_page.size();
}

// ---- scrolling --------------------------------------------------------------------------------

void PageView::updateScrollBar()
{
    // The last screen: walk back from the last line until the lines fill the height.
    const int last = m_page.paragraphCount() - 1;
    LinePos top { last, lineCount(last) - 1 };
    qreal used = lineHeight(top);
    for (LinePos previous = top; previousLine(previous);) {
        used += lineHeight(previous);
        if (used > availableHeight())
            break;
        top = previous;
    }
    m_lastTop = top;
    m_settingScrollBar = true;
    verticalScrollBar()->setRange(0, m_lastTop.paragraph);
    verticalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setPageStep(std::max(1, int(availableHeight() / fontMetrics().lineSpacing())));
    m_settingScrollBar = false;
    if (m_lastTop < m_top)
        setTop(m_lastTop);
}

void PageView::setTop(LinePos top)
{
    m_top = std::min(top, m_lastTop);
    m_settingScrollBar = true;
    verticalScrollBar()->setValue(m_top.paragraph);
    m_settingScrollBar = false;
    viewport()->update();
}

void PageView::scrollContentsBy(int, int)
{
    if (m_settingScrollBar)
        return;
    const int value = verticalScrollBar()->value();
    m_top = value >= m_lastTop.paragraph ? m_lastTop : LinePos { value, 0 };
    viewport()->update();
}

void PageView::scrollLines(int lines)
{
    LinePos top = m_top;
    for (; lines > 0 && top < m_lastTop && nextLine(top); --lines) { }
    for (; lines < 0 && previousLine(top); ++lines) { }
    setTop(top);
}

void PageView::ensureCaretVisible()
{
    const LinePos caret = lineOf(m_position);
    if (caret < m_top) {
        setTop(caret);
        return;
    }
    qreal y = 0;
    for (LinePos line = m_top;;) {
        y += lineHeight(line);
        if (y > availableHeight())
            break;
        if (line == caret)
            return;
        if (!nextLine(line))
            break;
    }
    // Below the screen: the caret's line becomes the last one on it.
    LinePos top = caret;
    qreal used = lineHeight(caret);
    for (LinePos previous = top; previousLine(previous);) {
        used += lineHeight(previous);
        if (used > availableHeight())
            break;
        top = previous;
    }
    setTop(top);
}

// ---- caret movement ---------------------------------------------------------------------------

void PageView::moveCaret(int position, bool select)
{
    m_position = std::clamp(position, 0, m_page.size());
    if (!select)
        m_anchor = m_position;
    ensureCaretVisible();
    restartBlink();
    viewport()->update();
}

int PageView::verticalMove(int position, int lines)
{
    LinePos line = lineOf(position);
    const int start = m_page.paragraphStart(line.paragraph);
    if (m_goalX < 0)
        m_goalX = layout(line.paragraph).lineAt(line.line).cursorToX(position - start);
    for (; lines > 0; --lines)
        if (!nextLine(line))
            return m_page.size();
    for (; lines < 0; ++lines)
        if (!previousLine(line))
            return 0;
    return m_page.paragraphStart(line.paragraph)
        + layout(line.paragraph).lineAt(line.line).xToCursor(m_goalX);
}

int PageView::lineEdge(int position, bool end) const
{
    const LinePos at = lineOf(position);
    const int start = m_page.paragraphStart(at.paragraph);
    const QTextLine line = layout(at.paragraph).lineAt(at.line);
    if (!end)
        return start + line.textStart();
    int edge = line.textStart() + line.textLength();
    // A wrapped line ends before the space it was wrapped at.
    if (at.line + 1 < lineCount(at.paragraph) && edge > line.textStart()
        && m_page.text().at(start + edge - 1).isSpace())
        --edge;
    return start + edge;
}

int PageView::stepEdge(int position, bool forward, QTextLayout::CursorMode mode) const
{
    const int paragraph = m_page.paragraphOf(position);
    const int start = m_page.paragraphStart(paragraph);
    const int offset = position - start;
    if (forward)
        return offset >= m_page.paragraphLength(paragraph)
            ? std::min(position + 1, m_page.size())
            : start + layout(paragraph).nextCursorPosition(offset, mode);
    return offset == 0 ? std::max(position - 1, 0)
                       : start + layout(paragraph).previousCursorPosition(offset, mode);
}

// ---- editing ----------------------------------------------------------------------------------

void PageView::replaceSelection(const QString& text, bool mergeTyping)
{
    const int from = selectionStart();
    const int to = selectionEnd();
    if (from == to && text.isEmpty())
        return;
    Edit edit { from, m_page.text().mid(from, to - from), text, m_page.marksIn(from, to) };
    const bool joins = mergeTyping && m_typing && !m_undo.empty() && edit.removed.isEmpty()
        && m_undo.back().position + m_undo.back().inserted.size() == from && text != u"\n";
    if (joins) {
        m_undo.back().inserted += text;
    } else {
        m_undo.push_back(std::move(edit));
        if (m_undo.size() > kMaxUndo)
            m_undo.erase(m_undo.begin());
    }
    m_redo.clear();
    m_typing = mergeTyping;
    m_page.replace(from, to - from, text);
    ++m_revision;
    forgetLayouts();
    updateScrollBar();
    m_goalX = -1;
    moveCaret(from + int(text.size()), false);
}

void PageView::applyEdit(const Edit& edit, bool undo)
{
    const QString& gone = undo ? edit.inserted : edit.removed;
    const QString& back = undo ? edit.removed : edit.inserted;
    m_page.replace(edit.position, int(gone.size()), back);
    if (undo)
        m_page.applyMarks(edit.removedMarks);
    ++m_revision;
    m_typing = false;
    forgetLayouts();
    updateScrollBar();
    m_anchor = edit.position;
    moveCaret(edit.position + int(back.size()), undo);
}

void PageView::undo()
{
    if (m_undo.empty())
        return;
    Edit edit = std::move(m_undo.back());
    m_undo.pop_back();
    applyEdit(edit, true);
    m_redo.push_back(std::move(edit));
}

void PageView::redo()
{
    if (m_redo.empty())
        return;
    Edit edit = std::move(m_redo.back());
    m_redo.pop_back();
    applyEdit(edit, false);
    m_undo.push_back(std::move(edit));
}

void PageView::cut()
{
    copy();
    replaceSelection(QString());
}

void PageView::paste()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (!text.isEmpty())
        replaceSelection(fromCrLf(text));
}

// ---- events -----------------------------------------------------------------------------------

void PageView::paintEvent(QPaintEvent* event)
{
    if (m_layouts.size() > kMaxLayouts)
        forgetLayouts();
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    const QRect area = event->rect();
    const int from = selectionStart();
    const int to = selectionEnd();
    qreal y = kMargin - lineTop(m_top);
    for (int paragraph = m_top.paragraph; paragraph < m_page.paragraphCount() && y < viewport()->height();
         ++paragraph) {
        const QTextLayout& text = layout(paragraph);
        const int start = m_page.paragraphStart(paragraph);
        const int end = start + m_page.paragraphLength(paragraph);
        const qreal height = heightOf(text);
        if (y + height >= area.top()) {
            QList<QTextLayout::FormatRange> selection;
            if (from < to && from <= end && to > start) {
                QTextLayout::FormatRange range;
                range.start = std::max(from, start) - start;
                range.length = std::min(to, end) - start - range.start;
                range.format.setBackground(palette().brush(QPalette::Highlight));
                range.format.setForeground(palette().brush(QPalette::HighlightedText));
                selection << range;
            }
            text.draw(&painter, QPointF(kMargin, y), selection, area);
            if (m_caretShown && hasFocus() && m_position >= start && m_position <= end)
                text.drawCursor(&painter, QPointF(kMargin, y), m_position - start, 1);
        }
        y += height;
    }
}

void PageView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    forgetLayouts();
    updateScrollBar();
}

void PageView::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        forgetLayouts();
        updateScrollBar();
        viewport()->update();
    }
}

void PageView::keyPressEvent(QKeyEvent* event)
{
    struct Move
    {
        QKeySequence::StandardKey move;
        QKeySequence::StandardKey select;
        int (*where)(PageView&, int);
    };
    static const Move kMoves[] = {
        { QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar,
            [](PageView& v, int p) { return v.stepEdge(p, true, QTextLayout::SkipCharacters); } },
        { QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar,
            [](PageView& v, int p) { return v.stepEdge(p, false, QTextLayout::SkipCharacters); } },
        { QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord,
            [](PageView& v, int p) { return v.stepEdge(p, true, QTextLayout::SkipWords); } },
        { QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord,
            [](PageView& v, int p) { return v.stepEdge(p, false, QTextLayout::SkipWords); } },
        { QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine,
            [](PageView& v, int p) { return v.verticalMove(p, 1); } },
        { QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine,
            [](PageView& v, int p) { return v.verticalMove(p, -1); } },
        { QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage,
            [](PageView& v, int p) {
                const int lines = std::max(1, int(v.availableHeight() / v.fontMetrics().lineSpacing()) - 1);
                v.scrollLines(lines);
                return v.verticalMove(p, lines);
            } },
        { QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage,
            [](PageView& v, int p) {
                const int lines = std::max(1, int(v.availableHeight() / v.fontMetrics().lineSpacing()) - 1);
                v.scrollLines(-lines);
                return v.verticalMove(p, -lines);
            } },
        { QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine,
            [](PageView& v, int p) { return v.lineEdge(p, false); } },
        { QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine,
            [](PageView& v, int p) { return v.lineEdge(p, true); } },
        { QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument,
            [](PageView&, int) { return 0; } },
        { QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument,
            [](PageView& v, int) { return v.m_page.size(); } },
    };
    for (const Move& move : kMoves) {
        const bool select = event->matches(move.select);
        if (!select && !event->matches(move.move))
            continue;
        const bool vertical = move.move == QKeySequence::MoveToNextLine
            || move.move == QKeySequence::MoveToPreviousLine || move.move == QKeySequence::MoveToNextPage
            || move.move == QKeySequence::MoveToPreviousPage;
        if (!vertical)
            m_goalX = -1;
        const int target = move.where(*this, m_position);
        m_typing = false;
        moveCaret(target, select);
        return;
    }

    if (event->matches(QKeySequence::SelectAll))
        selectAll();
    else if (event->matches(QKeySequence::Copy))
        copy();
    else if (event->matches(QKeySequence::Cut))
        cut();
    else if (event->matches(QKeySequence::Paste))
        paste();
    else if (event->matches(QKeySequence::Undo))
        undo();
    else if (event->matches(QKeySequence::Redo))
        redo();
    else if (event->matches(QKeySequence::InsertParagraphSeparator)
        || event->matches(QKeySequence::InsertLineSeparator))
        replaceSelection(QStringLiteral("\n"));
    else if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
        if (m_anchor == m_position) {
            const bool back = event->key() == Qt::Key_Backspace;
            const bool word = event->modifiers().testFlag(Qt::ControlModifier);
            m_anchor
                = stepEdge(m_position, !back, word ? QTextLayout::SkipWords : QTextLayout::SkipCharacters);
        }
        replaceSelection(QString());
    } else if (!event->text().isEmpty() && event->text().front().isPrint()
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        replaceSelection(event->text(), true);
    else {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool PageView::event(QEvent* event)
{
    // Editing keys belong to the text, not to a shortcut of the window.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        for (const auto standard : { QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
                 QKeySequence::Undo, QKeySequence::Redo, QKeySequence::SelectAll })
            if (key->matches(standard)) {
                event->accept();
                return true;
            }
    }
    return QAbstractScrollArea::event(event);
}

void PageView::inputMethodEvent(QInputMethodEvent* event)
{
    if (!event->commitString().isEmpty())
        replaceSelection(event->commitString(), true);
    event->accept();
}

QVariant PageView::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query == Qt::ImEnabled)
        return true;
    if (query == Qt::ImCursorPosition)
        return m_position;
    return QAbstractScrollArea::inputMethodQuery(query);
}

void PageView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_goalX = -1;
    m_typing = false;
    moveCaret(positionAt(event->position().toPoint()), event->modifiers().testFlag(Qt::ShiftModifier));
}

void PageView::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint point = event->position().toPoint();
    if (point.y() < 0)
        scrollLines(-1);
    else if (point.y() > viewport()->height())
        scrollLines(1);
    m_position = positionAt(point);
    viewport()->update();
}

void PageView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QString& text = m_page.text();
    const int at = positionAt(event->position().toPoint());
    int from = at;
    int to = at;
    while (from > 0 && isWordCharacter(text[from - 1]))
        --from;
    while (to < text.size() && isWordCharacter(text[to]))
        ++to;
    if (from == to && to < text.size() && text[to] != u'\n')
        ++to;
    setSelection(from, to);
}

QMenu* PageView::createContextMenu()
{
    auto* menu = new QMenu(this);
    const bool selected = m_anchor != m_position;
    menu->addAction(tr("&Urungkan"), this, &PageView::undo)->setEnabled(!m_undo.empty());
    menu->addAction(tr("U&langi"), this, &PageView::redo)->setEnabled(!m_redo.empty());
    menu->addSeparator();
    menu->addAction(tr("&Potong"), this, &PageView::cut)->setEnabled(selected);
    menu->addAction(tr("&Salin"), this, &PageView::copy)->setEnabled(selected);
    const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
    menu->addAction(tr("&Tempel"), this, &PageView::paste)->setEnabled(clipboard && clipboard->hasText());
    menu->addAction(tr("Hapus"), this, [this] { replaceSelection(QString()); })->setEnabled(selected);
    menu->addSeparator();
    menu->addAction(tr("Pilih Semua"), this, &PageView::selectAll)->setEnabled(m_page.size() > 0);
    return menu;
}

void PageView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void PageView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    restartBlink();
}

void PageView::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    m_blink.stop();
    m_caretShown = false;
    viewport()->update();
}

void PageView::restartBlink()
{
    m_caretShown = true;
    const int interval = QApplication::cursorFlashTime() / 2;
    if (hasFocus() && interval > 0)
        m_blink.start(interval, this);
    else
        m_blink.stop();
}

void PageView::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_blink.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    m_caretShown = !m_caretShown;
    viewport()->update();
}

} // namespace tirta::results
