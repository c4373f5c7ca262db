#include "edit/edit_history.h"

#include <zlib.h>

#include "core/errors.h"

namespace cv {

struct EditHistory::Packed {
  std::shared_ptr<const std::string> text;  // the document text, compressed
  size_t size = 0;                          // and its length uncompressed
  ProjectView view;                         // everything but the text
};

namespace {

std::string Compress(const std::string& text) {
  std::string packed(compressBound(text.size()), '\0');
  uLongf length = packed.size();
  if (compress2(reinterpret_cast<Bytef*>(packed.data()), &length,
                reinterpret_cast<const Bytef*>(text.data()), text.size(), 1) != Z_OK)
    Raise(kErrOutOfMemory, "the project could not be kept for undo");
  packed.resize(length);
  return packed;
}

std::string Uncompress(const std::string& packed, size_t size) {
  std::string text(size, '\0');
  uLongf length = size;
  if (uncompress(reinterpret_cast<Bytef*>(text.data()), &length,
                 reinterpret_cast<const Bytef*>(packed.data()), packed.size()) != Z_OK ||
      length != size)
    Raise(kErrInvalidArgument, "the project kept for undo could not be read");
  return text;
}

}  // namespace

EditHistory::EditHistory(Take take, Restore restore, Push push)
    : take_(std::move(take)), restore_(std::move(restore)), push_(std::move(push)) {}

std::shared_ptr<const EditHistory::Packed> EditHistory::Pack(ProjectView view) {
  if (!lastPacked_ || view.text != lastText_) {
    lastPacked_ = std::make_shared<const std::string>(Compress(view.text));
    lastText_ = std::move(view.text);
  }
  view.text.clear();
  return std::make_shared<const Packed>(Packed{lastPacked_, lastText_.size(), std::move(view)});
}

void EditHistory::Unpack(const std::shared_ptr<const Packed>& packed) {
  ProjectView view = packed->view;
  view.text = Uncompress(*packed->text, packed->size);
  restore_(view);
  lastText_ = std::move(view.text);
  lastPacked_ = packed->text;
}

void EditHistory::Record(const std::string& label, const std::function<void()>& change) {
  std::shared_ptr<const Packed> before = Pack(take_());
  auto push = [&] {
    ProjectView now = take_();
    if (now.text == lastText_) return;
    std::shared_ptr<const Packed> after = Pack(std::move(now));
    push_(
        label, [this, before] { Unpack(before); }, [this, after] { Unpack(after); });
  };
  try {
    change();
  } catch (...) {
    push();
    throw;
  }
  push();
}

void EditHistory::Clear() {
  lastPacked_.reset();
  lastText_.clear();
}

}  // namespace cv
