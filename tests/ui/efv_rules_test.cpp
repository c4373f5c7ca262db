// Where an EFV or a regulator may stand: the rules on tree items, the drop
// table row by row, and the device kind list of the panel.
#include "ui/efv_rules.h"

#include <QComboBox>
#include <QLineEdit>

#include "main_window_fixture.h"
#include "ui/network_tree.h"
#include "ui/tree_items.h"

namespace cv::ui::test {
namespace {

// A tree built by hand: items keyed "<n> <name>" with the kind as image.
class RulesTree : public ::testing::Test {
 protected:
  QTreeWidgetItem* Node(QTreeWidgetItem* parent, const char* name, const char* kind) {
    const QString text = QString::fromLatin1(name);
    return tree.AddItem(parent, QString::number(++next) + QLatin1Char(' ') + text, text,
                        QString::fromLatin1(kind));
  }
  NetworkTree tree;
  QTreeWidgetItem* gas = tree.AddItem(nullptr, kGasSupplyKey, kGasSupplyCaption, kLogoImage);
  int next = 100;
};

TEST_F(RulesTree, SeriesRuleLooksUpAndDownTheFirstChildChain) {
  QTreeWidgetItem* tee = Node(gas, "Tee", "Tee");
  QTreeWidgetItem* first = Node(tee, "First", "Range");
  QTreeWidgetItem* second = Node(tee, "Second", "EFV");
  QTreeWidgetItem* below = Node(second, "Below", "Lamp");
  // An EFV in the second branch does not stop another on the tee.
  EXPECT_TRUE(CanAddEFVAtThePresentNode(tee));
  EXPECT_TRUE(CanAddEFVAtThePresentNode(first));
  EXPECT_FALSE(CanAddEFVAtThePresentNode(below));
  EXPECT_FALSE(CanAddEFVAtThePresentNode(second));
  Node(first, "Valve", "EFV");
  EXPECT_FALSE(CanAddEFVAtThePresentNode(tee));
  EXPECT_FALSE(CheckTreeviewForChildEFV(tee, QStringLiteral("EFV")));
  EXPECT_TRUE(CheckTreeviewForChildEFV(tee, QStringLiteral("Regulator")));
}

TEST_F(RulesTree, HighPressureRulesApplyOnlyToDualSystems) {
  QTreeWidgetItem* direct = Node(gas, "Direct", "Tee");
  QTreeWidgetItem* reg = Node(gas, "Reg", "Regulator");
  QTreeWidgetItem* afterReg = Node(reg, "After", "Tee");
  QTreeWidgetItem* efv = Node(afterReg, "Valve", "EFV");
  QTreeWidgetItem* belowEFV = Node(efv, "Below", "Tee");
  for (QTreeWidgetItem* item : {direct, reg, afterReg, efv, belowEFV}) {
    EXPECT_TRUE(EFVOnHighPressureSide(item, false));
    EXPECT_TRUE(RegulatorChildOfEFV(item, false));
  }
  EXPECT_FALSE(EFVOnHighPressureSide(direct, true));
  EXPECT_TRUE(EFVOnHighPressureSide(reg, true));
  EXPECT_TRUE(EFVOnHighPressureSide(afterReg, true));
  EXPECT_TRUE(RegulatorChildOfEFV(afterReg, true));
  EXPECT_FALSE(RegulatorChildOfEFV(belowEFV, true));
  EXPECT_FALSE(RegulatorChildOfEFV(efv, true));
}

TEST_F(RulesTree, UpstreamEFVIsTheNearestAtOrAbove) {
  QTreeWidgetItem* efv = Node(gas, "Valve", "EFV");
  QTreeWidgetItem* tee = Node(efv, "Tee", "Tee");
  QTreeWidgetItem* lamp = Node(tee, "Lamp", "Lamp");
  EXPECT_EQ(ChecktreeviewforEFV(lamp), efv);
  EXPECT_EQ(ChecktreeviewforEFV(efv), efv);
  EXPECT_EQ(ChecktreeviewforEFV(gas), nullptr);
  EXPECT_FALSE(CheckTreeviewForParentEFV(lamp));
  EXPECT_TRUE(CheckTreeviewForParentEFV(gas));
}

TEST_F(RulesTree, ANodeNamedGasSupplyDoesNotHideAnEFVAboveIt) {
  QTreeWidgetItem* efv = Node(gas, "Valve", "EFV");
  QTreeWidgetItem* named = Node(efv, "Gas Supply", "Tee");
  QTreeWidgetItem* lamp = Node(named, "Lamp", "Lamp");
  EXPECT_FALSE(CanAddEFVAtThePresentNode(lamp));
  EXPECT_EQ(ChecktreeviewforEFV(lamp), efv);
}

TEST_F(RulesTree, ParentTestIsTrueForTheDraggedItemsAncestors) {
  QTreeWidgetItem* a = Node(gas, "A", "Tee");
  QTreeWidgetItem* b = Node(a, "B", "Tee");
  QTreeWidgetItem* c = Node(b, "C", "Lamp");
  EXPECT_TRUE(CheckDragNodeParentOfSelectedNode(c, b));
  EXPECT_TRUE(CheckDragNodeParentOfSelectedNode(c, a));
  EXPECT_FALSE(CheckDragNodeParentOfSelectedNode(a, c));
  EXPECT_FALSE(CheckDragNodeParentOfSelectedNode(c, gas));
}

// The drop table, row by row.
class DropTable : public RulesTree {
 protected:
  QTreeWidgetItem* reg = Node(gas, "Reg", "Regulator");
  QTreeWidgetItem* lowTee = Node(reg, "Low Tee", "Tee");
  QTreeWidgetItem* efv = Node(lowTee, "Valve", "EFV");
  QTreeWidgetItem* underEFV = Node(efv, "Under", "Tee");
  QTreeWidgetItem* highTee = Node(gas, "High Tee", "Tee");
  QTreeWidgetItem* lamp = Node(highTee, "Lamp", "Lamp");
  QTreeWidgetItem* spareEFV = Node(highTee, "Spare", "EFV");
  QTreeWidgetItem* carrier = Node(gas, "Carrier", "Tee");  // an EFV on its first-child chain
  QTreeWidgetItem* carried = Node(carrier, "Carried", "EFV");
};

TEST_F(DropTable, NothingHappensForTheGasSupplyOrAnItemOntoItself) {
  EXPECT_EQ(DecideDrop(gas, lamp, false), DropOutcome::Nothing);
  EXPECT_EQ(DecideDrop(lamp, lamp, false), DropOutcome::Nothing);
}

TEST_F(DropTable, AnEFVOntoAnEFVIsRefusedWithoutShowingTheTarget) {
  EXPECT_EQ(DecideDrop(spareEFV, efv, false), DropOutcome::SeriesRefusedQuiet);
}

TEST_F(DropTable, AnEFVOnTheHighPressureSideOfADualSystemIsRefused) {
  EXPECT_EQ(DecideDrop(spareEFV, lamp, true), DropOutcome::HighPressureRefused);
  // The regulator itself counts as at or above the target.
  QTreeWidgetItem* bareRegulator = Node(gas, "Bare", "Regulator");
  EXPECT_EQ(DecideDrop(spareEFV, bareRegulator, true), DropOutcome::MoveIfEFVTripAllows);
}

TEST_F(DropTable, AnEFVInSeriesWithAnotherIsRefused) {
  EXPECT_EQ(DecideDrop(spareEFV, underEFV, false), DropOutcome::SeriesRefused);
  EXPECT_EQ(DecideDrop(spareEFV, carrier, false), DropOutcome::SeriesRefused);
  EXPECT_EQ(DecideDrop(spareEFV, lamp, false), DropOutcome::MoveIfEFVTripAllows);
}

TEST_F(DropTable, ARegulatorMayNotStandBelowAnEFVInADualSystem) {
  QTreeWidgetItem* reg2 = Node(gas, "Reg2", "Regulator");
  EXPECT_EQ(DecideDrop(reg2, underEFV, true), DropOutcome::HighPressureRefused);
  EXPECT_EQ(DecideDrop(reg2, underEFV, false), DropOutcome::Move);
  EXPECT_EQ(DecideDrop(reg2, lamp, true), DropOutcome::Move);
}

TEST_F(DropTable, ANodeOntoAnEFV) {
  EXPECT_EQ(DecideDrop(carrier, efv, false), DropOutcome::SeriesRefused);
  EXPECT_EQ(DecideDrop(lamp, efv, false), DropOutcome::MoveIfOntoEFVTripAllows);
}

TEST_F(DropTable, ASubtreeWithAnEFVOntoAnotherNode) {
  EXPECT_EQ(DecideDrop(carrier, underEFV, false), DropOutcome::SeriesRefused);
  EXPECT_EQ(DecideDrop(carrier, highTee, true), DropOutcome::HighPressureRefused);
  EXPECT_EQ(DecideDrop(carrier, lowTee, true), DropOutcome::MoveIfParentOrTripAllows);
}

TEST_F(DropTable, AnyOtherDropWaitsForTheParentOrTripTest) {
  EXPECT_EQ(DecideDrop(lamp, underEFV, true), DropOutcome::MoveIfParentOrTripAllows);
  EXPECT_EQ(DecideDrop(lamp, gas, true), DropOutcome::MoveIfParentOrTripAllows);
}

// The device kind list of the panel.
class KindChoice : public MainWindowTest {
 protected:
  QComboBox* Kinds() { return Find<QComboBox>("cboAppliance"); }
  QComboBox* Models() { return Find<QComboBox>("cboEFV"); }
};

TEST_F(KindChoice, AnAllowedEFVShowsTheModelListAtItsFifthModel) {
  QTreeWidgetItem* tee = AddDevice(GasSupply(), QStringLiteral("Tee"), QStringLiteral("Tee"));
  Click(tee);
  Choose("cboAppliance", QStringLiteral("EFV"));
  EXPECT_TRUE(messages.Shown().empty());
  EXPECT_FALSE(Models()->isHidden());
  EXPECT_EQ(Models()->currentIndex(), 4);
  EXPECT_FALSE(Find<QLineEdit>("txtLoad")->isEnabled());
}

TEST_F(KindChoice, ASecondEFVOnThePathIsRefusedAndTheKindPutBack) {
  QTreeWidgetItem* efv = AddDevice(GasSupply(), QStringLiteral("Valve"), QStringLiteral("EFV"));
  QTreeWidgetItem* lamp =
      AddDevice(efv, QStringLiteral("Lamp"), QStringLiteral("Lamp"), QStringLiteral("1"));
  Click(lamp);
  messages.Clear();
  Choose("cboAppliance", QStringLiteral("EFV"));
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Last().text, kSeriesMessage);
  EXPECT_EQ(messages.Last().icon, cv::MessageIcon::None);
  EXPECT_EQ(messages.Last().EffectiveTitle(), "CORVANTA Sizing Program");
  EXPECT_EQ(Kinds()->currentText(), QStringLiteral("Lamp"));
  EXPECT_TRUE(Models()->isHidden());
}

TEST_F(KindChoice, DualSystemRefusalsUseTheHighPressureMessage) {
  QTreeWidgetItem* direct = AddDevice(GasSupply(), QStringLiteral("Direct"), QStringLiteral("Tee"));
  QTreeWidgetItem* reg = AddDevice(GasSupply(), QStringLiteral("Reg"), QStringLiteral("Regulator"));
  QTreeWidgetItem* efv = AddDevice(reg, QStringLiteral("Valve"), QStringLiteral("EFV"));
  QTreeWidgetItem* below = AddDevice(efv, QStringLiteral("Below"), QStringLiteral("Tee"));
  State().DualSystemFlag = true;
  messages.Clear();
  // No regulator above a node right below the gas supply.
  Click(direct);
  Choose("cboAppliance", QStringLiteral("EFV"));
  // The regulator itself cannot become an EFV.
  Click(reg);
  Choose("cboAppliance", QStringLiteral("EFV"));
  EXPECT_EQ(Kinds()->currentText(), QStringLiteral("Regulator"));
  // Below an EFV a regulator is refused with the high-pressure message and
  // the list goes to its second entry.
  Click(below);
  Choose("cboAppliance", QStringLiteral("Regulator"));
  EXPECT_EQ(Kinds()->currentIndex(), 1);
  ASSERT_EQ(messages.Shown().size(), 3u);
  for (const std::string& text : messages.Texts()) EXPECT_EQ(text, kHighPressureMessage);
}

TEST_F(KindChoice, AnyOtherKindHidesTheModelList) {
  QTreeWidgetItem* efv = AddDevice(GasSupply(), QStringLiteral("Valve"), QStringLiteral("EFV"));
  Click(efv);
  EXPECT_FALSE(Models()->isHidden());
  Choose("cboAppliance", QStringLiteral("Tee"));
  EXPECT_TRUE(Models()->isHidden());
}

}  // namespace
}  // namespace cv::ui::test
