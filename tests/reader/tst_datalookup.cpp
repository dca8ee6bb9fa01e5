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

// Where the reader finds its data file and the files that come with it: beside the program (a
// build folder), in the installed folder, at the stored location, in a file named for one run, or
// in a folder the user is asked for.
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
    QString dataFile(const QString& place) const { return folder(place) + u"/Purnaka2000.dat"_s; }
    tirta::reader::Environment environment() const
    {
        tirta::reader::Environment environment = m_harness->environment();
        environment.installedFolder = folder(u"installed"_s);
        return environment;
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
    }
    void theDataFileIsLookedForInOrder()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, stored);
        QFETCH(QString, named);
        QFETCH(QString, opened);
        QFETCH(QString, kept);
        for (const QString& place : files)
            QVERIFY(QDir().mkpath(folder(place)) && !tirta::test::writeSampleBible(folder(place)).isEmpty());
        const tirta::SettingKey key = tirta::setting::location(m_harness->programFolder());
        if (!stored.isEmpty())
            m_harness->store().write(key, dataFile(stored));
        tirta::reader::Environment environment = this->environment();
        environment.dataFile = named.isEmpty() ? QString() : dataFile(named);
        FileDialog::setNextFileName(folder(u"asked"_s));

        Form1 form(environment);
        QVERIFY(form.Form_Load());
        QCOMPARE(form.dataFolderShown(), folder(opened) + u'/');
        QCOMPARE(FileDialog::shownCount(), opened == u"asked"_s ? 1 : 0);
        QCOMPARE(tirta::ui::MessageBox::shownCount(), 0);
        QCOMPARE(m_harness->store().read(key), dataFile(kept));
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
        QVERIFY(QDir().mkpath(folder(files)));
        QFile tips(folder(files) + u"/TY_tips.dat"_s);
        QVERIFY(tips.open(QIODevice::WriteOnly) && tips.write("Tip\r\n") > 0);
        tips.close();

        Form1 form(environment());
        QVERIFY(form.Form_Load());
        QCOMPARE(static_cast<tirta::ui::Reader&>(form).programFolder(), folder(files));
        QVERIFY(form.findChild<QAction*>(u"MenuTips"_s)->isVisible());
    }
};

TIRTA_TEST_MAIN(DataLookupTest)
#include "tst_datalookup.moc"
