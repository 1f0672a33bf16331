// What one frame costs to draw and update (BackGround, then GameLoop, no flip)
// on SDL's dummy display, for each screen, beside the literal tiling of the
// title background as the yardstick. Runs from anywhere: it enters the game
// folder of the build it belongs to.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "engine/GameEngine.h"
#include "game/MainFile.h"
#include "support/Actors.h"

namespace {

GameEngine engine;

void Frame()
{
    BackGround(&engine);
    GameLoop(&engine);
}

// The player waits in the gap between the top and the middle row, where no
// jaw reaches it.
const int kPlayerX = 320;
const int kPlayerY = 160;

// Far enough that one frame's step, at most 4 pixels, cannot make it touch.
bool NearPlayer(const class Bug& enemy)
{
    const int margin = 8;
    return std::abs(enemy.x - Bug[0].x) <= 35 + margin &&
           std::abs(enemy.y - Bug[0].y) <= 40 + margin;
}

// Brings the slot to life as an enemy of the kind its number gives, somewhere
// new on the field each time, moving as its spawner would have it move.
void PlaceEnemy(int slot)
{
    static int placements = 0;
    ++placements;
    class Bug& enemy = Bug[slot];
    const int type = slot % 3;
    const bool down = (slot + placements) % 2 == 0;
    enemy.type = type;
    enemy.dx = 0;
    enemy.dy = type == 0 ? (down ? 3 : -3) : type == 2 ? (down ? 1 : -1) : 0;
    enemy.patrolRight = 1;
    const int x = 100 + (slot * 131 + placements * 37) % 520;
    const int y = (slot * 211 + placements * 53) % 500;
    enemy.Create(PictureOf(type), x, y, type == 0 && down ? 1 : 0);
    if (NearPlayer(enemy))
        enemy.y = (enemy.y + 250) % 500;
}

// A game with all 90 slots in use: the player and 89 living enemies.
void StartFullTable()
{
    EGame();
    StartGame();
    Bug[0].x = kPlayerX;
    Bug[0].y = kPlayerY;
    for (int slot = 1; slot < maxbugs; ++slot)
        PlaceEnemy(slot);
    NumBug = maxbugs;
}

// Squashed enemies come back elsewhere and enemies about to touch the player
// are moved away, so the table stays full, never recycles, and the player
// lives. Costs well under a microsecond.
void KeepTableFull()
{
    for (int slot = 1; slot < maxbugs; ++slot)
        if (Bug[slot].state != 1 || NearPlayer(Bug[slot]))
            PlaceEnemy(slot);
}

// As if Q, A and Z were held: a row at rest is set closing again.
int KeepRowsMoving()
{
    int moving = 0;
    for (Boulder* row : BoulderRows) {
        if (row->state == 0)
            row->state = 1;
        moving += row->state != 0;
    }
    return moving;
}

void ReportBrokenScene(benchmark::State& state, int screen)
{
    if (GameOver != screen)
        state.SkipWithError("the screen changed during the run");
    else if (screen == 0 && Bug[0].state != 1)
        state.SkipWithError("the player died");
    else if (screen != 2 && NumBug != maxbugs)
        state.SkipWithError("the bug table was recycled");
}

// A working folder of its own, so that the game-over screen's high-score
// write does not touch the game's file.
class ScratchFolder {
public:
    ScratchFolder()
    {
        char pattern[] = "/tmp/rockjaw-bench-XXXXXX";
        path = mkdtemp(pattern);
        previous = std::filesystem::current_path();
        std::filesystem::current_path(path);
    }
    ~ScratchFolder()
    {
        std::filesystem::current_path(previous);
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }

private:
    std::filesystem::path path;
    std::filesystem::path previous;
};

void TitleFrame(benchmark::State& state)
{
    EGame();
    for (auto _ : state)
        Frame();
    ReportBrokenScene(state, 2);
}

void PlayingFrame(benchmark::State& state)
{
    StartFullTable();
    double rowsMoving = 0;
    for (auto _ : state) {
        KeepTableFull();
        rowsMoving += KeepRowsMoving();
        Frame();
    }
    ReportBrokenScene(state, 0);
    state.counters["rows_moving"] =
        benchmark::Counter(rowsMoving, benchmark::Counter::kAvgIterations);
}

// With a new high score, the fullest game-over screen: one more text line, and
// the save that runs on every such frame.
void GameOverFrame(benchmark::State& state)
{
    ScratchFolder folder;
    StartFullTable();
    Bug[0].Kill();
    GameOver = 1;
    points = HighScore = 1000;
    for (auto _ : state) {
        KeepTableFull();
        Frame();
    }
    ReportBrokenScene(state, 1);
}

// The title background as the plain algorithm draws it: one draw per copy.
void LiteralTiling(benchmark::State& state)
{
    for (auto _ : state)
        for (int i = 0; i <= 800; ++i)
            for (int j = 0; j <= 600; ++j)
                engine.DrawImage(BitBlack, i, j - 1, 0);
}

void TitleTiling(benchmark::State& state)
{
    for (auto _ : state)
        engine.TileBkg(BitBlack, 1, 1, 800, 600);
}

// The tiling and the title picture.
void TitleBackground(benchmark::State& state)
{
    EGame();
    for (auto _ : state)
        BackGround(&engine);
}

void PlayingBackground(benchmark::State& state)
{
    GameOver = 0;
    for (auto _ : state)
        BackGround(&engine);
}

// The four help lines: 95 glyphs.
void TitleText(benchmark::State& state)
{
    EGame();
    for (auto _ : state)
        GameLoop(&engine);
}

void ScoreText(benchmark::State& state)
{
    for (auto _ : state) {
        engine.DText("Score:", 600, 0, 0);
        engine.DrawNum(12345, 650, 20);
        engine.DText("High Score:", 600, 40, 0);
        engine.DrawNum(67890, 650, 60);
    }
}

// The boulder test of every slot, on a full table with the rows mid-closing.
void HitLoop(benchmark::State& state)
{
    StartFullTable();
    KeepRowsMoving();
    for (int frame = 0; frame < 12; ++frame)
        Frame();
    int answers = 0;
    for (auto _ : state)
        for (int slot = 0; slot < maxbugs; ++slot)
            answers += BHitBug(slot);
    benchmark::DoNotOptimize(answers);
}

BENCHMARK(TitleFrame)->Name("Frame/Title")->Unit(benchmark::kMicrosecond);
BENCHMARK(PlayingFrame)->Name("Frame/Playing/FullTable")->Unit(benchmark::kMicrosecond);
BENCHMARK(GameOverFrame)->Name("Frame/GameOver/FullTable")->Unit(benchmark::kMicrosecond);
BENCHMARK(LiteralTiling)->Name("Reference/LiteralTiling")->Unit(benchmark::kMillisecond);
BENCHMARK(TitleTiling)->Name("Part/TitleTiling")->Unit(benchmark::kMicrosecond);
BENCHMARK(TitleBackground)->Name("Part/TitleBackground")->Unit(benchmark::kMicrosecond);
BENCHMARK(PlayingBackground)->Name("Part/PlayingBackground")->Unit(benchmark::kMicrosecond);
BENCHMARK(TitleText)->Name("Part/TitleText")->Unit(benchmark::kMicrosecond);
BENCHMARK(ScoreText)->Name("Part/ScoreText")->Unit(benchmark::kMicrosecond);
BENCHMARK(HitLoop)->Name("Part/HitLoop")->Unit(benchmark::kMicrosecond);

// Passes every result on to the console and keeps, per benchmark, the best
// time per iteration over the repetitions, and their median when there is one.
class TimeKeepingReporter : public benchmark::ConsoleReporter {
public:
    using ConsoleReporter::ConsoleReporter;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.error_occurred || run.iterations == 0)
                continue;
            const double seconds = run.real_accumulated_time / run.iterations;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medianSeconds[run.run_name.str()] = seconds;
            if (run.run_type != Run::RT_Iteration)
                continue;
            auto [best, inserted] = bestSeconds.emplace(run.run_name.str(), seconds);
            if (!inserted && seconds < best->second)
                best->second = seconds;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> bestSeconds;
    std::map<std::string, double> medianSeconds;
};

void PrintRatio(const std::map<std::string, double>& seconds, const char* kind)
{
    const auto literal = seconds.find("Reference/LiteralTiling");
    const auto title = seconds.find("Frame/Title");
    if (literal == seconds.end() || title == seconds.end())
        return;
    std::printf("Title frame: %.0f times cheaper than the literal tiling alone (%.2f ms against "
                "%.1f us, %s)\n",
                literal->second / title->second, literal->second * 1e3, title->second * 1e6, kind);
}

} // namespace

int main(int argc, char** argv)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (chdir(ROCKJAW_GAME_DIR) != 0) {
        std::perror("rockjaw_bench: cannot enter the game folder " ROCKJAW_GAME_DIR);
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    GameStart(&engine);
    TimeKeepingReporter reporter(isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_ColorTabular
                                                       : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatio(reporter.bestSeconds, "best runs");
    PrintRatio(reporter.medianSeconds, "medians");
    benchmark::Shutdown();
    return 0;
}
