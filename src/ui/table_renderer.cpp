#include "ui/table_renderer.h"

#include <QPainter>

#include "core/game.h"

void ComposeTable(QImage& backBuffer, const QImage& background, const Artwork& art,
                  const TTableState& t, Kind kind, const TableControlsPlace& controls) {
  QPainter p(&backBuffer);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(QPoint(0, 0), background);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  TableCanvas canvas(p, art, t);
  if (kind == Kind::Nine) {
    DrawNine(canvas);
  } else if (IsCardGame(kind)) {
    DrawCardGame(canvas, kind, controls);
  } else if (kind != Kind::None) {
    DrawSoloGame(canvas, kind);
  }
}
