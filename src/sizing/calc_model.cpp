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

// The fields of a node found in one walk over its children: for each name
// the first element, searched up to the first SystemNode as FindField does.
// Only a field of one plain text piece without surrounding white space is
// read here; any other layout is left to the calculation on the document.
enum Field {
  kDescription,
  kLoad,
  kLength,
  kMaterial,
  kSize,
  kAppliance,
  kFixed,
  kSupply,
  kDrop,
  kDelivered,
  kModel,
  kFieldCount
};
constexpr const char* kFieldNames[kFieldCount] = {
    "description",       "load",           "length",
    "material",          "materialSize",   "appliance",
    "materialSizeFixed", "SupplyPressure", "PressureDrop",
    "DeliveredPressure", "ModelNumber"};

bool IsPlainText(pugi::xml_node field) {
  const pugi::xml_node piece = field.first_child();
  if (!piece) return true;
  if (piece.next_sibling() || piece.type() != pugi::node_pcdata) return false;
  const std::string_view text = piece.value();
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  return text.empty() || (!blank(text.front()) && !blank(text.back()));
}

// False when the element holds a field the model does not read faithfully,
// or elements nested in any field.
bool ReadFields(pugi::xml_node element, pugi::xml_node (&fields)[kFieldCount]) {
  bool pastFields = false;
  int expected = 0;
  for (pugi::xml_node child : element.children()) {
    if (child.type() != pugi::node_element) continue;
    const char* name = child.name();
    if (std::strcmp(name, kSystemNodeName) == 0) {
      pastFields = true;
      continue;
    }
    for (pugi::xml_node inner : child.children())
      if (inner.type() == pugi::node_element) return false;
    if (pastFields) continue;
    // Fields usually stand in the order of a new node's: try the next one
    // of that order first.
    int f = std::strcmp(name, kFieldNames[expected]) == 0 ? expected : 0;
    while (f < kFieldCount && std::strcmp(name, kFieldNames[f]) != 0) ++f;
    expected = f + 1 < kFieldCount ? f + 1 : 0;
    if (f == kFieldCount || fields[f]) continue;
    if (!IsPlainText(child)) return false;
    fields[f] = child;
  }
  return true;
}

std::string_view TextOf(pugi::xml_node field) { return field.text().get(); }

class ModelReader {
 public:
  ModelReader(CalcModel& m, const ProgramState& state) : m_(m), state_(state) {}

  // Adds the node and its subtree; false when the model cannot hold it.
  bool AddSubtree(pugi::xml_node root) {
    struct Frame {
      pugi::xml_node element;
      int index;
      int depth;
    };
    std::vector<Frame> stack;
    int lastTopLevel = -1;
    for (pugi::xml_node child : root.children(kSystemNodeName)) stack.push_back({child, -1, 1});
    std::reverse(stack.begin(), stack.end());
    std::vector<int> lastChild;
    while (!stack.empty()) {
      const Frame frame = stack.back();
      stack.pop_back();
      if (frame.depth > kMaxNetworkDepth) return false;
      const int i = m_.Count();
      if (!AddNode(frame.element, frame.index)) return false;
      lastChild.push_back(-1);
      int& previous = frame.index < 0 ? lastTopLevel : lastChild[frame.index];
      if (previous >= 0)
        m_.nextSibling[previous] = i;
      else if (frame.index >= 0)
        m_.firstChild[frame.index] = i;
      previous = i;
      const size_t mark = stack.size();
      for (pugi::xml_node child : frame.element.children(kSystemNodeName))
        stack.push_back({child, i, frame.depth + 1});
      std::reverse(stack.begin() + static_cast<long>(mark), stack.end());
    }
    return true;
  }

  int firstTopLevel = -1;

 private:
  bool AddNode(pugi::xml_node e, int parent) {
    pugi::xml_node f[kFieldCount];
    if (!ReadFields(e, f) || !e.first_attribute()) return false;
    for (Field required :
         {kDescription, kLoad, kLength, kMaterial, kSize, kAppliance, kSupply, kDrop, kDelivered})
      if (!f[required]) return false;
    const RunKind kind = KindOf(TextOf(f[kAppliance]));
    // A fitting's load is a total the calculation writes before reading it.
    const auto loadValue =
        kind == RunKind::Appliance ? TryParseNumber(TextOf(f[kLoad])) : std::optional(0.0);
    const auto lengthValue = TryParseNumber(TextOf(f[kLength]));
    // Out of range, the calculation on the document refuses it by name.
    const auto inRange = [](double v) { return v >= 0 && v <= kMaxRunQuantity; };
    if (!loadValue || !lengthValue || !inRange(*loadValue) || !inRange(*lengthValue)) return false;

    const int i = m_.Count();
    if (parent < 0 && firstTopLevel < 0) firstTopLevel = i;
    m_.element.push_back(e);
    m_.loadField.push_back(f[kLoad]);
    m_.sizeField.push_back(f[kSize]);
    m_.pressureFields.push_back({f[kSupply], f[kDrop], f[kDelivered]});
    m_.id.push_back(e.first_attribute().value());
    m_.parent.push_back(parent);
    m_.firstChild.push_back(-1);
    m_.nextSibling.push_back(-1);
    m_.kind.push_back(kind);
    const std::string_view materialText = TextOf(f[kMaterial]);
    m_.material.push_back(materialText == kCorvanta ? 0 : materialText == kPipe ? 1 : -1);
    m_.length.push_back(*lengthValue);
    m_.fixed.push_back(f[kFixed] && TextOf(f[kFixed]) == "1");
    m_.values.load.push_back(*loadValue);
    m_.values.flow.push_back(*loadValue);
    m_.values.size.push_back(SizeCodeOf(TextOf(f[kSize])));
    m_.values.sizeWritten.push_back(0);
    m_.loadSum.push_back(0);

    const bool regulatorAbove =
        parent >= 0 && (m_.kind[parent] == RunKind::Regulator || m_.regulatorAbove[parent]);
    m_.regulatorAbove.push_back(regulatorAbove);
    const EFVParameters* efv = nullptr;
    std::string model;
    if (kind == RunKind::EFV) {
      if (!f[kModel]) return false;
      model = TextOf(f[kModel]);
      if (!state_.EFVCollection.Contains(model)) return false;
      efv = &state_.EFVCollection.Get(model);
    }
    m_.efv.push_back(efv);
    m_.efvModel.push_back(std::move(model));
    m_.upstreamEfv.push_back(kind == RunKind::EFV ? i : parent >= 0 ? m_.upstreamEfv[parent] : -1);
    return true;
  }

  CalcModel& m_;
  const ProgramState& state_;
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

std::optional<CalcModel> ReadCalcModel(const pugi::xml_document& doc, ProgramState& state) {
  try {
    CalcModel m;
    m.root = ProjectRoot(doc);
    // Runs outside the one root would be sized too, step by step.
    pugi::xml_node rootFields[kFieldCount];
    if (m.root != doc.first_child() || m.root.next_sibling() || !ReadFields(m.root, rootFields) ||
        !rootFields[kLoad])
      return std::nullopt;
    m.rootLoadField = rootFields[kLoad];
    CalcContext ctx{state, m.root, {}};
    m.supply = ReadSupplyValues(ctx);
    m.naturalGas = m.supply.gasType == kNaturalGas;
    m.knownGas = m.naturalGas || m.supply.gasType == kPropane;
    ModelReader reader(m, state);
    if (!reader.AddSubtree(m.root)) return std::nullopt;
    m.firstTop = reader.firstTopLevel;
    std::unordered_map<std::string_view, int> firstById(static_cast<size_t>(m.Count()));
    m.firstWithId.resize(m.id.size());
    for (int i = 0; i < m.Count(); ++i)
      m.firstWithId[i] = firstById.emplace(m.id[i], i).first->second;
    RankIds(m);
    return m;
  } catch (const CvError&) {
    return std::nullopt;
  }
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

}  // namespace

void WriteCalcModel(const CalcModel& m) {
  WriteNumber(m.rootLoadField, m.rootLoadSum);
  for (int i = 0; i < m.Count(); ++i) {
    if (m.kind[i] != RunKind::Appliance) WriteNumber(m.loadField[i], m.loadSum[i]);
    if (m.values.sizeWritten[i]) WriteText(m.sizeField[i], SizeCodeText(m.values.size[i]));
    if (!m.hasPressures[i]) continue;
    const auto& fields = m.pressureFields[i];
    WriteNumber(fields[0], m.supplyPressure[i]);
    WriteNumber(fields[1], m.pressureDrop[i]);
    WriteNumber(fields[2], m.deliveredPressure[i]);
  }
}

}  // namespace cv
