#pragma once
// The Tablature page's files: tab page files (.vxt: the converted lines with the player's
// settings and the markers) while the converted view shows, raw tab text (.tab, .txt, any text)
// while the raw view shows. Every save goes through a temporary file renamed over the target.
#include <QCoreApplication>
#include <QString>

namespace strumly::gui {

class TabPage;

class TabFiles {
  Q_DECLARE_TR_FUNCTIONS(TabFiles)

 public:
  explicit TabFiles(TabPage& page) : page_(page) {}

  // True when written.
  bool SaveTabPageFile(bool askName);
  // True when a file was opened.
  bool OpenTabPageDialog();
  // True when the file was accepted; a refused file changes nothing and `error` says why.
  bool OpenTabPageFile(const QString& path, QString* error = nullptr);
  bool SaveRawTab(bool askName);
  bool OpenRawTabDialog();
  // A handed-over raw file: the page and its raw view come forward; true when it had lines.
  bool LoadRawTabFile(const QString& path);

  // Before the tab page or the raw text is replaced: asks to save unsaved changes first; false
  // when the user cancels or the save does not complete.
  bool mayReplaceTabPage();
  bool mayReplaceRaw();

  // Export MIDI... and Export WAV...: the converted page played once between its markers, into the
  // file the save dialog names (the command line's export of a tab page file). Without a
  // converted page it says the tab must be converted first. False never: the page has exports.
  bool exportSound(bool wav);

  // A file the user cannot write counts as read-only (a template).
  static bool isReadOnly(const QString& path);

 private:
  bool loadRaw(const QString& path);
  bool active() const;

  TabPage& page_;
};

}  // namespace strumly::gui
