#include "support/reference_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "project/document.h"
#include "project/project_state.h"
#include "sizing/network_calculation.h"
#include "sizing/program_state.h"
#include "support/files.h"
#include "support/recording_messages.h"

namespace cvtest {

CalculatedFile CalculateProjectFile(const std::string& path, const std::string& catalogPath) {
  pugi::xml_document doc;
  const cv::LoadResult loaded = cv::LoadDocumentFile(doc, path);
  if (loaded.status != cv::LoadStatus::Ok) {
    ADD_FAILURE() << "cannot load " << path << ": " << loaded.reason;
    return {};
  }
  cv::ProgramState state;
  RecordingMessages messages;
  state.Messages = &messages;
  state.EFVCollection.Load(catalogPath);
  cv::DeriveStateFromDocument(doc, state);
  cv::CalculateProject(doc, state);
  return {cv::SerializeDocument(doc), messages.AsPrinted()};
}

std::vector<std::string> SubfolderNames(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
    if (entry.is_directory()) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace cvtest
