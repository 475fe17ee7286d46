#pragma once
// The colour chooser: a vertical strip of square swatches with, for each mouse
// button, a marker line and a mouse picture pointing at the swatch that button
// paints with. A press (or a drag) on a swatch gives it to the button used.
// The strip is also the colour source: swatchColor(i) reads the strip's own
// pixel one inside the swatch's corner.
//
// Two kinds:
// - Palette, the maker's main window: swatch i is palette index i; eight
//   swatches for a colour puzzle, two for black and white. The strip is framed
//   one pixel outside in the window-text colour; a missing mouse picture
//   leaves its place empty.
// - PlayField, the test window and the player: swatch 0 is the unmarked look,
//   swatch i is palette index i - 1, so the swatch index is the cell state;
//   nine swatches, or three for black and white. The strip's outermost pixels
//   are outlined in grey; a missing mouse picture is drawn in code.
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <cstdint>

class QFrame;
class QLabel;

namespace gw {

// PaletteColors: the eight palette colours the maker draws with; PlayField: the
// play field's marks, the unmarked look first.
enum class ChooserKind { PaletteColors, PlayField };

// The chooser's proportions in logical pixels.
struct ChooserSizes {
    int swatch = 24;     // side of a swatch, 4 or more
    int markerLine = 10; // length of each marker line
    int mouseBox = 0;    // side of the square a mouse picture is centred in; 0: the picture's own size
};

class ColorChooser : public QWidget {
    Q_OBJECT
public:
    // `choice` is the program's ButtonColor (palette) or play-field button
    // marks: element 0 the left, 1 the right button's swatch. The chooser
    // writes it on every choice and starts with the swatches it holds; it must
    // outlive the chooser.
    ColorChooser(ChooserKind kind, std::array<std::uint8_t, 2>& choice, ChooserSizes sizes = {},
                 QWidget* parent = nullptr);

    int swatchWidth() const { return m_sizes.swatch; }
    int swatchCount() const { return m_kind == ChooserKind::PaletteColors ? 8 : 9; }

    // Paints the swatches. Play field: the unmarked-look picture file in
    // `programFolder`, when it loads, lies under the strip (its pixel (1, 1)
    // is then swatch 0, else white), with the palette in swatches 1..8.
    void paintSwatches(const QString& programFolder = QString());

    // All swatches for a colour puzzle, black and white (and the unmarked
    // look) otherwise. Presses below the visible swatches do nothing.
    void showColorPuzzle(bool color);
    int visibleSwatches() const { return m_visible; }

    // Colour of swatch i: the strip's pixel at (1, i * swatch + 1); white
    // outside 0..swatchCount() - 1.
    QColor swatchColor(int i) const;

    // The strip's press handler: `button` 1 or 2 takes the visible swatch
    // shown on the device pixel under y (strip pixels from its top; at one
    // device pixel a pixel, swatch y / swatch width); other buttons and y
    // outside the visible swatches do nothing.
    void press(int button, double y);
    // A program step: the same as a press in the middle of swatch `swatch`.
    void choose(int button, int swatch) { press(button, (swatch + 0.5) * m_sizes.swatch); }

    // Mouse pictures of the markers (a mouse with its left / right button marked).
    void setMousePictures(const QPixmap& left, const QPixmap& right);
    QPixmap mousePicture(int button) const;

    // The swatch strip (the widget that takes the presses).
    QWidget& strip() { return *m_stripWidget; }
    // Where the marker line of `button` (1 or 2) stands, in strip pixels from its top.
    int markerY(int button) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutMarkers();
    void placeMarker(int button);
    // The first device row of swatch i in the swatch picture.
    int swatchTop(int i) const;
    // The swatch shown on the device row under strip position y; -1 outside
    // the visible ones.
    int swatchAt(double y) const;

    ChooserKind m_kind;
    std::array<std::uint8_t, 2>& m_choice;
    ChooserSizes m_sizes;
    int m_visible;
    int m_visibleRows = 0; // device rows of the visible swatches
    QImage m_swatches;     // one swatch wide, swatchCount() tall, at the screen's device pixel ratio
    QWidget* m_stripWidget;
    std::array<QFrame*, 2> m_lines {};
    std::array<QLabel*, 2> m_mice {};
};

// A mouse picture drawn in code, for when no picture file is shipped:
// button 1 marks the left, 2 the right button.
QPixmap defaultMousePicture(int button);

} // namespace gw
