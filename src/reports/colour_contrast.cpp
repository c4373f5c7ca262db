#include "reports/colour_contrast.h"

#include <algorithm>
#include <cmath>

namespace cv {
namespace {

// One sRGB channel, 0 to 255, as linear light.
double Linear(std::uint8_t channel) noexcept {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(Colour colour) noexcept {
  return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) + 0.0722 * Linear(colour.blue);
}

double ContrastRatio(Colour a, Colour b) noexcept {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace cv
