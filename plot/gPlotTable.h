#pragma once
#include "gDrawing.h"
#include "gPlotLayoutObject.h"

#include <QStringList>
#include <memory>
#include <vector>

class TFont;
class TgPlotTableButton;
class TgPlotTableColumn;

// A grid of text cells with column titles, placed beside the data view. A
// row's text holds its cells as lines (line N for column N). When not all
// rows fit (or RowsMax limits them), two auto-repeating scroll buttons
// beside the grid move the window of shown rows.
class TgPlotTable : public TgPlotLayoutObject {
public:
    TgPlotTable(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                TNotifyEvent AOnRename);
    ~TgPlotTable() override;

    int AddColumn(const QString &Title);
    void DeleteColumn(int Index);
    void RemoveAllColumns();
    int ColumnCount() const { return static_cast<int>(FColumnList.size()); }
    TgPlotTableColumn *Column(int Index) const;
    int AddRow();
    void DeleteRow(int Index);
    void RemoveAllRows();
    int RowCount() const { return FRowDataList.size(); }
    // The row's text (its cells as lines).
    void SetRowText(int Index, const QString &Text);
    QString GetCellText(int Column, int Row) const;
    int RowDisplayStartIndex() const { return FItemViewStartIndex; }
    void SetRowDisplayStartIndex(int Value) { FItemViewStartIndex = Value; }
    int RowDisplayStopIndex() const { return FItemViewStopIndex; }
    TgPlotTableButton *UpButton() const { return FUpButton.get(); }
    TgPlotTableButton *DownButton() const { return FDownButton.get(); }
    int RowHeight() const { return FRowHeight; }
    TRect GridRect() const { return FGridRect; }
    TRect TitleRect() const { return FTitleRect; }

    double MarginLeft() const { return FMarginLeft; }
    void SetMarginLeft(double Value) { ChangeDouble(FMarginLeft, Value, &TgPlotObject::DoChange); }
    double MarginRight() const { return FMarginRight; }
    void SetMarginRight(double Value) { ChangeDouble(FMarginRight, Value, &TgPlotObject::DoChange); }
    double MarginTop() const { return FMarginTop; }
    void SetMarginTop(double Value) { ChangeDouble(FMarginTop, Value, &TgPlotObject::DoChange); }
    double MarginBottom() const { return FMarginBottom; }
    void SetMarginBottom(double Value) { ChangeDouble(FMarginBottom, Value, &TgPlotObject::DoChange); }
    bool GridBackGroundTransparent() const { return FGridBackGroundTransparent; }
    void SetGridBackGroundTransparent(bool V) { ChangeBoolean(FGridBackGroundTransparent, V, &TgPlotObject::DoChange); }
    TColor GridBackGroundColor() const { return FGridBackGroundColor; }
    void SetGridBackGroundColor(TColor Value) { ChangeInteger(FGridBackGroundColor, Value, &TgPlotObject::DoChange); }
    bool GridLinesShow() const { return FGridLinesShow; }
    void SetGridLinesShow(bool Value) { ChangeBoolean(FGridLinesShow, Value, &TgPlotObject::DoChange); }
    TColor GridLinesColor() const { return FGridLinesColor; }
    void SetGridLinesColor(TColor Value) { ChangeInteger(FGridLinesColor, Value, &TgPlotObject::DoChange); }
    double ColumnSpacing() const { return FColumnSpacing; }
    void SetColumnSpacing(double Value) { ChangeDouble(FColumnSpacing, Value, &TgPlotObject::DoChange); }
    double RowSpacing() const { return FRowSpacing; }
    void SetRowSpacing(double Value) { ChangeDouble(FRowSpacing, Value, &TgPlotObject::DoChange); }
    int RowsMax() const { return FRowsMax; }
    void SetRowsMax(int Value) { ChangeInteger(FRowsMax, Value, &TgPlotObject::DoChange); }
    bool ColumnTitlesVisible() const { return FColumnTitlesVisible; }
    void SetColumnTitlesVisible(bool Value) { ChangeBoolean(FColumnTitlesVisible, Value, &TgPlotObject::DoChange); }
    TFont *DataFont() const { return FDataFont.get(); }
    void SetDataFont(TFont *Value);
    TFont *ColumnTitlesFont() const { return FColumnTitlesFont.get(); }
    void SetColumnTitlesFont(TFont *Value);

    void NotificationSetFocus(TObject *Sender) override;
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;
    void DoMouseUp(const TgPlotMouseData &MouseData) override;
    TgPlotObject *GetMouseOverObject(int X, int Y) override;
    void BuildPopupMenu(TPopupMenu *PopupMenu) override;
    int GetRequiredSpace(TCanvas *Canvas) override;

    const TPublishedClass *PublishedClass() const override { return StaticPublished(); }
    static const TPublishedClass *StaticPublished();

private:
    void CalcLayout(TCanvas *Canvas);
    void ScrollUp(TObject *);
    void ScrollDown(TObject *);
    void DrawCell(TCanvas *Canvas, TRect Cell, const QString &Text, TgAlignmentHorizontal Alignment, double Margin,
                  int CharWidth);

    std::unique_ptr<TgPlotTableButton> FUpButton, FDownButton;
    int FRequiredWidth = 0, FRequiredHeight = 0;
    std::vector<std::unique_ptr<TgPlotTableColumn>> FColumnList;
    QStringList FRowDataList;
    int FItemViewStartIndex = 0, FItemViewStopIndex = 0;
    int FRowHeight = 0;
    double FMarginLeft = 1, FMarginRight = 1, FMarginBottom = 1, FMarginTop = 1;
    bool FGridBackGroundTransparent = false;
    TColor FGridBackGroundColor = 0x808080;
    bool FGridLinesShow = true;
    TColor FGridLinesColor = clWhite;
    double FColumnSpacing = 2;
    double FRowSpacing = 0.5;
    int FRowsMax = 0;
    std::unique_ptr<TFont> FDataFont;
    TRect FGridRect, FTitleRect;
    bool FColumnTitlesVisible = true;
    std::unique_ptr<TFont> FColumnTitlesFont;
    int FTitleCharWidth = 0, FDataCharWidth = 0;
};
