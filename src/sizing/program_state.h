// What the calculation runs with, held in one explicit object: the window
// program and the command-line tool each hold their own, and so does every
// test. What the document implies (a dual-pressure system, an EFV in the
// network) is read from the document where it is needed.
#pragma once

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "core/messages.h"
#include "efv/efv_catalog.h"
#include "sizing/debug_log.h"

namespace cv {

struct ProgramState {
  bool TripFlowPass = false;  // the trip-flow pass is running
  bool DebugMode = false;     // the calculation trace is on
  std::string ProjectPath;    // empty for a project never saved

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

// Checks, as loading does, that the root holds what the calculation reads
// (error 91 for a missing element, 9 for a root without its attributes).
void DeriveStateFromDocument(const pugi::xml_document& doc, ProgramState& state);

}  // namespace cv
