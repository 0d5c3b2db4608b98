#include "commentary/table_controls.h"

#include "commentary/comment.h"
#include "commentary/hearts_texts.h"
#include "games/hearts_scoring.h"

TableControlsView TableControlsFor(const Game& g) {
  const Kind k = g.kind();
  TableControlsView v;
  if (IsPatience(k) || IsMemory(k)) {
    // Nothing to press and nobody to talk: the table is the patience's alone.
    v.hideCommentary = true;
    return v;
  }
  v.moveButtonVisible = true;
  if (k == Kind::CzechDurak || k == Kind::Eights) {
    // No suit may be ordered before a card calls for it. The captions are
    // those of the language in use, whoever dealt before.
    v.trumpPanelVisible = true;
    v.trumpLabelEnabled = false;
    v.panels = CzechPanelCaptions(g);
  }
  v.pointsPanelVisible = k == Kind::CzechDurak;
  if (k == Kind::Hearts) {
    // The four totals stand in the points panel; the Move button is there
    // only while cards are passed.
    v.pointsPanelVisible = true;
    v.panels = HeartsPanelCaptions(ReadHeartsScores(g.t).totals, g.program.Lang);
    v.moveButtonVisible =
        g.t.ButtonCaptionId == kCaptionDropCards || g.t.ButtonCaptionId == kCaptionOk;
  }
  if (k == Kind::Nine) {
    v.hideCommentary = true;
    v.zeroCommentaryWidth = true;
  }
  return v;
}

void ShowTableControls(Game& g) {
  g.out->ApplyTableControls(TableControlsFor(g));
}
