// The splash, help and About windows: the debug switch, the
// help file's reading, and how the start-up and the Help menu show them.
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "main_window_fixture.h"
#include "ui/windows/about_window.h"
#include "ui/windows/help_window.h"
#include "ui/windows/program.h"
#include "ui/windows/small_windows.h"
#include "ui/windows/splash_window.h"

namespace cv::ui::test {
namespace {

QString WriteTemp(const QTemporaryDir& dir, const QByteArray& bytes) {
  const QString path = dir.filePath("CVSizeHelp.txt");
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(bytes);
  return path;
}

// A missing or unreadable help file gives a one-line note, and no box.
TEST(HelpText, EveryLineEndsInCrLfAndAMissingFileGivesANote) {
  QTemporaryDir dir;
  EXPECT_EQ(ReadHelpText(WriteTemp(dir, "one\ntwo")), "one\r\ntwo\r\n");
  EXPECT_EQ(ReadHelpText(WriteTemp(dir, "one\r\n\r\ntwo\r\n")), "one\r\n\r\ntwo\r\n");
  EXPECT_EQ(ReadHelpText(WriteTemp(dir, "")), QString());
  EXPECT_EQ(ReadHelpText(dir.filePath("missing.txt")), std::nullopt);
  ScriptedMessageSink messages;
  ScriptedPrinterDialogs printers;
  Seams seams{&messages, nullptr, &printers};
  for (const QString& path : {dir.filePath("missing.txt"), dir.path()}) {
    HelpWindow help(seams, path);
    EXPECT_EQ(help.txtHelp->toPlainText(), MissingHelpNote(path));
    EXPECT_FALSE(help.txtHelp->toPlainText().contains(QLatin1Char('\n')));
  }
  EXPECT_TRUE(messages.Shown().empty());
}

// The start-up and the Help menu with the small windows attached.
class SmallWindowsTest : public MainWindowTest {
 protected:
  void Wire(MainWindow& window, Seams& s) override { WireControllers(window, s); }
  SmallWindows& Windows() { return *Window().findChild<SmallWindows*>("SmallWindows"); }
};

TEST_F(SmallWindowsTest, StartUpShowsTheSplashModallyThenTheHelpBesideTheTree) {
  SplashWindow* splash = Windows().Splash();
  ASSERT_NE(splash, nullptr);
  EXPECT_TRUE(splash->isVisible());
  EXPECT_EQ(splash->windowModality(), Qt::ApplicationModal);
  EXPECT_EQ(Windows().Help(), nullptr) << "the help waits for the splash";

  splash->cmdEnter->click();
  HelpWindow* help = Windows().Help();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  const QWidget* view = Window().Tree()->parentWidget();
  EXPECT_FALSE(help->frameGeometry().intersects(QRect(view->mapToGlobal(QPoint()), view->size())));
  EXPECT_FALSE(help->isModal());
  EXPECT_TRUE(help->txtHelp->toPlainText().startsWith("HOW TO USE"));

  // Until its box is cleared.
  EXPECT_TRUE(help->chkShowAtStartUp->isChecked());
  help->chkShowAtStartUp->click();
  MainWindow next(seams);
  WireControllers(next, seams);
  ASSERT_TRUE(next.StartUp());
  auto* windows = next.findChild<SmallWindows*>("SmallWindows");
  windows->Splash()->cmdEnter->click();
  EXPECT_EQ(windows->Help(), nullptr);
}

TEST_F(SmallWindowsTest, HelpMenuShowsOneHelpWindowAndAboutFollowsTheDebugState) {
  Windows().Splash()->cmdEnter->click();
  Windows().Help()->cmdOK->click();
  Window().MenuAction("Howto")->trigger();
  HelpWindow* help = Windows().Help();
  EXPECT_TRUE(help->isVisible());
  Window().MenuAction("Howto")->trigger();
  EXPECT_EQ(Windows().Help(), help);

  State().DebugMode = true;
  Window().MenuAction("About")->trigger();
  auto* about = Window().findChild<AboutWindow*>("frmAbout");
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->isVisible());
  EXPECT_EQ(about->cmdDebug->text(), "Debugging On");
  about->cmdDebug->click();
  EXPECT_FALSE(State().DebugMode);
}

}  // namespace
}  // namespace cv::ui::test
