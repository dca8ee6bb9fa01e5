// Builds the real demo data file from the installed SWORD modules and checks what went in.
// Skipped where the modules are not installed (they are not needed to build or test the program).

#include "foundation/datasession.h"
#include "support/testenv.h"
#include "tools/databuilder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tirta;
using namespace tirta::databuilder;

namespace {

const QStringList kModules { u"engWEB2015eb"_s, u"engKJV2006eb"_s, u"spaRV1909eb"_s };
/// The study sources: SWORD module name and the dump (and .conf) name the catalogue uses.
const QList<std::pair<QString, QString>> kStudyModules { { u"MHCC"_s, u"mhcc"_s },
    { u"Scofield"_s, u"scofield"_s }, { u"Nave"_s, u"nave"_s } };

/// Calls `word` for every run of letters and digits in a text, outside markup when `markup` is set.
template <typename Function> void forEachWord(QStringView text, bool markup, Function word)
{
    qsizetype start = -1;
    bool inTag = false;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const QChar c = i < text.size() ? text[i] : QChar(u' ');
        const bool letter = !inTag && (c.isLetterOrNumber() || c.isMark());
        if (letter && start < 0)
            start = i;
        if (!letter && start >= 0) {
            word(text.sliced(start, i - start));
            start = -1;
        }
        if (markup && c == u'<')
            inTag = true;
        else if (markup && c == u'>')
            inTag = false;
    }
}

/// Whether a word of the built text comes from the source: as written there, as the divine name
/// in capitals ("JAH" for "Jah"), or followed by a pronoun the source marks as added ("sáca" + "lo"
/// in Reina-Valera).
bool isSourceWord(QStringView word, const QSet<QStringView>& sourceWords)
{
    const QString capitalised = word.first(1).toString() + word.sliced(1).toString().toLower();
    if (sourceWords.contains(word) || sourceWords.contains(capitalised))
        return true;
    static const QRegularExpression pronoun(u"^(?:me|te|se|nos|os)?(?:lo|la|los|las|le|les)?$"_s);
    for (qsizetype i = 1; i < word.size(); ++i) {
        if (sourceWords.contains(word.first(i)) && pronoun.match(word.sliced(i).toString()).hasMatch())
            return true;
    }
    return false;
}

/// Dumps a SWORD module into `path` with mod2imp, from the modules in `swordPath` when given.
bool dumpModule(const QString& module, const QString& path, const QString& swordPath = {})
{
    QProcess process;
    if (!swordPath.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"SWORD_PATH"_s, swordPath);
        process.setProcessEnvironment(environment);
    }
    process.setStandardOutputFile(path);
    process.start(u"mod2imp"_s, { module });
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
}

} // namespace

class DemoDataTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    BuildReport m_report;
    std::unique_ptr<DataSession> m_session;
    QStringList m_dumps; ///< the raw dump of each translation, to tell the source's words from ours
    std::vector<QSet<QStringView>> m_sourceWords; ///< every word of each dump, outside the markup

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(u"mod2imp"_s).isEmpty())
            QSKIP("mod2imp is not installed (Debian package libsword-utils)");
        for (const QString& module : kModules + QStringList { u"mhcc"_s, u"scofield"_s, u"nave"_s }) {
            if (!QFile::exists(u"/usr/share/sword/mods.d/"_s + module + u".conf"_s))
                QSKIP("the SWORD modules of the demo data are not installed");
        }
        const QString texts = m_dir.filePath(u"teks"_s);
        QVERIFY(QDir().mkpath(texts));
        for (const QString& module : kModules) {
            QFile dump(QDir(texts).filePath(module + u".imp"_s));
            QVERIFY2(dumpModule(module, dump.fileName()), qPrintable(module));
            QVERIFY(dump.open(QIODevice::ReadOnly));
            m_dumps << QString::fromUtf8(dump.readAll());
        }
        // MHCC's .conf names the wrong driver: dump it from a private copy, as the demo script does.
        const QString sword = m_dir.filePath(u"sword"_s);
        QVERIFY(QDir().mkpath(sword + u"/mods.d"_s));
        QVERIFY(QDir().mkpath(sword + u"/modules/comments/zcom"_s));
        QVERIFY(QProcess::execute(u"cp"_s,
                    { u"-r"_s, u"/usr/share/sword/modules/comments/zcom/mhcc"_s,
                        sword + u"/modules/comments/zcom"_s })
            == 0);
        QFile conf(u"/usr/share/sword/mods.d/mhcc.conf"_s);
        QVERIFY(conf.open(QIODevice::ReadOnly));
        QFile fixed(sword + u"/mods.d/mhcc.conf"_s);
        QVERIFY(fixed.open(QIODevice::WriteOnly));
        fixed.write(conf.readAll().replace("ModDrv=zCom4\n", "ModDrv=zCom\n"));
        fixed.close();
        for (const auto& [module, dump] : kStudyModules) {
            QVERIFY2(dumpModule(module, QDir(texts).filePath(dump + u".imp"_s),
                         module == u"MHCC" ? sword : QString()),
                qPrintable(module));
        }
        // The picture files are drawn by the demo script; the catalogue only needs them to exist.
        QVERIFY(QDir().mkpath(m_dir.filePath(u"Peta"_s)));
        QFile pictures(QStringLiteral(TIRTA_SOURCE_DIR "/tools/data/gambar.txt"));
        QVERIFY(pictures.open(QIODevice::ReadOnly));
        for (const QByteArray& line : pictures.readAll().split('\n')) {
            if (!line.startsWith('#') && line.count('|') == 3) {
                QFile file(m_dir.filePath(u"Peta/"_s + QString::fromUtf8(line.split('|')[2].trimmed())));
                QVERIFY(file.open(QIODevice::WriteOnly));
            }
        }

        for (const QString& dump : std::as_const(m_dumps)) {
            QSet<QStringView> words;
            forEachWord(dump, true, [&](QStringView w) { words.insert(w); });
            m_sourceWords.push_back(std::move(words));
        }

        Diagnostics diagnostics;
        const std::optional<Catalogue> catalogue = Catalogue::read(
            QStringLiteral(TIRTA_SOURCE_DIR "/tools/data/katalog.txt"), texts, &diagnostics);
        QVERIFY2(catalogue, qPrintable(diagnostics.value(0).toString()));
        const QString output = m_dir.filePath(u"Purnaka2000.dat"_s);
        QVERIFY2(DataBuilder(*catalogue).build(output, &m_report, &diagnostics),
            qPrintable(diagnostics.value(0).toString()));
        DataFailure failure;
        m_session = DataSession::open(output, &failure);
        QVERIFY2(m_session, qPrintable(describe(failure)));
    }

    void countsPerTranslation_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("column");
        QTest::addColumn<int>("verses");
        QTest::addColumn<int>("emptyVerses");
        QTest::addColumn<QString>("john316");
        // The modules' verse entries: 31,102 in the KJV order; the WEB leaves 9 of its own
        // 31,104 without words (Luke 17:36 ...) and Reina-Valera 18 (Jonah 1:17 ...).
        QTest::newRow("World English Bible") << 0 << u"Kitab1"_s << 31095 << 9
                                             << u"3:16 For God so loved the world, that he gave his only "
                                                u"born Son, that whoever believes in him "
                                                "should not perish, but have eternal life."_s;
        QTest::newRow("King James Version") << 1 << u"Kitab2"_s << 31102 << 0
                                            << u"3:16 For God so loved the world, that he gave his only "
                                               u"begotten Son, that whosoever believeth in "
                                               "him should not perish, but have everlasting life."_s;
        QTest::newRow("Reina-Valera 1909") << 2 << u"Kitab3"_s << 31084 << 18
                                           << u"3:16 Porque de tal manera amó Dios al mundo, que ha dado á "
                                              u"su Hijo unigénito, para que todo aquel "
                                              "que en él cree, no se pierda, mas tenga vida eterna."_s;
    }

    void countsPerTranslation()
    {
        QFETCH(int, index);
        QFETCH(QString, column);
        QFETCH(int, verses);
        QFETCH(int, emptyVerses);
        QFETCH(QString, john316);
        const TranslationSummary& summary = m_report.versions.at(index);
        QCOMPARE(summary.column, column);
        QCOMPARE(summary.books, 66);
        QCOMPARE(summary.chapters, 1189);
        QCOMPARE(summary.verses, verses);
        QCOMPARE(summary.emptyVerses.size(), emptyVerses);
        Recordset& chapters = m_session->recordset(Role::Chapters);
        QVERIFY(chapters.findFirst(u"Buku='Yohanes' AND Bab=3"_s));
        QCOMPARE(chapters.text(column).split(u"\r\n"_s).value(15), john316);
    }

    void deuterocanonicalBooks()
    {
        QCOMPARE(m_report.deutero.size(), size_t(1));
        const TranslationSummary& summary = m_report.deutero[0];
        // Tambahan Daniel has no words in this module; Greek Esther only chapters 1 to 10.
        QCOMPARE(summary.books, 8);
        QCOMPARE(summary.chapters, 147);
        QCOMPARE(summary.verses, 4238);
        Recordset& deutero = m_session->recordset(Role::Deutero);
        QVERIFY(deutero.findFirst(u"urutan=1 AND Bab=1"_s));
        QVERIFY(deutero.text(u"Kitab1").startsWith(u"1:1 The book of the words of Tobit"_s));
        QCOMPARE(deutero.text(u"Buku1"), u"Tobit"_s);
        QVERIFY(deutero.findFirst(u"urutan=7 AND Bab=14"_s));
        QVERIFY(deutero.isNull(u"Kitab1"));
        QVERIFY(!m_session->thirdDeuteroAvailable());
    }

    void versesAreCleanPlainText()
    {
        static const QRegularExpression mark(u"^(\\d+):(\\d+) \\S"_s);
        static const QRegularExpression gluedWord(u"\\w*\\p{Ll}\\p{Lu}\\w*"_s);
        const QStringList columns { u"Kitab1"_s, u"Kitab2"_s, u"Kitab3"_s };
        QList<int> lines { 0, 0, 0 };
        Recordset& chapters = m_session->recordset(Role::Chapters);
        for (chapters.moveFirst(); !chapters.eof(); chapters.moveNext()) {
            const QString chapter = chapters.text(u"Bab");
            for (int t = 0; t < columns.size(); ++t) {
                // Every chapter has its text: an empty one fails the mark below.
                const QStringList verses = chapters.text(columns[t]).split(u"\r\n"_s);
                lines[t] += static_cast<int>(verses.size());
                for (const QString& line : verses) {
                    const QString where = columns[t] + u' ' + chapters.text(u"Buku") + u' ' + line.left(60);
                    const QRegularExpressionMatch m = mark.match(line);
                    QVERIFY2(m.hasMatch() && m.captured(1) == chapter, qPrintable(where));
                    QVERIFY2(m.captured(2).toInt() <= chapters.number(u"Ayat"), qPrintable(where));
                    QVERIFY2(!line.contains(u'<') && !line.contains(u'>'), qPrintable(where));
                    QVERIFY2(!line.contains(u"  "_s) && !line.endsWith(u' '), qPrintable(where));
                    QVERIFY2(!line.contains(u'¶'), qPrintable(where));
                    // A word with a capital after a small letter must be the source's own spelling.
                    for (const QRegularExpressionMatch& glued : gluedWord.globalMatch(line))
                        QVERIFY2(m_dumps[t].contains(glued.captured()), qPrintable(where));
                    // Every word comes from the source: removed markup never glues two together.
                    bool known = true;
                    forEachWord(line, false,
                        [&](QStringView w) { known = known && isSourceWord(w, m_sourceWords[t]); });
                    QVERIFY2(known, qPrintable(where));
                }
            }
        }
        // What the file holds agrees with the report, and no chapter is missing.
        QCOMPARE(chapters.recordCount(), 1189);
        for (int t = 0; t < columns.size(); ++t)
            QCOMPARE(lines[t], m_report.versions.at(t).verses);
    }

    void studyTablesAreFilled()
    {
        QStringList filled;
        for (const StudyTableSummary& s : m_report.study)
            filled << s.table + u'=' + QString::number(s.rows);
        // Rows per table as the Debian 12 packages give them (sword-comm-mhcc 2.0, sword-comm-scofield
        // 2.1, sword-dict-naves 3.0, sword-text-web 426.0) and the project's own tables.
        for (const QString& table : { u"UsysKitab.Intro=66"_s, u"UsysKitab.Pengantar=66"_s,
                 u"UsysKitab.Perikop=3036"_s, u"UsysKitab.Referensi=1680"_s, u"UsysKitab.Survai=66"_s,
                 u"UsysKitab.CiriKhas=66"_s, u"UsysKamus=5362"_s, u"UsysTematik=24518"_s, u"UsysUmpama=40"_s,
                 u"UsysNubuat=42"_s, u"UsysGambar=6"_s, u"TY_tips.dat=26"_s })
            QVERIFY2(filled.contains(table), qPrintable(table + u" among "_s + filled.join(u", "_s)));
    }

    void knownStudyRows()
    {
        Recordset& books = m_session->recordset(Role::Books);
        QVERIFY(books.findFirst(u"Kitab1='Yohanes'"_s));
        QVERIFY(books.text(u"Perikop").contains(u"==(Yohanes#3:1-"_s));
        QVERIFY(books.text(u"Referensi").contains(u"\r\n#3#@"_s));
        Recordset& dictionary = m_session->recordset(Role::Dictionary);
        QVERIFY(dictionary.findFirst(u"Entri='Love'"_s));
        QVERIFY(dictionary.findFirst(u"Entri='Abaddon'"_s));
        QVERIFY(dictionary.text(u"Penjelasan").startsWith(u"Abaddon is Hebrew for destruction."_s));
        Recordset& parables = m_session->recordset(Role::Parables);
        QVERIFY(parables.findFirst(u"Perumpamaan='Penabur'"_s));
        for (const QString& gospel : { u"Matius"_s, u"Markus"_s, u"Lukas"_s })
            QVERIFY(!parables.isNull(gospel));
        QVERIFY(parables.isNull(u"Yohanes"));

        // The glossary no longer hangs on the last verse.
        Recordset& chapters = m_session->recordset(Role::Chapters);
        QVERIFY(chapters.findFirst(u"Buku='Wahyu' AND Bab=22"_s));
        QVERIFY(chapters.text(u"Kitab1").endsWith(u"saints. Amen."_s));

        Recordset& menu = m_session->recordset(Role::MenuSwitches);
        for (menu.moveFirst(); !menu.eof(); menu.moveNext())
            QCOMPARE(menu.number(u"Aktif") != 0, menu.text(u"NamaMenu") != u"Commentary");
    }

    void wordsAsPrinted()
    {
        // Pronouns Reina-Valera adds to a verb stay on it; the divine name keeps its capitals; every
        // letter of Psalm 119 opens its part; a psalm's superscription opens its first verse.
        const struct
        {
            const char16_t* column;
            const char16_t* chapter;
            const char16_t* words;
        } printed[] = {
            { u"Kitab3", u"Buku='Kejadian' AND Bab=19", u"sácalo de este lugar" },
            { u"Kitab3", u"Buku='Lukas' AND Bab=11", u"11:3 El pan nuestro de cada día, dánoslo hoy." },
            { u"Kitab2", u"Buku='Bilangan' AND Bab=23", u"while I meet the LORD yonder." },
            { u"Kitab1", u"Buku='Mazmur' AND Bab=119", u"119:169 TAV Let my cry" },
            { u"Kitab2", u"Buku='Mazmur' AND Bab=3",
                u"3:1 A Psalm of David, when he fled from Absalom his son." },
        };
        Recordset& chapters = m_session->recordset(Role::Chapters);
        for (const auto& [column, chapter, words] : printed) {
            QVERIFY2(
                chapters.findFirst(QString::fromUtf16(chapter)), qPrintable(QString::fromUtf16(chapter)));
            QVERIFY2(chapters.text(column).contains(QString::fromUtf16(words)),
                qPrintable(QString::fromUtf16(words)));
        }
    }
};

TIRTA_TEST_MAIN_CORE(DemoDataTest)
#include "tst_demodata.moc"
