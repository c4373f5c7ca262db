// Adding, updating, removing and moving nodes: the document, the tree and
// the panel stay in step, every change is sized and marks the project.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <tuple>

#include "edit/placement_rules.h"
#include "main_window_fixture.h"
#include "project/document.h"
#include "ui/tree/network_tree.h"
#include "ui/tree/tree_items.h"

namespace cv::ui::test {
namespace {

class EditTest : public MainWindowTest {};

// Below the gas supply or any node, also an appliance: the parent unfolds.
TEST_F(EditTest, AddBuildsTheNodeBelowTheSelectedOneSizedAndShown) {
  Add(GasSupply());
  auto nodes = AllSystemNodes(Doc());
  ASSERT_EQ(nodes.size(), 1u);
  EXPECT_TRUE(GasSupply()->isExpanded());
  EXPECT_EQ(Find<QLineEdit>("txtDescription")->selectedText(), "New Appliance");
  EXPECT_EQ(Find<QLabel>("lblParent")->text(), "Gas Supply");
  EXPECT_EQ(FieldText(nodes[0], "materialSize"), "10A CSST") << "sized: the smallest size";
  EXPECT_TRUE(Window().Editor().Modified());
  QTreeWidgetItem* range = AddDevice(GasSupply(), "Range", "Range", "65", "12");
  range->setExpanded(false);
  EXPECT_EQ(Add(range)->parent(), range);
  EXPECT_TRUE(range->isExpanded());
  EXPECT_EQ(Find<QLabel>("lblParent")->text(), "Range");
}

// Add with nothing selected; Update and Remove on the gas supply.
TEST_F(EditTest, CommandsWithoutANodeChangeNothing) {
  Add(GasSupply());
  Window().Editor().MarkSaved();
  const std::string before = SerializeDocument(Doc());
  for (const char* button : {"cmdAdd", "cmdUpdate", "cmdRemove"}) {
    SCOPED_TRACE(button);
    Click(GasSupply());
    if (std::string(button) == "cmdAdd") Window().Tree()->setCurrentItem(nullptr);
    Find<QPushButton>(button)->click();
    EXPECT_EQ(SerializeDocument(Doc()), before);
    EXPECT_EQ(Window().Tree()->topLevelItemCount(), 1);
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_FALSE(Window().Editor().Modified());
  }
}

TEST_F(EditTest, UpdateStoresThePanelRenamesTheItemAndShowsTheNewSize) {
  QTreeWidgetItem* item = AddDevice(GasSupply(), "Kitchen Range", "Range", "65", "30");
  EXPECT_EQ(ItemImageKey(item), "Range");
  pugi::xml_node node = Node(item);
  EXPECT_EQ(FieldText(node, "description"), "Kitchen Range");
  // Sized after the update: a bigger size than the smallest, shown in the
  // panel and in the item's tool tip, with pressures written.
  const std::string size = FieldText(node, "materialSize");
  EXPECT_NE(size, "10A CSST");
  EXPECT_EQ(Find<QComboBox>("cboMaterialSize")->currentText().toStdString(), size);
  EXPECT_TRUE(Window().NetTree()->ToolTipOf(item).contains(QString::fromStdString(size)));
  EXPECT_NE(FieldText(node, "DeliveredPressure"), "0");
  EXPECT_TRUE(Window().Editor().Modified());
}

TEST_F(EditTest, AFixedSizeIsKept) {
  QTreeWidgetItem* item = Add(GasSupply());
  Find<QCheckBox>("chkFixedSize")->click();
  EXPECT_TRUE(Find<QComboBox>("cboMaterialSize")->isEnabled());
  Choose("cboMaterialSize", "32A CSST");
  PressUpdate();
  EXPECT_EQ(Field(item, "materialSize"), "32A CSST");
  EXPECT_EQ(Field(item, "materialSizeFixed"), "1");
  EXPECT_TRUE(Find<QCheckBox>("chkFixedSize")->isChecked());
  EXPECT_EQ(Find<QComboBox>("cboMaterialSize")->currentText(), "32A CSST");
}

TEST_F(EditTest, RemovedNodeGoesWithItsSubtreeAndItsParentIsShown) {
  QTreeWidgetItem* a = AddDevice(GasSupply(), "A", "Tee");
  QTreeWidgetItem* b = AddDevice(a, "B", "Tee");
  AddDevice(b, "C", "Lamp", "2");
  Click(b);
  Find<QPushButton>("cmdRemove")->click();
  auto nodes = AllSystemNodes(Doc());
  ASSERT_EQ(nodes.size(), 1u);
  EXPECT_EQ(FieldText(nodes[0], "description"), "A");
  EXPECT_EQ(Window().Network().SelectedItem(), a);
}

class MoveNodeTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    a = AddDevice(GasSupply(), "A", "Tee");
    b = AddDevice(a, "B", "Tee");
    c = AddDevice(b, "C", "Range", "40");
    d = AddDevice(a, "D", "Dryer", "30");
    Window().Editor().MarkSaved();
    messages.Clear();
  }
  QTreeWidgetItem* a = nullptr;
  QTreeWidgetItem* b = nullptr;
  QTreeWidgetItem* c = nullptr;
  QTreeWidgetItem* d = nullptr;
};

TEST_F(MoveNodeTest, TheSubtreeMovesWithItsIdsAndIsShownInTheTreeAsItWas) {
  const std::string bId = ItemId(b).toStdString();
  Click(d);
  Window().Network().Drop(b, GasSupply());
  pugi::xml_node moved = FindSystemNodeById(Doc(), bId);
  EXPECT_TRUE(IsSystemRoot(moved.parent()));
  EXPECT_EQ(FieldText(moved.child("SystemNode"), "description"), "C");
  QTreeWidgetItem* gas = GasSupply();
  ASSERT_EQ(gas->childCount(), 2);
  for (QTreeWidgetItem* item : {gas, gas->child(0), gas->child(1)})
    EXPECT_TRUE(item->isExpanded()) << "expanded before the move";
  EXPECT_EQ(Window().Network().SelectedItem(), gas->child(1));
}

// A refused drop changes nothing and ends on its target, except a drop into
// the own branch and an EFV dropped onto an EFV, which end on the dragged
// node; dragging the gas supply does nothing.
TEST_F(MoveNodeTest, RefusedDropsChangeNothingAndEndWhereTheRefusalSays) {
  QTreeWidgetItem* valve = AddDevice(GasSupply(), "Valve", "EFV");
  QTreeWidgetItem* under = AddDevice(valve, "Under", "Tee");
  QTreeWidgetItem* spare = AddDevice(GasSupply(), "Spare", "EFV");
  Window().Editor().MarkSaved();
  const std::string before = SerializeDocument(Doc());
  const std::string branch = "'A' cannot be moved into its own branch.";
  const std::tuple<QTreeWidgetItem*, QTreeWidgetItem*, std::string, QString> cases[] = {
      {a, c, branch, "A"},
      {spare, valve, kSeriesMessage, "Spare"},
      {spare, under, kSeriesMessage, "Under"},
      {GasSupply(), b, "", "Gas Supply"}};
  for (const auto& [dragged, target, message, shown] : cases) {
    SCOPED_TRACE(shown.toStdString());
    Click(dragged);
    Window().NetTree()->SetDragNode(dragged);
    messages.Clear();
    Window().Network().Drop(dragged, target);
    Window().NetTree()->EndDrag();
    EXPECT_EQ(messages.Texts(),
              message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message});
    EXPECT_EQ(Find<QLineEdit>("txtDescription")->text(), shown);
    EXPECT_EQ(SerializeDocument(Doc()), before);
    EXPECT_FALSE(Window().Editor().Modified());
  }
}

}  // namespace
}  // namespace cv::ui::test
