#include "filedialog.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QMimeDatabase>
#include <QQueue>
#include <QtGlobal>

using namespace Qt::StringLiterals;

namespace tirta::ui {

namespace {

struct Seam
{
    QQueue<QString> names;
    QString lastCaption;
    int shownCount = 0;
};

Seam& seam()
{
    static Seam state;
    return state;
}

enum class Kind
{
    Open,
    Save,
    Directory
};

QString defaultCaption(Kind kind)
{
    switch (kind) {
    case Kind::Open:
        return u"Buka"_s;
    case Kind::Save:
        return u"Simpan"_s;
    case Kind::Directory:
        return u"Pilih Folder"_s;
    }
    return {};
}

/// The size, type and date columns of the file list in the program's (Indonesian) locale: Qt
/// formats them in the system's, which is often the C locale ("bytes", "KiB", English month names).
class IndonesianColumns final : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files || index.column() < 1 || index.column() > 3)
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        const QLocale locale;
        switch (index.column()) {
        case 1:
            return files->isDir(source)
                ? QString()
                : locale.formattedDataSize(files->size(source), 1, QLocale::DataSizeTraditionalFormat);
        case 2:
            if (!files->isDir(source))
                return QMimeDatabase().mimeTypeForFile(files->fileInfo(source)).comment();
            break;
        default:
            return locale.toString(files->lastModified(source), QLocale::ShortFormat);
        }
        return QIdentityProxyModel::data(index, role);
    }
};

// Answers from the queue or, without one, runs the dialog. Returns the first selected path.
QString run(Kind kind, QWidget* parent, const QString& caption, const QString& dir, const QString& filter,
    QString* selectedFilter)
{
    Seam& state = seam();
    const QString title = caption.isEmpty() ? defaultCaption(kind) : caption;
    state.lastCaption = title;
    ++state.shownCount;

    if (!state.names.isEmpty())
        return state.names.dequeue();
    if (qEnvironmentVariableIntValue("TIRTA_NO_MODAL") == 1) {
        qWarning(
            "FileDialog: no queued file name for \"%s\"; treating it as cancelled", qUtf8Printable(title));
        return {};
    }

    QFileDialog dialog(parent, title, dir, filter);
    switch (kind) {
    case Kind::Open:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    case Kind::Save:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        break;
    case Kind::Directory:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly, true);
        break;
    }
    FileDialog::applyIndonesianLabels(dialog);
    if (selectedFilter && !selectedFilter->isEmpty())
        dialog.selectNameFilter(*selectedFilter);

    if (dialog.exec() != QDialog::Accepted)
        return {};
    if (selectedFilter)
        *selectedFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().value(0);
}

} // namespace

void FileDialog::applyIndonesianLabels(QFileDialog& dialog)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    if (!dynamic_cast<IndonesianColumns*>(dialog.proxyModel()))
        dialog.setProxyModel(new IndonesianColumns(&dialog));
    dialog.setLabelText(QFileDialog::LookIn, u"Lihat di:"_s);
    dialog.setLabelText(QFileDialog::FileName, u"Nama file:"_s);
    dialog.setLabelText(QFileDialog::FileType, u"Jenis file:"_s);
    dialog.setLabelText(QFileDialog::Reject, u"Batal"_s);
    QString accept;
    if (dialog.fileMode() == QFileDialog::Directory)
        accept = u"Pilih"_s;
    else if (dialog.acceptMode() == QFileDialog::AcceptSave)
        accept = u"Simpan"_s;
    else
        accept = u"Buka"_s;
    dialog.setLabelText(QFileDialog::Accept, accept);
}

QString FileDialog::getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
    const QString& filter, QString* selectedFilter)
{
    return run(Kind::Open, parent, caption, dir, filter, selectedFilter);
}

QString FileDialog::getSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
    const QString& filter, QString* selectedFilter)
{
    return run(Kind::Save, parent, caption, dir, filter, selectedFilter);
}

QString FileDialog::getExistingDirectory(QWidget* parent, const QString& caption, const QString& dir)
{
    return run(Kind::Directory, parent, caption, dir, {}, nullptr);
}

void FileDialog::setNextFileName(const QString& fileName)
{
    seam().names.enqueue(fileName);
}

QString FileDialog::lastCaption()
{
    return seam().lastCaption;
}

int FileDialog::shownCount()
{
    return seam().shownCount;
}

void FileDialog::resetForTest()
{
    seam() = Seam {};
}

} // namespace tirta::ui
