// Workbooks written by the export, unpacked with unzip and read back.
#include "reports/xlsx_export.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "core/version.h"
#include "reports/expect_cv_error.h"
#include "support/files.h"
#include "support/project_builder.h"
#include "support/run_program.h"

namespace {

// The parts of a written workbook that hold its layout.
class Workbook {
 public:
  explicit Workbook(const std::string& path) {
    for (auto [doc, part] : {std::pair{&book_, "xl/workbook.xml"},
                             {&sheet_, "xl/worksheets/sheet1.xml"},
                             {&project_, "xl/worksheets/sheet2.xml"},
                             {&styles_, "xl/styles.xml"},
                             {&strings_, "xl/sharedStrings.xml"}}) {
      const auto unzipped = cvtest::RunProgram("/usr/bin/unzip", {"-p", path, part});
      EXPECT_EQ(unzipped.status, 0) << part << unzipped.err;
      EXPECT_TRUE(doc->load_string(unzipped.out.c_str())) << part;
    }
  }

  std::string SheetName(int n = 1) const {
    return Query(book_, "//sheet[" + std::to_string(n) + "]").attribute("name").value();
  }
  // A cell of the first sheet, or of the "Project" sheet.
  pugi::xml_node Cell(const std::string& ref, bool project = false) const {
    return Query(project ? project_ : sheet_, "//c[@r='" + ref + "']");
  }
  // The value of a cell, shared strings resolved.
  std::string Text(const std::string& ref, bool project = false) const {
    const std::string v = Cell(ref, project).child_value("v");
    if (!IsText(ref, project)) return v;
    return Query(strings_, "//si[" + std::to_string(std::stoi(v) + 1) + "]").child_value("t");
  }
  bool IsText(const std::string& ref, bool project = false) const {
    return Cell(ref, project).attribute("t");
  }
  double ColumnWidth(int c) const {
    return Query(sheet_, "//col[@min='" + std::to_string(c) + "']").attribute("width").as_double();
  }
  pugi::xml_node Style(int s) const { return Nth(styles_, "cellXfs/xf", s); }
  bool IsBold(int s) const {
    return Nth(styles_, "fonts/font", Style(s).attribute("fontId").as_int()).child("b");
  }
  // Thin lines of the automatic colour on all four edges, no diagonal.
  bool IsRuledThin(int s) const {
    pugi::xml_node border = Nth(styles_, "borders/border", Style(s).attribute("borderId").as_int());
    for (const char* edge : {"left", "right", "top", "bottom"})
      if (std::string(border.child(edge).attribute("style").value()) != "thin" ||
          !border.child(edge).child("color").attribute("auto").as_bool())
        return false;
    return !border.child("diagonal").attribute("style");
  }

 private:
  static pugi::xml_node Query(const pugi::xml_document& doc, const std::string& xpath) {
    return doc.select_node(xpath.c_str()).node();
  }
  static pugi::xml_node Nth(const pugi::xml_document& doc, const std::string& path, int n) {
    return Query(doc, "/styleSheet/" + path + "[" + std::to_string(n + 1) + "]");
  }

  pugi::xml_document book_, sheet_, project_, styles_, strings_;
};

const std::string kLongName = "Kitchen & <Range> on the far side of the house";

cv::CalculationTable SampleTable() {
  cv::CalculationTable table;
  table.rows.emplace_back();
  table.rows.push_back(
      {"1", kLongName, "Pipe", "438.1", "1\" SCHEDULE 40", "8", "0.0225", "14", "0.18", "13.82"});
  table.rows.push_back({"2", "12 ft", "CORVANTA", "0", "", "0", "0", "-1.5", "0", "1E+3"});
  return table;
}

class XlsxExport : public ::testing::Test {
 protected:
  Workbook Export(const cv::CalculationTable& table, bool metric = false,
                  const std::string& sheet = "house") {
    cv::ExportCalculationTable(table, metric, path, sheet, kProjectRows);
    return Workbook(path);
  }

  const std::vector<cv::ProjectSheetRow> kProjectRows = {
      {"File name", "house.cv", "", false},
      {"High side supply pressure", "2", "psi", true},
      {"Runs not sized", "1", "", true}};

  cvtest::TempDir temp;
  std::string path = temp.File("table.xlsx");
};

TEST_F(XlsxExport, HeadersThenAnEmptyRowThenNodesAllRuledWithNumberCells) {
  const Workbook book = Export(SampleTable());
  EXPECT_EQ(book.SheetName(), "house");
  for (int c = 0; c < 10; ++c) {
    const std::string column(1, static_cast<char>('A' + c));
    EXPECT_EQ(book.Text(column + "1"), cv::CalculationHeaders(false)[c]);
    EXPECT_TRUE(book.Cell(column + "2")) << "the empty row is ruled like the table";
    EXPECT_FALSE(book.Cell(column + "2").child("v")) << column;
  }
  EXPECT_EQ(book.Text("B3"), kLongName);
  EXPECT_FALSE(book.Cell("E4").child("v"));
  EXPECT_FALSE(book.Cell("A5"));
  // Number texts become numbers the user can sum; other texts stay text.
  for (const char* ref : {"A3", "D3", "G3", "J3", "H4", "J4"}) EXPECT_FALSE(book.IsText(ref));
  EXPECT_EQ(book.Text("H4"), "-1.5");
  EXPECT_EQ(std::stod(book.Text("J4")), 1000);
  for (const char* ref : {"B3", "C3", "E3", "B4"}) EXPECT_TRUE(book.IsText(ref)) << ref;
  // Bold wrapped headers, ruled cells and fitted columns.
  const int header = book.Cell("A1").attribute("s").as_int();
  EXPECT_TRUE(book.IsBold(header));
  EXPECT_TRUE(book.IsRuledThin(header));
  EXPECT_STREQ(book.Style(header).child("alignment").attribute("horizontal").value(), "center");
  EXPECT_TRUE(book.Style(header).child("alignment").attribute("wrapText").as_bool());
  for (const char* ref : {"A2", "J2", "B3", "J4"}) {
    const int style = book.Cell(ref).attribute("s").as_int();
    EXPECT_FALSE(book.IsBold(style)) << ref;
    EXPECT_TRUE(book.IsRuledThin(style)) << ref;
  }
  EXPECT_GE(book.ColumnWidth(2), static_cast<double>(kLongName.size()));
  EXPECT_GE(book.ColumnWidth(1), std::string("Reference Num").size());
  // The second sheet: a label, its value (numbers as numbers) and its unit.
  EXPECT_EQ(book.SheetName(2), "Project");
  for (size_t r = 0; r < kProjectRows.size(); ++r) {
    const std::string row = std::to_string(r + 1);
    EXPECT_EQ(book.Text("A" + row, true), kProjectRows[r].label);
    EXPECT_EQ(book.Text("B" + row, true), kProjectRows[r].value);
    EXPECT_EQ(book.IsText("B" + row, true), !kProjectRows[r].number);
    EXPECT_EQ(book.Text("C" + row, true), kProjectRows[r].unit);
  }
}

TEST_F(XlsxExport, FailedExportLeavesTheEarlierFileAlone) {
  const char* const procedure = "modSummaryFuntions.ExportCalculationTable";
  cvtest::WriteFile(path, "earlier");
  cvtest::ExpectCvError([&] { Export(SampleTable(), false, "bad[name]"); }, cv::kErrInvalidArgument,
                        procedure);
  EXPECT_EQ(cvtest::ReadFile(path), "earlier");
  const std::string nowhere = temp.File("missing/table.xlsx");
  cvtest::ExpectCvError([&] { cv::ExportCalculationTable(SampleTable(), false, nowhere, "x", {}); },
                        cv::kErrFileAccess, procedure);
}

TEST_F(XlsxExport, SheetNamesAreMadeFromTheProjectFileAndAccepted) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "Calculations"},
      {"/home/me/house.cv", "house"},
      {"/p/a[1]:b*c?.cv", "a_1__b_c_"},
      {"/p/'quoted'.cv", "quoted"},
      {"/p/'''.cv", "Calculations"},
      {"/p/history.cv", "Calculations"},
      {"/p/PROJECT.cv", "Calculations"},  // the second sheet's name
      {"/p/Ferienhaus am Seeufer mit Garage.cv", "Ferienhaus am Seeufer mit Garag"},
      // Cut after 31 characters, never inside one.
      {"/p/" + std::string(30, 'a') + "\xC3\xBC\xC3\xBC.cv", std::string(30, 'a') + "\xC3\xBC"}};
  for (const auto& [project, sheet] : cases) {
    EXPECT_EQ(cv::SheetNameForProject(project), sheet) << project;
    EXPECT_EQ(Export(SampleTable(), false, sheet).SheetName(), sheet);
  }
}

// Each side of a system in its own unit: psi on a high side, millibar for
// the user-defined method; the delivery method names its delivery pressure.
TEST(ProjectSheet, RowsNameTheProjectAndTheSupplyOfEachSide) {
  cvtest::SupplySettings metric;
  metric.method = "User Defined Method";
  metric.lowSupplyPressure = "8.04402";
  metric.lowAllowableDrop = "0.402201";
  cvtest::SupplySettings delivery = cvtest::TwoPsiDualSupply();
  delivery.method = "Delivery Pressure Method";
  delivery.deliveryPressure = "5";
  const std::pair<cvtest::SupplySettings, std::vector<std::string>> cases[] = {
      {cvtest::TwoPsiDualSupply(),
       {"High side supply pressure: 2 psi", "High side allowable pressure drop: 1 psi",
        "Low side supply pressure: 7 in W.C.", "Low side allowable pressure drop: 3 in W.C."}},
      {metric, {"Supply pressure: 20 mb", "Allowable pressure drop: 1 mb"}},
      {delivery,
       {"High side supply pressure: 2 psi", "High side allowable pressure drop: 1 psi",
        "Low side supply pressure: 7 in W.C.", "Delivery pressure: 5 in W.C."}}};
  for (const auto& [settings, supplyRows] : cases) {
    cvtest::TestProject project(settings);
    const auto rows =
        cv::ProjectSheetRows(project.Doc(), {"/home/me/house.cv", "2026-12-08 14:05", 2});
    std::vector<std::string> lines;
    for (const cv::ProjectSheetRow& row : rows)
      lines.push_back(row.label + ": " + row.value + (row.unit.empty() ? "" : " " + row.unit));
    std::vector<std::string> expected = {"File name: house.cv", "Date: 2026-12-08 14:05",
                                         "Calculation method: " + settings.method,
                                         "Gas: Natural Gas"};
    expected.insert(expected.end(), supplyRows.begin(), supplyRows.end());
    expected.insert(expected.end(),
                    {std::string("Program version: ") + cv::kVersionText, "Runs not sized: 2"});
    EXPECT_EQ(lines, expected);
  }
}

}  // namespace
