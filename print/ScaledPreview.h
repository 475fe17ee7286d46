#pragma once
// The preview box: shows the preview canvas scaled into the box with its
// proportions kept, filling the box's width or height and centred the other
// way; smooth scaling at the screen's device pixels keeps it sharp.
#include <QImage>
#include <QWidget>

namespace gw {

class ScaledPreview : public QWidget {
    Q_OBJECT
public:
    explicit ScaledPreview(QWidget* parent = nullptr);

    // Clears the box and copies `canvas` into it (box size in logical pixels).
    void showCanvas(const QImage& canvas);
    // Where the last copy went, in logical pixels of the box.
    QRect copyRect() const { return m_copyRect; }
    const QImage& shown() const { return m_shown; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_shown;
    QRect m_copyRect;
};

} // namespace gw
