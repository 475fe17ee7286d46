#pragma once
// A widget that shows a retained PointImage and reports the mouse in points.
// The clue panel and the field are both such surfaces. An opaque picture is
// shown on white; where a picture with an alpha channel is see-through, the
// parent widget beneath shows.
#include <QWidget>

#include "PointImage.h"

namespace gw {

class PointSurface : public QWidget {
    Q_OBJECT
public:
    explicit PointSurface(QWidget* parent = nullptr);

    PointImage& picture() { return m_picture; }
    const PointImage& picture() const { return m_picture; }
    // Resizes the widget to the picture's logical size (after picture().reset).
    void fitToPicture();
    // A surface laid over its parent surface at (`offset` device pixels from
    // the parent's picture): its picture is shown from there, pixel for
    // pixel on the parent's device pixels (see paintEvent).
    void layOverParent(QPoint offset);

signals:
    // A button press: the button pressed (1, 2, 4) and the pointer in points.
    void pressed(int button, double x, double y);
    // A pointer move: the buttons held (0 when none) and the pointer in points.
    void moved(int button, double x, double y);
    // A button release: the button released and the pointer in points.
    void released(int button, double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    PointImage m_picture;
    bool m_overParent = false;
    QPoint m_offsetOnParent; // device pixels
};

} // namespace gw
