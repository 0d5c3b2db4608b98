// Pieces the program's dialogs share: the modal flag while one is open,
// the placing over the main window, a radio group read and set by the
// index of its item, and the texts of a control in both languages.
#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

#include "core/game.h"

class QButtonGroup;
class QRadioButton;

// While a dialog of the program is open the modal flag is -1, so that the
// window's shortcuts stay away from the table (edition 2.85); closing the
// dialog sets it back to 1.
class ModalDialogScope {
 public:
  explicit ModalDialogScope(Game& g) : g_(g) { g_.program.ModalFlag = -1; }
  ~ModalDialogScope() { g_.program.ModalFlag = 1; }
  ModalDialogScope(const ModalDialogScope&) = delete;
  ModalDialogScope& operator=(const ModalDialogScope&) = delete;

 private:
  Game& g_;
};

// Puts the dialog over the middle of the main window.
void CentreOver(QWidget* dialog, const QWidget* window);

// A caption in Russian and English (UTF-8).
struct Texts {
  const char* ru;
  const char* en;
  QString In(int lang) const { return QString::fromUtf8(lang == 1 ? en : ru); }
};

// A group of radio buttons whose chosen item is an index 0..n-1, laid out
// in the given number of columns, items running down each column.
class RadioGroup final : public QGroupBox {
  Q_OBJECT

 public:
  RadioGroup(const char* name, const QString& caption, const QStringList& items, int columns,
             QWidget* parent);

  int Index() const;  // -1 when none is chosen
  void SetIndex(int index);
  int Count() const { return static_cast<int>(buttons_.size()); }
  QRadioButton* Item(int index) const;

 signals:
  void Chosen(int index);

 private:
  QButtonGroup* group_ = nullptr;
  std::vector<QRadioButton*> buttons_;
};
