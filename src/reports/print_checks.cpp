#include "reports/print_checks.h"

#include <algorithm>

#include "project/document.h"

namespace cv {

bool HasUnsizedNode(const pugi::xml_document& doc) {
  // A node without the field has no size either.
  for (pugi::xml_node node : AllSystemNodes(doc))
    if (*FindField(node, "materialSize").text().get() == '\0') return true;
  return false;
}

bool PrintRefused(const pugi::xml_document& doc, const CalcResult& result, bool marksUnsizedRuns) {
  const auto sizingFailed = [](const RunResult& run) {
    return run.status == RunStatus::Failed || run.status == RunStatus::NotReached;
  };
  return (!marksUnsizedRuns && std::ranges::any_of(result.runs, sizingFailed)) ||
         HasUnsizedNode(doc);
}

std::string PrintErrorMessage(const std::string& description) {
  return std::string(kPrintErrorText) + "\r\n\r\n" + description;
}

}  // namespace cv
