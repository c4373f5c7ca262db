// corvanta-floor: the least any sizing of a project file can cost: load it
// with pugixml, read every field as a number, save it.
#include <charconv>
#include <cstdio>
#include <cstring>
#include <pugixml.hpp>

#include "core/command_usage.h"

namespace {
constexpr const char* kUsage =
    "Usage: corvanta-floor IN.cv OUT.cv\n"
    "\n"
    "Loads IN.cv, reads every field as a number and saves OUT.cv: the least any\n"
    "sizing of a project file can cost.\n";
}

int main(int argc, char** argv) {
  if (auto status = cv::AnswerPlainArguments(argc, argv, "corvanta-floor", kUsage, 2, 2))
    return *status;
  pugi::xml_document doc;
  if (!doc.load_file(argv[1])) return 1;
  double sum = 0;
  int numbers = 0;
  for (pugi::xml_node cur = doc.first_child(); cur;) {
    const char* text = cur.text().get();
    double value = 0;
    if (std::from_chars(text, text + std::strlen(text), value).ec == std::errc()) {
      sum += value;
      ++numbers;
    }
    if (cur.first_child()) {
      cur = cur.first_child();
      continue;
    }
    while (cur && !cur.next_sibling()) cur = cur.parent();
    if (cur) cur = cur.next_sibling();
  }
  if (!doc.save_file(argv[2], "", pugi::format_raw | pugi::format_no_declaration)) return 1;
  return numbers > 0 && sum != 0 ? 0 : 3;
}
