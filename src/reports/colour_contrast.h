// The contrast ratio of two colours as the usual accessibility guidelines
// compute it: (L1 + 0.05) / (L2 + 0.05) of their relative luminances, from
// 1 (the same) to 21 (black on white). Text wants at least 4.5.
#pragma once

#include "reports/diagram_canvas.h"

namespace cv {

inline constexpr double kReadableContrast = 4.5;

double RelativeLuminance(Colour colour) noexcept;
double ContrastRatio(Colour a, Colour b) noexcept;

}  // namespace cv
