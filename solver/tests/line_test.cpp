// One line of the computer test: the cell knowledge it reads, its candidate
// placements (enumeration order, skip rule, limits, duplicates, garbage
// collection) and its deduction (comparison, run ranges).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "SolverTestSupport.h"

#include "solver/LineSolver.h"

using gw::testing::canBeMarks;

namespace {

// One row line on its own: a puzzle of one row whose solution defines the
// clue; every cell open to white and to the clue's colours (whatever its
// column says), then the cells of `known` other than '?' set.
struct LineBench {
    LineBench(const std::string& solution, const std::string& known)
        : puzzle(gw::testing::puzzleFromRows({solution})), context(knowledge, &observer),
          line(gw::Orientation::Row, clues, context)
    {
        gw::deriveClues(puzzle, clues);
        knowledge.reset(puzzle.width, 1);
        for (int k = 0; k < clues.rows[0].count; ++k)
            for (int x = 0; x < puzzle.width; ++x)
                knowledge.setCanBe(x, 0, clues.rows[0].color(k), gw::ColorOpen);
        setKnown(known);
        line.initialize(0);
    }
    void setKnown(const std::string& states)
    {
        for (std::size_t i = 0; i < states.size(); ++i)
            if (states[i] != '?')
                gw::setCell(knowledge, static_cast<int>(i), 0,
                            static_cast<std::uint8_t>(gw::testing::StateChars.find(states[i])), &observer);
    }

    gw::Puzzle puzzle;
    gw::ClueTables clues;
    gw::CellKnowledge knowledge;
    gw::testing::RecordingObserver observer;
    gw::SolverContext context;
    gw::LineSolver line;
};

// Runs `script` on the line, step by step: an action, or a check KEY=TEXT or
// KEY=N (0 or 1 for yes/no). A number in a key names a cell I or run K
// ("marks2", "belong1.2" for run 1 and cell 2); "=STATES" checks the cells.
void runScript(LineBench& bench, const std::string& script)
{
    gw::LineSolver& line = bench.line;
    std::string value;
    int n = 0;
    int i = 0;
    int j = 0;
    // The placements' or runs' texts, comma separated.
    const auto join = [](int count, const auto& item) {
        std::string text;
        for (int p = 0; p < count; ++p)
            text += (p ? "," : "") + std::string(item(p));
        return text;
    };
    const auto perRun = [&](auto first, auto last) { // "FIRST-LAST" per run
        return join(line.runCount(),
                    [&](int k) { return std::to_string((line.*first)(k)) + "-" + std::to_string((line.*last)(k)); });
    };
    const std::map<std::string, std::function<void()>> actions {
        {"gen", [&] { line.enumeratePlacements(); }},
        {"update", [&] { line.deduceFromRunRanges(); }},
        {"settle",
         [&] { // until it sets nothing
             do {
                 bench.knowledge.someCellSet = false;
                 line.deduceFromRunRanges();
             } while (bench.knowledge.someCellSet);
         }},
        {"compare",
         [&] { // "compare=0": with the row not marked changed
             bench.knowledge.rowChanged[0] = value != "0";
             line.compareWithCells();
         }},
        {"extra", [&] { line.tightenGapBounds(); }},
        {"limit", [&] { bench.context.maxPlacements = n; }},
        {"tries", [&] { bench.context.maxTries = n; }},
        {"set", [&] { bench.setKnown(value); }},
        {"open", [&] { gw::setCell(bench.knowledge, n, 0, 0, nullptr); }},
        {"stop",
         [&] { // a stop request at the next run of the event loop
             bench.observer.onEvent = [&](const std::string& e) { bench.context.stopRequested = e == "events"; };
         }},
    };
    const std::map<std::string, std::function<std::string()>> texts {
        {"", [&] { return gw::testing::rowStates(bench.knowledge, 0); }},
        {"list", [&] { return join(line.placementCount(), [&](int p) { return line.placement(p).toString(); }); }},
        {"valid",
         [&] { return join(line.placementCount(), [&](int p) { return line.placement(p).isValid() ? "1" : "0"; }); }},
        {"ranges", [&] { return perRun(&gw::LineSolver::earliestStart, &gw::LineSolver::latestEnd); }},
        {"gaps", [&] { return perRun(&gw::LineSolver::minGap, &gw::LineSolver::maxGap); }},
        {"marks", [&] { return canBeMarks(bench.knowledge, i, 0); }},
    };
    const std::map<std::string, std::function<long long()>> numbers {
        {"gc", [&] { return line.dropUnfitPlacements(); }},
        {"count", [&] { return line.placementCount(); }},
        {"complete", [&] { return line.enumerationComplete(); }},
        {"aborted", [&] { return line.enumerationAborted(); }},
        {"done", [&] { return line.lineDone() ? (line.isCompleteOrDone() ? 1 : -1) : 0; }},
        {"built", [&] { return bench.context.candidatesBuilt; }},
        {"events", [&] { return bench.observer.eventLoopRuns; }},
        {"cells", [&] { return bench.observer.cellsSet; }},
        {"belong", [&] { return line.canBelong(i, j); }},
        {"rundone", [&] { return line.runDone(i); }},
        {"white", [&] { return line.mayBeWhite(i); }},
        {"block", [&] { return line.runOf(i); }},
    };
    std::istringstream in(script);
    std::string step;
    while (in >> step) {
        SCOPED_TRACE(step);
        const std::string key = step.substr(0, step.find('='));
        const std::string name = key.substr(0, key.find_first_of("-0123456789"));
        std::sscanf(key.c_str() + name.size(), "%d.%d", &i, &j);
        value = key.size() < step.size() ? step.substr(key.size() + 1) : "";
        n = std::atoi(value.c_str());
        if (actions.count(name))
            actions.at(name)();
        else if (texts.count(name))
            EXPECT_EQ(texts.at(name)(), value);
        else if (numbers.count(name))
            EXPECT_EQ(numbers.at(name)(), n);
        else
            ADD_FAILURE() << "unknown step";
    }
}

} // namespace

TEST(Knowledge, SetCellKeepsPossibilitiesAndFlagsInStepAndReportsTheCell)
{
    gw::CellKnowledge knowledge;
    knowledge.reset(3, 2);
    gw::testing::RecordingObserver observer;
    gw::setCell(knowledge, 2, 1, gw::Red + 1, &observer);
    EXPECT_EQ(knowledge.state(2, 1), 3);
    EXPECT_EQ(canBeMarks(knowledge, 2, 1), "00100000");
    EXPECT_TRUE(knowledge.rowChanged[1] && knowledge.columnChanged[2] && knowledge.someCellSet);
    EXPECT_FALSE(knowledge.rowChanged[0]);
    EXPECT_EQ(observer.events, std::vector<std::string> {"cell 2,1=3"});
    EXPECT_EQ(knowledge.rowPossible(1, gw::Red), 0b100u);
    EXPECT_EQ(knowledge.columnPossible(2, gw::White), 0b01u);
    gw::setCell(knowledge, 2, 1, 0, nullptr);
    EXPECT_EQ(canBeMarks(knowledge, 2, 1), "22222222");
    EXPECT_EQ(knowledge.columnPossible(2, gw::Blue), 0b10u);
}
TEST(Knowledge, ClearingOpensTheColorsBothCluesHave)
{
    // Row 0 has black and red, row 1 only blue; column 0 black and blue,
    // column 1 red, column 2 nothing.
    const gw::Puzzle puzzle = gw::testing::puzzleFromRows({"#R.", "B.."});
    gw::ClueTables clues;
    gw::deriveClues(puzzle, clues);
    gw::CellKnowledge knowledge;
    gw::setCell(knowledge, 0, 0, 1, nullptr);
    gw::resetKnowledge(knowledge, puzzle, clues);
    EXPECT_EQ(canBeMarks(knowledge, 0, 0), "22000000");
    EXPECT_EQ(canBeMarks(knowledge, 1, 0), "02200000");
    EXPECT_EQ(canBeMarks(knowledge, 2, 0), "02000000");
    EXPECT_EQ(canBeMarks(knowledge, 0, 1), "02020000");
    EXPECT_EQ(canBeMarks(knowledge, 1, 1), "02000000");
    EXPECT_EQ(gw::testing::rowStates(knowledge, 0), "???");
    EXPECT_FALSE(knowledge.someCellSet || knowledge.rowChanged[0]);
}

// A row whose solution gives the clue, its known cells, and a script.
TEST(Line, Scripts)
{
    struct Case {
        const char* name;
        std::string solution;
        std::string known;
        const char* script;
    };
    const std::string TwoSingles = "#.#" + gwtest::repeat(".", 47);
    const std::string ThreeSingles = "#.#" + gwtest::repeat(".", 46) + "#";
    const std::string ThreeSinglesKnown = "#" + gwtest::repeat("?", 48) + "#";
    const Case cases[] = {
        // Enumeration order; nothing is set after it, so the garbage
        // collection keeps every placement.
        {"two black runs in four have one placement", "##.#", "????", "gen list=##.# complete=1 aborted=0 gc=1"},
        {"different colours touch", "RRB", "???", "gen list=RRB complete=1 gc=1 compare =RRB"},
        {"one run of two moves right cell by cell", ".##.", "????", "gen list=##..,.##.,..## complete=1 gc=3"},
        {"the first gap is the fastest digit", "#.#..", "?????",
         "gen list=#.#..,.#.#.,..#.#,#..#.,.#..#,#...# complete=1 gc=6"},
        {"known cells filter the list", "##...", "?#???", "gen list=##...,.##.. complete=1 gc=2"},
        {"same colour needs a gap, others do not", "R.RB.", "?????", "gen list=R.RB.,.R.RB,R..RB,R.R.B complete=1"},
        {"an empty clue makes the line white and keeps the list empty", "....", "????",
         "=.... complete=1 gen list= gc=0 update =.... done=0"},
        {"the list stops at the placement limit; regenerating appends from the first, keeping duplicates", "#.........",
         "??????????",
         "limit=4 gen list=#.........,.#........,..#.......,...#...... complete=0 aborted=0 gc=4 limit=7 gen "
         "list=#.........,.#........,..#.......,...#......,#.........,.#........,..#....... complete=0"},
        // "###....." is white at cell 3, which cannot be white, and so are
        // cells 4 and 5: the next candidate is the pattern three cells right;
        // after the fit "....###." skips past cell 5 and runs out of room.
        {"a misfit on a cell that cannot be white skips", "...###..", "???###??", "gen list=...###.. built=3"},
        // "##...", ".##.." fail at cell 1, then the two fits, then the end.
        {"a misfit on a coloured cell skips nothing", "..##.", "?.???", "gen list=..##.,...## built=4"},
        {"gives up after the try limit of candidates without a fit", "......#...", "......????",
         "tries=6 gen list= complete=0 aborted=1 built=6"},
        // Six misfits before the first fit, none between the later ones.
        {"tries count from zero at every placement", "......#...", "......????",
         "tries=7 gen list=......#...,.......#..,........#.,.........# complete=1 aborted=0 built=10"},
        // Two single cells in 50 have 1176 placements; with the first and the
        // last cell known black, three single cells fail over a thousand
        // candidates before their first fit.
        {"the event loop runs every 500 placements", TwoSingles, "", "limit=5000 gen count=1176 events=2 complete=1"},
        {"a stop at the 500th placement ends the list incomplete", TwoSingles, "",
         "limit=5000 stop gen count=500 events=1 complete=0 aborted=0"},
        {"a stop at the 1000th candidate aborts the enumeration", ThreeSingles, ThreeSinglesKnown,
         "tries=100000 stop gen count=0 events=1 built=1000 complete=0 aborted=1"},
        // Garbage collection from the end; the last placement is kept untested.
        {"misfits go, the others keep their order", ".##.", "????", "gen set=.??? gc=2 list=.##.,..## valid=1,1"},
        {"the last placement stays although it does not fit", ".##.", "????", "gen set=?..? gc=1 list=##.. valid=1"},
        {"a placement that failed once stays invalid", ".##.", "????",
         "gen set=???. compare list=##..,.##.,..## valid=1,1,0 open=3 gc=2 list=##..,.##. valid=1,1"},
        // Run ranges packed left and right, on cells that can have the
        // run's colour (runs of different colours need no gap).
        {"ranges of a fresh line", "#.RR.#B..", "?????????",
         "ranges=0-4,1-6,3-7,4-8 belong1.1=1 belong1.0=0 belong0.5=0 block3=-1 white3=1"},
        {"a white cell belongs to no run", "..##", "?.??", "belong0.1=0 belong0.0=1"},
        // One completion cycle (deduceFromRunRanges).
        {"overlap of both positions of a run of four", "####.", "?????", "update =?###? done=0"},
        {"two singles in three are solved", "#.#", "???", "update =#.# done=1"},
        {"a cell no run can reach becomes white", "##.#..", "##????", "update =##.??? done=0"},
        {"all coloured cells known makes the rest white", "#.#..", "#.#??", "update =#.#.. done=1"},
        {"nothing to deduce from an open line", "#.#...", "??????", "update =?????? done=0"},
        {"coloured runs in order", "RB....", "??????", "update =?????? done=0"},
        {"a long run in a short line fixes the middle", "RRRRB.", "??????", "update =?RRR?? done=0"},
        {"a known last cell fixes the last run", "#.....#", "??????#", "update =?????.# done=0"},
        {"a fixed last run leaves the others open", "#.##...#", "???????#", "update =??????.# done=0"},
        {"both singles known make the line done", "..#..#..", "?#?????#", "update =.#.....# done=1"},
        {"a colour run through a known cell", ".RRRB", "??R??", "update =?RR?? done=0"},
        {"a known end packs the runs left", "###.#", "????#", "update =###.# done=1"},
        // The first cycle whitens cell 0 (no run reaches it) and cell 4
        // (after a complete run of two); cell 1 needs the next one. Then the
        // run ranges become gap bounds.
        {"a fixed run is done and its neighbours white", "..##..#", "??##???",
         "update =.?##.?? rundone0=0 settle rundone0=1 =..##.?? ranges=2-3,5-6 extra gaps=2-2,1-2 gen "
         "list=..##.#.,..##..#"},
        // Runs (1, 3) with cells 2..4 black: run 0 ends at the latest at 3,
        // and the known stretch 2..3 at the end of its range is too long.
        {"a stretch longer than a run is not part of it", "#.###...", "??###???",
         "update belong0.2=0 belong0.3=0 belong1.2=1 ranges=0-0,2-4 =?.###... settle =#.###... done=1"},
        {"a settled line deduces again once one of its cells is set", "#.....#", "???????",
         "settle update =??????? set=??????# settle =?????.# set=#?????? settle =#.....# done=1"},
        {"a done line is skipped by every operation", "#.#", "???",
         "gen update done=1 list=#.# gc=0 cells=3 compare update cells=3"},
        // One comparison: the cells every fitting placement agrees on.
        {"middle of a run of three in five", "###..", "?????", "gen complete=1 compare =??#??"},
        {"a known cell narrows the placements", "..##.", "?.???", "gen complete=1 compare =..?#?"},
        {"two confirmed colours leave the cell open", "R.", "??", "gen complete=1 compare =??"},
        {"a known white leaves four placements", "#.#..", "?.???", "gen complete=1 compare =?.???"},
        {"known whites fix the second run", "#.#..", "??.?.", "gen complete=1 compare =??.#."},
        {"an incomplete list proves nothing", "###..", "?????", "limit=2 gen complete=0 compare =?????"},
        {"an unchanged line is not compared", "###..", "?????", "gen complete=1 compare=0 =?????"},
        // Runs red, blue in 3: "RB.", "R.B", ".RB". Cell 0: white and red
        // confirmed, black before them cleared, blue after them keeps its
        // mark; cell 2: white, then red unconfirmed (cleared), then blue.
        {"the colour scan stops at the second confirmed colour", "RB.", "???",
         "gen compare =??? marks0=01120000 marks2=01010000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LineBench bench(c.solution, c.known);
        runScript(bench, c.script);
    }
}
