#include "reports/print_settings_block.h"

#include "core/number_text.h"
#include "core/version.h"
#include "project/document.h"
#include "reports/print_wrapped_text.h"
#include "sizing/units.h"
#include "supply/supply_presets.h"

namespace cv {

namespace {

// Where the text lines stand: their left edge (the right margin is as
// wide), and the step from one to the next.
constexpr double kLineX = 750;
constexpr double kLineStep = 250;

std::string ToMillibar(const std::string& inchesWater) {
  return ConvertUnits(inchesWater, "Pressure", kEnglish, kMetric) + " mb";
}

// The method's line at offset 750, or at 1000 for the high-pressure side;
// empty for an unknown method.
std::string MethodLine(pugi::xml_node root, const PrintHeader& header, bool highSide) {
  const std::string method = FieldText(root, "calculationType");
  if (method == "Fixed Pressure Method")
    return highSide ? "Low Supply Pressure: " + header.internalPressure
                    : "Supply Pressure: " + header.supplyPressure;
  if (method == "User Defined Method")
    return highSide
               ? "High Supply Pressure Drop: " +
                     ToMillibar(RootAttributeText(root, kAttrHighSupplyAllowablePressureDrop))
               : "Supply Pressure Drop: " + ToMillibar(RootAttributeText(
                                                root, kAttrInternalLowSupplyAllowablePressureDrop));
  if (method != "Delivery Pressure Method") return {};
  if (!highSide)
    return "Delivery Pressure: " + RootAttributeText(root, kAttrInternalLowSupplyDeliveryPressure) +
           " WC";
  const double drop = ParseNumber(RootAttributeText(root, kAttrHighSupplyAllowablePressureDrop));
  return "Pressure Drop: " + FormatNumber(drop / kInchesWcPerPsi) + " PSI";
}

}  // namespace

std::vector<std::string> SettingsBlockLines(const pugi::xml_document& doc,
                                            const PrintHeader& header) {
  const pugi::xml_node root = ProjectRoot(doc);
  std::vector<std::string> lines = {
      "Project: " + header.projectPath + "    -     (App Version: " + kVersionText +
          "      File Version: " + RootAttributeText(root, kAttrVersion) + ")",
      "Date: " + header.dateTime,
      "Gas Type: " + header.gasType,
  };
  const std::string supplyLine = MethodLine(root, header, false);
  if (supplyLine.empty()) return lines;
  lines.push_back(supplyLine);
  if (RootAttributeText(root, kAttrHighSupplyPressure) != "0")
    lines.push_back(MethodLine(root, header, true));
  return lines;
}

double PrintSettingsBlock(PrintSurface& surface, const pugi::xml_document& doc,
                          const PrintHeader& header) {
  // The lines are read before anything is drawn, so a project that cannot
  // be read fails with a clean page.
  const std::vector<std::string> lines = SettingsBlockLines(doc, header);
  surface.DrawPicture(kLogoPictureKey, 500, 500, 4000, 920);
  PrintHeading(surface, 650, 1700, "System Settings");
  double y = 2100;
  for (const std::string& line : lines)
    for (const std::string& piece : FitToWidth(surface, line, surface.PageWidth() - 2 * kLineX)) {
      surface.SetCurrentX(kLineX);
      surface.SetCurrentY(y);
      PrintLine(surface, piece);
      y += kLineStep;
    }
  return y - (2100 + kLineStep * static_cast<double>(lines.size()));
}

double PrintFirstPageTop(PrintSurface& surface, const pugi::xml_document& doc,
                         const PrintHeader& header, const std::string& title, double titleY) {
  const double below = PrintSettingsBlock(surface, doc, header);
  PrintHeading(surface, 650, titleY + below, title);
  return below;
}

}  // namespace cv
