// The program's pictures: card faces, backs, the empty place, the joker, the
// suit icons and the table textures. All of them are painted in code at
// start-up, so the program carries no picture files.
//
// Three image lists, numbered the way the table and the dialogs use them:
//   IList   83 pictures 71 x 96: faces 0..51 (Suit * 13 + Rank), backs 52..79
//           in two sets of 14, a spare back 80, the empty place 81, the joker 82.
//   IList1  28 pictures 96 x 71: the backs 52..79 turned sideways.
//   IList2  4 pictures 18 x 18: the suit icons, by suit.
// and 14 tileable table textures.
//
// Every picture is painted when it is first asked for, at the given device
// pixel ratio (twice the size by default), and carries that ratio, so QPainter draws it at its
// logical size and it stays sharp on high-density screens. On the table:
//   DrawCard(list, i, x, y)  painter.drawPixmap(x, y, art.Picture(list, i))
//   DrawEmptyPlace(x, y)     painter.drawPixmap(x, y, art.EmptyPlace())
//   DrawSelected(row, slot)  painter.drawPixmap(x, y, art.Selected(image))
//   the trump's suit icon    painter.drawPixmap(x, y, art.SuitIcon(TrumpSuit))
//   the table and LineStrip  painter.fillRect(r, QBrush(art.Texture(BackGr)))
// A texture brush and drawTiledPixmap both tile a texture at its logical size.
#pragma once

#include <QImage>
#include <QPixmap>
#include <array>
#include <vector>

enum class ImageList { IList, IList1, IList2 };

class Artwork {
 public:
  static constexpr int kCardWidth = 71;
  static constexpr int kCardHeight = 96;
  static constexpr int kSuitIconSize = 18;
  static constexpr int kFaceCount = 52;
  static constexpr int kFirstBack = 52;
  static constexpr int kBackCount = 28;
  static constexpr int kBackSetSize = 14;
  static constexpr int kSpareBack = 80;
  static constexpr int kEmptyPlace = 81;
  static constexpr int kJoker = 82;
  static constexpr int kCardImageCount = 83;
  static constexpr int kSuitCount = 4;
  static constexpr int kTextureCount = 14;
  static constexpr int kMinTextureSide = 32;
  static constexpr int kMaxTextureWidth = 157;
  static constexpr int kMaxTextureHeight = 118;

  // Needs a QGuiApplication. A ratio below 1 is taken as 1.
  explicit Artwork(qreal devicePixelRatio = 2.0);

  qreal DevicePixelRatio() const { return ratio_; }
  qreal TextureRatio() const { return textureRatio_; }
  // Pictures from now on are painted at `ratio` (the screen's density times
  // the table's magnification), the textures at `textureRatio` (the
  // screen's, as they keep their size on the screen); what was painted at
  // other ratios is let go.
  void SetDevicePixelRatio(qreal ratio, qreal textureRatio);

  // IList picture 0..82. An index outside the list gives a fully transparent
  // card-sized picture, so a damaged value draws nothing instead of crashing.
  const QPixmap& Card(int image) const;
  // The face of Suit * 13 + Rank (0..51); outside that, the transparent picture.
  const QPixmap& Face(int image) const;
  // A back by its IList index 52..80. The back in use comes from the settings
  // store; a value outside the range falls back to the first back.
  const QPixmap& Back(int image) const;
  // IList1: back number 0..27 (the IList back 52 + number) lying on its side;
  // outside the range, back number 0.
  const QPixmap& SidewaysBack(int backIndex) const;
  // IList2: clubs, spades, diamonds, hearts; outside 0..3 a transparent icon.
  const QPixmap& SuitIcon(int suit) const;
  // The dotted outline of an empty place; the table shows through it.
  const QPixmap& EmptyPlace() const { return CardAt(kEmptyPlace); }
  const QPixmap& Joker() const { return CardAt(kJoker); }
  // Any picture of the three lists, for a DrawCard(list, index, x, y).
  const QPixmap& Picture(ImageList list, int index) const;
  // The IList picture blended half and half with white: the picked card.
  QPixmap Selected(int image) const;

  // Table texture 0..13 (the "BackGr" setting), tiled over the table; outside
  // the range, texture 0. Its logical size is Texture(i).deviceIndependentSize().
  const QImage& Texture(int i) const;
  // The same texture as a pixmap, for QPainter::drawTiledPixmap.
  const QPixmap& TexturePixmap(int i) const;

 private:
  const QPixmap& CardAt(int image) const;
  const QPixmap& BlankCard() const;

  qreal ratio_;
  qreal textureRatio_;
  // The pictures painted so far (a null one is not painted yet): a cache
  // that changes nothing the caller can see.
  mutable std::vector<QPixmap> cards_;
  mutable std::vector<QPixmap> sideways_;
  mutable std::vector<QPixmap> icons_;
  mutable std::vector<QImage> textures_;
  mutable std::vector<QPixmap> texturePixmaps_;
  mutable QPixmap blankCard_;
  mutable QPixmap blankIcon_;
};
