// Edits that would load an EFV past its trip flow are refused with the
// trip-flow message, whatever the answer; edits within it go through.
#include "ui/tree/trip_checks.h"

#include <QComboBox>
#include <QLineEdit>

#include "main_window_fixture.h"
#include "project/document.h"
#include "ui/tree/network_tree.h"
#include "ui/tree/tree_items.h"

namespace cv::ui::test {
namespace {

std::string TripText(const char* model, const char* trip) {
  return std::string("The sum of loads of all the appliances attached to EFV ") + model +
         " is greater than its tripflow " + trip +
         ". Please adjust the load or change the EFV Model.";
}

// Gas supply - Valve (EFV, CV-EFV-100) - Tee - Range 60, Dryer 30; and
// Heater (Furnace 80) - Child (Lamp 50).
class TripTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    efv = AddDevice(GasSupply(), "Valve", "EFV");
    Click(efv);
    Choose("cboEFV", "CV-EFV-100");
    PressUpdate();
    tee = AddDevice(efv, "Tee", "Tee");
    range = AddDevice(tee, "Range", "Range", "60");
    dryer = AddDevice(tee, "Dryer", "Dryer", "30");
    heater = AddDevice(GasSupply(), "Heater", "Furnace", "80");
    AddDevice(heater, "Child", "Lamp", "50");
    ASSERT_EQ(Field(efv, "ModelNumber"), "CV-EFV-100");
    ASSERT_TRUE(messages.Shown().empty());
  }

  void ExpectTripMessage(const char* model, const char* trip) {
    ASSERT_FALSE(messages.Shown().empty());
    EXPECT_EQ(messages.Last().text, TripText(model, trip));
    EXPECT_EQ(messages.Last().buttons, cv::MessageButtons::OkCancel);
    EXPECT_EQ(messages.Last().EffectiveTitle(), "CORVANTA Sizing Program");
  }

  QComboBox* Kinds() { return Find<QComboBox>("cboAppliance"); }
  QComboBox* Models() { return Find<QComboBox>("cboEFV"); }

  QTreeWidgetItem* efv = nullptr;
  QTreeWidgetItem* tee = nullptr;
  QTreeWidgetItem* range = nullptr;
  QTreeWidgetItem* dryer = nullptr;
  QTreeWidgetItem* heater = nullptr;
};

// Loads typed for the dryer (or the tee, which passes loads through and adds
// none of its own); a refused load leaves the stored one in the box, so a
// second Update keeps it.
TEST_F(TripTest, TypedLoadsAreCheckedAgainstTheTripFlow) {
  using A = cv::MessageAnswer;
  const std::string numeric = "Load and length must be numeric...";
  struct Case {
    const char* typed;
    QTreeWidgetItem* node;
    const char* units;
    A answer;
    const char* message;  // "" none, "trip" the trip-flow message
    const char* stored;
  };
  const Case cases[] = {
      {"40.01", dryer, "English", A::Ok, "trip", "30"},
      {"40.01", dryer, "English", A::Cancel, "trip", "30"},
      {"thirty", dryer, "English", A::Ok, numeric.c_str(), "30"},  // before any trip check
      {"0", tee, "English", A::Ok, "", "90"},
      {"40", dryer, "English", A::Ok, "", "40"},        // equal to the trip flow
      {"11", dryer, "Metric", A::Ok, "trip", "40"},     // 43.65 kBTU: 103.65 in all
      {"10", dryer, "Metric", A::Ok, "", "39.683201"},  // 39.68 kBTU: 99.68 in all
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " " + c.units);
    State().UnitSystem = c.units;
    Click(c.node);
    Window().MarkSaved();
    messages.Clear();
    messages.Answer(c.answer);
    Type("txtLoad", c.typed);
    PressUpdate();
    if (std::string(c.message) == "trip") {
      ExpectTripMessage("CV-EFV-100", "100");
      PressUpdate();
    } else if (*c.message) {
      EXPECT_EQ(messages.Texts(), std::vector<std::string>{c.message});
    } else {
      EXPECT_TRUE(messages.Shown().empty());
      EXPECT_EQ(State().ProjectModified, c.node != tee) << "the tee's load does not change";
    }
    EXPECT_EQ(Field(c.node, "load"), c.stored);
  }
}

TEST_F(TripTest, ChoosingAnOverloadedModelForAnEFV) {
  Click(efv);
  Choose("cboEFV", "CV-EFV-40");
  ExpectTripMessage("CV-EFV-40", "40");
  EXPECT_EQ(Models()->currentText(), "CV-EFV-100");
  // Cancel keeps the chosen model, though the check failed.
  messages.Answer(cv::MessageAnswer::Cancel);
  Choose("cboEFV", "CV-EFV-40");
  EXPECT_EQ(Models()->currentText(), "CV-EFV-40");
  EXPECT_EQ(messages.Shown().size(), 2u);
}

TEST_F(TripTest, ANewEFVCountsTheLoadsBelowItNotItsOwn) {
  Click(heater);
  Choose("cboAppliance", "EFV");
  Choose("cboEFV", "CV-EFV-70");  // 50 below; its own 80 does not count
  EXPECT_TRUE(messages.Shown().empty());
  PressUpdate();
  EXPECT_TRUE(messages.Shown().empty());
  EXPECT_EQ(Field(heater, "appliance"), "EFV");
  EXPECT_EQ(Field(heater, "ModelNumber"), "CV-EFV-70");
  // A fitting: its starting model is checked against the 500 below it.
  QTreeWidgetItem* fitting = AddDevice(GasSupply(), "Fitting", "Tee");
  AddDevice(fitting, "Big", "Boiler", "500");
  Click(fitting);
  messages.Clear();
  messages.Answer(cv::MessageAnswer::Cancel);  // to the check of the starting model
  Choose("cboAppliance", "EFV");
  EXPECT_EQ(messages.Shown().size(), 1u);
  PressUpdate();
  ASSERT_EQ(messages.Shown().size(), 2u);
  ExpectTripMessage("CV-EFV-200", "200");
  EXPECT_EQ(Field(fitting, "appliance"), "Tee");
}

// OK puts the kind back at once; Cancel leaves the panel, and the update
// checks again and, on OK, resets the panel without storing.
TEST_F(TripTest, ARefusedModelPutsTheKindBack) {
  for (cv::MessageAnswer answer : {cv::MessageAnswer::Ok, cv::MessageAnswer::Cancel}) {
    const bool cancel = answer == cv::MessageAnswer::Cancel;
    SCOPED_TRACE(cancel ? "Cancel" : "OK");
    Click(heater);
    messages.Clear();
    Choose("cboAppliance", "EFV");
    messages.Answer(answer);
    Choose("cboEFV", "CV-EFV-40");
    ExpectTripMessage("CV-EFV-40", "40");
    EXPECT_EQ(messages.Shown().size(), 1u);
    if (cancel) {
      EXPECT_EQ(Kinds()->currentText(), "EFV");
      EXPECT_EQ(Models()->currentText(), "CV-EFV-40");
      PressUpdate();
      ExpectTripMessage("CV-EFV-40", "40");
      EXPECT_EQ(Field(heater, "appliance"), "Furnace");
    } else {
      EXPECT_EQ(Models()->currentIndex(), 4);
      EXPECT_TRUE(Models()->isHidden());
    }
    EXPECT_EQ(Kinds()->currentText(), "Furnace");
  }
}

class FirstEFVTest : public MainWindowTest {};

TEST_F(FirstEFVTest, TheUpdateThatMakesTheFirstEFVSizesAtItsTripFlow) {
  // A small load behind a valve that trips only at 800 kBTU: the trip-flow
  // pass needs bigger runs than the normal one.
  QTreeWidgetItem* valve = AddDevice(GasSupply(), "Valve", "Tee", "0", "40");
  AddDevice(valve, "Lamp", "Lamp", "5", "40");
  Click(valve);
  messages.Clear();
  Choose("cboAppliance", "EFV");
  Choose("cboEFV", "CV-EFV-800");
  PressUpdate();
  ASSERT_EQ(Field(valve, "appliance"), "EFV");
  const std::string shown = cv::SerializeDocument(Window().Document());
  ASSERT_TRUE(Window().Recalculate());
  EXPECT_EQ(cv::SerializeDocument(Window().Document()), shown);
  EXPECT_NE(Field(valve, "materialSize"), "10A CSST");
}

// A refused drop changes nothing and ends on its target; a node dropped
// onto its own parent adds no load.
TEST_F(TripTest, ADropBehindAnEFVMustFitItsTripFlow) {
  AddDevice(GasSupply(), "Big", "Boiler", "20");
  AddDevice(GasSupply(), "Small", "Lamp", "10");
  AddDevice(AddDevice(GasSupply(), "Fitting", "Tee"), "Large", "Boiler", "150");
  Click(AddDevice(GasSupply(), "Spare", "Tee"));
  Choose("cboAppliance", "EFV");
  Choose("cboEFV", "CV-EFV-135");
  PressUpdate();
  const struct {
    const char* dragged;
    const char* target;
    const char* model;  // the EFV whose trip flow refuses the drop, or nullptr
    const char* trip;
  } cases[] = {{"Big", "Valve", "CV-EFV-100", "100"},
               {"Big", "Tee", "CV-EFV-100", "100"},
               {"Range", "Tee", nullptr, nullptr},
               {"Small", "Valve", nullptr, nullptr},
               {"Spare", "Fitting", "CV-EFV-135", "135"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.dragged) + " onto " + c.target);
    const std::string before = SerializeDocument(Doc());
    const std::string id = ItemId(Item(c.dragged)).toStdString();
    Window().MarkSaved();
    messages.Clear();
    Window().TreeView1_Drop(Item(c.dragged), Item(c.target));
    Window().NetTree()->EndDrag();
    EXPECT_EQ(State().ProjectModified, !c.model);
    if (c.model) {
      ExpectTripMessage(c.model, c.trip);
      EXPECT_EQ(SerializeDocument(Doc()), before);
      EXPECT_EQ(Find<QLineEdit>("txtDescription")->text(), c.target);
    } else {
      EXPECT_TRUE(messages.Shown().empty());
      EXPECT_EQ(FieldText(FindSystemNodeById(Doc(), id).parent(), "description"), c.target);
    }
  }
}

}  // namespace
}  // namespace cv::ui::test
