// The design layout printout: the settings block and a drawing of the
// network, every node with its icon, its description and its number.
#pragma once

#include <array>
#include <pugixml.hpp>
#include <string>
#include <string_view>

#include "reports/print_settings_block.h"
#include "reports/print_surface.h"

namespace cv {

// The keys of the tree's images, in the order of the image list; the
// layout draws a node with the image of its device kind.
inline constexpr std::array<std::string_view, 15> kLayoutImageKeys = {
    "Furnace", "EFV",  "Manifold",   "Tee",       "Boiler",       "Range",    "Dryer", "Fireplace",
    "Grill",   "Lamp", "Regulator1", "Regulator", "Water Heater", "kestLogo", "Other"};
// The image of the gas supply, and of a kind that has no image.
inline constexpr std::string_view kSupplyImageKey = "kestlogo";

// Position (from 1) of the first image key equal to the key, letter case
// ignored; -1 when there is none.
int FindImageIndex(std::string_view key) noexcept;

// The image key a node is drawn with: the image of its device kind as the
// image list spells it, or the gas supply's image.
std::string LayoutImageKey(pugi::xml_node node);

struct LayoutMetrics {
  // The height of the tree's images in pixels: a child row starts ten times
  // this many twips below the row before it.
  double imageHeightPixels = 16;
};

// Draws the network from the current position: the gas supply, then every
// node in pre-order, numbered from 1. A drawing longer than the page goes
// on at the top of the next page.
void DrawLayout(PrintSurface& surface, const pugi::xml_document& doc,
                const LayoutMetrics& metrics = {});

// Prints the layout document copies times: the settings block, "System
// Layout" and the drawing, each copy a document of its own.
void PrintDesignLayoutJob(PrintSurface& surface, const pugi::xml_document& doc,
                          const PrintHeader& header, int copies, const LayoutMetrics& metrics = {});

}  // namespace cv
