// The settings file: read as the program reads it at start-up, with the display choices restored
// from it (the font size always one that can be drawn). Writing is left out: it syncs to disk.
#include "fuzzinput.h"

#include "foundation/settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace tirta;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(u"fuzz.ini"_s);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    SettingsStore store(folder.path(), u"fuzz"_s);
    const DisplaySettings display = restoreDisplay(store);
    if (display.fontSize < kSmallestFontSize || display.fontSize > kLargestFontSize)
        __builtin_trap();
    (void)store.number(setting::aktif1);
    (void)store.read(setting::location(u"/program"_s));
    return 0;
}
