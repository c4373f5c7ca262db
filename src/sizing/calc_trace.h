// Where a calculation writes its trace, when one is wanted: every step of
// the sizing, for the people who support the program.
#pragma once

#include <string>

namespace cv {

class CalcTrace {
 public:
  virtual ~CalcTrace() = default;
  virtual void Write(const std::string& line) = 0;
  // Each sizing pass numbers its lines from 0.
  virtual void RestartNumbering() = 0;
};

}  // namespace cv
