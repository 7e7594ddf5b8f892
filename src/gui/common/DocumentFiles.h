#pragma once
// Where the pages' documents are saved and opened: the file name a page keeps and the settings
// entry that remembers its folder, the save and open dialogs started there, and the window
// caption that names the document.
#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

class QWidget;

namespace strumly::gui {

class DialogService;

// A folder ready to have a file name appended. An empty folder stays empty: the path is then the
// bare file name, not one in the root folder.
QString withSlash(const QString& folder);

// "Strumly!   " followed by the document's file name.
QString documentCaption(const QString& fileName);

// A view of a document's file name and its folder setting; both belong to the page.
struct DocumentLocation {
  QString& fileName;
  std::string& folderSetting;

  QString path() const;
  // The file name of `path` becomes the document's, and its folder, with a slash, the setting.
  void remember(const QString& path) const;
};

// The file Save writes: `known`, or when `ask` the file chosen in the save dialog started at
// `known`. Nothing when the user cancels.
std::optional<QString> askSavePath(DialogService& dialogs, QWidget* parent, const QString& title,
                                   const QString& filter, const QString& suffix, const QString& known,
                                   bool ask);

// Save and Save As of a page document: the dialog is shown when `alwaysAsk` or the document has no
// name yet, and the chosen file is remembered in `location` at once, before anything is written.
std::optional<QString> chooseSavePath(DialogService& dialogs, QWidget* parent, const QString& title,
                                      const QString& filter, const QString& suffix, DocumentLocation location,
                                      bool alwaysAsk);

// The file Open reads, chosen in the document's folder; empty when the user cancels.
QString chooseOpenPath(DialogService& dialogs, QWidget* parent, const QString& title, const QString& filter,
                       const std::string& folderSetting);

// A page file read whole; a file that cannot be read is told, and gives nothing.
std::optional<std::vector<std::uint8_t>> readDocumentBytes(DialogService& dialogs, QWidget* parent,
                                                           const QString& path);

// Writes a page file; a failed write is told and leaves the old file as it was.
bool writeDocumentBytes(DialogService& dialogs, QWidget* parent, const QString& path,
                        std::span<const std::uint8_t> bytes);

}  // namespace strumly::gui
