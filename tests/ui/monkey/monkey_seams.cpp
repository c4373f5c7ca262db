#include "monkey_seams.h"

#include <QDir>
#include <QPrinter>

namespace cv::ui::monkey {

cv::MessageAnswer MonkeySeams::Show(const cv::Message& message) {
  using cv::MessageAnswer;
  if (message.text.starts_with("Error Number:")) errorBoxes_.push_back(message.text);
  switch (message.buttons) {
    case cv::MessageButtons::OkCancel:
      return dice_->OneIn(2) ? MessageAnswer::Ok : MessageAnswer::Cancel;
    case cv::MessageButtons::YesNo:
      return dice_->OneIn(2) ? MessageAnswer::Yes : MessageAnswer::No;
    case cv::MessageButtons::YesNoCancel: {
      const MessageAnswer answers[] = {MessageAnswer::Yes, MessageAnswer::No,
                                       MessageAnswer::Cancel};
      return answers[dice_->Below(3)];
    }
    case cv::MessageButtons::Ok:
      break;
  }
  return MessageAnswer::Ok;
}

// One of the projects in the folder (the starting one among them), a name
// that does not exist, or Cancel.
std::optional<QString> MonkeySeams::OpenFileName(QWidget*, const QString&, const QStringList&,
                                                 int) {
  const QStringList projects = QDir(folder_).entryList({QStringLiteral("*.cv")}, QDir::Files);
  const int pick = dice_->Below(static_cast<int>(projects.size()) + 2);
  if (pick == 0) return std::nullopt;
  if (pick == 1) return QDir(folder_).filePath(QStringLiteral("missing.cv"));
  return QDir(folder_).filePath(projects.at(pick - 2));
}

// A few names, with and without extension, so that saves also replace files.
std::optional<QString> MonkeySeams::SaveFileName(QWidget*, const QString&,
                                                 const QStringList& filters, int) {
  const int pick = dice_->Below(5);
  if (pick == 0) return std::nullopt;
  const bool workbook = filters.join(QString()).contains(QStringLiteral("xlsx"));
  const QString name = QStringLiteral("saved%1").arg(pick);
  const QString extension = pick == 4 ? QString() : workbook ? ".xlsx" : ".cv";
  return QDir(folder_).filePath(name + extension);
}

bool MonkeySeams::PrintSetup(QWidget*, QPrinter&) { return dice_->OneIn(2); }

bool MonkeySeams::ConfirmPrint(QWidget*, QPrinter& printer) {
  if (dice_->OneIn(3)) return false;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QDir(folder_).filePath(QStringLiteral("printed.pdf")));
  return true;
}

}  // namespace cv::ui::monkey
