// Workbooks written by the export, unpacked with unzip and read back.
#include "reports/xlsx_export.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "reports/expect_cv_error.h"
#include "support/files.h"
#include "support/run_program.h"

namespace {

// The parts of a written workbook that hold its layout.
class Workbook {
 public:
  explicit Workbook(const std::string& path) {
    for (auto [doc, part] : {std::pair{&book_, "xl/workbook.xml"},
                             {&sheet_, "xl/worksheets/sheet1.xml"},
                             {&styles_, "xl/styles.xml"},
                             {&strings_, "xl/sharedStrings.xml"}}) {
      const auto unzipped = cvtest::RunProgram("/usr/bin/unzip", {"-p", path, part});
      EXPECT_EQ(unzipped.status, 0) << part << unzipped.err;
      EXPECT_TRUE(doc->load_string(unzipped.out.c_str())) << part;
    }
  }

  std::string SheetName() const { return Query(book_, "//sheet").attribute("name").value(); }
  pugi::xml_node Cell(const std::string& ref) const {
    return Query(sheet_, "//c[@r='" + ref + "']");
  }
  // The value of a cell, shared strings resolved.
  std::string Text(const std::string& ref) const {
    const std::string v = Cell(ref).child_value("v");
    if (!IsText(ref)) return v;
    return Query(strings_, "//si[" + std::to_string(std::stoi(v) + 1) + "]").child_value("t");
  }
  bool IsText(const std::string& ref) const { return Cell(ref).attribute("t"); }
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

  pugi::xml_document book_, sheet_, styles_, strings_;
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
    cv::ExportCalculationTable(table, metric, path, sheet);
    return Workbook(path);
  }

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
}

TEST_F(XlsxExport, FailedExportLeavesTheEarlierFileAlone) {
  const char* const procedure = "modSummaryFuntions.ExportCalculationTable";
  cvtest::WriteFile(path, "earlier");
  cvtest::ExpectCvError([&] { Export(SampleTable(), false, "bad[name]"); }, cv::kErrInvalidArgument,
                        procedure);
  EXPECT_EQ(cvtest::ReadFile(path), "earlier");
  const std::string nowhere = temp.File("missing/table.xlsx");
  cvtest::ExpectCvError([&] { cv::ExportCalculationTable(SampleTable(), false, nowhere, "x"); },
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
      {"/p/Ferienhaus am Seeufer mit Garage.cv", "Ferienhaus am Seeufer mit Garag"},
      // Cut after 31 characters, never inside one.
      {"/p/" + std::string(30, 'a') + "\xC3\xBC\xC3\xBC.cv", std::string(30, 'a') + "\xC3\xBC"}};
  for (const auto& [project, sheet] : cases) {
    EXPECT_EQ(cv::SheetNameForProject(project), sheet) << project;
    EXPECT_EQ(Export(SampleTable(), false, sheet).SheetName(), sheet);
  }
}

}  // namespace
