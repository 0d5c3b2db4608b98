// The About dialog: the program's title and version, two links to the
// project's own pages in the help, and a small picture that grows in while
// a sound plays as the dialog opens.
#pragma once

#include <QDialog>
#include <QTimer>

#include "core/game.h"

class Artwork;
class QLabel;
class QPushButton;
class WindowShell;

class TAboutForm final : public QDialog {
 public:
  TAboutForm(Game& g, const Artwork& art, WindowShell& shell, QWidget* parent);

  // The picture's place now (tests watch it grow).
  QRect PictureRect() const;
  bool Growing() const { return grow_.isActive(); }
  // One step of the growth (v = 0..48).
  void GrowStep(int v);

  static constexpr int kGrowSteps = 49;
  static constexpr int kGrowStepMs = 8;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void ColourLinks(QLabel* hovered);
  void InternetLabelClick();
  void EmailLabelClick();

  Game& g_;
  WindowShell& shell_;
  QLabel* Label3 = nullptr;
  QLabel* VersionLabel = nullptr;
  QLabel* MakerLabel = nullptr;
  QLabel* InternetLabel = nullptr;
  QLabel* EmailLabel = nullptr;
  QLabel* Image1 = nullptr;
  QWidget* Panel1 = nullptr;
  QPushButton* OkButton = nullptr;
  QTimer grow_;
  int step_ = 0;
};
