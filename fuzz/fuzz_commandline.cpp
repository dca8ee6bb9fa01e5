// The program's command line: arguments cut at NUL bytes, read before and after Qt took its own
// options. A call is always understood as exactly one thing, and a wrong one says why.
#include "app/commandline.h"
#include "fuzzinput.h"

using tirta::app::CommandLine;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> pieces = tirta::fuzz::bytes(data, size).split('\0');
    QStringList arguments;
    for (const QByteArray& piece : pieces)
        arguments << QString::fromLocal8Bit(piece);
    for (const bool toolkitOptionsLeft : { true, false }) {
        const CommandLine call = tirta::app::readCommandLine(arguments, toolkitOptionsLeft);
        if ((call.action == CommandLine::Action::Wrong) == call.problem.isEmpty())
            __builtin_trap();
    }
    return 0;
}
