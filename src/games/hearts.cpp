#include "games/hearts.h"

#include "commentary/comment.h"
#include "commentary/hearts_texts.h"
#include "commentary/sound.h"
#include "core/game_message.h"
#include "core/new_game.h"
#include "games/hearts_computer.h"
#include "games/hearts_rules.h"
#include "games/hearts_scoring.h"
#include "persistence/statistics.h"
#include "table/move_card.h"

namespace {

constexpr int kPlayerSeat = 0;
constexpr int kRaise = 20;  // a chosen or received card stands this much higher

// WhoseTurn at the Hearts table.
constexpr int kComputersPlay = 0;
constexpr int kPlayerPlays = 1;
constexpr int kNobodyPlays = 2;

constexpr int kComputerPause = 400;
constexpr int kTrickPause = 700;
constexpr int kHandOverPause = 1500;

// Card-played sounds: 1 for the player's cards, 2 for the others'.
constexpr int kPlayerCardSound = 1;
constexpr int kComputerCardSound = 2;

bool ThreeChosen(const TTableState& t) {
  for (const int s : t.PassSlots)
    if (s < 0) return false;
  return true;
}

void RaiseSlot(TTableState& t, int slot, int by) {
  if (slot >= 0 && slot < kSlots) t.CardY[kPlayerSeat][slot] -= by;
}

void LowerPassSlots(TTableState& t) {
  for (int& s : t.PassSlots) {
    RaiseSlot(t, s, -kRaise);
    s = -1;
  }
}

// The Move button shows only while cards are passed (Hearts' table
// controls follow the caption).
void ShowControls(Game& g) {
  g.out->ShowTableControls();
}

void PlayCard(Game& g, int seat, int slot) {
  TTableState& t = g.t;
  SoundAndVoice(g, seat == kPlayerSeat ? kPlayerCardSound : kComputerCardSound, -1);
  MoveCard(g, seat, slot, kHeartsTrickRow, seat, false);
  CloseUpHands(t);
  g.out->RepaintTable(true);
}

// The trick goes to the seat whose card takes it, which leads the next.
void GatherTrick(Game& g) {
  TTableState& t = g.t;
  const int winner = TrickWinner(t);
  g.out->Pause(kTrickPause);
  // The taken cards lie in the order they were played, the lead first.
  const int leader = t.CoverIndex;
  for (int k = 0; k < kHeartsSeats; ++k) {
    const int seat = (leader + k) % kHeartsSeats;
    if (!t.IsPresent(kHeartsTrickRow, seat)) continue;
    MoveCard(g, kHeartsTrickRow, seat, kHeartsTakenRow + winner, CardsTaken(t, winner), false);
  }
  t.CoverIndex = winner;
  g.out->RepaintTable(true);
}

bool HandOver(const TTableState& t) {
  for (int seat = 0; seat < kHeartsSeats; ++seat)
    if (CardsInHand(t, seat) > 0) return false;
  return CardsOnTrick(t) == 0;
}

void EndGame(Game& g, const HeartsScores& scores) {
  TTableState& t = g.t;
  const HeartsOutcome outcome = PlayerOutcome(scores);
  const int code = outcome == HeartsOutcome::Win    ? kMsgYouWin
                   : outcome == HeartsOutcome::Loss ? kMsgYouLost
                                                    : kMsgDraw;
  if (ShowGameMessage(g, code, -1) == 0) return;  // the program closes
  TResult& r = t.Stats[t.VidG];
  if (outcome == HeartsOutcome::Win) r.Wins += 1;
  if (outcome == HeartsOutcome::Loss) r.Losses += 1;
  if (outcome == HeartsOutcome::Draw) r.Draws += 1;
  WriteStatistics(g);
  g.out->UpdateStatusBar();
  ResetHeartsGame(g);
  ScheduleNewGame(g);
}

void EndHand(Game& g) {
  TTableState& t = g.t;
  t.WhoseTurn = kNobodyPlays;
  const std::array<int, 4> score = HandScore(PointsTaken(t));
  HeartsScores scores = ReadHeartsScores(t);
  for (int seat = 0; seat < kHeartsSeats; ++seat) scores.totals[seat] += score[seat];
  scores.handsDealt += 1;
  WriteHeartsScores(t, scores);
  Comment(g, kHeartsHandOver, kCaptionEmpty);
  g.out->Pause(kHandOverPause);
  if (GameOver(scores)) {
    EndGame(g, scores);
    return;
  }
  ScheduleNewGame(g);  // the next hand
}

int TurnComment(const TTableState& t, bool brokenBefore) {
  if (FirstTrick(t) && CardsOnTrick(t) == 0) return kHeartsLeadTwoOfClubs;
  if (!brokenBefore && HeartsBroken(t)) return kHeartsBroken;
  return kHeartsYourTurn;
}

// The computer hands play, and take tricks, until the player's card is
// awaited or the hand is over.
void PlayOn(Game& g, bool brokenBefore) {
  TTableState& t = g.t;
  for (;;) {
    if (CardsOnTrick(t) == kHeartsSeats) GatherTrick(g);
    if (HandOver(t)) {
      EndHand(g);
      return;
    }
    const int seat = SeatToPlay(t);
    if (seat == kPlayerSeat) {
      t.WhoseTurn = kPlayerPlays;
      Comment(g, TurnComment(t, brokenBefore), kCaptionEmpty);
      return;
    }
    t.WhoseTurn = kComputersPlay;
    const int slot = ChooseHeartsCard(t, seat, t.Options.Level);
    if (slot < 0) return;  // cannot happen with a sound table
    g.out->Pause(kComputerPause);
    PlayCard(g, seat, slot);
  }
}

// The first trick: whoever holds the two of clubs leads it; a computer
// hand does so at once.
void BeginTricks(Game& g) {
  TTableState& t = g.t;
  t.TrumpSuit = -1;
  t.CoverIndex = std::max(0, SeatHoldingTwoOfClubs(t));
  PlayOn(g, false);
}

void ChooseCard(Game& g, int slot) {
  TTableState& t = g.t;
  for (const int s : t.PassSlots)
    if (s == slot) return;  // a chosen card stays chosen
  for (int& s : t.PassSlots) {
    if (s != -1) continue;
    s = slot;
    RaiseSlot(t, slot, kRaise);
    break;
  }
  if (ThreeChosen(t)) g.out->EnableMoveButton(true);
  g.out->RepaintTable(true);
}

// Every hand passes three cards at once: the player those he chose, the
// computer hands their own choice.
void Exchange(Game& g) {
  TTableState& t = g.t;
  const PassDirection direction = PassDirectionOfHand(ReadHeartsScores(t).handsDealt);
  std::array<std::array<TCard, 3>, kHeartsSeats> passed{};
  for (int seat = 0; seat < kHeartsSeats; ++seat) {
    const std::array<int, 3> slots =
        seat == kPlayerSeat ? t.PassSlots : ChoosePassCards(t, seat, t.Options.Level);
    for (int k = 0; k < 3; ++k) passed[seat][k] = t.CardGrid[seat][slots[k]];
  }
  LowerPassSlots(t);
  for (int seat = 0; seat < kHeartsSeats; ++seat)
    for (int s = 0; s < kHeartsHandSize; ++s)
      for (const TCard& c : passed[seat])
        if (t.IsPresent(seat, s) && SameCard(t.CardGrid[seat][s], c)) t.TakeCard(seat, s);
  CloseUpHands(t);
  for (int seat = 0; seat < kHeartsSeats; ++seat) {
    const int to = PassTarget(seat, direction);
    for (int k = 0; k < 3; ++k) t.PutCard(to, CardsInHand(t, to), passed[seat][k]);
  }
  CloseUpHands(t);
  OrderPlayerHand(g);
  // The cards received stand raised until the player has seen them.
  int from = kPlayerSeat;
  for (int seat = 0; seat < kHeartsSeats; ++seat)
    if (seat != kPlayerSeat && PassTarget(seat, direction) == kPlayerSeat) from = seat;
  int k = 0;
  for (int s = 0; s < kHeartsHandSize && k < 3; ++s) {
    for (const TCard& c : passed[from]) {
      if (!SameCard(t.CardGrid[kPlayerSeat][s], c)) continue;
      t.PassSlots[k++] = s;
      RaiseSlot(t, s, kRaise);
    }
  }
  Comment(g, t.CommentId, kCaptionOk);
  g.out->RepaintTable(true);
}

void Confirm(Game& g) {
  TTableState& t = g.t;
  LowerPassSlots(t);
  Comment(g, t.CommentId, kCaptionEmpty);
  ShowControls(g);
  g.out->RepaintTable(true);
  BeginTricks(g);
}

}  // namespace

bool HeartsChoosing(const Game& g) {
  return g.t.ButtonCaptionId == kCaptionDropCards;
}

bool HeartsPlayersTurn(const Game& g) {
  const TTableState& t = g.t;
  const int caption = t.ButtonCaptionId;
  if (caption == kCaptionDropCards || caption == kCaptionOk) return false;
  return t.WhoseTurn == kPlayerPlays && SeatToPlay(t) == kPlayerSeat;
}

void HeartsPress(Game& g) {
  const TTableState& t = g.t;
  const int slot = t.HitSlot;
  if (slot < 0 || slot >= kHeartsHandSize || !t.IsPresent(kPlayerSeat, slot)) return;
  if (HeartsChoosing(g)) return ChooseCard(g, slot);
  HeartsPlayerCard(g, slot);
}

void HeartsPlayerCard(Game& g, int slot) {
  TTableState& t = g.t;
  if (!HeartsPlayersTurn(g) || !MayPlay(t, kPlayerSeat, slot)) return;
  g.out->SaveUndo();
  const bool brokenBefore = HeartsBroken(t);
  PlayCard(g, kPlayerSeat, slot);
  PlayOn(g, brokenBefore);
}

void HeartsMoveButton(Game& g) {
  TTableState& t = g.t;
  if (t.ButtonCaptionId == kCaptionDropCards) {
    if (ThreeChosen(t)) Exchange(g);
    return;
  }
  if (t.ButtonCaptionId == kCaptionOk) Confirm(g);
}

void StartHeartsPlay(Game& g) {
  TTableState& t = g.t;
  t.WhoseTurn = kNobodyPlays;
  CloseUpHands(t);
  const PassDirection direction = PassDirectionOfHand(ReadHeartsScores(t).handsDealt);
  if (direction == PassDirection::None) {
    Comment(g, kHeartsNoPass, kCaptionEmpty);
    ShowControls(g);
    g.out->RepaintTable(true);
    g.out->Pause(kHandOverPause);
    BeginTricks(g);
    return;
  }
  Comment(g, kHeartsPassLeft + static_cast<int>(direction), kCaptionDropCards);
  ShowControls(g);
  g.out->EnableMoveButton(false);  // until three cards are chosen
  g.out->RepaintTable(true);
}

void ResetHeartsGame(Game& g) {
  WriteHeartsScores(g.t, HeartsScores{});
}
