#include "reports/supply_compare.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

#include "core/number_text.h"
#include "edit/project.h"
#include "project/document.h"
#include "project/project_state.h"
#include "sizing/network_calculation.h"
#include "sizing/tables.h"
#include "sizing/units.h"

namespace cv {

namespace {

std::optional<double> RootNumber(pugi::xml_node root, int position) {
  return TryParseNumber(RootAttributeText(root, position));
}

void ReadSettings(const pugi::xml_document& doc, OptionComparison& out) {
  const pugi::xml_node root = ProjectRoot(doc);
  out.method = FieldText(root, "calculationType");
  out.gas = RootAttributeText(root, kAttrGasType);
  if (IsDualSystem(root)) {
    out.supplyPressure = RootNumber(root, kAttrHighSupplyPressure);
    out.allowableDrop = RootNumber(root, kAttrHighSupplyAllowablePressureDrop);
    return;
  }
  out.supplyPressure = RootNumber(root, kAttrInternalLowSupplyPressure);
  if (out.method != "Delivery Pressure Method")
    out.allowableDrop = RootNumber(root, kAttrInternalLowSupplyAllowablePressureDrop);
}

// The settings a supply update writes, as the root holds them.
std::string SupplyText(const pugi::xml_document& doc) {
  const pugi::xml_node root = ProjectRoot(doc);
  std::string text;
  for (pugi::xml_attribute a : root.attributes()) text += std::string(a.value()) + '|';
  return text + FieldText(root, "calculationType") + '|' + FieldText(root, "DualSystem");
}

// Ties go to the first appliance in document order.
std::optional<LowestDelivered> LowestOf(const CalcResult& result) {
  std::optional<LowestDelivered> lowest;
  for (const RunResult& run : result.runs) {
    if (PassesLoadThrough(run.kind) || !run.deliveredPressure) continue;
    if (!lowest || *run.deliveredPressure < lowest->pressure)
      lowest = LowestDelivered{run.id, run.description, *run.deliveredPressure};
  }
  return lowest;
}

size_t WorkerCount() { return std::max(1u, std::thread::hardware_concurrency()); }

}  // namespace

std::string_view OptionStatusText(const OptionComparison& comparison) noexcept {
  if (!comparison.option.Applicable()) return "not-applicable";
  return comparison.result.AllSized() ? "sized" : "failed";
}

OptionComparison CompareOption(const pugi::xml_document& project, const EFVCatalog& catalog,
                               const SupplyOption& option) {
  Project copy(catalog);
  copy.Doc().reset(project);
  ApplySupplyOption(copy, option);
  OptionComparison out;
  out.option = option;
  ReadSettings(copy.Doc(), out);
  out.current = !option.settings || SupplyText(copy.Doc()) == SupplyText(project);
  if (!option.Applicable()) return out;
  out.result = Calculate(copy.Doc(), catalog, {});
  out.materials = MaterialLengths(out.result);
  out.lowest = LowestOf(out.result);
  return out;
}

std::vector<OptionComparison> CompareSupplyOptions(const pugi::xml_document& project,
                                                   const EFVCatalog& catalog) {
  return CompareSupplyOptions(project, catalog, SupplyOptionsFor(project));
}

std::vector<OptionComparison> CompareSupplyOptions(const pugi::xml_document& project,
                                                   const EFVCatalog& catalog,
                                                   const std::vector<SupplyOption>& options) {
  std::vector<OptionComparison> out(options.size());
  // Each option works on a copy of its own and only reads the project, so
  // the options are sized side by side on every core.
  std::vector<std::exception_ptr> failures(options.size());
  std::atomic<size_t> next = 0;
  const auto work = [&] {
    for (size_t i = next++; i < options.size(); i = next++) try {
        out[i] = CompareOption(project, catalog, options[i]);
      } catch (...) {
        failures[i] = std::current_exception();
      }
  };
  std::vector<std::thread> workers(std::clamp<size_t>(options.size(), 1, WorkerCount()) - 1);
  for (std::thread& worker : workers) worker = std::thread(work);
  work();
  for (std::thread& worker : workers) worker.join();
  for (const std::exception_ptr& failure : failures)
    if (failure) std::rethrow_exception(failure);
  return out;
}

void ApplySupplyOption(Project& project, const SupplyOption& option) {
  if (option.settings) project.ApplySupply(*option.settings);
}

}  // namespace cv
