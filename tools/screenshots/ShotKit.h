#pragma once
// What every screenshot walk shares: the presses and menu triggers a user makes, the saved
// picture, and a registry so each area of the program keeps its walk in a file of its own.
#include <QEvent>
#include <QPoint>
#include <QString>
#include <functional>

class QMenu;
class QWidget;

namespace strumly {
class FakeAudioInput;
}  // namespace strumly

namespace strumly::gui {
class MidiSession;
class ProgramParts;
class ScriptedDialogService;
}  // namespace strumly::gui

namespace strumly::shots {

// Lets the event loop draw what the last press changed.
void settle();
// Triggers the menu item with this caption, searching submenus; stops the tool when it is missing.
void trigger(QMenu* menu, const QString& caption);
void mouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button);
void press(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
// The middle of the marker at a neck position, in neck pixels (right-handed).
QPoint neckPoint(int string, int fret);
// Grabs the whole widget into `path`; false (and a line on stderr) when it could not be written.
bool save(QWidget& window, const QString& path);

struct ShotContext {
  gui::ProgramParts& parts;
  gui::ScriptedDialogService& dialogs;
  QString out;                      // the output folder, ending in '/'
  FakeAudioInput* audio = nullptr;  // what Listen and the tuner hear
};

// A walk returns false when a picture could not be made. Walks run in the order of their names,
// each after the ones before it, on the same running program.
using ShotWalk = std::function<bool(ShotContext&)>;
struct RegisterShots {
  RegisterShots(const char* name, ShotWalk walk);
};
void runRegisteredShots(ShotContext& context, bool& ok);

}  // namespace strumly::shots
