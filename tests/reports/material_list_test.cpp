#include "reports/material_list.h"

#include <gtest/gtest.h>

#include "reports/expect_cv_error.h"
#include "support/project_builder.h"

namespace {

// The list text with the tubing, pipe and EFV lines under their headers.
std::string ListWith(const std::string& tubing, const std::string& pipe = {},
                     const std::string& efvs = {}) {
  return "CORVANTA Tubing Totals:\r\n\r\n" + tubing + "\r\nPipe Totals:\r\n\r\n" + pipe +
         "\r\n\r\nEFVs in the System:\r\n\r\n" + efvs;
}

class MaterialListTest : public ::testing::Test {
 protected:
  void AddModels(std::initializer_list<const char*> ids) {
    for (const char* id : ids) {
      cv::EFVParameters model;
      model.ID = id;
      project.State().EFVCollection.Add(model);
    }
  }
  void Add(const cvtest::Run& run) { project.Add(project.Root(), run); }
  std::string List() {
    return cv::UpdateMaterialList(project.Doc(), project.State().EFVCollection);
  }

  cvtest::TestProject project;
};

TEST_F(MaterialListTest, LengthsAreRaisedToWholeFeetBeforeTheyAreSummed) {
  Add({.id = "1", .length = "0.3", .size = "10A CSST"});
  Add({.id = "2", .length = "10.2", .size = "15A CSST"});
  Add({.id = "3", .length = "10", .size = "20A CSST"});
  Add({.id = "4", .length = "2.5", .size = "25A CSST"});
  Add({.id = "5", .length = "0.3", .size = "32A CSST"});
  Add({.id = "6", .length = "0.3", .size = "32A CSST"});
  // Zero totals are not listed; a negative length counts as it is.
  Add({.id = "7", .length = "0", .size = "38A CSST"});
  Add({.id = "8", .length = "-1.5", .material = "Pipe", .size = "1\" SCHEDULE 40"});
  EXPECT_EQ(List(), ListWith("10A CSST - 1 ft\r\n15A CSST - 11 ft\r\n20A CSST - 10 ft\r\n"
                             "25A CSST - 3 ft\r\n32A CSST - 2 ft\r\n",
                             "1\" SCHEDULE 40     - -1.5 ft\r\n"));
}

TEST_F(MaterialListTest, EfvsAreCountedInCatalogueOrderWithTheirRuns) {
  AddModels({"EFV-A", "EFV-B", "EFV-WITH-A-VERY-LONG-NAME"});
  auto efv = [&](const char* id, const char* size, const char* model) {
    Add({.id = id, .appliance = "EFV", .length = "4", .size = size, .model = model});
  };
  efv("1", "15A CSST", "EFV-WITH-A-VERY-LONG-NAME");  // the catalogue's last row
  efv("2", "15A CSST", "EFV-A");
  efv("3", "15A CSST", "EFV-WITH-A-VERY-LONG-NAME");
  efv("4", "15A CSST", "EFV-GONE");      // not in the catalogue: only its run
  efv("5", "", "EFV-B");                 // unsized: nothing at all
  efv("6", "1\" SCHEDULE 40", "EFV-B");  // a size of the other material: only the EFV
  EXPECT_EQ(List(), ListWith("15A CSST - 16 ft\r\n", "",
                             "EFV-A                - 1\r\n"
                             "EFV-B                - 1\r\n"
                             "EFV-WITH-A-VERY-LONG-NAME - 2\r\n"));
}

TEST_F(MaterialListTest, UnknownMaterialAddsNothingAndBadLengthFails) {
  Add({.id = "1", .length = "7", .material = "Copper", .size = "10A CSST"});
  EXPECT_EQ(List(), ListWith(""));
  Add({.id = "2", .length = "ten", .size = "10A CSST"});
  cvtest::ExpectCvError([&] { List(); }, cv::kErrTypeMismatch,
                        "modSummaryFuntions.UpdateMaterialList");
}

}  // namespace
