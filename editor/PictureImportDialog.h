#pragma once
// PictureImportDialog, File > Import Image with Options (not modal): the
// picture's puzzle as a live preview with the verdict of its analysis, and
// the choices that make it: width and height (1..50, the aspect ratio kept
// unless unlocked), black and white with a brightness threshold or 2..8
// colours, dithering, the colour that becomes the background (white) and
// invert. Dithering starts off: it scatters single cells, which make long
// clues and seldom a puzzle that logic alone can solve.
#include <QDialog>
#include <QImage>

#include "core/MakerSettings.h"
#include "core/Puzzle.h"
#include "core/Session.h"
#include "editor/PictureConversion.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;

namespace gw::editor {

class PictureImportDialog : public QDialog {
    Q_OBJECT
public:
    PictureImportDialog(const Session& session, QWidget* parent = nullptr);

    // Shows `picture` (as decoded, any size) with the remembered choices of
    // `settings` and the plain import's size for it.
    void setPicture(const QImage& picture, const MakerSettings& settings);
    // What the boxes choose now.
    PictureChoices choices() const;
    // The boxes' choices as "maker.ini" keeps them, over `settings`.
    void rememberChoices(MakerSettings& settings) const;
    // The puzzle the preview shows and its verdict's text.
    const Puzzle& preview() const { return m_preview; }
    QString verdict() const;
    void applyCaptions(Language language);

    QSpinBox* widthBox() const { return m_widthBox; }
    QSpinBox* heightBox() const { return m_heightBox; }
    QCheckBox* keepAspectBox() const { return m_keepAspectBox; }
    QRadioButton* blackWhiteButton() const { return m_blackWhiteButton; }
    QRadioButton* colorsButton() const { return m_colorsButton; }
    QSlider* thresholdSlider() const { return m_thresholdSlider; }
    QSpinBox* colorsBox() const { return m_colorsBox; }
    QCheckBox* ditherBox() const { return m_ditherBox; }
    QComboBox* backgroundBox() const { return m_backgroundBox; }
    QCheckBox* invertBox() const { return m_invertBox; }
    QPushButton* okButton() const { return m_okButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }

public slots:
    // Hides and asks for the import with the choices.
    void ok();

signals:
    void importRequested(const gw::editor::PictureChoices& choices);

private:
    // The other side follows a changed one while the aspect ratio is kept.
    void sizeChanged(bool widthChanged);
    // Converts the picture anew, analyses it and shows both.
    void updatePreview();

    const Session& m_session;
    QImage m_picture; // flattened onto white
    Puzzle m_preview;
    QString m_verdict;
    bool m_updating = false; // boxes set from code: no preview per box
    QSpinBox* m_widthBox = nullptr;
    QSpinBox* m_heightBox = nullptr;
    QCheckBox* m_keepAspectBox = nullptr;
    QRadioButton* m_blackWhiteButton = nullptr;
    QRadioButton* m_colorsButton = nullptr;
    QSlider* m_thresholdSlider = nullptr;
    QLabel* m_thresholdLabel = nullptr;
    QSpinBox* m_colorsBox = nullptr;
    QCheckBox* m_ditherBox = nullptr;
    QComboBox* m_backgroundBox = nullptr;
    QCheckBox* m_invertBox = nullptr;
    QLabel* m_widthLabel = nullptr;
    QLabel* m_heightLabel = nullptr;
    QLabel* m_backgroundLabel = nullptr;
    QLabel* m_previewLabel = nullptr;
    QLabel* m_verdictLabel = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};

} // namespace gw::editor
