#pragma once
// A DialogService for tests: answers come from queues the test fills, and every text shown is
// recorded. An empty answer queue answers Cancel / No / no file / no printer.
#include <QList>
#include <QPair>
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
  QStringList fileDialogFilters;
  QList<QPair<int, int>> printerRanges;  // the page range each print dialog offered
  int previews = 0;

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
  QString openFileName(QWidget*, const QString& title, const QString&, const QString& filter) override {
    fileDialogTitles << title;
    fileDialogFilters << filter;
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
  }
  QString saveFileName(QWidget*, const QString& title, const QString&, const QString& filter,
                       const QString&) override {
    fileDialogTitles << title;
    fileDialogFilters << filter;
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
  }
  bool choosePrinter(QWidget*, QPrinter&, int minPage, int maxPage) override {
    printerRanges << qMakePair(minPage, maxPage);
    return !printerChoices.isEmpty() && printerChoices.takeFirst();
  }
  void previewPrint(QWidget*, QPrinter&, const std::function<void(QPrinter*)>&) override { ++previews; }
  QList<int> helpContexts;  // every help request, in order
  int tipWindows = 0;       // how often the tip of the day was shown
  void help(QWidget*, int context) override { helpContexts << context; }
  void tipOfTheDay(QWidget*, const TipFile&) override { ++tipWindows; }
};

}  // namespace strumly::gui
