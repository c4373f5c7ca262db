#include "ui/results/diagram_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/errors.h"
#include "project/document.h"
#include "project/project_state.h"
#include "reports/node_reading.h"
#include "sizing/units.h"
#include "ui/results/diagram_view.h"
#include "ui/results/qt_diagram_canvas.h"

namespace cv::ui {

cv::DiagramLayout LayOutProject(const pugi::xml_document& document, const cv::CalcResult& result,
                                const cv::TextMeasure& measure) {
  return cv::LayOutDiagram(document, result.UnsizedRunIds(), measure);
}

cv::DiagramLayout LayOutProject(const pugi::xml_document& document, const cv::CalcResult& result) {
  return LayOutProject(document, result, QtTextMeasure());
}

DiagramPage::DiagramPage(const pugi::xml_document& document, const cv::ProgramState& state,
                         const cv::CalcResult& result, QWidget* parent)
    : QWidget(parent),
      document_(document),
      state_(state),
      result_(result),
      view_(new DiagramView(this)) {
  setObjectName(QStringLiteral("fTabView4"));
  auto* fit = new QPushButton(QStringLiteral("Fit"), this);
  fit->setObjectName(QStringLiteral("cmdFit"));
  connect(fit, &QPushButton::clicked, view_, &DiagramView::Fit);
  auto* hint = new QLabel(
      QStringLiteral("Wheel or Ctrl+plus/minus to zoom, drag to move; click a box or use the "
                     "arrow keys to select it, double-click or Enter to open it."),
      this);
  auto* bar = new QHBoxLayout();
  bar->addWidget(fit);
  bar->addWidget(hint, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(view_, 1);
  setTabOrder(fit, view_);  // the view was made first
  view_->SetReader([this](const cv::DiagramBox& box) { return Reading(box); });
}

QString DiagramPage::Reading(const cv::DiagramBox& box) {
  if (nodes_.empty())
    for (pugi::xml_node node : AllSystemNodes(document_)) nodes_.try_emplace(NodeId(node), node);
  const auto found = nodes_.find(box.nodeId);
  const pugi::xml_node node = found != nodes_.end() ? found->second : ProjectRoot(document_);
  return QString::fromStdString(NodeReading(node, DocumentUnitSystem(document_) == kMetric,
                                            IsDualSystem(document_), !box.failed));
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
  nodes_.clear();
  try {
    view_->SetDiagram(LayOutProject(document_, result_));
  } catch (const CvError&) {
    // A document that cannot be laid out (a field that is not a number)
    // draws nothing; the calculation has said why.
    view_->SetDiagram({});
  }
}

}  // namespace cv::ui
