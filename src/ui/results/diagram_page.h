// The "Diagram" page: the network drawn as a schematic, with a "Fit"
// button. It follows every calculation, laid out again when it is shown
// after one.
#pragma once

#include <QWidget>
#include <pugixml.hpp>
#include <string>
#include <unordered_map>

#include "reports/diagram_layout.h"
#include "sizing/calc_result.h"

namespace cv::ui {

class DiagramView;

// The diagram of the project as last calculated, its runs not sized marked,
// its texts measured as the canvas that draws it measures them (by default
// the screen's).
cv::DiagramLayout LayOutProject(const pugi::xml_document& document, const cv::CalcResult& result,
                                const cv::TextMeasure& measure);
cv::DiagramLayout LayOutProject(const pugi::xml_document& document, const cv::CalcResult& result);

class DiagramPage : public QWidget {
  Q_OBJECT

 public:
  // The document, state and result must outlive the page.
  DiagramPage(const pugi::xml_document& document, const cv::ProgramState& state,
              const cv::CalcResult& result, QWidget* parent = nullptr);

  void Invalidate();
  DiagramView* View() const noexcept { return view_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Refresh();
  // What a screen reader says for a box: the node as the tree reads it.
  QString Reading(const cv::DiagramBox& box);

  const pugi::xml_document& document_;
  const cv::ProgramState& state_;
  const cv::CalcResult& result_;
  DiagramView* view_;
  bool stale_ = true;
  bool fitted_ = false;
  // The nodes of the boxes by id, filled when a reading is first asked for.
  std::unordered_map<std::string, pugi::xml_node> nodes_;
};

}  // namespace cv::ui
