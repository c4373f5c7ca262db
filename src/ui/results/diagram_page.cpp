#include "ui/results/diagram_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/errors.h"
#include "ui/results/diagram_view.h"
#include "ui/results/qt_diagram_canvas.h"

namespace cv::ui {

cv::DiagramLayout LayOutProject(const pugi::xml_document& document, const cv::ProgramState& state,
                                const cv::TextMeasure& measure) {
  std::vector<std::string> failed;
  failed.reserve(state.SizingFailures.size());
  for (const auto& failure : state.SizingFailures) failed.push_back(failure.nodeId);
  return cv::LayOutDiagram(document, failed, measure);
}

cv::DiagramLayout LayOutProject(const pugi::xml_document& document, const cv::ProgramState& state) {
  return LayOutProject(document, state, QtTextMeasure());
}

DiagramPage::DiagramPage(const pugi::xml_document& document, const cv::ProgramState& state,
                         QWidget* parent)
    : QWidget(parent), document_(document), state_(state), view_(new DiagramView(this)) {
  setObjectName(QStringLiteral("fTabView4"));
  auto* fit = new QPushButton(QStringLiteral("Fit"), this);
  fit->setObjectName(QStringLiteral("cmdFit"));
  connect(fit, &QPushButton::clicked, view_, &DiagramView::Fit);
  auto* hint = new QLabel(
      QStringLiteral("Wheel or Ctrl+plus/minus to zoom, drag to move; click a box to select "
                     "it, double-click to open it."),
      this);
  auto* bar = new QHBoxLayout();
  bar->addWidget(fit);
  bar->addWidget(hint, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(view_, 1);
}

void DiagramPage::Invalidate() {
  stale_ = true;
  // The current page of the tabs is not hidden, even in a window not shown.
  if (!isHidden()) Refresh();
}

void DiagramPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (stale_) Refresh();
  if (!fitted_) {
    fitted_ = true;
    view_->FitWhenShown();
  }
}

void DiagramPage::Refresh() {
  stale_ = false;
  try {
    view_->SetDiagram(LayOutProject(document_, state_));
  } catch (const CvError&) {
    // A document that cannot be laid out (a field that is not a number)
    // draws nothing; the calculation has said why.
    view_->SetDiagram({});
  }
}

}  // namespace cv::ui
