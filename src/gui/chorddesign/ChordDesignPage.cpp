#include "gui/chorddesign/ChordDesignPage.h"

#include <QScrollArea>
#include <QVBoxLayout>

#include "gui/app/PageCanvas.h"
#include "gui/chorddesign/FretControls.h"

namespace strumly::gui {

ChordDesignPage::ChordDesignPage(ChordDiagram& designChord, QWidget* parent)
    : QWidget(parent), designChord_(designChord), fretControls_(new FretControls(this)) {
  setObjectName("pageChordDesign");
  addPageCanvas(this, "listChordDesign", QString());
  // The fret controls stand above the list of designs.
  static_cast<QVBoxLayout*>(layout())->insertWidget(0, fretControls_);
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

bool ChordDesignPage::neckPressed(const Tuning& tuning, const QString& tuningName, int string, int fret,
                                  Qt::MouseButton button) {
  if (!fretControls_->applyNeckPress(designChord_, tuning, tuningName, string, fret, button)) return false;
  Q_EMIT designEdited();
  return true;
}

}  // namespace strumly::gui
