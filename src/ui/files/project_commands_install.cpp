// Attaches the supply panel and the file commands to the main window.
#include <QAction>
#include <QFileInfo>
#include <QGroupBox>
#include <QLayout>

#include "ui/files/project_commands.h"
#include "ui/files/recent_files.h"
#include "ui/panels/supply_panel.h"
#include "ui/windows/main_window.h"

namespace cv::ui {

namespace {

SupplyPanel* InstallSupplyPanel(MainWindow& window) {
  SupplyPanel::Hooks hooks;
  hooks.setUnitLabels = [&window] { window.SetUnitLabels(); };
  hooks.recalculate = [&window] { window.Recalculate(); };
  hooks.showFirstNode = [&window] { window.ShowFirstNode(); };
  hooks.reportError = [&window](const CvError& e) { window.ReportError(e); };
  hooks.record = [&window](const std::function<void()>& change) {
    window.RecordEdit(QStringLiteral("Update Supply Parameters"), change);
  };
  hooks.confirm = [&window](const QString& text) { window.ConfirmInStatusBar(text); };
  hooks.markModified = [&window] { window.SetProjectModified(); };
  QGroupBox* page = window.SystemSetupPage();
  auto* panel = new SupplyPanel(window.Document(), window.State(), window.Messages(), hooks, page);
  page->layout()->addWidget(panel);
  window.SetSupplyStartUpHook([panel] { panel->FillLists(); });
  window.SetShowSupplyHook([panel](const SupplyPanelValues& values) { panel->ShowLoaded(values); });
  return panel;
}

// Replaces the menu entry's placeholder with the command.
void ConnectMenu(MainWindow& window, const char* name, std::function<void()> command) {
  QAction* action = window.MenuAction(QString::fromLatin1(name));
  QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
  QObject::connect(action, &QAction::triggered, &window,
                   [&window, command = std::move(command)] { window.Guarded(command); });
}

}  // namespace

void InstallProjectControllers(MainWindow& window, Seams& seams) {
  SupplyPanel* panel = InstallSupplyPanel(window);
  auto* commands = new ProjectCommands(window, *panel, *seams.files);
  window.SetNewProjectHook([commands] { commands->NewProject(); });
  window.SetMayCloseHook([commands] { return commands->MayClose(); });
  new RecentFilesMenu(window, *commands);
  ConnectMenu(window, "New", [commands] { commands->NewProject(); });
  ConnectMenu(window, "Open", [commands] { commands->OpenProject(); });
  ConnectMenu(window, "Save", [commands] { commands->SaveProject(); });
  ConnectMenu(window, "SaveAs", [commands] { commands->SaveProjectAs(); });
  // "E&xit" closes the window, whose close asks MayClose.
}

void OpenCommandLineProject(MainWindow& window, const QStringList& arguments) {
  if (arguments.size() < 2 || arguments.at(1).startsWith(QLatin1Char('-'))) return;
  if (auto* commands = window.findChild<ProjectCommands*>())
    window.Guarded([&] { commands->OpenFile(QFileInfo(arguments.at(1)).absoluteFilePath()); });
}

}  // namespace cv::ui
