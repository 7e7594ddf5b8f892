#include "gui/app/AppStyle.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace strumly::gui {

void applyAppStyle(QApplication& app) {
  app.setStyle(QStyleFactory::create("Fusion"));
  QPalette p = app.palette();
  p.setColor(QPalette::Window, QColor(243, 244, 246));
  p.setColor(QPalette::Base, Qt::white);
  p.setColor(QPalette::AlternateBase, QColor(248, 249, 250));
  p.setColor(QPalette::Button, QColor(236, 238, 241));
  p.setColor(QPalette::Highlight, QColor(38, 120, 200));
  p.setColor(QPalette::WindowText, QColor(33, 37, 41));
  p.setColor(QPalette::ButtonText, QColor(33, 37, 41));
  p.setColor(QPalette::Text, QColor(33, 37, 41));
  // The roles above were set for every state; a disabled control must still look disabled.
  const QColor disabledText(150, 156, 163);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
    p.setColor(QPalette::Disabled, role, disabledText);
  app.setPalette(p);
  app.setStyleSheet(R"(
    #pnlTop { background: #fbfbfc; border-bottom: 1px solid #d6d9de; }
    #pnlBottom { background: #eceef1; border-top: 1px solid #d6d9de; }
    #pnlTop QToolButton, QToolButton#sbDisplayIntervals {
      border: 1px solid transparent; border-radius: 4px; padding: 2px 4px; color: #343a40; }
    #pnlTop QToolButton:hover, QToolButton#sbDisplayIntervals:hover { background: #e7eef7; border-color: #c5d6ea; }
    #pnlTop QToolButton:checked, QToolButton#sbDisplayIntervals:checked { background: #d3e3f5; border-color: #8fb4dd; }
    #pnlTop QToolButton:pressed { background: #c3d7ef; }
    QToolButton#up, QToolButton#down { padding: 0; margin: 0; border: 1px solid #c3c9d0; background: #ffffff; }
    QToolButton#up { border-top-left-radius: 3px; border-top-right-radius: 3px; border-bottom: none; }
    QToolButton#down { border-bottom-left-radius: 3px; border-bottom-right-radius: 3px; }
    QToolButton#up:hover, QToolButton#down:hover { background: #e7eef7; }
    QToolButton#up:pressed, QToolButton#down:pressed { background: #c3d7ef; }
    QToolButton#up:disabled, QToolButton#down:disabled { background: #eef0f2; }
    QFrame[toolSeparator="true"] { color: #d6d9de; margin: 3px 4px; }
    QLabel[toolCaption="true"] { color: #5b6470; padding: 0 3px; }
    QLineEdit[readout="true"], QLabel[readout="true"] {
      background: #f6f7f8; border: 1px solid #cfd4da; border-radius: 3px; color: #212529; }
    QLabel[pageCanvas="true"] { background: white; color: #8a929c; }
    QTabWidget::pane { border-top: 1px solid #d6d9de; }
    QTabBar::tab { padding: 6px 16px; }
    QPushButton#btnShowChords { padding: 3px 12px; }
  )");
}

}  // namespace strumly::gui
