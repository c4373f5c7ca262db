#include "ui/windows/main_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "core/data_files.h"
#include "core/messages.h"
#include "project/document.h"
#include "reports/material_list.h"
#include "reports/supply_compare.h"
#include "sizing/network_calculation.h"
#include "ui/access/failed_colour.h"
#include "ui/compare/compare_page.h"
#include "ui/panels/appliance_controller.h"
#include "ui/panels/appliance_panel.h"
#include "ui/panels/box_undo.h"
#include "ui/results/calculation_page.h"
#include "ui/results/diagram_page.h"
#include "ui/results/diagram_view.h"
#include "ui/results/profile_page.h"
#include "ui/seams/guarded.h"
#include "ui/tree/network_tree.h"
#include "ui/tree/network_view.h"
#include "ui/tree/tree_items.h"
#include "ui/windows/output_wiring.h"
#include "ui/windows/startup.h"
#include "ui/windows/window_keys.h"
#include "ui/windows/window_menus.h"

namespace cv::ui {

MainWindow::MainWindow(Seams seams, QWidget* parent) : QMainWindow(parent), seams_(seams) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QString::fromLatin1(kProgramTitle));
  state_.Messages = seams_.messages;
  BuildPages();
  menus_ = std::make_unique<WindowMenus>(*this, editor_, Messages());
  ConnectHistory();
  ConnectViews();
  ConnectMenuActions();
  ConnectDiagram();
  lblFailedRuns_ = new QLabel(this);
  lblFailedRuns_->setObjectName(QStringLiteral("lblFailedRuns"));
  lblFailedRuns_->setStyleSheet(QStringLiteral("color: %1").arg(FailedRunColour().name()));
  statusBar()->addPermanentWidget(lblFailedRuns_);
  GiveAccessKeys(*this);
  resize(1180, 680);
  // At a large scale factor the window opens no larger than the screen.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    resize(size().boundedTo(screen->availableGeometry().size()));
}

MainWindow::~MainWindow() {
  // The views hold the editor, a member, which goes before the window's
  // children: they go first, and with them their connections.
  delete network_;
  delete appliance_;
}

void MainWindow::BuildPages() {
  tabStrip_ = new QTabWidget(this);
  tabStrip_->setObjectName(QStringLiteral("TabStrip1"));

  auto* setupPage = new QWidget(tabStrip_);
  setupPage->setObjectName(QStringLiteral("fTabView0"));
  auto* setupLayout = new QVBoxLayout(setupPage);
  fSystemSetup_ = new QGroupBox(QStringLiteral("Supply Parameters"), setupPage);
  fSystemSetup_->setObjectName(QStringLiteral("fSystemSetup"));
  new QVBoxLayout(fSystemSetup_);
  setupLayout->addWidget(fSystemSetup_);

  tabStrip_->addTab(setupPage, QStringLiteral("System Setup"));
  tabStrip_->addTab(BuildAppliancePage(), QStringLiteral("Appliance View/Settings"));
  tabStrip_->addTab(BuildMaterialPage(), QStringLiteral("Material List"));
  const pugi::xml_document& document = editor_.Doc();
  const CalcResult& result = editor_.Result();
  calculationPage_ = new CalculationPage(document, result, tabStrip_);
  tabStrip_->addTab(calculationPage_, QStringLiteral("Calculations"));
  diagramPage_ = new DiagramPage(document, state_, result, tabStrip_);
  tabStrip_->addTab(diagramPage_, QStringLiteral("Diagram"));
  profilePage_ = new ProfilePage(
      document, result,
      [this] { return editor_.NodeInView() ? NodeId(editor_.NodeInView()) : std::string(); },
      tabStrip_);
  tabStrip_->addTab(profilePage_, QStringLiteral("Pressure Profile"));
  comparePage_ = new ComparePage(
      editor_, [this](const SupplyOption& option) { ApplySupplyOptionStep(option); }, tabStrip_);
  tabStrip_->addTab(comparePage_, QStringLiteral("Compare"));
  setCentralWidget(tabStrip_);
  connect(tabStrip_, &QTabWidget::currentChanged, this,
          [this](int index) { Guarded([&] { TabStrip1_Click(index); }); });
}

QWidget* MainWindow::BuildAppliancePage() {
  auto* page = new QWidget(tabStrip_);
  page->setObjectName(QStringLiteral("fTabView1"));
  auto* layout = new QHBoxLayout(page);

  auto* fView = new QGroupBox(QStringLiteral("System View"), page);
  fView->setObjectName(QStringLiteral("fView"));
  auto* viewLayout = new QVBoxLayout(fView);
  tree_ = new NetworkTree(fView);
  viewLayout->addWidget(tree_, 1);
  auto* buttons = new QHBoxLayout();
  cmdAdd_ = new QPushButton(QStringLiteral("Add New Device"), fView);
  cmdAdd_->setObjectName(QStringLiteral("cmdAdd"));
  cmdRemove_ = new QPushButton(QStringLiteral("Remove Device"), fView);
  cmdRemove_->setObjectName(QStringLiteral("cmdRemove"));
  buttons->addWidget(cmdAdd_);
  buttons->addWidget(cmdRemove_);
  buttons->addStretch(1);
  viewLayout->addLayout(buttons);

  panel_ = new AppliancePanel(page);
  panel_->setMinimumWidth(380);
  layout->addWidget(fView, 2);
  layout->addWidget(panel_, 1);
  return page;
}

QWidget* MainWindow::BuildMaterialPage() {
  auto* page = new QWidget(tabStrip_);
  page->setObjectName(QStringLiteral("fTabView2"));
  auto* layout = new QVBoxLayout(page);
  auto* frame = new QGroupBox(QStringLiteral("Materials"), page);
  frame->setObjectName(QStringLiteral("Frame1"));
  auto* frameLayout = new QVBoxLayout(frame);
  txtMaterials_ = new QPlainTextEdit(frame);
  txtMaterials_->setObjectName(QStringLiteral("txtMaterials"));
  txtMaterials_->setReadOnly(true);
  txtMaterials_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  txtMaterials_->setFont(font);
  frameLayout->addWidget(txtMaterials_);
  layout->addWidget(frame);
  return page;
}

void MainWindow::ConnectViews() {
  network_ = new NetworkView(tree_, editor_, Messages(), this);
  network_->SetPopupMenu(menus_->TreePopup());
  connect(tree_, &NetworkTree::editRequested, this, [this] { EditInPanel(); });
  appliance_ = new ApplianceController(panel_, editor_, Messages(), this);
  connect(cmdAdd_, &QPushButton::clicked, this,
          [this] { Guarded([this] { network_->AddToSelected(); }); });
  connect(cmdRemove_, &QPushButton::clicked, this,
          [this] { Guarded([this] { network_->RemoveSelected(); }); });
  connect(network_, &NetworkView::nodeAdded, appliance_, &ApplianceController::EditDescription);
  connect(network_, &NetworkView::statusText, this, &MainWindow::ConfirmInStatusBar);
  connect(network_, &NetworkView::valuesShown, this, [this](int failed) {
    ShowFailedRunCount(failed);
    ResultsChanged();
  });
  connect(&editor_, &ProjectEditor::nodeShown, this, [this](pugi::xml_node node) {
    diagramPage_->View()->SetSelectedNode(node ? NodeId(node) : std::string());
  });
}

void MainWindow::ConnectHistory() {
  connect(&editor_, &ProjectEditor::restored, this,
          [this](const ProjectView& view) { Guarded([&] { RestoreView(view); }); });
  connect(&editor_, &ProjectEditor::failed, this, [this](const CvError& e) { ReportError(e); });
  connect(&editor_, &ProjectEditor::modifiedChanged, this,
          [this](bool modified) { setWindowModified(modified); });
}

void MainWindow::RestoreView(const ProjectView& view) {
  if (showSupplyHook_) showSupplyHook_(SupplyPanelFromDocument(Document()));
  SetUnitLabels();
  network_->ShowRestored(view);
  if (tabStrip_->currentIndex() == kMaterialListPage) RefreshMaterialList();
}

QAction* MainWindow::MenuAction(const QString& name) const { return menus_->Action(name); }

QMenu* MainWindow::TreePopupMenu() const noexcept { return menus_->TreePopup(); }

void MainWindow::ConnectMenuActions() {
  ConnectExportCommands(*this);
  connect(MenuAction(QStringLiteral("Exit")), &QAction::triggered, this, [this] { close(); });
  connect(MenuAction(QStringLiteral("mnuTreeClickAddNewAppliance")), &QAction::triggered, this,
          [this] { Guarded([this] { network_->AddToSelected(); }); });
  connect(MenuAction(QStringLiteral("mnuTreeClickRemoveAppliance")), &QAction::triggered, this,
          [this] { Guarded([this] { network_->RemoveSelected(); }); });
}

bool MainWindow::StartUp() {
  if (!ComponentVersionPasses(versionSource_ ? versionSource_() : QtRuntimeVersion(), Messages()))
    return false;
  state_.DebugMode = false;
  state_.Log.SetPath(DefaultDebugLogPath());
  // Every box exists now: the controllers were wired before the start-up.
  PassUndoKeysWhenBoxHasNone(this);
  panel_->FillLists();
  appliance_->LoadCatalogue(FindDataFile("corvanta.db"));
  Guarded([this] {
    appliance_->ShowFirstChoices();
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

void MainWindow::EditInPanel() {
  tabStrip_->setCurrentIndex(kAppliancePage);
  appliance_->FocusFirstInput();
}

void MainWindow::TabStrip1_Click(int index) {
  if (shownTab_ == kAppliancePage && index != kAppliancePage) {
    const bool edited = appliance_->HasUnstoredEdits();
    if (!editor_.SettlePendingEdits()) {
      const QSignalBlocker blocker(tabStrip_);
      tabStrip_->setCurrentIndex(kAppliancePage);
      return;
    }
    // What was stored or dropped is what the panel shows from here on.
    if (edited) editor_.ShowNode(editor_.NodeInView());
  }
  shownTab_ = index;
  if (index == kMaterialListPage) RefreshMaterialList();
}

void MainWindow::RefreshMaterialList() {
  QString text = QString::fromStdString(UpdateMaterialList(Document(), state_));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  txtMaterials_->setPlainText(text);
}

void MainWindow::ResetToNewProject() {
  SetCaption(QStringLiteral("CORVANTA Sizing Application - New Project"));
  network_->ClearTree();
  QTreeWidgetItem* gasSupply = network_->AddGasSupplyItem();
  editor_.NewProject();
  network_->ShowCalculatedValues();
  network_->ClickNode(gasSupply);
  editor_.StartHistory();
}

QTreeWidget* MainWindow::Tree() const noexcept { return tree_; }

void MainWindow::ReportError(const CvError& error) { cv::ui::ReportError(Messages(), error); }

void MainWindow::Guarded(const std::function<void()>& handler) { RunGuarded(Messages(), handler); }

bool MainWindow::Recalculate() {
  try {
    editor_.Calculate();
    return true;
  } catch (const CvError& e) {
    ReportError(e);
    return false;
  }
}

void MainWindow::SetCaption(const QString& caption) {
  // "[*]" is where the unsaved mark shows.
  setWindowTitle(caption.contains(QLatin1String("[*]")) ? caption
                                                        : caption + QStringLiteral("[*]"));
}

void MainWindow::ConfirmInStatusBar(const QString& text) { statusBar()->showMessage(text); }

void MainWindow::ShowFailedRunCount(int failed) {
  lblFailedRuns_->setText(failed == 0   ? QString()
                          : failed == 1 ? QStringLiteral("1 run could not be sized")
                                        : QStringLiteral("%1 runs could not be sized").arg(failed));
}

void MainWindow::ResultsChanged() {
  calculationPage_->Invalidate();
  diagramPage_->Invalidate();
  profilePage_->update();
}

void MainWindow::ConnectDiagram() {
  // A click on the diagram acts as a click on the node's tree item.
  const auto itemOf = [this](const QString& id) {
    QTreeWidgetItem* found = nullptr;
    for (QTreeWidgetItemIterator it(tree_); *it && !found; ++it)
      if (ItemId(*it) == id) found = *it;
    return found;
  };
  connect(diagramPage_->View(), &DiagramView::nodeClicked, this, [this, itemOf](const QString& id) {
    if (QTreeWidgetItem* item = itemOf(id)) tree_->setCurrentItem(item);
  });
  connect(profilePage_, &ProfilePage::nodeClicked, this, [this, itemOf](const QString& id) {
    if (QTreeWidgetItem* item = itemOf(id)) tree_->setCurrentItem(item);
  });
  connect(diagramPage_->View(), &DiagramView::nodeActivated, this, [this] { EditInPanel(); });
}

// Applying an option is a supply update: written, calculated and shown on the
// supply page as if the user had chosen it there.
void MainWindow::ApplySupplyOptionStep(const SupplyOption& option) {
  Guarded([&] {
    const QString name = QString::fromStdString(option.name);
    editor_.RecordEdit(QStringLiteral("Apply '%1'").arg(name), [&] {
      ApplySupplyOption(editor_.EditedProject(), option);
      SetUnitLabels();
      Recalculate();
      network_->ShowFirstNode();
    });
    if (showSupplyHook_) showSupplyHook_(SupplyPanelFromDocument(editor_.Doc()));
    ConfirmInStatusBar(QStringLiteral("Applied '%1'. Ctrl+Z takes it back.").arg(name));
  });
}

void MainWindow::SetUnitLabels() { appliance_->SetUnitLabels(); }

void MainWindow::closeEvent(QCloseEvent* event) {
  if (mayCloseHook_ ? !mayCloseHook_() : !editor_.SettlePendingEdits()) {
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace cv::ui
