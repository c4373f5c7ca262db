#include "sizing/run_limits.h"

namespace cv {

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

}  // namespace cv
