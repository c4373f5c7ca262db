// The tree's events: the current item followed, mouse-up (pop-up menu,
// information box), the drop, and the result shown in the columns.
#include <QMenu>
#include <QTreeWidgetItemIterator>
#include <unordered_map>

#include "core/messages.h"
#include "edit/placement_rules.h"
#include "project/document.h"
#include "reports/pressure_readings.h"
#include "sizing/carried_loads.h"
#include "sizing/pressure_drop.h"
#include "sizing/stored_drops.h"
#include "sizing/units.h"
#include "ui/editor/project_editor.h"
#include "ui/seams/guarded.h"
#include "ui/tree/network_tree.h"
#include "ui/tree/network_view.h"
#include "ui/tree/result_columns.h"
#include "ui/tree/tree_items.h"
#include "ui/tree/tree_reading.h"

namespace cv::ui {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void NetworkView::Connect() {
  // The node in view follows the tree's current item, whatever moved it.
  connect(tree_, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* current) { Guarded([&] { FollowCurrentItem(current); }); });
  connect(tree_, &NetworkTree::mouseUp, this, [this](Qt::MouseButton button, const QPoint& pos) {
    Guarded([&] { MouseUp(button, pos); });
  });
  connect(tree_, &NetworkTree::dropped, this, &NetworkView::Drop);
  connect(tree_, &NetworkTree::dragFinished, this,
          [this](QTreeWidgetItem* dragged) { Guarded([&] { AfterDrag(dragged); }); });
  connect(tree_, &NetworkTree::removeRequested, this,
          [this] { Guarded([this] { RemoveSelected(); }); });
  connect(tree_, &NetworkTree::addRequested, this,
          [this] { Guarded([this] { AddToSelected(); }); });
  tree_->SetToolTipSource([this](const QTreeWidgetItem* item) { return ItemToolTip(item); });
  connect(&editor_, &ProjectEditor::nodeShown, this, &NetworkView::Shown);
  connect(&editor_, &ProjectEditor::nodeEdited, this, &NetworkView::ShowEdited);
  connect(&editor_, &ProjectEditor::resultChanged, this, &NetworkView::ShowCalculatedValues);
  editor_.SetViewKeeper([this](ProjectView& view) {
    for (const QString& id : ExpandedIds()) view.expandedIds.push_back(id.toStdString());
  });
}

void NetworkView::MouseUp(Qt::MouseButton button, const QPoint& pos) {
  if (button == Qt::RightButton) {
    // The menu acts on the item under the pointer: it is selected (and
    // shown) first, unless the user cancels leaving the node shown.
    QTreeWidgetItem* item = tree_->itemAt(pos);
    tree_->SetDragNode(item);
    if (item) tree_->setCurrentItem(item);
    if (item && SelectedItem() != item) return;
    if (popup_) popup_->popup(tree_->viewport()->mapToGlobal(pos));
    return;
  }
  tree_->SetDropHighlight(SelectedItem());
  if (button == Qt::MiddleButton && editor_.NodeInView()) ShowPressureDropInformation();
}

void NetworkView::ShowPressureDropInformation() {
  if (!editor_.NodeInView()) return;
  // Worked out on a copy: the drop to the source rewrites the pressures on
  // its path, and looking at a box must not change the project behind the
  // undo history's back.
  pugi::xml_document copy;
  copy.reset(editor_.Doc());
  const pugi::xml_node node = FindSystemNodeById(copy, NodeId(editor_.NodeInView()));
  const CarriedLoads carried(copy);
  CalcContext ctx{editor_.State().EFVCollection, ProjectRoot(copy)};
  ctx.carried = &carried;
  const double fromParent = PressureDropToSource(node, true, ctx);
  const double fromSource = PressureDropToSource(node, false, ctx);
  const Project& project = editor_.EditedProject();
  const PressureUnit unit = RunPressureUnit(node, project.UnitSystem(), project.IsDualSystem());
  auto shown = [&](double drop) {
    return PressureReading(drop, unit) + " " + std::string(PressureUnitCaption(unit));
  };
  const std::string name = SelectedItem() ? SelectedItem()->text(0).toStdString() : "";
  const std::string text = "Pressure drop from parent to " + name + " = " + shown(fromParent) +
                           "\n\nPressure drop from gas source to " + name + " = " +
                           shown(fromSource) +
                           "\n\n(Gas source is either the gas supply or a regulator)\n";
  messages_.Show({text, "Pressure Drop Information", MessageButtons::Ok, MessageIcon::Information});
}

void NetworkView::Drop(QTreeWidgetItem* dragged, QTreeWidgetItem* target) {
  try {
    DropDecided(dragged, target);
  } catch (const CvError& e) {
    ReportError(messages_, e);
  }
}

void NetworkView::DropDecided(QTreeWidgetItem* dragged, QTreeWidgetItem* target) {
  const pugi::xml_node node = NodeOfItem(dragged);
  const EditOutcome check = editor_.EditedProject().CheckMove(node, ElementOfItem(target));
  // A refused drop ends on its target (unless the refusal says otherwise);
  // a move on the moved node.
  dropChoice_ = check.showTarget ? ElementOfItem(target) : pugi::xml_node();
  if (check.status == EditStatus::Refused) messages_.Show(check.message);
  if (check.status != EditStatus::Done) return;
  editor_.RecordEdit(QStringLiteral("Move '%1'").arg(dragged->text(0)), [&] {
    if (MoveNode(dragged, target)) dropChoice_ = node;
  });
}

bool NetworkView::MoveNode(QTreeWidgetItem* dragged, QTreeWidgetItem* target) {
  bool moved = false;
  pugi::xml_node node;
  const QStringList expanded = ExpandedIds();
  try {
    if (ItemKey(dragged).isEmpty() || ItemKey(target).isEmpty()) return false;
    node = NodeOfItem(dragged);
    const EditOutcome outcome = editor_.EditedProject().MoveRun(node, ElementOfItem(target));
    if (outcome.status == EditStatus::Refused) messages_.Show(outcome.message);
    if (outcome.status != EditStatus::Done) return false;
    moved = true;
    Calculate();
  } catch (const CvError& e) {
    messages_.Show(
        {"MoveNode - Error #" + std::to_string(e.number()) + "\n" + e.description() + "\n", "",
         MessageButtons::Ok});
  }
  // Once the document has changed the tree shows it, even after a failed
  // calculation, with the same items expanded and the moved node shown.
  if (moved) Guarded([&] { RebuildTree(expanded, node); });
  return moved;
}

void NetworkView::AfterDrag(QTreeWidgetItem* dragged) {
  QTreeWidgetItem* item = ItemOfElement(dropChoice_);
  dropChoice_ = {};
  if (!item) item = dragged ? dragged : ShownItem();
  ClickNode(item ? item : GasSupplyItem());
}

void NetworkView::ShowCalculatedValues() {
  const pugi::xml_document& doc = editor_.Doc();
  // One walk of the document and one of the tree: each item finds its node
  // (the first of its id, as NodeOfItem) in the table of ids.
  std::unordered_map<QString, std::pair<pugi::xml_node, double>> runs;
  for (const auto& [node, drop] : StoredDropsFromSource(doc))
    runs.try_emplace(QString::fromUtf8(node.first_attribute().value()), node, drop);
  std::unordered_map<QString, QString> failures;
  for (const RunResult& run : editor_.Result().runs)
    if (run.status != RunStatus::Sized) failures.try_emplace(Text(run.id), Text(run.message));
  const CarriedLoads carried(doc);
  const ComputedPressures computed(doc);
  const std::string units = editor_.EditedProject().UnitSystem();
  const bool dual = editor_.EditedProject().IsDualSystem();
  tree_->setHeaderLabels(TreeColumnHeaders(units));
  int failed = 0;
  for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
    QTreeWidgetItem* item = *it;
    if (IsGasSupplyItem(item)) {
      ShowSupplyResults(item, ProjectRoot(doc), units);
      continue;
    }
    const QString id = ItemId(item);
    const auto run = runs.find(id);
    if (run != runs.end())
      ShowRunResults(item, run->second.first, carried.TextOf(run->second.first), run->second.second,
                     units, dual, computed.Of(run->second.first));
    const auto failure = failures.find(id);
    MarkSizingFailure(item, failure != failures.end() ? failure->second : QString());
    if (run != runs.end()) ShowReading(item, run->second.first, units, dual);
    failed += failure != failures.end() ? 1 : 0;
  }
  emit valuesShown(failed);
}

QString NetworkView::ItemToolTip(const QTreeWidgetItem* item) const {
  const QString failure = SizingFailureOf(item);
  if (!failure.isEmpty()) return failure;
  const pugi::xml_node node = NodeOfItem(item);
  const Project& project = editor_.EditedProject();
  return node ? Text(RunSummary(node, project.UnitSystem(), project.IsDualSystem())) : QString();
}

}  // namespace cv::ui
