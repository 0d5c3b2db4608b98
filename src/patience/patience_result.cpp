#include "patience/patience_result.h"

#include "persistence/statistics.h"

void SettlePreviousPatience(Game& g) {
  TTableState& t = g.t;
  TResult& result = t.Stats[t.VidG];
  if (t.PatienceResult == 1) result.Wins += 1;
  if (t.PatienceResult == 0) result.Losses += 1;
  WriteStatistics(g);
}
