#include "main_window_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "project/document.h"
#include "ui/tree/tree_items.h"

namespace cv::ui::test {

void MainWindowTest::SetUp() {
  QSettings().clear();
  window_ = std::make_unique<MainWindow>(seams);
  Wire(*window_, seams);
  ASSERT_TRUE(window_->StartUp());
}

void MainWindowTest::TearDown() { window_.reset(); }

QTreeWidgetItem* MainWindowTest::Item(const QString& text) {
  for (QTreeWidgetItemIterator it(window_->Tree()); *it; ++it)
    if ((*it)->text(0) == text) return *it;
  return nullptr;
}

QTreeWidgetItem* MainWindowTest::GasSupply() { return window_->GasSupplyItem(); }

void MainWindowTest::Click(QTreeWidgetItem* item) { window_->TreeView1_NodeClick(item); }

QTreeWidgetItem* MainWindowTest::Add(QTreeWidgetItem* parent) {
  Click(parent);
  Find<QPushButton>("cmdAdd")->click();
  return window_->SelectedItem();
}

void MainWindowTest::Choose(const char* listName, const QString& text) {
  auto* list = Find<QComboBox>(listName);
  const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  ASSERT_GE(index, 0) << "no entry " << text.toStdString() << " in " << listName;
  list->setCurrentIndex(index);
  emit list->activated(index);
}

void MainWindowTest::Type(const char* boxName, const QString& text) {
  auto* box = Find<QLineEdit>(boxName);
  box->setText(text);
  box->setModified(true);  // as typing does
}

void MainWindowTest::PressUpdate() { Find<QPushButton>("cmdUpdate")->click(); }

QTreeWidgetItem* MainWindowTest::AddDevice(QTreeWidgetItem* parent, const QString& description,
                                           const QString& kind, const QString& load,
                                           const QString& length) {
  QTreeWidgetItem* item = Add(parent);
  const std::string id = ItemId(item).toStdString();
  Type("txtDescription", description);
  Choose("cboAppliance", kind);
  Type("txtLoad", load);
  Type("txtLength", length);
  PressUpdate();
  // The update rebuilt nothing, but find the item again by its id to be safe.
  for (QTreeWidgetItemIterator it(window_->Tree()); *it; ++it)
    if (ItemId(*it).toStdString() == id) return *it;
  return nullptr;
}

pugi::xml_node MainWindowTest::Node(QTreeWidgetItem* item) { return window_->NodeOfItem(item); }

std::string MainWindowTest::Field(QTreeWidgetItem* item, const char* name) {
  return FieldText(Node(item), name);
}

}  // namespace cv::ui::test
