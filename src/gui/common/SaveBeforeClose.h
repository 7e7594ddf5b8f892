#pragma once
// The save questions asked before the program closes, one per modified document, in the order
// the documents were registered (Play page, Chord Design page, raw tab, tab file). Each page
// registers its document when it is built.
#include <QList>
#include <QString>
#include <functional>

class QWidget;

namespace strumly::gui {

class DialogService;

struct ClosingDocument {
  // Whole questions, so each language words them its own way: without and with the file name.
  QString question;        // "Save PlayPage changes before closing?"
  QString questionToFile;  // "Save PlayPage changes to %1 before closing?"
  std::function<bool()> isModified;
  std::function<QString()> fileName;  // empty when the document has none yet
  std::function<bool()> save;         // false when the save failed or was cancelled
};

class SaveBeforeClose {
 public:
  void add(ClosingDocument document) { documents_ << std::move(document); }
  int count() const { return documents_.size(); }

  // The question for one document: the one naming its file when it has one.
  static QString question(const ClosingDocument& document);
  // Asks for every modified document. False when the close must be refused: Cancel, or a save
  // that did not succeed.
  bool mayClose(DialogService& dialogs, QWidget* parent) const;

 private:
  QList<ClosingDocument> documents_;
};

}  // namespace strumly::gui
