#pragma once

#include <QByteArray>
#include <QHash>
#include <QTranslator>

class QCoreApplication;

namespace tirta::ui {

/// Gives Qt's own dialogs and menus (button boxes, file, font, colour and print dialogs, the
/// context menu of text fields) Indonesian words. Qt ships no Indonesian catalogue, so the words
/// live here, looked up by Qt's source text; a few texts that differ by context are looked up by
/// context first.
class IndonesianTranslator final : public QTranslator
{
    Q_OBJECT
public:
    explicit IndonesianTranslator(QObject* parent = nullptr);

    /// The Indonesian text for Qt's `sourceText`, or a null string when there is none (Qt then
    /// keeps its own text).
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
        int n = -1) const override;
    /// Never empty, so Qt always asks it.
    bool isEmpty() const override;

private:
    QHash<QByteArray, QString> m_byContext;
    QHash<QByteArray, QString> m_bySource;
};

/// Creates the translator as a child of `app` and installs it; returns it.
IndonesianTranslator* installIndonesianTranslator(QCoreApplication& app);

} // namespace tirta::ui
