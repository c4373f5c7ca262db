#include "ui/windows/project_wiring.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLayout>
#include <QStatusBar>

#include "ui/files/project_commands.h"
#include "ui/files/recent_files.h"
#include "ui/panels/supply_panel.h"
#include "ui/seams/named_actions.h"
#include "ui/tree/network_tree.h"
#include "ui/tree/network_view.h"
#include "ui/windows/main_window.h"

namespace cv::ui {

namespace {

SupplyPanel* InstallSupplyPanel(MainWindow& window) {
  SupplyPanel::Hooks hooks;
  hooks.setUnitLabels = [&window] { window.SetUnitLabels(); };
  hooks.recalculate = [&window] { window.Recalculate(); };
  hooks.showFirstNode = [&window] { window.Network().ShowFirstNode(); };
  hooks.reportError = [&window](const CvError& e) { window.ReportError(e); };
  hooks.record = [&window](const std::function<void()>& change) {
    window.Editor().RecordEdit(QStringLiteral("Update Supply Parameters"), change);
  };
  hooks.confirm = [&window](const QString& text) { window.ConfirmInStatusBar(text); };
  hooks.markModified = [&window] { window.Editor().MarkModified(); };
  QGroupBox* page = window.SystemSetupPage();
  auto* panel = new SupplyPanel(window.Document(), window.State(), window.Messages(), hooks, page);
  page->layout()->addWidget(panel);
  window.SetSupplyStartUpHook([panel] { panel->FillLists(); });
  window.SetShowSupplyHook([panel](const SupplyPanelValues& values) { panel->ShowLoaded(values); });
  return panel;
}

ProjectWindow ProjectWindowOf(MainWindow& window) {
  ProjectWindow w;
  w.window = &window;
  w.messages = &window.Messages();
  w.resetToNewProject = [&window] {
    window.ResetToNewProject();
    window.SetUnitLabels();
  };
  w.clearTree = [&window] { window.Network().ClearTree(); };
  w.showLoadedProject = [&window] {
    window.SetUnitLabels();
    window.Editor().Calculate();
    window.RefreshMaterialList();
    window.Network().BuildTreeFromDocument();
    window.NetTree()->FitColumnsToContents();
    window.Network().ShowFirstNode();
  };
  w.refreshMaterialList = [&window] { window.RefreshMaterialList(); };
  w.setCaption = [&window](const QString& caption) { window.SetCaption(caption); };
  w.status = [&window](const QString& text) {
    if (text.isEmpty())
      window.statusBar()->clearMessage();
    else
      window.ConfirmInStatusBar(text);
  };
  return w;
}

}  // namespace

void InstallProjectControllers(MainWindow& window, Seams& seams) {
  SupplyPanel* panel = InstallSupplyPanel(window);
  auto* commands =
      new ProjectCommands(window.Editor(), ProjectWindowOf(window), *panel, *seams.files);
  window.SetNewProjectHook([commands] { commands->NewProject(); });
  window.SetMayCloseHook([commands] { return commands->MayClose(); });
  new RecentFilesMenu(window, window.Messages(), *commands);
  MessageSink& messages = window.Messages();
  ConnectNamedAction(window, "New", messages, [commands] { commands->NewProject(); });
  ConnectNamedAction(window, "Open", messages, [commands] { commands->OpenProject(); });
  ConnectNamedAction(window, "Save", messages, [commands] { commands->SaveProject(); });
  ConnectNamedAction(window, "SaveAs", messages, [commands] { commands->SaveProjectAs(); });
  // "E&xit" closes the window, whose close asks MayClose.
}

void OpenCommandLineProject(MainWindow& window, const QStringList& arguments) {
  if (arguments.size() < 2 || arguments.at(1).startsWith(QLatin1Char('-'))) return;
  if (auto* commands = window.findChild<ProjectCommands*>())
    window.Guarded([&] { commands->OpenFile(QFileInfo(arguments.at(1)).absoluteFilePath()); });
}

}  // namespace cv::ui
