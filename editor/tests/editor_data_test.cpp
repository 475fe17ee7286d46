// The data files the build places beside the programs: pictures Qt reads,
// help documents in PDF, and sample puzzles the reader opens with titles.
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTest>

#include "core/Palette.h"
#include "core/PuzzleFile.h"
#include "editor/ColorChooser.h"
#include "platform/DataPicture.h"

using namespace gw;

namespace {
QString binFile(const QString& name) { return QDir(QStringLiteral(GRIDWICK_BIN_DIR)).filePath(name); }
} // namespace

class EditorDataTest : public QObject {
    Q_OBJECT
private slots:
    void picturesAreReadable_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("left mouse") << "mouse1.dat";
        QTest::newRow("right mouse") << "mouse2.dat";
        QTest::newRow("unmarked cell") << "hamworst.dat";
    }
    void picturesAreReadable() {
        QFETCH(QString, name);
        QImageReader reader(binFile(name));
        reader.setDecideFormatFromContent(true);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QVERIFY(image.width() >= 32 && image.height() >= 32);
    }

    void mousePicturesMarkDifferentButtons() {
        const QImage left = QImage(binFile("mouse1.dat")).convertToFormat(QImage::Format_ARGB32);
        const QImage right = QImage(binFile("mouse2.dat")).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(left != right);
        QCOMPARE(left.size(), right.size());
        // The marked button is red: on the left half of one picture, on the right half of the other.
        const auto redOnLeft = [](const QImage& img) {
            int leftRed = 0, rightRed = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const QColor c = img.pixelColor(x, y);
                    if (c.alpha() > 200 && c.red() > 180 && c.green() < 80)
                        (x < img.width() / 2 ? leftRed : rightRed)++;
                }
            return leftRed > rightRed;
        };
        QVERIFY(redOnLeft(left));
        QVERIFY(!redOnLeft(right));
        const QPixmap shown = platform::loadDataPicture(binFile("mouse1.dat"), 32);
        QCOMPARE(shown.deviceIndependentSize(), QSizeF(32, 32)); // all pixels kept for sharp screens
    }

    void unmarkedLookDiffersFromWhite() {
        const QImage image(binFile("hamworst.dat"));
        QVERIFY(image.pixelColor(1, 1) != QColor(Qt::white));
    }

    void helpDocumentsArePdf_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("English") << "helpen.pdf";
        QTest::newRow("Dutch") << "helpnl.pdf";
        QTest::newRow("Italian") << "helpit.pdf";
    }
    void helpDocumentsArePdf() {
        QFETCH(QString, name);
        QFile file(binFile(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.contains("/Type /Page"));
        QVERIFY(bytes.size() > 10000); // a guide, not an empty page
    }

    void samplePuzzlesOpenWithTitles() {
        const QStringList files = QDir(binFile("Puzzles")).entryList({"*.pbm", "*.ppm"}, QDir::Files);
        QVERIFY2(files.size() >= 12, qPrintable(files.join(' ')));
        int colour = 0, smallest = 50, largest = 0;
        for (const QString& name : files) {
            Puzzle p;
            const LoadResult r = LoadPuzzle(p, binFile("Puzzles/" + name).toStdString(), ReaderVariant::Maker);
            QVERIFY2(r.loaded() && r.messages.empty(), qPrintable(name));
            QVERIFY2(!p.PuzzleTitle.empty(), qPrintable(name));
            QCOMPARE(p.ColorPuzzle, name.endsWith(".ppm"));
            colour += p.ColorPuzzle;
            smallest = std::min<int>(smallest, std::min(p.PuzzleWidth, p.PuzzleHeight));
            largest = std::max<int>(largest, std::max(p.PuzzleWidth, p.PuzzleHeight));
        }
        QVERIFY(colour >= 4);
        QVERIFY(files.size() - colour >= 4);
        QCOMPARE(smallest, 5);
        QCOMPARE(largest, 50);
    }
};

QTEST_MAIN(EditorDataTest)
#include "editor_data_test.moc"
