#include "pictures.h"

#include "foundation/recordset.h"

#include <QFileInfo>

#include <algorithm>

namespace tirta::collections {

using namespace Qt::StringLiterals;

QString withSeparator(const QString& folder)
{
    if (folder.endsWith(u'/') || folder.endsWith(u'\\'))
        return folder;
    return folder + u'/';
}

QString picturePath(const PictureFolders& folders, const QString& fileName)
{
    const QString primary = withSeparator(folders.dataFolder) + u"Peta/"_s + fileName;
    if (!fileName.isEmpty() && QFileInfo(primary).isFile())
        return primary;
    return withSeparator(folders.programFolder) + u"peta/"_s + fileName;
}

bool pictureExists(const PictureFolders& folders, const QString& fileName)
{
    return !fileName.isEmpty() && QFileInfo(picturePath(folders, fileName)).isFile();
}

QStringList categoryNames(Recordset& categories)
{
    QStringList names;
    for (categories.moveFirst(); !categories.eof(); categories.moveNext()) {
        if (!categories.isNull(u"Kategori"))
            names << categories.text(u"Kategori");
    }
    return names;
}

QStringList titlesOfCategory(Recordset& catalogue, const QString& category, const PictureFolders& folders)
{
    const bool all = category == kAllPictures;
    QStringList titles;
    for (catalogue.moveFirst(); !catalogue.eof(); catalogue.moveNext()) {
        const bool listed = all ? pictureExists(folders, catalogue.text(u"Gambar"))
                                : catalogue.text(u"Kategori") == category;
        if (listed)
            titles << catalogue.text(u"Judul");
    }
    return titles;
}

ScrollRange scrollRange(int pictureExtent, int viewportExtent)
{
    ScrollRange range;
    if (pictureExtent <= viewportExtent)
        return range;
    range.enabled = true;
    range.maximum = pictureExtent - viewportExtent;
    range.pageStep = std::max(1, viewportExtent / 2);
    range.singleStep = range.pageStep;
    return range;
}

} // namespace tirta::collections
