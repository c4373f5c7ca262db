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

struct MaterialTotals {
  std::array<double, kCsstSizes.size()> tubing{};
  std::array<double, kPipeSizes.size()> pipe{};
  std::vector<long> efvCounts;  // by catalogue position
};

// The run length in the display unit, raised to a whole number when it is
// positive. The converted text is parsed again, so 10 m stored as
// 32.808399 ft counts as 10, not 11.
double CountedLength(const std::string& storedFeet, const std::string& unitSystem) {
  const double length = ParseNumber(ConvertUnits(storedFeet, "Length", kEnglish, unitSystem));
  return length > 0 ? std::ceil(length) : length;
}

void AddNode(pugi::xml_node node, const EFVCatalog* catalog, const std::string& unitSystem,
             MaterialTotals& totals) {
  const std::string model = FieldText(node, "ModelNumber");
  const std::string material = FieldText(node, "material");
  const std::string size = FieldText(node, "materialSize");
  const double length = CountedLength(FieldText(node, "length"), unitSystem);
  if (size.empty()) return;
  const int efv = catalog ? catalog->FindEFVIndex(model) : -1;
  if (efv >= 0) ++totals.efvCounts[static_cast<size_t>(efv)];
  // A size that is not a name of the material has no total to go to.
  const int s = SizeIndexOf(size, material);
  if (s < 0) return;
  if (material == kCorvanta) totals.tubing[static_cast<size_t>(s)] += length;
  if (material == kPipe) totals.pipe[static_cast<size_t>(s)] += length;
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

// Without a catalogue no EFV is counted.
MaterialTotals CountMaterials(const pugi::xml_document& doc, const EFVCatalog* catalog,
                              const std::string& unitSystem) {
  MaterialTotals totals;
  if (catalog) totals.efvCounts.assign(catalog->Models().size(), 0);
  for (pugi::xml_node node : AllSystemNodes(doc)) AddNode(node, catalog, unitSystem, totals);
  return totals;
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
    const std::string unitSystem = DocumentUnitSystem(doc);
    return ListText(CountMaterials(doc, &state.EFVCollection, unitSystem), state, unitSystem);
  });
}

std::vector<MaterialLength> MaterialLengths(const pugi::xml_document& doc,
                                            const std::string& unitSystem) {
  const MaterialTotals totals = CountMaterials(doc, nullptr, unitSystem);
  std::vector<MaterialLength> lengths;
  AppendLengths(lengths, kCorvanta, kCsstSizes, totals.tubing);
  AppendLengths(lengths, kPipe, kPipeSizes, totals.pipe);
  return lengths;
}

}  // namespace cv
