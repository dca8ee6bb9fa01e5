#include "fileproblem.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

using namespace Qt::StringLiterals;

namespace tirta {

QString readProblem(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return u"File itu tidak ada (lagi). Periksa nama dan foldernya, lalu coba lagi."_s;
    if (file.isDir())
        return u"Nama itu adalah sebuah folder, bukan file. Pilih sebuah file."_s;
    if (!file.isReadable())
        return u"Anda tidak mempunyai izin untuk membaca file itu. Periksa izin file atau pilih file lain."_s;
    return u"File itu tidak dapat dibaca, mungkin sedang dipakai program lain atau disknya bermasalah. "
           u"Tutup program lain yang memakainya, lalu coba lagi."_s;
}

QString writeProblem(const QString& path, const QString& reason)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists())
        return u"Folder tujuan tidak ada. Pilih folder lain atau buat folder itu lebih dahulu."_s;
    if (file.isDir())
        return u"Nama itu adalah sebuah folder. Ketik nama file yang lain."_s;
    if (!folder.isWritable() || (file.exists() && !file.isWritable()))
        return u"Anda tidak mempunyai izin untuk menulis di sana. Simpan di folder lain, misalnya folder "
               u"Dokumen Anda."_s;
    if (!reason.isEmpty())
        return reason + u" Simpan di folder atau disk lain, atau coba lagi setelah masalahnya diatasi."_s;
    const QStorageInfo storage(folder.absoluteFilePath());
    if (storage.isValid() && storage.bytesAvailable() <= 0)
        return u"Disk tujuan sudah penuh. Kosongkan sebagian ruang disk atau simpan di disk lain."_s;
    return u"File itu tidak dapat ditulis, mungkin disknya penuh atau file itu sedang dipakai program lain. "
           u"Tutup program lain yang memakainya atau simpan dengan nama lain."_s;
}

} // namespace tirta
