// Puzzles from elsewhere in the player: clue files (webpbn XML and .non)
// played like the pictures they were exported from, and random puzzles made
// from the dialog or from a code, off the window thread and cancellable.
#include <QComboBox>
#include <QDir>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>

#include "PlayerFixture.h"
#include "core/ClueFiles.h"
#include "lang/Texts.h"
#include "platform/LocalText.h"
#include "player/RandomPuzzles.h"

using namespace gw;
using namespace gw::test;

namespace {

// Waits for the puzzle being made; false when none came within 20 s.
bool waitForPuzzle(player::PlayerWindow& window)
{
    QSignalSpy ready(&window.randomPuzzles(), &player::RandomPuzzleCommands::puzzleReady);
    return ready.wait(20000);
}

// Fills in the dialog (colour entry 0 is black and white, grade entry 0
// easy) and presses OK.
void acceptChoices(player::RandomPuzzleDialog& dialog, int width, int height, int colorEntry, int gradeEntry)
{
    dialog.widthBox()->setValue(width);
    dialog.heightBox()->setValue(height);
    dialog.colorsBox()->setCurrentIndex(colorEntry);
    dialog.gradeBox()->setCurrentIndex(gradeEntry);
    dialog.accept();
}

} // namespace

class PuzzleSourcesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::testing::filterOffscreenNoise(); }

    // Every public puzzle, exported as webpbn XML (and as .non when black
    // and white), shows the clues of its picture file.
    void clueFilesShowTheCluesOfTheirPicture()
    {
        const QDir corpus(QStringLiteral(GRIDWICK_PUZZLES_DIR "/public"));
        const QStringList files = corpus.entryList({QStringLiteral("*.pbm"), QStringLiteral("*.ppm")}, QDir::Files);
        if (files.isEmpty())
            QSKIP("the public puzzles are not here");
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        for (const QString& name : files) {
            const QString picturePath = corpus.filePath(name);
            QVERIFY2(w.loadFile(picturePath), qPrintable(name));
            const ClueTables pictureClues = w.clues();
            const Puzzle picture = f.puzzle;
            const std::string base = f.folder.filePath(QFileInfo(name).completeBaseName()).toStdString();
            std::vector<std::pair<std::string, ClueFormat>> exports {{base + ".xml", ClueFormat::Webpbn}};
            if (!picture.isColor)
                exports.push_back({base + ".non", ClueFormat::Non});
            for (const auto& [path, format] : exports) {
                QVERIFY2(exportClueFile(picture, path, format).ok, path.c_str());
                f.fakes.messages.clear();
                QVERIFY2(w.loadFile(QString::fromStdString(path)), path.c_str());
                QVERIFY2(w.clues() == pictureClues, path.c_str());
                QCOMPARE(f.puzzle.cells, picture.cells);
                QVERIFY(w.hasPuzzle());
            }
        }
    }

    // Clues with two solutions are refused with the maker's message; the
    // game on screen stays.
    void ambiguousClueFileKeepsTheGame()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        QVERIFY(w.loadFile(f.writePuzzle("smile.pbm", {"#...#", ".....", "#...#", ".###."})));
        const QString caption = w.windowTitle();
        const QString path = f.write("two.non", "width 2\nheight 2\nrows\n1\n1\ncolumns\n1\n1\n");
        f.fakes.messages.answer(platform::Answer::Ok);
        QVERIFY(!w.loadFile(path));
        QCOMPARE(f.fakes.messages.texts().back(), localText(Language::English, txt::ClueSeveralSolutions));
        QVERIFY(w.hasPuzzle());
        QCOMPARE(w.windowTitle(), caption);
        QCOMPARE(f.puzzle.width, 5);
    }

    // A code gives the generator's puzzle, its code in the caption.
    void puzzleCodeOpensItsPuzzle()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        const QString code = QStringLiteral("12x9-3c-medium-7F3K9Q");
        QVERIFY(w.randomPuzzles().openCode(code.toLower()));
        QVERIFY(w.randomPuzzles().progressBox() != nullptr);
        QVERIFY(waitForPuzzle(w));
        QVERIFY(w.hasPuzzle());
        QVERIFY(!w.randomPuzzles().running());
        QVERIFY(w.randomPuzzles().progressBox() == nullptr);
        QCOMPARE(w.windowTitle(), code + localText(Language::English, txt::CaptionSuffixPlayer));
        const Puzzle expected = analysis::generateRandomPuzzle(*analysis::parsePuzzleCode(code.toStdString())).picture;
        QCOMPARE(f.puzzle.cells, expected.cells);
        QVERIFY(f.puzzle.isColor);
    }

    void badPuzzleCodeIsRefused()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        f.fakes.messages.answer(platform::Answer::Ok);
        QVERIFY(!w.randomPuzzles().openCode(QStringLiteral("12x9-3c-medium")));
        QCOMPARE(f.fakes.messages.texts(),
                 QStringList {localText(Language::English, txt::PuzzleCodeInvalid) + "12x9-3c-medium"});
        QVERIFY(!w.randomPuzzles().running());
        QVERIFY(!w.hasPuzzle());
    }

    // The dialog's choices make the code; Cancel in the progress box stops
    // the work and no puzzle arrives.
    void dialogChoicesMakeThePuzzleAndCancelStopsIt()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        w.randomPuzzles().newRandomPuzzleCommand();
        player::RandomPuzzleDialog* dialog = w.randomPuzzles().randomDialog();
        QVERIFY(dialog != nullptr && dialog->isVisible());
        QCOMPARE(dialog->colorsBox()->count(), 7);
        acceptChoices(*dialog, 50, 50, 6, 1);
        QVERIFY(w.randomPuzzles().running());
        QSignalSpy ready(&w.randomPuzzles(), &player::RandomPuzzleCommands::puzzleReady);
        QPushButton* cancel = w.randomPuzzles().progressBox()->findChild<QPushButton*>();
        QVERIFY(cancel != nullptr);
        cancel->click();
        QVERIFY(!w.randomPuzzles().running());
        QTest::qWait(50);
        QCOMPARE(ready.count(), 0);
        QVERIFY(!w.hasPuzzle());

        w.randomPuzzles().newRandomPuzzleCommand(); // remembers the last choices
        dialog = w.randomPuzzles().randomDialog();
        QCOMPARE(dialog->widthBox()->value(), 50);
        acceptChoices(*dialog, 10, 8, 0, 2);
        QVERIFY(waitForPuzzle(w));
        QVERIFY(w.windowTitle().startsWith(QStringLiteral("10x8-2c-hard-")));
        QVERIFY(!f.puzzle.isColor);
    }
};

QTEST_MAIN(PuzzleSourcesTest)
#include "puzzle_sources_test.moc"
