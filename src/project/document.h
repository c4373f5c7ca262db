// The project document: one XML document whose root element CVSystem holds
// the project-wide settings as seven attributes read and written by
// position, five field elements, and then the nested SystemNode elements of
// the network. Every value is text; quantities are stored in English units.
#pragma once

#include <functional>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_writes.h"

namespace cv {

inline constexpr const char* kRootName = "CVSystem";
inline constexpr const char* kSystemNodeName = "SystemNode";
inline constexpr const char* kGasSupplyText = "Gas Supply";

// Positions of the root's attributes; readers address them by position.
enum RootAttribute : int {
  kAttrVersion = 0,
  kAttrGasType = 1,
  kAttrHighSupplyPressure = 2,
  kAttrHighSupplyAllowablePressureDrop = 3,
  kAttrInternalLowSupplyPressure = 4,
  kAttrInternalLowSupplyDeliveryPressure = 5,
  kAttrInternalLowSupplyAllowablePressureDrop = 6,
};

// Fills an emptied document with a new project: the root, its seven
// attributes and its five field elements, in that order.
void BuildNewProject(pugi::xml_document& doc);

// The root element CVSystem (the document's first element); fails with
// error 91 when the document has none.
pugi::xml_node ProjectRoot(const pugi::xml_document& doc);

// Appends a new SystemNode with the given id and the field elements of a new
// node to parent, and returns it.
pugi::xml_node AppendNewSystemNode(pugi::xml_node parent, std::string_view id);

bool IsSystemRoot(pugi::xml_node element) noexcept;
bool IsSystemNode(pugi::xml_node element) noexcept;

// The text of a field element (the first child element of that name); a
// missing element fails with error 91.
std::string FieldText(pugi::xml_node node, const char* name);
// The same text as a view into the document, valid until the field changes.
std::string_view FieldView(pugi::xml_node node, const char* name);
// The number a field holds; text that is not a number fails with error 13
// naming the field and the node.
double FieldNumber(pugi::xml_node node, const char* name);
// True when the user fixed the node's size: its materialSizeFixed is "1".
// A missing element means the size is not fixed.
bool IsSizeFixed(pugi::xml_node node) noexcept;
// The field element, or an empty handle when it is missing.
pugi::xml_node FindField(pugi::xml_node node, const char* name) noexcept;
// Replaces a field's text; a missing element fails with error 91. An empty
// text leaves the element empty (<materialSize/>).
void SetFieldText(pugi::xml_node node, const char* name, std::string_view text);
void SetElementText(pugi::xml_node element, std::string_view text);

// The root attribute at a position; fails with error 9 when it is missing.
std::string RootAttributeText(pugi::xml_node root, int position);
void SetRootAttributeText(pugi::xml_node root, int position, std::string_view text);

// A node's id: the text of its first attribute (error 91 without one).
std::string NodeId(pugi::xml_node node);

// The first SystemNode in document order whose id equals the text, or an
// empty handle.
pugi::xml_node FindSystemNodeById(const pugi::xml_document& doc, std::string_view id);

// All SystemNode elements in document order.
std::vector<pugi::xml_node> AllSystemNodes(const pugi::xml_document& doc);
// How deep SystemNode elements nest (0 without any, 1 for runs from the
// gas supply).
int SystemNodeDepth(const pugi::xml_document& doc);
// The SystemNode children of an element, in document order.
std::vector<pugi::xml_node> ChildSystemNodes(pugi::xml_node element);

// The id part of a tree key: the text before the first blank.
std::string IdFromTreeKey(std::string_view key);

// A new id (a short text of decimal digits) that no node of the document
// uses yet.
std::string DrawNewNodeId(const pugi::xml_document& doc);

// The file form: no declaration, no whitespace between elements, UTF-8.
std::string SerializeDocument(const pugi::xml_document& doc);

enum class LoadStatus { Ok, NoFile, NotReadable, Refused };
struct LoadResult {
  LoadStatus status = LoadStatus::Ok;
  std::string reason;              // what went wrong, unless Ok
  std::vector<std::string> notes;  // what loading mended, to tell the user once

  explicit operator bool() const noexcept { return status == LoadStatus::Ok; }
};
// Loads a project file into doc (replacing its content). A declaration and
// whitespace between elements are accepted. Text that is not well-formed
// (also an attribute given twice) cannot be read; a SystemNode inside a
// field is refused, naming both. Each field is read as its whole text (its
// pieces around comments joined); a later node that repeats an id is given
// a new one, with a note. A failure leaves doc empty.
LoadResult LoadDocumentFile(pugi::xml_document& doc, const std::string& path);
LoadResult LoadDocumentText(pugi::xml_document& doc, std::string_view text);

// Writes the document to path the safe way of WriteFileReplacing.
void SaveDocumentFile(const pugi::xml_document& doc, const std::string& path);

}  // namespace cv
