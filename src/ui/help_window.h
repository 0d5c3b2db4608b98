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
  // The page shown now ("qrc:/help/ru/index.html"; empty for the notice).
  QUrl Page() const;

 private:
  QTextBrowser* browser_ = nullptr;
  QUrl page_;
};

// Where the contents page of a language lives.
QString HelpContentsPath(int lang);
