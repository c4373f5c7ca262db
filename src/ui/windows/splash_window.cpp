#include "ui/windows/splash_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSysInfo>

#include "core/data_files.h"
#include "core/messages.h"
#include "core/version.h"

namespace cv::ui {

namespace {

constexpr int kDisclaimerWidth = 560;

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text = {}) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

// A picture of the program's folder; a missing file leaves the label empty.
QPixmap DataPicture(const char* name, int width) {
  QPixmap picture(QString::fromStdString(FindDataFile(name)));
  return picture.isNull() ? picture : picture.scaledToWidth(width, Qt::SmoothTransformation);
}

}  // namespace

QString VersionText() {
  return QStringLiteral("Version %1.%2.%3")
      .arg(cv::kVersionMajor)
      .arg(cv::kVersionMinor)
      .arg(cv::kVersionRevision);
}

QString DisclaimerText() {
  return QStringLiteral(
      "THIS SOFTWARE AND THE ACCOMPANYING FILES ARE PROVIDED \"AS IS\" AND WITHOUT WARRANTIES "
      "AS TO PERFORMANCE OR ANY OTHER WARRANTIES WHETHER EXPRESSED OR IMPLIED.  "
      "NO RESPONSIBILITY CAN BE TAKEN FOR ANY CLAIMS.  "
      "THIS APPLICATION IS FOR USE WITH CORVANTA ONLY.  "
      "Updates of this application are published on the CORVANTA web site, "
      "www.corvanta.example.  "
      "Please check this website frequently to ensure you have the latest version of this "
      "application.");
}

SplashWindow::SplashWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmSplash"));
  setModal(true);
  setWindowTitle(QString::fromLatin1(cv::kProgramTitle));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  lblProductName = NamedLabel(this, "lblProductName", QStringLiteral("CORVANTA Sizing System"));
  QFont big = lblProductName->font();
  big.setPointSize(16);
  big.setBold(true);
  lblProductName->setFont(big);
  // The system the program runs on, as the system names itself.
  lblPlatform = NamedLabel(this, "lblPlatform", QSysInfo::prettyProductName());
  lblVersion = NamedLabel(this, "lblVersion");
  lblCopyright = NamedLabel(this, "lblCopyright",
                            QStringLiteral("Copyright \u00A9 CORVANTA. All rights reserved."));
  lblDisclaimer = NamedLabel(this, "lblDisclaimer");
  lblDisclaimer->setFont(QFont(QStringLiteral("Arial"), 8));
  lblDisclaimer->setWordWrap(true);
  lblDisclaimer->setFixedWidth(kDisclaimerWidth);
  Image1 = NamedLabel(this, "Image1");
  Image1->setPixmap(DataPicture("corvanta_product.png", 160));
  imgLogo = NamedLabel(this, "imgLogo");
  imgLogo->setPixmap(DataPicture("crvntlogo.bmp", 300));
  cmdEnter = new QPushButton(QStringLiteral("Enter Application..."), this);
  cmdEnter->setObjectName(QStringLiteral("cmdEnter"));
  cmdEnter->setDefault(true);
  connect(cmdEnter, &QPushButton::clicked, this, [this] { cmdEnter_Click(); });

  auto* grid = new QGridLayout(this);
  grid->addWidget(Image1, 0, 0, 5, 1, Qt::AlignTop);
  grid->addWidget(imgLogo, 0, 1);
  grid->addWidget(lblProductName, 1, 1);
  grid->addWidget(lblPlatform, 2, 1);
  grid->addWidget(lblVersion, 3, 1);
  grid->addWidget(lblCopyright, 4, 1);
  grid->addWidget(lblDisclaimer, 5, 0, 1, 2);
  grid->addWidget(cmdEnter, 6, 1, Qt::AlignRight);
  grid->setSizeConstraint(QLayout::SetFixedSize);
  Form_Load();
}

void SplashWindow::Form_Load() {
  lblVersion->setText(VersionText());
  lblDisclaimer->setText(DisclaimerText());
  lblDisclaimer->setMinimumHeight(lblDisclaimer->heightForWidth(kDisclaimerWidth));
}

void SplashWindow::cmdEnter_Click() { accept(); }

}  // namespace cv::ui
