// The diagram for a screen reader: the view is a list whose items are its
// boxes, in the same order as the tree, each read as its node
// ("Kitchen Range, Range, 65 kBTU, ..."); the selected box is the focused
// item.
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace cv::ui {

class DiagramView;

// The accessibility factory that gives DiagramView its interface; installed
// once for the program.
QAccessibleInterface* DiagramAccessibleFactory(const QString& className, QObject* object);
// Tells a screen reader that the selected box has the focus now.
void AnnounceSelectedBox(DiagramView* view, int box);

}  // namespace cv::ui
