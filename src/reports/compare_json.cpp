#include "reports/compare_json.h"

#include "reports/result_json.h"

namespace cv {

namespace {

// The members the writer appends, as an object: the comma in front of the
// first member opens it.
template <typename Write>
std::string Object(Write write) {
  std::string members;
  write(members);
  members[0] = '{';
  return members + '}';
}

template <typename List, typename Write>
void AppendArray(std::string& out, const char* key, const List& items, Write write) {
  AppendJsonKey(out, key);
  out += '[';
  for (const auto& item : items) {
    if (out.back() != '[') out += ',';
    out += Object([&](std::string& to) { write(to, item); });
  }
  out += ']';
}

void AppendText(std::string& out, const char* key, std::string_view text) {
  AppendJsonKey(out, key);
  AppendJsonString(out, text);
}

void AppendNumber(std::string& out, const char* key, const std::optional<double>& value) {
  AppendJsonKey(out, key);
  AppendJsonNumber(out, value);
}

void AppendPrice(std::string& out, const OptionComparison& o, const PriceList* prices) {
  if (!prices || !o.option.Applicable()) {
    AppendNumber(out, "price", std::nullopt);
    return;
  }
  const PriceTotal price = PriceOf(o.materials, *prices);
  AppendNumber(out, "price", price.Complete() ? std::optional(price.total) : std::nullopt);
  if (price.Complete()) return;
  AppendArray(out, "unpriced", price.unpriced, [](std::string& to, const MaterialLength& m) {
    AppendText(to, "material", m.material);
    AppendText(to, "size", m.size);
  });
}

void AppendOption(std::string& out, const OptionComparison& o, const PriceList* prices) {
  AppendText(out, "name", o.option.name);
  AppendText(out, "method", o.method);
  AppendText(out, "gas", o.gas);
  AppendNumber(out, "supplyPressure", o.supplyPressure);
  AppendNumber(out, "allowableDrop", o.allowableDrop);
  AppendText(out, "status", OptionStatusText(o));
  if (!o.option.Applicable()) AppendText(out, "reason", o.option.notApplicable);
  AppendArray(out, "runs", o.result.runs, [](std::string& to, const RunResult& run) {
    AppendText(to, "id", run.id);
    AppendText(to, "size", run.size);
    AppendText(to, "status", RunStatusText(run.status));
  });
  AppendArray(out, "materials", o.materials, [](std::string& to, const MaterialLength& m) {
    AppendText(to, "material", m.material);
    AppendText(to, "size", m.size);
    AppendNumber(to, "length", m.length);
  });
  AppendJsonKey(out, "lowestDelivered");
  if (o.lowest)
    out += Object([&](std::string& to) {
      AppendText(to, "id", o.lowest->id);
      AppendNumber(to, "pressure", o.lowest->pressure);
    });
  else
    out += "null";
  AppendPrice(out, o, prices);
}

}  // namespace

std::string CompareJson(const std::vector<OptionComparison>& options, const PriceList* prices) {
  std::string out = "{\"options\":[";
  // One option a line, so that two comparisons compare line by line.
  for (size_t i = 0; i < options.size(); ++i) {
    out += i == 0 ? "\n" : ",\n";
    out += Object([&](std::string& to) { AppendOption(to, options[i], prices); });
  }
  out += "\n]}\n";
  return out;
}

}  // namespace cv
