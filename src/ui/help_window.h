// The help: the pages built into the program (:/help/ru, :/help/en), shown
// in a window of their own beside the table.
#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

class HelpWindow final : public QWidget {
 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows the contents page of the language (0 Russian, 1 English), or a
  // short notice when the pages are not built in.
  void ShowContents(int lang);
  // ... or another page of the language ("0_online.htm").
  void ShowPage(int lang, const QString& file);
  // The page shown now ("qrc:/help/ru/index.html"; empty for the notice).
  QUrl Page() const;

 private:
  // A link of a page: the help's own pages open here, the web in the
  // browser, and the player is told when no browser could be started.
  void FollowLink(const QUrl& link);

  QTextBrowser* browser_ = nullptr;
  QUrl page_;
  int lang_ = 0;
};

// Where the contents page of a language lives.
QString HelpContentsPath(int lang);
// Where a page of a language lives (":/help/en/0_online.htm").
QString HelpPagePath(int lang, const QString& file);
// The page the "On money" item opens.
extern const char* const kOnMoneyPage;
