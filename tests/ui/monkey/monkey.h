// The window monkey: random events to the real window on the offscreen
// platform, the window's rules checked after each, and the cutting down of a
// failing run to a list of events that replays.
#pragma once

#include <QMetaObject>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "ui/seams/dialogs.h"

class QUndoCommand;
class QUndoStack;

namespace cv::ui {
class MainWindow;
}

namespace cv::ui::monkey {

// The random numbers of one event; the same start value gives the same
// numbers, so an event replays alone.
class Dice {
 public:
  explicit Dice(std::uint64_t start = 0) : engine_(start) {}
  // A number in [0, n); 0 when n is not positive.
  int Below(int n) { return n > 0 ? static_cast<int>(engine_() % static_cast<unsigned>(n)) : 0; }
  bool OneIn(int n) { return Below(n) == 0; }
  std::uint64_t Next() { return engine_(); }

 private:
  std::mt19937_64 engine_;
};

// The monkey's dialogs: every message box gets a random answer among its
// buttons, file dialogs get names inside the monkey's folder, and printing
// goes to a PDF file there. Boxes reporting an internal error are kept for
// the checker.
class MonkeySeams : public cv::MessageSink, public FileDialogs, public PrinterDialogs {
 public:
  explicit MonkeySeams(QString folder) : folder_(std::move(folder)) {}
  Seams AsSeams() { return {this, this, this}; }
  void UseDice(Dice& dice) { dice_ = &dice; }
  Dice& Fallback() { return fallback_; }

  cv::MessageAnswer Show(const cv::Message& message) override;
  std::optional<QString> OpenFileName(QWidget*, const QString&, const QStringList&, int) override;
  std::optional<SaveChoice> SaveFileName(QWidget*, const QString&, const QStringList& filters, int,
                                         const QString&) override;
  bool PrintSetup(QWidget*, QPrinter&) override { return dice_->OneIn(2); }
  bool ConfirmPrint(QWidget*, QPrinter& printer) override;

  // Texts of the "Error Number:" boxes shown since the last call.
  std::vector<std::string> TakeErrorBoxes() { return std::exchange(errorBoxes_, {}); }

 private:
  Dice fallback_;
  Dice* dice_ = &fallback_;
  QString folder_;
  std::vector<std::string> errorBoxes_;
};

struct Finding {
  std::string check;  // which rule broke: "panel", "tree", "error box", ...
  std::string detail;
};

// After every event: the panel shows the tree's current node, the tree
// mirrors the document, no internal error was reported (errorBoxes: the
// "Error Number:" texts shown by the event) and no stored number is
// infinite or not a number.
std::optional<Finding> CheckAfterEvent(MainWindow& window,
                                       const std::vector<std::string>& errorBoxes);
// Where two texts first differ, with a little of each around it.
std::string Difference(const std::string& before, const std::string& after);
// The saved text loads again and recalculating it gives the same text.
std::optional<Finding> CheckSavedTextRecalculates(MainWindow& window);

// The undo history: the document's text before and after every step the
// window's history holds, and the check that undoing and redoing all of
// them gives those texts again.
class History {
 public:
  // Follows the window's undo stack; a window without one has nothing to
  // check.
  explicit History(MainWindow& window);
  ~History();
  bool Present() const noexcept { return stack_ != nullptr; }
  // Before each event: the document as the next step will find it.
  void BeforeEvent();
  // Undoes every step, comparing each text, then redoes them all; the
  // history is left where it was.
  std::optional<Finding> Check();

 private:
  void IndexChanged(int index);
  std::string Text() const;
  std::optional<Finding> Compare(const char* check, int step, const std::string& expected) const;

  MainWindow& window_;
  QUndoStack* stack_ = nullptr;
  struct Texts {
    std::string before, after;
  };
  std::vector<Texts> steps_;  // one per command of the stack
  std::string lastSeen_;      // the document before the change of the next step
  const QUndoCommand* oldest_ = nullptr;
  bool checking_ = false;
  QMetaObject::Connection following_;
};

// Each event is one line of text, so that a run can be printed, cut down and
// replayed: a random start value for the answers of the boxes and dialogs
// the event brings up, a verb and its arguments.
//   key SEQ                 a key (QKeySequence text) to the focused widget
//   click|dclick|middle|fold ITEM
//   right ITEM ENTRY        right click, then a pop-up entry or "escape"
//   gesture ITEM DY         press on the item's edge, release DY pixels away
//   drag ITEM TARGET        a real drag onto an ITEM, "outside" or "escape"
//   press NAME              click the widget of that objectName
//   combo NAME SEQ          a key into that list
//   type NAME "TEXT"        replace the text of that box by typing
//   tab N                   the page tab N
//   menu NAME               the File or Edit menu entry of that name
// ITEM is a tree item's "text" with the occurrence of that text in tree
// order (0 for the first), or "-" for the empty space below the items.
// A random event that fits the window as it is now.
std::string NextEvent(Dice& dice, MainWindow& window);
// Performs the event on the real widgets; an event whose item or widget is
// gone does nothing.
void Perform(const std::string& event, MainWindow& window, MonkeySeams& seams);

// A fresh main window on a project, driven event by event with the checks
// after each.
class Session {
 public:
  // Starts the window as the program does and opens a copy of the project
  // (none: an untitled one).
  explicit Session(const QString& project);
  ~Session();

  MainWindow& Window() { return *window_; }
  // Performs the event, then checks; deep adds the saved-text and history
  // checks.
  std::optional<Finding> Step(const std::string& event, bool deep);
  // The checks after the last event (also run by Step).
  std::optional<Finding> Check(bool deep);
  long Checks() const noexcept { return checks_; }

 private:
  QTemporaryDir folder_;
  MonkeySeams seams_;
  Seams seamSet_;
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<History> history_;
  long checks_ = 0;
};

struct Outcome {
  std::vector<std::string> events;  // the events performed, in order
  long checks = 0;
  std::optional<Finding> finding;  // after the last event of events
};

// events random events from the start value; deep checks every 100 and at
// the end.
Outcome RunRandom(const QString& project, std::uint64_t start, int events);
// The events in order, checked after each, with the deep checks after the
// last.
Outcome Replay(const QString& project, const std::vector<std::string>& events);
// A shorter list of events that still breaks the same check.
std::vector<std::string> CutDown(const QString& project, std::vector<std::string> events,
                                 const std::string& check);

}  // namespace cv::ui::monkey
