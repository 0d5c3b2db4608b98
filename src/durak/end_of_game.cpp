#include "durak/end_of_game.h"

#include "commentary/sound.h"
#include "core/game_message.h"
#include "core/new_game.h"
#include "durak/beats.h"
#include "durak/guessing_game.h"
#include "durak/trick_end.h"
#include "persistence/statistics.h"

namespace {

// The cards still on the table and the loser's hand leave the table.
void ThrowCardsAway(Game& g, int loserRow) {
  if (g.t.Options.Animation == 1) {
    g.out->AnimateDiscard();
    g.out->AnimateSpreadHand(loserRow, -1, true);
  }
}

bool UncoveredAttackAt(const Game& g, int i) {
  return i >= 0 && i < kSlots && g.t.IsPresent(2, i) && !g.t.IsPresent(3, i);
}

// The computer has shed its last card: the player may still save the game
// when his single card beats the one attack card left to cover.
bool PlayerStillCovers(const Game& g) {
  const TTableState& t = g.t;
  if (t.RowCount[1] != 1 || !UncoveredAttackAt(g, t.CoverIndex)) return false;
  const int slot = 0;
  return BeatsIgnoringSpadeRule(g, t.CardGrid[1][slot], t.CardGrid[2][t.CoverIndex]);
}

// A network partner's lead has not been answered yet when the player's side
// looks at the table: a partner whose single card beats the last attack
// card may still cover it and draw, just as the player may.
bool PartnerStillCovers(const Game& g) {
  const TTableState& t = g.t;
  if (!g.NetworkGame() || t.RowCount[0] != 1 || !UncoveredAttackAt(g, t.CoverIndex)) return false;
  return BeatsIgnoringSpadeRule(g, t.CardGrid[0][0], t.CardGrid[2][t.CoverIndex]);
}

// The result is counted and stored before the box is shown: with
// "ConfNewgame" the box asks whether to go on, and Cancel ends the program.
// Returns false when the program is closing.
bool AnnouncePlayerWins(Game& g) {
  TTableState& t = g.t;
  t.RevealHands = 1;
  g.out->RepaintTable(true);
  g.out->ClearTalkArea();
  SoundAndVoice(g, -1, 2);  // the victory cry
  CountResult(g, DurakResult::Win);
  if (ShowGameMessage(g, kMsgYouWin, -1) == 0) return false;
  ThrowCardsAway(g, 0);
  t.WhoseTurn = 1;
  t.GameDecided = 1;
  t.RevealHands = 0;
  return true;
}

bool CatchingTheSharper(const Game& g) {
  return g.t.Options.Style == 4 && g.t.Options.CheckS == 1 && !g.NetworkGame();
}

// Against the sharper (with "CheckS") the loss waits for the guessing game,
// which may still turn it into a win.
bool AnnouncePlayerLoses(Game& g) {
  TTableState& t = g.t;
  const bool guessingFollows = CatchingTheSharper(g);
  if (!guessingFollows) CountResult(g, DurakResult::Loss);
  g.out->ClearTalkArea();
  if (ShowGameMessage(g, kMsgYouLost, -1) == 0) {
    // Whoever quits here makes no guess: the loss stands. The window closes
    // only once this action is over, so the count still reaches the store.
    if (guessingFollows) CountResult(g, DurakResult::Loss);
    return false;
  }
  ThrowCardsAway(g, 1);
  t.WhoseTurn = 0;
  t.GameDecided = 1;
  return true;
}

}  // namespace

void CountResult(Game& g, DurakResult result) {
  TTableState& t = g.t;
  if (g.NetworkGame()) {
    // A network session keeps its own score.
    if (result == DurakResult::Win) t.NetWins += 1;
    if (result == DurakResult::Loss) t.NetLosses += 1;
    if (result == DurakResult::Draw) t.NetDraws += 1;
    return;
  }
  TResult& r = t.Stats[t.VidG];
  if (result == DurakResult::Win) r.Wins += 1;
  if (result == DurakResult::Loss) r.Losses += 1;
  if (result == DurakResult::Draw) r.Draws += 1;
  WriteStatistics(g);
}

void DealAgain(Game& g) {
  // In a network session the session deals the next round or waits for it.
  g.out->UpdateStatusBar();
  ScheduleNewGame(g);
}

void CountResultAndDealAgain(Game& g, DurakResult result) {
  CountResult(g, result);
  DealAgain(g);
}

bool CheckEndOfGame(Game& g) {
  TTableState& t = g.t;
  if (TrumpCardLies(g)) return true;  // the stock is not exhausted yet
  const int player = t.RowCount[1];
  const int computer = t.RowCount[0];

  if (player == 0 && computer > 0) {
    if (PartnerStillCovers(g)) return true;
    if (!AnnouncePlayerWins(g)) return false;
    DealAgain(g);
    return false;
  }
  if (computer == 0 && player > 0) {
    if (PlayerStillCovers(g)) return true;
    if (!AnnouncePlayerLoses(g)) return false;
    if (CatchingTheSharper(g)) {
      StartGuessing(g);  // the loss is counted when the guessing ends
      return false;
    }
    DealAgain(g);
    return false;
  }
  if (computer == 0 && player == 0) {
    DurakResult result = DurakResult::Draw;
    if (t.Options.LastCardGame == 1) {
      result = t.WhoseTurn == 1 ? DurakResult::Win : DurakResult::Loss;
    }
    const int code = result == DurakResult::Win    ? kMsgYouWin
                     : result == DurakResult::Loss ? kMsgYouLost
                                                   : kMsgDraw;
    CountResult(g, result);
    if (ShowGameMessage(g, code, -1) == 0) return false;
    DiscardTrick(g);
    t.WhoseTurn = 2;
    t.GameDecided = 0;
    DealAgain(g);
    return false;
  }
  return true;
}
