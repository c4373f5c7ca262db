#include "ui/windows/about_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/access/icons.h"
#include "ui/windows/splash_window.h"

namespace cv::ui {

namespace {

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text = {}) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setWordWrap(true);
  return label;
}

}  // namespace

QString DebugCaption(bool debugMode) {
  return debugMode ? QStringLiteral("Debugging On") : QStringLiteral("Debugging Off");
}

void StartSysInfo(cv::MessageSink& messages) {
  cv::Message message;
  message.text = kSysInfoUnavailable;
  messages.Show(message);
}

AboutWindow::AboutWindow(bool& debugMode, cv::MessageSink& messages, QWidget* parent)
    : QDialog(parent), debugMode_(debugMode), messages_(messages) {
  setObjectName(QStringLiteral("frmAbout"));
  setModal(true);
  picIcon = NamedLabel(this, "picIcon");
  picIcon->setPixmap(DeviceImage(QStringLiteral("kestLogo"), 48));
  lblTitle = NamedLabel(this, "lblTitle");
  lblTitle->setWordWrap(false);
  QFont titleFont = lblTitle->font();
  titleFont.setPointSize(titleFont.pointSize() + 4);
  titleFont.setBold(true);
  lblTitle->setFont(titleFont);
  lblVersion = NamedLabel(this, "lblVersion");
  lblDescription = NamedLabel(
      this, "lblDescription",
      QStringLiteral("Sizes fuel-gas piping of CORVANTA tubing and schedule-40 steel pipe for "
                     "natural gas and propane."));
  lblContact = NamedLabel(this, "lblContact",
                          QStringLiteral("Technical support: support@corvanta.example\n"
                                         "www.corvanta.example"));
  cmdSysInfo = NamedButton(this, "cmdSysInfo", QStringLiteral("&System Info..."));
  cmdDebug = NamedButton(this, "cmdDebug", QString());
  cmdOK = NamedButton(this, "cmdOK", QStringLiteral("OK"));
  cmdOK->setDefault(true);
  connect(cmdSysInfo, &QPushButton::clicked, this, [this] { cmdSysInfo_Click(); });
  connect(cmdDebug, &QPushButton::clicked, this, [this] { cmdDebug_Click(); });
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });

  auto* grid = new QGridLayout(this);
  grid->addWidget(picIcon, 0, 0, 2, 1, Qt::AlignTop);
  grid->addWidget(lblTitle, 0, 1, 1, 2);
  grid->addWidget(lblVersion, 1, 1, 1, 2);
  grid->addWidget(lblDescription, 2, 1, 1, 2);
  grid->addWidget(lblContact, 3, 1, 1, 2);
  grid->addWidget(cmdOK, 0, 3);
  grid->addWidget(cmdSysInfo, 1, 3);
  grid->addWidget(cmdDebug, 2, 3);
  setMinimumWidth(480);
  Form_Load();
}

void AboutWindow::Form_Load() {
  const QString title = QString::fromLatin1(cv::kProgramTitle);
  setWindowTitle(QStringLiteral("About ") + title);
  lblTitle->setText(title);
  lblVersion->setText(VersionText());
  cmdDebug->setText(DebugCaption(debugMode_));
}

void AboutWindow::cmdDebug_Click() {
  // The caption always names the state the trace is in after the click.
  debugMode_ = !debugMode_;
  cmdDebug->setText(DebugCaption(debugMode_));
}

void AboutWindow::cmdSysInfo_Click() { StartSysInfo(messages_); }

void AboutWindow::cmdOK_Click() { accept(); }

}  // namespace cv::ui
