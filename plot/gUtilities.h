#pragma once
#include "DateTime.h"
#include "Types.h"

class TComponent;
class TPageControl;
class TWinControl;

// Geometry, number and date helpers shared by the plot library.

enum TgPrecisionStyle { ipsSignificantDigits, ipsFixedDecimalPoints };

struct TgDoublePoint {
    double X = 0;
    double Y = 0;
};
inline TgDoublePoint DoublePoint(double X, double Y) { return {X, Y}; }

// (A, B), or (B, A) when the plot's axes are exchanged.
inline TPoint ReversiblePoint(bool Reversed, int A, int B) { return Reversed ? TPoint(B, A) : TPoint(A, B); }
TRect NormalizedRect(int X1, int Y1, int X2, int Y2);
TRect ReversibleNormalizedRect(bool Reversed, int X1, int Y1, int X2, int Y2);
inline void SwapIntegers(int &A, int &B) { std::swap(A, B); }

// Decimals that show Precision significant digits of the span |A - B|
// (at least one below 1), or Precision itself for fixed decimals.
int PrecisionDecimals(int Precision, TgPrecisionStyle Style, double A, double B);

// Whole units of a span in days, in 32-bit arithmetic; a negative result
// (a span below -1 day, or an overflow) gives 2^31 - 1, for minutes 10000.
int DateTimeToMilliseconds(TDateTime Span);
int DateTimeToSeconds(TDateTime Span);
int DateTimeToMinutes(TDateTime Span);
int DateTimeToHours(TDateTime Span);

bool IsShiftDown();
bool IsControlDown();
void FocusControlWindow(TWinControl *Control);
// Up the owner chain: the first form, else the outermost windowed control.
TWinControl *FindOwnerForm(TComponent *Component);

// Shows the page at Index when Index < PageCount (a negative Index shows
// none); a larger Index changes nothing.
void SetActivePageIndex(TPageControl *PageControl, int Index);
// The active page's index, -1 when none.
int GetActivePageIndex(const TPageControl *PageControl);

inline double MillimetresToInches(double X) { return X / 10 / 2.54; }
// Inches of a printer paper code (3 to 68); any other code is Letter.
void PaperSizeToInches(int PaperCode, double &Width, double &Height);
// Margins (inches) leave room on a paper of Width x Height inches when the
// area inside them has a width and a height: printing and the print
// preview's settings refuse others with kPrintMarginsLeaveNoRoom.
bool PrintMarginsLeaveRoom(double Width, double Height, double Left, double Top, double Right, double Bottom);
inline constexpr const char *kPrintMarginsLeaveNoRoom = "The print margins leave no room on the paper";
// Inches of the program printer's paper, width and height exchanged in
// landscape; "Could not initialize printer DeviceMode Structure" when the
// printer cannot say.
void GetPrinterPaperSize(double &Width, double &Height);
