// Program-wide state, held in one explicit object: the window program and
// the command-line tool each hold their own, and so does every test.
#pragma once

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "core/messages.h"
#include "efv/efv_catalog.h"
#include "sizing/debug_log.h"

namespace cv {

struct ProgramState {
  std::string UnitSystem = "English";  // "English" or "Metric"
  bool DualSystemFlag = false;         // the project is a dual-pressure system
  bool EFVPresent = false;             // the network holds an EFV
  bool TripFlowPass = false;           // the trip-flow pass is running
  bool DebugMode = false;              // the calculation trace is on
  std::string ProjectPath;             // empty for a project never saved
  bool ProjectModified = false;

  // True when the last calculation could not size some run; such a network
  // is not printed.
  bool LastSizingFailed = false;
  // The runs the last calculation could not size, with the message that
  // named each, in the order they failed. A failure ends its pass: the runs
  // that pass had still to size are listed with it.
  struct SizingFailure {
    std::string nodeId;
    std::string message;
    std::vector<std::string> notReached = {};
  };
  std::vector<SizingFailure> SizingFailures;

  EFVCatalog EFVCollection;
  DebugLog Log;
  pugi::xml_document TripDocument;  // the trip-flow pass works on this copy

  // Where the calculation's messages go; none: they are dropped.
  MessageSink* Messages = nullptr;
};

}  // namespace cv
