#pragma once
// The surfaces the page painter draws on, all in points: a retained picture
// (the print dialog's preview canvas, the test window's clue panel) or a paged device
// (the printer's page, a PDF file).
#include <QPainter>
#include <QSizeF>
#include <functional>

#include "playfield/PointImage.h"

class QPagedPaintDevice;

namespace gw {

class PageSurface {
public:
    virtual ~PageSurface() = default;
    // The device whose font metrics measure text on this surface.
    virtual QPaintDevice* metricsDevice() = 0;
    // Usable area in points: the printable area of a page, the current size
    // of a canvas.
    virtual QSizeF innerSize() const = 0;
    // Canvases take the size the composition gives them; pages keep theirs.
    virtual bool isCanvas() const = 0;
    virtual void setCanvasSize(QSizeF points) = 0;
    // Starts `painter` with the point as unit and (0, 0) at the top-left of
    // the usable area. False when the device refuses (a printer that fails).
    virtual bool begin(QPainter& painter) = 0;
    // One device pixel (the default line width) in points.
    virtual double pixelInPoints() const = 0;
};

// A canvas on a PointImage. `resized` runs after every new size (the clue
// panel follows its picture with its widget size).
class ImageSurface : public PageSurface {
public:
    ImageSurface(PointImage& picture, double pixelsPerPoint, double dpr, std::function<void(QSizeF)> resized = {});
    QPaintDevice* metricsDevice() override { return &m_picture.image(); }
    QSizeF innerSize() const override { return m_picture.sizePoints(); }
    bool isCanvas() const override { return true; }
    void setCanvasSize(QSizeF points) override;
    bool begin(QPainter& painter) override;
    double pixelInPoints() const override { return 1.0 / m_pixelsPerPoint; }

private:
    PointImage& m_picture;
    double m_pixelsPerPoint;
    double m_dpr;
    std::function<void(QSizeF)> m_resized;
};

// A page of a printer or PDF writer, painted from its printable area's corner
// (exactly, also where the margins are fractions of a point).
class PagedSurface : public PageSurface {
public:
    explicit PagedSurface(QPagedPaintDevice& device) : m_device(device) { }
    QPaintDevice* metricsDevice() override;
    QSizeF innerSize() const override;
    bool isCanvas() const override { return false; }
    void setCanvasSize(QSizeF) override { }
    bool begin(QPainter& painter) override;
    double pixelInPoints() const override;

private:
    QPagedPaintDevice& m_device;
};

} // namespace gw
