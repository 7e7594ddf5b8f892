#include "platform/settings/AppSettingsStore.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>

#include "core/chords/ChordTypeList.h"
#include "core/pages/DiagramRecords.h"

namespace strumly {
namespace {

// Who writes a value back; every value is read at start-up.
enum class Owner {
  Shutdown,
  Preferences,
  Listen,  // the input and latency chosen in the preferences and the tuner's A4, each written when it changes
  SpeedTrainer,  // the speed trainer dialog's OK
  StartUpOnly,   // written elsewhere or never: the user chord types belong to the add and delete commands
};

using IntField = int& (*)(AppSettings&);
using BoolField = bool& (*)(AppSettings&);
using TextField = std::string& (*)(AppSettings&);
struct UserChordList {};  // [UserChords] Number and the numbered sections it counts
using Field = std::variant<IntField, BoolField, TextField, UserChordList>;

template <auto Member>
auto& at(AppSettings& s) {
  return s.*Member;
}
template <auto Group, auto Member>
auto& in(AppSettings& s) {
  return (s.*Group).*Member;
}

struct Entry {
  const char* section;
  const char* key;
  Field field;
  Owner owner;
  // Place among the owner's writes. A key new to the file lands after those written before it,
  // so a fixed order keeps the file the same from run to run.
  int writeOrder;
};

using A = AppSettings;
using M = MidiSettings;
using D = DocumentFolders;
using F = FretlightSettings;
using L = ListenSettings;
using T = SpeedTrainerSettings;
constexpr Owner kShut = Owner::Shutdown;
constexpr Owner kPref = Owner::Preferences;

// In start-up reading order.
constexpr auto kEntries = std::to_array<Entry>({
    {"MidiIn", "Device", &in<&A::midi, &M::inDevice>, kPref, 0},
    {"MidiOut", "Device", &in<&A::midi, &M::outDevice>, kPref, 1},
    {"Guitar", "Patch", &in<&A::midi, &M::guitarPatch>, kPref, 2},
    {"Bass", "Patch", &in<&A::midi, &M::bassPatch>, kPref, 5},
    {"Guitar", "Channel", &in<&A::midi, &M::guitarChannel>, kPref, 3},
    {"Bass", "Channel", &in<&A::midi, &M::bassChannel>, kPref, 6},
    {"Guitar", "Volume", &in<&A::midi, &M::guitarVolume>, kPref, 4},
    {"Bass", "Volume", &in<&A::midi, &M::bassVolume>, kPref, 7},
    {"Main", "Bass", &at<&A::bassNote>, kShut, 1},
    {"Main", "Sspeed", &at<&A::strumSpeed>, kShut, 0},
    {"Click", "Channel", &in<&A::midi, &M::clickChannel>, kPref, 8},
    {"Click", "Note", &in<&A::midi, &M::clickNote>, kPref, 9},
    {"Click", "Volume", &in<&A::midi, &M::clickVolume>, kPref, 10},
    {"Directory", "Chord", &in<&A::folders, &D::chord>, kShut, 2},
    {"Directory", "Print", &in<&A::folders, &D::print>, kShut, 3},
    {"Directory", "Design", &in<&A::folders, &D::design>, kShut, 4},
    {"Directory", "Play", &in<&A::folders, &D::play>, kShut, 5},
    {"Directory", "Scale", &in<&A::folders, &D::scale>, kShut, 6},
    {"Directory", "Tab", &in<&A::folders, &D::tab>, kShut, 7},
    {"Directory", "TabRaw", &in<&A::folders, &D::tabRaw>, kShut, 8},
    {"Main", "LeftHand", &at<&A::leftHanded>, kShut, 9},
    {"Main", "ShowFull", &at<&A::showFullScale>, kShut, 10},
    {"UserChords", "Number", UserChordList{}, Owner::StartUpOnly, 0},
    {"Scales", "Frets", &at<&A::scaleFrets>, kPref, 11},
    {"PlayPage", "CountOff", &at<&A::countOffMeasures>, kPref, 12},
    {"Main", "PPTinyFont", &at<&A::playPageTinyFont>, kPref, 13},
    {"Main", "CDTinyFont", &at<&A::chordDesignTinyFont>, kPref, 14},
    {"Main", "SpeechVol", &at<&A::speechVolume>, kPref, 15},
    {"Main", "SpeechOn", &at<&A::speechOn>, kPref, 16},
    {"Fretlight", "Animate", &in<&A::fretlight, &F::animate>, kShut, 11},
    {"Fretlight", "ShowFlash", &in<&A::fretlight, &F::showFlash>, kShut, 12},
    {"Fretlight", "Switch1", &in<&A::fretlight, &F::switch1>, kPref, 17},
    {"Fretlight", "Switch2", &in<&A::fretlight, &F::switch2>, kPref, 18},
    {"Fretlight", "ReverseSwitch", &in<&A::fretlight, &F::reverseSwitch>, kPref, 19},
    {"Fretlight", "RootSpeed", &in<&A::fretlight, &F::rootSpeed>, kPref, 20},
    {"Fretlight", "FlashNote", &in<&A::fretlight, &F::flashNote>, kPref, 21},
    {"Fretlight", "FlashStop", &in<&A::fretlight, &F::flashStop>, kPref, 22},
    // Not needed at start-up, but the preferences dialog shows and writes them with the rest.
    {"Tab", "TimingChars", &at<&A::tabTimingChars>, kPref, 23},
    {"Tab", "InsertFile", &at<&A::tabInsertFile>, kPref, 24},
    {"Listen", "Input", &in<&A::listen, &L::input>, Owner::Listen, 0},
    {"Listen", "ReferenceA4", &in<&A::listen, &L::referenceA4>, Owner::Listen, 1},
    {"Listen", "LatencyMs", &in<&A::listen, &L::latencyMs>, Owner::Listen, 2},
    {"SpeedTrainer", "StartTempo", &in<&A::speedTrainer, &T::startTempo>, Owner::SpeedTrainer, 0},
    {"SpeedTrainer", "Step", &in<&A::speedTrainer, &T::step>, Owner::SpeedTrainer, 1},
    {"SpeedTrainer", "EveryPasses", &in<&A::speedTrainer, &T::everyPasses>, Owner::SpeedTrainer, 2},
    {"SpeedTrainer", "TargetTempo", &in<&A::speedTrainer, &T::targetTempo>, Owner::SpeedTrainer, 3},
    {"SpeedTrainer", "Enabled", &in<&A::speedTrainer, &T::enabled>, Owner::SpeedTrainer, 4},
});

// Each owner's write places must be 0, 1, 2, ... with none twice, or a value would be skipped.
constexpr bool writeOrderIsComplete(Owner owner) {
  int count = 0;
  for (const Entry& e : kEntries) count += e.owner == owner ? 1 : 0;
  for (int place = 0; place < count; ++place) {
    int holders = 0;
    for (const Entry& e : kEntries) holders += e.owner == owner && e.writeOrder == place ? 1 : 0;
    if (holders != 1) return false;
  }
  return true;
}
static_assert(writeOrderIsComplete(Owner::Shutdown) && writeOrderIsComplete(Owner::Preferences) &&
              writeOrderIsComplete(Owner::Listen) && writeOrderIsComplete(Owner::SpeedTrainer));

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
// Spelled out for clang before 17, which deduces no aggregate's template arguments.
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

// A negative or absurd count must not make start-up read thousands of sections.
constexpr int kMaxUserChords = 1000;

constexpr int kIntervalKeys = 7;

std::string intervalKey(int k) {
  return "I" + std::to_string(k);
}

// A section that is counted but cannot be a chord type: it is missing, has no root interval,
// holds an interval that is no number or lies outside the names 0..21, or nothing but the root.
std::optional<UserChordType> readUserChord(const IniFile& f, int sectionNumber) {
  const std::string section = userChordSection(sectionNumber);
  if (!f.sectionExists(section)) return std::nullopt;
  UserChordType t;
  t.section = sectionNumber;
  t.name = f.readString(section, "Name", t.name);
  t.formula = f.readString(section, "Formula", t.formula);
  const std::string absent = "\x01";
  int used = 0;
  for (int k = 0; k < kIntervalKeys; ++k) {
    const std::string text = f.readString(section, intervalKey(k), absent);
    int value = kUnusedInterval;
    if (text != absent && !IniFile::parseInteger(text, value)) return std::nullopt;
    if (value != kUnusedInterval && (value < 0 || value > 21)) return std::nullopt;
    if (k == 0 && value != 0) return std::nullopt;
    if (k > 0 && value != kUnusedInterval) ++used;
    t.intervals[static_cast<std::size_t>(k)] = value;
  }
  if (used == 0) return std::nullopt;
  return t;
}

std::vector<UserChordType> readUserChords(const IniFile& f, std::vector<int>* damaged) {
  std::vector<UserChordType> types;
  const int count = f.readInteger("UserChords", "Number", 0);
  for (int i = 0; i < count && i < kMaxUserChords; ++i) {
    const int section = kFirstUserChordIndex + i;
    if (std::optional<UserChordType> t = readUserChord(f, section))
      types.push_back(std::move(*t));
    else if (damaged)
      damaged->push_back(section);
  }
  return types;
}

// The edits of one user command are made on a copy beside the file, which then replaces the
// file in one rename: a failure part way leaves the file, and so every chord type, as it was.
void rewriteAtomically(const IniFile& file, const std::function<void(IniFile&)>& edit) {
  namespace fs = std::filesystem;
  const std::string& name = file.fileName();
  const std::string work = name + ".edit";
  std::error_code ec;
  fs::remove(work, ec);
  if (fs::exists(name, ec)) {
    if (!fs::copy_file(name, work, fs::copy_options::overwrite_existing, ec)) throw IniWriteError(name);
  }
  try {
    IniFile copy(work);
    edit(copy);
  } catch (const IniWriteError&) {
    fs::remove(work, ec);
    throw IniWriteError(name);
  }
  fs::rename(work, name, ec);
  if (ec) {
    fs::remove(work, ec);
    throw IniWriteError(name);
  }
}

void writeUserChord(IniFile& f, const std::string& section, const UserChordType& type) {
  f.writeString(section, "Name", type.name);
  f.writeString(section, "Formula", type.formula);
  for (int k = 0; k < kIntervalKeys; ++k)
    f.writeInteger(section, intervalKey(k), type.intervals[static_cast<std::size_t>(k)]);
}

void writeOwnedValues(IniFile& file, const AppSettings& settings, Owner owner) {
  std::vector<const Entry*> owned;
  for (const Entry& e : kEntries)
    if (e.owner == owner) owned.push_back(&e);
  std::sort(owned.begin(), owned.end(),
            [](const Entry* a, const Entry* b) { return a->writeOrder < b->writeOrder; });
  AppSettings values = settings;  // the fields are reached through mutable accessors
  for (const Entry* e : owned) {
    std::visit(Overloaded{[&](IntField f) { file.writeInteger(e->section, e->key, f(values)); },
                          [&](BoolField f) { file.writeBool(e->section, e->key, f(values)); },
                          [&](TextField f) { file.writeString(e->section, e->key, f(values)); },
                          [](UserChordList) {}},
               e->field);
  }
}

}  // namespace

AppSettings AppSettingsStore::load() const {
  AppSettings defaults = AppSettings::defaultsFor(programFolder_);
  AppSettings s = defaults;
  const IniFile& f = file_;
  for (const Entry& e : kEntries) {
    std::visit(
        Overloaded{[&](IntField v) { v(s) = f.readInteger(e.section, e.key, v(defaults)); },
                   [&](BoolField v) { v(s) = f.readBool(e.section, e.key, v(defaults)); },
                   [&](TextField v) { v(s) = f.readString(e.section, e.key, v(defaults)); },
                   [&](UserChordList) { s.userChords = readUserChords(f, &s.damagedUserChordSections); }},
        e.field);
  }
  return s;
}

void AppSettingsStore::saveShutdownValues(const AppSettings& settings) {
  writeOwnedValues(file_, settings, Owner::Shutdown);
}

void AppSettingsStore::savePreferenceValues(const AppSettings& settings) {
  writeOwnedValues(file_, settings, Owner::Preferences);
}

void AppSettingsStore::saveListenValues(const AppSettings& settings) {
  writeOwnedValues(file_, settings, Owner::Listen);
}

void AppSettingsStore::saveSpeedTrainerValues(const AppSettings& settings) {
  writeOwnedValues(file_, settings, Owner::SpeedTrainer);
}

std::vector<UserChordType> AppSettingsStore::userChords(std::vector<int>* damaged) const {
  return readUserChords(file_, damaged);
}

int AppSettingsStore::addUserChord(const UserChordType& type) {
  const int number = std::max(0, file_.readInteger("UserChords", "Number", 0));
  // A type past the sections start-up reads would vanish on the next start, and a count near the
  // int limit would overflow the section number.
  if (number >= kMaxUserChords)
    throw std::length_error("Kv.ini already counts " + std::to_string(number) +
                            " user chord types; at most " + std::to_string(kMaxUserChords) +
                            " can be read. Delete one first.");
  const int section = kFirstUserChordIndex + number;
  rewriteAtomically(file_, [&](IniFile& f) {
    f.eraseSection(userChordSection(section));  // a stale section past the count is no part of the new type
    f.writeInteger("UserChords", "Number", number + 1);
    writeUserChord(f, userChordSection(section), type);
  });
  return section;
}

bool AppSettingsStore::deleteUserChord(int section) {
  const int number = file_.readInteger("UserChords", "Number", 0);
  const int last = kFirstUserChordIndex + std::min(number, kMaxUserChords) - 1;
  if (number <= 0 || section < kFirstUserChordIndex || section > last) return false;
  rewriteAtomically(file_, [&](IniFile& f) {
    // Each later section moves down whole, keys as written, so a damaged one stays damaged.
    for (int c = section; c < last; ++c) {
      const std::string to = userChordSection(c);
      const std::string from = userChordSection(c + 1);
      f.eraseSection(to);
      for (const std::string& key : f.readSection(from)) f.writeString(to, key, f.readString(from, key, ""));
    }
    f.eraseSection(userChordSection(last));
    f.writeInteger("UserChords", "Number", number - 1);
  });
  return true;
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
