#pragma once
// The main window's colour chooser: the strip colorChooser of square swatches
// (palette index i at swatch i, eight for a colour puzzle, two for black and
// white) and beside it the two mouse pictures MuisL / MuisR with the lines
// LijnL / LijnR that point at the swatch each button paints with.
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include "core/Puzzle.h"
#include "platform/Units.h"

namespace gw::editor {

class ColorStrip : public QWidget {
    Q_OBJECT
public:
    ColorStrip(int swatchSize, QWidget* parent = nullptr);
    int swatchSize() const { return m_swatch; }
    // Shows `count` swatches; the strip is exactly that many swatches tall.
    void setSwatchCount(int count);
    int swatchCount() const { return m_count; }

signals:
    // Press or move over the strip: button value (1 left, 2 right, ...) and Y in strip pixels.
    void pressed(int button, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    int m_swatch;
    int m_count = 2;
};

class ColorChooser : public QObject {
    Q_OBJECT
public:
    // Builds the strip, pictures and lines as children of `panel` at their
    // places; the button colours live in puzzle.ButtonColor.
    ColorChooser(Puzzle& puzzle, QWidget& panel, const platform::ScreenUnits& units);

    // The press routine: Y outside the visible swatches does nothing; else
    // swatch (Y rounded) / (swatch size) goes to the left (1) or right (2)
    // button and its marker moves; other button values do nothing.
    void press(int button, double y);
    // Gives `button` (1 left, 2 right) swatch `index` as a press in its middle.
    void choose(int button, int index);
    // Eight swatches for a colour puzzle, two for black and white.
    void showColorMode(bool color);
    bool showsEightSwatches() const { return m_strip->swatchCount() == 8; }

    void setMousePictures(const QPixmap& left, const QPixmap& right);
    QPixmap mousePicture(int button) const;

    ColorStrip& strip() { return *m_strip; }
    // Vertical middle of a marker line in panel pixels (for tests).
    int markerY(int button) const;

private:
    void placeMarker(int button, double lineY);

    Puzzle& m_puzzle;
    ColorStrip* m_strip;
    QFrame* m_border; // one pixel round the strip, so the white swatch shows
    QLabel* m_muis[2];
    QFrame* m_lijn[2];
    QPixmap m_pictures[2];
};

} // namespace gw::editor
