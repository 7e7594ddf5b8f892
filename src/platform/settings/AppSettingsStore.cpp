#include "platform/settings/AppSettingsStore.h"

namespace strumly {

AppSettings AppSettingsStore::load() const {
  AppSettings s = AppSettings::defaultsFor(programFolder_);
  const AppSettings d = s;
  const IniFile& f = file_;
  MidiSettings& m = s.midi;
  m.inDevice = f.readInteger("MidiIn", "Device", d.midi.inDevice);
  m.outDevice = f.readInteger("MidiOut", "Device", d.midi.outDevice);
  m.guitarPatch = f.readInteger("Guitar", "Patch", d.midi.guitarPatch);
  m.bassPatch = f.readInteger("Bass", "Patch", d.midi.bassPatch);
  m.guitarChannel = f.readInteger("Guitar", "Channel", d.midi.guitarChannel);
  m.bassChannel = f.readInteger("Bass", "Channel", d.midi.bassChannel);
  m.guitarVolume = f.readInteger("Guitar", "Volume", d.midi.guitarVolume);
  m.bassVolume = f.readInteger("Bass", "Volume", d.midi.bassVolume);
  s.bassNote = f.readBool("Main", "Bass", d.bassNote);
  s.strumSpeed = f.readInteger("Main", "Sspeed", d.strumSpeed);
  m.clickChannel = f.readInteger("Click", "Channel", d.midi.clickChannel);
  m.clickNote = f.readInteger("Click", "Note", d.midi.clickNote);
  m.clickVolume = f.readInteger("Click", "Volume", d.midi.clickVolume);

  DocumentFolders& dirs = s.folders;
  dirs.chord = f.readString("Directory", "Chord", d.folders.chord);
  dirs.print = f.readString("Directory", "Print", d.folders.print);
  dirs.design = f.readString("Directory", "Design", d.folders.design);
  dirs.play = f.readString("Directory", "Play", d.folders.play);
  dirs.scale = f.readString("Directory", "Scale", d.folders.scale);
  dirs.tab = f.readString("Directory", "Tab", d.folders.tab);
  dirs.tabRaw = f.readString("Directory", "TabRaw", d.folders.tabRaw);

  s.leftHanded = f.readBool("Main", "LeftHand", d.leftHanded);
  s.showFullScale = f.readBool("Main", "ShowFull", d.showFullScale);

  // A negative or absurd count must not make start-up read thousands of sections.
  const int userChords = f.readInteger("UserChords", "Number", 0);
  for (int i = 0; i < userChords && i < 1000; ++i)
    s.userChordNames.push_back(f.readString(std::to_string(kFirstUserChordIndex + i), "Name", "NONAME"));

  s.scaleFrets = f.readInteger("Scales", "Frets", d.scaleFrets);
  s.countOffMeasures = f.readInteger("PlayPage", "CountOff", d.countOffMeasures);
  s.playPageTinyFont = f.readBool("Main", "PPTinyFont", d.playPageTinyFont);
  s.chordDesignTinyFont = f.readBool("Main", "CDTinyFont", d.chordDesignTinyFont);
  s.speechVolume = f.readInteger("Main", "SpeechVol", d.speechVolume);
  s.speechOn = f.readBool("Main", "SpeechOn", d.speechOn);

  FretlightSettings& fl = s.fretlight;
  fl.animate = f.readBool("Fretlight", "Animate", d.fretlight.animate);
  fl.showFlash = f.readBool("Fretlight", "ShowFlash", d.fretlight.showFlash);
  fl.switch1 = f.readInteger("Fretlight", "Switch1", d.fretlight.switch1);
  fl.switch2 = f.readInteger("Fretlight", "Switch2", d.fretlight.switch2);
  fl.reverseSwitch = f.readBool("Fretlight", "ReverseSwitch", d.fretlight.reverseSwitch);
  fl.rootSpeed = f.readInteger("Fretlight", "RootSpeed", d.fretlight.rootSpeed);
  fl.flashNote = f.readBool("Fretlight", "FlashNote", d.fretlight.flashNote);
  fl.flashStop = f.readBool("Fretlight", "FlashStop", d.fretlight.flashStop);
  return s;
}

void AppSettingsStore::saveShutdownValues(const AppSettings& s) {
  file_.writeInteger("Main", "Sspeed", s.strumSpeed);
  file_.writeBool("Main", "Bass", s.bassNote);
  file_.writeString("Directory", "Chord", s.folders.chord);
  file_.writeString("Directory", "Print", s.folders.print);
  file_.writeString("Directory", "Design", s.folders.design);
  file_.writeString("Directory", "Play", s.folders.play);
  file_.writeString("Directory", "Scale", s.folders.scale);
  file_.writeString("Directory", "Tab", s.folders.tab);
  file_.writeString("Directory", "TabRaw", s.folders.tabRaw);
  file_.writeBool("Main", "LeftHand", s.leftHanded);
  file_.writeBool("Main", "ShowFull", s.showFullScale);
  file_.writeBool("Fretlight", "Animate", s.fretlight.animate);
  file_.writeBool("Fretlight", "ShowFlash", s.fretlight.showFlash);
}

std::vector<WebSite> AppSettingsStore::webSites() const {
  std::vector<WebSite> sites;
  const int count = file_.readInteger("WebSites", "Number", 0);
  for (int k = 1; k <= count && k <= 100; ++k) {
    const std::string n = std::to_string(k);
    sites.push_back({file_.readString("WebSites", n, ""), file_.readString("WebSites", n + "A", "")});
  }
  return sites;
}

std::vector<std::string> AppSettingsStore::generalMidiNames() const {
  return file_.readSection("General MIDI");
}

}  // namespace strumly
