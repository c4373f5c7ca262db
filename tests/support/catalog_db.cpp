#include "support/catalog_db.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdio>

#include "core/number_text.h"

namespace cvtest {

const char* const kCreateCatalogTable =
    "CREATE TABLE EFV_Parameters (ID TEXT, model TEXT, operating_pres REAL, "
    "operating_pres_unit TEXT, flow_unit TEXT, normal_flow REAL, normal_pres_drop REAL, "
    "pres_drop_unit TEXT, trip_flow REAL, trip_pres_drop REAL);";

void WriteDatabase(const std::string& path, const std::string& sql) {
  std::remove(path.c_str());
  sqlite3* db = nullptr;
  char* error = nullptr;
  if (sqlite3_open(path.c_str(), &db) != SQLITE_OK ||
      sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK)
    ADD_FAILURE() << "cannot write the catalogue " << path << ": "
                  << (error ? error : sqlite3_errmsg(db));
  sqlite3_free(error);
  sqlite3_close(db);
}

void WriteCatalog(const std::string& path, const std::vector<CatalogRow>& rows) {
  std::string sql = kCreateCatalogTable;
  for (const CatalogRow& row : rows) {
    sql += "INSERT INTO EFV_Parameters VALUES ('" + row.id + "', '" + row.model +
           "', 7, 'in WC', 'kBTU/h', " + cv::FormatNumber(row.normalFlow) + ", " +
           cv::FormatNumber(row.normalDrop) + ", 'in WC', " + cv::FormatNumber(row.tripFlow) +
           ", " + cv::FormatNumber(row.tripDrop) + ");";
  }
  WriteDatabase(path, sql);
}

}  // namespace cvtest
