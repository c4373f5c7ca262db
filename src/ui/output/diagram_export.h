// The diagram written to a file whose extension chooses the format: ".svg"
// (written by the core), ".pdf" (one page the diagram's size) or ".png"
// (at screen size, smaller for very large networks).
#pragma once

#include <QString>
#include <functional>

#include "reports/diagram_layout.h"

namespace cv::ui {

// Lays out the diagram with the texts measured as the format draws them.
using DiagramLayOut = std::function<cv::DiagramLayout(const cv::TextMeasure&)>;

// False for any other extension, with nothing written; a file that cannot
// be written fails with error 75.
bool ExportDiagramFile(const DiagramLayOut& layOut, const QString& path);

}  // namespace cv::ui
