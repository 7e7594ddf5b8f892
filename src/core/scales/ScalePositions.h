#pragma once
// Where a scale lies on the neck: the frets each of the six positions of a set covers with the
// "Scale Diagrams" span (4, 5 or 6 frets), the notes of the scale on those frets or on the whole
// neck, and how a new set of the Scales page is filled and headed.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/pages/DiagramRecords.h"
#include "core/scales/ScaleDictionary.h"
#include "core/theory/IntervalDisplay.h"
#include "core/theory/Pitch.h"
#include "core/views/ChordPicture.h"

namespace strumly {

constexpr int kScalePositions = 6;
constexpr int kMinScaleSpan = 4;
constexpr int kMaxScaleSpan = 6;
constexpr int kDefaultScaleSpan = 5;
// A beginning fret the user may choose; 21 or more would leave the position nothing to show.
constexpr int kLowestBeginFret = 1;
constexpr int kHighestBeginFret = 20;
// The highest fret the neck shows.
constexpr int kHighestNeckFret = 22;
inline constexpr std::array<std::uint8_t, kScalePositions> kNewSetBeginFrets{1, 4, 8, 12, 16, 20};

// A span outside 4..6 (a hand-edited settings file) is brought to the nearest one.
int clampScaleSpan(int span);

// The frets a position beginning at `beginFret` covers on the neck: a position at fret 1 takes
// the open strings and span - 1 frets, any other the span from its beginning fret; never past
// fret 22.
FretRange positionFrets(int beginFret, int span);
// What the neck shows of a set: the whole neck with Display Full Fretboard down, else the frets of
// the position.
FretRange shownFrets(const ScaleDiagram& scale, int position, int span, bool fullFretboard);

// The pitch classes of the scale: each interval up to the first 99 (all ten without one) above
// the root.
std::array<bool, 12> scalePitchClasses(const ScaleDiagram& scale);

struct ScaleNote {
  int string = 0;
  int fret = 0;
  bool root = false;
  bool operator==(const ScaleNote&) const = default;
};

// Every place of a scale note within the frets, string 0 first and frets upward on each string.
std::vector<ScaleNote> scaleNotes(const ScaleDiagram& scale, FretRange frets);

struct ScalePosition {
  int beginFret = 1;
  FretRange frets;
  std::vector<ScaleNote> notes;
};
// The six positions of a set with the span.
std::array<ScalePosition, kScalePositions> scalePositions(const ScaleDiagram& scale, int span);

// The note map the LED guitar shows: the notes on frets 0..21, roots marked.
LedFrame scaleLeds(const std::vector<ScaleNote>& notes);

// The tuning name a set gets when the tuning has none: one blank and the note name of each open
// string, the lowest string first, cut to 15 characters.
std::string builtScaleTuningName(const Tuning& tuning, const NoteNames& names);

// The set Show Scale adds: the record's intervals and formula, the scale's caption, the tuning the
// page holds (its name, or the built one when it has none), the key as root and the beginning
// frets of a new set.
ScaleDiagram newScaleSet(const ScaleRecord& record, std::string_view caption, const Tuning& tuning,
                         std::string_view tuningName, PitchClass root, const NoteNames& names);

// " C D E ...": one blank and the name of each scale note, in interval order.
std::string scaleNoteNames(const ScaleDiagram& scale, const NoteNames& names);
// The heading over a set: root, name, notes, formula and tuning.
std::string scaleSetHeading(const ScaleDiagram& scale, const NoteNames& names);

}  // namespace strumly
