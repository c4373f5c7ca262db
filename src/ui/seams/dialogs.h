// The window program reaches message boxes, file dialogs and the printer
// set-up only through these interfaces, so that tests can answer them and
// read what they were shown.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "core/messages.h"

class QPrinter;
class QWidget;

namespace cv::ui {

// The file filter of the project dialogs; the second entry is preselected.
// "All Files" is "*": a name without a dot is a file too.
inline const QStringList kProjectFilters = {QStringLiteral("All Files (*)"),
                                            QStringLiteral("CORVANTA Sizing Project Files (*.cv)")};

// The name chosen in a save dialog and the index of the filter chosen with
// it.
struct SaveChoice {
  QString name;
  int filter = 0;
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen full file name, or nullopt when the user cancelled. The
  // dialogs ask no overwrite question and add no extension: the commands
  // do what they need themselves. A save dialog offers the proposed name
  // (without folder), which the user may change.
  virtual std::optional<QString> OpenFileName(QWidget* parent, const QString& caption,
                                              const QStringList& filters, int selectedFilter) = 0;
  virtual std::optional<SaveChoice> SaveFileName(QWidget* parent, const QString& caption,
                                                 const QStringList& filters, int selectedFilter,
                                                 const QString& proposed) = 0;
  // A file a command writes anew (a workbook, a picture): the dialog adds
  // the suffix to a name typed without one and asks before replacing an
  // existing file. Dialogs without that ask SaveFileName.
  virtual std::optional<QString> OutputFileName(QWidget* parent, const QString& caption,
                                                const QString& filter, const QString& suffix,
                                                const QString& proposed) {
    (void)suffix;
    const std::optional<SaveChoice> chosen = SaveFileName(parent, caption, {filter}, 0, proposed);
    return chosen ? std::optional(chosen->name) : std::nullopt;
  }
};

class PrinterDialogs {
 public:
  virtual ~PrinterDialogs() = default;
  // The printer set-up ("P&rint Setup..."); false when cancelled. The
  // copy count chosen stays on the printer.
  virtual bool PrintSetup(QWidget* parent, QPrinter& printer) = 0;
  // The print dialog before a print job (printer or PDF file); false when
  // cancelled.
  virtual bool ConfirmPrint(QWidget* parent, QPrinter& printer) = 0;
};

// All the seams of the window program in one place; the program passes the
// real ones, tests pass scripted ones.
struct Seams {
  cv::MessageSink* messages = nullptr;
  FileDialogs* files = nullptr;
  PrinterDialogs* printers = nullptr;
};

}  // namespace cv::ui
