#pragma once
// The player's solution window: the solution of the puzzle being played, with
// dots on the cells the player marked wrongly or has not marked yet. Not
// modal; it is only hidden when closed, unless the program is closing.
#include <QImage>
#include <QWidget>

#include "core/Puzzle.h"
#include "core/Session.h"
#include "player/ErrorMarks.h"
#include "playfield/PointImage.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace gw::player {

class SolutionWindow : public QWidget {
    Q_OBJECT
public:
    // The window reads the puzzle, the session's language and the cell
    // states; all must outlive it. pixelsPerPoint converts the picture's
    // points to screen pixels.
    SolutionWindow(const Puzzle& puzzle, const Session& session, const CellStateArray& states, double pixelsPerPoint,
                   QWidget* parent = nullptr);

    // Give Solution: caption, picture size, the rows below it and the window
    // size for a field of `cellSize` points, then the picture is drawn and
    // the window shown.
    void showSolution(int cellSize);

    // Redraws the picture from the current marks and check boxes.
    void redrawPicture();

    // Captions of the check boxes and the OK button in `language`.
    void applyLanguage(Language language);

    QCheckBox* showErrorsCheck() const { return m_showErrorsCheck; }
    QCheckBox* showMissingCheck() const { return m_showMissingCheck; }
    QPushButton* okButton() const { return m_okButton; }
    QLabel* pictureLabel() const { return m_pictureLabel; }
    // The solution picture in device pixels.
    const QImage& picture() const { return m_surface.image(); }
    int cellSize() const { return m_cellSize; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void layOut();
    // The check boxes, legends and OK button below the picture, each as wide
    // as its caption, and the window's size around them.
    void placeRows();
    int px(double points) const;

    const Puzzle& m_puzzle;
    const Session& m_session;
    const CellStateArray& m_states;
    double m_pixelsPerPoint;
    int m_cellSize = 3;
    PointImage m_surface;
    QLabel* m_pictureLabel = nullptr;
    QLabel* m_errorsLegend = nullptr;
    QLabel* m_missingLegend = nullptr;
    QCheckBox* m_showErrorsCheck = nullptr;
    QCheckBox* m_showMissingCheck = nullptr;
    QPushButton* m_okButton = nullptr;
};

// The legend pictures beside the check boxes: a dot on black.
QImage legendImage(int width, int height, const QColor& inner);

} // namespace gw::player
