#pragma once
// The values the settings file holds for one run, with the defaults a missing file or key gives.
// The struct is plain data: the store that reads and writes Kv.ini lives with the platform
// adapters, and each value is written back by the part of the program that owns it.
#include <array>
#include <string>
#include <vector>

namespace strumly {

// Foot-switch action codes, in the order of the preferences radio columns.
enum class SwitchAction { Play = 0, NextDiagram = 1, ShowRoot = 2, ActivateLeds = 3, NextPage = 4 };

struct MidiSettings {
  int inDevice = 0;
  int outDevice = 0;
  int guitarPatch = 25;
  int guitarChannel = 0;
  int guitarVolume = 100;
  int bassPatch = 33;
  int bassChannel = 1;
  int bassVolume = 100;
  int clickChannel = 9;
  int clickNote = 34;
  int clickVolume = 65;
};

// The last folders used for each kind of document; defaults hang off the program folder.
struct DocumentFolders {
  std::string chord, print, design, play, scale, tab, tabRaw;
  static DocumentFolders defaultsFor(const std::string& programFolder);
};

struct FretlightSettings {
  bool animate = true;
  bool showFlash = false;
  int switch1 = 0;
  int switch2 = 1;
  bool reverseSwitch = false;
  int rootSpeed = 350;
  bool flashNote = false;
  bool flashStop = false;

  // Which switch bit drives each action code: the unreversed guitar maps Switch1 to bit 1.
  int switch1Bit() const { return reverseSwitch ? 2 : 1; }
  int switch2Bit() const { return reverseSwitch ? 1 : 2; }
};

// One of the user's own chord types as its settings section holds it: values as read, so an
// interval outside the known range is left for the chord-type list to treat as unused.
// Listening: where the student's playing comes from and the tuner's pitch standard.
struct ListenSettings {
  std::string input;      // the audio source's id; empty: the system default source
  int referenceA4 = 440;  // Hz, 430..450
  // How much later than its beat the input hears a strum played on it (sound out, sound in), ms.
  int latencyMs = 0;
  static constexpr int kLowestA4 = 430;
  static constexpr int kHighestA4 = 450;
  static constexpr int kMaxLatencyMs = 1000;
  int clampedA4() const {
    return referenceA4 < kLowestA4 ? kLowestA4 : (referenceA4 > kHighestA4 ? kHighestA4 : referenceA4);
  }
  int clampedLatencyMs() const {
    return latencyMs < -kMaxLatencyMs ? -kMaxLatencyMs
                                      : (latencyMs > kMaxLatencyMs ? kMaxLatencyMs : latencyMs);
  }
};

// The speed trainer: a loop that starts at one tempo and steps towards another as the passes go
// by. Values as read; the trainer's rule brings them into its ranges.
struct SpeedTrainerSettings {
  bool enabled = false;
  int startTempo = 60;    // beats per minute
  int step = 5;           // beats per minute at each step
  int everyPasses = 2;    // passes at each tempo
  int targetTempo = 100;  // beats per minute it ends at

  bool operator==(const SpeedTrainerSettings&) const = default;
};

struct UserChordType {
  std::string name = "NONAME";
  std::string formula;
  std::array<int, 7> intervals{255, 255, 255, 255, 255, 255, 255};  // semitones above the root, 255 unused
  int section = 0;  // the settings section it was read from; 0 for one not stored yet

  bool operator==(const UserChordType&) const = default;
};

struct AppSettings {
  MidiSettings midi;
  bool bassNote = false;
  int strumSpeed = -300;
  bool leftHanded = false;
  bool showFullScale = false;
  bool playPageTinyFont = true;
  bool chordDesignTinyFont = true;
  int speechVolume = 130;
  bool speechOn = false;
  DocumentFolders folders;
  std::vector<UserChordType> userChords;  // sections "62", "63", ... in list order
  // Sections counted as user chord types that could not be read as one (no root interval, an
  // interval that is no number or lies outside 0..21): they are left out of the list.
  std::vector<int> damagedUserChordSections;
  int scaleFrets = 5;
  int countOffMeasures = 1;
  FretlightSettings fretlight;
  std::string tabTimingChars = ".=qes";  // characters that mark a timing line in raw tab
  std::string tabInsertFile;             // the file the tab insert command puts in
  ListenSettings listen;
  SpeedTrainerSettings speedTrainer;

  static AppSettings defaultsFor(const std::string& programFolder);
};

// One entry of the optional "Web Sites..." help submenu.
struct WebSite {
  std::string caption;
  std::string address;
};

// The first user chord type sits right after the 62 built-in ones in the chord-type list.
constexpr int kFirstUserChordIndex = 62;

// The caption the main window shows beside the foot-switch picture for an action code.
std::string switchActionCaption(int code);

}  // namespace strumly
