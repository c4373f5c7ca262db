// The main of every window test: an application on the offscreen platform
// and a comma-decimal locale, so that numbers shown or stored are proven not
// to depend on the machine's locale. Settings go to a folder of their own,
// never to the user's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <clocale>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // QApplication takes the machine's locale; fix it after.
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) std::setlocale(LC_ALL, "C");
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  const QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  QApplication::setOrganizationName(QStringLiteral("corvanta-tests"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
