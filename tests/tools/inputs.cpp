#include "inputs.h"

#include "tools/bookcodes.h"
#include "tools/catalogue.h"

#include <map>

namespace tirta::test {

using namespace Qt::StringLiterals;

bool SmallInputs::write(const std::vector<Change>& changes) const
{
    // Codes are found in any case, and blanks around a name do not count.
    QString secondNames = u"# Nama kitab Perjanjian Baru terjemahan dua\n"_s;
    for (const databuilder::BookEntry& book : databuilder::bibleBooks()) {
        if (book.testament == Testament::New)
            secondNames += book.code == u"John"_s ? u"john = Juan \n"_s
                                                  : book.code + u" = Kitab "_s + book.code + u'\n';
    }

    // Only the deuterocanonical books and the parables are switched on.
    QString menu;
    for (const QString& feature : databuilder::featureKeys())
        menu += feature
            + (feature == u"Deuterokanonika" || feature == u"Perumpamaan" ? u" = 1\n"_s : u" = 0\n"_s);

    std::map<QString, QString> files {
        { u"katalog.txt"_s,
            u"# Katalog kecil untuk uji\n"
            "[Versi]\n"
            "nr = 2\n"
            "NamaVersi = Terjemahan Dua\n"
            "NamaTabel = Kitab2\n"
            "Aktif = 1\n"
            "Teks = modul-dua.imp\n"
            "NamaKitab = nama-dua.txt\n"
            "HakCipta = hakcipta-dua.txt\n"
            "\n"
            "[Versi]\n"
            "nr = 1\n"
            "NamaVersi = Terjemahan Satu\n"
            "NamaTabel = Kitab1\n"
            "Teks = ayat-satu.txt\n"
            "\n"
            "[Deuterokanonika]\n"
            "nr = 1\n"
            "Teks = modul-dua.imp\n"
            "NamaKitab = nama-deutero.txt\n"
            "\n"
            "[Info]\n"
            "3 = etika.txt\n"
            "1 = tentang.txt\n"
            "\n"
            "[Menu]\n"_s
                + menu
                + u"\n"
                  "[Kitab]\n"
                  "Perikop = perikop.txt\n"
                  "Referensi = referensi.txt\n"
                  "Survai = 1\n"
                  "CiriKhas = 1\n"
                  "\n"
                  "[Perumpamaan]\n"
                  "Berkas = umpama.txt\n"
                  "\n"
                  "[Tip]\n"
                  "Berkas = tip.txt\n"_s },
        { u"ayat-satu.txt"_s,
            u"# Terjemahan satu: kode, pasal, ayat, teks\n"
            "Gen\t1\t1\tPada mulanya Allah menciptakan langit dan bumi.\n"
            "Gen\t1\t2\tBumi belum berbentuk  dan kosong.\r\n"
            "Gen\t1\t3\t\n"
            "\n"
            "Gen\t1\t4\tAllah melihat bahwa terang itu baik.\n"
            "Gen\t3\t1\tAdapun ular ialah yang paling cerdik.\n"
            "Ps\t3\t1\tMazmur Daud.\tYa TUHAN, betapa banyaknya lawanku!\n"
            "John\t3\t16\tKarena begitu besar kasih Allah akan dunia ini.\n"
            "John\t3\t17\tSebab Allah mengutus Anak-Nya.\n"_s },
        { u"modul-dua.imp"_s,
            u"$$$[ Module Heading ]\n"
            "<milestone type=\"x-importer\" subType=\"x-osis2mod\"/>\n"
            "$$$[ Testament 2 Heading ]\n"
            "\n"
            "$$$John 0:0\n"
            "<div canonical=\"true\" osisID=\"John\" sID=\"b1\" type=\"book\"/> <milestone n=\"Juan\" "
            "type=\"x-usfm-toc2\"/> <title type=\"main\">Juan</title>\n"
            "$$$John 3:0\n"
            "<chapter n=\"3\" osisID=\"John.3\" sID=\"John.3\"/>\n"
            "$$$John 3:16\n"
            "<q marker=\"\" who=\"Jesus\">¶ <w>Porque</w> de tal manera amó Dios al mundo, que ha dado á su "
            "<w>Hijo</w> unigénito</q><note placement=\"foot\">Gr. monogenes</note><q marker=\"\" "
            "who=\"Jesus\"><w>para</w> que todo aquel que en él cree, no se pierda.</q>\n"
            "$$$John 3:17\n"
            "<w>Porque</w> no envió Dios á su Hijo al mundo<transChange type=\"added\">para</transChange>"
            "<w>condenar</w> al mundo.\n"
            "$$$John 3:18\n"
            "<chapter eID=\"John.3\"/>\n"
            "$$$Jude 1:1\n"
            "<w>Judas</w>, siervo de Jesucristo.\n"
            "$$$Tobit 1:1\n"
            "<w>Libro</w> de las palabras de Tobit.\n"
            "$$$Prayer of Azariah 1:1\n"
            "\n"
            "$$$I Esdras 1:1\n"
            "Josías celebró la pascua.\n"_s },
        { u"ayat-tobit.txt"_s, u"Tob\t1\t1\tKitab Tobit.\n"_s },
        { u"nama-dua.txt"_s, secondNames },
        { u"nama-deutero.txt"_s,
            u"Tob = Tobit\nJdt = Yudit\nEsthGr = Tambahan Ester\nWis = Kebijaksanaan Salomo\nSir = Sirakh\n"
            "Bar = Barukh\nAddDan = Tambahan Daniel\n1Macc = I Makabe\n2Macc = II Makabe\n"_s },
        { u"hakcipta-dua.txt"_s, u"Baris satu\nBaris dua\n\n"_s },
        { u"etika.txt"_s, u"Kutiplah apa adanya.\nSebutkan sumbernya.\n"_s },
        { u"tentang.txt"_s, u"Data kecil untuk uji.\n"_s },
        { u"perikop.txt"_s, u"Kasih Allah == Yohanes 3:16-17\nPenciptaan == Kejadian 1:1-2\n"_s },
        { u"referensi.txt"_s, u"Yohanes 3:16 == Kejadian 1:1, Kejadian 1:2\n"_s },
        { u"umpama.txt"_s, u"Kasih | - | - | - | Yohanes 3:16-17\n"_s },
        { u"tip.txt"_s, u"Tip satu.\nTip dua.\n"_s },
    };

    for (const Change& change : changes) {
        const auto it = files.find(change.file);
        if (it == files.end() || !it->second.contains(change.from))
            return false;
        it->second.replace(change.from, change.to);
    }
    for (const auto& [name, content] : files) {
        if (writeInput(folder(), name, content.toUtf8()).isEmpty())
            return false;
    }
    return true;
}

bool SmallInputs::build(
    const QString& output, databuilder::BuildReport* report, databuilder::Diagnostics* diagnostics) const
{
    const std::optional<databuilder::Catalogue> read
        = databuilder::Catalogue::read(catalogue(), {}, diagnostics);
    return read && databuilder::DataBuilder(*read).build(output, report, diagnostics);
}

int lineOf(const QString& path, const QString& text)
{
    const QList<QByteArray> lines = readBytes(path).split('\n');
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        if (QString::fromUtf8(lines[i]).contains(text))
            return static_cast<int>(i) + 1;
    }
    return -1;
}

} // namespace tirta::test
