#pragma once
// Every message box, file dialog and print dialog the program shows goes through this one small
// interface, so tests can answer them without a screen. Notices are titled "Strumly!", questions
// "Strumly".
#include <QString>
#include <functional>

class QFileDialog;
class QPrinter;
class QWidget;

namespace strumly {
class TipFile;
}

namespace strumly::gui {

class DialogService {
 public:
  enum class Answer { Yes, No, Cancel };

  virtual ~DialogService() = default;
  virtual void notice(QWidget* parent, const QString& text) = 0;
  // Yes/No/Cancel with the question icon.
  virtual Answer question(QWidget* parent, const QString& text) = 0;
  // Yes/No with the question icon; true for Yes. `defaultAnswer` is the button Enter presses:
  // No for the questions that replace or erase the user's work.
  virtual bool confirm(QWidget* parent, const QString& text, Answer defaultAnswer) = 0;
  // Empty when the user cancels. `filter` is one file type as the user reads it: a name and its
  // patterns in parentheses, parted by blanks or by "; " ("Print Page Files (*.gpr; *.prf)").
  virtual QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                               const QString& filter) = 0;
  virtual QString saveFileName(QWidget* parent, const QString& title, const QString& folder,
                               const QString& filter, const QString& defaultSuffix) = 0;
  // True when the user accepts the print dialog; the printer then holds the chosen settings,
  // the page range among minPage..maxPage included.
  virtual bool choosePrinter(QWidget* parent, QPrinter& printer, int minPage, int maxPage) = 0;
  // The print preview; `paint` draws the sheets onto the printer it is given.
  virtual void previewPrint(QWidget* parent, QPrinter& printer,
                            const std::function<void(QPrinter*)>& paint) = 0;
  // Opens the help at the topic of a help context (F1, the Help buttons); a context with no
  // topic opens the contents. The help window does not block.
  virtual void help(QWidget* /*parent*/, int /*context*/) {}
  // The "Tip of the Day" window on this tip file, modal.
  virtual void tipOfTheDay(QWidget* /*parent*/, const TipFile& /*tips*/) {}

  static constexpr const char* kNoticeTitle = "Strumly!";
  static constexpr const char* kQuestionTitle = "Strumly";
};

// Sets a file type on a Qt file dialog. Qt parts patterns at blanks only, so a "; " list is shown
// as written while the dialog matches every pattern in it.
void setFileType(QFileDialog& dialog, const QString& filter);

// The real dialogs of Qt.
class QtDialogService : public DialogService {
 public:
  // The default document folders live under `folder` and are made by the first file dialog that
  // opens in one of them, so a user who never saves finds no empty folders in their Documents.
  void setDocumentFolder(const QString& folder) { documentFolder_ = folder; }
  void notice(QWidget* parent, const QString& text) override;
  Answer question(QWidget* parent, const QString& text) override;
  bool confirm(QWidget* parent, const QString& text, Answer defaultAnswer) override;
  QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                       const QString& filter) override;
  QString saveFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter,
                       const QString& defaultSuffix) override;
  bool choosePrinter(QWidget* parent, QPrinter& printer, int minPage, int maxPage) override;
  void previewPrint(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter*)>& paint) override;

 private:
  void makeDocumentFolder(const QString& folder) const;

  QString documentFolder_;
};

}  // namespace strumly::gui
