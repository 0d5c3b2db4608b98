// The card table: the window's client area below the menu. It shows the
// main window's BackBuffer and passes the mouse on; it draws nothing itself.
#pragma once

#include <QWidget>

class TForm1;

class TableView : public QWidget {
  Q_OBJECT

 public:
  explicit TableView(TForm1& form);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TForm1& form_;
};
