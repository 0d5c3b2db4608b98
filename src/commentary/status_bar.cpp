#include "commentary/status_bar.h"

#include <array>
#include <cstdio>

#include "commentary/comment_texts.h"

namespace {

constexpr std::array<const char*, 6> kStyleNamesRu = {"дитя",     "лох",    "энтузиаст",
                                                      "агрессор", "катала", "профессионал"};
constexpr std::array<const char*, 6> kStyleNamesEn = {"child",     "simpleton", "enthusiast",
                                                      "aggressor", "sharper",   "professional"};
constexpr std::array<const char*, 4> kLevelNamesRu = {
    " низкого уровня", " среднего уровня", " высокого уровня", " супер класса (в доработке)"};
constexpr std::array<const char*, 4> kLevelNamesEn = {" of a low level", " of a medium level",
                                                      " of a high level", " super class"};

struct ScoreWords {
  const char* prefix;
  const char* wins;
  const char* losses;
  const char* draws;
  const char* points;
  const char* record;
};
constexpr ScoreWords kWordsRu = {
    " С вами играет ", "Выигрыш: ", "   Проигрыш: ", "   Ничьи: ", "Очки : ", "Рекорд : "};
constexpr ScoreWords kWordsEn = {
    " You play with the ", " Win: ", "      Lost: ", "      Draw: ", "Points : ", "Hi - score : "};

const ScoreWords& Words(const Game& g) {
  return g.program.Lang == kEnglish ? kWordsEn : kWordsRu;
}

// Client: the server's name; server: the client's name.
const std::string& PartnerName(const Game& g) {
  return g.program.NetNames[g.program.NetRole == 0 ? 1 : 0];
}

std::string OpponentName(const Game& g) {
  const bool en = g.program.Lang == kEnglish;
  const int style = g.t.Options.Style;
  if (style < 0 || style >= kStyleCount) return {};
  std::string name = en ? kStyleNamesEn[style] : kStyleNamesRu[style];
  // Only the professional plays at a level of its own.
  const int level = g.t.Options.Level;
  if (style == kNeutralStyle && level >= 0 && level < 4)
    name += en ? kLevelNamesEn[level] : kLevelNamesRu[level];
  // "Strong play": in durak the professional searches its choices.
  if (style == kNeutralStyle && g.t.Options.Search == 1 && IsDurak(g.kind()))
    name += en ? ", searching its moves" : ", просчитывающий ходы";
  return name;
}

Score CountsOf(const TResult& r) {
  return {r.Wins, r.Losses, r.Draws};
}

// One point more to make 100, given to the share the rules of rounding pick.
void RaiseOneShare(const Score& c, Score& p) {
  const int w = c.wins, l = c.losses, d = c.draws;
  if (l == w && w != 0)
    ++p.draws;
  else if (w == d && w != 0)
    ++p.losses;
  else if (l == d && l != 0)
    ++p.wins;
  else if (p.wins < p.losses && w != 0)
    ++p.wins;
  else if (p.losses < p.wins && l != 0)
    ++p.losses;
  else if (p.losses == p.wins && d != 0)
    ++p.draws;
  else if (w == 0 && l != 0)
    ++p.losses;
  else if (w == 0 && d != 0)
    ++p.draws;
  else
    ++p.wins;
}

std::string Shown(int value, bool percent) {
  return std::to_string(value) + (percent ? "%" : "");
}

std::string Blanks(int n) {
  return std::string(static_cast<size_t>(n), ' ');
}

}  // namespace

Score Percentages(const Score& s) {
  const int64_t total = static_cast<int64_t>(s.wins) + s.losses + s.draws;
  if (total <= 0) return {};
  Score p{static_cast<int>(s.wins * int64_t{100} / total),
          static_cast<int>(s.losses * int64_t{100} / total),
          static_cast<int>(s.draws * int64_t{100} / total)};
  while (p.wins + p.losses + p.draws < 100) RaiseOneShare(s, p);
  return p;
}

Score ShownScore(const Game& g) {
  const TTableState& t = g.t;
  if (g.NetworkGame()) return {t.NetWins, t.NetLosses, t.NetDraws};
  if (t.Options.StatSeparate == 1 && t.VidG >= 0 && t.VidG < static_cast<int>(t.Stats.size()))
    return CountsOf(t.Stats[t.VidG]);
  // Memory keeps points, not results: it stays out of the totals.
  Score sum;
  for (int vidg = 0; vidg < g.edition->kindCount; ++vidg) {
    if (IsMemory(g.edition->KindOf(vidg))) continue;
    sum.wins += t.Stats[vidg].Wins;
    sum.losses += t.Stats[vidg].Losses;
    sum.draws += t.Stats[vidg].Draws;
  }
  return sum;
}

std::string WhoPlaysText(const Game& g) {
  if (g.NetworkGame()) return Words(g).prefix + PartnerName(g);
  if (!IsCardGame(g.kind())) return {};
  return Words(g).prefix + OpponentName(g);
}

std::string ScoreText(const Game& g) {
  const ScoreWords& w = Words(g);
  const Kind k = g.kind();
  if (IsMemory(k)) {
    const TResult& r = g.t.Stats[g.t.VidG];
    return w.points + std::to_string(r.Wins) + Blanks(18) + w.record + std::to_string(r.Losses);
  }
  const bool percent = g.t.Options.NumberOrPercent == 1;
  const Score counts = ShownScore(g);
  const Score s = percent ? Percentages(counts) : counts;
  const std::string wins = w.wins + Shown(s.wins, percent);
  const std::string losses = w.losses + Shown(s.losses, percent);
  // Games without draws spread their two numbers wider.
  if (IsDurak(k) || k == Kind::CzechDurak) return wins + losses + w.draws + Shown(s.draws, percent);
  if (k == Kind::Eights || k == Kind::Nine) return wins + Blanks(3) + losses;
  return wins + Blanks(8) + losses;
}

void UpdateStatusBar(Game& g) {
  const TOptions& o = g.t.Options;
  const int width = g.out->MainWindowRect().width;
  StatusBarView view;
  int scoreWidth = 0;
  if (o.Stat == 1) {
    view.score = ScoreText(g);
    scoreWidth = kScorePanelWidth;
  }
  // Panel 0 takes what the score, the clock and the size grip leave.
  view.widths = {width - scoreWidth - 63, scoreWidth, kClockPanelWidth};
  view.whoPlays = WhoPlaysText(g);
  view.visible = o.StBar == 1;
  // In a network game the chat field lies over panel 0 and starts with its text.
  view.chatVisible = view.visible && g.NetworkGame();
  if (g.NetworkGame()) view.chatText = view.whoPlays;
  view.chatWidth = view.widths[0] - 20;
  view.chatButtonLeft = view.widths[0] - 15;
  g.out->ShowStatusBarPanels(view);
}

int64_t ClockStart(const Game& g) {
  return g.clock->NowSeconds();
}

std::string ElapsedText(int64_t startSeconds, int64_t nowSeconds) {
  // The clock counts whole seconds since the epoch, so midnight is no edge;
  // a clock set back shows no time rather than a negative one.
  const int64_t elapsed = nowSeconds > startSeconds ? nowSeconds - startSeconds : 0;
  char text[32];
  std::snprintf(text, sizeof text, " %02lld:%02lld:%02lld", static_cast<long long>(elapsed / 3600),
                static_cast<long long>(elapsed / 60 % 60), static_cast<long long>(elapsed % 60));
  return text;
}

void TickClock(Game& g, int64_t startSeconds) {
  g.out->ShowClock(ElapsedText(startSeconds, g.clock->NowSeconds()));
}
