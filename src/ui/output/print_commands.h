// The Print submenu: "Entire Project", "Design Layout", "Material List",
// "Calculations", "Diagram", "Pressure Profile" and "P&rint Setup...". The
// commands read the document, the supply panel's lists and the material
// list, and change nothing.
#pragma once

#include <QObject>
#include <QPrinter>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "reports/print_settings_block.h"
#include "reports/print_surface.h"
#include "ui/output/output_context.h"
#include "ui/seams/qt_print_surface.h"

namespace cv::ui {

// The pictures of the printouts: the logo file "crvntlogo.bmp" of the
// program's folder and the tree's images.
QImage PrintPicture(const QString& key);

// The PDF file the print dialog proposes: the project's name with ".pdf",
// in the folder last printed to, else in the project's folder, else in the
// home folder ("New Project.pdf" for a project never saved).
QString ProposedPdfName(const std::string& projectPath, const QString& lastFolder);

class PrintCommands : public QObject {
  Q_OBJECT

 public:
  // Makes the surface a print session draws on; tests put a recording one.
  using SurfaceFactory = std::function<std::shared_ptr<cv::PrintSurface>(QPrinter&)>;

  // Connects the menu entries of the context's window and becomes its
  // child; the seams must outlive the commands.
  explicit PrintCommands(OutputContext context);

  void PrintProject_Click();
  void PrintDesignLayout_Click();
  void PrintMaterialList_Click();
  void PrintCalculations_Click();
  void PrintDiagram_Click();
  void PrintProfile_Click();
  void PrintSetup_Click();

  QPrinter& Printer() noexcept { return printer_; }
  void SetSurfaceFactory(SurfaceFactory factory) { factory_ = std::move(factory); }

  // The settings block's texts as the window shows them now.
  cv::PrintHeader Header() const;

 private:
  enum class Job { Layout, MaterialList, Calculations, Diagram, Profile };
  // Runs the jobs in order, each after its own check, on one surface; the
  // print dialog is shown before the first job that passes its check.
  void RunJobs(const std::vector<Job>& jobs);
  void RunJob(Job job, cv::PrintSurface& surface, int copies);
  QString ComboText(const char* objectName) const;
  // Puts the proposed PDF name into the printer, keeping its output format.
  void ProposeOutputFile();
  // The folder of a PDF the user chose, proposed the next time.
  void RememberOutputFolder();
  void ShowPrintError(const std::string& description);

  OutputContext context_;
  QPrinter printer_;
  SurfaceFactory factory_;
  QString lastFolder_;
};

}  // namespace cv::ui
