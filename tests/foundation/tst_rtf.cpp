#include "foundation/rtf.h"
#include "support/testenv.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tirta::rtf;

namespace {

const Colour kBlue { 0, 0, 255 };
const Colour kRed { 255, 0, 0 };

} // namespace

class RtfTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesAStandardDocument()
    {
        const std::vector<Run> runs { { u"Yohanes 3\n3:16 Karena begitu besar "_s, false, std::nullopt },
            { u"kasih"_s, true, kBlue }, { u" Allah \u2014 {dunia} \\ ini."_s, false, std::nullopt },
            { u"\nAmin"_s, false, kRed } };
        const QByteArray expected = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1057"
                                    "{\\fonttbl{\\f0\\fnil\\fcharset0 Gentium Plus;}}\r\n"
                                    "{\\colortbl ;\\red0\\green0\\blue255;\\red255\\green0\\blue0;}\r\n"
                                    "{\\*\\generator Tirtamaya;}\\viewkind4\\uc1\\pard\\f0\\fs24 "
                                    "Yohanes 3\\par\r\n"
                                    "3:16 Karena begitu besar \\cf1 \\b kasih\\cf0 \\b0  Allah \\u8212? "
                                    "\\{dunia\\} \\\\ ini.\\cf2 \\par\r\n"
                                    "Amin\\cf0\r\n}\r\n";
        QCOMPARE(write(runs, { u"Gentium Plus"_s, 12 }), expected);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("plain") << u"Pada mulanya"_s << u" Allah"_s;
        QTest::newRow("lines") << u"satu\ndua\n"_s << u"\ntiga"_s;
        QTest::newRow("escapes") << u"a\\b{c}d"_s << u"\te"_s;
        QTest::newRow("accents and dashes") << u"Yo\u00ebl \u2013 Kej"_s << u"\u00e9\u201c\u201d"_s;
        QTest::newRow("beyond 16 bits") << u"\U0001F54A damai"_s << u"\uFFFD"_s;
        QTest::newRow("high code units") << u"\uF0B7\u8000"_s << u"\u7FFF"_s;
    }

    void roundTrip()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        const std::vector<Run> runs { { first, false, std::nullopt }, { second, true, kRed },
            { first, false, kBlue }, { second, true, std::nullopt } };
        const ReadResult result = read(write(runs));
        QVERIFY(result.ok());
        QCOMPARE(result.runs, runs);
        QCOMPARE(result.plainText(), first + second + first + second);
    }

    void readsAnotherWordProcessorsFile()
    {
        const QByteArray document
            = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033"
              "{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}{\\f1\\fswiss Arial;}}\r\n"
              "{\\colortbl ;\\red192\\green0\\blue0;\\red0\\green176\\blue80;}\r\n"
              "{\\stylesheet{\\s0 Normal;}{\\*\\cs10 Default Paragraph Font;}}\r\n"
              "{\\info{\\title Judul}{\\author Penulis}{\\creatim\\yr2024\\mo1}}\r\n"
              "{\\*\\generator Riched20 10.0.19041}{\\*\\userdefined ignored text}\\viewkind4\\uc1 \r\n"
              "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang9 Kata \\cf1\\b merah\\b0\\cf0  dan "
              "{\\b\\cf2 hijau}\\highlight3  Caf\\'e9 \\u8212\\'97 \\ulnone\\i miring\\i0\\par\r\n"
              "{\\pict\\wmetafile8\\picw100 0123456789abcdef}"
              "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt tautan}}\\tab akhir\\emdash\\~\\line\r\n"
              "baris\\plain  biasa\\par\r\n}\r\n";
        const ReadResult result = read(document + QByteArray(3, '\0'));
        QVERIFY(result.ok());
        const std::vector<Run> expected {
            { u"Kata "_s, false, std::nullopt }, { u"merah"_s, true, Colour { 192, 0, 0 } },
            { u" dan "_s, false, std::nullopt }, { u"hijau"_s, true, Colour { 0, 176, 80 } },
            { u" Caf\u00e9 \u2014 miring\ntautan\takhir\u2014\u00a0\nbaris biasa\n"_s, false, std::nullopt }
        };
        QCOMPARE(result.runs, expected);
    }

    // What a word processor writes back after opening a file of ours: its own tables, styles,
    // page settings and a group per run.
    void readsAWordProcessorsSaveOfOurFile()
    {
        const QByteArray document = R"rtf({\rtf1\ansi\deff3\adeflang1025
{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\froman\fprq2\fcharset2 Symbol;}{\f3\froman\fprq2\fcharset0 Liberation Serif{\*\falt Times New Roman};}{\f5\froman\fprq2\fcharset0 Times New Roman;}}
{\colortbl;\red0\green0\blue0;\red0\green0\blue255;\red0\green255\blue255;\red0\green255\blue0;\red255\green0\blue255;\red255\green0\blue0;\red255\green255\blue0;\red255\green255\blue255;\red0\green0\blue128;\red0\green128\blue128;\red0\green128\blue0;\red128\green0\blue128;\red128\green0\blue0;\red128\green128\blue0;\red128\green128\blue128;\red192\green192\blue192;\red0\green160\blue0;}
{\stylesheet{\s0\snext0\rtlch\af6\afs24\alang1081 \ltrch\lang1033\langfe2052\hich\af3\loch\nowidctlpar\cf0\f3\fs24 Normal;}
{\s15\sbasedon0\snext16\rtlch\af6\afs28 \ltrch\hich\af4\loch\sb240\sa120\keepn\f4\fs28\dbch\af6 Heading;}
}{\*\generator Writer/7.4}{\info{\creatim\yr0\mo0\dy0\hr0\min0}{\revtim\yr0\mo0\dy0\hr0\min0}}{\*\userprops}\deftab720
\hyphauto1\viewscale100
{\*\pgdsctbl
{\pgdsc0\pgdscuse451\pgwsxn12240\pghsxn15840\marglsxn1440\pgdscnxt0 Default Page Style;}}
\formshade\paperh15840\paperw12240\margl1440\margr1440\sectd\sbknone\pgndec\ftnbj\ftnstart1\aftnnrlc
{\*\ftnsep\chftnsep}\pgndec\pard\plain \s0\rtlch\af6\afs24\alang1081 \ltrch\lang1033\hich\af3\loch\cf0\f3\fs24\ql\ltrpar{\hich\af5\loch\fs20\f5\loch
Yohanes 3}
\par \pard\plain \s0\rtlch\af6\afs24\alang1081 \ltrch\lang1033\hich\af3\loch\cf0\f3\fs24\ql\ltrpar{\hich\af5\loch\fs20\f5\loch
3:16 Karena begitu besar }{\hich\af5\loch\cf2\fs20\b\f5\loch
kasih}{\hich\af5\loch\cf0\fs20\b0\f5\loch
 Allah \u8212\'97 Yo\u235\'ebl \{dunia\} \\ ini.}
\par \pard\plain \s0\rtlch\af6\afs24\alang1081 \ltrch\lang1033\hich\af3\loch\cf0\f3\fs24\ql\ltrpar{\hich\af5\loch\cf6\fs20\b0\f5\loch
Amin merah}{\hich\af5\loch\cf17\fs20\b\f5\loch
\tab dan hijau tebal}
\par })rtf";
        const ReadResult result = read(document);
        QVERIFY(result.ok());
        const std::vector<Run> expected { { u"Yohanes 3\n3:16 Karena begitu besar "_s, false, std::nullopt },
            { u"kasih"_s, true, kBlue },
            { u" Allah \u2014 Yo\u00ebl {dunia} \\ ini.\n"_s, false, std::nullopt },
            { u"Amin merah"_s, false, kRed }, { u"\tdan hijau tebal"_s, true, Colour { 0, 160, 0 } },
            { u"\n"_s, false, std::nullopt } };
        QCOMPARE(result.runs, expected);
    }

    void colourOutsideTheTableIsNoColour()
    {
        const ReadResult result = read("{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\cf7 x\\cf1 y}");
        const std::vector<Run> expected { { u"x"_s, false, std::nullopt },
            { u"y"_s, false, Colour { 1, 2, 3 } } };
        QCOMPARE(result.runs, expected);
    }

    // What a reader makes of documents that are not whole or not quite right: the text it keeps,
    // and where it found the error. The writer's line ends, whatever they are, read as paragraphs.
    void readsThePlainText_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("text");
        QTest::addColumn<ReadError>("error");
        QTest::addColumn<qsizetype>("position");
        const QByteArray whole = write({ { u"kasih"_s, true, kRed }, { u" setia"_s, false, std::nullopt } });
        const QByteArray cut = whole.left(whole.indexOf("setia") + 3);
        QTest::newRow("cut off") << cut << u"kasih set"_s << ReadError::Unterminated << cut.size();
        QTest::newRow("not rich text")
            << QByteArray("  Pada mulanya Allah") << QString() << ReadError::NotRtf << qsizetype(2);
        QTest::newRow("nothing") << QByteArray() << QString() << ReadError::NotRtf << qsizetype(0);
        // uc2 drops "xy"; uc0 drops nothing; uc1 drops "?" and the \'e9 stand-in; the group's uc ends
        // with the group, so the last \u drops two characters again.
        QTest::newRow("unicode stand-ins")
            << QByteArray("{\\rtf1\\uc2 a\\u8212xyb{\\uc0 \\u8211 c}{\\uc1\\u-3913?d\\u233\\'e9e}\\u8230??f}")
            << u"a\u2014b\u2013c\uF0B7d\u00e9e\u2026f"_s << ReadError::None << qsizetype(-1);
        QTest::newRow("lone backslash at end")
            << QByteArray("{\\rtf1 a\\") << u"a"_s << ReadError::Unterminated << qsizetype(9);
        QTest::newRow("short hex") << QByteArray("{\\rtf1 a\\'4}") << u"a4"_s << ReadError::None
                                   << qsizetype(-1);
        QTest::newRow("huge parameter") << QByteArray("{\\rtf1\\cf99999999999999999 a\\u99999999999?}")
                                        << u"a\uFFFD"_s << ReadError::None << qsizetype(-1);
        QTest::newRow("extra closing braces")
            << QByteArray("{\\rtf1 a}}} b") << u"a"_s << ReadError::None << qsizetype(-1);
        QTest::newRow("minus without digits")
            << QByteArray("{\\rtf1\\fs- x}") << u"- x"_s << ReadError::None << qsizetype(-1);
        QTest::newRow("the writer's line ends") << write({ { u"a\r\nb\rc\nd"_s, false, std::nullopt } })
                                                << u"a\nb\nc\nd"_s << ReadError::None << qsizetype(-1);
    }

    void readsThePlainText()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, text);
        QFETCH(ReadError, error);
        QFETCH(qsizetype, position);
        const ReadResult result = read(document);
        QCOMPARE(result.plainText(), text);
        QCOMPARE(result.runs.empty(), text.isEmpty());
        QCOMPARE(result.error, error);
        QCOMPARE(result.position, position);
    }
};

TIRTA_TEST_MAIN_CORE(RtfTest)
#include "tst_rtf.moc"
