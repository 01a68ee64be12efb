#include "gPlotLegend.h"

#include "Canvas.h"
#include "Font.h"
#include "gPlotChannelCustom.h"
#include "gPlotComponent.h"
#include "gPlotLegendButton.h"
#include "gPlotLegendItem.h"
#include "gPlotObjectHost.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"

#include <algorithm>

namespace {

constexpr int kButtonSize = 17;

int CeilDiv(int A, int B)
{
    return (A + B - 1) / B;
}

} // namespace

TgPlotLegend::TgPlotLegend(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                           TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TgPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename)),
      FSelectedItemFont(std::make_unique<TFont>()), FFont(std::make_unique<TFont>()),
      FColumnTitlesFont(std::make_unique<TFont>()),
      FUpButton(std::make_unique<TgPlotLegendButton>(AOwner, nullptr, nullptr, nullptr, nullptr)),
      FDownButton(std::make_unique<TgPlotLegendButton>(AOwner, nullptr, nullptr, nullptr, nullptr))
{
    FSelectedItemFont->SetColor(clBlack);
    FFont->SetColor(clWhite);
    FColumnTitlesFont->SetColor(0xFFFF00);
    FColumnTitlesFont->SetStyle(TFontStyles{fsBold});
    for (TFont *font : {FSelectedItemFont.get(), FFont.get(), FColumnTitlesFont.get()})
        font->OnChange = [this](TObject *) { DoChange(); };
    FDownButton->Up = false;
    for (TgPlotLegendButton *button : {FUpButton.get(), FDownButton.get()}) {
        button->SetTimerEnabled(true);
        button->OnInvalidate = [this](TObject *) { NotifyInvalidateNow(); };
    }
    FUpButton->OnClick = [this](TObject *) {
        if (FItemViewStartIndex > 0)
            --FItemViewStartIndex;
    };
    FDownButton->OnClick = [this](TObject *) {
        if (FItemViewStartIndex < ItemCount() - 1)
            ++FItemViewStartIndex;
    };
}

TgPlotLegend::~TgPlotLegend()
{
    AnnounceRemoval();
}

TgPlotComponent *TgPlotLegend::Plot() const
{
    return dynamic_cast<TgPlotComponent *>(Owner());
}

void TgPlotLegend::SetWrapColDesiredCount(int Value)
{
    ChangeInteger(FWrapColDesiredCount, std::max(Value, 1), &TgPlotObject::DoChange);
}

void TgPlotLegend::SetWrapRowDesiredCount(int Value)
{
    ChangeInteger(FWrapRowDesiredCount, std::max(Value, 1), &TgPlotObject::DoChange);
}

void TgPlotLegend::SetChannelNameColorStyle(TgPlotLegendChannelNameColorStyle Value)
{
    if (Value == FChannelNameColorStyle)
        return;
    FChannelNameColorStyle = Value;
    DoChange();
}

void TgPlotLegend::SetFont(TFont *Value) { FFont->Assign(Value); }
void TgPlotLegend::SetSelectedItemFont(TFont *Value) { FSelectedItemFont->Assign(Value); }
void TgPlotLegend::SetColumnTitlesFont(TFont *Value) { FColumnTitlesFont->Assign(Value); }

// --- Texts ----------------------------------------------------------------

QString TgPlotLegend::ChannelNameText(TgPlotChannelCustom *Channel) const
{
    return Channel->TitleText().trimmed().isEmpty() ? Channel->Name() : Channel->TitleText();
}

namespace {

template <class Axis>
QString AxisNameText(Axis *A, const std::function<QString(const QString &)> &Translate)
{
    if (!A)
        return Translate(QStringLiteral("None"));
    return A->Title().trimmed().isEmpty() ? A->Name() : A->Title();
}

} // namespace

QString TgPlotLegend::GetXAxisNameText(TgPlotChannelCustom *Channel) const
{
    return AxisNameText(Channel->XAxis(), [this](const QString &T) { return TranslateText(T); });
}

QString TgPlotLegend::GetYAxisNameText(TgPlotChannelCustom *Channel) const
{
    return AxisNameText(Channel->YAxis(), [this](const QString &T) { return TranslateText(T); });
}

QString TgPlotLegend::ValueText(TgPlotChannelCustom *Channel, bool YAxis, double Value) const
{
    if (Channel->Count() == 0)
        return TranslateText(QStringLiteral("Empty"));
    TgPlotAxis *axis = YAxis ? static_cast<TgPlotAxis *>(Channel->YAxis()) : static_cast<TgPlotAxis *>(Channel->XAxis());
    if (!axis)
        return TranslateText(QStringLiteral("N/A"));
    return axis->GetLegendText(Value);
}

QString TgPlotLegend::GetLastXText(TgPlotChannelCustom *Channel) const
{
    return ValueText(Channel, false, Channel->Count() ? Channel->XLast() : 0);
}

QString TgPlotLegend::GetLastYText(TgPlotChannelCustom *Channel) const
{
    return ValueText(Channel, true, Channel->Count() ? Channel->YLast() : 0);
}

QString TgPlotLegend::GetYMaxText(TgPlotChannelCustom *Channel) const
{
    return ValueText(Channel, true, Channel->RunningYMax());
}

QString TgPlotLegend::GetYMinText(TgPlotChannelCustom *Channel) const
{
    return ValueText(Channel, true, Channel->RunningYMin());
}

QString TgPlotLegend::GetYMeanText(TgPlotChannelCustom *Channel) const
{
    return ValueText(Channel, true, Channel->RunningYMean());
}

// --- Layout ---------------------------------------------------------------

void TgPlotLegend::CalcLayout(TCanvas *Canvas)
{
    const TRect R = DrawRect();
    Canvas->Font()->Assign(FFont.get());
    const int w0 = Canvas->TextWidth(QStringLiteral("0")), h0 = Canvas->TextHeight(QStringLiteral("0"));
    const int top = RoundHalfEven(h0 * FMarginTop), bottom = RoundHalfEven(h0 * FMarginBottom);
    const int left = RoundHalfEven(w0 * FMarginLeft), right = RoundHalfEven(w0 * FMarginRight);
    FInnerRect = TRect(R.Left + left, R.Top + top, R.Right - right, R.Bottom - bottom);
    FColumnSpacingPixels = RoundHalfEven(w0 * FColumnSpacing);
    FRowSpacingPixels = RoundHalfEven(h0 * FWrapRowSpacingMin);
    FWrapSpacingPixels = RoundHalfEven(h0 * FWrapColSpacingMin);
    FItemHeight = h0;
    FMaxItemHeight = FColumnTitlesHeightPixels = FColumnTitlesMarginPixels = 0;
    FMaxWidthLine = FMaxWidthMarker = FMaxWidthChannelLabel = FMaxWidthXName = FMaxWidthYName = 0;
    FMaxWidthXValue = FMaxWidthYValue = FMaxWidthYMax = FMaxWidthYMin = FMaxWidthYMean = 0;
    FColumnList.clear();
    FShowColumnXValue2 = FShowColumnXValue || FCursorAllChannels;
    FShowColumnYValue2 = FShowColumnYValue || FCursorAllChannels;

    FItemList.clear();
    if (TgPlotComponent *plot = Plot())
        for (int i = 0; i < plot->ChannelCount(); ++i)
            if (plot->GetChannel(i)->VisibleInLegend()) {
                auto item = std::make_unique<TgPlotLegendItem>();
                item->Channel = plot->GetChannel(i);
                FItemList.push_back(std::move(item));
            }
    const int n = ItemCount();
    if (n == 0) {
        FRequiredWidth = FRequiredHeight = 0;
        FUpButton->SetVisible(false);
        FDownButton->SetVisible(false);
        return;
    }
    FItemViewStartIndex = std::clamp(FItemViewStartIndex, 0, n - 1);

    // Channel names.
    if (FChannelNameMaxWidth != 0) {
        FMaxWidthChannelLabel = RoundHalfEven(w0 * FChannelNameMaxWidth);
        for (auto &item : FItemList) {
            Canvas->Font()->Assign(FFont.get());
            int h = WrappedTextHeight(Canvas, item->Channel->TitleText(), FMaxWidthChannelLabel);
            Canvas->Font()->Assign(FSelectedItemFont.get());
            h = std::max(h, WrappedTextHeight(Canvas, item->Channel->TitleText(), FMaxWidthChannelLabel));
            item->MaxHeight = h;
        }
    } else {
        for (auto &item : FItemList) {
            item->MaxHeight = h0;
            const QString name = ChannelNameText(item->Channel);
            Canvas->Font()->Assign(FFont.get());
            FMaxWidthChannelLabel = std::max(FMaxWidthChannelLabel, Canvas->TextWidth(name));
            Canvas->Font()->Assign(FSelectedItemFont.get());
            FMaxWidthChannelLabel = std::max(FMaxWidthChannelLabel, Canvas->TextWidth(name));
        }
    }
    for (auto &item : FItemList)
        FMaxItemHeight = std::max(FMaxItemHeight, item->MaxHeight);

    // Column titles.
    if (FColumnTitlesVisible) {
        Canvas->Font()->Assign(FColumnTitlesFont.get());
        FColumnTitlesHeightPixels = Canvas->TextHeight(QStringLiteral("0"));
        FColumnTitlesMarginPixels = FColumnTitlesHeightPixels / 4;
        const auto widen = [&](int &Max, bool Shown, const QString &Caption) {
            if (Shown)
                Max = std::max(Max, Canvas->TextWidth(TranslateText(Caption)));
        };
        widen(FMaxWidthChannelLabel, true, FCaptionColumnTitle);
        widen(FMaxWidthXName, FShowColumnXName, FCaptionColumnXName);
        widen(FMaxWidthYName, FShowColumnYName, FCaptionColumnYName);
        widen(FMaxWidthXValue, FShowColumnXValue2, FCaptionColumnXValue);
        widen(FMaxWidthYValue, FShowColumnYValue2, FCaptionColumnYValue);
        widen(FMaxWidthYMax, FShowColumnYMax, FCaptionColumnYMax);
        widen(FMaxWidthYMin, FShowColumnYMin, FCaptionColumnYMin);
        widen(FMaxWidthYMean, FShowColumnYMean, FCaptionColumnYMean);
    }
    if (FShowColumnLine)
        FMaxWidthLine = FLineColumnWidth + 3;
    if (FShowColumnMarker)
        FMaxWidthMarker = FLineColumnWidth + 3;

    // Further columns.
    Canvas->Font()->Assign(FFont.get());
    for (auto &item : FItemList) {
        TgPlotChannelCustom *c = item->Channel;
        if (FShowColumnXName)
            FMaxWidthXName = std::max(FMaxWidthXName, Canvas->TextWidth(GetXAxisNameText(c)));
        if (FShowColumnYName)
            FMaxWidthYName = std::max(FMaxWidthYName, Canvas->TextWidth(GetYAxisNameText(c)));
        if (FCursorAllChannels) {
            if (c->XAxis())
                FMaxWidthXValue = std::max(FMaxWidthXValue, c->XAxis()->GetCursorValueWidth(Canvas, FFont.get()));
            if (c->YAxis())
                FMaxWidthYValue = std::max(FMaxWidthYValue, c->YAxis()->GetCursorValueWidth(Canvas, FFont.get()));
            FMaxWidthXValue = std::max(FMaxWidthXValue, w0 * static_cast<int>(c->DataCursorXText().size()));
            FMaxWidthYValue = std::max(FMaxWidthYValue, w0 * static_cast<int>(c->DataCursorYText().size()));
        } else {
            if (FShowColumnXValue) {
                if (c->XAxis())
                    FMaxWidthXValue = std::max(FMaxWidthXValue, c->XAxis()->GetLegendValueWidth(Canvas, FFont.get()));
                FMaxWidthXValue = std::max(FMaxWidthXValue, Canvas->TextWidth(GetLastXText(c)));
            }
            if (FShowColumnYValue) {
                if (c->YAxis())
                    FMaxWidthYValue = std::max(FMaxWidthYValue, c->YAxis()->GetLegendValueWidth(Canvas, FFont.get()));
                FMaxWidthYValue = std::max(FMaxWidthYValue, Canvas->TextWidth(GetLastYText(c)));
            }
        }
        if (FShowColumnYMax)
            FMaxWidthYMax = std::max(FMaxWidthYMax, Canvas->TextWidth(GetYMaxText(c)));
        if (FShowColumnYMin)
            FMaxWidthYMin = std::max(FMaxWidthYMin, Canvas->TextWidth(GetYMinText(c)));
        if (FShowColumnYMean)
            FMaxWidthYMean = std::max(FMaxWidthYMean, Canvas->TextWidth(GetYMeanText(c)));
    }

    // Column starts within an item.
    const int s = FColumnSpacingPixels;
    int u = 0;
    FColumnStartLine = 0;
    u = FShowColumnLine ? FMaxWidthLine + s : 0;
    FColumnStartMarker = u;
    if (FShowColumnMarker)
        u += FMaxWidthMarker + s;
    FColumnStartChannel = u;
    u += FMaxWidthChannelLabel + s;
    const auto next = [&](int &Start, bool Shown, int MaxWidth) {
        Start = u;
        if (Shown)
            u += MaxWidth + s;
    };
    next(FColumnStartXName, FShowColumnXName, FMaxWidthXName);
    next(FColumnStartYName, FShowColumnYName, FMaxWidthYName);
    next(FColumnStartXValue, FShowColumnXValue2, FMaxWidthXValue);
    next(FColumnStartYValue, FShowColumnYValue2, FMaxWidthYValue);
    next(FColumnStartYMax, FShowColumnYMax, FMaxWidthYMax);
    next(FColumnStartYMin, FShowColumnYMin, FMaxWidthYMin);
    next(FColumnStartYMean, FShowColumnYMean, FMaxWidthYMean);
    FItemWidth = u - s;

    FColumnTitlesRect = TRect(FInnerRect.Left, FInnerRect.Top, FInnerRect.Right, FInnerRect.Top + FColumnTitlesHeightPixels);
    FItemsRect = TRect(FInnerRect.Left, FColumnTitlesRect.Bottom + FColumnTitlesMarginPixels, FInnerRect.Right,
                       FInnerRect.Bottom);

    // What fits; every divisor and maximum at least 1.
    const int rowPitch = std::max(1, FMaxItemHeight + FRowSpacingPixels);
    const int colPitch = std::max(1, FItemWidth + FWrapSpacingPixels);
    const int rowsFit = std::max(1, (FItemsRect.Height() + FRowSpacingPixels) / rowPitch);
    const int colsFit = std::max(1, (FItemsRect.Width() - (Horizontal() ? 25 : 0) + FWrapSpacingPixels) / colPitch);
    const int colMax = std::max(1, FWrapColAutoCountMax);
    const int rowMax = std::max(1, FWrapRowAutoCountMax);

    int cols = FWrapColAutoCountEnabled ? colMax : FWrapColDesiredCount;
    const int rowLimit = FWrapRowAutoCountEnabled ? rowMax : FWrapRowDesiredCount;
    int rows = 0;
    if (Horizontal()) {
        cols = std::max(1, std::min(cols, colsFit));
        rows = FWrapRowAutoCountEnabled ? CeilDiv(n, cols) : rowLimit;
        rows = std::min(rows, rowLimit);
        if (rows < 3 && rows * cols < n)
            rows = 3;
        if (rows == 0)
            cols = 0;
        else if (FWrapColAutoCountEnabled)
            cols = std::min(cols, CeilDiv(n, rows));
    } else {
        if (FWrapColAutoCountEnabled)
            cols = CeilDiv(n, rowsFit);
        cols = std::max(1, std::min(cols, colMax));
        rows = std::min({rowsFit, n, rowLimit});
        if (rows < 3 && rows * cols < n)
            rows = 3;
    }
    rows = std::max(rows, 1);
    cols = std::max(cols, 1);
    FActualWrapRowCount = rowLimit;
    FActualWrapColCount = cols;

    // Items from the first shown one on.
    FColumnList.push_back(FInnerRect.Left);
    int row = 1, col = 1, y = FItemsRect.Top;
    FItemViewStopIndex = n - 1;
    int firstColumnRows = 0;
    for (int i = FItemViewStartIndex; i < n; ++i) {
        TgPlotLegendItem *item = FItemList[static_cast<size_t>(i)].get();
        item->ARow = row;
        item->ACol = col;
        item->ALeft = FColumnList[static_cast<size_t>(col - 1)];
        item->ATop = y;
        if (col == 1)
            firstColumnRows = row;
        y += FMaxItemHeight + FRowSpacingPixels;
        ++row;
        if (row > rows && i != n - 1) {
            row = 1;
            y = FItemsRect.Top;
            ++col;
            if (col > cols) {
                FItemViewStopIndex = i;
                break;
            }
            const int x = colPitch * (col - 1) + FInnerRect.Left;
            if (static_cast<int>(FColumnList.size()) < col)
                FColumnList.push_back(x);
        }
    }

    FRequiredWidth = cols * FItemWidth + (cols - 1) * FWrapSpacingPixels + left + right;
    FRequiredHeight = top + FColumnTitlesHeightPixels + FColumnTitlesMarginPixels + rows * rowPitch -
                      FRowSpacingPixels + bottom;

    if (rows * cols < n && Enabled()) {
        FUpButton->SetVisible(true);
        FDownButton->SetVisible(true);
        FUpButton->SetDrawRect(TRect(FItemsRect.Right - kButtonSize, FItemsRect.Top, FItemsRect.Right,
                                     FItemsRect.Top + kButtonSize));
        FDownButton->SetDrawRect(TRect(FItemsRect.Right - kButtonSize, FItemsRect.Bottom - kButtonSize,
                                       FItemsRect.Right, FItemsRect.Bottom));
        FRequiredWidth += 25;
    } else {
        FUpButton->SetVisible(false);
        FDownButton->SetVisible(false);
        FItemViewStartIndex = 0;
    }

    if (FWrapColSpacingAuto && Horizontal() && cols > 1) {
        const int gap = (FItemsRect.Width() - 25 - cols * FItemWidth) / (cols - 1);
        for (auto &item : FItemList)
            item->ALeft = (FItemWidth + gap) * (item->ACol - 1) + FInnerRect.Left;
        for (size_t i = 0; i < FColumnList.size(); ++i)
            FColumnList[i] = (FItemWidth + gap) * static_cast<int>(i) + FInnerRect.Left;
    }
    if (FWrapRowSpacingAuto && !Horizontal() && firstColumnRows > 1) {
        FRowSpacingPixels = (FItemsRect.Height() - FMaxItemHeight * firstColumnRows) / (firstColumnRows - 1);
        for (auto &item : FItemList)
            item->ATop = (item->ARow - 1) * (FMaxItemHeight + FRowSpacingPixels) + FInnerRect.Top +
                         (FColumnTitlesVisible ? FColumnTitlesHeightPixels + FColumnTitlesMarginPixels : 0);
    }
    FUpButton->SetEnabled(FItemViewStartIndex != 0);
    FDownButton->SetEnabled(FItemViewStopIndex != n - 1);
}

int TgPlotLegend::GetRequiredSpace(TCanvas *Canvas)
{
    CalcLayout(Canvas);
    return Horizontal() ? FRequiredHeight : FRequiredWidth;
}

// --- Drawing --------------------------------------------------------------

void TgPlotLegend::DrawText(TCanvas *Canvas, const QString &Text, TRect Rect, unsigned Flags)
{
    DrawTextWithFlags(Canvas, Text, Rect, Flags, true, FBackGroundColor);
}

void TgPlotLegend::DrawLineSample(TCanvas *Canvas, int X, int Y, TgPlotLineStyle Style, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->Pen()->SetWidth(1);
    const int first = Y - FLineColumnHeight / 2;
    if (FLineColumnWidth == 13) {
        // Each style as segments of a 13-pixel sample, end pixel excluded.
        static const std::vector<std::pair<int, int>> segments[] = {
            {{0, 13}}, {{0, 5}, {8, 13}}, {{0, 2}, {4, 6}, {8, 10}}, {{0, 5}, {7, 9}}, {{0, 5}, {7, 9}, {11, 13}}};
        if (Style > iplsDashDotDot)
            return;
        Canvas->Pen()->SetStyle(psSolid);
        for (int row = first; row <= first + FLineColumnHeight; ++row)
            for (const auto &[a, b] : segments[Style]) {
                Canvas->MoveTo(X + a, row);
                Canvas->LineTo(X + b, row);
            }
        return;
    }
    static constexpr TPenStyle penStyles[] = {psSolid, psDash, psDot, psDashDot, psDashDotDot};
    Canvas->Pen()->SetStyle(Style <= iplsDashDotDot ? penStyles[Style] : psSolid);
    for (int row = first; row <= first + FLineColumnHeight; ++row) {
        Canvas->MoveTo(X, row);
        Canvas->LineTo(X + FLineColumnWidth, row);
    }
}

void TgPlotLegend::Draw(TCanvas *Canvas, TColor BackGroundColor)
{
    if (!Visible())
        return;
    CalcLayout(Canvas);
    if (FItemList.empty())
        return;
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Pen()->SetStyle(psSolid);
    if (!FBackGroundTransparent) {
        Canvas->Brush()->SetColor(FBackGroundColor);
        Canvas->FillRect(DrawRect());
    }
    if (FColumnTitlesVisible) {
        Canvas->Font()->Assign(FColumnTitlesFont.get());
        Canvas->Brush()->SetStyle(bsClear);
        constexpr unsigned left = itfLeft | itfSingleLine | itfVCenter | itfNoClip;
        constexpr unsigned centre = itfCenter | itfSingleLine | itfVCenter | itfNoClip;
        constexpr unsigned rightFlags = itfRight | itfSingleLine | itfVCenter | itfNoClip;
        const int t = FColumnTitlesRect.Top, b = t + FColumnTitlesHeightPixels;
        for (int x : FColumnList) {
            DrawText(Canvas, TranslateText(FCaptionColumnTitle),
                     TRect(x + FColumnStartChannel, t, x + FColumnStartChannel + FMaxWidthChannelLabel, b), left);
            const auto title = [&](bool Shown, int Start, int Width, const QString &Caption, unsigned Flags) {
                if (Shown)
                    DrawText(Canvas, TranslateText(Caption), TRect(x + Start, t, x + Start + Width, b), Flags);
            };
            title(FShowColumnXName, FColumnStartXName, FMaxWidthXName, FCaptionColumnXName, centre);
            title(FShowColumnYName, FColumnStartYName, FMaxWidthYName, FCaptionColumnYName, centre);
            title(FShowColumnXValue2, FColumnStartXValue, FMaxWidthXValue, FCaptionColumnXValue, rightFlags);
            title(FShowColumnYValue2, FColumnStartYValue, FMaxWidthYValue, FCaptionColumnYValue, rightFlags);
            title(FShowColumnYMax, FColumnStartYMax, FMaxWidthYMax, FCaptionColumnYMax, rightFlags);
            title(FShowColumnYMin, FColumnStartYMin, FMaxWidthYMin, FCaptionColumnYMin, rightFlags);
            title(FShowColumnYMean, FColumnStartYMean, FMaxWidthYMean, FCaptionColumnYMean, rightFlags);
        }
    }
    Canvas->Font()->Assign(FFont.get());
    Canvas->Brush()->SetStyle(bsClear);
    for (auto &item : FItemList)
        item->Channel->SetLegendRect(TRect());
    for (int i = FItemViewStartIndex; i <= FItemViewStopIndex && i < ItemCount(); ++i) {
        TgPlotLegendItem *item = FItemList[static_cast<size_t>(i)].get();
        TgPlotChannelCustom *c = item->Channel;
        const int yc = item->ATop + FItemHeight / 2;
        const TRect label(item->ALeft + FColumnStartChannel, item->ATop,
                          item->ALeft + FColumnStartChannel + FMaxWidthChannelLabel + 1, item->ATop + item->MaxHeight);
        c->SetLegendRect(label);
        if (FShowColumnLine)
            DrawLineSample(Canvas, item->ALeft + FColumnStartLine, yc, c->TraceLineStyle(), c->Color());
        if (FShowColumnMarker)
            c->DrawMarker(Canvas, -1, BackGroundColor, TPoint(item->ALeft + FColumnStartMarker + FMaxWidthMarker / 2, yc));
        if (c->UserSelected()) {
            Canvas->Brush()->SetStyle(bsSolid);
            Canvas->Brush()->SetColor(FSelectedItemBackGroundColor);
            Canvas->FillRect(label);
            Canvas->Font()->Assign(FSelectedItemFont.get());
        } else {
            Canvas->Brush()->SetStyle(bsClear);
            Canvas->Font()->Assign(FFont.get());
        }
        if (FChannelNameColorStyle == iplcncsChannelColor)
            Canvas->Font()->SetColor(c->Color());
        else if (FChannelNameColorStyle == iplcncsXAxisFontColor && c->XAxis())
            Canvas->Font()->SetColor(c->XAxis()->LabelsFont()->Color());
        else if (FChannelNameColorStyle == iplcncsYAxisFontColor && c->YAxis())
            Canvas->Font()->SetColor(c->YAxis()->LabelsFont()->Color());
        DrawText(Canvas, ChannelNameText(c), label, itfLeft | itfTop | itfWordBreak | itfWordEllipsis);
        Canvas->Brush()->SetStyle(bsClear);
        Canvas->Font()->Assign(FFont.get());
        const auto cell = [&](bool Shown, int Start, int Width, const QString &Text, unsigned Flags) {
            if (Shown)
                DrawText(Canvas, Text,
                         TRect(item->ALeft + Start, item->ATop, item->ALeft + Start + Width, item->ATop + FItemHeight),
                         Flags);
        };
        constexpr unsigned leftV = itfLeft | itfVCenter, rightV = itfRight | itfVCenter;
        if (FShowColumnXName)
            cell(true, FColumnStartXName, FMaxWidthXName, GetXAxisNameText(c), leftV);
        if (FShowColumnYName)
            cell(true, FColumnStartYName, FMaxWidthYName, GetYAxisNameText(c), leftV);
        if (FShowColumnXValue2)
            cell(true, FColumnStartXValue, FMaxWidthXValue, FCursorAllChannels ? c->DataCursorXText() : GetLastXText(c),
                 rightV);
        if (FShowColumnYValue2)
            cell(true, FColumnStartYValue, FMaxWidthYValue, FCursorAllChannels ? c->DataCursorYText() : GetLastYText(c),
                 rightV);
        if (FShowColumnYMax)
            cell(true, FColumnStartYMax, FMaxWidthYMax, GetYMaxText(c), rightV);
        if (FShowColumnYMin)
            cell(true, FColumnStartYMin, FMaxWidthYMin, GetYMinText(c), rightV);
        if (FShowColumnYMean)
            cell(true, FColumnStartYMean, FMaxWidthYMean, GetYMeanText(c), rightV);
    }
    FUpButton->Draw(Canvas, BackGroundColor);
    FDownButton->Draw(Canvas, BackGroundColor);
    if (UserSelected()) {
        TRect r = DrawRect();
        if (Horizontal()) {
            r.Top += 2;
            r.Bottom -= 2;
        } else {
            r.Left += 2;
            r.Right -= 2;
        }
        DrawFocusRectangle(Canvas, r);
    }
}

// --- Mouse ------------------------------------------------------------------

void TgPlotLegend::NotificationSetFocus(TObject *Sender)
{
    TgPlotLayoutObject::NotificationSetFocus(Sender);
    if (Sender != this && static_cast<TgPlotObject *>(Sender)->UserSelected())
        SetUserSelected(false);
}

TgPlotObject *TgPlotLegend::GetMouseOverObject(int X, int Y)
{
    TgPlotLayoutObject::GetMouseOverObject(X, Y);
    if (FUpButton->Visible() && FUpButton->DrawRect().Contains(X, Y))
        return FUpButton.get();
    if (FDownButton->Visible() && FDownButton->DrawRect().Contains(X, Y))
        return FDownButton.get();
    for (auto &item : FItemList)
        if (item->Channel->VisibleInLegend() && item->Channel->LegendRect().Contains(X, Y))
            return item->Channel;
    return this;
}

void TgPlotLegend::BuildPopupMenu(TPopupMenu *PopupMenu)
{
    TgPlotLayoutObject::BuildPopupMenu(PopupMenu);
    AddEditMenuItem(PopupMenu);
}

void TgPlotLegend::DoMouseUp(const TgPlotMouseData &MouseData)
{
    if (FMouseDown && DrawRect().Contains(MouseData.X, MouseData.Y))
        if (IgPlotObjectHost *host = Host())
            host->DoObjectClick(this);
}

// --- Published --------------------------------------------------------------

const TPublishedClass *TgPlotLegend::StaticPublished()
{
    using L = TgPlotLegend;
    static const TPublishedClass info =
        TPublishedBuilder<L>(TgPlotLayoutObject::StaticPublished())
            .Float("MarginLeft", &L::MarginLeft, &L::SetMarginLeft)
            .Float("MarginTop", &L::MarginTop, &L::SetMarginTop)
            .Float("MarginRight", &L::MarginRight, &L::SetMarginRight)
            .Float("MarginBottom", &L::MarginBottom, &L::SetMarginBottom)
            .Integer("BackGroundColor", &L::BackGroundColor, &L::SetBackGroundColor, 0x808080)
            .Bool("BackGroundTransparent", &L::BackGroundTransparent, &L::SetBackGroundTransparent, true)
            .Integer("SelectedItemBackGroundColor", &L::SelectedItemBackGroundColor, &L::SetSelectedItemBackGroundColor,
                     0x00FFFF)
            .Object("SelectedItemFont", &L::SelectedItemFont)
            .Object("Font", &L::Font)
            .Object("ColumnTitlesFont", &L::ColumnTitlesFont)
            .Bool("ShowColumnLine", &L::ShowColumnLine, &L::SetShowColumnLine, true)
            .Bool("ShowColumnMarker", &L::ShowColumnMarker, &L::SetShowColumnMarker, false)
            .Bool("ShowColumnXAxisTitle", &L::ShowColumnXAxisTitle, &L::SetShowColumnXAxisTitle, false)
            .Bool("ShowColumnYAxisTitle", &L::ShowColumnYAxisTitle, &L::SetShowColumnYAxisTitle, false)
            .Bool("ShowColumnXValue", &L::ShowColumnXValue, &L::SetShowColumnXValue, false)
            .Bool("ShowColumnYValue", &L::ShowColumnYValue, &L::SetShowColumnYValue, false)
            .Bool("ShowColumnYMax", &L::ShowColumnYMax, &L::SetShowColumnYMax, false)
            .Bool("ShowColumnYMin", &L::ShowColumnYMin, &L::SetShowColumnYMin, false)
            .Bool("ShowColumnYMean", &L::ShowColumnYMean, &L::SetShowColumnYMean, false)
            .String("CaptionColumnTitle", &L::CaptionColumnTitle, &L::SetCaptionColumnTitle)
            .String("CaptionColumnXAxisTitle", &L::CaptionColumnXAxisTitle, &L::SetCaptionColumnXAxisTitle)
            .String("CaptionColumnYAxisTitle", &L::CaptionColumnYAxisTitle, &L::SetCaptionColumnYAxisTitle)
            .String("CaptionColumnXValue", &L::CaptionColumnXValue, &L::SetCaptionColumnXValue)
            .String("CaptionColumnYValue", &L::CaptionColumnYValue, &L::SetCaptionColumnYValue)
            .String("CaptionColumnYMax", &L::CaptionColumnYMax, &L::SetCaptionColumnYMax)
            .String("CaptionColumnYMin", &L::CaptionColumnYMin, &L::SetCaptionColumnYMin)
            .String("CaptionColumnYMean", &L::CaptionColumnYMean, &L::SetCaptionColumnYMean)
            .Float("ColumnSpacing", &L::ColumnSpacing, &L::SetColumnSpacing)
            .Float("RowSpacing", &L::RowSpacing, &L::SetRowSpacing)
            .Float("WrapRowSpacingMin", &L::WrapRowSpacingMin, &L::SetWrapRowSpacingMin)
            .Float("WrapColSpacingMin", &L::WrapColSpacingMin, &L::SetWrapColSpacingMin)
            .Integer("WrapColDesiredCount", &L::WrapColDesiredCount, &L::SetWrapColDesiredCount)
            .Integer("WrapRowDesiredCount", &L::WrapRowDesiredCount, &L::SetWrapRowDesiredCount)
            .Bool("WrapColAutoCountEnabled", &L::WrapColAutoCountEnabled, &L::SetWrapColAutoCountEnabled)
            .Bool("WrapRowAutoCountEnabled", &L::WrapRowAutoCountEnabled, &L::SetWrapRowAutoCountEnabled)
            .Integer("WrapColAutoCountMax", &L::WrapColAutoCountMax, &L::SetWrapColAutoCountMax)
            .Integer("WrapRowAutoCountMax", &L::WrapRowAutoCountMax, &L::SetWrapRowAutoCountMax)
            .Bool("WrapColSpacingAuto", &L::WrapColSpacingAuto, &L::SetWrapColSpacingAuto)
            .Bool("WrapRowSpacingAuto", &L::WrapRowSpacingAuto, &L::SetWrapRowSpacingAuto)
            .Bool("ColumnTitlesVisible", &L::ColumnTitlesVisible, &L::SetColumnTitlesVisible, false)
            .Float("ChannelNameMaxWidth", &L::ChannelNameMaxWidth, &L::SetChannelNameMaxWidth)
            .Enumeration("ChannelNameColorStyle", &L::ChannelNameColorStyle, &L::SetChannelNameColorStyle,
                         {QStringLiteral("iplcncsFont"), QStringLiteral("iplcncsChannelColor"),
                          QStringLiteral("iplcncsXAxisFontColor"), QStringLiteral("iplcncsYAxisFontColor")},
                         iplcncsFont)
            .Integer("LineColumnWidth", &L::LineColumnWidth, &L::SetLineColumnWidth, 13)
            // Declared as the constructor leaves it, so 13 survives a round trip.
            .Integer("LineColumnHeight", &L::LineColumnHeight, &L::SetLineColumnHeight, 3)
            .Build();
    return &info;
}
