// The network as the calculation works on it: the document read once into
// flat arrays (nodes in document order, parents before their children),
// sized there, and written back as text.
#pragma once

#include <array>
#include <cstdint>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "efv/efv_catalog.h"
#include "sizing/tables.h"

namespace cv {

enum class RunKind : unsigned char { Appliance, Manifold, Regulator, Tee, EFV };

// Size names of both lists in one numbering: tubing 0 to 6, pipe 7 to 16.
inline constexpr int kPipeSizeBase = 7;
inline constexpr int kSizeEmpty = -1;  // the empty text
inline constexpr int kSizeOther = -2;  // a text of neither list, kept as read

int SizeCodeOf(std::string_view text) noexcept;
// The size name of a code (empty for kSizeEmpty).
std::string_view SizeCodeText(int code) noexcept;

// The index of a code in the list of a material (0 tubing, 1 pipe), or -1.
inline int SizeIndexFor(int code, int material) {
  if (material == 0 && code >= 0 && code < kPipeSizeBase) return code;
  if (material == 1 && code >= kPipeSizeBase) return code - kPipeSizeBase;
  return -1;
}

// The number of sizes of tubing and of pipe.
inline constexpr int kSizeCounts[2] = {static_cast<int>(kCsstSizes.size()),
                                       static_cast<int>(kPipeSizes.size())};

inline bool InRange(int index, int material) {
  return material >= 0 && index >= 0 && index < kSizeCounts[material];
}

inline int SizeCodeAt(int index, int material) {
  if (material < 0) return kSizeEmpty;  // SizeNameAt of any other material
  return material == 0 ? index : kPipeSizeBase + index;
}

// The fields of a node the calculation reads or writes.
enum Field {
  kDescription,
  kLoad,
  kLength,
  kMaterial,
  kSize,
  kAppliance,
  kFixed,
  kSupply,
  kDrop,
  kDelivered,
  kModel,
  kFieldCount
};

// The field elements of every run (and of the root) a document holds:
// where the results are written. A missing field is a null node.
struct FieldTable {
  pugi::xml_node rootLoad, rootDescription;
  std::vector<std::array<pugi::xml_node, kFieldCount>> runs;
};

// What one pass leaves in its document: the project's, or the trip-flow
// pass's copy of it.
struct RunValues {
  std::vector<double> load;  // as the document would read it back
  std::vector<double> flow;  // what the run carries, as the drop law uses it
  std::vector<int> size;     // size codes
  std::vector<unsigned char> sizeWritten, loadWritten;
  double rootLoad = 0;
  bool rootLoadWritten = false;
  // The supply, drop and delivered pressures the pass's evaluations wrote,
  // and how many of the three each run got (a missing field stops them).
  std::vector<std::array<double, 3>> pressure;
  std::vector<unsigned char> pressuresWritten;
};

struct CalcModel {
  pugi::xml_node root;
  FieldTable fields;

  int firstTop = -1;  // the first run from the gas supply
  std::vector<pugi::xml_node> element;
  std::vector<std::string> id;
  std::vector<unsigned char> hasId;
  std::vector<int> firstWithId;  // the first run in document order with the same id
  // The order of the ids compared without regard to case (equal ids, equal
  // rank): among equal loads, runs are sized in descending id order.
  std::vector<int> idRank;
  std::vector<int> parent;  // -1: the gas supply
  std::vector<int> firstChild, nextSibling;
  std::vector<RunKind> kind;
  std::vector<int> material;  // 0 tubing, 1 pipe, -1 any other text
  std::vector<double> length;
  std::vector<unsigned char> fixed;
  std::vector<const EFVParameters*> efv;      // the model of an EFV run; none when unknown
  std::vector<unsigned char> regulatorAbove;  // a regulator among the ancestors
  std::vector<int> upstreamEfv;               // the nearest EFV at or above, or -1
  std::vector<uint16_t> missing;              // a bit per Field the node lacks
  bool anyMissing = false;
  // A length or appliance load missing, not a number or out of range.
  std::vector<unsigned char> inputFault;
  int depth = 0;       // the deepest run's number of runs down from the supply
  bool stray = false;  // a SystemNode outside the tree: inside a field or beside the root

  RunValues values;  // the project's

  // The final pressures of the runs on a path from a source to an
  // appliance or regulator, and how many of the three each run got.
  std::vector<unsigned char> hasPressures;
  std::vector<std::array<double, 3>> pressure;

  int Count() const noexcept { return static_cast<int>(parent.size()); }
  bool Lacks(int i, Field f) const noexcept { return (missing[i] >> f) & 1; }
  // The field's text as the document held it before the calculation.
  std::string_view Text(int i, Field f) const;
  // Fails as reading the missing field of the run fails (error 91).
  void Need(int i, Field f) const {
    if (Lacks(i, f)) RaiseMissing(i, f);
  }
  [[noreturn]] void RaiseMissing(int i, Field f) const;
  // The text of a size code of the run: its own text for kSizeOther.
  std::string SizeText(int i, int code) const;
};

// Reads the project. A run's missing fields and faulty inputs are only
// noted: the calculation fails where it first reads one.
CalcModel ReadCalcModel(const pugi::xml_document& doc, const EFVCatalog& catalog);

// Whether the network holds an EFV; a run without an appliance before the
// first one fails.
bool HoldsEFV(const CalcModel& m);
// Fails where the calculation's first walk over the document fails: a
// network too deep (error 28), a SystemNode outside the tree, a faulty
// length or load.
void CheckModelInputs(const CalcModel& m);

// The field elements of a document of the model's shape (a copy of it).
FieldTable ReadFieldTable(const pugi::xml_document& doc);

// Writes what a pass left in its document: loads, sizes and the pressures
// its evaluations wrote.
void WriteRunValues(const CalcModel& m, const RunValues& v, const FieldTable& fields);
// Writes the calculation's results: the pass's values with the final
// pressures of the runs that have them.
void WriteCalcModel(const CalcModel& m);

// A number as the document gives it back once written: its shortest text of
// up to 15 significant digits, read again.
double StoredNumber(double value);

inline bool IsApplianceOrRegulator(RunKind kind) {
  return kind == RunKind::Appliance || kind == RunKind::Regulator;
}

}  // namespace cv
