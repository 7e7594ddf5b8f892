#include "gui/app/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace strumly::gui {
namespace {

QString withSlash(const QString& folder) {
  QString f = QDir::cleanPath(folder);
  return f.endsWith('/') ? f : f + '/';
}

bool holdsProgramData(const QString& folder) {
  return QFileInfo::exists(folder + "Kv.ini");
}

// A folder we may keep files in: try to create and remove a probe, as permissions alone do not
// tell about read-only mounts.
bool isWritableFolder(const QString& folder) {
  QFile probe(folder + ".strumly-write-probe");
  if (!probe.open(QIODevice::WriteOnly)) return false;
  probe.close();
  probe.remove();
  return true;
}

}  // namespace

ProgramFolder ProgramFolder::locate(const QString& executableFolder, const QString& userDataFolder) {
  ProgramFolder folder;
  const QString besideProgram = withSlash(executableFolder);
  const QString installed = withSlash(executableFolder + "/../share/strumly");
  if (holdsProgramData(besideProgram))
    folder.dataFolder = besideProgram;
  else if (holdsProgramData(installed))
    folder.dataFolder = installed;
  else
    folder.dataFolder = besideProgram;  // no data anywhere: every read falls back to defaults

  if (isWritableFolder(folder.dataFolder)) {
    folder.userFolder = folder.dataFolder;
    return folder;
  }
  folder.userFolder = withSlash(userDataFolder);
  QDir().mkpath(folder.userFolder);
  if (!QFileInfo::exists(folder.settingsFile()) && holdsProgramData(folder.dataFolder))
    QFile::copy(folder.dataFolder + "Kv.ini", folder.settingsFile());
  // The copy keeps the read-only permission of the shipped file; the settings must be writable.
  QFile(folder.settingsFile())
      .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
  return folder;
}

ProgramFolder ProgramFolder::forThisProgram() {
  const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return locate(QCoreApplication::applicationDirPath(), home + "/Strumly");
}

}  // namespace strumly::gui
