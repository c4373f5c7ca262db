// The "Diagram" page: the network drawn as a schematic, with a "Fit"
// button. It follows every calculation, laid out again when it is shown
// after one.
#pragma once

#include <QWidget>
#include <pugixml.hpp>

#include "reports/diagram_layout.h"
#include "sizing/program_state.h"

namespace cv::ui {

class DiagramView;

// The diagram of the project as last calculated, its failed runs marked,
// its texts measured as the canvas that draws it measures them (by default
// the screen's).
cv::DiagramLayout LayOutProject(const pugi::xml_document& document, const cv::ProgramState& state,
                                const cv::TextMeasure& measure);
cv::DiagramLayout LayOutProject(const pugi::xml_document& document, const cv::ProgramState& state);

class DiagramPage : public QWidget {
  Q_OBJECT

 public:
  // The document and state must outlive the page.
  DiagramPage(const pugi::xml_document& document, const cv::ProgramState& state,
              QWidget* parent = nullptr);

  void Invalidate();
  DiagramView* View() const noexcept { return view_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Refresh();

  const pugi::xml_document& document_;
  const cv::ProgramState& state_;
  DiagramView* view_;
  bool stale_ = true;
  bool fitted_ = false;
};

}  // namespace cv::ui
