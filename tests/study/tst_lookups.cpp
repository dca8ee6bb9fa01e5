#include "study/dictionary.h"
#include "study/form18.h"
#include "study/form9.h"
#include "support/fakereader.h"
#include "support/samplebible.h"
#include "support/testenv.h"
#include "support/widgettexts.h"
#include "uikit/widgets.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
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

/// The windows that look a word up: the dictionary (Form9), over several thousand headwords, and
/// the thematic verses (Form18), with themes gathered across case and blanks, excerpts of
/// translation 1 and the ClipBook entry headed by the theme.
class LookupsTest : public QObject
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
        const std::pair<QString, QString> themes[] = { { u"Kasih"_s, u"Yohanes#3:16"_s },
            { u" kasih "_s, u"Yohanes#3:17-18"_s }, { u"KASIH"_s, u"Matius#1:2"_s },
            { u"Allah's"_s, u"Matius#2:1"_s }, { u"Doa"_s, u"Matius#1:1"_s } };
        for (const auto& [theme, reference] : themes)
            builder.row(u"UsysTematik"_s, { { u"Topik"_s, theme }, { u"Ayat"_s, reference } });
        QStringList headwords { u"Abaddon"_s, u"Abba"_s, u"Abraham"_s, u"Abram"_s, u"abu"_s, u"Ma'on"_s };
        for (int n = 0; n < 5000; ++n)
            headwords << u"Kata %1"_s.arg(n, 4, 10, QChar(u'0'));
        for (const QString& headword : std::as_const(headwords))
            builder.row(
                u"UsysKamus"_s, { { u"Entri"_s, headword }, { u"Penjelasan"_s, explanation(headword) } });
        builder.row(u"UsysKamus"_s, { { u"Entri"_s, u"Zaitun"_s }, { u"Penjelasan"_s, QVariant() } });
        m_session = builder.open(m_dir.filePath(u"studi.dat"_s));
        QVERIFY(m_session);
        m_reader = std::make_unique<tirta::test::FakeReader>(*m_session, m_dir.path());
    }

    void dictionaryLooksUpWhileTyping_data()
    {
        QTest::addColumn<QString>("keys"); // "\b" is a backspace
        QTest::addColumn<QString>("selected"); // empty: nothing selected
        QTest::addColumn<QString>("shown");
        QTest::newRow("first of several") << u"ab"_s << u"Abaddon"_s << u"Abaddon"_s;
        QTest::newRow("narrowing") << u"abr"_s << u"Abraham"_s << u"Abraham"_s;
        QTest::newRow("lower-case headword, case ignored") << u"ABU"_s << u"abu"_s << u"abu"_s;
        QTest::newRow("widening") << u"abram\b\b\b"_s << u"Abaddon"_s << u"Abaddon"_s;
        QTest::newRow("no match keeps the explanation") << u"abx"_s << QString() << u"Abaddon"_s;
        QTest::newRow("among thousands") << u"kata 4321"_s << u"Kata 4321"_s << u"Kata 4321"_s;
        QTest::newRow("apostrophe") << u"ma'"_s << u"Ma'on"_s << u"Ma'on"_s;
        QTest::newRow("no value shows nothing new") << u"zai"_s << u"Zaitun"_s << QString();
    }

    void dictionaryLooksUpWhileTyping()
    {
        QFETCH(QString, keys);
        QFETCH(QString, selected);
        QFETCH(QString, shown);
        Form9 form(*m_reader);
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

    void themesOpenAtTheFirstThemeAndReference()
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

    void themeCopyToClipBookHeadsTheEntryWithTheTheme()
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

TIRTA_TEST_MAIN(LookupsTest)
#include "tst_lookups.moc"
