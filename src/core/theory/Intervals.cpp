#include "core/theory/Intervals.h"

namespace strumly {

namespace {

constexpr std::array<std::string_view, kMaxIntervalValue + 1> kIntervalNames = {
    "1", "b2", "2",  "b3", "3",  "4", "b5", "5",   "#5", "6",   "b7",
    "7", "",   "b9", "9",  "#9", "",  "11", "#11", "",   "b13", "13"};

}  // namespace

std::string_view intervalName(int value) {
  if (value < 0 || value > kMaxIntervalValue) return {};
  return kIntervalNames[static_cast<std::size_t>(value)];
}

std::string_view compoundName(int simple) {
  if (simple < 0 || simple > 11) return {};
  return intervalName(simple + 12);
}

std::string intervalWithCompound(int simple) {
  std::string text(intervalName(simple));
  std::string_view compound = compoundName(simple);
  if (!compound.empty()) {
    text += " / ";
    text += compound;
  }
  return text;
}

bool CompoundFlags::isSwitchable(int simple) {
  return !compoundName(simple).empty();
}

bool CompoundFlags::isCompound(int simple) const {
  return simple >= 0 && simple < 12 && flags_[static_cast<std::size_t>(simple)];
}

bool CompoundFlags::toggle(int simple) {
  if (!isSwitchable(simple)) return false;
  auto& flag = flags_[static_cast<std::size_t>(simple)];
  flag = !flag;
  return true;
}

void computeIntervals(ChordDiagram& chord, const CompoundFlags& flags) {
  std::array<bool, 12> marked{};
  for (PitchNumber pitch : chord.pitches) {
    if (pitch != 0) marked[pitchClassOf(pitch - chord.root)] = true;
  }
  chord.intervals.fill(kUnusedInterval);
  std::size_t slot = 0;
  chord.intervals[slot++] = 0;
  // Seven slots hold the root and at most six other pitch classes (six strings), so no list
  // can overflow; the guard only keeps a malformed record from writing past the array.
  for (int i = 1; i <= 11 && slot < chord.intervals.size(); ++i) {
    if (marked[static_cast<std::size_t>(i)] && !flags.isCompound(i)) {
      chord.intervals[slot++] = static_cast<std::uint8_t>(i);
    }
  }
  for (int i = 1; i <= 9 && slot < chord.intervals.size(); ++i) {
    if (marked[static_cast<std::size_t>(i)] && flags.isCompound(i)) {
      chord.intervals[slot++] = static_cast<std::uint8_t>(i + 12);
    }
  }
}

}  // namespace strumly
