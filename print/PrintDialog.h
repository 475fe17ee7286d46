#pragma once
// `PrintDialog`, the print dialog: printer, orientation, title, print colour,
// background tint, clue size (automatic or manual) and a live preview, then
// printing to the chosen printer or saving the same page as a PDF file.
//
// Created once and only hidden when closed. Its options persist for the run.
// Every message and dialog goes through the platform layer.
#include <QWidget>
#include <memory>

#include "PageComposer.h"
#include "core/Session.h"
#include "lang/Text.h"
#include "platform/Platform.h"
#include "playfield/PointImage.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QScrollBar;
class QTimer;

namespace gw {

class CluePanel;
class PageSurface;
class ScaledPreview;

class PrintDialog : public QWidget {
    Q_OBJECT
public:
    // `puzzle` and `clues` are the program's; both must outlive the dialog.
    PrintDialog(Puzzle& puzzle, const Session& session, ClueTables& clues, platform::Platform& platform,
                QWidget* parent = nullptr);
    ~PrintDialog() override;

    // Whether a printer was found at start-up, and the default printer's name.
    void setPrinterState(bool present, const QString& defaultPrinterName);
    bool printerPresent() const { return m_printerPresent; }
    // The main window's "Print Puzzle", after it has hidden the test window:
    // fills the printer list, selects automatic size, puts the title in its
    // box, derives the clues, composes the preview and shows the dialog (not
    // modal): the first time at sizeHint(), later at least as large as its
    // controls need, never beyond the screen's available area.
    void open();
    // The captions in the puzzle's language; an open dialog grows where
    // they need more room.
    void applyCaptions();
    // All controls and the whole preview box at their preferred sizes (they
    // scroll when the window is smaller). open() gives the dialog this size
    // the first time, within the screen's available area.
    QSize sizeHint() const override;
    // The controls alone, the preview area at its least.
    QSize controlsSize() const;

    // Composes the page on `surface` for `mode`: the printer's page (Paper),
    // the chosen printer's page or the fixed page without one (Preview), or
    // `testArea` points (TestWindow).
    PageLayout composePage(PageSurface& surface, PageMode mode, QSizeF testArea = {});
    // The test window's composition into its clue panel: automatic size,
    // clues derived, page composed in test-window mode, the field placed over
    // the grid. Returns the layout (cell size in `cellSize`).
    PageLayout composeForTest(CluePanel& panel, QSizeF area);
    // Composes the page on the preview canvas.
    void composePreview();
    // Sizes the preview box for the preview scale and copies the canvas into it.
    void refreshPreview();

    // The Print button: prints on the printer chosen in the printer list.
    // False when no printer is present or the job failed (a message has then
    // been shown).
    bool printPuzzle();
    // Writes the page the preview shows into the PDF file `path`, on the
    // paper Print would use, its title (metadata) the page's title or else
    // the name of the puzzle the page shows; no control changes. The file
    // is replaced only once complete. On failure returns false with the
    // reason (plain English, ending with the system's) in `reason`.
    bool savePdf(const QString& path, std::string* reason = nullptr);
    // The "Save as PDF" button: asks for a file, then savePdf.
    void askSavePdf();
    // The Cancel button: hides the dialog and asks for the main window.
    void cancel();

    // The puzzle the page shows: the program's puzzle as it was when the
    // dialog was opened (or the test window composed), when its clues were
    // derived. A picture changed or imported later is not mixed into it.
    const Puzzle& composedPuzzle() const { return m_composed; }
    // The preview canvas: the page as last composed for the screen.
    const QImage& canvas() const { return m_previewCanvas.image(); }
    // What the last composition found (any surface).
    const PageLayout& lastLayout() const { return m_lastLayout; }
    bool composing() const { return m_composing; }
    // Ticks of the title timer left before a typed title is composed.
    int titleCountdown() const { return m_titleCountdown; }
    // The printer a print or preview uses (null without printers), set to
    // the orientation chosen and to its whole printable area.
    QPrinter* currentPrinter();
    // The page the preview, Print and Save as PDF compose on, in points: the
    // current printer's printable area, or the fixed page without one.
    QSizeF pageSize();

    // The controls, for tests and screenshots.
    QComboBox* printerCombo() const { return m_printerCombo; }
    QRadioButton* portraitButton() const { return m_portraitButton; }
    QRadioButton* landscapeButton() const { return m_landscapeButton; }
    QLineEdit* titleEdit() const { return m_titleEdit; }
    QCheckBox* centreTitleCheck() const { return m_centreTitleCheck; }
    QPushButton* printColorButton() const { return m_printColorButton; }
    QCheckBox* backgroundTintCheck() const { return m_backgroundTintCheck; }
    QRadioButton* automaticSizeButton() const { return m_automaticSizeButton; }
    QRadioButton* manualSizeButton() const { return m_manualSizeButton; }
    // The manual clue size in points, and the spin beside it: value 0 is the
    // best size, every step one point smaller, down to 5.
    QLineEdit* clueSizeEdit() const { return m_clueSizeEdit; }
    QScrollBar* clueSizeSpin() const { return m_clueSizeSpin; }
    // The preview's scale in percent (10..200), and the spin beside it at
    // 200 minus the percentage.
    QLineEdit* previewScaleEdit() const { return m_previewScaleEdit; }
    QScrollBar* previewScaleSpin() const { return m_previewScaleSpin; }
    QPushButton* printButton() const { return m_printButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }
    QPushButton* savePdfButton() const { return m_savePdfButton; }
    ScaledPreview* preview() const { return m_preview; }
    // Counts down the pause after the title was typed (100 ms a tick).
    QTimer* titleTimer() const { return m_titleTimer; }

signals:
    // Text for the main window's status line.
    void statusMessage(const QString& text);
    // The dialog was cancelled or printed: the main window comes forward.
    void mainWindowWanted();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectHandlers();
    PageOptions options(bool forTest) const;
    // Takes the program's puzzle as the one composed and derives its clues.
    void takePuzzle();
    PageTexts texts() const;
    void setPrintColor(const QColor& color);
    void fillPrinterList();
    // Sizes the dialog for its controls and preview (see open()).
    void takeNeededSize();
    void onTitleChanged();
    void onTitleTimerTick();
    void onClueSizeTyped();
    void onClueSizeSpinChanged();
    void onPreviewScaleTyped();
    bool paintOnPrinter(QPrinter& printer);

    Puzzle& m_puzzle;
    Puzzle m_composed;
    const Session& m_session;
    ClueTables& m_clues;
    platform::Platform& m_platform;
    bool m_printerPresent = false;
    QString m_printerName;
    bool m_composing = false;
    int m_titleCountdown = 0;
    QColor m_printColor = Qt::black;
    PointImage m_previewCanvas;
    PageLayout m_lastLayout;
    std::unique_ptr<QPrinter> m_printer;
    QString m_printerFor;
    bool m_printableAreaSet = false;

    QGroupBox* m_printerGroup = nullptr;
    QComboBox* m_printerCombo = nullptr;
    QGroupBox* m_orientationGroup = nullptr;
    QRadioButton* m_portraitButton = nullptr;
    QRadioButton* m_landscapeButton = nullptr;
    QGroupBox* m_titleGroup = nullptr;
    QLineEdit* m_titleEdit = nullptr;
    QCheckBox* m_centreTitleCheck = nullptr;
    QGroupBox* m_colorGroup = nullptr;
    QPushButton* m_printColorButton = nullptr;
    QCheckBox* m_backgroundTintCheck = nullptr;
    QGroupBox* m_clueSizeGroup = nullptr;
    QRadioButton* m_automaticSizeButton = nullptr;
    QRadioButton* m_manualSizeButton = nullptr;
    QLineEdit* m_clueSizeEdit = nullptr;
    QScrollBar* m_clueSizeSpin = nullptr;
    QLabel* m_previewScaleLabel = nullptr;
    QLineEdit* m_previewScaleEdit = nullptr;
    QScrollBar* m_previewScaleSpin = nullptr;
    QLabel* m_percentLabel = nullptr;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QPushButton* m_savePdfButton = nullptr;
    ScaledPreview* m_preview = nullptr;
    QScrollArea* m_previewArea = nullptr;
    QWidget* m_content = nullptr; // every control, in a scroll area filling the window
    QTimer* m_titleTimer = nullptr;
};

} // namespace gw
