#include "textfiles.h"

#include "foundation/safefile.h"
#include "foundation/textdecoding.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace tirta::results {

TextFormat formatForFileName(const QString& fileName)
{
    return fileName.endsWith(u".rtf"_s, Qt::CaseInsensitive) ? TextFormat::Rich : TextFormat::Plain;
}

QByteArray encodePage(const PageText& page, TextFormat format, const rtf::WriteOptions& options)
{
    if (format == TextFormat::Rich)
        return rtf::write(page.runs(), options);
    return toCrLf(page.text()).toUtf8();
}

LoadedText readTextFile(const QString& path)
{
    LoadedText loaded;
    loaded.format = formatForFileName(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        loaded.error = LoadError::Unreadable;
        return loaded;
    }
    if (file.size() > kMaxTextFileSize) {
        loaded.error = LoadError::TooLarge;
        return loaded;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        loaded.error = LoadError::Unreadable;
        return loaded;
    }

    if (loaded.format == TextFormat::Rich) {
        const rtf::ReadResult result = rtf::read(bytes);
        if (result.error == rtf::ReadError::NotRtf)
            loaded.error = LoadError::NotRtf;
        else if (result.error != rtf::ReadError::None)
            loaded.error = LoadError::DamagedRtf;
        else
            loaded.runs = result.runs;
        return loaded;
    }

    const bool wide
        = QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8) != QStringConverter::Utf8;
    if (!wide && bytes.contains('\0')) {
        loaded.error = LoadError::NotText;
        return loaded;
    }
    loaded.runs.push_back(rtf::Run { withNewlines(tirta::decodeText(bytes)), false, std::nullopt });
    return loaded;
}

} // namespace tirta::results
