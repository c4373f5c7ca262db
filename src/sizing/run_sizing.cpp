#include "sizing/run_sizing.h"

#include "core/number_text.h"
#include "project/document.h"
#include "sizing/pressure_drop.h"
#include "sizing/size_coordination.h"
#include "sizing/tables.h"

namespace cv {

namespace {

// The pair a run is judged by: it passes while limit >= value.
struct Test {
  double cum = 0;        // cumulative drop from the source
  double delivered = 0;  // source pressure - cum
  double value = 0;
  double limit = 0;
};

Test Evaluate(pugi::xml_node node, const SupplyValues& s, bool lowSide, const CalcContext& ctx) {
  Test t;
  const bool trip = ctx.state.TripFlowPass;
  const double source = lowSide ? s.pLow : s.pHigh;
  t.cum = PressureDropToSource(node, false, ctx);
  t.delivered = source - t.cum;
  if (!lowSide) {
    t.value = t.cum;
    t.limit = s.aHigh;
  } else if (s.method == kDeliveryPressureMethod) {
    if (!trip) {
      t.value = s.dLow;
      t.limit = t.delivered;
    } else if (!s.dual) {
      t.value = t.cum;
      t.limit = s.pLow;
    } else {
      t.value = 0;
      t.limit = t.delivered;
    }
  } else {
    t.value = t.cum;
    t.limit = trip ? s.pLow : s.aLow;
  }
  return t;
}

std::string NodeReport(pugi::xml_node node, bool trip) {
  const pugi::xml_node parent = node.parent();
  std::string report = "Current Node: " + FieldText(node, "appliance") + "\r\n";
  report += IsSystemRoot(parent) ? std::string("Parent Node: Gas Supply ")
                                 : "Parent Node: " + FieldText(parent, "appliance");
  report += "\r\nSupply Pressure: " + FieldText(node, "SupplyPressure");
  report += "\r\nPressureDrop: " + FieldText(node, "PressureDrop");
  report += "\r\nDeliveryPressure: " + FieldText(node, "DeliveredPressure");
  report += std::string(trip ? "\r\nTrip" : "\r\nNormal") +
            " Load at This Node: " + FieldText(node, "load");
  report += "\r\nLength: " + FieldText(node, "length");
  report += "\r\nMaterial: " + FieldText(node, "material");
  report += std::string(trip ? "\r\nTrip" : "\r\nNormal") +
            " MaterialSize: " + FieldText(node, "materialSize");
  return report;
}

}  // namespace

std::string SizingFailureText(const std::string& nodeDescription,
                              const std::string& parentDescription) {
  return "The load/length combination is too high for the pipe between\n\t" + nodeDescription +
         "\n\t and\n\t" + parentDescription +
         "\n\nPlease increase supply pressure, reduce length, or reduce load.";
}

bool SizeRunByMethod(pugi::xml_node node, CalcContext& ctx) {
  const SupplyValues& supply = ReadSupplyValues(ctx);
  const std::string description = FieldText(node, "description");
  const double length = FieldNumber(node, "length");
  FieldText(node, "materialSize");
  FieldText(node, "appliance");
  const auto who = [&] { return "Node: " + description; };
  const bool knownMethod = supply.method == kFixedPressureMethod ||
                           supply.method == kUserDefinedMethod ||
                           supply.method == kDeliveryPressureMethod;
  bool tested = false;
  Test t;
  if (length > 0 && knownMethod) {
    ctx.sizingNode = node;
    const bool lowSide = !supply.dual || HasRegulatorAncestor(node);
    t = Evaluate(node, supply, lowSide, ctx);
    ctx.Trace(
        [&] { return who() + " - Initial pressure drop to source = " + FormatNumber(t.cum); });
    ctx.Trace(
        [&] { return who() + " - Initial Delivery Pressure = " + FormatNumber(t.delivered); });
    std::string saved;
    bool upsized = false;
    while (Round2(t.limit) < Round2(t.value)) {
      ctx.Trace([&] {
        return who() + " - Pressure drop to source too high (" + FormatNumber(Round2(t.value)) +
               " > " + FormatNumber(Round2(t.limit)) + ").  Upsizing nodes...";
      });
      if (!CoordinateParentSize(node, ctx)) {
        // A size the user fixed is never replaced.
        if (!IsSizeFixed(node)) {
          const std::string material = FieldText(node, "material");
          SetFieldText(node, "materialSize", upsized ? saved : SmallestSizeFallback(material));
        }
        ctx.state.LastSizingFailed = true;
        const std::string text =
            SizingFailureText(description, FieldText(node.parent(), "description"));
        ctx.state.SizingFailures.push_back({NodeId(node), text});
        if (ctx.state.Messages) {
          Message message;
          message.text = text;
          message.title = "Error";
          message.icon = MessageIcon::Exclamation;
          ctx.state.Messages->Show(message);
        }
        return false;
      }
      saved = FieldText(node, "materialSize");
      upsized = true;
      ctx.Trace([&] { return who() + " - Upsize finished.  New node material size = " + saved; });
      t = Evaluate(node, supply, lowSide, ctx);
      ctx.Trace([&] { return who() + " - New pressure drop to source = " + FormatNumber(t.cum); });
      ctx.Trace([&] { return who() + " - New Delivery Pressure = " + FormatNumber(t.delivered); });
    }
    tested = true;
  }
  if (tested) {
    ctx.Trace([&] {
      return who() + " - Finished with valid pressure drop to source = " + FormatNumber(t.cum);
    });
    ctx.Trace([&] {
      return who() + " - Finished with valid Delivery Pressure = " + FormatNumber(t.delivered);
    });
  }
  ctx.Trace([&] { return NodeReport(node, ctx.state.TripFlowPass); });
  return true;
}

}  // namespace cv
