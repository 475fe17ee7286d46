// The undo history of solving by hand: steps per stroke, undo and redo.
#include <gtest/gtest.h>

#include "play/PlayHistory.h"

namespace gw {
namespace {

TEST(PlayHistory, AStrokeIsOneStepUndoneAndRedone)
{
    PlayHistory history;
    EXPECT_FALSE(history.canUndo());
    history.recordCell({0, 0}, 0, 1);
    history.recordCell({1, 0}, 2, 1);
    history.recordCell({0, 0}, 1, 3); // the same cell again keeps its first mark
    history.recordClue({true, 0, 1});
    EXPECT_TRUE(history.canUndo());
    history.closeStep();
    const std::optional<PlayStep> undo = history.takeUndo();
    ASSERT_TRUE(undo);
    ASSERT_EQ(undo->cells.size(), 2u);
    EXPECT_EQ(undo->cells[0].before, 0);
    EXPECT_EQ(undo->cells[0].after, 3);
    EXPECT_EQ(undo->cells[1].before, 2);
    EXPECT_EQ(undo->clues, (std::vector<ClueRef> {{true, 0, 1}}));
    EXPECT_FALSE(history.canUndo());
    EXPECT_TRUE(history.canRedo());
    const std::optional<PlayStep> redo = history.takeRedo();
    ASSERT_TRUE(redo);
    EXPECT_EQ(redo->cells.size(), 2u);
    EXPECT_TRUE(history.canUndo());
    EXPECT_FALSE(history.takeRedo());
}

TEST(PlayHistory, StepsThatChangeNothingAreDropped)
{
    PlayHistory history;
    history.recordCell({2, 2}, 1, 1); // the player marks a cell with the mark it has
    history.recordClue({false, 3, 0});
    history.recordClue({false, 3, 0}); // crossed off and restored
    history.closeStep();
    EXPECT_FALSE(history.canUndo());
    history.recordCell({2, 2}, 1, 2);
    history.recordCell({2, 2}, 2, 1); // and back within the stroke
    history.closeStep();
    EXPECT_FALSE(history.takeUndo());
}

TEST(PlayHistory, ANewStepDropsTheRedoStepsAndUndoClosesTheOpenStep)
{
    PlayHistory history;
    history.recordCell({0, 0}, 0, 1);
    history.closeStep();
    history.recordCell({1, 1}, 0, 2);
    history.closeStep();
    ASSERT_TRUE(history.takeUndo());
    EXPECT_TRUE(history.canRedo());
    history.recordCell({3, 3}, 0, 1); // a stroke under way: nothing to redo any more
    EXPECT_FALSE(history.canRedo());
    const std::optional<PlayStep> undo = history.takeUndo(); // the open stroke first
    ASSERT_TRUE(undo);
    EXPECT_EQ(undo->cells[0].cell, (CellPos {3, 3}));
    ASSERT_TRUE(history.takeUndo());
    EXPECT_FALSE(history.takeUndo());
    history.clear();
    EXPECT_FALSE(history.canRedo());
}

TEST(PlayHistory, KeepsTheNewestSteps)
{
    PlayHistory history;
    for (std::size_t i = 0; i < PlayHistory::MaxSteps + 5; ++i) {
        history.recordCell({0, 0}, static_cast<std::uint8_t>(i % 2), static_cast<std::uint8_t>(1 - i % 2));
        history.closeStep();
    }
    std::size_t undone = 0;
    while (history.takeUndo())
        ++undone;
    EXPECT_EQ(undone, PlayHistory::MaxSteps);
}

} // namespace
} // namespace gw
