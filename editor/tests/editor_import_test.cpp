// Making a puzzle from a picture: the formats offered, shrinking, colour
// reduction and its messages, and what the window shows afterwards.
#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QTest>

#include "core/Palette.h"
#include "editor/ColorChooser.h"
#include "editor/ImageImport.h"
#include "editor/tests/EditorTestKit.h"

using namespace gw;
using namespace gw::editor;
using namespace gw::editor::testing;
using gw::platform::Answer;
using gw::platform::Icon;
using gw::platform::testing::DialogKind;

namespace {

// Qt reads GIF but cannot write it: a GIF of up to 16 colours, its LZW data
// kept uncompressed by a clear code before the code table would widen.
QByteArray gifBytes(const QImage& image) {
    QVector<QRgb> colors;
    QVector<int> indices;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y) | 0xff000000u;
            int i = int(colors.indexOf(c));
            if (i < 0) {
                i = int(colors.size());
                colors << c;
            }
            indices << i;
        }
    Q_ASSERT(colors.size() <= 16);
    QByteArray out("GIF89a");
    auto word = [&out](int v) { out += char(v & 0xff); out += char((v >> 8) & 0xff); };
    word(image.width());
    word(image.height());
    out += char(0xf3); // global table of 16 colours
    out += char(0);
    out += char(0);
    for (int i = 0; i < 16; ++i) {
        const QRgb c = i < colors.size() ? colors[i] : 0;
        out += char(qRed(c));
        out += char(qGreen(c));
        out += char(qBlue(c));
    }
    out += ',';
    word(0);
    word(0);
    word(image.width());
    word(image.height());
    out += char(0);
    const int minCode = 4, clear = 16, end = 17;
    out += char(minCode);
    QByteArray data;
    quint32 bits = 0;
    int bitCount = 0;
    auto emitCode = [&](int code) {
        bits |= quint32(code) << bitCount;
        bitCount += 5;
        while (bitCount >= 8) {
            data += char(bits & 0xff);
            bits >>= 8;
            bitCount -= 8;
        }
    };
    int sinceClear = 0;
    emitCode(clear);
    for (int index : indices) {
        if (sinceClear == 14) { // 18 + 14 entries: one more would need 6-bit codes
            emitCode(clear);
            sinceClear = 0;
        }
        emitCode(index);
        ++sinceClear;
    }
    emitCode(end);
    if (bitCount > 0)
        data += char(bits & 0xff);
    for (int i = 0; i < data.size(); i += 255) {
        const QByteArray block = data.mid(i, 255);
        out += char(block.size());
        out += block;
    }
    out += char(0);
    out += ';';
    return out;
}

// Blocks of colour: every `block` x `block` square takes the next colour of `colors`.
QImage blocks(int width, int height, int block, const QList<QColor>& colors) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixelColor(x, y, colors[((x / block) + (y / block) * 7) % colors.size()]);
    return image;
}

QString writeImage(Maker& maker, const QString& name, const QImage& image) {
    const QString path = maker.path(name);
    if (name.endsWith(".gif"))
        return maker.writeFile(name, gifBytes(image));
    QImageWriter writer(path);
    writer.setFormat(name.section('.', -1).toLatin1());
    writer.setQuality(100);
    if (!writer.write(image))
        qWarning("cannot write %s: %s", qPrintable(path), qPrintable(writer.errorString()));
    return path;
}

} // namespace

class EditorImportTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::testing::filterOffscreenNoise(); }

    void everyOfferedFormatImports_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("exactColours"); // JPEG blurs colour edges
        QTest::newRow("BMP") << "picture.bmp" << true;
        QTest::newRow("GIF") << "picture.gif" << true;
        QTest::newRow("JPEG") << "picture.jpg" << false;
        QTest::newRow("ICO") << "picture.ico" << true;
        QTest::newRow("CUR") << "picture.cur" << true;
    }
    void everyOfferedFormatImports() {
        QFETCH(QString, name);
        QFETCH(bool, exactColours);
        Maker maker;
        const QImage image = blocks(32, 24, 8, {Qt::black, Qt::white, Qt::red, Qt::blue});
        const QString path = writeImage(maker, name, image);
        if (!exactColours)
            maker.fake.messages.answer(Answer::Ok); // the more-than-8-colours notice
        maker.fake.files.answerOpen(path, 0);
        maker.form->importCommand();
        QCOMPARE(maker.puzzle.PuzzleWidth, 32);
        QCOMPARE(maker.puzzle.PuzzleHeight, 24);
        // The middle of every block has the block's colour.
        for (int by = 0; by < 3; ++by)
            for (int bx = 0; bx < 4; ++bx) {
                const QColor want = image.pixelColor(bx * 8 + 4, by * 8 + 4);
                QCOMPARE(maker.puzzle.cell(bx * 8 + 4, by * 8 + 4), paletteIndexOf(want.rgb()));
            }
        QVERIFY(maker.puzzle.ColorPuzzle);
        QVERIFY(maker.form->chooser().showsEightSwatches());
        QCOMPARE(maker.form->windowTitle(), QStringLiteral("picture - Gridwick Puzzle Maker"));
        QCOMPARE(maker.form->statusText(), "The file " + path + " has been opened.");
        QCOMPARE(maker.puzzle.FileName, std::string(NoFileName));
        QVERIFY(!maker.puzzle.PuzzleChanged);
        QVERIFY(maker.form->recentFiles()[0].empty()); // pictures do not join the recent list
        QVERIFY(maker.fake.allAnswered());
        const auto& request = maker.fake.files.requests().front().request;
        QVERIFY(request.filter.startsWith("All Images (*.bmp;*.gif;*.jpg;*.ico;*.cur)|"));
        QVERIFY(request.fileName.isEmpty());
    }

    void pureBlackAndWhiteStaysBlackAndWhite() {
        Puzzle p;
        const ImportResult r = ImportPicture(p, blocks(40, 30, 5, {Qt::black, Qt::white}), "bw");
        QCOMPARE(r.status, ImportStatus::Imported);
        QVERIFY(r.messages.empty());
        QCOMPARE(p.PuzzleWidth, 40);
        QCOMPARE(p.PuzzleHeight, 30);
        QVERIFY(!p.ColorPuzzle);
        QCOMPARE(p.PuzzleName, std::string("bw"));
    }

    void channelsAreThresholdedAt128_data() {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<int>("index");
        QTest::newRow("128,127,255 is magenta") << QColor(128, 127, 255) << int(Magenta);
        QTest::newRow("127,127,127 is black") << QColor(127, 127, 127) << int(Black);
        QTest::newRow("128,128,128 is white") << QColor(128, 128, 128) << int(White);
        QTest::newRow("0,200,200 is aqua") << QColor(0, 200, 200) << int(Aqua);
        QTest::newRow("250,250,10 is yellow") << QColor(250, 250, 10) << int(Yellow);
    }
    void channelsAreThresholdedAt128() {
        QFETCH(QColor, color);
        QFETCH(int, index);
        Puzzle p;
        QImage image(3, 1, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.setPixelColor(1, 0, color);
        const ImportResult r = ImportPicture(p, image, "one");
        QCOMPARE(p.cell(1, 0), index);
        QCOMPARE(p.ColorPuzzle, index > White);
        QCOMPARE(r.messages.size(), std::size_t(1)); // not a pure colour
        QCOMPARE(r.messages[0].title, std::string("Bitmap too many colors"));
    }

    void largePicturesShrink_data() {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("puzzle");
        QTest::newRow("200x100") << QSize(200, 100) << QSize(50, 25);
        QTest::newRow("100x100") << QSize(100, 100) << QSize(50, 50);
        QTest::newRow("exactly 50 stays") << QSize(50, 20) << QSize(50, 20);
        QTest::newRow("64x300") << QSize(64, 300) << QSize(11, 50);
        // Mend: a thin picture used to give a puzzle without width.
        QTest::newRow("1x1000") << QSize(1, 1000) << QSize(1, 50);
        QTest::newRow("1000x3") << QSize(1000, 3) << QSize(50, 1);
    }
    void largePicturesShrink() {
        QFETCH(QSize, picture);
        QFETCH(QSize, puzzle);
        QCOMPARE(importSize(picture.width(), picture.height()), puzzle);
        Puzzle p;
        QImage image(picture, QImage::Format_RGB32);
        image.fill(Qt::black);
        const ImportResult r = ImportPicture(p, image, "big");
        QCOMPARE(QSize(p.PuzzleWidth, p.PuzzleHeight), puzzle);
        const bool shrunk = picture != puzzle;
        QCOMPARE(r.messages.size(), std::size_t(shrunk ? 1 : 0));
        if (shrunk) {
            QCOMPARE(QString::fromStdString(r.messages[0].text),
                     QStringLiteral("This image is too large. Its size will therefore be reduced, which may affect the quality."));
            QCOMPARE(r.messages[0].title, std::string("Bitmap too wide"));
        }
    }

    void shrinkingAveragesAreas() {
        // A fine checkerboard of black and white averages to grey (white after thresholding
        // at 128 or black, but never the checkerboard itself).
        QImage image(100, 100, QImage::Format_RGB32);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                image.setPixelColor(x, y, (x + y) % 2 ? Qt::white : Qt::black);
        Puzzle p;
        const ImportResult r = ImportPicture(p, image, "grey");
        QCOMPARE(r.messages.size(), std::size_t(2)); // too large, then more than 8 colours
        QCOMPARE(r.messages[1].title, std::string("Bitmap too many colors"));
        const std::uint8_t first = p.cell(10, 10);
        for (int y = 5; y < 45; ++y)
            for (int x = 5; x < 45; ++x)
                QCOMPARE(p.cell(x, y), first);
    }

    void transparentPartsCountAsWhite() {
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        image.setPixelColor(4, 4, Qt::blue);
        Puzzle p;
        ImportPicture(p, image, "icon");
        QCOMPARE(p.cell(0, 0), White);
        QCOMPARE(p.cell(4, 4), Blue);
    }

    void notAPictureIsReported() {
        Maker maker;
        const QString path = maker.writeFile("fake.bmp", "this is no picture");
        maker.fake.messages.answer(Answer::Ok);
        maker.form->importFile(path);
        const auto& shown = maker.fake.messages.requests().front();
        QCOMPARE(shown.text, QStringLiteral("An error has occured while opening this file."));
        QCOMPARE(shown.title, path);
        QCOMPARE(shown.icon, Icon::Critical);
        QVERIFY(!maker.puzzle.PuzzleChanged);
        QVERIFY(!maker.fake.busy.busy());
        QCOMPARE(maker.fake.busy.timesShown(), 1);
    }

    void missingFileDoesNothing() {
        Maker maker;
        maker.form->drawCell(1, 0, 0);
        maker.form->importFile(maker.path("gone.bmp"));
        QVERIFY(maker.fake.messages.requests().isEmpty());
        QCOMPARE(maker.puzzle.cell(0, 0), Black);
    }

    void saveAfterImportAsksForAFileNamedAfterThePicture() {
        Maker maker;
        const QString path = writeImage(maker, "sunflower.bmp", blocks(10, 10, 5, {Qt::yellow, Qt::black}));
        maker.form->importFile(path);
        maker.fake.files.answerCancel(DialogKind::Save);
        maker.form->saveCommand();
        QCOMPARE(maker.fake.files.requests().front().kind, DialogKind::Save);
        QCOMPARE(maker.fake.files.requests().front().request.fileName, QStringLiteral("sunflower"));
        QCOMPARE(maker.fake.files.requests().front().request.filter.section('|', 0, 0),
                 QStringLiteral("Color Bitmaps (*.ppm)"));
    }

    void importAsksToSaveFirst() {
        Maker maker;
        maker.form->drawCell(1, 0, 0);
        maker.fake.messages.answer(Answer::Cancel);
        maker.form->importCommand();
        QCOMPARE(maker.fake.messages.texts(), QStringList{"First save the current puzzle?"});
        QVERIFY(maker.fake.files.requests().isEmpty());
    }
};

QTEST_MAIN(EditorImportTest)
#include "editor_import_test.moc"
