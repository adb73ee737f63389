#pragma once

namespace quillo {

class Navigator;
class RandomSource;
class ScoreBoard;

// What every screen reaches: the run's scoreboard, the shared random
// generator and the way to other screens.
struct Services {
    ScoreBoard& board;
    RandomSource& random;
    Navigator& navigator;
};

}  // namespace quillo
