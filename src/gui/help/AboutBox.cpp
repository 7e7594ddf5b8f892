#include "gui/help/AboutBox.h"

#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "core/app/HelpRouting.h"
#include "gui/common/DialogService.h"
#include "gui/common/Resources.h"
#include "platform/about/LibraryVersions.h"

namespace strumly::gui {
namespace {

QLabel* label(const QString& name, const QString& text) {
  auto* l = new QLabel(text);
  l->setObjectName(name);
  l->setWordWrap(true);
  return l;
}

}  // namespace

QString TfrmAboutBox::soundFontCredit(const QString& soundFontPath) {
  if (soundFontPath.isEmpty()) return tr("no General MIDI sound font found");
  // The system's default font is a link to the one installed; credit the real one.
  const QFileInfo info(soundFontPath);
  const QString file =
      (info.canonicalFilePath().isEmpty() ? info : QFileInfo(info.canonicalFilePath())).fileName();
  const QString base = QFileInfo(file).completeBaseName();
  if (base.startsWith("FluidR3", Qt::CaseInsensitive)) return tr("FluidR3 GM by Frank Wen (MIT licence)");
  if (base.startsWith("TimGM6mb", Qt::CaseInsensitive)) return tr("TimGM6mb by Tim Brechbill (GPL 2)");
  if (base.startsWith("MuseScore_General", Qt::CaseInsensitive))
    return tr("MuseScore General by S. Christian Collins (MIT licence)");
  return tr("%1 (see its own licence)").arg(file);
}

TfrmAboutBox::TfrmAboutBox(DialogService& dialogs, const QString& licenceFolder, const QString& soundFontPath,
                           QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      dialogs_(dialogs),
      licenceFolder_(licenceFolder) {
  setObjectName("frmAboutBox");
  setWindowTitle(tr("About Strumly"));
  auto* picture = new QLabel;
  picture->setObjectName("imgLogo");
  // The logo at the screen's own pixels; a QLabel shows a 2x pixmap at its logical size.
  picture->setPixmap(QPixmap::fromImage(gui::picture("STRUMLY", devicePixelRatioF())));
  picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

  auto* lblCredit =
      label("lblCredit", tr("Built with Qt, FluidSynth and hidapi. Guitar and bass sounds: %1. Spoken note "
                            "names: voices of eSpeak NG (GPL 3).")
                             .arg(soundFontCredit(soundFontPath)));
  QString versions =
      QString("Qt %1 \u00b7 FluidSynth %2").arg(qVersion(), QString::fromStdString(fluidSynthVersion()));
  if (const std::string hid = hidapiVersion(); !hid.empty())
    versions += QString(" \u00b7 hidapi %1").arg(QString::fromStdString(hid));
  auto* lblLibraryVer = label("lblLibraryVer", versions);
  auto* lblProductVer = label("lblProductVer", QString(16, ' ') + tr("Strumly! version: %1").arg("6.6.1"));
  lblProductVer->setWordWrap(false);
  lblStrumlyWeb_ = label("lblStrumlyWeb", kStrumlyWebAddress);
  lblStrumlyWeb_->setToolTip(kStrumlyWebAddress);
  lblStrumlyWeb_->setStyleSheet("color: blue; text-decoration: underline;");
  lblStrumlyWeb_->setCursor(gui::cursor("CURHAND"));
  lblStrumlyWeb_->installEventFilter(this);
  auto* lblDisclaimer1 = label("lblDisclaimer1", "");
  auto* lblDisclaimer2 =
      label("lblDisclaimer2",
            tr("Please be responsible and obtain all of your tablature in a legal manner. Thank you."));

  auto* btnLicences = new QPushButton(tr("Licences..."));
  btnLicences->setObjectName("btnLicences");
  btnLicences->setAutoDefault(false);
  auto* btnOkay = new QPushButton(tr("Okay"));
  btnOkay->setObjectName("btnOkay");
  btnOkay->setDefault(true);
  connect(btnLicences, &QPushButton::clicked, this, &TfrmAboutBox::showLicences);
  connect(btnOkay, &QPushButton::clicked, this, &QDialog::accept);
  auto* help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this, [this] { dialogs_.help(this, help::kAbout); });

  auto* text = new QVBoxLayout;
  for (QLabel* l : {lblProductVer, lblStrumlyWeb_, lblCredit, lblLibraryVer, lblDisclaimer1, lblDisclaimer2})
    text->addWidget(l);
  text->addStretch(1);
  auto* top = new QHBoxLayout;
  top->addWidget(picture);
  top->addLayout(text, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnLicences);
  buttons->addStretch(1);
  buttons->addWidget(btnOkay);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(buttons);
  setFixedWidth(520);
}

bool TfrmAboutBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lblStrumlyWeb_ && event->type() == QEvent::MouseButtonRelease) lblStrumlyWebClick();
  return QDialog::eventFilter(watched, event);
}

void TfrmAboutBox::lblStrumlyWebClick() {
  QDesktopServices::openUrl(QUrl(lblStrumlyWeb_->toolTip()));
}

void TfrmAboutBox::showLicences() {
  LicencesView view(licenceFolder_, this);
  view.exec();
}

LicencesView::LicencesView(const QString& licenceFolder, QWidget* parent) : QDialog(parent) {
  setObjectName("frmLicences");
  setWindowTitle(tr("Licences"));
  resize(720, 480);
  auto* list = new QListWidget;
  auto* text = new QTextBrowser;
  text->setObjectName("licenceText");
  text->setLineWrapMode(QTextEdit::WidgetWidth);
  // Each file: the credited part's name on line 1, then its licence.
  const QDir folder(licenceFolder);
  for (const QString& file : folder.entryList({"*.txt"}, QDir::Files, QDir::Name)) {
    QFile f(folder.filePath(file));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) continue;
    const QString all = QString::fromUtf8(f.readAll());
    auto* item = new QListWidgetItem(all.section('\n', 0, 0).trimmed(), list);
    item->setData(Qt::UserRole, all.section('\n', 1).trimmed());
  }
  connect(list, &QListWidget::currentItemChanged, text, [text](QListWidgetItem* item) {
    if (item) text->setPlainText(item->data(Qt::UserRole).toString());
  });
  if (list->count() > 0)
    list->setCurrentRow(0);
  else
    text->setPlainText(tr("The licence texts are missing from %1").arg(licenceFolder));
  auto* splitter = new QSplitter;
  splitter->addWidget(list);
  splitter->addWidget(text);
  splitter->setSizes({200, 520});
  auto* close = new QPushButton(tr("Close"));
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitter, 1);
  layout->addWidget(close, 0, Qt::AlignRight);
}

}  // namespace strumly::gui
