#include "sizing/calc_model.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_map>

#include "core/errors.h"
#include "core/number_text.h"
#include "project/document.h"
#include "sizing/input_checks.h"
#include "sizing/network_calculation.h"
#include "sizing/pressure_drop.h"
#include "sizing/tables.h"

namespace cv {

int SizeCodeOf(std::string_view text) noexcept {
  if (text.empty()) return kSizeEmpty;
  const int tubing = SizeIndexOf(text, kCorvanta);
  if (tubing >= 0) return tubing;
  const int pipe = SizeIndexOf(text, kPipe);
  return pipe >= 0 ? kPipeSizeBase + pipe : kSizeOther;
}

std::string_view SizeCodeText(int code) noexcept {
  if (code < 0) return {};
  return code < kPipeSizeBase ? kCsstSizes[code] : kPipeSizes[code - kPipeSizeBase];
}

double StoredNumber(double value) {
  // A value of whole hundredths reads back as itself: its text has at most
  // 15 digits and names the double nearest to it.
  if (std::fabs(value) < 1e12) {
    const double hundredths = std::nearbyint(value * 100);
    if (hundredths / 100 == value) return value + 0.0;
  }
  return ParseNumber(FormatNumber(value));
}

namespace {

RunKind KindOf(std::string_view appliance) {
  if (appliance == "Manifold") return RunKind::Manifold;
  if (appliance == "Regulator") return RunKind::Regulator;
  if (appliance == "Tee") return RunKind::Tee;
  if (appliance == "EFV") return RunKind::EFV;
  return RunKind::Appliance;
}

constexpr const char* kFieldNames[kFieldCount] = {
    "description",       "load",           "length",
    "material",          "materialSize",   "appliance",
    "materialSizeFixed", "SupplyPressure", "PressureDrop",
    "DeliveredPressure", "ModelNumber"};

// The fields of an element found in one walk over its children: for each
// name the first element, searched up to the first SystemNode as FindField
// does. The SystemNodes among the children are collected.
using Fields = std::array<pugi::xml_node, kFieldCount>;

Fields ReadFields(pugi::xml_node element) {
  Fields fields{};
  int expected = 0;
  for (pugi::xml_node child : element.children()) {
    if (child.type() != pugi::node_element) continue;
    const char* name = child.name();
    if (std::strcmp(name, kSystemNodeName) == 0) break;
    // Fields usually stand in the order of a new node's: try the next one
    // of that order first.
    int f = std::strcmp(name, kFieldNames[expected]) == 0 ? expected : 0;
    while (f < kFieldCount && std::strcmp(name, kFieldNames[f]) != 0) ++f;
    expected = f + 1 < kFieldCount ? f + 1 : 0;
    if (f < kFieldCount && !fields[f]) fields[f] = child;
  }
  return fields;
}

std::string_view TextOf(pugi::xml_node field) { return field.text().get(); }

bool HoldsSystemNode(pugi::xml_node element) {
  return IsSystemNode(element) ||
         element.find_node([](pugi::xml_node n) { return IsSystemNode(n); });
}

// A field of more than one plain text may hide a SystemNode.
bool HidesSystemNode(pugi::xml_node field) {
  const pugi::xml_node only = field.first_child();
  if (!only || (only.type() == pugi::node_pcdata && !only.next_sibling())) return false;
  return HoldsSystemNode(field);
}

bool InputFault(const Fields& f, RunKind kind) {
  const auto faulty = [&](Field field) {
    const auto value = TryParseNumber(TextOf(f[field]));
    return !f[field] || !value || !(*value >= 0 && *value <= kMaxRunQuantity);
  };
  return faulty(kLength) || !f[kAppliance] || (kind == RunKind::Appliance && faulty(kLoad));
}

class ModelReader {
 public:
  ModelReader(CalcModel& m, const EFVCatalog& catalog) : m_(m), catalog_(catalog) {}

  // Adds the root's subtree in document order, without recursion.
  void AddSubtree(pugi::xml_node root) {
    struct Frame {
      pugi::xml_node element;
      int parent;
      int depth;
    };
    std::vector<Frame> stack;
    for (pugi::xml_node child : root.children(kSystemNodeName)) stack.push_back({child, -1, 1});
    std::reverse(stack.begin(), stack.end());
    std::vector<int> lastChild;
    int lastTopLevel = -1;
    while (!stack.empty()) {
      const auto [element, parent, depth] = stack.back();
      stack.pop_back();
      const int i = m_.Count();
      m_.depth = std::max(m_.depth, depth);
      AddNode(element, parent);
      lastChild.push_back(-1);
      int& previous = parent < 0 ? lastTopLevel : lastChild[parent];
      if (previous >= 0)
        m_.nextSibling[previous] = i;
      else if (parent >= 0)
        m_.firstChild[parent] = i;
      else
        m_.firstTop = i;
      previous = i;
      const size_t mark = stack.size();
      for (pugi::xml_node child : element.children(kSystemNodeName))
        stack.push_back({child, i, depth + 1});
      std::reverse(stack.begin() + static_cast<long>(mark), stack.end());
    }
  }

 private:
  void AddNode(pugi::xml_node e, int parent) {
    const Fields f = ReadFields(e);
    uint16_t missing = 0;
    for (int k = 0; k < kFieldCount; ++k)
      if (!f[k] && k != kFixed && k != kModel) missing |= static_cast<uint16_t>(1u << k);
    const RunKind kind = KindOf(TextOf(f[kAppliance]));
    if (kind == RunKind::EFV && !f[kModel]) missing |= 1u << kModel;
    m_.inputFault.push_back(InputFault(f, kind));
    for (pugi::xml_node field : f)
      if (field && HidesSystemNode(field)) m_.stray = true;
    m_.missing.push_back(missing);
    m_.anyMissing = m_.anyMissing || missing != 0;
    m_.fields.runs.push_back(f);
    const int i = m_.Count();
    m_.element.push_back(e);
    m_.hasId.push_back(e.first_attribute() ? 1 : 0);
    m_.id.push_back(e.first_attribute().value());
    m_.parent.push_back(parent);
    m_.firstChild.push_back(-1);
    m_.nextSibling.push_back(-1);
    m_.kind.push_back(kind);
    const std::string_view materialText = TextOf(f[kMaterial]);
    m_.material.push_back(materialText == kCorvanta ? 0 : materialText == kPipe ? 1 : -1);
    // The input checks have read every length and appliance load.
    m_.length.push_back(TryParseNumber(TextOf(f[kLength])).value_or(0));
    const double load =
        kind == RunKind::Appliance ? TryParseNumber(TextOf(f[kLoad])).value_or(0) : 0;
    m_.fixed.push_back(TextOf(f[kFixed]) == "1");
    m_.values.load.push_back(load);
    m_.values.flow.push_back(load);
    m_.values.size.push_back(SizeCodeOf(TextOf(f[kSize])));
    const bool regulatorAbove =
        parent >= 0 && (m_.kind[parent] == RunKind::Regulator || m_.regulatorAbove[parent]);
    m_.regulatorAbove.push_back(regulatorAbove);
    const std::string model(TextOf(f[kModel]));
    m_.efv.push_back(kind == RunKind::EFV && catalog_.Contains(model) ? &catalog_.Get(model)
                                                                      : nullptr);
    m_.upstreamEfv.push_back(kind == RunKind::EFV ? i : parent >= 0 ? m_.upstreamEfv[parent] : -1);
  }

  CalcModel& m_;
  const EFVCatalog& catalog_;
};

void RankIds(CalcModel& m) {
  std::vector<std::string> lowered(m.id);
  for (std::string& text : lowered)
    for (char& c : text)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  std::vector<int> order(m.id.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::sort(order.begin(), order.end(), [&](int a, int b) { return lowered[a] < lowered[b]; });
  m.idRank.assign(order.size(), 0);
  for (size_t k = 1; k < order.size(); ++k)
    m.idRank[order[k]] = m.idRank[order[k - 1]] + (lowered[order[k - 1]] < lowered[order[k]]);
}

}  // namespace

CalcModel ReadCalcModel(const pugi::xml_document& doc, const EFVCatalog& catalog) {
  CalcModel m;
  m.root = ProjectRoot(doc);
  for (pugi::xml_node top : doc.children())
    if (top != m.root && HoldsSystemNode(top)) m.stray = true;
  const Fields rootFields = ReadFields(m.root);
  m.fields.rootLoad = rootFields[kLoad];
  m.fields.rootDescription = rootFields[kDescription];
  ModelReader reader(m, catalog);
  reader.AddSubtree(m.root);
  const size_t n = m.element.size();
  m.values.sizeWritten.assign(n, 0);
  m.values.loadWritten.assign(n, 0);
  m.values.pressure.assign(n, {0, 0, 0});
  m.values.pressuresWritten.assign(n, 0);
  std::unordered_map<std::string_view, int> firstById(n);
  m.firstWithId.resize(n);
  for (int i = 0; i < m.Count(); ++i)
    m.firstWithId[i] = firstById.emplace(m.id[i], i).first->second;
  RankIds(m);
  return m;
}

FieldTable ReadFieldTable(const pugi::xml_document& doc) {
  FieldTable table;
  const pugi::xml_node root = ProjectRoot(doc);
  table.rootLoad = ReadFields(root)[kLoad];
  std::vector<pugi::xml_node> stack;
  for (pugi::xml_node child : root.children(kSystemNodeName)) stack.push_back(child);
  std::reverse(stack.begin(), stack.end());
  while (!stack.empty()) {
    const pugi::xml_node element = stack.back();
    stack.pop_back();
    table.runs.push_back(ReadFields(element));
    const size_t mark = stack.size();
    for (pugi::xml_node child : element.children(kSystemNodeName)) stack.push_back(child);
    std::reverse(stack.begin() + static_cast<long>(mark), stack.end());
  }
  return table;
}

bool HoldsEFV(const CalcModel& m) {
  for (int i = 0; i < m.Count(); ++i) {
    m.Need(i, kAppliance);
    if (m.kind[i] == RunKind::EFV) return true;
  }
  return false;
}

void CheckModelInputs(const CalcModel& m) {
  if (m.depth > kMaxNetworkDepth)
    Raise(kErrOutOfStack,
          "the network nests more than " + std::to_string(kMaxNetworkDepth) + " runs deep");
  if (m.stray)
    Raise(kErrMissingElement,
          "a SystemNode stands outside the network's tree; such a file cannot be sized");
  for (int i = 0; i < m.Count(); ++i)
    if (m.inputFault[i]) CheckRunInput(m.element[i]);
}

std::string_view CalcModel::Text(int i, Field f) const { return TextOf(fields.runs[i][f]); }

void CalcModel::RaiseMissing(int i, Field f) const {
  FieldView(element[i], kFieldNames[f]);
  Raise(kErrMissingElement, std::string("missing element ") + kFieldNames[f]);
}

std::string CalcModel::SizeText(int i, int code) const {
  return code == kSizeOther ? std::string(Text(i, kSize)) : std::string(SizeCodeText(code));
}

namespace {

// Writes the text unless the field already holds exactly it.
void WriteText(pugi::xml_node field, std::string_view text) {
  const pugi::xml_node piece = field.first_child();
  if (piece && piece.type() == pugi::node_pcdata && !piece.next_sibling() && text == piece.value())
    return;
  SetElementText(field, text);
}

void WriteNumber(pugi::xml_node field, double value) { WriteText(field, FormatNumber(value)); }

void WritePressures(const std::array<pugi::xml_node, kFieldCount>& fields,
                    const std::array<double, 3>& values, int count) {
  for (int k = 0; k < count; ++k) WriteNumber(fields[kSupply + k], values[k]);
}

}  // namespace

void WriteRunValues(const CalcModel& m, const RunValues& v, const FieldTable& fields) {
  if (v.rootLoadWritten) WriteNumber(fields.rootLoad, v.rootLoad);
  for (int i = 0; i < m.Count(); ++i) {
    const auto& f = fields.runs[i];
    if (v.loadWritten[i]) WriteNumber(f[kLoad], v.load[i]);
    if (v.sizeWritten[i]) WriteText(f[kSize], m.SizeText(i, v.size[i]));
    WritePressures(f, v.pressure[i], v.pressuresWritten[i]);
  }
}

void WriteCalcModel(const CalcModel& m) {
  WriteRunValues(m, m.values, m.fields);
  for (int i = 0; i < m.Count() && i < static_cast<int>(m.hasPressures.size()); ++i)
    WritePressures(m.fields.runs[i], m.pressure[i], m.hasPressures[i]);
}

}  // namespace cv
