// How long one frame of the card animation takes on a 1600 x 1000 table:
// the drawing between two pauses and showing it, the pauses themselves left
// out. Plays a whole game of durak with the mouse's handlers and times a
// long diagonal flight. Not a test: it prints its figures.
//
//   ui_animation_bench [--frames PREFIX] [--scale-cards]
//   (PREFIX1.png ... : frames mid-flight; --scale-cards: the option
//   "ScaleCards" on, the table magnified to fit the window)
#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "play/self_play_durak.h"
#include "ui/card_animator.h"
#include "ui/main_window.h"

namespace {

std::unique_ptr<TForm1> BenchWindow(int scaleCards) {
  StartOptions o;
  o.screenshot = true;
  o.file = "unused.png";
  o.game = std::make_pair(0, 1);
  o.seed = 3;
  o.size = std::make_pair(1600, 1000);
  o.sets = {{"Animation", 1}, {"Speed", 30}, {"ScaleCards", scaleCards}};
  auto window = std::make_unique<TForm1>(Edition285(), o);
  window->callouts().AnimateWhenUnattended(true);
  window->callouts().Animator().Clock().SetScale(0);
  return window;
}

int TotalResults(const TTableState& t) {
  const TResult& r = t.Stats[t.VidG];
  return r.Wins + r.Losses + r.Draws;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir configHome;
  qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
  QApplication app(argc, argv);
  QString framePrefix;
  int scaleCards = 0;
  for (int i = 1; i < argc; ++i) {
    if (QString(argv[i]) == "--frames" && i + 1 < argc) framePrefix = argv[i + 1];
    if (QString(argv[i]) == "--scale-cards") scaleCards = 1;
  }

  auto window = BenchWindow(scaleCards);
  CardAnimator& animator = window->callouts().Animator();
  int frames = 0;
  int saved = 0;
  QString phase = "deal";
  animator.Clock().SetFrameObserver([&] {
    ++frames;
    if (!framePrefix.isEmpty() && frames % 37 == 0 && saved < 8) {
      window->pictures().BackBuffer.save(framePrefix + phase + QString::number(++saved) + ".png");
    }
  });

  QElapsedTimer timer;
  timer.start();
  window->ShowAndStart();
  const qint64 dealNs = timer.nsecsElapsed();
  const int dealFrames = frames;

  Game& g = window->game();
  const int results = TotalResults(g.t);
  frames = 0;
  saved = 0;
  phase = "game";
  timer.restart();
  for (int action = 0; action < 600 && TotalResults(g.t) == results; ++action) {
    PerformBotAction(g, ChooseBotAction(g, {}));
  }
  const qint64 gameNs = timer.nsecsElapsed();
  const int gameFrames = frames;

  // One long diagonal flight over the table (in table units, which are
  // the smallest window's when the cards are scaled).
  QPixmap card(71, 96);
  card.fill(Qt::darkRed);
  const CardPoint from = scaleCards == 1 ? CardPoint{540, 330} : CardPoint{1500, 880};
  frames = 0;
  timer.restart();
  for (int i = 0; i < 10; ++i) {
    animator.FlyCard(window->pictures().TableBackground, from, {20, 30}, card);
  }
  const qint64 flightNs = timer.nsecsElapsed();
  const int flightFrames = frames;

  auto perFrame = [](qint64 ns, int n) { return n > 0 ? ns / 1e6 / n : 0.0; };
  std::printf("table 1600 x 1000, Speed 30%s\n",
              scaleCards == 1 ? ", cards scaled with the window" : "");
  std::printf("deal:            %5d frames, %.3f ms per frame\n", dealFrames,
              perFrame(dealNs, dealFrames));
  std::printf("a game of durak: %5d frames, %.3f ms per frame\n", gameFrames,
              perFrame(gameNs, gameFrames));
  std::printf("diagonal flight: %5d frames, %.3f ms per frame\n", flightFrames,
              perFrame(flightNs, flightFrames));
  return 0;
}
