// The tree view of the project: builds the tree from the document and keeps
// it in step with the project editor. Adding, removing and moving runs go
// through the editor's history; the tree follows the node in view and shows
// each result in its columns and tool tips.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <pugixml.hpp>

#include "edit/edit_history.h"

class QMenu;
class QPoint;
class QTreeWidgetItem;

namespace cv {
class MessageSink;
}

namespace cv::ui {

class NetworkTree;
class ProjectEditor;

class NetworkView : public QObject {
  Q_OBJECT

 public:
  NetworkView(NetworkTree* tree, ProjectEditor& editor, MessageSink& messages,
              QObject* parent = nullptr);

  NetworkTree* Tree() const noexcept { return tree_; }
  // The tree's pop-up menu (right click).
  void SetPopupMenu(QMenu* menu) noexcept { popup_ = menu; }

  QTreeWidgetItem* GasSupplyItem() const;
  QTreeWidgetItem* SelectedItem() const;
  // The item of the node in view (the gas supply when none).
  QTreeWidgetItem* ShownItem() const;
  // The item of a document element (the gas supply for the root), or null.
  QTreeWidgetItem* ItemOfElement(pugi::xml_node element) const;
  // The document node a tree item stands for (empty for the gas supply).
  pugi::xml_node NodeOfItem(const QTreeWidgetItem* item) const;
  // The element an item stands for: the root for the gas supply.
  pugi::xml_node ElementOfItem(const QTreeWidgetItem* item) const;

  // Selects the item and shows its node in every view (no question asked).
  void ClickNode(QTreeWidgetItem* item);
  void ShowFirstNode() { ClickNode(GasSupplyItem()); }
  // Rebuilds the tree from the document; only the gas supply is expanded
  // (the node in view is shown again by the caller).
  void BuildTreeFromDocument();
  void ClearTree();
  QTreeWidgetItem* AddGasSupplyItem();
  // Puts the result into the columns, marks and tool tips.
  void ShowCalculatedValues();
  // A step undone or redone: the tree is built again with the branches
  // expanded that the user left so and those the step kept.
  void ShowRestored(const ProjectView& view);

  // The commands: "Add New Device", "Remove Device" on the selected item.
  void AddToSelected();
  void RemoveSelected();
  // A drag ended with a drop of dragged onto target (both items of the
  // tree): the move is made when the rules allow it.
  void Drop(QTreeWidgetItem* dragged, QTreeWidgetItem* target);

 signals:
  // A node was added: its description is to be typed.
  void nodeAdded();
  void statusText(const QString& text);
  // The columns show a new result; failed runs could not be sized.
  void valuesShown(int failed);

 private:
  void Guarded(const std::function<void()>& handler);
  // Adds a node below the item; returns the new item (nullptr: nothing
  // added).
  QTreeWidgetItem* AddNode(QTreeWidgetItem* parentItem);
  void MouseUp(Qt::MouseButton button, const QPoint& pos);
  // The middle-click box of the node in view.
  void ShowPressureDropInformation();
  void Calculate();
  void RemoveNode(QTreeWidgetItem* item);
  // Moves the dragged node with its subtree below the target when the drop
  // rules allow it; false when nothing moved.
  bool MoveNode(QTreeWidgetItem* dragged, QTreeWidgetItem* target);
  void DropDecided(QTreeWidgetItem* dragged, QTreeWidgetItem* target);
  void AfterDrag(QTreeWidgetItem* dragged);
  void FollowCurrentItem(QTreeWidgetItem* current);
  void SelectQuietly(QTreeWidgetItem* item);
  void Shown(pugi::xml_node node);
  void ShowEdited(pugi::xml_node node);
  void AddChildren(pugi::xml_node node, QTreeWidgetItem* parentItem);
  QTreeWidgetItem* AddNodeItem(pugi::xml_node node, QTreeWidgetItem* parentItem);
  QStringList ExpandedIds() const;
  // Rebuilds the tree, expands the items of those ids and shows the node.
  void RebuildTree(const QStringList& expandedIds, pugi::xml_node shown);
  QString ItemToolTip(const QTreeWidgetItem* item) const;
  void Connect();

  NetworkTree* tree_;
  ProjectEditor& editor_;
  MessageSink& messages_;
  QMenu* popup_ = nullptr;
  // Set while the view itself moves the selection: the node in view
  // follows the tree's current item only when anything else moves it.
  bool followSuppressed_ = false;
  // What a drop decided the tree shows when the drag ends.
  pugi::xml_node dropChoice_;
};

}  // namespace cv::ui
