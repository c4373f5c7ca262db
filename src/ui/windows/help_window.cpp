#include "ui/windows/help_window.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "core/errors.h"
#include "reports/print_wrapped_text.h"
#include "ui/output/print_commands.h"
#include "ui/seams/qt_print_surface.h"

namespace cv::ui {

std::optional<QString> ReadHelpText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  QString text;
  for (QString line : QString::fromUtf8(bytes).split(QLatin1Char('\n'))) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    text += line + QStringLiteral("\r\n");
  }
  // The split leaves an empty piece after a final line feed: it is no line.
  if (bytes.isEmpty() || bytes.endsWith('\n')) text.chop(2);
  return text;
}

QString MissingHelpNote(const QString& path) {
  return QStringLiteral("The help is not available: the file %1 could not be read.").arg(path);
}

namespace {
const QString kShowHelpKey = QStringLiteral("showHelpAtStartUp");
}

bool ShowHelpAtStartUp() { return QSettings().value(kShowHelpKey, true).toBool(); }

HelpWindow::HelpWindow(const Seams& seams, QString helpPath, QWidget* parent)
    : QWidget(parent, Qt::Window), seams_(seams), helpPath_(std::move(helpPath)) {
  setObjectName(QStringLiteral("frmHelp"));
  setWindowTitle(QString::fromLatin1(cv::kHelpTitle));
  txtHelp = new QPlainTextEdit(this);
  txtHelp->setObjectName(QStringLiteral("txtHelp"));
  txtHelp->setReadOnly(true);
  cmdPrint = new QPushButton(QStringLiteral("Print"), this);
  cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  chkShowAtStartUp = new QCheckBox(QStringLiteral("Show this window at start-up"), this);
  chkShowAtStartUp->setObjectName(QStringLiteral("chkShowAtStartUp"));
  chkShowAtStartUp->setChecked(ShowHelpAtStartUp());
  connect(chkShowAtStartUp, &QCheckBox::toggled, this,
          [](bool on) { QSettings().setValue(kShowHelpKey, on); });
  connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  // Escape closes the window as OK does, so the keyboard gets back to work.
  auto* escape = new QAction(this);
  escape->setShortcut(Qt::Key_Escape);
  connect(escape, &QAction::triggered, this, [this] { cmdOK_Click(); });
  addAction(escape);
  txtHelp->setAccessibleName(QStringLiteral("Help"));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(chkShowAtStartUp);
  buttons->addStretch();
  buttons->addWidget(cmdPrint);
  buttons->addWidget(cmdOK);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(txtHelp);
  layout->addLayout(buttons);
  resize(620, 520);
  Form_Load();
}

void HelpWindow::Form_Load() {
  // Without its file the window says so in one line; the program goes on.
  const std::optional<QString> text = ReadHelpText(helpPath_);
  txtHelp->setPlainText(text ? QString(*text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                             : MissingHelpNote(helpPath_));
}

void HelpWindow::cmdPrint_Click() {
  if (!seams_.printers->ConfirmPrint(this, printer_)) return;
  try {
    QtPrintSurface surface(printer_, PrintPicture);
    cv::PrintHelpDocument(surface, txtHelp->toPlainText().toUtf8().toStdString());
  } catch (const cv::CvError& e) {
    cv::Message message;
    message.text = cv::StandardErrorText(e);
    seams_.messages->Show(message);
  }
}

void HelpWindow::cmdOK_Click() { close(); }

}  // namespace cv::ui
