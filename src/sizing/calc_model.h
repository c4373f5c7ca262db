// The network as the calculation works on it: the document read once into
// flat arrays (nodes in document order, parents before their children),
// sized there, and written back as text once at the end.
#pragma once

#include <array>
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "efv/efv_parameters.h"
#include "sizing/calc_context.h"
#include "sizing/program_state.h"

namespace cv {

enum class RunKind : unsigned char { Appliance, Manifold, Regulator, Tee, EFV };

// Size names of both lists in one numbering: tubing 0 to 6, pipe 7 to 16.
inline constexpr int kPipeSizeBase = 7;
inline constexpr int kSizeEmpty = -1;  // the empty text
inline constexpr int kSizeOther = -2;  // a text of neither list, kept as read

int SizeCodeOf(std::string_view text) noexcept;
// The size name of a code (empty for kSizeEmpty).
std::string_view SizeCodeText(int code) noexcept;

// What changes while the network is sized: the trip-flow pass works on its
// own copy.
struct RunValues {
  std::vector<double> load;  // as the document would read it back
  std::vector<double> flow;  // what the run carries, as the drop law uses it
  std::vector<int> size;     // size codes
  std::vector<unsigned char> sizeWritten;
};

struct CalcModel {
  pugi::xml_node root;
  SupplyValues supply;
  bool naturalGas = false;
  bool knownGas = false;

  int firstTop = -1;  // the first run from the gas supply
  std::vector<pugi::xml_node> element;
  // The fields the results are written into.
  pugi::xml_node rootLoadField;
  std::vector<pugi::xml_node> loadField, sizeField;
  std::vector<std::array<pugi::xml_node, 3>> pressureFields;  // supply, drop, delivered
  std::vector<std::string> id;
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
  std::vector<const EFVParameters*> efv;  // the model of an EFV run
  std::vector<std::string> efvModel;
  std::vector<unsigned char> regulatorAbove;  // a regulator among the ancestors
  std::vector<int> upstreamEfv;               // the nearest EFV at or above, or -1

  RunValues values;             // the project's
  std::vector<double> loadSum;  // fittings' and the root's load totals, unrounded
  double rootLoadSum = 0;

  // The pressures the last step leaves, for runs on a path from a source to
  // an appliance or regulator.
  std::vector<unsigned char> hasPressures;
  std::vector<double> supplyPressure, pressureDrop, deliveredPressure;

  int Count() const noexcept { return static_cast<int>(parent.size()); }
};

// Reads the project; nothing when the document is not one the model holds
// faithfully (a missing field, a value that is not a number, nodes nested
// in fields, an unknown EFV model, a network too deep): the calculation
// then runs step by step on the document, which fails where it must.
std::optional<CalcModel> ReadCalcModel(const pugi::xml_document& doc, ProgramState& state);

// Writes loads, sizes and pressures back as text.
void WriteCalcModel(const CalcModel& model);

// A number as the document gives it back once written: its shortest text of
// up to 15 significant digits, read again.
double StoredNumber(double value);

}  // namespace cv
