#include "sizing/pressure_drop.h"

#include <cmath>
#include <string>
#include <vector>

#include "core/errors.h"
#include "core/number_text.h"
#include "project/document.h"
#include "project/project_state.h"
#include "sizing/carried_loads.h"
#include "sizing/tables.h"

namespace cv {

namespace {

constexpr double k32ALoadDivisor = 0.800312012;
constexpr double kTubingPropaneDivisor = 1.581;
constexpr double kPipePropaneDivisor = 1.55;
constexpr double kPipeGasFactorNatural = 0.60941679;
constexpr double kPipeGasFactorPropane = 1.26031657;
constexpr double kPipeFlowConstant = 2313.0;
constexpr double kPipeDiameterExponent = 2.623;
constexpr double kPipeFlowExponent = 0.541;

int CheckedSizeIndex(std::string_view size, std::string_view material) {
  const int i = SizeIndexOf(size, material);
  if (i < 0)
    Raise(kErrOutOfRange,
          "\"" + std::string(size) + "\" is not a size of " + std::string(material));
  return i;
}

double NodeSegmentDrop(pugi::xml_node node, const CalcContext& ctx) {
  const double length = FieldNumber(node, "length");
  double load = FieldNumber(node, "load");
  if (ctx.carried) load = ctx.carried->Of(node);
  const std::string_view material = FieldView(node, "material");
  const std::string_view size = FieldView(node, "materialSize");
  const std::string gasType = RootAttributeText(ctx.projectRoot, kAttrGasType);
  double dp = LawPressureDrop(load, length, material, size, gasType);
  if (FieldView(node, "appliance") == "EFV") {
    dp += ctx.catalog.Get(FieldView(node, "ModelNumber")).NormalPresDrop;
  }
  return Round2(CheckedDrop(dp));
}

bool IsRegulator(pugi::xml_node node) { return FieldView(node, "appliance") == "Regulator"; }

void WritePressures(pugi::xml_node node, double supply, double drop, double delivered) {
  SetFieldText(node, "SupplyPressure", FormatNumber(supply));
  SetFieldText(node, "PressureDrop", FormatNumber(drop));
  SetFieldText(node, "DeliveredPressure", FormatNumber(delivered));
}

}  // namespace

double CheckedDrop(double value) {
  if (std::isnan(value)) Raise(kErrInvalidArgument, "pressure drop of a negative load");
  if (std::isinf(value)) Raise(kErrOverflow, "pressure drop too large");
  return value;
}

const SupplyValues& ReadSupplyValues(const CalcContext& ctx) {
  if (ctx.supply) return *ctx.supply;
  return ctx.supply.emplace(ReadSupplyValues(ctx.projectRoot, IsDualSystem(ctx.projectRoot)));
}

SupplyValues ReadSupplyValues(pugi::xml_node root, bool dual) {
  SupplyValues v;
  v.gasType = RootAttributeText(root, kAttrGasType);
  v.method = FieldText(root, "calculationType");
  v.dual = dual;
  v.pLow = ParseNumber(RootAttributeText(root, kAttrInternalLowSupplyPressure));
  v.dLow = ParseNumber(RootAttributeText(root, kAttrInternalLowSupplyDeliveryPressure));
  v.aLow = ParseNumber(RootAttributeText(root, kAttrInternalLowSupplyAllowablePressureDrop));
  if (v.dual) {
    v.pHigh = ParseNumber(RootAttributeText(root, kAttrHighSupplyPressure));
    v.aHigh = ParseNumber(RootAttributeText(root, kAttrHighSupplyAllowablePressureDrop));
  }
  return v;
}

double LawPressureDrop(double load, double length, std::string_view material, std::string_view size,
                       std::string_view gasType) {
  const bool natural = gasType == kNaturalGas;
  if (!natural && gasType != kPropane) return 0;
  const double q = size.substr(0, 3) == "32A" ? load / k32ALoadDivisor : load;
  if (material == kCorvanta) {
    const CsstFlowConstant& k = kCsstFlowConstants[CheckedSizeIndex(size, material)];
    const double flow = natural ? q : q / kTubingPropaneDivisor;
    return CheckedDrop(k.c * std::pow(flow, k.n) * length);
  }
  if (material == kPipe) {
    const double d = kPipeInsideDiameters[CheckedSizeIndex(size, material)];
    const double gasFactor = natural ? kPipeGasFactorNatural : kPipeGasFactorPropane;
    const double flow = natural ? q : q / kPipePropaneDivisor;
    const double base = std::pow(gasFactor, kPipeFlowExponent) * flow /
                        (kPipeFlowConstant * std::pow(d, kPipeDiameterExponent));
    return CheckedDrop(std::pow(base, 1 / kPipeFlowExponent) * length);
  }
  return 0;
}

double PressureDropToSource(pugi::xml_node node, bool segmentOnly, const CalcContext& ctx) {
  if (segmentOnly) return NodeSegmentDrop(node, ctx);

  // The runs from the node up to the first one fed by the gas supply or a
  // regulator; they are recomputed from the source down.
  std::vector<pugi::xml_node> path;
  for (pugi::xml_node cur = node;; cur = cur.parent()) {
    path.push_back(cur);
    const pugi::xml_node parent = cur.parent();
    if (IsSystemRoot(parent) || IsRegulator(parent)) break;
  }
  const SupplyValues& supply = ReadSupplyValues(ctx);
  const bool belowSupply = IsSystemRoot(path.back().parent());
  // No run on the path is a regulator's parent, so they share one answer.
  const bool regulatorAbove = !belowSupply;
  const double base = supply.dual && !regulatorAbove ? supply.pHigh : supply.pLow;

  double parentCum = 0;
  for (auto it = path.rbegin(); it != path.rend(); ++it) {
    const pugi::xml_node n = *it;
    const double dp = NodeSegmentDrop(n, ctx);
    double cum = dp;
    if (it == path.rbegin() && belowSupply) {
      WritePressures(n, Round2(base), Round2(dp), Round2(base - dp));
    } else if (it == path.rbegin()) {
      WritePressures(n, supply.pLow, dp, Round2(supply.pLow - dp));
    } else {
      const double parentDelivered = FieldNumber(n.parent(), "DeliveredPressure");
      cum = dp + parentCum;
      WritePressures(n, Round2(parentDelivered), dp, Round2(base - cum));
    }
    parentCum = Round2(cum);
  }
  return parentCum;
}

bool HasRegulatorAncestor(pugi::xml_node node) {
  for (pugi::xml_node p = node.parent(); p && !IsSystemRoot(p); p = p.parent())
    if (IsRegulator(p)) return true;
  return false;
}

bool IsApplianceOrRegulator(pugi::xml_node element) {
  if (!IsSystemNode(element)) return false;
  const std::string_view kind = FieldView(element, "appliance");
  return kind != "Manifold" && kind != "Tee" && kind != "EFV";
}

bool IsHighPressureSideNode(pugi::xml_node element) {
  return IsSystemNode(element) && (IsRegulator(element) || !HasRegulatorAncestor(element));
}

}  // namespace cv
