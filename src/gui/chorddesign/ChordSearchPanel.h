#pragma once
// The chord search of the Chord Design page: the two option groups, "Search" and the result list.
// Each result row keeps the chord type it names (list index: the dictionary's 0..61, then the
// user's types) and its root; a press on a selected row starts a drag onto the design group.
#include <QWidget>
#include <filesystem>
#include <optional>

#include "core/chords/ChordSearch.h"

class QButtonGroup;
class QListWidget;
class QPushButton;

namespace strumly {
struct AppSettings;
}

namespace strumly::gui {

class DialogService;
class NoteSpelling;
class Transport;

class ChordSearchPanel : public QWidget {
  Q_OBJECT
 public:
  static constexpr const char* kMimeType = "application/x-strumly-design-drag";

  ChordSearchPanel(const ChordDiagram& designChord, const AppSettings& settings,
                   std::filesystem::path dataFolder, const NoteSpelling& spelling, const Transport& transport,
                   DialogService& dialogs, QWidget* parent = nullptr);

  // btnSearchClick: the list holds the chord types that name the design's notes.
  void btnSearchClick();

  IntervalOption intervalOption() const;
  RootOption rootOption() const;
  void setIntervalOption(IntervalOption option);
  void setRootOption(RootOption option);
  QListWidget* list() const { return listChordDesign_; }
  // The chord type and root of the selected row; nothing for no row or "No Chords Found".
  std::optional<ChordSearchMatch> selectedMatch() const;
  // The design group is cleared by opening a file.
  void clearResults();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 Q_SIGNALS:
  void pointerMoved();

 private:
  const ChordDiagram& designChord_;
  const AppSettings& settings_;
  std::filesystem::path dataFolder_;
  const NoteSpelling& spelling_;
  const Transport& transport_;
  DialogService& dialogs_;
  QButtonGroup* rgIntervalOp_;
  QButtonGroup* rgRootOp_;
  QPushButton* btnSearch_;
  QListWidget* listChordDesign_;
};

}  // namespace strumly::gui
