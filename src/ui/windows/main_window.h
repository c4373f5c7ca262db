// frmMain: the program's only working window. It wires the project editor
// (the project, its history and results) to the views: the tree, the
// appliance panel, the supply panel and the pages. The seams (message boxes,
// file and printer dialogs) are lent by the caller and must outlive the
// window.
#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <pugixml.hpp>
#include <string>

#include "core/errors.h"
#include "edit/project.h"
#include "sizing/calc_result.h"
#include "sizing/program_state.h"
#include "supply/supply_panel_values.h"
#include "ui/editor/project_editor.h"
#include "ui/seams/dialogs.h"

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QUndoStack;
class QWidget;

namespace cv {
struct SupplyOption;
}  // namespace cv

namespace cv::ui {

class AppliancePanel;
class ApplianceController;
class CalculationPage;
class ComparePage;
class DiagramPage;
class ProfilePage;
class NetworkTree;
class NetworkView;
class WindowMenus;

// The pages of the tab strip, in their order.
enum Page : int { kSystemSetupPage = 0, kAppliancePage = 1, kMaterialListPage = 2 };

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(Seams seams, QWidget* parent = nullptr);
  ~MainWindow() override;

  ProjectEditor& Editor() noexcept { return editor_; }
  NetworkView& Network() const noexcept { return *network_; }
  ApplianceController& ApplianceView() const noexcept { return *appliance_; }
  pugi::xml_document& Document() noexcept { return editor_.Doc(); }
  ProgramState& State() noexcept { return state_; }
  const Seams& GetSeams() const noexcept { return seams_; }
  MessageSink& Messages() const { return *seams_.messages; }

  // The menu entry whose control name is given ("Save", "About",
  // "mnuTreeClickAddNewAppliance"...), or nullptr.
  QAction* MenuAction(const QString& name) const;
  QMenu* TreePopupMenu() const noexcept;

  // The page container of the supply panel (frame "Supply Parameters").
  QGroupBox* SystemSetupPage() const noexcept { return fSystemSetup_; }
  QTabWidget* Tabs() const noexcept { return tabStrip_; }
  QTreeWidget* Tree() const noexcept;
  NetworkTree* NetTree() const noexcept { return tree_; }
  AppliancePanel* Panel() const noexcept { return panel_; }
  QPlainTextEdit* MaterialsText() const noexcept { return txtMaterials_; }
  CalculationPage* Calculations() const noexcept { return calculationPage_; }
  DiagramPage* Diagram() const noexcept { return diagramPage_; }
  ProfilePage* Profile() const noexcept { return profilePage_; }
  ComparePage* Compare() const noexcept { return comparePage_; }

  // --- Start-up and close ---------------------------------------------------
  // The start-up sequence. False when the component check failed: the
  // message was shown and the program must end.
  bool StartUp();
  // The version text the start-up check reads ("6.4.2"); tests replace it.
  void SetComponentVersionSource(std::function<QString()> source) {
    versionSource_ = std::move(source);
  }
  void SetNewProjectHook(std::function<void()> hook) { newProjectHook_ = std::move(hook); }
  void SetSupplyStartUpHook(std::function<void()> hook) { supplyStartUpHook_ = std::move(hook); }
  void SetSplashHook(std::function<void()> hook) { splashHook_ = std::move(hook); }
  void SetHelpHook(std::function<void()> hook) { helpHook_ = std::move(hook); }
  // Asked when the window closes; false keeps it open. Unset: it closes.
  void SetMayCloseHook(std::function<bool()> hook) { mayCloseHook_ = std::move(hook); }
  // The new-project reset used until a project controller takes over:
  // new document, tree with the gas supply shown, flags cleared.
  void ResetToNewProject();

  // What restoring a step shows on the supply page (set by its controller).
  void SetShowSupplyHook(std::function<void(const SupplyPanelValues&)> hook) {
    showSupplyHook_ = std::move(hook);
  }

  void SetUnitLabels();
  void RefreshMaterialList();
  // The calculation; a failure is shown in the standard error box.
  // Returns false after a failure.
  bool Recalculate();
  // The caption, with the unsaved mark shown while the project is modified.
  void SetCaption(const QString& caption);
  // Says in the status bar that a command did its work.
  void ConfirmInStatusBar(const QString& text);
  // Shows the standard "Error Number: ..." box.
  void ReportError(const CvError& error);
  // Runs a handler; a run-time failure ends it with the standard error box.
  void Guarded(const std::function<void()>& handler);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildPages();
  QWidget* BuildAppliancePage();
  QWidget* BuildMaterialPage();
  void ConnectMenuActions();
  void ConnectViews();
  void ConnectDiagram();
  // The appliance page with the focus in the panel's first box that takes
  // input, for editing the node shown.
  void EditInPanel();
  void ConnectHistory();
  void RestoreView(const ProjectView& view);
  void TabStrip1_Click(int index);
  void ShowFailedRunCount(int failed);
  // The pages that show results follow each calculation.
  void ResultsChanged();
  // Writes a supply option of the Compare page as one step of the history.
  void ApplySupplyOptionStep(const SupplyOption& option);

  Seams seams_;
  ProgramState state_;
  ProjectEditor editor_{state_};

  QTabWidget* tabStrip_ = nullptr;
  QGroupBox* fSystemSetup_ = nullptr;
  NetworkTree* tree_ = nullptr;
  NetworkView* network_ = nullptr;
  AppliancePanel* panel_ = nullptr;
  ApplianceController* appliance_ = nullptr;
  QPushButton* cmdAdd_ = nullptr;
  QPushButton* cmdRemove_ = nullptr;
  QPlainTextEdit* txtMaterials_ = nullptr;
  QLabel* lblFailedRuns_ = nullptr;
  CalculationPage* calculationPage_ = nullptr;
  DiagramPage* diagramPage_ = nullptr;
  ProfilePage* profilePage_ = nullptr;
  ComparePage* comparePage_ = nullptr;
  std::unique_ptr<WindowMenus> menus_;
  std::function<void(const SupplyPanelValues&)> showSupplyHook_;
  int shownTab_ = 0;

  std::function<QString()> versionSource_;
  std::function<void()> newProjectHook_;
  std::function<void()> supplyStartUpHook_;
  std::function<void()> splashHook_;
  std::function<void()> helpHook_;
  std::function<bool()> mayCloseHook_;
};

}  // namespace cv::ui
