#include "editor/tests/EditorTestKit.h"

#include <QFile>
#include <QTest>

#include "core/Palette.h"

namespace gw::editor::testing {

namespace {
const QString Codes = QStringLiteral("#.RBYGMA");
}

void drawGrid(Puzzle& puzzle, const QStringList& rows)
{
    puzzle.Cells.fill(White);
    puzzle.PuzzleHeight = static_cast<std::int16_t>(rows.size());
    puzzle.PuzzleWidth = static_cast<std::int16_t>(rows.isEmpty() ? 0 : rows.front().size());
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x)
            puzzle.cell(x, y) = static_cast<std::uint8_t>(Codes.indexOf(rows[y][x]));
}

QStringList gridRows(const Puzzle& puzzle, QSize area)
{
    if (area.isEmpty())
        area = QSize(puzzle.PuzzleWidth, puzzle.PuzzleHeight);
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

Maker::Maker(int languageByte, bool withPrinter)
{
    if (languageByte >= 0)
        writeFile(QStringLiteral("lang.ini"), QByteArray(1, char(languageByte)));
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
    puzzle.PuzzleChanged = false;
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
    const QString file = path(name);
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        QTest::qFail(qPrintable("cannot write " + file), __FILE__, __LINE__);
    return file;
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
