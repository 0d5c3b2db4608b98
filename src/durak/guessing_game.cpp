#include "durak/guessing_game.h"

#include "commentary/comment.h"
#include "commentary/sound.h"
#include "core/game_message.h"
#include "core/hand_order.h"
#include "core/new_game.h"
#include "durak/swindle.h"
#include "persistence/statistics.h"
#include "table/move_card.h"

namespace {

bool WasSwindled(const Game& g, const TCard& guess) {
  const int limit = SwindleLimit(g);
  for (int i = 0; i < limit && i < static_cast<int>(g.t.SwindleCards.size()); ++i) {
    const TCard& c = g.t.SwindleCards[i];
    if (c.Present == 1 && SameCard(c, guess)) return true;
  }
  return false;
}

// The result is counted and stored before the box announces it: with
// "ConfNewgame" the box asks whether to go on, and Cancel ends the program.
void CountGuessingResult(Game& g, bool guessed) {
  TTableState& t = g.t;
  t.GuessLossPending = 0;
  t.WhoseTurn = guessed ? 1 : 0;
  TResult& r = t.Stats[t.VidG];
  if (guessed) {
    r.Wins += 1;
  } else {
    r.Losses += 1;
  }
  WriteStatistics(g);
}

void LeaveGuessingMode(Game& g) {
  g.t.GuessMode = 0;
  g.t.GuessLossPending = 0;
  g.out->RefreshMenuState();
}

// The guessing cards leave the table; then the next game is dealt.
void EndGuessing(Game& g) {
  TTableState& t = g.t;
  // The throw-away runs fifty times faster than the usual speed.
  t.Options.Speed *= 50;
  g.out->AnimateDiscard();
  g.out->AnimateSpreadHand(1, -1, true);
  t.Options.Speed /= 50;
  LeaveGuessingMode(g);
  g.out->UpdateStatusBar();
  ScheduleNewGame(g);
}

}  // namespace

int GuessingCommentId(const Game& g) { return g.t.Options.LevelS == 1 ? 10 : 9; }

void StartGuessing(Game& g) {
  TTableState& t = g.t;
  t.CoverIndex = 0;
  t.GuessMode = 1;
  t.GuessLossPending = 1;
  ShufflePack(t.Pack, g.random);
  const int size = g.program.PackSize;
  for (int row = 0; row <= 6; ++row)
    for (int s = 0; s < size && s < kSlots; ++s) t.CardGrid[row][s].Present = 0;
  const bool small = size == 36 || g.kind() == Kind::CzechDurak;
  if (small) StripTo36(t.Pack);
  const int cards = small ? 36 : 52;
  for (int s = 0; s < cards; ++s) t.PutCard(1, s);
  t.RowCount[1] = OrderRow(g, 1);
  SoundAndVoice(g, 0, -1);
  g.out->RepaintTable(true);
  Comment(g, GuessingCommentId(g), kCaptionEmpty);
  // Undo, saving, restoring and the dialogs rest from now on.
  g.out->RefreshMenuState();
}

void GuessClick(Game& g, int slot) {
  TTableState& t = g.t;
  if (t.GuessMode != 1 || slot < 0 || slot >= kSlots || !t.IsPresent(1, slot)) return;
  const TCard guess = t.CardGrid[1][slot];
  MoveCard(g, 1, slot, 2, t.CoverIndex, true);
  if (t.Options.Animation == 0) g.out->RepaintTable(true);
  Comment(g, GuessingCommentId(g), kCaptionEmpty);

  if (WasSwindled(g, guess)) {
    SoundAndVoice(g, 7, -1);
    g.out->ClearTalkArea();
    g.out->BlinkCard(2, t.CoverIndex);
    CountGuessingResult(g, true);
    if (ShowGameMessage(g, kMsgGuessed, -1) == 0) return;
    EndGuessing(g);
    return;
  }
  if (t.CoverIndex < SwindleLimit(g) - 1) {
    t.CoverIndex += 1;  // the next guess lies beside this one
    return;
  }
  SoundAndVoice(g, 6, -1);
  g.out->ClearTalkArea();
  CountGuessingResult(g, false);
  if (ShowGameMessage(g, kMsgNotGuessed, -1) == 0) return;
  EndGuessing(g);
}

void AbandonGuessing(Game& g) {
  TTableState& t = g.t;
  if (t.GuessMode != 1) return;
  if (t.GuessLossPending == 1) CountGuessingResult(g, false);
  LeaveGuessingMode(g);
  g.out->UpdateStatusBar();
}
