// The workbook's second sheet, "Project": what a plan reviewer needs beside
// the calculation sheet to read it (which project, when, by which method,
// against which supply, and whether every run was sized).
#pragma once

#include <pugixml.hpp>
#include <string>
#include <vector>

namespace cv {

inline constexpr const char* kProjectSheetName = "Project";

struct ProjectSheetRow {
  std::string label;
  std::string value;
  std::string unit;     // empty for none
  bool number = false;  // the value is written as a number cell
};

// What the sheet needs besides the document.
struct ProjectFacts {
  std::string projectPath;  // empty for a project never saved
  std::string dateTime;     // when the workbook is written
  size_t runsNotSized = 0;
};

// The local date and time as "2026-12-08 14:05", the same under every
// locale.
std::string CurrentDateTimeText();

// File name, date, method, gas, the supply pressures and allowable drops
// (or the delivery pressure) of each side of the system, the program's
// version and the runs not sized. Pressures are in millibar for the
// user-defined method, in psi on the high-pressure side and in inches of
// water column elsewhere.
std::vector<ProjectSheetRow> ProjectSheetRows(const pugi::xml_document& doc,
                                              const ProjectFacts& facts);

}  // namespace cv
