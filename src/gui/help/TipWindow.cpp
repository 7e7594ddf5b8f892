#include "gui/help/TipWindow.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/common/DialogService.h"

namespace strumly::gui {
namespace {

constexpr int kTipWidth = 320;
constexpr int kTipLeastHeight = 110;

// The light bulb beside the tip, drawn so it is sharp at any screen scale.
QPixmap bulbPicture(qreal scale) {
  QPixmap picture(QSize(48, 64) * scale);
  picture.setDevicePixelRatio(scale);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient glass(QPointF(20, 18), 22);
  glass.setColorAt(0, QColor(255, 255, 220));
  glass.setColorAt(1, QColor(250, 204, 40));
  p.setBrush(glass);
  p.setPen(QPen(QColor(150, 110, 0), 1.5));
  QPainterPath bulb;
  bulb.moveTo(17, 44);
  bulb.cubicTo(17, 34, 4, 30, 4, 19);
  bulb.cubicTo(4, 9, 13, 2, 24, 2);
  bulb.cubicTo(35, 2, 44, 9, 44, 19);
  bulb.cubicTo(44, 30, 31, 34, 31, 44);
  bulb.closeSubpath();
  p.drawPath(bulb);
  p.setPen(QPen(QColor(190, 120, 0), 1.2));
  p.drawLine(QPointF(20, 43), QPointF(22, 26));
  p.drawLine(QPointF(28, 43), QPointF(26, 26));
  p.setPen(QPen(QColor(90, 90, 90), 1));
  p.setBrush(QColor(170, 170, 170));
  for (int band = 0; band < 3; ++band) p.drawRoundedRect(QRectF(16, 45 + band * 5, 16, 5), 2, 2);
  p.setBrush(QColor(80, 80, 80));
  p.drawEllipse(QRectF(20, 59, 8, 4));
  return picture;
}

}  // namespace

TTipOfTheDayForm::TTipOfTheDayForm(const TipFile& tips, DialogService& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      tips_(tips),
      dialogs_(dialogs) {
  setObjectName("TipOfTheDayForm");
  setWindowTitle(tr("Tip of the Day"));
  setModal(true);

  auto* panel = new QFrame;
  panel->setObjectName("pnlTip");
  panel->setStyleSheet("#pnlTip { background: white; border: 1px solid #a0a0a0; } QLabel { color: black; }");
  auto* bulb = new QLabel;
  bulb->setPixmap(bulbPicture(devicePixelRatioF()));
  bulb->setAlignment(Qt::AlignTop);
  auto* heading = new QLabel(tr("Did you know..."));
  QFont big = heading->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.4);
  heading->setFont(big);
  Tip_ = new QLabel;
  Tip_->setObjectName("Tip");
  Tip_->setWordWrap(true);
  Tip_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Tip_->setFixedSize(kTipWidth, kTipLeastHeight);
  auto* text = new QVBoxLayout;
  text->addWidget(heading);
  text->addWidget(Tip_, 1);
  auto* panelLayout = new QHBoxLayout(panel);
  panelLayout->addWidget(bulb);
  panelLayout->addLayout(text, 1);

  ShowOnStartup_ = new QCheckBox(tr("Show Tips at Startup"));
  ShowOnStartup_->setObjectName("ShowOnStartup");
  ShowOnStartup_->setChecked(true);
  NextBtn_ = new QPushButton(tr("Next Tip"));
  NextBtn_->setObjectName("NextBtn");
  NextBtn_->setAutoDefault(false);
  OKBtn_ = new QPushButton(tr("OK"));
  OKBtn_->setObjectName("OKBtn");
  OKBtn_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ShowOnStartup_);
  buttons->addStretch(1);
  buttons->addWidget(NextBtn_);
  buttons->addWidget(OKBtn_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel, 1);
  layout->addLayout(buttons);
  // No border icons: the window keeps one size, so no window manager offers to maximise it.
  layout->setSizeConstraint(QLayout::SetFixedSize);
  connect(NextBtn_, &QPushButton::clicked, this, &TTipOfTheDayForm::NextBtnClick);
  connect(OKBtn_, &QPushButton::clicked, this, &TTipOfTheDayForm::OKBtnClick);
}

void TTipOfTheDayForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!loaded_) FormShow();
}

void TTipOfTheDayForm::FormShow() {
  loaded_ = true;
  TipLines file;
  // A missing or unreadable file shows an empty window; "OK" then starts a new file.
  if (!tips_.load(file)) return;
  lines_ = TipRotation(file);
  fitLongestTip();
  Tip_->setText(QString::fromStdString(lines_.currentTip()));
  ShowOnStartup_->setChecked(lines_.showAtStartup());
}

// The tip's room holds the longest tip of the file, so "Next Tip" never resizes the window.
void TTipOfTheDayForm::fitLongestTip() {
  const QFontMetrics metrics(Tip_->font());
  int height = kTipLeastHeight;
  const std::vector<std::string>& lines = lines_.file().lines;
  for (std::size_t i = 1; i < lines.size(); ++i)
    height = std::max(height, metrics
                                  .boundingRect(QRect(0, 0, kTipWidth, 1 << 20), Qt::TextWordWrap,
                                                QString::fromStdString(lines[i]))
                                  .height());
  Tip_->setFixedSize(kTipWidth, height);
  layout()->activate();
}

void TTipOfTheDayForm::NextBtnClick() {
  lines_.next();
  Tip_->setText(QString::fromStdString(lines_.currentTip()));
}

void TTipOfTheDayForm::OKBtnClick() {
  lines_.finish(ShowOnStartup_->isChecked());
  const std::string reason = tips_.save(lines_.file());
  // The user asked for the choice to be kept: a failure to keep it is told, once.
  if (!reason.empty())
    dialogs_.notice(this, tr("The tips could not be saved to %1:\n%2\n\nYour choice of \"Show Tips at "
                             "Startup\" will not be remembered.")
                              .arg(QString::fromStdString(tips_.userPath()), QString::fromStdString(reason)));
  accept();
}

}  // namespace strumly::gui
