#pragma once
// The about box `TfrmAboutBox`: the program's version, its web address, the disclaimers, and a
// credit of what the program runs on (Qt, FluidSynth, the General MIDI sound font in use,
// hidapi, the voices of the spoken note names) with the versions the libraries report, and
// "Licences..." with their licence texts.
#include <QDialog>

class QLabel;

namespace strumly::gui {

class DialogService;

// The address the link label opens.
inline constexpr const char* kStrumlyWebAddress = "https://github.com/strumly/strumly";

class TfrmAboutBox : public QDialog {
  Q_OBJECT
 public:
  // licenceFolder holds one text per credited part; soundFontPath is the sound font the synth
  // uses (empty: none found).
  TfrmAboutBox(DialogService& dialogs, const QString& licenceFolder, const QString& soundFontPath,
               QWidget* parent = nullptr);

  // The name and licence of a General MIDI sound font, from its file name.
  static QString soundFontCredit(const QString& soundFontPath);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void lblStrumlyWebClick();
  void showLicences();

  DialogService& dialogs_;
  QString licenceFolder_;
  QLabel* lblStrumlyWeb_;
};

// "Licences...": the shipped licence texts, one per credited part.
class LicencesView : public QDialog {
  Q_OBJECT
 public:
  explicit LicencesView(const QString& licenceFolder, QWidget* parent = nullptr);
};

}  // namespace strumly::gui
