// Seams that answer from a script and remember what they were shown, so
// that window tests never open a real dialog.
#pragma once

#include <QPrinter>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "support/recording_messages.h"
#include "ui/seams/dialogs.h"

namespace cv::ui::test {

// Records the boxes and answers from a script (the core tests' sink).
using ScriptedMessageSink = cvtest::RecordingMessages;

class ScriptedFileDialogs : public FileDialogs {
 public:
  struct Request {
    bool save = false;
    QStringList filters;
    int selectedFilter = -1;
    QString proposed;
  };
  // The next dialog's answer; nullopt (or an empty script) stands for Cancel.
  // A save dialog answers with the filter given, or else the preselected one.
  void Answer(std::optional<QString> name, int filter = -1) {
    answers_.push_back({std::move(name), filter});
  }
  std::optional<QString> OpenFileName(QWidget*, const QString&, const QStringList& filters,
                                      int selected) override {
    const std::optional<SaveChoice> chosen = Next({false, filters, selected, {}});
    return chosen ? std::optional(chosen->name) : std::nullopt;
  }
  std::optional<SaveChoice> SaveFileName(QWidget*, const QString&, const QStringList& filters,
                                         int selected, const QString& proposed) override {
    return Next({true, filters, selected, proposed});
  }
  const std::vector<Request>& Requests() const noexcept { return requests_; }

 private:
  struct Scripted {
    std::optional<QString> name;
    int filter;
  };
  std::optional<SaveChoice> Next(Request request) {
    const int selected = request.selectedFilter;
    requests_.push_back(std::move(request));
    const Scripted answer = cvtest::NextAnswer(answers_, Scripted{std::nullopt, -1});
    if (!answer.name) return std::nullopt;
    return SaveChoice{*answer.name, answer.filter >= 0 ? answer.filter : selected};
  }
  std::deque<Scripted> answers_;
  std::vector<Request> requests_;
};

class ScriptedPrinterDialogs : public PrinterDialogs {
 public:
  // The next dialog's answer; an empty script answers true (accepted).
  void Answer(bool accepted) { answers_.push_back(accepted); }
  bool PrintSetup(QWidget*, QPrinter&) override { return Next(); }
  bool ConfirmPrint(QWidget*, QPrinter& printer) override {
    ++confirms_;
    proposedFile_ = printer.outputFileName();
    if (!chosenFile_.isEmpty()) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(chosenFile_);
    }
    return Next();
  }
  int ConfirmCount() const noexcept { return confirms_; }
  // The PDF file the next print dialogs choose, as "Print to File" does.
  void PrintToFile(const QString& path) { chosenFile_ = path; }
  // The output file the last print dialog proposed.
  const QString& ProposedFile() const noexcept { return proposedFile_; }

 private:
  bool Next() { return cvtest::NextAnswer(answers_, true); }
  std::deque<bool> answers_;
  int confirms_ = 0;
  QString proposedFile_;
  QString chosenFile_;
};

}  // namespace cv::ui::test
