#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QWindow>
#include <array>
#include <functional>

#include "monkey.h"
#include "ui/tree/network_tree.h"
#include "ui/windows/main_window.h"

namespace cv::ui::monkey {
namespace {

using Tokens = std::vector<std::string>;

const char* const kTexts[] = {"",      "0",    "12",  "-3",     "2.5", "1,5",
                              "1e308", "9e99", "abc", "0.0001", "inf", "NaN"};

QString Q(const std::string& text) { return QString::fromStdString(text); }

// Splits at blanks; a "quoted text" stays one token with what follows it.
Tokens Split(const std::string& line) {
  Tokens tokens;
  std::string token;
  bool quoted = false;
  for (char c : line) {
    if (c == '"') quoted = !quoted;
    if (c == ' ' && !quoted) {
      if (!token.empty()) tokens.push_back(std::exchange(token, {}));
    } else {
      token += c;
    }
  }
  if (!token.empty()) tokens.push_back(token);
  return tokens;
}

const Tokens kKeys = Split(
    "Up Down Left Right Tab Shift+Tab Return Escape Del Ins Ctrl+Z Ctrl+Y A X 7 0 - . , Space Home "
    "End Ctrl+Shift+Z Backspace");
const Tokens kListKeys = Split("Up Down Home End P N");
const Tokens kPopupEntries =
    Split("mnuTreeClickAddNewAppliance mnuTreeClickRemoveAppliance escape");

// Items the user sees without unfolding anything.
std::vector<QTreeWidgetItem*> ReachableItems(QTreeWidget* tree) {
  std::vector<QTreeWidgetItem*> items;
  for (QTreeWidgetItemIterator it(tree); *it; ++it) {
    bool shown = true;
    for (QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent()) shown = shown && p->isExpanded();
    if (shown) items.push_back(*it);
  }
  return items;
}

std::string ItemRef(QTreeWidget* tree, QTreeWidgetItem* item) {
  int occurrence = 0;
  for (QTreeWidgetItemIterator it(tree); *it && *it != item; ++it)
    if ((*it)->text(0) == item->text(0)) ++occurrence;
  return '"' + item->text(0).toStdString() + '"' + std::to_string(occurrence);
}

std::string RandomItem(Dice& dice, QTreeWidget* tree) {
  const auto items = ReachableItems(tree);
  const int pick = dice.Below(static_cast<int>(items.size()) + 1);
  return pick == static_cast<int>(items.size()) ? "-" : ItemRef(tree, items[pick]);
}

QTreeWidgetItem* FindItem(QTreeWidget* tree, const std::string& ref) {
  const size_t close = ref.rfind('"');
  if (ref.size() < 2 || ref[0] != '"' || close == 0) return nullptr;
  const QString text = Q(ref.substr(1, close - 1));
  int occurrence = std::atoi(ref.c_str() + close + 1);
  for (QTreeWidgetItemIterator it(tree); *it; ++it)
    if ((*it)->text(0) == text && occurrence-- == 0) return *it;
  return nullptr;
}

// The point of an item in the viewport ("-": below the items); nullopt when
// the item is gone.
std::optional<QPoint> ItemPoint(QTreeWidget* tree, const std::string& ref) {
  if (ref == "-") return QPoint(20, tree->viewport()->height() - 3);
  QTreeWidgetItem* item = FindItem(tree, ref);
  if (!item) return std::nullopt;
  tree->scrollToItem(item);
  return tree->visualItemRect(item).center();
}

template <typename W>
std::vector<W*> VisibleWidgets(MainWindow& window) {
  std::vector<W*> widgets;
  for (W* w : window.findChildren<W*>())
    if (!w->objectName().isEmpty() && w->isVisible() && w->isEnabled()) widgets.push_back(w);
  return widgets;
}

template <typename W>
std::string RandomName(Dice& dice, MainWindow& window) {
  const auto widgets = VisibleWidgets<W>(window);
  if (widgets.empty()) return "none";
  return widgets[dice.Below(static_cast<int>(widgets.size()))]->objectName().toStdString();
}

template <typename W>
W* FindWidget(MainWindow& window, const std::string& name) {
  for (W* w : VisibleWidgets<W>(window))
    if (w->objectName() == Q(name)) return w;
  return nullptr;
}

// The entries of every menu of the menu bar but Help.
std::vector<QAction*> MenuEntries(MainWindow& window) {
  std::vector<QAction*> entries;
  std::function<void(QMenu*)> collect = [&](QMenu* menu) {
    for (QAction* action : menu->actions()) {
      if (action->menu())
        collect(action->menu());
      else if (!action->isSeparator() && !action->objectName().isEmpty())
        entries.push_back(action);
    }
  };
  for (QAction* top : window.menuBar()->actions())
    if (top->menu() && top->menu()->objectName() != QLatin1String("mnuHelp")) collect(top->menu());
  return entries;
}

void SendKey(QWidget* target, const std::string& sequence) {
  const QKeySequence keys = QKeySequence::fromString(Q(sequence), QKeySequence::PortableText);
  if (keys.isEmpty()) return;
  const QKeyCombination key = keys[0];
  QTest::keyClick(target, key.key(), key.keyboardModifiers());
}

QWidget* KeyTarget(MainWindow& window) {
  if (QWidget* popup = QApplication::activePopupWidget()) return popup;
  return QApplication::focusWidget() ? QApplication::focusWidget() : &window;
}

void ClosePopups() {
  while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

// Answers the pop-up menu, whether it blocks or not: an entry or Escape.
void ChoosePopupEntry(const std::string& entry) {
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  if (!menu) return;
  QAction* chosen = nullptr;
  for (QAction* action : menu->actions())
    if (action->objectName() == Q(entry) && action->isEnabled()) chosen = action;
  menu->close();
  if (chosen) chosen->trigger();
}

void RightClick(MainWindow& window, const QPoint& at, const std::string& entry) {
  QTimer::singleShot(0, &window, [entry] { ChoosePopupEntry(entry); });
  QTest::mouseClick(window.Tree()->viewport(), Qt::RightButton, {}, at);
  QApplication::processEvents();
  ClosePopups();
}

void SendDragEvent(QWidget* viewport, QEvent::Type type, const QPoint& at) {
  QMimeData data;
  if (type == QEvent::Drop) {
    QDropEvent drop(QPointF(at), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
  } else {
    QDragMoveEvent move(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier, type);
    QApplication::sendEvent(viewport, &move);
  }
}

// A drag onto an item gets the events a platform drag delivers: the press,
// the drag's enter, move and drop, its end, and the release it held back.
// A drag that ends outside the tree or with Escape starts with the moves
// of the mouse; the offscreen platform ends such a drag at once.
void Drag(MainWindow& window, const QPoint& from, const std::string& target) {
  QWidget* viewport = window.Tree()->viewport();
  QTest::mousePress(viewport, Qt::LeftButton, {}, from);
  QPoint to = from + QPoint(0, 2 * QApplication::startDragDistance() + 4);
  if (target == "outside" || target == "escape") {
    // A platform whose drag runs its own loop gets Escape to end it.
    QTimer::singleShot(0, &window, [&window] {
      if (QThread::currentThread()->loopLevel() > 0)
        QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
    });
    QTest::mouseMove(viewport, from + QPoint(0, QApplication::startDragDistance() / 2 + 1));
    QTest::mouseMove(viewport, to);
  } else if (const auto point = ItemPoint(window.Tree(), target)) {
    to = *point;
    SendDragEvent(viewport, QEvent::DragEnter, from);
    SendDragEvent(viewport, QEvent::DragMove, to);
    SendDragEvent(viewport, QEvent::Drop, to);
    window.NetTree()->EndDrag();
  }
  QApplication::processEvents();
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
}

// Press on the item's lower (or upper) edge, release a few pixels further:
// less than a drag.
void Gesture(QTreeWidget* tree, const std::string& ref, int dy) {
  QTreeWidgetItem* item = ref == "-" ? nullptr : FindItem(tree, ref);
  const auto center = ItemPoint(tree, ref);
  if (!center) return;
  QPoint from = *center;
  if (item) {
    const QRect rect = tree->visualItemRect(item);
    from.setY(dy > 0 ? rect.bottom() : rect.top());
  }
  QWidget* viewport = tree->viewport();
  QTest::mousePress(viewport, Qt::LeftButton, {}, from);
  QTest::mouseMove(viewport, from + QPoint(0, dy));
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, from + QPoint(0, dy));
}

void TreeClick(MainWindow& window, const std::string& verb, const std::string& ref) {
  QTreeWidget* tree = window.Tree();
  auto point = ItemPoint(tree, ref);
  if (!point) return;
  QWidget* viewport = tree->viewport();
  if (verb == "dclick") {
    // As the platform delivers it: a click, then the second press as a
    // double click, then its release.
    QTest::mouseClick(viewport, Qt::LeftButton, {}, *point);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, *point);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, *point);
  } else if (verb == "middle") {
    QTest::mouseClick(viewport, Qt::MiddleButton, {}, *point);
  } else {
    if (verb == "fold") point->setX(tree->visualItemRect(FindItem(tree, ref)).left() - 8);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, *point);
  }
}

void PerformVerb(const Tokens& t, MainWindow& window) {
  const std::string& verb = t[1];
  auto arg = [&](size_t i) { return i < t.size() ? t[i] : std::string(); };
  if (verb == "key") {
    SendKey(KeyTarget(window), arg(2));
  } else if (verb == "click" || verb == "dclick" || verb == "middle" ||
             (verb == "fold" && arg(2) != "-")) {
    TreeClick(window, verb, arg(2));
  } else if (verb == "right") {
    if (auto point = ItemPoint(window.Tree(), arg(2))) RightClick(window, *point, arg(3));
  } else if (verb == "gesture") {
    Gesture(window.Tree(), arg(2), std::atoi(arg(3).c_str()));
  } else if (verb == "drag") {
    if (auto point = ItemPoint(window.Tree(), arg(2))) Drag(window, *point, arg(3));
  } else if (verb == "press") {
    if (auto* w = FindWidget<QWidget>(window, arg(2))) {
      if (qobject_cast<QComboBox*>(w))
        w->setFocus();
      else
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
  } else if (verb == "combo") {
    if (auto* list = FindWidget<QComboBox>(window, arg(2))) {
      list->setFocus();
      SendKey(list, arg(3));
    }
  } else if (verb == "type") {
    if (auto* box = FindWidget<QLineEdit>(window, arg(2)); box && arg(3).size() >= 2) {
      QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
      QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(box, Q(arg(3).substr(1, arg(3).size() - 2)));
    }
  } else if (verb == "tab") {
    QTabBar* bar = window.Tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(std::atoi(arg(2).c_str())).center());
  } else if (verb == "menu") {
    for (QAction* action : MenuEntries(window))
      if (action->objectName() == Q(arg(2)) && action->isEnabled()) {
        action->trigger();
        break;
      }
  }
}

}  // namespace

std::string NextEvent(Dice& dice, MainWindow& window) {
  QTreeWidget* tree = window.Tree();
  std::string event = std::to_string(dice.Next() % 1000000) + " ";
  const int roll = dice.Below(100);
  auto pick = [&](const auto& list) {
    return std::string(list[dice.Below(static_cast<int>(std::size(list)))]);
  };
  if (roll < 24) return event + "key " + pick(kKeys);
  if (roll < 36) return event + "click " + RandomItem(dice, tree);
  if (roll < 39) return event + "dclick " + RandomItem(dice, tree);
  if (roll < 41) return event + "middle " + RandomItem(dice, tree);
  if (roll < 43) return event + "fold " + RandomItem(dice, tree);
  if (roll < 48) return event + "right " + RandomItem(dice, tree) + " " + pick(kPopupEntries);
  if (roll < 54) {
    const int dy = 1 + dice.Below(QApplication::startDragDistance() - 1);
    return event + "gesture " + RandomItem(dice, tree) + " " +
           std::to_string(dice.OneIn(3) ? -dy : dy);
  }
  if (roll < 60) {
    const int end = dice.Below(6);
    const std::string target = end == 0 ? "outside" : end == 1 ? "escape" : RandomItem(dice, tree);
    return event + "drag " + RandomItem(dice, tree) + " " + target;
  }
  if (roll < 72) return event + "press " + RandomName<QAbstractButton>(dice, window);
  if (roll < 78)
    return event + "combo " + RandomName<QComboBox>(dice, window) + " " + pick(kListKeys);
  if (roll < 90)
    return event + "type " + RandomName<QLineEdit>(dice, window) + " \"" + pick(kTexts) +
           (dice.OneIn(3) ? pick(kTexts) : "") + "\"";
  if (roll < 95) return event + "tab " + std::to_string(dice.Below(window.Tabs()->count()));
  const auto entries = MenuEntries(window);
  if (entries.empty()) return event + "key Escape";
  return event + "menu " +
         entries[dice.Below(static_cast<int>(entries.size()))]->objectName().toStdString();
}

void Perform(const std::string& event, MainWindow& window, MonkeySeams& seams) {
  const Tokens tokens = Split(event);
  if (tokens.size() < 2) return;
  Dice answers(std::strtoull(tokens[0].c_str(), nullptr, 10));
  seams.UseDice(answers);
  PerformVerb(tokens, window);
  QApplication::processEvents();
  ClosePopups();
  // "E&xit" closes the window when the user lets it; the monkey carries on
  // as if the program had been started again on the same project.
  if (!window.isVisible()) window.show();
  seams.UseDice(seams.Fallback());
}

cv::MessageAnswer MonkeySeams::Show(const cv::Message& message) {
  using enum cv::MessageAnswer;
  using Buttons = cv::MessageButtons;
  if (message.text.starts_with("Error Number:")) errorBoxes_.push_back(message.text);
  if (message.buttons == Buttons::OkCancel) return dice_->OneIn(2) ? Ok : Cancel;
  if (message.buttons == Buttons::YesNo) return dice_->OneIn(2) ? Yes : No;
  if (message.buttons == Buttons::YesNoCancel) return std::array{Yes, No, Cancel}[dice_->Below(3)];
  return Ok;
}

// One of the projects in the folder (the starting one among them), a name
// that does not exist, or Cancel.
std::optional<QString> MonkeySeams::OpenFileName(QWidget*, const QString&, const QStringList&,
                                                 int) {
  const QStringList projects = QDir(folder_).entryList({QStringLiteral("*.cv")}, QDir::Files);
  const int pick = dice_->Below(static_cast<int>(projects.size()) + 2);
  if (pick == 0) return std::nullopt;
  if (pick == 1) return QDir(folder_).filePath(QStringLiteral("missing.cv"));
  return QDir(folder_).filePath(projects.at(pick - 2));
}

// A few names, with and without extension, so that saves also replace files;
// the filter varies with the name.
std::optional<SaveChoice> MonkeySeams::SaveFileName(QWidget*, const QString&,
                                                    const QStringList& filters, int,
                                                    const QString&) {
  const int pick = dice_->Below(5);
  if (pick == 0) return std::nullopt;
  const bool workbook = filters.join(QString()).contains(QStringLiteral("xlsx"));
  const QString name = QStringLiteral("saved%1").arg(pick);
  const QString extension = pick == 4 ? QString() : workbook ? ".xlsx" : ".cv";
  return SaveChoice{QDir(folder_).filePath(name + extension),
                    pick % static_cast<int>(filters.size())};
}

bool MonkeySeams::ConfirmPrint(QWidget*, QPrinter& printer) {
  if (dice_->OneIn(3)) return false;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QDir(folder_).filePath(QStringLiteral("printed.pdf")));
  return true;
}

}  // namespace cv::ui::monkey
