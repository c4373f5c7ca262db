#include "ui/results/profile_page.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "core/errors.h"
#include "project/project_state.h"
#include "reports/profile_drawing.h"
#include "ui/results/qt_diagram_canvas.h"

namespace cv::ui {

namespace {

// How far from a point a click still takes it, in page pixels.
constexpr double kClickRadius = 8;
constexpr int kButtonMargin = 6;

}  // namespace

ProfilePage::ProfilePage(const pugi::xml_document& document, const cv::CalcResult& result,
                         std::function<std::string()> selectedId, QWidget* parent)
    : QWidget(parent),
      document_(document),
      result_(result),
      selectedId_(std::move(selectedId)),
      export_(new QPushButton(QStringLiteral("E&xport\u2026"), this)) {
  setObjectName(QStringLiteral("fTabView5"));
  setAccessibleName(QStringLiteral("Pressure Profile"));
  export_->setObjectName(QStringLiteral("cmdExportProfile"));
  export_->setToolTip(QStringLiteral("Writes the profile as an SVG, PDF or PNG file"));
  connect(export_, &QPushButton::clicked, this, &ProfilePage::exportRequested);
}

void ProfilePage::resizeEvent(QResizeEvent* event) {
  // In the top right corner, beside the drawing's title.
  export_->adjustSize();
  export_->move(width() - export_->width() - kButtonMargin, kButtonMargin);
  QWidget::resizeEvent(event);
}

std::optional<cv::PressureProfile> ProfilePage::Profile() const {
  try {
    // Clicking a point selects its node but keeps the profile on the page.
    const std::string id = isVisible() ? nodeId_ : selectedId_();
    return cv::BuildPressureProfile(document_, id, cv::IsDualSystem(document_),
                                    cv::DocumentUnitSystem(document_), result_);
  } catch (const cv::CvError&) {
    return std::nullopt;
  }
}

void ProfilePage::showEvent(QShowEvent* event) {
  nodeId_ = selectedId_();
  QWidget::showEvent(event);
}

QTransform ProfilePage::DrawingToPage() const {
  const double scale = std::min(width() / cv::kProfileWidth, height() / cv::kProfileHeight);
  return QTransform::fromScale(scale, scale);
}

void ProfilePage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  const std::optional<cv::PressureProfile> profile = Profile();
  if (!profile) {
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                     QString::fromLatin1(kNoProfileText));
    return;
  }
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setTransform(DrawingToPage());
  QtDiagramCanvas canvas(painter);
  cv::DrawPressureProfile(canvas, *profile);
}

void ProfilePage::mousePressEvent(QMouseEvent* event) {
  const std::optional<cv::PressureProfile> profile = Profile();
  const QTransform toPage = DrawingToPage();
  if (!profile || toPage.m11() <= 0) return;
  const QPointF at = toPage.inverted().map(event->position());
  const int index = cv::PointNear(*profile, at.x(), at.y(), kClickRadius / toPage.m11());
  if (index < 0) return;
  const std::string& id = profile->points[static_cast<size_t>(index)].id;
  emit nodeClicked(QString::fromStdString(id));
}

}  // namespace cv::ui
