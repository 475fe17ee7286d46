// The maker's main window as a user meets it: starting, the file commands
// with their questions, the recent list, the size dialog, languages and help.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/Palette.h"
#include "editor/ColorChooser.h"
#include "editor/Form1.h"
#include "editor/GridView.h"
#include "editor/GrootteForm.h"
#include "editor/NieuwForm.h"
#include "editor/PreviewView.h"
#include "editor/tests/EditorTestKit.h"
#include "platform/SettingsFolder.h"

using namespace gw;
using namespace gw::editor;
using namespace gw::editor::testing;
using gw::platform::Answer;
using gw::platform::Buttons;
using gw::platform::Icon;
using gw::platform::testing::DialogKind;

namespace {
QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
QAction* action(Form1& form, const char* name) { return form.findChild<QAction*>(QLatin1String(name)); }
} // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::testing::filterOffscreenNoise(); }

    // ---- starting -------------------------------------------------------------
    void firstStartInAnEmptyFolder() {
        Maker maker(-1);
        const auto& shown = maker.fake.messages.requests();
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown[0].text.startsWith("Thanks for installing Gridwick Puzzle Maker."));
        QCOMPARE(shown[0].title, QStringLiteral("Gridwick Puzzle Maker"));
        QCOMPARE(shown[0].icon, Icon::Information);
        QCOMPARE(maker.puzzle.Language, 0);
        QCOMPARE(maker.form->windowTitle(), QStringLiteral("No Title - Gridwick Puzzle Maker"));
        QCOMPARE(maker.puzzle.PuzzleWidth, 25);
        QCOMPARE(maker.puzzle.PuzzleHeight, 25);
        QVERIFY(!maker.puzzle.ColorPuzzle);
        QVERIFY(!maker.form->chooser().showsEightSwatches());
        QVERIFY(std::all_of(maker.puzzle.Cells.begin(), maker.puzzle.Cells.end(), [](auto c) { return c == White; }));
        QCOMPARE(maker.form->statusText(),
                 QStringLiteral("Welcome to Gridwick Puzzle Maker, the program to create Japanese Puzzles."));
        for (int i = 0; i < 5; ++i)
            QVERIFY(!maker.form->recentAction(i)->isVisible());
        QVERIFY(!maker.form->recentSeparator()->isVisible());
        QCOMPARE(readAll(maker.path("recent.ini")), QByteArray(5, '\0'));
        QVERIFY(maker.form->languageAction(0)->isChecked());
        QCOMPARE(action(*maker.form, "MMnieuw")->text(), QStringLiteral("&New"));
        QVERIFY(maker.fake.allAnswered());
    }

    void startWithoutPrinterSaysSoOnce() {
        Maker maker(0, false);
        QCOMPARE(maker.fake.messages.texts(), QStringList{"No printer found. You cannot print puzzles."});
        QCOMPARE(maker.fake.messages.requests()[0].icon, Icon::Critical);
        QVERIFY(!maker.form->printerPresent());
        QVERIFY(!action(*maker.form, "MMprint")->isEnabled());
        QVERIFY(!action(*maker.form, "MMtest")->isEnabled());
    }

    void startWithRememberedLanguage() {
        Maker maker(1);
        QVERIFY(maker.fake.messages.requests().isEmpty());
        QCOMPARE(maker.form->windowTitle(), QStringLiteral("Naamloos - Gridwick Puzzle Maker"));
        QCOMPARE(action(*maker.form, "MMsave")->text(), QStringLiteral("O&pslaan"));
        QVERIFY(maker.form->languageAction(1)->isChecked());
        QCOMPARE(maker.form->printerName(), QStringLiteral("Office Laser"));
    }

    // Mend: a damaged lang.ini used to start a program without any caption.
    void damagedLanguageByteStartsInEnglish() {
        Maker maker(7);
        QCOMPARE(maker.puzzle.Language, 0);
        QCOMPARE(action(*maker.form, "MMopen")->text(), QStringLiteral("&Open"));
        QCOMPARE(maker.form->windowTitle(), QStringLiteral("No Title - Gridwick Puzzle Maker"));
    }

    // Mend: settings go to the user's folder only when the program's folder is read-only.
    void settingsStayBesideTheProgramWhenItsFolderIsWritable() {
        QTemporaryDir program, user;
        QCOMPARE(platform::settingsFolder(program.path(), user.path()), program.path() + "/");
        QVERIFY(QDir(user.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }
    void settingsMoveToTheUserFolderWhenTheProgramFolderIsReadOnly() {
        QTemporaryDir program, user;
        QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner);
        if (platform::folderIsWritable(program.path())) {
            QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("this user may write into a read-only folder (root)");
        }
        const QString chosen = platform::settingsFolder(program.path(), user.path());
        QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(chosen, user.path() + "/Gridwick/");
        QVERIFY(QFileInfo(chosen).isDir());
    }

    // ---- the save-first question ------------------------------------------------
    void saveFirstQuestionOnEveryDiscardingCommand_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("goesOn");
        for (const char* command : {"new", "open", "recent", "exit"}) {
            QTest::addRow("%s, cancel", command) << command << int(Answer::Cancel) << false;
            QTest::addRow("%s, no", command) << command << int(Answer::No) << true;
            QTest::addRow("%s, yes", command) << command << int(Answer::Yes) << true;
        }
    }
    void saveFirstQuestionOnEveryDiscardingCommand() {
        QFETCH(QString, command);
        QFETCH(int, answer);
        QFETCH(bool, goesOn);
        Maker maker;
        const QString other = maker.writePuzzleFile("other.pbm", {"#.", ".#"});
        maker.form->loadFile(other); // puts it in the recent list
        maker.form->drawCell(1, 1, 0); // an unsaved change
        QVERIFY(maker.puzzle.PuzzleChanged);
        const QString target = maker.path("drawn.pbm");

        maker.fake.messages.answer(Answer(answer));
        if (Answer(answer) == Answer::Yes) // the puzzle has its file: Save writes it without a dialog
            maker.puzzle.FileName = target.toStdString();
        if (goesOn && command == "open")
            maker.fake.files.answerCancel(DialogKind::Open);

        QFile::remove(maker.path("lang.ini"));
        if (command == "new")
            maker.form->newCommand();
        else if (command == "open")
            maker.form->openCommand();
        else if (command == "recent")
            maker.form->openRecent(0);
        else
            maker.form->close();

        const auto& asked = maker.fake.messages.requests().front();
        QCOMPARE(asked.text, QStringLiteral("First save the current puzzle?"));
        QCOMPARE(asked.title, QStringLiteral("First save?"));
        QCOMPARE(asked.icon, Icon::Question);
        QCOMPARE(asked.buttons, Buttons::YesNoCancel);
        QCOMPARE(QFileInfo::exists(target), Answer(answer) == Answer::Yes);
        if (command == "new")
            QCOMPARE(maker.form->newDialog().isVisible(), goesOn);
        if (command == "open")
            QCOMPARE(maker.fake.files.requests().size(), goesOn ? 1 : 0);
        if (command == "recent") {
            QCOMPARE(maker.puzzle.PuzzleChanged, !goesOn);
            QCOMPARE(maker.form->statusText().endsWith(" has been opened."), goesOn);
        }
        if (command == "exit") {
            QCOMPARE(maker.form->isVisible(), !goesOn);
            QCOMPARE(readAll(maker.path("lang.ini")), goesOn ? QByteArray(1, '\0') : QByteArray());
        }
        QVERIFY(maker.fake.allAnswered());
    }

    void noQuestionWithoutChanges() {
        Maker maker;
        maker.form->newCommand();
        QVERIFY(maker.fake.messages.requests().isEmpty());
        QVERIFY(maker.form->newDialog().isVisible());
    }

    void exitWritesTheLanguage() {
        Maker maker;
        maker.form->applyLanguage(2);
        maker.form->close();
        QCOMPARE(readAll(maker.path("lang.ini")), QByteArray(1, '\2'));
        QCOMPARE(maker.form->statusText(), QStringLiteral("Ciao ciao!"));
    }

    // ---- new, open, save -----------------------------------------------------------
    void newPuzzleDialogMakesTheChosenPuzzle() {
        Maker maker;
        maker.form->newCommand();
        NieuwForm& dialog = maker.form->newDialog();
        QCOMPARE(dialog.Text1->text(), QStringLiteral("25"));
        dialog.Text1->setText("10");
        dialog.Text2->setText("75");
        dialog.Option1[1]->click();
        dialog.cmdOK->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.Text2->text(), QStringLiteral("50")); // the correction is shown
        QCOMPARE(maker.puzzle.PuzzleWidth, 10);
        QCOMPARE(maker.puzzle.PuzzleHeight, 50);
        QVERIFY(maker.form->chooser().showsEightSwatches());
        QCOMPARE(maker.form->statusText(), QStringLiteral("A new color puzzle has been created..."));
        QCOMPARE(maker.puzzle.ButtonColor[0], Black);
        QCOMPARE(maker.puzzle.ButtonColor[1], White);
        QVERIFY(!maker.puzzle.PuzzleChanged);
    }

    void openShowsThePuzzleAndNamesIt() {
        Maker maker;
        const QString file = maker.writePuzzleFile("boat.ppm", {"RRB", "#.A"});
        maker.fake.files.answerOpen(file, 0);
        maker.form->openCommand();
        const auto& request = maker.fake.files.requests().front().request;
        QCOMPARE(request.filter.section('|', 0, 0), QStringLiteral("All Known Bitmaps (*.pbm;*.ppm)"));
        QCOMPARE(request.initialFolder, maker.path("Puzzles"));
        QVERIFY(request.fileName.isEmpty());
        QCOMPARE(gridRows(maker.puzzle), (QStringList{"RRB", "#.A"}));
        QCOMPARE(maker.form->windowTitle(), QStringLiteral("boat - Gridwick Puzzle Maker"));
        QCOMPARE(maker.form->statusText(), "The file " + file + " has been opened.");
        QVERIFY(maker.form->chooser().showsEightSwatches());
        QCOMPARE(maker.form->preview().picture().pixelColor(2, 0), QColor(0, 0, 255));
        QCOMPARE(maker.form->recentAction(0)->text(), QStringLiteral("&1 boat"));
        QVERIFY(maker.form->recentSeparator()->isVisible());
    }

    void saveAsWithTheColourEntryMakesAColourFile() {
        Maker maker;
        maker.form->drawCell(1, 0, 0);
        const QString target = maker.path("art.ppm");
        maker.fake.files.answerSave(target, 1);
        QVERIFY(maker.form->saveAsCommand());
        const auto& request = maker.fake.files.requests().front().request;
        QCOMPARE(request.fileName, QStringLiteral("No Title"));
        QCOMPARE(request.filterIndex, 0);
        QCOMPARE(request.filter,
                 QStringLiteral("Black And White Bitmaps (*.pbm)|*.pbm|Color Bitmaps (*.ppm)|*.ppm|All Files (*.*)|*.*"));
        QVERIFY(readAll(target).startsWith("P6"));
        QVERIFY(maker.form->chooser().showsEightSwatches());
        QCOMPARE(maker.form->windowTitle(), QStringLiteral("art - Gridwick Puzzle Maker"));
        QCOMPARE(maker.form->statusText(), "The file " + target + " has been saved.");
        QVERIFY(!maker.puzzle.PuzzleChanged);
    }

    void saveAsPresetsTheFileNameWithoutExtension() {
        Maker maker;
        const QString file = maker.writePuzzleFile("kite.pbm", {"#."});
        maker.form->loadFile(file);
        maker.fake.files.answerCancel(DialogKind::Save);
        QVERIFY(!maker.form->saveAsCommand());
        QCOMPARE(maker.fake.files.requests().front().request.fileName, maker.path("kite"));
    }

    void overwriteQuestion_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("written");
        QTest::addColumn<int>("dialogs");
        QTest::newRow("yes overwrites") << int(Answer::Yes) << true << 1;
        QTest::newRow("no asks again") << int(Answer::No) << false << 2;
        QTest::newRow("cancel ends") << int(Answer::Cancel) << false << 1;
    }
    void overwriteQuestion() {
        QFETCH(int, answer);
        QFETCH(bool, written);
        QFETCH(int, dialogs);
        Maker maker;
        const QString existing = maker.writeFile("old.pbm", "old");
        maker.fake.files.answerSave(existing, 0);
        maker.fake.messages.answer(Answer(answer));
        if (Answer(answer) == Answer::No)
            maker.fake.files.answerCancel(DialogKind::Save);
        maker.form->saveAsCommand();
        const auto& asked = maker.fake.messages.requests().front();
        QCOMPARE(asked.text, QStringLiteral("This file already exists. Overwrite?"));
        QCOMPARE(asked.title, existing);
        QCOMPARE(asked.icon, Icon::Exclamation);
        QCOMPARE(asked.buttons, Buttons::YesNoCancel);
        QCOMPARE(readAll(existing).startsWith("P4"), written);
        QCOMPARE(maker.fake.files.requests().size(), dialogs);
        QVERIFY(maker.fake.allAnswered());
    }

    // Mend: a failed save used to pass unnoticed and the puzzle counted as saved.
    void failedSaveIsReportedAndThePuzzleStaysChanged_data() {
        QTest::addColumn<bool>("saveAs");
        QTest::newRow("save") << false;
        QTest::newRow("save as") << true;
    }
    void failedSaveIsReportedAndThePuzzleStaysChanged() {
        QFETCH(bool, saveAs);
        Maker maker;
        maker.form->drawCell(1, 2, 2);
        const QString unwritable = maker.path("no-such-folder/p.pbm");
        maker.fake.messages.answer(Answer::Ok);
        if (saveAs) {
            maker.fake.files.answerSave(unwritable, 0);
            QVERIFY(!maker.form->saveAsCommand());
        } else {
            maker.puzzle.FileName = unwritable.toStdString();
            QVERIFY(!maker.form->saveCommand());
        }
        const auto& shown = maker.fake.messages.requests().front();
        QCOMPARE(shown.text, QStringLiteral("An error has occured while saving this file."));
        QCOMPARE(shown.title, unwritable);
        QCOMPARE(shown.icon, Icon::Critical);
        QVERIFY(maker.puzzle.PuzzleChanged);
        // Closing still asks; answering Cancel keeps the window.
        maker.fake.messages.answer(Answer::Cancel);
        QVERIFY(!maker.form->close());
        QCOMPARE(maker.fake.messages.requests().last().text, QStringLiteral("First save the current puzzle?"));
    }

    // Mend: answering Yes to the save-first question and then not saving used to discard the puzzle.
    void yesWithoutASaveKeepsThePuzzle() {
        Maker maker;
        maker.form->drawCell(1, 4, 4);
        maker.fake.messages.answer(Answer::Yes);
        maker.fake.files.answerCancel(DialogKind::Save);
        maker.form->newCommand();
        QVERIFY(!maker.form->newDialog().isVisible());
        QCOMPARE(maker.puzzle.cell(4, 4), Black);
    }

    // ---- the recent list -------------------------------------------------------------
    void recentListDropsDuplicatesIgnoringCase() {
        Maker maker;
        const QString a = maker.writePuzzleFile("a.pbm", {"#"});
        const QString b = maker.writePuzzleFile("b.pbm", {"#"});
        const QString upper = maker.writePuzzleFile("A.PBM", {"#"});
        maker.form->loadFile(a);
        maker.form->loadFile(b);
        maker.form->loadFile(upper);
        QCOMPARE(QString::fromStdString(maker.form->recentFiles()[0]), upper);
        QCOMPARE(QString::fromStdString(maker.form->recentFiles()[1]), b);
        QVERIFY(maker.form->recentFiles()[2].empty());
        QCOMPARE(maker.form->recentAction(0)->text(), QStringLiteral("&1 A"));
        QCOMPARE(maker.form->recentAction(1)->text(), QStringLiteral("&2 b"));
        QVERIFY(!maker.form->recentAction(2)->isVisible());
        const QByteArray stored = readAll(maker.path("recent.ini"));
        QCOMPARE(int(stored.at(0)), upper.toUtf8().size());
    }

    // ---- the size dialog ------------------------------------------------------------------
    void sizeDialogCorrectsItsFields_data() {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("shownWidth");
        QTest::addColumn<QString>("shownHeight");
        QTest::newRow("zero and too large") << "0" << "75" << "1" << "50";
        QTest::newRow("empty height takes the current") << "12" << "" << "12" << "25";
        QTest::newRow("plain") << "30" << "8" << "30" << "8";
    }
    void sizeDialogCorrectsItsFields() {
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(QString, shownWidth);
        QFETCH(QString, shownHeight);
        Maker maker;
        maker.form->sizeCommand();
        GrootteForm& dialog = maker.form->sizeDialog();
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.Command3->isEnabled());
        QCOMPARE(dialog.Label3->text(), QStringLiteral("Current width: 25"));
        dialog.Text1->setText(width);
        dialog.Text2->setText(height);
        QVERIFY(dialog.Command3->isEnabled());
        dialog.Command3->click();
        QCOMPARE(dialog.Text1->text(), shownWidth);
        QCOMPARE(dialog.Text2->text(), shownHeight);
        QCOMPARE(QString::number(maker.puzzle.PuzzleWidth), shownWidth);
        QCOMPARE(QString::number(maker.puzzle.PuzzleHeight), shownHeight);
        QCOMPARE(dialog.Label4->text(), "Current height: " + shownHeight);
        QVERIFY(!dialog.Command3->isEnabled());
        QVERIFY(maker.puzzle.PuzzleChanged);
        QCOMPARE(maker.form->preview().width(), shownWidth.toInt());
    }

    void sizeDialogTakesDigitsOnly() {
        Maker maker;
        maker.form->sizeCommand();
        GrootteForm& dialog = maker.form->sizeDialog();
        dialog.Text1->clear();
        QTest::keyClicks(dialog.Text1, "4x-2");
        QCOMPARE(dialog.Text1->text(), QStringLiteral("42"));
    }

    void shrinkingAndGrowingBackShowsTheOldPicture() {
        Maker maker;
        maker.form->NieuwePuzzel(30, 30, false);
        maker.form->drawCell(1, 25, 25);
        maker.form->sizeCommand();
        GrootteForm& dialog = maker.form->sizeDialog();
        dialog.Text1->setText("10");
        dialog.Text2->setText("10");
        dialog.Command2->click(); // OK applies first
        QVERIFY(!dialog.isVisible());
        QCOMPARE(maker.puzzle.PuzzleWidth, 10);
        maker.form->sizeCommand();
        dialog.Text1->setText("30");
        dialog.Text2->setText("30");
        dialog.Command3->click();
        QCOMPARE(maker.puzzle.cell(25, 25), Black);
        dialog.Command1->click();
        QVERIFY(!dialog.isVisible());
    }

    void closingTheSizeDialogOnlyHidesIt() {
        Maker maker;
        maker.form->sizeCommand();
        QPointer<GrootteForm> dialog = &maker.form->sizeDialog();
        dialog->close();
        QVERIFY(dialog);
        QVERIFY(!dialog->isVisible());
    }

    // ---- picture commands through the menu ---------------------------------------------------
    void fitSizeOnAnEmptyPuzzleOnlyExplains() {
        Maker maker;
        maker.fake.messages.answer(Answer::Ok);
        action(*maker.form, "MMfitSize")->trigger();
        const auto& shown = maker.fake.messages.requests().front();
        QCOMPARE(shown.text, QStringLiteral("The size can only be fitted when there is a picture."));
        QCOMPARE(shown.title, QStringLiteral("Fit Size"));
        QCOMPARE(shown.icon, Icon::Information);
        QCOMPARE(maker.puzzle.PuzzleWidth, 25);
        QVERIFY(!maker.puzzle.PuzzleChanged);
    }

    void pictureCommandsRedrawAndReport_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("fit") << "MMfitSize" << "The size has been fitted to the picture." << QStringList{"#R", "B."};
        QTest::newRow("negative") << "MMnegatief" << "The picture has been made negative."
                                  << QStringList{"####", "#.A#", "#Y##", "####"};
        QTest::newRow("left") << "MMschuif0" << "The picture has been dragged to the left."
                              << QStringList{"....", "#R..", "B...", "...."};
        QTest::newRow("down") << "MMschuif3" << "The picture has been dragged down."
                              << QStringList{"....", "....", ".#R.", ".B.."};
    }
    void pictureCommandsRedrawAndReport() {
        QFETCH(QString, item);
        QFETCH(QString, status);
        QFETCH(QStringList, after);
        Maker maker;
        maker.form->NieuwePuzzel(4, 4, true);
        for (auto [x, y, c] : {std::tuple{1, 1, Black}, {2, 1, Red}, {1, 2, Blue}})
            maker.puzzle.cell(x, y) = c;
        action(*maker.form, item.toLatin1().constData())->trigger();
        QCOMPARE(gridRows(maker.puzzle), after);
        QCOMPARE(maker.form->statusText(), status);
        QVERIFY(maker.puzzle.PuzzleChanged);
        // Grid and preview show the new picture.
        const double z = maker.form->GridZoom();
        for (int y = 0; y < maker.puzzle.PuzzleHeight; ++y)
            for (int x = 0; x < maker.puzzle.PuzzleWidth; ++x) {
                const QColor want = QColor(Palette[maker.puzzle.cell(x, y)].r, Palette[maker.puzzle.cell(x, y)].g,
                                           Palette[maker.puzzle.cell(x, y)].b);
                QCOMPARE(maker.form->grid().colorAt(QPoint(int((x + 0.5) * z), int((y + 0.5) * z))), want);
                QCOMPARE(maker.form->preview().picture().pixelColor(x, y), want);
            }
    }

    // ---- layout ---------------------------------------------------------------------------------
    void layoutScalesTheGridToTheFreeArea() {
        Maker maker;
        maker.setFreeArea(QSize(500, 400));
        QCOMPARE(maker.form->GridZoom(), 16.0);
        QCOMPARE(maker.form->grid().size(), QSize(401, 401));
        QCOMPARE(maker.form->grid().colorAt(QPoint(16, 20)), QColor(Qt::black)); // outline between cells
        QCOMPARE(maker.form->grid().colorAt(QPoint(400, 400)), QColor(Qt::black)); // closing outline
    }

    void tooNarrowWindowGrowsAtOnce() {
        Maker maker;
        maker.form->NieuwePuzzel(50, 50, false);
        maker.form->resize(maker.form->minimumSize().width(), 700);
        QTRY_VERIFY(maker.form->GridZoom() >= 3.0);
        QTRY_VERIFY(maker.form->grid().width() >= 151);
        QVERIFY(maker.form->width() > maker.form->minimumSize().width());
        QCOMPARE(maker.form->preview().size(), QSize(50, 50));
    }

    // ---- languages ---------------------------------------------------------------------------------
    void switchingLanguageRetitlesAnOpenDialog() {
        Maker maker;
        maker.form->sizeCommand();
        QCOMPARE(maker.form->sizeDialog().windowTitle(), QStringLiteral(" Size"));
        maker.form->languageAction(2)->trigger();
        QCOMPARE(maker.form->sizeDialog().windowTitle(), QStringLiteral(" Grandezza"));
        QCOMPARE(maker.form->sizeDialog().Command3->text(), QStringLiteral("&Applica"));
        QCOMPARE(maker.form->newDialog().windowTitle(), QStringLiteral(" Nuovo Puzzle"));
        QCOMPARE(maker.form->statusText(), QString::fromUtf8("La lingua \u00e8 ora Italiano."));
        QVERIFY(maker.form->languageAction(2)->isChecked());
        QVERIFY(!maker.form->languageAction(0)->isChecked());
        QCOMPARE(maker.form->findChild<QMenu*>("MMbewerken")->title(), QStringLiteral("&Edita"));
    }

    void choosingTheActiveLanguageStillSwitches() {
        Maker maker(1);
        maker.form->setStatus("something else");
        maker.form->languageAction(1)->trigger();
        QCOMPARE(maker.form->statusText(), QStringLiteral("De taal is nu Nederlands."));
        QVERIFY(maker.form->languageAction(1)->isChecked());
    }

    // ---- help, about, web site -------------------------------------------------------------------------
    void helpOpensTheDocumentOfTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("document");
        QTest::newRow("English") << 0 << "helpen.pdf";
        QTest::newRow("Dutch") << 1 << "helpnl.pdf";
        QTest::newRow("Italian") << 2 << "helpit.pdf";
    }
    void helpOpensTheDocumentOfTheLanguage() {
        QFETCH(int, language);
        QFETCH(QString, document);
        Maker maker(language);
        QFile(maker.path(document)).open(QIODevice::WriteOnly);
        action(*maker.form, "MMhelp")->trigger();
        QCOMPARE(maker.fake.documents.opened(), QStringList{maker.path(document)});
        QVERIFY(maker.fake.messages.requests().isEmpty());
    }

    void missingHelpDocumentIsExplained() {
        Maker maker(1);
        maker.fake.messages.answer(Answer::Ok);
        action(*maker.form, "MMhelp")->trigger();
        QCOMPARE(maker.fake.documents.opened(), QStringList{maker.path("helpnl.pdf")});
        const auto& shown = maker.fake.messages.requests().front();
        QVERIFY(shown.text.startsWith("Het Help-document kan niet automatisch worden geopend."));
        QCOMPARE(shown.title, QStringLiteral("Help"));
        QCOMPARE(shown.icon, Icon::Information);
        QCOMPARE(shown.buttons, Buttons::Ok);
    }

    void websiteThatCannotOpenIsExplained() {
        Maker maker;
        maker.fake.documents.failAll(true);
        maker.fake.messages.answer(Answer::Ok);
        action(*maker.form, "MMwebsite")->trigger();
        QVERIFY(maker.fake.documents.opened().front().startsWith("https://"));
        QCOMPARE(maker.fake.messages.requests().front().title, QStringLiteral("Website"));
    }

    void aboutNamesTheProductAndVersion() {
        Maker maker(2);
        maker.fake.messages.answer(Answer::Ok);
        action(*maker.form, "MMabout")->trigger();
        const auto& shown = maker.fake.messages.requests().front();
        const QStringList lines = shown.text.split('\n');
        QCOMPARE(lines.at(0), QStringLiteral("Gridwick Puzzle Maker"));
        QCOMPARE(lines.at(1), QStringLiteral("Versione 3.0"));
        QCOMPARE(lines.at(2), QString());
        QCOMPARE(lines.size(), 10); // Italian adds the request to write in English
        QCOMPARE(shown.title, QStringLiteral("Gridwick Puzzle Maker"));
        QCOMPARE(maker.form->statusText(), QStringLiteral("Visita il sito web di Gridwick Puzzle Maker: https://gridwick.example.org/"));
    }

    // ---- hooks for the print dialog and the test window --------------------------------------------------
    void printAndTestItemsWaitForTheirWindows() {
        Maker maker;
        int printed = 0, tested = 0;
        maker.form->setPrintCommand([&] { ++printed; });
        maker.form->setTestCommand([&] { ++tested; });
        QVERIFY(action(*maker.form, "MMprint")->isEnabled());
        action(*maker.form, "MMprint")->trigger();
        action(*maker.form, "MMtest")->trigger();
        action(*maker.form, "MMtest")->trigger();
        QCOMPARE(printed, 1);
        QCOMPARE(tested, 2);
        QVERIFY(!maker.form->mousePicture(1).isNull() || !QFileInfo::exists(maker.path("mouse1.dat")));
    }
};

QTEST_MAIN(EditorWindowTest)
#include "editor_window_test.moc"
