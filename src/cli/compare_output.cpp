#include "cli/compare_output.h"

#include <fstream>
#include <optional>
#include <sstream>

#include "reports/compare_json.h"

namespace cv::cli {

int WriteComparison(const Options& options, const pugi::xml_document& doc,
                    const EFVCatalog& catalog, std::ostream& out, std::ostream& err) {
  std::optional<PriceList> prices;
  if (!options.pricesPath.empty()) {
    std::ifstream file(options.pricesPath, std::ios::binary);
    if (!file) {
      err << "Error reading price list \"" << options.pricesPath << "\"\n";
      return 1;
    }
    std::ostringstream text;
    text << file.rdbuf();
    PriceListRead read = ParsePriceList(text.str());
    if (!read.error.empty()) {
      err << "Error in price list \"" << options.pricesPath << "\", " << read.error << "\n";
      return 1;
    }
    prices = std::move(read.prices);
  }
  out << CompareJson(CompareSupplyOptions(doc, catalog), prices ? &*prices : nullptr);
  return 0;
}

}  // namespace cv::cli
