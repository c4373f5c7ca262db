// The command line of corvanta-size.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cv::cli {

struct Options {
  std::string projectPath;
  std::string catalogPath;     // empty: the default catalogue
  std::string outputPath;      // empty: the calculated document goes to stdout
  std::string debugLogPath;    // set: trace the calculation into this file
  bool materialList = false;   // print the material list instead
  bool table = false;          // print the calculation table instead
  bool json = false;           // print the calculation's result as JSON instead
  std::string xlsxPath;        // write the calculation table as a workbook
  std::string diagramPath;     // write the network diagram as SVG
  std::string profileId;       // the appliance or regulator of the profile
  bool profileJson = false;    // print its pressure profile as JSON instead
  std::string profileSvgPath;  // draw its pressure profile as SVG
  bool check = false;          // list the broken placement and trip rules only
  bool compare = false;        // print the project sized under each supply option
  std::string pricesPath;      // the price list of the comparison (CSV)
  bool help = false;
};

// Parses the arguments (without the program name); nullopt and a reason for
// wrong usage.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const kUsage;

}  // namespace cv::cli
