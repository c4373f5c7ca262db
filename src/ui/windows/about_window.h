// frmAbout: the program's title and version, system information and the
// switch of the calculation trace.
#pragma once

#include <QDialog>
#include <QString>

#include "core/messages.h"

class QLabel;
class QPushButton;

namespace cv::ui {

inline constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";

// The caption of the debug button for a state of the trace.
QString DebugCaption(bool debugMode);

// There is no system-information program to start on this platform, so the
// user is told so.
void StartSysInfo(cv::MessageSink& messages);

class AboutWindow : public QDialog {
  Q_OBJECT

 public:
  // debugMode is the program's trace switch, which the debug button flips.
  AboutWindow(bool& debugMode, cv::MessageSink& messages, QWidget* parent = nullptr);

  void Form_Load();
  void cmdDebug_Click();
  void cmdSysInfo_Click();
  void cmdOK_Click();

  QLabel* picIcon;
  QLabel* lblTitle;
  QLabel* lblVersion;
  QLabel* lblDescription;
  QLabel* lblContact;
  QPushButton* cmdSysInfo;
  QPushButton* cmdDebug;
  QPushButton* cmdOK;

 private:
  bool& debugMode_;
  cv::MessageSink& messages_;
};

}  // namespace cv::ui
