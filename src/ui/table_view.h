// The card table: the window's client area below the menu. It shows the
// main window's BackBuffer (with the run dragged in Scarf over it) and hands
// every mouse action to the main window, which routes it to the game.
#pragma once

#include <QWidget>

class TForm1;

class TableView : public QWidget {
  Q_OBJECT

 public:
  explicit TableView(TForm1& form);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  TForm1& form_;
};
