// The monkey's dialogs: every message box gets a random answer among its
// buttons, file dialogs get names inside the monkey's folder, and printing
// goes to a PDF file there. Boxes reporting an internal error are kept for
// the checker.
#pragma once

#include <QString>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "ui/files/dialogs.h"

namespace cv::ui::monkey {

// The random numbers of one event; the same start value gives the same
// numbers, so an event replays alone.
class Dice {
 public:
  explicit Dice(std::uint64_t start = 0) : engine_(start) {}
  // A number in [0, n); 0 when n is not positive.
  int Below(int n) { return n > 0 ? static_cast<int>(engine_() % static_cast<unsigned>(n)) : 0; }
  bool OneIn(int n) { return Below(n) == 0; }
  std::uint64_t Next() { return engine_(); }

 private:
  std::mt19937_64 engine_;
};

class MonkeySeams : public cv::MessageSink, public FileDialogs, public PrinterDialogs {
 public:
  explicit MonkeySeams(QString folder) : folder_(std::move(folder)) {}
  Seams AsSeams() { return {this, this, this}; }
  void UseDice(Dice& dice) { dice_ = &dice; }
  Dice& Fallback() { return fallback_; }

  cv::MessageAnswer Show(const cv::Message& message) override;
  std::optional<QString> OpenFileName(QWidget*, const QString&, const QStringList&, int) override;
  std::optional<QString> SaveFileName(QWidget*, const QString&, const QStringList& filters,
                                      int) override;
  bool PrintSetup(QWidget*, QPrinter&) override;
  bool ConfirmPrint(QWidget*, QPrinter& printer) override;

  // Texts of the "Error Number:" boxes shown since the last call.
  std::vector<std::string> TakeErrorBoxes() { return std::exchange(errorBoxes_, {}); }

 private:
  Dice fallback_;
  Dice* dice_ = &fallback_;
  QString folder_;
  std::vector<std::string> errorBoxes_;
};

}  // namespace cv::ui::monkey
