// The start-up check of the platform component: the window program stands
// on Qt, so the Qt run-time version is what is checked, against 5.5.
#pragma once

#include <QString>

namespace cv {
class MessageSink;
}

namespace cv::ui {

// The version of the Qt run-time as "major.minor.build".
QString QtRuntimeVersion();

// False for "ERROR", for text that is not a version, and for versions
// below 5.5.
bool ComponentVersionSufficient(const QString& version);
// False after the "Internet Explorer Error..." box: the program must end.
bool ComponentVersionPasses(const QString& version, MessageSink& messages);

inline constexpr const char* kComponentErrorTitle = "Internet Explorer Error...";
inline constexpr const char* kComponentErrorText =
    "Internet Explorer 5.5 or higher needed for this program!\n\n"
    "Please visit: https://www.microsoft.com/windows/ie/ for the latest version of IE.\n\n"
    "This program will now close...";

}  // namespace cv::ui
