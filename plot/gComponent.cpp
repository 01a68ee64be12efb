#include "gComponent.h"

#include "Bitmap.h"
#include "Brush.h"
#include "Exceptions.h"
#include "Font.h"
#include "FormatSettings.h"
#include "MonotonicClock.h"
#include "Pen.h"
#include "Strings.h"
#include "Timer.h"
#include "gDrawing.h"
#include "gPlotTextFile.h"
#include "gPropertyLines.h"


TgComponent::TgComponent(TComponent *AOwner)
    : TCustomControl(AOwner), FLastUpdate(NowMs()), FErrorFont(std::make_unique<TFont>())
{
    SetControlStyle({csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks, csReplicatable});
    FErrorFont->SetColor(clRed);
    FErrorFont->SetStyle({fsBold});
    FErrorFont->OnChange = [this](TObject *) { InvalidateChange(); };
    FFrameTimer = new TTimer(this);
    FFrameTimer->SetEnabled(false);
    FFrameTimer->OnTimer = [this](TObject *) {
        FFrameTimer->SetEnabled(false);
        if (!FUpdateActive && FNeedsRepaint)
            InvalidateThrottled();
    };
    UpdateObject().AddUpdateControl(this);
}

TgComponent::~TgComponent()
{
    UpdateObject().RemoveUpdateControl(this);
}

// -- repaint policy ---------------------------------------------------------

void TgComponent::InvalidateChange()
{
    if (FUpdateActive) {
        FNeedsRepaint = true;
    } else if (FAutoFrameRate) {
        FNeedsRepaint = true;
        InvalidateThrottled();
    } else {
        DoInvalidate();
    }
}

void TgComponent::BackGroundChange()
{
    FBackGroundChanged = true;
    InvalidateChange();
}

void TgComponent::InvalidateThrottled()
{
    if (FAutoFrameRate && !FrameIntervalPassed(FLastUpdate, FUpdateFrameRate, NowMs())) {
        ArmFrameTimer();
        return; // stays pending
    }
    DoInvalidate();
}

void TgComponent::ArmFrameTimer()
{
    if (FFrameTimer->Enabled())
        return;
    const std::int64_t wait = MsUntilFrameInterval(FLastUpdate, FUpdateFrameRate, NowMs());
    FFrameTimer->SetInterval(static_cast<unsigned>(std::max<std::int64_t>(wait, 1)));
    FFrameTimer->SetEnabled(true);
}

void TgComponent::DoInvalidate()
{
    FNeedsRepaint = false;
    FLastUpdate = NowMs();
    FFrameTimer->SetEnabled(false);
    Invalidate();
}

void TgComponent::EndUpdate()
{
    FUpdateActive = false;
    if (FNeedsRepaint)
        InvalidateThrottled();
}

void TgComponent::SetUpdateFrameRate(int Value)
{
    if (Value == FUpdateFrameRate)
        return;
    FUpdateFrameRate = Value;
    BackGroundChange();
}

void TgComponent::SetAutoFrameRate(bool Value)
{
    if (Value == FAutoFrameRate)
        return;
    FAutoFrameRate = Value;
    if (Value)
        BackGroundChange();
    else
        EndUpdate();
}

void TgComponent::SetBorderStyle(TgBevelStyle Value)
{
    if (Value == FBorderStyle)
        return;
    FBorderStyle = Value;
    BackGroundChange();
}

void TgComponent::SetBackGroundColor(TColor Value)
{
    if (Value == FBackGroundColor)
        return;
    FBackGroundColor = Value;
    BackGroundChange();
}

void TgComponent::SetCachedDrawing(bool Value)
{
    if (Value == FCachedDrawing)
        return;
    FCachedDrawing = Value;
    if (!Value)
        FBackGroundBitmap.reset();
    BackGroundChange();
}

void TgComponent::SetErrorActive(bool Value)
{
    if (Value == FErrorActive)
        return;
    FErrorActive = Value;
    BackGroundChange();
}

void TgComponent::EnabledChanged()
{
    TCustomControl::EnabledChanged();
    BackGroundChange();
}

void TgComponent::InvalidateByKind(int Kind)
{
    if (Kind == 0)
        InvalidateChange();
    else if (Kind == 1)
        BackGroundChange();
}

void TgComponent::SetBooleanValue(bool Value, bool &Field, int Kind)
{
    if (Value != Field) {
        Field = Value;
        InvalidateByKind(Kind);
    }
}

void TgComponent::SetIntegerValue(int Value, int &Field, int Kind)
{
    if (Value != Field) {
        Field = Value;
        InvalidateByKind(Kind);
    }
}

void TgComponent::SetColorValue(TColor Value, TColor &Field, int Kind)
{
    if (Value != Field) {
        Field = Value;
        InvalidateByKind(Kind);
    }
}

bool TgComponent::IsLoading() const
{
    return ComponentState().Contains(csLoading);
}

bool TgComponent::IsDesigning() const
{
    bool designing = ComponentState().Contains(csDesigning);
    if (FOnGetDesigning)
        FOnGetDesigning(const_cast<TgComponent *>(this), designing);
    return designing;
}

TPoint TgComponent::GetCenterPoint() const
{
    return {Width() / 2 + FOffsetX, Height() / 2 + FOffsetY};
}

// -- painting ---------------------------------------------------------------

void TgComponent::Paint()
{
    bool locked = false;
    try {
        Lock();
        locked = true;
        TBitmap offScreen(Width(), Height());
        TCanvas *c = offScreen.Canvas();
        c->Brush()->SetStyle(bsSolid);
        c->Pen()->SetStyle(psSolid);
        try {
            PaintToCanvas(c);
        } catch (const Exception &e) {
            DrawFailureMessage(c, ClientRect(), e.Message());
        }
        Canvas()->Draw(0, 0, &offScreen);
    } catch (const Exception &) {
        // a failed paint leaves the screen as it was
    }
    if (locked)
        Unlock();
}

void TgComponent::DrawBackGround(TCanvas *Canvas, TColor Color)
{
    FBackGroundChanged = false;
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color);
    Canvas->FillRect(TRect(0, 0, Width(), Height()));
    DrawBorder(Canvas);
}

void TgComponent::DrawBorder(TCanvas *Canvas)
{
    if (FBorderStyle == ibsRaised)
        DrawBorderFrame(Canvas, TRect(0, 0, Width(), Height()), 1);
    else if (FBorderStyle == ibsLowered)
        DrawBorderFrame(Canvas, TRect(0, 0, Width(), Height()), 0);
}

TBitmap *TgComponent::GetBackGroundBitmap()
{
    if (!FBackGroundBitmap)
        FBackGroundBitmap = std::make_unique<TBitmap>(Width(), Height());
    return FBackGroundBitmap.get();
}

void TgComponent::SaveImageToBitmap(const QString &FileName)
{
    TBitmap bmp(Width(), Height());
    PaintToCanvas(bmp.Canvas());
    bmp.SaveToFile(FileName);
}

// -- input ------------------------------------------------------------------

template <class F>
void TgComponent::UserInput(bool Swallow, F &&Body)
{
    struct Flag {
        bool &f;
        explicit Flag(bool &v) : f(v) { f = true; }
        ~Flag() { f = false; }
    } flag(FUserGenerated);
    if (!Swallow) {
        Body();
        return;
    }
    try {
        Body();
    } catch (const Exception &) {
    }
}

void TgComponent::KeyDown(Word &Key, TShiftState Shift)
{
    UserInput(true, [&] {
        TCustomControl::KeyDown(Key, Shift);
        gKeyDown(Key, Shift);
    });
}

void TgComponent::KeyUp(Word &Key, TShiftState Shift)
{
    UserInput(true, [&] {
        TCustomControl::KeyUp(Key, Shift);
        gKeyUp(Key, Shift);
    });
}

void TgComponent::KeyPress(QChar &Key)
{
    UserInput(true, [&] {
        TCustomControl::KeyPress(Key);
        gKeyPress(Key);
    });
}

void TgComponent::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    UserInput(false, [&] {
        gMouseDown(Button, Shift, X, Y);
        TCustomControl::MouseDown(Button, Shift, X, Y);
    });
}

void TgComponent::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    UserInput(false, [&] {
        gMouseUp(Button, Shift, X, Y);
        TCustomControl::MouseUp(Button, Shift, X, Y);
    });
}

void TgComponent::MouseMove(TShiftState Shift, int X, int Y)
{
    UserInput(false, [&] {
        gMouseMove(Shift, X, Y);
        TCustomControl::MouseMove(Shift, X, Y);
    });
}

void TgComponent::DblClick()
{
    UserInput(false, [&] {
        gDoubleClick();
        TCustomControl::DblClick();
    });
}

bool TgComponent::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    return gMouseWheel(WheelDelta, Shift, MousePos);
}

void TgComponent::DoSetFocus()
{
    UserInput(false, [&] {
        FHasFocus = true;
        Invalidate();
    });
}

void TgComponent::DoKillFocus()
{
    UserInput(true, [&] {
        FHasFocus = false;
        gMouseUp(mbLeft, {}, 0, 0); // ends a drag in progress
        Invalidate();
    });
}

// -- properties -------------------------------------------------------------

const TPublishedClass *TgComponent::StaticPublished()
{
    static const TPublishedClass info =
        TPublishedBuilder<TgComponent>(TCustomControl::StaticControlPublished())
            .Integer("UpdateFrameRate", &TgComponent::GetUpdateFrameRate, &TgComponent::SetUpdateFrameRate, 60)
            .Bool("AutoFrameRate", &TgComponent::AutoFrameRate, &TgComponent::SetAutoFrameRate, false)
            .Bool("OptionSaveAllProperties", &TgComponent::OptionSaveAllProperties,
                  &TgComponent::SetOptionSaveAllProperties, false)
            .Build();
    return &info;
}

const TPublishedClass *TgComponent::PublishedClass() const
{
    return StaticPublished();
}

void TgComponent::OPCGetPropertyType(TObject *, const QString &PropertyName, TTypeKind &Kind)
{
    Kind = FindPropertyKind(this, QString(), PropertyName);
}

namespace {

const char *const kLayoutNames[] = {"Left", "Top", "Width", "Height", "Align", "Cursor", "ShowHint",
                                    "Tag", "Visible", "Enabled", "Hint", "HelpContext"};
const QString kFileType = QStringLiteral("File Type");

} // namespace

void TgComponent::SavePropertiesToFile(const QString &FileName)
{
    try {
        TStringList exclude;
        exclude.Add(QStringLiteral("Name"));
        if (!FOptionSaveAllProperties)
            for (const char *name : kLayoutNames)
                exclude.Add(QLatin1String(name));
        TStringList lines;
        lines.Add(kFileType + QStringLiteral(" = ") + ClassName());
        SavePropertiesToStrings(this, QString(), &lines, false, &exclude);
        SaveTextFile(FileName, &lines);
    } catch (const Exception &e) {
        throw Exception(QStringLiteral("Error Saving Properties - ") + e.Message());
    }
}

void TgComponent::LoadPropertiesFromFile(const QString &FileName)
{
    try {
        TStringList file;
        LoadTextFile(FileName, &file);
        TStringList lines;
        const QChar separator = FormatSettings.DecimalSeparator;
        int number = 0;
        for (const QString &line : file.ToStringList()) {
            ++number;
            QString name, value;
            SplitNameValue(line, QStringLiteral("="), name, value);
            if (name.isEmpty() && line.trimmed().isEmpty())
                continue;
            if (name.compare(kFileType, Qt::CaseInsensitive) == 0)
                continue;
            bool known;
            try {
                known = CheckPropertyText(this, name, value, separator);
            } catch (const Exception &e) {
                ThrowLineError(number, e.Message());
            }
            if (!known)
                ThrowLineError(number, QStringLiteral("Unknown property \"%1\"").arg(name.isEmpty() ? line : name));
            lines.Add(line);
        }
        struct Bracket {
            TgComponent *c;
            explicit Bracket(TgComponent *x) : c(x) { c->BeginUpdate(); }
            ~Bracket() { c->EndUpdate(); }
        } bracket(this);
        LoadPropertiesFromStrings(this, QString(), &lines);
    } catch (const Exception &e) {
        throw Exception(QStringLiteral("Error Loading Properties - ") + e.Message());
    }
}
