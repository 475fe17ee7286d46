// The platform pieces a desktop user meets outside the windows: the programs'
// command line, Qt's own texts in the program's language, and puzzle files
// dropped from a file manager.
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <sstream>
#include <vector>

#include "core/Version.h"
#include "platform/CommandLine.h"
#include "platform/DroppedFile.h"
#include "platform/FilePaths.h"
#include "platform/QtTranslations.h"

using namespace gw::platform;

namespace {
const ProgramDescription Program {"prog", "Prog: does things.", "Prog", "org.example.prog",
                                  "a puzzle file (.pbm or .ppm) to open at start"};

QStringList words(const QString& spaced) { return spaced.split(QLatin1Char(' '), Qt::SkipEmptyParts); }
} // namespace

class DesktopPlatformTest : public QObject {
    Q_OBJECT

private slots:
    // ---- --help and --version, before Qt has seen the arguments -----------
    void informationOptions_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status"); // -1: the program starts
        QTest::addColumn<QString>("firstLine");
        const QString usage = QStringLiteral("Usage: prog [OPTION]... [FILE]");
        const QString version = QStringLiteral("prog (Gridwick) ") + QString::fromUtf8(gw::gridwickVersion());
        QTest::newRow("--help") << "--help" << 0 << usage;
        QTest::newRow("-h") << "-h" << 0 << usage;
        QTest::newRow("--version") << "--version" << 0 << version;
        QTest::newRow("-v") << "-v" << 0 << version;
        QTest::newRow("help after a file") << "a.pbm --help" << 0 << usage;
        QTest::newRow("the first of the two wins") << "--version --help" << 0 << version;
        QTest::newRow("a file named --help after --") << "-- --help" << -1 << "";
        QTest::newRow("a file") << "a.pbm" << -1 << "";
        QTest::newRow("Qt's own option") << "-platform offscreen" << -1 << "";
        QTest::newRow("nothing") << "" << -1 << "";
    }
    void informationOptions()
    {
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, firstLine);
        std::ostringstream out;
        const std::optional<int> answered = answerInformationOptions(words(arguments), Program, out);
        QCOMPARE(answered.value_or(-1), status);
        const QString printed = QString::fromStdString(out.str());
        QCOMPARE(printed.section(QLatin1Char('\n'), 0, 0), firstLine);
        QCOMPARE(printed.isEmpty() || printed.endsWith(QLatin1Char('\n')), true);
    }

    void helpNamesTheFileAndBothOptions()
    {
        std::ostringstream out;
        answerInformationOptions(QStringList {QStringLiteral("--help")}, Program, out);
        const QString help = QString::fromStdString(out.str());
        QVERIFY(help.contains(QLatin1String("Prog: does things.")));
        for (const char* option : {"FILE ", "-h, --help ", "-v, --version "})
            QVERIFY2(help.contains(QLatin1String(option)), option);
    }

    // ---- the file to open at start, after Qt took its options --------------
    // argv's bytes as main() has them. Regression: a Latin-1 name went
    // through QCoreApplication::arguments() and came back with U+FFFD.
    void startArguments_data()
    {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<QByteArray>("file"); // relative to the current folder
        QTest::addColumn<int>("status");      // -1: no usage error
        QTest::addColumn<QString>("error");
        QTest::newRow("nothing") << QByteArrayList {} << QByteArray() << -1 << "";
        QTest::newRow("one file") << QByteArrayList {"heart.pbm"} << QByteArray("heart.pbm") << -1 << "";
        QTest::newRow("a Latin-1 name") << QByteArrayList {"caf\xe9.pbm"} << QByteArray("caf\xe9.pbm") << -1 << "";
        QTest::newRow("an absolute path stays")
            << QByteArrayList {"/tmp/x.ppm"} << QByteArray("/tmp/x.ppm") << -1 << "";
        QTest::newRow("a dash name after --")
            << QByteArrayList {"--", "-odd.pbm"} << QByteArray("-odd.pbm") << -1 << "";
        QTest::newRow("an empty argument is no file") << QByteArrayList {""} << QByteArray() << -1 << "";
        QTest::newRow("unknown option") << QByteArrayList {"--frobnicate"} << QByteArray() << 2
                                        << "prog: unknown option --frobnicate";
        QTest::newRow("two files") << QByteArrayList {"a.pbm", "b.pbm"} << QByteArray() << 2
                                   << "prog: one file at most, not also b.pbm";
    }
    void startArguments()
    {
        QFETCH(QByteArrayList, arguments);
        QFETCH(QByteArray, file);
        QFETCH(int, status);
        QFETCH(QString, error);
        std::vector<const char*> argv {"/usr/bin/prog"};
        for (const QByteArray& argument : arguments)
            argv.push_back(argument.constData());
        std::ostringstream err;
        const StartArguments start = readStartArguments(argumentsAsPaths(int(argv.size()), argv.data()), Program, err);
        const std::string here = pathBytes(QDir::currentPath()) + "/";
        QCOMPARE(pathBytes(start.file),
                 file.isEmpty() || file.startsWith('/') ? file.toStdString() : here + file.toStdString());
        QCOMPARE(start.exitStatus.value_or(-1), status);
        const QString printed = QString::fromStdString(err.str());
        QCOMPARE(printed.section(QLatin1Char('\n'), 0, 0), error);
        if (status == 2)
            QVERIFY(printed.contains(QLatin1String("Try 'prog --help'")));
    }

    // The player lays out a puzzle named on the command line for the size
    // its window has on the screen, so the load waits for the first expose.
    void startStepWaitsForTheFirstExpose()
    {
        QWidget window;
        window.resize(200, 100);
        int runs = 0;
        whenFirstExposed(window, [&runs, &window] { runs += window.isVisible() ? 1 : 100; });
        QCoreApplication::processEvents();
        QCOMPARE(runs, 0);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        QCOMPARE(runs, 1);
        window.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        QCOMPARE(runs, 1);
    }

    // ---- Qt's own texts ------------------------------------------------------
    // The box and the dialog exist before the switch, as open windows do.
    void qtTextsFollowTheLanguage_data()
    {
        QTest::addColumn<gw::Language>("language");
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<QString>("yes");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("lookIn");
        QTest::newRow("English") << gw::Language::English << true << "&Yes"
                                 << "Cancel"
                                 << "Look in:";
        QTest::newRow("Dutch") << gw::Language::Dutch << true << "&Ja"
                               << "Annuleren"
                               << "Zoeken in:";
        QTest::newRow("Italian") << gw::Language::Italian << true << QString::fromUtf8("&S\u00ec") << "Annulla"
                                 << "Cerca in:";
        QTest::newRow("another language value: English") << gw::languageFromByte(7) << false << "&Yes"
                                                         << "Cancel"
                                                         << "Look in:";
    }
    void qtTextsFollowTheLanguage()
    {
        QFETCH(gw::Language, language);
        QFETCH(bool, loaded);
        QFETCH(QString, yes);
        QFETCH(QString, cancel);
        QFETCH(QString, lookIn);
        QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::Cancel);
        QFileDialog files;
        files.setOption(QFileDialog::DontUseNativeDialog);
        QtTranslations translations;
        QVERIFY(translations.apply(gw::Language::Italian)); // from another language, not from English
        QCOMPARE(translations.apply(language), loaded);
        QCOMPARE(box.button(QDialogButtonBox::Yes)->text(), yes);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), cancel);
        QCOMPARE(files.findChild<QLabel*>(QStringLiteral("lookInLabel"))->text(), lookIn);
    }

    void qtTextsAreEnglishWithoutTheirFiles()
    {
        QDialogButtonBox box(QDialogButtonBox::Yes);
        QtTranslations translations(QStringLiteral("/nonexistent/translations"));
        QCOMPARE(translations.apply(gw::Language::Dutch), false);
        QCOMPARE(box.button(QDialogButtonBox::Yes)->text(), QStringLiteral("&Yes"));
    }

    void qtTextsReturnToEnglishWhenTheOwnerGoes()
    {
        QDialogButtonBox box(QDialogButtonBox::Yes);
        {
            QtTranslations translations;
            QVERIFY(translations.apply(gw::Language::Dutch));
            QCOMPARE(box.button(QDialogButtonBox::Yes)->text(), QStringLiteral("&Ja"));
        }
        QCOMPARE(box.button(QDialogButtonBox::Yes)->text(), QStringLiteral("&Yes"));
    }

    // ---- dropped files ---------------------------------------------------------
    void droppedPuzzleFile_data()
    {
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<QString>("file");
        QTest::newRow("a pbm") << QStringList {"file:///tmp/heart.pbm"} << "/tmp/heart.pbm";
        QTest::newRow("a ppm in capitals") << QStringList {"file:///tmp/SUNSET.PPM"} << "/tmp/SUNSET.PPM";
        QTest::newRow("a Latin-1 name, bytes kept")
            << QStringList {"file:///tmp/caf%E9%20x.pbm"} << pathFromBytes("/tmp/caf\xe9 x.pbm");
        QTest::newRow("the first puzzle among other files")
            << QStringList {"file:///tmp/photo.jpg", "file:///tmp/b.ppm", "file:///tmp/c.pbm"} << "/tmp/b.ppm";
        QTest::newRow("a picture of another kind") << QStringList {"file:///tmp/photo.png"} << "";
        QTest::newRow("a web address") << QStringList {"https://example.org/a.pbm"} << "";
        QTest::newRow("a name that only contains pbm") << QStringList {"file:///tmp/a.pbm.txt"} << "";
        QTest::newRow("nothing") << QStringList {} << "";
    }
    void droppedPuzzleFile()
    {
        QFETCH(QStringList, urls);
        QFETCH(QString, file);
        QMimeData data;
        QList<QUrl> list;
        for (const QString& url : urls)
            list << QUrl(url);
        data.setUrls(list);
        QCOMPARE(gw::platform::droppedPuzzleFile(&data), file);
    }

    // The player also takes clue files; the maker does not.
    void droppedClueFileOnlyWhereClueFilesAreTaken()
    {
        QMimeData data;
        data.setUrls({QUrl(QStringLiteral("file:///tmp/cat.XML")), QUrl(QStringLiteral("file:///tmp/dog.non"))});
        using gw::platform::DropKinds;
        QCOMPARE(gw::platform::droppedPuzzleFile(&data), QString());
        QCOMPARE(gw::platform::droppedPuzzleFile(&data, DropKinds::PuzzleAndClueFiles), QStringLiteral("/tmp/cat.XML"));
    }

    // A file manager offering Copy and Move must get Copy: after a Move it
    // would delete the file.
    void puzzleDragsAreCopies_data()
    {
        QTest::addColumn<int>("offered");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("copy or move: copy") << int(Qt::CopyAction | Qt::MoveAction) << true;
        QTest::newRow("copy") << int(Qt::CopyAction) << true;
        QTest::newRow("move only: refused") << int(Qt::MoveAction) << false;
    }
    void puzzleDragsAreCopies()
    {
        QFETCH(int, offered);
        QFETCH(bool, accepted);
        QMimeData data;
        data.setUrls({QUrl(QStringLiteral("file:///tmp/heart.pbm"))});
        QDropEvent event(QPointF(1, 1), Qt::DropActions(offered), &data, Qt::LeftButton, Qt::NoModifier);
        event.setDropAction(Qt::MoveAction);
        event.ignore();
        QCOMPARE(acceptPuzzleDrag(event), accepted ? QStringLiteral("/tmp/heart.pbm") : QString());
        QCOMPARE(event.isAccepted(), accepted);
        if (accepted)
            QCOMPARE(event.dropAction(), Qt::CopyAction);
    }
};

QTEST_MAIN(DesktopPlatformTest)
#include "desktop_platform_test.moc"
