// The network diagram as an SVG 1.1 file, written by the core.
#pragma once

#include <functional>
#include <string>

#include "reports/diagram_layout.h"

namespace cv {

// A standalone SVG 1.1 document (UTF-8) of the size, in twips, on white,
// holding what the callable draws on its canvas; numbers do not depend on
// the locale and texts are escaped. reserve: the bytes the drawing is
// expected to take.
std::string CanvasSvg(double width, double height, size_t reserve,
                      const std::function<void(DiagramCanvas&)>& draw);

// The whole diagram as a standalone SVG 1.1 document (UTF-8); numbers do not
// depend on the locale and texts are escaped.
std::string DiagramSvg(const DiagramLayout& layout);

// Writes DiagramSvg to the path, replacing a file only once complete; a
// failure is error 75.
void WriteDiagramSvg(const DiagramLayout& layout, const std::string& path);

}  // namespace cv
