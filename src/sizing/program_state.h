// What the calculation runs with, held in one explicit object: the window
// program and the command-line tool each hold their own, and so does every
// test. What the document implies (a dual-pressure system, an EFV in the
// network) is read from the document where it is needed.
#pragma once

#include <pugixml.hpp>
#include <string>

#include "core/messages.h"
#include "efv/efv_catalog.h"
#include "sizing/debug_log.h"

namespace cv {

struct ProgramState {
  bool DebugMode = false;   // the calculation trace is on
  std::string ProjectPath;  // empty for a project never saved

  EFVCatalog EFVCollection;
  DebugLog Log;

  // Where the calculation's messages go; none: they are dropped.
  MessageSink* Messages = nullptr;
};

// Checks, as loading does, that the root holds what the calculation reads
// (error 91 for a missing element, 9 for a root without its attributes).
void DeriveStateFromDocument(const pugi::xml_document& doc, ProgramState& state);

}  // namespace cv
