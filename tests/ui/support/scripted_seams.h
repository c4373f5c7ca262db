// Seams that answer from a script and remember what they were shown, so
// that window tests never open a real dialog.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "support/recording_messages.h"
#include "ui/dialogs.h"

namespace cv::ui::test {

// Records the boxes and answers from a script (the core tests' sink), with
// the last box at hand.
class ScriptedMessageSink : public cvtest::RecordingMessages {
 public:
  const cv::Message& Last() const { return Shown().back(); }
};

class ScriptedFileDialogs : public FileDialogs {
 public:
  struct Request {
    bool save = false;
    QString caption;
    QStringList filters;
    int selectedFilter = -1;
  };
  // The next dialog's answer; nullopt stands for Cancel. An empty script
  // answers Cancel.
  void Answer(std::optional<QString> name) {
    answers_.push_back({!name.has_value(), name.value_or(QString())});
  }
  std::optional<QString> OpenFileName(QWidget*, const QString& caption, const QStringList& filters,
                                      int selectedFilter) override;
  std::optional<QString> SaveFileName(QWidget*, const QString& caption, const QStringList& filters,
                                      int selectedFilter) override;
  const std::vector<Request>& Requests() const noexcept { return requests_; }

 private:
  std::optional<QString> Next(Request request);
  struct Scripted {
    bool cancel = true;
    QString name;
  };
  std::deque<Scripted> answers_;
  std::vector<Request> requests_;
};

class ScriptedPrinterDialogs : public PrinterDialogs {
 public:
  // The next dialog's answer; an empty script answers true (accepted).
  void Answer(bool accepted) { answers_.push_back(accepted); }
  bool PrintSetup(QWidget*, QPrinter&) override;
  bool ConfirmPrint(QWidget*, QPrinter&) override;
  int SetupCount() const noexcept { return setups_; }
  int ConfirmCount() const noexcept { return confirms_; }
  // The PDF file the next print dialogs choose, as "Print to File" does.
  void PrintToFile(const QString& path) { chosenFile_ = path; }
  // The output file the last print dialog proposed.
  const QString& ProposedFile() const noexcept { return proposedFile_; }

 private:
  bool Next();
  std::deque<bool> answers_;
  int setups_ = 0;
  int confirms_ = 0;
  QString proposedFile_;
  QString chosenFile_;
};

}  // namespace cv::ui::test
