#include "CluePanel.h"

#include <cstdlib>

namespace gw {

CluePanel::CluePanel(QWidget* parent) : PointSurface(parent), m_field(new FieldWidget(this))
{
    setAutoFillBackground(false);
}

void CluePanel::resetPicture(QSizeF sizePoints)
{
    resetPicture(sizePoints, screenPixelsPerPoint(this), devicePixelRatioF());
}

void CluePanel::resetPicture(QSizeF sizePoints, double pixelsPerPoint, double dpr)
{
    picture().reset(sizePoints, pixelsPerPoint, dpr, Qt::white);
    fitToPicture();
}

void CluePanel::placeField(double left, double top, int columns, int rows, int cellSize)
{
    m_field->place(left, top, columns * cellSize + 1, rows * cellSize + 1, picture().pixelsPerPoint(), picture().dpr());
    m_field->raise();
}

namespace {
template <typename Fn> void forPixels(QImage& image, QRect area, Fn fn)
{
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            fn(line[x]);
    }
}
} // namespace

void CluePanel::toggleCellPixels(const QRect& cell)
{
    const QRgb grey = CrossedOffGrey.rgb();
    const QRgb white = qRgb(255, 255, 255);
    forPixels(picture().image(), cell, [&](QRgb& pixel) {
        const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
        if (r >= 241 && g >= 241 && b >= 241)
            pixel = grey;
        else if (std::abs(r - 128) < 14 && std::abs(g - 128) < 14 && std::abs(b - 128) < 14)
            pixel = white;
    });
    update();
}

void CluePanel::whitenGreyPixels(const QRect& area)
{
    const QRgb grey = CrossedOffGrey.rgb();
    const QRgb white = qRgb(255, 255, 255);
    forPixels(picture().image(), area, [&](QRgb& pixel) {
        if ((pixel | 0xff000000u) == grey)
            pixel = white;
    });
    update();
}

} // namespace gw
