#pragma once

#include <QTranslator>

class QCoreApplication;

namespace tirta::ui {

/// Gives Qt's own dialogs and menus (button boxes, file, font, colour and print dialogs, the
/// context menu of text fields) Indonesian words. Qt ships no Indonesian catalogue, so the program
/// ships its own: translations/qt_id.ts, compiled into the program. A text is looked up in Qt's
/// context first and then among the texts that answer in any context.
class IndonesianTranslator final : public QTranslator
{
    Q_OBJECT
public:
    explicit IndonesianTranslator(QObject* parent = nullptr);

    /// The Indonesian text for Qt's `sourceText`, or a null string when there is none (Qt then
    /// keeps its own text).
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
        int n = -1) const override;
};

/// Creates the translator as a child of `app` and installs it, and makes Indonesian the locale of
/// numbers, dates, file sizes and file types; returns the translator.
IndonesianTranslator* installIndonesianTranslator(QCoreApplication& app);

} // namespace tirta::ui
