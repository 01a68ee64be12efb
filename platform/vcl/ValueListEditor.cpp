#include "ValueListEditor.h"

#include "HandlerGuard.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QTableWidget>

namespace {
// The Qt table with what the list needs to tell the user's picks from the
// table's own: it makes its first row current when it gains the focus without
// a current row (no choice of the user's), and a click on the cell already
// current changes nothing (a choice all the same).
class ListTable : public QTableWidget {
public:
    ListTable() : QTableWidget(0, 2) {}
    bool focusing = false;
    bool pickedSincePress = false;

protected:
    void focusInEvent(QFocusEvent *Event) override
    {
        focusing = true;
        QTableWidget::focusInEvent(Event);
        focusing = false;
    }
    void mousePressEvent(QMouseEvent *Event) override
    {
        pickedSincePress = false;
        QTableWidget::mousePressEvent(Event);
    }
};
} // namespace

TValueListEditor::TValueListEditor(TComponent *AOwner)
    : TWinControl(AOwner, new ListTable), table_(static_cast<QTableWidget *>(Widget()))
{
    SetTabStop(true);
    SetBounds(0, 0, 306, 300);
    SetColor(clWindow);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(18);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setHorizontalHeaderLabels({QString(), QString()});
    RouteMouseOf(table_->viewport());
    auto *table = static_cast<ListTable *>(table_);
    QObject::connect(table_, &QTableWidget::currentCellChanged, table_,
                     [this, table](int row, int col, int oldRow, int oldCol) {
                         if (fromCode_ || row < 0 || table->focusing)
                             return;
                         table->pickedSincePress = true;
                         if (!UserPicked(col, row + 1)) {
                             fromCode_ = true;
                             table_->setCurrentCell(oldRow, oldCol);
                             fromCode_ = false;
                         }
                     });
    // A click that left the current cell where it was picks it again.
    QObject::connect(table_, &QTableWidget::cellClicked, table_, [this, table](int row, int col) {
        if (!fromCode_ && !table->pickedSincePress && row == table_->currentRow())
            UserPicked(col, row + 1);
    });
}

bool TValueListEditor::UserPicked(int ACol, int ARow)
{
    bool can = true;
    GuardHandler("select cell", Name(), [&] {
        if (OnSelectCell)
            OnSelectCell(this, ACol, ARow, can);
    });
    return can;
}

void TValueListEditor::SetTitleCaptions(const QString &KeyTitle, const QString &ValueTitle)
{
    table_->setHorizontalHeaderLabels({KeyTitle, ValueTitle});
}

QString TValueListEditor::TitleCaption(int ACol) const
{
    QTableWidgetItem *item = table_->horizontalHeaderItem(ACol);
    return item ? item->text() : QString();
}

int TValueListEditor::RowCount() const
{
    return table_->rowCount() + 1;
}

int TValueListEditor::InsertRow(const QString &Key, const QString &Value)
{
    const int r = table_->rowCount();
    table_->insertRow(r);
    table_->setItem(r, 0, new QTableWidgetItem(Key));
    table_->setItem(r, 1, new QTableWidgetItem(Value));
    return r + 1;
}

void TValueListEditor::ClearRows()
{
    fromCode_ = true;
    table_->setRowCount(0);
    fromCode_ = false;
}

QString TValueListEditor::Cell(int ACol, int ARow) const
{
    if (ARow == 0)
        return TitleCaption(ACol);
    QTableWidgetItem *item = table_->item(ARow - 1, ACol);
    return item ? item->text() : QString();
}

void TValueListEditor::SetCell(int ACol, int ARow, const QString &Text)
{
    if (ACol < 0 || ACol > 1 || ARow < 0 || ARow >= RowCount())
        return;
    if (ARow == 0) {
        QTableWidgetItem *item = table_->horizontalHeaderItem(ACol);
        if (item)
            item->setText(Text);
        return;
    }
    table_->item(ARow - 1, ACol)->setText(Text);
}

int TValueListEditor::Row() const
{
    const int row = table_->currentRow();
    return row >= 0 && table_->selectionModel()->isRowSelected(row, QModelIndex()) ? row + 1 : 0;
}

void TValueListEditor::SetRow(int ARow)
{
    fromCode_ = true;
    table_->setCurrentCell(ARow - 1, 0);
    fromCode_ = false;
}

void TValueListEditor::MouseToCell(int X, int Y, int &ACol, int &ARow) const
{
    const QPoint at = table_->viewport()->mapFrom(table_, QPoint(X, Y));
    const bool inside = table_->viewport()->rect().contains(at);
    const int row = inside ? table_->rowAt(at.y()) : -1;
    const int col = inside ? table_->columnAt(at.x()) : -1;
    ARow = row >= 0 ? row + 1 : -1;
    ACol = row >= 0 ? col : -1;
}
