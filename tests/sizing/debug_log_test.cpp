#include "sizing/debug_log.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "core/errors.h"
#include "support/files.h"
#include "support/project_builder.h"
#include "support/raised_error.h"

namespace {

class Trace : public ::testing::Test {
 protected:
  Trace() {
    project_.LoadReferenceCatalog();
    project_.State().Log.SetPath(dir_.File("LogDebugInfo.txt"));
    project_.SetPath(dir_.File("house.cv"));
    project_.Add(project_.Root(), {.id = "1", .appliance = "Range", .load = "120"});
  }
  void AddEFV() {
    pugi::xml_node efv =
        project_.Add(project_.Root(), {.id = "E", .appliance = "EFV", .model = "EFV-K135"});
    project_.Add(efv, {.id = "G", .appliance = "Grill", .load = "20"});
  }
  std::string Log() { return cvtest::ReadOptionalFile(dir_.File("LogDebugInfo.txt")); }
  bool LogExists() { return cvtest::FileExists(dir_.File("LogDebugInfo.txt")); }

  cvtest::TempDir dir_;
  cvtest::TestProject project_;
};

TEST_F(Trace, TracingOffRemovesAnOldLogAndWritesNone) {
  cvtest::WriteFile(dir_.File("LogDebugInfo.txt"), "old\r\n");
  project_.Calculate();
  EXPECT_FALSE(LogExists());
}

TEST_F(Trace, HeaderOnlyWhenTheLogWasThereBefore) {
  project_.State().DebugMode = true;
  project_.Calculate();
  const std::string first = Log();
  EXPECT_EQ(first.rfind("0) Node: Range 1 - Initial pressure drop to source = ", 0), 0u) << first;

  project_.Calculate();
  const std::string second = Log();
  const std::regex header(
      "^CORVANTA Sizing Application - house\\.cv - [0-9]{4}-[0-9]{2}-[0-9]{2} "
      "[0-9]{2}:[0-9]{2}:[0-9]{2}\r\n0\\) Node: Range 1 - ");
  // At the start: the earlier calculation's lines are gone.
  EXPECT_TRUE(std::regex_search(second, header)) << second.substr(0, 200);
}

// Both passes, each numbered from zero; upsizing step by step; the merge of
// the two sizes as one numbered entry over several lines.
TEST_F(Trace, OneCalculationExplainsBothPassesTheUpsizingAndTheMerge) {
  AddEFV();
  project_.Add(project_.Root(), {.id = "L", .appliance = "Lamp", .load = "1"});
  project_.Add(project_.Root(),
               {.id = "P", .appliance = "Range", .load = "120", .material = "Pipe"});
  project_.State().DebugMode = true;
  project_.Calculate();
  const std::string log = Log();
  const size_t normal =
      log.find("0) \r\n***** Executing Normal Flow Calculations *****\r\n\r\n0) ");
  const size_t trip = log.find("\r\n***** Executing Trip Flow Calculations *****\r\n\r\n0) ");
  ASSERT_NE(normal, std::string::npos) << log;
  ASSERT_NE(trip, std::string::npos) << log;
  EXPECT_LT(normal, trip);
  for (const char* line :
       {"Trip Load at This Node: 135\r\n",
        "Node: Range 1 - Pressure drop to source too high (3.43 > 0.5).  Upsizing nodes...\r\n",
        "Node: Range 1 - Upsize finished.  New node material size = 15A CSST\r\n",
        "Node: Range 1 - New pressure drop to source = 0.8\r\n",
        "Supply Pressure: 7\r\nPressureDrop: 0.19\r\nDeliveryPressure: 6.81\r\n"
        "Normal Load at This Node: 120\r\nLength: 10\r\nMaterial: CORVANTA\r\n"
        "Normal MaterialSize: 20A CSST\r\n",
        // Equal sizes: the trip size is written, and tubing says so.
        "Current Node: Lamp, Description: Lamp L\r\nParent Node: Gas Supply \r\n"
        "Material: CORVANTA\r\nCorvanta Pipe\r\nNormal Flow Size: 10A CSST\r\n"
        "Trip Flow Size: 10A CSST\r\nSetting the Final size to:10A CSST\r\n",
        // Steel pipe always says so.
        "Material: Pipe\r\nSteel Pipe\r\nNormal Flow Size: 1/2\" SCHEDULE 40\r\n"
        "Trip Flow Size: 1/2\" SCHEDULE 40\r\n"}) {
    EXPECT_NE(log.find(line), std::string::npos) << line;
  }
  // Trip size larger: tubing says so.
  const std::regex tripWins(
      "\r\n[0-9]+\\) Current Node: Grill, Description: Grill G\r\n"
      "Parent Node: EFV, Description: EFV E\r\n"
      "Material: CORVANTA\r\n"
      "Corvanta Pipe\r\n"
      "Normal Flow Size: 10A CSST\r\n"
      "Trip Flow Size: ([0-9]+A CSST)\r\n"
      "Setting the Final size to:\\1\r\n");
  EXPECT_TRUE(std::regex_search(log, tripWins)) << log;
}

TEST_F(Trace, UnwritableLogFailsTheCalculation) {
  project_.State().DebugMode = true;
  project_.State().Log.SetPath(dir_.File("missing/folder/LogDebugInfo.txt"));
  EXPECT_EQ(cvtest::RaisedNumber([&] { project_.Calculate(); }), cv::kErrFileAccess);
}

}  // namespace
