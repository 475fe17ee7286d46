#pragma once
// NewPuzzleDialog, the new-puzzle dialog: width Text1 and height Text2 (25 and 25
// at first, then the last values entered), black/white or eight colours
// (Option1), OK and Cancel. Black/white is selected when it first opens.
#include <QDialog>

#include "core/Puzzle.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace gw::editor {

class NewPuzzleDialog : public QDialog {
    Q_OBJECT
public:
    NewPuzzleDialog(const Puzzle& puzzle, QWidget* parent = nullptr);
    void applyCaptions(std::uint8_t language);
    void setMainClosing(bool closing) { m_mainClosing = closing; }

    QLineEdit* Text1;
    QLineEdit* Text2;
    QRadioButton* Option1[2]; // 0 black/white, 1 eight colours
    QPushButton* cmdOK;
    QPushButton* CmdCancel;

public slots:
    void ok();

signals:
    // OK with the corrected sizes; the main window makes the new puzzle.
    void newPuzzleRequested(int width, int height, bool color);
    void cancelled();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    const Puzzle& m_puzzle;
    QGroupBox* m_sizeFrame;
    QGroupBox* m_colorFrame;
    QLabel* m_widthLabel;
    QLabel* m_heightLabel;
    bool m_mainClosing = false;
};

} // namespace gw::editor
