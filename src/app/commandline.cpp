#include "commandline.h"

#include "foundation/version.h"

#include <algorithm>
#include <array>

namespace tirta::app {

using namespace Qt::StringLiterals;

namespace {

CommandLine only(CommandLine::Action action, const QString& problem = {})
{
    CommandLine line;
    line.action = action;
    line.problem = problem;
    return line;
}

CommandLine wrong(const QString& problem)
{
    return only(CommandLine::Action::Wrong, problem);
}

/// Qt's own documented command-line options, without their dash: those followed by a value and
/// those without one. A value may also be joined with "=".
constexpr std::array<QStringView, 12> kToolkitOptionsWithValue { u"platform", u"platformpluginpath",
    u"platformtheme", u"plugin", u"qwindowgeometry", u"qwindowicon", u"qwindowtitle", u"session", u"display",
    u"geometry", u"style", u"stylesheet" };
constexpr std::array<QStringView, 4> kToolkitFlags { u"reverse", u"widgetcount", u"nograb",
    u"qmljsdebugger" };

/// How many arguments Qt's option `argument` takes up (itself and its value); 0 when it is none of Qt's.
int toolkitArguments(const QString& argument)
{
    if (!argument.startsWith(u'-') || argument.startsWith(u"--"_s))
        return 0;
    const qsizetype equals = argument.indexOf(u'=');
    const QStringView name = QStringView(argument).mid(1, equals < 0 ? -1 : equals - 1);
    if (std::find(kToolkitFlags.begin(), kToolkitFlags.end(), name) != kToolkitFlags.end())
        return 1;
    if (std::find(kToolkitOptionsWithValue.begin(), kToolkitOptionsWithValue.end(), name)
        != kToolkitOptionsWithValue.end())
        return equals < 0 ? 2 : 1;
    return 0;
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments, bool toolkitOptionsLeft)
{
    CommandLine line;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--help"_s || argument == u"-h"_s)
            return only(CommandLine::Action::Help);
        if (argument == u"--version"_s)
            return only(CommandLine::Action::Version);
        if (argument == u"--measure-startup"_s) {
            line.measureStartup = true;
        } else if (argument == u"--data"_s || argument.startsWith(u"--data="_s)) {
            const bool joined = argument.contains(u'=');
            if (!joined && i + 1 == arguments.size())
                return wrong(u"Pilihan --data memerlukan nama file data."_s);
            line.dataFile = joined ? argument.mid(argument.indexOf(u'=') + 1) : arguments[++i];
            if (line.dataFile.isEmpty())
                return wrong(u"Pilihan --data memerlukan nama file data."_s);
        } else if (const int taken = toolkitOptionsLeft ? toolkitArguments(argument) : 0; taken > 0) {
            i += taken - 1;
        } else if (argument.startsWith(u'-')) {
            return wrong(u"Pilihan tidak dikenal: "_s + argument);
        } else {
            return wrong(u"Argumen tidak dikenal: "_s + argument);
        }
    }
    return line;
}

QString helpText()
{
    return uR"(Pemakaian: tirtamaya [pilihan]

Tirtamaya: program untuk membaca dan mempelajari Alkitab.

Tanpa pilihan, program membuka file data Purnaka2000.dat di lokasi yang tersimpan. Pada
pemakaian pertama file itu dicari di folder program, lalu di folder data program yang
terpasang (share/tirtamaya); bila tidak ditemukan, program menanyakan foldernya.

Pilihan:
      --data FILE         buka FILE sebagai file data untuk kali ini saja; lokasi data
                          yang tersimpan tidak berubah
      --measure-startup   cetak waktu sampai pasal pertama tergambar, lalu keluar
  -h, --help              tampilkan bantuan ini, lalu keluar
      --version           tampilkan versi program, lalu keluar

Pilihan Qt yang umum (misalnya -style NAMA) juga diterima.

Kode keluar: 0 berhasil, 1 file data tidak dapat dibuka, 2 salah pakai.
)"_s;
}

QString versionLine()
{
    return QString(kProductName) + u' ' + versionNumbers();
}

} // namespace tirta::app
