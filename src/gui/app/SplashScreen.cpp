#include "gui/app/SplashScreen.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/common/Resources.h"

namespace strumly::gui {

TfrmSplashScreen::TfrmSplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      lblDisclaimer_(new QLabel(this)),
      lblDisclaimer2_(new QLabel(this)) {
  setObjectName("frmSplashScreen");
  setFixedSize(500, 375);
  lblDisclaimer_->setObjectName("lblDisclaimer");
  lblDisclaimer2_->setObjectName("lblDisclaimer2");
  lblDisclaimer2_->setText(
      tr("Please be responsible and obtain all of your tablature in a legal manner. Thank you."));
  auto* layout = new QVBoxLayout(this);
  // The text keeps to the left, clear of the picture's instrument.
  layout->setContentsMargins(34, 24, 230, 22);
  layout->addStretch();
  for (QLabel* label : {lblDisclaimer_, lblDisclaimer2_}) {
    label->setWordWrap(true);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setStyleSheet("color: rgba(255,255,255,215); font-size: 11px; background: transparent;");
    layout->addWidget(label);
  }
}

bool TfrmSplashScreen::wanted(const QStringList& arguments) {
  return !arguments.contains("--no-splash") && qEnvironmentVariable("STRUMLY_NO_SPLASH") != "1";
}

void TfrmSplashScreen::showFor(int milliseconds) {
  if (QScreen* screen = QGuiApplication::primaryScreen()) move(screen->geometry().center() - rect().center());
  show();
  repaint();
  QEventLoop wait;
  QTimer::singleShot(milliseconds, &wait, &QEventLoop::quit);
  wait.exec(QEventLoop::ExcludeUserInputEvents);
  hide();
}

void TfrmSplashScreen::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QImage image = picture("SPLASH", devicePixelRatioF());
  if (!image.isNull()) {
    p.drawImage(rect(), image);
    return;
  }
  // Without a splash picture, a drawn one: a dark gradient with the program's name and six
  // strings crossing it.
  QLinearGradient g(0, 0, 0, height());
  g.setColorAt(0, QColor(28, 44, 66));
  g.setColorAt(1, QColor(12, 18, 28));
  p.fillRect(rect(), g);
  p.setRenderHint(QPainter::Antialiasing);
  for (int s = 0; s < 6; ++s) {
    p.setPen(QPen(QColor(210, 180, 120, 120), 1.0 + s * 0.5));
    const int y = 150 + s * 18;
    p.drawLine(0, y, width(), y + 10);
  }
  QFont title = font();
  title.setPointSize(40);
  title.setBold(true);
  p.setFont(title);
  p.setPen(QColor(245, 240, 230));
  p.drawText(QRect(0, 40, width(), 80), Qt::AlignCenter, "Strumly!");
  QFont sub = font();
  sub.setPointSize(12);
  p.setFont(sub);
  p.setPen(QColor(200, 210, 225));
  p.drawText(QRect(0, 110, width(), 30), Qt::AlignCenter,
             tr("Chords, scales and tablature for the six-string guitar"));
}

}  // namespace strumly::gui
