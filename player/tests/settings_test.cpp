// The player's settings files: "lang.ini" read at start and written on exit,
// "recent.ini" and the recent-file menu, and the maker and the player sharing
// both files when they keep them in one folder.
#include <QAction>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTest>

#include "PlayerFixture.h"
#include "core/Settings.h"
#include "editor/Form1.h"
#include "playfield/ColourChooser.h"

using namespace gw;
using gw::platform::Answer;
using gw::test::PlayerFixture;

namespace {

const std::vector<std::string> Cross{".#.", "###", ".#."};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { gw::platform::testing::filterOffscreenNoise(); }

    void languageFromLangIni_data()
    {
        QTest::addColumn<QByteArray>("langIni");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("errorsCaption");
        QTest::newRow("no lang.ini: English, no message") << QByteArray() << 0 << "Show &errors";
        QTest::newRow("Dutch") << QByteArray(1, '\1') << 1 << "Toon &fouten";
        QTest::newRow("Italian") << QByteArray(1, '\2') << 2 << "Mostra gli &errori";
        QTest::newRow("corrupt byte falls back to English") << QByteArray(1, '\7') << 0 << "Show &errors";
    }
    void languageFromLangIni()
    {
        QFETCH(QByteArray, langIni);
        QFETCH(int, language);
        QFETCH(QString, errorsCaption);
        PlayerFixture f;
        if (!langIni.isEmpty())
            f.write("lang.ini", langIni);
        player::PlayerWindow& w = f.start();
        QCOMPARE(int(f.puzzle.Language), language);
        QVERIFY(w.languageAction(language)->isChecked());
        QCOMPARE(w.cmdErrors()->text(), errorsCaption);
        QVERIFY(f.fakes.messages.requests().isEmpty());
    }

    void startUpReadsThePicturesBesideTheProgram()
    {
        PlayerFixture f;
        auto writePicture = [&](const QString& name, QSize size, QColor colour) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(colour);
            QVERIFY(image.save(f.folder.filePath(name), "PNG"));
        };
        writePicture("mouse1.dat", QSize(20, 30), QColor(200, 0, 0));
        writePicture("mouse2.dat", QSize(20, 30), QColor(0, 0, 200));
        writePicture("hamworst.dat", QSize(24, 24), QColor(230, 230, 180));
        player::PlayerWindow& w = f.start();
        QCOMPARE(w.kiezerL().mousePicture(1).toImage().pixelColor(10, 15), QColor(200, 0, 0));
        QCOMPARE(w.kiezerL().mousePicture(2).toImage().pixelColor(10, 15), QColor(0, 0, 200));
        QCOMPARE(w.kiezerL().swatchColour(0), QColor(230, 230, 180));
        QCOMPARE(w.kiezerL().swatchColour(1), QColor(0, 0, 0));
        QCOMPARE(w.kiezerL().swatchColour(8), QColor(0, 255, 255));
    }

    void startUpWithoutPicturesUsesWhiteForUnmarked()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        QCOMPARE(w.kiezerL().swatchColour(0), QColor(255, 255, 255));
        QVERIFY(!w.kiezerL().mousePicture(1).isNull());
    }

    void langIniWrittenOnExit()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        QVERIFY(!QFile::exists(f.folder.filePath("lang.ini")));
        w.languageAction(2)->trigger();
        QVERIFY(w.close());
        QCOMPARE(readAll(f.folder.filePath("lang.ini")), QByteArray(1, '\2'));
    }

    void recentListFollowsLoads()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        QVERIFY(!w.recentAction(0)->isVisible());
        const QString a = f.writePuzzle("a.pbm", Cross, false);
        const QString b = f.writePuzzle("b.ppm", Cross, true);
        QVERIFY(w.loadPuzzle(a));
        QVERIFY(w.loadPuzzle(b));
        QCOMPARE(w.recentAction(0)->text(), QStringLiteral("&1 b"));
        QCOMPARE(w.recentAction(1)->text(), QStringLiteral("&2 a"));
        QVERIFY(w.recentAction(1)->isVisible());
        QVERIFY(!w.recentAction(2)->isVisible());
        // recent.ini holds the two paths, most recent first, then free slots.
        QByteArray expected;
        for (const QString& path : {b, a}) {
            const QByteArray bytes = path.toUtf8();
            expected += char(bytes.size()) + bytes;
        }
        expected += QByteArray(3, '\0');
        QCOMPARE(readAll(f.folder.filePath("recent.ini")), expected);

        // Reopening the older file from the menu moves it to the top.
        w.recentAction(1)->trigger();
        QVERIFY(w.hasPuzzle());
        QCOMPARE(w.windowTitle(), QStringLiteral("a - Gridwick Puzzler"));
        QCOMPARE(w.recentAction(0)->text(), QStringLiteral("&1 a"));
    }

    void recentFileThatVanishedLoadsNothing()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        const QString a = f.writePuzzle("a.pbm", Cross, false);
        QVERIFY(w.loadPuzzle(a));
        QVERIFY(QFile::remove(a));
        w.openRecent(0);
        QVERIFY(!w.hasPuzzle());
        QVERIFY(f.fakes.messages.requests().isEmpty());
    }

    void makerAndPlayerShareSettingsFiles()
    {
        PlayerFixture f;
        const QString cat = f.writePuzzle("cat.pbm", Cross, false);
        const QString fish = f.writePuzzle("fish.ppm", Cross, true);

        // The player opens a puzzle, switches to Dutch and exits.
        {
            player::PlayerWindow& w = f.start();
            QVERIFY(w.loadPuzzle(cat));
            w.languageAction(1)->trigger();
            QVERIFY(w.close());
            f.window.reset();
        }

        // The maker in the same folder starts in Dutch with the player's file
        // in its recent list (no thanks message: lang.ini exists).
        {
            platform::testing::FakePlatform makerFakes;
            makerFakes.printers.install({QStringLiteral("Office")}, QStringLiteral("Office"));
            Puzzle makerPuzzle;
            editor::Form1Setup setup;
            setup.programFolder = QString::fromStdString(f.puzzle.ProgramFolder);
            setup.settingsFolder = setup.programFolder;
            editor::Form1 maker(makerPuzzle, makerFakes.platform(), setup);
            maker.start();
            QVERIFY(makerFakes.messages.requests().isEmpty());
            QCOMPARE(int(makerPuzzle.Language), 1);
            QCOMPARE(maker.recentAction(0)->text(), QStringLiteral("&1 cat"));
            // The maker opens another file and switches to Italian.
            maker.loadFile(fish);
            maker.languageAction(2)->trigger();
            QVERIFY(maker.close());
        }

        // The player starts again: Italian, and the maker's file on top.
        Puzzle second;
        second.ProgramFolder = f.puzzle.ProgramFolder;
        platform::testing::FakePlatform fakes;
        player::PlayerWindow again(second, fakes.platform());
        again.startUp();
        QCOMPARE(int(second.Language), 2);
        QCOMPARE(again.recentAction(0)->text(), QStringLiteral("&1 fish"));
        QCOMPARE(again.recentAction(1)->text(), QStringLiteral("&2 cat"));
        QVERIFY(fakes.messages.requests().isEmpty());
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
