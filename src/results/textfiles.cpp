#include "textfiles.h"

#include "foundation/safefile.h"

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace tirta::results {

namespace {

/// Windows-1252 characters for the bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr char16_t kCp1252High[32] = { 0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6,
    0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178 };

QString fromWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = QChar(byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char16_t(byte));
    }
    return text;
}

/// Paragraph and line separators of a document as "\n".
QString withNewlines(QString text)
{
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

rtf::Run runOf(const QString& text, const QTextCharFormat& format)
{
    rtf::Run run;
    run.text = text;
    run.bold = format.fontWeight() >= QFont::Bold;
    const QBrush brush = format.foreground();
    if (brush.style() != Qt::NoBrush) {
        const QColor colour = brush.color();
        run.colour = rtf::Colour { colour.red(), colour.green(), colour.blue() };
    }
    return run;
}

void appendRun(std::vector<rtf::Run>& runs, rtf::Run run)
{
    if (!runs.empty() && runs.back().bold == run.bold && runs.back().colour == run.colour)
        runs.back().text += run.text;
    else
        runs.push_back(std::move(run));
}

} // namespace

TextFormat formatForFileName(const QString& fileName)
{
    return fileName.endsWith(u".rtf"_s, Qt::CaseInsensitive) ? TextFormat::Rich : TextFormat::Plain;
}

QString plainTextOf(const QTextDocument& document)
{
    return withNewlines(document.toRawText());
}

std::vector<rtf::Run> runsOf(const QTextDocument& document)
{
    std::vector<rtf::Run> runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            appendRun(runs, runOf(u"\n"_s, block.charFormat()));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid())
                appendRun(runs, runOf(withNewlines(fragment.text()), fragment.charFormat()));
        }
    }
    return runs;
}

void setRuns(QTextDocument& document, const std::vector<rtf::Run>& runs)
{
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (const rtf::Run& run : runs) {
        QTextCharFormat format;
        if (run.bold)
            format.setFontWeight(QFont::Bold);
        if (run.colour)
            format.setForeground(QColor(run.colour->red, run.colour->green, run.colour->blue));
        cursor.insertText(run.text, format);
    }
    cursor.endEditBlock();
}

QByteArray encodeDocument(const QTextDocument& document, TextFormat format, const rtf::WriteOptions& options)
{
    if (format == TextFormat::Rich)
        return rtf::write(runsOf(document), options);
    return toCrLf(plainTextOf(document)).toUtf8();
}

QString decodeText(const QByteArray& bytes)
{
    if (const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*marked);
        const QString text = decoder(bytes);
        if (!decoder.hasError())
            return text.startsWith(QChar::ByteOrderMark) ? text.mid(1) : text;
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text.startsWith(QChar::ByteOrderMark) ? text.mid(1) : text;
    // Files written by older programs on Windows are in the ANSI code page.
    return fromWindows1252(bytes);
}

LoadedText readTextFile(const QString& path)
{
    LoadedText loaded;
    loaded.format = formatForFileName(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        loaded.error = LoadError::Unreadable;
        loaded.detail = file.errorString();
        return loaded;
    }
    if (file.size() > kMaxTextFileSize) {
        loaded.error = LoadError::TooLarge;
        return loaded;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        loaded.error = LoadError::Unreadable;
        loaded.detail = file.errorString();
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
    loaded.runs.push_back(rtf::Run { fromCrLf(decodeText(bytes)), false, std::nullopt });
    return loaded;
}

} // namespace tirta::results
