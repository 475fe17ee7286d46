#pragma once
// SizeDialog, the size dialog (not modal): width Text1 and height Text2 in
// digits-only boxes, the current size in Label3 / Label4, and Cancel
// (Command1), OK (Command2) and Apply (Command3).
#include <QDialog>

#include "core/Puzzle.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace gw::editor {

class SizeDialog : public QDialog {
    Q_OBJECT
public:
    SizeDialog(const Puzzle& puzzle, QWidget* parent = nullptr);

    // Fills the boxes and labels from the puzzle and disables Apply (MMsize).
    void refresh();
    void applyCaptions(std::uint8_t language);
    // While the main window closes, closing this dialog is no longer refused.
    void setMainClosing(bool closing) { m_mainClosing = closing; }

    QLineEdit* Text1;
    QLineEdit* Text2;
    QLabel* Label3;
    QLabel* Label4;
    QPushButton* Command1; // Cancel
    QPushButton* Command2; // OK
    QPushButton* Command3; // Apply

public slots:
    void apply();
    void ok();

signals:
    // Apply with the corrected sizes, 1..50 each.
    void applyRequested(int width, int height);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    const Puzzle& m_puzzle;
    QLabel* m_widthLabel;
    QLabel* m_heightLabel;
    bool m_mainClosing = false;
};

// Corrects both size boxes as the size and new-puzzle dialogs do (empty or
// not a number: the current size; below 1: 1; above 50: 50), writes the
// corrections back so the user sees them, and returns the two values.
QSize correctSizeBoxes(QLineEdit& width, QLineEdit& height, const Puzzle& puzzle);

} // namespace gw::editor
