#pragma once
// "Tuner": hears one string at a time and shows the nearest string of the current tuning, the
// note sounding, a needle in cents and "in tune" within 3 cents. The reference A4 (430..450 Hz)
// is kept in Kv.ini as it changes. It listens while it is open; Listen on a page or the
// preferences' meter take the input over, and the tuner then says so.
#include <QDialog>
#include <functional>
#include <memory>

#include "core/app/AppSettings.h"
#include "core/theory/Pitch.h"

class QLabel;
class QSpinBox;

namespace strumly {
class AppSettingsStore;
class NoteListener;
}  // namespace strumly

namespace strumly::gui {

class AudioFeed;
class TunerNeedle;

class TdlgTuner : public QDialog {
  Q_OBJECT
 public:
  struct Setup {
    AudioFeed& audio;
    AppSettings& settings;
    std::function<Tuning()> tuning;     // the tuning the bottom panel shows now
    std::function<NoteNames()> names;   // flats or sharps, as the program names notes
    AppSettingsStore* store = nullptr;  // where the A4 goes; none: for the run only
  };
  TdlgTuner(Setup setup, QWidget* parent = nullptr);
  ~TdlgTuner() override;

  // The latest reading; called as the samples arrive, and by tests.
  void showReading();
  void setReferenceA4(int hz);

  QLabel* stringLabel() const { return lblString_; }
  QLabel* noteLabel() const { return lblNote_; }
  QLabel* inTuneLabel() const { return lblInTune_; }
  QLabel* statusLabel() const { return lblStatus_; }
  QSpinBox* referenceBox() const { return spinA4_; }
  TunerNeedle* needle() const { return needle_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void startListening();
  void stopped(QObject* holder, const QString& lostReason);

  Setup setup_;
  std::unique_ptr<NoteListener> listener_;
  QLabel* lblString_;
  QLabel* lblNote_;
  QLabel* lblInTune_;
  QLabel* lblStatus_;
  QSpinBox* spinA4_;
  TunerNeedle* needle_;
};

}  // namespace strumly::gui
