#include "reports/calculation_table.h"

#include "core/errors.h"
#include "core/number_text.h"
#include "project/document.h"
#include "reports/pressure_readings.h"
#include "sizing/carried_loads.h"
#include "sizing/units.h"

namespace cv {

namespace {

// A number with the white space it was stored with left out ("88" for
// "88\n"); any other text as it stands.
std::string NumberAsRead(const std::string& stored) {
  return TryParseNumber(stored) ? std::string(TrimXmlSpace(stored)) : stored;
}

std::string FourDecimals(double value) { return FormatNumber(RoundHalfEven(value, 4)); }

void FillEnglishValues(pugi::xml_node node, const CarriedLoads& carried, CalculationRow& row) {
  const double length = FieldNumber(node, "length");
  const double drop = FieldNumber(node, "PressureDrop");
  FieldNumber(node, "load");  // a load that is not a number fails here
  row[3] = NumberAsRead(carried.TextOf(node));
  row[5] = NumberAsRead(FieldText(node, "length"));
  row[6] = length == 0 ? "0" : FourDecimals(drop / length);
  row[7] = FourDecimals(FieldNumber(node, "SupplyPressure"));
  row[8] = FourDecimals(drop);
  row[9] = FourDecimals(FieldNumber(node, "DeliveredPressure"));
}

void FillMetricValues(pugi::xml_node node, const CarriedLoads& carried, CalculationRow& row) {
  const double metres = FieldNumber(node, "length") / kLengthFactor;
  const double drop = FieldNumber(node, "PressureDrop");
  FieldNumber(node, "load");  // a load that is not a number fails here
  row[3] = FormatNumber(carried.Of(node) / kLoadFactor);
  row[5] = FormatNumber(metres);
  // Millibar by the units' one factor, as the tree and the panels show them.
  row[6] = metres == 0 ? "0" : FourDecimals((drop / kPressureFactor) / metres);
  row[7] = FourDecimals(FieldNumber(node, "SupplyPressure") / kPressureFactor);
  row[8] = FourDecimals(drop / kPressureFactor);
  row[9] = FourDecimals(FieldNumber(node, "DeliveredPressure") / kPressureFactor);
}

CalculationRow NodeRow(pugi::xml_node node, size_t reference, bool metric,
                       const CarriedLoads& carried) {
  CalculationRow row;
  row[0] = std::to_string(reference);
  row[1] = FieldText(node, "description");
  row[2] = FieldText(node, "material");
  row[4] = FieldText(node, "materialSize");
  if (metric)
    FillMetricValues(node, carried, row);
  else
    FillEnglishValues(node, carried, row);
  return row;
}

std::string CellText(const std::string& cell) {
  std::string text = cell;
  for (char& c : text)
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  return text;
}

void AppendLine(std::string& out, const CalculationRow& row) {
  for (size_t c = 0; c < row.size(); ++c) {
    if (c > 0) out += '\t';
    out += CellText(row[c]);
  }
  out += '\n';
}

}  // namespace

bool IsMetricTable(const pugi::xml_document& doc) {
  return FieldText(ProjectRoot(doc), "calculationType") == "User Defined Method";
}

const CalculationRow& CalculationHeaders(bool metric) {
  static const CalculationRow english = {"Reference Num",
                                         "Name of the Run",
                                         "Material Type",
                                         "Load on Run (kBTU)",
                                         "Pipe Size",
                                         "Length of Run (ft)",
                                         "Pressure Drop / Foot (inches WC)",
                                         "Supply Pressure (inches WC)",
                                         "Pressure Drop (inches WC)",
                                         "Delivered Pressure (inches WC)"};
  static const CalculationRow metricHeaders = {"Reference Num",
                                               "Name of the Run",
                                               "Material Type",
                                               "Load on Run (kCal)",
                                               "Pipe Size",
                                               "Length of Run (meter)",
                                               "Pressure Drop / meter (mb)",
                                               "Supply Pressure (mb)",
                                               "Pressure Drop (mb)",
                                               "Delivered Pressure (mb)"};
  return metric ? metricHeaders : english;
}

CalculationTable BuildCalculationTable(const pugi::xml_document& doc) {
  return WithContext("modSummaryFuntions.BuildCalculationTable", [&] {
    const std::vector<pugi::xml_node> nodes = AllSystemNodes(doc);
    const bool metric = IsMetricTable(doc);
    const CarriedLoads carried(doc);
    CalculationTable table;
    table.rows.reserve(nodes.size() + 1);
    table.rows.emplace_back();  // row 0 stays empty
    for (size_t r = 1; r <= nodes.size(); ++r)
      table.rows.push_back(NodeRow(nodes[r - 1], r, metric, carried));
    return table;
  });
}

void DashUncomputedPressures(CalculationTable& table, const pugi::xml_document& doc) {
  const std::vector<pugi::xml_node> nodes = AllSystemNodes(doc);
  const ComputedPressures computed(doc);
  for (size_t r = 1; r < table.rows.size() && r <= nodes.size(); ++r)
    if (!computed.Of(nodes[r - 1]))
      for (size_t c = 6; c < kCalculationColumns; ++c) table.rows[r][c] = std::string(kNotComputed);
}

std::string CalculationTableText(const CalculationTable& table, bool metric) {
  std::string out;
  AppendLine(out, CalculationHeaders(metric));
  for (size_t r = 1; r < table.rows.size(); ++r) AppendLine(out, table.rows[r]);
  return out;
}

}  // namespace cv
