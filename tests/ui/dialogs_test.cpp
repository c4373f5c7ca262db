// The dialogs a new user meets: the file filters, the folder the file
// dialogs start in and the printer set-up.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "ui/files/recent_files.h"
#include "ui/seams/qt_dialogs.h"

namespace cv::ui::test {
namespace {

TEST(FileDialogs, AllFilesFindsANameWithoutAnExtension) {
  QTemporaryDir dir;
  for (const char* name : {"house", "house.cv"})
    QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
  const QString all = kProjectFilters.at(0);
  const QString pattern = all.mid(all.indexOf('(') + 1).chopped(1);
  EXPECT_EQ(QDir(dir.path()).entryList({pattern}, QDir::Files), QStringList({"house", "house.cv"}));
}

TEST(FileDialogs, StartInTheFolderLastUsedWhileItIsThere) {
  QTemporaryDir dir;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->selectFile(dir.filePath("plan.svg"));
    static_cast<QDialog*>(dialog)->accept();  // as the Save button does
  });
  EXPECT_EQ(QtFileDialogs().OutputFileName(nullptr, "Export", "SVG (*.svg)", "svg", "plan.svg"),
            dir.filePath("plan.svg"));
  auto startFolder = [] {
    return MakeOutputFileDialog(nullptr, "", "*", "", "")->directory().path();
  };
  EXPECT_EQ(startFolder(), QDir(dir.path()).absolutePath());
  QTemporaryDir project;
  UseRecentFile(project.filePath("house.cv"));  // opened or saved
  EXPECT_EQ(startFolder(), QDir(project.path()).absolutePath());
  project.remove();
  EXPECT_EQ(startFolder(), QDir::homePath());
}

TEST(PrintSetup, TheDialogDoesNotOfferToPrint) {
  QPrinter printer;
  auto dialog = MakePrintSetupDialog(printer, nullptr);
  for (const QPushButton* button : dialog->findChildren<QPushButton*>())
    EXPECT_NE(button->text().remove('&'), "Print");
}

}  // namespace
}  // namespace cv::ui::test
