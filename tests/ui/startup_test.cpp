// The start-up sequence and what the window offers right after it.
#include "ui/windows/startup.h"

#include <QAction>
#include <QComboBox>

#include "main_window_fixture.h"
#include "ui/panels/appliance_controller.h"

namespace cv::ui::test {
namespace {

TEST(ComponentVersion, ThresholdIsFivePointFive) {
  for (const char* old : {"5.4.3", "4.9", "ERROR", "", "x.y.z"})
    EXPECT_FALSE(ComponentVersionSufficient(old)) << old;
  for (const char* recent : {"5.5.0", "6.0", "10.1.2"})
    EXPECT_TRUE(ComponentVersionSufficient(recent)) << recent;
}

TEST(ComponentVersion, OldComponentEndsStartUpAfterTheMessage) {
  ScriptedMessageSink messages;
  Seams seams{&messages, nullptr, nullptr};
  MainWindow window(seams);
  bool newProjectRan = false;
  window.SetNewProjectHook([&] { newProjectRan = true; });
  window.SetComponentVersionSource([] { return "5.4.0"; });
  EXPECT_FALSE(window.StartUp());
  EXPECT_FALSE(newProjectRan);
  EXPECT_EQ(messages.Shown().size(), 1u);
}

class StartUpTest : public MainWindowTest {};

TEST_F(StartUpTest, ShowsTheGasSupplyOfAnUnchangedNewProject) {
  EXPECT_EQ(Window().Network().SelectedItem(), GasSupply());
  EXPECT_TRUE(messages.Shown().empty());
  EXPECT_FALSE(Window().Editor().Modified());
}

TEST_F(StartUpTest, EntriesWithoutTheirFeatureSaySoPlainly) {
  Window().MenuAction("PrintSetup")->trigger();
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_NE(messages.Last().text.find("not available yet"), std::string::npos);
  EXPECT_EQ(messages.Last().EffectiveTitle(), "CORVANTA Sizing Program");
}

TEST(Catalogue, MissingDatabaseIsReportedAndTheProgramGoesOn) {
  ScriptedMessageSink messages;
  Seams seams{&messages, nullptr, nullptr};
  MainWindow window(seams);
  ASSERT_TRUE(window.StartUp());
  messages.Clear();
  window.ApplianceView().LoadCatalogue("/nonexistent/folder/corvanta.db");
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Last().text.rfind("Error Number: 53", 0), 0u);
  EXPECT_EQ(window.findChild<QComboBox*>("cboEFV")->count(), 0);
  EXPECT_TRUE(window.State().EFVCollection.Models().empty());
}

}  // namespace
}  // namespace cv::ui::test
