// Every change is made in the project first, then shown in the tree, and
// every change recalculates the network.
#include "ui/tree/network_view.h"

#include <QSet>
#include <QTreeWidgetItemIterator>

#include "core/messages.h"
#include "edit/placement_rules.h"
#include "project/document.h"
#include "ui/editor/project_editor.h"
#include "ui/seams/guarded.h"
#include "ui/tree/edit_notes.h"
#include "ui/tree/network_tree.h"
#include "ui/tree/tree_items.h"

namespace cv::ui {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The branches to expand when a step is shown again: each item there now
// keeps the state the user gave it; only the nodes the step brings back
// take theirs from the step.
QStringList ExpansionAfterRestore(QTreeWidget* tree, const std::vector<std::string>& kept) {
  QSet<QString> present;
  QStringList ids;
  for (QTreeWidgetItemIterator it(tree); *it; ++it) {
    present.insert(ItemId(*it));
    if ((*it)->isExpanded()) ids.append(ItemId(*it));
  }
  for (const std::string& id : kept)
    if (!present.contains(Text(id))) ids.append(Text(id));
  return ids;
}

}  // namespace

NetworkView::NetworkView(NetworkTree* tree, ProjectEditor& editor, MessageSink& messages,
                         QObject* parent)
    : QObject(parent), tree_(tree), editor_(editor), messages_(messages) {
  Connect();
}

void NetworkView::Guarded(const std::function<void()>& handler) { RunGuarded(messages_, handler); }

void NetworkView::Calculate() { editor_.Calculate(); }

pugi::xml_node NetworkView::NodeOfItem(const QTreeWidgetItem* item) const {
  return ConvertTreeviewNodeToXMLNode(editor_.Doc(), item);
}

pugi::xml_node NetworkView::ElementOfItem(const QTreeWidgetItem* item) const {
  return IsGasSupplyItem(item) ? ProjectRoot(editor_.Doc()) : NodeOfItem(item);
}

QTreeWidgetItem* NetworkView::ItemOfElement(pugi::xml_node element) const {
  if (!element) return nullptr;
  if (element == ProjectRoot(editor_.Doc())) return GasSupplyItem();
  const QString id = Text(NodeId(element));
  for (QTreeWidgetItemIterator it(tree_); *it; ++it)
    if (ItemId(*it) == id) return *it;
  return nullptr;
}

QTreeWidgetItem* NetworkView::GasSupplyItem() const { return tree_->topLevelItem(0); }

QTreeWidgetItem* NetworkView::SelectedItem() const { return tree_->currentItem(); }

QTreeWidgetItem* NetworkView::ShownItem() const {
  const pugi::xml_node node = editor_.NodeInView();
  return node ? ItemOfElement(node) : GasSupplyItem();
}

void NetworkView::SelectQuietly(QTreeWidgetItem* item) {
  const bool suppressed = followSuppressed_;
  followSuppressed_ = true;
  tree_->setCurrentItem(item);
  followSuppressed_ = suppressed;
}

void NetworkView::ClickNode(QTreeWidgetItem* item) {
  if (!item) return;
  SelectQuietly(item);
  if (IsGasSupplyItem(item)) {
    editor_.ShowNode({});
  } else if (const pugi::xml_node node = NodeOfItem(item)) {
    editor_.ShowNode(node);
  } else {
    tree_->SetDropHighlight(item);
  }
}

void NetworkView::Shown(pugi::xml_node node) {
  QTreeWidgetItem* item = node ? ItemOfElement(node) : GasSupplyItem();
  if (!item) return;
  SelectQuietly(item);
  tree_->SetDropHighlight(item);
}

void NetworkView::FollowCurrentItem(QTreeWidgetItem* current) {
  // During a drag the current item is the highlight under the pointer; the
  // drag's end decides what is shown.
  if (followSuppressed_ || tree_->Dragging() || !current) return;
  if (current == ShownItem()) return;
  bool goOn = false;
  Guarded([&] { goOn = editor_.SettlePendingEdits(); });
  if (!goOn) {
    SelectQuietly(ShownItem());
    return;
  }
  ClickNode(current);
}

void NetworkView::ClearTree() {
  // No view may hold a node whose item is gone.
  editor_.ForgetNodeInView();
  tree_->RemoveAllItems();
}

QTreeWidgetItem* NetworkView::AddGasSupplyItem() {
  return tree_->AddItem(nullptr, kGasSupplyKey, kGasSupplyCaption, kLogoImage);
}

QTreeWidgetItem* NetworkView::AddNodeItem(pugi::xml_node node, QTreeWidgetItem* parentItem) {
  const QString text = Text(FieldText(node, "description"));
  // Every kind has its own picture; only the gas supply shows the logo.
  const QString image = Text(FieldText(node, "appliance"));
  return tree_->AddItem(parentItem, Text(NodeId(node)) + QLatin1Char(' ') + text, text, image);
}

void NetworkView::AddChildren(pugi::xml_node element, QTreeWidgetItem* parentItem) {
  for (pugi::xml_node child : element.children()) {
    if (child.type() != pugi::node_element || !child.first_child()) continue;
    if (QString::fromUtf8(child.name()).compare(QLatin1String("systemnode"), Qt::CaseInsensitive) !=
        0)
      continue;
    AddChildren(child, AddNodeItem(child, parentItem));
  }
}

void NetworkView::BuildTreeFromDocument() {
  ClearTree();
  QTreeWidgetItem* gasSupply = AddGasSupplyItem();
  AddChildren(ProjectRoot(editor_.Doc()), gasSupply);
  gasSupply->setExpanded(true);
  ShowCalculatedValues();
}

QStringList NetworkView::ExpandedIds() const {
  QStringList ids;
  for (QTreeWidgetItemIterator it(tree_); *it; ++it)
    if ((*it)->isExpanded()) ids.append(ItemId(*it));
  return ids;
}

void NetworkView::RebuildTree(const QStringList& expandedIds, pugi::xml_node shown) {
  const QSet<QString> expanded(expandedIds.begin(), expandedIds.end());
  followSuppressed_ = true;
  tree_->setUpdatesEnabled(false);
  BuildTreeFromDocument();
  for (QTreeWidgetItemIterator it(tree_); *it; ++it)
    if (expanded.contains(ItemId(*it))) (*it)->setExpanded(true);
  tree_->setUpdatesEnabled(true);
  followSuppressed_ = false;
  QTreeWidgetItem* item = ItemOfElement(shown);
  ClickNode(item ? item : GasSupplyItem());
  tree_->scrollToItem(SelectedItem());
}

void NetworkView::ShowRestored(const ProjectView& view) {
  const pugi::xml_document& doc = editor_.Doc();
  RebuildTree(ExpansionAfterRestore(tree_, view.expandedIds),
              view.shownId.empty() ? ProjectRoot(doc) : FindSystemNodeById(doc, view.shownId));
}

void NetworkView::ShowEdited(pugi::xml_node node) {
  QTreeWidgetItem* item = ItemOfElement(node);
  if (!item || IsGasSupplyItem(item)) return;
  const QString description = Text(FieldText(node, "description"));
  SetItemKey(item, Text(NodeId(node)) + QLatin1Char(' ') + description);
  item->setText(0, description);
  SetItemImage(item, Text(FieldText(node, "appliance")));
}

QTreeWidgetItem* NetworkView::AddNode(QTreeWidgetItem* parentItem) {
  if (!parentItem) return nullptr;
  const pugi::xml_node node = editor_.EditedProject().AddRun(ElementOfItem(parentItem));
  if (!node) return nullptr;
  QTreeWidgetItem* item =
      tree_->AddItem(parentItem, Text(NodeId(node)) + QStringLiteral(" New Appliance"),
                     QStringLiteral("New Appliance"), kNewNodeImage);
  parentItem->setExpanded(true);
  Calculate();
  ClickNode(item);
  tree_->scrollToItem(item);
  emit nodeAdded();
  return item;
}

void NetworkView::RemoveNode(QTreeWidgetItem* item) {
  WithContext("modTreeFunctions.RemoveNode", [&] {
    if (!item || IsGasSupplyItem(item)) return;
    pugi::xml_node node = NodeOfItem(item);
    if (!node) return;
    // No view may hold a node that is gone.
    if (IsSameOrBelow(editor_.NodeInView(), node)) editor_.ForgetNodeInView();
    editor_.EditedProject().RemoveRun(node);
    Calculate();
    ClickNode(item->parent());
    delete item;
  });
}

void NetworkView::AddToSelected() {
  editor_.RecordEdit(QStringLiteral("Add 'New Appliance'"), [this] { AddNode(SelectedItem()); });
}

void NetworkView::RemoveSelected() {
  QTreeWidgetItem* item = SelectedItem();
  pugi::xml_node node = NodeOfItem(item);
  if (!node) return;
  const std::string name = FieldText(node, "description");
  const std::size_t below = CountNodesBelow(node);
  editor_.RecordEdit(QStringLiteral("Remove '%1'").arg(Text(name)), [&] { RemoveNode(item); });
  emit statusText(Text(RemovalNote(name, below)));
}

}  // namespace cv::ui
