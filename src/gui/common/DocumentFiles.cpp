#include "gui/common/DocumentFiles.h"

#include <QFileInfo>

#include "core/pages/PageFiles.h"
#include "gui/common/CoreText.h"
#include "gui/common/DialogService.h"

namespace strumly::gui {

QString withSlash(const QString& folder) {
  return folder.isEmpty() || folder.endsWith('/') ? folder : folder + '/';
}

QString documentCaption(const QString& fileName) {
  return "Strumly!   " + fileName;
}

QString DocumentLocation::path() const {
  return withSlash(QString::fromStdString(folderSetting)) + fileName;
}

void DocumentLocation::remember(const QString& path) const {
  const QFileInfo info(path);
  fileName = info.fileName();
  folderSetting = withSlash(info.absolutePath()).toStdString();
}

std::optional<QString> askSavePath(DialogService& dialogs, QWidget* parent, const QString& title,
                                   const QString& filter, const QString& suffix, const QString& known,
                                   bool ask) {
  if (!ask) return known;
  const QString chosen = dialogs.saveFileName(parent, title, known, filter, suffix);
  if (chosen.isEmpty()) return std::nullopt;
  return chosen;
}

std::optional<QString> chooseSavePath(DialogService& dialogs, QWidget* parent, const QString& title,
                                      const QString& filter, const QString& suffix, DocumentLocation location,
                                      bool alwaysAsk) {
  const bool ask = alwaysAsk || location.fileName.isEmpty();
  const std::optional<QString> path =
      askSavePath(dialogs, parent, title, filter, suffix, location.path(), ask);
  if (path && ask) location.remember(*path);
  return path;
}

QString chooseOpenPath(DialogService& dialogs, QWidget* parent, const QString& title, const QString& filter,
                       const std::string& folderSetting) {
  return dialogs.openFileName(parent, title, QString::fromStdString(folderSetting), filter);
}

std::optional<std::vector<std::uint8_t>> readDocumentBytes(DialogService& dialogs, QWidget* parent,
                                                           const QString& path) {
  std::string error;
  std::optional<std::vector<std::uint8_t>> bytes = readPageFileBytes(path.toStdString(), error);
  if (!bytes) dialogs.notice(parent, coreText(error));
  return bytes;
}

bool writeDocumentBytes(DialogService& dialogs, QWidget* parent, const QString& path,
                        std::span<const std::uint8_t> bytes) {
  std::string error;
  if (savePageFile(path.toStdString(), bytes, error)) return true;
  dialogs.notice(parent, coreText(error));
  return false;
}

}  // namespace strumly::gui
