#pragma once

#include "foundation/datasession.h"
#include "foundation/settings.h"
#include "support/fixture.h"
#include "uikit/reader.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

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
    { }

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
    void showQuotation(const QString& reference) override { quotations << reference; }
    void quitAtOnce() override { ++quits; }

    /// Whether anything at all was asked of the main window.
    bool untouched() const
    {
        return jumps.isEmpty() && clipped.isEmpty() && quotations.isEmpty() && quits == 0;
    }

    QWidget window;
    QString folderShown;
    QStringList jumps;
    QStringList clipped;
    QStringList quotations;
    int quits = 0;

private:
    DataSession& m_session;
    SettingsStore m_settings;
};

} // namespace tirta::test
