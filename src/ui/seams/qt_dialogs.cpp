#include "ui/seams/qt_dialogs.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "ui/seams/busy_cursor.h"
#include "ui/seams/dialog_paths.h"

namespace cv::ui {
namespace {

QMessageBox::StandardButtons ButtonsOf(cv::MessageButtons buttons) {
  switch (buttons) {
    case cv::MessageButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case cv::MessageButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case cv::MessageButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case cv::MessageButtons::Ok:
      break;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(cv::MessageIcon icon) {
  switch (icon) {
    case cv::MessageIcon::Critical:
      return QMessageBox::Critical;
    case cv::MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case cv::MessageIcon::Information:
      return QMessageBox::Information;
    case cv::MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

cv::MessageAnswer AnswerOf(int button) {
  switch (button) {
    case QMessageBox::Cancel:
      return cv::MessageAnswer::Cancel;
    case QMessageBox::Yes:
      return cv::MessageAnswer::Yes;
    case QMessageBox::No:
      return cv::MessageAnswer::No;
    default:
      return cv::MessageAnswer::Ok;
  }
}

// Closing a box with its window button counts as its cancelling button.
QMessageBox::StandardButton EscapeButtonOf(cv::MessageButtons buttons) {
  switch (buttons) {
    case cv::MessageButtons::OkCancel:
    case cv::MessageButtons::YesNoCancel:
      return QMessageBox::Cancel;
    case cv::MessageButtons::YesNo:
      return QMessageBox::No;
    case cv::MessageButtons::Ok:
      break;
  }
  return QMessageBox::Ok;
}

using FileNameDialog = QString (*)(QWidget*, const QString&, const QString&, const QString&,
                                   QString*, QFileDialog::Options);

// The start folder, with the proposed name in it when there is one.
QString StartPath(const QString& proposed) {
  return proposed.isEmpty() ? StartFolder() : QDir(StartFolder()).filePath(proposed);
}

// The chosen name and filter, or nullopt when the dialog was cancelled.
std::optional<SaveChoice> AskFileName(FileNameDialog dialog, QFileDialog::Options options,
                                      QWidget* parent, const QString& caption,
                                      const QStringList& filters, int selectedFilter,
                                      const QString& proposed) {
  QString chosen = selectedFilter >= 0 && selectedFilter < filters.size()
                       ? filters.at(selectedFilter)
                       : QString();
  QString name = dialog(parent, caption, StartPath(proposed), filters.join(QStringLiteral(";;")),
                        &chosen, options);
  if (name.isEmpty()) return std::nullopt;
  KeepFolderOf(name);
  return SaveChoice{name, static_cast<int>(filters.indexOf(chosen))};
}

}  // namespace

cv::MessageAnswer QtMessageSink::Show(const cv::Message& message) {
  QMessageBox box(IconOf(message.icon), QString::fromStdString(message.EffectiveTitle()),
                  QString::fromStdString(message.text), ButtonsOf(message.buttons), parent_);
  box.setEscapeButton(EscapeButtonOf(message.buttons));
  // A screen reader announces the box with its text, not its title alone.
  box.setAccessibleDescription(box.text());
  cv::ArrowCursor arrow;
  return AnswerOf(box.exec());
}

std::optional<QString> QtFileDialogs::OpenFileName(QWidget* parent, const QString& caption,
                                                   const QStringList& filters, int selectedFilter) {
  const std::optional<SaveChoice> chosen =
      AskFileName(&QFileDialog::getOpenFileName, QFileDialog::ReadOnly, parent, caption, filters,
                  selectedFilter, {});
  return chosen ? std::optional(chosen->name) : std::nullopt;
}

std::optional<SaveChoice> QtFileDialogs::SaveFileName(QWidget* parent, const QString& caption,
                                                      const QStringList& filters,
                                                      int selectedFilter, const QString& proposed) {
  return AskFileName(&QFileDialog::getSaveFileName, QFileDialog::DontConfirmOverwrite, parent,
                     caption, filters, selectedFilter, proposed);
}

std::unique_ptr<QFileDialog> MakeOutputFileDialog(QWidget* parent, const QString& caption,
                                                  const QString& filter, const QString& suffix,
                                                  const QString& proposed) {
  auto dialog = std::make_unique<QFileDialog>(parent, caption, StartPath(proposed), filter);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setDefaultSuffix(suffix);
  return dialog;
}

std::optional<QString> QtFileDialogs::OutputFileName(QWidget* parent, const QString& caption,
                                                     const QString& filter, const QString& suffix,
                                                     const QString& proposed) {
  const std::unique_ptr<QFileDialog> dialog =
      MakeOutputFileDialog(parent, caption, filter, suffix, proposed);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
  KeepFolderOf(dialog->selectedFiles().constFirst());
  return dialog->selectedFiles().constFirst();
}

std::unique_ptr<QPrintDialog> MakePrintSetupDialog(QPrinter& printer, QWidget* parent) {
  auto dialog = std::make_unique<QPrintDialog>(&printer, parent);
  dialog->setWindowTitle(QStringLiteral("Print Setup"));
  for (auto* buttons : dialog->findChildren<QDialogButtonBox*>())
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
      ok->setText(QStringLiteral("&Use These Settings"));
  return dialog;
}

bool QtPrinterDialogs::PrintSetup(QWidget* parent, QPrinter& printer) {
  return MakePrintSetupDialog(printer, parent)->exec() == QDialog::Accepted;
}

bool QtPrinterDialogs::ConfirmPrint(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace cv::ui
