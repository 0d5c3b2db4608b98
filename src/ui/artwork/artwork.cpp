#include "ui/artwork/artwork.h"

#include <QTransform>
#include <algorithm>

#include "ui/artwork/painting.h"

namespace {

using artwork::BeginPainting;
using artwork::NewCanvas;

constexpr QSize kCardSize(Artwork::kCardWidth, Artwork::kCardHeight);
constexpr QSize kIconSize(Artwork::kSuitIconSize, Artwork::kSuitIconSize);

template <typename Paint>
QPixmap PaintPicture(QSize logical, qreal ratio, Paint paint) {
  QImage canvas = NewCanvas(logical, ratio);
  QPainter p;
  BeginPainting(p, canvas);
  paint(p);
  p.end();
  return QPixmap::fromImage(std::move(canvas));
}

QPixmap CardPicture(int image, qreal ratio) {
  return PaintPicture(kCardSize, ratio, [image](QPainter& p) {
    if (image < Artwork::kFaceCount) {
      artwork::PaintFace(p, image / 13, image % 13);
    } else if (image <= Artwork::kSpareBack) {
      artwork::PaintBack(p, image - Artwork::kFirstBack);
    } else if (image == Artwork::kEmptyPlace) {
      artwork::PaintEmptyPlace(p);
    } else {
      artwork::PaintJoker(p);
    }
  });
}

// The sideways pack lies with its top edge to the right, as a card turned a
// quarter clockwise.
QPixmap TurnedSideways(const QPixmap& back) {
  QPixmap turned = back.transformed(QTransform().rotate(90));
  turned.setDevicePixelRatio(back.devicePixelRatio());
  return turned;
}

}  // namespace

// Nothing is painted until it is first shown: a game shows a few dozen of
// the 83 card pictures and one of the 14 textures, and the window comes up
// sooner and smaller for not painting the rest.
Artwork::Artwork(qreal devicePixelRatio)
    : ratio_(std::max<qreal>(1.0, devicePixelRatio)),
      textureRatio_(ratio_),
      cards_(kCardImageCount),
      sideways_(kBackCount),
      icons_(kSuitCount),
      textures_(kTextureCount),
      texturePixmaps_(kTextureCount) {}

void Artwork::SetDevicePixelRatio(qreal ratio, qreal textureRatio) {
  ratio = std::max<qreal>(1.0, ratio);
  textureRatio = std::max<qreal>(1.0, textureRatio);
  if (ratio != ratio_) {
    ratio_ = ratio;
    cards_.assign(kCardImageCount, QPixmap());
    sideways_.assign(kBackCount, QPixmap());
    icons_.assign(kSuitCount, QPixmap());
    blankCard_ = QPixmap();
    blankIcon_ = QPixmap();
  }
  if (textureRatio != textureRatio_) {
    textureRatio_ = textureRatio;
    textures_.assign(kTextureCount, QImage());
    texturePixmaps_.assign(kTextureCount, QPixmap());
  }
}

const QPixmap& Artwork::CardAt(int image) const {
  QPixmap& card = cards_[image];
  if (card.isNull()) card = CardPicture(image, ratio_);
  return card;
}

const QPixmap& Artwork::BlankCard() const {
  if (blankCard_.isNull()) blankCard_ = PaintPicture(kCardSize, ratio_, [](QPainter&) {});
  return blankCard_;
}

const QPixmap& Artwork::Card(int image) const {
  if (image < 0 || image >= kCardImageCount) return BlankCard();
  return CardAt(image);
}

const QPixmap& Artwork::Face(int image) const {
  if (image < 0 || image >= kFaceCount) return BlankCard();
  return CardAt(image);
}

const QPixmap& Artwork::Back(int image) const {
  if (image < kFirstBack || image > kSpareBack) return CardAt(kFirstBack);
  return CardAt(image);
}

const QPixmap& Artwork::SidewaysBack(int backIndex) const {
  if (backIndex < 0 || backIndex >= kBackCount) backIndex = 0;
  QPixmap& turned = sideways_[backIndex];
  if (turned.isNull()) turned = TurnedSideways(CardAt(kFirstBack + backIndex));
  return turned;
}

const QPixmap& Artwork::SuitIcon(int suit) const {
  if (suit < 0 || suit >= kSuitCount) {
    if (blankIcon_.isNull()) blankIcon_ = PaintPicture(kIconSize, ratio_, [](QPainter&) {});
    return blankIcon_;
  }
  QPixmap& icon = icons_[suit];
  if (icon.isNull()) {
    icon =
        PaintPicture(kIconSize, ratio_, [suit](QPainter& p) { artwork::PaintSuitIcon(p, suit); });
  }
  return icon;
}

const QPixmap& Artwork::Picture(ImageList list, int index) const {
  switch (list) {
    case ImageList::IList1:
      return SidewaysBack(index);
    case ImageList::IList2:
      return SuitIcon(index);
    case ImageList::IList:
      break;
  }
  return Card(index);
}

QPixmap Artwork::Selected(int image) const {
  QPixmap picked = Card(image).copy();
  picked.setDevicePixelRatio(ratio_);
  QPainter p(&picked);
  // Only where the card is: the rounded corners stay transparent.
  p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
  p.fillRect(QRectF(0, 0, kCardWidth, kCardHeight), QColor(255, 255, 255, 128));
  return picked;
}

const QImage& Artwork::Texture(int i) const {
  if (i < 0 || i >= kTextureCount) i = 0;
  QImage& texture = textures_[i];
  // Cloth, wood and stone gain nothing past twice the size, and every
  // further step costs painting time by the square.
  if (texture.isNull()) texture = artwork::MakeTexture(i, std::min<qreal>(textureRatio_, 2.0));
  return texture;
}

const QPixmap& Artwork::TexturePixmap(int i) const {
  if (i < 0 || i >= kTextureCount) i = 0;
  QPixmap& pixmap = texturePixmaps_[i];
  if (pixmap.isNull()) pixmap = QPixmap::fromImage(Texture(i));
  return pixmap;
}
