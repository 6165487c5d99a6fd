#include "app/data_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "engine/deck.h"
#include "engine/table_defaults.h"
#include "flow/driver.h"

namespace qf {
namespace {

std::string LocalPath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

}  // namespace

QString DefaultDataFilePath() {
  QString base = qEnvironmentVariable("XDG_DATA_HOME");
  if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + "/.local/share";
  return base + "/quillfern/Quillfern.dat";
}

void ResetToDefaultTable(TableRecord& table, Rng& rng, TableUi& ui) {
  SetTableDefaults(table, OwnerName());
  NewHand(table, rng);
  StartNewTable(table, ui, false);
  std::snprintf(table.tableLabel, sizeof table.tableLabel, "%s", "-Empty-");
}

LoadStatus LoadOrResetTable(const QString& path, TableRecord& table, Rng& rng, TableUi& ui) {
  const LoadResult result = LoadTable(LocalPath(path), table);
  if (result.status != LoadStatus::Loaded) ResetToDefaultTable(table, rng, ui);
  return result.status;
}

bool SaveTableFile(const QString& path, const TableRecord& table) {
  const QString folder = QFileInfo(path).absolutePath();
  if (!QDir().mkpath(folder) || !SaveTable(LocalPath(path), table)) {
    std::fprintf(stderr, "quillfern: could not save the table to %s\n", LocalPath(path).c_str());
    return false;
  }
  return true;
}

}  // namespace qf
