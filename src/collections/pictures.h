#pragma once

#include <QString>
#include <QStringList>

namespace tirta {
class Recordset;
}

namespace tirta::collections {

/// The first entry of the category chooser, which lists every picture.
inline constexpr QStringView kAllPictures = u" - Semua Gambar - ";

/// The folders a picture file is looked for in: the data file's folder (its "Peta" folder first)
/// and the program's folder (its "peta" folder).
struct PictureFolders
{
    QString dataFolder;
    QString programFolder;
};

/// `folder` with a "/" at its end, unless it already ends in a separator.
QString withSeparator(const QString& folder);

/// Where the picture file `fileName` is: in "Peta" of the data folder when it is there, otherwise
/// in "peta" of the program folder (whether or not it is there).
QString picturePath(const PictureFolders& folders, const QString& fileName);

/// Whether the picture file `fileName` is in either folder.
bool pictureExists(const PictureFolders& folders, const QString& fileName);

/// The category names of the categories recordset, first to last; a row without a name is left out.
QStringList categoryNames(Recordset& categories);

/// The titles of the catalogue rows listed under `category`, in catalogue order: the rows of that
/// category, or with `kAllPictures` every row whose picture file is there.
QStringList titlesOfCategory(Recordset& catalogue, const QString& category, const PictureFolders& folders);

/// How a scroll bar moves a picture in its viewport along one direction.
struct ScrollRange
{
    bool enabled = false; ///< only when the picture is larger than the viewport
    int maximum = 0; ///< the picture's overhang; the value runs from 0 to it
    int pageStep = 0; ///< half the viewport
    int singleStep = 0; ///< the same as a page
};

/// The scroll bar of a picture `pictureExtent` pixels long shown in a viewport `viewportExtent` long.
ScrollRange scrollRange(int pictureExtent, int viewportExtent);

} // namespace tirta::collections
