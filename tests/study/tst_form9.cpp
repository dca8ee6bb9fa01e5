#include "study/dictionary.h"
#include "study/form9.h"
#include "support/fakereader.h"
#include "support/testenv.h"
#include "uikit/widgets.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTextEdit>
#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::ui::named;

namespace {

QString explanation(const QString& headword)
{
    return u"Penjelasan tentang "_s + headword + u".\r\nBaris kedua."_s;
}

} // namespace

/// The dictionary's lookup while typing, over several thousand headwords.
class Form9Test : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<tirta::DataSession> m_session;

private Q_SLOTS:
    void initTestCase()
    {
        tirta::test::FixtureBuilder builder;
        QStringList headwords { u"Abaddon"_s, u"Abba"_s, u"Abraham"_s, u"Abram"_s, u"abu"_s, u"Ma'on"_s };
        for (int n = 0; n < 5000; ++n)
            headwords << u"Kata %1"_s.arg(n, 4, 10, QChar(u'0'));
        for (const QString& headword : std::as_const(headwords))
            builder.row(
                u"UsysKamus"_s, { { u"Entri"_s, headword }, { u"Penjelasan"_s, explanation(headword) } });
        builder.row(u"UsysKamus"_s, { { u"Entri"_s, u"Zaitun"_s }, { u"Penjelasan"_s, QVariant() } });
        m_session = builder.open(m_dir.filePath(u"kamus.dat"_s));
        QVERIFY(m_session);
    }

    void lookupWhileTyping_data()
    {
        QTest::addColumn<QString>("keys"); // "\b" is a backspace
        QTest::addColumn<QString>("selected"); // empty: nothing selected
        QTest::addColumn<QString>("shown");
        QTest::newRow("first of several") << u"ab"_s << u"Abaddon"_s << u"Abaddon"_s;
        QTest::newRow("case ignored") << u"AB"_s << u"Abaddon"_s << u"Abaddon"_s;
        QTest::newRow("narrowing") << u"abr"_s << u"Abraham"_s << u"Abraham"_s;
        QTest::newRow("narrowing to one") << u"abram"_s << u"Abram"_s << u"Abram"_s;
        QTest::newRow("lower-case headword") << u"ABU"_s << u"abu"_s << u"abu"_s;
        QTest::newRow("widening") << u"abram\b\b\b"_s << u"Abaddon"_s << u"Abaddon"_s;
        QTest::newRow("no match keeps the explanation") << u"abx"_s << QString() << u"Abaddon"_s;
        QTest::newRow("among thousands") << u"kata 4321"_s << u"Kata 4321"_s << u"Kata 4321"_s;
        QTest::newRow("apostrophe") << u"ma'"_s << u"Ma'on"_s << u"Ma'on"_s;
        QTest::newRow("no value shows nothing new") << u"zai"_s << u"Zaitun"_s << QString();
    }

    void lookupWhileTyping()
    {
        QFETCH(QString, keys);
        QFETCH(QString, selected);
        QFETCH(QString, shown);
        tirta::test::FakeReader reader(*m_session, m_dir.path());
        Form9 form(reader);
        auto* text = named<QLineEdit>(&form, "Text1");
        QString typed;
        for (const QChar key : std::as_const(keys)) {
            if (key == u'\b') {
                QTest::keyClick(text, Qt::Key_Backspace);
                typed.chop(1);
            } else {
                QTest::keyClicks(text, QString(key));
                typed += key;
            }
        }
        QCOMPARE(text->text(), typed); // the box keeps what was typed, matching or not
        auto* list = named<QListWidget>(&form, "List1");
        QCOMPARE(list->selectedItems().isEmpty(), selected.isEmpty());
        if (!selected.isEmpty())
            QCOMPARE(list->currentItem()->text(), selected);
        const QString expected = shown.isEmpty() ? QString() : explanation(shown).replace(u"\r\n"_s, u"\n"_s);
        QCOMPARE(named<QTextEdit>(&form, "rtf")->toPlainText(), expected);
    }

    void unsortedHeadwordsAreSearchedFromTheTop()
    {
        const tirta::study::HeadwordIndex index({ u"beta"_s, u"Alfa"_s, u"alam"_s, u"Amin"_s });
        QVERIFY(!index.isSorted());
        QCOMPARE(index.findPrefix(u"al"), 1);
        QCOMPARE(index.findPrefix(u"AM"), 3);
        QCOMPARE(index.findPrefix(u"x"), -1);
        QVERIFY(tirta::study::HeadwordIndex({ u"Abba"_s, u"abu"_s, u"Adam"_s }).isSorted());
    }
};

TIRTA_TEST_MAIN(Form9Test)
#include "tst_form9.moc"
