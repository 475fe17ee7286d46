#include "editor/tests/EditorTestKit.h"

#include <QFile>
#include <QTest>

#include <algorithm>
#include <cstdlib>

#include "core/Palette.h"

namespace gw::editor::testing {

namespace {
const QString Codes = QStringLiteral("#.RBYGMA");
}

void drawGrid(Puzzle& puzzle, const QStringList& rows)
{
    puzzle.cells.fill(White);
    puzzle.height = static_cast<std::int16_t>(rows.size());
    puzzle.width = static_cast<std::int16_t>(rows.isEmpty() ? 0 : rows.front().size());
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x)
            puzzle.cell(x, y) = static_cast<std::uint8_t>(Codes.indexOf(rows[y][x]));
}

QStringList gridRows(const Puzzle& puzzle, QSize area)
{
    if (area.isEmpty())
        area = QSize(puzzle.width, puzzle.height);
    QStringList rows;
    for (int y = 0; y < area.height(); ++y) {
        QString row;
        for (int x = 0; x < area.width(); ++x)
            row += Codes[puzzle.cell(x, y)];
        rows << row;
    }
    return rows;
}

QColor shownColor(std::uint8_t index) { return QColor(Palette[index].r, Palette[index].g, Palette[index].b); }

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        QTest::qFail(qPrintable("cannot write " + path), __FILE__, __LINE__);
}

OwnMaker::OwnMaker(const QString& programFolder, const QString& settingsFolder)
{
    fake.printers.install({QStringLiteral("Office Laser")}, QStringLiteral("Office Laser"));
    MakerWindowSetup setup;
    setup.programFolder = programFolder;
    setup.settingsFolder = settingsFolder;
    window = std::make_unique<MakerWindow>(puzzle, session, fake.platform(), setup);
    window->start();
}

namespace {

// Bits written most significant first, with a 0 byte stuffed after each 0xff.
class BitWriter {
public:
    explicit BitWriter(QByteArray& out) : m_out(out) { }
    void put(unsigned bits, int count)
    {
        for (int i = count - 1; i >= 0; --i) {
            m_byte = (m_byte << 1) | ((bits >> i) & 1u);
            if (++m_filled == 8)
                flush();
        }
    }
    void finish()
    {
        while (m_filled != 0)
            put(1, 1); // padding is 1 bits
    }

private:
    void flush()
    {
        m_out += char(m_byte);
        if (m_byte == 0xff)
            m_out += char(0);
        m_byte = 0;
        m_filled = 0;
    }
    QByteArray& m_out;
    unsigned m_byte = 0;
    int m_filled = 0;
};

void putMarker(QByteArray& out, int marker, const QByteArray& body)
{
    out += char(0xff);
    out += char(marker);
    out += char((body.size() + 2) >> 8);
    out += char((body.size() + 2) & 0xff);
    out += body;
}

} // namespace

QByteArray blockJpeg(QSize size, const std::function<int(int bx, int by)>& gray)
{
    QByteArray out("\xff\xd8", 2);
    putMarker(out, 0xdb, QByteArray(1, 0) + QByteArray(64, 1)); // every quantizer 1
    const auto word = [](int v) { return QByteArray(1, char(v >> 8)) + char(v & 0xff); };
    putMarker(out, 0xc0, QByteArray(1, 8) + word(size.height()) + word(size.width()) + QByteArray("\1\1\x11\0", 4));
    // The usual DC table (categories 0..11) and an AC table that holds only the end of block, code "0".
    putMarker(out, 0xc4,
              QByteArray("\x00\0\1\5\1\1\1\1\1\1\0\0\0\0\0\0\0", 17)
                  + QByteArray("\0\1\2\3\4\5\6\7\x08\x09\x0a\x0b", 12));
    putMarker(out, 0xc4, QByteArray("\x10\1\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 18));
    putMarker(out, 0xda, QByteArray("\1\1\0\0\x3f\0", 6));
    static const unsigned codes[12] = {0x0, 0x2, 0x3, 0x4, 0x5, 0x6, 0xe, 0x1e, 0x3e, 0x7e, 0xfe, 0x1fe};
    static const int lengths[12] = {2, 3, 3, 3, 3, 3, 4, 5, 6, 7, 8, 9};
    BitWriter bits(out);
    int previous = 0;
    for (int by = 0; by < (size.height() + 7) / 8; ++by) {
        for (int bx = 0; bx < (size.width() + 7) / 8; ++bx) {
            const int dc = (std::clamp(gray(bx, by), 0, 255) - 128) * 8; // a flat block's DC coefficient
            const int diff = dc - previous;
            previous = dc;
            int category = 0;
            while ((std::abs(diff) >> category) != 0)
                ++category;
            bits.put(codes[category], lengths[category]);
            bits.put(unsigned(diff >= 0 ? diff : diff + (1 << category) - 1), category);
            bits.put(0, 1); // end of block
        }
    }
    bits.finish();
    return out + QByteArray("\xff\xd9", 2);
}

Maker::Maker(int langIniByte, bool withPrinter)
{
    if (langIniByte >= 0)
        writeFile(QStringLiteral("lang.ini"), QByteArray(1, char(langIniByte)));
    else
        fake.messages.answer(Answer::Ok);
    if (withPrinter)
        fake.printers.install({QStringLiteral("Office Laser")}, QStringLiteral("Office Laser"));
    else
        fake.messages.answer(Answer::Ok);
    MakerWindowSetup setup;
    setup.programFolder = folder.path() + QLatin1Char('/');
    window = std::make_unique<MakerWindow>(puzzle, session, fake.platform(), setup);
    window->start();
    window->resize(720, 560);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

Maker::~Maker()
{
    if (!fake.allAnswered())
        QTest::qFail("a scripted answer was not used", __FILE__, __LINE__);
    // Leaving without the save-first question: the tests that close on purpose do so themselves.
    puzzle.changed = false;
    window.reset();
}

QString Maker::path(const QString& name) const { return folder.filePath(name); }

QString Maker::message(int index) const
{
    static const char* const icons[] = {"none", "information", "critical", "question", "exclamation"};
    static const char* const buttons[] = {"Ok", "OkCancel", "YesNo", "YesNoCancel"};
    const auto& shown = fake.messages.requests();
    if (index < 0)
        index += int(shown.size());
    if (index < 0 || index >= shown.size())
        return QStringLiteral("none");
    const auto& m = shown[index];
    return QStringLiteral("%1 %2 | %3 | %4")
        .arg(QLatin1String(icons[int(m.icon)]), QLatin1String(buttons[int(m.buttons)]), m.title, m.text);
}

QString Maker::writeFile(const QString& name, const QByteArray& bytes)
{
    writeBytes(path(name), bytes);
    return path(name);
}

void Maker::makeZoom16()
{
    // Beside the free area: a margin of 120 twips left and right of the grid, the
    // 2055-twip side panel, a 120-twip margin below and the 375-twip status bar.
    const QSize wanted(500 + 16 + 137, 400 + 8 + 25);
    const QWidget* client = window->centralWidget();
    window->resize(window->size() + wanted - client->size());
    QTRY_COMPARE(client->size(), wanted);
    QCOMPARE(window->gridZoom(), 16.0);
}

} // namespace gw::editor::testing
