// Real printouts: the Print menu and the help window print through QPrinter
// into a PDF file, which is read back with pdftotext.
#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "main_window_fixture.h"
#include "ui/help_window.h"
#include "ui/print_commands.h"
#include "ui/program.h"
#include "ui/small_windows.h"

namespace cv::ui::test {
namespace {

// The text of a PDF file, pages separated by form feeds; empty when the
// tool is missing or fails.
QString PdfText(const QString& path) {
  QProcess tool;
  tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  if (!tool.waitForFinished(-1) || tool.exitCode() != 0) return {};
  return QString::fromUtf8(tool.readAllStandardOutput());
}

int PageCount(const QString& text) { return static_cast<int>(text.count(QLatin1Char('\f'))); }

// How often the words stand on one line of the text, blanks between them
// counting as one.
int Occurrences(const QString& text, const QString& words) {
  static const QRegularExpression blanks(QStringLiteral("[ \\t]+"));
  return static_cast<int>(QString(text)
                              .replace(blanks, QStringLiteral(" "))
                              .count(QString(words).replace(blanks, QStringLiteral(" "))));
}

class PdfPrintTest : public MainWindowTest {
 protected:
  void Wire(MainWindow& window, Seams& s) override { WireControllers(window, s); }

  void SetUp() override {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
      GTEST_SKIP() << "pdftotext is not installed";
    MainWindowTest::SetUp();
    ASSERT_TRUE(dir_.isValid());
  }

  // Points the printer at a PDF file, as choosing "Print to File" does.
  QString ToPdf(QPrinter& printer, const QString& name) {
    const QString path = dir_.filePath(name);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return path;
  }

  PrintCommands& Commands() {
    return *Window().findChild<PrintCommands*>(QStringLiteral("PrintCommands"));
  }

  QTemporaryDir dir_;
};

TEST_F(PdfPrintTest, EntireProjectGivesALayoutPageAndAMaterialListPage) {
  QTreeWidgetItem* tee = AddDevice(GasSupply(), QStringLiteral("Main tee"), QStringLiteral("Tee"));
  AddDevice(tee, QStringLiteral("Kitchen range"), QStringLiteral("Range"), QStringLiteral("65"));
  AddDevice(tee, QStringLiteral("Water heater"), QStringLiteral("Water Heater"),
            QStringLiteral("40"));
  const QString pdf = ToPdf(Commands().Printer(), QStringLiteral("project.pdf"));
  Window().MenuAction(QStringLiteral("PrintProject"))->trigger();
  ASSERT_TRUE(messages.Shown().empty()) << messages.Texts().front();

  const QString text = PdfText(pdf);
  EXPECT_EQ(PageCount(text), 2);
  const QStringList pages = text.split(QLatin1Char('\f'));
  for (const char* expected : {"System Settings", "System Layout", "Gas Supply", "Main tee  [1]",
                               "Kitchen range  [2]", "Water heater  [3]", "Gas Type: Natural Gas"})
    EXPECT_EQ(Occurrences(pages[0], QLatin1String(expected)), 1) << expected;
  EXPECT_EQ(Occurrences(pages[1], QStringLiteral("Material List")), 1);
  EXPECT_EQ(Occurrences(pages[1], QStringLiteral("System Settings")), 1);
}

TEST_F(PdfPrintTest, LongLayoutRunsOverPagesWithEveryNodeReadable) {
  QTreeWidgetItem* manifold =
      AddDevice(GasSupply(), QStringLiteral("Manifold"), QStringLiteral("Manifold"));
  for (int i = 1; i <= 30; ++i)
    AddDevice(manifold, QStringLiteral("Lamp %1").arg(i), QStringLiteral("Lamp"),
              QStringLiteral("2"), QStringLiteral("5"));
  const QString pdf = ToPdf(Commands().Printer(), QStringLiteral("layout.pdf"));
  Window().MenuAction(QStringLiteral("PrintDesignLayout"))->trigger();
  ASSERT_TRUE(messages.Shown().empty());

  const QString text = PdfText(pdf);
  EXPECT_GE(PageCount(text), 2);
  for (int i = 1; i <= 30; ++i) {
    const QString label = QStringLiteral("Lamp %1  [%2]").arg(i).arg(i + 1);
    EXPECT_EQ(Occurrences(text, label), 1) << label.toStdString();
  }
  EXPECT_EQ(Occurrences(text, QStringLiteral("System Settings")), 1);
}

TEST_F(PdfPrintTest, HelpPrintoutHasTheTitleAndTheText) {
  QTemporaryDir dir;
  const QString helpPath = dir.filePath(QStringLiteral("CVSizeHelp.txt"));
  QFile file(helpPath);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("Drawing the network\r\nSize\tLength\r\n");
  file.close();
  HelpWindow help(seams, helpPath);
  const QString pdf = ToPdf(help.Printer(), QStringLiteral("help.pdf"));
  help.cmdPrint->click();
  const QString text = PdfText(pdf);
  EXPECT_EQ(PageCount(text), 1);
  EXPECT_EQ(Occurrences(text, QStringLiteral("CORVANTA Sizer Help")), 1);
  EXPECT_EQ(Occurrences(text, QStringLiteral("Drawing the network")), 1);
  EXPECT_EQ(Occurrences(text, QStringLiteral("Size Length")), 1);
}

}  // namespace
}  // namespace cv::ui::test
