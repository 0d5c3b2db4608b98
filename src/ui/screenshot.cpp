#include "ui/screenshot.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <optional>

#include "ui/main_menu.h"
#include "ui/main_window.h"
#include "ui/window_shell.h"

namespace {

constexpr int kPollMilliseconds = 20;

MenuCommand CommandOf(ScreenshotDialog dialog) {
  switch (dialog) {
    case ScreenshotDialog::Options:
      return MenuCommand::Options;
    case ScreenshotDialog::Background:
      return MenuCommand::Background;
    case ScreenshotDialog::Back:
      return MenuCommand::CardBack;
    case ScreenshotDialog::About:
      return MenuCommand::About;
    case ScreenshotDialog::Network:
      return MenuCommand::Network;
  }
  return MenuCommand::Options;
}

const char* NameOf(ScreenshotDialog dialog) {
  switch (dialog) {
    case ScreenshotDialog::Options:
      return "options";
    case ScreenshotDialog::Background:
      return "background";
    case ScreenshotDialog::Back:
      return "back";
    case ScreenshotDialog::About:
      return "about";
    case ScreenshotDialog::Network:
      return "network";
  }
  return "";
}

constexpr int kCaptionHeight = 20;

// Offscreen there is no window manager to draw the dialog's title bar: a
// plain one is drawn above it, so that the picture shows the caption.
void DrawCaptionBar(QPainter& painter, const QWidget& dialog, QPoint at) {
  const QRect bar(at.x(), at.y() - kCaptionHeight, dialog.width(), kCaptionHeight);
  painter.fillRect(bar, dialog.palette().color(QPalette::Highlight));
  QFont font = dialog.font();
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(dialog.palette().color(QPalette::HighlightedText));
  painter.drawText(bar.adjusted(6, 0, -6, 0), Qt::AlignVCenter | Qt::AlignLeft,
                   dialog.windowTitle());
}

// The screen area of the main window with the dialog over it. Where the
// window system lets the screen be read, that is what is pictured;
// otherwise (no display, as offscreen) the two windows are laid one over
// the other as the screen would show them.
QPixmap ScreenArea(QWidget& window, QWidget& dialog) {
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
    const QRect frame = window.frameGeometry();
    if (QScreen* screen = window.screen()) {
      const QPixmap shot =
          screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
      if (!shot.isNull()) return shot;
    }
  }
  const QRect area = window.geometry();
  // At the screen's pixel density, as the window's own picture is.
  const qreal ratio = window.devicePixelRatioF();
  QPixmap picture(area.size() * ratio);
  picture.setDevicePixelRatio(ratio);
  QPainter painter(&picture);
  painter.drawPixmap(0, 0, window.grab());
  const QPoint at = dialog.geometry().topLeft() - area.topLeft();
  painter.drawPixmap(at, dialog.grab());
  DrawCaptionBar(painter, dialog, at);
  return picture;
}

// Opens the dialog by its menu command; once it is up, pictures the screen
// and closes it with Cancel. Nothing when the command opened no dialog.
std::optional<QPixmap> PictureWithDialog(TForm1& window, ScreenshotDialog which) {
  std::optional<QPixmap> picture;
  QTimer poll;
  poll.setInterval(kPollMilliseconds);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible()) return;
    poll.stop();
    QCoreApplication::processEvents();
    picture = ScreenArea(window, *dialog);
    if (auto* cancel = dialog->findChild<QPushButton*>("CancelButton")) {
      cancel->click();
    } else {
      dialog->reject();
    }
  });
  poll.start();
  window.shell().Command(CommandOf(which));
  poll.stop();
  return picture;
}

}  // namespace

int TakeScreenshot(const Edition& edition, const StartOptions& options) {
  TForm1 window(edition, options);
  window.ShowAndStart();
  QCoreApplication::processEvents();
  std::optional<QPixmap> picture;
  if (options.dialog) {
    picture = PictureWithDialog(window, *options.dialog);
    if (!picture) {
      std::fprintf(stderr, "the %s dialog did not open: no picture was taken\n",
                   NameOf(*options.dialog));
      window.close();
      return 1;
    }
  } else {
    picture = window.grab();
  }
  const bool saved = picture->save(QString::fromStdString(options.file), "PNG");
  window.close();
  if (!saved) {
    std::fprintf(stderr, "cannot write '%s'\n", options.file.c_str());
    return 1;
  }
  return 0;
}
