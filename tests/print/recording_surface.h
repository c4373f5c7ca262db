// A print surface that records what is drawn on it, with fixed font
// metrics, so tests can read the texts, positions, pages and documents of a
// printout.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "reports/print_surface.h"

namespace cvtest {

struct Drawn {
  enum class Kind { Text, Line, Picture };
  Kind kind = Kind::Text;
  std::string text;  // the text, or the picture's key
  double x = 0, y = 0;
  double x2 = 0, y2 = 0;  // a line's end; a picture's size (0: own size)
  std::string fontName;
  double fontSize = 0;
  int document = 0;  // counted from 0
  int page = 0;      // within the document, from 0
  cv::PageOrientation orientation = cv::PageOrientation::Portrait;
  cv::Colour ink = cv::kDiagramInk;
};

class RecordingSurface : public cv::PrintSurface {
 public:
  // Fixed metrics: every character is fontSize x 10 twips wide, a line is
  // fontSize x 23 twips high. A portrait page is 11520 x 15120 twips.
  static double CharWidth(double points) { return points * 10; }
  static double LineHeight(double points) { return points * 23; }

  void SetOrientation(cv::PageOrientation orientation) override {
    pending_ = orientation;
    if (!pageUsed_) orientation_ = orientation;
  }
  void SetFontName(const std::string& name) override { fontName_ = name; }
  void SetInk(cv::Colour colour, double) override { ink_ = colour; }
  void SetFontSize(double points) override { fontSize_ = points; }
  // No test reads the emphasis.
  void SetFontBold(bool) override {}
  void SetFontUnderline(bool) override {}
  double CurrentX() const override { return x_; }
  double CurrentY() const override { return y_; }
  void SetCurrentX(double x) override { x_ = x; }
  void SetCurrentY(double y) override { y_ = y; }
  void PrintInline(const std::string& text) override;
  void NewLine() override {
    x_ = 0;
    y_ += LineHeight(fontSize_);
  }
  double TextWidth(const std::string& text) const override {
    return CharWidth(fontSize_) * static_cast<double>(text.size());
  }
  double TextHeight(const std::string& text) const override;
  void DrawPicture(const std::string& key, double x, double y) override {
    DrawPicture(key, x, y, 0, 0);
  }
  void DrawPicture(const std::string& key, double x, double y, double width,
                   double height) override;
  void DrawLine(double x1, double y1, double x2, double y2) override;
  void NewPage() override;
  void EndDocument() override;
  double PageWidth() const override { return Portrait() ? 11520 : 15120; }
  double PageHeight() const override { return Portrait() ? 15120 : 11520; }

  // A picture key that fails with error 53, as a missing file does.
  void FailPicture(const std::string& key) { failingPictures_.insert(key); }

  const std::vector<Drawn>& Items() const noexcept { return items_; }
  std::vector<std::string> Texts() const { return TextsOn(-1, 0); }
  // The texts of one page of one document (document < 0: of all).
  std::vector<std::string> TextsOn(int document, int page) const;
  std::optional<Drawn> FindText(const std::string& text) const;
  std::vector<Drawn> ItemsOf(Drawn::Kind kind) const;
  int DocumentsEnded() const noexcept { return documentsEnded_; }
  int PagesIn(int document) const { return PageBreaksIn(document) + 1; }
  // The pages a document began with NewPage.
  int PageBreaksIn(int document) const;

 private:
  void Record(Drawn::Kind kind, const std::string& text, double x, double y, double x2 = 0,
              double y2 = 0);
  bool Portrait() const { return orientation_ == cv::PageOrientation::Portrait; }

  std::vector<Drawn> items_;
  std::vector<int> pageBreaks_ = {0};
  std::set<std::string> failingPictures_;
  std::string fontName_ = "Arial";
  double fontSize_ = 10;
  double x_ = 0, y_ = 0;
  int document_ = 0;
  int page_ = 0;
  bool pageUsed_ = false;
  int documentsEnded_ = 0;
  cv::PageOrientation orientation_ = cv::PageOrientation::Portrait;
  cv::PageOrientation pending_ = cv::PageOrientation::Portrait;
  cv::Colour ink_ = cv::kDiagramInk;
};

}  // namespace cvtest
