// The Scales page's document: Erase / New, and Open, Save and Save As of Scale Page files (.spf).
#include "core/app/AppSettings.h"
#include "core/pages/PageFiles.h"
#include "gui/common/CoreText.h"
#include "gui/common/DialogService.h"
#include "gui/common/DocumentFiles.h"
#include "gui/common/PageImage.h"
#include "gui/common/PageList.h"
#include "gui/scales/ScalesPage.h"
#include "gui/views/ChordDisplay.h"
#include "gui/views/DiagramPainter.h"

namespace strumly::gui {
namespace {

QString scalePageFilter() {
  return ScalesPage::tr("Scale Page Files") + " (*.spf)";
}

}  // namespace

void ScalesPage::erase() {
  clearPageImage(*image());
  image()->refresh();
  display_.chords.ClearFretboard();
  model_.erase();
  scrollTo(0);
  fileName_.clear();
  window()->setWindowTitle("Strumly!");
}

bool ScalesPage::openWithPrompt() {
  if (refusedNow()) return false;
  const QString path =
      chooseOpenPath(dialogs(), this, tr("Open Scale Page File"), scalePageFilter(), settings_.folders.scale);
  if (path.isEmpty()) return true;  // cancelled: nothing to tell
  return OpenScalePageFile(path);
}

bool ScalesPage::OpenScalePageFile(const QString& path) {
  const std::optional<std::vector<std::uint8_t>> bytes = readDocumentBytes(dialogs(), this, path);
  if (!bytes) return false;
  // The reader checks the whole file before it touches the page, so a refused file leaves the
  // page as it was; the holder is only written on success.
  PageHolders read = holders_;
  if (const std::optional<std::string> refused = readScalePageFile(*bytes, read)) {
    dialogs().notice(this, coreText(*refused));
    return false;
  }
  pages_.activate(PageId::Scales);
  erase();
  holders_.scalePage = read.scalePage;
  holders_.scaleSetCount = read.scaleSetCount;
  holders_.currentScale = read.currentScale;
  model_.reloaded(scalePageOpensWithSelection(holders_));
  redrawPage();
  scrollTo(0);
  DocumentLocation{fileName_, settings_.folders.scale}.remember(path);
  window()->setWindowTitle(documentCaption(fileName_));
  ShowScale();
  return true;
}

bool ScalesPage::save(bool alwaysAsk) {
  if (refusedNow()) return false;
  const std::optional<QString> path =
      chooseSavePath(dialogs(), this, tr("Save Scale Page File"), scalePageFilter(), "spf",
                     {fileName_, settings_.folders.scale}, alwaysAsk);
  if (!path) return false;
  if (pages_.isActive(PageId::Scales)) window()->setWindowTitle(documentCaption(fileName_));
  return writeDocumentBytes(dialogs(), this, *path, writeScalePageFile(holders_));
}

}  // namespace strumly::gui
