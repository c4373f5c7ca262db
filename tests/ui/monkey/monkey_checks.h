// What must hold in the window whatever the user did. Each check returns
// what it found wrong, or nothing.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cv::ui {
class MainWindow;
}

namespace cv::ui::monkey {

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

}  // namespace cv::ui::monkey
