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

// Earlier versions of an installed copy kept Kv.ini and the tip state with the documents, in the
// user's data folder; the first start moves them over, so no setting and no tip choice is lost.
// The document folders Kv.ini remembers keep pointing where the user's files are.
void adoptEarlierSettings(const ProgramFolder& folder) {
  if (folder.earlierFolder == folder.userFolder) return;
  for (const char* name : {"Kv.ini", "tip.kvt"}) {
    const QString earlier = folder.earlierFolder + name;
    const QString now = folder.userFolder + name;
    if (!QFileInfo::exists(now) && QFileInfo::exists(earlier)) QFile::rename(earlier, now);
  }
}

}  // namespace

UserFolders UserFolders::standard() {
  const auto strumlyIn = [](QStandardPaths::StandardLocation location) {
    return QStandardPaths::writableLocation(location) + "/Strumly/";
  };
  return {strumlyIn(QStandardPaths::GenericConfigLocation), strumlyIn(QStandardPaths::DocumentsLocation),
          strumlyIn(QStandardPaths::GenericCacheLocation), strumlyIn(QStandardPaths::GenericDataLocation)};
}

UserFolders UserFolders::allIn(const QString& folder) {
  return {folder, folder, folder, folder};
}

ProgramFolder ProgramFolder::locate(const QString& executableFolder, const UserFolders& user) {
  ProgramFolder folder;
  const QString besideProgram = withSlash(executableFolder);
  const QString installed = withSlash(executableFolder + "/../share/strumly");
  // Data beside the program (or none anywhere: every read falls back to defaults) makes a
  // self-contained copy; an installed tree is read-only data, whatever its permissions say.
  const bool installedCopy = !holdsProgramData(besideProgram) && holdsProgramData(installed);
  folder.dataFolder = installedCopy ? installed : besideProgram;
  if (!installedCopy && isWritableFolder(besideProgram)) {
    folder.userFolder = folder.documentFolder = folder.workFolder = besideProgram;
    return folder;
  }
  folder.userFolder = withSlash(user.settings);
  folder.documentFolder = withSlash(user.documents);
  folder.workFolder = withSlash(user.work);
  folder.earlierFolder = withSlash(user.earlier);
  for (const QString& f : {folder.userFolder, folder.workFolder}) QDir().mkpath(f);
  adoptEarlierSettings(folder);
  if (!QFileInfo::exists(folder.settingsFile()) && holdsProgramData(folder.dataFolder)) {
    QFile::copy(folder.dataFolder + "Kv.ini", folder.settingsFile());
    // The copy keeps the read-only permission of the shipped file; the settings must be writable.
    QFile(folder.settingsFile())
        .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
  }
  return folder;
}

ProgramFolder ProgramFolder::forThisProgram() {
  return locate(QCoreApplication::applicationDirPath(), UserFolders::standard());
}

}  // namespace strumly::gui
