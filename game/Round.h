// One round of Tavlo and everything the window shows of it. The window forwards every click and
// timer tick to the handlers here, then draws what the accessors say. Failures (the score file)
// leave a handler as exceptions derived from std::exception, carrying the exact message.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "Board.h"
#include "ClipPlayer.h"
#include "Clock.h"
#include "GameState.h"
#include "RandomSource.h"
#include "TileColour.h"
#include "TimerSwitch.h"

class Round {
public:
    Round(ClipPlayer& clips, TimerSwitch& timers, const Clock& clock);

    // Handlers, named after the window's events.
    void FormCreate();       // the new game: creation, Image15 and Image20
    void PanelClick(int k);  // Panel1Click .. Panel8Click: a click on coloured tile k (1..8)
    void Timer1Timer();      // shuffle tick
    void Timer2Timer();      // deal tick
    void Timer3Timer();      // watch tick
    void Image16Click();     // show the help overlay
    void Image23Click();     // close the help overlay

    // What the window shows.
    const GameState& state() const;
    const Board& board() const;
    Colour previewFill(int k) const;  // Shape1..Shape9; BlankColour until dealt
    const std::string& label1Caption() const;  // moves
    const std::string& label2Caption() const;  // winning move count on the victory overlay
    const std::string& label3Caption() const;  // best score
    bool panel11Visible() const;  // victory overlay
    bool panel12Visible() const;  // help overlay
    const std::vector<std::string>& skore() const;  // lines of the score file

private:
    void loadBestScore();
    void watchTiles();
    void celebrateVictory();

    ClipPlayer& clips_;
    TimerSwitch& timers_;
    const Clock& clock_;
    RandomSource random_;
    GameState state_;
    Board board_;
    std::array<Colour, TileCount + 1> preview_;  // indexed by slot 1..9; [0] unused
    std::string label1_ = "0";
    std::string label2_ = "0";
    std::string label3_ = "0";
    bool panel11Visible_ = false;
    bool panel12Visible_ = false;
    std::vector<std::string> skore_;
};
