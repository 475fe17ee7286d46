// File > Import Image with Options: the dialog's live preview and verdict,
// the aspect lock, and OK making the previewed puzzle, driven through the
// maker's window.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QUndoStack>

#include <set>

#include "core/Palette.h"
#include "editor/ImageImport.h"
#include "editor/MakerDocument.h"
#include "editor/PictureImportDialog.h"
#include "editor/tests/EditorTestKit.h"
#include "lang/Texts.h"
#include "platform/LocalText.h"

using namespace gw;
using namespace gw::editor;
using namespace gw::editor::testing;

namespace {

// A photo-like picture: a red disc on a black background with a blue band.
QImage photo(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const int dx = x - size.width() / 2, dy = y - size.height() / 2;
            QRgb c = qRgb(10, 10, 10);
            if (dx * dx + dy * dy < size.height() * size.height() / 9)
                c = qRgb(230, 30, 20);
            else if (y > size.height() * 4 / 5)
                c = qRgb(20, 40, 220);
            image.setPixel(x, y, c);
        }
    }
    return image;
}

std::set<std::uint8_t> usedColors(const Puzzle& p)
{
    std::set<std::uint8_t> used;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            used.insert(p.cell(x, y));
    return used;
}

} // namespace

class PictureDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::testing::filterOffscreenNoise(); }

    // A 640 x 480 JPEG at 30 x 20 in 3 colours: the preview is the puzzle OK
    // makes, the same cells as the import with those choices (which
    // gridwick-cli picture uses), and the choices are remembered.
    void okMakesThePreviewedPuzzle()
    {
        Maker maker;
        const QString path = maker.path("photo.jpg");
        QVERIFY(photo(QSize(640, 480)).save(path, "JPG", 95));
        maker.fake.files.answerOpen(path, 0);
        maker.action("importOptionsAction")->trigger();
        PictureImportDialog& dialog = maker.window->pictureDialog();
        QVERIFY(dialog.isVisible());
        QCOMPARE(QSize(dialog.preview().width, dialog.preview().height), QSize(50, 38)); // the plain import's size
        QVERIFY(!dialog.verdict().isEmpty());

        dialog.widthBox()->setValue(30); // the aspect ratio kept: 22.5 rounds up
        QCOMPARE(dialog.heightBox()->value(), 23);
        dialog.keepAspectBox()->setChecked(false);
        dialog.heightBox()->setValue(20);
        QCOMPARE(dialog.widthBox()->value(), 30);
        dialog.colorsButton()->setChecked(true);
        dialog.colorsBox()->setValue(3);
        dialog.backgroundBox()->setCurrentIndex(Black);
        const Puzzle preview = dialog.preview();
        QCOMPARE(QSize(preview.width, preview.height), QSize(30, 20));
        QVERIFY(usedColors(preview).size() <= 3);
        QVERIFY(usedColors(preview).count(Red)); // the disc
        QVERIFY(preview.cell(0, 0) == White);    // the black background became white

        maker.puzzle.changed = true;
        dialog.okButton()->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(gridRows(maker.puzzle), gridRows(preview));
        QVERIFY(maker.puzzle.isColor);
        QVERIFY(!maker.puzzle.changed);
        QCOMPARE(maker.puzzle.name, std::string("photo"));
        QVERIFY(!maker.window->document().history().canUndo()); // a new history, as every import starts
        Puzzle command;
        QCOMPARE(importImage(command, path, Language::English, dialog.choices()).status, ImportStatus::Imported);
        QCOMPARE(gridRows(command), gridRows(preview));

        const MakerSettings& kept = maker.window->makerSettings();
        QCOMPARE(kept.pictureColors, 3);
        QCOMPARE(kept.pictureBackground, int(Black));
        QVERIFY(!kept.pictureKeepAspect);
        QVERIFY(readAll(maker.path("maker.ini")).contains("picture=3,128,0,0,0,0"));
        // The next time the dialog starts with them.
        maker.fake.files.answerOpen(path, 0);
        maker.action("importOptionsAction")->trigger();
        QVERIFY(dialog.colorsButton()->isChecked());
        QCOMPARE(dialog.colorsBox()->value(), 3);
        QCOMPARE(dialog.backgroundBox()->currentIndex(), int(Black));
        dialog.cancelButton()->click();
        QCOMPARE(gridRows(maker.puzzle), gridRows(preview)); // Cancel leaves the puzzle
    }

    // The verdict follows the choices: a black square on white is solvable
    // by logic; the threshold and invert change the preview at once.
    void verdictAndPreviewFollowTheChoices()
    {
        Maker maker;
        QImage square(10, 10, QImage::Format_RGB32);
        square.fill(Qt::white);
        for (int y = 2; y < 8; ++y)
            for (int x = 2; x < 8; ++x)
                square.setPixel(x, y, qRgb(100, 100, 100));
        const QString path = maker.path("square.png");
        QVERIFY(square.save(path));
        maker.window->importWithOptionsFile(path);
        PictureImportDialog& dialog = maker.window->pictureDialog();
        dialog.blackWhiteButton()->setChecked(true);
        dialog.thresholdSlider()->setValue(128);
        QCOMPARE(dialog.preview().cell(4, 4), Black);
        QCOMPARE(dialog.verdict(), localText(Language::English, txt::SolvabilityByLogic));
        dialog.thresholdSlider()->setValue(90); // the grey is now above it
        QCOMPARE(dialog.preview().cell(4, 4), White);
        dialog.invertBox()->setChecked(true); // white becomes black, the grey a light one
        QCOMPARE(dialog.preview().cell(4, 4), White);
        QCOMPARE(dialog.preview().cell(0, 0), Black);
        dialog.colorsButton()->setChecked(true);
        QVERIFY(!dialog.thresholdSlider()->isEnabled());
        QVERIFY(dialog.colorsBox()->isEnabled());
        QCOMPARE(dialog.findChild<QLabel*>("verdictLabel")->text(), dialog.verdict());
    }

    // A file that is no picture gives the plain import's error and no dialog.
    void noPictureGivesTheImportError()
    {
        Maker maker;
        const QString path = maker.writeFile("broken.png", QByteArray("not a picture"));
        const Puzzle before = maker.puzzle;
        maker.fake.messages.answer(Answer::Ok);
        maker.fake.files.answerOpen(path, 0);
        maker.action("importOptionsAction")->trigger();
        QVERIFY(maker.message(0).startsWith("critical Ok | "));
        QCOMPARE(gridRows(maker.puzzle), gridRows(before));
    }

    // The captions in each language.
    void captionsInEveryLanguage_data()
    {
        QTest::addColumn<Language>("language");
        QTest::newRow("English") << Language::English;
        QTest::newRow("Dutch") << Language::Dutch;
        QTest::newRow("Italian") << Language::Italian;
    }
    void captionsInEveryLanguage()
    {
        QFETCH(Language, language);
        Session session;
        PictureImportDialog dialog(session);
        dialog.applyCaptions(language);
        QCOMPARE(dialog.windowTitle(), localText(language, txt::PictureDialogTitle));
        QCOMPARE(dialog.invertBox()->text(), localText(language, txt::PictureDialogInvert));
        QVERIFY(!dialog.backgroundBox()->itemText(Red).isEmpty());
    }
};

QTEST_MAIN(PictureDialogTest)
#include "editor_picturedialog_test.moc"
