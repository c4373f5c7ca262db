// The Print submenu driven through the main window: the refusals, the order
// and number of documents, the copies, the settings block's texts and a
// failing job, drawn on a recording surface.
#include "ui/output/print_commands.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>

#include "main_window_fixture.h"
#include "print/recording_surface.h"
#include "project/document.h"
#include "reports/print_material_list.h"
#include "ui/windows/program.h"
#include "ui/windows/small_windows.h"

namespace cv::ui::test {
namespace {

using cvtest::Drawn;
using cvtest::RecordingSurface;

const char* const kCorrect = "Please correct errors in system before printing...";

class PrintCommandsTest : public MainWindowTest {
 protected:
  void Wire(MainWindow& window, Seams& s) override { WireControllers(window, s); }

  void SetUp() override {
    MainWindowTest::SetUp();
    commands_ = Window().findChild<PrintCommands*>("PrintCommands");
    ASSERT_NE(commands_, nullptr);
    commands_->SetSurfaceFactory([this](QPrinter&) {
      surfaces_.push_back(std::make_shared<RecordingSurface>());
      return surfaces_.back();
    });
  }

  void Menu(const char* name) { Window().MenuAction(QString::fromLatin1(name))->trigger(); }

  // A sized network: the supply, a tee and two appliances.
  void DrawSmallNetwork() {
    QTreeWidgetItem* tee = AddDevice(GasSupply(), "Main tee", "Tee");
    AddDevice(tee, "Kitchen range", "Range", "65");
    AddDevice(tee, "Furnace", "Furnace", "100");
    messages.Clear();
  }

  RecordingSurface& Only() {
    EXPECT_EQ(surfaces_.size(), 1u) << "one print session";
    return *surfaces_.front();
  }

  PrintCommands* commands_ = nullptr;
  std::vector<std::shared_ptr<RecordingSurface>> surfaces_;
};

TEST_F(PrintCommandsTest, UnsizedRunIsRefusedByEveryCommand) {
  // A new node keeps no size until its update is calculated.
  AddDevice(GasSupply(), "Dryer", "Dryer", "20");
  SetFieldText(Node(Item("Dryer")), "materialSize", "");
  messages.Clear();

  for (const char* command :
       {"PrintDesignLayout", "PrintMaterialList", "PrintProject", "PrintDiagram"})
    Menu(command);
  // One refusal a command, "Entire Project" too.
  ASSERT_EQ(messages.Texts(), std::vector<std::string>(4, kCorrect));
  EXPECT_EQ(messages.Last().title, "Error");
  EXPECT_EQ(messages.Last().icon, cv::MessageIcon::Exclamation);
  EXPECT_EQ(printers.ConfirmCount(), 0);
  EXPECT_TRUE(surfaces_.empty());
}

// The design printouts wait for a network that is sized; the calculations,
// the diagram and the profile print it with the run that failed marked.
TEST_F(PrintCommandsTest, AFailedSizingPrintsOnlyWhereTheFailureIsMarked) {
  AddDevice(GasSupply(), "Kiln", "Other", "5000", "900");  // selected
  ASSERT_FALSE(Window().Editor().Result().AllSized());
  const std::pair<const char*, bool> cases[] = {
      {"PrintDesignLayout", true},  {"PrintMaterialList", true}, {"PrintProject", true},
      {"PrintCalculations", false}, {"PrintDiagram", false},     {"PrintProfile", false}};
  for (const auto& [command, refused] : cases) {
    SCOPED_TRACE(command);
    messages.Clear();
    surfaces_.clear();
    Menu(command);
    EXPECT_EQ(messages.Texts(),
              refused ? std::vector<std::string>{kCorrect} : std::vector<std::string>{});
    EXPECT_EQ(surfaces_.size(), refused ? 0u : 1u);
  }
}

TEST_F(PrintCommandsTest, ANewProjectForgetsTheSizingFailureOfTheOneBefore) {
  AddDevice(GasSupply(), "Kiln", "Other", "5000", "900");
  ASSERT_FALSE(Window().Editor().Result().AllSized());
  messages.Answer(cv::MessageAnswer::No);  // to the offer to save
  Menu("New");
  messages.Clear();
  Menu("PrintDesignLayout");
  EXPECT_TRUE(messages.Texts().empty());
  EXPECT_EQ(surfaces_.size(), 1u);
}

TEST_F(PrintCommandsTest, EntireProjectSendsLayoutsMaterialListsAndCalculationsInTheirCopies) {
  DrawSmallNetwork();
  commands_->Printer().setCopyCount(2);
  Menu("PrintProject");
  EXPECT_TRUE(messages.Shown().empty());
  EXPECT_EQ(printers.ConfirmCount(), 1) << "one dialog for all jobs";
  RecordingSurface& surface = Only();
  const std::pair<const char*, cv::PageOrientation> documents[] = {
      {"System Layout", cv::PageOrientation::Landscape},
      {"System Layout", cv::PageOrientation::Landscape},
      {"Material List", cv::PageOrientation::Portrait},
      {"Material List", cv::PageOrientation::Portrait},
      {"Calculations", cv::PageOrientation::Landscape},
      {"Calculations", cv::PageOrientation::Landscape}};
  EXPECT_EQ(surface.DocumentsEnded(), 6);
  for (int document = 0; document < 6; ++document) {
    const auto [title, orientation] = documents[document];
    const std::vector<std::string> texts = surface.TextsOn(document, 0);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), title), 1) << document;
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "System Settings"), 1) << document;
    const auto first = std::find_if(surface.Items().begin(), surface.Items().end(),
                                    [&](const Drawn& d) { return d.document == document; });
    ASSERT_NE(first, surface.Items().end());
    EXPECT_EQ(first->orientation, orientation);
  }
  EXPECT_EQ(commands_->Printer().copyCount(), 2);
}

TEST_F(PrintCommandsTest, DiagramPrintoutNamesEveryNodeOnce) {
  DrawSmallNetwork();
  Menu("PrintDiagram");
  const std::vector<std::string> texts = Only().Texts();
  for (const char* text : {"System Diagram", "Gas Supply", "Main tee", "Kitchen range", "Furnace"})
    EXPECT_EQ(std::count(texts.begin(), texts.end(), text), 1) << text;
}

TEST_F(PrintCommandsTest, CancelledPrintDialogPrintsNothing) {
  DrawSmallNetwork();
  QTemporaryDir dir;
  files.Answer(dir.filePath("house.cv"));
  Menu("SaveAs");
  printers.Answer(false);
  Menu("PrintProject");
  EXPECT_EQ(printers.ConfirmCount(), 1);
  EXPECT_EQ(printers.ProposedFile(), dir.filePath("house.pdf")) << "named after the project";
  EXPECT_TRUE(surfaces_.empty());
  EXPECT_TRUE(messages.Shown().empty());
}

// The block's layout is the report's; the window gives it the project's path
// and the supply list's entry.
TEST_F(PrintCommandsTest, SettingsBlockShowsTheProjectAndTheSupplyPanelsLists) {
  DrawSmallNetwork();
  Window().Editor().SetPath("/home/ann/house.cv");
  Menu("PrintDesignLayout");
  const std::vector<std::string> texts = Only().Texts();
  for (const std::string& line :
       {"Project: /home/ann/house.cv    -     (App Version: 2.2.4      File Version: " +
            RootAttributeText(ProjectRoot(Doc()), kAttrVersion) + ")",
        std::string(
            "Supply Pressure: 7-8 In WC Supply - .5 In WC Overall Pressure Drop  [Standard]")})
    EXPECT_EQ(std::count(texts.begin(), texts.end(), line), 1) << line;
}

TEST_F(PrintCommandsTest, MaterialListPrintoutHoldsTheListOfTheNetworkPrinted) {
  DrawSmallNetwork();
  Window().MaterialsText()->setPlainText("stale text");
  Menu("PrintMaterialList");
  std::vector<std::string> printed;
  for (const Drawn& d : Only().ItemsOf(Drawn::Kind::Text))
    if (d.fontName == "Courier New") printed.push_back(d.text);
  const std::string shown = Window().MaterialsText()->toPlainText().toStdString();
  EXPECT_EQ(printed, cv::SplitPrintLines(shown));
  EXPECT_EQ(std::find(printed.begin(), printed.end(), "stale text"), printed.end());
}

TEST_F(PrintCommandsTest, FailingJobShowsTheErrorAndStopsTheRest) {
  DrawSmallNetwork();
  commands_->SetSurfaceFactory([this](QPrinter&) {
    auto surface = std::make_shared<RecordingSurface>();
    surface->FailPicture("crvntlogo.bmp");
    surfaces_.push_back(surface);
    return surface;
  });
  Menu("PrintProject");
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Last().title, "Error");
  EXPECT_EQ(messages.Last().text.rfind("There was an error printing the project:\r\n\r\n", 0), 0u);
  EXPECT_NE(messages.Last().text.find("crvntlogo.bmp"), std::string::npos);
  EXPECT_EQ(Only().DocumentsEnded(), 0);
}

}  // namespace
}  // namespace cv::ui::test
