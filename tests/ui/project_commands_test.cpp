// New, Open, Save, Save As and Exit on the real main window, with the
// message boxes and file dialogs answered by the test.
#include "ui/files/project_commands.h"

#include <sys/resource.h>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <csignal>

#include "main_window_fixture.h"
#include "project/document.h"
#include "support/files.h"
#include "ui/files/recent_files.h"
#include "ui/panels/appliance_panel.h"
#include "ui/panels/supply_panel.h"
#include "ui/tree/result_columns.h"
#include "ui/windows/project_wiring.h"

namespace cv::ui::test {
namespace {

using cvtest::FileExists;
using cvtest::ReadFile;
using cvtest::WriteFile;

class ProjectCommandsTest : public MainWindowTest {
 protected:
  void Wire(MainWindow& window, Seams& s) override { InstallProjectControllers(window, s); }
  void SetUp() override {
    MainWindowTest::SetUp();
    messages.Clear();
  }

  void Menu(const char* name) { Window().MenuAction(QString::fromLatin1(name))->trigger(); }
  std::string DocText() { return SerializeDocument(Doc()); }
  std::string Caption() { return Window().windowTitle().remove("[*]").toStdString(); }
  std::string Path(const std::string& name) {
    return dir.filePath(QString::fromStdString(name)).toStdString();
  }

  // A tee with two furnaces, drawn in the tree as the user does.
  void DrawNetwork() {
    QTreeWidgetItem* tee = AddDevice(GasSupply(), "Tee", "Tee", "0", "20");
    AddDevice(tee, "Furnace 1", "Furnace", "40");
    AddDevice(tee, "Furnace 2", "Furnace", "75.5");
    ASSERT_TRUE(Window().Editor().Modified());
    messages.Clear();
  }

  void SaveAs(const std::string& path) {
    files.Answer(QString::fromStdString(path));
    Menu("SaveAs");
  }
  void Open(const std::string& path) {
    files.Answer(QString::fromStdString(path));
    Menu("Open");
  }

  QTemporaryDir dir;
};

const char* kOffer = "Would you like to save your current project?";

TEST_F(ProjectCommandsTest, CancelInTheOfferChangesNothingAndNoDropsTheChanges) {
  DrawNetwork();
  const std::string drawn = DocText();
  for (const char* command : {"New", "Open"}) {
    messages.Answer(MessageAnswer::Cancel);
    Menu(command);
    ASSERT_EQ(messages.Shown().size(), 1u) << command;
    EXPECT_EQ(messages.Shown()[0].text, kOffer);
    EXPECT_EQ(DocText(), drawn);
    EXPECT_TRUE(Window().Editor().Modified());
    messages.Clear();
  }
  EXPECT_EQ(static_cast<int>(files.Requests().size()), 0);
  messages.Answer(MessageAnswer::Cancel);
  EXPECT_FALSE(Window().close()) << "the window stays open";

  // No goes on without saving.
  messages.Answer(MessageAnswer::No);
  Menu("New");
  EXPECT_TRUE(files.Requests().empty());
  EXPECT_TRUE(ChildSystemNodes(ProjectRoot(Doc())).empty());
  messages.Clear();
  files.Answer(std::nullopt);
  Menu("Open");  // the new project is unchanged: no offer; the dialog opens nothing
  EXPECT_TRUE(messages.Shown().empty());
}

// A Save As cancelled inside the offer to save cancels the command: the
// project stays open and marked as changed.
TEST_F(ProjectCommandsTest, CancellingTheSaveAsOfTheOfferCancelsTheCommand) {
  DrawNetwork();
  const std::string drawn = DocText();
  for (const char* command : {"New", "Open", "Exit"}) {
    SCOPED_TRACE(command);
    messages.Answer(MessageAnswer::Yes);
    files.Answer(std::nullopt);
    if (std::string(command) == "Exit")
      EXPECT_FALSE(Window().close());
    else
      Menu(command);
    EXPECT_EQ(DocText(), drawn);
    EXPECT_TRUE(Window().Editor().Modified());
    EXPECT_TRUE(Window().isWindowModified());
  }
  ASSERT_EQ(files.Requests().size(), 3u);
  for (const auto& request : files.Requests()) EXPECT_TRUE(request.save) << "no Open dialog";

  messages.Answer(MessageAnswer::Yes);
  files.Answer(QString::fromStdString(Path("kept.cv")));
  EXPECT_TRUE(Window().close());
  EXPECT_EQ(ReadFile(Path("kept.cv")), DocText());
  EXPECT_FALSE(Window().isWindowModified());
  EXPECT_EQ(Window().statusBar()->currentMessage(), "Saved kept.cv");
}

TEST_F(ProjectCommandsTest, SavedProjectOpensAgainByteForByte) {
  DrawNetwork();
  auto* supply = Window().findChild<SupplyPanel*>();
  supply->optUserDefinedDropMethod->click();
  supply->chkMetricDualPressure->click();
  supply->txtMetricSupplyPressureDrop->setText("100");
  supply->txtUserDefinedAllowablePressureDrop->setText("20");
  supply->txtUserDefinedInternalLowSupplyPressureDrop->setText("20");
  supply->txtMetricInternalPressureDrop->setText("2.5");
  supply->cmdUpdateSupplyParameters->click();
  ASSERT_TRUE(messages.Shown().empty());
  SaveAs(Path("house"));
  EXPECT_FALSE(Window().Editor().Modified());
  EXPECT_EQ(Caption(), "CORVANTA Sizing Application - house.cv") << "Open lists it";
  const std::string saved = ReadFile(Path("house.cv"));

  Menu("New");
  EXPECT_EQ(Window().Editor().EditedProject().UnitSystem(), "English")
      << "a new project is English";
  EXPECT_EQ(Window().Panel()->lblLoadLabel->text(), "kBTU");
  Open(Path("house.cv"));
  EXPECT_EQ(DocText(), saved);
  EXPECT_EQ(Window().Editor().Path(), Path("house.cv"));
  EXPECT_FALSE(Window().Editor().Modified());
  EXPECT_EQ(Window().Editor().EditedProject().UnitSystem(), "Metric");
  EXPECT_TRUE(Window().Editor().EditedProject().IsDualSystem());
  EXPECT_EQ(Window().Panel()->lblLengthLabel->text(), "m");
  EXPECT_TRUE(supply->optUserDefinedDropMethod->isChecked());
  EXPECT_EQ(supply->txtMetricInternalPressureDrop->text(), "2.5");
  QTreeWidgetItem* gasSupply = GasSupply();
  EXPECT_EQ(Window().Tree()->currentItem(), gasSupply);
  EXPECT_TRUE(gasSupply->isExpanded());
  ASSERT_EQ(gasSupply->childCount(), 1);
  EXPECT_FALSE(gasSupply->child(0)->isExpanded());
}

// Nothing of one project shows in the next: not a status message, not a
// tick never applied.
TEST_F(ProjectCommandsTest, NewAndOpenShowNothingOfTheLastProject) {
  SaveAs(Path("plain.cv"));
  auto* supply = Window().findChild<SupplyPanel*>();
  for (const char* command : {"New", "Open"}) {
    supply->optDeliveryPressureMethod->click();
    supply->chkDeliveryDualPressure->click();
    Window().statusBar()->showMessage("Removed 'Range'.");
    if (command == std::string("Open")) files.Answer(QString::fromStdString(Path("plain.cv")));
    Menu(command);
    EXPECT_FALSE(supply->chkDeliveryDualPressure->isChecked()) << command;
    EXPECT_TRUE(Window().statusBar()->currentMessage().isEmpty()) << command;
  }
}

// A column the user has sized keeps its width; the others fit what they
// show, a long name included.
TEST_F(ProjectCommandsTest, OpeningFitsTheColumnsTheUserHasNotSized) {
  const QString name = QStringLiteral("The furnace in the far corner of the basement");
  AddDevice(GasSupply(), name, "Furnace", "40");
  SaveAs(Path("wide.cv"));
  QTreeWidget* tree = Window().Tree();
  QHeaderView* header = tree->header();
  header->resizeSection(kColumnSize, 30);  // as the user drags its edge
  Open(Path("wide.cv"));
  EXPECT_GT(header->sectionSize(0), tree->fontMetrics().horizontalAdvance(name));
  for (int column : {kColumnLoad, kColumnLength, kColumnDrop, kColumnDelivered})
    EXPECT_GE(header->sectionSize(column), header->sectionSizeHint(column));
  EXPECT_EQ(header->sectionSize(kColumnSize), 30);
}

TEST_F(ProjectCommandsTest, SaveDialogsProposeTheProjectsName) {
  const char* commands[] = {"SaveAs", "ExportCalculations", "ExportDiagram"};
  for (const char* command : commands) Menu(command);
  SaveAs(Path("house.cv"));
  for (const char* command : commands) Menu(command);
  QStringList proposed;
  for (const auto& request : files.Requests()) proposed.append(request.proposed);
  EXPECT_EQ(proposed, QStringList({"New Project.cv", "New Project.xlsx", "New Project.svg",
                                   "New Project.cv", "house.cv", "house.xlsx", "house.svg"}));
}

TEST_F(ProjectCommandsTest, SaveAsOntoAnExistingFileAsksFirst) {
  WriteFile(Path("old.cv"), "previous");
  SaveAs(Path("mine.cv"));
  DrawNetwork();
  messages.Answer(MessageAnswer::No);
  SaveAs(Path("old.cv"));
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0].text, "Overwrite file '" + Path("old.cv") + "'?");
  EXPECT_EQ(ReadFile(Path("old.cv")), "previous");
  EXPECT_EQ(Window().Editor().Path(), Path("mine.cv"));
  EXPECT_TRUE(Window().Editor().Modified());

  messages.Answer(MessageAnswer::Yes);
  SaveAs(Path("old.cv"));
  EXPECT_EQ(ReadFile(Path("old.cv")), DocText());
}

// A save that cannot be completed (here a disk that takes only a few bytes)
// says why and leaves the project unsaved.
TEST_F(ProjectCommandsTest, AFailedSaveKeepsThePreviousFile) {
  SaveAs(Path("safe.cv"));
  DrawNetwork();

  rlimit original{};
  getrlimit(RLIMIT_FSIZE, &original);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit tiny = original;
  tiny.rlim_cur = 64;
  setrlimit(RLIMIT_FSIZE, &tiny);
  Menu("Save");
  messages.Answer(MessageAnswer::Yes);
  const bool closed = Window().close();
  setrlimit(RLIMIT_FSIZE, &original);
  std::signal(SIGXFSZ, oldHandler);

  ASSERT_GE(messages.Shown().size(), 1u);
  const std::string prefix = "There was an error saving the project:\n\n";
  EXPECT_EQ(messages.Shown()[0].text.substr(0, prefix.size()), prefix);
  EXPECT_GT(messages.Shown()[0].text.size(), prefix.size()) << "the reason follows";
  EXPECT_EQ(messages.Shown()[0].title, "Error");
  EXPECT_TRUE(Window().Editor().Modified());
  EXPECT_TRUE(Window().isWindowModified());
  EXPECT_FALSE(closed) << "Exit does not drop changes whose save failed";
  SaveAs(Path("missing/other.cv"));
  EXPECT_EQ(Window().Editor().Path(), Path("safe.cv"))
      << "a failed Save As keeps the project's path";
}

// Whatever is wrong with a file, the program ends with a usable new project
// and never saves over the file that failed.
TEST_F(ProjectCommandsTest, AFileThatCannotBeLoadedGivesANewProject) {
  pugi::xml_document sample;
  BuildNewProject(sample);
  const std::string good = SerializeDocument(sample);
  auto Replace = [&](std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
  };
  struct Bad {
    const char* name;
    std::string content;
    std::string message;  // the start of the box's text
  };
  const std::vector<Bad> bads = {
      {"missing.cv", "",
       "Error loading project file \"" + Path("missing.cv") +
           "\"\n\nA new project will be opened."},
      {"six.cv", Replace(good, " InternalLowSupplyAllowablePressureDrop=\"0.5\"", ""),
       "There was an error opening the project:\n\nmodGlobals.XMLOnTreeView "},
      {"twice.cv",
       Replace(good, "gasType=\"Natural Gas\"", "gasType=\"Natural Gas\" gasType=\"x\""),
       "Error loading project file"},
      {"nested.cv", Replace(good, "<load>0</load>", "<load>0<SystemNode id=\"9\"/></load>"),
       "There was an error opening the project:\n\nmodGlobals.XMLOnTreeView Invalid procedure "
       "call or argument: the node 9 stands inside the field load of CVSystem"},
  };
  for (const Bad& bad : bads) {
    SCOPED_TRACE(bad.name);
    const std::string path = Path(bad.name);
    const bool exists = !bad.content.empty();
    if (exists) WriteFile(path, bad.content);
    DrawNetwork();
    messages.Answer(MessageAnswer::No);
    Open(path);
    ASSERT_EQ(messages.Shown().size(), 2u);
    const Message& shown = messages.Shown()[1];
    EXPECT_EQ(shown.text.rfind(bad.message, 0), 0u) << shown.text;
    EXPECT_EQ(shown.title, "Error");
    EXPECT_EQ(shown.icon == MessageIcon::Exclamation, bad.message.rfind("Error loading", 0) == 0);
    EXPECT_EQ(Window().Editor().Path(), "");
    EXPECT_FALSE(Window().Editor().Modified());
    EXPECT_EQ(Caption(), "CORVANTA Sizing Application - New Project");
    EXPECT_EQ(DocText(), good);
    EXPECT_EQ(Window().Tree()->currentItem(), GasSupply());
    files.Answer(std::nullopt);
    Menu("Save");
    EXPECT_EQ(FileExists(path), exists);
    if (exists) {
      EXPECT_EQ(ReadFile(path), bad.content) << "the failed file is never written";
    }
    messages.Clear();
  }
}

TEST_F(ProjectCommandsTest, ARepeatedIdIsMendedAndToldOnceOnOpening) {
  DrawNetwork();
  SaveAs(Path("twins.cv"));
  std::string text = DocText();
  const auto furnaces = ChildSystemNodes(ChildSystemNodes(ProjectRoot(Doc()))[0]);
  const std::string first = NodeId(furnaces[0]), second = NodeId(furnaces[1]);
  text.replace(text.find("id=\"" + second), second.size() + 4, "id=\"" + first);
  WriteFile(Path("twins.cv"), text);
  Open(Path("twins.cv"));
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(
      messages.Shown()[0].text.rfind(
          "The project held two nodes with the id " + first + "; the second was given the id ", 0),
      0u)
      << messages.Shown()[0].text;
  EXPECT_EQ(Window().Tree()->topLevelItem(0)->child(0)->childCount(), 2);
}

TEST_F(ProjectCommandsTest, AFileNamedOnTheCommandLineIsOpened) {
  DrawNetwork();
  SaveAs(Path("start.cv"));
  const std::string saved = DocText();
  Menu("New");
  OpenCommandLineProject(Window(), {"corvanta", QString::fromStdString(Path("start.cv"))});
  EXPECT_EQ(DocText(), saved);
  EXPECT_EQ(Caption(), "CORVANTA Sizing Application - start.cv");
  EXPECT_FALSE(Window().Editor().Modified());
  OpenCommandLineProject(Window(), {"corvanta"});
  EXPECT_EQ(DocText(), saved);
  EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(ProjectCommandsTest, TheFileMenuListsTheLastEightProjectsMostRecentFirst) {
  auto path = [&](int i) { return QString::fromStdString(Path("p" + std::to_string(i) + ".cv")); };
  for (int i = 1; i <= 9; ++i) SaveAs(path(i).toStdString());
  Open(path(3).toStdString());
  EXPECT_EQ(RecentFiles(),
            QStringList({path(3), path(9), path(8), path(7), path(6), path(5), path(4), path(2)}));
  auto entry = [&](int n) {
    return Window().findChild<QAction*>(QStringLiteral("RecentFile%1").arg(n));
  };
  EXPECT_EQ(entry(1)->text(), "&1 p3.cv");

  QFile::remove(path(9));
  for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
    messages.Answer(answer);
    entry(2)->trigger();
  }
  EXPECT_EQ(messages.Shown().size(), 2u) << "a missing project is offered for removal";
  EXPECT_EQ(RecentFiles(),
            QStringList({path(3), path(8), path(7), path(6), path(5), path(4), path(2)}));
  entry(2)->trigger();
  EXPECT_EQ(Window().Editor().Path(), Path("p8.cv"));
  EXPECT_EQ(RecentFiles().first(), path(8));
}

}  // namespace
}  // namespace cv::ui::test
