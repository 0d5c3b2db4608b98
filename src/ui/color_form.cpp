#include "ui/color_form.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "ui/artwork/artwork.h"
#include "ui/dialog_parts.h"

namespace {

constexpr int kClientWidth = 402;
constexpr int kClientHeight = 232;
constexpr int kPerRow = 7;
constexpr int kPictureWidth = 50;
constexpr int kPictureHeight = 81;
constexpr int kLeft = 8;
constexpr int kStep = 56;
constexpr int kTopRowY = 8;
constexpr int kBottomRowY = 99;
constexpr int kButtonTop = 196;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

constexpr Texts kBackgroundCaption = {"Фон карточного стола", "Background of a card table"};
constexpr Texts kBackCaption = {"Рубашка", "Shirt"};
constexpr Texts kCancel = {"Отмена", "Cancel"};
constexpr Texts kOthers = {"Другие", "Others"};

// The frame of picture i: two nested one-pixel rectangles, the second one
// pixel right of and below the first.
QRect FrameRect(int i) {
  const int c = i % kPerRow;
  const bool top = i < kPerRow;
  return QRect(QPoint(5 + kStep * c, top ? 5 : 96), QPoint(60 + kStep * c, top ? 91 : 182));
}

}  // namespace

TColorForm::TColorForm(Game& g, const Artwork& art, LookMode mode, QWidget* parent)
    : QDialog(parent), g_(g), art_(art), choice_(OpenLookChoice(g, mode)) {
  const int lang = g.program.Lang;
  setObjectName("ColorForm");
  setWindowTitle((mode == LookMode::Background ? kBackgroundCaption : kBackCaption).In(lang));
  setFixedSize(kClientWidth, kClientHeight);

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setObjectName("OKButton");
  OKButton->setDefault(true);
  CancelButton = new QPushButton(kCancel.In(lang), this);
  CancelButton->setObjectName("CancelButton");
  CancelButton->setAutoDefault(false);
  OtherButton = new QPushButton(kOthers.In(lang), this);
  OtherButton->setObjectName("OtherButton");
  OtherButton->setAutoDefault(false);
  OtherButton->setVisible(mode == LookMode::CardBack);
  const int right = kClientWidth - 8;
  CancelButton->setGeometry(right - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight);
  OKButton->setGeometry(right - 2 * kButtonWidth - 8, kButtonTop, kButtonWidth, kButtonHeight);
  OtherButton->setGeometry(kLeft, kButtonTop, kButtonWidth, kButtonHeight);
  // OK keeps the last choice, which is written already.
  connect(OKButton, &QPushButton::clicked, this, &TColorForm::accept);
  connect(CancelButton, &QPushButton::clicked, this, &TColorForm::reject);
  connect(OtherButton, &QPushButton::clicked, this, &TColorForm::SwitchSet);
  LoadPictures();
}

QRect TColorForm::PictureRect(int i) {
  const int c = i % kPerRow;
  const int y = i < kPerRow ? kTopRowY : kBottomRowY;
  return {kLeft + kStep * c, y, kPictureWidth, kPictureHeight};
}

int TColorForm::PictureAt(QPoint p) {
  for (int i = 0; i < kLookPictures; ++i) {
    if (PictureRect(i).contains(p)) return i;
  }
  return -1;
}

int TColorForm::Framed() const {
  return FramedLookPicture(g_, choice_);
}

void TColorForm::LoadPictures() {
  for (int i = 0; i < kLookPictures; ++i) {
    const int32_t value = LookPictureValue(choice_, i);
    pictures_[static_cast<size_t>(i)] = choice_.mode == LookMode::Background
                                            ? QPixmap::fromImage(art_.Texture(value))
                                            : art_.Card(value);
  }
}

void TColorForm::SwitchSet() {
  SwitchBackSet(choice_);
  LoadPictures();
  update();
}

void TColorForm::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const int framed = Framed();
  for (int i = 0; i < kLookPictures; ++i) {
    const QPixmap& picture = pictures_[static_cast<size_t>(i)];
    // Cards painted for a magnified table are shown smaller here: smoothly,
    // not by dropping pixels.
    painter.setRenderHint(QPainter::SmoothPixmapTransform,
                          picture.devicePixelRatio() > devicePixelRatioF());
    painter.drawPixmap(PictureRect(i), picture);
    const QRect frame = FrameRect(i);
    painter.setPen(i == framed ? QColor(0, 0, 255) : QColor(Qt::white));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));
  }
}

void TColorForm::mousePressEvent(QMouseEvent* event) {
  const int i = PictureAt(event->position().toPoint());
  if (event->button() != Qt::LeftButton || i < 0) return QDialog::mousePressEvent(event);
  ChooseLook(g_, choice_, i);
  update();
}

void TColorForm::mouseDoubleClickEvent(QMouseEvent* event) {
  const int i = PictureAt(event->position().toPoint());
  if (event->button() != Qt::LeftButton || i < 0) return QDialog::mouseDoubleClickEvent(event);
  ChooseLook(g_, choice_, i);
  accept();
}

void TColorForm::reject() {
  TakeBackLook(g_, choice_);
  QDialog::reject();
}

void TColorForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOver(this, parentWidget());
}
