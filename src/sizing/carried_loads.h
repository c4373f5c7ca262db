// The load a run carries: gas for every run below it flows through it, so
// an appliance's run carries its own load plus the loads of everything
// below it, and a fitting's run the total below it (as AddLoads counts
// them). The appliance's typed load stays in its own field.
#pragma once

#include <pugixml.hpp>
#include <string>
#include <unordered_map>

namespace cv {

class CarriedLoads {
 public:
  // One walk over the runs under the project's root. A load that is not a
  // number counts as 0: the calculation refuses it before it asks.
  explicit CarriedLoads(const pugi::xml_document& doc);

  // The run's carried load, as the pressure-drop law uses it: a fitting's
  // total as its written load field reads back.
  double Of(pugi::xml_node node) const;
  // The carried load as text: the typed text where nothing below adds.
  std::string TextOf(pugi::xml_node node) const;

 private:
  double Collect(pugi::xml_node node);

  struct Entry {
    double load = 0;
    bool addsBelow = false;  // an appliance with runs below it
  };
  std::unordered_map<const void*, Entry> entries_;
};

}  // namespace cv
