#pragma once
// A retained picture surface whose drawing unit is the point (1/72 inch).
//
// The picture is kept in device pixels: a surface of w x h points at
// `pixelsPerPoint` screen pixels per point on a screen with device pixel ratio
// `dpr` holds ceil(w * pixelsPerPoint * dpr) x ceil(h * pixelsPerPoint * dpr)
// pixels. Drawing goes through a QPainter set up in points; pixel operations
// (crossing off clue numbers) work on image() directly in device pixels.
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSizeF>
#include <cmath>

class QPainter;
class QWidget;

namespace gw {

// Screen pixels (logical, before the device pixel ratio) per point of the
// screen `widget` is on; 96 dpi gives 4/3.
double screenPixelsPerPoint(const QWidget* widget);

// The whole device pixel a device position falls on, halves rounded up. A
// position computed two ways (the clue panel's and the field's) may differ
// in its last bits; within a millionth of a pixel both round alike.
inline int wholeDevicePixel(double position) { return static_cast<int>(std::floor(position + 0.5 + 1e-6)); }

// Draws `source` (device pixels) of `image` pixel for pixel, its top-left
// corner on the device pixel `at` of `painter`'s device (whatever the
// painter's transform; the transform is kept).
void drawPixelForPixel(QPainter& painter, const QImage& image, QPoint at, const QRect& source);
// The device pixel on which `position` (in `painter`'s coordinates) lies.
QPoint devicePixelOf(const QPainter& painter, QPointF position);

class PointImage {
public:
    // Discards the picture and makes a new one of `sizePoints`, filled with
    // `fill`; a fill that is not opaque gives the picture an alpha channel.
    void reset(QSizeF sizePoints, double pixelsPerPoint, double dpr, const QColor& fill);

    QImage& image() { return m_image; }
    const QImage& image() const { return m_image; }
    QSizeF sizePoints() const { return m_sizePoints; }
    double pixelsPerPoint() const { return m_pixelsPerPoint; }
    double dpr() const { return m_dpr; }
    // Device pixels per point: pixelsPerPoint * dpr.
    double devicePixelsPerPoint() const { return m_pixelsPerPoint * m_dpr; }
    // One screen pixel expressed in points (the width of a "one-unit" line).
    double pixelInPoints() const { return 1.0 / m_pixelsPerPoint; }

    // Where point (0, 0) lies in the image, in logical pixels (0 by default).
    // A surface laid over another at a fractional pixel position uses this to
    // keep its lines on the same pixels as the surface beneath.
    void setOrigin(QPointF originPixels) { m_origin = originPixels; }
    QPointF origin() const { return m_origin; }
    // Point position of a logical pixel position on the picture.
    QPointF toPoints(QPointF pixels) const { return (pixels - m_origin) / m_pixelsPerPoint; }

    // Starts `painter` on the picture with points as its unit, no
    // antialiasing for shapes (lines stay crisp) and antialiased text.
    void beginPoints(QPainter& painter);

private:
    QImage m_image;
    QSizeF m_sizePoints;
    double m_pixelsPerPoint = 4.0 / 3.0;
    double m_dpr = 1.0;
    QPointF m_origin;
};

} // namespace gw
