#include <QApplication>

#include "ui/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
#if KALVENAR_EDITION == 284
  const Edition& edition = Edition284();
#else
  const Edition& edition = Edition285();
#endif
  TForm1 window(edition);
  window.show();
  return app.exec();
}
