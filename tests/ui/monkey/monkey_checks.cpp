#include <QLineEdit>
#include <QTreeWidget>
#include <QUndoStack>
#include <charconv>
#include <cmath>

#include "monkey.h"
#include "project/document.h"
#include "project/project_state.h"
#include "sizing/network_calculation.h"
#include "ui/panels/appliance_panel.h"
#include "ui/tree/network_view.h"
#include "ui/tree/tree_items.h"
#include "ui/windows/main_window.h"

namespace cv::ui::monkey {
namespace {

std::string Utf8(const QString& text) { return text.toStdString(); }

std::string Described(pugi::xml_node node) {
  return node ? FieldText(node, "description") : Utf8(kGasSupplyCaption);
}

std::optional<Finding> CheckPanel(MainWindow& window) {
  const QTreeWidgetItem* current = window.Tree()->currentItem();
  const pugi::xml_node shown = window.Editor().NodeInView();
  const pugi::xml_node selected = current ? window.Network().NodeOfItem(current) : pugi::xml_node();
  if (shown != selected)
    return Finding{"panel", "the panel shows '" + Described(shown) +
                                "' while the tree's current item is '" +
                                (current ? Utf8(current->text(0)) : "none") + "'"};
  const QLineEdit* description = window.Panel()->txtDescription;
  const std::string expected = Described(shown);
  if (current && !description->isModified() && Utf8(description->text()) != expected)
    return Finding{"panel", "the description box reads '" + Utf8(description->text()) + "' for '" +
                                expected + "'"};
  return std::nullopt;
}

std::optional<Finding> CompareChildren(pugi::xml_node element, const QTreeWidgetItem* item,
                                       const std::string& path) {
  int index = 0;
  for (pugi::xml_node node : element.children(kSystemNodeName)) {
    const std::string description = FieldText(node, "description");
    const std::string where = path + "/" + description;
    if (index >= item->childCount()) return Finding{"tree", "no item for " + where};
    const QTreeWidgetItem* child = item->child(index++);
    const std::string key = NodeId(node) + " " + description;
    if (Utf8(ItemKey(child)) != key || Utf8(child->text(0)) != description)
      return Finding{"tree", "item '" + Utf8(ItemKey(child)) + "' stands where " + where +
                                 " (key '" + key + "') is"};
    if (auto found = CompareChildren(node, child, where)) return found;
  }
  if (index != item->childCount())
    return Finding{
        "tree", "item '" + Utf8(item->child(index)->text(0)) + "' below " + path + " has no node"};
  return std::nullopt;
}

std::optional<Finding> CheckTree(MainWindow& window) {
  const QTreeWidget* tree = window.Tree();
  if (tree->topLevelItemCount() != 1 || !IsGasSupplyItem(tree->topLevelItem(0)))
    return Finding{"tree", "the gas supply is not the only top item"};
  return CompareChildren(ProjectRoot(window.Document()), tree->topLevelItem(0), "Gas Supply");
}

// No stored number is infinite or not a number (nor too large to be read).
std::optional<Finding> CheckNumbers(pugi::xml_node element) {
  auto bad = [&](const std::string& where, std::string_view text) -> std::optional<Finding> {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size() || text.empty() ||
        (error != std::errc::result_out_of_range && std::isfinite(value)))
      return std::nullopt;
    return Finding{"number", where + " holds '" + std::string(text) + "'"};
  };
  // A description is the user's text, whatever it looks like.
  const bool text = std::string_view(element.name()) == "description";
  if (auto found = text ? std::nullopt : bad(element.name(), element.text().get())) return found;
  for (pugi::xml_attribute attribute : element.attributes())
    if (auto found = bad(std::string(element.name()) + "@" + attribute.name(), attribute.value()))
      return found;
  for (pugi::xml_node child : element.children())
    if (child.type() == pugi::node_element)
      if (auto found = CheckNumbers(child)) return found;
  return std::nullopt;
}

}  // namespace

std::string Difference(const std::string& before, const std::string& after) {
  size_t at = 0;
  while (at < before.size() && at < after.size() && before[at] == after[at]) ++at;
  const size_t from = at > 40 ? at - 40 : 0;
  return "'..." + before.substr(from, 80) + "' became '..." + after.substr(from, 80) + "'";
}

std::optional<Finding> CheckAfterEvent(MainWindow& window,
                                       const std::vector<std::string>& errorBoxes) {
  if (!errorBoxes.empty()) return Finding{"error box", errorBoxes.front()};
  try {
    if (auto found = CheckTree(window)) return found;
    if (auto found = CheckPanel(window)) return found;
  } catch (const CvError& e) {
    return Finding{"tree", "a node cannot be read: " + e.description()};
  }
  return CheckNumbers(window.Document().document_element());
}

std::optional<Finding> CheckSavedTextRecalculates(MainWindow& window) {
  const std::string saved = SerializeDocument(window.Document());
  pugi::xml_document loaded;
  if (!LoadDocumentText(loaded, saved)) return Finding{"reload", "the saved text does not load"};
  ProgramState state;
  state.EFVCollection = window.State().EFVCollection;
  try {
    DeriveStateFromDocument(loaded, state);
    CalculateProject(loaded, state);
  } catch (const CvError& e) {
    return Finding{"reload", "recalculating the saved text fails: " + e.description()};
  }
  const std::string again = SerializeDocument(loaded);
  if (again == saved) return std::nullopt;
  return Finding{"reload", "recalculating changes the saved text: " + Difference(saved, again)};
}

History::History(MainWindow& window) : window_(window) {
  stack_ = window.Editor().UndoStack();
  if (!stack_) return;
  steps_.resize(stack_->count());
  following_ = QObject::connect(stack_, &QUndoStack::indexChanged,
                                [this](int index) { IndexChanged(index); });
}

History::~History() { QObject::disconnect(following_); }

std::string History::Text() const { return SerializeDocument(window_.Document()); }

void History::BeforeEvent() { lastSeen_ = Text(); }

// A new step gets the document as it was before its change and as it is
// now; when the bounded history dropped its oldest step, the texts move
// down with it.
void History::IndexChanged(int index) {
  if (checking_) return;
  const int count = stack_->count();
  const QUndoCommand* oldest = count > 0 ? stack_->command(0) : nullptr;
  if (oldest_ && oldest != oldest_ && count == stack_->undoLimit() && index == count &&
      !steps_.empty())
    steps_.erase(steps_.begin());
  oldest_ = oldest;
  steps_.resize(count);
  const std::string now = Text();
  if (index == count && index > 0) steps_[index - 1] = {lastSeen_, now};
  lastSeen_ = now;
}

std::optional<Finding> History::Compare(const char* check, int step,
                                        const std::string& expected) const {
  const std::string now = Text();
  if (expected.empty() || expected == now) return std::nullopt;
  return Finding{check, "step " + std::to_string(step) + " of " + std::to_string(stack_->count()) +
                            " ('" + stack_->command(step - 1)->text().toStdString() +
                            "'): " + Difference(expected, now)};
}

std::optional<Finding> History::Check() {
  if (!stack_) return std::nullopt;
  checking_ = true;
  const int index = stack_->index();
  const std::string current = Text();
  std::optional<Finding> found;
  for (int step = index; step > 0; --step) {
    stack_->undo();
    if (!found) found = Compare("undo", step, steps_[step - 1].before);
  }
  for (int step = 1; step <= index; ++step) {
    stack_->redo();
    if (!found) found = Compare("redo", step, steps_[step - 1].after);
  }
  checking_ = false;
  if (!found && Text() != current)
    found = Finding{"redo", "redoing every step does not give the current document: " +
                                Difference(current, Text())};
  return found;
}

}  // namespace cv::ui::monkey
