#include "ui/small_windows.h"

#include <QAction>
#include <QScreen>

#include "core/data_files.h"
#include "ui/about_window.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/print_commands.h"
#include "ui/splash_window.h"

namespace cv::ui {

namespace {

constexpr double kTwipsPerInch = 1440;

void ConnectMenu(MainWindow& window, const char* name, QObject* receiver,
                 std::function<void()> handler) {
  if (QAction* action = window.MenuAction(QString::fromLatin1(name))) {
    QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
    QObject::connect(action, &QAction::triggered, receiver, [handler] { handler(); });
  }
}

}  // namespace

SmallWindows::SmallWindows(MainWindow& window, const Seams& seams)
    : QObject(&window), window_(window), seams_(seams) {
  setObjectName(QStringLiteral("SmallWindows"));
  window.SetSplashHook([this] { ShowSplash(); });
  window.SetHelpHook([this] { ShowStartUpHelp(); });
  ConnectMenu(window, "Howto", this, [this] { Howto_Click(); });
  ConnectMenu(window, "About", this, [this] { About_Click(); });
}

void SmallWindows::ShowSplash() {
  auto* splash = new SplashWindow(&window_);
  splash->setAttribute(Qt::WA_DeleteOnClose);
  splash->setWindowModality(Qt::ApplicationModal);
  splash_ = splash;
  splash->show();
}

void SmallWindows::ShowStartUpHelp() {
  auto place = [this] {
    HelpWindow* help = ShowHelp();
    const double dpi = help->logicalDpiX();
    help->move(qRound(kHelpLeftTwips * dpi / kTwipsPerInch),
               qRound(kHelpTopTwips * dpi / kTwipsPerInch));
  };
  if (splash_ && splash_->isVisible())
    connect(splash_, &QDialog::finished, this, place);
  else
    place();
}

SplashWindow* SmallWindows::Splash() const { return splash_; }
HelpWindow* SmallWindows::Help() const { return help_; }

HelpWindow* SmallWindows::ShowHelp() {
  if (!help_) {
    help_ = new HelpWindow(seams_, QString::fromStdString(FindDataFile(kHelpFileName)), &window_);
  } else {
    help_->Form_Load();
  }
  help_->show();
  help_->raise();
  return help_;
}

void SmallWindows::Howto_Click() { ShowHelp()->activateWindow(); }

void SmallWindows::About_Click() {
  auto* about = new AboutWindow(window_.State().DebugMode, *seams_.messages, &window_);
  about->setAttribute(Qt::WA_DeleteOnClose);
  about->open();
}

void AttachPrintingAndHelp(MainWindow& window, const Seams& seams) {
  new PrintCommands(window, seams);
  new SmallWindows(window, seams);
}

}  // namespace cv::ui
