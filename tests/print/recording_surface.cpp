#include "print/recording_surface.h"

#include <algorithm>

#include "core/errors.h"

namespace cvtest {

using cv::PageOrientation;

void RecordingSurface::SetOrientation(PageOrientation orientation) {
  pending_ = orientation;
  if (!pageUsed_) orientation_ = orientation;
}

Drawn RecordingSurface::Make(Drawn::Kind kind, const std::string& text, double x, double y) const {
  Drawn d;
  d.kind = kind;
  d.text = text;
  d.x = x;
  d.y = y;
  d.fontName = fontName_;
  d.fontSize = fontSize_;
  d.document = document_;
  d.page = page_;
  d.orientation = orientation_;
  return d;
}

void RecordingSurface::PrintInline(const std::string& text) {
  items_.push_back(Make(Drawn::Kind::Text, text, x_, y_));
  pageUsed_ = true;
  x_ += TextWidth(text);
}

void RecordingSurface::NewLine() {
  x_ = 0;
  y_ += LineHeight(fontSize_);
}

double RecordingSurface::TextWidth(const std::string& text) const {
  return CharWidth(fontSize_) * static_cast<double>(text.size());
}

double RecordingSurface::TextHeight(const std::string& text) const {
  const auto lines = 1 + std::count(text.begin(), text.end(), '\n');
  return LineHeight(fontSize_) * static_cast<double>(lines);
}

void RecordingSurface::DrawPicture(const std::string& key, double x, double y) {
  DrawPicture(key, x, y, 0, 0);
}

void RecordingSurface::DrawPicture(const std::string& key, double x, double y, double width,
                                   double height) {
  if (failingPictures_.count(key)) cv::Raise(cv::kErrFileNotFound, key);
  Drawn d = Make(Drawn::Kind::Picture, key, x, y);
  d.x2 = width;
  d.y2 = height;
  items_.push_back(d);
  pageUsed_ = true;
}

void RecordingSurface::DrawLine(double x1, double y1, double x2, double y2) {
  Drawn d = Make(Drawn::Kind::Line, {}, x1, y1);
  d.x2 = x2;
  d.y2 = y2;
  items_.push_back(d);
  pageUsed_ = true;
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
  pageBreaks_.push_back(0);
  page_ = 0;
  x_ = y_ = 0;
  pageUsed_ = false;
  orientation_ = pending_;
}

double RecordingSurface::PageWidth() const {
  return orientation_ == PageOrientation::Portrait ? 11520 : 15120;
}

double RecordingSurface::PageHeight() const {
  return orientation_ == PageOrientation::Portrait ? 15120 : 11520;
}

std::vector<std::string> RecordingSurface::Texts() const {
  std::vector<std::string> texts;
  for (const Drawn& d : items_)
    if (d.kind == Drawn::Kind::Text) texts.push_back(d.text);
  return texts;
}

std::vector<std::string> RecordingSurface::TextsOn(int document, int page) const {
  std::vector<std::string> texts;
  for (const Drawn& d : items_)
    if (d.kind == Drawn::Kind::Text && d.document == document && d.page == page)
      texts.push_back(d.text);
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

int RecordingSurface::PagesIn(int document) const { return PageBreaksIn(document) + 1; }

int RecordingSurface::PageBreaksIn(int document) const {
  if (document < 0 || document >= static_cast<int>(pageBreaks_.size())) return 0;
  return pageBreaks_[static_cast<size_t>(document)];
}

}  // namespace cvtest
