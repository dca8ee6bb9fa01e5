#include "collections/form4.h"
#include "support/fakereader.h"
#include "support/samplebible.h"
#include "support/testenv.h"
#include "uikit/widgets.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTextEdit>
#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::test::numberedVerses;
using tirta::ui::named;

/// The parables: titles in proper case, the gospel options and the passages of translation 1.
class Form4Test : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<tirta::DataSession> m_session;
    std::unique_ptr<tirta::test::FakeReader> m_reader;

    static QRadioButton* option(Form4& form, int n)
    {
        return form.findChild<QRadioButton*>(u"Option"_s + QString::number(n));
    }

private Q_SLOTS:
    void initTestCase()
    {
        tirta::test::FixtureBuilder builder({ 2, true, true });
        builder.version(1, u"Satu"_s).version(2, u"Dua"_s);
        for (const auto& [book, chapter] :
            { std::pair(u"Matius"_s, 13), { u"Markus"_s, 4 }, { u"Lukas"_s, 8 } })
            builder.chapter(book, chapter, { numberedVerses(book, 12), numberedVerses(u"other"_s, 12) });
        const auto parable = [&builder](const QString& title, const QVariant& mat, const QVariant& mrk,
                                 const QVariant& luk) {
            builder.row(u"UsysUmpama"_s,
                { { u"Perumpamaan"_s, title }, { u"Matius"_s, mat }, { u"Markus"_s, mrk },
                    { u"Lukas"_s, luk } });
        };
        parable(u"PENABUR"_s, u"Matius#13:3-9"_s, u" Markus#4:3-9 "_s, u"Lukas#8:5-8"_s);
        parable(u"domba yang hilang"_s, QVariant(), QVariant(), u"Lukas#8:4"_s);
        parable(u"TUAN'S HAMBA"_s, u"Matius#13:10"_s, u"Markus#4:1"_s, u"  "_s);
        parable(u"Tanpa Injil"_s, QVariant(), QVariant(), QVariant());
        m_session = builder.open(m_dir.filePath(u"umpama.dat"_s));
        QVERIFY(m_session);
        m_reader = std::make_unique<tirta::test::FakeReader>(*m_session, m_dir.path());
    }

    void gospelsFollowTheStoredPassages_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("clicked"); // the option clicked after choosing the row; 0: none
        QTest::addColumn<QString>("enabled"); // one digit per option, Matius to Yohanes
        QTest::addColumn<int>("chosen"); // 0: none
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("passage");
        // Titles are listed in proper case and still find their rows.
        QTest::newRow("three gospels, Matius first")
            << 0 << 0 << u"1110"_s << 1 << u"Penabur (Matius#13:3-9)"_s
            << u"13:3 Matius 3\n13:4 Matius 4\n13:5 Matius 5\n13:6 Matius 6\n13:7 Matius 7\n13:8 Matius 8\n"
               u"13:9 Matius 9"_s;
        QTest::newRow("another gospel clicked")
            << 0 << 2 << u"1110"_s << 2 << u"Penabur (Markus#4:3-9)"_s
            << u"4:3 Markus 3\n4:4 Markus 4\n4:5 Markus 5\n4:6 Markus 6\n4:7 Markus 7\n4:8 Markus 8\n4:9 Markus 9"_s;
        QTest::newRow("Lukas only") << 1 << 0 << u"0010"_s << 3 << u"Domba Yang Hilang (Lukas#8:4)"_s
                                    << u"8:4 Lukas 4"_s;
        QTest::newRow("apostrophe, blank counts as none")
            << 2 << 0 << u"1100"_s << 1 << u"Tuan's Hamba (Matius#13:10)"_s << u"13:10 Matius 10"_s;
        QTest::newRow("no gospel") << 3 << 0 << u"0000"_s << 0 << u"Tanpa Injil"_s << QString();
    }

    void gospelsFollowTheStoredPassages()
    {
        QFETCH(int, row);
        QFETCH(int, clicked);
        QFETCH(QString, enabled);
        QFETCH(int, chosen);
        QFETCH(QString, heading);
        QFETCH(QString, passage);
        Form4 form(*m_reader);
        named<QListWidget>(&form, "List1")->setCurrentRow(row);
        if (clicked > 0)
            option(form, clicked)->click();
        for (int n = 1; n <= 4; ++n) {
            QCOMPARE(option(form, n)->isEnabled(), enabled[n - 1] == u'1');
            QCOMPARE(option(form, n)->isChecked(), n == chosen);
        }
        QCOMPARE(named<QLabel>(&form, "Label1")->text(), heading);
        QCOMPARE(named<QTextEdit>(&form, "rt1")->toPlainText(), passage);
    }
};

TIRTA_TEST_MAIN(Form4Test)
#include "tst_form4.moc"
