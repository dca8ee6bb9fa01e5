#include "collections/pictures.h"
#include "collections/titles.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
namespace collections = tirta::collections;

/// Titles in proper case and where a picture file is looked for.
class CollectionLogicTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_data;
    QTemporaryDir m_program;

    static bool touch(const QString& path)
    {
        QFile file(path);
        return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly);
    }

private Q_SLOTS:
    void properCase_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("every word") << u"domba yang HILANG"_s << u"Domba Yang Hilang"_s;
        QTest::newRow("hyphen joins") << u"PENGGARAP-PENGGARAP KEBUN"_s << u"Penggarap-penggarap Kebun"_s;
        QTest::newRow("blanks kept") << u" dua\tspasi  "_s << u" Dua\tSpasi  "_s;
        QTest::newRow("accented") << u"\u00c9LIA dan ABRAHAM"_s << u"\u00c9lia Dan Abraham"_s;
    }

    void properCase()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(collections::properCase(text), expected);
    }

    void picturePath_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("dataEnd"); // how the data folder is written at its end
        QTest::addColumn<QString>("expected"); // "data" or "program"
        QTest::newRow("data folder first") << u"both.png"_s << QString() << u"data"_s;
        QTest::newRow("data folder with its separator") << u"both.png"_s << u"/"_s << u"data"_s;
        QTest::newRow("program folder when missing") << u"missing.png"_s << QString() << u"program"_s;
    }

    void picturePath()
    {
        QFETCH(QString, file);
        QFETCH(QString, dataEnd);
        QFETCH(QString, expected);
        QVERIFY(touch(m_data.filePath(u"Peta/both.png"_s)));
        QVERIFY(touch(m_program.filePath(u"peta/both.png"_s)));
        const collections::PictureFolders folders { m_data.path() + dataEnd, m_program.path() };
        const QString path = collections::picturePath(folders, file);
        QCOMPARE(path,
            expected == u"data"_s ? m_data.path() + u"/Peta/"_s + file
                                  : m_program.path() + u"/peta/"_s + file);
        QCOMPARE(collections::pictureExists(folders, file), file != u"missing.png"_s);
    }
};

TIRTA_TEST_MAIN_CORE(CollectionLogicTest)
#include "tst_collectionlogic.moc"
