// The dialogs a new user meets: the file filters, the overwrite question of
// written files, the printer set-up, the PDF name the print dialog proposes
// and the help window at start-up.
#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QPrintDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "main_window_fixture.h"
#include "ui/help_window.h"
#include "ui/print_commands.h"
#include "ui/program.h"
#include "ui/qt_dialogs.h"
#include "ui/small_windows.h"
#include "ui/splash_window.h"

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

TEST(FileDialogs, AWrittenFileGetsItsSuffixAndReplacingItIsAsked) {
  auto dialog = MakeOutputFileDialog(nullptr, "Export", "Excel Workbook (*.xlsx)", "xlsx");
  EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
  EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_EQ(dialog->defaultSuffix(), "xlsx");
}

TEST(PrintSetup, TheDialogDoesNotOfferToPrint) {
  QPrinter printer;
  auto dialog = MakePrintSetupDialog(printer, nullptr);
  for (const QPushButton* button : dialog->findChildren<QPushButton*>())
    EXPECT_NE(button->text().remove('&'), "Print");
}

TEST(PrintProposal, TheProjectsNameInTheLastFolderOrTheProjects) {
  struct Case {
    QString project, lastFolder, proposed;
  };
  const Case cases[] = {
      {"/work/house.cv", "", "/work/house.pdf"},
      {"/work/house.v2.cv", "/out", "/out/house.v2.pdf"},
      {"/work/plan", "", "/work/plan.pdf"},
      {"", "", QDir::home().filePath("New Project.pdf")},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ProposedPdfName(c.project, c.lastFolder), c.proposed) << c.project.toStdString();
}

TEST(HelpPlace, TheStartUpHelpNeverCoversTheTree) {
  struct Case {
    int screenWidth, treeRight;
    QRect place;
  };
  const QRect window(0, 20, 940, 640);
  const Case cases[] = {
      {1920, 560, QRect(940, 20, 620, 520)},  // beside the window
      {1280, 560, QRect(660, 20, 620, 520)},  // over the panel
      {1024, 560, QRect(561, 20, 463, 520)},  // narrowed, right of the tree
  };
  for (const Case& c : cases)
    EXPECT_EQ(StartUpHelpPlace(window, c.treeRight, {620, 520}, QRect(0, 0, c.screenWidth, 900)),
              c.place)
        << c.screenWidth;
}

class WindowDialogsTest : public MainWindowTest {
 protected:
  void Wire(MainWindow& window, Seams& s) override { WireControllers(window, s); }
  SmallWindows& Windows() { return *Window().findChild<SmallWindows*>("SmallWindows"); }
};

TEST_F(WindowDialogsTest, PrintSetupIsInThePrintMenuAndThePdfIsNamedAfterTheProject) {
  EXPECT_TRUE(Window()
                  .MenuAction("PrintSetup")
                  ->associatedObjects()
                  .contains(Window().findChild<QMenu*>("Print")));
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
