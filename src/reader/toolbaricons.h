#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QSize>

class QPainter;
class QRectF;

namespace tirta::reader {

/// The pictures of the main window's tool buttons, drawn at run time so that they stay sharp at
/// every size and screen scale.
enum class Pictogram
{
    Parallel, ///< two pages side by side with the same line marked
    Pericopes, ///< a page of headings and text
    Introduction, ///< an open book with an information sign
    Parables, ///< a speech bubble with a sprouting seed
    Prophecies, ///< a scroll with a fulfilment tick
    Map, ///< a folded map with a route and a pin
    Dictionary, ///< a closed book with a letter on its cover
    Deuterocanon, ///< three books on a shelf
    Bookmark, ///< a ribbon
    SearchResults, ///< a page under a magnifying glass
    ClipBook, ///< a clipboard
    ResultList, ///< a numbered list with a magnifying glass
};

inline constexpr int kPictogramCount = 12;

/// The colours a pictogram is drawn with.
struct PictogramInk
{
    QColor line; ///< outlines and text lines
    QColor paper; ///< the fill of pages and bubbles
    QColor accent; ///< the cool highlight
    QColor warm; ///< the warm highlight
    QColor leaf; ///< growing things
};

/// The look of a blue button of the "Toolbar Khas TY" style.
enum class BlueLook
{
    Normal,
    Hover, ///< the pointer is on the button
    Pressed,
    Disabled, ///< the feature behind the button is switched off
};

/// The picture tool button `index` (1–13) shows; 13 shows the search results like 10.
Pictogram pictogramForButton(int index);

/// The ink of the standard toolbar, enabled (`enabled`) or greyed.
PictogramInk standardInk(bool enabled = true);

/// Draws `which` scaled into `box` (a square reads best) with `ink`.
void drawPictogram(QPainter& painter, const QRectF& box, Pictogram which, const PictogramInk& ink);

/// An icon for a standard tool button that draws itself at any size; the disabled mode is greyed.
QIcon toolIcon(Pictogram which);

/// The size of a blue button in device-independent pixels.
QSize blueButtonSize();

/// One picture of a blue button: the rounded blue face with `which` on it, in the given look,
/// `size` device-independent pixels at `devicePixelRatio`.
QPixmap bluePicture(
    Pictogram which, BlueLook look, QSize size = blueButtonSize(), qreal devicePixelRatio = 1.0);

} // namespace tirta::reader
