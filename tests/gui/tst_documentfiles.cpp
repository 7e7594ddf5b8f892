// Save, Save As and Open of a page document: which file is written, what the page remembers, and
// what the user is told when a file cannot be read or written.
#include <QComboBox>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include "gui/common/DialogService.h"
#include "gui/common/DocumentFiles.h"
#include "gui/common/ScriptedDialogService.h"

using namespace strumly::gui;

class DocumentFilesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void aFileTypeOfSeveralPatternsReadsAsWrittenAndFindsEach() {
    QTemporaryDir dir;
    for (const char* name : {"a.gpr", "b.prf", "c.txt"}) {
      QFile f(dir.filePath(name));
      QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QFileDialog dialog(nullptr, "Open Print Page File", dir.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    setFileType(dialog, "Print Page Files (*.gpr; *.prf)");
    dialog.show();
    auto* shown = dialog.findChild<QComboBox*>("fileTypeCombo");
    QVERIFY(shown);
    QCOMPARE(shown->currentText(), QString("Print Page Files (*.gpr; *.prf)"));
    auto* list = dialog.findChild<QTreeView*>("treeView");
    QVERIFY(list);
    const auto listed = [list] {
      QStringList names;
      for (int i = 0; i < list->model()->rowCount(list->rootIndex()); ++i)
        names << list->model()->index(i, 0, list->rootIndex()).data().toString();
      return names;
    };
    QTRY_COMPARE(listed(), (QStringList{"a.gpr", "b.prf"}));
  }

  void saveAsksOnlyForANewNameOrSaveAs() {
    ScriptedDialogService dialogs;
    QString name;
    std::string folder = "/home/me/Scale";
    QVERIFY(!chooseSavePath(dialogs, nullptr, "Save", "", "spf", {name, folder}, false));  // cancelled
    QCOMPARE(name, QString());
    dialogs.fileNames << "/tmp/songs/blues.spf";
    QCOMPARE(*chooseSavePath(dialogs, nullptr, "Save", "", "spf", {name, folder}, false),
             "/tmp/songs/blues.spf");
    QCOMPARE(name, "blues.spf");
    QCOMPARE(folder, "/tmp/songs/");
    // A named document is saved where it is, without a dialog.
    QCOMPARE(*chooseSavePath(dialogs, nullptr, "Save", "", "spf", {name, folder}, false),
             "/tmp/songs/blues.spf");
    QCOMPARE(dialogs.fileDialogTitles.size(), 2);
    // With no folder remembered the path is the bare file name, not one in the root folder.
    std::string none;
    QCOMPARE(DocumentLocation({name, none}).path(), "blues.spf");
  }

  void unreadableAndUnwritableFilesAreTold() {
    QTemporaryDir dir;
    ScriptedDialogService dialogs;
    QVERIFY(!readDocumentBytes(dialogs, nullptr, dir.filePath("missing.spf")));
    const std::vector<std::uint8_t> bytes{1, 2, 3};
    QVERIFY(!writeDocumentBytes(dialogs, nullptr, dir.filePath("no/such/folder.spf"), bytes));
    QCOMPARE(dialogs.notices.size(), 2);
    QVERIFY(writeDocumentBytes(dialogs, nullptr, dir.filePath("written.spf"), bytes));
    QCOMPARE(*readDocumentBytes(dialogs, nullptr, dir.filePath("written.spf")), bytes);
    QCOMPARE(dialogs.notices.size(), 2);
  }
};

QTEST_MAIN(DocumentFilesTest)
#include "tst_documentfiles.moc"
