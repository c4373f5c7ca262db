// The EFV catalogue: every model a network may use, read once from the
// SQLite table EFV_Parameters and then only read.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "efv/efv_parameters.h"

namespace cv {

class EFVCatalog {
 public:
  // Replaces the catalogue by the rows of "select * from EFV_Parameters" in
  // the database file, in the order the database returns them. A missing
  // file fails with error 53, a missing table or column with error 5, a
  // duplicate ID with error 457 (the rows before it stay loaded).
  void Load(const std::string& databasePath);

  // The identifiers of "SELECT ID from EFV_Parameters", as the model list
  // shows them.
  static std::vector<std::string> ReadModelIds(const std::string& databasePath);

  // Models in row order (EFVModelIDs is their ID column).
  const std::vector<EFVParameters>& Models() const noexcept { return models_; }
  std::vector<std::string> ModelIds() const;

  // The model with this identifier; an unknown identifier fails with
  // error 5, as a keyed collection does.
  const EFVParameters& Get(std::string_view id) const;
  bool Contains(std::string_view id) const;

  // Position of the identifier among all models (exact compare), or -1.
  int FindEFVIndex(std::string_view id) const noexcept;

  void Add(EFVParameters model);  // duplicate ID: error 457
  void Clear() noexcept;

 private:
  std::vector<EFVParameters> models_;
  std::unordered_map<std::string, size_t> index_;
};

// The flow of a model: kind "NORMAL" or "TRIP". A blank identifier or kind,
// or any other kind, gives 0; an unknown identifier fails with error 5.
double GetEFVFlow(const EFVCatalog& catalog, std::string_view id, std::string_view kind);

}  // namespace cv
