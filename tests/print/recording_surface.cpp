#include "print/recording_surface.h"

#include <algorithm>

#include "core/errors.h"

namespace cvtest {

void RecordingSurface::Record(Drawn::Kind kind, const std::string& text, double x, double y,
                              double x2, double y2) {
  items_.push_back(
      {kind, text, x, y, x2, y2, fontName_, fontSize_, document_, page_, orientation_, ink_});
  pageUsed_ = true;
}

void RecordingSurface::PrintInline(const std::string& text) {
  Record(Drawn::Kind::Text, text, x_, y_);
  x_ += TextWidth(text);
}

double RecordingSurface::TextHeight(const std::string& text) const {
  const auto lines = 1 + std::count(text.begin(), text.end(), '\n');
  return LineHeight(fontSize_) * static_cast<double>(lines);
}

void RecordingSurface::DrawPicture(const std::string& key, double x, double y, double width,
                                   double height) {
  if (failingPictures_.count(key)) cv::Raise(cv::kErrFileNotFound, key);
  Record(Drawn::Kind::Picture, key, x, y, width, height);
}

void RecordingSurface::DrawLine(double x1, double y1, double x2, double y2) {
  Record(Drawn::Kind::Line, {}, x1, y1, x2, y2);
}

void RecordingSurface::NewPage() {
  ++page_;
  ++pageBreaks_.back();
  x_ = y_ = 0;
  pageUsed_ = false;
  orientation_ = pending_;
}

void RecordingSurface::EndDocument() {
  ++documentsEnded_;
  ++document_;
  ink_ = cv::kDiagramInk;
  pageBreaks_.push_back(-1);
  page_ = -1;
  NewPage();
}

std::vector<std::string> RecordingSurface::TextsOn(int document, int page) const {
  std::vector<std::string> texts;
  for (const Drawn& d : ItemsOf(Drawn::Kind::Text))
    if (document < 0 || (d.document == document && d.page == page)) texts.push_back(d.text);
  return texts;
}

std::optional<Drawn> RecordingSurface::FindText(const std::string& text) const {
  for (const Drawn& d : items_)
    if (d.kind == Drawn::Kind::Text && d.text == text) return d;
  return std::nullopt;
}

std::vector<Drawn> RecordingSurface::ItemsOf(Drawn::Kind kind) const {
  std::vector<Drawn> found;
  std::copy_if(items_.begin(), items_.end(), std::back_inserter(found),
               [kind](const Drawn& d) { return d.kind == kind; });
  return found;
}

int RecordingSurface::PageBreaksIn(int document) const {
  if (document < 0 || document >= static_cast<int>(pageBreaks_.size())) return 0;
  return pageBreaks_[static_cast<size_t>(document)];
}

}  // namespace cvtest
