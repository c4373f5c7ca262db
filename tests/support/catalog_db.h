// Small EFV catalogues written for a test: given rows, or any SQL (a
// catalogue without the table, NULL columns, duplicate IDs).
#pragma once

#include <string>
#include <vector>

namespace cvtest {

struct CatalogRow {
  std::string id;
  double normalFlow = 0;
  double normalDrop = 0;
  double tripFlow = 0;
  double tripDrop = 0;
  std::string model = "Test model";
};

// Creates (or replaces) an SQLite file holding the statements.
void WriteDatabase(const std::string& path, const std::string& sql);

// Creates an EFV_Parameters table with the rows, in order.
void WriteCatalog(const std::string& path, const std::vector<CatalogRow>& rows);

// The statement that creates an empty EFV_Parameters table.
extern const char* const kCreateCatalogTable;

}  // namespace cvtest
