#include "ui/table_pictures.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdlib>

#include "ui/artwork/artwork.h"

namespace {

constexpr std::array<int, Artwork::kTextureCount> kLinePattern = {8,  10, 10, 8, 8, 8, 10,
                                                                  10, 10, 10, 8, 8, 8, 10};

QSize PixelSize(int width, int height, qreal ratio) {
  return {qRound(std::max(1, width) * ratio), qRound(std::max(1, height) * ratio)};
}

QImage NewPicture(int width, int height, qreal ratio) {
  const QSize size = PixelSize(width, height, ratio);
  QImage picture(size, QImage::Format_ARGB32_Premultiplied);
  picture.setDevicePixelRatio(ratio);
  picture.fill(Qt::black);
  return picture;
}

// A picture that starts out transparent black and takes memory only where it
// is drawn on: the animations and the drag use a part of it at a time, and
// many runs never move a card before the window is resized.
QImage NewScratchPicture(int width, int height, qreal ratio) {
  const QSize size = PixelSize(width, height, ratio);
  const qsizetype bytesPerLine = qsizetype{size.width()} * 4;
  void* pixels = std::calloc(static_cast<size_t>(bytesPerLine * size.height()), 1);
  if (pixels == nullptr) return NewPicture(width, height, ratio);
  QImage picture(
      static_cast<uchar*>(pixels), size.width(), size.height(), bytesPerLine,
      QImage::Format_ARGB32_Premultiplied, [](void* p) { std::free(p); }, pixels);
  picture.setDevicePixelRatio(ratio);
  return picture;
}

bool HasSize(const QImage& picture, int width, int height, qreal ratio) {
  return !picture.isNull() && picture.size() == PixelSize(width, height, ratio) &&
         picture.devicePixelRatio() == ratio;
}

int LogicalWidth(const QImage& picture) {
  return qRound(picture.width() / picture.devicePixelRatio());
}

int LogicalHeight(const QImage& picture) {
  return qRound(picture.height() / picture.devicePixelRatio());
}

void FillWithTexture(QImage& picture, const Artwork& art, int texture) {
  QPainter p(&picture);
  p.fillRect(QRect(0, 0, LogicalWidth(picture), LogicalHeight(picture)),
             QBrush(art.Texture(texture)));
}

void CopyLineStrip(QImage& background, const QImage& strip, int y) {
  QPainter p(&background);
  p.drawImage(QPoint(0, y), strip);
}

// Where a separator line's top lies on the view; the line's texture starts
// there, on the table and in the border alike.
qreal LineTopOnView(int y, const TableScale& scale) {
  return scale.offset.y() + y * scale.factor;
}

QBrush LineBrush(const Artwork& art, int backGr, qreal top) {
  QBrush brush(art.Texture(LinePatternOf(backGr)));
  brush.setTransform(QTransform::fromTranslate(0, top));
  return brush;
}

void BuildMagnifiedBackground(TablePictures& p, const Artwork& art, int backGr,
                              const SeparatorLines& lines, const TableScale& scale) {
  QPainter painter(&p.TableBackground);
  const QTransform viewToTable = scale.ViewToTable();
  QBrush texture(art.Texture(backGr));
  texture.setTransform(viewToTable);
  const int width = LogicalWidth(p.TableBackground);
  painter.fillRect(QRect(0, 0, width, LogicalHeight(p.TableBackground)), texture);
  if (!lines.drawn) return;
  for (const int y : {lines.topY, lines.bottomY}) {
    QBrush line = LineBrush(art, backGr, LineTopOnView(y, scale));
    line.setTransform(line.transform() * viewToTable);
    painter.fillRect(QRect(0, y, width, 1), line);
  }
}

}  // namespace

void ResizeTablePictures(TablePictures& p, int width, int height, qreal ratio) {
  // The same size again (the window shown, a resize back and forth) keeps
  // the pictures: making them anew would only cost time and memory.
  if (HasSize(p.BackBuffer, width, height, ratio) && HasSize(p.LineStrip, width, 1, ratio)) return;
  p.TableBackground = NewPicture(width, height, ratio);
  p.BackBuffer = NewPicture(width, height, ratio);
  p.ScratchPicture = NewScratchPicture(width, height, ratio);
  p.DragPicture = NewScratchPicture(width, height, ratio);
  p.LineStrip = NewPicture(width, 1, ratio);
}

int LinePatternOf(int backGr) {
  if (backGr < 0 || backGr >= Artwork::kTextureCount) backGr = 0;
  return kLinePattern[backGr];
}

TableTextColour TableTextColourOf(int backGr) {
  return LinePatternOf(backGr) == 8 ? TableTextColour::WindowText : TableTextColour::ButtonFace;
}

void BuildTableBackground(TablePictures& p, const Artwork& art, int backGr,
                          const SeparatorLines& lines, const TableScale& scale) {
  if (!scale.Identity()) {
    BuildMagnifiedBackground(p, art, backGr, lines, scale);
    return;
  }
  FillWithTexture(p.TableBackground, art, backGr);
  if (!lines.drawn) return;
  FillWithTexture(p.LineStrip, art, LinePatternOf(backGr));
  CopyLineStrip(p.TableBackground, p.LineStrip, lines.topY);
  CopyLineStrip(p.TableBackground, p.LineStrip, lines.bottomY);
}

void PaintTableBorder(QPainter& painter, const QRect& view, const Artwork& art, int backGr,
                      const SeparatorLines& lines, const TableScale& scale) {
  painter.fillRect(view, QBrush(art.Texture(backGr)));
  if (!lines.drawn) return;
  for (const int y : {lines.topY, lines.bottomY}) {
    const qreal top = LineTopOnView(y, scale);
    painter.fillRect(QRectF(view.left(), top, view.width(), scale.factor),
                     LineBrush(art, backGr, top));
  }
}
