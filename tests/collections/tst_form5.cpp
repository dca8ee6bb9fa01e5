#include "collections/form5.h"
#include "support/fakereader.h"
#include "support/samplebible.h"
#include "support/testenv.h"
#include "uikit/widgets.h"

#include <QLabel>
#include <QListWidget>
#include <QTextEdit>
#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::test::numberedVerses;
using tirta::ui::named;

/// The prophecies: a prophecy beside its fulfilment, ranges cut to the end of their last verse.
class Form5Test : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<tirta::DataSession> m_session;

private Q_SLOTS:
    void initTestCase()
    {
        tirta::test::FixtureBuilder builder;
        builder.version(1, u"Satu"_s)
            .chapter(u"Yesaya"_s, 7, { numberedVerses(u"nubuat"_s, 16) })
            .chapter(u"Matius"_s, 1, { numberedVerses(u"genap"_s, 25) });
        const auto prophecy
            = [&builder](const QString& title, const QString& spoken, const QString& fulfilled) {
                  builder.row(u"UsysNubuat"_s,
                      { { u"Nubuat"_s, title }, { u"lama"_s, spoken }, { u"baru"_s, fulfilled } });
              };
        prophecy(u"LAHIR DARI ANAK DARA"_s, u"Yesaya#7:14"_s, u"Matius#1:22-23"_s);
        prophecy(u"Silsilah"_s, u" Yesaya#7:1-2 "_s, u"Wahyu#99:1"_s);
        m_session = builder.open(m_dir.filePath(u"nubuat.dat"_s));
        QVERIFY(m_session);
    }

    void prophecyBesideItsFulfilment_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("labels"); // Label1, Label3, Label4
        QTest::addColumn<QString>("spoken");
        QTest::addColumn<QString>("fulfilled");
        QTest::newRow("range to its last verse")
            << 0
            << QStringList { u"Lahir Dari Anak Dara"_s, u"Nubuat di Yesaya#7:14"_s,
                   u"Penggenapan di Matius#1:22-23"_s }
            << u"7:14 nubuat 14"_s << u"1:22 genap 22\n1:23 genap 23"_s;
        // "7:2" also begins "7:20" and later lines: the range still ends with verse 2.
        QTest::newRow("chapter missing")
            << 1 << QStringList { u"Silsilah"_s, u"Nubuat di Yesaya#7:1-2"_s, u"Penggenapan di Wahyu#99:1"_s }
            << u"7:1 nubuat 1\n7:2 nubuat 2"_s << QString();
    }

    void prophecyBesideItsFulfilment()
    {
        QFETCH(int, row);
        QFETCH(QStringList, labels);
        QFETCH(QString, spoken);
        QFETCH(QString, fulfilled);
        tirta::test::FakeReader reader(*m_session, m_dir.path());
        Form5 form(reader);
        named<QListWidget>(&form, "List1")->setCurrentRow(row);
        QCOMPARE(QStringList({ named<QLabel>(&form, "Label1")->text(), named<QLabel>(&form, "Label3")->text(),
                     named<QLabel>(&form, "Label4")->text() }),
            labels);
        QCOMPARE(named<QTextEdit>(&form, "rt1")->toPlainText(), spoken);
        QCOMPARE(named<QTextEdit>(&form, "rt2")->toPlainText(), fulfilled);
    }
};

TIRTA_TEST_MAIN(Form5Test)
#include "tst_form5.moc"
