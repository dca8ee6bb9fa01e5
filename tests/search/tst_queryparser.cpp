#include "search/queryparser.h"
#include "support/testenv.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::search::LineFilter;
using tirta::search::ParseQuery;

class QueryParserTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cutsTheTextIntoThreeLists_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("list1");
        QTest::addColumn<QString>("list2");
        QTest::addColumn<QString>("list3");

        QTest::newRow("all three") << u"a&b+c+d^e+f"_s << u"a&b"_s << u"c+d"_s << u"e+f"_s;
        QTest::newRow("exclusion first") << u"a^b+c"_s << u"a"_s << QString() << u"b+c"_s;
        QTest::newRow("leading plus") << u"+a"_s << QString() << u"a"_s << QString();
        QTest::newRow("leading caret") << u"^kasih"_s << QString() << QString() << u"kasih"_s;
        QTest::newRow("one word") << u"kasih"_s << u"kasih"_s << QString() << QString();
        QTest::newRow("alternatives") << u"kasih&cinta"_s << u"kasih&cinta"_s << QString() << QString();
        QTest::newRow("additional") << u"kasih+Allah+Yesus"_s << u"kasih"_s << u"Allah+Yesus"_s << QString();
        QTest::newRow("doubled plus")
            << u"kasih++Allah+Yesus"_s << u"kasih"_s << u"+Allah+Yesus"_s << QString();
        QTest::newRow("excluded") << u"kasih^dosa+maut"_s << u"kasih"_s << QString() << u"dosa+maut"_s;
        QTest::newRow("doubled caret") << u"kasih^^dosa+maut"_s << u"kasih"_s << QString() << u"^dosa+maut"_s;
        QTest::newRow("plus after caret")
            << u"kasih^dosa+Allah"_s << u"kasih"_s << QString() << u"dosa+Allah"_s;
        QTest::newRow("spaces kept") << u"kasih + Allah"_s << u"kasih "_s << u" Allah"_s << QString();
        QTest::newRow("empty alternative") << u"kasih&"_s << u"kasih&"_s << QString() << QString();
        QTest::newRow("empty text") << QString() << QString() << QString() << QString();
        QTest::newRow("plus then caret") << u"a+b^c"_s << u"a"_s << u"b"_s << u"c"_s;
        QTest::newRow("plus touching caret") << u"a+^c"_s << u"a"_s << QString() << u"c"_s;
        QTest::newRow("trailing plus") << u"a+"_s << u"a"_s << QString() << QString();
        QTest::newRow("trailing caret") << u"a^"_s << u"a"_s << QString() << QString();
        QTest::newRow("second caret") << u"a^b^c"_s << u"a"_s << QString() << u"b^c"_s;
        QTest::newRow("ampersand in exclusion") << u"a^b&c"_s << u"a"_s << QString() << u"b&c"_s;
        QTest::newRow("quotes are plain")
            << u"O''Allah\"x\""_s << u"O''Allah\"x\""_s << QString() << QString();
    }

    void cutsTheTextIntoThreeLists()
    {
        QFETCH(QString, text);
        QFETCH(QString, list1);
        QFETCH(QString, list2);
        QFETCH(QString, list3);
        ParseQuery query;
        query.Query(u"leftover+from^before"_s);
        query.Query(text);
        QCOMPARE(query.WordList1(), list1);
        QCOMPARE(query.WordList2(), list2);
        QCOMPARE(query.WordList3(), list3);
    }

    void decidesLines_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("hit");

        QTest::newRow("word any case") << u"kasih"_s << u"3:16 KASIH Allah"_s << false << true;
        QTest::newRow("word exact case") << u"kasih"_s << u"3:16 KASIH Allah"_s << true << false;
        QTest::newRow("word missing") << u"kasih"_s << u"1:1 Pada mulanya"_s << false << false;
        QTest::newRow("either alternative") << u"kasih&cinta"_s << u"cinta itu"_s << false << true;
        QTest::newRow("neither alternative") << u"kasih&cinta"_s << u"benci itu"_s << false << false;
        QTest::newRow("one more word of two") << u"kasih+Allah+Yesus"_s << u"kasih Yesus"_s << false << true;
        QTest::newRow("no more word") << u"kasih+Allah+Yesus"_s << u"kasih saja"_s << false << false;
        QTest::newRow("all required, one missing")
            << u"kasih++Allah+Yesus"_s << u"kasih Yesus"_s << false << false;
        QTest::newRow("all required, all there")
            << u"kasih++Allah+Yesus"_s << u"Yesus, kasih Allah"_s << false << true;
        QTest::newRow("excluded by first") << u"kasih^dosa+maut"_s << u"kasih dan dosa"_s << false << false;
        QTest::newRow("excluded by second") << u"kasih^dosa+maut"_s << u"kasih dan maut"_s << false << false;
        QTest::newRow("not excluded") << u"kasih^dosa+maut"_s << u"kasih saja"_s << false << true;
        QTest::newRow("all excluded words, one there")
            << u"kasih^^dosa+maut"_s << u"kasih dan dosa"_s << false << true;
        QTest::newRow("all excluded words, both there")
            << u"kasih^^dosa+maut"_s << u"kasih, dosa, maut"_s << false << false;
        QTest::newRow("plus after caret excludes")
            << u"kasih^dosa+Allah"_s << u"kasih Allah"_s << false << false;
        QTest::newRow("spaced words need spaces") << u"kasih + Allah"_s << u"kasih,Allah"_s << false << false;
        QTest::newRow("unspaced words") << u"kasih+Allah"_s << u"kasih,Allah"_s << false << true;
        QTest::newRow("spaced words with spaces")
            << u"kasih + Allah"_s << u"kasih dan Allah"_s << false << true;
        QTest::newRow("empty alternative, any line") << u"kasih&"_s << u"1:1 apa saja"_s << false << true;
        QTest::newRow("empty alternative, empty line") << u"kasih&"_s << QString() << false << false;
        QTest::newRow("exact case differs") << u"allah"_s << u"Allah"_s << true << false;
        QTest::newRow("any case same") << u"allah"_s << u"Allah"_s << false << true;
        QTest::newRow("blank exclusion") << u"kasih^   "_s << u"kasih"_s << false << true;
        QTest::newRow("space as more word, absent") << u"kasih+ ^dosa"_s << u"kasih"_s << false << false;
        QTest::newRow("space as more word, present") << u"kasih+ ^dosa"_s << u"kasih ya"_s << false << true;
        QTest::newRow("exclusion exact case") << u"kasih^Dosa"_s << u"kasih dosa"_s << true << true;
        QTest::newRow("exclusion any case") << u"kasih^Dosa"_s << u"kasih dosa"_s << false << false;
        QTest::newRow("lone doubled caret") << u"a^^"_s << u"a"_s << false << true;
        QTest::newRow("doubled plus, empty words") << u"a+++b"_s << u"a b"_s << false << true;
        QTest::newRow("doubled plus, empty words, missing") << u"a+++b"_s << u"a c"_s << false << false;
        QTest::newRow("quote") << u"O'Allah"_s << u"Anak Domba O'Allah"_s << false << true;
        QTest::newRow("ampersand in additional") << u"a+b&c+d"_s << u"a c+d"_s << false << true;
        QTest::newRow("ampersand in additional, split") << u"a+b&c+d"_s << u"a c d"_s << false << false;
        QTest::newRow("accented letters") << u"yo\u00ebl"_s << u"YO\u00cbL"_s << false << true;
        QTest::newRow("no words, empty line") << QString() << QString() << false << true;
        QTest::newRow("blank exclusion after more words") << u"a+b^  "_s << u"a b  "_s << false << true;
        QTest::newRow("blank all-words exclusion") << u"a+b^^ "_s << u"a b "_s << false << true;
        QTest::newRow("ampersand in exclusion is a letter") << u"x+y^a&b"_s << u"x y a"_s << false << true;
        QTest::newRow("empty excluded word") << u"x+y^a+"_s << u"x y b"_s << false << false;
    }

    void decidesLines()
    {
        QFETCH(QString, query);
        QFETCH(QString, line);
        QFETCH(bool, matchCase);
        QFETCH(bool, hit);
        ParseQuery parsed;
        parsed.Query(query);
        QCOMPARE(ParseQuery::MatchLine(
                     parsed.WordList1(), parsed.WordList2(), parsed.WordList3(), line, matchCase),
            hit);
        const LineFilter filter(parsed.WordList1(), parsed.WordList2(), parsed.WordList3(), matchCase);
        QCOMPARE(filter.matches(line), hit);
    }
};

TIRTA_TEST_MAIN_CORE(QueryParserTest)
#include "tst_queryparser.moc"
