#include "efv/efv_catalog.h"

#include <sqlite3.h>

#include <filesystem>
#include <memory>

#include "core/errors.h"
#include "core/number_text.h"

namespace cv {

namespace {

struct DbCloser {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StmtCloser {
  void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using Db = std::unique_ptr<sqlite3, DbCloser>;
using Stmt = std::unique_ptr<sqlite3_stmt, StmtCloser>;

Db OpenReadOnly(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) Raise(kErrFileNotFound, "EFV catalogue " + path);
  sqlite3* raw = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
  Db db(raw);
  if (rc != SQLITE_OK) Raise(kErrFileAccess, "EFV catalogue " + path + ": " + sqlite3_errstr(rc));
  return db;
}

Stmt Prepare(sqlite3* db, const char* sql) {
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK)
    Raise(kErrInvalidArgument, std::string("EFV catalogue: ") + sqlite3_errmsg(db));
  return Stmt(raw);
}

class Row {
 public:
  explicit Row(sqlite3_stmt* stmt) : stmt_(stmt) {}

  int Column(const char* name) const {
    for (int i = 0, n = sqlite3_column_count(stmt_); i < n; ++i)
      if (sqlite3_stricmp(sqlite3_column_name(stmt_, i), name) == 0) return i;
    Raise(kErrInvalidArgument, std::string("EFV catalogue has no column ") + name);
  }
  bool IsNull(const char* name) const {
    return sqlite3_column_type(stmt_, Column(name)) == SQLITE_NULL;
  }
  // A NULL text becomes a single blank, as the catalogue always gave it.
  std::string Text(const char* name) const {
    if (IsNull(name)) return " ";
    const unsigned char* text = sqlite3_column_text(stmt_, Column(name));
    return text ? reinterpret_cast<const char*>(text) : "";
  }
  double Number(const char* name) const {
    const int column = Column(name);
    switch (sqlite3_column_type(stmt_, column)) {
      case SQLITE_NULL:
        return 0;
      case SQLITE_INTEGER:
      case SQLITE_FLOAT:
        return sqlite3_column_double(stmt_, column);
      default:
        return ParseNumber(Text(name));
    }
  }

 private:
  sqlite3_stmt* stmt_;
};

constexpr const char* kCatalogColumns[] = {
    "ID",        "model",         "operating_pres",   "operating_pres_unit",
    "flow_unit", "normal_flow",   "normal_pres_drop", "pres_drop_unit",
    "trip_flow", "trip_pres_drop"};

bool Step(sqlite3* db, sqlite3_stmt* stmt) {
  int rc = sqlite3_step(stmt);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  Raise(kErrFileAccess, std::string("EFV catalogue: ") + sqlite3_errmsg(db));
}

}  // namespace

void EFVCatalog::Load(const std::string& databasePath) {
  WithContext("modGlobals.PopulateEFVCollection", [&] {
    Clear();
    Db db = OpenReadOnly(databasePath);
    Stmt stmt = Prepare(db.get(), "select * from EFV_Parameters");
    // Every column is looked for before the first row, so that a table
    // without rows is judged as one with rows would be.
    for (const char* column : kCatalogColumns) Row(stmt.get()).Column(column);
    while (Step(db.get(), stmt.get())) {
      Row row(stmt.get());
      if (row.IsNull("ID")) Raise(kErrTypeMismatch, "an EFV model without ID");
      EFVParameters model;
      model.ID = row.Text("ID");
      model.model = row.Text("model");
      model.OperatingPres = row.Number("operating_pres");
      model.OperatingPresUnit = row.Text("operating_pres_unit");
      model.FlowUnit = row.Text("flow_unit");
      model.NormalFlow = row.Number("normal_flow");
      model.NormalPresDrop = row.Number("normal_pres_drop");
      model.PresDropUnit = row.Text("pres_drop_unit");
      model.TripFlow = row.Number("trip_flow");
      model.TripPresDrop = row.Number("trip_pres_drop");
      Add(std::move(model));
    }
  });
}

std::vector<std::string> EFVCatalog::ReadModelIds(const std::string& databasePath) {
  return WithContext("modGlobals.FillCboEFVModel", [&] {
    std::vector<std::string> ids;
    Db db = OpenReadOnly(databasePath);
    Stmt stmt = Prepare(db.get(), "SELECT ID from EFV_Parameters");
    while (Step(db.get(), stmt.get())) {
      const unsigned char* text = sqlite3_column_text(stmt.get(), 0);
      ids.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
    }
    return ids;
  });
}

std::vector<std::string> EFVCatalog::ModelIds() const {
  std::vector<std::string> ids;
  ids.reserve(models_.size());
  for (const auto& model : models_) ids.push_back(model.ID);
  return ids;
}

const EFVParameters& EFVCatalog::Get(std::string_view id) const {
  auto it = index_.find(std::string(id));
  if (it == index_.end())
    Raise(kErrInvalidArgument, "EFV model \"" + std::string(id) + "\" is not in the catalogue");
  return models_[it->second];
}

bool EFVCatalog::Contains(std::string_view id) const { return index_.count(std::string(id)) != 0; }

int EFVCatalog::FindEFVIndex(std::string_view id) const noexcept {
  auto it = index_.find(std::string(id));
  return it == index_.end() ? -1 : static_cast<int>(it->second);
}

void EFVCatalog::Add(EFVParameters model) {
  if (Contains(model.ID))
    Raise(kErrDuplicateKey, "EFV model \"" + model.ID + "\" appears twice in the catalogue");
  index_.emplace(model.ID, models_.size());
  models_.push_back(std::move(model));
}

void EFVCatalog::Clear() noexcept {
  models_.clear();
  index_.clear();
}

double GetEFVFlow(const EFVCatalog& catalog, std::string_view id, std::string_view kind) {
  return WithContext("modTreeFunctions.GetEFVFlow", [&] {
    if (TrimBlanks(id).empty() || TrimBlanks(kind).empty()) return 0.0;
    const EFVParameters& model = catalog.Get(id);
    if (kind == "NORMAL") return model.NormalFlow;
    if (kind == "TRIP") return model.TripFlow;
    return 0.0;
  });
}

}  // namespace cv
