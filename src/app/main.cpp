// Starts the window program: the application, the real seams, the main
// window and its controllers, then the start-up sequence.
#include <QApplication>
#include <QIcon>
#include <string>
#include <string_view>
#include <vector>

#include "core/command_usage.h"
#include "core/data_files.h"
#include "ui/seams/c_numeric_locale.h"
#include "ui/seams/qt_dialogs.h"
#include "ui/tree/network_tree.h"
#include "ui/windows/main_window.h"
#include "ui/windows/program.h"
#include "ui/windows/project_wiring.h"

namespace {

constexpr const char* kUsage =
    "Usage: corvanta [PROJECT.cv]\n"
    "\n"
    "The CORVANTA Sizing Program: draws and sizes fuel-gas piping; opens\n"
    "PROJECT.cv when it is named. The window system's own options (such as\n"
    "-platform or -style) are taken as well.\n"
    "\n"
    "  -h, --help   show this help\n";

// The options the application takes out of the arguments itself, written
// with one dash or two, a value after a blank or "=".
bool IsWindowSystemOption(std::string_view arg) {
  if (arg.substr(0, 2) == "--") arg.remove_prefix(1);
  arg = arg.substr(0, arg.find('='));
  constexpr std::string_view kOptions =
      " -platform -platformpluginpath -platformtheme -plugin -qwindowgeometry -qwindowicon"
      " -qwindowtitle -reverse -session -display -geometry -title -name -style -stylesheet"
      " -widgetcount -nograb -dograb -sync -qmljsdebugger ";
  return arg.size() > 1 && kOptions.find(" " + std::string(arg) + " ") != std::string_view::npos;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Answered before the application starts, so that no window system is
  // needed to read the help or to be told of a wrong option.
  std::vector<char*> own{argv[0]};
  for (int i = 1; i < argc; ++i)
    if (!IsWindowSystemOption(argv[i])) own.push_back(argv[i]);
  if (auto status =
          cv::AnswerHelpOrBadOption(static_cast<int>(own.size()), own.data(), "corvanta", kUsage))
    return *status;
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
