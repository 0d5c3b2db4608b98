#include "ui/help_window.h"

#include <QFile>
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

QString HelpContentsPath(int lang) {
  return lang == 1 ? QStringLiteral(":/help/en/index.html")
                   : QStringLiteral(":/help/ru/index.html");
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("HelpWindow");
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("HelpBrowser");
  // Pages of the project's site open in the browser; the help's own links
  // stay here.
  browser_->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(kWidth, kHeight);
}

void HelpWindow::ShowContents(int lang) {
  setWindowTitle(Title(lang));
  const QString path = HelpContentsPath(lang);
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
