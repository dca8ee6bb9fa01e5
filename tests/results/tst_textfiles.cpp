#include "foundation/rtf.h"
#include "foundation/safefile.h"
#include "foundation/textdecoding.h"
#include "results/textfiles.h"
#include "support/testenv.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tirta::results;
using tirta::decodeText;
using tirta::rtf::Colour;
using tirta::rtf::Run;

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

    void richFileKeepsBoldAndColours()
    {
        PageText page(u"Yohanes 3\n3:16 Karena begitu besar kasih Allah\n"_s);
        page.applyMarks({ { 35, 5, Look { true, qRgb(0, 0, 255) } } });
        const std::vector<Run> runs { { u"Yohanes 3\n3:16 Karena begitu besar "_s, false, std::nullopt },
            { u"kasih"_s, true, Colour { 0, 0, 255 } }, { u" Allah\n"_s, false, std::nullopt } };
        QCOMPARE(page.runs(), runs);
        const QByteArray bytes = encodePage(page, TextFormat::Rich, { u"Arial"_s, 11 });
        QVERIFY(bytes.startsWith("{\\rtf1"));
        QVERIFY(bytes.contains("Arial"));
        const tirta::rtf::ReadResult read = tirta::rtf::read(bytes);
        QVERIFY(read.ok());
        QCOMPARE(read.runs, runs);

        const PageText again = PageText::fromRuns(read.runs);
        QCOMPARE(again.text(), page.text());
        QCOMPARE(again.runs(), runs);
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

    void filesThatCannotBeOpenedAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // none: the file is not there
        QTest::addColumn<int>("error");
        QTest::newRow("missing") << u"tidak-ada.txt"_s << QByteArray() << int(LoadError::Unreadable);
        QTest::newRow("binary as text")
            << u"gambar.txt"_s << QByteArray("GIF89a\0\0\x01\x02", 10) << int(LoadError::NotText);
        QTest::newRow("text as rtf") << u"bukan.rtf"_s << QByteArray("hanya teks biasa")
                                     << int(LoadError::NotRtf);
        QTest::newRow("cut rtf") << u"terpotong.rtf"_s << QByteArray("{\\rtf1\\ansi Kasih {\\b Allah")
                                 << int(LoadError::DamagedRtf);
    }

    void filesThatCannotBeOpenedAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(int, error);
        const QString path = m_dir.filePath(name);
        QVERIFY(bytes.isNull() || tirta::writeFileWhole(path, bytes));
        const LoadedText loaded = readTextFile(path);
        QCOMPARE(int(loaded.error), error);
        QVERIFY(loaded.runs.empty());
    }
};

TIRTA_TEST_MAIN(TextFilesTest)
#include "tst_textfiles.moc"
