#include "translator.h"

#include <QCoreApplication>
#include <QLocale>

namespace tirta::ui {

namespace {

/// The context of the texts that answer in any context.
constexpr char kAnyContext[] = "*";

} // namespace

IndonesianTranslator::IndonesianTranslator(QObject* parent)
    : QTranslator(parent)
{
    if (!load(QStringLiteral(":/i18n/qt_id.qm")))
        qWarning("The Indonesian texts of the dialogs are missing from the program");
}

QString IndonesianTranslator::translate(
    const char* context, const char* sourceText, const char* disambiguation, int n) const
{
    if (!sourceText || !*sourceText)
        return {};
    const QString own = QTranslator::translate(context, sourceText, disambiguation, n);
    return own.isNull() ? QTranslator::translate(kAnyContext, sourceText, nullptr, n) : own;
}

IndonesianTranslator* installIndonesianTranslator(QCoreApplication& app)
{
    QLocale::setDefault(QLocale(QLocale::Indonesian, QLocale::Indonesia));
    auto* translator = new IndonesianTranslator(&app);
    QCoreApplication::installTranslator(translator);
    return translator;
}

} // namespace tirta::ui
