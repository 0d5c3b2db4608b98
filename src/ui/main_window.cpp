#include "ui/main_window.h"

#include "core/catalogue.h"
#include "core/new_game.h"
#include "persistence/settings_schema.h"

TForm1::TForm1(const Edition& edition, QWidget* parent)
    : QMainWindow(parent), game_(edition, callouts_, clock_) {
  ApplyFirstStartValues(game_);
  BuildPack(game_.t.Pack);
  resize(game_.t.Options.Width, game_.t.Options.Height);
  SetCaption();
  NewGame(game_);
}

TForm1::~TForm1() = default;

void TForm1::SetCaption() {
  const Game& g = game_;
  setWindowTitle(QString::fromStdString(GameName(*g.edition, g.t.VidG, g.program.Lang, g.t.FormG)));
}
