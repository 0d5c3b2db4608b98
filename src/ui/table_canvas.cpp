#include "ui/table_canvas.h"

namespace {

const QColor kRedealGreen(0, 255, 0);
const QColor kNoRedealRed(255, 0, 0);

}  // namespace

void TableCanvas::DrawCard(ImageList list, int index, int x, int y) {
  p_.drawPixmap(x, y, art_.Picture(list, index));
}

void TableCanvas::DrawFace(int row, int slot, int x, int y) {
  if (!InGrid(row, slot)) return;
  DrawCard(ImageList::IList, t_.ImageIndexAt(row, slot), x, y);
}

void TableCanvas::DrawBack(int x, int y) {
  p_.drawPixmap(x, y, art_.Back(t_.Options.CardBack));
}

void TableCanvas::DrawSidewaysBack(int x, int y) {
  p_.drawPixmap(x, y, art_.SidewaysBack(t_.Options.BackIndex()));
}

void TableCanvas::DrawSuitIcon(int suit, int x, int y) {
  p_.drawPixmap(x, y, art_.SuitIcon(suit));
}

void TableCanvas::DrawJoker(int x, int y) {
  p_.drawPixmap(x, y, art_.Joker());
}

void TableCanvas::DrawEmptyPlace(int x, int y) {
  p_.drawPixmap(x, y, art_.EmptyPlace());
}

void TableCanvas::DrawRedealMark(int x, int y) {
  DrawEmptyPlace(x, y);
  p_.save();
  p_.setPen(QPen(kRedealGreen, 1));
  p_.setBrush(Qt::NoBrush);
  for (int i = 7; i <= 13; ++i) {
    const QPoint topLeft(x + i, y + i + 11);
    const QPoint bottomRight(x + 71 - i, y + 85 - i);
    p_.drawEllipse(
        QRect(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())));
  }
  p_.restore();
}

void TableCanvas::DrawNoRedealMark() {
  const int x = t_.CardX[0][0];
  const int y = t_.CardY[0][0];
  DrawEmptyPlace(x, y);
  p_.save();
  p_.setPen(QPen(kNoRedealRed, 1));
  for (int i = 0; i <= 4; ++i) {
    p_.drawLine(x + 7 + i, y + 24 - i, x + 59 + i, y + 76 - i);
    p_.drawLine(x + 7 + i, y + 72 + i, x + 59 + i, y + 20 + i);
  }
  p_.restore();
}

void TableCanvas::DrawNinePlace(int x, int y, int suitRow) {
  const int step = t_.NineRowStep;
  const int h = step >= 96 || suitRow == 3 ? 96 : step;
  p_.save();
  // A focus rectangle: dots that invert what lies under them, so they show
  // on every table.
  p_.setCompositionMode(QPainter::RasterOp_NotDestination);
  p_.setPen(QPen(Qt::white, 1, Qt::DotLine));
  p_.setBrush(Qt::NoBrush);
  p_.drawRect(QRect(x, y, 70, h - 1));
  p_.restore();
}

void TableCanvas::DrawSelected(int row, int slot) {
  if (!InGrid(row, slot)) return;
  DrawSelectedImage(t_.ImageIndexAt(row, slot), t_.CardX[row][slot], t_.CardY[row][slot]);
}

void TableCanvas::DrawSelectedImage(int image, int x, int y) {
  p_.drawPixmap(x, y, art_.Selected(image));
}

void TableCanvas::DrawFaceAtPlace(int row, int slot) {
  if (!InGrid(row, slot)) return;
  DrawFace(row, slot, t_.CardX[row][slot], t_.CardY[row][slot]);
}

void TableCanvas::DrawBackAtPlace(int row, int slot) {
  if (!InGrid(row, slot)) return;
  DrawBack(t_.CardX[row][slot], t_.CardY[row][slot]);
}

void TableCanvas::DrawHighlight() {
  if (t_.Picked != 0) DrawSelected(t_.SourceRow, t_.SourceSlot);
}

void TableCanvas::DrawStockInDepth(int x, int y, int count, int a, int b) {
  const int backs = count <= 0 ? 0 : count <= a ? 1 : count <= b ? 2 : 3;
  for (int k = 0; k < backs; ++k) DrawBack(x + 2 * k, y + 2 * k);
}
