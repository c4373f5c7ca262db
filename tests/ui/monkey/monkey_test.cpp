// The monkey's checks report each broken rule, and event lists that once
// broke a rule no longer do.
#include "monkey.h"

#include <gtest/gtest.h>

#include <QTreeWidget>
#include <functional>

#include "core/errors.h"
#include "project/document.h"
#include "support/files.h"
#include "ui/tree/network_view.h"
#include "ui/windows/main_window.h"

namespace cv::ui::monkey {
namespace {

const QString kHouse = QString::fromStdString(cvtest::ExamplesDir() + "/house.cv");

QTreeWidgetItem* Find(MainWindow& window, const char* text) {
  auto found =
      window.Tree()->findItems(QString::fromLatin1(text), Qt::MatchExactly | Qt::MatchRecursive);
  return found.isEmpty() ? nullptr : found.front();
}

TEST(MonkeyChecks, EachBrokenRuleIsReported) {
  const struct {
    const char* check;  // empty: nothing to report
    std::function<void(MainWindow&)> breakIt;
  } cases[] = {
      {"", [](MainWindow&) {}},
      {"panel",
       [](MainWindow& w) {
         w.Tree()->blockSignals(true);
         w.Tree()->setCurrentItem(Find(w, "Meter to Manifold"));
       }},
      {"tree", [](MainWindow& w) { delete Find(w, "Meter to Manifold"); }},
      {"error box", [](MainWindow& w) { w.ReportError(CvError(5, "broken")); }},
      {"number",
       [](MainWindow& w) {
         SetFieldText(w.Network().NodeOfItem(Find(w, "Meter to Manifold")), "length", "inf");
       }},
      {"reload",
       [](MainWindow& w) {
         SetFieldText(w.Network().NodeOfItem(Find(w, "Meter to Manifold")), "PressureDrop", "3");
       }},
  };
  for (const auto& c : cases) {
    Session session(kHouse);
    c.breakIt(session.Window());
    const std::optional<Finding> found = session.Check(true);
    EXPECT_EQ(found ? found->check : "", c.check) << (found ? found->detail : "");
  }
}

// Each list on house.cv once ended in a broken rule; the comment says what
// was mended.
TEST(MonkeyRegressions, EventListsThatOnceBrokeARuleNoLongerDo) {
  const std::vector<std::string> cases[] = {
      // A press on an item's edge released over its neighbour selected the
      // neighbour while the panel kept the node before, and Update wrote it
      // over the neighbour: the panel now follows the tree's current item.
      {"1 dclick \"Meter to Manifold\"0", "1 click \"Furnace\"0", "1 gesture \"Water Heater\"0 6",
       "1 press cmdUpdate"},
      // The middle-click box wrote pressures into the project that no undo
      // step held: it now works them out on a copy.
      {"1 press cmdAdd", "1 combo cboAppliance End", "1 press cmdUpdate",
       "1 middle \"New Appliance\"0"},
      // A load so large that the pressure drop overflowed: refused as input.
      {"1 dclick \"Meter to Manifold\"0", "1 click \"Furnace\"0", "1 type txtLoad \"1e150\"",
       "1 press cmdUpdate"},
  };
  for (const auto& events : cases) {
    const Outcome outcome = Replay(kHouse, events);
    EXPECT_FALSE(outcome.finding) << outcome.events.size() << ": " << outcome.finding->detail;
  }
}

}  // namespace
}  // namespace cv::ui::monkey
