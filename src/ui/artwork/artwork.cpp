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

Artwork::Artwork(qreal devicePixelRatio) : ratio_(std::max<qreal>(1.0, devicePixelRatio)) {
  cards_.reserve(kCardImageCount);
  for (int image = 0; image < kCardImageCount; ++image) {
    cards_.push_back(CardPicture(image, ratio_));
  }
  sideways_.reserve(kBackCount);
  for (int back = 0; back < kBackCount; ++back) {
    sideways_.push_back(TurnedSideways(cards_[kFirstBack + back]));
  }
  icons_.reserve(kSuitCount);
  for (int suit = 0; suit < kSuitCount; ++suit) {
    icons_.push_back(
        PaintPicture(kIconSize, ratio_, [suit](QPainter& p) { artwork::PaintSuitIcon(p, suit); }));
  }
  textures_.reserve(kTextureCount);
  texturePixmaps_.reserve(kTextureCount);
  for (int i = 0; i < kTextureCount; ++i) {
    // Cloth, wood and stone gain nothing past twice the size, and every
    // further step costs start-up time by the square.
    textures_.push_back(artwork::MakeTexture(i, std::min<qreal>(ratio_, 2.0)));
    texturePixmaps_.push_back(QPixmap::fromImage(textures_.back()));
  }
  blankCard_ = PaintPicture(kCardSize, ratio_, [](QPainter&) {});
  blankIcon_ = PaintPicture(kIconSize, ratio_, [](QPainter&) {});
}

const QPixmap& Artwork::Card(int image) const {
  if (image < 0 || image >= kCardImageCount) return blankCard_;
  return cards_[image];
}

const QPixmap& Artwork::Face(int image) const {
  if (image < 0 || image >= kFaceCount) return blankCard_;
  return cards_[image];
}

const QPixmap& Artwork::Back(int image) const {
  if (image < kFirstBack || image > kSpareBack) return cards_[kFirstBack];
  return cards_[image];
}

const QPixmap& Artwork::SidewaysBack(int backIndex) const {
  if (backIndex < 0 || backIndex >= kBackCount) return sideways_[0];
  return sideways_[backIndex];
}

const QPixmap& Artwork::SuitIcon(int suit) const {
  if (suit < 0 || suit >= kSuitCount) return blankIcon_;
  return icons_[suit];
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
  return textures_[i < 0 || i >= kTextureCount ? 0 : i];
}

const QPixmap& Artwork::TexturePixmap(int i) const {
  return texturePixmaps_[i < 0 || i >= kTextureCount ? 0 : i];
}
