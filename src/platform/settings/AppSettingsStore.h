#pragma once
// Reads the run's settings from Kv.ini and writes each value back for the part of the program that
// owns it: the shutdown or the preferences dialog. One table of keys drives reading and both writes.
#include <string>
#include <vector>

#include "core/app/AppSettings.h"
#include "platform/settings/IniFile.h"

namespace strumly {

class AppSettingsStore {
 public:
  // programFolder ends with '/'; it is the base of the default document folders.
  AppSettingsStore(IniFile file, std::string programFolder)
      : file_(std::move(file)), programFolder_(std::move(programFolder)) {}

  const IniFile& file() const { return file_; }
  const std::string& programFolder() const { return programFolder_; }

  // Every key in start-up order, the user chord types whole; a missing file or unreadable value
  // gives that key's default.
  AppSettings load() const;
  // [Main] Sspeed, Bass, the seven folders, LeftHand, ShowFull, [Fretlight] Animate, ShowFlash.
  // Throws IniWriteError when the file cannot be written.
  void saveShutdownValues(const AppSettings& settings);
  // What the preferences dialog's OK writes: the MIDI devices, patches, channels and volumes, scale
  // frets, count-off, fonts, speech, foot switches, root flash and note flashing, [Tab] TimingChars
  // and InsertFile. Throws IniWriteError when the file cannot be written.
  void savePreferenceValues(const AppSettings& settings);
  // [Listen] Input and ReferenceA4: the audio input (the preferences' OK) and the tuner's A4 (the
  // tuner, as it changes). Throws IniWriteError when the file cannot be written.
  void saveListenValues(const AppSettings& settings);
  // [SpeedTrainer] StartTempo, Step, EveryPasses, TargetTempo, Enabled (the trainer dialog's OK).
  // Throws IniWriteError when the file cannot be written.
  void saveSpeedTrainerValues(const AppSettings& settings);

  // The user chord types as the file holds them now, damaged sections left out and named in
  // `damaged` when it is given.
  std::vector<UserChordType> userChords(std::vector<int>* damaged = nullptr) const;
  // Appends a type after the last user section ([UserChords] Number + 1 and its section) and
  // returns that section. Deletes move the later sections down one ([UserChords] Number - 1);
  // false when `section` is no user type of the file. Each is one rewrite of the file: when it
  // cannot be written (IniWriteError) every type stays as it was. An add to a file that already
  // counts the 1000 types start-up reads throws std::length_error and changes nothing.
  int addUserChord(const UserChordType& type);
  bool deleteUserChord(int section);

  std::vector<WebSite> webSites() const;
  // Instrument names for the patch lists, in file order; empty when the section is missing.
  std::vector<std::string> generalMidiNames() const;

 private:
  IniFile file_;
  std::string programFolder_;
};

}  // namespace strumly
