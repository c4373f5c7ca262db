// The results on screen: the tree's columns, the mark of a run that could
// not be sized, the panel's pressures and the "Calculations" page.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "core/number_text.h"
#include "main_window_fixture.h"
#include "project/document.h"
#include "reports/calculation_table.h"
#include "reports/diagram_layout.h"
#include "reports/pressure_readings.h"
#include "sizing/pressure_drop.h"
#include "support/files.h"
#include "ui/access/failed_colour.h"
#include "ui/results/calculation_page.h"
#include "ui/results/diagram_page.h"
#include "ui/results/diagram_view.h"
#include "ui/tree/network_tree.h"
#include "ui/tree/result_columns.h"
#include "ui/tree/tree_items.h"

namespace cv::ui::test {
namespace {

class ResultViewsTest : public MainWindowTest {
 protected:
  // The middle-click box's drop from the gas source, in the display units.
  QString BoxDropFromSource(QTreeWidgetItem* item) {
    const CalcContext ctx{State().EFVCollection, ProjectRoot(Doc())};
    return QString::fromStdString(
        PressureReading(PressureDropToSource(Node(item), false, ctx),
                        SystemPressureUnit(Window().Editor().EditedProject().UnitSystem())));
  }
};

TEST_F(ResultViewsTest, ColumnsAndFailedMarkFollowEachEdit) {
  QTreeWidgetItem* manifold = AddDevice(GasSupply(), "Manifold", "Manifold", "0", "20");
  QTreeWidgetItem* range = AddDevice(manifold, "Range", "Range", "65", "30");
  QTreeWidgetItem* dryer = AddDevice(manifold, "Dryer", "Dryer", "35", "15");
  const struct {
    const char* load;
    const char* length;
    bool fails;
  } edits[] = {
      {"5000", "400", true}, {"65", "30", false}, {"9000", "900", true}, {"40", "12", false}};
  Window().Tabs()->setCurrentWidget(Window().Calculations());  // it follows each edit
  for (const auto& edit : edits) {
    SCOPED_TRACE(edit.load);
    Click(range);
    Type("txtLoad", edit.load);
    Type("txtLength", edit.length);
    PressUpdate();
    // The pass stops at the range; the dryer, sized after it, is not reached.
    for (QTreeWidgetItem* item : {range, dryer}) {
      EXPECT_EQ(!SizingFailureOf(item).isEmpty(), edit.fails);
      EXPECT_EQ(item->foreground(kColumnSize).color() == FailedRunColour(), edit.fails);
    }
    EXPECT_EQ(Find<QLabel>("lblFailedRuns")->text(),
              edit.fails ? QStringLiteral("2 runs could not be sized") : QString());
    if (edit.fails) {
      EXPECT_EQ(Window().NetTree()->ToolTipOf(range).toStdString(), messages.Last().text);
      EXPECT_EQ(Window().NetTree()->ToolTipOf(dryer),
                "Not sized: the calculation stopped at 'Range'");
      const QModelIndex dryerRow = Window().Calculations()->View()->model()->index(2, 1);
      EXPECT_EQ(dryerRow.data(Qt::ToolTipRole).toString(), Window().NetTree()->ToolTipOf(dryer));
    }
    for (QTreeWidgetItem* item : {manifold, range, dryer}) {
      EXPECT_EQ(item->text(kColumnSize).toStdString(), Field(item, "materialSize"));
      EXPECT_EQ(item->text(kColumnDrop), BoxDropFromSource(item));
      EXPECT_EQ(
          item->text(kColumnDelivered).toStdString(),
          PressureReading(ParseNumber(Field(item, "DeliveredPressure")), PressureUnit::InchesWc));
    }
    EXPECT_EQ(range->text(kColumnLoad), QString::fromLatin1(edit.load));
    EXPECT_EQ(range->text(kColumnLength), QString::fromLatin1(edit.length));
    EXPECT_EQ(manifold->text(kColumnLoad).toDouble(), ParseNumber(edit.load) + 35);
    Click(range);
    EXPECT_EQ(Find<QLineEdit>("txtPressureDrop")->text(), range->text(kColumnDrop));
    EXPECT_EQ(Find<QLineEdit>("txtDeliveredPressure")->text(), range->text(kColumnDelivered));
  }
}

TEST_F(ResultViewsTest, CalculationPageShowsTheExportRowsAndCopiesCells) {
  QTreeWidgetItem* tee = AddDevice(GasSupply(), "Tee", "Tee", "0", "25");
  AddDevice(tee, "Grill", "Grill", "45.123", "18");
  Window().Tabs()->setCurrentWidget(Window().Calculations());
  AddDevice(tee, "Lamp", "Lamp", "2.5", "12");  // the shown page follows the edit
  const CalculationTable table = BuildCalculationTable(Doc());
  QTableView* view = Window().Calculations()->View();
  ASSERT_EQ(view->model()->rowCount(), static_cast<int>(table.rows.size()) - 1);
  for (int r = 0; r < view->model()->rowCount(); ++r)
    for (int c = 0; c < static_cast<int>(kCalculationColumns); ++c) {
      const std::string exported = table.rows[static_cast<size_t>(r) + 1][static_cast<size_t>(c)];
      const QString shown = view->model()->index(r, c).data().toString();
      bool number = false;
      const double value = shown.toDouble(&number);
      if (number)
        EXPECT_NEAR(value, ParseNumber(exported), 0.005) << r << "," << c;
      else
        EXPECT_EQ(shown.toStdString(), exported) << r << "," << c;
    }
  EXPECT_EQ(view->model()->index(1, 3).data().toString(), "45.12");

  view->setFocus();
  view->selectionModel()->select(
      QItemSelection(view->model()->index(1, 1), view->model()->index(2, 3)),
      QItemSelectionModel::Select);
  QTest::keySequence(view, QKeySequence::Copy);
  // The test main's comma locale: a spreadsheet there reads the comma.
  EXPECT_EQ(QApplication::clipboard()->text(), "Grill\tCORVANTA\t45,12\nLamp\tCORVANTA\t2,5\n");
}

TEST_F(ResultViewsTest, ClickOnTheDiagramSelectsTheNode) {
  Window().Tabs()->setCurrentWidget(Window().Diagram());
  QTreeWidgetItem* tee = AddDevice(GasSupply(), "Patio Tee", "Tee", "0", "25");
  QTreeWidgetItem* grill = AddDevice(tee, "Patio Grill", "Grill", "45", "18");
  QTreeWidgetItem* lamp = AddDevice(tee, "Gas Lamp", "Lamp", "2.5", "12");
  DiagramView* view = Window().Diagram()->View();
  view->resize(900, 600);
  view->Fit();
  for (QTreeWidgetItem* item : {grill, GasSupply(), lamp, tee}) {
    const int box = FindBox(view->Diagram(), ItemId(item).toStdString());
    ASSERT_GE(box, 0);
    QTest::mouseClick(view, Qt::LeftButton, {}, view->BoxCentre(box).toPoint());
    EXPECT_EQ(Window().Network().SelectedItem(), item);
    EXPECT_EQ(Find<QLineEdit>("txtDescription")->text(), item->text(0));
  }
}

// The format follows the extension, which a name typed without one takes
// from the filter chosen; an existing file is replaced only after Yes.
TEST_F(ResultViewsTest, DrawingExportsTakeTheFormatFromTheExtension) {
  AddDevice(GasSupply(), "Range", "Range", "65", "30");  // selected: its profile is exported
  const QTemporaryDir temporary;
  constexpr auto kNew = MessageAnswer::Ok;  // no file there, no question
  const struct {
    const char* name;
    int filter;  // -1: the preselected SVG
    MessageAnswer overwrite;
    const char* file;
    const char* written;  // the start of the file found, or empty for none
  } cases[] = {{"house.svg", -1, kNew, "house.svg", "<?xml"},
               {"house.PDF", 2, kNew, "house.PDF", "%PDF"},
               {"house.png", -1, kNew, "house.png", "\x89PNG"},
               {"house", -1, kNew, "house.svg", "<?xml"},
               {"house", 2, kNew, "house.png", "\x89PNG"},
               {"house.txt", -1, kNew, "house.txt", ""},
               {"old.svg", -1, MessageAnswer::Yes, "old.svg", "<?xml"},
               {"old.svg", -1, MessageAnswer::No, "old.svg", "before"}};
  for (const char* command : {"ExportDiagram", "ExportProfile"})
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(command) + " " + c.name + " " + std::to_string(c.filter));
      const QDir dir(temporary.filePath(QString("%1-%2").arg(command).arg(&c - cases)));
      QDir().mkpath(dir.path());
      if (c.overwrite != kNew) {
        cvtest::WriteFile(dir.filePath(c.name).toStdString(), "before");
        messages.Answer(c.overwrite);
      }
      files.Answer(dir.filePath(c.name), c.filter);
      messages.Clear();
      Window().MenuAction(QLatin1String(command))->trigger();
      QFile file(dir.filePath(c.file));
      EXPECT_EQ(file.exists(), *c.written != 0);
      EXPECT_EQ(messages.Shown().size(), *c.written && c.overwrite == kNew ? 0u : 1u);
      if (file.open(QIODevice::ReadOnly)) {
        const QByteArray content = file.readAll();
        EXPECT_TRUE(c.overwrite == MessageAnswer::No ? content == "before"
                                                     : content.startsWith(c.written));
      }
    }
}

}  // namespace
}  // namespace cv::ui::test
