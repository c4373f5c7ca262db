// The pressure profile drawn on a canvas: the one drawing behind the
// screen, paper, PNG, PDF and the SVG of the command line.
#pragma once

#include <string>

#include "reports/diagram_canvas.h"
#include "reports/pressure_profile.h"

namespace cv {

inline constexpr Colour kProfileLimitInk{230, 81, 0};
inline constexpr double kProfileWidth = 14400;  // twips: 10 x 6 inches
inline constexpr double kProfileHeight = 8640;

// Where the drawing puts a point: x by distance, y by pressure.
struct ProfileFrame {
  double left = 0, top = 0, width = 0, height = 0;  // the plot area
  double maxDistance = 1;                           // in the user's unit
  double lowPressure = 0, highPressure = 1;
  double distanceStep = 1, pressureStep = 1;  // between the marks on the axes
  double X(double distance) const noexcept;
  double Y(double pressure) const noexcept;
};

// Where the point lies in the drawing.
struct ProfilePosition {
  double x = 0, y = 0;
};
ProfilePosition PointPosition(const ProfileFrame& frame, const PressureProfile& profile,
                              const ProfilePoint& point);

// The index of the point nearest to (x, y) in the drawing, when it lies
// within the radius; -1 otherwise.
int PointNear(const PressureProfile& profile, double x, double y, double radius);

// The plot area and the axis ranges for the profile, in the user's units.
ProfileFrame FrameProfile(const PressureProfile& profile);

// Draws the axes with their captions and scales, the limit as a line, and
// the path: a point per node labelled with its name, size and drop, the
// runs between them, a run not sized in red.
void DrawPressureProfile(DiagramCanvas& canvas, const PressureProfile& profile);

// The drawing as a standalone SVG document.
std::string PressureProfileSvg(const PressureProfile& profile);

}  // namespace cv
