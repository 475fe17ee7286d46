// The maker's main window as a user meets it: starting, the file commands
// with their questions, the recent list, languages, help and closing.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/Palette.h"
#include "editor/NewPuzzleDialog.h"
#include "editor/PreviewView.h"
#include "editor/SizeDialog.h"
#include "editor/tests/EditorTestKit.h"
#include "platform/FilePaths.h"
#include "platform/testing/Shortcuts.h"
#include "playfield/ColorChooser.h"

using namespace gw;
using namespace gw::editor;
using namespace gw::editor::testing;

namespace {
const QString SaveFirst = QStringLiteral("question YesNoCancel | First save? | First save the current puzzle?");

} // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::testing::filterOffscreenNoise(); }

    // ---- starting in an empty folder: every start shows a blank black-and-white 25 x 25 puzzle
    void starting_data()
    {
        QTest::addColumn<int>("langIniByte"); // -1: no lang.ini, the first start
        QTest::addColumn<bool>("printer");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("first start thanks")
            << -1 << true << Language::English
            << "information Ok | Gridwick Puzzle Maker | Thanks for installing Gridwick Puzzle Maker.";
        QTest::newRow("remembered Dutch") << 1 << true << Language::Dutch << "none";
        // Mend: a damaged lang.ini used to start a program without any caption.
        QTest::newRow("damaged language byte: English") << 7 << true << Language::English << "none";
        QTest::newRow("no printer: said once")
            << 0 << false << Language::English
            << "critical Ok | Gridwick Puzzle Maker | No printer found. You cannot print puzzles.";
    }
    void starting()
    {
        QFETCH(int, langIniByte);
        QFETCH(bool, printer);
        QFETCH(Language, language);
        QFETCH(QString, message);
        Maker maker(langIniByte, printer);
        QCOMPARE(maker.fake.messages.requests().size(), message == "none" ? 0 : 1);
        QVERIFY2(maker.message().startsWith(message), qPrintable(maker.message()));
        QCOMPARE(maker.session.language, language);
        QVERIFY(maker.window->languageAction(language)->isChecked());
        const bool dutch = language == Language::Dutch; // the rows start in English or Dutch
        QCOMPARE(maker.window->windowTitle(), QString(dutch ? "Naamloos" : "No Title") + " - Gridwick Puzzle Maker");
        QCOMPARE(maker.action("saveAction")->text(), dutch ? "O&pslaan" : "&Save");
        QCOMPARE(maker.window->statusText(),
                 dutch ? "Welkom bij Gridwick Puzzle Maker, het programma om Japanse Puzzels te maken." : Welcome);
        QCOMPARE(QSize(maker.puzzle.width, maker.puzzle.height), QSize(25, 25));
        QVERIFY(std::all_of(maker.puzzle.cells.begin(), maker.puzzle.cells.end(), [](auto c) { return c == White; }));
        QVERIFY(!maker.puzzle.isColor);
        QCOMPARE(maker.window->chooser().visibleSwatches(), 2);
        for (int i = 0; i < 5; ++i)
            QVERIFY(!maker.window->recentAction(i)->isVisible());
        QVERIFY(!maker.window->recentSeparator()->isVisible());
        QCOMPARE(readAll(maker.path("recent.ini")), QByteArray(5, '\0'));
        QCOMPARE(maker.window->printerPresent(), printer);
        QCOMPARE(maker.window->printerName(), printer ? QStringLiteral("Office Laser") : QString());
        QVERIFY(!maker.action("printAction")->isEnabled()
                && !maker.action("testAction")->isEnabled()); // until attached
    }

    // ---- the save-first question ------------------------------------------------
    void saveFirstQuestionOnEveryDiscardingCommand_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<Answer>("answer");
        for (const char* item : {"newAction", "openAction", "recentAction0", "importAction", "exitAction"})
            for (auto [name, answer] : {std::pair {"cancel", Answer::Cancel}, {"no", Answer::No}, {"yes", Answer::Yes}})
                QTest::addRow("%s, %s", item, name) << item << answer;
    }
    void saveFirstQuestionOnEveryDiscardingCommand()
    {
        QFETCH(QString, item);
        QFETCH(Answer, answer);
        const bool goesOn = answer != Answer::Cancel;
        Maker maker;
        maker.window->loadFile(maker.writeFile("other.pbm", "P1\n2 2\n1 0\n0 1\n")); // puts it in the recent list
        maker.window->drawCell(1, 1, 0);                                             // an unsaved change
        QVERIFY(maker.puzzle.changed);
        const QString target = maker.path("drawn.pbm");
        maker.fake.messages.answer(answer);
        if (answer == Answer::Yes) // the puzzle has its file: Save writes it without a dialog
            maker.puzzle.fileName = target.toStdString();
        const bool fileDialog = goesOn && (item == "openAction" || item == "importAction");
        if (fileDialog)
            maker.fake.files.answerCancel(DialogKind::Open);
        QFile::remove(maker.path("lang.ini"));
        maker.action(item.toLatin1().constData())->trigger();
        QCOMPARE(maker.message(), SaveFirst);
        QCOMPARE(QFileInfo::exists(target), answer == Answer::Yes);
        QCOMPARE(maker.fake.files.requests().size(), fileDialog ? 1 : 0);
        QCOMPARE(maker.window->newDialog().isVisible(), goesOn && item == "newAction");
        QCOMPARE(maker.window->isVisible(), !(goesOn && item == "exitAction"));
        QCOMPARE(readAll(maker.path("lang.ini")), goesOn && item == "exitAction" ? QByteArray(1, '\0') : QByteArray());
        QCOMPARE(maker.window->statusText().endsWith(" has been opened."), goesOn && item == "recentAction0");
        // Still changed unless saved or replaced by the recent file.
        QCOMPARE(maker.puzzle.changed, answer == Answer::Cancel || (answer == Answer::No && item != "recentAction0"));
    }

    // Mend: answering Yes to the save-first question and then not saving used to discard the puzzle.
    void yesWithoutASaveKeepsThePuzzle()
    {
        Maker maker;
        maker.window->drawCell(1, 4, 4);
        maker.fake.messages.answer(Answer::Yes);
        maker.fake.files.answerCancel(DialogKind::Save);
        maker.window->newCommand();
        QVERIFY(!maker.window->newDialog().isVisible());
        QCOMPARE(maker.puzzle.cell(4, 4), Black);
    }

    // ---- new, open, save -----------------------------------------------------------
    void newPuzzleDialogMakesTheChosenPuzzle()
    {
        Maker maker;
        maker.window->newCommand(); // nothing changed: no question
        NewPuzzleDialog& dialog = maker.window->newDialog();
        QCOMPARE(dialog.widthEdit()->text(), QStringLiteral("25"));
        dialog.widthEdit()->setText("10");
        dialog.heightEdit()->setText("75");
        dialog.eightColorsButton()->click();
        dialog.okButton()->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.heightEdit()->text(), QStringLiteral("50")); // the correction is shown
        QCOMPARE(QSize(maker.puzzle.width, maker.puzzle.height), QSize(10, 50));
        QCOMPARE(maker.window->chooser().visibleSwatches(), 8);
        QCOMPARE(maker.window->statusText(), QStringLiteral("A new color puzzle has been created..."));
        QCOMPARE(maker.session.buttonColor[0], Black);
        QCOMPARE(maker.session.buttonColor[1], White);
        QVERIFY(!maker.puzzle.changed);
    }

    void openShowsThePuzzleAndNamesIt()
    {
        Maker maker;
        const QString file = maker.writeFile("boat.ppm", "P3\n3 2\n1\n1 0 0  1 0 0  0 0 1\n0 0 0  1 1 1  0 1 1\n");
        maker.session.buttonColor = {{Red, Blue}}; // every open puts the buttons back on black and white
        maker.fake.files.answerOpen(file, 0);
        maker.window->openCommand();
        QCOMPARE(maker.session.buttonColor, (std::array<std::uint8_t, 2> {{Black, White}}));
        const auto& request = maker.fake.files.requests().front().request;
        QCOMPARE(request.filter.section('|', 0, 0), QStringLiteral("All Known Bitmaps (*.pbm;*.ppm)"));
        QCOMPARE(request.initialFolder, maker.path("Puzzles"));
        QVERIFY(request.fileName.isEmpty());
        QCOMPARE(gridRows(maker.puzzle), (QStringList {"RRB", "#.A"}));
        QCOMPARE(maker.window->windowTitle(), QStringLiteral("boat - Gridwick Puzzle Maker"));
        QCOMPARE(maker.window->statusText(), "The file " + file + " has been opened.");
        QCOMPARE(maker.window->chooser().visibleSwatches(), 8);
        QCOMPARE(maker.window->preview().picture().pixelColor(2, 0), QColor(0, 0, 255));
        QCOMPARE(maker.window->recentAction(0)->text(), QStringLiteral("&1 boat"));
        QVERIFY(maker.window->recentSeparator()->isVisible());
    }

    void saveAsWithTheColorEntryMakesAColorFile()
    {
        Maker maker;
        maker.window->drawCell(1, 0, 0);
        const QString target = maker.path("art.ppm");
        maker.fake.files.answerSave(target, 1);
        QVERIFY(maker.window->saveAsCommand());
        const auto& request = maker.fake.files.requests().front().request;
        QCOMPARE(request.fileName, QStringLiteral("No Title"));
        QCOMPARE(request.filterIndex, 0);
        QCOMPARE(
            request.filter,
            QStringLiteral("Black And White Bitmaps (*.pbm)|*.pbm|Color Bitmaps (*.ppm)|*.ppm|All Files (*.*)|*.*"));
        QVERIFY(readAll(target).startsWith("P6"));
        QCOMPARE(maker.window->chooser().visibleSwatches(), 8);
        QCOMPARE(maker.window->windowTitle(), QStringLiteral("art - Gridwick Puzzle Maker"));
        QCOMPARE(maker.window->statusText(), "The file " + target + " has been saved.");
        QVERIFY(!maker.puzzle.changed);
        // The next Save As offers the file's own name without its extension.
        maker.fake.files.answerCancel(DialogKind::Save);
        QVERIFY(!maker.window->saveAsCommand());
        QCOMPARE(maker.fake.files.requests().last().request.fileName, maker.path("art"));
    }

    void overwriteQuestion_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("written");
        QTest::addColumn<int>("dialogs");
        QTest::newRow("yes overwrites") << Answer::Yes << true << 1;
        QTest::newRow("no asks again") << Answer::No << false << 2;
        QTest::newRow("cancel ends") << Answer::Cancel << false << 1;
    }
    void overwriteQuestion()
    {
        QFETCH(Answer, answer);
        QFETCH(bool, written);
        QFETCH(int, dialogs);
        Maker maker;
        const QString existing = maker.writeFile("old.pbm", "old");
        maker.fake.files.answerSave(existing, 0);
        maker.fake.messages.answer(answer);
        if (answer == Answer::No)
            maker.fake.files.answerCancel(DialogKind::Save);
        QCOMPARE(maker.window->saveAsCommand(), written);
        QCOMPARE(maker.message(), "exclamation YesNoCancel | " + existing + " | This file already exists. Overwrite?");
        QCOMPARE(readAll(existing).startsWith("P4"), written);
        QCOMPARE(maker.fake.files.requests().size(), dialogs);
    }

    // Mend: a failed save used to pass unnoticed and the puzzle counted as
    // saved. Regressions: the message did not say why, and a failed Save As
    // had already given the puzzle its new name and caption.
    void failedSaveIsReportedAndThePuzzleStaysChanged()
    {
        Maker maker;
        maker.window->drawCell(1, 2, 2);
        const QString unwritable = maker.path("no-such-folder/p.pbm");
        const QString failed = "critical Ok | " + unwritable + " | An error has occured while saving this file.\n"
                               + QString::fromLocal8Bit(std::strerror(ENOENT));
        maker.fake.messages.answer(Answer::Ok);
        maker.fake.files.answerSave(unwritable, 0);
        QVERIFY(!maker.window->saveAsCommand());
        QCOMPARE(maker.message(), failed);
        QVERIFY(maker.puzzle.changed);
        QCOMPARE(maker.window->windowTitle(), QStringLiteral("No Title - Gridwick Puzzle Maker"));
        QCOMPARE(maker.puzzle.fileName, std::string(NoFileName));
        QCOMPARE(maker.puzzle.name, std::string("No Title"));
        QVERIFY(maker.window->recentFiles()[0].empty());
        // Save asks for a name again, since the puzzle still has none.
        maker.fake.files.answerSave(unwritable, 0);
        maker.fake.messages.answer(Answer::Ok);
        QVERIFY(!maker.window->saveCommand());
        QCOMPARE(maker.message(1), failed);
        QVERIFY(maker.puzzle.changed);
        // Closing still asks; answering Cancel keeps the window.
        maker.fake.messages.answer(Answer::Cancel);
        QVERIFY(!maker.window->close());
        QCOMPARE(maker.message(2), SaveFirst);
    }

    // ---- settings beside a read-only program, and names that are not UTF-8 ----------------
    // The settings folder is the user's (the program's folder was read-only):
    // the files shipped in the program's folder are its defaults until it has
    // its own. Regression: a Latin-1 name in recent.ini showed as "caf\ufffd"
    // and could not be opened; its bytes now reach the file system unchanged.
    void shippedSettingsAndNonUtf8Names()
    {
        QTemporaryDir program, settings;
        const std::string path = platform::pathBytes(program.path()) + "/caf\xe9.pbm";
        std::filesystem::copy_file(GRIDWICK_SOURCE_DIR "/samples/heart.pbm", path);
        writeBytes(program.filePath(QStringLiteral("lang.ini")), "\1");
        writeBytes(program.filePath(QStringLiteral("recent.ini")), QByteArray::fromStdString(char(path.size()) + path));
        for (int start = 0; start < 2; ++start) {
            OwnMaker maker(program.path() + "/", settings.path() + "/");
            QVERIFY(maker.fake.messages.requests().isEmpty()); // no thanks: the shipped lang.ini counts
            QCOMPARE(maker.session.language, start == 0 ? Language::Dutch : Language::Italian);
            QCOMPARE(maker.window->recentAction(0)->text(), QStringLiteral("&1 caf\u00e9"));
            maker.window->recentAction(0)->trigger();
            QCOMPARE(maker.window->windowTitle().left(7), QStringLiteral("caf\u00e9 - "));
            maker.window->drawCell(1, 0, 0);
            QVERIFY(maker.window->saveCommand()); // over the same file
            QCOMPARE(maker.window->recentFiles()[0], path);
            maker.window->applyLanguage(Language::Italian);
            QVERIFY(maker.window->close());
        }
        QCOMPARE(readAll(settings.filePath(QStringLiteral("lang.ini"))), QByteArray("\2"));
        QCOMPARE(readAll(program.filePath(QStringLiteral("lang.ini"))), QByteArray("\1")); // shipped files stay
        QCOMPARE(std::filesystem::remove(path), true);                                     // Qt cannot remove it
    }

    // Regression: an unreadable lang.ini was taken for a first start.
    void unreadableLanguageFileIsNoFirstStart()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("lang.ini"))); // unreadable for root as well
        OwnMaker maker(folder.path() + "/", folder.path() + "/");
        QVERIFY(maker.fake.messages.requests().isEmpty());
        QCOMPARE(maker.session.language, Language::English);
    }

    // A recent file that has vanished since: the open error for its path, no
    // save-first question, the drawing and its changed flag stay, and the
    // entry leaves the menu and "recent.ini". It used to be "opened" silently,
    // dropping the changed flag and keeping the entry.
    void vanishedRecentFileIsReportedAndDropped()
    {
        Maker maker;
        const QString kept = maker.writeFile("kept.pbm", "P1\n1 1\n1\n");
        const QString gone = maker.writeFile("gone.pbm", "P1\n2 1\n1 0\n");
        maker.window->loadFile(kept);
        maker.window->loadFile(gone);
        maker.window->drawCell(1, 1, 0);
        QVERIFY(QFile::remove(gone));
        maker.fake.messages.answer(Answer::Ok);
        maker.window->recentAction(0)->trigger();
        QCOMPARE(maker.message(), "critical Ok | " + gone + " | An error has occured while opening this file.");
        QCOMPARE(maker.message(1), QStringLiteral("none"));
        QCOMPARE(gridRows(maker.puzzle), QStringList {"##"});
        QVERIFY(maker.puzzle.changed);
        QCOMPARE(maker.window->windowTitle(), QStringLiteral("gone - Gridwick Puzzle Maker"));
        QCOMPARE(maker.window->recentAction(0)->text(), QStringLiteral("&1 kept"));
        QVERIFY(!maker.window->recentAction(1)->isVisible());
        QCOMPARE(readAll(maker.path("recent.ini")), char(kept.toUtf8().size()) + kept.toUtf8() + QByteArray(4, '\0'));
    }

    // ---- languages, help, about -------------------------------------------------------
    void switchingLanguageRetitlesAnOpenDialog()
    {
        Maker maker;
        maker.window->sizeCommand();
        QCOMPARE(maker.window->sizeDialog().windowTitle(), QStringLiteral(" Size"));
        maker.window->languageAction(Language::Italian)->trigger();
        QCOMPARE(maker.window->sizeDialog().windowTitle(), QStringLiteral(" Grandezza"));
        QCOMPARE(maker.window->sizeDialog().applyButton()->text(), QStringLiteral("&Applica"));
        QCOMPARE(maker.window->newDialog().windowTitle(), QStringLiteral(" Nuovo Puzzle"));
        QCOMPARE(maker.window->statusText(), QString::fromUtf8("La lingua \u00e8 ora Italiano."));
        QVERIFY(maker.window->languageAction(Language::Italian)->isChecked());
        QVERIFY(!maker.window->languageAction(Language::English)->isChecked());
        QCOMPARE(maker.window->findChild<QMenu*>("editMenu")->title(), QStringLiteral("&Edita"));
        // Choosing the active language again still says so.
        maker.window->setStatus("something else");
        maker.window->languageAction(Language::Italian)->trigger();
        QCOMPARE(maker.window->statusText(), QString::fromUtf8("La lingua \u00e8 ora Italiano."));
        QVERIFY(maker.window->languageAction(Language::Italian)->isChecked());
    }

    void helpAndWebsite_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("failure"); // the start of the message; empty when the document opens
        QTest::newRow("English help") << "helpAction" << Language::English << "helpen.pdf"
                                      << "";
        QTest::newRow("Dutch help") << "helpAction" << Language::Dutch << "helpnl.pdf"
                                    << "";
        QTest::newRow("Italian help") << "helpAction" << Language::Italian << "helpit.pdf"
                                      << "";
        QTest::newRow("Dutch help missing") << "helpAction" << Language::Dutch << "helpnl.pdf"
                                            << "information Ok | Help | Het Help-document kan niet automatisch worden "
                                               "geopend.";
        QTest::newRow("web site failing") << "websiteAction" << Language::English << "https://gridwick.example.org/"
                                          << "information Ok | Website | ";
    }
    void helpAndWebsite()
    {
        QFETCH(QString, item);
        QFETCH(Language, language);
        QFETCH(QString, document);
        QFETCH(QString, failure);
        Maker maker(languageByte(language));
        const QString opened = document.startsWith("https:") ? document : maker.path(document);
        if (failure.isEmpty()) {
            maker.writeFile(document, "%PDF-");
        } else {
            maker.fake.documents.failAll(true);
            maker.fake.messages.answer(Answer::Ok);
        }
        maker.action(item.toLatin1().constData())->trigger();
        QCOMPARE(maker.fake.documents.opened(), QStringList {opened});
        QVERIFY2(maker.message().startsWith(failure.isEmpty() ? "none" : failure), qPrintable(maker.message()));
    }

    // The platform's standard keys start their items, each key one item only.
    void standardShortcuts_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QKeySequence>("key");
        QTest::newRow("new") << "newAction" << QKeySequence(QStringLiteral("Ctrl+N"));
        QTest::newRow("open") << "openAction" << QKeySequence(QStringLiteral("Ctrl+O"));
        QTest::newRow("save") << "saveAction" << QKeySequence(QStringLiteral("Ctrl+S"));
        QTest::newRow("save as, also where the desktop gives none")
            << "saveAsAction" << QKeySequence(QStringLiteral("Ctrl+Shift+S"));
        QTest::newRow("print") << "printAction" << QKeySequence(QStringLiteral("Ctrl+P"));
        QTest::newRow("exit") << "exitAction" << QKeySequence(QStringLiteral("Ctrl+Q"));
        QTest::newRow("help") << "helpAction" << QKeySequence(QStringLiteral("F1"));
    }
    void standardShortcuts()
    {
        QFETCH(QString, item);
        QFETCH(QKeySequence, key);
        Maker maker;
        QVERIFY(maker.action(item.toLatin1().constData())->shortcuts().contains(key));
        QCOMPARE(platform::testing::repeatedShortcuts(*maker.window), QStringList());
    }

    // Ctrl+S on a puzzle without a file is Save As: the save dialog opens.
    void saveKeyOpensTheSaveDialog()
    {
        Maker maker;
        maker.fake.files.answerCancel(DialogKind::Save);
        QTest::keySequence(maker.window.get(), QKeySequence::Save);
        QCOMPARE(maker.fake.files.requests().size(), 1);
        QCOMPARE(maker.fake.files.requests()[0].kind, DialogKind::Save);
    }

    // ---- hooks for the print dialog and the test window, and closing -------------------
    void hooksAndClosing()
    {
        Maker maker;
        QString log; // p print, t test, b before closing, g closing for good
        maker.window->setPrintCommand([&] { log += 'p'; });
        maker.window->setTestCommand([&] { log += 't'; });
        maker.window->setBeforeClose([&] { log += 'b'; });
        QObject::connect(maker.window.get(), &MakerWindow::closingForGood, [&] { log += 'g'; });
        QVERIFY(maker.action("printAction")->isEnabled() && maker.action("testAction")->isEnabled());
        for (const char* item : {"printAction", "testAction", "testAction"})
            maker.action(item)->trigger();
        maker.window->applyLanguage(Language::Italian);
        maker.window->drawCell(1, 0, 0);
        maker.fake.messages.answer(Answer::Cancel);
        QVERIFY(!maker.window->close());
        QCOMPARE(log, "pttb"); // the hook runs before the question, the signal once the close is certain
        maker.fake.messages.answer(Answer::No);
        QVERIFY(maker.window->close());
        QCOMPARE(log, "pttbbg");
        QVERIFY(maker.session.closing);
        QCOMPARE(readAll(maker.path("lang.ini")), QByteArray(1, '\2'));
        QCOMPARE(maker.window->statusText(), QStringLiteral("Ciao ciao!"));
    }
};

QTEST_MAIN(EditorWindowTest)
#include "editor_window_test.moc"
