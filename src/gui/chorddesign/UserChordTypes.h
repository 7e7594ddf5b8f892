#pragma once
// The user's own chord types behind the chord-type list: its popup "Add User Chord" / "Delete
// User Chord", the add dialog, and the settings sections the types are kept in. The list and the
// run's settings change only after the file was written, so they always agree with it.
#include <QObject>
#include <functional>

class QComboBox;
class QMenu;

namespace strumly {
class AppSettingsStore;
struct AppSettings;
}  // namespace strumly

namespace strumly::gui {

class ChordDesignPage;
class DialogService;
class TdlgAddChord;

class UserChordTypes : public QObject {
  Q_OBJECT
 public:
  // `refreshDisplay` redraws the interval display after a type was deleted.
  UserChordTypes(ChordDesignPage& page, AppSettingsStore& store, AppSettings& settings,
                 DialogService& dialogs, std::function<void()> refreshDisplay, QObject* parent = nullptr);

  // Start-up: the list shows the types read with the settings; damaged sections are told once.
  void showLoaded();
  // pmenu6AddClick: the dialog, modal; on OK with an interval the type is stored and listed.
  void pmenu6AddClick();
  // The dialog was accepted: stores its type.
  void addChosenType();
  // pmenu6DeleteClick: the selected user type leaves the file and the list.
  void pmenu6DeleteClick();

  QMenu* popup() const { return popmenu6_; }
  TdlgAddChord* dialog() const { return dlgAddChord_; }

 private:
  void reload(int selectIndex);
  void tellWriteFailure(const std::exception& error);

  ChordDesignPage& page_;
  AppSettingsStore& store_;
  AppSettings& settings_;
  DialogService& dialogs_;
  std::function<void()> refreshDisplay_;
  QMenu* popmenu6_;
  TdlgAddChord* dlgAddChord_;
};

}  // namespace strumly::gui
