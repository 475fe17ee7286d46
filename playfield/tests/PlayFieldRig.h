#pragma once
// A play field with its widgets, composed for a puzzle written as "#./.#",
// and a reader of the grid rules in a picture; shared by the play-field and
// test-window tests.
#include <QLabel>
#include <QRegularExpression>
#include <QWidget>
#include <memory>

#include "TestSupport.h"
#include "platform/testing/FakePlatform.h"
#include "playfield/CluePanel.h"
#include "playfield/ColorChooser.h"
#include "playfield/PlayField.h"
#include "playfield/PlayFieldComposition.h"

namespace gw::test {

// One play field with its widgets, composed for a puzzle written as "#./.#".
struct PlayFieldRig {
    Puzzle puzzle;
    ClueTables clues;
    Session session;
    PlayerCellStates states;
    int sets = 0; // cells set since the composition
    PlayFieldState state;
    platform::testing::ScriptedMessageBoxes messages;
    QWidget window;
    CluePanel* panel = new CluePanel(&window);
    ColorChooser* chooser = new ColorChooser(ChooserKind::PlayField, state.buttonMarks, {20}, &window);
    QLabel* position = new QLabel(&window);
    std::unique_ptr<PlayField> field;
    PlayFieldComposition composition;

    PlayFieldRig(PlayFieldKind kind, const std::string& rows, double area = 400) : puzzle(test::puzzleFromText(rows))
    {
        deriveClues(puzzle, clues);
        chooser->move(static_cast<int>(area) + 10, 0);
        field = std::make_unique<PlayField>(kind, puzzle, session, clues, states, state, *panel, *chooser, messages);
        field->setPositionLabel(position);
        states.setCellPainter([this](int x, int y) {
            ++sets;
            field->paintCell(x, y);
        });
        composition = composePlayField(*field, area, area);
        sets = 0;
    }

    const QImage& panelImage() const { return panel->picture().image(); }
    const QImage& fieldImage() const { return panel->field().picture().image(); }
    double k() const { return panel->picture().devicePixelsPerPoint(); }
    double dpr() const { return panel->picture().dpr(); }
    QPointF cellCentre(double x, double y) const { return QPointF(x + 0.5, y + 0.5) * state.cellSize; }
    // Mouse events on cell centres, written "button@x,y ..." (a cell beyond the field is allowed).
    void strokes(const QString& events)
    {
        for (const QString& e : events.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QStringList parts = e.split(QRegularExpression(QStringLiteral("[@,]")));
            const QPointF p = cellCentre(parts[1].toDouble(), parts[2].toDouble());
            field->fieldMouse(parts[0].toInt(), p.x(), p.y());
        }
    }
    QString row(int y) const
    {
        QString line;
        for (int x = 0; x < puzzle.width; ++x)
            line += QString::number(states.cellState(x, y));
        return line;
    }
};

// The (64, 64, 64) rules met walking from `from` in steps of `step`: 'T' for a
// thick one (two device pixels a pixel or more), '.' for a thin one, and where each starts.
struct Rules {
    QString marks;
    std::vector<int> starts;
};
inline Rules greyRules(const QImage& image, QPoint from, QPoint step, double dpr)
{
    Rules r;
    for (QPoint p = from;; p += step) {
        const bool grey = image.rect().contains(p) && (image.pixel(p) & 0xffffffu) == 0x404040u;
        const int at = p.x() * step.x() + p.y() * step.y();
        if (grey && r.starts.size() == std::size_t(r.marks.size()))
            r.starts.push_back(at);
        else if (!grey && r.starts.size() > std::size_t(r.marks.size()))
            r.marks += at - r.starts.back() >= 2 * dpr ? 'T' : at - r.starts.back() <= 1.5 * dpr ? '.' : '?';
        if (!image.rect().contains(p))
            return r;
    }
}

} // namespace gw::test
