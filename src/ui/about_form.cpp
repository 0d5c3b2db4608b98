#include "ui/about_form.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "core/callouts.h"
#include "ui/artwork/artwork.h"
#include "ui/dialog_parts.h"
#include "ui/window_shell.h"

namespace {

const Texts kCaption{"О программе", "About the game"};
const Texts kTitle{"Карточная игра в дурака", "         Kalvenor"};
const Texts kInternet{"Страница в интернет", "Game Home Page"};
const Texts kEmail{"Написать письмо автору", "To write the letter to the author"};
const Texts kMaker{"Проект Kalvenar, свободные исходники", "The Kalvenar project, open sources"};
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kBlue(0x00, 0x00, 0xFF);
constexpr int kAceOfSpades = 1 * 13 + 12;

QString VersionText(const Game& g) {
  if (g.edition->version == 284)
    return QStringLiteral("Версия  2.84           20 декабря 2002 г.");
  return g.program.Lang == 1 ? QStringLiteral("Version  2.85") : QStringLiteral("Версия  2.85");
}

void SetColour(QLabel* label, const QColor& colour) {
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, colour);
  label->setPalette(p);
}

QLabel* LinkLabel(const QString& text, const char* name, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  QFont f = label->font();
  f.setUnderline(true);
  label->setFont(f);
  label->setCursor(Qt::PointingHandCursor);
  label->setMouseTracking(true);
  SetColour(label, kNavy);
  label->adjustSize();
  return label;
}

}  // namespace

TAboutForm::TAboutForm(Game& g, const Artwork& art, WindowShell& shell, QWidget* parent)
    : QDialog(parent), g_(g), shell_(shell) {
  setObjectName("AboutForm");
  const int lang = g.program.Lang;
  setWindowTitle(kCaption.In(lang));
  setFixedSize(343, 192);
  setMouseTracking(true);

  Label3 = new QLabel(kTitle.In(lang), this);
  Label3->setObjectName("Label3");
  QFont bold = font();
  bold.setBold(true);
  bold.setPixelSize(13);
  Label3->setFont(bold);
  Label3->adjustSize();
  Label3->move(90, 16);
  VersionLabel = new QLabel(VersionText(g), this);
  VersionLabel->setObjectName("VersionLabel");
  VersionLabel->adjustSize();
  VersionLabel->move(90, 40);
  MakerLabel = new QLabel(kMaker.In(lang), this);
  MakerLabel->setObjectName("MakerLabel");
  MakerLabel->adjustSize();
  MakerLabel->move(90, 60);
  InternetLabel = LinkLabel(kInternet.In(lang), "InternetLabel", this);
  InternetLabel->move(90, 86);
  EmailLabel = LinkLabel(kEmail.In(lang), "EmailLabel", this);
  EmailLabel->move(90, 108);
  for (QLabel* link : {InternetLabel, EmailLabel}) link->installEventFilter(this);

  Image1 = new QLabel(this);
  Image1->setObjectName("Image1");
  Image1->setPixmap(art.Card(kAceOfSpades));
  Image1->setScaledContents(true);
  Image1->setGeometry(47, 35, 0, 0);

  auto* line = new QFrame(this);
  line->setObjectName("Panel1");
  line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  line->setGeometry(8, 136, 327, 2);
  Panel1 = line;

  OkButton = new QPushButton(QStringLiteral("OK"), this);
  OkButton->setObjectName("OkButton");
  OkButton->setDefault(true);
  OkButton->setGeometry(134, 152, 75, 25);
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

  grow_.setInterval(kGrowStepMs);
  connect(&grow_, &QTimer::timeout, this, [this] {
    GrowStep(step_++);
    if (step_ >= kGrowSteps) grow_.stop();
  });
  CentreOver(this, parent);
}

QRect TAboutForm::PictureRect() const {
  return Image1->geometry();
}

// The picture widens up to 44 pixels and heightens to 48, creeping left and
// up by a pixel every other step until it stands at (25, 11).
void TAboutForm::GrowStep(int v) {
  QRect r = Image1->geometry();
  if (r.width() <= 43) r.setWidth(v);
  if (v % 2 == 0) {
    if (r.left() > 25) r.moveLeft(r.left() - 1);
    if (r.top() > 11) r.moveTop(r.top() - 1);
  }
  r.setHeight(v);
  Image1->setGeometry(r);
  Image1->update();
}

// The sound and the growing picture start as the dialog appears; the
// growth runs on a timer, so the dialog answers meanwhile.
void TAboutForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (step_ > 0) return;
  g_.out->PlayWav("Voices/sloos.wav", false);
  grow_.start();
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
  auto* label = qobject_cast<QLabel*>(watched);
  if (label != nullptr && (label == InternetLabel || label == EmailLabel)) {
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) ColourLinks(label);
    if (event->type() == QEvent::MouseButtonRelease) {
      if (label == InternetLabel) InternetLabelClick();
      if (label == EmailLabel) EmailLabelClick();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TAboutForm::mouseMoveEvent(QMouseEvent* event) {
  ColourLinks(nullptr);
  QDialog::mouseMoveEvent(event);
}

void TAboutForm::ColourLinks(QLabel* hovered) {
  SetColour(InternetLabel, hovered == InternetLabel ? kBlue : kNavy);
  SetColour(EmailLabel, hovered == EmailLabel ? kBlue : kNavy);
}

// The program has no maker's site: its "home page" is the help's contents,
// and the letter to the author is the help's page on where to write.
void TAboutForm::InternetLabelClick() {
  shell_.OpenHelp();
}

void TAboutForm::EmailLabelClick() {
  shell_.OpenHelpPage(QStringLiteral("about.html"));
}
