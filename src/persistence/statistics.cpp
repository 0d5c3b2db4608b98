#include "persistence/statistics.h"

#include "core/game.h"
#include "persistence/settings_store.h"

namespace {

struct StatNames {
  const char* wins;
  const char* losses;
  const char* draws;
};

// Indexed by VidG of edition 2.85.
constexpr StatNames kNames285[26] = {
    {"S_My", "S_Comp", "S_Nobodys"},
    {"S_My_j", "S_Comp_j", "S_Nobodys_j"},
    {"S_My_r", "S_Comp_r", "S_Nobodys_r"},
    {"S_My_p", "S_Comp_p", "S_Nobodys_p"},
    {"S_My_road", "S_Comp_road", "S_Nobodys_road"},
    {"S_My_c", "S_Comp_c", "S_Nobodys_c"},
    {"S_My_eights", "S_Comp_eights", "S_Null"},
    {"S_My_nine", "S_Comp_nine", "S_Null"},
    {"S_My_solitaire", "S_Comp_solitaire", "S_Null"},
    {"S_My_tapewarm", "S_Comp_tapewarm", "S_Null"},
    {"S_My_kerchief", "S_Comp_kerchief", "S_Null"},
    {"S_My_pairs", "S_Comp_pairs", "S_Null"},
    {"S_My_bard", "S_Comp_bard", "S_Null"},
    {"S_My_piramida", "S_Comp_piramida", "S_Null"},
    {"S_My_prisoner", "S_Comp_prisoner", "S_Null"},
    {"S_My_twobytwo", "S_Comp_twobytwo", "S_Null"},
    {"S_My_oldfriend", "S_Comp_oldfriend", "S_Null"},
    {"S_My_clock", "S_Comp_clock", "S_Null"},
    {"S_My_joker", "S_Comp_joker", "S_Null"},
    {"S_My_paganini", "S_Comp_paganini", "S_Null"},
    {"S_My_cross", "S_Comp_cross", "S_Null"},
    {"S_My_firtrees", "S_Comp_firtrees", "S_Null"},
    {"S_My_street", "S_Comp_street", "S_Null"},
    {"S_My_hearts", "S_Comp_hearts", "S_Null"},
    {"S_Null", "R_Memory36", "S_Null"},
    {"S_Null", "R_Memory52", "S_Null"},
};

// Edition 2.84's VidG 21 is its one Memory game.
constexpr StatNames kMemory284 = {"S_Null", "R_Memory", "S_Null"};

}  // namespace

std::string_view StatisticName(const Edition& e, int vidg, int which) {
  if (vidg < 0 || vidg >= e.kindCount || which < 0 || which > 2) return {};
  const StatNames& n =
      (e.id == EditionId::Kalvenor284 && vidg == 21) ? kMemory284 : kNames285[vidg];
  return which == 0 ? n.wins : which == 1 ? n.losses : n.draws;
}

void WriteStatistics(Game& g) {
  if (g.store == nullptr) return;
  for (int v = 0; v < g.edition->kindCount; ++v) {
    const TResult& r = g.t.Stats[v];
    g.store->Write(StatisticName(*g.edition, v, 0), r.Wins);
    g.store->Write(StatisticName(*g.edition, v, 1), r.Losses);
    g.store->Write(StatisticName(*g.edition, v, 2), r.Draws);
  }
}

namespace {

int32_t ReadCounter(ISettingsStore& store, std::string_view name) {
  const std::optional<int32_t> stored = store.Read(name);
  if (stored && *stored >= 0) return *stored;
  // A counter the program cannot use starts again from nothing.
  store.Write(name, 0);
  return 0;
}

}  // namespace

void ReadStatistics(Game& g) {
  if (g.store == nullptr) return;
  for (int v = 0; v < g.edition->kindCount; ++v) {
    TResult& r = g.t.Stats[v];
    r.Wins = ReadCounter(*g.store, StatisticName(*g.edition, v, 0));
    r.Losses = ReadCounter(*g.store, StatisticName(*g.edition, v, 1));
    r.Draws = ReadCounter(*g.store, StatisticName(*g.edition, v, 2));
  }
}

void WriteZeroStatistics(ISettingsStore& store, const Edition& e) {
  for (int v = 0; v < e.kindCount; ++v) {
    for (int which = 0; which < 3; ++which) store.Write(StatisticName(e, v, which), 0);
  }
}

void ClearStatistics(Game& g) {
  for (int v = 0; v < g.edition->kindCount; ++v) g.t.Stats[v] = TResult{};
  WriteStatistics(g);
}
