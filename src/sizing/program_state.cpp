#include "sizing/program_state.h"

#include "project/document.h"
#include "project/project_state.h"

namespace cv {

void DeriveStateFromDocument(const pugi::xml_document& doc, ProgramState&) {
  const pugi::xml_node root = ProjectRoot(doc);
  IsDualSystem(root);
  FieldText(root, "EFVEnabled");
}

}  // namespace cv
