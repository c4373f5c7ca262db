#include "ui/compare/compare_page.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>

#include "core/errors.h"
#include "ui/access/access_keys.h"
#include "ui/compare/compare_table.h"
#include "ui/compare/price_dialog.h"
#include "ui/editor/project_editor.h"
#include "ui/seams/busy_cursor.h"

namespace cv::ui {

ComparePage::ComparePage(ProjectEditor& editor, Apply apply, QWidget* parent)
    : QWidget(parent),
      editor_(editor),
      apply_(std::move(apply)),
      prices_(KeptPrices()),
      lblChoice_(new QLabel(this)),
      table_(new QTableWidget(this)),
      cmdApply_(new QPushButton(QStringLiteral("Apply to Project"), this)),
      cmdPrices_(new QPushButton(QStringLiteral("Prices\u2026"), this)) {
  setObjectName(QStringLiteral("fTabViewCompare"));
  table_->setObjectName(QStringLiteral("tblCompare"));
  table_->setSelectionBehavior(QAbstractItemView::SelectColumns);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setWordWrap(true);
  // The arrow keys choose an option; Tab goes on to the buttons.
  table_->setTabKeyNavigation(false);
  table_->setAccessibleName(QStringLiteral("Supply options"));
  table_->setAccessibleDescription(
      QStringLiteral("One column per supply option, one row per run; Left and Right choose the "
                     "option to apply"));
  cmdApply_->setObjectName(QStringLiteral("cmdApplyOption"));
  cmdPrices_->setObjectName(QStringLiteral("cmdPrices"));
  SetAccessKey(cmdApply_, QLatin1Char('a'),
               QStringLiteral("Writes the chosen option into the supply settings; Ctrl+Z takes "
                              "it back"));
  SetAccessKey(cmdPrices_, QLatin1Char('p'),
               QStringLiteral("The price per foot of each material and size"));
  lblChoice_->setObjectName(QStringLiteral("lblCompareChoice"));
  lblChoice_->setWordWrap(true);

  auto* buttons = new QHBoxLayout();
  buttons->addWidget(lblChoice_, 1);
  buttons->addWidget(cmdPrices_);
  buttons->addWidget(cmdApply_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(
      QStringLiteral("Each option sizes a copy of the project; the project changes only when "
                     "an option is applied."),
      this));
  layout->addWidget(table_, 1);
  layout->addLayout(buttons);
  setTabOrder(table_, cmdPrices_);
  setTabOrder(cmdPrices_, cmdApply_);

  connect(table_, &QTableWidget::currentCellChanged, this, [this] { ShowChoice(); });
  // A calculation, an undone or redone step, a new or opened project.
  connect(&editor_, &ProjectEditor::resultChanged, this, [this] { Invalidate(); });
  connect(&editor_, &ProjectEditor::restored, this, [this] { Invalidate(); });
  connect(editor_.UndoStack(), &QUndoStack::indexChanged, this, [this] { Invalidate(); });
  connect(cmdApply_, &QPushButton::clicked, this, [this] { ApplyChosen(); });
  connect(cmdPrices_, &QPushButton::clicked, this, [this] { EditPrices(); });
  ShowChoice();
}

void ComparePage::Invalidate() {
  stale_ = true;
  // The current page of the tabs is not hidden, even in a window not shown.
  // One change can be told several ways (a step and its calculation): the
  // page is worked out once, when they are all told.
  if (isHidden() || refreshQueued_) return;
  refreshQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    refreshQueued_ = false;
    if (stale_ && !isHidden()) Refresh();
  });
}

void ComparePage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (stale_) Refresh();
}

void ComparePage::Refresh() {
  stale_ = false;
  try {
    BusyCursor busy;
    const pugi::xml_document& doc = editor_.Doc();
    options_ = CompareSupplyOptions(doc, editor_.EditedProject().Catalog());
  } catch (const CvError&) {
    // A project that cannot be calculated compares nothing; the other pages
    // say why.
    options_.clear();
  }
  ShowTable();
}

void ComparePage::ShowTable() {
  const int column = std::max(table_->currentColumn(), 0);
  ShowComparison(table_, options_, prices_);
  if (column < table_->columnCount()) table_->setCurrentCell(0, column);
  ShowChoice();
}

void ComparePage::ShowChoice() {
  const int column = table_->currentColumn();
  const bool chosen = column >= 0 && column < static_cast<int>(options_.size());
  const OptionComparison* o = chosen ? &options_[static_cast<size_t>(column)] : nullptr;
  const SupplyOption* option = o ? &o->option : nullptr;
  cmdApply_->setEnabled(o && !o->current && option->Applicable());
  if (!option)
    lblChoice_->setText(QString());
  else if (!option->Applicable())
    lblChoice_->setText(QString::fromStdString(option->name + ": " + option->notApplicable));
  else
    lblChoice_->setText(QString::fromStdString(option->name));
}

void ComparePage::ApplyChosen() {
  const int column = table_->currentColumn();
  if (column < 0 || column >= static_cast<int>(options_.size())) return;
  // Applying recalculates the project, which works the page out again.
  const SupplyOption option = options_[static_cast<size_t>(column)].option;
  if (option.settings && option.Applicable()) apply_(option);
}

void ComparePage::EditPrices() {
  // Not blocking: the window stays alive while the prices are typed.
  if (pricesDialog_) {
    pricesDialog_->raise();
    return;
  }
  pricesDialog_ = new PriceDialog(prices_, this);
  pricesDialog_->setAttribute(Qt::WA_DeleteOnClose);
  connect(pricesDialog_, &QDialog::accepted, this, [this] {
    prices_ = pricesDialog_->Prices();
    KeepPrices(prices_);
    ShowTable();
  });
  pricesDialog_->open();
}

}  // namespace cv::ui
