#include "project/document.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "core/errors.h"
#include "core/number_text.h"
#include "core/version.h"

namespace cv {

namespace {

const char* const kNewNodeFields[][2] = {
    {"description", "New Appliance"},
    {"load", "0"},
    {"length", "0"},
    {"material", "CORVANTA"},
    {"materialSize", ""},
    {"appliance", "Other"},
    {"materialSizeFixed", "0"},
    {"SupplyPressure", "0"},
    {"PressureDrop", "0"},
    {"DeliveredPressure", "0"},
    {"ModelNumber", "Other"},
};

}  // namespace

void BuildNewProject(pugi::xml_document& doc) {
  doc.reset();
  pugi::xml_node root = doc.append_child(kRootName);
  const std::string version = std::string(kVersionText) + "-English";
  root.append_attribute("version") = version.c_str();
  root.append_attribute("gasType") = "Natural Gas";
  root.append_attribute("HighSupplyPressure") = "0";
  root.append_attribute("HighSupplyAllowablePressureDrop") = "0";
  root.append_attribute("InternalLowSupplyPressure") = "7";
  root.append_attribute("InternalLowSupplyDeliveryPressure") = "0";
  root.append_attribute("InternalLowSupplyAllowablePressureDrop") = "0.5";
  const char* const fields[][2] = {{"description", kGasSupplyText},
                                   {"load", "0"},
                                   {"calculationType", "Fixed Pressure Method"},
                                   {"EFVEnabled", "False"},
                                   {"DualSystem", "False"}};
  for (const auto& field : fields) SetElementText(root.append_child(field[0]), field[1]);
}

pugi::xml_node ProjectRoot(const pugi::xml_document& doc) {
  pugi::xml_node root = doc.document_element();
  if (!root || std::strcmp(root.name(), kRootName) != 0)
    Raise(kErrMissingElement, "the project has no CVSystem element");
  return root;
}

pugi::xml_node AppendNewSystemNode(pugi::xml_node parent, std::string_view id) {
  pugi::xml_node node = parent.append_child(kSystemNodeName);
  node.append_attribute("id") = std::string(id).c_str();
  for (const auto& field : kNewNodeFields) SetElementText(node.append_child(field[0]), field[1]);
  return node;
}

bool IsSystemRoot(pugi::xml_node element) noexcept {
  return element && std::strcmp(element.name(), kRootName) == 0;
}

bool IsSystemNode(pugi::xml_node element) noexcept {
  return element && std::strcmp(element.name(), kSystemNodeName) == 0;
}

// A node's field elements come ahead of its child nodes, so the search
// ends at the first SystemNode: a missing optional field (materialSizeFixed)
// never costs a walk over thousands of children.
pugi::xml_node FindField(pugi::xml_node node, const char* name) noexcept {
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
    if (child.type() != pugi::node_element) continue;
    const char* childName = child.name();
    if (std::strcmp(childName, name) == 0) return child;
    if (std::strcmp(childName, kSystemNodeName) == 0) break;
  }
  return {};
}

bool IsSizeFixed(pugi::xml_node node) noexcept {
  return std::string_view(FindField(node, "materialSizeFixed").text().get()) == "1";
}

std::string_view FieldView(pugi::xml_node node, const char* name) {
  pugi::xml_node field = FindField(node, name);
  if (!field) {
    std::string where = IsSystemNode(node) && node.first_attribute()
                            ? " of node " + std::string(node.first_attribute().value())
                            : "";
    Raise(kErrMissingElement, std::string("missing element ") + name + where);
  }
  return field.text().get();
}

std::string FieldText(pugi::xml_node node, const char* name) {
  return std::string(FieldView(node, name));
}

double FieldNumber(pugi::xml_node node, const char* name) {
  const std::string_view text = FieldView(node, name);
  if (auto value = TryParseNumber(text)) return *value;
  pugi::xml_node description = FindField(node, "description");
  Raise(kErrTypeMismatch, std::string("the ") + name + " \"" + std::string(text) + "\" of \"" +
                              (description ? description.text().get() : NodeId(node)) +
                              "\" is not a number");
}

void SetElementText(pugi::xml_node element, std::string_view text) {
  pugi::xml_node only = element.first_child();
  if (!text.empty() && only && only.type() == pugi::node_pcdata && !only.next_sibling()) {
    only.set_value(std::string(text).c_str());
    return;
  }
  while (element.first_child()) element.remove_child(element.first_child());
  if (!text.empty()) element.append_child(pugi::node_pcdata).set_value(std::string(text).c_str());
}

void SetFieldText(pugi::xml_node node, const char* name, std::string_view text) {
  pugi::xml_node field = FindField(node, name);
  if (!field) FieldText(node, name);  // raises the missing-element failure
  SetElementText(field, text);
}

namespace {

pugi::xml_attribute AttributeAt(pugi::xml_node root, int position) {
  pugi::xml_attribute attr = root.first_attribute();
  for (int i = 0; attr && i < position; ++i) attr = attr.next_attribute();
  if (!attr)
    Raise(kErrOutOfRange, "the CVSystem element has no attribute " + std::to_string(position));
  return attr;
}

}  // namespace

std::string RootAttributeText(pugi::xml_node root, int position) {
  return AttributeAt(root, position).value();
}

void SetRootAttributeText(pugi::xml_node root, int position, std::string_view text) {
  AttributeAt(root, position).set_value(std::string(text).c_str());
}

std::string NodeId(pugi::xml_node node) {
  pugi::xml_attribute attr = node.first_attribute();
  if (!attr) Raise(kErrMissingElement, "a SystemNode has no id");
  return attr.value();
}

namespace {

// Visits the SystemNode elements of the document in document order until
// the visitor returns false. Iterative, so any depth is safe.
template <typename Visitor>
void ForEachSystemNode(const pugi::xml_document& doc, Visitor&& visit) {
  pugi::xml_node cur = doc.first_child();
  while (cur) {
    const bool systemNode = IsSystemNode(cur);
    if (systemNode && !visit(cur)) return;
    // Only the root element and the nodes hold nodes; their fields do not.
    if ((systemNode || cur.parent() == doc) && cur.first_child()) {
      cur = cur.first_child();
      continue;
    }
    while (cur && !cur.next_sibling()) cur = cur.parent();
    if (!cur) return;
    cur = cur.next_sibling();
  }
}

}  // namespace

pugi::xml_node FindSystemNodeById(const pugi::xml_document& doc, std::string_view id) {
  pugi::xml_node found;
  ForEachSystemNode(doc, [&](pugi::xml_node node) {
    if (node.first_attribute() && id == node.first_attribute().value()) {
      found = node;
      return false;
    }
    return true;
  });
  return found;
}

std::vector<pugi::xml_node> AllSystemNodes(const pugi::xml_document& doc) {
  std::vector<pugi::xml_node> nodes;
  ForEachSystemNode(doc, [&](pugi::xml_node node) {
    nodes.push_back(node);
    return true;
  });
  return nodes;
}

int SystemNodeDepth(const pugi::xml_document& doc) {
  // One walk in document order, counting SystemNode levels on the way down
  // and up.
  int depth = 0;
  int deepest = 0;
  pugi::xml_node cur = doc.first_child();
  while (cur) {
    if (IsSystemNode(cur)) deepest = std::max(deepest, ++depth);
    if (cur.first_child()) {
      cur = cur.first_child();
      continue;
    }
    while (cur && !cur.next_sibling()) {
      if (IsSystemNode(cur)) --depth;
      cur = cur.parent();
    }
    if (!cur) break;
    if (IsSystemNode(cur)) --depth;
    cur = cur.next_sibling();
  }
  return deepest;
}

std::vector<pugi::xml_node> ChildSystemNodes(pugi::xml_node element) {
  std::vector<pugi::xml_node> children;
  for (pugi::xml_node child : element.children(kSystemNodeName)) children.push_back(child);
  return children;
}

std::string IdFromTreeKey(std::string_view key) {
  return std::string(key.substr(0, key.find(' ')));
}

std::string DrawNewNodeId(const pugi::xml_document& doc) {
  static std::mt19937 generator(
      static_cast<unsigned>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
  std::uniform_real_distribution<float> fraction(0.0f, 1.0f);
  for (;;) {
    // A single-precision fraction such as 0.7055475 gives the id 7055475.
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, fraction(generator), std::chars_format::fixed);
    std::string text(buf, res.ptr);
    if (text.size() <= 2 || text.compare(0, 2, "0.") != 0) continue;
    std::string id = text.substr(2);
    if (!FindSystemNodeById(doc, id)) return id;
  }
}

std::string SerializeDocument(const pugi::xml_document& doc) {
  std::ostringstream out;
  doc.save(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
  return out.str();
}

void SaveDocumentFile(const pugi::xml_document& doc, const std::string& path) {
  WriteFileReplacing(path, SerializeDocument(doc));
}

}  // namespace cv
