// The "Pressure Profile" page: the pressure along the path to the appliance
// or regulator selected when the page is shown, drawn as on paper and in
// SVG; clicking a point selects its node.
#pragma once

#include <QPushButton>
#include <QWidget>
#include <functional>
#include <optional>
#include <pugixml.hpp>
#include <string>

#include "reports/pressure_profile.h"
#include "sizing/calc_result.h"

namespace cv::ui {

class ProfilePage : public QWidget {
  Q_OBJECT

 public:
  // The document and result must outlive the page; selectedId names the
  // node selected in the tree.
  ProfilePage(const pugi::xml_document& document, const cv::CalcResult& result,
              std::function<std::string()> selectedId, QWidget* parent = nullptr);

  static constexpr const char* kNoProfileText =
      "Select an appliance or a regulator in the tree to see the pressure along its path from "
      "the gas source.";

  // The profile the page shows, or while hidden that of the node selected
  // in the tree; none when that node is no appliance or regulator (or the
  // network holds no pressures yet).
  std::optional<cv::PressureProfile> Profile() const;

 signals:
  void nodeClicked(const QString& nodeId);
  // The page's "Export…" button: the window writes the profile to a file.
  void exportRequested();

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // From the drawing's twips to the page, keeping its proportions.
  QTransform DrawingToPage() const;

  const pugi::xml_document& document_;
  const cv::CalcResult& result_;  // its runs not sized are marked
  std::function<std::string()> selectedId_;
  std::string nodeId_;
  QPushButton* export_;
};

}  // namespace cv::ui
