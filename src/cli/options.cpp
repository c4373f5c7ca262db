#include "cli/options.h"

namespace cv::cli {

const char* const kUsage =
    "Usage: corvanta-size [--catalog DB] [-o OUT.cv] [--debug-log FILE]\n"
    "                     [--material-list | --table | --json] [--export-xlsx FILE]\n"
    "                     [--diagram OUT.svg] [--profile ID] [--profile-svg ID OUT.svg]\n"
    "                     PROJECT.cv\n"
    "       corvanta-size --check [--catalog DB] PROJECT.cv\n"
    "       corvanta-size --compare [--prices FILE.csv] [--catalog DB] PROJECT.cv\n"
    "\n"
    "Sizes every run of a CORVANTA project and writes the calculated project.\n"
    "\n"
    "  --catalog DB          EFV catalogue (SQLite, table EFV_Parameters); default:\n"
    "                        corvanta.db beside the program, then the installed one\n"
    "  -o OUT.cv             write the calculated project to OUT.cv (default: stdout)\n"
    "  --debug-log FILE      trace the calculation into FILE\n"
    "  --material-list       print the material list after the calculation\n"
    "  --table               print the calculation table, tab-separated, headers first\n"
    "  --json                print every run's values and status as one JSON object\n"
    "  --export-xlsx FILE    write the calculation table as a workbook\n"
    "  --diagram OUT.svg     draw the calculated network as an SVG file\n"
    "  --profile ID          print the pressure along the path to the appliance or\n"
    "                        regulator ID as JSON (feet, inches of water column)\n"
    "  --profile-svg ID OUT.svg  draw that pressure profile as an SVG file\n"
    "  --check               list each EFV or regulator placed where the program\n"
    "                        refuses it, and each EFV loaded past its trip flow\n"
    "  --compare             size the project under its own supply settings and\n"
    "                        every supply preset of its gas, and print them side\n"
    "                        by side as JSON (the project file is not changed)\n"
    "  --prices FILE.csv     prices for --compare, lines material,size,price per\n"
    "                        foot (CORVANTA,15A CSST,2.85); gives each option a price\n"
    "  -h, --help            show this help\n"
    "\n"
    "Exit status: 0 sized; 3 a run is not sized (each is listed on stderr),\n"
    "or with --check a rule is broken; --compare gives 0 once it printed;\n"
    "1 the project or catalogue could not be read or calculated; 2 wrong usage.\n";

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
  Options options;
  auto value = [&](size_t& i, std::string& into) {
    if (i + 1 >= args.size()) {
      error = args[i] + " needs a value";
      return false;
    }
    if (args[i + 1].empty()) {
      error = args[i] + " needs a file name, not an empty text";
      return false;
    }
    into = args[++i];
    return true;
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "-h" || arg == "--help") {
      options.help = true;
    } else if (arg == "--catalog") {
      if (!value(i, options.catalogPath)) return std::nullopt;
    } else if (arg == "-o") {
      if (!value(i, options.outputPath)) return std::nullopt;
    } else if (arg == "--debug-log") {
      if (!value(i, options.debugLogPath)) return std::nullopt;
    } else if (arg == "--export-xlsx") {
      if (!value(i, options.xlsxPath)) return std::nullopt;
    } else if (arg == "--prices") {
      if (!value(i, options.pricesPath)) return std::nullopt;
    } else if (arg == "--diagram") {
      if (!value(i, options.diagramPath)) return std::nullopt;
    } else if (arg == "--profile" || arg == "--profile-svg") {
      std::string id;
      if (!value(i, id)) return std::nullopt;
      if (!options.profileId.empty() && options.profileId != id) {
        error = "--profile and --profile-svg must name the same node";
        return std::nullopt;
      }
      options.profileId = id;
      if (arg == "--profile")
        options.profileJson = true;
      else if (!value(i, options.profileSvgPath))
        return std::nullopt;
    } else if (arg == "--material-list") {
      options.materialList = true;
    } else if (arg == "--check") {
      options.check = true;
    } else if (arg == "--compare") {
      options.compare = true;
    } else if (arg == "--table") {
      options.table = true;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      error = "unknown option " + arg;
      return std::nullopt;
    } else if (options.projectPath.empty()) {
      options.projectPath = arg;
    } else {
      error = "only one project file may be given";
      return std::nullopt;
    }
  }
  if (options.help) return options;
  if (options.projectPath.empty()) {
    error = "no project file given";
    return std::nullopt;
  }
  if (options.profileJson && (options.materialList || options.table || options.json)) {
    error = "--profile cannot be combined with --material-list, --table or --json";
    return std::nullopt;
  }
  if (options.check &&
      (options.materialList || options.table || options.json || !options.outputPath.empty() ||
       !options.xlsxPath.empty() || !options.diagramPath.empty() || !options.debugLogPath.empty() ||
       !options.profileId.empty())) {
    error = "--check writes nothing else: it cannot be combined with an output";
    return std::nullopt;
  }
  if (!options.pricesPath.empty() && !options.compare) {
    error = "--prices is read by --compare only";
    return std::nullopt;
  }
  if (options.compare &&
      (options.check || options.materialList || options.table || options.json ||
       !options.outputPath.empty() || !options.xlsxPath.empty() || !options.diagramPath.empty() ||
       !options.debugLogPath.empty() || !options.profileId.empty())) {
    error = "--compare prints the comparison only: it cannot be combined with an output";
    return std::nullopt;
  }
  if (options.materialList + options.table + options.json > 1) {
    error = "only one of --material-list, --table and --json may be given";
    return std::nullopt;
  }
  return options;
}

}  // namespace cv::cli
