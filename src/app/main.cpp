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
#include <QElapsedTimer>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

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
    tirta::returnLargeBlocksToSystem();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1StringView(tirta::kProductName));
    QApplication::setApplicationVersion(tirta::versionNumbers());
    tirta::ui::installIndonesianTranslator(app);

    Form1 reader({ QCoreApplication::applicationDirPath(), tirta::SettingsStore::defaultFolder() });
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
    if (QCoreApplication::arguments().contains(u"--measure-startup"_s))
        reader.findChild<QTextEdit*>(u"rtf1"_s)->viewport()->installEventFilter(&probe);
    reader.show();
    return QApplication::exec();
}
