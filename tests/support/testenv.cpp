#include "testenv.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cstdlib>

namespace tirta::test {

namespace {
QString& root()
{
    static QString folder;
    return folder;
}
} // namespace

void isolateEnvironment()
{
    // A fresh folder under the system one; TMPDIR and the XDG folders move into it.
    QByteArray templ = QDir::tempPath().toLocal8Bit() + "/tirtamaya-test-XXXXXX";
    if (!::mkdtemp(templ.data()))
        std::abort();
    root() = QString::fromLocal8Bit(templ);
    const QByteArray base = templ;
    QDir().mkpath(root() + QStringLiteral("/tmp"));
    QDir().mkpath(root() + QStringLiteral("/config"));
    QDir().mkpath(root() + QStringLiteral("/data"));
    QDir().mkpath(root() + QStringLiteral("/runtime"));
    QFile::setPermissions(
        root() + QStringLiteral("/runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ::setenv("TMPDIR", QByteArray(base + "/tmp").constData(), 1);
    ::setenv("XDG_CONFIG_HOME", QByteArray(base + "/config").constData(), 1);
    ::setenv("XDG_RUNTIME_DIR", QByteArray(base + "/runtime").constData(), 1);
    ::setenv("XDG_DATA_HOME", QByteArray(base + "/data").constData(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QStandardPaths::setTestModeEnabled(false);
    std::atexit([] { QDir(root()).removeRecursively(); });
}

QString isolatedRoot()
{
    return root();
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace tirta::test
