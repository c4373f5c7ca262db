// The material list: how much tubing and pipe of each size the network
// needs and how many EFVs of each catalogue model it uses.
#pragma once

#include <pugixml.hpp>
#include <string>

#include "efv/efv_catalog.h"

namespace cv {

// Builds the material list of the document as the "Material List" page
// shows it: three headed blocks, lines ending in CR LF, lengths in the unit
// system of the document, EFVs in catalogue order. A failure leaves
// with "modSummaryFuntions.UpdateMaterialList" in its description.
std::string UpdateMaterialList(const pugi::xml_document& doc, const EFVCatalog& catalog);

}  // namespace cv
