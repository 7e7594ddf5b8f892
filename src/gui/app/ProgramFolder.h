#pragma once
// Where the program finds its read-only data and where it keeps Kv.ini and its working files.
// A build or a portable copy keeps everything beside the executable. An installed copy reads its
// data from <prefix>/share/strumly and, since that folder is not writable, keeps Kv.ini, the
// working files and the default document folders in ~/.local/share/Strumly, seeded with the
// shipped Kv.ini on first start.
#include <QString>

namespace strumly::gui {

struct ProgramFolder {
  QString dataFolder;  // read-only data: dictionaries, tips, tutorials; ends with '/'
  QString userFolder;  // Kv.ini, working files, document folders; ends with '/'

  QString settingsFile() const { return userFolder + "Kv.ini"; }

  // executableFolder: the folder of the running program; userDataFolder: the XDG data folder
  // to use when the data folder cannot be written (the caller passes the standard location).
  static ProgramFolder locate(const QString& executableFolder, const QString& userDataFolder);
  // For the running program: the application's folder and ~/.local/share/Strumly.
  static ProgramFolder forThisProgram();
};

}  // namespace strumly::gui
