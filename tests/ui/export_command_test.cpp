// "Export Calculations...": the workbook goes where the user says, a
// cancelled dialog writes nothing, a failure is shown in the standard box.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "main_window_fixture.h"

namespace cv::ui::test {
namespace {

class ExportTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    AddDevice(GasSupply(), "Range", "Range", "65", "12");
    messages.Clear();
  }
  void Export() { Window().MenuAction("ExportCalculations")->trigger(); }
  QTemporaryDir dir;
};

TEST_F(ExportTest, TheWorkbookIsWrittenUnderTheChosenName) {
  files.Answer(dir.filePath("calc"));
  Export();
  ASSERT_EQ(files.Requests().size(), 1u);
  EXPECT_TRUE(files.Requests()[0].save);
  EXPECT_EQ(files.Requests()[0].filters, QStringList{"Excel Workbook (*.xlsx)"});
  EXPECT_TRUE(messages.Shown().empty());
  QFileInfo written(dir.filePath("calc.xlsx"));
  EXPECT_TRUE(written.exists());
  EXPECT_GT(written.size(), 0);
}

TEST_F(ExportTest, CancellingTheDialogWritesNothing) {
  files.Answer(std::nullopt);
  Export();
  EXPECT_TRUE(messages.Shown().empty());
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(ExportTest, AFolderThatDoesNotExistIsReportedInTheStandardBox) {
  files.Answer(dir.filePath("missing/calc.xlsx"));
  Export();
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Last().text.rfind("Error Number: ", 0), 0u);
  EXPECT_NE(messages.Last().text.find("\nDescription: "), std::string::npos);
  EXPECT_EQ(messages.Last().EffectiveTitle(), "CORVANTA Sizing Program");
}

}  // namespace
}  // namespace cv::ui::test
