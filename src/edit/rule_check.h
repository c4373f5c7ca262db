// The placement rules and trip-flow checks applied to a whole project, as
// for a file edited outside the program: every broken rule, in document
// order.
#pragma once

#include <string>
#include <vector>

#include "edit/project.h"

namespace cv {

struct BrokenRule {
  std::string nodeId;
  std::string description;
  std::string message;  // the text the program refuses such an edit with
};

// An EFV below another EFV, an EFV on the high-pressure side or a
// regulator below an EFV in a dual-pressure system, and an EFV whose trip
// flow is below the load behind it. An unknown EFV model fails with error 5.
std::vector<BrokenRule> CheckProjectRules(const Project& project);

}  // namespace cv
