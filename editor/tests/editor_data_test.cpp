// The data files the build places beside the programs: pictures Qt reads,
// help documents in PDF, and sample puzzles the reader opens with titles.
#include <QDir>
#include <QImageReader>
#include <QTest>

#include "core/PuzzleFile.h"
#include "editor/tests/EditorTestKit.h"
#include "platform/DataPicture.h"

using namespace gw;

namespace {
QString binFile(const QString& name) { return QDir(QStringLiteral(GRIDWICK_BIN_DIR)).filePath(name); }

// The strong red of a picture: more on its left half (> 0) or on its right half (< 0).
int redOnTheLeft(const QString& name)
{
    QImageReader reader(binFile(name));
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
    int balance = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 200 && c.red() > 180 && c.green() < 80)
                balance += x < image.width() / 2 ? 1 : -1;
        }
    return image.width() >= 32 && image.height() >= 32 ? balance : 0;
}
} // namespace

class EditorDataTest : public QObject {
    Q_OBJECT
private slots:
    void pictures()
    {
        // The marked button is red: on the left half of one picture, on the right half of the other.
        QVERIFY(redOnTheLeft("mouse1.dat") > 0);
        QVERIFY(redOnTheLeft("mouse2.dat") < 0);
        QCOMPARE(platform::loadDataPicture(binFile("mouse1.dat"), 32).deviceIndependentSize(), QSizeF(32, 32));
        const QImage unmarked(binFile("hamworst.dat"));
        QVERIFY(unmarked.width() >= 32 && unmarked.pixelColor(1, 1) != QColor(Qt::white));
    }

    void helpDocumentsArePdf()
    {
        for (const char* name : {"helpen.pdf", "helpnl.pdf", "helpit.pdf"}) {
            const QByteArray bytes = editor::testing::readAll(binFile(name));
            QVERIFY2(bytes.startsWith("%PDF-") && bytes.contains("/Type /Page"), name);
            QVERIFY2(bytes.size() > 10000, name); // a guide, not an empty page
        }
    }

    void samplePuzzlesOpenWithTitles()
    {
        const QStringList files = QDir(binFile("Puzzles")).entryList({"*.pbm", "*.ppm"}, QDir::Files);
        QVERIFY2(files.size() >= 12, qPrintable(files.join(' ')));
        int color = 0, smallest = 50, largest = 0;
        for (const QString& name : files) {
            Puzzle p;
            const LoadResult r = readPuzzleFile(p, binFile("Puzzles/" + name).toStdString(), ReaderVariant::Maker);
            QVERIFY2(r.loaded() && r.messages.empty() && !p.title.empty(), qPrintable(name));
            QCOMPARE(p.isColor, name.endsWith(".ppm"));
            color += p.isColor;
            smallest = std::min<int>(smallest, std::min(p.width, p.height));
            largest = std::max<int>(largest, std::max(p.width, p.height));
        }
        QVERIFY(color >= 4 && files.size() - color >= 4);
        QCOMPARE(smallest, 5);
        QCOMPARE(largest, 50);
    }
};

QTEST_MAIN(EditorDataTest)
#include "editor_data_test.moc"
