#include "foundation/settings.h"
#include "reader/form1.h"
#include "support/readerharness.h"
#include "support/samplebible.h"
#include "support/testenv.h"
#include "uikit/filedialog.h"
#include "uikit/messagebox.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using tirta::ui::FileDialog;
using tirta::ui::MessageBox;

// Where the reader finds its data file and the files that come with it: beside the program (a
// build folder), in the installed folder ("share/tirtamaya"), at the stored location, in a file
// named for one run, or in a folder the user is asked for.
class DataLookupTest : public QObject
{
    Q_OBJECT

    enum Place
    {
        Nowhere,
        Program,
        Installed,
        Stored,
        Named,
        Asked
    };

    std::unique_ptr<tirta::test::ReaderHarness> m_harness;
    QTemporaryDir m_root;

    QString folderOf(Place place) const
    {
        switch (place) {
        case Program:
            return m_harness->programFolder();
        case Installed:
            return m_root.filePath(u"share/tirtamaya"_s);
        case Stored:
            return m_root.filePath(u"tersimpan"_s);
        case Named:
            return m_root.filePath(u"disebut"_s);
        case Asked:
            return m_root.filePath(u"dipilih"_s);
        case Nowhere:
            break;
        }
        return {};
    }

private Q_SLOTS:
    void init()
    {
        m_harness = std::make_unique<tirta::test::ReaderHarness>();
        QDir(m_root.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_root.path()));
    }

    void theDataFileIsLookedForInOrder_data()
    {
        QTest::addColumn<QList<int>>("files"); // the places that hold a data file
        QTest::addColumn<bool>("stored"); // a location is stored (the Stored place)
        QTest::addColumn<bool>("named"); // --data names the Named place's file
        QTest::addColumn<int>("opened");
        QTest::addColumn<int>("kept"); // the place of the stored location afterwards

        QTest::newRow("beside the program first")
            << QList<int> { Program, Installed } << false << false << int(Program) << int(Program);
        QTest::newRow("then the installed folder")
            << QList<int> { Installed } << false << false << int(Installed) << int(Installed);
        QTest::newRow("then the folder asked for")
            << QList<int> { Asked } << false << false << int(Asked) << int(Asked);
        QTest::newRow("a stored location comes first")
            << QList<int> { Program, Installed, Stored } << true << false << int(Stored) << int(Stored);
        QTest::newRow("a stored location that is gone is asked for")
            << QList<int> { Installed, Asked } << true << false << int(Asked) << int(Asked);
        QTest::newRow("a named file serves this run only")
            << QList<int> { Program, Named } << false << true << int(Named) << int(Nowhere);
        QTest::newRow("a named file does not change the stored one")
            << QList<int> { Stored, Named } << true << true << int(Named) << int(Stored);
    }
    void theDataFileIsLookedForInOrder()
    {
        QFETCH(QList<int>, files);
        QFETCH(bool, stored);
        QFETCH(bool, named);
        QFETCH(int, opened);
        QFETCH(int, kept);
        for (const int place : files) {
            QVERIFY(QDir().mkpath(folderOf(Place(place))));
            QVERIFY(!tirta::test::writeSampleBible(folderOf(Place(place))).isEmpty());
        }
        const auto locationOf
            = [this](Place place) -> QString { return folderOf(place) + u"/Purnaka2000.dat"_s; };
        const tirta::SettingKey key = tirta::setting::location(m_harness->programFolder());
        if (stored)
            m_harness->store().write(key, locationOf(Stored));
        tirta::reader::Environment environment = m_harness->environment();
        environment.installedFolder = folderOf(Installed);
        if (named)
            environment.dataFile = locationOf(Named);
        FileDialog::setNextFileName(folderOf(Asked));

        Form1 form(environment);
        QVERIFY(form.Form_Load());
        QCOMPARE(form.dataFolderShown(), folderOf(Place(opened)) + u'/');
        QCOMPARE(FileDialog::shownCount(), opened == Asked ? 1 : 0);
        QCOMPARE(MessageBox::shownCount(), 0);
        const QString expected = kept == Nowhere ? u"-"_s : locationOf(Place(kept));
        QCOMPARE(m_harness->store().read(key.section, key.key, u"-"_s), expected);
    }

    void aNamedFileThatIsMissingEndsTheRun()
    {
        QVERIFY(!tirta::test::writeSampleBible(m_harness->programFolder()).isEmpty());
        tirta::reader::Environment environment = m_harness->environment();
        environment.dataFile = m_root.filePath(u"tidak-ada.dat"_s);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        Form1 form(environment);
        QVERIFY(!form.Form_Load());
        QVERIFY(MessageBox::lastText().contains(environment.dataFile));
        QCOMPARE(FileDialog::shownCount(), 0); // the user named a file: nothing else is offered
    }

    // Tips, pictures and a help file come from the installed folder when there is one, so an
    // installed program finds them; a build folder has none and keeps them beside the program.
    void theProgramsFilesComeFromTheInstalledFolderWhenThereIsOne_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::newRow("installed") << true;
        QTest::newRow("build folder") << false;
    }
    void theProgramsFilesComeFromTheInstalledFolderWhenThereIsOne()
    {
        QFETCH(bool, installed);
        QVERIFY(!tirta::test::writeSampleBible(m_harness->programFolder()).isEmpty());
        const QString files = installed ? folderOf(Installed) : m_harness->programFolder();
        QVERIFY(QDir().mkpath(files));
        QFile tips(files + u"/TY_tips.dat"_s);
        QVERIFY(tips.open(QIODevice::WriteOnly));
        tips.write("Tip\r\n");
        tips.close();
        tirta::reader::Environment environment = m_harness->environment();
        environment.installedFolder = folderOf(Installed);

        Form1 form(environment);
        QVERIFY(form.Form_Load());
        QCOMPARE(static_cast<tirta::ui::Reader&>(form).programFolder(), files);
        QVERIFY(form.findChild<QAction*>(u"MenuTips"_s)->isVisible());
    }
};

TIRTA_TEST_MAIN(DataLookupTest)
#include "tst_datalookup.moc"
