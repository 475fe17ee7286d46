#pragma once
// The clue panel: a white surface in points with the row clues left of the
// grid area and the column clues above it. It owns the field, laid over its
// grid area.
//
// After a composition only pixel operations change the panel: crossing off a
// clue number's cell and restoring all crossed-off cells. Both work on the
// retained picture in device pixels.
#include <QRect>

#include "FieldWidget.h"
#include "PointSurface.h"

namespace gw {

// The grey background of a crossed-off clue number.
inline const QColor CrossedOffGrey(128, 128, 128);

class CluePanel : public PointSurface {
    Q_OBJECT
public:
    explicit CluePanel(QWidget* parent = nullptr);

    FieldWidget& field() { return *m_field; }
    const FieldWidget& field() const { return *m_field; }

    // New white picture of `sizePoints` at the screen's resolution (or the
    // given one); the widget takes the picture's size.
    void resetPicture(QSizeF sizePoints);
    void resetPicture(QSizeF sizePoints, double pixelsPerPoint, double dpr);

    // Lays the field over the grid: left, top in panel points, W x H cells of
    // `cellSize` points (field size W*s + 1 by H*s + 1).
    void placeField(double left, double top, int columns, int rows, int cellSize);

    // Crossing off inside the device-pixel rectangle `cell` (clipped to the
    // picture): near-white pixels (all channels >= 241) become grey 128, pixels
    // near that grey (all channels within 13 of 128) become white, the rest
    // (digits, rules) stay.
    void toggleCellPixels(const QRect& cell);
    // Every pixel of exactly grey 128 inside `area` (device pixels) becomes white.
    void whitenGreyPixels(const QRect& area);

private:
    FieldWidget* m_field;
};

} // namespace gw
