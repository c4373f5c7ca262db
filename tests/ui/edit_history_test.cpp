// Every change to the project can be taken back and done again, and nothing
// the user typed into the panel is lost without a question.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidgetItemIterator>
#include <QUndoStack>
#include <functional>

#include "main_window_fixture.h"
#include "project/document.h"
#include "reports/print_checks.h"
#include "ui/compare/compare_page.h"
#include "ui/panels/supply_panel.h"
#include "ui/tree/network_tree.h"
#include "ui/tree/result_columns.h"
#include "ui/tree/tree_items.h"
#include "ui/windows/project_wiring.h"

namespace cv::ui::test {
namespace {

// Gas supply - Manifold (Furnace 88, Water Heater 40, Range 65), Tee (Dryer
// 30); the tee folded, everything else unfolded, the project saved.
class EditHistoryTest : public MainWindowTest {
 protected:
  void Wire(MainWindow& window, Seams& s) override { InstallProjectControllers(window, s); }
  void SetUp() override {
    MainWindowTest::SetUp();
    QTreeWidgetItem* manifold = AddDevice(GasSupply(), "Manifold", "Manifold");
    AddDevice(manifold, "Furnace", "Furnace", "88", "24");
    AddDevice(manifold, "Water Heater", "Water Heater", "40", "10");
    AddDevice(manifold, "Range", "Range", "65", "12");
    AddDevice(AddDevice(GasSupply(), "Tee", "Tee"), "Dryer", "Dryer", "30");
    Window().Tree()->expandAll();
    Window().resize(900, 600);
    Window().show();
    QApplication::processEvents();
    Item("Tee")->setExpanded(false);
    Window().Editor().MarkSaved();
    messages.Clear();
  }

  // What undo must give back: the document, the tree's texts with their
  // expanded state and marks, the count of runs not sized and the print
  // refusal, the node shown, the supply page's method.
  std::string Picture() {
    std::string picture = SerializeDocument(Doc()) + "\n";
    for (QTreeWidgetItemIterator it(Window().Tree()); *it; ++it)
      picture += (*it)->text(0).toStdString() + ((*it)->isExpanded() ? "+" : "") +
                 (SizingFailureOf(*it).isEmpty() ? "" : "!") + ";";
    picture += Find<QLabel>("lblFailedRuns")->text().toStdString() +
               (PrintRefused(Doc(), Window().Editor().Result(), false) ? " refused " : " ");
    return picture + Shown() + (Find<QRadioButton>("optUnitType1")->isChecked() ? " metric" : "");
  }
  std::string Shown() { return Find<QLineEdit>("txtDescription")->text().toStdString(); }
  // Chooses the option's column on the Compare page and applies it.
  void ApplyOption(int column) {
    Window().Tabs()->setCurrentWidget(Window().Compare());
    Window().Compare()->Table()->setCurrentCell(0, column);
    Find<QPushButton>("cmdApplyOption")->click();
  }
  bool Marked() { return Window().Editor().Modified() && Window().isWindowModified(); }
  QPoint At(QTreeWidgetItem* item) { return Window().Tree()->visualItemRect(item).center(); }
  QWidget* Viewport() { return Window().Tree()->viewport(); }
};

TEST_F(EditHistoryTest, EveryCommandIsUndoneAndRedoneExactly) {
  struct Case {
    const char* undoText;
    const char* selected;  // the node shown before the command
    std::function<void()> command;
    std::string unfolds = {};  // a branch the command unfolds stays unfolded on undo
  };
  const Case cases[] = {
      {"Undo Add 'New Appliance'", "Manifold", [&] { Window().Network().AddToSelected(); }},
      {"Undo Remove 'Manifold'", "Manifold", [&] { Window().Network().RemoveSelected(); }},
      {"Undo Update 'Kitchen Range'", "Range",
       [&] {
         Type("txtDescription", "Kitchen Range");
         Type("txtLoad", "90");
         PressUpdate();
       }},
      // The range cannot be sized: the runs marked come and go with it.
      {"Undo Update 'Range'", "Range",
       [&] {
         Type("txtLoad", "5000");
         PressUpdate();
         messages.Clear();
       }},
      {"Undo Move 'Range'", "Range",
       [&] {
         Window().Network().Drop(Item("Range"), Item("Tee"));
         Window().NetTree()->EndDrag();
       },
       "Tee"},
      {"Undo Apply '14 In WC Supply - 6 In WC Overall Pressure Drop'", "Furnace",
       [&] { ApplyOption(4); }},
      {"Undo Update Supply Parameters", "Furnace",
       [&] {
         Find<QRadioButton>("optUnitType1")->click();
         Type("txtMetricSupplyPressureDrop", "20");
         Type("txtUserDefinedAllowablePressureDrop", "2.5");
         Find<QPushButton>("cmdUpdateSupplyParameters")->click();
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.undoText);
    Click(Item(c.selected));
    const std::string before = Picture();
    c.command();
    const std::string after = Picture();
    ASSERT_NE(after, before);
    EXPECT_TRUE(Marked());
    QAction* undo = Window().MenuAction("Undo");
    EXPECT_EQ(undo->text().remove('&').toStdString(), c.undoText);
    undo->trigger();
    std::string undone = before;
    const std::string folded = ";" + c.unfolds + ";";
    if (!c.unfolds.empty())
      undone.replace(undone.find(folded), folded.size(), ";" + c.unfolds + "+;");
    EXPECT_EQ(Picture(), undone);
    EXPECT_FALSE(Marked()) << "back at the saved project";
    Window().MenuAction("Redo")->trigger();
    EXPECT_EQ(Picture(), after);
    EXPECT_TRUE(Marked());
    undo->trigger();
    EXPECT_TRUE(messages.Shown().empty()) << messages.Last().text;
  }
  // New starts an empty history: both entries greyed.
  Window().MenuAction("New")->trigger();
  EXPECT_FALSE(Window().MenuAction("Undo")->isEnabled());
  EXPECT_FALSE(Window().MenuAction("Redo")->isEnabled());
}

TEST_F(EditHistoryTest, AnOptionAppliedIsWhatTheSupplyPanelWrites) {
  const char* preset = "14 In WC Supply - 6 In WC Overall Pressure Drop";
  ApplyOption(4);
  EXPECT_EQ(Find<QComboBox>("cboSupplyPressure")->currentText().toStdString(), preset);
  const std::string applied = SerializeDocument(Doc());
  Window().MenuAction("Undo")->trigger();
  Choose("cboSupplyPressure", preset);
  Find<QPushButton>("cmdUpdateSupplyParameters")->click();
  EXPECT_EQ(SerializeDocument(Doc()), applied);
}

TEST_F(EditHistoryTest, ThePointerAndTheKeysActOnTheItemUnderThem) {
  Click(Item("Furnace"));
  QTest::mouseClick(Viewport(), Qt::RightButton, {}, At(Item("Range")));
  EXPECT_EQ(Shown(), "Range");
  EXPECT_TRUE(Window().TreePopupMenu()->isVisible());
  Window().TreePopupMenu()->hide();
  Window().MenuAction("mnuTreeClickRemoveAppliance")->trigger();
  EXPECT_EQ(Window().statusBar()->currentMessage(), "Removed 'Range'. Ctrl+Z brings it back.");
  Click(Item("Manifold"));
  QTest::keyClick(Window().Tree(), Qt::Key_Delete);
  EXPECT_EQ(Window().statusBar()->currentMessage(),
            "Removed 'Manifold' and 2 runs below it. Ctrl+Z brings them back.");
  QTest::keyClick(Window().Tree(), Qt::Key_Insert);
  EXPECT_EQ(Shown(), "New Appliance");
  // Enter in a box of the panel stores the node as Update does.
  QLineEdit* box = Find<QLineEdit>("txtDescription");
  QTest::keyClicks(box, "Boiler");
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_NE(Item("Boiler"), nullptr);
  // Without typing of its own to take back, the undo keys act on the project.
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Item("Boiler"), nullptr);
  QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  QTest::keyClicks(box, "s");
  QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);  // takes back the "s" alone
  EXPECT_NE(Item("Boiler"), nullptr);
}

// After a step, a branch the user unfolds stays unfolded when the step is
// undone and redone; a node made by the step has the picture of its kind.
TEST_F(EditHistoryTest, UndoKeepsTheFoldingAndThePictures) {
  Add(Item("Manifold"));
  EXPECT_EQ(ItemImageKey(Item("New Appliance")), "Other") << "not the gas supply's";
  Item("Tee")->setExpanded(true);
  Window().Editor().UndoStack()->undo();
  EXPECT_TRUE(Item("Tee")->isExpanded());
  Window().Editor().UndoStack()->redo();
  EXPECT_TRUE(Item("Tee")->isExpanded());
  EXPECT_EQ(ItemImageKey(Item("New Appliance")), "Other") << "in the rebuilt tree too";
}

// The panel holds a typed load for Range; each way of leaving the node asks.
TEST_F(EditHistoryTest, LeavingTypedValuesAsksWhetherToApplyThem) {
  struct Way {
    const char* name;
    std::function<void()> leave;
    std::function<bool()> left;
    bool offersToSave = false;
  };
  auto* tabs = Find<QTabWidget>("TabStrip1");
  // The file commands went on when the offer to save came.
  auto offered = [&] { return messages.Shown().size() == 2; };
  const Way ways[] = {
      {"another node",
       [&] { QTest::mouseClick(Viewport(), Qt::LeftButton, {}, At(Item("Furnace"))); },
       [&] { return Shown() == "Furnace"; }},
      {"the keys", [&] { QTest::keyClick(Window().Tree(), Qt::Key_Up); },
       [&] { return Shown() == "Water Heater"; }},
      {"page", [&] { tabs->setCurrentIndex(kMaterialListPage); },
       [&] { return tabs->currentIndex() == kMaterialListPage; }},
      {"Exit", [&] { Window().close(); }, offered, true},
  };
  const std::pair<cv::MessageAnswer, const char*> answers[] = {{cv::MessageAnswer::Yes, "99"},
                                                               {cv::MessageAnswer::No, "65"},
                                                               {cv::MessageAnswer::Cancel, "65"}};
  Add(Item("Tee"));  // unsaved: the offer to save comes and keeps the project
  for (const Way& way : ways) {
    for (const auto& [answer, stored] : answers) {
      SCOPED_TRACE(std::string(way.name) + " " + stored);
      tabs->setCurrentIndex(kAppliancePage);
      Click(Item("Range"));
      Find<QLineEdit>("txtLoad")->selectAll();
      QTest::keyClicks(Find<QLineEdit>("txtLoad"), "99");
      messages.Clear();
      messages.Answer(answer);
      // Cancel in the offer to save keeps the project.
      if (way.offersToSave && answer != cv::MessageAnswer::Cancel)
        messages.Answer(cv::MessageAnswer::Cancel);
      way.leave();
      ASSERT_FALSE(messages.Shown().empty());
      EXPECT_EQ(messages.Shown().front().text, "Apply the changes to 'Range'?");
      EXPECT_EQ(Field(Item("Range"), "load"), stored);
      const bool cancelled = answer == cv::MessageAnswer::Cancel;
      EXPECT_EQ(way.left(), !cancelled);
      if (cancelled) {
        EXPECT_EQ(Window().Network().SelectedItem(), Item("Range"));
      }
      if (answer == cv::MessageAnswer::Yes) Window().Editor().UndoStack()->undo();
    }
  }
}

}  // namespace
}  // namespace cv::ui::test
