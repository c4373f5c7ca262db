// The supply panel driven as a user would: lists chosen, options clicked,
// numbers typed, "Update Supply Parameters" pressed.
#include "ui/panels/supply_panel.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "project/document.h"
#include "project/project_state.h"
#include "scripted_seams.h"

namespace cv::ui {
namespace {

class SupplyPanelTest : public ::testing::Test {
 protected:
  SupplyPanelTest() {
    BuildNewProject(doc);
    SupplyPanel::Hooks hooks;
    hooks.setUnitLabels = [this] { calls.push_back("labels " + DocumentUnitSystem(doc)); };
    hooks.recalculate = [this] { calls.push_back("recalculate"); };
    hooks.showFirstNode = [this] { calls.push_back("first node"); };
    hooks.markModified = [this] { modified = true; };
    panel = std::make_unique<SupplyPanel>(doc, state, messages, hooks);
    panel->FillLists();
    panel->ResetForNewProject();
  }

  // A user's choice in a list.
  static void Choose(QComboBox* list, int position) {
    list->setCurrentIndex(position);
    emit list->activated(position);
  }
  static void Type(QLineEdit* box, const QString& text) {
    box->clear();
    QTest::keyClicks(box, text);
  }
  void Update() { panel->cmdUpdateSupplyParameters->click(); }
  std::string Attribute(int position) { return RootAttributeText(ProjectRoot(doc), position); }
  std::string Field(const char* name) { return FieldText(ProjectRoot(doc), name); }
  pugi::xml_document doc;
  ProgramState state;
  test::ScriptedMessageSink messages;
  std::vector<std::string> calls;
  bool modified = false;
  std::unique_ptr<SupplyPanel> panel;
};

// The lists take the presets of the gas chosen and preselect its entry.
TEST_F(SupplyPanelTest, PresetListsFollowTheGasType) {
  SupplyPanel& p = *panel;
  EXPECT_EQ(p.cboSupplyPressure->currentIndex(), 1) << "the [Standard] entry";
  Choose(p.cboGasType, 1);
  EXPECT_EQ(p.cboSupplyPressure->count(), 5);
  EXPECT_EQ(p.cboSupplyPressure->currentIndex(), 1) << "not the [Standard] entry";
  EXPECT_EQ(p.cboInternalPressure->currentText(),
            "11-13 In WC Supply - .5 In WC Overall Pressure Drop");
}

TEST_F(SupplyPanelTest, MethodSwitchEnablesItsInputsAndBlanksTheOthers) {
  SupplyPanel& p = *panel;
  EXPECT_FALSE(p.txtMetricSupplyPressureDrop->isEnabled());
  p.optUserDefinedDropMethod->click();
  EXPECT_EQ(p.txtMetricSupplyPressureDrop->text(), "17.4") << "the project's 7 in WC in mb";
  EXPECT_TRUE(p.txtMetricSupplyPressureDrop->isEnabled());
  EXPECT_TRUE(p.chkMetricDualPressure->isEnabled());
  EXPECT_FALSE(p.cboSupplyPressure->isEnabled());
  EXPECT_TRUE(p.fraLowUserdefined->isHidden()) << "not dual";
  Type(p.txtMetricSupplyPressureDrop, "20");

  p.optDeliveryPressureMethod->click();
  EXPECT_EQ(p.txtMetricSupplyPressureDrop->text(), "");
  EXPECT_EQ(p.txtUserDefinedAllowablePressureDrop->text(), " ");
  EXPECT_FALSE(p.txtMetricSupplyPressureDrop->isEnabled());
  EXPECT_TRUE(p.txtDeliveryPressureInternalLowSupplyPressure->isEnabled());
  Type(p.txtDeliveryPressureInternalLowSupplyPressure, "7");

  p.optFixedDropMethod->click();
  EXPECT_EQ(p.txtDeliveryPressureInternalLowSupplyPressure->text(), " ");
  EXPECT_TRUE(p.cboSupplyPressure->isEnabled());
  EXPECT_FALSE(p.chkDeliveryDualPressure->isEnabled());
  EXPECT_EQ(Field("calculationType"), "Fixed Pressure Method") << "switching writes nothing";
}

TEST_F(SupplyPanelTest, FixedUpdateWritesThePresetAndRunsTheTail) {
  Choose(panel->cboSupplyPressure, 4);
  Update();
  EXPECT_TRUE(messages.Shown().empty());
  EXPECT_EQ(Attribute(kAttrHighSupplyPressure), "55.46");
  EXPECT_TRUE(modified);
  EXPECT_EQ(calls, (std::vector<std::string>{"labels English", "recalculate", "first node"}));
  // The user-defined method switches to metric.
  SupplyPanel& p = *panel;
  p.optUserDefinedDropMethod->click();
  Type(p.txtMetricSupplyPressureDrop, "20");
  Type(p.txtUserDefinedAllowablePressureDrop, "2.5");
  Update();
  EXPECT_EQ(p.txtMetricInternalPressureDrop->text(), "0") << "the blank box is filled";
  EXPECT_EQ(calls.at(3), "labels Metric");
}

TEST_F(SupplyPanelTest, AFailedCheckWritesNothingAndFocusesTheBox) {
  SupplyPanel& p = *panel;
  p.show();
  QApplication::setActiveWindow(&p);
  const std::string before = SerializeDocument(doc);
  p.optUserDefinedDropMethod->click();
  p.chkMetricDualPressure->click();
  Type(p.txtMetricSupplyPressureDrop, "20");
  Type(p.txtUserDefinedAllowablePressureDrop, "2");
  Type(p.txtUserDefinedInternalLowSupplyPressureDrop, "20");
  Type(p.txtMetricInternalPressureDrop, "0");
  p.cmdUpdateSupplyParameters->setFocus();
  Update();
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0].text,
            "Error:  Supply/Internal Pressure Drops must be greater than zero!");
  EXPECT_EQ(messages.Shown()[0].title, "Error");
  EXPECT_EQ(messages.Shown()[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(QApplication::focusWidget(), p.txtMetricInternalPressureDrop);
  EXPECT_EQ(SerializeDocument(doc), before) << "calculationType and DualSystem stay";
  EXPECT_FALSE(modified);
  EXPECT_TRUE(calls.empty());
}

TEST_F(SupplyPanelTest, ABrokenDocumentIsReportedAsARunTimeError) {
  std::vector<std::string> reported;
  ProjectRoot(doc).remove_child("DualSystem");
  SupplyPanel::Hooks hooks;
  hooks.reportError = [&](const CvError& e) { reported.push_back(StandardErrorText(e)); };
  SupplyPanel p(doc, state, messages, hooks);
  p.FillLists();
  p.ResetForNewProject();
  p.cmdUpdateSupplyParameters->click();
  ASSERT_EQ(reported.size(), 1u);
  EXPECT_NE(reported[0].find("Error Number: 91"), std::string::npos);
}

TEST_F(SupplyPanelTest, NewProjectResetDisablesEveryBox) {
  SupplyPanel& p = *panel;
  Choose(p.cboGasType, 1);
  p.optDeliveryPressureMethod->click();
  p.ResetForNewProject();
  EXPECT_EQ(p.cboGasType->currentIndex(), 0);
  EXPECT_EQ(p.cboSupplyPressure->currentIndex(), 1);
  EXPECT_TRUE(p.optFixedDropMethod->isChecked());
  for (QLineEdit* box : p.findChildren<QLineEdit*>())
    EXPECT_FALSE(box->isEnabled()) << box->objectName().toStdString();
}

}  // namespace
}  // namespace cv::ui
