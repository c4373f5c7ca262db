#include "sizing/size_coordination.h"

#include <string>

#include "core/number_text.h"
#include "project/document.h"
#include "sizing/pressure_drop.h"
#include "sizing/tables.h"

namespace cv {

namespace {

constexpr double kReferenceLoad = 500;
constexpr double kReferenceLength = 100;

double ReferenceDrop(std::string_view size, std::string_view material, std::string_view gas) {
  return Round2(LawPressureDrop(kReferenceLoad, kReferenceLength, material, size, gas));
}

}  // namespace

bool ParentHasHigherCapacity(std::string_view nodeSize, std::string_view nodeMaterial,
                             std::string_view parentSize, std::string_view parentMaterial,
                             std::string_view gasType) {
  return ReferenceDrop(parentSize, parentMaterial, gasType) <
         ReferenceDrop(nodeSize, nodeMaterial, gasType);
}

bool CoordinateParentSize(pugi::xml_node node, const CalcContext& ctx) {
  if (IsSystemRoot(node)) return false;
  const std::string description = FieldText(node, "description");
  const std::string material = FieldText(node, "material");
  const std::string size = FieldText(node, "materialSize");
  const bool nodeFixed = IsSizeFixed(node);
  const int i = SizeIndexOf(size, material);

  const pugi::xml_node parent = node.parent();
  const std::string parentDescription = FieldText(parent, "description");
  const bool parentIsSupply = IsSystemRoot(parent);
  std::string parentKind, parentMaterial, parentSize;
  bool parentFixed = false;
  bool parentAtMax = true;
  if (!parentIsSupply) {
    parentKind = FieldText(parent, "appliance");
    parentMaterial = FieldText(parent, "material");
    parentSize = FieldText(parent, "materialSize");
    parentFixed = IsSizeFixed(parent);
    if (parentSize.empty()) {
      parentSize = SmallestSizeFallback(parentMaterial);
      SetFieldText(parent, "materialSize", parentSize);
    }
    parentAtMax = !IsSizeIndexInRange(SizeIndexOf(parentSize, parentMaterial) + 1, parentMaterial);
  }
  const bool parentIsRegulator = parentKind == "Regulator";
  const std::string gasType = RootAttributeText(ctx.projectRoot, kAttrGasType);
  const bool parentBigger =
      ParentHasHigherCapacity(size, material, parentSize, parentMaterial, gasType);
  const auto who = [&] { return "Node: " + description + " | Parent: " + parentDescription; };
  ctx.Trace([&] {
    return who() + " - Parent size = " + parentSize + " / Node size = " + size +
           " Parent bigger = " + (parentBigger ? "True" : "False");
  });

  const bool nodeCanGrow = IsSizeIndexInRange(i + 1, material) && !nodeFixed;
  if (nodeCanGrow &&
      (parentBigger || parentIsSupply || parentAtMax || parentFixed || parentIsRegulator)) {
    ctx.Trace([&] {
      return who() +
             " - Either parent device is the gas supply, a regulator, has a higher capacity, "
             "or has a fixed size. Increasing the current node's size from " +
             size;
    });
    SetFieldText(node, "materialSize", SizeNameAt(i + 1, material));
    return true;
  }
  if (parentIsSupply || parentIsRegulator) {
    ctx.Trace([&] {
      return who() +
             " - ERROR!! Both the current node's size and parent node's size are at maximum, "
             "or one is maxed and one is a fixed size... Erroring out program!!";
    });
    // An ancestor reached by a carry keeps the size it has; only the run
    // being sized is emptied, and its sizing puts a valid size back.
    if (!nodeFixed && node == ctx.sizingNode) SetFieldText(node, "materialSize", "");
    return false;
  }
  ctx.Trace([&] {
    return who() +
           " - The current node's size is at maximum Increasing the parent node's size from " +
           parentSize + " and setting current node's size to the minimum";
  });
  if (!nodeFixed) SetFieldText(node, "materialSize", SizeNameAt(0, material));
  return CoordinateParentSize(parent, ctx);
}

}  // namespace cv
