#include "translator.h"

#include <QCoreApplication>
#include <QString>

namespace tirta::ui {

namespace {

struct Entry
{
    const char* context; // nullptr: any context
    const char* source;
    const char* target; // UTF-8
};

// Qt 6.4's source texts. Mnemonics (&) are kept in the Indonesian text where Qt has one, on a letter
// that does not clash with the other labels of the same dialog.
constexpr Entry kEntries[] = {
    // Standard buttons (QPlatformTheme, the desktop themes and QDialogButtonBox).
    { nullptr, "OK", "OK" },
    { nullptr, "&OK", "&OK" },
    { nullptr, "Save", "Simpan" },
    { nullptr, "&Save", "&Simpan" },
    { nullptr, "Save All", "Simpan Semua" },
    { nullptr, "Open", "Buka" },
    { nullptr, "&Open", "&Buka" },
    { nullptr, "Yes", "Ya" },
    { nullptr, "&Yes", "&Ya" },
    { nullptr, "Yes to All", "Ya untuk Semua" },
    { nullptr, "Yes to &All", "Ya untuk &Semua" },
    { nullptr, "No", "Tidak" },
    { nullptr, "&No", "&Tidak" },
    { nullptr, "No to All", "Tidak untuk Semua" },
    { nullptr, "N&o to All", "Tidak untuk Se&mua" },
    { nullptr, "Abort", "Batalkan" },
    { nullptr, "Retry", "Coba Lagi" },
    { nullptr, "Ignore", "Abaikan" },
    { nullptr, "Close", "Tutup" },
    { nullptr, "&Close", "&Tutup" },
    { nullptr, "Cancel", "Batal" },
    { nullptr, "&Cancel", "&Batal" },
    { nullptr, "Discard", "Buang" },
    { nullptr, "Don't Save", "Jangan Simpan" },
    { nullptr, "Close without Saving", "Tutup tanpa Menyimpan" },
    { nullptr, "Help", "Bantuan" },
    { nullptr, "Apply", "Terapkan" },
    { nullptr, "Reset", "Atur Ulang" },
    { nullptr, "Restore Defaults", "Kembalikan Bawaan" },

    // QMessageBox.
    { nullptr, "Show Details...", "Tampilkan Rincian..." },
    { nullptr, "Hide Details...", "Sembunyikan Rincian..." },
    { nullptr, "About Qt", "Tentang Qt" },

    // QFileDialog, QFileSystemModel and the side bar.
    { nullptr, "Look in:", "Lihat di:" },
    { nullptr, "File &name:", "&Nama file:" },
    { nullptr, "Files of type:", "Jenis file:" },
    { nullptr, "&Choose", "&Pilih" },
    { nullptr, "Directory:", "Folder:" },
    { nullptr, "Save As", "Simpan Sebagai" },
    { nullptr, "Find Directory", "Cari Folder" },
    { nullptr, "Back", "Kembali" },
    { nullptr, "Forward", "Maju" },
    { nullptr, "Go back", "Kembali" },
    { nullptr, "Go forward", "Maju" },
    { nullptr, "Parent Directory", "Folder Induk" },
    { nullptr, "Go to the parent directory", "Ke folder induk" },
    { nullptr, "Create New Folder", "Buat Folder Baru" },
    { nullptr, "Create a New Folder", "Buat Folder Baru" },
    { nullptr, "List View", "Tampilan Daftar" },
    { nullptr, "Change to list view mode", "Tampilkan sebagai daftar" },
    { nullptr, "Detail View", "Tampilan Rinci" },
    { nullptr, "Change to detail view mode", "Tampilkan dengan rincian" },
    { nullptr, "New Folder", "Folder Baru" },
    { nullptr, "&New Folder", "Folder &Baru" },
    { nullptr, "&Rename", "&Ganti Nama" },
    { nullptr, "&Delete", "&Hapus" },
    { nullptr, "Show &hidden files", "Tampilkan file &tersembunyi" },
    { nullptr, "All Files (*)", "Semua File (*)" },
    { nullptr, "Directories", "Folder" },
    { nullptr, "Recent Places", "Tempat Terakhir" },
    { nullptr, "Sidebar", "Panel Samping" },
    { nullptr, "%1 already exists.\nDo you want to replace it?",
        "%1 sudah ada.\nApakah Anda ingin menggantinya?" },
    { nullptr, "Are you sure you want to delete '%1'?", "Apakah Anda yakin ingin menghapus '%1'?" },
    { nullptr, "'%1' is write protected.\nDo you want to delete it anyway?",
        "'%1' dilindungi dari penulisan.\nApakah Anda tetap ingin menghapusnya?" },
    { nullptr, "Could not delete directory.", "Folder tidak dapat dihapus." },
    { nullptr, "%1\nFile not found.\nPlease verify the correct file name was given.",
        "%1\nFile tidak ditemukan.\nPastikan nama file yang diberikan benar." },
    { nullptr, "%1\nDirectory not found.\nPlease verify the correct directory name was given.",
        "%1\nFolder tidak ditemukan.\nPastikan nama folder yang diberikan benar." },
    { nullptr, "Name", "Nama" },
    { nullptr, "Size", "Ukuran" },
    { nullptr, "Type", "Jenis" },
    { nullptr, "Date Modified", "Tanggal Diubah" },
    { nullptr, "My Computer", "Komputer Saya" },
    { nullptr, "Computer", "Komputer" },
    { nullptr, "File Folder", "Folder File" },
    { nullptr, "Folder", "Folder" },
    { nullptr, "File", "File" },
    { nullptr, "Unknown", "Tidak diketahui" },

    // QFontDialog and QFontDatabase.
    { nullptr, "Select Font", "Pilih Font" },
    { nullptr, "Font", "Font" },
    { nullptr, "&Font", "&Font" },
    { nullptr, "Font st&yle", "&Gaya font" },
    { nullptr, "&Size", "&Ukuran" },
    { nullptr, "Effects", "Efek" },
    { nullptr, "Stri&keout", "&Coret" },
    { nullptr, "&Underline", "Garis &bawah" },
    { nullptr, "Sample", "Contoh" },
    { nullptr, "Wr&iting System", "&Sistem Tulisan" },
    { "QFontDatabase", "Normal", "Normal" },
    { "QFontDatabase", "Bold", "Tebal" },
    { "QFontDatabase", "Italic", "Miring" },
    { "QFontDatabase", "Oblique", "Miring" },
    { "QFontDatabase", "Any", "Semua" },

    // QColorDialog.
    { nullptr, "Select Color", "Pilih Warna" },
    { nullptr, "&Basic colors", "Warna &dasar" },
    { nullptr, "&Custom colors", "Warna &khusus" },
    { nullptr, "&Add to Custom Colors", "&Tambahkan ke Warna Khusus" },
    { nullptr, "&Pick Screen Color", "&Ambil Warna Layar" },
    { nullptr, "Cursor at %1, %2\nPress ESC to cancel", "Penunjuk di %1, %2\nTekan ESC untuk membatalkan" },
    { nullptr, "Hu&e:", "&Rona:" },
    { nullptr, "&Sat:", "&Saturasi:" },
    { nullptr, "&Val:", "&Nilai:" },
    { nullptr, "&Red:", "&Merah:" },
    { nullptr, "&Green:", "Hi&jau:" },
    { nullptr, "Bl&ue:", "B&iru:" },
    { nullptr, "A&lpha channel:", "Kanal a&lfa:" },
    { nullptr, "&HTML:", "&HTML:" },

    // QPrintDialog, its properties and page set-up, and the print preview.
    { nullptr, "Print", "Cetak" },
    { nullptr, "&Print", "&Cetak" },
    { nullptr, "Print To File ...", "Cetak ke File ..." },
    { nullptr, "Print to File (PDF)", "Cetak ke File (PDF)" },
    { nullptr, "&Options >>", "&Opsi >>" },
    { nullptr, "&Options <<", "&Opsi <<" },
    { nullptr, "Local file", "File lokal" },
    { nullptr, "Write PDF file", "Tulis file PDF" },
    { nullptr, "Printer", "Printer" },
    { nullptr, "&Name:", "&Nama:" },
    { nullptr, "P&roperties", "P&roperti" },
    { nullptr, "Properties", "Properti" },
    { nullptr, "Location:", "Lokasi:" },
    { nullptr, "Preview", "Pratinjau" },
    { nullptr, "Type:", "Jenis:" },
    { nullptr, "Output &file:", "&File keluaran:" },
    { nullptr, "Print range", "Rentang cetak" },
    { nullptr, "Print all", "Cetak semua" },
    { nullptr, "Pages from", "Halaman dari" },
    { nullptr, "to", "sampai" },
    { nullptr, "Pages", "Halaman" },
    { nullptr, "Current Page", "Halaman Ini" },
    { nullptr, "Selection", "Pilihan" },
    { nullptr, "Output Settings", "Pengaturan Keluaran" },
    { nullptr, "Copies", "Salinan" },
    { nullptr, "Copies:", "Salinan:" },
    { nullptr, "Collate", "Susun" },
    { nullptr, "Reverse", "Urutan terbalik" },
    { nullptr, "Options", "Opsi" },
    { nullptr, "Color Mode", "Mode Warna" },
    { nullptr, "Color", "Warna" },
    { nullptr, "Grayscale", "Skala abu-abu" },
    { nullptr, "Duplex Printing", "Cetak Bolak-balik" },
    { nullptr, "None", "Tidak ada" },
    { nullptr, "Long side", "Sisi panjang" },
    { nullptr, "Short side", "Sisi pendek" },
    { nullptr, "Page", "Halaman" },
    { nullptr, "Advanced", "Lanjutan" },
    { nullptr, "Paper", "Kertas" },
    { nullptr, "Page size:", "Ukuran halaman:" },
    { nullptr, "Width:", "Lebar:" },
    { nullptr, "Height:", "Tinggi:" },
    { nullptr, "Paper source:", "Sumber kertas:" },
    { nullptr, "Orientation", "Orientasi" },
    { nullptr, "Portrait", "Tegak" },
    { nullptr, "Landscape", "Mendatar" },
    { nullptr, "Reverse landscape", "Mendatar terbalik" },
    { nullptr, "Reverse portrait", "Tegak terbalik" },
    { nullptr, "Margins", "Margin" },
    { nullptr, "Page Setup", "Pengaturan Halaman" },
    { nullptr, "Print Preview", "Pratinjau Cetak" },
    { nullptr, "Pages per sheet:", "Halaman per lembar:" },
    { nullptr, "Page order:", "Urutan halaman:" },

    // Context menu of QLineEdit, QTextEdit and the scroll bars.
    { nullptr, "&Undo", "&Urungkan" },
    { nullptr, "&Redo", "U&langi" },
    { nullptr, "Cu&t", "&Potong" },
    { nullptr, "&Copy", "&Salin" },
    { nullptr, "Copy &Link Location", "Salin &Lokasi Tautan" },
    { nullptr, "&Paste", "&Tempel" },
    { nullptr, "Delete", "Hapus" },
    { nullptr, "Select All", "Pilih Semua" },
    { nullptr, "Scroll here", "Gulir ke sini" },
    { nullptr, "Left edge", "Tepi kiri" },
    { nullptr, "Top", "Atas" },
    { nullptr, "Right edge", "Tepi kanan" },
    { nullptr, "Bottom", "Bawah" },
    { nullptr, "Page left", "Satu halaman ke kiri" },
    { nullptr, "Page up", "Satu halaman ke atas" },
    { nullptr, "Page right", "Satu halaman ke kanan" },
    { nullptr, "Page down", "Satu halaman ke bawah" },
    { nullptr, "Scroll left", "Gulir ke kiri" },
    { nullptr, "Scroll up", "Gulir ke atas" },
    { nullptr, "Scroll right", "Gulir ke kanan" },
    { nullptr, "Scroll down", "Gulir ke bawah" },

    // QWizard and QProgressDialog.
    { nullptr, "< &Back", "< &Kembali" },
    { nullptr, "&Next >", "&Lanjut >" },
    { nullptr, "&Finish", "&Selesai" },
};

QByteArray contextKey(const char* context, const char* source)
{
    return QByteArray(context) + '\x1f' + source;
}

} // namespace

IndonesianTranslator::IndonesianTranslator(QObject* parent)
    : QTranslator(parent)
{
    for (const Entry& entry : kEntries) {
        const QString target = QString::fromUtf8(entry.target);
        if (entry.context)
            m_byContext.insert(contextKey(entry.context, entry.source), target);
        else
            m_bySource.insert(QByteArray(entry.source), target);
    }
}

QString IndonesianTranslator::translate(
    const char* context, const char* sourceText, const char* disambiguation, int n) const
{
    Q_UNUSED(disambiguation);
    Q_UNUSED(n);
    if (!sourceText || !*sourceText)
        return {};
    if (context) {
        const auto found = m_byContext.constFind(contextKey(context, sourceText));
        if (found != m_byContext.constEnd())
            return *found;
    }
    return m_bySource.value(QByteArray(sourceText));
}

bool IndonesianTranslator::isEmpty() const
{
    return false;
}

IndonesianTranslator* installIndonesianTranslator(QCoreApplication& app)
{
    auto* translator = new IndonesianTranslator(&app);
    QCoreApplication::installTranslator(translator);
    return translator;
}

} // namespace tirta::ui
