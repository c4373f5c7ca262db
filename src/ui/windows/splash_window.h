// frmSplash: the disclaimer shown modally once during start-up.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace cv::ui {

// "Version 2.2.4"
QString VersionText();
// The disclaimer paragraph of the splash window.
QString DisclaimerText();

class SplashWindow : public QDialog {
  Q_OBJECT

 public:
  explicit SplashWindow(QWidget* parent = nullptr);

  void Form_Load();
  void cmdEnter_Click();

  QLabel* lblProductName;
  QLabel* lblPlatform;
  QLabel* lblVersion;
  QLabel* lblCopyright;
  QLabel* lblDisclaimer;
  QLabel* Image1;
  QLabel* imgLogo;
  QPushButton* cmdEnter;
};

}  // namespace cv::ui
