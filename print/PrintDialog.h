#pragma once
// `PrintDialog`, the print dialog: printer, orientation, title, print colour,
// background tint, clue size (automatic or manual) and a live preview, then
// printing to the chosen printer or saving the same page as a PDF file.
//
// Created once and only hidden when closed. Its options persist for the run.
// Every message and dialog goes through the platform layer.
#include <QPointer>
#include <QWidget>
#include <memory>

#include "PageComposer.h"
#include "lang/Text.h"
#include "playfield/PointImage.h"
#include "platform/Platform.h"

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
    PrintDialog(Puzzle& puzzle, ClueTables& clues, platform::Platform& platform, QWidget* parent = nullptr);
    ~PrintDialog() override;

    // The printer found at start-up: `PrinterPresent` and `PrinterName`.
    void setPrinterState(bool present, const QString& defaultPrinterName);
    bool printerPresent() const { return m_printerPresent; }
    // The main window sets this (its tag "CLOSE") when the program exits; the
    // dialog then really closes instead of hiding.
    void setProgramClosing(bool closing) { m_programClosing = closing; }

    // The main window's print command (`MMprint`), after it has hidden the
    // test window: fills the printer list, selects automatic size, puts the
    // title in the box, derives the clues, composes the preview and shows the
    // dialog (not modal).
    void open();
    // The captions in the puzzle's language.
    void applyCaptions();

    // `composePage`: composes the page on `surface`. `testArea` is the test
    // window's available area in points (test-window mode only).
    PageLayout composePage(PageSurface& surface, bool EchtePrinter, bool DrawnForTest, QSizeF testArea = {});
    // The test window's composition into its clue panel: automatic size,
    // clues derived, page composed in test-window mode, the field placed over
    // the grid. Returns the layout (cell size in `cellSize`).
    PageLayout composeForTest(CluePanel& panel, QSizeF area);
    // "Compose preview": composePage on the canvas `DaPa`.
    void composePreview();
    // The preview refresh (`VS` changed).
    void refreshPreview();

    // `Command1`: prints on the printer chosen in `cmbPrinter`. False when no
    // printer is present or the job failed (a message has then been shown).
    bool printPuzzle();
    // Writes the page Print would send to paper into the PDF file `path`.
    bool savePdf(const QString& path);
    // The "Save as PDF" button: asks for a file, then savePdf.
    void askSavePdf();
    // `Command2`: hides the dialog and asks for the main window.
    void cancel();

    const QImage& canvas() const { return m_dapa.image(); }
    // What the last composition found (any surface).
    const PageLayout& lastLayout() const { return m_lastLayout; }
    bool composing() const { return m_composing; }
    int titleCountdown() const { return m_countdown; }
    // The printer a print or preview uses (null without printers).
    QPrinter* currentPrinter();

    // Controls, by the names the program gives them.
    QGroupBox* FramePrinter;
    QComboBox* cmbPrinter;
    QGroupBox* FramePapier;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QGroupBox* FrameTitel;
    QLineEdit* txtTitel;
    QCheckBox* CentreerTitel;
    QGroupBox* FrameKleur;
    QPushButton* Picture1;
    QCheckBox* AchtergrondKleur;
    QGroupBox* Frame1;
    QRadioButton* Option3;
    QRadioButton* Option4;
    QLineEdit* Text2;
    QScrollBar* Funny;
    QLabel* Label2;
    QLineEdit* Text1;
    QScrollBar* VS;
    QLabel* Label3;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* cmdSavePdf;
    ScaledPreview* PreviewBox;
    QTimer* Timer1;

signals:
    // Text for the main window's status line `LblStatus`.
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
    PageTexts texts() const;
    QString text(const Text& t) const;
    void setPrintColour(const QColor& colour);
    void fillPrinterList();
    void onTitleChanged();
    void onTimerTick();
    void onManualSizeChanged();
    void onSpinChanged();
    void onPreviewSizeChanged();
    bool paintOnPrinter(QPrinter& printer);

    Puzzle& m_puzzle;
    ClueTables& m_clues;
    platform::Platform& m_platform;
    bool m_printerPresent = false;
    QString m_printerName;
    bool m_programClosing = false;
    bool m_composing = false;
    int m_countdown = 0;
    QColor m_printColour = Qt::black;
    PointImage m_dapa;
    PageLayout m_lastLayout;
    std::unique_ptr<QPrinter> m_printer;
    QString m_printerFor;
    QScrollArea* m_previewArea = nullptr;
};

} // namespace gw
