// The start-up sequence of the main window, in its fixed order.
#include "ui/windows/startup.h"

#include <QComboBox>
#include <QStringList>
#include <QTabWidget>
#include <QtGlobal>

#include "core/data_files.h"
#include "sizing/units.h"
#include "ui/panels/appliance_controller.h"
#include "ui/panels/appliance_panel.h"
#include "ui/panels/box_undo.h"
#include "ui/panels/click_on_set.h"
#include "ui/windows/main_window.h"

namespace cv::ui {

QString QtRuntimeVersion() { return QString::fromLatin1(qVersion()); }

bool ComponentVersionSufficient(const QString& version) {
  const QStringList parts = version.split(QLatin1Char('.'));
  if (parts.size() < 2) return false;
  bool majorOk = false;
  bool minorOk = false;
  const int major = parts[0].toInt(&majorOk);
  const int minor = parts[1].toInt(&minorOk);
  if (!majorOk || !minorOk) return false;
  return major > 5 || (major == 5 && minor >= 5);
}

bool MainWindow::ComponentVersionPasses() {
  const QString version = versionSource_ ? versionSource_() : QtRuntimeVersion();
  if (ComponentVersionSufficient(version)) return true;
  Messages().Show(
      {kComponentErrorText, kComponentErrorTitle, MessageButtons::Ok, MessageIcon::Critical});
  return false;
}

void MainWindow::LoadCatalogue(const std::string& databasePath) {
  panel_->cboEFV->clear();
  try {
    state_.EFVCollection.Load(databasePath);
    for (const std::string& id : EFVCatalog::ReadModelIds(databasePath))
      panel_->cboEFV->addItem(QString::fromStdString(id));
  } catch (const CvError& e) {
    // Without the catalogue the program still draws and sizes networks;
    // only EFVs cannot be chosen.
    state_.EFVCollection.Clear();
    panel_->cboEFV->clear();
    ReportError(e);
  }
}

bool MainWindow::StartUp() {
  if (!ComponentVersionPasses()) return false;
  state_.DebugMode = false;
  state_.Log.SetPath(DefaultDebugLogPath());
  // Every box exists now: the controllers were wired before the start-up.
  PassUndoKeysWhenBoxHasNone(this);
  panel_->FillLists();
  LoadCatalogue(FindDataFile("corvanta.db"));
  Guarded([this] {
    SetListPosition(panel_->cboMaterial, 0, [this] { panel_->cboMaterial_Click(); });
    SetListPosition(panel_->cboAppliance, 1, [this] { appliance_->cboAppliance_Click(); });
    if (supplyStartUpHook_) supplyStartUpHook_();
    SetUnitLabels();
  });
  tabStrip_->setCurrentIndex(kAppliancePage);
  Guarded([this] {
    if (newProjectHook_)
      newProjectHook_();
    else
      ResetToNewProject();
  });
  if (splashHook_) splashHook_();
  if (helpHook_) helpHook_();
  return true;
}

}  // namespace cv::ui
