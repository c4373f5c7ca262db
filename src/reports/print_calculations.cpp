#include "reports/print_calculations.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <unordered_map>

#include "project/document.h"
#include "reports/calculation_table.h"
#include "reports/diagram_canvas.h"
#include "reports/print_wrapped_text.h"

namespace cv {

namespace {

constexpr double kLeft = 650;
constexpr double kRight = 650;
constexpr double kCellGap = 80;
constexpr double kRowGap = 30;
constexpr double kTablePoints = 8;

// The share of the width each column gets: the name widest, the reference
// number narrowest.
constexpr std::array<double, kCalculationColumns> kColumnShares = {7, 15, 11, 8,  10,
                                                                   8, 11, 10, 10, 10};

struct Row {
  CalculationRow cells;
  RunStatus status = RunStatus::Sized;
};

// The marks of the runs not sized, in the order their notes are printed.
struct StatusMarking {
  RunStatus status;
  const char* mark;
  const char* reason;
};
constexpr StatusMarking kMarkings[] = {
    {RunStatus::OutsideLimit, "*", "outside its limit on the final sizes"},
    {RunStatus::Failed, "**", "could not be sized"},
    {RunStatus::NotReached, "***", "not sized: the calculation stopped before it"},
};

const StatusMarking* MarkingOf(RunStatus status) noexcept {
  const auto found = std::ranges::find(kMarkings, status, &StatusMarking::status);
  return found == std::end(kMarkings) ? nullptr : found;
}

// One printout of the table: the columns' places and the header row that
// starts every page.
class TablePrint {
 public:
  TablePrint(PrintSurface& surface, bool metric) : surface_(surface), metric_(metric) {
    const double total = std::accumulate(kColumnShares.begin(), kColumnShares.end(), 0.0);
    const double width = surface.PageWidth() - kLeft - kRight;
    double x = kLeft;
    for (size_t c = 0; c < kCalculationColumns; ++c) {
      columnX_[c] = x;
      columnWidth_[c] = width * kColumnShares[c] / total - kCellGap;
      x += width * kColumnShares[c] / total;
    }
  }

  void PrintHeaders() {
    surface_.SetFontBold(true);
    PrintCells(CalculationHeaders(metric_));
    surface_.SetFontBold(false);
    const double y = surface_.CurrentY();
    surface_.DrawLine(kLeft, y, surface_.PageWidth() - kRight, y);
    surface_.SetCurrentY(y + kRowGap);
  }

  void PrintRow(const Row& row) {
    const std::vector<std::vector<std::string>> cells = Wrap(row.cells);
    if (BreakPageFor(surface_, Height(cells))) PrintHeaders();
    const bool marked = row.status != RunStatus::Sized;
    if (marked) surface_.SetInk(kDiagramFailed, 0);
    PrintWrapped(cells);
    if (marked) surface_.SetInk(kDiagramInk, 0);
  }

 private:
  std::vector<std::vector<std::string>> Wrap(const CalculationRow& cells) const {
    std::vector<std::vector<std::string>> wrapped;
    for (size_t c = 0; c < kCalculationColumns; ++c) {
      wrapped.push_back(cells[c].empty() ? std::vector<std::string>{}
                                         : FitToWidth(surface_, cells[c], columnWidth_[c]));
      // A line broken after a blank keeps it; the page does not need it.
      for (std::string& line : wrapped.back())
        if (line.size() > 1 && line.back() == ' ') line.pop_back();
    }
    return wrapped;
  }

  double Height(const std::vector<std::vector<std::string>>& cells) const {
    size_t lines = 1;
    for (const auto& cell : cells) lines = std::max(lines, cell.size());
    return static_cast<double>(lines) * surface_.TextHeight("X") + kRowGap;
  }

  void PrintCells(const CalculationRow& cells) {
    const std::vector<std::vector<std::string>> wrapped = Wrap(cells);
    BreakPageFor(surface_, Height(wrapped));
    PrintWrapped(wrapped);
  }

  // The cells side by side from the current y; y ends below the tallest.
  void PrintWrapped(const std::vector<std::vector<std::string>>& cells) {
    const double top = surface_.CurrentY();
    const double line = surface_.TextHeight("X");
    for (size_t c = 0; c < kCalculationColumns; ++c)
      for (size_t i = 0; i < cells[c].size(); ++i) {
        surface_.SetCurrentX(columnX_[c]);
        surface_.SetCurrentY(top + static_cast<double>(i) * line);
        surface_.PrintInline(cells[c][i]);
      }
    surface_.SetCurrentY(top + Height(cells));
  }

  PrintSurface& surface_;
  const bool metric_;
  std::array<double, kCalculationColumns> columnX_{};
  std::array<double, kCalculationColumns> columnWidth_{};
};

std::vector<Row> MarkedRows(const pugi::xml_document& doc, const CalcResult& result) {
  std::unordered_map<std::string_view, RunStatus> unsized;
  for (const RunResult& run : result.runs)
    if (run.status != RunStatus::Sized) unsized.emplace(run.id, run.status);
  const CalculationTable table = BuildCalculationTable(doc);
  const std::vector<pugi::xml_node> nodes = AllSystemNodes(doc);
  std::vector<Row> rows;
  for (size_t r = 1; r < table.rows.size(); ++r) {
    const auto found = unsized.find(NodeId(nodes[r - 1]));
    Row row{table.rows[r], found == unsized.end() ? RunStatus::Sized : found->second};
    row.cells[0] += StatusMark(row.status);
    rows.push_back(std::move(row));
  }
  return rows;
}

void PrintNotes(PrintSurface& surface, const std::vector<Row>& rows) {
  surface.SetCurrentY(surface.CurrentY() + 4 * kRowGap);  // apart from the last row
  for (const StatusMarking& marking : kMarkings) {
    if (std::ranges::none_of(rows, [&](const Row& row) { return row.status == marking.status; }))
      continue;
    BreakPageFor(surface, surface.TextHeight("X"));
    surface.SetCurrentX(kLeft);
    PrintLine(surface, StatusNote(marking.status));
  }
}

}  // namespace

std::string_view StatusMark(RunStatus status) noexcept {
  const StatusMarking* marking = MarkingOf(status);
  return marking ? marking->mark : "";
}

std::string StatusNote(RunStatus status) {
  const StatusMarking* marking = MarkingOf(status);
  return marking ? std::string(marking->mark) + " " + marking->reason : std::string();
}

void PrintCalculationsJob(PrintSurface& surface, const pugi::xml_document& doc,
                          const PrintHeader& header, const CalcResult& result, int copies) {
  const std::vector<Row> rows = MarkedRows(doc, result);
  const bool metric = IsMetricTable(doc);
  surface.SetFontName("Arial");
  surface.SetOrientation(PageOrientation::Landscape);
  for (int copy = 0; copy < std::max(copies, 1); ++copy) {
    const double below = PrintFirstPageTop(surface, doc, header, "Calculations", 3500);
    surface.SetCurrentY(4000 + below);
    surface.SetFontSize(kTablePoints);
    TablePrint table(surface, metric);
    table.PrintHeaders();
    for (const Row& row : rows) table.PrintRow(row);
    PrintNotes(surface, rows);
    surface.SetFontSize(10);
    surface.EndDocument();
  }
}

}  // namespace cv
