// The repaint of the table: the bare table copied into BackBuffer, then
// every card of the game being played drawn over it, later cards lying on
// earlier ones. Each game (or family of games) has its own drawing below;
// they only read the table state and the layout, never change them.
#pragma once

#include <QImage>
#include <QRect>

#include "core/edition.h"
#include "core/table_state.h"
#include "ui/table_canvas.h"

// What the repaint reads from the window's controls: the suit-order panel of
// Czech durak and Eights, above which the suit in force is shown.
struct TableControlsPlace {
  QRect trumpPanel;
};

// Composes the table into backBuffer: a copy of background, then the cards.
void ComposeTable(QImage& backBuffer, const QImage& background, const Artwork& art,
                  const TTableState& t, Kind kind, const TableControlsPlace& controls);

// The durak kinds, Czech durak and Eights (VidG 0 to 6).
void DrawCardGame(TableCanvas& c, Kind kind, const TableControlsPlace& controls);
// Nine (VidG 7).
void DrawNine(TableCanvas& c);
// The patience games, Hearts and Memory (VidG 8 to 25).
void DrawSoloGame(TableCanvas& c, Kind kind);
