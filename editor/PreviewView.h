#pragma once
// PreviewView, the main window's preview: the puzzle at one screen pixel a
// cell. On a high-resolution screen each cell covers a whole block of device
// pixels, never a blur.
#include <QImage>
#include <QWidget>

#include "core/Puzzle.h"

namespace gw::editor {

class PreviewView : public QWidget {
    Q_OBJECT
public:
    PreviewView(const Puzzle& puzzle, QWidget* parent = nullptr);

    // Resizes to the puzzle and takes every cell's colour.
    void redraw();
    void setCell(int x, int y, std::uint8_t index);
    const QImage& picture() const { return m_picture; } // one image pixel a cell

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Puzzle& m_puzzle;
    QImage m_picture;
};

} // namespace gw::editor
