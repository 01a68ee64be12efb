#pragma once
#include "Color.h"
#include "CustomControl.h"
#include "Events.h"
#include "TypInfo.h"
#include "gTypes.h"
#include "gUpdateObject.h"

#include <cstdint>
#include <functional>
#include <memory>

class TBitmap;
class TTimer;

using TChangePropertyEvent = std::function<void(TObject *Sender, const QString &PropName)>;
using TRequestEditEvent = std::function<void(TObject *Sender, const QString &PropName, bool &CanEdit)>;
using TGetDesigningEvent = std::function<void(TObject *Sender, bool &Designing)>;

// The root of every plot-library control. Property setters call
// InvalidateChange; the control coalesces such requests into repaints: one at
// the end of an update bracket, and at most one per frame interval while
// AutoFrameRate is on (the rest of the interval is waited out by a
// single-shot timer on the monotonic clock; the global scheduler's tick is a
// safety net). Painting is double-buffered through PaintToCanvas, which
// draws the whole control on any canvas; a paint that raises shows the
// message white on black instead. Input reaches the g* operations once each,
// with the real shift state; FUserGenerated tells setters that the user
// caused the change.
class TgComponent : public TCustomControl, public IUpdateControl {
public:
    explicit TgComponent(TComponent *AOwner);
    ~TgComponent() override;

    // Repaint requests.
    void InvalidateChange();
    void BackGroundChange();
    void InvalidateNow() { DoInvalidate(); }
    void InvalidateNowEvent(TObject *) { DoInvalidate(); }
    void InvalidateThrottled();
    virtual void BeginUpdate() { FUpdateActive = true; }
    // Closes the bracket (the first EndUpdate of nested ones) and repaints
    // what is pending, within the frame-rate limit.
    virtual void EndUpdate();
    virtual void RepaintAll() { BackGroundChange(); }

    // IUpdateControl
    bool GetUpdateActive() const override { return FUpdateActive; }
    bool GetNeedsRepaint() const override { return FNeedsRepaint; }
    int GetUpdateFrameRate() const override { return FUpdateFrameRate; }
    std::int64_t GetLastUpdate() const override { return FLastUpdate; }
    // Clears the pending mark, notes the time and invalidates the window.
    void DoInvalidate() override;

    void SetUpdateFrameRate(int Value);
    bool AutoFrameRate() const { return FAutoFrameRate; }
    void SetAutoFrameRate(bool Value);
    bool OptionSaveAllProperties() const { return FOptionSaveAllProperties; }
    void SetOptionSaveAllProperties(bool Value) { FOptionSaveAllProperties = Value; }
    TgBevelStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(TgBevelStyle Value);
    bool CachedDrawing() const { return FCachedDrawing; }
    virtual void SetCachedDrawing(bool Value);
    bool ErrorActive() const { return FErrorActive; }
    void SetErrorActive(bool Value);
    bool UserGenerated() const { return FUserGenerated; }
    bool HasFocus() const { return FHasFocus; }
    bool IsLoading() const;
    bool IsDesigning() const;

    virtual TPoint GetCenterPoint() const;

    // The whole control drawn on any canvas (screen, export, printing).
    virtual void PaintToCanvas(TCanvas *Canvas) = 0;
    virtual void Lock() = 0;
    virtual void Unlock() = 0;
    virtual bool GetTimerActive() const = 0;
    virtual void TimerStart(int FirstDelay, int Interval) = 0;
    virtual void TimerStop() = 0;
    // Descendants report a changed property; false: nothing took it.
    virtual bool OPCPropertyChanged(const QString &PropertyName, const QVariant &Value) { return false; }

    // "Name = value" lines of the published properties, headed
    // "File Type = <class>"; the layout and state names are left out unless
    // OptionSaveAllProperties. Saved whole or not at all (the old file stays
    // when the save cannot finish). Failures raise "Error Saving Properties - ...".
    virtual void SavePropertiesToFile(const QString &FileName);
    // Reads such a file (UTF-8, or the old 8-bit form) and checks it whole
    // (every name known, every value converts) before applying anything
    // inside one update bracket. Failures raise "Error Loading Properties -
    // ..." and change nothing.
    virtual void LoadPropertiesFromFile(const QString &FileName);
    // The control drawn into a Windows bitmap file.
    void SaveImageToBitmap(const QString &FileName);
    // The background cache, created at the control's size when missing.
    TBitmap *GetBackGroundBitmap();

    // For the OPC item manager: IsDesigning, and the kind of a property.
    void OPCGetDesigning(TObject *Sender, bool &Designing) { Designing = IsDesigning(); }
    void OPCGetPropertyType(TObject *Sender, const QString &PropertyName, TTypeKind &Kind);

    const TPublishedClass *PublishedClass() const override;
    static const TPublishedClass *StaticPublished();

    TChangePropertyEvent FOnChangeProtected;
    TRequestEditEvent FOnRequestEdit;
    TGetDesigningEvent FOnGetDesigning;

    // Input entry points (the platform calls these).
    void KeyDown(Word &Key, TShiftState Shift) override;
    void KeyUp(Word &Key, TShiftState Shift) override;
    void KeyPress(QChar &Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
    void Paint() override;

protected:
    TColor BackGroundColor() const { return FBackGroundColor; }
    virtual void SetBackGroundColor(TColor Value);
    // Fills the control with Color and draws the border.
    virtual void DrawBackGround(TCanvas *Canvas, TColor Color);
    virtual void DrawBorder(TCanvas *Canvas);
    virtual void DoSetFocus();
    virtual void DoKillFocus();
    virtual void IsWantedKey(Word &Key, int &Result) {}
    virtual void gKeyUp(Word &Key, TShiftState Shift) {}
    virtual void gKeyDown(Word &Key, TShiftState Shift) {}
    virtual void gKeyPress(QChar &Key) {}
    virtual void gMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {}
    virtual void gMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {}
    virtual void gMouseMove(TShiftState Shift, int X, int Y) {}
    virtual void gDoubleClick() {}
    virtual bool gMouseWheel(int WheelDelta, TShiftState Shift, TPoint MousePos) { return false; }

    void FocusGained() override { DoSetFocus(); }
    void FocusLost() override { DoKillFocus(); }
    void EnabledChanged() override;

    // Store when different and repaint: kind 0 InvalidateChange, 1
    // BackGroundChange, other kinds not at all.
    void SetBooleanValue(bool Value, bool &Field, int Kind);
    void SetIntegerValue(int Value, int &Field, int Kind);
    void SetColorValue(TColor Value, TColor &Field, int Kind);

    TFont *ErrorFont() { return FErrorFont.get(); }
    QString FErrorText = QStringLiteral("Error");
    TColor FErrorBackGroundColor = 0;
    int FOffsetX = 0, FOffsetY = 0;
    bool FBackGroundChanged = true;

private:
    void InvalidateByKind(int Kind);
    // Runs F with FUserGenerated set, swallowing the library's exceptions
    // when Swallow (keys), clearing the flag on every exit.
    template <class F> void UserInput(bool Swallow, F &&Body);
    void ArmFrameTimer();

    bool FUpdateActive = false;
    int FUpdateFrameRate = 60;
    std::int64_t FLastUpdate = 0;
    bool FNeedsRepaint = false;
    std::unique_ptr<TBitmap> FBackGroundBitmap;
    TColor FBackGroundColor = clBtnFace;
    TgBevelStyle FBorderStyle = ibsNone;
    bool FHasFocus = false;
    bool FAutoFrameRate = false;
    bool FCachedDrawing = true;
    bool FOptionSaveAllProperties = false;
    bool FUserGenerated = false;
    bool FErrorActive = false;
    std::unique_ptr<TFont> FErrorFont;
    TTimer *FFrameTimer = nullptr; // single shot for the rest of a frame interval
};
