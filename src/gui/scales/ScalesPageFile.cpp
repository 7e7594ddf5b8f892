// The Scales page's document: Erase / New, and Open, Save and Save As of Scale Page files (.spf).
#include <QFileInfo>
#include <QScrollArea>
#include <QScrollBar>

#include "core/app/AppSettings.h"
#include "core/pages/PageFiles.h"
#include "gui/common/DialogService.h"
#include "gui/common/PageImage.h"
#include "gui/common/PageList.h"
#include "gui/scales/ScalesPage.h"
#include "gui/views/ChordDisplay.h"
#include "gui/views/DiagramPainter.h"

namespace strumly::gui {
namespace {

constexpr const char* kFilter = "Scale Page Files (*.spf)";

QString withSlash(const QString& folder) {
  return folder.isEmpty() || folder.endsWith('/') ? folder : folder + '/';
}

}  // namespace

void ScalesPage::erase() {
  clearPageImage(*imgScales_);
  imgScales_->refresh();
  display_.chords.ClearFretboard();
  model_.erase();
  scrollScales_->verticalScrollBar()->setValue(0);
  fileName_.clear();
  window()->setWindowTitle("Strumly!");
}

bool ScalesPage::openWithPrompt() {
  if (busy()) return false;
  const QString path = dialogs_.openFileName(this, "Open Scale Page File",
                                             QString::fromStdString(settings_.folders.scale), kFilter);
  if (path.isEmpty()) return true;  // cancelled: nothing to tell
  return OpenScalePageFile(path);
}

bool ScalesPage::OpenScalePageFile(const QString& path) {
  std::string error;
  const std::optional<std::vector<std::uint8_t>> bytes = readPageFileBytes(path.toStdString(), error);
  if (!bytes) {
    dialogs_.notice(this, QString::fromStdString(error));
    return false;
  }
  // The reader checks the whole file before it touches the page, so a refused file leaves the
  // page as it was; the holder is only written on success.
  PageHolders read = holders_;
  if (const std::optional<std::string> refused = readScalePageFile(*bytes, read)) {
    dialogs_.notice(this, QString::fromStdString(*refused));
    return false;
  }
  pages_.activate(PageId::Scales);
  erase();
  holders_.scalePage = read.scalePage;
  holders_.scaleSetCount = read.scaleSetCount;
  holders_.currentScale = read.currentScale;
  model_.reloaded(scalePageOpensWithSelection(holders_));
  redrawPage();
  scrollScales_->verticalScrollBar()->setValue(0);
  const QFileInfo info(path);
  fileName_ = info.fileName();
  settings_.folders.scale = withSlash(info.absolutePath()).toStdString();
  window()->setWindowTitle("Strumly!   " + fileName_);
  ShowScale();
  return true;
}

bool ScalesPage::save(bool alwaysAsk) {
  if (busy()) return false;
  QString folder = QString::fromStdString(settings_.folders.scale);
  QString path;
  if (alwaysAsk || fileName_.isEmpty()) {
    path = dialogs_.saveFileName(this, "Save Scale Page File", withSlash(folder) + fileName_, kFilter, "spf");
    if (path.isEmpty()) return false;
    const QFileInfo info(path);
    fileName_ = info.fileName();
    settings_.folders.scale = withSlash(info.absolutePath()).toStdString();
  } else {
    path = withSlash(folder) + fileName_;
  }
  if (pages_.isActive(PageId::Scales)) window()->setWindowTitle("Strumly!   " + fileName_);
  std::string error;
  if (!savePageFile(path.toStdString(), writeScalePageFile(holders_), error)) {
    dialogs_.notice(this, QString::fromStdString(error));
    return false;
  }
  return true;
}

}  // namespace strumly::gui
