// The busy cursor over the program while a long step runs (a calculation
// of a large network can take a good part of a second); restored however
// the step ends.
#pragma once

#include <QGuiApplication>

namespace cv {

template <Qt::CursorShape Shape>
class OverrideCursor {
 public:
  OverrideCursor() { QGuiApplication::setOverrideCursor(Shape); }
  ~OverrideCursor() { QGuiApplication::restoreOverrideCursor(); }
  OverrideCursor(const OverrideCursor&) = delete;
  OverrideCursor& operator=(const OverrideCursor&) = delete;
};

using BusyCursor = OverrideCursor<Qt::WaitCursor>;
// A message box shown in the middle of a long step gets the usual pointer.
using ArrowCursor = OverrideCursor<Qt::ArrowCursor>;

}  // namespace cv
