#include "ui/dialog_parts.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

void CentreOver(QWidget* dialog, const QWidget* window) {
  if (window == nullptr) return;
  const QRect frame = window->frameGeometry();
  const QSize size = dialog->frameGeometry().size();
  dialog->move(frame.left() + (frame.width() - size.width()) / 2,
               frame.top() + (frame.height() - size.height()) / 2);
}

RadioGroup::RadioGroup(const char* name, const QString& caption, const QStringList& items,
                       int columns, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
  setObjectName(QString::fromLatin1(name));
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(6, 2, 6, 2);
  grid->setVerticalSpacing(0);
  const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    button->setObjectName(objectName() + QStringLiteral("_%1").arg(i));
    group_->addButton(button, i);
    grid->addWidget(button, i % rows, i / rows);
    buttons_.push_back(button);
  }
  connect(group_, &QButtonGroup::idClicked, this, &RadioGroup::Chosen);
}

int RadioGroup::Index() const {
  return group_->checkedId();
}

void RadioGroup::SetIndex(int index) {
  if (index >= 0 && index < Count()) buttons_[static_cast<size_t>(index)]->setChecked(true);
}

QRadioButton* RadioGroup::Item(int index) const {
  return index >= 0 && index < Count() ? buttons_[static_cast<size_t>(index)] : nullptr;
}
