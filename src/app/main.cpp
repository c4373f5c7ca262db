// Starts the window program: the application, the real seams, the main
// window and its controllers, then the start-up sequence.
#include <QApplication>
#include <QIcon>

#include "core/data_files.h"
#include "ui/files/project_commands.h"
#include "ui/files/qt_dialogs.h"
#include "ui/tree/network_tree.h"
#include "ui/windows/c_numeric_locale.h"
#include "ui/windows/main_window.h"
#include "ui/windows/program.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  cv::ui::UseCNumericLocale();
  QApplication::setOrganizationName(QStringLiteral("CORVANTA"));
  QApplication::setApplicationName(QStringLiteral("CORVANTA Sizing Program"));
  cv::ui::QtMessageSink messages;
  cv::ui::QtFileDialogs files;
  cv::ui::QtPrinterDialogs printers;
  cv::ui::Seams seams{&messages, &files, &printers};
  cv::ui::MainWindow window(seams);
  window.setWindowIcon(QIcon(QString::fromStdString(cv::FindDataFile("corvanta.png"))));
  messages.SetParent(&window);
  cv::ui::WireControllers(window, seams);
  window.NetTree()->KeepColumnWidths();
  if (!window.StartUp()) return 1;
  window.show();
  cv::ui::OpenCommandLineProject(window, QApplication::arguments());
  return QApplication::exec();
}
