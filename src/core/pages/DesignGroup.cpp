#include "core/pages/DesignGroup.h"

#include "core/pages/PageFiles.h"

namespace strumly {

bool DesignGroup::anyUsed() const {
  for (int k = 0; k < kSlots; ++k)
    if (isUsed(k)) return true;
  return false;
}

void DesignGroup::select(int k) {
  selected_ = k;
  target_ = k;
  holders_.designChord = slot(k);
}

void DesignGroup::store(int k, const ChordDiagram& chord) {
  at(k) = chord;
  at(k).empty = 0;
  updatePitches(at(k));
  modified_ = true;
}

void DesignGroup::storeVoicings(const Voicings& voicings) {
  for (int k = 0; k < kSlots; ++k) store(k, voicings[idx(k)]);
  select(0);
}

bool DesignGroup::beginMove(int k) {
  if (!isUsed(k)) return false;
  holders_.heldChord = slot(k);
  moveSource_ = k;
  at(k).empty = 1;
  placement_ = DesignPlacement::Moving;
  return true;
}

std::vector<int> DesignGroup::placeMoved(int a) {
  std::vector<int> changed;
  const int b = moveSource_.value_or(a);
  if (isUsed(a) && a != b) {
    const int k = (b - a + kSlots) % kSlots;
    for (int i = 0; i < k; ++i) {
      const int to = (b - i + kSlots) % kSlots;
      at(to) = slot((b - i + kSlots - 1) % kSlots);
      changed.push_back(to);
    }
  }
  store(a, holders_.heldChord);
  changed.push_back(a);
  placement_ = DesignPlacement::None;
  moveSource_.reset();
  select(a);
  return changed;
}

std::optional<int> DesignGroup::cancelPlacement() {
  const DesignPlacement was = placement_;
  placement_ = DesignPlacement::None;
  const std::optional<int> source = moveSource_;
  moveSource_.reset();
  if (was != DesignPlacement::Moving || !source || isUsed(*source)) return std::nullopt;
  at(*source) = holders_.heldChord;
  at(*source).empty = 0;
  return source;
}

void DesignGroup::erase(int k) {
  at(k).empty = 1;
  if (selected_ != k) return;
  for (int s = 0; s < kSlots; ++s) {
    if (isUsed(s)) {
      select(s);
      return;
    }
  }
}

void DesignGroup::clear() {
  holders_.clearDesignGroup();
  opened();
  selected_.reset();
  target_.reset();
}

void DesignGroup::opened() {
  placement_ = DesignPlacement::None;
  moveSource_.reset();
  modified_ = false;
  if (const std::optional<int> first = firstUsedDesignSlot(holders_)) {
    selected_ = *first;
    target_ = *first;
  }
}

}  // namespace strumly
