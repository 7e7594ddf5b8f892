#pragma once
// The drawing of the play page onto its picture: the measure grid with the time-signature
// pictures, measure numbers and bar lines, the repeat and loop markers, the play start marker
// and the slots (a tiny diagram under the chord's name). Positions come from the play page
// layout of the core; the page calls refresh() on the picture afterwards.
#include <QImage>
#include <optional>

#include "core/playpage/PlayPageData.h"
#include "core/practice/PlayAlongScorer.h"
#include "core/theory/Pitch.h"

namespace strumly::gui {

class PageImage;

struct SlotStyle {
  NoteNames names;
  bool leftHanded = false;
  bool smallFont = true;  // "Use Small Font for Chord Name" on the play page
};

class PlayPageCanvas {
 public:
  static constexpr int kWidth = 840;

  explicit PlayPageCanvas(PageImage& image) : image_(image) {}

  // DrawPlayGrid: every row's time signature, measure numbers and bar lines, and the play start
  // marker at the first slot.
  void DrawPlayGrid(TimeSignature signature);
  // DrawRepeatMarkers: start and end repeats with their counts, and the loop marker where Loop
  // Play is down.
  void DrawRepeatMarkers(TimeSignature signature, const RepeatMarkers& markers, bool loopShown);
  // RedrawPlayPage: every cell blanked and every filled slot drawn again.
  void RedrawPlayPage(const PlaySlots& slots, const SlotStyle& style);
  void eraseCell(SlotPos slot);
  void drawSlot(SlotPos slot, const ChordDiagram& chord, const SlotStyle& style);
  // The play start marker moves: the old place is covered, the new one marked.
  void movePlayStart(SlotPos from, SlotPos to);
  // The beat cursor at beat index b (linear slot / 2): REDSLASH while playing, BLAKSLAS put back.
  void drawBeatCursor(int beatIndex, bool shown);
  static int beatCursorRowTop(int beatIndex) { return 132 * (beatIndex / 6); }
  // The step cursor STEPARRW under a slot in step play; what it covered comes back when it moves
  // on or goes (no slot).
  void moveStepCursor(std::optional<SlotPos> slot);
  // A take's verdict in the strip under a slot's diagram (between the cell and the marker band):
  // right a full green bar, partly an amber bar half filled, missed a red outline. Shape and colour
  // both tell them apart. No verdict: the strip is blank again.
  void drawVerdictMark(SlotPos slot, std::optional<StrumVerdict> verdict);

 private:
  void drawPicture(const char* name, int x, int y);

  PageImage& image_;
  std::optional<SlotPos> stepAt_;
  QImage stepCovered_;
};

}  // namespace strumly::gui
