// frmMain: the program's only working window. It owns the project document
// and the program state; the tree, the appliance panel and the pages are its
// children. The seams (message boxes, file and printer dialogs) are lent by
// the caller and must outlive the window.
//
// The window's procedures are split over several files by job:
// main_window.cpp (layout, pages, hooks), main_menus.cpp (menus),
// startup.cpp (the start-up sequence), tree_editing.cpp (ClickNode, AddNode,
// RemoveNode, UpdateNode, AddChildren, MoveNode), tree_events.cpp (clicks,
// pop-up, information box, drop, page switch) and appliance_handlers.cpp
// (the appliance panel's handlers and the update command).
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
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
struct ProjectView;
struct SupplyOption;
}  // namespace cv

namespace cv::ui {

class AppliancePanel;
class CalculationPage;
class ComparePage;
class DiagramPage;
class ProfilePage;
class NetworkTree;

// The pages of the tab strip, in their order.
enum Page : int { kSystemSetupPage = 0, kAppliancePage = 1, kMaterialListPage = 2 };

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(Seams seams, QWidget* parent = nullptr);
  ~MainWindow() override;

  ProjectEditor& Editor() noexcept { return editor_; }
  pugi::xml_document& Document() noexcept { return document_; }
  Project& EditedProject() noexcept { return project_; }
  ProgramState& State() noexcept { return state_; }
  // "English" or "Metric", as the project's document says.
  std::string UnitSystem() const { return project_.UnitSystem(); }
  // The project has changes that are not saved.
  bool ProjectModified() const noexcept { return editor_.Modified(); }
  const CalcResult& Result() const noexcept { return editor_.Result(); }
  const Seams& GetSeams() const noexcept { return seams_; }
  MessageSink& Messages() const { return *seams_.messages; }

  // The menu entry whose control name is given ("Save", "About",
  // "mnuTreeClickAddNewAppliance"...), or nullptr.
  QAction* MenuAction(const QString& name) const;
  QMenu* TreePopupMenu() const noexcept { return mnuTreeClick_; }

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
  void SetComponentVersionSource(std::function<QString()> source);
  void SetNewProjectHook(std::function<void()> hook) { newProjectHook_ = std::move(hook); }
  void SetSupplyStartUpHook(std::function<void()> hook) { supplyStartUpHook_ = std::move(hook); }
  void SetSplashHook(std::function<void()> hook) { splashHook_ = std::move(hook); }
  void SetHelpHook(std::function<void()> hook) { helpHook_ = std::move(hook); }
  // Asked when the window closes; false keeps it open. Unset: it closes.
  void SetMayCloseHook(std::function<bool()> hook) { mayCloseHook_ = std::move(hook); }
  // The new-project reset used until a project controller takes over:
  // new document, tree with the gas supply shown, flags cleared.
  void ResetToNewProject();
  // Loads the EFV catalogue and fills cboEFV; a failure is shown and the
  // program carries on without models.
  void LoadCatalogue(const std::string& databasePath);

  // --- Undo history (the project editor's) ------------------------------------
  QUndoStack* UndoStack() const noexcept { return editor_.UndoStack(); }
  void RecordEdit(const QString& label, const std::function<void()>& change) {
    editor_.RecordEdit(label, change);
  }
  void MarkSaved() { editor_.MarkSaved(); }
  void StartHistory() { editor_.StartHistory(); }
  // What restoring a step shows on the supply page (set by its controller).
  void SetShowSupplyHook(std::function<void(const SupplyPanelValues&)> hook) {
    showSupplyHook_ = std::move(hook);
  }

  // --- The node in view ------------------------------------------------------
  // When the panel holds edits not stored with "Update", asks "Apply the
  // changes to '...'?": Yes stores them, No drops them. False when the user
  // cancelled or the store was refused: the command that leaves the node
  // must stop.
  bool ResolvePendingPanelEdits();
  // The panel differs from the node it shows (typed or chosen by the user).
  bool PanelHasUnstoredEdits() const;
  // The item of the node the panel shows (the gas supply when none).
  QTreeWidgetItem* ShownItem() const;

  // --- Tree and panel operations ---------------------------------------------
  // Selects the item and shows its node in the panel (no question asked).
  void ClickNode(QTreeWidgetItem* item);
  // Adds a node below the item; returns the new item (nullptr: nothing added).
  QTreeWidgetItem* AddNode(QTreeWidgetItem* parentItem);
  void RemoveNode(QTreeWidgetItem* item);
  // Stores the panel into the item's node when the trip-flow checks allow
  // it; a refusal is returned for the caller to show.
  EditOutcome UpdateNode(QTreeWidgetItem* item);
  // Moves the dragged node with its subtree below the target when the drop
  // rules allow it; false when nothing moved (a refusal shows its message,
  // a failure the "MoveNode - Error #" message).
  bool MoveNode(QTreeWidgetItem* dragged, QTreeWidgetItem* target);
  // Rebuilds the tree from the document; only the gas supply is expanded
  // (the panel's node is shown again by the caller).
  void BuildTreeFromDocument();
  void ClearTree();
  QTreeWidgetItem* AddGasSupplyItem();
  QTreeWidgetItem* GasSupplyItem() const;
  QTreeWidgetItem* SelectedItem() const;
  void ShowFirstNode();
  // The item of a document element (the gas supply for the root), or null.
  QTreeWidgetItem* ItemOfElement(pugi::xml_node element) const;
  // The document node a tree item stands for (empty for the gas supply).
  pugi::xml_node NodeOfItem(const QTreeWidgetItem* item) const;
  // The element an item stands for: the root for the gas supply.
  pugi::xml_node ElementOfItem(const QTreeWidgetItem* item) const;
  pugi::xml_node CurrentSystemNode() const noexcept { return currentNode_; }

  void SetUnitLabels();
  void RefreshMaterialList();
  // Calculates the document and keeps its result; the caller shows it.
  void RunCalculation() { editor_.Calculate(); }
  // CalculateNetwork; a failure is shown in the standard error box.
  // Returns false after a failure.
  bool Recalculate();
  // Puts every run's calculated size and pressures into its tree item's
  // tool tip (after a rebuild of the tree, for example).
  void ShowCalculatedValues();
  // The tool tip of a tree item: its sizing message when the run failed,
  // else its size and pressures.
  QString ItemToolTip(const QTreeWidgetItem* item) const;
  // A change kept outside the history: the caption's unsaved mark shows.
  void SetProjectModified() { editor_.MarkModified(); }
  // The caption, with the unsaved mark shown while the project is modified.
  void SetCaption(const QString& caption);
  // Says in the status bar that a command did its work.
  void ConfirmInStatusBar(const QString& text);
  // Shows the standard "Error Number: ..." box.
  void ReportError(const CvError& error);
  // Runs a handler; a run-time failure ends it with the standard error box.
  void Guarded(const std::function<void()>& handler);

  // --- Handlers (control + "_" + event) ---------------------------------------
  void cmdAdd_Click();
  void cmdRemove_Click();
  void cmdUpdate_Click();
  void cboAppliance_Click();
  void cboEFV_Click();
  void TreeView1_NodeClick(QTreeWidgetItem* item);
  void TreeView1_MouseUp(Qt::MouseButton button, const QPoint& pos);
  // A drag ended with a drop of dragged onto target (both items of the tree).
  void TreeView1_Drop(QTreeWidgetItem* dragged, QTreeWidgetItem* target);
  void TabStrip1_Click(int index);
  // The middle-click box of the node shown in the panel.
  void ShowPressureDropInformation();

  // List positions of cboAppliance and cboEFV as set for the node last shown.
  int PreviousApplianceIndex = 1;
  int PreviousEFVIndex = -1;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // RunCalculation, then the results shown in the tree.
  void Calculate();
  void BuildPages();
  QWidget* BuildAppliancePage();
  QWidget* BuildMaterialPage();
  void BuildMenus();
  void AddMenuAction(QMenu* menu, const QString& name, const QString& caption,
                     const QKeySequence& shortcut = {});
  void ConnectMenuActions();
  void ConnectPanel();
  void ConnectTree();
  void ConnectDiagram();
  // Alt keys, page keys and screen-reader names of the window's own controls.
  void GiveAccessKeys();
  // The appliance page with the focus in the panel's first box that takes
  // input, for editing the node shown.
  void EditInPanel();
  void NotAvailableYet(const QString& what);
  bool ComponentVersionPasses();
  void AddChildren(pugi::xml_node node, QTreeWidgetItem* parentItem);
  QTreeWidgetItem* AddNodeItem(pugi::xml_node node, QTreeWidgetItem* parentItem);
  void SelectGasSupply();
  void ShowNodeInPanel(pugi::xml_node node);
  void ApplyLoadBoxRule(QTreeWidgetItem* item);
  RunFields PanelFields(pugi::xml_node node) const;
  // Shows a refused update and puts the panel back as the answer says.
  void AfterRefusedUpdate(QTreeWidgetItem* item, const EditOutcome& outcome, bool becameEFV);
  // Checks and stores the panel into the item's node as one step of the
  // history; false when a check refused it.
  bool StorePanel(QTreeWidgetItem* item);
  // Shows the item's node in the panel without touching the selection.
  void ShowItem(QTreeWidgetItem* item);
  void SelectQuietly(QTreeWidgetItem* item);
  void FollowCurrentItem(QTreeWidgetItem* current);
  void AfterDrag(QTreeWidgetItem* dragged);
  void BuildEditMenu();
  void ConnectHistory();
  void RestoreView(const ProjectView& view);
  QStringList ExpandedIds() const;
  // Rebuilds the tree, expands the items of those ids and shows the node.
  void RebuildTree(const QStringList& expandedIds, pugi::xml_node shown);
  void ResetNewEFVChoice(pugi::xml_node node);
  void DropDecided(QTreeWidgetItem* dragged, QTreeWidgetItem* target);
  void ShowPlain(const std::string& text);
  void ShowFailedRunCount(int failed);
  // The pages that show results follow each calculation.
  void ResultsChanged();
  // Writes a supply option of the Compare page as one step of the history.
  void ApplySupplyOptionStep(const SupplyOption& option);

  Seams seams_;
  ProgramState state_;
  ProjectEditor editor_{state_};
  Project& project_ = editor_.EditedProject();
  pugi::xml_document& document_ = project_.Doc();
  const CalcResult& result_ = editor_.Result();
  pugi::xml_node currentNode_;

  QTabWidget* tabStrip_ = nullptr;
  QGroupBox* fSystemSetup_ = nullptr;
  NetworkTree* tree_ = nullptr;
  AppliancePanel* panel_ = nullptr;
  QPushButton* cmdAdd_ = nullptr;
  QPushButton* cmdRemove_ = nullptr;
  QPlainTextEdit* txtMaterials_ = nullptr;
  QMenu* mnuTreeClick_ = nullptr;
  QLabel* lblFailedRuns_ = nullptr;
  CalculationPage* calculationPage_ = nullptr;
  DiagramPage* diagramPage_ = nullptr;
  ProfilePage* profilePage_ = nullptr;
  ComparePage* comparePage_ = nullptr;
  std::map<QString, QAction*> actions_;
  std::function<void(const SupplyPanelValues&)> showSupplyHook_;
  // Set while the window itself moves the selection: the panel follows the
  // tree's current item only when anything else moves it.
  bool followSuppressed_ = false;
  // What a drop decided the tree shows when the drag ends.
  pugi::xml_node dropChoice_;
  int shownTab_ = 0;

  std::function<QString()> versionSource_;
  std::function<void()> newProjectHook_;
  std::function<void()> supplyStartUpHook_;
  std::function<void()> splashHook_;
  std::function<void()> helpHook_;
  std::function<bool()> mayCloseHook_;
};

}  // namespace cv::ui
