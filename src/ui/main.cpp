#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "ui/main_window.h"
#include "ui/screenshot.h"
#include "ui/start_options.h"

namespace {

const Edition& ThisEdition() {
#if KALVENAR_EDITION == 284
  return Edition284();
#else
  return Edition285();
#endif
}

// The desktop entry the window belongs to, so that a desktop shows the
// program's name and icon for it.
const char* DesktopEntry() {
#if KALVENAR_EDITION == 284
  return "org.kalvenar.Kalvenor";
#else
  return "org.kalvenar.Kalvenar";
#endif
}

// What QApplication left of the arguments once it took its own (-platform ...).
std::vector<std::string> Arguments(int argc, char* argv[]) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  return args;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopEntry()));
  const Edition& edition = ThisEdition();
  const ParsedStart start = ParseStartOptions(Arguments(argc, argv), edition);
  if (!start.error.empty()) {
    std::fprintf(stderr, "%s\n", start.error.c_str());
    return 2;
  }
  if (start.options.screenshot) return TakeScreenshot(edition, start.options);

  TForm1 window(edition);
  window.ShowAndStart();
  return app.exec();
}
