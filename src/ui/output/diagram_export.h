// The diagram written to a file whose extension chooses the format: ".svg"
// (written by the core), ".pdf" (one page the diagram's size) or ".png"
// (at screen size, smaller for very large networks).
#pragma once

#include <QString>

#include "reports/diagram_layout.h"

namespace cv::ui {

// False for any other extension, with nothing written; a file that cannot
// be written fails with error 75.
bool ExportDiagramFile(const cv::DiagramLayout& layout, const QString& path);

}  // namespace cv::ui
