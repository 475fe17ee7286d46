#include "editor/tests/EditorTestKit.h"

#include <QFile>
#include <QTest>

#include "core/Palette.h"

namespace gw::editor::testing {

namespace {
const QString Codes = QStringLiteral("#.RBYGMA");
}

void drawGrid(Puzzle& puzzle, const QStringList& rows) {
    puzzle.Cells.fill(White);
    puzzle.PuzzleHeight = static_cast<std::int16_t>(rows.size());
    puzzle.PuzzleWidth = static_cast<std::int16_t>(rows.isEmpty() ? 0 : rows.front().size());
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x)
            puzzle.cell(x, y) = static_cast<std::uint8_t>(Codes.indexOf(rows[y][x]));
}

QStringList gridRows(const Puzzle& puzzle) {
    QStringList rows;
    for (int y = 0; y < puzzle.PuzzleHeight; ++y) {
        QString row;
        for (int x = 0; x < puzzle.PuzzleWidth; ++x)
            row += Codes[puzzle.cell(x, y)];
        rows << row;
    }
    return rows;
}

Maker::Maker(int languageByte, bool withPrinter) {
    if (languageByte >= 0) {
        QFile lang(path(QStringLiteral("lang.ini")));
        if (lang.open(QIODevice::WriteOnly))
            lang.write(QByteArray(1, char(languageByte)));
    } else {
        fake.messages.answer(platform::Answer::Ok);
    }
    if (withPrinter)
        fake.printers.install({QStringLiteral("Office Laser")}, QStringLiteral("Office Laser"));
    else
        fake.messages.answer(platform::Answer::Ok);
    Form1Setup setup;
    setup.programFolder = folder.path() + QLatin1Char('/');
    form = std::make_unique<Form1>(puzzle, fake.platform(), setup);
    form->start();
    form->resize(720, 560);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

Maker::~Maker() {
    // Leaving without the save-first question: the tests that close on purpose do so themselves.
    puzzle.PuzzleChanged = false;
    form.reset();
}

QString Maker::path(const QString& name) const { return folder.filePath(name); }

QString Maker::writeFile(const QString& name, const QByteArray& bytes) {
    const QString file = path(name);
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        QTest::qFail(qPrintable("cannot write " + file), __FILE__, __LINE__);
    return file;
}

void Maker::setFreeArea(QSize free) {
    // Beside the free area: a margin of 120 twips left and right of the grid, the
    // 2055-twip side panel, a 120-twip margin below and the 375-twip status bar.
    const QSize wanted(free.width() + 16 + 137, free.height() + 8 + 25);
    const QWidget* client = form->centralWidget();
    form->resize(form->size() + wanted - client->size());
    QTRY_COMPARE(client->size(), wanted);
}

QString Maker::writePuzzleFile(const QString& name, const QStringList& rows) {
    bool color = false;
    for (const QString& row : rows)
        for (QChar c : row)
            color = color || (c != QLatin1Char('#') && c != QLatin1Char('.'));
    QByteArray bytes = (color ? "P3\n" : "P1\n") + QByteArray::number(rows.front().size()) + ' ' +
                       QByteArray::number(rows.size()) + '\n' + (color ? "1\n" : "");
    for (const QString& row : rows) {
        for (QChar c : row) {
            const int index = int(Codes.indexOf(c));
            if (color) {
                const PaletteColor& p = Palette[index];
                bytes += QByteArray::number(p.bitR) + ' ' + QByteArray::number(p.bitG) + ' ' +
                         QByteArray::number(p.bitB) + ' ';
            } else {
                bytes += index == Black ? "1 " : "0 ";
            }
        }
        bytes += '\n';
    }
    return writeFile(name, bytes);
}

} // namespace gw::editor::testing
