#include "main_window_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSettings>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace cv::ui::test {

void MainWindowTest::SetUp() {
  QSettings().clear();
  window_ = std::make_unique<MainWindow>(seams);
  Wire(*window_, seams);
  ASSERT_TRUE(window_->StartUp());
}

QTreeWidgetItem* MainWindowTest::Item(const QString& text) {
  for (QTreeWidgetItemIterator it(window_->Tree()); *it; ++it)
    if ((*it)->text(0) == text) return *it;
  return nullptr;
}

QTreeWidgetItem* MainWindowTest::Add(QTreeWidgetItem* parent) {
  Click(parent);
  Find<QPushButton>("cmdAdd")->click();
  return window_->Network().SelectedItem();
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

QTreeWidgetItem* MainWindowTest::AddDevice(QTreeWidgetItem* parent, const QString& description,
                                           const QString& kind, const QString& load,
                                           const QString& length) {
  QTreeWidgetItem* item = Add(parent);
  Type("txtDescription", description);
  Choose("cboAppliance", kind);
  Type("txtLoad", load);
  Type("txtLength", length);
  PressUpdate();  // which keeps the item, as its handler goes on with it
  return item;
}

}  // namespace cv::ui::test
