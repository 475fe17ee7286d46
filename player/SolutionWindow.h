#pragma once
// Form2 of the player: the solution of the puzzle being played, with dots on
// the cells the player marked wrongly or has not marked yet. Not modal; it is
// only hidden when closed, unless the main window is closing for good.
#include <QImage>
#include <QWidget>

#include "core/Puzzle.h"
#include "player/ErrorMarks.h"
#include "playfield/PointImage.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace gw::player {

class SolutionWindow : public QWidget {
    Q_OBJECT
public:
    // The window reads the puzzle, the cell states and the main window's tag
    // (the text "CLOSE" lets it close for good); all three must outlive it.
    // pixelsPerPoint converts the picture's points to screen pixels.
    SolutionWindow(const Puzzle& puzzle, const CellStateArray& states, const QString& mainTag,
                   double pixelsPerPoint, QWidget* parent = nullptr);

    // Give Solution: caption, picture size, the rows below it and the window
    // size for a field of `cellSize` points, then the picture is drawn and
    // the window shown.
    void showSolution(int cellSize);

    // Redraws the picture from the current marks and check boxes.
    void TekenOplossingHokjes();

    // Captions of the check boxes and the OK button in `language`.
    void applyLanguage(std::uint8_t language);

    QCheckBox* chkFouten() const { return m_chkFouten; }
    QCheckBox* chkOntbreken() const { return m_chkOntbreken; }
    QPushButton* cmdOK() const { return m_cmdOK; }
    QLabel* pictureLabel() const { return m_picture1; }
    // The solution picture in device pixels.
    const QImage& picture() const { return m_surface.image(); }
    int cellSize() const { return m_cellSize; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void layOut();
    int px(double points) const;

    const Puzzle& m_puzzle;
    const CellStateArray& m_states;
    const QString& m_mainTag;
    double m_pixelsPerPoint;
    int m_cellSize = 3;
    PointImage m_surface;
    QLabel* m_picture1 = nullptr;
    QLabel* m_image1 = nullptr;
    QLabel* m_image2 = nullptr;
    QCheckBox* m_chkFouten = nullptr;
    QCheckBox* m_chkOntbreken = nullptr;
    QPushButton* m_cmdOK = nullptr;
};

// The legend pictures beside the check boxes: a dot on black.
QImage legendImage(int width, int height, const QColor& inner);

} // namespace gw::player
