#include "ui/windows/small_windows.h"

#include <QAction>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

#include "core/data_files.h"
#include "ui/windows/about_window.h"
#include "ui/windows/help_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/output_wiring.h"
#include "ui/windows/splash_window.h"

namespace cv::ui {

namespace {

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
  // Once the splash is left (and the help window shown beside), the keys go
  // to the main window, whatever the window manager would focus.
  connect(splash, &QDialog::finished, &window_,
          [this] { QTimer::singleShot(0, &window_, [this] { window_.activateWindow(); }); });
  splash->show();
}

QRect StartUpHelpPlace(const QRect& window, int treeRight, const QSize& help, const QRect& screen) {
  const QRect beside(QPoint(window.right() + 1, window.top()), help);
  if (beside.right() <= screen.right()) return beside;
  const int left = std::max(treeRight + 1, screen.right() + 1 - help.width());
  return {left, window.top(), std::min(help.width(), screen.right() + 1 - left), help.height()};
}

void SmallWindows::ShowStartUpHelp() {
  if (!ShowHelpAtStartUp()) return;
  auto place = [this] {
    HelpWindow* help = ShowHelp();
    const QWidget* treeFrame = window_.Tree()->parentWidget();
    const int treeRight = treeFrame->mapToGlobal(QPoint(treeFrame->width(), 0)).x();
    const QScreen* screen = window_.screen();
    const QRect place = StartUpHelpPlace(window_.frameGeometry(), treeRight, help->size(),
                                         screen ? screen->availableGeometry() : QRect());
    help->resize(place.size());
    help->move(place.topLeft());
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
  AttachPrintCommands(window);
  new SmallWindows(window, seams);
}

}  // namespace cv::ui
