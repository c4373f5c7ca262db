// What a calculation gives back: every run as the document now holds it and
// whether it was sized. The window's marks and counts, the print refusal and
// the command line's statuses and JSON all read this one value.
#pragma once

#include <optional>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace cv {

struct ProgramState;

// A run a sizing pass could not size, with the message that named it. A
// failure ends its pass: the runs that pass had still to size are listed
// with it.
struct SizingFailure {
  std::string nodeId;
  std::string message;
  std::vector<std::string> notReached = {};
};

enum class RunStatus : unsigned char {
  Sized,
  Failed,        // the run its sizing pass stopped at
  OutsideLimit,  // sized, but on the final sizes its pressures break its limit
  NotReached,    // its sizing pass stopped before it
};

// "sized", "failed", "outside-limit" or "not-reached".
std::string_view RunStatusText(RunStatus status) noexcept;

struct RunResult {
  std::string id;
  std::optional<std::string> parent;  // none: the run starts at the gas supply
  std::string description;
  std::string kind;  // the appliance or fitting
  // In the stored English units; none where the document's text is no number.
  std::optional<double> load;  // as typed; a fitting's is the total below it
  std::optional<double> flow;  // what the run carries: its load and all below it
  std::optional<double> length;
  std::string material;
  std::string size;
  std::optional<double> supplyPressure, pressureDrop, deliveredPressure;
  RunStatus status = RunStatus::Sized;
  std::string message;  // why the run is not sized; empty when it is
};

struct CalcResult {
  std::string method;
  std::string gas;
  std::vector<RunResult> runs;  // document order
  // Where the sizing passes stopped: with the document, all the statuses
  // follow from them (an undo step keeps only these).
  std::vector<SizingFailure> failures;

  size_t UnsizedCount() const noexcept;
  bool AllSized() const noexcept { return UnsizedCount() == 0; }
  std::vector<std::string> UnsizedRunIds() const;
};

// The result of a calculated document: the failures of its passes mark the
// runs they stopped at and the runs they did not reach; every other
// appliance and regulator is judged on its final sizes against its limit.
CalcResult ReadCalcResult(const pugi::xml_document& doc, bool dualSystem,
                          std::vector<SizingFailure> failures);

// Calculates the project with the program's catalogue, trace settings and
// message sink (Calculate), and returns its result.
CalcResult CalculateProject(pugi::xml_document& project, ProgramState& state);

}  // namespace cv
