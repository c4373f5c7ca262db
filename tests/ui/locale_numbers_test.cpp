// Numbers the window stores, under the comma-decimal locale of the test
// main: showing nodes in metric units and pressing Update stores nothing new,
// and numbers typed with the comma are taken.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "core/number_text.h"
#include "main_window_fixture.h"
#include "project/document.h"
#include "ui/panels/supply_panel.h"
#include "ui/windows/project_wiring.h"

namespace cv::ui::test {
namespace {

class NumbersTest : public MainWindowTest {
 protected:
  void Wire(MainWindow& window, Seams& s) override { InstallProjectControllers(window, s); }
  void SetUp() override {
    MainWindowTest::SetUp();
    QTreeWidgetItem* tee = AddDevice(GasSupply(), "Tee", "Tee", "0", "25");
    AddDevice(tee, "Range", "Range", "65.5", "12.3");
    AddDevice(tee, "Furnace", "Furnace", "40", "40");
    messages.Clear();
  }
  void Supply(int method, const QString& pressure = {}, const QString& drop = {}) {
    auto* supply = Window().findChild<SupplyPanel*>();
    (method == 0 ? supply->optFixedDropMethod : supply->optUserDefinedDropMethod)->click();
    if (method == 1) {
      supply->txtMetricSupplyPressureDrop->setText(pressure);
      supply->txtUserDefinedAllowablePressureDrop->setText(drop);
    }
    supply->cmdUpdateSupplyParameters->click();
    ASSERT_TRUE(messages.Shown().empty()) << messages.Last().text;
  }
};

TEST_F(NumbersTest, UpdatingEveryNodeInMetricUnitsStoresNothingNew) {
  Supply(0);  // the version a supply update writes
  const std::string before = SerializeDocument(Doc());
  Supply(1, "17.4", "1.25");
  for (const char* node : {"Tee", "Range", "Furnace"}) {
    Click(Item(node));
    PressUpdate();
  }
  Click(Item("Tee"));
  EXPECT_EQ(Find<QLineEdit>("txtLength")->text(), "7.62") << "25 ft, rounded for reading";
  Supply(0);
  EXPECT_EQ(SerializeDocument(Doc()), before);
}

TEST_F(NumbersTest, MetricPressuresAreShownRoundedAndAnUntouchedBoxKeepsItsValue) {
  Supply(1, "17.4", "1.25");
  ProjectRoot(Doc()).attribute("InternalLowSupplyAllowablePressureDrop").set_value("0.5");
  QTemporaryDir dir;
  for (const char* command : {"SaveAs", "Open"}) {
    files.Answer(dir.filePath("metric.cv"));
    Window().MenuAction(command)->trigger();
  }
  auto* supply = Window().findChild<SupplyPanel*>();
  EXPECT_EQ(supply->txtUserDefinedAllowablePressureDrop->text(), "1.24");
  supply->cmdUpdateSupplyParameters->click();
  const double drop =
      ParseNumber(ProjectRoot(Doc()).attribute("InternalLowSupplyAllowablePressureDrop").value());
  EXPECT_NEAR(drop, 0.5, 1e-12) << "the value behind the box, not 1.24 mb";
}

TEST_F(NumbersTest, BoxesTakeTheLocalesDecimalComma) {
  Click(Item("Range"));
  Type("txtLength", "22,5");
  PressUpdate();
  EXPECT_EQ(Field(Item("Range"), "length"), "22.5");
  Supply(1, "22,5", "2,5");  // fails on a message
  EXPECT_EQ(RootAttributeText(ProjectRoot(Doc()), kAttrInternalLowSupplyPressure),
            FormatNumber(22.5 * 0.402201));
}

}  // namespace
}  // namespace cv::ui::test
