#include "gUtilities.h"

#include "Exceptions.h"
#include "Form.h"
#include "PageControl.h"
#include "Printers.h"
#include "WinControl.h"

#include <QGuiApplication>
#include <algorithm>
#include <utility>
#include <cmath>
#include <cstdint>

TRect NormalizedRect(int X1, int Y1, int X2, int Y2)
{
    return {std::min(X1, X2), std::min(Y1, Y2), std::max(X1, X2), std::max(Y1, Y2)};
}

TRect ReversibleNormalizedRect(bool Reversed, int X1, int Y1, int X2, int Y2)
{
    return Reversed ? NormalizedRect(Y1, X1, Y2, X2) : NormalizedRect(X1, Y1, X2, Y2);
}

int PrecisionDecimals(int Precision, TgPrecisionStyle Style, double A, double B)
{
    if (Style == ipsFixedDecimalPoints)
        return Precision;
    if (Style != ipsSignificantDigits || Precision <= 0)
        return 0;
    const double d = std::fabs(A - B);
    int n = d == 0 ? 0 : Precision - (static_cast<int>(std::trunc(std::log10(d))) + 1);
    if (d < 1)
        ++n;
    return std::max(n, 0);
}

namespace {

struct SpanParts {
    std::int32_t days;
    int h, m, s, ms;
};

SpanParts PartsOf(TDateTime Span)
{
    SpanParts p{};
    const double whole = std::trunc(Span + 1e-15);
    p.days = std::fabs(whole) < 2e9 ? static_cast<std::int32_t>(whole) : 0;
    DecodeTime(Span, p.h, p.m, p.s, p.ms);
    return p;
}

// 32-bit wrap-around, as the counts are defined.
std::int32_t Wrap(std::int64_t v)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
}

int OrLimit(std::int32_t v, int limit)
{
    return v < 0 ? limit : v;
}

} // namespace

int DateTimeToMilliseconds(TDateTime Span)
{
    const SpanParts p = PartsOf(Span);
    return OrLimit(Wrap(std::int64_t(p.days) * 86400000 + p.h * 3600000 + p.m * 60000 + p.s * 1000 + p.ms), 2147483647);
}

int DateTimeToSeconds(TDateTime Span)
{
    const SpanParts p = PartsOf(Span);
    return OrLimit(Wrap(std::int64_t(p.days) * 86400 + p.h * 3600 + p.m * 60 + p.s), 2147483647);
}

int DateTimeToMinutes(TDateTime Span)
{
    const SpanParts p = PartsOf(Span);
    return OrLimit(Wrap(std::int64_t(p.days) * 1440 + p.h * 60 + p.m), 10000);
}

int DateTimeToHours(TDateTime Span)
{
    const SpanParts p = PartsOf(Span);
    return OrLimit(Wrap(std::int64_t(p.days) * 24 + p.h), 2147483647);
}

bool IsShiftDown()
{
    return QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier;
}

bool IsControlDown()
{
    return QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier;
}

void FocusControlWindow(TWinControl *Control)
{
    if (Control)
        Control->SetFocus();
}

TWinControl *FindOwnerForm(TComponent *Component)
{
    TWinControl *outermost = nullptr;
    for (TComponent *c = Component; c; c = c->Owner()) {
        if (auto *form = dynamic_cast<TCustomForm *>(c))
            return form;
        if (auto *w = dynamic_cast<TWinControl *>(c))
            outermost = w;
    }
    return outermost;
}

void SetActivePageIndex(TPageControl *PageControl, int Index)
{
    if (Index < PageControl->PageCount())
        PageControl->SetActivePageIndex(Index);
}

int GetActivePageIndex(const TPageControl *PageControl)
{
    return PageControl->ActivePageIndex();
}

bool PrintMarginsLeaveRoom(double Width, double Height, double Left, double Top, double Right, double Bottom)
{
    // Written so that a NaN margin leaves no room.
    return Width - (Left + Right) > 0 && Height - (Top + Bottom) > 0;
}

void PaperSizeToInches(int PaperCode, double &Width, double &Height)
{
    // The sizes of the printer paper codes 3 to 68; mm marks millimetres.
    static const struct {
        double w, h;
        bool mm;
    } sizes[] = {
        {11, 17, false},      {17, 11, false},     {8.5, 14, false},     {5.5, 8.5, false},    {7.25, 10.5, false}, // 3-7
        {297, 420, true},     {210, 297, true},    {210, 297, true},     {148, 210, true},     {250, 354, true},    // 8-12
        {182, 257, true},     {8.5, 13, false},    {215, 275, true},     {10, 14, false},      {11, 17, false},     // 13-17
        {8.5, 11, false},     {3.875, 8.875, false}, {4.125, 9.5, false}, {4.5, 10.375, false}, {4.75, 11, false}, // 18-22
        {5, 11.5, false},     {17, 22, false},     {22, 34, false},      {34, 44, false},      {110, 220, true},    // 23-27
        {162, 229, true},     {324, 458, true},    {229, 324, true},     {114, 162, true},     {114, 229, true},    // 28-32
        {250, 353, true},     {176, 250, true},    {176, 125, true},     {110, 230, true},     {3.875, 7.5, false}, // 33-37
        {3.625, 6.5, false},  {14.875, 11, false}, {8.5, 12, false},     {8.5, 13, false},     {250, 353, true},    // 38-42
        {100, 148, true},     {9, 11, false},      {10, 11, false},      {15, 11, false},      {220, 220, true},    // 43-47
        {8.5, 11, false},     {8.5, 11, false},    {9.5, 12, false},     {9.5, 15, false},     {11.69, 18, false},  // 48-52
        {9.27, 12.69, false}, {8.5, 11, false},    {210, 297, true},     {9.5, 12, false},     {227, 356, true},    // 53-57
        {305, 487, true},     {8.5, 12.69, false}, {210, 330, true},     {148, 210, true},     {182, 257, true},    // 58-62
        {322, 445, true},     {174, 235, true},    {201, 276, true},     {420, 594, true},     {297, 420, true},    // 63-67
        {322, 445, true},                                                                                           // 68
    };
    if (PaperCode < 3 || PaperCode > 68) {
        Width = 8.5;
        Height = 11;
        return;
    }
    const auto &s = sizes[PaperCode - 3];
    Width = s.mm ? MillimetresToInches(s.w) : s.w;
    Height = s.mm ? MillimetresToInches(s.h) : s.h;
}

void GetPrinterPaperSize(double &Width, double &Height)
{
    TPrinterGeometry geometry;
    if (!GetPrinterGeometry(geometry))
        throw Exception(QStringLiteral("Could not initialize printer DeviceMode Structure"));
    PaperSizeToInches(geometry.PaperCode, Width, Height);
    if (PrinterOrientation() == poLandscape)
        std::swap(Width, Height);
}
