// "Export Calculations...": the workbook goes where the user says, a
// cancelled dialog writes nothing, a failure is shown in the standard box.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "main_window_fixture.h"

namespace cv::ui::test {
namespace {

class ExportTest : public MainWindowTest {};

TEST_F(ExportTest, TheWorkbookGoesUnderTheChosenNameOrTheFailureIsShown) {
  AddDevice(GasSupply(), "Range", "Range", "65", "12");
  QTemporaryDir dir;
  const struct {
    const char* answer;  // nullptr: the dialog is cancelled
    const char* written;
    bool fails;
  } cases[] = {{"calc", "calc.xlsx", false},
               {nullptr, nullptr, false},
               {"missing/calc.xlsx", nullptr, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer ? c.answer : "cancelled");
    messages.Clear();
    files.Answer(c.answer ? std::optional(dir.filePath(c.answer)) : std::nullopt);
    Window().MenuAction("ExportCalculations")->trigger();
    EXPECT_EQ(files.Requests().back().filters, QStringList{"Excel Workbook (*.xlsx)"});
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              c.written ? QStringList{c.written} : QStringList{});
    if (c.written) {
      EXPECT_GT(QFileInfo(dir.filePath(c.written)).size(), 0);
    }
    ASSERT_EQ(messages.Shown().size(), c.fails ? 1u : 0u);
    if (c.fails) {
      EXPECT_EQ(messages.Last().text.rfind("Error Number: ", 0), 0u);
      EXPECT_NE(messages.Last().text.find("\nDescription: "), std::string::npos);
      EXPECT_EQ(messages.Last().EffectiveTitle(), "CORVANTA Sizing Program");
    }
    QFile::remove(dir.filePath("calc.xlsx"));
  }
}

}  // namespace
}  // namespace cv::ui::test
