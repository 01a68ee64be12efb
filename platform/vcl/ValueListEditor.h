#pragma once
#include "WinControl.h"

#include <functional>

class QTableWidget;

using TSelectCellEvent = std::function<void(TObject *Sender, int ACol, int ARow, bool &CanSelect)>;

// A key/value list editor (a Qt table inside): two columns under a title row,
// one row per key. Rows are counted as the grid counts them: the title row is
// row 0, the first key is row 1. OnSelectCell fires when the user picks a
// cell (mouse or keys), not when the list merely gains the focus; CanSelect
// false keeps the selection where it was. The mouse events (OnMouseDown,
// OnMouseUp, ...) come in the list's own coordinates, for MouseToCell.
class TValueListEditor : public TWinControl {
public:
    explicit TValueListEditor(TComponent *AOwner);

    void SetTitleCaptions(const QString &KeyTitle, const QString &ValueTitle);
    QString TitleCaption(int ACol) const;
    // Number of grid rows, the title row included.
    int RowCount() const;
    // Appends a key row; returns its grid row.
    int InsertRow(const QString &Key, const QString &Value);
    void ClearRows();
    // ACol 0 the key, 1 the value; ARow 0 the titles. Out of range: empty text,
    // and a write changes nothing.
    QString Cell(int ACol, int ARow) const;
    void SetCell(int ACol, int ARow, const QString &Text);
    // The selected grid row (0 while none is: the row the focus lands on
    // is not selected until the user picks it).
    int Row() const;
    void SetRow(int ARow);
    // The cell under the list's point (X, Y); -1 for the column and the row
    // off the key rows (the title row and the space below the last row).
    void MouseToCell(int X, int Y, int &ACol, int &ARow) const;
    QTableWidget *Table() const { return table_; }

    TSelectCellEvent OnSelectCell;

private:
    // Fires OnSelectCell for the user's pick; false when the handler refused it.
    bool UserPicked(int ACol, int ARow);

    QTableWidget *table_;
    bool fromCode_ = false;
};
