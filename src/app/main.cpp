#include "foundation/settings.h"
#include "foundation/version.h"
#include "reader/form1.h"
#include "uikit/translator.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1StringView(tirta::kProductName));
    QApplication::setApplicationVersion(tirta::versionNumbers());
    tirta::ui::installIndonesianTranslator(app);

    Form1 reader({ QCoreApplication::applicationDirPath(), tirta::SettingsStore::defaultFolder() });
    if (!reader.Form_Load())
        return 1;
    reader.show();
    return QApplication::exec();
}
