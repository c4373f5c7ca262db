#include "ui/seams/named_actions.h"

#include <QAction>
#include <QWidget>

#include "ui/seams/guarded.h"

namespace cv::ui {

void ConnectNamedAction(QWidget& window, const char* name, cv::MessageSink& messages,
                        std::function<void()> command) {
  auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
  if (!action) return;
  QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
  QObject::connect(action, &QAction::triggered, &window,
                   [&messages, command = std::move(command)] { RunGuarded(messages, command); });
}

}  // namespace cv::ui
