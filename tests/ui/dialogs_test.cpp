// The dialogs a new user meets: the file filters and the printer set-up.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include "ui/qt_dialogs.h"

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

TEST(PrintSetup, TheDialogDoesNotOfferToPrint) {
  QPrinter printer;
  auto dialog = MakePrintSetupDialog(printer, nullptr);
  for (const QPushButton* button : dialog->findChildren<QPushButton*>())
    EXPECT_NE(button->text().remove('&'), "Print");
}

}  // namespace
}  // namespace cv::ui::test
