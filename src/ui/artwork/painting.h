// The painters behind Artwork. Each paints one picture in logical pixels on a
// painter whose device already carries the device pixel ratio.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QSize>

namespace artwork {

constexpr qreal kCardW = 71;
constexpr qreal kCardH = 96;
constexpr qreal kCornerRadius = 4.5;

// A transparent picture of the logical size, ready for painting.
QImage NewCanvas(QSize logical, qreal ratio);
// An antialiased painter on the canvas.
void BeginPainting(QPainter& p, QImage& canvas);

// Suits: 0 clubs, 1 spades, 2 diamonds, 3 hearts.
bool IsRedSuit(int suit);
QColor SuitColour(int suit);
// The pip of a suit centred on (0, 0), one unit wide.
const QPainterPath& SuitPip(int suit);
// Fills the pip of the suit, `width` wide, centred on `centre`; upside down
// when `flipped`, as on the lower half of a card.
void DrawPip(QPainter& p, int suit, QPointF centre, qreal width, bool flipped = false);

// Outline glyphs of the index letters, in a box 10 units wide and 14 high,
// meant to be stroked: '2'..'9', 'T' (the ten), 'J', 'Q', 'K', 'A', 'O', 'E', 'R'.
QPainterPath Glyph(char c);
// Strokes the glyph with its top-left corner at `topLeft`, `height` tall.
void DrawGlyph(QPainter& p, char c, QPointF topLeft, qreal height, QColor colour);

// The white card with rounded corners and a thin border.
QPainterPath CardOutline();
void DrawBlankCard(QPainter& p);

// Faces 0..51, the joker, the empty place, the suit icons.
void PaintFace(QPainter& p, int suit, int rank);
void PaintCourtFigure(QPainter& p, int suit, int rank, const QRectF& frame);
void PaintJoker(QPainter& p);
void PaintEmptyPlace(QPainter& p);
void PaintSuitIcon(QPainter& p, int suit);

// Back designs 0..28: 0..13 the first set, 14..27 the second, 28 the spare.
void PaintBack(QPainter& p, int design);

// Table texture 0..13 at the device pixel ratio.
QSize TextureSize(int i);
QImage MakeTexture(int i, qreal ratio);

}  // namespace artwork
