// The print surface on a Qt printer: twips are mapped onto the page with the
// printer's resolution, from the top left corner of the printable area.
//
// A document on a real printer is a print job of its own. Printed to a PDF
// file, every document of one surface goes into the same file, one after
// the other, since starting the file again would overwrite what came
// before; the file is complete when the surface is destroyed.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <functional>

#include "reports/print_surface.h"

class QPrinter;

namespace cv::ui {

// The picture of a key; a null image when there is none. An image with a
// device pixel ratio above 1 counts its device-independent size as its own.
using PictureSource = std::function<QImage(const QString& key)>;

class QtPrintSurface : public cv::PrintSurface {
 public:
  QtPrintSurface(QPrinter& printer, PictureSource pictures);
  ~QtPrintSurface() override;
  QtPrintSurface(const QtPrintSurface&) = delete;
  QtPrintSurface& operator=(const QtPrintSurface&) = delete;

  void SetOrientation(cv::PageOrientation orientation) override;
  void SetFontName(const std::string& name) override;
  void SetFontSize(double points) override;
  void SetFontBold(bool bold) override;
  void SetFontUnderline(bool underline) override;
  double CurrentX() const override { return x_; }
  double CurrentY() const override { return y_; }
  void SetCurrentX(double x) override { x_ = x; }
  void SetCurrentY(double y) override { y_ = y; }
  void PrintInline(const std::string& text) override;
  void NewLine() override;
  double TextWidth(const std::string& text) const override;
  double TextHeight(const std::string& text) const override;
  void DrawPicture(const std::string& key, double x, double y) override;
  void DrawPicture(const std::string& key, double x, double y, double width,
                   double height) override;
  void DrawLine(double x1, double y1, double x2, double y2) override;
  void SetInk(cv::Colour colour, double widthTwips) override;
  void FillBox(double x, double y, double width, double height, cv::Colour colour) override;
  void SetClip(double x, double y, double width, double height) override;
  void ClearClip() override;
  void NewPage() override;
  void EndDocument() override;
  double PageWidth() const override;
  double PageHeight() const override;

 private:
  // Starts the document or the page that drawing needs; a printer that
  // cannot be started fails with error 75.
  void BeginDrawing();
  bool PrintsToFile() const;
  QImage Picture(const std::string& key) const;
  double ToDevice(double twips) const;
  double ToTwips(double device) const;

  QPrinter& printer_;
  PictureSource pictures_;
  QPainter painter_;
  QFont font_;
  double x_ = 0;
  double y_ = 0;
  bool pageWanted_ = false;  // the next drawing begins a new page
  QColor ink_ = Qt::black;
  double inkWidth_ = 0;  // twips; 0: the surface's own line width
  QRectF clip_;          // device units; empty: no clipping
};

// The font the printouts ask for by name, with a fall-back of the same
// kind: "Courier New" must stay fixed-pitch for the material list's columns.
QFont PrintFont(const QString& name);

}  // namespace cv::ui
