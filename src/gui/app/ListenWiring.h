#pragma once
// Listening joined to the rest of the program: the Options menu's tuner and the Listen button
// of the pages, both switched off, with the reason as their tooltip, when there is no audio input.
#include <QObject>
#include <memory>

namespace strumly {
class AppSettingsStore;
}

namespace strumly::gui {

class ListenOnPages;
class ProgramParts;
class TdlgTuner;

class ListenWiring : public QObject {
  Q_OBJECT
 public:
  explicit ListenWiring(ProgramParts& parts);
  ~ListenWiring() override;

  // Start-up, once the settings were read and the input looked for.
  void start(AppSettingsStore& store);
  // "Tuner...": opens the tuner, which listens while it is open.
  void mnuTunerClick();
  // Null until first opened.
  TdlgTuner* tuner() { return tuner_; }
  ListenOnPages& pages() { return *pages_; }

 private:
  ProgramParts& parts_;
  AppSettingsStore* store_ = nullptr;
  TdlgTuner* tuner_ = nullptr;  // owned by the main window
  std::unique_ptr<ListenOnPages> pages_;
};

}  // namespace strumly::gui
