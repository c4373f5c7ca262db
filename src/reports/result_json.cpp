#include "reports/result_json.h"

#include <charconv>
#include <cmath>

#include "reports/xml_text.h"

namespace cv {

namespace {

void AppendString(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  // Names are the user's: invalid UTF-8 must not make the whole output
  // unreadable.
  for (const char c : XmlSafeText(text)) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (byte < 0x20) {
      out += "\\u00";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xf];
    } else {
      out += c;
    }
  }
  out += '"';
}

// The shortest text that reads back as the same double, whatever the locale.
void AppendNumber(std::string& out, const std::optional<double>& value) {
  if (!value || !std::isfinite(*value)) {
    out += "null";
    return;
  }
  char buf[32];
  const auto end = std::to_chars(buf, buf + sizeof buf, *value == 0 ? 0.0 : *value).ptr;
  out.append(buf, end);
}

void AppendKey(std::string& out, const char* key) {
  out += ",\"";
  out += key;
  out += "\":";
}

void AppendRun(std::string& out, const RunResult& run) {
  const auto text = [&out](const char* key, std::string_view value) {
    AppendKey(out, key);
    AppendString(out, value);
  };
  const auto number = [&out](const char* key, const std::optional<double>& value) {
    AppendKey(out, key);
    AppendNumber(out, value);
  };
  out += "{\"id\":";
  AppendString(out, run.id);
  AppendKey(out, "parent");
  if (run.parent)
    AppendString(out, *run.parent);
  else
    out += "null";
  text("description", run.description);
  text("kind", run.kind);
  number("load", run.load);
  number("flow", run.flow);
  number("length", run.length);
  text("material", run.material);
  text("size", run.size);
  number("supplyPressure", run.supplyPressure);
  number("pressureDrop", run.pressureDrop);
  number("deliveredPressure", run.deliveredPressure);
  text("status", RunStatusText(run.status));
  if (run.status != RunStatus::Sized) text("message", run.message);
  out += '}';
}

}  // namespace

std::string CalcResultJson(const CalcResult& result) {
  std::string out = "{\"method\":";
  AppendString(out, result.method);
  AppendKey(out, "gas");
  AppendString(out, result.gas);
  AppendKey(out, "status");
  AppendString(out, result.AllSized() ? "sized" : "failed");
  AppendKey(out, "runs");
  out += '[';
  // One run a line, so that two results compare line by line.
  for (size_t i = 0; i < result.runs.size(); ++i) {
    out += i == 0 ? "\n" : ",\n";
    AppendRun(out, result.runs[i]);
  }
  out += "\n]}\n";
  return out;
}

}  // namespace cv
