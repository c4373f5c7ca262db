#include "ui/windows/output_wiring.h"

#include <QAction>
#include <QPlainTextEdit>

#include "ui/output/export_commands.h"
#include "ui/output/print_commands.h"
#include "ui/results/profile_page.h"
#include "ui/seams/guarded.h"
#include "ui/windows/main_window.h"

namespace cv::ui {

OutputContext OutputContextOf(MainWindow& window) {
  OutputContext context;
  context.window = &window;
  context.seams = window.GetSeams();
  context.editor = &window.Editor();
  context.profilePage = window.Profile();
  context.materialList = [&window] {
    window.RefreshMaterialList();
    return window.MaterialsText()->toPlainText().toUtf8().toStdString();
  };
  context.confirm = [&window](const QString& text) { window.ConfirmInStatusBar(text); };
  return context;
}

void ConnectExportCommands(MainWindow& window) {
  QObject::connect(window.MenuAction(QStringLiteral("ExportCalculations")), &QAction::triggered,
                   &window, [&window] { ExportCalculations(OutputContextOf(window)); });
  const auto guarded = [&window](void (*command)(const OutputContext&)) {
    return [&window, command] {
      const OutputContext context = OutputContextOf(window);
      RunGuarded(*context.seams.messages, [&] { command(context); });
    };
  };
  QObject::connect(window.MenuAction(QStringLiteral("ExportDiagram")), &QAction::triggered, &window,
                   guarded(&ExportDiagram));
  QAction* exportProfile = window.MenuAction(QStringLiteral("ExportProfile"));
  QObject::connect(exportProfile, &QAction::triggered, &window, guarded(&ExportProfile));
  QObject::connect(window.Profile(), &ProfilePage::exportRequested, exportProfile,
                   &QAction::trigger);
}

void AttachPrintCommands(MainWindow& window) { new PrintCommands(OutputContextOf(window)); }

}  // namespace cv::ui
