// A drawing on the core's canvas (the diagram, the pressure profile)
// written to a file whose extension chooses the format: ".svg" (written by
// the core), ".pdf" (one page the drawing's size) or ".png" (at screen
// size, smaller for very large drawings).
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "reports/diagram_canvas.h"
#include "ui/seams/dialogs.h"

namespace cv::ui {

// What a drawing needs to be drawn: its size in twips and the drawing
// itself.
struct CanvasDrawing {
  double width = 0, height = 0;
  std::function<void(cv::DiagramCanvas&)> draw;
};

// Prepares the drawing with the texts measured as the format draws them.
using DrawingFor = std::function<CanvasDrawing(const cv::TextMeasure&)>;

// False for any other extension, with nothing written; a file that cannot
// be written fails with error 75.
bool ExportDrawingFile(const DrawingFor& drawing, const QString& path);

// Asks for the file under the caption (the project's name with the ending
// proposed) and writes the drawing; a name without an extension takes that
// of the filter chosen, one with any other extension is refused with the
// reason, and an existing file is replaced only when the user says so.
void ExportDrawingAs(QWidget* parent, const Seams& seams, const QString& caption,
                     const QString& proposed, const DrawingFor& drawing);

}  // namespace cv::ui
