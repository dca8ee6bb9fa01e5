#pragma once

#include "foundation/datasession.h"
#include "foundation/settings.h"
#include "support/fixture.h"
#include "uikit/reader.h"
#include "uikit/readerevents.h"

#include <QAction>
#include <QFont>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <array>
#include <memory>
#include <utility>

namespace tirta::test {

/// A data file with only the information pages a test gives: id and text.
inline std::unique_ptr<DataSession> openInfoPages(
    const QString& path, const std::vector<std::pair<int, QString>>& pages)
{
    FixtureBuilder builder;
    for (const auto& [id, text] : pages)
        builder.row(QStringLiteral("UsysInfo"),
            { { QStringLiteral("id"), id }, { QStringLiteral("Keterangan"), text } });
    QString error;
    auto session = builder.open(path, &error);
    if (!session)
        qWarning("%s", qPrintable(error));
    return session;
}

/// A main window that only records what is asked of it.
class FakeReader final : public tirta::ui::Reader
{
public:
    FakeReader(DataSession& session, const QString& settingsFolder)
        : m_session(session)
        , m_settings(settingsFolder, QStringLiteral("Tirtamaya-test"))
    {
        // As the main window builds it: the first cross-reference item, waiting for its library.
        QAction* first = refMenu.addAction(QStringLiteral("<tidak ada referensi>"));
        first->setObjectName(QStringLiteral("MenuRefs_0"));
        first->setEnabled(false);
        showTip.setCheckable(true);
    }

    void JumpLocation(QString& reference) override { jumps << reference; }
    void CopyToClipBook(
        const QTextEdit*, const QString& extra, const std::optional<QString>& reference) override
    {
        clipped << reference.value_or(QString()) + extra;
    }
    DataSession& session() override { return m_session; }
    SettingsStore& settings() override { return m_settings; }
    QWidget* mainWindow() override { return &window; }
    QString dataFolderShown() const override { return folderShown; }
    QString programFolder() const override { return programFolderPath; }
    void showQuotation(const QString& reference) override { quotations << reference; }
    void quitAtOnce() override { ++quits; }
    void CariDeutro(const QString&, int, const QString&, bool) override { ++deuteroSearches; }
    tirta::ui::ReaderEvents& events() override { return m_events; }
    QAction* featureAction(tirta::ui::Feature feature) override
    {
        QAction*& item = m_features[static_cast<int>(feature)];
        if (!item)
            item = new QAction(&window);
        return item;
    }
    QAction* showTipItem() override { return &showTip; }
    QString currentBook() const override { return book; }
    int currentChapter() const override { return chapter; }
    QString currentReference() const override { return reference; }
    QString currentColumn() const override { return column; }
    QString translationName(int n) const override { return translationNames.value(n - 1); }
    bool hasOldTestament() const override { return oldTestament; }
    QFont readingFont() const override { return font; }
    QString paneMode() const override { return mode; }
    void Set_IsInfo_to_kitab() override { mode = QStringLiteral("kitab"); }
    QMenu* crossReferenceMenu() override { return &refMenu; }
    void RecordWindowSize() override { ++sizeRecords; }
    void arrangeSideBySide(QWidget* sideWindow) override
    {
        if (sideWindow)
            sideWindow->show();
        ++arrangements;
    }
    void restoreRecordedSize() override { ++sizeRestores; }
    void setPaneMode(const QString& newMode) override
    {
        mode = newMode;
        Q_EMIT m_events.paneModeChanged(newMode);
    }
    void showStudyText(const QString& header, const QString& text) override
    {
        studyHeader = header;
        pane.setPlainText(text);
    }
    void hostAboveReadingPane(QWidget* strip) override { strip->setParent(&window); }
    void runBookSelection() override { Q_EMIT m_events.bookChanged(book); }
    void selectChapter(int index) override { chapter = index + 1; }
    QString readingPaneText() const override { return pane.toPlainText(); }
    void placeCaret(qsizetype position) override { caret = position; }
    void setChapterListInactive(bool inactive) override { chapterListInactive = inactive; }
    bool separateIntro() const override { return separateWindow; }

    /// Whether anything at all was asked of the main window.
    bool untouched() const
    {
        return jumps.isEmpty() && clipped.isEmpty() && quotations.isEmpty() && quits == 0
            && deuteroSearches == 0;
    }

    QWidget window;
    QString folderShown;
    QString programFolderPath;
    QAction showTip { &window };
    QString book = QStringLiteral("Kejadian");
    int chapter = 1;
    bool oldTestament = true;
    QFont font;
    QString mode = QStringLiteral("kitab");
    QString reference = QStringLiteral("Kejadian#1:1");
    QString column = QStringLiteral("Kitab1");
    QStringList translationNames { QStringLiteral("Terjemahan Baru") };
    QMenu refMenu { QStringLiteral("Referensi Silang"), &window };
    int sizeRecords = 0;
    int sizeRestores = 0;
    int arrangements = 0;
    QPlainTextEdit pane;
    QString studyHeader;
    qsizetype caret = -1;
    bool chapterListInactive = false;
    bool separateWindow = true;
    QStringList jumps;
    QStringList clipped;
    QStringList quotations;
    int quits = 0;
    int deuteroSearches = 0;

private:
    DataSession& m_session;
    SettingsStore m_settings;
    tirta::ui::ReaderEvents m_events;
    std::array<QAction*, static_cast<int>(tirta::ui::Feature::HakCipta) + 1> m_features {};
};

} // namespace tirta::test
