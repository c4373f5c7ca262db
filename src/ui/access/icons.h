// The tree's image list: one drawn picture per image key (the device kinds,
// "Regulator1" and the gas supply's "kestLogo"). The printout of the design
// layout draws the same pictures.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace cv::ui {

// The 15 keys of the image list, in the list's order.
const QStringList& ImageKeys();

// The picture of a key at size x size pixels; an unknown key gives the
// picture of "Other".
QPixmap DeviceImage(const QString& key, int size);

// The icon of a key, with pictures at 16 and 32 pixels.
QIcon DeviceIcon(const QString& key);
// The same icon with a warning sign over it, for a run that could not be
// sized.
QIcon FailedDeviceIcon(const QString& key);

}  // namespace cv::ui
