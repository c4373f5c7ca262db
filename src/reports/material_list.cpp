#include "reports/material_list.h"

#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "core/errors.h"
#include "core/number_text.h"
#include "project/document.h"
#include "project/project_state.h"
#include "sizing/tables.h"
#include "sizing/units.h"

namespace cv {

namespace {

constexpr const char* kLineEnd = "\r\n";

double WholeUnits(double length) { return length > 0 ? std::ceil(length) : length; }

struct MaterialTotals {
  std::array<double, kCsstSizes.size()> tubing{};
  std::array<double, kPipeSizes.size()> pipe{};
  std::vector<long> efvCounts;  // by catalogue position
};

// The run length in the display unit, raised to a whole number when it is
// positive. The converted text is parsed again, so 10 m stored as
// 32.808399 ft counts as 10, not 11.
double CountedLength(const std::string& storedFeet, const std::string& unitSystem) {
  return WholeUnits(ParseNumber(ConvertUnits(storedFeet, "Length", kEnglish, unitSystem)));
}

void AddLength(std::string_view material, std::string_view size, double length,
               MaterialTotals& totals) {
  // A size that is not a name of the material has no total to go to.
  const int s = SizeIndexOf(size, material);
  if (s < 0) return;
  if (material == kCorvanta) totals.tubing[static_cast<size_t>(s)] += length;
  if (material == kPipe) totals.pipe[static_cast<size_t>(s)] += length;
}

void AddNode(pugi::xml_node node, const ProgramState& state, const std::string& unitSystem,
             MaterialTotals& totals) {
  const std::string model = FieldText(node, "ModelNumber");
  const std::string material = FieldText(node, "material");
  const std::string size = FieldText(node, "materialSize");
  const double length = CountedLength(FieldText(node, "length"), unitSystem);
  if (size.empty()) return;
  const int efv = state.EFVCollection.FindEFVIndex(model);
  if (efv >= 0) ++totals.efvCounts[static_cast<size_t>(efv)];
  AddLength(material, size, length, totals);
}

// The name filled with blanks to its field; a longer name is written whole.
std::string Padded(std::string_view name, size_t width) {
  std::string text(name);
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

template <size_t N>
void AppendLengthLines(std::string& out, const std::array<std::string_view, N>& names,
                       const std::array<double, N>& totals, size_t width, const std::string& unit) {
  for (size_t i = 0; i < N; ++i)
    if (totals[i] != 0)
      out += Padded(names[i], width) + " - " + FormatNumber(totals[i]) + " " + unit + kLineEnd;
}

std::string ListText(const MaterialTotals& totals, const ProgramState& state,
                     const std::string& unitSystem) {
  const std::string unit = LengthUnitCaption(unitSystem);
  std::string out = std::string("CORVANTA Tubing Totals:") + kLineEnd + kLineEnd;
  AppendLengthLines(out, kCsstSizes, totals.tubing, 8, unit);
  out += std::string(kLineEnd) + "Pipe Totals:" + kLineEnd + kLineEnd;
  AppendLengthLines(out, kPipeSizes, totals.pipe, 18, unit);
  out += std::string(kLineEnd) + kLineEnd + "EFVs in the System:" + kLineEnd + kLineEnd;
  const auto& models = state.EFVCollection.Models();
  for (size_t i = 0; i < totals.efvCounts.size(); ++i)
    if (totals.efvCounts[i] != 0)
      out += Padded(models[i].ID, 20) + " - " + std::to_string(totals.efvCounts[i]) + kLineEnd;
  return out;
}

template <size_t N>
void AppendLengths(std::vector<MaterialLength>& out, std::string_view material,
                   const std::array<std::string_view, N>& names,
                   const std::array<double, N>& totals) {
  for (size_t i = 0; i < N; ++i)
    if (totals[i] != 0) out.push_back({std::string(material), std::string(names[i]), totals[i]});
}

}  // namespace

std::string UpdateMaterialList(const pugi::xml_document& doc, const ProgramState& state) {
  return WithContext("modSummaryFuntions.UpdateMaterialList", [&] {
    MaterialTotals totals;
    totals.efvCounts.assign(state.EFVCollection.Models().size(), 0);
    const std::string unitSystem = DocumentUnitSystem(doc);
    for (pugi::xml_node node : AllSystemNodes(doc)) AddNode(node, state, unitSystem, totals);
    return ListText(totals, state, unitSystem);
  });
}

std::vector<MaterialLength> MaterialLengths(const CalcResult& result) {
  MaterialTotals totals;
  for (const RunResult& run : result.runs)
    if (!run.size.empty())
      AddLength(run.material, run.size, WholeUnits(run.length.value_or(0)), totals);
  std::vector<MaterialLength> lengths;
  AppendLengths(lengths, kCorvanta, kCsstSizes, totals.tubing);
  AppendLengths(lengths, kPipe, kPipeSizes, totals.pipe);
  return lengths;
}

}  // namespace cv
