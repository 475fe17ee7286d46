// The platform layer: unit conversions, filter lists, digit boxes, the Qt
// dialogs driven from a timer, and where the settings are kept.
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

#include <cerrno>

#include "core/RegularFile.h"

#include "platform/DataPicture.h"
#include "platform/DigitBox.h"
#include "platform/FileFilter.h"
#include "platform/FilePaths.h"
#include "platform/QtPlatform.h"
#include "platform/SettingsFolder.h"
#include "platform/Units.h"
#include "platform/WindowFit.h"
#include "platform/testing/FakePlatform.h"

using namespace gw::platform;
using namespace gw::platform::testing;

namespace {
const char* const SaveBwFilter =
    "Black And White Bitmaps (*.pbm)|*.pbm|Color Bitmaps (*.ppm)|*.ppm|All Files (*.*)|*.*";
const char* const ImportFilter =
    "All Images (*.bmp;*.gif;*.jpg;*.ico;*.cur)|*.bmp;*.gif;*.jpg;*.jpeg;*.ico;*.cur|Windows Bitmaps (*.bmp)|*.bmp|"
    "GIF Images (*.gif)|*.gif|Jpeg Images (*.jpg)|*.jpg;*.jpeg|Icons (*.ico;*.cur)|*.ico;*.cur|All Files (*.*)|*.*";

// Runs `step` on the next modal dialog once it is up.
template <typename F> void whenModalShows(F step)
{
    QTimer::singleShot(0, [step] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            QTimer::singleShot(20, [step] { step(QApplication::activeModalWidget()); });
            return;
        }
        step(modal);
    });
}
} // namespace

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { filterOffscreenNoise(); }

    // ---- units -------------------------------------------------------------
    void twipsPerPixelFollowsLogicalResolution_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<double>("twipsPerPixel");
        QTest::newRow("96 dpi") << 96.0 << 15.0;
        QTest::newRow("120 dpi") << 120.0 << 12.0;
        QTest::newRow("no resolution falls back to 96") << 0.0 << 15.0;
    }
    void twipsPerPixelFollowsLogicalResolution()
    {
        QFETCH(double, dpi);
        QFETCH(double, twipsPerPixel);
        const ScreenUnits units(dpi, dpi);
        QCOMPARE(units.twipsPerPixelX(), twipsPerPixel);
        QCOMPARE(units.twipsPerPixelY(), twipsPerPixel);
    }
    void conversionsRoundTrip()
    {
        const ScreenUnits units(96, 120);
        QCOMPARE(units.twipsToPixelsX(1530), 102.0);
        QCOMPARE(units.twipsToPixelsY(1530), 127.5);
        QCOMPARE(units.pixelsToTwipsX(3), 45.0);
        QCOMPARE(units.pointsToPixelsX(72), 96.0);
        QCOMPARE(units.pixelsToPointsX(96), 72.0);
        QCOMPARE(twipsToPoints(1440), 72.0);
        QCOMPARE(pointsToTwips(1), 20.0);
        // Whole pixels round halves to even.
        QCOMPARE(units.twipsToWholePixelsX(22.5), 2); // 1.5 px
        QCOMPARE(units.twipsToWholePixelsX(37.5), 2); // 2.5 px
        QCOMPARE(units.twipsToWholePixelsY(42), 4);   // 3.5 px at 120 dpi
    }

    // ---- filter lists ------------------------------------------------------
    void filterListsSplitIntoEntries_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("qtFilter");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("bw save, first") << SaveBwFilter << 0 << 3 << "Black And White Bitmaps (*.pbm)"
                                        << "pbm";
        QTest::newRow("bw save, all files") << SaveBwFilter << 2 << 3 << "All Files (*)"
                                            << "";
        QTest::newRow("import, all images")
            << ImportFilter << 0 << 6 << "All Images (*.bmp *.gif *.jpg *.jpeg *.ico *.cur)"
            << "bmp";
        QTest::newRow("import, jpeg") << ImportFilter << 3 << 6 << "Jpeg Images (*.jpg *.jpeg)"
                                      << "jpg";
        QTest::newRow("description without pattern") << "Everything" << 0 << 1 << "Everything (*)"
                                                     << "";
    }
    void filterListsSplitIntoEntries()
    {
        QFETCH(QString, filter);
        QFETCH(int, index);
        QFETCH(int, entries);
        QFETCH(QString, qtFilter);
        QFETCH(QString, suffix);
        const auto parsed = parseFilter(filter);
        QCOMPARE(parsed.size(), entries);
        QCOMPARE(qtNameFilter(parsed[index]), qtFilter);
        QCOMPARE(defaultSuffix(parsed[index]), suffix);
    }

    // The picture imports: PNG and every readable format come before All Files.
    void readablePicturesGoBeforeAllFiles()
    {
        const auto parsed =
            parseFilter(withReadablePictures(ImportFilter, "PNG Images (*.png)|*.png", "All Readable Pictures"));
        QCOMPARE(parsed.size(), 8);
        QCOMPARE(parsed[0].description, QStringLiteral("All Images (*.bmp;*.gif;*.jpg;*.ico;*.cur)"));
        QCOMPARE(parsed[5].patterns, QStringList {"*.png"});
        QVERIFY(parsed[6].description.startsWith("All Readable Pictures (*."));
        for (const char* pattern : {"*.png", "*.jpeg", "*.gif", "*.bmp"})
            QVERIFY2(parsed[6].patterns.contains(pattern), pattern);
        QCOMPARE(parsed[7].description, QStringLiteral("All Files (*.*)"));
    }

    // ---- digit boxes -------------------------------------------------------
    void digitBoxesRefuseEverythingButDigits()
    {
        QLineEdit box;
        makeDigitsOnly(box);
        QTest::keyClicks(&box, "1a2 -3x");
        QCOMPARE(box.text(), QStringLiteral("123"));
        box.clear();
        box.insert(QStringLiteral("-5"));
        QCOMPARE(box.text(), QString());
    }

    // ---- windows keep inside the screen -------------------------------------
    void windowsFitTheAvailableArea_data()
    {
        // Windows not shown yet: a 30-pixel caption above the client area is
        // assumed. Rows give the window's position (its frame's corner) and size.
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QRect>("fitted");
        QTest::newRow("inside: unchanged") << QRect(10, 20, 200, 100) << QSize() << QRect(10, 20, 200, 100);
        QTest::newRow("too large: the area less the caption")
            << QRect(0, 0, 800, 600) << QSize() << QRect(0, 0, 480, 370);
        QTest::newRow("over the right and bottom edges: moved in")
            << QRect(400, 350, 200, 100) << QSize() << QRect(280, 270, 200, 100);
        QTest::newRow("above the top: moved down") << QRect(-20, -50, 100, 100) << QSize() << QRect(0, 0, 100, 100);
        QTest::newRow("minimum larger than the area: top-left corner inside")
            << QRect(100, 100, 300, 200) << QSize(500, 420) << QRect(0, 0, 500, 420);
    }
    void windowsFitTheAvailableArea()
    {
        QFETCH(QRect, window);
        QFETCH(QSize, minimum);
        QFETCH(QRect, fitted);
        QWidget w;
        w.setMinimumSize(minimum);
        w.move(window.topLeft());
        w.resize(window.size());
        fitInto(w, QRect(0, 0, 480, 400));
        QCOMPARE(QRect(w.pos(), w.size()), fitted);
    }

    // ---- the Qt implementations, answered from a timer ---------------------
    void messageBoxShowsIconButtonsAndReturnsTheAnswer()
    {
        QtPlatform qt;
        QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
        QString seenTitle;
        int buttonCount = 0;
        whenModalShows([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            seenIcon = box->icon();
            seenTitle = box->windowTitle();
            buttonCount = int(box->buttons().size());
            box->button(QMessageBox::No)->click();
        });
        const Answer answer =
            qt.platform().messages.show(QStringLiteral("First save the current puzzle?"), QStringLiteral("First save?"),
                                        Icon::Question, Buttons::YesNoCancel);
        QCOMPARE(answer, Answer::No);
        QCOMPARE(seenIcon, QMessageBox::Question);
        QCOMPARE(seenTitle, QStringLiteral("First save?"));
        QCOMPARE(buttonCount, 3);
    }

    void saveDialogReturnsChosenEntryAndDoesNotAskAboutOverwriting()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString existing = dir.filePath(QStringLiteral("cat.ppm"));
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QtPlatform qt;
        bool dontConfirm = false;
        whenModalShows([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            dontConfirm = dialog->testOption(QFileDialog::DontConfirmOverwrite);
            dialog->selectNameFilter(dialog->nameFilters().at(1));
            dialog->selectFile(QStringLiteral("cat"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        FileDialogRequest request;
        request.filter = QString::fromLatin1(SaveBwFilter);
        request.initialFolder = dir.path();
        request.fileName = QStringLiteral("No Title");
        const FileDialogResult result = qt.platform().files.save(request);
        QVERIFY(dontConfirm);
        QVERIFY(result.accepted);
        QCOMPARE(result.filterIndex, 1);
        QCOMPARE(result.path, existing); // the bare name gets the chosen entry's extension
    }

    void cancelledOpenDialogChoosesNothing()
    {
        QtPlatform qt;
        whenModalShows([](QWidget* modal) { modal->close(); });
        FileDialogRequest request;
        request.filter = QString::fromLatin1(ImportFilter);
        const FileDialogResult result = qt.platform().files.open(request);
        QVERIFY(!result.accepted);
        QVERIFY(result.path.isEmpty());
    }

    // Regression: with no PDF viewer installed, Help did nothing: xdg-open
    // started, failed and nobody heard. Its exit status is the outcome now.
    // A FIFO or device in a help file's place would block the viewer.
    void documentsReportWhatTheOpenerSays_data()
    {
        QTest::addColumn<QString>("document"); // FILE: an existing file; FIFO: a named pipe
        QTest::addColumn<int>("openerExit");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<bool>("handedOn");
        QTest::newRow("a viewer took the file") << "FILE" << 0 << true << true;
        QTest::newRow("no viewer for the file") << "FILE" << 3 << false << true;
        QTest::newRow("no browser") << "https://gridwick.example.org/" << 4 << false << true;
        QTest::newRow("missing file") << "/nonexistent/folder/helpen.pdf" << 0 << false << false;
        QTest::newRow("a device") << "/dev/zero" << 0 << false << false;
        QTest::newRow("a FIFO") << "FIFO" << 0 << false << false;
    }
    void documentsReportWhatTheOpenerSays()
    {
        QFETCH(QString, document);
        QFETCH(int, openerExit);
        QFETCH(bool, opened);
        QFETCH(bool, handedOn);
        QTemporaryDir folder;
        const QString log = folder.filePath(QStringLiteral("opened.log"));
        QFile opener(folder.filePath(QStringLiteral("xdg-open")));
        QVERIFY(opener.open(QIODevice::WriteOnly));
        opener.write(
            QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '%1'\nexit %2\n").arg(log).arg(openerExit).toUtf8());
        opener.close();
        opener.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(folder.path()) + ':' + path);
        const auto restore = qScopeGuard([&] { qputenv("PATH", path); });
        if (document == QLatin1String("FILE")) {
            document = folder.filePath(QStringLiteral("helpen.pdf"));
            QFile file(document);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (document == QLatin1String("FIFO")) {
            document = folder.filePath(QStringLiteral("helpit.pdf"));
            QCOMPARE(mkfifo(QFile::encodeName(document).constData(), 0600), 0);
        }
        QtPlatform qt;
        std::optional<bool> outcome;
        qt.platform().documents.open(document, [&](bool done) { outcome = done; });
        QTRY_VERIFY(outcome.has_value());
        QCOMPARE(*outcome, opened);
        QFile ran(log);
        QCOMPARE(ran.exists(), handedOn);
        if (handedOn) {
            QVERIFY(ran.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(ran.readAll()).trimmed(), document);
        }
    }

    // ---- paths as bytes ----------------------------------------------------
    // Regression: a Latin-1 name in the recent list went through a UTF-8
    // round trip and could not be opened. Bytes survive the trip through Qt.
    void pathBytesSurviveQt_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ASCII") << QByteArray("/p/cat.pbm") << QStringLiteral("/p/cat.pbm");
        QTest::newRow("UTF-8") << QByteArray("/p/caf\xc3\xa9.pbm") << QStringLiteral("/p/caf\u00e9.pbm");
        QTest::newRow("Latin-1") << QByteArray("/p/caf\xe9.pbm") << QStringLiteral("/p/caf\u00e9.pbm");
        QTest::newRow("cut UTF-8, then UTF-8")
            << QByteArray("\xe2\x82\xc3\xa9") << QStringLiteral("\u00e2\u0082\u00e9");
        QTest::newRow("surrogate bytes") << QByteArray("\xed\xb2\x80") << QStringLiteral("\u00ed\u00b2\u0080");
        QTest::newRow("every high byte") << QByteArray("\x80\xff\xfe") << QStringLiteral("\u0080\u00ff\u00fe");
    }
    void pathBytesSurviveQt()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        const std::string path = bytes.toStdString();
        const QString held = pathFromBytes(path);
        QCOMPARE(pathBytes(held), path);
        QCOMPARE(pathBytes(QString(held)), path); // copies too
        QCOMPARE(displayText(path), shown);
        QCOMPARE(displayPath(held), shown);
    }
    // Regression: a FIFO as "mouse1.dat" or another picture file blocked the start.
    void onlyRegularFilesAreOpened()
    {
        QTemporaryDir folder;
        const QString fifo = folder.filePath(QStringLiteral("mouse1.dat"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        int error = 0;
        QVERIFY(!openRegularFile(fifo, &error));
        QCOMPARE(error, gw::NotRegularFile);
        QVERIFY(!openRegularFile(QStringLiteral("/dev/zero"), &error));
        QVERIFY(!openRegularFile(folder.path(), &error));
        QCOMPARE(error, EISDIR);
        QVERIFY(loadDataPicture(fifo, 32).isNull());
    }

    void busyCursorIsBalanced()
    {
        QtPlatform qt;
        BusyCursor& busy = qt.platform().busy;
        busy.setBusy(true);
        busy.setBusy(true);
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        busy.setBusy(false);
        QVERIFY(!QGuiApplication::overrideCursor());
        {
            BusyScope scope(busy);
            QVERIFY(QGuiApplication::overrideCursor());
        }
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // ---- where the settings are kept ----------------------------------------
    // Settings stay beside a writable program; they go to the user's folder
    // beside a read-only one and beside an installed copy, even one that can
    // be written (root running a system-wide install wrote its settings into
    // /usr/lib/gridwick).
    void settingsFolderFollowsTheProgramFolder_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("besideProgram");
        QTest::newRow("writable") << true << false << true;
        QTest::newRow("read-only") << false << false << false;
        QTest::newRow("installed, writable") << true << true << false;
    }
    void settingsFolderFollowsTheProgramFolder()
    {
        QFETCH(bool, writable);
        QFETCH(bool, installed);
        QFETCH(bool, besideProgram);
        QTemporaryDir root, user;
        // A folder below a regular file cannot be written by anyone, root included.
        const QString program = root.filePath(writable ? QStringLiteral("programs") : QStringLiteral("file/programs"));
        QVERIFY(QDir(root.path()).mkdir(writable ? QStringLiteral("programs") : QStringLiteral("unused")));
        QFile marker(writable ? program + "/" + InstalledMarkerName : root.filePath(QStringLiteral("file")));
        if (installed || !writable) {
            QVERIFY(marker.open(QIODevice::WriteOnly));
            marker.close();
        }
        QCOMPARE(folderIsWritable(program), writable);
        const QString chosen = settingsFolder(program, user.path());
        QCOMPARE(chosen, besideProgram ? program + "/" : user.path() + "/Gridwick/");
        QVERIFY(QFileInfo(chosen).isDir());
        QCOMPARE(QDir(user.path()).isEmpty(), besideProgram);
    }

    // Regressions: a settings folder that could not be made was used all the
    // same and nothing was said; a relative XDG_CONFIG_HOME made a folder in
    // the current folder. The user's configuration folder comes from the
    // environment given; the program's folder is installed.
    void settingsFolderThatCannotBeUsedIsTold_data()
    {
        QTest::addColumn<QString>("xdg"); // "HOME/..." below the scratch home
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("problem");
        QTest::newRow("usable") << "HOME/cfg"
                                << "HOME/cfg/Gridwick/"
                                << "";
        QTest::newRow("relative XDG_CONFIG_HOME ignored") << "rel/cfg"
                                                          << "HOME/.config/Gridwick/"
                                                          << "";
        QTest::newRow("XDG_CONFIG_HOME is a file") << "HOME/file"
                                                   << ""
                                                   << "HOME/file/Gridwick: Not a directory";
        QTest::newRow("below a file") << "HOME/file/cfg"
                                      << ""
                                      << "HOME/file/cfg/Gridwick: Not a directory";
    }
    void settingsFolderThatCannotBeUsedIsTold()
    {
        QFETCH(QString, xdg);
        QFETCH(QString, expected);
        QFETCH(QString, problem);
        QTemporaryDir program, home, current;
        for (const QString& file : {program.filePath(InstalledMarkerName), home.filePath(QStringLiteral("file"))}) {
            QFile made(file);
            QVERIFY(made.open(QIODevice::WriteOnly));
        }
        const QString oldCurrent = QDir::currentPath();
        QDir::setCurrent(current.path());
        const auto inHome = [&](QString text) { return text.replace(QLatin1String("HOME"), home.path()); };
        const Environment environment = [&](const char* name) {
            if (QByteArray(name) == "HOME")
                return home.path().toUtf8();
            return QByteArray(name) == "XDG_CONFIG_HOME" ? inHome(xdg).toUtf8() : QByteArray();
        };
        const SettingsPlace place = findSettingsFolder(program.path(), environment);
        QDir::setCurrent(oldCurrent);
        QCOMPARE(place.problem, inHome(problem));
        QVERIFY(QDir(current.path()).isEmpty());
        if (problem.isEmpty()) {
            QCOMPARE(place.folder, inHome(expected));
            QVERIFY(folderIsWritable(place.folder));
            // The user's own folder is the same, whatever the program's folder.
            QCOMPARE(findUserFolder(environment).folder, inHome(expected));
            QCOMPARE(settingsProblemText(place, gw::Language::Dutch), QString());
            return;
        }
        // Carried on with a private folder that harms nothing; said in the
        // program's language.
        QVERIFY(place.folder.startsWith(QDir::tempPath() + QStringLiteral("/gridwick-settings-")));
        QCOMPARE(QFileInfo(place.folder).permissions() & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup),
                 QFileDevice::Permissions());
        QVERIFY(QDir(place.folder).removeRecursively());
        QVERIFY(settingsProblemText(place, gw::Language::Dutch)
                    .startsWith(QStringLiteral("De taal en de recente bestanden")));
        QVERIFY(settingsProblemText(place, gw::Language::Italian).endsWith(inHome(problem)));
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
