#include "reports/result_json.h"

#include <charconv>
#include <cmath>

#include "reports/xml_text.h"

namespace cv {

namespace {

void AppendRun(std::string& out, const RunResult& run) {
  const auto text = [&out](const char* key, std::string_view value) {
    AppendJsonKey(out, key);
    AppendJsonString(out, value);
  };
  const auto number = [&out](const char* key, const std::optional<double>& value) {
    AppendJsonKey(out, key);
    AppendJsonNumber(out, value);
  };
  out += "{\"id\":";
  AppendJsonString(out, run.id);
  AppendJsonKey(out, "parent");
  if (run.parent)
    AppendJsonString(out, *run.parent);
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

void AppendJsonKey(std::string& out, const char* key) {
  out += ",\"";
  out += key;
  out += "\":";
}

void AppendJsonString(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
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

void AppendJsonNumber(std::string& out, const std::optional<double>& value) {
  if (!value || !std::isfinite(*value)) {
    out += "null";
    return;
  }
  char buf[32];
  const auto end = std::to_chars(buf, buf + sizeof buf, *value == 0 ? 0.0 : *value).ptr;
  out.append(buf, end);
}

std::string CalcResultJson(const CalcResult& result) {
  std::string out = "{\"method\":";
  AppendJsonString(out, result.method);
  AppendJsonKey(out, "gas");
  AppendJsonString(out, result.gas);
  AppendJsonKey(out, "status");
  AppendJsonString(out, result.AllSized() ? "sized" : "failed");
  AppendJsonKey(out, "runs");
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
