// The round's handlers: new game, moves, shuffle, deal and the victory watch.
#include "Round.h"

#include <algorithm>
#include <stdexcept>

#include "ScoreFile.h"

namespace {
constexpr int ShuffleLength = 150;  // shuffle ticks in one round
constexpr int DealColours = 9;      // a deal draw d stands for colour d + 1
}  // namespace

Round::Round(ClipPlayer& clips, TimerSwitch& timers, const Clock& clock)
    : clips_(clips), timers_(timers), clock_(clock)
{
    preview_.fill(BlankColour);
}

void Round::FormCreate()
{
    clips_.PlayClip(ClipClick, false);
    panel12Visible_ = false;
    // A failure here ends the routine: none of the steps below take effect, so a round in
    // progress goes on untouched.
    loadBestScore();
    panel11Visible_ = false;
    state_.MoveCount = 0;
    timers_.setEnabled(TimerId::Timer3, true);
    state_.SlotMatched.fill(false);
    state_.MovedThisClick = false;
    random_.reseed(clock_.millisecondsSinceMidnightUtc());
    state_.ShuffleDirection.reset();
    timers_.setEnabled(TimerId::Timer1, true);
    state_.ShuffleTicks = 0;
    state_.DealSlot.reset();
    std::fill(state_.ColourFree.begin() + 1, state_.ColourFree.end(), true);
    preview_.fill(BlankColour);
    state_.Playing = false;
}

void Round::loadBestScore()
{
    skore_ = ScoreFile(ScoreFilePath).load();
    if (skore_.empty())
        throw std::runtime_error("List index out of bounds (0)");
    state_.BestScore = ScoreFile::toInteger(skore_[0]);
}

void Round::PanelClick(int k)
{
    if (k < 1 || k >= HoleTile || !state_.Playing)
        return;
    state_.MovedThisClick = false;
    // The order matters only for MovedThisClick: a slide makes the opposite test true, and the
    // flag keeps that test from sliding the tile straight back.
    for (Slide slide : {Slide::Right, Slide::Left, Slide::Down, Slide::Up}) {
        if (!state_.MovedThisClick && board_.slide(k, slide)) {
            ++state_.MoveCount;
            state_.MovedThisClick = true;
            clips_.PlayClip(ClipClick2, false);
        }
    }
}

void Round::Timer1Timer()
{
    state_.ShuffleDirection = static_cast<int>(random_.draw(4));
    ++state_.ShuffleTicks;
    board_.sweep(static_cast<Slide>(*state_.ShuffleDirection));
    state_.ShuffleDirection.reset();
    if (state_.ShuffleTicks >= ShuffleLength) {
        timers_.setEnabled(TimerId::Timer1, false);
        timers_.setEnabled(TimerId::Timer2, true);
        state_.DealSlot = 1;
        state_.ShuffleTicks = 0;
    }
}

void Round::Timer2Timer()
{
    for (int cell = 1; cell <= TileCount; ++cell) {
        if (state_.DealSlot != cell)
            continue;
        const int colour = static_cast<int>(random_.draw(DealColours)) + 1;
        // Cell 1 waits only right after a new game freed every colour, so it need not look.
        if (cell != 1 && !state_.ColourFree[colour])
            return;  // a taken colour ends the tick; the same cell waits for the next one
        preview_[cell] = TileColour[colour];
        state_.ColourFree[colour] = false;
        if (cell < TileCount) {
            state_.DealSlot = cell + 1;
        } else {
            state_.DealSlot.reset();
            state_.Playing = true;
            timers_.setEnabled(TimerId::Timer2, false);
        }
    }
}

void Round::Timer3Timer()
{
    label1_ = std::to_string(state_.MoveCount);
    label3_ = std::to_string(state_.BestScore);
    watchTiles();
    if (std::all_of(state_.SlotMatched.begin() + 1, state_.SlotMatched.end(), [](bool m) { return m; }))
        celebrateVictory();
}

void Round::watchTiles()
{
    for (int colour = 1; colour <= TileCount; ++colour) {
        for (int cell = 1; cell <= TileCount; ++cell) {
            // A white cell equals no tile's colour, so its flag keeps the value it had.
            if (preview_[cell] == TileColour[colour])
                state_.SlotMatched[cell] = board_.tile(colour) == TilePosition{slotLeft(cell), slotTop(cell)};
        }
    }
}

void Round::celebrateVictory()
{
    panel11Visible_ = true;
    label2_ = std::to_string(state_.MoveCount);
    if (state_.MoveCount < state_.BestScore) {
        state_.BestScore = state_.MoveCount;
        const std::string best = std::to_string(state_.BestScore);
        if (skore_.empty())
            skore_.push_back(best);
        else
            skore_[0] = best;
        // A failed save leaves the watch on: its next tick finds the victory again, with the
        // count now equal to the best, and finishes it without saving.
        ScoreFile(ScoreFilePath).save(skore_);
    }
    clips_.PlayClip(ClipWin, false);
    timers_.setEnabled(TimerId::Timer3, false);
}

void Round::Image16Click()
{
    panel12Visible_ = true;
    clips_.PlayClip(ClipClick, false);
}

void Round::Image23Click()
{
    clips_.PlayClip(ClipClick, false);
    panel12Visible_ = false;
}

const GameState& Round::state() const { return state_; }
const Board& Round::board() const { return board_; }
Colour Round::previewFill(int k) const { return preview_[k]; }
const std::string& Round::label1Caption() const { return label1_; }
const std::string& Round::label2Caption() const { return label2_; }
const std::string& Round::label3Caption() const { return label3_; }
bool Round::panel11Visible() const { return panel11Visible_; }
bool Round::panel12Visible() const { return panel12Visible_; }
const std::vector<std::string>& Round::skore() const { return skore_; }
