#pragma once
// NewPuzzleDialog, the new-puzzle dialog: width and height (25 and 25 at
// first, then the last values entered), black/white or eight colours, OK and
// Cancel. Black/white is selected when it first opens.
#include <QDialog>

#include "core/Puzzle.h"
#include "core/Session.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace gw::editor {

class NewPuzzleDialog : public QDialog {
    Q_OBJECT
public:
    NewPuzzleDialog(const Puzzle& puzzle, const Session& session, QWidget* parent = nullptr);
    void applyCaptions(Language language);

    QLineEdit* widthEdit() const { return m_widthEdit; }
    QLineEdit* heightEdit() const { return m_heightEdit; }
    QRadioButton* blackWhiteButton() const { return m_blackWhiteButton; }
    QRadioButton* eightColorsButton() const { return m_eightColorsButton; }
    QPushButton* okButton() const { return m_okButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }

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
    const Session& m_session;
    QGroupBox* m_sizeGroup;
    QGroupBox* m_colorGroup;
    QLineEdit* m_widthEdit;
    QLineEdit* m_heightEdit;
    QLabel* m_widthLabel;
    QLabel* m_heightLabel;
    QRadioButton* m_blackWhiteButton;
    QRadioButton* m_eightColorsButton;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
};

} // namespace gw::editor
