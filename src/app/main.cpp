// Starts the window program: the application, the real seams, the main
// window and its controllers, then the start-up sequence.
#include <QApplication>
#include <QIcon>

#include "core/command_usage.h"
#include "core/data_files.h"
#include "ui/files/project_commands.h"
#include "ui/files/qt_dialogs.h"
#include "ui/tree/network_tree.h"
#include "ui/windows/c_numeric_locale.h"
#include "ui/windows/main_window.h"
#include "ui/windows/program.h"

namespace {
constexpr const char* kUsage =
    "Usage: corvanta [PROJECT.cv]\n"
    "\n"
    "The CORVANTA Sizing Program: draws and sizes fuel-gas piping; opens\n"
    "PROJECT.cv when it is named. The window system's own options (such as\n"
    "-platform or -style) are taken as well.\n"
    "\n"
    "  -h, --help   show this help\n";
}

int main(int argc, char* argv[]) {
  // Help is answered without a window system.
  if (cv::AsksForHelp(argc, argv))
    return *cv::AnswerHelpOrBadOption(argc, argv, "corvanta", kUsage);
  // The application takes its own options out of the arguments.
  QApplication app(argc, argv);
  if (auto status = cv::AnswerHelpOrBadOption(argc, argv, "corvanta", kUsage)) return *status;
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
