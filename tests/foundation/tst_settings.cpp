#include "foundation/checksum.h"
#include "foundation/safefile.h"
#include "foundation/settings.h"
#include "support/testenv.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tirta;

class SettingsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void checksumWeightsRunOneToFourThenTwoToFour_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sum");
        QTest::newRow("empty") << QString() << QString();
        // Weights 1 2 3 4 2 3 4 2: eight "a" give 97 * 21.
        QTest::newRow("weights wrap") << u"aaaaaaaa"_s << QString::number(97 * 21);
        QTest::newRow("latin letter") << u"\u00e9"_s << u"233"_s;
        QTest::newRow("euro sign") << u"\u20ac"_s << u"128"_s;
        QTest::newRow("outside the code page") << u"\u0410"_s << u"63"_s;
        QTest::newRow("outside the plane counts once") << u"\U0001F600a"_s << QString::number(63 + 2 * 97);
    }
    void checksumWeightsRunOneToFourThenTwoToFour()
    {
        QFETCH(QString, text);
        QFETCH(QString, sum);
        QCOMPARE(SearchKeyChecksum(text), sum);
    }

    void twoInstallationsKeepSeparateSettings()
    {
        const QString first = applicationNameForFolder(u"/opt/tirtamaya");
        const QString second = applicationNameForFolder(u"/home/ani/tirtamaya");
        QVERIFY(first != second);
        SettingsStore a(m_dir.path(), first);
        a.write(setting::fontSize, u"14"_s);
        SettingsStore b(m_dir.path(), second);
        QCOMPARE(b.read(setting::fontSize), u"10"_s);
        QCOMPARE(SettingsStore(m_dir.path(), first).read(setting::fontSize), u"14"_s);
    }

    void keysIgnoreCaseAndMissingOnesGiveDefaults()
    {
        SettingsStore store(m_dir.path(), u"kunci"_s);
        QCOMPARE(store.read(setting::optimal), u"1"_s);
        QCOMPARE(store.read(setting::fontName), u"Times New Roman"_s);
        QCOMPARE(store.read(setting::location(u"/opt/ty"_s)), u"/opt/ty/PURNAKA2000.DAT"_s);
        QCOMPARE(store.read(setting::location(u"/"_s)), u"/PURNAKA2000.DAT"_s);
        store.write(u"Opsi"_s, u"Optimal"_s, u"0"_s);
        QCOMPARE(store.read(u"OPSI"_s, u"optimal"_s, u"1"_s), u"0"_s);
        store.write(u"opsi"_s, u"OPTIMAL"_s, u"1"_s);
        QCOMPARE(store.read(setting::optimal), u"1"_s);
        store.remove(u"OpSi"_s, u"optimal"_s);
        QCOMPARE(store.read(u"Opsi"_s, u"Optimal"_s, u"-"_s), u"-"_s);
    }

    void valuesSurviveAndOddOnesCountAsOff()
    {
        const QString name = u"simpan"_s;
        {
            SettingsStore store(m_dir.path(), name);
            store.write(setting::location(u"/x"_s), u"/data/Ruang Baca/PURNAKA2000.DAT"_s);
            store.write(setting::sbar, u"ya"_s);
            store.write(setting::tbar, u" 1 "_s);
            store.write(setting::fontName, u"DejaVu Serif = tebal\r\n[font]"_s);
            QVERIFY(store.lastError().isEmpty());
        }
        SettingsStore store(m_dir.path(), name);
        QCOMPARE(store.read(setting::location(u"/x"_s)), u"/data/Ruang Baca/PURNAKA2000.DAT"_s);
        QVERIFY(!store.isOn(setting::sbar));
        QVERIFY(store.isOn(setting::tbar));
        QCOMPARE(store.read(setting::fontName), u"DejaVu Serif = tebal  [font]"_s);
        QCOMPARE(store.read(setting::fontSize), u"10"_s);
    }

    void fontSizeStaysDrawable_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<double>("size");
        QTest::newRow("ordinary") << u"12.5"_s << 12.5;
        QTest::newRow("huge") << u"9500"_s << kLargestFontSize;
        QTest::newRow("tiny") << u"0.5"_s << kSmallestFontSize;
        QTest::newRow("not a size") << u"-4"_s << 10.0;
        QTest::newRow("not a number") << u"nan"_s << 10.0;
    }
    void fontSizeStaysDrawable()
    {
        QFETCH(QString, stored);
        QFETCH(double, size);
        SettingsStore store(m_dir.path(), u"huruf"_s);
        store.write(setting::fontSize, stored);
        QCOMPARE(restoreDisplay(store).fontSize, size);
    }

    void firstStartShowsEveryBand()
    {
        const DisplaySettings d = restoreDisplay(SettingsStore(m_dir.path(), u"baru"_s));
        QVERIFY(d.toolbar && d.statusBar && d.bookPanel && d.searchBar && d.optimalSearch && d.separateIntro);
        QVERIFY(!d.saveSettings && !d.showTip && !d.flushResults);
        QVERIFY(d.blueToolbar);
    }

    void exitSavesInOrderWhenKept()
    {
        ExitState s;
        s.display.saveSettings = true;
        s.display.searchBar = false;
        s.display.fontSize = 12.5;
        s.display.fontName = u"DejaVu Serif"_s;
        s.mainTranslation = 3;
        s.parallelTranslation = 2;
        s.oldTestament = false;
        s.bookIndex = 26;
        s.chapterIndex = 21;
        s.parallelHidden = false;
        QStringList written;
        for (const auto& change : exitSaveList(s))
            written << change.key.key + u'=' + change.text.value_or(u"<hapus>"_s);
        QCOMPARE(written,
            QStringList({ u"pbar=0"_s, u"tbar=1"_s, u"sbar=1"_s, u"klist=1"_s, u"bbar=1"_s, u"Tip=0"_s,
                u"flush=0"_s, u"Optimal=1"_s, u"splitIntro=1"_s, u"saveset=1"_s, u"size=12.5"_s,
                u"name=DejaVu Serif"_s, u"aktif1=3"_s, u"aktif2=2"_s, u"perj=0"_s, u"buku=26"_s,
                u"pasal=21"_s, u"padanan=0"_s }));
    }

    void notKeepingForgetsEverythingButTheLocation()
    {
        SettingsStore store(m_dir.path(), u"lupa"_s);
        store.write(setting::location(u"/x"_s), u"/data/PURNAKA2000.DAT"_s);
        store.write(setting::etika, u"1"_s);
        ExitState s;
        s.display.saveSettings = true;
        s.display.fontSize = 16;
        applyExitSettings(store, s);
        QCOMPARE(store.read(setting::fontSize), u"16"_s);

        s.display.saveSettings = false;
        applyExitSettings(store, s);
        SettingsStore next(m_dir.path(), u"lupa"_s);
        QCOMPARE(next.read(setting::fontSize), u"10"_s);
        QCOMPARE(next.read(setting::etika), u"0"_s);
        QCOMPARE(next.read(setting::saveset), u"0"_s);
        QCOMPARE(next.read(setting::location(u"/x"_s)), u"/data/PURNAKA2000.DAT"_s);
    }

    void aStoreThatCannotBeWrittenSaysSo()
    {
        const QString blocker = m_dir.filePath(u"bukan-folder"_s);
        QVERIFY(writeFileWhole(blocker, {}));
        SettingsStore store(blocker, u"kunci"_s);
        store.write(setting::fontSize, u"12"_s);
        QVERIFY(!store.lastError().isEmpty());
        // The value still holds for the rest of the run.
        QCOMPARE(store.read(setting::fontSize), u"12"_s);
    }

    void aFullDiskKeepsTheOldFileAndNothingUnchangedIsWritten()
    {
        const QString path = m_dir.filePath(u"penuh.ini"_s);
        const QByteArray old = "; tulisan tangan\n[font]\nsize=12\n";
        QVERIFY(writeFileWhole(path, old));
        SettingsStore store(m_dir.path(), u"penuh"_s);
        const SimulatedFullDisk full(0);
        // The start writes the values it read: nothing changed, so the disk is not touched.
        store.write(setting::fontSize, u"12"_s);
        store.apply({ { setting::aktif1, std::nullopt } });
        QVERIFY(store.lastError().isEmpty());
        store.write(setting::fontSize, u"14"_s);
        QCOMPARE(store.lastError(), u"Ruang disk tidak cukup."_s);
        QCOMPARE(test::fileBytes(path), old);
    }

    void aHugeFileLoadsInLinearTime()
    {
        // Every key looked up among all the earlier ones took minutes at this size.
        QByteArray text = "[Opsi]\n";
        for (int i = 0; i < 200000; ++i)
            text += "k" + QByteArray::number(i) + "=1\n";
        text += "[font]\nSIZE=13\n";
        QVERIFY(writeFileWhole(m_dir.filePath(u"besar.ini"_s), text));
        const SettingsStore store(m_dir.path(), u"besar"_s);
        QCOMPARE(store.read(setting::fontSize), u"13"_s);
    }
};

TIRTA_TEST_MAIN_CORE(SettingsTest)
#include "tst_settings.moc"
