#pragma once
// The Chord Design group apart from its pixels: six slots in the page holders, the selected slot
// (shown on the fretboard as the design chord), the target of the popup commands, the modified
// flag and the placement a press completes: a chord carried from another page, or one taken up
// by "Move", which opens its new slot by shifting the slots between the two places one up.
#include <array>
#include <optional>
#include <vector>

#include "core/pages/PageHolders.h"

namespace strumly {

enum class DesignPlacement {
  None,
  Carried,  // "CURFRET": holders.heldChord came from another page
  Moving,   // "CURMOVE": holders.heldChord was taken out of the group by Move
};

class DesignGroup {
 public:
  static constexpr int kSlots = PageHolders::kDesignSlots;
  using Voicings = std::array<ChordDiagram, kSlots>;

  explicit DesignGroup(PageHolders& holders) : holders_(holders) {}

  const ChordDiagram& slot(int k) const { return holders_.designGroup[idx(k)]; }
  bool isUsed(int k) const { return k >= 0 && k < kSlots && !slot(k).isEmpty(); }
  bool anyUsed() const;

  std::optional<int> selected() const { return selected_; }
  std::optional<int> target() const { return target_; }
  void setTarget(int k) { target_ = k; }
  bool isModified() const { return modified_; }
  void setModified(bool modified) { modified_ = modified; }
  DesignPlacement placement() const { return placement_; }
  std::optional<int> moveSource() const { return moveSource_; }

  // The slot becomes the selection and its chord the design chord.
  void select(int k);
  // Whatever the slot held is replaced by the chord (made used); the group is modified.
  void store(int k, const ChordDiagram& chord);
  // The six dictionary voicings of a search result replace the whole group; slot 0 is selected.
  void storeVoicings(const Voicings& voicings);

  // heldChord is carried here; the next press drops it.
  void startCarried() { placement_ = DesignPlacement::Carried; }
  // Move: the target is held, remembered as the source and blanked. False for an empty slot.
  bool beginMove(int k);
  // The moved chord put into slot a. When a is used and is not the source, the slots from a up
  // to the source (counting upward, wrapping 5 to 0) move one place up first, so nothing is
  // overwritten. Returns every slot whose chord changed; a becomes selected.
  std::vector<int> placeMoved(int a);
  // A pending placement is given up (another page entered, the foot switch, a right press on a
  // carried chord). A chord taken up by Move goes back to its slot rather than being lost; that
  // slot is returned so it can be drawn again.
  std::optional<int> cancelPlacement();

  // Delete: the slot is blanked (the group is not marked modified). When it was selected, the
  // first used slot from slot 0 on is selected; with none left the selection stays.
  void erase(int k);
  // New / Erase and a file opened: every slot empty or replaced, nothing pending, not modified.
  void clear();
  void opened();

 private:
  static std::size_t idx(int k) { return static_cast<std::size_t>(k); }
  ChordDiagram& at(int k) { return holders_.designGroup[idx(k)]; }

  PageHolders& holders_;
  std::optional<int> selected_;
  std::optional<int> target_;
  std::optional<int> moveSource_;
  DesignPlacement placement_ = DesignPlacement::None;
  bool modified_ = false;
};

}  // namespace strumly
