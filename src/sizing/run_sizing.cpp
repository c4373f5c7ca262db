#include "sizing/run_sizing.h"

#include "core/number_text.h"
#include "project/document.h"
#include "sizing/pressure_drop.h"
#include "sizing/size_coordination.h"
#include "sizing/tables.h"

namespace cv {

namespace {

RunTest Evaluate(pugi::xml_node node, const SupplyValues& s, bool lowSide, CalcContext& ctx) {
  ++ctx.tests;
  return JudgeRun(PressureDropToSource(node, false, ctx), s, lowSide, ctx.state.TripFlowPass);
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

RunTest JudgeRun(double cum, const SupplyValues& s, bool lowSide, bool trip) {
  RunTest t;
  const double source = lowSide ? s.pLow : s.pHigh;
  t.cum = cum;
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

bool IsKnownMethod(const std::string& method) {
  return method == kFixedPressureMethod || method == kUserDefinedMethod ||
         method == kDeliveryPressureMethod;
}

std::string SizingBoundText(const std::string& nodeDescription,
                            const std::string& parentDescription, long bound) {
  return "The sizes for the pipe between\n\t" + nodeDescription + "\n\t and\n\t" +
         parentDescription + "\n\ncould not be found within " + std::to_string(bound) +
         " trials: the runs above it are too many in a row to size.\n\nPlease fix the sizes of "
         "some of these runs, or shorten the chain.";
}

Message SizingFailureMessage(std::string text) {
  Message message;
  message.text = std::move(text);
  message.title = "Error";
  message.icon = MessageIcon::Exclamation;
  return message;
}

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
  bool tested = false;
  RunTest t;
  if (length > 0 && IsKnownMethod(supply.method)) {
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
      const bool bounded = ctx.tests >= ctx.testBound;
      if (bounded || !CoordinateParentSize(node, ctx)) {
        // A size the user fixed is never replaced.
        if (!IsSizeFixed(node)) {
          const std::string material = FieldText(node, "material");
          SetFieldText(node, "materialSize", upsized ? saved : SmallestSizeFallback(material));
        }
        ctx.state.LastSizingFailed = true;
        const std::string parent = FieldText(node.parent(), "description");
        const std::string text = bounded ? SizingBoundText(description, parent, ctx.testBound)
                                         : SizingFailureText(description, parent);
        ctx.state.SizingFailures.push_back({NodeId(node), text});
        if (ctx.state.Messages) {
          ctx.state.Messages->Show(SizingFailureMessage(text));
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
