#include "widgets/frozen_column.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

namespace orv::widgets {

TFrozenColumn::TFrozenColumn(QTableView& table) : QObject(&table), table_(table), frozen_(new QTableView(&table)) {
  frozen_->setObjectName("FrozenColumn");
  frozen_->setModel(table.model());
  frozen_->setSelectionModel(table.selectionModel());
  frozen_->setSelectionBehavior(table.selectionBehavior());
  frozen_->setSelectionMode(table.selectionMode());
  frozen_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  frozen_->setFocusPolicy(Qt::NoFocus);
  frozen_->setFrameShape(QFrame::NoFrame);
  frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  frozen_->setWordWrap(false);
  frozen_->setTextElideMode(table.textElideMode());
  frozen_->verticalHeader()->hide();
  frozen_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  frozen_->verticalHeader()->setMinimumSectionSize(1);
  frozen_->verticalHeader()->setDefaultSectionSize(table.verticalHeader()->defaultSectionSize());
  frozen_->horizontalHeader()->setVisible(!table.horizontalHeader()->isHidden());
  frozen_->horizontalHeader()->setDefaultAlignment(table.horizontalHeader()->defaultAlignment());
  frozen_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table.viewport()->stackUnder(frozen_);
  // What the user does on the column is done on the table.
  connect(frozen_->horizontalHeader(), &QHeaderView::sectionClicked, table.horizontalHeader(),
          &QHeaderView::sectionClicked);
  connect(frozen_, &QAbstractItemView::doubleClicked, &table, &QAbstractItemView::doubleClicked);
  connect(frozen_->verticalScrollBar(), &QScrollBar::valueChanged, table.verticalScrollBar(),
          &QScrollBar::setValue);
  connect(table.verticalScrollBar(), &QScrollBar::valueChanged, frozen_->verticalScrollBar(),
          &QScrollBar::setValue);
  connect(table.horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
    if (column == 0) UpdateGeometry();
  });
  // A reset header forgets which columns it hid.
  connect(table.model(), &QAbstractItemModel::columnsInserted, this, [this] { ShowOnlyTheFirstColumn(); });
  connect(table.model(), &QAbstractItemModel::modelReset, this, [this] { ShowOnlyTheFirstColumn(); });
  table.installEventFilter(this);
  ShowOnlyTheFirstColumn();
  UpdateGeometry();
  frozen_->show();
}

void TFrozenColumn::ShowOnlyTheFirstColumn() {
  for (int column = 1; column < table_.model()->columnCount(); ++column) frozen_->setColumnHidden(column, true);
}

bool TFrozenColumn::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &table_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show ||
                             event->type() == QEvent::LayoutRequest))
    UpdateGeometry();
  return QObject::eventFilter(watched, event);
}

void TFrozenColumn::UpdateGeometry() {
  frozen_->setColumnWidth(0, table_.columnWidth(0));
  frozen_->horizontalHeader()->setFixedHeight(table_.horizontalHeader()->height());
  const int header = !table_.horizontalHeader()->isHidden() ? table_.horizontalHeader()->height() : 0;
  frozen_->setGeometry(table_.verticalHeader()->width() + table_.frameWidth(), table_.frameWidth(),
                       table_.columnWidth(0), table_.viewport()->height() + header);
  frozen_->verticalScrollBar()->setValue(table_.verticalScrollBar()->value());
}

}  // namespace orv::widgets
