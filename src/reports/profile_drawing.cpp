#include "reports/profile_drawing.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/number_text.h"
#include "reports/diagram_svg.h"
#include "sizing/units.h"

namespace cv {

namespace {

constexpr double kLeftMargin = 1500;
constexpr double kRightMargin = 700;
constexpr double kTopMargin = 700;
constexpr double kBottomMargin = 1100;
constexpr double kLineWidth = 30;
constexpr double kMark = 120;  // the side of a point's square
constexpr int kTicks = 5;      // at most this many steps on each axis

// The step of an axis over the span: 1, 2, 2.5 or 5 times a power of ten,
// the smallest that needs no more than kTicks steps.
double TickStep(double span) {
  const double rough = std::max(span, 1e-9) / kTicks;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double factor : {1.0, 2.0, 2.5, 5.0})
    if (factor * power >= rough * (1 - 1e-9)) return factor * power;
  return 10 * power;
}
constexpr CanvasFont kLabelFont{8, false};
constexpr CanvasFont kTitleFont{11, true};

double DistanceInUnit(double feet, bool metric) { return metric ? feet / kLengthFactor : feet; }

// A run that is not sized, whatever the reason, is drawn in red.
Colour Ink(const ProfilePoint& point) {
  return point.status == RunStatus::Sized ? kDiagramInk : kDiagramFailed;
}

std::string Reading(double value) { return FormatNumber(RoundHalfEven(value, 2)); }

std::string PressureText(double inchesWc, PressureUnit unit) {
  return PressureReading(inchesWc, unit) + " " + std::string(PressureUnitCaption(unit));
}

void DrawTextCentred(DiagramCanvas& canvas, double x, double y, const std::string& text,
                     Colour colour) {
  const double width = canvas.TextWidth(text, kLabelFont);
  const double left = std::clamp(x - width / 2, 0.0, std::max(0.0, kProfileWidth - width));
  canvas.DrawText(left, y, text, kLabelFont, colour);
}

void DrawAxes(DiagramCanvas& canvas, const ProfileFrame& f, const PressureProfile& profile) {
  const double bottom = f.top + f.height;
  canvas.DrawLine(f.left, f.top, f.left, bottom, kDiagramInk, kLineWidth);
  canvas.DrawLine(f.left, bottom, f.left + f.width, bottom, kDiagramInk, kLineWidth);
  const double line = DiagramLineHeight(kLabelFont);
  for (int i = 0; i * f.distanceStep <= f.maxDistance * (1 + 1e-9); ++i) {
    const double distance = i * f.distanceStep;
    const double x = f.X(distance);
    canvas.DrawLine(x, bottom, x, bottom + 80, kDiagramInk, kLineWidth);
    DrawTextCentred(canvas, x, bottom + 120, Reading(distance), kDiagramInk);
  }
  for (int i = 0; f.lowPressure + i * f.pressureStep <= f.highPressure + f.pressureStep * 1e-9;
       ++i) {
    const double pressure = f.lowPressure + i * f.pressureStep;
    const double y = f.Y(pressure);
    canvas.DrawLine(f.left - 80, y, f.left, y, kDiagramInk, kLineWidth);
    const std::string text = Reading(pressure);
    canvas.DrawText(f.left - 120 - canvas.TextWidth(text, kLabelFont), y - line / 2, text,
                    kLabelFont, kDiagramInk);
  }
  DrawTextCentred(canvas, f.left + f.width / 2, bottom + 120 + 2 * line,
                  profile.metric ? "Distance (m)" : "Distance (ft)", kDiagramInk);
  canvas.DrawText(100, f.top - 2 * line,
                  "Pressure (" + std::string(PressureUnitCaption(profile.unit)) + ")", kLabelFont,
                  kDiagramInk);
}

void DrawLimit(DiagramCanvas& canvas, const ProfileFrame& f, const PressureProfile& profile) {
  const double y = f.Y(PressureInUnit(profile.limit, profile.unit));
  canvas.DrawLine(f.left, y, f.left + f.width, y, kProfileLimitInk, kLineWidth);
  const std::string text = "Limit " + PressureText(profile.limit, profile.unit);
  canvas.DrawText(f.left + f.width - canvas.TextWidth(text, kLabelFont),
                  y - DiagramLineHeight(kLabelFont) - 20, text, kLabelFont, kProfileLimitInk);
}

// Where a point's label goes in the drawing.
struct LabelBox {
  double left = 0, top = 0, width = 0, height = 0;
  bool Overlaps(const LabelBox& o) const {
    return left < o.left + o.width && o.left < left + width && top < o.top + o.height &&
           o.top < top + height;
  }
};

// The point's name, then the source's pressure, or its run's size and drop.
std::vector<std::string> LabelLines(const ProfilePoint& p, size_t index, PressureUnit unit) {
  if (index == 0) return {p.description, PressureText(p.pressure, unit)};
  return {p.description, p.size, "drop " + PressureText(p.drop, unit)};
}

// Above or below the point, centred on it; the source's label starts right
// of the pressure axis it stands on.
LabelBox PlaceLabel(const DiagramCanvas& canvas, const std::vector<std::string>& lines,
                    size_t index, ProfilePosition at, bool above) {
  LabelBox box;
  for (const std::string& text : lines)
    box.width = std::max(box.width, canvas.TextWidth(text, kLabelFont));
  box.height = DiagramLineHeight(kLabelFont) * static_cast<double>(lines.size());
  box.left = index == 0 ? at.x + kMark : at.x - box.width / 2;
  box.top = above ? at.y - kMark - box.height : at.y + kMark;
  return box;
}

void DrawLabel(DiagramCanvas& canvas, const std::vector<std::string>& lines, const LabelBox& box,
               size_t index, Colour colour) {
  double top = box.top;
  for (const std::string& text : lines) {
    if (index == 0)
      canvas.DrawText(box.left, top, text, kLabelFont, colour);
    else
      DrawTextCentred(canvas, box.left + box.width / 2, top, text, colour);
    top += DiagramLineHeight(kLabelFont);
  }
}

void DrawPath(DiagramCanvas& canvas, const ProfileFrame& f, const PressureProfile& profile) {
  const auto at = [&](size_t i) { return PointPosition(f, profile, profile.points[i]); };
  for (size_t i = 1; i < profile.points.size(); ++i)
    canvas.DrawLine(at(i - 1).x, at(i - 1).y, at(i).x, at(i).y, Ink(profile.points[i]),
                    2 * kLineWidth);
  std::optional<LabelBox> previous;
  for (size_t i = 0; i < profile.points.size(); ++i) {
    const ProfilePoint& p = profile.points[i];
    const ProfilePosition point = at(i);
    canvas.DrawBox(point.x - kMark / 2, point.y - kMark / 2, kMark, kMark, Ink(p), kDiagramPaper,
                   kLineWidth);
    // Above and below by turns, unless that covers the label before.
    const std::vector<std::string> lines = LabelLines(p, i, profile.unit);
    const bool above = i % 2 == 0;
    LabelBox box = PlaceLabel(canvas, lines, i, point, above);
    if (previous && box.Overlaps(*previous)) {
      const LabelBox other = PlaceLabel(canvas, lines, i, point, !above);
      if (!other.Overlaps(*previous)) box = other;
    }
    DrawLabel(canvas, lines, box, i, Ink(p));
    previous = box;
  }
}

}  // namespace

double ProfileFrame::X(double distance) const noexcept {
  return left + width * distance / maxDistance;
}

double ProfileFrame::Y(double pressure) const noexcept {
  return top + height * (highPressure - pressure) / (highPressure - lowPressure);
}

ProfilePosition PointPosition(const ProfileFrame& frame, const PressureProfile& profile,
                              const ProfilePoint& point) {
  return {frame.X(DistanceInUnit(point.distance, profile.metric)),
          frame.Y(PressureInUnit(point.pressure, profile.unit))};
}

int PointNear(const PressureProfile& profile, double x, double y, double radius) {
  const ProfileFrame frame = FrameProfile(profile);
  int nearest = -1;
  double best = radius * radius;
  for (size_t i = 0; i < profile.points.size(); ++i) {
    const ProfilePosition at = PointPosition(frame, profile, profile.points[i]);
    const double distance = (at.x - x) * (at.x - x) + (at.y - y) * (at.y - y);
    if (distance <= best) {
      best = distance;
      nearest = static_cast<int>(i);
    }
  }
  return nearest;
}

ProfileFrame FrameProfile(const PressureProfile& profile) {
  ProfileFrame f{kLeftMargin, kTopMargin, kProfileWidth - kLeftMargin - kRightMargin,
                 kProfileHeight - kTopMargin - kBottomMargin};
  double low = PressureInUnit(profile.limit, profile.unit), high = low;
  for (const ProfilePoint& p : profile.points) {
    const double pressure = PressureInUnit(p.pressure, profile.unit);
    low = std::min(low, pressure);
    high = std::max(high, pressure);
    f.maxDistance = std::max(f.maxDistance, DistanceInUnit(p.distance, profile.metric));
  }
  f.distanceStep = TickStep(f.maxDistance);
  f.maxDistance = std::ceil(f.maxDistance / f.distanceStep - 1e-9) * f.distanceStep;
  // Room above and below for the labels of the highest and lowest points,
  // then out to whole steps.
  const double pad = std::max(high - low, 0.1) * 0.2;
  f.pressureStep = TickStep(high - low + 2 * pad);
  f.lowPressure = std::floor((low - pad) / f.pressureStep) * f.pressureStep;
  f.highPressure = std::ceil((high + pad) / f.pressureStep) * f.pressureStep;
  return f;
}

void DrawPressureProfile(DiagramCanvas& canvas, const PressureProfile& profile) {
  const ProfileFrame frame = FrameProfile(profile);
  const std::string title =
      "Pressure Profile: " +
      (profile.points.empty() ? profile.id : profile.points.back().description);
  canvas.DrawText(kLeftMargin, 150, title, kTitleFont, kDiagramInk);
  DrawAxes(canvas, frame, profile);
  DrawLimit(canvas, frame, profile);
  DrawPath(canvas, frame, profile);
}

std::string PressureProfileSvg(const PressureProfile& profile) {
  return CanvasSvg(kProfileWidth, kProfileHeight, 1000 * (profile.points.size() + 20),
                   [&](DiagramCanvas& canvas) { DrawPressureProfile(canvas, profile); });
}

}  // namespace cv
