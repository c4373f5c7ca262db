// A main window with scripted seams, started as the program starts it, and
// helpers that drive its real widgets the way a user does.
#pragma once

#include <gtest/gtest.h>

#include <QPushButton>
#include <QString>
#include <QTreeWidgetItem>
#include <memory>

#include "project/document.h"
#include "scripted_seams.h"
#include "ui/tree/network_view.h"
#include "ui/windows/main_window.h"

namespace cv::ui::test {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override { window_.reset(); }
  // Attaches controllers before the start-up; none by default.
  virtual void Wire(MainWindow&, Seams&) {}

  MainWindow& Window() { return *window_; }
  pugi::xml_document& Doc() { return window_->Document(); }
  ProgramState& State() { return window_->State(); }

  // The child widget of that objectName; fails the test when there is none.
  template <typename T>
  T* Find(const char* name) {
    T* widget = window_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << "no widget " << name;
    return widget;
  }

  // The tree item with this text (the first in tree order), or nullptr.
  QTreeWidgetItem* Item(const QString& text);
  QTreeWidgetItem* GasSupply() { return window_->Network().GasSupplyItem(); }
  // Clicks an item as the user does (node click with the load-box rule).
  void Click(QTreeWidgetItem* item) { window_->Network().ClickNode(item); }
  // Selects the parent and presses "Add New Device"; returns the new item.
  QTreeWidgetItem* Add(QTreeWidgetItem* parent);
  // Chooses a list entry as the user does (the handler runs once).
  void Choose(const char* listName, const QString& text);
  void Type(const char* boxName, const QString& text);
  void PressUpdate() { Find<QPushButton>("cmdUpdate")->click(); }
  // Adds a node below parent and updates it with description, kind, load
  // and length; returns its item.
  QTreeWidgetItem* AddDevice(QTreeWidgetItem* parent, const QString& description,
                             const QString& kind, const QString& load = QStringLiteral("0"),
                             const QString& length = QStringLiteral("10"));
  pugi::xml_node Node(QTreeWidgetItem* item) { return window_->Network().NodeOfItem(item); }
  std::string Field(QTreeWidgetItem* item, const char* name) { return FieldText(Node(item), name); }

  ScriptedMessageSink messages;
  ScriptedFileDialogs files;
  ScriptedPrinterDialogs printers;
  Seams seams{&messages, &files, &printers};

 private:
  std::unique_ptr<MainWindow> window_;
};

}  // namespace cv::ui::test
