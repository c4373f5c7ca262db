// Reading project files: the text must be well-formed, each field is read as
// its whole text, and what would make a file be read wrongly is refused or
// mended before anything else sees the document.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unordered_set>

#include "project/document.h"

namespace cv {

namespace {

// The parser accepts several top-level elements; a well-formed file has one.
bool HasSingleRoot(const pugi::xml_document& doc) {
  int elements = 0;
  for (pugi::xml_node child : doc.children())
    if (child.type() == pugi::node_element) ++elements;
  return elements == 1;
}

// The parser does not check that an element names each attribute once; a
// text that does not is not well-formed, and readers by position would
// shift.
class RepeatedAttributeFinder : public pugi::xml_tree_walker {
 public:
  bool for_each(pugi::xml_node& node) override {
    names_.clear();
    for (pugi::xml_attribute attr : node.attributes()) names_.push_back(attr.name());
    std::sort(names_.begin(), names_.end());
    const auto twice = std::adjacent_find(names_.begin(), names_.end());
    if (twice == names_.end()) return true;
    found = "the element " + std::string(node.name()) + " has the attribute " +
            std::string(*twice) + " twice";
    return false;
  }
  std::string found;

 private:
  std::vector<std::string_view> names_;
};

bool IsText(pugi::xml_node node) {
  return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

bool IsBlank(const char* text) { return std::strspn(text, " \t\r\n") == std::strlen(text); }

// The text pieces of a field joined, as a DOM's text property gives them,
// and whether a SystemNode stands inside it.
class FieldReader : public pugi::xml_tree_walker {
 public:
  bool for_each(pugi::xml_node& node) override {
    if (IsText(node)) text += node.value();
    if (IsSystemNode(node)) nested = node;
    return !nested;
  }
  std::string text;
  pugi::xml_node nested;
};

std::string NodeName(pugi::xml_node node) {
  if (!IsSystemNode(node)) return node.name();
  const pugi::xml_attribute id = node.first_attribute();
  return "the node " + std::string(id ? id.value() : "without id");
}

// Makes each field of the element one text; the blank text between its
// elements goes. Returns the refusal of a SystemNode inside a field.
std::string TidyElement(pugi::xml_node element, std::vector<pugi::xml_node>& structure) {
  for (pugi::xml_node child = element.first_child(); child;) {
    const pugi::xml_node next = child.next_sibling();
    if (IsSystemNode(child)) {
      structure.push_back(child);
    } else if (IsText(child) && IsBlank(child.value())) {
      element.remove_child(child);
    } else if (child.type() == pugi::node_element) {
      const pugi::xml_node only = child.first_child();
      if (!only || (only.type() == pugi::node_pcdata && !only.next_sibling())) {
        child = next;
        continue;
      }
      FieldReader reader;
      child.traverse(reader);
      if (reader.nested)
        return NodeName(reader.nested) + " stands inside the field " + child.name() + " of " +
               NodeName(element) + "; such a file cannot be sized";
      SetElementText(child, reader.text);
    }
    child = next;
  }
  return {};
}

// Walks the root and every SystemNode without recursion (any depth is safe).
std::string TidyFields(pugi::xml_document& doc) {
  std::vector<pugi::xml_node> structure{doc.document_element()};
  while (!structure.empty()) {
    const pugi::xml_node element = structure.back();
    structure.pop_back();
    if (std::string refused = TidyElement(element, structure); !refused.empty()) return refused;
  }
  return {};
}

// Lookups take the first node of an id, so a later duplicate would never
// be sized: it gets a new id, and the user is told.
std::vector<std::string> RenumberRepeatedIds(pugi::xml_document& doc) {
  std::vector<std::string> notes;
  std::unordered_set<std::string> seen;
  for (pugi::xml_node node : AllSystemNodes(doc)) {
    pugi::xml_attribute id = node.first_attribute();
    if (!id || seen.insert(id.value()).second) continue;
    const std::string fresh = DrawNewNodeId(doc);
    notes.push_back("The project held two nodes with the id " + std::string(id.value()) +
                    "; the second was given the id " + fresh + ".");
    id.set_value(fresh.c_str());
    seen.insert(fresh);
  }
  return notes;
}

LoadResult Failed(pugi::xml_document& doc, LoadStatus status, std::string reason) {
  doc.reset();
  return {status, std::move(reason), {}};
}

// The whole file, or the errno of the failure; anything but a regular file
// (a folder, a pipe) is not read.
int ReadWholeFile(const std::string& path, std::string& bytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno;
  struct stat info {};
  int err = ::fstat(fd, &info) != 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : 0;
  if (err == 0 && !S_ISREG(info.st_mode)) err = EINVAL;
  char buffer[65536];
  while (err == 0) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0 && errno != EINTR) err = errno;
    if (got > 0) bytes.append(buffer, static_cast<size_t>(got));
  }
  ::close(fd);
  return err;
}

}  // namespace

LoadResult LoadDocumentText(pugi::xml_document& doc, std::string_view text) {
  const pugi::xml_parse_result parsed =
      doc.load_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_ws_pcdata);
  if (!parsed)
    return Failed(
        doc, LoadStatus::NotReadable,
        std::string(parsed.description()) + " at offset " + std::to_string(parsed.offset));
  if (!HasSingleRoot(doc))
    return Failed(doc, LoadStatus::NotReadable, "the file does not hold exactly one root element");
  RepeatedAttributeFinder repeated;
  doc.traverse(repeated);
  if (!repeated.found.empty()) return Failed(doc, LoadStatus::NotReadable, repeated.found);
  if (std::string refused = TidyFields(doc); !refused.empty())
    return Failed(doc, LoadStatus::Refused, refused);
  return {LoadStatus::Ok, {}, RenumberRepeatedIds(doc)};
}

LoadResult LoadDocumentFile(pugi::xml_document& doc, const std::string& path) {
  std::string bytes;
  const int err = ReadWholeFile(path, bytes);
  if (err == ENOENT) return Failed(doc, LoadStatus::NoFile, "no file at this path");
  if (err != 0) return Failed(doc, LoadStatus::NotReadable, std::strerror(err));
  return LoadDocumentText(doc, bytes);
}

}  // namespace cv
