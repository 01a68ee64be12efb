#include "gPlotTable.h"

#include "Canvas.h"
#include "Exceptions.h"
#include "Font.h"
#include "gDrawing.h"
#include "gPlotObjectHost.h"
#include "gPlotTableButton.h"
#include "gPlotTableColumn.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

constexpr int kButtonWidth = 17;

// Title and cell flags: single line, vertically centred, then the side.
constexpr unsigned kCellFlags[] = {itfSingleLine | itfVCenter | itfCenter, itfSingleLine | itfVCenter | itfLeft,
                                   itfSingleLine | itfVCenter | itfRight};

} // namespace

TgPlotTable::TgPlotTable(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                         TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TgPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename)),
      FUpButton(std::make_unique<TgPlotTableButton>(AOwner, nullptr, nullptr, nullptr, nullptr)),
      FDownButton(std::make_unique<TgPlotTableButton>(AOwner, nullptr, nullptr, nullptr, nullptr)),
      FDataFont(std::make_unique<TFont>()), FColumnTitlesFont(std::make_unique<TFont>())
{
    FUpButton->SetName(QStringLiteral("PlotTableUpButton"));
    FDownButton->SetName(QStringLiteral("PlotTableDownButton"));
    FDownButton->Up = false;
    for (TgPlotTableButton *button : {FUpButton.get(), FDownButton.get()}) {
        button->SetTimerEnabled(true);
        button->OnInvalidate = [this](TObject *) { NotifyInvalidateNow(); };
    }
    FUpButton->OnClick = [this](TObject *S) { ScrollUp(S); };
    FDownButton->OnClick = [this](TObject *S) { ScrollDown(S); };
    FDataFont->SetColor(clWhite);
    FDataFont->SetStyle(TFontStyles{fsBold});
    FColumnTitlesFont->SetColor(0xFFFF00);
    FColumnTitlesFont->SetStyle(TFontStyles{fsBold});
    FDataFont->OnChange = [this](TObject *) { DoChange(); };
    FColumnTitlesFont->OnChange = [this](TObject *) { DoChange(); };
}

TgPlotTable::~TgPlotTable()
{
    AnnounceRemoval();
}

int TgPlotTable::AddColumn(const QString &Title)
{
    auto column = std::make_unique<TgPlotTableColumn>();
    column->Title = Title;
    column->TitleFontColor = FColumnTitlesFont->Color();
    column->DataFontColor = FDataFont->Color();
    FColumnList.push_back(std::move(column));
    return ColumnCount() - 1;
}

TgPlotTableColumn *TgPlotTable::Column(int Index) const
{
    if (Index < 0 || Index >= ColumnCount())
        ThrowListIndexError(Index);
    return FColumnList[static_cast<size_t>(Index)].get();
}

void TgPlotTable::DeleteColumn(int Index)
{
    Column(Index);
    FColumnList.erase(FColumnList.begin() + Index);
}

void TgPlotTable::RemoveAllColumns()
{
    FColumnList.clear();
}

int TgPlotTable::AddRow()
{
    FRowDataList << QString();
    DoChange();
    return RowCount() - 1;
}

void TgPlotTable::DeleteRow(int Index)
{
    if (Index < 0 || Index >= RowCount())
        ThrowListIndexError(Index);
    FRowDataList.removeAt(Index);
    DoChange();
}

void TgPlotTable::RemoveAllRows()
{
    FRowDataList.clear();
    DoChange();
}

void TgPlotTable::SetRowText(int Index, const QString &Text)
{
    if (Index < 0 || Index >= RowCount())
        ThrowListIndexError(Index);
    if (FRowDataList[Index] == Text)
        return;
    FRowDataList[Index] = Text;
    DoChange();
}

QString TgPlotTable::GetCellText(int Column, int Row) const
{
    if (Row < 0 || Row >= RowCount())
        ThrowListIndexError(Row);
    QStringList lines = FRowDataList[Row].split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    while (lines.size() < ColumnCount())
        lines << QString();
    if (Column < 0 || Column >= lines.size())
        ThrowListIndexError(Column);
    return lines[Column];
}

void TgPlotTable::SetDataFont(TFont *Value) { FDataFont->Assign(Value); }
void TgPlotTable::SetColumnTitlesFont(TFont *Value) { FColumnTitlesFont->Assign(Value); }

void TgPlotTable::ScrollUp(TObject *)
{
    if (FItemViewStartIndex > 0)
        --FItemViewStartIndex;
}

void TgPlotTable::ScrollDown(TObject *)
{
    if (FItemViewStartIndex < RowCount() - 1)
        ++FItemViewStartIndex;
}

void TgPlotTable::CalcLayout(TCanvas *Canvas)
{
    if (RowCount() == 0 || ColumnCount() == 0) {
        FRequiredWidth = FRequiredHeight = 0;
        return;
    }
    const TRect R = DrawRect();
    Canvas->Font()->Assign(FColumnTitlesFont.get());
    const int wt = Canvas->TextWidth(QStringLiteral("0")), ht = Canvas->TextHeight(QStringLiteral("0"));
    const int top = RoundHalfEven(ht * FMarginTop), bottom = RoundHalfEven(ht * FMarginBottom);
    const int left = RoundHalfEven(wt * FMarginLeft), right = RoundHalfEven(wt * FMarginRight);
    FGridRect = TRect(R.Left + left, R.Top + top, R.Right - right, R.Bottom - bottom);
    FTitleRect = TRect(FGridRect.Left, FGridRect.Top, FGridRect.Right, FGridRect.Top + (FColumnTitlesVisible ? ht : 0));
    FTitleCharWidth = wt;

    Canvas->Font()->Assign(FDataFont.get());
    const int wd = Canvas->TextWidth(QStringLiteral("0")), hd = Canvas->TextHeight(QStringLiteral("0"));
    FDataCharWidth = wd;
    // A row spacing of -1 or less would make rows of no height: at least 1.
    FRowHeight = std::max(1, hd + RoundHalfEven(hd * FRowSpacing));

    FRequiredHeight = top + bottom + FTitleRect.Height();
    int n = RowCount();
    if (FRowsMax != 0 && FRowsMax < n)
        n = FRowsMax;
    FGridRect.Bottom = FTitleRect.Bottom + n * FRowHeight;
    FRequiredHeight += n * FRowHeight;

    FRequiredWidth = left + right;
    int gridWidth = 0;
    for (const auto &column : FColumnList) {
        if (!column->Visible)
            continue;
        if (column->AutoSize) {
            Canvas->Font()->Assign(FColumnTitlesFont.get());
            int w = RoundHalfEven(Canvas->TextWidth(column->Title) + wt + wt * FColumnSpacing);
            Canvas->Font()->Assign(FDataFont.get());
            const int c = static_cast<int>(&column - &FColumnList.front());
            for (int row = 0; row < RowCount(); ++row)
                w = std::max(w, RoundHalfEven(Canvas->TextWidth(GetCellText(c, row)) + wd + wd * FColumnSpacing));
            column->WidthPixels = w;
            column->Width = wd > 0 ? w / wd : 0;
        } else {
            column->WidthPixels = RoundHalfEven(column->Width * wd);
        }
        gridWidth += column->WidthPixels;
    }
    FRequiredWidth += gridWidth;
    FGridRect.Right = FGridRect.Left + gridWidth;

    if (R.Bottom - bottom < FGridRect.Bottom) {
        n = std::max(0, (R.Bottom - bottom - FTitleRect.Bottom) / FRowHeight);
        FGridRect.Bottom = FTitleRect.Bottom + n * FRowHeight;
    }
    if (n < RowCount()) {
        FUpButton->SetVisible(true);
        FDownButton->SetVisible(true);
        if (Enabled()) {
            const int c1 = FTitleRect.Bottom + FRowHeight / 2;
            const int c2 = FTitleRect.Bottom + n * FRowHeight - FRowHeight / 2;
            FUpButton->SetDrawRect(TRect(FGridRect.Right + 5, c1 - 8, FGridRect.Right + 22, c1 + 9));
            FDownButton->SetDrawRect(TRect(FGridRect.Right + 5, c2 - 8, FGridRect.Right + 22, c2 + 9));
            FRequiredWidth += kButtonWidth + 5;
        }
        FItemViewStopIndex = FItemViewStartIndex + n - 1;
        if (FItemViewStopIndex > RowCount() - 1) {
            FItemViewStopIndex = RowCount() - 1;
            FItemViewStartIndex = RowCount() - n;
        }
        if (FItemViewStartIndex < 0) {
            FItemViewStartIndex = 0;
            FItemViewStopIndex = n - 1;
        }
    } else {
        FUpButton->SetVisible(false);
        FDownButton->SetVisible(false);
        FItemViewStartIndex = 0;
        FItemViewStopIndex = n - 1;
    }
    FUpButton->SetEnabled(FItemViewStartIndex != 0);
    FDownButton->SetEnabled(FItemViewStopIndex != RowCount() - 1);
}

int TgPlotTable::GetRequiredSpace(TCanvas *Canvas)
{
    CalcLayout(Canvas);
    return Horizontal() ? FRequiredHeight : FRequiredWidth;
}

void TgPlotTable::DrawCell(TCanvas *Canvas, TRect Cell, const QString &Text, TgAlignmentHorizontal Alignment,
                           double Margin, int CharWidth)
{
    const int margin = RoundHalfEven(Margin * CharWidth);
    if (Alignment == iahLeft)
        Cell.Left += margin;
    else if (Alignment == iahRight)
        Cell.Right -= margin;
    DrawTextWithFlags(Canvas, Text, Cell, kCellFlags[Alignment], true, FGridBackGroundColor);
}

void TgPlotTable::Draw(TCanvas *Canvas, TColor)
{
    if (!Visible() || RowCount() == 0 || ColumnCount() == 0)
        return;
    CalcLayout(Canvas);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Pen()->SetStyle(psSolid);
    if (!FGridBackGroundTransparent) {
        Canvas->Brush()->SetColor(FGridBackGroundColor);
        Canvas->FillRect(FGridRect);
    }
    const int shown = FItemViewStopIndex - FItemViewStartIndex + 1;
    if (FGridLinesShow) {
        Canvas->Pen()->SetWidth(1);
        Canvas->Pen()->SetColor(FGridLinesColor);
        int x = FGridRect.Left;
        for (const auto &column : FColumnList) {
            if (!column->Visible)
                continue;
            Canvas->MoveTo(x, FGridRect.Top);
            Canvas->LineTo(x, FGridRect.Bottom);
            x += column->WidthPixels;
        }
        Canvas->MoveTo(x, FGridRect.Top);
        Canvas->LineTo(x, FGridRect.Bottom);
        const auto across = [&](int y) {
            Canvas->MoveTo(FGridRect.Left, y);
            Canvas->LineTo(FGridRect.Right + 1, y);
        };
        across(FGridRect.Top);
        for (int i = 0; i <= shown; ++i)
            across(FTitleRect.Bottom + i * FRowHeight);
    }
    Canvas->Brush()->SetStyle(bsClear);
    if (FColumnTitlesVisible) {
        Canvas->Font()->Assign(FColumnTitlesFont.get());
        int x = FGridRect.Left;
        for (const auto &column : FColumnList) {
            if (!column->Visible)
                continue;
            Canvas->Font()->SetColor(column->TitleFontColor);
            DrawCell(Canvas, TRect(x, FTitleRect.Top, x + column->WidthPixels, FTitleRect.Bottom), column->Title,
                     column->TitleAlignment, column->TitleAlignmentMargin, FTitleCharWidth);
            x += column->WidthPixels;
        }
    }
    Canvas->Font()->Assign(FDataFont.get());
    for (int row = FItemViewStartIndex; row <= FItemViewStopIndex && row < RowCount(); ++row) {
        const int y = FTitleRect.Bottom + (row - FItemViewStartIndex) * FRowHeight;
        int x = FGridRect.Left;
        for (int c = 0; c < ColumnCount(); ++c) {
            const TgPlotTableColumn *column = FColumnList[static_cast<size_t>(c)].get();
            if (!column->Visible)
                continue;
            Canvas->Font()->SetColor(column->DataFontColor);
            DrawCell(Canvas, TRect(x, y, x + column->WidthPixels, y + FRowHeight), GetCellText(c, row),
                     column->DataAlignment, column->DataAlignmentMargin, FDataCharWidth);
            x += column->WidthPixels;
        }
    }
    FUpButton->Draw(Canvas, clBtnFace);
    FDownButton->Draw(Canvas, clBtnFace);
    if (UserSelected()) {
        TRect r = DrawRect();
        if (Horizontal()) {
            r.Top += 2;
            r.Bottom -= 2;
        }
        DrawFocusRectangle(Canvas, r);
    }
}

void TgPlotTable::NotificationSetFocus(TObject *Sender)
{
    TgPlotLayoutObject::NotificationSetFocus(Sender);
    if (Sender != this && static_cast<TgPlotObject *>(Sender)->UserSelected())
        SetUserSelected(false);
}

TgPlotObject *TgPlotTable::GetMouseOverObject(int X, int Y)
{
    TgPlotLayoutObject::GetMouseOverObject(X, Y);
    if (FUpButton->DrawRect().Contains(X, Y))
        return FUpButton.get();
    if (FDownButton->DrawRect().Contains(X, Y))
        return FDownButton.get();
    return this;
}

void TgPlotTable::BuildPopupMenu(TPopupMenu *PopupMenu)
{
    TgPlotLayoutObject::BuildPopupMenu(PopupMenu);
    AddEditMenuItem(PopupMenu);
}

void TgPlotTable::DoMouseUp(const TgPlotMouseData &MouseData)
{
    if (FMouseDown && DrawRect().Contains(MouseData.X, MouseData.Y))
        if (IgPlotObjectHost *host = Host())
            host->DoObjectClick(this);
}

const TPublishedClass *TgPlotTable::StaticPublished()
{
    using T = TgPlotTable;
    static const TPublishedClass info =
        TPublishedBuilder<T>(TgPlotLayoutObject::StaticPublished())
            .Float("MarginLeft", &T::MarginLeft, &T::SetMarginLeft)
            .Float("MarginRight", &T::MarginRight, &T::SetMarginRight)
            .Float("MarginBottom", &T::MarginBottom, &T::SetMarginBottom)
            .Float("MarginTop", &T::MarginTop, &T::SetMarginTop)
            .Bool("GridBackGroundTransparent", &T::GridBackGroundTransparent, &T::SetGridBackGroundTransparent, false)
            .Integer("GridBackGroundColor", &T::GridBackGroundColor, &T::SetGridBackGroundColor, 0x808080)
            .Bool("GridLinesShow", &T::GridLinesShow, &T::SetGridLinesShow)
            .Integer("GridLinesColor", &T::GridLinesColor, &T::SetGridLinesColor)
            .Float("ColumnSpacing", &T::ColumnSpacing, &T::SetColumnSpacing)
            .Float("RowSpacing", &T::RowSpacing, &T::SetRowSpacing)
            .Integer("RowsMax", &T::RowsMax, &T::SetRowsMax)
            .Object("DataFont", &T::DataFont)
            // Declared as the constructor leaves it, so that hidden titles
            // survive a stream round trip.
            .Bool("ColumnTitlesVisible", &T::ColumnTitlesVisible, &T::SetColumnTitlesVisible, true)
            .Object("ColumnTitlesFont", &T::ColumnTitlesFont)
            .Build();
    return &info;
}
