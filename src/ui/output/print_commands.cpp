#include "ui/output/print_commands.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <optional>

#include "core/data_files.h"
#include "core/errors.h"
#include "project/document.h"
#include "reports/pressure_profile.h"
#include "reports/print_calculations.h"
#include "reports/print_checks.h"
#include "reports/print_diagram.h"
#include "reports/print_layout.h"
#include "reports/print_material_list.h"
#include "ui/access/icons.h"
#include "ui/editor/project_editor.h"
#include "ui/results/diagram_page.h"
#include "ui/results/profile_page.h"
#include "ui/seams/dialog_paths.h"
#include "ui/seams/named_actions.h"

namespace cv::ui {

namespace {

// The tree's images are drawn four times finer than their own 16 pixels,
// for the printer's resolution.
constexpr int kImagePixels = 16;
constexpr int kImageDetail = 4;

std::string ToUtf8(const QString& text) { return text.toUtf8().toStdString(); }

// The copies are printed one document at a time, so the printer itself
// must print each document once; the chosen count comes back afterwards.
class CopyCountHold {
 public:
  explicit CopyCountHold(QPrinter& printer) : printer_(printer), copies_(printer.copyCount()) {
    printer_.setCopyCount(1);
  }
  ~CopyCountHold() { printer_.setCopyCount(copies_); }
  int Copies() const noexcept { return copies_; }

 private:
  QPrinter& printer_;
  int copies_;
};

}  // namespace

QImage PrintPicture(const QString& key) {
  if (key == QLatin1String(cv::kLogoPictureKey))
    return QImage(QString::fromStdString(FindDataFile(cv::kLogoPictureKey)));
  if (!ImageKeys().contains(key)) return {};
  QImage image = DeviceImage(key, kImagePixels * kImageDetail).toImage();
  image.setDevicePixelRatio(kImageDetail);
  return image;
}

QString ProposedPdfName(const std::string& projectPath, const QString& lastFolder) {
  const QString folder = !lastFolder.isEmpty() ? lastFolder
                         : projectPath.empty()
                             ? QDir::homePath()
                             : QFileInfo(QFile::decodeName(projectPath.c_str())).absolutePath();
  return QDir(folder).filePath(ProposedName(projectPath, QStringLiteral(".pdf")));
}

PrintCommands::PrintCommands(OutputContext context)
    : QObject(context.window), context_(std::move(context)), printer_(QPrinter::HighResolution) {
  QWidget& window = *context_.window;
  MessageSink& messages = *context_.seams.messages;
  setObjectName(QStringLiteral("PrintCommands"));
  factory_ = [](QPrinter& printer) {
    return std::make_shared<QtPrintSurface>(printer, PrintPicture);
  };
  ConnectNamedAction(window, "PrintProject", messages, [this] { PrintProject_Click(); });
  ConnectNamedAction(window, "PrintDesignLayout", messages, [this] { PrintDesignLayout_Click(); });
  ConnectNamedAction(window, "PrintMaterialList", messages, [this] { PrintMaterialList_Click(); });
  ConnectNamedAction(window, "PrintCalculations", messages, [this] { PrintCalculations_Click(); });
  ConnectNamedAction(window, "PrintDiagram", messages, [this] { PrintDiagram_Click(); });
  ConnectNamedAction(window, "PrintProfile", messages, [this] { PrintProfile_Click(); });
  ConnectNamedAction(window, "PrintSetup", messages, [this] { PrintSetup_Click(); });
}

void PrintCommands::PrintProject_Click() {
  RunJobs({Job::Layout, Job::MaterialList, Job::Calculations});
}
void PrintCommands::PrintDesignLayout_Click() { RunJobs({Job::Layout}); }
void PrintCommands::PrintMaterialList_Click() { RunJobs({Job::MaterialList}); }
void PrintCommands::PrintCalculations_Click() { RunJobs({Job::Calculations}); }
void PrintCommands::PrintDiagram_Click() { RunJobs({Job::Diagram}); }
void PrintCommands::PrintProfile_Click() { RunJobs({Job::Profile}); }

void PrintCommands::PrintSetup_Click() {
  ProposeOutputFile();
  if (context_.seams.printers->PrintSetup(context_.window, printer_)) RememberOutputFolder();
}

void PrintCommands::RememberOutputFolder() {
  if (printer_.outputFormat() == QPrinter::PdfFormat)
    lastFolder_ = QFileInfo(printer_.outputFileName()).absolutePath();
}

QString PrintCommands::ComboText(const char* objectName) const {
  const auto* combo = context_.window->findChild<QComboBox*>(QString::fromLatin1(objectName));
  return combo ? combo->currentText() : QString();
}

cv::PrintHeader PrintCommands::Header() const {
  const QDateTime now = QDateTime::currentDateTime();
  const QLocale locale;
  cv::PrintHeader header;
  header.projectPath = context_.editor->Path();
  header.dateTime = ToUtf8(locale.toString(now.date(), QLocale::ShortFormat) + ' ' +
                           locale.toString(now.time(), QLocale::ShortFormat));
  header.gasType = ToUtf8(ComboText("cboGasType"));
  header.supplyPressure = ToUtf8(ComboText("cboSupplyPressure"));
  header.internalPressure = ToUtf8(ComboText("cboInternalPressure"));
  return header;
}

void PrintCommands::ProposeOutputFile() {
  const QPrinter::OutputFormat format = printer_.outputFormat();
  printer_.setOutputFileName(ProposedPdfName(context_.editor->Path(), lastFolder_));
  // Naming a file turns the printer into a PDF writer; a printer chosen
  // before stays the choice.
  if (format == QPrinter::NativeFormat) printer_.setOutputFormat(QPrinter::NativeFormat);
}

void PrintCommands::ShowPrintError(const std::string& description) {
  context_.seams.messages->Show(
      {cv::PrintErrorMessage(description), "Error", cv::MessageButtons::Ok, cv::MessageIcon::None});
}

void PrintCommands::RunJob(Job job, cv::PrintSurface& surface, int copies) {
  const pugi::xml_document& doc = context_.editor->Doc();
  if (job == Job::Layout) {
    cv::PrintDesignLayoutJob(surface, doc, Header(), copies, {kImagePixels});
    return;
  }
  if (job == Job::Diagram) {
    const cv::DiagramLayout layout =
        LayOutProject(doc, context_.editor->Result(), cv::PrintTextMeasure(surface));
    cv::PrintDiagramJob(surface, doc, layout, Header(), copies);
    return;
  }
  if (job == Job::Profile) {
    // The profile the page shows (or would show): the one exported too.
    const std::optional<cv::PressureProfile> profile = context_.profilePage->Profile();
    if (!profile) cv::Raise(5, ProfilePage::kNoProfileText);
    cv::PrintProfileJob(surface, doc, *profile, Header(), copies);
    return;
  }
  if (job == Job::Calculations) {
    cv::PrintCalculationsJob(surface, doc, Header(), context_.editor->Result(), copies);
    return;
  }
  // The list is built afresh, so it matches the network being printed.
  cv::PrintMaterialListJob(surface, doc, Header(), context_.materialList(), copies);
}

void PrintCommands::RunJobs(const std::vector<Job>& jobs) {
  std::optional<CopyCountHold> copies;
  std::shared_ptr<cv::PrintSurface> surface;
  // One command, one answer: "Entire Project" prints nothing when refused.
  const bool marksUnsized = std::ranges::all_of(
      jobs, [](Job job) { return job != Job::Layout && job != Job::MaterialList; });
  if (cv::PrintRefused(context_.editor->Doc(), context_.editor->Result(), marksUnsized)) {
    context_.seams.messages->Show(
        {cv::kCorrectErrorsText, "Error", cv::MessageButtons::Ok, cv::MessageIcon::Exclamation});
    return;
  }
  try {
    for (Job job : jobs) {
      if (!surface) {
        ProposeOutputFile();
        if (!context_.seams.printers->ConfirmPrint(context_.window, printer_)) return;
        RememberOutputFolder();
        copies.emplace(printer_);
        surface = factory_(printer_);
      }
      RunJob(job, *surface, copies->Copies());
    }
  } catch (const cv::CvError& e) {
    ShowPrintError(e.description());
  } catch (const std::exception& e) {
    ShowPrintError(e.what());
  }
}

}  // namespace cv::ui
