#include "study/form18.h"
#include "support/fakereader.h"
#include "support/samplebible.h"
#include "support/testenv.h"
#include "support/widgettexts.h"
#include "uikit/widgets.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QTextEdit>
#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::ui::named;

/// The thematic verses: themes gathered across case and blanks, excerpts of translation 1 and
/// the ClipBook entry with the theme as heading.
class Form18Test : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<tirta::DataSession> m_session;
    std::unique_ptr<tirta::test::FakeReader> m_reader;

    static void chooseTheme(Form18& form, const QString& theme)
    {
        auto* chooser = named<QComboBox>(&form, "cbTopik");
        for (int i = 0; i < chooser->count(); ++i) {
            if (chooser->itemText(i).trimmed().compare(theme, Qt::CaseInsensitive) == 0)
                chooser->setCurrentIndex(i);
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        auto builder = tirta::test::sampleBible();
        builder.chapter(u"Yohanes"_s, 3,
            { tirta::test::numberedVerses(u"kasih"_s, 20), tirta::test::numberedVerses(u"love"_s, 20), {} });
        const std::pair<QString, QString> rows[] = { { u"Kasih"_s, u"Yohanes#3:16"_s },
            { u" kasih "_s, u"Yohanes#3:17-18"_s }, { u"KASIH"_s, u"Matius#1:2"_s },
            { u"Allah's"_s, u"Matius#2:1"_s }, { u"Doa"_s, u"Matius#1:1"_s } };
        for (const auto& [theme, reference] : rows)
            builder.row(u"UsysTematik"_s, { { u"Topik"_s, theme }, { u"Ayat"_s, reference } });
        m_session = builder.open(m_dir.filePath(u"tema.dat"_s));
        QVERIFY(m_session);
        m_reader = std::make_unique<tirta::test::FakeReader>(*m_session, m_dir.path());
    }

    void opensAtTheFirstThemeAndReference()
    {
        Form18 form(*m_reader);
        QCOMPARE(named<QComboBox>(&form, "cbTopik")->currentIndex(), 0);
        auto* list = named<QListWidget>(&form, "lstAyat");
        QCOMPARE(list->currentRow(), 0);
        // The text of that reference ("Yohanes#3:16" begins "3:16 "), from translation 1.
        const QString text = named<QTextEdit>(&form, "rtfAyat")->toPlainText();
        QVERIFY2(text.startsWith(list->currentItem()->text().section(u'#', 1).section(u'-', 0, 0) + u' '),
            qPrintable(text));
        QVERIFY(!text.contains(u"love"_s));
    }

    void themesAreGatheredAcrossCaseAndBlanks_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("three spellings")
            << u"kasih"_s << QStringList { u"Matius#1:2"_s, u"Yohanes#3:16"_s, u"Yohanes#3:17-18"_s };
        QTest::newRow("apostrophe") << u"allah's"_s << QStringList { u"Matius#2:1"_s };
    }

    void themesAreGatheredAcrossCaseAndBlanks()
    {
        QFETCH(QString, theme);
        QFETCH(QStringList, expected);
        Form18 form(*m_reader);
        chooseTheme(form, theme);
        QStringList found = tirta::test::itemTexts(named<QListWidget>(&form, "lstAyat"));
        found.sort();
        QCOMPARE(found, expected);
    }

    void copyToClipBookHeadsTheEntryWithTheTheme()
    {
        Form18 form(*m_reader);
        chooseTheme(form, u"kasih"_s);
        auto* list = named<QListWidget>(&form, "lstAyat");
        list->setCurrentItem(list->findItems(u"Yohanes#3:17-18"_s, Qt::MatchExactly).value(0));
        auto* view = named<QTextEdit>(&form, "rtfAyat");
        QCOMPARE(view->toPlainText(), u"3:17 kasih 17\n3:18 kasih 18"_s);

        // "Copy ke ClipBook" waits for a selection.
        auto* copy = named<QAction>(&form, "mnuClipBook");
        Q_EMIT view->customContextMenuRequested(QPoint(5, 5));
        QVERIFY(!copy->isEnabled());
        named<QMenu>(&form, "mnuCopy")->close();
        named<QAction>(&form, "mnuPilihSemua")->trigger();
        Q_EMIT view->customContextMenuRequested(QPoint(5, 5));
        QVERIFY(copy->isEnabled());
        named<QMenu>(&form, "mnuCopy")->close();
        copy->trigger();
        const QString theme = named<QComboBox>(&form, "cbTopik")->currentText();
        QCOMPARE(m_reader->clipped, QStringList { theme + u"\r\nYohanes "_s });
    }
};

TIRTA_TEST_MAIN(Form18Test)
#include "tst_form18.moc"
