#include "app/commandline.h"

#include "bookmarks/bookmarkfeature.h"
#include "collections/collectionfeatures.h"
#include "deutero/install.h"
#include "foundation/memory.h"
#include "foundation/settings.h"
#include "foundation/version.h"
#include "info/install.h"
#include "reader/form1.h"
#include "study/crossrefmenu.h"
#include "study/docked.h"
#include "study/form18.h"
#include "study/form9.h"
#include "uikit/translator.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QIcon>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;
using tirta::app::CommandLine;

namespace {

/// Answers a command line that asks for no window (help, version, a wrong call): the exit code,
/// or -1 when the program is to run.
int answer(const CommandLine& line)
{
    switch (line.action) {
    case CommandLine::Action::Help:
        std::fputs(tirta::app::helpText().toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Action::Version:
        std::printf("%s\n", tirta::app::versionLine().toLocal8Bit().constData());
        return 0;
    case CommandLine::Action::Wrong:
        std::fprintf(
            stderr, "tirtamaya: %s\nLihat: tirtamaya --help\n", line.problem.toLocal8Bit().constData());
        return 2;
    case CommandLine::Action::Run:
        break;
    }
    return -1;
}

/// The program's icon: the icon theme's when the program is installed, else the one built in.
QIcon programIcon()
{
    QIcon builtIn;
    for (const int size : { 16, 32, 48, 64, 256 })
        builtIn.addFile(u":/ikon/tirtamaya-"_s + QString::number(size) + u".png"_s);
    return QIcon::fromTheme(u"tirtamaya"_s, builtIn);
}

/// The folder the files installed with the program are in, seen from the program's folder.
QString installedFolder(const QString& programFolder)
{
    return QDir::cleanPath(programFolder + u'/' + QStringLiteral(TIRTA_FILES_FROM_PROGRAM));
}

/// With --measure-startup the program reports how long it took from start to the first painted
/// chapter, and ends.
class FirstPaintProbe final : public QObject
{
public:
    explicit FirstPaintProbe(const QElapsedTimer& clock)
        : m_clock(clock)
    { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, qApp, [this] {
                std::printf("first chapter painted after %.1f ms\n", m_clock.nsecsElapsed() / 1e6);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& m_clock;
    bool m_done = false;
};

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer clock;
    clock.start();
    // Help and version are answered before Qt looks for a display, so they work without one.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const int code = answer(tirta::app::readCommandLine(arguments, true)); code >= 0)
        return code;

    tirta::returnLargeBlocksToSystem();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1StringView(tirta::kProductName));
    QApplication::setApplicationVersion(tirta::versionNumbers());
    QGuiApplication::setDesktopFileName(u"id.tirtamaya.Tirtamaya"_s);
    QApplication::setWindowIcon(programIcon());
    tirta::ui::installIndonesianTranslator(app);
    // Qt has taken its own options now: whatever is left must be the program's.
    const CommandLine line = tirta::app::readCommandLine(QCoreApplication::arguments().mid(1), false);
    if (const int code = answer(line); code >= 0)
        return code;

    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString dataFile
        = line.dataFile.isEmpty() ? QString() : QFileInfo(line.dataFile).absoluteFilePath();
    Form1 reader(
        { programFolder, tirta::SettingsStore::defaultFolder(), installedFolder(programFolder), dataFile });
    if (!reader.Form_Load())
        return 1;
    tirta::study::installPericopes(reader);
    tirta::study::installBookNotes(reader);
    tirta::study::installCrossReferences(reader);
    tirta::bookmarks::installBookmarks(reader);
    tirta::study::installDictionary(reader);
    tirta::study::installThemes(reader);
    tirta::collections::installParables(reader);
    tirta::collections::installProphecies(reader);
    tirta::collections::installPictures(reader);
    tirta::deutero::installDeuterocanon(reader);
    tirta::info::installInfo(reader);
    FirstPaintProbe probe(clock);
    if (line.measureStartup)
        reader.findChild<QTextEdit*>(u"rtf1"_s)->viewport()->installEventFilter(&probe);
    reader.show();
    return QApplication::exec();
}
