#include "support/testenv.h"
#include "tools/osistext.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tirta::databuilder;

class OsisTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void plainText_data()
    {
        QTest::addColumn<QString>("markup");
        QTest::addColumn<bool>("verseOne");
        QTest::addColumn<QString>("expected");

        // Spacing where markup is removed.
        QTest::newRow("note between two words")
            << u"<w>God</w><note placement='foot'><reference>1:1 </reference>Hebrew “Elohim”.</note><w>created</w> the heavens"_s
            << false << u"God created the heavens"_s;
        QTest::newRow("note between quotations")
            << u"<q marker=''><w>only</w> born</q><note placement='foot'>Greek word</note><q marker=''><w>Son</w>, that</q>"_s
            << false << u"only born Son, that"_s;
        QTest::newRow("blanks around a note before a question mark")
            << u"<q>two assaria coins</q> <note placement='foot'>A small coin.</note> <q>? Not one</q>"_s
            << false << u"two assaria coins? Not one"_s;
        QTest::newRow("blanks around a note before a closing quote")
            << u"very last penny.</q> <note placement='foot'>literally, lepton.</note> <q marker=''>”</q>"_s
            << false << u"very last penny.”"_s;
        QTest::newRow("note before a comma")
            << u"Jemuel<note>or, Nemuel</note>, and Jamin"_s << false << u"Jemuel, and Jamin"_s;
        QTest::newRow("note after an opening quote")
            << u"said, “<note>n</note>Let there be"_s << false << u"said, “Let there be"_s;
        QTest::newRow("note next to a dash") << u"a Father’s heart<note>n</note>—full of love"_s << false
                                             << u"a Father’s heart—full of love"_s;
        QTest::newRow("nested notes") << u"a<note>x<note>y</note>z</note>b"_s << false << u"a b"_s;
        QTest::newRow("added words glued on both sides")
            << u"<w>allí</w><transChange type='added'>también</transChange><w>bdelio</w>"_s << false
            << u"allí también bdelio"_s;
        QTest::newRow("added words before a comma")
            << u"<w>sangre</w>, <transChange type='added'>que es</transChange>, su vida"_s << false
            << u"sangre, que es, su vida"_s;
        QTest::newRow("added words with their own blanks")
            << u"<w>many</w> <transChange type='added'>are</transChange> they"_s << false
            << u"many are they"_s;
        // Added words written onto the word before them: a pronoun the verb takes joins it; after a
        // name or a negation, and any other added word, it stands apart.
        QTest::newRow("pronoun added to a command")
            << u"<w>sáca</w><transChange type='added'>lo</transChange> <w>de</w> aquí"_s << false
            << u"sácalo de aquí"_s;
        QTest::newRow("pronoun between a verb and the next word")
            << u"<w>dános</w><transChange type='added'>lo</transChange><w>hoy</w>."_s << false
            << u"dánoslo hoy."_s;
        QTest::newRow("pronoun after a name")
            << u"la cual <w>Josué</w><transChange type='added'>los</transChange> circuncidó"_s << false
            << u"la cual Josué los circuncidó"_s;
        QTest::newRow("pronoun after a negation")
            << u"<w>Y no</w><transChange type='added'>lo</transChange><w>hizo</w>"_s << false
            << u"Y no lo hizo"_s;
        QTest::newRow("added word that is no pronoun")
            << u"<w>que</w><transChange type='added'>estaba</transChange> en ella"_s << false
            << u"que estaba en ella"_s;
        QTest::newRow("word after a closing quotation")
            << u"<w>righteousness</w>.”</q><w>Then</w> he"_s << false << u"righteousness.” Then he"_s;
        QTest::newRow("divine name in small capitals")
            << u"<transChange>the <divineName>Lord</divineName></transChange> and the "
               u"<divineName><w>LORD’s</w></divineName> law"_s
            << false << u"the LORD and the LORD’s law"_s;
        QTest::newRow("line group markers between lines")
            << u"than wine!<l eID='g1' level='2'/><lb type='x-p'/><l level='1' sID='g2'/>They are"_s << false
            << u"than wine! They are"_s;
        QTest::newRow("paragraph division between words")
            << u"the end<div eID='p1' type='x-p'/>Then"_s << false << u"the end Then"_s;
        QTest::newRow("division before a full stop")
            << u"the end<div eID='p1' type='x-p'/>."_s << false << u"the end."_s;
        QTest::newRow("a possessive stays on its name")
            << u"the <divineName><w>LORD</w></divineName>’s law"_s << false << u"the LORD’s law"_s;
        QTest::newRow("a hyphen stays between word elements")
            << u"<w>Ar</w>-<w>moab</w> fell"_s << false << u"Ar-moab fell"_s;

        // What is left out and what stays.
        QTest::newRow("book heading") << u"<title type='main'>Genesis</title> <w>In</w> the beginning"_s
                                      << true << u"In the beginning"_s;
        QTest::newRow("psalm superscription in verse 1")
            << u"<div sID='pv1' type='x-milestone'/><title canonical='true' type='psalm'>A Psalm by David.</title> <lg sID='a'/><l sID='b'/>Yahweh, how"_s
            << true << u"A Psalm by David. Yahweh, how"_s;
        QTest::newRow("superscription without a full stop")
            << u"<title canonical='true' type='psalm'>ALEPH</title><l sID='b'/>Blessed"_s << true
            << u"ALEPH Blessed"_s;
        QTest::newRow("acrostic letter inside a psalm")
            << u"<title canonical='true' type='psalm'>BETH</title> <l sID='b'/>How can"_s << false
            << u"BETH How can"_s;
        QTest::newRow("subscription after the last verse")
            << u"<w>Amen</w>. <title>Written to the <transChange>Romans</transChange></title>"_s << true
            << u"Amen."_s;
        QTest::newRow("speaker label")
            << u"his rooms.<l eID='a'/> <speaker>Friends</speaker> <l sID='b'/>We will"_s << false
            << u"his rooms. We will"_s;
        QTest::newRow("paragraph sign at the start")
            << u"<div eID='pv2' type='x-milestone'/><q marker=''>¶ <w>For</w> God so loved</q>"_s << false
            << u"For God so loved"_s;
        QTest::newRow("quotation mark carried by the markup")
            << u"<q marker='“'>Go</q> now"_s << false << u"“Go now"_s;
        QTest::newRow("entities") << u"Tom &amp; Jerry &lt;3&gt; &quot;x&quot; &#233;t&#xE9; &unknown;"_s
                                  << false << u"Tom & Jerry <3> \"x\" été &unknown;"_s;
        QTest::newRow("white space") << u"  In \t the\n\n beginning  "_s << false << u"In the beginning"_s;
        QTest::newRow("a verse without words")
            << u"<chapter eID='Jonah.1'/><div eID='g9' type='x-p'/>"_s << false << QString();
    }

    void plainText()
    {
        QFETCH(QString, markup);
        QFETCH(bool, verseOne);
        QFETCH(QString, expected);
        const Conversion result = osisToPlainText(markup, verseOne);
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(result.text, expected);
    }

    void brokenMarkupIsRefused_data()
    {
        QTest::addColumn<QString>("markup");
        QTest::newRow("tag without its end") << u"the <w lemma='strong:H1'"_s;
        QTest::newRow("note that never closes") << u"word<note>a footnote"_s;
        QTest::newRow("heading that never closes") << u"<title>Genesis"_s;
    }

    void brokenMarkupIsRefused()
    {
        QFETCH(QString, markup);
        const Conversion result = osisToPlainText(markup, false);
        QVERIFY(!result.ok());
        QVERIFY(result.text.isEmpty());
    }

    void bookNamesComeFromTheBookDivision()
    {
        OsisBookNames names;
        // A preface before the first book names itself, not the book after it.
        names.read(u"<div sID='f' type='front'/> <milestone n='Preface' type='x-usfm-toc2'/> <div eID='f' "
                   u"type='front'/>"
                   u" <div canonical='true' osisID='Gen' sID='g1' type='book'/> <milestone n='Génesis' "
                   u"type='x-usfm-h'/>"
                   u" <milestone n='Gén' type='x-usfm-toc2'/>"_s);
        // A book with only a running head is named by it.
        names.read(u"<div osisID='Exod' sID='g2' type='book'/><milestone n='&#201;xodo' type='x-usfm-h'/>"_s);
        // The end of a division does not start another book.
        names.read(u"<div eID='g2' osisID='Exod' type='book'/><milestone n='Otro' type='x-usfm-toc2'/>"_s);
        const QHash<QString, QString> found = names.names();
        QCOMPARE(found.value(u"Gen"_s), u"Gén"_s);
        QCOMPARE(found.value(u"Exod"_s), u"Éxodo"_s);
        QCOMPARE(found.size(), 2);
    }
};

TIRTA_TEST_MAIN_CORE(OsisTextTest)
#include "tst_osistext.moc"
