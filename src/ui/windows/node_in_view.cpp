// One node in view: the panel, Update and every command that acts on "the
// node" act on the tree's current item, and the panel always shows it. The
// panel follows every change of the current item (click, keys, removal,
// undo...); leaving a node whose panel holds edits not stored asks first.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidgetItemIterator>

#include "project/document.h"
#include "ui/panels/appliance_panel.h"
#include "ui/tree/network_tree.h"
#include "ui/tree/tree_items.h"
#include "ui/windows/main_window.h"

namespace cv::ui {
namespace {

std::string Text(const QComboBox* list) { return list->currentText().toStdString(); }

}  // namespace

QTreeWidgetItem* MainWindow::ItemOfElement(pugi::xml_node element) const {
  if (!element) return nullptr;
  if (element == ProjectRoot(document_)) return GasSupplyItem();
  const QString id = QString::fromStdString(NodeId(element));
  for (QTreeWidgetItemIterator it(tree_); *it; ++it)
    if (ItemId(*it) == id) return *it;
  return nullptr;
}

QTreeWidgetItem* MainWindow::ShownItem() const {
  return currentNode_ ? ItemOfElement(currentNode_) : GasSupplyItem();
}

void MainWindow::SelectQuietly(QTreeWidgetItem* item) {
  const bool suppressed = followSuppressed_;
  followSuppressed_ = true;
  tree_->setCurrentItem(item);
  followSuppressed_ = suppressed;
}

void MainWindow::ClickNode(QTreeWidgetItem* item) {
  if (!item) return;
  SelectQuietly(item);
  ShowItem(item);
}

bool MainWindow::PanelHasUnstoredEdits() const {
  if (!currentNode_) return false;
  const AppliancePanel& p = *panel_;
  if (p.txtDescription->isModified() || p.txtLoad->isModified() || p.txtLength->isModified())
    return true;
  const std::string kind = Text(p.cboAppliance);
  const bool fixed = p.chkFixedSize->isChecked();
  return kind != FieldText(currentNode_, "appliance") ||
         Text(p.cboMaterial) != FieldText(currentNode_, "material") ||
         fixed != IsSizeFixed(currentNode_) ||
         (fixed && Text(p.cboMaterialSize) != FieldText(currentNode_, "materialSize")) ||
         (kind == "EFV" && Text(p.cboEFV) != FieldText(currentNode_, "ModelNumber"));
}

bool MainWindow::ResolvePendingPanelEdits() {
  if (!PanelHasUnstoredEdits()) return true;
  QTreeWidgetItem* shown = ShownItem();
  if (!shown) return true;
  const std::string question =
      "Apply the changes to '" + FieldText(currentNode_, "description") + "'?";
  switch (Messages().Show({question, "", MessageButtons::YesNoCancel, MessageIcon::Exclamation})) {
    case MessageAnswer::Cancel:
      return false;
    case MessageAnswer::Yes:
      return StorePanel(shown);
    default:
      return true;
  }
}

void MainWindow::FollowCurrentItem(QTreeWidgetItem* current) {
  // During a drag the current item is the highlight under the pointer; the
  // drag's end decides what is shown.
  if (followSuppressed_ || tree_->Dragging() || !current) return;
  if (current == ShownItem()) return;
  bool goOn = false;
  Guarded([&] { goOn = ResolvePendingPanelEdits(); });
  if (!goOn) {
    SelectQuietly(ShownItem());
    return;
  }
  ShowItem(current);
}

void MainWindow::AfterDrag(QTreeWidgetItem* dragged) {
  QTreeWidgetItem* item = ItemOfElement(dropChoice_);
  dropChoice_ = {};
  if (!item) item = dragged ? dragged : ShownItem();
  ClickNode(item ? item : GasSupplyItem());
}

void MainWindow::TabStrip1_Click(int index) {
  if (shownTab_ == kAppliancePage && index != kAppliancePage) {
    const bool edited = PanelHasUnstoredEdits();
    if (!ResolvePendingPanelEdits()) {
      const QSignalBlocker blocker(tabStrip_);
      tabStrip_->setCurrentIndex(kAppliancePage);
      return;
    }
    // What was stored or dropped is what the panel shows from here on.
    if (edited) ClickNode(ShownItem());
  }
  shownTab_ = index;
  if (index == kMaterialListPage) RefreshMaterialList();
}

}  // namespace cv::ui
