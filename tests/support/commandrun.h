#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace tirta::test {

/// How a command ended and what it printed; exit code -1 when it did not end normally in time.
struct CommandRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

/// Runs `program` with `arguments` in `environment` and waits up to a minute for it to end.
inline CommandRun runCommand(const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return { process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
        QString::fromLocal8Bit(process.readAllStandardError()) };
}

} // namespace tirta::test
