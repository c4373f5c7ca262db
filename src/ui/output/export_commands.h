// The File menu's exports: "Export Calculations..." writes the calculation
// table to a workbook, "Export Diagram..." the diagram of the calculated
// network and "Export Pressure Profile..." the profile the page shows, as
// SVG, PDF or PNG; each under a name the user chooses.
#pragma once

#include "ui/output/output_context.h"

namespace cv::ui {

// A failure to write is shown in the standard error box.
void ExportCalculations(const OutputContext& context);
// A name without an extension takes the chosen filter's; any other
// extension is refused with a message and nothing written.
void ExportDiagram(const OutputContext& context);
// Without a profile on the page, says why and writes nothing.
void ExportProfile(const OutputContext& context);

}  // namespace cv::ui
