// The supply settings panel of the "System Setup" page: gas type, calculation
// method, the preset lists of the fixed method and the pressure boxes of the
// other two. Only "Update Supply Parameters" writes the project document;
// every other handler only changes what the panel shows.
//
// The panel works on the window's document and program state, which outlive
// it; what the update does after writing (unit captions, recalculation,
// showing the first node) is the window's and reaches it through Hooks.
#pragma once

#include <QWidget>
#include <functional>
#include <pugixml.hpp>

#include "core/errors.h"
#include "core/messages.h"
#include "sizing/program_state.h"
#include "supply/supply_panel_values.h"
#include "supply/supply_update.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace cv::ui {

class SupplyPanel : public QWidget {
  Q_OBJECT

 public:
  struct Hooks {
    std::function<void()> setUnitLabels;
    std::function<void()> recalculate;  // shows its own failures
    std::function<void()> showFirstNode;
    std::function<void(const CvError&)> reportError;  // the "Error Number" box
    // Runs the update as one step of the project's history.
    std::function<void(const std::function<void()>&)> record;
    std::function<void(const QString&)> confirm;  // a status-bar line
    std::function<void()> markModified;           // the document now differs from the file
  };

  SupplyPanel(pugi::xml_document& document, ProgramState& state, MessageSink& messages, Hooks hooks,
              QWidget* parent = nullptr);

  // Start-up: fills cboGasType, selects Natural Gas and fills the presets.
  void FillLists();
  // The panel of a new project: Natural Gas, the standard preset, the fixed
  // method, every pressure box and both check boxes disabled.
  void ResetForNewProject();
  // Shows the settings read from a loaded project.
  void ShowLoaded(const SupplyPanelValues& values);
  // What the panel holds now, as the update reads it.
  SupplyPanelInput Input() const;

  // --- Handlers (control + "_" + event) ---------------------------------------
  void cboGasType_Click();
  void cboSupplyPressure_Click();
  // One of the method buttons (optUnitType 0, 1, 2) was chosen.
  void CalculationMethod_Click(int method);
  void chkMetricDualPressure_Click();
  void chkDeliveryDualPressure_Click();
  void cmdUpdateSupplyParameters_Click();
  void ClearDeliveryInputs();
  void ClearUserDefinedInputs();

  // Sets an option button from code and runs its handler, as a click does.
  void SetMethod(SupplyMethod method);

  QLabel* lblGasType;
  QComboBox* cboGasType;
  QButtonGroup* calculationMethods;  // objectName optUnitType
  QRadioButton* optFixedDropMethod;
  QRadioButton* optUserDefinedDropMethod;
  QRadioButton* optDeliveryPressureMethod;

  QGroupBox* fraHighFixedpressure;
  QLabel* lblSupplyPressureLabel;
  QComboBox* cboSupplyPressure;
  QGroupBox* fraLowFixedpressure;
  QLabel* lblInternalPressureLabel;
  QComboBox* cboInternalPressure;

  QCheckBox* chkMetricDualPressure;
  QGroupBox* fraHighUserdefined;
  QLineEdit* txtMetricSupplyPressureDrop;
  QLineEdit* txtUserDefinedAllowablePressureDrop;
  QGroupBox* fraLowUserdefined;
  QLabel* lblUserDefinedAllowableInternalPressureDrop;
  QLineEdit* txtUserDefinedInternalLowSupplyPressureDrop;
  QLabel* lblUserDefinedAllowableInternalPressureDropUnits;
  QLabel* lblMetricInternalPressureDropLabel;
  QLineEdit* txtMetricInternalPressureDrop;
  QLabel* lblMetricInternalPressureDropUnits;

  QCheckBox* chkDeliveryDualPressure;
  QGroupBox* fraHighDeliveryPressureParms;
  QLineEdit* txtDeliveryPressureHighSupplyPressure;
  QLineEdit* txtDeliveryPressureHighSupplyAllowedPressureDrop;
  QGroupBox* fraLowDeliveryPressureParms;
  QLineEdit* txtDeliveryPressureInternalLowSupplyPressure;
  QLineEdit* txtDeliveryPressureInternalLowDeliveryPressure;

  QPushButton* cmdUpdateSupplyParameters;

 private:
  void LayOut();
  void BuildMethodChoice();
  void BuildFixedFrames();
  void BuildUserDefinedFrames();
  void BuildDeliveryFrames();
  void Arrange();
  void ConnectHandlers();
  void ShowFixedInternalPressure(bool visible);
  // The user chose the user-defined method: its boxes start with the
  // project's supply values in millibar.
  void StartUserDefinedMethod();
  void ShowDualTicks(bool metric, bool delivery);
  void ShowUserDefinedInternal(bool visible);
  void EnableUserDefinedInputs(bool enabled);
  void EnableDeliveryInputs(bool enabled);
  void SetBoxTexts(const SupplyBoxTexts& boxes);
  SupplyBoxTexts BoxTexts() const;
  void RefuseUpdate(const SupplyCheckFailure& failure);
  void WriteUpdate(const SupplySettings& settings);

  pugi::xml_document& document_;
  ProgramState& state_;
  MessageSink& messages_;
  Hooks hooks_;
  SupplyBoxTexts shownExactly_;  // what the boxes were given, before rounding
};

}  // namespace cv::ui
