#include "ui/help_window.h"

#include <QDesktopServices>
#include <QFile>
#include <QKeySequence>
#include <QMessageBox>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 560;

QString Title(int lang) {
  return lang == 1 ? QStringLiteral("Help") : QStringLiteral("Справка");
}

QString NotAvailablePage(int lang) {
  return lang == 1 ? QStringLiteral("<p>Help is not available.</p>")
                   : QStringLiteral("<p>Справка недоступна.</p>");
}

}  // namespace

const char* const kOnMoneyPage = "0_online.htm";

QString HelpPagePath(int lang, const QString& file) {
  return (lang == 1 ? QStringLiteral(":/help/en/") : QStringLiteral(":/help/ru/")) + file;
}

QString HelpContentsPath(int lang) {
  return HelpPagePath(lang, QStringLiteral("index.html"));
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("HelpWindow");
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("HelpBrowser");
  browser_->setOpenLinks(false);
  connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(kWidth, kHeight);
  // Put away from the keyboard as any window of the desktop: Escape, or
  // every key the platform has for closing a window (Ctrl+W, Ctrl+F4 ...).
  const auto closeOn = [this](QShortcut* shortcut) {
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &QWidget::close);
  };
  closeOn(new QShortcut(QKeySequence(Qt::Key_Escape), this));
  closeOn(new QShortcut(QKeySequence::Close, this));
}

void HelpWindow::ShowContents(int lang) {
  ShowPage(lang, QStringLiteral("index.html"));
}

void HelpWindow::ShowPage(int lang, const QString& file) {
  lang_ = lang;
  setWindowTitle(Title(lang));
  const QString path = HelpPagePath(lang, file);
  if (QFile::exists(path)) {
    page_ = QUrl(QStringLiteral("qrc") + path);
    browser_->setSource(page_);
  } else {
    page_.clear();
    browser_->setHtml(NotAvailablePage(lang));
  }
  show();
  raise();
  activateWindow();
}

QUrl HelpWindow::Page() const {
  return page_;
}

void HelpWindow::FollowLink(const QUrl& link) {
  const QUrl target = browser_->source().resolved(link);
  if (target.scheme() == QLatin1String("qrc") || target.isRelative()) {
    browser_->setSource(target);
    return;
  }
  if (QDesktopServices::openUrl(target)) return;
  const QString address = target.toDisplayString();
  QMessageBox::information(
      this, Title(lang_),
      lang_ == 1 ? QStringLiteral("No web browser could be started to open %1.").arg(address)
                 : QStringLiteral("Не удалось запустить браузер, чтобы открыть %1.").arg(address));
}
