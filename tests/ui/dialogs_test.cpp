// The dialogs a new user meets: the file filters, the printer set-up, the
// PDF name the print dialog proposes and the help window at start-up.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "main_window_fixture.h"
#include "ui/files/qt_dialogs.h"
#include "ui/files/recent_files.h"
#include "ui/windows/help_window.h"
#include "ui/windows/program.h"
#include "ui/windows/small_windows.h"
#include "ui/windows/splash_window.h"

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
  EXPECT_EQ(QtFileDialogs().OutputFileName(nullptr, "Export", "SVG (*.svg)", "svg"),
            dir.filePath("plan.svg"));
  auto startFolder = [] { return MakeOutputFileDialog(nullptr, "", "*", "")->directory().path(); };
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

class WindowDialogsTest : public MainWindowTest {
 protected:
  void Wire(MainWindow& window, Seams& s) override { WireControllers(window, s); }
  SmallWindows& Windows() { return *Window().findChild<SmallWindows*>("SmallWindows"); }
};

TEST_F(WindowDialogsTest, ThePrintDialogProposesAPdfNamedAfterTheProject) {
  QTemporaryDir dir;
  files.Answer(dir.filePath("house.cv"));
  Window().MenuAction("SaveAs")->trigger();
  printers.Answer(false);
  Window().MenuAction("PrintDesignLayout")->trigger();
  EXPECT_EQ(printers.ProposedFile(), dir.filePath("house.pdf"));
}

TEST_F(WindowDialogsTest, TheHelpOpensAtStartUpUntilItsBoxIsCleared) {
  Windows().Splash()->cmdEnter->click();
  HelpWindow* help = Windows().Help();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->chkShowAtStartUp->isChecked());
  help->chkShowAtStartUp->click();

  MainWindow next(seams);
  WireControllers(next, seams);
  ASSERT_TRUE(next.StartUp());
  auto* windows = next.findChild<SmallWindows*>("SmallWindows");
  windows->Splash()->cmdEnter->click();
  EXPECT_EQ(windows->Help(), nullptr);
}

}  // namespace
}  // namespace cv::ui::test
