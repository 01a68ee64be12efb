#include "SkTextUtils.h"

#include "SystemInfo.h"

#include <QFontDatabase>
#include <QFontInfo>

std::unique_ptr<TFont> CreateRotatedFont(const TFont &Font, int AngleDegrees)
{
    auto rotated = std::make_unique<TFont>();
    rotated->Assign(const_cast<TFont *>(&Font));
    rotated->SetOrientation(AngleDegrees * 10);
    return rotated;
}

bool IsTrueTypeFont(const TFont &Font)
{
    const QFontInfo info(Font.ToQFont());
    return QFontDatabase::isSmoothlyScalable(info.family(), info.styleName());
}

QString StripAccelerators(const QString &Caption)
{
    QString out;
    const int n = Caption.size();
    for (int i = 0; i + 1 < n; ++i)
        if (Caption[i] != QLatin1Char('&') || Caption[i + 1] == QLatin1Char('&'))
            out += Caption[i];
    if (n > 0)
        out += Caption[n - 1];
    return out;
}

QChar LastCharOf(const QString &Text)
{
    return Text.isEmpty() ? QChar() : Text.back();
}

int DrawTextInRect(TCanvas *Canvas, const QString &Text, TRect &R, unsigned Flags)
{
    return Canvas->DrawText(Text, R, Flags);
}

void DrawCenteredText(TCanvas *Canvas, const QString &Text, const TRect &R)
{
    TRect r = R;
    Canvas->DrawText(Text, r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

bool IsWindowsVersionOf(int Kind, int Platform, int Major, int Minor)
{
    const bool x9 = Platform == 1, nt = Platform == 2;
    switch (Kind) {
    case 0: return x9 && Major <= 4 && Minor == 0;
    case 1: return nt && Major <= 4;
    case 2: return x9 && Major <= 4 && Minor == 10;
    case 3: return x9 && Major <= 4 && Minor == 90;
    case 4: return nt && Major == 5 && Minor == 0;
    case 5: return nt && Major == 5 && Minor == 1;
    case 6: return nt && Major == 5 && Minor == 2;
    case 7: return nt && Major == 6 && Minor == 0;
    case 8: return nt && Major == 6 && Minor == 1;
    default: return false;
    }
}

bool IsWindowsVersionOrLaterOf(int Kind, int Platform, int Major, int Minor)
{
    const bool any = Platform == 1 || Platform == 2, nt = Platform == 2;
    switch (Kind) {
    case 0: return any && Major > 3;
    case 1: return nt && Major > 3;
    case 2: return any && Major > 3 && Minor > 9;
    case 3: return any && ((Major >= 4 && Minor >= 90) || Major > 4);
    case 4: return nt && Major > 4;
    case 5: return nt && ((Major == 5 && Minor > 0) || Major > 5);
    case 6: return nt && (Major > 5 || (Major > 4 && Minor > 1));
    case 7: return nt && Major > 5;
    case 8: return nt && Major > 5 && Minor > 0;
    default: return false;
    }
}

bool IsWindowsVersion(int Kind)
{
    return IsWindowsVersionOf(Kind, Win32Platform, Win32MajorVersion, Win32MinorVersion);
}

bool IsWindowsVersionOrLater(int Kind)
{
    return IsWindowsVersionOrLaterOf(Kind, Win32Platform, Win32MajorVersion, Win32MinorVersion);
}
