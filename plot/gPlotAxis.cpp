#include "gPlotAxis.h"

#include "Component.h"
#include "Cursors.h"
#include "Exceptions.h"
#include "Menus.h"
#include "gPlotOwner.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"

#include <cmath>

TgPlotAxis::TgPlotAxis(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                       TNotifyEvent AOnRename)
    : TgPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename))
{
    FTitleFont.SetName(QStringLiteral("Arial"));
    FTitleFont.SetSize(10);
    FTitleFont.SetStyle(TFontStyles() << fsBold);
    FTitleFont.SetColor(clWhite);
    FLabelsFont.SetColor(clWhite);
    FTitleFont.OnChange = [this](TObject *) { DoChange(); };
    FLabelsFont.OnChange = [this](TObject *) { DoChange(); };
}

TgPlotAxis::~TgPlotAxis() = default;

bool TgPlotAxis::FiresEvents() const
{
    IgPlotOwner *plot = Plot();
    return plot && !plot->PlotLoading();
}

void TgPlotAxis::SetSpan(double Value)
{
    Value = std::clamp(Value, 1e-300, 1e300);
    if (Value == FScale.Span || std::isnan(Value))
        return;
    const double old = FScale.Span;
    FScale.Span = Value;
    DoChange();
    if (!FBlockMinSpanEvents && FiresEvents()) {
        Plot()->DoAxisSpanChange(this, old, Value);
        Plot()->DoAxisMinSpanChange(this, FScale.Min, old, FScale.Min, Value);
    }
}

void TgPlotAxis::SetMin(double Value)
{
    Value = std::clamp(Value, -1e300, 1e300);
    if (Value == FScale.Min || std::isnan(Value))
        return;
    const double old = FScale.Min;
    FScale.Min = Value;
    DoChange();
    if (!FBlockMinSpanEvents && FiresEvents()) {
        Plot()->DoAxisMinChange(this, old, Value);
        Plot()->DoAxisMinSpanChange(this, old, FScale.Span, Value, FScale.Span);
    }
}

void TgPlotAxis::SetMinSpan(double NewMin, double NewSpan)
{
    if (FScale.ScaleType == ipstLog10) {
        if (NewMin <= 0)
            NewMin = 1;
        if (NewSpan <= 0)
            NewSpan = 1;
    }
    if (NewMin == FScale.Min && NewSpan == FScale.Span)
        return;
    const double oldMin = FScale.Min, oldSpan = FScale.Span;
    FBlockMinSpanEvents = true;
    try {
        SetMin(NewMin);
        SetSpan(NewSpan);
    } catch (...) {
        FBlockMinSpanEvents = false;
        throw;
    }
    FBlockMinSpanEvents = false;
    if (FiresEvents()) {
        if (FScale.Min != oldMin)
            Plot()->DoAxisMinChange(this, oldMin, FScale.Min);
        if (FScale.Span != oldSpan)
            Plot()->DoAxisSpanChange(this, oldSpan, FScale.Span);
        Plot()->DoAxisMinSpanChange(this, oldMin, oldSpan, FScale.Min, FScale.Span);
    }
}

void TgPlotAxis::SetDesiredIncrement(double Value)
{
    if (Value > 1e300)
        Value = 1e300;
    if (Value < 0)
        Value = 0;
    ChangeDouble(FDesiredIncrement, Value, &TgPlotObject::DoChange);
}

void TgPlotAxis::SetScaleType(TgPlotScaleType Value)
{
    if (Value == FScale.ScaleType)
        return;
    if (Value == ipstLog10 && FScale.Min <= 0)
        FScale.Min = 1.0;
    FScale.ScaleType = Value;
    DoChange();
}

void TgPlotAxis::SetTrackingEnabled(bool Value)
{
    if (Value == FTrackingEnabled)
        return;
    FTrackingEnabled = Value;
    if (FRestoreValuesOnResume) {
        if (Value) {
            SetMinSpan(FPreviousMin, FPreviousSpan);
            FLabelsMinLength = FPreviousLabelsMinLength;
        } else {
            UpdateResumeValues();
        }
    }
    DoChange();
}

void TgPlotAxis::UpdateResumeValues()
{
    FPreviousMin = FScale.Min;
    FPreviousSpan = FScale.Span;
    FPreviousLabelsMinLength = FLabelsMinLength;
}

void TgPlotAxis::SetCartesianChildRefAxisName(const QString &Value)
{
    if (Value == FCartesianChildRefAxisName)
        return;
    FCartesianChildRefAxisName = Value;
    FCartesianRefAxis = nullptr;
    DoChange();
}

void TgPlotAxis::SetAlignRefAxisName(const QString &Value)
{
    if (Value == FAlignRefAxisName)
        return;
    FAlignRefAxisName = Value;
    FAlignRefAxis = nullptr;
    DoChange();
}

TgPlotAxis *TgPlotAxis::CartesianRefAxis()
{
    IgPlotOwner *plot = Plot();
    if (!FCartesianRefAxis && plot)
        FCartesianRefAxis = IsXAxis() ? static_cast<TgPlotAxis *>(plot->GetYAxisByName(FCartesianChildRefAxisName))
                                      : static_cast<TgPlotAxis *>(plot->GetXAxisByName(FCartesianChildRefAxisName));
    return FCartesianRefAxis;
}

TgPlotAxis *TgPlotAxis::AlignRefAxis()
{
    IgPlotOwner *plot = Plot();
    if (!FAlignRefAxis && plot)
        FAlignRefAxis = IsXAxis() ? static_cast<TgPlotAxis *>(plot->GetXAxisByName(FAlignRefAxisName))
                                  : static_cast<TgPlotAxis *>(plot->GetYAxisByName(FAlignRefAxisName));
    return FAlignRefAxis;
}

double TgPlotAxis::PercentToPosition(double Value) const
{
    TgPlotAxisScale scale = FScale;
    scale.StartPercent = StartPercent();
    scale.StopPercent = StopPercent();
    return scale.PercentToPosition(Value);
}

const TgPlotTickObject &TgPlotAxis::Tick(int Index) const
{
    if (Index < 0 || Index >= TickListCount())
        ThrowListIndexError(Index);
    return FTicks.Ticks[size_t(Index)];
}

void TgPlotAxis::TickListClear()
{
    FTicks.Ticks.clear();
    DoChange();
}

int TgPlotAxis::TickListAdd(double Position, const QString &ALabel, TgPlotTickType Style)
{
    if (FScale.ScaleType == ipstLog10 && Position <= 0)
        throw Exception(QStringLiteral("Log Scale Requires Position to be Greater Than Zero"));
    TgPlotTickObject tick;
    tick.TickType = Style;
    tick.Position = Position;
    tick.Text = ALabel;
    FTicks.Ticks.push_back(tick);
    DoChange();
    return TickListCount() - 1;
}

// Texts.

QString TgPlotAxis::FormatValue(const TgPlotAxisTextFormat &Format, double &MinLength, bool AutoAdjust, double Value)
{
    bool final;
    QString result = FormatAxisValue(Format, FScale.Span, FScale.ScaleType, Value, final);
    if (final)
        return result;
    FCustomizeLabelEventModified = false;
    FCustomizeLabelEventText = result;
    if (FiresEvents()) {
        QString label = result;
        Plot()->DoAxisCustomizeLabel(this, Value, label);
        result = FCustomizeLabelEventModified ? FCustomizeLabelEventText : label;
    }
    if (AutoAdjust && FAllowLabelMinAdjust && result.size() > MinLength)
        MinLength = result.size();
    return result;
}

void TgPlotAxis::SetCustomizeLabelEventText(const QString &Value)
{
    FCustomizeLabelEventText = Value;
    FCustomizeLabelEventModified = true;
}

namespace {
QString OneLine(QString Text)
{
    Text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    Text.replace(u'\r', u' ');
    return Text;
}
} // namespace

QString TgPlotAxis::GetLabelText(double Value)
{
    return FormatValue(FLabels, FLabelsMinLength, FLabelsMinLengthAutoAdjust, Value);
}

QString TgPlotAxis::GetCursorText(double Value)
{
    if (FCursorUseDefaultFormat)
        return OneLine(GetLabelText(Value));
    return OneLine(FormatValue(FCursor, FCursorMinLength, FCursorMinLengthAutoAdjust, Value));
}

QString TgPlotAxis::GetLegendText(double Value)
{
    if (FLegendUseDefaultFormat)
        return OneLine(GetLabelText(Value));
    return OneLine(FormatValue(FLegend, FLegendMinLength, FLegendMinLengthAutoAdjust, Value));
}

QString TgPlotAxis::GetCursorValueText(double Value)
{
    TgPlotAxisTextFormat f = FCursorUseDefaultFormat ? FLabels : FCursor;
    f.FormatStyle = iptfValue;
    f.DateTimeFormat.clear();
    if (FCursorUseDefaultFormat)
        return OneLine(FormatValue(f, FLabelsMinLength, FLabelsMinLengthAutoAdjust, Value));
    return OneLine(FormatValue(f, FCursorMinLength, FCursorMinLengthAutoAdjust, Value));
}

QString TgPlotAxis::GetLabelTextAdjusting(double Value)
{
    FAllowLabelMinAdjust = true;
    try {
        QString text = GetLabelText(Value);
        FAllowLabelMinAdjust = false;
        return text;
    } catch (...) {
        FAllowLabelMinAdjust = false;
        throw;
    }
}

int TgPlotAxis::GetLabelsWidth(TCanvas *Canvas, TFont *Font)
{
    Canvas->SetFont(Font);
    const double span = FScale.Span;
    const QString sample = GetLabelTextAdjusting(std::trunc(FScale.Min / span) * span + span);
    int width = int(std::nearbyint(Canvas->TextWidth(QStringLiteral("0")) * FLabelsMinLength));
    width = std::max(width, MaxLineWidth(Canvas, sample));
    for (const TgPlotTickObject &tick : FTicks.Ticks)
        width = std::max(width, MaxLineWidth(Canvas, tick.Text));
    return width;
}

int TgPlotAxis::GetLegendValueWidth(TCanvas *Canvas, TFont *Font)
{
    Canvas->SetFont(Font);
    const double length = FLegendUseDefaultFormat ? FLabelsMinLength : FLegendMinLength;
    return int(std::nearbyint(Canvas->TextWidth(QStringLiteral("0")) * length));
}

int TgPlotAxis::GetCursorValueWidth(TCanvas *Canvas, TFont *Font)
{
    Canvas->SetFont(Font);
    const double length = FCursorUseDefaultFormat ? FLabelsMinLength : FCursorMinLength;
    return int(std::nearbyint(Canvas->TextWidth(QStringLiteral("0")) * length));
}

// Object overrides.

void TgPlotAxis::NotificationRemove(TObject *Sender)
{
    TgPlotLayoutObject::NotificationRemove(Sender);
    if (Sender == FCartesianRefAxis)
        FCartesianRefAxis = nullptr;
    if (Sender == FAlignRefAxis)
        FAlignRefAxis = nullptr;
}

void TgPlotAxis::NotificationRename(TObject *Sender)
{
    TgPlotLayoutObject::NotificationRename(Sender);
    if (FCartesianRefAxis && Sender == FCartesianRefAxis)
        FCartesianChildRefAxisName = FCartesianRefAxis->Name();
}

void TgPlotAxis::NotificationSetFocus(TObject *Sender)
{
    if (Sender == this)
        return;
    const bool multi = ShiftState().Contains(ssShift) || ShiftState().Contains(ssCtrl);
    if (dynamic_cast<TgPlotAxis *>(Sender) && multi)
        return;
    SetUserSelected(false);
}

bool TgPlotAxis::gMouseHitTest(const TgPlotMouseData &MouseData)
{
    return FFocusRect.Contains(TPoint(MouseData.X, MouseData.Y));
}

void TgPlotAxis::DoMouseHint(const TgPlotMouseData &MouseData, TgHintData &HintData)
{
    if (FTitleShow)
        return;
    HintData.Text = FTitle;
    HintData.Left = MouseData.X;
    HintData.Top = MouseData.Y - 20;
    TCanvas canvas;
    HintData.Width = canvas.TextWidth(FTitle) + 4;
    HintData.Height = canvas.TextHeight(FTitle) + 4;
    if (FiresEvents())
        Plot()->DoAxisCustomizeHint(this, HintData.Text);
}

int TgPlotAxis::GetMouseCursor(TPoint Point)
{
    if (FMode == ipamScroll)
        return crHandPoint;
    return IsHorz() ? crSizeWE : crSizeNS;
}

void TgPlotAxis::BuildPopupMenu(TPopupMenu *PopupMenu)
{
    TgPlotLayoutObject::BuildPopupMenu(PopupMenu);
    AddEditMenuItem(PopupMenu);
    auto *tracking = new TMenuItem(PopupMenu);
    tracking->SetCaption(TranslateText(QStringLiteral("Tracking Enabled")));
    tracking->SetChecked(FTrackingEnabled);
    tracking->OnClick = [this](TObject *) { SetTrackingEnabled(!FTrackingEnabled); };
    auto *resume = new TMenuItem(PopupMenu);
    resume->SetCaption(TranslateText(QStringLiteral("Update Resume Values")));
    resume->SetEnabled(!FTrackingEnabled && (Min() != FPreviousMin || Span() != FPreviousSpan));
    resume->OnClick = [this](TObject *) { UpdateResumeValues(); };
    auto *fit = new TMenuItem(PopupMenu);
    fit->SetCaption(TranslateText(QStringLiteral("Zoom to Fit")));
    fit->OnClick = [this](TObject *) { ZoomToFit(); };
    PopupMenu->Items()->Insert(0, tracking);
    PopupMenu->Items()->Insert(1, resume);
    PopupMenu->Items()->Insert(2, fit);
}

void TgPlotAxis::DefineProperties(TFiler *Filer)
{
    auto readSpan = [this](TReader *Reader) { FScale.Span = Reader->ReadDouble(); };
    Filer->DefineProperty(QStringLiteral("Span_2"), readSpan, nullptr, false);
    Filer->DefineProperty(
        QStringLiteral("LabelSeparation"), [this](TReader *Reader) { FLabelSeparation = Reader->ReadDouble(); },
        [this](TWriter *Writer) { Writer->WriteDouble(FLabelSeparation); }, FLabelSeparation == 0);
    Filer->DefineProperty(
        QStringLiteral("TitleMargin"), [this](TReader *Reader) { FTitleMargin = Reader->ReadDouble(); },
        [this](TWriter *Writer) { Writer->WriteDouble(FTitleMargin); }, FTitleMargin == 0);
}

const TPublishedClass *TgPlotAxis::StaticPublished()
{
    using A = TgPlotAxis;
    static const QStringList scaleTypes{QStringLiteral("ipstLinear"), QStringLiteral("ipstLog10")};
    static const QStringList formats{QStringLiteral("iptfValue"),     QStringLiteral("iptfExponent"),
                                     QStringLiteral("iptfPrefix"),    QStringLiteral("iptfDateTime"),
                                     QStringLiteral("iptfPrice32nds"), QStringLiteral("iptfThousands")};
    static const QStringList precisions{QStringLiteral("ipsSignificantDigits"),
                                        QStringLiteral("ipsFixedDecimalPoints")};
    static const QStringList rotations{QStringLiteral("ira000"), QStringLiteral("ira090"), QStringLiteral("ira180"),
                                       QStringLiteral("ira270")};
    static const QStringList trackingStyles{
        QStringLiteral("iptsScaleMinMax"),    QStringLiteral("iptsScaleMax"),       QStringLiteral("iptsScaleMin"),
        QStringLiteral("iptsScrollSmooth"),   QStringLiteral("iptsScrollPage"),     QStringLiteral("iptsExpandCollapse"),
        QStringLiteral("iptsExpandCollapseFast"), QStringLiteral("iptsExpandMinMax")};
    static const QStringList incrementStyles{QStringLiteral("iptisMinimum"), QStringLiteral("iptisMajor"),
                                             QStringLiteral("iptisMinor")};
    static const QStringList alignStyles{QStringLiteral("ipafsMin"), QStringLiteral("ipafsMax"),
                                         QStringLiteral("ipafsAuto"), QStringLiteral("ipafsNone")};
    static const QStringList cartesian{QStringLiteral("ipcsNone"), QStringLiteral("ipcsMaster"),
                                       QStringLiteral("ipcsChild")};
    static const TPublishedClass info =
        TPublishedBuilder<A>(TgPlotLayoutObject::StaticPublished())
            .Float("Min", &A::Min, &A::SetMin)
            .Float("Span", &A::Span, &A::SetSpan)
            .Float("DesiredStart", &A::DesiredStart, &A::SetDesiredStart)
            .Float("DesiredIncrement", &A::DesiredIncrement, &A::SetDesiredIncrement)
            .Bool("ReverseScale", &A::ReverseScale, &A::SetReverseScale, false)
            .Enumeration("ScaleType", &A::ScaleType, &A::SetScaleType, scaleTypes, ipstLinear)
            .Integer("InnerMargin", &A::InnerMargin, &A::SetInnerMargin, 5)
            .Integer("OuterMargin", &A::OuterMargin, &A::SetOuterMargin, 5)
            .Float("StackingEndsMargin", &A::StackingEndsMargin, &A::SetStackingEndsMargin)
            .Bool("ForceStacking", &A::ForceStacking, &A::SetForceStacking, false)
            .String("Title", &A::Title, &A::SetTitle)
            .Bool("TitleShow", &A::TitleShow, &A::SetTitleShow, false)
            .Bool("TitleRotated", &A::TitleRotated, &A::SetTitleRotated, false)
            .Float("TitleMargin", &A::TitleMargin, &A::SetTitleMargin)
            .StoredWhen([](A *a) { return a->TitleMargin() != 0; })
            .Object("TitleFont", [](A *a) -> TObject * { return a->TitleFont(); })
            .Integer("MajorLength", &A::MajorLength, &A::SetMajorLength, 7)
            .Integer("MinorLength", &A::MinorLength, &A::SetMinorLength, 3)
            .Integer("MinorCount", &A::MinorCount, &A::SetMinorCount, 1)
            .Bool("ScaleLineShow", &A::ScaleLineShow, &A::SetScaleLineShow, true)
            .Bool("ScaleLinesShow", &A::ScaleLinesShow, &A::SetScaleLinesShow, true)
            .Integer("ScaleLinesColor", &A::ScaleLinesColor, &A::SetScaleLinesColor, clWhite)
            .Bool("GridLinesVisible", &A::GridLinesVisible, &A::SetGridLinesVisible, true)
            .Bool("LabelsVisible", &A::LabelsVisible, &A::SetLabelsVisible, true)
            .Float("LabelsMargin", &A::LabelsMargin, &A::SetLabelsMargin)
            .Object("LabelsFont", [](A *a) -> TObject * { return a->LabelsFont(); })
            .Float("LabelSeparation", &A::LabelSeparation, &A::SetLabelSeparation)
            .StoredWhen([](A *a) { return a->LabelSeparation() != 0; })
            .Enumeration("LabelsRotation", &A::LabelsRotation, &A::SetLabelsRotation, rotations, ira000)
            .Integer("LabelsPrecision", &A::LabelsPrecision, &A::SetLabelsPrecision, 3)
            .Enumeration("LabelsPrecisionStyle", &A::LabelsPrecisionStyle, &A::SetLabelsPrecisionStyle, precisions,
                         ipsSignificantDigits)
            .Enumeration("LabelsFormatStyle", &A::LabelsFormatStyle, &A::SetLabelsFormatStyle, formats, iptfValue)
            .String("DateTimeFormat", &A::DateTimeFormat, &A::SetDateTimeFormat)
            .Float("LabelsMinLength", &A::LabelsMinLength, &A::SetLabelsMinLength)
            .Bool("LabelsMinLengthAutoAdjust", &A::LabelsMinLengthAutoAdjust, &A::SetLabelsMinLengthAutoAdjust, false)
            .Bool("TrackingEnabled", &A::TrackingEnabled, &A::SetTrackingEnabled, true)
            .Enumeration("TrackingStyle", &A::TrackingStyle, &A::SetTrackingStyle, trackingStyles)
            .Enumeration("TrackingIncrementStyle", &A::TrackingIncrementStyle, &A::SetTrackingIncrementStyle,
                         incrementStyles, iptisMinimum)
            .Enumeration("TrackingAlignFirstStyle", &A::TrackingAlignFirstStyle, &A::SetTrackingAlignFirstStyle,
                         alignStyles)
            .Float("TrackingScrollCompressMax", &A::TrackingScrollCompressMax, &A::SetTrackingScrollCompressMax)
            .Float("TrackingSpanMinimum", &A::TrackingSpanMinimum, &A::SetTrackingSpanMinimum)
            .Float("TrackingMaxMargin", &A::TrackingMaxMargin, &A::SetTrackingMaxMargin)
            .Float("TrackingMinMargin", &A::TrackingMinMargin, &A::SetTrackingMinMargin)
            .Bool("RestoreValuesOnResume", &A::RestoreValuesOnResume, &A::SetRestoreValuesOnResume, true)
            .Bool("CursorUseDefaultFormat", &A::CursorUseDefaultFormat, &A::SetCursorUseDefaultFormat, true)
            .Enumeration("CursorFormatStyle", &A::CursorFormatStyle, &A::SetCursorFormatStyle, formats, iptfValue)
            .String("CursorDateTimeFormat", &A::CursorDateTimeFormat, &A::SetCursorDateTimeFormat)
            .Enumeration("CursorPrecisionStyle", &A::CursorPrecisionStyle, &A::SetCursorPrecisionStyle, precisions,
                         ipsSignificantDigits)
            .Integer("CursorPrecision", &A::CursorPrecision, &A::SetCursorPrecision, 3)
            .Float("CursorMinLength", &A::CursorMinLength, &A::SetCursorMinLength)
            .Bool("CursorMinLengthAutoAdjust", &A::CursorMinLengthAutoAdjust, &A::SetCursorMinLengthAutoAdjust, false)
            .Float("CursorScaler", &A::CursorScaler, &A::SetCursorScaler)
            .Bool("LegendUseDefaultFormat", &A::LegendUseDefaultFormat, &A::SetLegendUseDefaultFormat, true)
            .Enumeration("LegendFormatStyle", &A::LegendFormatStyle, &A::SetLegendFormatStyle, formats, iptfValue)
            .String("LegendDateTimeFormat", &A::LegendDateTimeFormat, &A::SetLegendDateTimeFormat)
            .Enumeration("LegendPrecisionStyle", &A::LegendPrecisionStyle, &A::SetLegendPrecisionStyle, precisions,
                         ipsSignificantDigits)
            .Integer("LegendPrecision", &A::LegendPrecision, &A::SetLegendPrecision, 3)
            .Float("LegendMinLength", &A::LegendMinLength, &A::SetLegendMinLength)
            .Bool("LegendMinLengthAutoAdjust", &A::LegendMinLengthAutoAdjust, &A::SetLegendMinLengthAutoAdjust, false)
            .Bool("ScrollMinMaxEnabled", &A::ScrollMinMaxEnabled, &A::SetScrollMinMaxEnabled, false)
            .Float("ScrollMin", &A::ScrollMin, &A::SetScrollMin)
            .Float("ScrollMax", &A::ScrollMax, &A::SetScrollMax)
            .Bool("MasterUIInput", &A::MasterUIInput, &A::SetMasterUIInput, false)
            .Enumeration("CartesianStyle", &A::CartesianStyle, &A::SetCartesianStyle, cartesian, ipcsNone)
            .String("CartesianChildRefAxisName", &A::CartesianChildRefAxisName, &A::SetCartesianChildRefAxisName)
            .Float("CartesianChildRefValue", &A::CartesianChildRefValue, &A::SetCartesianChildRefValue)
            .String("AlignRefAxisName", &A::AlignRefAxisName, &A::SetAlignRefAxisName)
            .Build();
    return &info;
}
