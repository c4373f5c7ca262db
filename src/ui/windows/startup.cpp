// The start-up check of the components the program needs.
#include "ui/windows/startup.h"

#include <QStringList>
#include <QtGlobal>

#include "core/messages.h"

namespace cv::ui {

QString QtRuntimeVersion() { return QString::fromLatin1(qVersion()); }

bool ComponentVersionSufficient(const QString& version) {
  const QStringList parts = version.split(QLatin1Char('.'));
  if (parts.size() < 2) return false;
  bool majorOk = false;
  bool minorOk = false;
  const int major = parts[0].toInt(&majorOk);
  const int minor = parts[1].toInt(&minorOk);
  if (!majorOk || !minorOk) return false;
  return major > 5 || (major == 5 && minor >= 5);
}

bool ComponentVersionPasses(const QString& version, MessageSink& messages) {
  if (ComponentVersionSufficient(version)) return true;
  messages.Show(
      {kComponentErrorText, kComponentErrorTitle, MessageButtons::Ok, MessageIcon::Critical});
  return false;
}

}  // namespace cv::ui
