// ShowScale: a scale set on the neck, the keyboard, the read-outs and the LED guitar.
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

#include "core/scales/ScalePositions.h"
#include "core/theory/Intervals.h"
#include "gui/views/Fretboard.h"
#include "gui/views/FretboardView.h"
#include "gui/views/KeyboardView.h"

namespace strumly::gui {
namespace {

void showInterval(QLabel* label, const QString& caption, int tag) {
  if (!label) return;
  label->setText(caption);
  label->setProperty("tag", tag);
  label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  palette.setColor(QPalette::Window, Qt::white);
  label->setPalette(palette);
}

void blackText(QLineEdit* edit, const QString& text) {
  if (!edit) return;
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Text, Qt::black);
  edit->setPalette(palette);
  edit->setText(text);
}

}  // namespace

void Fretboard::ShowScale(const ScaleDiagram& scale, int beginFret, int span) {
  if (widgets_.neck) widgets_.neck->restoreClean();
  leds_.clear();
  if (scale.isEmpty()) {
    ClearFretboard();
    Q_EMIT tuningShown(Tuning{}, QStringLiteral("Standard"));
    return;
  }
  const NoteNames& names = host_.noteNames();
  if (widgets_.nameCaption) widgets_.nameCaption->setText(tr("Scale Name:"));
  Q_EMIT tuningShown(Tuning{scale.tuning}, QString::fromLatin1(scale.tuningName.view()));
  blackText(widgets_.chordName,
            QString::fromLatin1(names.name(scale.root)) + ' ' + QString::fromLatin1(scale.name.view()));
  // Only eight interval boxes: a ten-note scale shows its first eight, the notes all ten.
  const int count = scaleNoteCount(scale.intervals);
  for (std::size_t i = 0; i < widgets_.intervals.size(); ++i) {
    const bool used = static_cast<int>(i) < count;
    const int interval = used ? scale.intervals[i] : 0;
    showInterval(widgets_.intervals[i], used ? QString::fromLatin1(intervalName(interval)) : QString(),
                 interval % 12);
  }
  blackText(widgets_.notes, QString::fromLatin1(scaleNoteNames(scale, names)));

  const bool full = buttons_.fullScale && buttons_.fullScale->isChecked();
  const FretRange frets = full ? FretRange{0, kHighestNeckFret} : positionFrets(beginFret, span);
  const std::vector<ScaleNote> notes = scaleNotes(scale, frets);
  if (widgets_.neck) {
    for (const ScaleNote& n : notes) {
      const std::optional<int> x = fretX(hand_, n.fret);
      const std::optional<int> y = stringY(n.fret, n.string);
      const std::optional<int> cell = chordMarkerCell(n.fret == 0 ? kFingerOpen : kFingerPlain, n.root);
      if (x && y && cell) widgets_.neck->drawMarker(*cell, *x, *y);
    }
  }
  leds_ = scaleLeds(notes);
  lastRoot_ = pitchClassOf(scale.root);
  chordShown_ = true;
  Q_EMIT ledsChanged(leds_);
  if (widgets_.keyboard) widgets_.keyboard->showScale(scale.intervals, scale.root);
}

}  // namespace strumly::gui
