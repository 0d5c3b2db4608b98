#include "commentary/comment.h"

#include <algorithm>

#include "commentary/comment_texts.h"
#include "commentary/hearts_texts.h"
#include "games/hearts_rules.h"
#include "games/hearts_scoring.h"
#include "table/layout.h"

namespace {

bool HasCommentary(Kind k) {
  return IsCardGame(k) || k == Kind::Hearts;
}

// The table of the chosen style speaks in the durak games; the guessing
// game, the suit orders and the partner's turn, and everything said in
// Czech durak and Eights, come from the neutral table.
int TableStyle(const Game& g, int commentId) {
  const Kind k = g.kind();
  if (commentId > 8 || k == Kind::CzechDurak || k == Kind::Eights) return kNeutralStyle;
  return g.t.Options.Style;
}

// Client: the server's name; server: the client's name.
std::string PartnerName(const Game& g) {
  if (g.program.NetRole == 0) return g.program.NetNames[1];
  if (g.program.NetRole == 1) return g.program.NetNames[0];
  return {};
}

// The captions of a caption id the edition does not know stay as they are:
// edition 2.84 has no "Drop cards".
bool KnownCaption(const Game& g, int captionId) {
  if (captionId < 0 || captionId >= kCaptionCount) return false;
  return captionId != kCaptionDropCards || g.edition->hasDropCardsCaption;
}

// Simple, Japanese and Reverse durak show how many cards are left to draw,
// the trump card under the stock included, while the trump card lies.
std::optional<std::string> PackCounter(const Game& g) {
  const Kind k = g.kind();
  const bool counted =
      k == Kind::SimpleDurak || k == Kind::JapaneseDurak || k == Kind::ReverseDurak;
  if (!counted || g.t.Options.ShowCountPack != 1 || !g.t.IsPresent(4, 0)) return std::nullopt;
  return std::to_string(g.t.RowCount[5] + 1);
}

// The bottom of the player's Hearts hand: at most three of its places stand
// raised, the others lie at the hand's own height.
int HeartsHandBottom(const TTableState& t) {
  int y = 0;
  for (int s = 0; s < 13; ++s) y = std::max(y, t.CardY[0][s]);
  return y + kCardHeight;
}

}  // namespace

std::string CommentaryText(const Game& g, int commentId) {
  if (commentId == kChatComment) return g.t.ChatLine;
  if (g.kind() == Kind::Hearts && IsHeartsComment(commentId)) {
    if (commentId != kHeartsHandOver) return HeartsCommentText(commentId, g.program.Lang);
    const std::array<int, 4> taken = PointsTaken(g.t);
    return HeartsHandOverText(taken, MoonShooter(taken), g.program.Lang);
  }
  const bool spaced = g.out->TableWindowRect().width > kSpacedCommentWidth;
  std::string text = CommentText(TableStyle(g, commentId), commentId, g.program.Lang, spaced);
  if (commentId == kThinksComment) text = PartnerName(g) + text;
  return text;
}

CommentaryLabel PlaceCommentary(const Game& g, std::string text, int textWidth) {
  // Hearts: just under the player's hand, where the trick and the raised
  // cards leave it room.
  if (g.kind() == Kind::Hearts) {
    const TTableState& t = g.t;
    const int centre = t.CardX[2][0] + (12 * (t.CardX[2][1] - t.CardX[2][0]) + kCardWidth) / 2;
    return {std::move(text), centre - textWidth / 2, HeartsHandBottom(t) + 2};
  }
  // Centred over the player's hand as it lies now, at a fixed share of the
  // window's height.
  const int n = g.t.RowCount[1];
  const THandGeometry fan = HandFan(g.t, n);
  const int xe = n > 0 ? fan.x0 + (n - 1) * fan.step : fan.x0;
  const int centre = fan.x0 + (xe + kCardWidth - fan.x0) / 2;
  const int height = g.out->TableWindowRect().height;
  return {std::move(text), centre - textWidth / 2,
          static_cast<int>(static_cast<int64_t>(height) * 1000 / 1740)};
}

PanelCaptions PanelCaptionsIn(int lang, int32_t computerPoints, int32_t playerPoints) {
  const bool en = lang == kEnglish;
  const std::string comp = std::to_string(computerPoints);
  const std::string play = std::to_string(playerPoints);
  return {en ? " Choose the suit" : "Заказать масть",
          en ? "Game is playing up to 100 pts" : "Игра ведется до 100 очков",
          (en ? "Computer :    " : "Компьютер :    ") + comp,
          (en ? "Player :         " : "Игрок :             ") + play};
}

PanelCaptions CzechPanelCaptions(const Game& g) {
  return PanelCaptionsIn(g.program.Lang, g.t.CzechPointsComputer, g.t.CzechPointsPlayer);
}

void Comment(Game& g, int commentId, int captionId) {
  const Kind k = g.kind();
  if (!HasCommentary(k)) return;
  g.t.CommentId = commentId;
  g.t.ButtonCaptionId = captionId;

  CommentaryView view;
  view.commentId = commentId;
  view.captionId = captionId;
  if (KnownCaption(g, captionId))
    view.caption = std::string(CaptionText(captionId, g.program.Lang));
  if ((k == Kind::CzechDurak || k == Kind::Eights) && g.t.GuessMode == 0)
    view.panels = CzechPanelCaptions(g);
  if (k == Kind::Hearts)
    view.panels = HeartsPanelCaptions(ReadHeartsScores(g.t).totals, g.program.Lang);
  const bool hearts = k == Kind::Hearts && IsHeartsComment(commentId);
  if ((commentId >= 0 && commentId <= kChatComment) || hearts) {
    std::string text = CommentaryText(g, commentId);
    const int width = g.out->CommentaryTextWidth(text);
    view.comment = PlaceCommentary(g, std::move(text), width);
  }
  view.packCounter = PackCounter(g);
  g.out->ShowCommentary(view);
}
