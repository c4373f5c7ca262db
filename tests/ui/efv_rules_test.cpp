// Where an EFV or a regulator may stand: the drop table row by row, and the
// device kind list of the panel.
#include "ui/tree/efv_rules.h"

#include <QComboBox>
#include <QLineEdit>

#include "main_window_fixture.h"
#include "ui/tree/network_tree.h"
#include "ui/tree/tree_items.h"

namespace cv::ui::test {
namespace {

// A tree built by hand: items keyed "<n> <name>" with the kind as image.
class DropTable : public ::testing::Test {
 protected:
  QTreeWidgetItem* Node(QTreeWidgetItem* parent, const char* name, const char* kind) {
    const QString text = QString::fromLatin1(name);
    return tree.AddItem(parent, QString::number(++next) + QLatin1Char(' ') + text, text,
                        QString::fromLatin1(kind));
  }
  NetworkTree tree;
  int next = 100;
  QTreeWidgetItem* gas = tree.AddItem(nullptr, kGasSupplyKey, kGasSupplyCaption, kLogoImage);
  QTreeWidgetItem* reg = Node(gas, "Reg", "Regulator");
  QTreeWidgetItem* lowTee = Node(reg, "Low Tee", "Tee");
  QTreeWidgetItem* efv = Node(lowTee, "Valve", "EFV");
  QTreeWidgetItem* underEFV = Node(efv, "Under", "Tee");
  QTreeWidgetItem* named = Node(efv, "Gas Supply", "Tee");  // not the top: that has its key
  QTreeWidgetItem* highTee = Node(gas, "High Tee", "Tee");
  QTreeWidgetItem* lamp = Node(highTee, "Lamp", "Lamp");
  QTreeWidgetItem* spareEFV = Node(highTee, "Spare", "EFV");
  QTreeWidgetItem* carrier = Node(gas, "Carrier", "Tee");  // an EFV on its first-child chain
  QTreeWidgetItem* carried = Node(carrier, "Carried", "EFV");
};

TEST_F(DropTable, EachRowDecidesItsOutcome) {
  QTreeWidgetItem* bareRegulator = Node(gas, "Bare", "Regulator");
  QTreeWidgetItem* reg2 = Node(gas, "Reg2", "Regulator");
  using D = DropOutcome;
  struct Row {
    const char* what;
    QTreeWidgetItem* dragged;
    QTreeWidgetItem* target;
    bool dual;
    DropOutcome outcome;
  };
  const Row rows[] = {
      {"the gas supply", gas, lamp, false, D::Nothing},
      {"an item onto itself", lamp, lamp, false, D::Nothing},
      {"an EFV onto an EFV, target not shown", spareEFV, efv, false, D::SeriesRefusedQuiet},
      {"an EFV on the high side", spareEFV, lamp, true, D::HighPressureRefused},
      // The regulator itself counts as at or above the target.
      {"an EFV onto a regulator", spareEFV, bareRegulator, true, D::MoveIfEFVTripAllows},
      {"an EFV below an EFV", spareEFV, underEFV, false, D::SeriesRefused},
      {"an EFV below one named Gas Supply", spareEFV, named, false, D::SeriesRefused},
      {"an EFV onto a tee with one in its second branch", spareEFV, highTee, false,
       D::MoveIfEFVTripAllows},
      {"an EFV onto an EFV chain", spareEFV, carrier, false, D::SeriesRefused},
      {"an EFV elsewhere", spareEFV, lamp, false, D::MoveIfEFVTripAllows},
      {"a regulator below an EFV, dual", reg2, underEFV, true, D::HighPressureRefused},
      {"a regulator below an EFV, single", reg2, underEFV, false, D::Move},
      {"a regulator on the high side", reg2, lamp, true, D::Move},
      {"a subtree with an EFV onto an EFV", carrier, efv, false, D::SeriesRefused},
      {"a node onto an EFV", lamp, efv, false, D::MoveIfOntoEFVTripAllows},
      {"a subtree with an EFV below an EFV", carrier, underEFV, false, D::SeriesRefused},
      {"a subtree with an EFV, high side", carrier, highTee, true, D::HighPressureRefused},
      {"a subtree with an EFV, low side", carrier, lowTee, true, D::MoveIfParentOrTripAllows},
      {"any other drop", lamp, underEFV, true, D::MoveIfParentOrTripAllows},
      {"any other drop onto the supply", lamp, gas, true, D::MoveIfParentOrTripAllows},
  };
  for (const Row& row : rows)
    EXPECT_EQ(DecideDrop(row.dragged, row.target, row.dual), row.outcome) << row.what;
}

class WindowDrop : public MainWindowTest {};

TEST_F(WindowDrop, AnEFVDroppedOntoAnEFVIsRefusedAndThePanelStaysOnTheDraggedOne) {
  QTreeWidgetItem* valve = AddDevice(GasSupply(), "Valve", "EFV");
  QTreeWidgetItem* spare = AddDevice(GasSupply(), "Spare", "EFV");
  Click(spare);
  messages.Clear();
  Window().TreeView1_Drop(spare, valve);
  Window().NetTree()->EndDrag();
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{kSeriesMessage});
  EXPECT_EQ(Find<QLineEdit>("txtDescription")->text(), "Spare");
}

// The device kind list of the panel.
class KindChoice : public MainWindowTest {
 protected:
  QComboBox* Kinds() { return Find<QComboBox>("cboAppliance"); }
  QComboBox* Models() { return Find<QComboBox>("cboEFV"); }
};

TEST_F(KindChoice, AnAllowedEFVShowsTheModelListAtItsFifthModel) {
  AddDevice(GasSupply(), "Tee", "Tee");
  Choose("cboAppliance", "EFV");
  EXPECT_TRUE(messages.Shown().empty());
  EXPECT_FALSE(Models()->isHidden());
  EXPECT_EQ(Models()->currentIndex(), 4);
  EXPECT_FALSE(Find<QLineEdit>("txtLoad")->isEnabled());
}

TEST_F(KindChoice, ASecondEFVOnThePathIsRefusedAndTheKindPutBack) {
  QTreeWidgetItem* efv = AddDevice(GasSupply(), "Valve", "EFV");
  QTreeWidgetItem* lamp = AddDevice(efv, "Lamp", "Lamp", "1");
  Click(lamp);
  messages.Clear();
  Choose("cboAppliance", "EFV");
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Last().text, kSeriesMessage);
  EXPECT_EQ(Kinds()->currentText(), "Lamp");
  EXPECT_TRUE(Models()->isHidden());
}

TEST_F(KindChoice, DualSystemRefusalsUseTheHighPressureMessage) {
  QTreeWidgetItem* direct = AddDevice(GasSupply(), "Direct", "Tee");
  QTreeWidgetItem* reg = AddDevice(GasSupply(), "Reg", "Regulator");
  QTreeWidgetItem* efv = AddDevice(reg, "Valve", "EFV");
  QTreeWidgetItem* below = AddDevice(efv, "Below", "Tee");
  State().DualSystemFlag = true;
  messages.Clear();
  // No regulator above a node right below the gas supply.
  Click(direct);
  Choose("cboAppliance", "EFV");
  // The regulator itself cannot become an EFV.
  Click(reg);
  Choose("cboAppliance", "EFV");
  EXPECT_EQ(Kinds()->currentText(), "Regulator");
  // Below an EFV a regulator is refused with the high-pressure message and
  // the list goes to its second entry.
  Click(below);
  Choose("cboAppliance", "Regulator");
  EXPECT_EQ(Kinds()->currentIndex(), 1);
  ASSERT_EQ(messages.Shown().size(), 3u);
  for (const std::string& text : messages.Texts()) EXPECT_EQ(text, kHighPressureMessage);
}

TEST_F(KindChoice, AnyOtherKindHidesTheModelList) {
  QTreeWidgetItem* efv = AddDevice(GasSupply(), "Valve", "EFV");
  Click(efv);
  EXPECT_FALSE(Models()->isHidden());
  Choose("cboAppliance", "Tee");
  EXPECT_TRUE(Models()->isHidden());
}

}  // namespace
}  // namespace cv::ui::test
