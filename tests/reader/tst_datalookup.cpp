#include "foundation/safefile.h"
#include "foundation/settings.h"
#include "reader/form1.h"
#include "reader/form15.h"
#include "support/readerharness.h"
#include "support/samplebible.h"
#include "support/testenv.h"
#include "uikit/filedialog.h"
#include "uikit/messagebox.h"
#include "uikit/widgets.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::ui::FileDialog;
using tirta::ui::MessageBox;
using tirta::ui::named;

// Where the reader finds its data file and the files that come with it: beside the program (a
// build folder), in the installed folder, at the stored location, in a file named for one run, or
// in a folder the user is asked for; and what it does when none opens.
class DataLookupTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<tirta::test::ReaderHarness> m_harness;
    std::unique_ptr<QTemporaryDir> m_root;

    /// The folder of a place: "program", or "installed", "stored", "named", "asked" in the test's own.
    QString folder(const QString& place) const
    {
        return place == u"program"_s ? m_harness->programFolder() : m_root->filePath(place);
    }
    /// The data file of a place; the folder asked for holds it in capitals, as a copied one may.
    QString dataFile(const QString& place) const
    {
        return folder(place) + (place == u"asked"_s ? u"/PURNAKA2000.DAT"_s : u"/Purnaka2000.dat"_s);
    }
    tirta::reader::Environment environment() const
    {
        tirta::reader::Environment environment = m_harness->environment();
        environment.installedFolder = folder(u"installed"_s);
        return environment;
    }
    /// Writes `bytes` as the file `name` of a place; its path, or empty on failure.
    QString writeFile(const QString& place, const QString& name, const QByteArray& bytes) const
    {
        QFile file(folder(place) + u'/' + name);
        if (!QDir().mkpath(folder(place)) || !file.open(QIODevice::WriteOnly)
            || file.write(bytes) != bytes.size())
            return {};
        return file.fileName();
    }
    /// The data location the settings keep, or "-".
    QString storedLocation() const { return m_harness->store().read(u"Opsi"_s, u"Location"_s, u"-"_s); }
    /// Whether the last message reports `file` as damaged: in Indonesian, naming the file, without
    /// the engine's own words.
    static bool reportsDamaged(const QString& file)
    {
        const QString text = MessageBox::lastText();
        return text.contains(u"rusak"_s) && text.contains(file) && !text.contains(u"database"_s);
    }

private Q_SLOTS:
    void init()
    {
        m_harness = std::make_unique<tirta::test::ReaderHarness>();
        m_root = std::make_unique<QTemporaryDir>();
    }

    void theDataFileIsLookedForInOrder_data()
    {
        QTest::addColumn<QStringList>("files"); // the places that hold a data file
        QTest::addColumn<QString>("stored"); // the place of the stored location, if any
        QTest::addColumn<QString>("named"); // the place of the file named for this run, if any
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("kept"); // the place of the stored location afterwards

        const QString none;
        QTest::newRow("beside the program first")
            << QStringList { u"program"_s, u"installed"_s } << none << none << u"program"_s << u"program"_s;
        QTest::newRow("then the installed folder")
            << QStringList { u"installed"_s } << none << none << u"installed"_s << u"installed"_s;
        QTest::newRow("then the folder asked for")
            << QStringList { u"asked"_s } << none << none << u"asked"_s << u"asked"_s;
        QTest::newRow("a stored location comes first")
            << QStringList { u"program"_s, u"installed"_s, u"stored"_s } << u"stored"_s << none << u"stored"_s
            << u"stored"_s;
        QTest::newRow("a stored location that is gone is asked for")
            << QStringList { u"installed"_s, u"asked"_s } << u"stored"_s << none << u"asked"_s << u"asked"_s;
        QTest::newRow("a named file is for this run only")
            << QStringList { u"stored"_s, u"named"_s } << u"stored"_s << u"named"_s << u"named"_s
            << u"stored"_s;
        // A stored file that no longer opens is reported and asked for like a missing one.
        QTest::newRow("a stored file that is damaged")
            << QStringList { u"asked"_s } << u"foreign"_s << none << u"asked"_s << u"asked"_s;
        QTest::newRow("a stored file that is empty")
            << QStringList { u"asked"_s } << u"empty"_s << none << u"asked"_s << u"asked"_s;
    }
    void theDataFileIsLookedForInOrder()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, stored);
        QFETCH(QString, named);
        QFETCH(QString, opened);
        QFETCH(QString, kept);
        for (const QString& place : files) {
            QVERIFY(QDir().mkpath(folder(place)));
            QVERIFY(!tirta::test::writeSampleBible(folder(place), QFileInfo(dataFile(place)).fileName())
                         .isEmpty());
        }
        const bool damaged = stored == u"foreign"_s || stored == u"empty"_s;
        if (damaged) {
            QVERIFY(!writeFile(stored, u"Purnaka2000.dat"_s, stored == u"foreign"_s ? "bukan data" : "")
                         .isEmpty());
            MessageBox::setNextAnswer(QMessageBox::Ok);
        }
        if (!stored.isEmpty())
            m_harness->store().write(tirta::setting::location(m_harness->programFolder()), dataFile(stored));
        tirta::reader::Environment environment = this->environment();
        environment.dataFile = named.isEmpty() ? QString() : dataFile(named);
        FileDialog::setNextFileName(folder(u"asked"_s));

        Form1 form(environment);
        QVERIFY(form.Form_Load());
        QCOMPARE(form.dataFolderShown(), folder(opened) + u'/');
        QCOMPARE(FileDialog::shownCount(), opened == u"asked"_s ? 1 : 0);
        if (opened == u"asked"_s)
            QCOMPARE(FileDialog::lastCaption(), u"Pilih lokasi database Tirtamaya"_s);
        QCOMPARE(MessageBox::shownCount(), damaged ? 1 : 0);
        if (damaged)
            QVERIFY2(reportsDamaged(dataFile(stored)), qPrintable(MessageBox::lastText()));
        // Kept with the file's own spelling.
        QCOMPARE(storedLocation(), dataFile(kept));
    }

    // Without a data file that opens the program cannot run: it says why and keeps nothing.
    void theProgramEndsWithoutADataFileThatOpens_data()
    {
        QTest::addColumn<QString>("chosen"); // the folder the user chooses, if any
        QTest::newRow("cancelled") << QString();
        QTest::newRow("a folder without the file") << u"asked"_s;
        QTest::newRow("a damaged file") << u"foreign"_s;
    }
    void theProgramEndsWithoutADataFileThatOpens()
    {
        QFETCH(QString, chosen);
        const QString junk = writeFile(u"foreign"_s, u"Purnaka2000.dat"_s, "bukan data");
        QVERIFY(!junk.isEmpty());
        QVERIFY(!writeFile(u"asked"_s, u"lain.txt"_s, "lain").isEmpty());
        FileDialog::setNextFileName(chosen.isEmpty() ? QString() : folder(chosen));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        Form1 form(m_harness->environment());
        QVERIFY(!form.Form_Load());
        QCOMPARE(FileDialog::shownCount(), 1);
        QCOMPARE(MessageBox::pendingAnswers(), 0);
        QCOMPARE(storedLocation(), u"-"_s);
        if (chosen == u"foreign"_s) {
            QVERIFY2(reportsDamaged(junk), qPrintable(MessageBox::lastText()));
            return;
        }
        // The folder named is the one looked in last: the program's own, or the one chosen.
        QCOMPARE(MessageBox::lastText(),
            u"Data Tirtamaya tidak ditemukan \r\npada direktori : "_s
                + folder(chosen.isEmpty() ? u"program"_s : chosen)
                + u"/.\r\nJalankan kembali program dan pilih folder yang sesuai."_s);
    }

    void dataLocationDialogTakesOnlyAFolderItCanUse()
    {
        tirta::SettingsStore s(m_harness->settingsFolder(), u"lokasi"_s);
        const QString junk = writeFile(u"damaged"_s, u"PURNAKA2000.DAT"_s, "bukan data");
        QVERIFY(!junk.isEmpty());
        QVERIFY(QDir().mkpath(folder(u"asked"_s)));
        Form15 dialog(s, u"/DATA/LAMA/"_s);
        auto* location = named<QLineEdit>(&dialog, "txtLocation");
        // A damaged file is refused, naming it.
        FileDialog::setNextFileName(folder(u"damaged"_s));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        named<QPushButton>(&dialog, "cmdBrowse")->click();
        QVERIFY(MessageBox::lastText().contains(junk));
        QCOMPARE(location->text(), u"/DATA/LAMA/"_s);
        // A folder without the file is taken only when the user confirms it.
        FileDialog::setNextFileName(folder(u"asked"_s));
        MessageBox::setNextAnswer(QMessageBox::Cancel);
        named<QPushButton>(&dialog, "cmdBrowse")->click();
        QCOMPARE(MessageBox::lastTitle(), u"Lokasi Data"_s);
        QCOMPARE(MessageBox::lastText(),
            u"File Purnaka2000.DAT tidak ditemukan di lokasi yang anda pilih. \r\nTetap gunakan lokasi baru ini?"_s);
        QCOMPARE(location->text(), u"/DATA/LAMA/"_s);
        named<QPushButton>(&dialog, "cmdOK")->click();
        QCOMPARE(s.read(u"Opsi"_s, u"Location"_s, u"-"_s), u"-"_s);

        FileDialog::setNextFileName(folder(u"asked"_s));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        named<QPushButton>(&dialog, "cmdBrowse")->click();
        QCOMPARE(location->text(), folder(u"asked"_s) + u'/');
        QCOMPARE(location->palette().color(QPalette::Text), QColor(Qt::red));
        {
            // A location that could not be kept is reported, and the dialog stays open.
            const tirta::SimulatedFullDisk full(0);
            MessageBox::setNextAnswer(QMessageBox::Ok);
            dialog.show();
            named<QPushButton>(&dialog, "cmdOK")->click();
            QVERIFY(MessageBox::lastText().contains(u"Ruang disk tidak cukup."_s));
            QVERIFY(dialog.isVisible());
        }
        named<QPushButton>(&dialog, "cmdOK")->click();
        QCOMPARE(s.read(u"Opsi"_s, u"Location"_s, QString()), folder(u"asked"_s) + u"/Purnaka2000.dat"_s);
    }

    // Tips, pictures and a help file come from the installed folder when there is one, so an
    // installed program finds them; a build folder has none and keeps them beside the program.
    void theProgramsFilesComeFromTheInstalledFolderWhenThereIsOne_data()
    {
        QTest::addColumn<QString>("files");
        QTest::newRow("installed") << u"installed"_s;
        QTest::newRow("build folder") << u"program"_s;
    }
    void theProgramsFilesComeFromTheInstalledFolderWhenThereIsOne()
    {
        QFETCH(QString, files);
        QVERIFY(!tirta::test::writeSampleBible(m_harness->programFolder()).isEmpty());
        QVERIFY(!writeFile(files, u"TY_tips.dat"_s, "Tip\r\n").isEmpty());
        Form1 form(environment());
        QVERIFY(form.Form_Load());
        QCOMPARE(static_cast<tirta::ui::Reader&>(form).programFolder(), folder(files));
        QVERIFY(named<QAction>(&form, "MenuTips")->isVisible());
    }
};

TIRTA_TEST_MAIN(DataLookupTest)
#include "tst_datalookup.moc"
