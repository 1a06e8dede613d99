// The music's start as the window feels it: how long Play takes to return and how long until the
// tune is heard, and a tile click made while the music starts (the first heartbeat opens it).
// Run: SDL_AUDIODRIVER=dummy build/bench/bench_music
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <thread>

#include "board/Grid.h"
#include "platform/Audio.h"
#include "platform/MainWindow.h"
#include "platform/QtPlatform.h"

using namespace velmor;

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

const std::string Tune = std::string(VELMOR_DATA_DIR) + "/Musics/Night.mid";
// The shipped tunes play from the game's own small soundfont, as in the game.
const std::string TuneFont = std::string(VELMOR_DATA_DIR) + "/velmor.sf2";

// A fresh sound device each time: the first tune pays for the synthesizer and its soundfont.
// Argument 1: from the game's small soundfont, as the game plays it; 0: from the whole one.
void BM_FirstTuneOpenAndPlay(benchmark::State& state) {
  double heard = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto audio = std::make_unique<Audio>(Audio::DefaultSoundFont, state.range(0) ? TuneFont : std::string());
    state.ResumeTiming();
    const auto start = Clock::now();
    std::string error;
    if (!audio->Open(Tune, error)) state.SkipWithError(error.c_str());
    audio->Play();
    state.PauseTiming();
    while (audio->Position() == 0 && Clock::now() - start < std::chrono::seconds(10))
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    heard += Milliseconds(Clock::now() - start);
    audio.reset();
    state.ResumeTiming();
  }
  state.counters["to_first_tick_ms"] = heard / double(state.iterations());
}
BENCHMARK(BM_FirstTuneOpenAndPlay)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(10);

// Another tune on a synthesizer already running.
void BM_SwitchTune(benchmark::State& state) {
  Audio audio(Audio::DefaultSoundFont, TuneFont);
  std::string error;
  const std::string other = std::string(VELMOR_DATA_DIR) + "/Musics/Garden.mid";
  audio.Open(Tune, error);
  audio.Play();
  int i = 0;
  for (auto _ : state) {
    if (!audio.Open(++i % 2 ? other : Tune, error)) state.SkipWithError(error.c_str());
    audio.Play();
  }
}
BENCHMARK(BM_SwitchTune)->Unit(benchmark::kMillisecond);

struct Window {
  std::filesystem::path folder = std::filesystem::temp_directory_path() / "velmor-bench-music";
  std::unique_ptr<QtPlatform> platform = std::make_unique<QtPlatform>();
  std::unique_ptr<TVelmor> game;
  std::unique_ptr<MainWindow> window;
  Window() {
    std::filesystem::remove_all(folder);
    std::filesystem::copy(VELMOR_DATA_DIR, folder, std::filesystem::copy_options::recursive);
    game = std::make_unique<TVelmor>(*platform, folder.string() + "/");
    window = std::make_unique<MainWindow>(*game);
    platform->SetWindow(window.get());
    if (!game->Init()) std::abort();
    game->Menus.PlayMusic.SetChecked(true);
    window->show();
    game->Menus.Winnable.SetChecked(true);
    game->Current.GameNumber = 3;
    game->NewSpecificGame1Click();
    QApplication::processEvents();
  }
  ~Window() {
    window->close();
    window.reset();
    game.reset();
    platform.reset();
    std::filesystem::remove_all(folder);
  }
};

// The first heartbeat after the window shows starts the music; the player clicks a tile at once.
// Timed: that heartbeat plus the click until its picture is painted.
void BM_ClickWhileTheMusicStarts(benchmark::State& state) {
  double heartbeat = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto w = std::make_unique<Window>();
    PictureView* board = w->window->Board();
    const Place p = w->game->Current.RemovalOrder.front();
    const double f = board->Scale() / board->devicePixelRatioF();
    const QPoint face(static_cast<int>((w->game->Pictures.BoardOriginX + TileLeft(p.column, p.layer) + 26) * f),
                      static_cast<int>((w->game->Pictures.BoardOriginY + TileTop(p.row, p.layer) + 25) * f));
    w->game->Tunes.FirstPending = true;
    state.ResumeTiming();
    const auto start = Clock::now();
    w->game->Temps();
    heartbeat += Milliseconds(Clock::now() - start);
    QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, face);
    QApplication::processEvents();
    benchmark::DoNotOptimize(w->window->grab());
    state.PauseTiming();
    w.reset();  // the window closes while the music may still be starting
    state.ResumeTiming();
  }
  state.counters["heartbeat_ms"] = heartbeat / double(state.iterations());
}
BENCHMARK(BM_ClickWhileTheMusicStarts)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qgetenv("SDL_AUDIODRIVER").isEmpty()) qputenv("SDL_AUDIODRIVER", "dummy");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
