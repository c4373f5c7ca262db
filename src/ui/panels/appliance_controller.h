// The appliance panel's controller: shows the node in view, checks the
// choices of device kind and EFV model as they are made, and stores the
// panel into the node with "Update" as one step of the history.
#pragma once

#include <QObject>
#include <pugixml.hpp>

#include "edit/project.h"

namespace cv {
class MessageSink;
}

namespace cv::ui {

class AppliancePanel;
class ProjectEditor;

class ApplianceController : public QObject {
  Q_OBJECT

 public:
  ApplianceController(AppliancePanel* panel, ProjectEditor& editor, MessageSink& messages,
                      QObject* parent = nullptr);

  // The panel differs from the node it shows (typed or chosen by the user).
  bool HasUnstoredEdits() const;
  // When the panel holds edits not stored with "Update", asks "Apply the
  // changes to '...'?": Yes stores them, No drops them. False when the user
  // cancelled or the store was refused.
  bool SettlePendingEdits();
  // A new node's description is selected for typing.
  void EditDescription();
  // The focus in the first box that takes input, for editing the node.
  void FocusFirstInput();
  // Loads the EFV catalogue and fills cboEFV; a failure is shown and the
  // program carries on without models.
  void LoadCatalogue(const std::string& databasePath);
  // The lists' first choices at start-up.
  void ShowFirstChoices();
  void SetUnitLabels();

  // The handlers (control + "_" + event).
  void cmdUpdate_Click();
  void cboAppliance_Click();
  void cboEFV_Click();

 private:
  void Guarded(const std::function<void()>& handler);
  void Show(pugi::xml_node node);
  void ShowGasSupply();
  void ShowNodeInPanel(pugi::xml_node node);
  void ApplyLoadBoxRule(pugi::xml_node node);
  RunFields PanelFields(pugi::xml_node node) const;
  // Checks and stores the panel into the node in view as one step of the
  // history; false when a check refused it.
  bool StorePanel();
  EditOutcome UpdateNode(pugi::xml_node node);
  // Shows a refused update and puts the panel back as the answer says.
  void AfterRefusedUpdate(pugi::xml_node node, const EditOutcome& outcome, bool becameEFV);
  void ResetNewEFVChoice(pugi::xml_node node);
  std::string UnitSystem() const;

  AppliancePanel* panel_;
  ProjectEditor& editor_;
  MessageSink& messages_;
  // List positions of cboAppliance and cboEFV as set for the node last shown.
  int previousApplianceIndex_ = 1;
  int previousEFVIndex_ = -1;
};

}  // namespace cv::ui
