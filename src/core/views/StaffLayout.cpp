#include "core/views/StaffLayout.h"

#include <array>
#include <set>

namespace strumly {
namespace {

// Letter C 0 .. B 6 for each pitch class, black keys under the letter of their flat.
constexpr std::array<int, 12> kLetter{0, 1, 1, 2, 2, 3, 4, 4, 5, 5, 6, 6};
constexpr std::array<bool, 12> kBlack{false, true,  false, true,  false, false,
                                      true,  false, true,  false, true,  false};

constexpr int kLowestDrawn = 19;
constexpr int kHighestHead = 63;
constexpr int kHighestAccidental = 61;
constexpr int kBottomLine = 35;  // the first ledger line below the staff (middle C)
constexpr int kTopLine = 47;     // the first ledger line above the staff (A5)

bool hasHead(int p) {
  return p >= kLowestDrawn && p <= kHighestHead;
}
bool hasAccidental(int p) {
  return p >= kLowestDrawn && p <= kHighestAccidental;
}
int headX(int p) {
  return p % 2 == 0 ? 93 : 65;
}
int headY(int p) {
  return 132 - 3 * (p - kLowestDrawn);
}
int accidentalX(int p) {
  return p % 2 == 0 ? (p % 4 == 0 ? 81 : 82) : (p % 4 == 1 ? 53 : 54);
}
int accidentalY(int p) {
  return 128 - 3 * (p - kLowestDrawn);
}

class Placer {
 public:
  explicit Placer(StaffLayout& out) : out_(out) {}

  void place(int pitch) {
    int p = staffPosition(pitch);
    if (p < 0 || p >= kStaffPositions || !hasHead(p)) return;
    const bool black = kBlack[static_cast<std::size_t>(pitch % 12)];
    StaffGlyph accidental = StaffGlyph::Flat;
    bool besideNatural = false;
    if (black && occupied_[static_cast<std::size_t>(p)]) {
      if (p > 0 && occupied_[static_cast<std::size_t>(p - 1)]) {
        besideNatural = true;
      } else {
        p -= 1;
        accidental = StaffGlyph::Sharp;
      }
    }
    if (!hasHead(p)) return;
    occupied_[static_cast<std::size_t>(p)] = true;
    out_.positions.push_back(p);
    const int shift = besideNatural ? 5 : 0;
    out_.marks.push_back({StaffGlyph::NoteHead, headX(p) + shift, headY(p)});
    if (black && hasAccidental(p)) {
      out_.marks.push_back({accidental, accidentalX(p) + (besideNatural ? 6 : 0), accidentalY(p)});
      if (besideNatural) out_.marks.push_back({StaffGlyph::Natural, accidentalX(p), accidentalY(p)});
    }
    addLedgerLines(p);
  }

 private:
  void addLedgerLines(int p) {
    for (int line = kBottomLine, y = 86; line >= p; line -= 2, y += 6) ledgers_.insert(y);
    for (int line = kTopLine, y = 50; line <= p; line += 2, y -= 6) ledgers_.insert(y);
    out_.ledgerLineYs.assign(ledgers_.begin(), ledgers_.end());
  }

  StaffLayout& out_;
  std::array<bool, kStaffPositions> occupied_{};
  std::set<int> ledgers_;
};

}  // namespace

int staffPosition(int pitch) {
  return 7 * (pitch / 12) + kLetter[static_cast<std::size_t>(pitch % 12)];
}

StaffLayout layoutStaff(const NoteSet& notes) {
  StaffLayout layout;
  Placer placer(layout);
  for (int pass = 0; pass < 2; ++pass) {
    const bool blackPass = pass == 1;
    for (int pitch = 0; pitch < static_cast<int>(notes.size()); ++pitch)
      if (notes[static_cast<std::size_t>(pitch)] != 0 &&
          kBlack[static_cast<std::size_t>(pitch % 12)] == blackPass)
        placer.place(pitch);
  }
  return layout;
}

}  // namespace strumly
