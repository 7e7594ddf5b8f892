#include "gui/chorddesign/ChordDesignPage.h"

#include "gui/app/PageCanvas.h"

namespace strumly::gui {

ChordDesignPage::ChordDesignPage(QWidget* parent) : QWidget(parent) {
  setObjectName("pageChordDesign");
  // The fret controls of the design page take their place above the canvas when they exist.
  addPageCanvas(this, "listChordDesign", QString());
  // A new design starts on the standard tuning with every string muted.
  designChord_.tuningName = "Standard";
  for (auto& s : designChord_.strings) s = StringFret{0, 5};
}

void ChordDesignPage::takeOverTuning(const Tuning& tuning, const QString& tuningName) {
  if (designChord_.isEmpty()) return;
  designChord_.tuning = tuning.pitches;
  designChord_.tuningName = tuningName.toStdString();
  for (std::size_t s = 0; s < designChord_.pitches.size(); ++s) {
    if (designChord_.pitches[s] != 0)
      designChord_.pitches[s] = static_cast<PitchNumber>(tuning.pitches[s] + designChord_.strings[s].fret);
  }
  Q_EMIT designRetuned();
}

}  // namespace strumly::gui
