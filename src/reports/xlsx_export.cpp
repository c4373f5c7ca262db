#include "reports/xlsx_export.h"

#include <strings.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/errors.h"
#include "core/number_text.h"
#include "project/document.h"
#include "reports/sheet_layout.h"
#include "reports/xml_text.h"

namespace cv {

namespace {

constexpr size_t kMaxSheetNameCharacters = 31;
constexpr const char* kDefaultSheetName = "Calculations";

// A private file in the temporary folder for the library to write; removed
// when it goes out of scope.
class TempFile {
 public:
  TempFile() {
    path_ = (std::filesystem::temp_directory_path() / "corvanta-export-XXXXXX").string();
    const int fd = ::mkstemp(path_.data());
    if (fd < 0) Raise(kErrFileAccess, path_ + ": " + std::strerror(errno));
    ::close(fd);
  }
  ~TempFile() { ::unlink(path_.c_str()); }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  const std::string& path() const noexcept { return path_; }
  std::string Contents() const {
    std::ifstream in(path_, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) Raise(kErrFileAccess, path_);
    return bytes;
  }

 private:
  std::string path_;
};

void Check(lxw_error error) {
  if (error != LXW_NO_ERROR) Raise(kErrInvalidArgument, lxw_strerror(error));
}

struct Formats {
  lxw_format* headerRow;   // the whole first row: centred, bottom, wrapped
  lxw_format* headerCell;  // the header cells: the same, bold and ruled
  lxw_format* cell;        // every other cell of the table: ruled
};

Formats AddFormats(lxw_workbook* book) {
  Formats formats{workbook_add_format(book), workbook_add_format(book), workbook_add_format(book)};
  for (lxw_format* format : {formats.headerRow, formats.headerCell}) {
    format_set_align(format, LXW_ALIGN_CENTER);
    format_set_align(format, LXW_ALIGN_VERTICAL_BOTTOM);
    format_set_text_wrap(format);
  }
  format_set_bold(formats.headerCell);
  format_set_border(formats.headerCell, LXW_BORDER_THIN);
  format_set_border(formats.cell, LXW_BORDER_THIN);
  return formats;
}

// Text that reads as a number becomes a number cell, as when a text is
// typed into a spreadsheet; empty text a blank, ruled cell.
void WriteCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const std::string& text,
               lxw_format* format) {
  if (text.empty()) return Check(worksheet_write_blank(sheet, row, col, format));
  const auto number = TryParseNumber(text);
  if (number && std::isfinite(*number))
    return Check(worksheet_write_number(sheet, row, col, *number, format));
  Check(worksheet_write_string(sheet, row, col, XmlSafeText(text).c_str(), format));
}

void WriteSheet(lxw_worksheet* sheet, const Formats& formats, const CalculationTable& table,
                const CalculationRow& headers) {
  const SheetLayout layout = FitSheetLayout(table, headers);
  Check(worksheet_set_row(sheet, 0, layout.headerRowHeight, formats.headerRow));
  for (lxw_col_t c = 0; c < kCalculationColumns; ++c) {
    Check(worksheet_set_column(sheet, c, c, layout.columnWidths[c], nullptr));
    Check(worksheet_write_string(sheet, 0, c, headers[c].c_str(), formats.headerCell));
  }
  // Row 0 of the table is the empty second row; it is ruled only when
  // node rows follow it, as it then lies inside the used range.
  const size_t rows = table.rows.size() > 1 ? table.rows.size() : 0;
  for (size_t r = 0; r < rows; ++r)
    for (lxw_col_t c = 0; c < kCalculationColumns; ++c)
      WriteCell(sheet, static_cast<lxw_row_t>(r + 1), c, table.rows[r][c], formats.cell);
}

lxw_worksheet* AddSheet(lxw_workbook* book, const std::string& name) {
  lxw_worksheet* sheet = workbook_add_worksheet(book, name.c_str());
  if (!sheet) Raise(kErrInvalidArgument, "\"" + name + "\" cannot be the name of a sheet");
  return sheet;
}

// The project's sheet: a bold label, the value and its unit on each row,
// the columns fitted to their texts.
void WriteProjectSheet(lxw_workbook* book, const std::vector<ProjectSheetRow>& rows) {
  lxw_worksheet* sheet = AddSheet(book, kProjectSheetName);
  lxw_format* bold = workbook_add_format(book);
  format_set_bold(bold);
  double widths[3] = {0, 0, 0};
  for (lxw_row_t r = 0; r < rows.size(); ++r) {
    const ProjectSheetRow& row = rows[r];
    Check(worksheet_write_string(sheet, r, 0, XmlSafeText(row.label).c_str(), bold));
    if (row.number)
      Check(worksheet_write_number(sheet, r, 1, ParseNumber(row.value), nullptr));
    else
      Check(worksheet_write_string(sheet, r, 1, XmlSafeText(row.value).c_str(), nullptr));
    if (!row.unit.empty()) Check(worksheet_write_string(sheet, r, 2, row.unit.c_str(), nullptr));
    widths[0] = std::max(widths[0], TextColumnWidth(row.label, true));
    widths[1] = std::max(widths[1], TextColumnWidth(row.value, false));
    widths[2] = std::max(widths[2], TextColumnWidth(row.unit, false));
  }
  for (lxw_col_t c = 0; c < 3; ++c) Check(worksheet_set_column(sheet, c, c, widths[c], nullptr));
}

void WriteWorkbook(const std::string& file, const CalculationTable& table,
                   const CalculationRow& headers, const std::string& sheetName,
                   const std::vector<ProjectSheetRow>& projectRows) {
  lxw_workbook* book = workbook_new(file.c_str());
  if (!book) Raise(kErrFileAccess, file);
  try {
    WriteSheet(AddSheet(book, sheetName), AddFormats(book), table, headers);
    WriteProjectSheet(book, projectRows);
  } catch (...) {
    workbook_close(book);  // frees the workbook; the file is thrown away
    throw;
  }
  const lxw_error closed = workbook_close(book);
  if (closed != LXW_NO_ERROR) Raise(kErrFileAccess, lxw_strerror(closed));
}

bool IsForbiddenInSheetName(unsigned char c) {
  return c < 0x20 || std::strchr("[]:*?/\\", c) != nullptr;
}

// The text cut after its first count characters (UTF-8 aware).
std::string FirstCharacters(const std::string& text, size_t count) {
  size_t seen = 0;
  for (size_t i = 0; i < text.size(); ++i)
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && seen++ == count)
      return text.substr(0, i);
  return text;
}

std::string WithoutApostrophesAround(const std::string& text) {
  const size_t first = text.find_first_not_of('\'');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of('\'') - first + 1);
}

bool IsReservedSheetName(const std::string& name) {
  // A spreadsheet keeps "History" for itself, and the workbook has its own
  // "Project" sheet, in any letter case.
  return ::strcasecmp(name.c_str(), "history") == 0 ||
         ::strcasecmp(name.c_str(), kProjectSheetName) == 0;
}

}  // namespace

void ExportCalculationTable(const CalculationTable& table, bool metric, const std::string& path,
                            const std::string& sheetName,
                            const std::vector<ProjectSheetRow>& projectRows) {
  WithContext("modSummaryFuntions.ExportCalculationTable", [&] {
    TempFile temp;
    WriteWorkbook(temp.path(), table, CalculationHeaders(metric), sheetName, projectRows);
    WriteFileReplacing(path, temp.Contents());
  });
}

std::string SheetNameForProject(const std::string& projectPath) {
  std::string name = XmlSafeText(std::filesystem::path(projectPath).stem().string());
  for (char& c : name)
    if (IsForbiddenInSheetName(static_cast<unsigned char>(c))) c = '_';
  name = WithoutApostrophesAround(
      FirstCharacters(WithoutApostrophesAround(name), kMaxSheetNameCharacters));
  if (name.empty() || IsReservedSheetName(name)) return kDefaultSheetName;
  return name;
}

}  // namespace cv
