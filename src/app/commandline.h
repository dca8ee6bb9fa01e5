#pragma once

#include <QString>
#include <QStringList>

namespace tirta::app {

/// What the program is asked to do by its command line.
struct CommandLine
{
    enum class Action
    {
        Run,
        Help,
        Version,
        Wrong
    };
    Action action = Action::Run;
    QString dataFile; ///< --data FILE: the data file of this run, as given
    bool measureStartup = false; ///< --measure-startup
    QString problem; ///< why the call is wrong (Action::Wrong), in Indonesian
};

/// Reads the program's arguments (without the program's name), stopping at the first that asks
/// for help or the version or that is wrong. While `toolkitOptionsLeft`, that is before Qt took
/// its own options, Qt's documented options ("-style NAME") are passed over; after that every
/// argument must be one of the program's.
CommandLine readCommandLine(const QStringList& arguments, bool toolkitOptionsLeft);

/// What --help prints.
QString helpText();
/// What --version prints: the product name and its version.
QString versionLine();

} // namespace tirta::app
