// The real seams of the window program: message boxes, file dialogs and the
// printer dialogs of Qt.
#pragma once

#include "ui/dialogs.h"

namespace cv::ui {

// Shows messages in a modal QMessageBox over the given window (may be null).
class QtMessageSink : public cv::MessageSink {
 public:
  explicit QtMessageSink(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) noexcept { parent_ = parent; }
  cv::MessageAnswer Show(const cv::Message& message) override;

 private:
  QWidget* parent_;
};

class QtFileDialogs : public FileDialogs {
 public:
  std::optional<QString> OpenFileName(QWidget* parent, const QString& caption,
                                      const QStringList& filters, int selectedFilter) override;
  std::optional<QString> SaveFileName(QWidget* parent, const QString& caption,
                                      const QStringList& filters, int selectedFilter) override;
};

class QtPrinterDialogs : public PrinterDialogs {
 public:
  bool PrintSetup(QWidget* parent, QPrinter& printer) override;
  bool ConfirmPrint(QWidget* parent, QPrinter& printer) override;
};

}  // namespace cv::ui
