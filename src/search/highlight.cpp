#include "highlight.h"

#include "uikit/messagebox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

using namespace Qt::StringLiterals;

namespace tirta::search {

namespace {

/// How long the marking runs before it lets the event loop in, in milliseconds.
constexpr qint64 kYieldInterval = 15;

/// A rich-text view as a target: marks are character formats, set in batches, because every
/// change outside an edit block would lay out the text again.
class TextEditTarget final : public HighlightTarget
{
public:
    explicit TextEditTarget(QTextEdit* view)
        : m_view(view)
        , m_document(view->document())
        , m_cursor(view->document())
    {
        m_watch = QObject::connect(m_document, &QTextDocument::contentsChange, view, [this](int, int, int) {
            if (!m_ownChange)
                ++m_revision;
        });
    }
    ~TextEditTarget() override
    {
        QObject::disconnect(m_watch);
        if (m_document && m_open)
            endBatch();
    }

    QString highlightText() const override { return m_document->toRawText(); }
    void markWord(int position, int length, const QColor& colour) override
    {
        // The batch stays closed while the event loop runs, so that others' changes are seen.
        if (!m_open) {
            m_cursor.beginEditBlock();
            m_open = true;
        }
        m_cursor.setPosition(position);
        m_cursor.setPosition(position + length, QTextCursor::KeepAnchor);
        QTextCharFormat mark;
        mark.setFontWeight(QFont::Bold);
        mark.setForeground(colour);
        m_ownChange = true;
        m_cursor.mergeCharFormat(mark);
        m_ownChange = false;
    }
    void showMarks() override
    {
        if (m_document && m_open)
            endBatch();
    }
    void selectWord(int position, int length) override
    {
        QTextCursor selection(m_document);
        selection.setPosition(position);
        selection.setPosition(position + length, QTextCursor::KeepAnchor);
        m_view->setTextCursor(selection);
    }
    quint64 textRevision() const override
    {
        // Another document in the view counts as a change as well.
        return !m_document || m_view->document() != m_document ? ~quint64(0) : m_revision;
    }
    QWidget* highlightWidget() override { return m_view; }

private:
    void endBatch()
    {
        m_ownChange = true;
        m_cursor.endEditBlock();
        m_ownChange = false;
        m_open = false;
    }

    QPointer<QTextEdit> m_view;
    QPointer<QTextDocument> m_document;
    QTextCursor m_cursor;
    QMetaObject::Connection m_watch;
    quint64 m_revision = 0;
    bool m_ownChange = false;
    bool m_open = false;
};

} // namespace

HighlightResult HighlightWord(HighlightTarget& target, QString word, bool matchCase,
    const std::function<bool()>& stopRequested, const QColor& colour)
{
    word.replace(u"''"_s, u"'"_s);
    const QPointer<QWidget> widget = target.highlightWidget();
    if (!widget || word.isEmpty())
        return HighlightResult::NotFound;

    // The positions below belong to this text; any change made by someone else ends the marking.
    const QString text = target.highlightText();
    const quint64 revision = target.textRevision();
    const QString exact = word.trimmed();
    QElapsedTimer sinceYield;
    sinceYield.start();
    bool found = false;
    qsizetype last = -1;
    HighlightResult result = HighlightResult::Marked;
    qsizetype start = 0;
    while (true) {
        if (sinceYield.elapsed() >= kYieldInterval) {
            target.showMarks();
            QCoreApplication::processEvents();
            sinceYield.restart();
            // The target may be gone with its widget: touch it only while the widget lives.
            if (!widget || target.textRevision() != revision) {
                result = HighlightResult::Abandoned;
                break;
            }
        }
        // Case-insensitive search on the text itself: lower-casing a copy could move positions.
        const qsizetype at = text.indexOf(word, start, Qt::CaseInsensitive);
        if (at < 0)
            break;
        if (stopRequested && stopRequested()) {
            if (!found)
                result = HighlightResult::Stopped;
            break;
        }
        found = true;
        last = at;
        const bool exactSpelling = matchCase && QStringView(text).mid(at, word.size()).trimmed() == exact;
        target.markWord(int(at), int(word.size()), exactSpelling ? colour : QColor(Qt::black));
        start = at + word.size() + 1;
    }
    if (result == HighlightResult::Abandoned)
        return result;
    target.showMarks();
    if (found)
        target.selectWord(int(last), int(word.size()));
    if (!found && result == HighlightResult::Marked) {
        tirta::ui::MessageBox::show(widget->window(),
            QCoreApplication::translate("HighlightWord", "Kata tidak ditemukan."), QMessageBox::Ok,
            QMessageBox::NoIcon);
        return HighlightResult::NotFound;
    }
    return result;
}

HighlightResult HighlightWord(QTextEdit* view, QString word, bool matchCase,
    const std::function<bool()>& stopRequested, const QColor& colour)
{
    if (!view)
        return HighlightResult::NotFound;
    TextEditTarget target(view);
    return HighlightWord(target, std::move(word), matchCase, stopRequested, colour);
}

} // namespace tirta::search
