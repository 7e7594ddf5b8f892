#pragma once
// The "&Key", "&Major", "M&inor", "&Dominant" and "&Scale" menus: fills them with their items and
// keeps the current choice (key, and chord type or scale) that "Show Chords" acts on. The choice
// is shown in the tool panel's read-outs: the key in editChordRoot, the chord or scale in
// editChordName, and the button reads "Show Chords" or "Show Scale". Every item is a command of
// the table it is given (the shell's: ids "mnuC".."mnuB" for the keys, the menu's name and the
// item's position for the others, such as "mnuMajor1" or "mnuMoreScales0"), so the busy rule is
// that table's gate; the handlers keep their names.
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "core/chords/ChordMenuTable.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace strumly::gui {

class CommandTable;
class NoteSpelling;

class ChordMenus : public QObject {
  Q_OBJECT
 public:
  struct Menus {
    QMenu* key = nullptr;    // "&Key": gets mnuC .. mnuB in pitch-class order
    QMenu* major = nullptr;  // each holds its "More ..." submenu as item 0
    QMenu* minor = nullptr;
    QMenu* dominant = nullptr;
    QMenu* scale = nullptr;
  };
  struct Readouts {
    QLineEdit* editChordRoot = nullptr;
    QLineEdit* editChordName = nullptr;
    QPushButton* btnShowChords = nullptr;
    QLabel* nameLabel = nullptr;  // "Chord Name" / "Scale Name"
  };

  ChordMenus(const Menus& menus, const Readouts& readouts, NoteSpelling& spelling, CommandTable& commands,
             QObject* parent = nullptr);

  // The key chosen in the Key menu; nothing until the user picks one (the read-out is empty).
  std::optional<PitchClass> key() const { return key_; }
  MenuChoice choice() const { return choice_; }
  bool scaleChosen() const { return choice_.scale; }
  const Readouts& readouts() const { return readouts_; }

  // "Show Chords" with no chord type picked yet falls back to the major chord.
  void chooseMajorWhenUnnamed();

  // The item handlers, by the item's position within its own menu.
  void mnuCClick(int position);
  void major1Click(int position);        // "&Major"
  void maj7add131Click(int position);    // its "More Chords..."
  void minor1Click(int position);        // "M&inor"
  void m111Click(int position);          // its "More Chords..."
  void N71Click(int position);           // "&Dominant"
  void N791Click(int position);          // its "More Chords..."
  void IonianMajor1Click(int position);  // "&Scale"
  void Enigmatic1Click(int position);    // "More Scales..."
  // The root read-out as it loses focus.
  void editChordRootExit();

 Q_SIGNALS:
  void choiceChanged();

 private:
  void fillKeys(QMenu* menu);
  void fill(QMenu* menu, ChoiceMenu kind, const QString& mainId, void (ChordMenus::*mainHandler)(int),
            const QString& moreId, void (ChordMenus::*moreHandler)(int));
  // Declares one item in the table and appends it to `menu`.
  void addItem(QMenu* menu, const QString& id, const QString& caption, std::function<void()> handler);
  void choose(std::optional<MenuChoice> choice);
  void respell();

  Readouts readouts_;
  NoteSpelling& spelling_;
  CommandTable& commands_;
  std::optional<PitchClass> key_;
  MenuChoice choice_;
};

}  // namespace strumly::gui
