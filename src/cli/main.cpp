// corvanta-size: sizes a project file exactly as the window program does
// and writes the calculated project.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/compare_output.h"
#include "cli/options.h"
#include "cli/output_paths.h"
#include "cli/report_output.h"
#include "core/data_files.h"
#include "core/errors.h"
#include "core/messages.h"
#include "edit/rule_check.h"
#include "project/document.h"
#include "sizing/calc_result.h"
#include "sizing/network_calculation.h"
#include "sizing/program_state.h"

namespace {

// Prints each message of the calculation to stderr and counts them.
class StderrMessages : public cv::MessageSink {
 public:
  cv::MessageAnswer Show(const cv::Message& message) override {
    std::cerr << message.EffectiveTitle() << ": " << message.text << "\n";
    ++count_;
    return message.buttons == cv::MessageButtons::YesNo ||
                   message.buttons == cv::MessageButtons::YesNoCancel
               ? cv::MessageAnswer::Yes
               : cv::MessageAnswer::Ok;
  }
  int Count() const { return count_; }

 private:
  int count_ = 0;
};

// Lists each broken rule as "id "description": message".
int Check(const cv::Project& project) {
  const std::vector<cv::BrokenRule> broken = cv::CheckProjectRules(project);
  for (const cv::BrokenRule& rule : broken)
    std::cout << rule.nodeId << " \"" << rule.description << "\": " << rule.message << "\n";
  return broken.empty() ? 0 : 3;
}

int Run(const cv::cli::Options& options) {
  cv::ProgramState state;
  StderrMessages messages;
  state.Messages = &messages;

  state.EFVCollection.Load(options.catalogPath.empty() ? cv::FindDataFile("corvanta.db")
                                                       : options.catalogPath);
  cv::Project project(state.EFVCollection);
  pugi::xml_document& doc = project.Doc();
  cv::LoadResult loaded = cv::LoadDocumentFile(doc, options.projectPath);
  if (!loaded) {
    std::cerr << "Error loading project file \"" << options.projectPath << "\"\n"
              << loaded.reason << "\n";
    return 1;
  }
  for (const std::string& note : loaded.notes) std::cerr << note << "\n";
  cv::WithContext("modGlobals.XMLOnTreeView", [&] { cv::DeriveStateFromDocument(doc, state); });
  if (options.check) return Check(project);
  if (options.compare)
    return cv::cli::WriteComparison(options, doc, state.EFVCollection, std::cout, std::cerr);
  cv::CalcOptions calculation;
  calculation.messages = &messages;
  cv::DebugLog log;
  if (!options.debugLogPath.empty()) {
    // The trace is named after the project, and its trip-flow copy is
    // saved beside it.
    std::error_code ec;
    const std::string projectPath = std::filesystem::absolute(options.projectPath, ec).string();
    log.SetPath(options.debugLogPath);
    cv::StartTrace(log, true, projectPath);
    calculation.trace = &log;
    calculation.tripDocumentPath = cv::TripDocumentPath(projectPath);
  }
  const cv::CalcResult result = cv::Calculate(doc, state.EFVCollection, calculation);

  const std::string text = cv::SerializeDocument(doc);
  if (!options.outputPath.empty())
    cv::WriteFileReplacing(options.outputPath, text);
  else if (!options.materialList && !options.table && !options.json && options.xlsxPath.empty() &&
           options.diagramPath.empty() && options.profileId.empty())
    std::cout << text;
  cv::cli::WriteReports(options, doc, state, result, std::cout);
  cv::cli::ListUnsizedRuns(result, std::cerr);
  return messages.Count() > 0 || !result.AllSized() ? 3 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  auto options = cv::cli::ParseOptions(args, error);
  if (!options) {
    std::cerr << "corvanta-size: " << error << "\n\n" << cv::cli::kUsage;
    return 2;
  }
  if (options->help) {
    std::cout << cv::cli::kUsage;
    return 0;
  }
  if (const std::string conflict = cv::cli::OutputPathConflict(*options); !conflict.empty()) {
    std::cerr << "corvanta-size: " << conflict << "\n";
    return 2;
  }
  try {
    return Run(*options);
  } catch (const cv::CvError& e) {
    std::cerr << cv::StandardErrorText(e) << "\n";
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "Error Number: 5\nDescription: " << e.what() << "\n";
    return 1;
  }
}
