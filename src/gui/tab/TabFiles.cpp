#include "gui/tab/TabFiles.h"

#include <QFile>
#include <QFileInfo>

#include "core/app/AppSettings.h"
#include "core/tab/TabConversion.h"
#include "core/tab/TabFile.h"
#include "core/tab/TabRecording.h"
#include "gui/common/CoreText.h"
#include "gui/common/DialogService.h"
#include "gui/common/DocumentFiles.h"
#include "gui/tab/TabPage.h"
#include "gui/tab/TabPageView.h"
#include "gui/tab/TabRawView.h"
#include "platform/midi/SongExport.h"

namespace strumly::gui {

namespace {

QString tabPageFilter() {
  return TabFiles::tr("Tab Page Files") + " (*.vxt)";
}
QString rawTabFilter() {
  return TabFiles::tr("Tab files") + " (*.tab);;" + TabFiles::tr("Text files") + " (*.txt);;" +
         TabFiles::tr("All files") + " (*)";
}

std::filesystem::path fsPath(const QString& path) {
  return std::filesystem::path(path.toStdU32String());
}

}  // namespace

bool TabFiles::isReadOnly(const QString& path) {
  const QFileInfo info(path);
  // Checked by the permission bits as well: the administrator may write anything.
  return info.exists() && (!info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner));
}

bool TabFiles::active() const {
  return page_.isActivePage();
}

bool TabFiles::SaveTabPageFile(bool askName) {
  if (!active() || !page_.convertedViewShown() || !page_.state().hasPage) return false;
  TabPageState& state = page_.state();
  AppSettings& settings = page_.settings();
  const TabPageSettings header = page_.currentSettings();
  // The tab folder is remembered without a slash, and only once the file is written.
  const std::optional<QString> target =
      askSavePath(page_.dialogs(), &page_, tr("Save Strumly Tab File"), tabPageFilter(), "vxt",
                  DocumentLocation{state.tabPageFileName, settings.folders.tab}.path(),
                  askName || state.tabPageFileName.isEmpty());
  if (!target) return false;
  const std::string error = writeTabPageFile(fsPath(*target), header, state.converted);
  if (!error.empty()) {
    page_.dialogs().notice(&page_, coreText(error));
    return false;
  }
  const QFileInfo info(*target);
  state.tabPageFileName = info.fileName();
  settings.folders.tab = info.absolutePath().toStdString();
  state.tabPageModified = false;
  page_.setCaption(documentCaption(state.tabPageFileName));
  return true;
}

bool TabFiles::mayReplaceTabPage() {
  if (!page_.state().tabPageModified) return true;
  const DialogService::Answer answer = page_.dialogs().question(
      &page_, tr("Do you want to save changes to this Strumly Tab file before opening another file?"));
  if (answer == DialogService::Answer::Cancel) return false;
  return answer == DialogService::Answer::No || SaveTabPageFile(false);
}

bool TabFiles::mayReplaceRaw() {
  if (page_.state().rawTabSaved) return true;
  const DialogService::Answer answer = page_.dialogs().question(
      &page_,
      tr("This raw tab file has been modified. Do you want to save changes to it before opening another "
         "file?"));
  if (answer == DialogService::Answer::Cancel) return false;
  return answer == DialogService::Answer::No || SaveRawTab(false);
}

bool TabFiles::OpenTabPageDialog() {
  if (!active() || !page_.convertedViewShown() || !mayReplaceTabPage()) return false;
  const QString path = chooseOpenPath(page_.dialogs(), &page_, tr("Open Strumly Tab File"), tabPageFilter(),
                                      page_.settings().folders.tab);
  if (path.isEmpty()) return false;
  QString error;
  if (OpenTabPageFile(path, &error)) return true;
  page_.dialogs().notice(&page_, error);
  return false;
}

bool TabFiles::OpenTabPageFile(const QString& path, QString* error) {
  // The whole file is read and checked before anything of it is taken over.
  const TabPageReadResult read = readTabPageFile(fsPath(path));
  if (!read.ok()) {
    if (error) *error = coreText(read.error);
    return false;
  }
  TabPageState& state = page_.state();
  const TabPageFile& file = *read.file;
  state.working = file.lines;
  (void)writeCheckedTabFile(fsPath(page_.workingFolder()), state.working);
  const QFileInfo info(path);
  page_.settings().folders.tab = info.absolutePath().toStdString();
  page_.applySettings(file.settings);
  state.tabPageModified = false;
  if (!page_.ConvertTab()) {
    if (error) *error = coreText(std::string(kNotATabPageFile));
    return false;
  }
  const TabMarkers markers = clampTabMarkers(file.settings.markers, state.converted);
  page_.PlaceStartMarker(markers.start);
  page_.PlaceEndMarker(markers.end);
  page_.pageView()->scrollToBlock(markers.start.block);
  state.tabPageFileName = info.fileName();
  page_.setCaption(documentCaption(state.tabPageFileName));
  state.tabPageModified = false;
  return true;
}

bool TabFiles::SaveRawTab(bool askName) {
  if (!active() || page_.convertedViewShown()) return false;
  TabPageState& state = page_.state();
  AppSettings& settings = page_.settings();
  state.lastEditSource = TabEditSource::SavingRaw;
  const QString known = DocumentLocation{state.rawTabFileName, settings.folders.tabRaw}.path();
  const bool template_ = !state.rawTabFileName.isEmpty() && isReadOnly(known);
  QString target;
  for (;;) {
    const std::optional<QString> chosen =
        askSavePath(page_.dialogs(), &page_, tr("Save Raw Tab File"), rawTabFilter(), "tab", known,
                    askName || state.rawTabFileName.isEmpty());
    if (!chosen) {
      page_.focusHome();
      return false;
    }
    target = *chosen;
    if (!template_) break;
    if (QFileInfo(target).absoluteFilePath() != QFileInfo(known).absoluteFilePath()) {
      // Another file: it is written with ordinary permissions, whatever it had.
      if (QFileInfo::exists(target))
        QFile::setPermissions(target,
                              QFile::permissions(target) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
      break;
    }
    const bool again = page_.dialogs().confirm(
        &page_,
        tr("This file is Read-Only (probably a template). To Save it, you will have to use a different name. "
           "Would you like to save it under a different name?"),
        DialogService::Answer::Yes);
    if (!again) {
      page_.focusHome();
      return false;
    }
    askName = true;
  }
  const std::string error = writeTabTextFile(fsPath(target), page_.rawView()->lines());
  if (!error.empty()) {
    page_.dialogs().notice(&page_, coreText(error));
    return false;
  }
  const QFileInfo info(target);
  state.rawTabFileName = info.fileName();
  settings.folders.tabRaw = info.absolutePath().toStdString();
  state.rawTabSaved = true;
  page_.focusHome();
  page_.setCaption(documentCaption(state.rawTabFileName));
  return true;
}

bool TabFiles::exportSound(bool wav) {
  const TabPageState& state = page_.state();
  if (!state.hasPage) {
    page_.dialogs().notice(&page_, tr("There is no tab page to export yet: convert the tab first."));
    return true;
  }
  const QString named = !state.tabPageFileName.isEmpty() ? state.tabPageFileName : state.rawTabFileName;
  const QString base = named.isEmpty() ? QString("Tab") : QFileInfo(named).completeBaseName();
  const QString folder = withSlash(QString::fromStdString(page_.settings().folders.tab));
  const QString path = wav ? page_.dialogs().saveFileName(&page_, tr("Export WAV"), folder + base + ".wav",
                                                          tr("WAV Files") + " (*.wav)", "wav")
                           : page_.dialogs().saveFileName(&page_, tr("Export MIDI"), folder + base + ".mid",
                                                          tr("MIDI Files") + " (*.mid)", "mid");
  if (path.isEmpty()) return true;  // cancelled: nothing to tell
  const RecordedSong song =
      recordTabPage(TabPageFile{page_.currentSettings(), state.converted}, page_.settings().midi);
  const std::string error = exportRecordedSong(song, wav, fsPath(path));
  if (!error.empty()) page_.dialogs().notice(&page_, coreText(error));
  return true;
}

bool TabFiles::OpenRawTabDialog() {
  if (!active() || page_.convertedViewShown() || !mayReplaceRaw()) return false;
  page_.state().lastEditSource = TabEditSource::OpeningRaw;
  const QString path = chooseOpenPath(page_.dialogs(), &page_, tr("Open Raw Tab File"), rawTabFilter(),
                                      page_.settings().folders.tabRaw);
  if (path.isEmpty()) return false;
  return loadRaw(path);
}

bool TabFiles::LoadRawTabFile(const QString& path) {
  page_.showRawView();
  page_.state().lastEditSource = TabEditSource::OpeningRaw;
  return loadRaw(path);
}

bool TabFiles::loadRaw(const QString& path) {
  const TabTextReadResult read = readTabTextFile(fsPath(path));
  if (!read.ok) {
    page_.dialogs().notice(&page_, coreText(read.error));
    return false;
  }
  // An empty file changes nothing: the text on show, and the file a later Save writes, stay.
  if (read.lines.empty()) return false;
  TabPageState& state = page_.state();
  page_.rawView()->setLines(read.lines);
  const QFileInfo info(path);
  state.rawTabFileName = info.fileName();
  page_.settings().folders.tabRaw = info.absolutePath().toStdString();
  page_.setCaption(documentCaption(state.rawTabFileName));
  page_.AfterRawTabLoaded();
  return true;
}

}  // namespace strumly::gui
