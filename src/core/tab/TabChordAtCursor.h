#pragma once
// "Send Chord at Cursor to Chord Design": the digits around the caret of the raw view, read down
// the six lines of the block that holds it, as a chord diagram for the Chord Design page.
#include <cstddef>
#include <optional>

#include "core/pages/DiagramRecords.h"
#include "core/tab/TabText.h"

namespace strumly {

// `caretLine` indexes `raw`; `caretColumn` counts from 1 (the character right of the caret).
// The block's top is found by walking up (at most six lines) while the lines have the caret
// line's length and no blank in the caret's column. Frets are read from columns p-1..p+1 (two
// digits at most make one fret, up to 22) in standard tuning. Nothing when no fret is found, when
// the walk would leave the text, or when the six lines do not all exist (only a complete read is
// sent).
std::optional<ChordDiagram> chordAtCursor(const TabLines& raw, std::size_t caretLine,
                                          std::size_t caretColumn);

}  // namespace strumly
