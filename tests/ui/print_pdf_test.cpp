// A real printout: the Print menu prints through QPrinter into a PDF file,
// which is read back with pdftotext.
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "main_window_fixture.h"
#include "reports/print_diagram.h"
#include "support/project_builder.h"
#include "ui/output/print_commands.h"
#include "ui/seams/qt_print_surface.h"
#include "ui/windows/program.h"
#include "ui/windows/small_windows.h"

namespace cv::ui::test {
namespace {

// The text of a PDF file, pages separated by form feeds; empty when the
// tool is missing or fails.
QString PdfText(const QString& path) {
  QProcess tool;
  tool.start("pdftotext", {"-layout", path, "-"});
  if (!tool.waitForFinished(-1) || tool.exitCode() != 0) return {};
  return QString::fromUtf8(tool.readAllStandardOutput());
}

// How often the words stand on one line of the text, blanks between them
// counting as one.
int Occurrences(const QString& text, const QString& words) {
  static const QRegularExpression blanks("[ \\t]+");
  return static_cast<int>(
      QString(text).replace(blanks, " ").count(QString(words).replace(blanks, " ")));
}

class PdfPrintTest : public MainWindowTest {
 protected:
  void Wire(MainWindow& window, Seams& s) override { WireControllers(window, s); }

  void SetUp() override {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
      GTEST_SKIP() << "pdftotext is not installed";
    MainWindowTest::SetUp();
    ASSERT_TRUE(dir_.isValid());
  }

  // Points the printer at a PDF file, as choosing "Print to File" does.
  QString ToPdf(QPrinter& printer, const QString& name) {
    const QString path = dir_.filePath(name);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printers.PrintToFile(path);
    return path;
  }

  QTemporaryDir dir_;
};

TEST_F(PdfPrintTest, EntireProjectGivesLayoutMaterialListAndCalculationsPages) {
  QTreeWidgetItem* tee = AddDevice(GasSupply(), "Main tee", "Tee");
  AddDevice(tee, "Kitchen range", "Range", "65");
  AddDevice(tee, "Water heater", "Water Heater", "40");
  const QString pdf = ToPdf(Window().findChild<PrintCommands*>()->Printer(), "project.pdf");
  Window().MenuAction("PrintProject")->trigger();
  ASSERT_TRUE(messages.Shown().empty()) << messages.Texts().front();

  const QString text = PdfText(pdf);
  EXPECT_EQ(text.count(QLatin1Char('\f')), 3);
  const QStringList pages = text.split(QLatin1Char('\f'));
  for (const char* expected : {"System Settings", "System Layout", "Gas Supply", "Main tee  [1]",
                               "Kitchen range  [2]", "Water heater  [3]", "Gas Type: Natural Gas"})
    EXPECT_EQ(Occurrences(pages[0], QLatin1String(expected)), 1) << expected;
  EXPECT_EQ(Occurrences(pages[1], "Material List"), 1);
  EXPECT_EQ(Occurrences(pages[1], "System Settings"), 1);
  EXPECT_EQ(Occurrences(pages[2], "Calculations"), 1);
}

// The diagram through the Qt printer: colours, fills and clipping of the
// surface, a small network on one page and a wide one over captioned pages.
TEST_F(PdfPrintTest, DiagramPrintsEveryNodeOnOneOrSeveralPages) {
  for (int lamps : {3, 90}) {
    cvtest::TestProject project;
    pugi::xml_node manifold = project.Add(project.Root(), {.id = "1", .appliance = "Manifold"});
    for (int i = 1; i <= lamps; ++i)
      project.Add(manifold, {.id = std::to_string(10 + i),
                             .appliance = "Lamp",
                             .load = "2",
                             .description = "Lamp " + std::to_string(i)});
    project.Calculate();
    QPrinter printer(QPrinter::HighResolution);
    const QString pdf = ToPdf(printer, QStringLiteral("diagram%1.pdf").arg(lamps));
    {
      QtPrintSurface surface(printer, PrintPicture);
      cv::PrintDiagramJob(surface, project.Doc(), cv::LayOutDiagram(project.Doc()), {}, 1);
    }
    const QString text = PdfText(pdf);
    EXPECT_EQ(text.count(QLatin1Char('\f')) > 1, lamps > 3) << lamps;
    for (int i = 1; i <= lamps; ++i)
      EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\bLamp %1\\b").arg(i)))) << i;
  }
}

}  // namespace
}  // namespace cv::ui::test
