#include "gui/controls/SmallDialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace strumly::gui {

SmallDialog::SmallDialog(const QString& caption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
  setWindowTitle(caption);
  setFixedSize(313, 214);

  auto* bevel = new QFrame(this);
  bevel->setObjectName("Bevel1");
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  bevel->setGeometry(8, 8, 297, 161);
  bevel->lower();

  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName("btnOK");
  ok->setGeometry(79, 180, 75, 25);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* cancel = new QPushButton(tr("Cancel"), this);
  cancel->setObjectName("btnCancel");
  cancel->setGeometry(159, 180, 75, 25);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QLabel* SmallDialog::addLabel(const QString& name, const QString& text, int x, int y) {
  auto* label = new QLabel(text, this);
  label->setObjectName(name);
  label->move(x, y);
  label->adjustSize();
  return label;
}

void SmallDialog::showEvent(QShowEvent* event) {
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  QDialog::showEvent(event);
}

}  // namespace strumly::gui
