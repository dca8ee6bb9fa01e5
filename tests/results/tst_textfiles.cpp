#include "foundation/rtf.h"
#include "foundation/textdecoding.h"
#include "results/textfiles.h"
#include "support/testenv.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tirta::results;
using tirta::decodeText;
using tirta::rtf::Colour;
using tirta::rtf::Run;

namespace {

const Colour kBlue { 0, 0, 255 };

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

/// A page with a bold blue word in its second paragraph.
PageText markedPage()
{
    PageText page(u"Yohanes 3\n3:16 Karena begitu besar kasih Allah\n"_s);
    page.applyMarks({ { 35, 5, Look { true, qRgb(0, 0, 255) } } });
    return page;
}

} // namespace

class TextFilesTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void formatByExtension_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("rich");
        QTest::newRow("rtf") << u"/tmp/hasil.rtf"_s << true;
        QTest::newRow("upper") << u"/tmp/HASIL.RTF"_s << true;
        QTest::newRow("mixed") << u"/tmp/hasil.Rtf"_s << true;
        QTest::newRow("txt") << u"/tmp/hasil.txt"_s << false;
        QTest::newRow("none") << u"/tmp/hasil"_s << false;
        QTest::newRow("rtf then txt") << u"/tmp/hasil.rtf.txt"_s << false;
    }

    void formatByExtension()
    {
        QFETCH(QString, name);
        QFETCH(bool, rich);
        QCOMPARE(formatForFileName(name) == TextFormat::Rich, rich);
    }

    void plainFileHasCrLfAndUtf8()
    {
        const PageText page(u"Kejadian 1\n1:1 Pada mulanya \u2014 Allah\u00a0!\n"_s);
        QCOMPARE(encodePage(page, TextFormat::Plain, {}),
            QByteArray("Kejadian 1\r\n1:1 Pada mulanya \xe2\x80\x94 Allah\xc2\xa0!\r\n"));
    }

    void runsOfAMarkedPage()
    {
        const std::vector<Run> runs = markedPage().runs();
        QCOMPARE(int(runs.size()), 3);
        QCOMPARE(runs[0], (Run { u"Yohanes 3\n3:16 Karena begitu besar "_s, false, std::nullopt }));
        QCOMPARE(runs[1], (Run { u"kasih"_s, true, kBlue }));
        QCOMPARE(runs[2], (Run { u" Allah\n"_s, false, std::nullopt }));
    }

    void richFileKeepsBoldAndColours()
    {
        const PageText page = markedPage();
        const QByteArray bytes = encodePage(page, TextFormat::Rich, { u"Arial"_s, 11 });
        QVERIFY(bytes.startsWith("{\\rtf1"));
        QVERIFY(bytes.contains("Arial"));
        const tirta::rtf::ReadResult read = tirta::rtf::read(bytes);
        QVERIFY(read.ok());
        QCOMPARE(read.runs, page.runs());

        const PageText again = PageText::fromRuns(read.runs);
        QCOMPARE(again.text(), page.text());
        QCOMPARE(again.runs(), page.runs());
    }

    void decodeVariousEncodings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("utf8") << QByteArray("Caf\xc3\xa9 \xe2\x80\x94") << u"Caf\u00e9 \u2014"_s;
        QTest::newRow("utf8 bom") << QByteArray("\xef\xbb\xbf"
                                                "abc")
                                  << u"abc"_s;
        QTest::newRow("utf16 bom") << QByteArray("\xff\xfe"
                                                 "a\0b\0",
            6) << u"ab"_s;
        QTest::newRow("windows-1252")
            << QByteArray("Caf\xe9 \x93kutip\x94 \x80") << u"Caf\u00e9 \u201ckutip\u201d \u20ac"_s;
        QTest::newRow("crlf kept") << QByteArray("a\r\nb") << u"a\r\nb"_s;
    }

    void decodeVariousEncodings()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decodeText(bytes), text);
    }

    void readPlainFile()
    {
        const QString path = m_dir.filePath(u"catatan.txt"_s);
        QVERIFY(writeBytes(path, "baris satu\r\nbaris dua\r\n"));
        const LoadedText loaded = readTextFile(path);
        QVERIFY(loaded.ok());
        QCOMPARE(loaded.format, TextFormat::Plain);
        QCOMPARE(int(loaded.runs.size()), 1);
        QCOMPARE(loaded.runs[0].text, u"baris satu\nbaris dua\n"_s);
    }

    void readRichFileWithUnknownWords()
    {
        const QString path = m_dir.filePath(u"catatan.rtf"_s);
        QVERIFY(writeBytes(path,
            "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
            "{\\*\\generator Pengolah;}\\viewkind4\\uc1\\pard\\f0\\fs20 Kasih "
            "{\\cf1\\b Allah}\\par\r\nbaris \\'e9\\par}"));
        const LoadedText loaded = readTextFile(path);
        QVERIFY(loaded.ok());
        QCOMPARE(loaded.format, TextFormat::Rich);
        QCOMPARE(tirta::rtf::plainText(loaded.runs), u"Kasih Allah\nbaris \u00e9\n"_s);
        QCOMPARE(loaded.runs[1], (Run { u"Allah"_s, true, Colour { 255, 0, 0 } }));
    }

    void damagedFilesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("error");
        QTest::newRow("binary as text")
            << u"gambar.txt"_s << QByteArray("GIF89a\0\0\x01\x02", 10) << int(LoadError::NotText);
        QTest::newRow("text as rtf") << u"bukan.rtf"_s << QByteArray("hanya teks biasa")
                                     << int(LoadError::NotRtf);
        QTest::newRow("cut rtf") << u"terpotong.rtf"_s << QByteArray("{\\rtf1\\ansi Kasih {\\b Allah")
                                 << int(LoadError::DamagedRtf);
    }

    void damagedFilesAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(int, error);
        const QString path = m_dir.filePath(name);
        QVERIFY(writeBytes(path, bytes));
        const LoadedText loaded = readTextFile(path);
        QCOMPARE(int(loaded.error), error);
        QVERIFY(loaded.runs.empty());
    }

    void missingFileIsUnreadable()
    {
        const LoadedText loaded = readTextFile(m_dir.filePath(u"tidak-ada.txt"_s));
        QCOMPARE(loaded.error, LoadError::Unreadable);
    }
};

TIRTA_TEST_MAIN(TextFilesTest)
#include "tst_textfiles.moc"
