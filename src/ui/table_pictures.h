// The off-screen pictures of the table. The table is composed away from the
// screen and copied to the window in one piece, so it never flickers: the
// bare table (texture and separator lines) is kept ready in
// TableBackground, every repaint starts from a copy of it in BackBuffer,
// and the window only ever shows BackBuffer. The animations and the drag
// work on ScratchPicture and DragPicture.
#pragma once

#include <QColor>
#include <QImage>

#include "ui/table_scale.h"

class Artwork;
class QPainter;

struct TablePictures {
  QImage TableBackground;  // W x H: the bare table
  QImage BackBuffer;       // W x H: the composed table, what the window shows
  QImage ScratchPicture;   // W x H: scratch for animations and effects
  QImage DragPicture;      // W x H: save-under for the drag and animations
  QImage LineStrip;        // W x 1: one line of the separator pattern
};

// Gives all five pictures the window's size W x H (LineStrip keeps a height
// of 1), at the screen's device pixel ratio so that cards stay sharp. The
// table pictures start black, the scratch and drag pictures transparent;
// pictures that already have that size are kept as they are.
void ResizeTablePictures(TablePictures& p, int width, int height, qreal ratio);

// The texture that draws the separator lines on table background backGr:
// one that stands out against it (8 or 10).
int LinePatternOf(int backGr);

// The texts lying on the table (the commentary, the pack counter) take the
// colour that goes with the line pattern: dark on the light-lined tables,
// light on the dark ones.
enum class TableTextColour { WindowText, ButtonFace };
TableTextColour TableTextColourOf(int backGr);

// Where the separator lines lie; none for the games without them.
struct SeparatorLines {
  bool drawn = false;
  int topY = 0;
  int bottomY = 0;
};

// The bare table: the texture backGr tiled over the whole picture and, when
// the game has them, the two separator lines copied from LineStrip. A
// magnified table keeps the texture at its size on the screen, laid as the
// border around the table lays it (PaintTableBorder), so the two meet
// without a seam.
void BuildTableBackground(TablePictures& p, const Artwork& art, int backGr,
                          const SeparatorLines& lines, const TableScale& scale = {});

// The view around a magnified table: the texture and the separator lines
// running on to the window's edges. `view` is the table view's rectangle.
void PaintTableBorder(QPainter& painter, const QRect& view, const Artwork& art, int backGr,
                      const SeparatorLines& lines, const TableScale& scale);
