#include "ui/windows/output_wiring.h"

#include <QAction>
#include <QPlainTextEdit>

#include "ui/output/export_commands.h"
#include "ui/output/print_commands.h"
#include "ui/seams/guarded.h"
#include "ui/windows/main_window.h"

namespace cv::ui {

OutputContext OutputContextOf(MainWindow& window) {
  OutputContext context;
  context.window = &window;
  context.seams = window.GetSeams();
  context.document = [&window]() -> const pugi::xml_document& { return window.Document(); };
  context.result = [&window]() -> const CalcResult& { return window.Result(); };
  context.projectPath = [&window] { return window.State().ProjectPath; };
  context.shownNode = [&window] { return window.CurrentSystemNode(); };
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
  QObject::connect(window.MenuAction(QStringLiteral("ExportDiagram")), &QAction::triggered, &window,
                   [&window] {
                     const OutputContext context = OutputContextOf(window);
                     RunGuarded(*context.seams.messages, [&] { ExportDiagram(context); });
                   });
}

void AttachPrintCommands(MainWindow& window) { new PrintCommands(OutputContextOf(window)); }

}  // namespace cv::ui
