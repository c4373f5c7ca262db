// The start-up sequence and what the window offers right after it.
#include "ui/startup.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>

#include "main_window_fixture.h"
#include "project/document.h"

namespace cv::ui::test {
namespace {

TEST(ComponentVersion, ThresholdIsFivePointFive) {
  EXPECT_FALSE(ComponentVersionSufficient(QStringLiteral("5.4.3")));
  EXPECT_FALSE(ComponentVersionSufficient(QStringLiteral("4.9")));
  EXPECT_FALSE(ComponentVersionSufficient(QStringLiteral("ERROR")));
  EXPECT_FALSE(ComponentVersionSufficient(QStringLiteral("")));
  EXPECT_FALSE(ComponentVersionSufficient(QStringLiteral("x.y.z")));
  EXPECT_TRUE(ComponentVersionSufficient(QStringLiteral("5.5.0")));
  EXPECT_TRUE(ComponentVersionSufficient(QStringLiteral("6.0")));
  EXPECT_TRUE(ComponentVersionSufficient(QStringLiteral("10.1.2")));
}

TEST(ComponentVersion, OldComponentEndsStartUpAfterTheMessage) {
  ScriptedMessageSink messages;
  Seams seams{&messages, nullptr, nullptr};
  MainWindow window(seams);
  bool newProjectRan = false;
  window.SetNewProjectHook([&] { newProjectRan = true; });
  window.SetComponentVersionSource([] { return QStringLiteral("5.4.0"); });
  EXPECT_FALSE(window.StartUp());
  EXPECT_FALSE(newProjectRan);
  ASSERT_EQ(messages.Shown().size(), 1u);
  const cv::Message& box = messages.Last();
  EXPECT_EQ(box.title, "Internet Explorer Error...");
  EXPECT_EQ(box.icon, cv::MessageIcon::Critical);
  EXPECT_EQ(box.text.rfind("Internet Explorer 5.5 or higher needed for this program!\n\n"
                           "Please visit:",
                           0),
            0u);
  EXPECT_NE(box.text.find("for the latest version of IE.\n\nThis program will now close..."),
            std::string::npos);
}

class StartUpTest : public MainWindowTest {};

TEST_F(StartUpTest, ShowsTheAppliancePageWithTheGasSupply) {
  EXPECT_EQ(Find<QTabWidget>("TabStrip1")->currentIndex(), 1);
  EXPECT_EQ(Window().SelectedItem(), GasSupply());
  EXPECT_EQ(GasSupply()->text(0), QStringLiteral("Gas Supply"));
  EXPECT_TRUE(messages.Shown().empty());
  EXPECT_FALSE(State().ProjectModified);
  EXPECT_EQ(State().UnitSystem, "English");
  EXPECT_EQ(Find<QLabel>("lblLoadLabel")->text(), QStringLiteral("kBTU"));
  EXPECT_EQ(Find<QLabel>("lblLengthLabel")->text(), QStringLiteral("ft"));
  EXPECT_TRUE(AllSystemNodes(Doc()).empty());
}

TEST_F(StartUpTest, FillsTheListsAndTheCatalogue) {
  auto* kinds = Find<QComboBox>("cboAppliance");
  ASSERT_EQ(kinds->count(), 13);
  EXPECT_EQ(kinds->itemText(0), QStringLiteral("Regulator"));
  EXPECT_EQ(kinds->itemText(12), QStringLiteral("EFV"));
  EXPECT_EQ(Find<QComboBox>("cboMaterial")->count(), 2);
  EXPECT_GE(Find<QComboBox>("cboEFV")->count(), 5);
  EXPECT_FALSE(State().EFVCollection.Models().empty());
}

TEST_F(StartUpTest, MenusCarryTheirCaptionsAndNames) {
  const std::pair<const char*, const char*> entries[] = {
      {"New", "&New"},
      {"Open", "&Open..."},
      {"ExportCalculations", "Export Calculations..."},
      {"Save", "&Save"},
      {"SaveAs", "Save &As..."},
      {"PrintProject", "Entire Project"},
      {"PrintDesignLayout", "Design Layout"},
      {"PrintMaterialList", "Material List"},
      {"PrintSetup", "P&rint Setup..."},
      {"Exit", "E&xit"},
      {"Howto", "How to use"},
      {"About", "About"},
      {"mnuTreeClickAddNewAppliance", "Add New Appliance"},
      {"mnuTreeClickRemoveAppliance", "Remove Appliance"},
  };
  for (const auto& [name, caption] : entries) {
    QAction* action = Window().MenuAction(QString::fromLatin1(name));
    ASSERT_NE(action, nullptr) << name;
    EXPECT_EQ(action->text(), QString::fromLatin1(caption)) << name;
    EXPECT_EQ(action->objectName(), QString::fromLatin1(name));
  }
  QList<QAction*> menus = Window().menuBar()->actions();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(menus[0]->text(), QStringLiteral("&File        "));
  EXPECT_EQ(menus[1]->text(), QStringLiteral("&Help"));
  EXPECT_EQ(Window().MenuAction(QStringLiteral("Save"))->shortcut(), QKeySequence::Save);
}

TEST_F(StartUpTest, EntriesWithoutTheirFeatureSaySoPlainly) {
  Window().MenuAction(QStringLiteral("PrintSetup"))->trigger();
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
  window.LoadCatalogue("/nonexistent/folder/corvanta.db");
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Last().text.rfind("Error Number: 53", 0), 0u);
  EXPECT_EQ(window.findChild<QComboBox*>(QStringLiteral("cboEFV"))->count(), 0);
  EXPECT_TRUE(window.State().EFVCollection.Models().empty());
}

}  // namespace
}  // namespace cv::ui::test
