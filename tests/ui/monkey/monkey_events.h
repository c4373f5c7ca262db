// The monkey's events. Each event is one line of text, so that a run can be
// printed, cut down and replayed: a random start value for the answers of
// the boxes and dialogs the event brings up, a verb and its arguments.
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
#pragma once

#include <string>

#include "monkey_seams.h"

namespace cv::ui {
class MainWindow;
}

namespace cv::ui::monkey {

// A random event that fits the window as it is now.
std::string NextEvent(Dice& dice, MainWindow& window);

// Performs the event on the real widgets; an event whose item or widget is
// gone does nothing.
void Perform(const std::string& event, MainWindow& window, MonkeySeams& seams);

}  // namespace cv::ui::monkey
