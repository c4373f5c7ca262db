// Build step: turns the readable catalogue SQL into the SQLite file the
// programs read.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "core/command_usage.h"

namespace {
constexpr const char* kUsage =
    "Usage: corvanta-make-catalog SQL_FILE DB_FILE\n"
    "\n"
    "Runs the catalogue's SQL into a new SQLite file DB_FILE (replacing it).\n";
}

int main(int argc, char** argv) {
  constexpr const char* kProgram = "corvanta-make-catalog";
  if (auto status = cv::AnswerPlainArguments(argc, argv, kProgram, kUsage, 2, 2)) return *status;
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "cannot read " << argv[1] << "\n";
    return 1;
  }
  std::stringstream sql;
  sql << in.rdbuf();
  std::remove(argv[2]);
  sqlite3* db = nullptr;
  if (sqlite3_open(argv[2], &db) != SQLITE_OK) {
    std::cerr << "cannot create " << argv[2] << "\n";
    return 1;
  }
  char* message = nullptr;
  int rc = sqlite3_exec(db, sql.str().c_str(), nullptr, nullptr, &message);
  if (rc != SQLITE_OK) std::cerr << argv[1] << ": " << (message ? message : "error") << "\n";
  sqlite3_free(message);
  sqlite3_close(db);
  if (rc != SQLITE_OK) std::remove(argv[2]);
  return rc == SQLITE_OK ? 0 : 1;
}
