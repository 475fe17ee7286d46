#pragma once
// SizeDialog, the size dialog (not modal): width and height in digits-only
// boxes, the current size beside them, and OK, Cancel and Apply. Apply is
// enabled once a box changes.
#include <QDialog>

#include "core/Puzzle.h"
#include "core/Session.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace gw::editor {

class SizeDialog : public QDialog {
    Q_OBJECT
public:
    SizeDialog(const Puzzle& puzzle, const Session& session, QWidget* parent = nullptr);

    // Fills the boxes and the current-size labels from the puzzle and disables Apply.
    void refresh();
    // The captions and the current-size labels in `language`; the boxes keep
    // what they hold.
    void applyCaptions(Language language);

    QLineEdit* widthEdit() const { return m_widthEdit; }
    QLineEdit* heightEdit() const { return m_heightEdit; }
    QLabel* currentWidthLabel() const { return m_currentWidthLabel; }
    QLabel* currentHeightLabel() const { return m_currentHeightLabel; }
    QPushButton* okButton() const { return m_okButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }
    QPushButton* applyButton() const { return m_applyButton; }

public slots:
    void apply();
    // Applies first when Apply is enabled, then hides.
    void ok();

signals:
    // Apply with the corrected sizes, 1..50 each.
    void applyRequested(int width, int height);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showCurrentSize(Language language);

    const Puzzle& m_puzzle;
    const Session& m_session;
    QLineEdit* m_widthEdit;
    QLineEdit* m_heightEdit;
    QLabel* m_widthLabel;
    QLabel* m_heightLabel;
    QLabel* m_currentWidthLabel;
    QLabel* m_currentHeightLabel;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
    QPushButton* m_applyButton;
};

// Corrects both size boxes as the size and new-puzzle dialogs do (empty or
// not a number: the current size; below 1: 1; above 50: 50), writes the
// corrections back so the user sees them, and returns the two values.
QSize correctSizeBoxes(QLineEdit& width, QLineEdit& height, const Puzzle& puzzle);

} // namespace gw::editor
