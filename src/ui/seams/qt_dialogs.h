// The real seams of the window program: message boxes, file dialogs and the
// printer dialogs of Qt.
#pragma once

#include <memory>

#include "ui/seams/dialogs.h"

class QFileDialog;
class QPrintDialog;

namespace cv::ui {

// The dialog of QtFileDialogs::OutputFileName, before it is shown.
std::unique_ptr<QFileDialog> MakeOutputFileDialog(QWidget* parent, const QString& caption,
                                                  const QString& filter, const QString& suffix,
                                                  const QString& proposed);

// Shows messages in a modal QMessageBox over the given window (may be null).
class QtMessageSink : public cv::MessageSink {
 public:
  explicit QtMessageSink(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) noexcept { parent_ = parent; }
  cv::MessageAnswer Show(const cv::Message& message) override;

 private:
  QWidget* parent_;
};

// The printer set-up dialog: it chooses the printer and the copies for the
// print commands and prints nothing, and its button says so.
std::unique_ptr<QPrintDialog> MakePrintSetupDialog(QPrinter& printer, QWidget* parent);

class QtFileDialogs : public FileDialogs {
 public:
  std::optional<QString> OpenFileName(QWidget* parent, const QString& caption,
                                      const QStringList& filters, int selectedFilter) override;
  std::optional<SaveChoice> SaveFileName(QWidget* parent, const QString& caption,
                                         const QStringList& filters, int selectedFilter,
                                         const QString& proposed) override;
  std::optional<QString> OutputFileName(QWidget* parent, const QString& caption,
                                        const QString& filter, const QString& suffix,
                                        const QString& proposed) override;
};

class QtPrinterDialogs : public PrinterDialogs {
 public:
  bool PrintSetup(QWidget* parent, QPrinter& printer) override;
  bool ConfirmPrint(QWidget* parent, QPrinter& printer) override;
};

}  // namespace cv::ui
