#pragma once
// A DialogService for tests: answers come from queues the test fills, and every text shown is
// recorded. An empty answer queue answers Cancel / No / no file / no printer.
#include <QList>
#include <QString>
#include <QStringList>

#include "gui/common/DialogService.h"

namespace strumly::gui {

class ScriptedDialogService : public DialogService {
 public:
  QList<Answer> answers;
  QStringList fileNames;
  QList<bool> printerChoices;

  QStringList notices;
  QStringList questions;
  QList<Answer> confirmDefaults;  // the default button of each Yes/No question
  QStringList fileDialogTitles;

  void notice(QWidget*, const QString& text) override { notices << text; }
  Answer question(QWidget*, const QString& text) override {
    questions << text;
    return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
  }
  bool confirm(QWidget*, const QString& text, Answer defaultAnswer) override {
    questions << text;
    confirmDefaults << defaultAnswer;
    return !answers.isEmpty() && answers.takeFirst() == Answer::Yes;
  }
  QString openFileName(QWidget*, const QString& title, const QString&, const QString&) override {
    fileDialogTitles << title;
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
  }
  QString saveFileName(QWidget*, const QString& title, const QString&, const QString&,
                       const QString&) override {
    fileDialogTitles << title;
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
  }
  bool choosePrinter(QWidget*, QPrinter&) override {
    return !printerChoices.isEmpty() && printerChoices.takeFirst();
  }
};

}  // namespace strumly::gui
