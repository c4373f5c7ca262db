// The tree answering real mouse and keyboard events: clicks, the
// information box, drag and drop, and the page switch.
#include <QApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <tuple>

#include "core/number_text.h"
#include "main_window_fixture.h"
#include "project/document.h"
#include "reports/pressure_readings.h"
#include "ui/tree/network_tree.h"
#include "ui/tree/tree_items.h"

namespace cv::ui::test {
namespace {

// Gas supply - A (Tee) - B (Range 40), C (Dryer 30), all expanded, shown.
class TreeEventsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    a = AddDevice(GasSupply(), "A", "Tee");
    b = AddDevice(a, "B", "Range", "40");
    c = AddDevice(a, "C", "Dryer", "30");
    Window().resize(900, 600);
    Window().show();
    Window().Tree()->expandAll();
    QApplication::processEvents();
    Window().Editor().MarkSaved();
    messages.Clear();
  }
  NetworkTree* Tree() { return Window().NetTree(); }
  QWidget* Viewport() { return Tree()->viewport(); }
  QPoint At(QTreeWidgetItem* item) { return Tree()->visualItemRect(item).center(); }
  QPoint BelowAllItems() { return QPoint(20, Viewport()->height() - 5); }
  std::string Description() { return Find<QLineEdit>("txtDescription")->text().toStdString(); }

  // Qt delivers moves and drops only to the widget a drag entered.
  void Enter(const QPoint& pos) {
    QMimeData data;
    QDragEnterEvent enter(pos, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Viewport(), &enter);
  }
  void DropAt(const QPoint& pos) {
    Enter(pos);
    QMimeData data;
    QDropEvent drop(QPointF(pos), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Viewport(), &drop);
  }
  void DragOver(const QPoint& pos) {
    Enter(pos);
    QMimeData data;
    QDragMoveEvent move(pos, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Viewport(), &move);
  }

  QTreeWidgetItem* a = nullptr;
  QTreeWidgetItem* b = nullptr;
  QTreeWidgetItem* c = nullptr;
};

TEST_F(TreeEventsTest, AReleaseOutsideTheItemsMovesNothing) {
  Click(c);
  const std::string before = SerializeDocument(Doc());
  QTest::mousePress(Viewport(), Qt::LeftButton, {}, At(b));
  DragOver(At(a));
  EXPECT_EQ(Window().Network().SelectedItem(), a);
  DropAt(BelowAllItems());
  Tree()->EndDrag();
  EXPECT_EQ(SerializeDocument(Doc()), before);
  EXPECT_FALSE(Window().Editor().Modified());
  EXPECT_TRUE(messages.Shown().empty());
  // The selection goes back to the dragged node, and the panel shows it.
  EXPECT_EQ(Window().Network().SelectedItem(), b);
  EXPECT_EQ(Description(), "B");
  EXPECT_EQ(Tree()->DragNode(), nullptr);
}

TEST_F(TreeEventsTest, ADropFromOutsideTheTreeIsIgnored) {
  const std::string before = SerializeDocument(Doc());
  Tree()->SetDragNode(nullptr);
  DropAt(At(c));
  EXPECT_EQ(SerializeDocument(Doc()), before);
}

// A sits right at the gas supply: both drops are its own; the box shows the
// node shown in the panel, whichever item is clicked, and nothing while the
// gas supply is shown.
TEST_F(TreeEventsTest, AMiddleClickShowsBothDropsInTheDisplayUnits) {
  for (const auto& [units, factor, unit] :
       {std::tuple{"English", 1.0, "in W.C."}, std::tuple{"Metric", 0.402201, "mb"}}) {
    SetRootAttributeText(ProjectRoot(Doc()), kAttrVersion, std::string("CVSystem-2.2.4-") + units);
    Click(a);
    messages.Clear();
    QTest::mouseClick(Viewport(), Qt::MiddleButton, {}, At(c));
    const std::string drop =
        FormatPressureForDisplay(ParseNumber(Field(a, "PressureDrop")) / factor) + " " + unit;
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{
                                    "Pressure drop from parent to A = " + drop +
                                    "\n\nPressure drop from gas source to A = " + drop +
                                    "\n\n(Gas source is either the gas supply or a regulator)\n"});
    EXPECT_EQ(Window().Network().SelectedItem(), a);
  }
  Click(GasSupply());
  messages.Clear();
  QTest::mouseClick(Viewport(), Qt::MiddleButton, {}, At(b));
  EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(TreeEventsTest, TheMaterialListIsRebuiltEveryTimeItsPageIsChosen) {
  auto* tabs = Find<QTabWidget>("TabStrip1");
  auto* text = Find<QPlainTextEdit>("txtMaterials");
  tabs->setCurrentIndex(kMaterialListPage);
  const QString first = text->toPlainText();
  EXPECT_TRUE(first.contains("CORVANTA Tubing Totals"));
  EXPECT_FALSE(first.contains(QLatin1Char('\r')));
  tabs->setCurrentIndex(kAppliancePage);
  Click(c);
  Type("txtLength", "250");
  PressUpdate();
  tabs->setCurrentIndex(kMaterialListPage);
  EXPECT_NE(text->toPlainText(), first);
}

}  // namespace
}  // namespace cv::ui::test
