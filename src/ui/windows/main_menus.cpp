// The menu bar and the tree's pop-up menu of the main window.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ui/tree/network_view.h"
#include "ui/windows/main_window.h"
#include "ui/windows/output_wiring.h"

namespace cv::ui {

void MainWindow::AddMenuAction(QMenu* menu, const QString& name, const QString& caption,
                               const QKeySequence& shortcut) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  actions_[name] = action;
}

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File        "));
  file->setObjectName(QStringLiteral("mnuFile"));
  AddMenuAction(file, QStringLiteral("New"), QStringLiteral("&New"), QKeySequence::New);
  AddMenuAction(file, QStringLiteral("Open"), QStringLiteral("&Open..."), QKeySequence::Open);
  file->addSeparator()->setObjectName(QStringLiteral("Sep1"));
  AddMenuAction(file, QStringLiteral("ExportCalculations"),
                QStringLiteral("Export &Calculations..."));
  AddMenuAction(file, QStringLiteral("ExportDiagram"), QStringLiteral("Export &Diagram\u2026"));
  file->addSeparator()->setObjectName(QStringLiteral("Sep"));
  AddMenuAction(file, QStringLiteral("Save"), QStringLiteral("&Save"), QKeySequence::Save);
  AddMenuAction(file, QStringLiteral("SaveAs"), QStringLiteral("Save &As..."),
                QKeySequence(QStringLiteral("Ctrl+Shift+S")));
  file->addSeparator()->setObjectName(QStringLiteral("Sep2"));
  QMenu* print = file->addMenu(QStringLiteral("&Print"));
  print->setObjectName(QStringLiteral("Print"));
  AddMenuAction(print, QStringLiteral("PrintProject"), QStringLiteral("&Entire Project"),
                QKeySequence::Print);
  AddMenuAction(print, QStringLiteral("PrintDesignLayout"), QStringLiteral("Design &Layout"));
  AddMenuAction(print, QStringLiteral("PrintMaterialList"), QStringLiteral("&Material List"));
  AddMenuAction(print, QStringLiteral("PrintCalculations"), QStringLiteral("&Calculations"));
  AddMenuAction(print, QStringLiteral("PrintDiagram"), QStringLiteral("&Diagram"));
  AddMenuAction(print, QStringLiteral("PrintProfile"), QStringLiteral("Pressure &Profile"));
  print->addSeparator();
  AddMenuAction(print, QStringLiteral("PrintSetup"), QStringLiteral("P&rint Setup..."));
  file->addSeparator()->setObjectName(QStringLiteral("Sep3"));
  AddMenuAction(file, QStringLiteral("Exit"), QStringLiteral("E&xit"));

  BuildEditMenu();
  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  AddMenuAction(help, QStringLiteral("Howto"), QStringLiteral("&How to use"),
                QKeySequence(Qt::Key_F1));
  help->addSeparator()->setObjectName(QStringLiteral("Sep4"));
  AddMenuAction(help, QStringLiteral("About"), QStringLiteral("&About"));

  mnuTreeClick_ = new QMenu(this);
  mnuTreeClick_->setObjectName(QStringLiteral("mnuTreeClick"));
  AddMenuAction(mnuTreeClick_, QStringLiteral("mnuTreeClickAddNewAppliance"),
                QStringLiteral("&Add New Appliance"));
  AddMenuAction(mnuTreeClick_, QStringLiteral("mnuTreeClickRemoveAppliance"),
                QStringLiteral("&Remove Appliance"));
}

QAction* MainWindow::MenuAction(const QString& name) const {
  auto found = actions_.find(name);
  return found != actions_.end() ? found->second : nullptr;
}

void MainWindow::NotAvailableYet(const QString& what) {
  Messages().Show(
      {(what + QStringLiteral(" is not available yet.")).toStdString(), "", MessageButtons::Ok});
}

// Entries whose commands another controller provides say so until that
// controller replaces the connection (it disconnects triggered and connects
// its own handler).
void MainWindow::ConnectMenuActions() {
  const std::pair<const char*, const char*> pending[] = {
      {"New", "New"},
      {"Open", "Open"},
      {"Save", "Save"},
      {"SaveAs", "Save As"},
      {"PrintProject", "Printing"},
      {"PrintDesignLayout", "Printing"},
      {"PrintMaterialList", "Printing"},
      {"PrintCalculations", "Printing"},
      {"PrintDiagram", "Printing"},
      {"PrintProfile", "Printing"},
      {"PrintSetup", "Print Setup"},
      {"Howto", "Help"},
      {"About", "About"},
  };
  for (const auto& [name, what] : pending) {
    const QString caption = QString::fromLatin1(what);
    connect(MenuAction(QString::fromLatin1(name)), &QAction::triggered, this,
            [this, caption] { NotAvailableYet(caption); });
  }
  ConnectExportCommands(*this);
  connect(MenuAction(QStringLiteral("Exit")), &QAction::triggered, this, [this] { close(); });
  connect(MenuAction(QStringLiteral("mnuTreeClickAddNewAppliance")), &QAction::triggered, this,
          [this] { Guarded([this] { network_->AddToSelected(); }); });
  connect(MenuAction(QStringLiteral("mnuTreeClickRemoveAppliance")), &QAction::triggered, this,
          [this] { Guarded([this] { network_->RemoveSelected(); }); });
}

}  // namespace cv::ui
