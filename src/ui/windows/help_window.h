// frmHelp: the help text of "CVSizeHelp.txt", shown beside the main window
// without blocking it, with a Print button.
#pragma once

#include <QPrinter>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>

#include "ui/seams/dialogs.h"

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace cv::ui {

inline constexpr const char* kHelpFileName = "CVSizeHelp.txt";

// The help file's lines, each followed by CR LF (the last one too); nullopt
// when the file is missing or cannot be read.
std::optional<QString> ReadHelpText(const QString& path);

// The one line the window shows instead of the help when the file is
// missing or unreadable.
QString MissingHelpNote(const QString& path);

// Whether the help opens at start-up, kept in the program's settings; on
// until the user clears "Show this window at start-up".
bool ShowHelpAtStartUp();

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // The help file is read from helpPath; the seams must outlive the window.
  HelpWindow(const Seams& seams, QString helpPath, QWidget* parent = nullptr);

  void Form_Load();
  void cmdPrint_Click();
  void cmdOK_Click();

  QPrinter& Printer() noexcept { return printer_; }

  QPlainTextEdit* txtHelp;
  QCheckBox* chkShowAtStartUp;
  QPushButton* cmdPrint;
  QPushButton* cmdOK;

 private:
  Seams seams_;
  QString helpPath_;
  QPrinter printer_;
};

}  // namespace cv::ui
