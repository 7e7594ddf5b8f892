#pragma once
// Where the program finds its read-only data and where it keeps the user's files.
// A build or a portable copy in a writable folder is self-contained: everything sits beside the
// executable. An installed copy reads its data from <prefix>/share/strumly and never writes
// there, even when it could, so a reinstall cannot overwrite what the user's runs wrote: Kv.ini
// and the tip state go to the user's configuration folder (seeded with the shipped Kv.ini on the
// first start), the working files to the cache folder, the default document folders to the
// user's Documents folder (each made when a file dialog first opens there).
#include <QString>

namespace strumly::gui {

// The user's own folders of an installed copy, each ending with '/'.
struct UserFolders {
  QString settings;   // Kv.ini, tip.kvt: $XDG_CONFIG_HOME/Strumly
  QString documents;  // default document folders: <Documents>/Strumly
  QString work;       // tab conversion working files: $XDG_CACHE_HOME/Strumly
  // Where earlier versions kept Kv.ini, the tip state and the default document folders:
  // $XDG_DATA_HOME/Strumly. Settings move over from here once; the folders they remember stay.
  QString earlier = documents;

  static UserFolders standard();
  // All of them in one folder.
  static UserFolders allIn(const QString& folder);
};

struct ProgramFolder {
  QString dataFolder;                   // read-only data: dictionaries, tips, tutorials; ends with '/'
  QString userFolder;                   // Kv.ini and the tip state; ends with '/'
  QString documentFolder = userFolder;  // base of the default document folders
  QString workFolder = userFolder;      // the tab conversion's working files
  QString earlierFolder;                // see UserFolders::earlier; empty when self-contained

  QString settingsFile() const { return userFolder + "Kv.ini"; }

  // executableFolder: the folder of the running program; user: where the user's files go when
  // the program is not self-contained. Creates the settings and work folders (the document
  // folders wait for their first use); on the first start of an installed copy moves Kv.ini and
  // tip.kvt over from the folder they were kept in before, or copies the shipped Kv.ini.
  static ProgramFolder locate(const QString& executableFolder, const UserFolders& user);
  static ProgramFolder locate(const QString& executableFolder, const QString& userFolder) {
    return locate(executableFolder, UserFolders::allIn(userFolder));
  }
  // For the running program: the application's folder and the standard user folders.
  static ProgramFolder forThisProgram();
};

}  // namespace strumly::gui
