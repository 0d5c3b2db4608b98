#include "ui/table_pictures.h"

#include <QPainter>
#include <algorithm>
#include <array>

#include "ui/artwork/artwork.h"

namespace {

constexpr std::array<int, Artwork::kTextureCount> kLinePattern = {8,  10, 10, 8, 8, 8, 10,
                                                                  10, 10, 10, 8, 8, 8, 10};

QImage NewPicture(int width, int height, qreal ratio) {
  const int w = std::max(1, width);
  const int h = std::max(1, height);
  QImage picture(qRound(w * ratio), qRound(h * ratio), QImage::Format_ARGB32_Premultiplied);
  picture.setDevicePixelRatio(ratio);
  picture.fill(Qt::black);
  return picture;
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

}  // namespace

void ResizeTablePictures(TablePictures& p, int width, int height, qreal ratio) {
  p.TableBackground = NewPicture(width, height, ratio);
  p.BackBuffer = NewPicture(width, height, ratio);
  p.ScratchPicture = NewPicture(width, height, ratio);
  p.DragPicture = NewPicture(width, height, ratio);
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
                          const SeparatorLines& lines) {
  FillWithTexture(p.TableBackground, art, backGr);
  if (!lines.drawn) return;
  FillWithTexture(p.LineStrip, art, LinePatternOf(backGr));
  CopyLineStrip(p.TableBackground, p.LineStrip, lines.topY);
  CopyLineStrip(p.TableBackground, p.LineStrip, lines.bottomY);
}
