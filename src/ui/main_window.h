// The main window of both programs. For now it holds the game, deals the
// last played game at start-up and shows its name in the caption.
#pragma once

#include <QMainWindow>
#include <memory>

#include "core/game.h"

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm1(const Edition& edition, QWidget* parent = nullptr);
  ~TForm1() override;

  Game& game() { return game_; }

 private:
  void SetCaption();

  SystemClock clock_;
  NullCallouts callouts_;
  Game game_;
};
