// Making a puzzle from a picture: the formats offered, shrinking, colour
// reduction and its messages, and what the window shows afterwards.
#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QRegularExpression>
#include <QTest>
#include <array>
#include <cstdio>
#include <filesystem>
#include <functional>

#include <sys/stat.h>
#include <unistd.h>

#include "core/Palette.h"
#include "editor/ImageImport.h"
#include "editor/PreviewView.h"
#include "editor/tests/EditorTestKit.h"
#include "platform/FilePaths.h"
#include "playfield/ColorChooser.h"

using namespace gw;
using namespace gw::editor;
using namespace gw::editor::testing;

namespace {

// Qt reads GIF but cannot write it: a GIF of up to 128 colours whose 8-bit
// LZW codes are never compressed, every colour following a clear code (128).
QByteArray gifBytes(const QImage& image)
{
    QList<QRgb> colors;
    QByteArray data;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y) | 0xff000000u;
            if (!colors.contains(c))
                colors << c;
            data += char(128);
            data += char(colors.indexOf(c));
        }
    data += char(129); // the end code
    QByteArray out("GIF89a");
    const auto word = [&out](int v) {
        out += char(v & 0xff);
        out += char(v >> 8);
    };
    word(image.width());
    word(image.height());
    out += QByteArray("\xf6\0\0", 3); // a global table of 128 colours
    for (int i = 0; i < 128; ++i)
        for (int channel : {qRed(colors.value(i)), qGreen(colors.value(i)), qBlue(colors.value(i))})
            out += char(channel);
    out += ',';
    for (int v : {0, 0, image.width(), image.height()})
        word(v);
    out += QByteArray("\0\7", 2); // no local table; minimum code size 7
    for (int i = 0; i < data.size(); i += 255)
        out += char(data.mid(i, 255).size()) + data.mid(i, 255);
    return out + QByteArray("\0;", 2);
}

// A picture whose pixel (x, y) has the colour color(x, y).
QImage picture(QSize size, const std::function<QColor(int, int)>& color)
{
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, color(x, y));
    return image;
}

// Blocks of the four colours that every picture format keeps: block (bx, by) has this palette index.
std::uint8_t blockIndex(int bx, int by)
{
    return std::array {Black, White, Red, Blue}[static_cast<std::size_t>((bx + 3 * by) % 4)];
}

} // namespace

class EditorImportTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::testing::filterOffscreenNoise(); }

    void everyOfferedFormatImports_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("notices"); // titles of the messages shown
        for (const char* name : {"picture.bmp", "picture.gif", "picture.ico", "picture.cur"})
            QTest::newRow(name) << name << QStringList();
        QTest::newRow("JPEG blurs colour edges") << "picture.jpg" << QStringList {"Bitmap too many colors"};
    }
    void everyOfferedFormatImports()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, notices);
        Maker maker;
        const QSize size(32, 24);
        const int block = 8;
        const QImage image = picture(size, [](int x, int y) { return shownColor(blockIndex(x / block, y / block)); });
        const QString path = maker.path(name);
        if (name.endsWith(".gif")) {
            maker.writeFile(name, gifBytes(image));
        } else {
            QImageWriter writer(path);
            writer.setFormat(name.section('.', -1).toLatin1());
            writer.setQuality(100);
            QVERIFY2(writer.write(image), qPrintable(writer.errorString()));
        }
        for (int i = 0; i < notices.size(); ++i)
            maker.fake.messages.answer(Answer::Ok);
        maker.fake.files.answerOpen(path, 0);
        maker.window->importCommand();
        QCOMPARE(maker.fake.messages.requests().size(), notices.size());
        for (int i = 0; i < notices.size(); ++i)
            QVERIFY(maker.message(i).startsWith("information Ok | " + notices[i] + " | "));
        QCOMPARE(QSize(maker.puzzle.width, maker.puzzle.height), size);
        QCOMPARE(maker.window->preview().size(), size);
        for (int y = block / 2; y < size.height(); y += block)
            for (int x = block / 2; x < size.width(); x += block)
                QCOMPARE(maker.puzzle.cell(x, y), blockIndex(x / block, y / block));
        QVERIFY(maker.puzzle.isColor);
        QCOMPARE(maker.window->chooser().visibleSwatches(), 8);
        QCOMPARE(maker.window->windowTitle(), QStringLiteral("picture - Gridwick Puzzle Maker"));
        QCOMPARE(maker.window->statusText(), "The file " + path + " has been opened.");
        QCOMPARE(maker.puzzle.fileName, std::string(NoFileName));
        QVERIFY(!maker.puzzle.changed);
        QVERIFY(maker.window->recentFiles()[0].empty()); // pictures do not join the recent list
        const auto& request = maker.fake.files.requests().front().request;
        QVERIFY(request.filter.startsWith("All Images (*.bmp;*.gif;*.jpg;*.ico;*.cur)|"));
        QVERIFY(request.filter.contains("|PNG Images (*.png)|*.png|All Readable Pictures (*."));
        QVERIFY(request.filter.endsWith("|All Files (*.*)|*.*"));
        QVERIFY(request.fileName.isEmpty());
        // Saving asks for a colour file named after the picture.
        maker.fake.files.answerCancel(DialogKind::Save);
        maker.window->saveCommand();
        QCOMPARE(maker.fake.files.requests().last().request.fileName, QStringLiteral("picture"));
        QCOMPARE(maker.fake.files.requests().last().request.filter.section('|', 0, 0),
                 QStringLiteral("Color Bitmaps (*.ppm)"));
    }

    void picturesBecomePuzzles_data()
    {
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<QSize>("puzzle");
        QTest::addColumn<QString>("firstRow");    // its first cells
        QTest::addColumn<QStringList>("notices"); // titles of the messages
        const QStringList notPure {"Bitmap too many colors"}, tooLarge {"Bitmap too wide"};
        const auto middle = [](QColor c) {
            return picture({3, 1}, [c](int x, int) { return x == 1 ? c : Qt::white; });
        };
        QTest::newRow("128,127,255 is magenta") << middle(QColor(128, 127, 255)) << QSize(3, 1) << ".M." << notPure;
        QTest::newRow("127,127,127 is black") << middle(QColor(127, 127, 127)) << QSize(3, 1) << ".#." << notPure;
        QTest::newRow("128,128,128 is white") << middle(QColor(128, 128, 128)) << QSize(3, 1) << "..." << notPure;
        QTest::newRow("0,200,200 is aqua") << middle(QColor(0, 200, 200)) << QSize(3, 1) << ".A." << notPure;
        QTest::newRow("250,250,10 is yellow") << middle(QColor(250, 250, 10)) << QSize(3, 1) << ".Y." << notPure;
        QTest::newRow("transparent is white")
            << picture({16, 16}, [](int x, int) { return x == 1 ? QColor(Qt::blue) : QColor(Qt::transparent); })
            << QSize(16, 16) << ".B." << QStringList();
        const auto black = [](QSize size) { return picture(size, [](int, int) { return Qt::black; }); };
        QTest::newRow("200x100") << black({200, 100}) << QSize(50, 25) << "###" << tooLarge;
        QTest::newRow("100x100") << black({100, 100}) << QSize(50, 50) << "###" << tooLarge;
        QTest::newRow("exactly 50 stays") << black({50, 20}) << QSize(50, 20) << "###" << QStringList();
        QTest::newRow("64x300") << black({64, 300}) << QSize(11, 50) << "###" << tooLarge;
        // Mend: a thin picture used to give a puzzle without width.
        QTest::newRow("1x1000") << black({1, 1000}) << QSize(1, 50) << "#" << tooLarge;
        QTest::newRow("1000x3") << black({1000, 3}) << QSize(50, 1) << "###" << tooLarge;
        // One red pixel in every 2 x 2 square averages to a light pink: white, but not a pure colour.
        QTest::newRow("shrinking averages areas")
            << picture({100, 100}, [](int x, int y) { return x % 2 || y % 2 ? Qt::white : Qt::red; }) << QSize(50, 50)
            << "..." << tooLarge + notPure;
    }
    void picturesBecomePuzzles()
    {
        QFETCH(QImage, picture);
        QFETCH(QSize, puzzle);
        QFETCH(QString, firstRow);
        QFETCH(QStringList, notices);
        Puzzle p;
        const ImportResult r = importPicture(p, picture, "name", Language::English);
        QCOMPARE(r.status, ImportStatus::Imported);
        QCOMPARE(QSize(p.width, p.height), puzzle);
        QCOMPARE(gridRows(p).at(0).left(firstRow.size()), firstRow);
        const QString cells = gridRows(p).join(QString());
        QCOMPARE(p.isColor, cells.contains(QRegularExpression("[RBYGMA]")));
        QCOMPARE(p.name, std::string("name"));
        QStringList titles;
        for (const Message& m : r.messages)
            titles << QString::fromStdString(m.title);
        QCOMPARE(titles, notices);
        if (notices.contains("Bitmap too wide"))
            QCOMPARE(QString::fromStdString(r.messages[0].text),
                     "This image is too large. Its size will therefore be reduced, which may affect the quality.");
    }

    // Regression: a truncated BMP imported as a different picture each time,
    // its missing rows from uninitialised memory, and JPEG and GIF made up
    // their missing parts. A picture not decoded whole gives the open error.
    void truncatedPicturesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QImage image = picture({300, 200}, [](int x, int y) { return x < 100 && y > 50 ? Qt::blue : Qt::red; });
        const auto encoded = [&image](const char* format, QImage::Format pixels = QImage::Format_RGB32) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QImageWriter writer(&buffer, format);
            writer.write(image.convertToFormat(pixels));
            return buffer.data();
        };
        const std::pair<const char*, QByteArray> files[] = {{"BMP", encoded("bmp")},
                                                            {"BMP 8-bit", encoded("bmp", QImage::Format_Indexed8)},
                                                            {"GIF", gifBytes(image)},
                                                            {"JPEG", encoded("jpg")},
                                                            {"PNG", encoded("png")}};
        for (const auto& [format, bytes] : files) {
            QTest::newRow(qPrintable(QString("%1 cut to a quarter").arg(format))) << bytes.left(bytes.size() / 4);
            QTest::newRow(qPrintable(QString("%1 cut in half").arg(format))) << bytes.left(bytes.size() / 2);
            QTest::newRow(qPrintable(QString("%1 without its last 16 bytes").arg(format))) << bytes.chopped(16);
        }
    }
    void truncatedPicturesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("cut.bmp"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        Puzzle p;
        drawGrid(p, {"#R"});
        const ImportResult r = importImage(p, path, Language::English);
        QCOMPARE(r.status, ImportStatus::Failed);
        QCOMPARE(r.messages.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(r.messages[0].text),
                 QStringLiteral("An error has occured while opening this file."));
        QCOMPARE(gridRows(p), QStringList {"#R"});
    }

    // Regression: a FIFO blocked the import in open(); /dev/zero never ends.
    void onlyRegularFilesAreImported()
    {
        alarm(60); // a blocked open() ends the test
        QTemporaryDir folder;
        const QString fifo = folder.filePath(QStringLiteral("pipe.bmp"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), folder.filePath(QStringLiteral("zero.bmp"))));
        for (const QString& name : {QStringLiteral("pipe.bmp"), QStringLiteral("zero.bmp")}) {
            Puzzle p;
            const ImportResult r = importImage(p, folder.filePath(name), Language::English);
            QCOMPARE(r.status, ImportStatus::Failed);
            QCOMPARE(r.messages.back().title, platform::pathBytes(folder.filePath(name)));
        }
        Puzzle p;
        QCOMPARE(importImage(p, folder.path(), Language::English).status, ImportStatus::NoFile); // a folder
        alarm(0);
        // Regression: a Latin-1 name went through a UTF-8 round trip.
        const std::string latin1 = platform::pathBytes(folder.path()) + "/caf\xe9.bmp";
        QVERIFY(std::filesystem::copy_file(GRIDWICK_SOURCE_DIR "/fuzz/corpus/import/mono.bmp", latin1));
        QCOMPARE(importImage(p, platform::pathFromBytes(latin1), Language::English).status, ImportStatus::Imported);
        QCOMPARE(p.name, std::string("caf\xe9"));
        QCOMPARE(std::remove(latin1.c_str()), 0); // Qt cannot remove it with its folder
    }

    // Regression: a 48 MP photo was refused (Qt's decoding limit). Large
    // JPEGs are decoded at an eighth of their size; the left 40 % of the top
    // half is black.
    void largePhotosImport_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("puzzle");
        QTest::newRow("12 MP, decoded whole") << QSize(4000, 3000) << QSize(50, 38);
        QTest::newRow("48 MP") << QSize(8000, 6000) << QSize(50, 38);
        QTest::newRow("20000 x 20000") << QSize(20000, 20000) << QSize(50, 50);
        // The decoder would hold 800 MB of it, whatever the size it is decoded at.
        QTest::newRow("20000 x 20000 progressive: refused") << QSize(20000, 20000) << QSize();
    }
    void largePhotosImport()
    {
        QFETCH(QSize, size);
        QFETCH(QSize, puzzle);
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("photo.jpg")));
        QByteArray bytes = blockJpeg(size, [size](int bx, int by) {
            return bx * 8 < size.width() * 2 / 5 && by * 8 < size.height() / 2 ? 0 : 255;
        });
        if (puzzle.isEmpty()) { // a progressive JPEG: its first scan holds the DC coefficients
            bytes[bytes.indexOf("\xff\xc0") + 1] = char(0xc2);
            bytes[bytes.indexOf("\xff\xda") + 8] = 0;
        }
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        Puzzle p;
        const ImportResult r = importImage(p, file.fileName(), Language::English);
        QCOMPARE(r.status, puzzle.isEmpty() ? ImportStatus::Failed : ImportStatus::Imported);
        if (puzzle.isEmpty())
            return;
        QCOMPARE(QString::fromStdString(r.messages.at(0).title), QStringLiteral("Bitmap too wide"));
        QCOMPARE(QSize(p.width, p.height), puzzle);
        QStringList expected;
        for (int y = 0; y < puzzle.height(); ++y)
            expected << (y < puzzle.height() / 2 ? QString(20, '#') + QString(30, '.') : QString(50, '.'));
        QCOMPARE(gridRows(p), expected);
    }

    void missingFileOrNoPicture()
    {
        Maker maker;
        maker.window->drawCell(1, 0, 0);
        maker.window->importFile(maker.path("gone.bmp")); // nothing happens
        QCOMPARE(maker.message(), QStringLiteral("none"));
        QCOMPARE(maker.puzzle.cell(0, 0), Black);
        const QString path = maker.writeFile("fake.bmp", "this is no picture");
        maker.fake.messages.answer(Answer::Ok);
        maker.window->importFile(path);
        QCOMPARE(maker.message(), "critical Ok | " + path + " | An error has occured while opening this file.");
        QVERIFY(!maker.puzzle.changed);
        QVERIFY(!maker.fake.busy.busy());
        QCOMPARE(maker.fake.busy.timesShown(), 2);
    }

    // Regression (found by fuzz_import): a GIF whose header Qt reads as 0 wide
    // but which decodes to 19224 x 5 pixels gave a puzzle 0 cells wide.
    void headerWithoutWidthTakesTheDecodedSize()
    {
        Puzzle p;
        const ImportResult r =
            importImage(p, GRIDWICK_SOURCE_DIR "/fuzz/corpus/import/zero-width-header.gif", Language::English);
        QCOMPARE(r.status, ImportStatus::Imported);
        QCOMPARE(QSize(p.width, p.height), QSize(50, 1));
    }
};

QTEST_MAIN(EditorImportTest)
#include "editor_import_test.moc"
