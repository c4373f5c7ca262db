// The appliance settings panel (frame "Appliance Settings"): the controls
// that show and edit the selected node, and the handlers that need nothing
// but the panel itself. Handlers that need the tree or the document (device
// kind, EFV model, update) belong to its controller (appliance_controller.h).
#pragma once

#include <QGroupBox>
#include <string_view>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace cv {
class MessageSink;
struct RunPressureTexts;
enum class PressureUnit;
}  // namespace cv

namespace cv::ui {

class AppliancePanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit AppliancePanel(QWidget* parent = nullptr);

  // Fills cboMaterial and cboAppliance from the fixed lists.
  void FillLists();

  // cboMaterial_Click: refills the size list for the chosen material; the
  // list stays enabled only while "Fixed Size" is checked.
  void cboMaterial_Click();
  void RefreshMaterialSizes() { cboMaterial_Click(); }
  void chkFixedSize_Click();

  void EnableInputs();
  void DisableInputs();
  // Shows or hides every control that only a network node has.
  void ShowNodeControls(bool visible);
  void ShowEFVControls(bool visible);

  // Load and length numeric and not negative; otherwise the "Error" box
  // and the focus in the failing box.
  bool ValidateInputs(MessageSink& messages);
  void SetUnitLabels(std::string_view unitSystem);
  // The node's drop from its source and delivered pressure with their unit,
  // as the tree shows them.
  void ShowPressures(const RunPressureTexts& texts);

  QLabel* lblParentLabel;
  QLabel* lblParent;
  QLabel* lblDescription;
  QLineEdit* txtDescription;
  QLabel* lblAppliance;
  QComboBox* cboAppliance;
  QLabel* lblEFV;
  QComboBox* cboEFV;
  QLabel* lblLoad;
  QLineEdit* txtLoad;
  QLabel* lblLoadLabel;
  QLabel* lblLength;
  QLineEdit* txtLength;
  QLabel* lblLengthLabel;
  QLabel* lblMaterial;
  QComboBox* cboMaterial;
  QLabel* lblMaterialSizeLabel;
  QComboBox* cboMaterialSize;
  QLabel* lblPressureDrop;
  QLineEdit* txtPressureDrop;
  QLabel* lblPressureDropUnit;
  QLabel* lblDeliveredPressure;
  QLineEdit* txtDeliveredPressure;
  QLabel* lblDeliveredPressureUnit;
  QCheckBox* chkFixedSize;
  QPushButton* cmdUpdate;

 private:
  void LayOut();
  void SetPressureUnit(PressureUnit unit);
};

}  // namespace cv::ui
