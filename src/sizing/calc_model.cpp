#include "sizing/calc_model.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/errors.h"
#include "core/number_text.h"
#include "project/document.h"
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

// Whether every element among the children is a field without elements of
// its own or a SystemNode: the only layout the model reads faithfully.
bool FieldsAreFlat(pugi::xml_node element) {
  for (pugi::xml_node child : element.children()) {
    if (child.type() != pugi::node_element) continue;
    if (std::strcmp(child.name(), kSystemNodeName) == 0) continue;
    for (pugi::xml_node inner : child.children())
      if (inner.type() == pugi::node_element) return false;
  }
  return true;
}

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
    const char* const required[] = {"description", "SupplyPressure", "PressureDrop",
                                    "DeliveredPressure"};
    for (const char* name : required)
      if (!FindField(e, name)) return false;
    pugi::xml_node appliance = FindField(e, "appliance");
    pugi::xml_node load = FindField(e, "load");
    pugi::xml_node length = FindField(e, "length");
    pugi::xml_node material = FindField(e, "material");
    pugi::xml_node size = FindField(e, "materialSize");
    if (!appliance || !load || !length || !material || !size || !e.first_attribute() ||
        !FieldsAreFlat(e))
      return false;
    const RunKind kind = KindOf(FieldView(e, "appliance"));
    // A fitting's load is a total the calculation writes before reading it.
    const auto loadValue =
        kind == RunKind::Appliance ? TryParseNumber(FieldView(e, "load")) : std::optional(0.0);
    const auto lengthValue = TryParseNumber(FieldView(e, "length"));
    if (!loadValue || !lengthValue || !std::isfinite(*loadValue) || !std::isfinite(*lengthValue))
      return false;

    const int i = m_.Count();
    if (parent < 0 && firstTopLevel < 0) firstTopLevel = i;
    m_.element.push_back(e);
    m_.id.push_back(NodeId(e));
    m_.parent.push_back(parent);
    m_.firstChild.push_back(-1);
    m_.nextSibling.push_back(-1);
    m_.kind.push_back(kind);
    const std::string_view materialText = FieldView(e, "material");
    m_.material.push_back(materialText == kCorvanta ? 0 : materialText == kPipe ? 1 : -1);
    m_.length.push_back(*lengthValue);
    m_.fixed.push_back(IsSizeFixed(e));
    m_.values.load.push_back(*loadValue);
    m_.values.size.push_back(SizeCodeOf(FieldView(e, "materialSize")));
    m_.values.sizeWritten.push_back(0);
    m_.loadSum.push_back(0);

    const bool regulatorAbove =
        parent >= 0 && (m_.kind[parent] == RunKind::Regulator || m_.regulatorAbove[parent]);
    m_.regulatorAbove.push_back(regulatorAbove);
    const EFVParameters* efv = nullptr;
    std::string model;
    if (kind == RunKind::EFV) {
      if (!FindField(e, "ModelNumber")) return false;
      model = FieldText(e, "ModelNumber");
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

}  // namespace

std::optional<CalcModel> ReadCalcModel(const pugi::xml_document& doc, ProgramState& state) {
  try {
    CalcModel m;
    m.root = ProjectRoot(doc);
    // Runs outside the one root would be sized too, step by step.
    if (m.root != doc.first_child() || m.root.next_sibling() || !FieldsAreFlat(m.root) ||
        !FindField(m.root, "load"))
      return std::nullopt;
    CalcContext ctx{state, m.root, {}};
    m.supply = ReadSupplyValues(ctx);
    m.naturalGas = m.supply.gasType == kNaturalGas;
    m.knownGas = m.naturalGas || m.supply.gasType == kPropane;
    ModelReader reader(m, state);
    if (!reader.AddSubtree(m.root)) return std::nullopt;
    m.firstTop = reader.firstTopLevel;
    return m;
  } catch (const CvError&) {
    return std::nullopt;
  }
}

namespace {

void WriteNumber(pugi::xml_node node, const char* field, double value) {
  SetFieldText(node, field, FormatNumber(value));
}

}  // namespace

void WriteCalcModel(const CalcModel& m) {
  WriteNumber(m.root, "load", m.rootLoadSum);
  for (int i = 0; i < m.Count(); ++i) {
    const pugi::xml_node e = m.element[i];
    if (m.kind[i] != RunKind::Appliance) WriteNumber(e, "load", m.loadSum[i]);
    if (m.values.sizeWritten[i]) SetFieldText(e, "materialSize", SizeCodeText(m.values.size[i]));
    if (!m.hasPressures[i]) continue;
    WriteNumber(e, "SupplyPressure", m.supplyPressure[i]);
    WriteNumber(e, "PressureDrop", m.pressureDrop[i]);
    WriteNumber(e, "DeliveredPressure", m.deliveredPressure[i]);
  }
}

}  // namespace cv
