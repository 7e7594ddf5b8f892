#include "gui/common/DialogService.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>

namespace strumly::gui {

void setFileType(QFileDialog& dialog, const QString& filter) {
  const qsizetype open = filter.lastIndexOf('(');
  const qsizetype close = filter.lastIndexOf(')');
  const QString patterns = open >= 0 && close > open ? filter.mid(open + 1, close - open - 1) : QString();
  if (!patterns.contains(';')) {
    dialog.setNameFilter(filter);
    return;
  }
  // Qt matches the last parenthesised list and, with the details hidden, shows what precedes it.
  static const QRegularExpression separators("[;\\s]+");
  const QStringList each = patterns.split(separators, Qt::SkipEmptyParts);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilter(filter + " (" + each.join(' ') + ")");
}

void QtDialogService::notice(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, kNoticeTitle, text);
}

DialogService::Answer QtDialogService::question(QWidget* parent, const QString& text) {
  const auto button =
      QMessageBox::question(parent, kQuestionTitle, text,
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
  if (button == QMessageBox::Yes) return Answer::Yes;
  if (button == QMessageBox::No) return Answer::No;
  return Answer::Cancel;
}

bool QtDialogService::confirm(QWidget* parent, const QString& text, Answer defaultAnswer) {
  const auto byDefault = defaultAnswer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No;
  return QMessageBox::question(parent, kQuestionTitle, text, QMessageBox::Yes | QMessageBox::No, byDefault) ==
         QMessageBox::Yes;
}

void QtDialogService::makeDocumentFolder(const QString& folder) const {
  if (documentFolder_.isEmpty() || folder.isEmpty()) return;
  const QString clean = QDir::cleanPath(folder);
  if (clean.startsWith(QDir::cleanPath(documentFolder_) + '/') && !QFileInfo::exists(clean))
    QDir().mkpath(clean);
}

QString QtDialogService::openFileName(QWidget* parent, const QString& title, const QString& folder,
                                      const QString& filter) {
  makeDocumentFolder(folder);
  QFileDialog dialog(parent, title, folder);
  dialog.setFileMode(QFileDialog::ExistingFile);
  setFileType(dialog, filter);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

QString QtDialogService::saveFileName(QWidget* parent, const QString& title, const QString& folder,
                                      const QString& filter, const QString& defaultSuffix) {
  // Given a folder, or a file name in the folder to save in.
  const QFileInfo start(folder);
  makeDocumentFolder(folder.endsWith('/') || start.isDir() ? folder : start.absolutePath());
  QFileDialog dialog(parent, title, folder);
  setFileType(dialog, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(defaultSuffix);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

bool QtDialogService::choosePrinter(QWidget* parent, QPrinter& printer, int minPage, int maxPage) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  dialog.setMinMax(minPage, maxPage);
  return dialog.exec() == QDialog::Accepted;
}

void QtDialogService::previewPrint(QWidget* parent, QPrinter& printer,
                                   const std::function<void(QPrinter*)>& paint) {
  QPrintPreviewDialog dialog(&printer, parent);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
  dialog.exec();
}

}  // namespace strumly::gui
