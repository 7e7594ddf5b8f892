#pragma once
// The play page apart from its pixels: the song's slots, time signature and repeat markers, the
// play start, the single-level undo, and every edit the mouse and the popup menu make. The model
// never asks anything: a command that needs a Yes first returns the question without changing
// anything, and the page calls the command's Confirmed variant after a Yes. Refusing edits while
// playback runs is the page's job.
#include <optional>
#include <utility>

#include "core/playpage/PlayPageData.h"

namespace strumly {

// The cursor of the page image while something is carried to a slot.
enum class PlacementCursor {
  None,
  FromOtherPage,  // CURFRET: a chord sent from another page
  MoveChord,      // CURMOVE: a play-page chord cut or copied, or dragged with Ctrl
  MoveMeasure,    // CMEASMOV: a measure cut or copied
};

// Yes/No questions (title "Strumly", question icon); No abandons the command.
enum class PlayQuestion { ReplaceDiagram, ReplaceMeasure, DeleteDiagram, DeleteMeasure };
const char* questionText(PlayQuestion question);

// Keys held during a placement or drop: Alt inserts instead of replacing, Ctrl keeps the
// placement cursor so the same chord or measure can be dropped again.
struct PlaceKeys {
  bool alt = false;
  bool ctrl = false;
};

enum class MeasureFill { Blank, CopyOfSource };
enum class MeasureMode { Replace, Insert };

// The popup items that need a chord under the press; every other item is always enabled.
struct PlayPopupItems {
  bool playChord = false;
  bool sendToDesign = false;
  bool sendToPrint = false;
  bool deleteChord = false;
  bool cutMoveChord = false;
  bool copyMoveChord = false;
};

// Measure number (1-based) of the slot at (column, row).
int measureOfSlot(TimeSignature signature, SlotPos slot);

class PlayPageModel {
 public:
  PlayPageModel();

  // --- Song ---
  const PlaySlots& slots() const { return slots_; }
  PlaySlots& slots() { return slots_; }  // for the file reader
  const ChordDiagram& slot(SlotPos pos) const { return slots_[index(pos)]; }
  bool isFilled(SlotPos pos) const { return !slot(pos).isEmpty(); }
  bool measureHasChord(int measure) const;  // 0-based

  TimeSignature timeSignature() const { return signature_; }
  int slotsPerMeasure() const { return strumly::slotsPerMeasure(signature_); }
  int measureOfSlot(SlotPos pos) const { return strumly::measureOfSlot(signature_, pos); }
  // sbtnTime: chords stay in their slots, the play start goes back to the first slot and the
  // working markers come from the saved set of the new signature.
  void setTimeSignature(TimeSignature signature);

  // Erase / New: the page as at start-up in the current signature: every slot free, both saved
  // marker sets at their defaults, play start (0, 0), no undo, nothing carried, not modified.
  void erase();
  // The user's Erase: the same, but Undo brings the erased chords and both saved marker sets
  // back (when there was a chord to bring back).
  void eraseUndoably();

  // --- Repeat markers ---
  const RepeatMarkers& workingMarkers() const { return working_; }
  RepeatMarkers& workingMarkers() { return working_; }
  RepeatMarkers& savedMarkers(TimeSignature signature);
  const RepeatMarkers& savedMarkers(TimeSignature signature) const;
  // Every use of the markers starts from the saved set of the current signature.
  void loadWorkingMarkers();
  // What the Repeat Markers dialog keeps on OK.
  void storeWorkingMarkers();

  // --- Play start ---
  SlotPos playStart() const { return playStart_; }
  void setPlayStart(SlotPos pos) { playStart_ = pos; }
  // imgPlayPageDblClick on clickedSlot: the new play start when the slot is one of the first two
  // of a measure and no placement cursor is active (the old marker is at the previous
  // playStart()); nothing otherwise.
  std::optional<SlotPos> doubleClick();

  // --- Modified flag and undo ---
  bool isModified() const { return modified_; }
  void setModified(bool modified) { modified_ = modified; }
  bool undoAvailable() const { return undoAvailable_; }
  const PlaySlots& undoSlots() const { return undoSlots_; }
  void takeUndoSnapshot();
  // After a file was read: the snapshot becomes the page without enabling undo.
  void resetUndoToPage() { undoSlots_ = slots_; }
  // Restores the slots of the snapshot (after eraseUndoably the marker sets too); tempo and the
  // modified flag stay. False when there was nothing to undo.
  bool undo();
  // The snapshot is the page as it was before eraseUndoably.
  bool undoRestoresErase() const { return undoAvailable_ && undoMarkers_.has_value(); }
  // After a save the page as it stands is the only version: nothing is left to undo.
  void forgetUndo() { undoAvailable_ = false; }

  // --- Mouse ---
  // imgPlayPageMouseDown on a grid slot: remembers it for the popup commands. True when a drag
  // may start from it (the slot holds a chord); otherwise the drag shows the no-drop cursor.
  bool press(SlotPos pos);
  SlotPos clickedSlot() const { return clickedSlot_; }
  PlayPopupItems popupItems() const;

  PlacementCursor placement() const { return placement_; }
  // "Send to PlayPage" on another page put the chord into heldChord.
  void beginPlacementFromOtherPage() { placement_ = PlacementCursor::FromOtherPage; }
  // Back to the default cursor with no cut pending.
  void cancelPlacement();

  // A press at `pos` while a placement cursor is active, carrying `held` (heldChord). With nothing
  // held or the right button the placement is cancelled. A question means nothing happened yet:
  // after Yes call placeHeldConfirmed, after No leave everything as it is. Without a question
  // the press is done (placed, or cancelled).
  std::optional<PlayQuestion> placeHeld(SlotPos pos, const ChordDiagram& held, bool rightButton,
                                        PlaceKeys keys);
  void placeHeldConfirmed(SlotPos pos, const ChordDiagram& held, PlaceKeys keys);
  int heldMeasure() const { return heldMeasure_; }  // 0-based
  bool chordCutPending() const { return chordCutPending_; }
  bool measureCutPending() const { return measureCutPending_; }

  // Drop of a chord dragged from clickedSlot onto `target`: copies it (Alt: inserts it into the
  // target's measure) and leaves the source; heldChord becomes the dragged chord. A drag from a
  // free slot drops nothing. Question and Confirmed as for placeHeld.
  std::optional<PlayQuestion> dropDragged(SlotPos target, ChordDiagram& heldChord, PlaceKeys keys);
  void dropDraggedConfirmed(SlotPos target, ChordDiagram& heldChord, PlaceKeys keys);

  // --- Popup commands, all on clickedSlot ---
  void insertSpace();
  std::optional<PlayQuestion> deleteChord();
  void deleteChordConfirmed();
  // Both return the chord to put into heldChord and switch to the MoveChord cursor.
  ChordDiagram cutMoveChord();
  ChordDiagram copyMoveChord();
  void insertMeasure();
  // Takes the undo snapshot before asking.
  std::optional<PlayQuestion> deleteMeasure();
  void deleteMeasureConfirmed();
  void cutMoveMeasure();
  void copyMoveMeasure();

  // --- Building blocks, as the commands use them ---
  // Puts `chord` (or a free slot) at `pos`; the later slots of its measure move one place right
  // and the measure's last chord is lost. Nothing crosses a measure boundary.
  void insertIntoMeasure(SlotPos pos, const ChordDiagram& chord);
  void insertSpaceIntoMeasure(SlotPos pos);
  // Writes measure `target` (0-based) blank or as a copy of measure `source` as the undo snapshot
  // holds it (a cut measure is blank on the page by then). Insert first moves every measure from
  // the target on one measure later; what passes the last slot is lost.
  void placeMeasure(MeasureFill fill, MeasureMode mode, int source, int target);

  // SetTuningFromPlayPage: the first filled slot going down column 0, then column 1, and so on.
  std::optional<SlotPos> firstFilledSlotColumnMajor() const;

 private:
  static std::size_t index(SlotPos pos) { return static_cast<std::size_t>(pos.index()); }
  void insertIntoMeasure(SlotPos pos, const ChordDiagram* chord);
  void finishPlacement(PlaceKeys keys);
  void blankMeasure(int measure);

  PlaySlots slots_{};
  TimeSignature signature_ = TimeSignature::FourFour;
  RepeatMarkers working_;
  RepeatMarkers saved34_;
  RepeatMarkers saved44_;
  PlaySlots undoSlots_{};
  bool undoAvailable_ = false;
  std::optional<std::pair<RepeatMarkers, RepeatMarkers>> undoMarkers_;  // 3/4, 4/4 before an erase
  bool modified_ = false;
  SlotPos playStart_;
  bool chordCutPending_ = false;
  bool measureCutPending_ = false;
  int heldMeasure_ = 0;
  PlacementCursor placement_ = PlacementCursor::None;
  SlotPos clickedSlot_;
};

}  // namespace strumly
