// The window without a mouse: each page's Tab order with a name and role
// for every stop, unique Alt keys, and a small house built, sized, saved
// and printed by key presses alone.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "main_window_fixture.h"
#include "ui/access/access_keys.h"
#include "ui/output/print_commands.h"
#include "ui/windows/program.h"

namespace cv::ui::test {
namespace {

// Counts the mouse buttons pressed anywhere in the program.
class MouseWatch : public QObject {
 public:
  MouseWatch() { qApp->installEventFilter(this); }
  ~MouseWatch() override { qApp->removeEventFilter(this); }
  int presses = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    const QEvent::Type type = event->type();
    presses += type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    return false;
  }
};

class KeyboardTest : public MainWindowTest {
 protected:
  void Wire(MainWindow& window, Seams& s) override { WireControllers(window, s); }
  void SetUp() override {
    MainWindowTest::SetUp();
    Window().resize(1180, 680);
    Window().show();
    // The splash waits for Enter, then the help window beside it for Escape.
    QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return);
    for (QWidget* other : QApplication::topLevelWidgets())
      if (other != &Window() && other->isVisible()) {
        QApplication::setActiveWindow(other);
        QTest::keyClick(other, Qt::Key_Escape);
        ASSERT_FALSE(other->isVisible()) << other->objectName().toStdString();
      }
    QApplication::processEvents();
    QApplication::setActiveWindow(&Window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
  }
  static QWidget* Focus() { return QApplication::focusWidget(); }
  void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Focus() ? Focus() : &Window(), static_cast<Qt::Key>(key), modifiers);
  }
  void Write(const QString& text) { QTest::keyClicks(Focus(), text); }
  void Alt(char letter) { Press(Qt::Key_A + (letter - 'a'), Qt::AltModifier); }
  // The widgets Tab reaches on the page, from its tab until it leaves it.
  std::vector<QWidget*> TabStops(int page) {
    Window().Tabs()->setCurrentIndex(page);
    Window().Tabs()->tabBar()->setFocus();
    std::vector<QWidget*> stops;
    for (int i = 0; i < 40; ++i) {
      Press(Qt::Key_Tab);
      if (!Window().Tabs()->widget(page)->isAncestorOf(Focus()) ||
          (!stops.empty() && Focus() == stops.front()))
        break;
      stops.push_back(Focus());
    }
    return stops;
  }
};

// The role a control's name promises by its prefix.
QAccessible::Role RoleOf(const QString& name) {
  const std::pair<const char*, QAccessible::Role> prefixes[] = {
      {"cbo", QAccessible::ComboBox}, {"txt", QAccessible::EditableText},
      {"cmd", QAccessible::Button},   {"opt", QAccessible::RadioButton},
      {"chk", QAccessible::CheckBox}, {"TreeView", QAccessible::Tree},
      {"tbl", QAccessible::Table},    {"pic", QAccessible::List}};
  for (const auto& [prefix, role] : prefixes)
    if (name.startsWith(QLatin1String(prefix))) return role;
  return QAccessible::NoRole;
}

TEST_F(KeyboardTest, TabFollowsEveryPageInReadingOrderAndNamesEachStop) {
  AddDevice(GasSupply(), "Range", "Range", "65");
  const char* pages[] = {
      "cboGasType optUnitType0 cboSupplyPressure cmdUpdateSupplyParameters",  // one method
      "TreeView1 cmdAdd cmdRemove txtDescription cboAppliance txtLoad txtLength cboMaterial "
      "chkFixedSize cmdUpdate",
      "txtMaterials", "tblCalculations", "cmdFit picDiagram"};
  for (int page = 0; page < 5; ++page) {
    QStringList names;
    QRect previous;
    for (QWidget* stop : TabStops(page)) {
      names << stop->objectName();
      QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(stop);
      EXPECT_EQ(reader->role(), RoleOf(stop->objectName())) << names.join(' ').toStdString();
      EXPECT_FALSE(reader->text(QAccessible::Name).isEmpty()) << names.join(' ').toStdString();
      // Each stop lies below the one before or right of it.
      const QRect at(stop->mapTo(Window().Tabs(), QPoint(0, 0)), stop->size());
      EXPECT_TRUE(previous.isNull() || at.top() >= previous.top() || at.left() >= previous.right())
          << names.join(' ').toStdString();
      previous = at;
    }
    EXPECT_EQ(names.join(' ').toStdString(), pages[page]);
  }
}

TEST_F(KeyboardTest, EveryInputHasALabelAndNoTwoShareAnAltKeyOnAPage) {
  const auto keyOf = [](const QString& caption) { return QKeySequence::mnemonic(caption); };
  for (int page = 0; page < Window().Tabs()->count(); ++page) {
    std::map<QKeySequence, QString> used;
    for (QAction* menu : Window().menuBar()->actions()) used[keyOf(menu->text())] = menu->text();
    const auto take = [&](const QString& caption) {
      const QKeySequence key = keyOf(caption);
      if (key.isEmpty()) return;
      EXPECT_FALSE(used.count(key))
          << caption.toStdString() << " and " << used[key].toStdString() << " on page " << page;
      used[key] = caption;
    };
    QWidget* shown = Window().Tabs()->widget(page);
    for (QLabel* label : shown->findChildren<QLabel*>()) take(label->text());
    for (QAbstractButton* button : shown->findChildren<QAbstractButton*>()) take(button->text());
    for (QGroupBox* frame : shown->findChildren<QGroupBox*>()) take(frame->title());
    for (QWidget* input : shown->findChildren<QWidget*>()) {
      auto* line = qobject_cast<QLineEdit*>(input);
      const bool typed = line && !line->isReadOnly() && !qobject_cast<QComboBox*>(line->parent());
      if (typed || qobject_cast<QComboBox*>(input)) {
        EXPECT_NE(LabelOf(input), nullptr) << input->objectName().toStdString();
      }
    }
  }
}

TEST_F(KeyboardTest, AHouseIsBuiltSizedSavedAndPrintedByKeysAlone) {
  const MouseWatch mouse;
  QTemporaryDir dir;
  const QString project = dir.filePath("house.cv");
  const QString pdf = dir.filePath("house.pdf");
  files.Answer(project);
  printers.PrintToFile(pdf);
  // Each device: Insert below the tree's current node, then the panel.
  const auto addDevice = [this](const char* name, const char* kind, const char* load) {
    Press(Qt::Key_Insert);
    Press(Qt::Key_F2);
    Write(QString::fromLatin1(name));
    Alt('p');
    Write(QString::fromLatin1(kind));
    Alt('n');
    Write("20");
    Press(Qt::Key_Return);
    if (*load) {  // a fitting has no load; an appliance's box opens once it is stored
      Alt('l');
      Write(QString::fromLatin1(load));
      Press(Qt::Key_Return);
    }
    Alt('s');
  };
  Alt('s');
  addDevice("Main tee", "Tee", "");
  addDevice("Kitchen Range", "Range", "65");
  Press(Qt::Key_Left);  // back to the tee
  addDevice("Dryer", "Dryer", "30");
  Press(Qt::Key_S, Qt::ControlModifier);
  Press(Qt::Key_P, Qt::ControlModifier);

  ASSERT_TRUE(messages.Shown().empty()) << messages.Texts().front();
  ASSERT_NE(Item("Dryer"), nullptr);
  EXPECT_EQ(Field(Item("Dryer")->parent(), "description"), "Main tee");
  EXPECT_EQ(Field(Item("Kitchen Range"), "load"), "65");
  EXPECT_EQ(Field(Item("Main tee"), "length"), "20");
  for (const char* name : {"Main tee", "Kitchen Range", "Dryer"})
    EXPECT_FALSE(Field(Item(name), "materialSize").empty()) << name;
  QFile saved(project);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_TRUE(saved.readAll().contains("Kitchen Range"));
  EXPECT_GT(QFile(pdf).size(), 0);
  EXPECT_EQ(mouse.presses, 0);
}

}  // namespace
}  // namespace cv::ui::test
