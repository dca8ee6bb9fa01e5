#include "toolbaricons.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QRectF>

using namespace Qt::StringLiterals;

namespace tirta::reader {

namespace {

// Every pictogram is drawn on a 24 × 24 grid; the painter is scaled to the target box.
constexpr qreal kGrid = 24.0;
constexpr qreal kLine = 1.5;

QPen pen(const QColor& colour, qreal width = kLine)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void lines(QPainter& p, qreal x1, qreal x2, std::initializer_list<qreal> ys)
{
    for (qreal y : ys)
        p.drawLine(QPointF(x1, y), QPointF(x2, y));
}

void magnifier(QPainter& p, const PictogramInk& ink, QPointF centre, qreal radius, qreal handle)
{
    QColor glass = ink.accent;
    glass.setAlpha(70);
    p.setPen(pen(ink.line, 1.8));
    p.setBrush(glass);
    p.drawEllipse(centre, radius, radius);
    const qreal reach = radius * 0.7071;
    p.setPen(pen(ink.line, 2.8));
    p.drawLine(centre + QPointF(reach + 0.6, reach + 0.6), centre + QPointF(reach + handle, reach + handle));
}

void drawParallel(QPainter& p, const PictogramInk& ink)
{
    p.setPen(pen(ink.line));
    p.setBrush(ink.paper);
    p.drawRect(QRectF(2.5, 4, 8.5, 16));
    p.drawRect(QRectF(13, 4, 8.5, 16));
    // The same verse marked in both translations.
    p.setPen(pen(ink.warm, 2));
    p.drawLine(QPointF(4.5, 11.5), QPointF(9, 11.5));
    p.drawLine(QPointF(15, 11.5), QPointF(19.5, 11.5));
    p.setPen(pen(ink.line, 1));
    lines(p, 4.5, 9, { 7.5, 15, 17.5 });
    p.setPen(pen(ink.accent, 1));
    lines(p, 15, 19.5, { 7.5, 15, 17.5 });
}

void drawPericopes(QPainter& p, const PictogramInk& ink)
{
    p.setPen(pen(ink.line));
    p.setBrush(ink.paper);
    p.drawRect(QRectF(4, 2.5, 16, 19));
    p.setPen(pen(ink.warm, 2.2));
    lines(p, 7, 15, { 6.5, 14.5 });
    p.setPen(pen(ink.line, 1));
    lines(p, 7, 17, { 9.5, 11.5, 17.5 });
    p.drawLine(QPointF(7, 19.5), QPointF(13, 19.5));
}

void drawIntroduction(QPainter& p, const PictogramInk& ink)
{
    QPainterPath left;
    left.moveTo(12, 6.5);
    left.cubicTo(9, 4.5, 5, 4.5, 2, 5.5);
    left.lineTo(2, 19.5);
    left.cubicTo(5, 18.5, 9, 18.5, 12, 20.5);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(12, 6.5);
    right.cubicTo(15, 4.5, 19, 4.5, 22, 5.5);
    right.lineTo(22, 19.5);
    right.cubicTo(19, 18.5, 15, 18.5, 12, 20.5);
    right.closeSubpath();
    p.setPen(pen(ink.line));
    p.setBrush(ink.paper);
    p.drawPath(left);
    p.drawPath(right);
    p.setPen(pen(ink.line, 1));
    lines(p, 4.5, 9.5, { 9.5, 12.5, 15.5 });
    // The information sign on the right page.
    p.setPen(Qt::NoPen);
    p.setBrush(ink.accent);
    p.drawEllipse(QPointF(17, 8.8), 1.3, 1.3);
    p.setPen(pen(ink.accent, 2.2));
    p.drawLine(QPointF(17, 11.8), QPointF(17, 16.5));
}

void drawParables(QPainter& p, const PictogramInk& ink)
{
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(2.5, 3.5, 19, 13), 4, 4);
    QPainterPath tail;
    tail.moveTo(6.5, 15);
    tail.lineTo(5.5, 21);
    tail.lineTo(12, 15);
    tail.closeSubpath();
    p.setPen(pen(ink.line));
    p.setBrush(ink.paper);
    p.drawPath(bubble.united(tail).simplified());
    // A seed sprouting: the sower and the mustard seed.
    p.setPen(pen(ink.leaf, 1.6));
    p.drawLine(QPointF(12, 13.5), QPointF(12, 8.5));
    QPainterPath leafLeft;
    leafLeft.moveTo(12, 10.5);
    leafLeft.quadTo(8, 10.5, 7.5, 6.5);
    leafLeft.quadTo(11.5, 6.5, 12, 10.5);
    QPainterPath leafRight;
    leafRight.moveTo(12, 9);
    leafRight.quadTo(16, 9, 16.5, 5.5);
    leafRight.quadTo(12.5, 5.5, 12, 9);
    p.setPen(pen(ink.leaf, 1));
    p.setBrush(ink.leaf);
    p.drawPath(leafLeft);
    p.drawPath(leafRight);
    p.setPen(pen(ink.warm, 1.4));
    p.drawLine(QPointF(8.5, 13.5), QPointF(15.5, 13.5));
}

void drawProphecies(QPainter& p, const PictogramInk& ink)
{
    p.setPen(pen(ink.line));
    p.setBrush(ink.paper);
    p.drawRect(QRectF(4.5, 4, 11, 14.5));
    p.drawRoundedRect(QRectF(3, 2.5, 14, 3), 1.5, 1.5);
    p.drawRoundedRect(QRectF(3, 17.5, 14, 3), 1.5, 1.5);
    p.setPen(pen(ink.line, 1));
    lines(p, 7, 13, { 8.5, 11, 13.5 });
    // Fulfilled: a tick in a disc.
    p.setPen(pen(ink.line, 1));
    p.setBrush(ink.warm);
    p.drawEllipse(QPointF(17.5, 16.5), 4.5, 4.5);
    p.setPen(pen(ink.paper, 1.8));
    p.setBrush(Qt::NoBrush);
    QPainterPath tick;
    tick.moveTo(15.3, 16.6);
    tick.lineTo(17, 18.3);
    tick.lineTo(19.9, 14.8);
    p.drawPath(tick);
}

void drawMap(QPainter& p, const PictogramInk& ink)
{
    const QPolygonF sheet({ QPointF(2.5, 6), QPointF(8.5, 4), QPointF(15.5, 6), QPointF(21.5, 4),
        QPointF(21.5, 18), QPointF(15.5, 20), QPointF(8.5, 18), QPointF(2.5, 20) });
    p.setPen(pen(ink.line));
    p.setBrush(ink.paper);
    p.drawPolygon(sheet);
    p.setPen(pen(ink.line, 1));
    p.drawLine(QPointF(8.5, 4), QPointF(8.5, 18));
    p.drawLine(QPointF(15.5, 6), QPointF(15.5, 20));
    QPen route = pen(ink.warm, 1.5);
    route.setDashPattern({ 1.5, 1.5 });
    p.setPen(route);
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(5, 16);
    path.cubicTo(8, 9, 12, 16, 17.5, 11.5);
    p.drawPath(path);
    p.setPen(pen(ink.line, 1));
    p.setBrush(ink.accent);
    p.drawEllipse(QPointF(17.5, 9.5), 2.2, 2.2);
}

void drawDictionary(QPainter& p, const PictogramInk& ink)
{
    p.setPen(pen(ink.line));
    p.setBrush(ink.paper);
    p.drawRect(QRectF(5, 2.5, 14.5, 19));
    p.setBrush(ink.accent);
    p.drawRect(QRectF(5, 2.5, 3, 19));
    // The letter A on the cover.
    p.setPen(pen(ink.line, 1.8));
    p.setBrush(Qt::NoBrush);
    QPainterPath letter;
    letter.moveTo(10.5, 16.5);
    letter.lineTo(13.75, 6.5);
    letter.lineTo(17, 16.5);
    p.drawPath(letter);
    p.drawLine(QPointF(11.8, 13), QPointF(15.7, 13));
}

void drawDeuterocanon(QPainter& p, const PictogramInk& ink)
{
    p.setPen(pen(ink.line));
    p.setBrush(ink.accent);
    p.drawRect(QRectF(3, 6, 5, 14));
    p.setBrush(ink.paper);
    p.drawRect(QRectF(8.5, 3, 5.5, 17));
    p.setBrush(ink.warm);
    p.drawRect(QRectF(14.5, 8, 5, 12));
    p.setPen(pen(ink.line, 1));
    lines(p, 9.8, 12.7, { 6, 17 });
    p.setPen(pen(ink.paper, 1));
    lines(p, 4.3, 6.7, { 9, 17 });
    lines(p, 15.8, 18.2, { 11, 17 });
    p.setPen(pen(ink.line, 1.8));
    p.drawLine(QPointF(1.5, 21), QPointF(22.5, 21));
}

void drawBookmark(QPainter& p, const PictogramInk& ink)
{
    QPainterPath ribbon;
    ribbon.moveTo(7, 2.5);
    ribbon.lineTo(17, 2.5);
    ribbon.lineTo(17, 21.5);
    ribbon.lineTo(12, 16.5);
    ribbon.lineTo(7, 21.5);
    ribbon.closeSubpath();
    p.setPen(pen(ink.line));
    p.setBrush(ink.warm);
    p.drawPath(ribbon);
    p.setPen(pen(ink.paper, 1.2));
    p.drawLine(QPointF(9.5, 6), QPointF(14.5, 6));
}

void drawSearchResults(QPainter& p, const PictogramInk& ink)
{
    p.setPen(pen(ink.line));
    p.setBrush(ink.paper);
    p.drawRect(QRectF(3, 2.5, 12.5, 16.5));
    p.setPen(pen(ink.line, 1));
    lines(p, 5.5, 13, { 6, 8.5, 11 });
    magnifier(p, ink, QPointF(14.5, 14), 4.5, 6);
}

void drawClipBook(QPainter& p, const PictogramInk& ink)
{
    p.setPen(pen(ink.line));
    p.setBrush(ink.warm);
    p.drawRoundedRect(QRectF(4, 4, 16, 18), 2, 2);
    p.setBrush(ink.paper);
    p.drawRect(QRectF(6.5, 7, 11, 12.5));
    p.setPen(pen(ink.line, 1));
    lines(p, 8.5, 15.5, { 10.5, 13, 15.5 });
    p.setPen(pen(ink.line, 1));
    p.setBrush(ink.accent);
    p.drawRoundedRect(QRectF(8.5, 2, 7, 4), 1.2, 1.2);
}

void drawResultList(QPainter& p, const PictogramInk& ink)
{
    p.setPen(pen(ink.line, 1));
    p.setBrush(ink.accent);
    for (qreal y : { 3.5, 9.0, 14.5 })
        p.drawRect(QRectF(2.5, y, 3.5, 3.5));
    p.setPen(pen(ink.line, 1.5));
    lines(p, 8.5, 20.5, { 5.25, 10.75 });
    p.drawLine(QPointF(8.5, 16.25), QPointF(12.5, 16.25));
    magnifier(p, ink, QPointF(17, 17), 3.2, 4.3);
}

class PictogramEngine final : public QIconEngine
{
public:
    explicit PictogramEngine(Pictogram which)
        : m_which(which)
    { }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const qreal side = qMin(rect.width(), rect.height());
        const QRectF box(
            rect.x() + (rect.width() - side) / 2.0, rect.y() + (rect.height() - side) / 2.0, side, side);
        drawPictogram(*painter, box, m_which, standardInk(mode != QIcon::Disabled));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return picture;
    }

    QIconEngine* clone() const override { return new PictogramEngine(m_which); }
    QString key() const override { return u"tirta.pictogram"_s; }

private:
    Pictogram m_which;
};

struct Face
{
    QColor top;
    QColor bottom;
    QColor border;
};

Face faceFor(BlueLook look)
{
    switch (look) {
    case BlueLook::Normal:
        return { QColor(0x4a, 0x8a, 0xd8), QColor(0x1f, 0x56, 0xa8), QColor(0x16, 0x3d, 0x7a) };
    case BlueLook::Hover:
        return { QColor(0x7d, 0xb6, 0xf4), QColor(0x2f, 0x72, 0xc8), QColor(0xff, 0xd8, 0x5e) };
    case BlueLook::Pressed:
        return { QColor(0x14, 0x3a, 0x74), QColor(0x2a, 0x62, 0xb2), QColor(0x0e, 0x2a, 0x58) };
    case BlueLook::Disabled:
        return { QColor(0x8d, 0x9c, 0xb2), QColor(0x74, 0x85, 0x9d), QColor(0x62, 0x70, 0x86) };
    }
    return {};
}

PictogramInk blueInk(BlueLook look)
{
    if (look == BlueLook::Disabled) {
        const QColor faded(0xd3, 0xda, 0xe4);
        return { faded, QColor(255, 255, 255, 40), QColor(0xb4, 0xbe, 0xcc), QColor(0xb4, 0xbe, 0xcc),
            faded };
    }
    return { Qt::white, QColor(255, 255, 255, 70), QColor(0xff, 0xe0, 0x70), QColor(0xff, 0x9a, 0x52),
        QColor(0x9c, 0xe6, 0x8c) };
}

} // namespace

Pictogram pictogramForButton(int index)
{
    switch (index) {
    case 1:
        return Pictogram::Parallel;
    case 2:
        return Pictogram::Pericopes;
    case 3:
        return Pictogram::Introduction;
    case 4:
        return Pictogram::Parables;
    case 5:
        return Pictogram::Prophecies;
    case 6:
        return Pictogram::Map;
    case 7:
        return Pictogram::Dictionary;
    case 8:
        return Pictogram::Deuterocanon;
    case 9:
        return Pictogram::Bookmark;
    case 11:
        return Pictogram::ClipBook;
    case 12:
        return Pictogram::ResultList;
    default:
        return Pictogram::SearchResults;
    }
}

PictogramInk standardInk(bool enabled)
{
    if (!enabled) {
        const QColor grey(0xa0, 0xa4, 0xab);
        const QColor light(0xc8, 0xcb, 0xd0);
        return { grey, QColor(0xf2, 0xf2, 0xf2), light, light, light };
    }
    return { QColor(0x33, 0x44, 0x5f), Qt::white, QColor(0x2f, 0x7f, 0xd1), QColor(0xe0, 0x70, 0x2c),
        QColor(0x3f, 0x9a, 0x45) };
}

void drawPictogram(QPainter& painter, const QRectF& box, Pictogram which, const PictogramInk& ink)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / kGrid, box.height() / kGrid);
    switch (which) {
    case Pictogram::Parallel:
        drawParallel(painter, ink);
        break;
    case Pictogram::Pericopes:
        drawPericopes(painter, ink);
        break;
    case Pictogram::Introduction:
        drawIntroduction(painter, ink);
        break;
    case Pictogram::Parables:
        drawParables(painter, ink);
        break;
    case Pictogram::Prophecies:
        drawProphecies(painter, ink);
        break;
    case Pictogram::Map:
        drawMap(painter, ink);
        break;
    case Pictogram::Dictionary:
        drawDictionary(painter, ink);
        break;
    case Pictogram::Deuterocanon:
        drawDeuterocanon(painter, ink);
        break;
    case Pictogram::Bookmark:
        drawBookmark(painter, ink);
        break;
    case Pictogram::SearchResults:
        drawSearchResults(painter, ink);
        break;
    case Pictogram::ClipBook:
        drawClipBook(painter, ink);
        break;
    case Pictogram::ResultList:
        drawResultList(painter, ink);
        break;
    }
    painter.restore();
}

QIcon toolIcon(Pictogram which)
{
    return QIcon(new PictogramEngine(which));
}

QSize blueButtonSize()
{
    return { 28, 30 };
}

QPixmap bluePicture(Pictogram which, BlueLook look, QSize size, qreal devicePixelRatio)
{
    const QString key = u"tirta.blue.%1.%2.%3x%4@%5"_s.arg(static_cast<int>(which))
                            .arg(static_cast<int>(look))
                            .arg(size.width())
                            .arg(size.height())
                            .arg(devicePixelRatio);
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;

    picture = QPixmap(size * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    const Face face = faceFor(look);
    const QRectF outer = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient gradient(outer.topLeft(), outer.bottomLeft());
    gradient.setColorAt(0, face.top);
    gradient.setColorAt(1, face.bottom);
    painter.setPen(QPen(face.border, look == BlueLook::Hover ? 1.5 : 1.0));
    painter.setBrush(gradient);
    painter.drawRoundedRect(outer, 4, 4);

    if (look == BlueLook::Normal || look == BlueLook::Hover) {
        // A sheen on the upper half makes the face look raised.
        QColor sheen(255, 255, 255, look == BlueLook::Hover ? 80 : 50);
        painter.setPen(Qt::NoPen);
        painter.setBrush(sheen);
        painter.drawRoundedRect(
            QRectF(outer.left() + 1.5, outer.top() + 1.5, outer.width() - 3, outer.height() / 2 - 1), 3, 3);
    } else if (look == BlueLook::Pressed) {
        // An inner shadow along the top edge makes it look pushed in.
        painter.setPen(QPen(QColor(0, 0, 0, 90), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawLine(
            QPointF(outer.left() + 3, outer.top() + 1.5), QPointF(outer.right() - 3, outer.top() + 1.5));
    }

    const qreal side = qMin(size.width(), size.height()) - 8.0;
    QRectF box((size.width() - side) / 2.0, (size.height() - side) / 2.0, side, side);
    if (look == BlueLook::Pressed)
        box.translate(1, 1);
    drawPictogram(painter, box, which, blueInk(look));
    painter.end();

    QPixmapCache::insert(key, picture);
    return picture;
}

} // namespace tirta::reader
