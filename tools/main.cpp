// tirtamaya-data: builds the data file Purnaka2000.dat from Bible texts and the project's tables.

#include "foundation/datafilewriter.h"
#include "foundation/version.h"
#include "tools/catalogue.h"
#include "tools/databuilder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;
using namespace tirta::databuilder;

namespace {

const auto kUsage = uR"(Pemakaian: tirtamaya-data [pilihan] KATALOG KELUARAN

Membangun berkas data Tirtamaya (Purnaka2000.dat) dari teks Alkitab dan tabel proyek
yang disebut KATALOG, lalu menulisnya ke KELUARAN. Semua masukan diperiksa lebih dulu;
bila ada kesalahan, setiap kesalahan dilaporkan sebagai berkas:baris: pesan, tidak ada
berkas yang ditulis, dan program keluar dengan kode 1.

Teks Alkitab berupa hasil mod2imp dari modul SWORD (baris "$$$Kitab P:A" lalu markup
OSIS ayat itu) atau berkas ayat (kode<TAB>pasal<TAB>ayat<TAB>teks per baris).
Bentuk KATALOG dan berkas-berkas lain diterangkan di tools/README.md.

KELUARAN harus bernama Purnaka2000.dat, nama yang dicari program, dan tidak boleh salah
satu masukan. Peringatan (kitab atau pasal yang tidak ada) tidak menghentikan pembangunan.

Pilihan:
  -t, --teks FOLDER   folder tempat berkas "Teks = ..." dicari (bawaan: folder KATALOG)
  -v, --rinci         sebutkan juga ayat kosong yang dilewati dan kitab di luar daftar
  -q, --diam          jangan tampilkan ringkasan
  -n, --nama-lain     izinkan KELUARAN dengan nama selain Purnaka2000.dat
  -h, --help          tampilkan bantuan ini, lalu keluar
      --version       tampilkan versi, lalu keluar

Kode keluar: 0 berhasil, 1 masukan ditolak atau berkas tidak dapat ditulis, 2 salah pakai.
)"_s;

void print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

/// Prints refusals, at most so many that the first ones stay on the screen.
void printDiagnostics(const Diagnostics& diagnostics)
{
    constexpr qsizetype kShown = 40;
    for (qsizetype i = 0; i < std::min(diagnostics.size(), kShown); ++i)
        print(stderr, diagnostics[i].toString() + u'\n');
    if (diagnostics.size() > kShown)
        print(stderr, u"... dan "_s + QString::number(diagnostics.size() - kShown) + u" masalah lain\n"_s);
}

/// Why the two arguments cannot be what they should be, or nothing.
QString wrongArguments(const QString& catalogue, const QString& output, bool anyName)
{
    QFile file(catalogue);
    if (file.open(QIODevice::ReadOnly) && file.read(15) == "SQLite format 3")
        return catalogue + u": ini berkas data, bukan katalog; urutannya KATALOG lalu KELUARAN"_s;
    if (!anyName && QFileInfo(output).fileName().compare(u"Purnaka2000.dat"_s, Qt::CaseInsensitive) != 0)
        return output
            + u": program hanya membuka berkas data bernama Purnaka2000.dat; beri nama itu, "_s
              u"atau pakai --nama-lain untuk nama lain"_s;
    return {};
}

QString summaryLine(const TranslationSummary& s)
{
    QString line = s.column + u"  "_s + s.name + u": "_s + QString::number(s.books) + u" kitab, "_s
        + QString::number(s.chapters) + u" pasal, "_s + QString::number(s.verses) + u" ayat"_s;
    if (!s.emptyVerses.isEmpty())
        line += u" ("_s + QString::number(s.emptyVerses.size()) + u" ayat kosong dilewati)"_s;
    return line;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"tirtamaya-data"_s);
    // Ctrl+C or a closed terminal leaves no half-built file behind.
    tirta::DataFileWriter::removePartFileOnSignals();

    QCommandLineParser parser;
    const QCommandLineOption texts({ u"t"_s, u"teks"_s }, {}, u"FOLDER"_s);
    const QCommandLineOption detailed({ u"v"_s, u"rinci"_s }, {});
    const QCommandLineOption quiet({ u"q"_s, u"diam"_s }, {});
    const QCommandLineOption anyName({ u"n"_s, u"nama-lain"_s }, {});
    const QCommandLineOption help({ u"h"_s, u"help"_s }, {});
    const QCommandLineOption version(u"version"_s, {});
    parser.addOptions({ texts, detailed, quiet, anyName, help, version });
    if (!parser.parse(QCoreApplication::arguments())) {
        print(stderr, parser.errorText() + u"\n\n"_s + kUsage);
        return 2;
    }
    if (parser.isSet(help)) {
        print(stdout, kUsage);
        return 0;
    }
    if (parser.isSet(version)) {
        print(
            stdout, u"tirtamaya-data ("_s + tirta::kProductName + u") "_s + tirta::versionNumbers() + u'\n');
        return 0;
    }
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() != 2) {
        print(stderr, kUsage);
        return 2;
    }
    if (const QString wrong = wrongArguments(arguments[0], arguments[1], parser.isSet(anyName));
        !wrong.isEmpty()) {
        print(stderr, wrong + u"\n\nPemakaian: tirtamaya-data [pilihan] KATALOG KELUARAN\n"_s);
        return 2;
    }

    QElapsedTimer timer;
    timer.start();
    const QString textFolder = parser.isSet(texts) ? QDir(parser.value(texts)).absolutePath() : QString();
    Diagnostics diagnostics;
    std::optional<Catalogue> catalogue = Catalogue::read(arguments[0], textFolder, &diagnostics);
    BuildReport report;
    const bool built
        = catalogue && DataBuilder(std::move(*catalogue)).build(arguments[1], &report, &diagnostics);
    if (!built) {
        printDiagnostics(diagnostics);
        print(stderr, u"Tidak ada berkas yang ditulis.\n"_s);
        return 1;
    }
    for (const Diagnostic& d : std::as_const(report.warnings))
        print(stderr, d.toWarningString() + u'\n');
    if (parser.isSet(quiet))
        return 0;

    const QLocale indonesian(QLocale::Indonesian);
    const double megabytes = static_cast<double>(QFileInfo(arguments[1]).size()) / (1024.0 * 1024.0);
    print(stdout,
        u"Ditulis: "_s + arguments[1] + u" ("_s + indonesian.toString(megabytes, 'f', 1) + u" MB, "_s
            + QString::number(report.chapterRows) + u" baris pasal, "_s + QString::number(report.deuteroRows)
            + u" baris Deuterokanonika) dalam "_s
            + indonesian.toString(static_cast<double>(timer.elapsed()) / 1000.0, 'f', 1) + u" detik\n"_s);
    auto list = [&](const TranslationSummary& s) {
        print(stdout, summaryLine(s) + u'\n');
        if (!parser.isSet(detailed))
            return;
        if (!s.emptyVerses.isEmpty())
            print(stdout, u"    ayat kosong: "_s + s.emptyVerses.join(u", "_s) + u'\n');
        if (!s.skippedBooks.isEmpty())
            print(stdout, u"    kitab di luar daftar: "_s + s.skippedBooks.join(u", "_s) + u'\n');
        if (!s.unusedBooks.isEmpty())
            print(stdout,
                u"    kitab Deuterokanonika yang tidak dipakai: "_s + s.unusedBooks.join(u", "_s) + u'\n');
    };
    for (const TranslationSummary& s : report.versions)
        list(s);
    for (const TranslationSummary& s : report.deutero)
        list(s);
    for (const StudyTableSummary& s : report.study) {
        QString line = s.table + u": "_s + indonesian.toString(s.rows) + u" baris dari "_s + s.source
            + u" ("_s + indonesian.toString(static_cast<double>(s.milliseconds) / 1000.0, 'f', 2)
            + u" detik)"_s;
        if (s.dropped.total() > 0)
            line += u"; dilewati: "_s + QString::number(s.dropped.unresolved) + u" rujukan tanpa ayat, "_s
                + QString::number(s.dropped.crossChapter) + u" rentang lintas pasal, "_s
                + QString::number(s.dropped.overflow) + u" melebihi tempat"_s;
        print(stdout, line + u'\n');
    }
    if (!report.tipsFile.isEmpty())
        print(stdout, u"Ditulis: "_s + report.tipsFile + u'\n');
    return 0;
}
