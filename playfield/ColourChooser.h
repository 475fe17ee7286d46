#pragma once
// The colour chooser `colorChooser`: a vertical strip of square swatches with a
// marker line and mouse picture for each mouse button. A press (or a drag) on
// a swatch gives it to the button used. The strip is also the colour source:
// swatchColour(i) reads the strip's own pixel one inside the swatch's corner.
//
// Two kinds: the maker's main window strip (swatch i = palette index i, 8 or
// 2 visible) and the play-field strip (swatch 0 the unmarked look, swatch i =
// palette index i - 1, so the swatch index is the cell state; 9 or 3 visible).
#include <QColor>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <cstdint>

class QFrame;
class QLabel;

namespace gw {

enum class ChooserKind { MakerMain, PlayField };

class ColourChooser : public QWidget {
    Q_OBJECT
public:
    // `choice` is the program's ButtonColor (maker main window) or ButtonMark
    // (play field): element 0 the left, 1 the right button's swatch. The
    // chooser writes it on every choice; it must outlive the chooser.
    ColourChooser(ChooserKind kind, std::array<std::uint8_t, 2>& choice, int swatchWidth = 24,
                  QWidget* parent = nullptr);

    ChooserKind kind() const { return m_kind; }
    int swatchWidth() const { return m_sw; }
    int swatchCount() const { return m_kind == ChooserKind::MakerMain ? 8 : 9; }

    // Start-up painting. Main strip: palette colours. Play-field strip: the
    // picture "hamworst.dat" from `programFolder` when it loads (its pixel
    // (1, 1) is then the unmarked look, else white), and the palette colours
    // in swatches 1..8.
    void paintSwatches(const QString& programFolder = QString());
    // Test window: the main strip's swatch colours (palette order) copied one
    // swatch lower, over whatever "hamworst.dat" left there.
    void copySwatchColours(const QList<QColor>& mainSwatches);

    // Number of swatches that can be chosen (the strip's visible height).
    void setVisibleSwatches(int count);
    int visibleSwatches() const { return m_visible; }

    // Colour of swatch i: the strip's pixel at (1, i * SW + 1).
    QColor swatchColour(int i) const;

    // The strip's press handler: `button` 1 or 2 takes the swatch under y
    // (strip pixels); other buttons and y outside the visible swatches do nothing.
    void press(int button, double y);
    // A program step: the same as a press in the middle of swatch i.
    void choose(int button, int swatch) { press(button, (swatch + 0.5) * m_sw); }

    // Mouse pictures of the markers (a mouse with its left / right button marked).
    void setMousePictures(const QPixmap& left, const QPixmap& right);
    QPixmap mousePicture(int button) const;

    // Marker line height of `button` (1 or 2), in strip pixels from its top.
    int markerY(int button) const;

signals:
    void choiceChanged(int button, int swatch);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutMarkers();
    void placeMarker(int button);

    ChooserKind m_kind;
    std::array<std::uint8_t, 2>& m_choice;
    int m_sw;
    int m_visible;
    QImage m_strip; // logical SW x swatchCount*SW, device pixel ratio of the screen
    QWidget* m_stripWidget;
    std::array<QFrame*, 2> m_lines{};
    std::array<QLabel*, 2> m_mice{};
};

// A mouse picture drawn in code, for when no picture file is shipped:
// button 1 marks the left, 2 the right button.
QPixmap defaultMousePicture(int button);

} // namespace gw
