// The network diagram's canvas on a QPainter: the screen, PDF and PNG files
// draw the diagram through it. The painter's transform maps the diagram's
// twips onto its device.
#pragma once

#include <QFontMetricsF>
#include <map>
#include <utility>

#include "reports/diagram_canvas.h"

class QPainter;

namespace cv::ui {

// Texts measured in the font the Qt canvas draws them in, for laying out a
// diagram for the screen, PDF or PNG.
class QtTextMeasure : public cv::TextMeasure {
 public:
  double TextWidth(std::string_view text, const cv::CanvasFont& font) const override;

 private:
  // The metrics of each font asked for, made once: a large network asks
  // tens of thousands of times.
  mutable std::map<std::pair<double, bool>, QFontMetricsF> metrics_;
};

class QtDiagramCanvas : public cv::DiagramCanvas {
 public:
  explicit QtDiagramCanvas(QPainter& painter) : painter_(painter) {}

  double TextWidth(std::string_view text, const cv::CanvasFont& font) const override {
    return measure_.TextWidth(text, font);
  }
  void DrawLine(double x1, double y1, double x2, double y2, cv::Colour colour,
                double width) override;
  void DrawBox(double x, double y, double width, double height, cv::Colour stroke, cv::Colour fill,
               double lineWidth) override;
  void DrawText(double x, double y, std::string_view text, const cv::CanvasFont& font,
                cv::Colour colour) override;
  void DrawIcon(std::string_view iconKey, double x, double y, double size) override;

 private:
  QPainter& painter_;
  QtTextMeasure measure_;
};

}  // namespace cv::ui
