// The table background (F4) and card back (F3) dialog: 14 pictures in two
// rows of seven, the one in use framed in blue. A click takes a picture at
// once, a double click takes it and closes, Cancel or Escape puts back what
// was there at opening; "Others" shows the second set of card backs. What
// is written and taken is the engine's (play/table_look).
#pragma once

#include <QDialog>
#include <QPixmap>
#include <array>

#include "core/game.h"
#include "play/table_look.h"

class Artwork;
class QPushButton;

class TColorForm final : public QDialog {
 public:
  TColorForm(Game& g, const Artwork& art, LookMode mode, QWidget* parent);

  // Picture i's place on the dialog (Image1 .. Image14 are 0 .. 13).
  static QRect PictureRect(int i);
  // The picture framed as the one in use, -1 none.
  int Framed() const;
  int BackSet() const { return choice_.set; }

  void reject() override;  // Cancel, Escape, or the window closed

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void LoadPictures();
  void SwitchSet();
  static int PictureAt(QPoint p);

  Game& g_;
  const Artwork& art_;
  LookChoice choice_;
  std::array<QPixmap, kLookPictures> pictures_;
  QPushButton* OKButton = nullptr;
  QPushButton* CancelButton = nullptr;
  QPushButton* OtherButton = nullptr;
};
