// The calculation trace: numbered lines appended to a text file while
// tracing is on, for the people who support the program.
#pragma once

#include <string>

#include "sizing/calc_trace.h"

namespace cv {

class DebugLog : public CalcTrace {
 public:
  // The file the trace goes to; empty: no file, restarts and writes do
  // nothing.
  void SetPath(std::string path) { path_ = std::move(path); }
  const std::string& Path() const noexcept { return path_; }

  // Starts the file afresh: line numbers from 0; while tracing is on an
  // existing file is emptied in place and gets the header line, while it
  // is off an existing plain file is deleted. Nothing else is unlinked.
  void Restart(bool debugMode, const std::string& projectPath);
  // Only the line numbers restart (each sizing pass counts from 0).
  void RestartNumbering() override { lineNumber_ = 0; }

  // Appends "N) message" with CR LF and counts the line. Callers test
  // DebugMode first. A write, or a close, that fails (a full disk, a
  // folder at the path) fails with error 75.
  void Write(const std::string& message) override;

  int LineNumber() const noexcept { return lineNumber_; }

 private:
  void Append(const std::string& text);

  std::string path_;
  int lineNumber_ = 0;
};

}  // namespace cv
