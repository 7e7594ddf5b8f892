#pragma once
// Where the program finds its read-only data and where it keeps the user's files.
// A build or a portable copy in a writable folder is self-contained: everything sits beside the
// executable. An installed copy reads its data from <prefix>/share/strumly and never writes
// there, even when it could, so a reinstall cannot overwrite what the user's runs wrote: Kv.ini
// and the tip state go to the user's configuration folder (seeded with the shipped Kv.ini on the
// first start), the working files to the cache folder, the default document folders to the
// user's data folder.
#include <QString>

namespace strumly::gui {

// The user's own folders of an installed copy, each ending with '/'.
struct UserFolders {
  QString settings;   // Kv.ini, tip.kvt: $XDG_CONFIG_HOME/Strumly
  QString documents;  // default document folders: $XDG_DATA_HOME/Strumly (Kv.ini lived here once)
  QString work;       // tab conversion working files: $XDG_CACHE_HOME/Strumly

  static UserFolders standard();
  // All three in one folder.
  static UserFolders allIn(const QString& folder);
};

struct ProgramFolder {
  QString dataFolder;                   // read-only data: dictionaries, tips, tutorials; ends with '/'
  QString userFolder;                   // Kv.ini and the tip state; ends with '/'
  QString documentFolder = userFolder;  // base of the default document folders
  QString workFolder = userFolder;      // the tab conversion's working files

  QString settingsFile() const { return userFolder + "Kv.ini"; }

  // executableFolder: the folder of the running program; user: where the user's files go when
  // the program is not self-contained. Creates the user's folders; on the first start of an
  // installed copy moves Kv.ini and tip.kvt over from the data folder they were kept in before,
  // or copies the shipped Kv.ini.
  static ProgramFolder locate(const QString& executableFolder, const UserFolders& user);
  static ProgramFolder locate(const QString& executableFolder, const QString& userFolder) {
    return locate(executableFolder, UserFolders::allIn(userFolder));
  }
  // For the running program: the application's folder and the standard user folders.
  static ProgramFolder forThisProgram();
};

}  // namespace strumly::gui
