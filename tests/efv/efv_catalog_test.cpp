#include "efv/efv_catalog.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/errors.h"
#include "support/catalog_db.h"
#include "support/files.h"
#include "support/raised_error.h"

namespace {

class Catalogue : public ::testing::Test {
 protected:
  std::string Db() const { return dir_.File("catalog.db"); }
  // Writes rows given as SQL value lists into a fresh catalogue table.
  void WriteRows(const std::vector<std::string>& rows) {
    std::string sql = cvtest::kCreateCatalogTable;
    for (const std::string& row : rows) sql += "INSERT INTO EFV_Parameters VALUES (" + row + ");";
    cvtest::WriteDatabase(Db(), sql);
  }
  int LoadError() {
    auto e = cvtest::RaisedError([&] { catalog_.Load(Db()); });
    description_ = e ? e->description() : "";
    return e ? e->number() : 0;
  }

  cvtest::TempDir dir_;
  cv::EFVCatalog catalog_;
  std::string description_;
};

TEST_F(Catalogue, RowsAreReadInOrderWithAllTheirValues) {
  cvtest::WriteCatalog(Db(),
                       {{"B-2", 91.5, 0.199, 135, 1.92, "Model B"}, {"A-1", 28, 0.24, 40, 0.62}});
  catalog_.Load(Db());
  EXPECT_EQ(catalog_.ModelIds(), (std::vector<std::string>{"B-2", "A-1"}));
  const cv::EFVParameters& b = catalog_.Get("B-2");
  EXPECT_EQ(std::tie(b.model, b.NormalFlow, b.NormalPresDrop, b.TripFlow, b.TripPresDrop),
            std::make_tuple("Model B", 91.5, 0.199, 135.0, 1.92));
  EXPECT_EQ(cv::EFVCatalog::ReadModelIds(Db()), catalog_.ModelIds());
  // Identifiers compare exactly.
  EXPECT_EQ(catalog_.FindEFVIndex("b-2"), -1);
  EXPECT_EQ(catalog_.FindEFVIndex("B-2 "), -1);
  EXPECT_EQ(cvtest::RaisedNumber([&] { catalog_.Get("b-2"); }), cv::kErrInvalidArgument);
  // Loading again replaces the old models.
  cvtest::WriteCatalog(Db(), {{"C", 1, 0.1, 10, 1}});
  catalog_.Load(Db());
  EXPECT_FALSE(catalog_.Contains("B-2"));
  EXPECT_EQ(catalog_.FindEFVIndex("C"), 0);
}

TEST_F(Catalogue, EmptyTableGivesAnEmptyCatalogue) {
  WriteRows({});
  catalog_.Load(Db());
  EXPECT_TRUE(catalog_.Models().empty());
  EXPECT_TRUE(cv::EFVCatalog::ReadModelIds(Db()).empty());
  EXPECT_EQ(catalog_.FindEFVIndex(""), -1);
}

TEST_F(Catalogue, NullColumnsBecomeZeroOrOneBlank) {
  WriteRows({"'X', NULL, NULL, NULL, NULL, 10, 0.1, NULL, NULL, NULL"});
  catalog_.Load(Db());
  const cv::EFVParameters& x = catalog_.Get("X");
  EXPECT_EQ(std::tie(x.model, x.FlowUnit, x.TripFlow, x.TripPresDrop, x.NormalFlow),
            std::make_tuple(" ", " ", 0.0, 0.0, 10.0));
}

TEST_F(Catalogue, DuplicateIdFailsAndKeepsTheRowsBeforeIt) {
  WriteRows({"'A', 'm', 7, 'u', 'u', 1, 0.1, 'u', 10, 1",
             "'B', 'm', 7, 'u', 'u', 2, 0.2, 'u', 20, 2",
             "'A', 'm', 7, 'u', 'u', 3, 0.3, 'u', 30, 3"});
  EXPECT_EQ(LoadError(), cv::kErrDuplicateKey);
  EXPECT_EQ(catalog_.Models().size(), 2u);
  EXPECT_EQ(catalog_.Get("A").TripFlow, 10);
}

TEST_F(Catalogue, BrokenDatabasesFailWithClearNumbers) {
  EXPECT_EQ(LoadError(), cv::kErrFileNotFound);  // no file yet
  EXPECT_EQ(description_.rfind("modGlobals.PopulateEFVCollection ", 0), 0u) << description_;

  cvtest::WriteDatabase(Db(), "CREATE TABLE Other (ID TEXT);");
  EXPECT_EQ(LoadError(), cv::kErrInvalidArgument);
  EXPECT_NE(description_.find("EFV_Parameters"), std::string::npos);
  EXPECT_THROW(cv::EFVCatalog::ReadModelIds(Db()), cv::CvError);

  cvtest::WriteDatabase(Db(),
                        "CREATE TABLE EFV_Parameters (ID TEXT, model TEXT);"
                        "INSERT INTO EFV_Parameters VALUES ('A', 'm');");
  EXPECT_EQ(LoadError(), cv::kErrInvalidArgument);
  EXPECT_NE(description_.find("operating_pres"), std::string::npos) << description_;
  // Without rows the missing columns are found all the same.
  cvtest::WriteDatabase(Db(), "CREATE TABLE EFV_Parameters (model TEXT);");
  EXPECT_EQ(LoadError(), cv::kErrInvalidArgument);
  EXPECT_NE(description_.find("ID"), std::string::npos) << description_;

  WriteRows({"NULL, 'm', 7, 'u', 'u', 1, 0.1, 'u', 10, 1"});
  EXPECT_NE(LoadError(), 0);

  WriteRows({"'A', 'm', 7, 'u', 'u', 'lots', 0.1, 'u', 10, 1"});
  EXPECT_EQ(LoadError(), cv::kErrTypeMismatch);

  cvtest::WriteFile(Db(), "this is not a database file, only some text that is long enough");
  EXPECT_NE(LoadError(), 0);
}

TEST(GetEFVFlow, BlankArgumentsAndOtherKindsGiveZero) {
  cv::EFVCatalog catalog;
  cv::EFVParameters model;
  model.ID = "A";
  model.NormalFlow = 91.5;
  model.TripFlow = 135;
  catalog.Add(model);
  EXPECT_EQ(cv::GetEFVFlow(catalog, "A", "NORMAL"), 91.5);
  EXPECT_EQ(cv::GetEFVFlow(catalog, "A", "TRIP"), 135);
  EXPECT_EQ(cv::GetEFVFlow(catalog, "A", "trip"), 0);
  EXPECT_EQ(cv::GetEFVFlow(catalog, "  ", "TRIP"), 0);
  EXPECT_EQ(cv::GetEFVFlow(catalog, "A", ""), 0);
  auto e = cvtest::RaisedError([&] { cv::GetEFVFlow(catalog, "Z", "TRIP"); });
  ASSERT_TRUE(e);
  EXPECT_EQ(e->number(), cv::kErrInvalidArgument);
  EXPECT_EQ(e->description().rfind("modTreeFunctions.GetEFVFlow ", 0), 0u);
}

}  // namespace
