// The material list: how much tubing and pipe of each size the network
// needs and how many EFVs of each catalogue model it uses.
#pragma once

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "sizing/calc_result.h"
#include "sizing/program_state.h"

namespace cv {

// Builds the material list of the document as the "Material List" page
// shows it: three headed blocks, lines ending in CR LF, lengths in the unit
// system of the program state, EFVs in catalogue order. A failure leaves
// with "modSummaryFuntions.UpdateMaterialList" in its description.
std::string UpdateMaterialList(const pugi::xml_document& doc, const ProgramState& state);

struct MaterialLength {
  std::string material;  // "CORVANTA" or "Pipe"
  std::string size;
  double length = 0;
};

// The tubing and pipe totals of the material list, in feet, from the runs
// of a calculation's result: tubing first, sizes in list order, sizes of no
// length left out, each run counted in whole feet.
std::vector<MaterialLength> MaterialLengths(const CalcResult& result);

}  // namespace cv
