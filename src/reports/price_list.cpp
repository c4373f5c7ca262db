#include "reports/price_list.h"

#include <cctype>
#include <optional>
#include <utility>

#include "core/number_text.h"
#include "sizing/tables.h"

namespace cv {

namespace {

std::string Trimmed(std::string_view text) { return std::string(TrimBlanks(text)); }

// One CSV line split at its commas; a field opened with a quote runs to its
// closing quote, "" standing for a quote inside. None for an unclosed quote.
std::optional<std::vector<std::string>> SplitCsvLine(std::string_view line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    std::string& field = fields.back();
    if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
      field += '"';
      ++i;
    } else if (c == '"' && (quoted || Trimmed(field).empty())) {
      if (!quoted) field.clear();
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      field += c;
    }
  }
  if (quoted) return std::nullopt;
  for (std::string& field : fields) field = Trimmed(field);
  return fields;
}

bool IsHeader(const std::vector<std::string>& fields) {
  std::string first = fields.front();
  for (char& c : first) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return first == "material";
}

// Why the fields are no price line; empty when they are one.
std::string LineError(const std::vector<std::string>& f) {
  if (f.size() != 3)
    return "expected material,size,price per foot, found " + std::to_string(f.size()) +
           " fields (a price takes a decimal point)";
  if (MaterialIndexOf(f[0]) < 0) return "unknown material '" + f[0] + "' (CORVANTA or Pipe)";
  if (SizeIndexOf(f[1], f[0]) < 0) return "'" + f[1] + "' is no size of " + f[0];
  const std::optional<double> price = TryParseNumber(f[2]);
  if (!price || *price < 0) return "the price '" + f[2] + "' is not a number of 0 or more";
  return {};
}

}  // namespace

PriceTotal PriceOf(const std::vector<MaterialLength>& materials, const PriceList& prices) {
  PriceTotal out;
  for (const MaterialLength& m : materials) {
    const auto found = prices.find({m.material, m.size});
    if (found == prices.end())
      out.unpriced.push_back(m);
    else
      out.total += m.length * found->second;
  }
  return out;
}

PriceListRead ParsePriceList(std::string_view csv) {
  PriceListRead out;
  size_t lineNumber = 0;
  bool first = true;  // the first line that is not blank may be a header
  while (!csv.empty()) {
    const size_t end = csv.find('\n');
    std::string_view line = csv.substr(0, end);
    csv = end == std::string_view::npos ? std::string_view() : csv.substr(end + 1);
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (TrimBlanks(line).empty()) continue;
    const auto fields = SplitCsvLine(line);
    const std::string error = fields ? LineError(*fields) : "a quote is not closed";
    if (std::exchange(first, false) && fields && IsHeader(*fields)) continue;
    if (!error.empty()) {
      out.error = "line " + std::to_string(lineNumber) + ": " + error;
      out.prices.clear();
      return out;
    }
    out.prices[{(*fields)[0], (*fields)[1]}] = ParseNumber((*fields)[2]);
  }
  return out;
}

}  // namespace cv
