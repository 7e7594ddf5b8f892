#pragma once
// The current spelling of note names (flats or sharps), switched as a pair of tables by the
// Flats/Sharps menu item. Views that show names listen to `changed` and re-read the tables.
#include <QObject>
#include <QString>

#include "core/theory/Pitch.h"

namespace strumly::gui {

class NoteSpelling : public QObject {
  Q_OBJECT
 public:
  explicit NoteSpelling(QObject* parent = nullptr) : QObject(parent) {}

  const NoteNames& names() const { return names_; }
  Spelling spelling() const { return names_.spelling; }
  void setSpelling(Spelling spelling);
  void toggle() { setSpelling(names_.spelling == Spelling::Flats ? Spelling::Sharps : Spelling::Flats); }

  QString name(int pitchOrClass) const { return QString::fromLatin1(names_.name(pitchOrClass)); }
  QString nameWithOctave(int pitch) const { return QString::fromLatin1(names_.nameWithOctave(pitch)); }

 Q_SIGNALS:
  void changed();

 private:
  NoteNames names_;
};

}  // namespace strumly::gui
