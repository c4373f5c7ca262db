// "Export Calculations...": the workbook goes where the user says and holds
// numbers under the comma-decimal locale of the test main, a cancelled
// dialog writes nothing, a failure is shown in the standard box.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>

#include "core/number_text.h"
#include "main_window_fixture.h"
#include "support/run_program.h"

namespace cv::ui::test {
namespace {

class ExportTest : public MainWindowTest {};

TEST_F(ExportTest, TheWorkbookGoesUnderTheChosenNameOrTheFailureIsShown) {
  AddDevice(GasSupply(), "Range", "Range", "65.5", "12.3");
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
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              c.written ? QStringList{c.written} : QStringList{});
    ASSERT_EQ(messages.Shown().size(), c.fails ? 1u : 0u);
    if (c.fails) {
      EXPECT_EQ(messages.Last().text.rfind("Error Number: ", 0), 0u);
      EXPECT_EQ(messages.Last().EffectiveTitle(), "CORVANTA Sizing Program");
    }
    if (c.written) {
      const QString book = dir.filePath(c.written);
      EXPECT_EQ(Window().statusBar()->currentMessage(), "Calculations exported to " + book);
      const auto sheet = cvtest::RunProgram("/usr/bin/unzip",
                                            {"-p", book.toStdString(), "xl/worksheets/sheet1.xml"});
      pugi::xml_document doc;
      ASSERT_TRUE(doc.load_string(sheet.out.c_str())) << sheet.err;
      const pugi::xpath_node_set cells = doc.select_nodes("//c[not(@t)]/v");
      EXPECT_EQ(cells.size(), 7u) << "the seven number columns of the run";
      for (const pugi::xpath_node& cell : cells)
        EXPECT_TRUE(TryParseNumber(cell.node().child_value())) << cell.node().child_value();
    }
    QFile::remove(dir.filePath("calc.xlsx"));
  }
}

}  // namespace
}  // namespace cv::ui::test
