#include "reports/supply_compare.h"

#include <gtest/gtest.h>

#include "project/document.h"
#include "reports/price_list.h"
#include "sizing/network_calculation.h"
#include "sizing/tables.h"
#include "support/files.h"

namespace {

struct Loaded {
  cv::EFVCatalog catalog;
  pugi::xml_document doc;
};

void Load(const std::string& example, Loaded& out) {
  out.catalog.Load(cvtest::ReferenceCatalogPath());
  ASSERT_TRUE(cv::LoadDocumentFile(out.doc, cvtest::ExamplesDir() + "/" + example));
}

// The project calculated after the supply panel wrote the preset (none:
// its own settings), as a user sets it by hand.
cv::CalcResult ByHand(const Loaded& loaded, int preset) {
  pugi::xml_document copy;
  copy.reset(loaded.doc);
  if (preset >= 0) {
    cv::SupplyPanelInput input;
    input.gasIndex = cv::RootAttributeText(cv::ProjectRoot(copy), cv::kAttrGasType) == "Propane";
    input.supplyPreset = preset;
    cv::ApplySupplySettings(copy, cv::EvaluateSupplyUpdate(input).settings);
  }
  return cv::Calculate(copy, loaded.catalog, {});
}

// Each option sizes as the same settings set by hand; the presets a network
// cannot use are listed as not applicable, and the project never changes.
TEST(SupplyCompare, EachOptionSizesAsTheSameSettingsSetByHand) {
  const struct Case {
    const char* example;
    const char* statuses;  // of the options in order; * where it is the project's
  } cases[] = {
      {"house.cv", "sized* sized sized* sized sized not-applicable not-applicable "},
      {"dual_pressure_2psi.cv",
       "sized* not-applicable not-applicable not-applicable not-applicable sized* sized "},
      {"propane_house.cv", "sized* sized* sized sized not-applicable not-applicable "},
      {"undersized_main.cv", "failed* failed failed* sized sized not-applicable not-applicable "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.example);
    Loaded loaded;
    Load(c.example, loaded);
    const std::string before = cv::SerializeDocument(loaded.doc);
    const auto options = cv::CompareSupplyOptions(loaded.doc, loaded.catalog);
    EXPECT_EQ(cv::SerializeDocument(loaded.doc), before);
    std::string statuses;
    for (size_t i = 0; i < options.size(); ++i) {
      const cv::OptionComparison& o = options[i];
      statuses += std::string(cv::OptionStatusText(o)) + (o.current ? "* " : " ");
      if (!o.option.Applicable()) continue;
      const cv::CalcResult hand = ByHand(loaded, static_cast<int>(i) - 1);
      ASSERT_EQ(o.result.runs.size(), hand.runs.size()) << o.option.name;
      std::optional<double> lowest;
      for (size_t r = 0; r < hand.runs.size(); ++r) {
        const cv::RunResult& run = hand.runs[r];
        EXPECT_EQ(o.result.runs[r].size, run.size) << o.option.name << " " << run.id;
        EXPECT_EQ(o.result.runs[r].status, run.status) << o.option.name << " " << run.id;
        if (!cv::PassesLoadThrough(run.kind) && (!lowest || *run.deliveredPressure < *lowest))
          lowest = run.deliveredPressure;
      }
      ASSERT_TRUE(o.lowest) << o.option.name;
      EXPECT_EQ(o.lowest->pressure, lowest) << o.option.name;
    }
    EXPECT_EQ(statuses, c.statuses);
  }
}

TEST(PriceList, TotalsThePricedSizesAndNamesTheOthers) {
  const cv::PriceListRead read = cv::ParsePriceList(
      "Material,Size,Price\n"
      "CORVANTA,15A CSST,2.5\n"
      "\n"
      "\"Pipe\", \"1\"\" SCHEDULE 40\" ,4\r\n"
      "CORVANTA,15A CSST,3\n");  // a later line wins
  ASSERT_EQ(read.error, "");
  const cv::PriceTotal total = cv::PriceOf(
      {{"CORVANTA", "15A CSST", 10}, {"Pipe", "1\" SCHEDULE 40", 2}, {"CORVANTA", "20A CSST", 5}},
      read.prices);
  EXPECT_EQ(total.total, 38);
  ASSERT_EQ(total.unpriced.size(), 1u);
  EXPECT_EQ(total.unpriced[0].size, "20A CSST");
}

TEST(PriceList, BadLineIsNamedWithItsNumber) {
  const std::pair<const char*, const char*> cases[] = {
      {"CORVANTA,15A CSST\n",
       "line 1: expected material,size,price per foot, found 2 fields (a price takes a decimal "
       "point)"},
      {"CORVANTA,15A CSST,1\nCopper,15A CSST,1\n",
       "line 2: unknown material 'Copper' (CORVANTA or Pipe)"},
      {"\nPipe,15A CSST,1", "line 2: '15A CSST' is no size of Pipe"},
      {"CORVANTA,15A CSST,-1", "line 1: the price '-1' is not a number of 0 or more"},
      {"CORVANTA,15A CSST,1,50",
       "line 1: expected material,size,price per foot, found 4 fields (a price takes a decimal "
       "point)"},
      {"\"CORVANTA,15A CSST,1", "line 1: a quote is not closed"},
  };
  for (const auto& [csv, error] : cases) {
    const cv::PriceListRead read = cv::ParsePriceList(csv);
    EXPECT_EQ(read.error, error) << csv;
    EXPECT_TRUE(read.prices.empty()) << csv;
  }
}

}  // namespace
