#pragma once
#include "Label.h"
#include "SkCommon.h"
#include "SkFrameController.h"

enum TRotation { roNone, roFlat, roCurve };
enum TCenterPoint {
    cpUpperLeft, cpUpperCenter, cpUpperRight, cpLeftCenter, cpCenter, cpRightCenter,
    cpLowerLeft, cpLowerCenter, cpLowerRight,
};
enum TSkCondenseCaption { ccNone, ccAtEnd, ccWithinPath };

// The text label of the Sk family: frames, raised, recessed or shadowed
// text, text turned by any angle or laid along an arc, blinking in a second
// colour (on the shared blinking list) and a hover colour.
class TSkLabel : public TLabel, public IRzFrameControllerNotify {
public:
    explicit TSkLabel(TComponent *AOwner);
    ~TSkLabel() override;

    void Paint() override;
    void WndProc(TMessage &Message) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void FrameControllerNotify(TSkFrameController *) override { UpdateFromFrameController(); }

    virtual void UpdateFromFrameController();
    virtual void BlinkStateChanged(TBlinkState State);
    // Grows Rect's right and bottom edges by the frames, margins and shadow
    // (and to the turned text's box for roFlat).
    virtual void AdjustSizeForBorders(TRect &Rect) const;
    virtual void AdjustRectForBorders(TRect &Rect, bool WithBorderWidth) const;

    int Angle() const { return angle_; }
    void SetAngle(int Value);
    bool Blinking() const { return blinking_; }
    void SetBlinking(bool Value);
    TColor BlinkColor() const { return blinkColor_; }
    void SetBlinkColor(TColor Value);
    // The shared list's intervals: the same for every label.
    int BlinkIntervalOff() const;
    void SetBlinkIntervalOff(int Value);
    int BlinkIntervalOn() const;
    void SetBlinkIntervalOn(int Value);
    TBlinkState BlinkState() const { return blinkState_; }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int Value);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor Value);
    TFrameStyleEx BorderInner() const { return borderInner_; }
    void SetBorderInner(TFrameStyleEx Value);
    TFrameStyleEx BorderOuter() const { return borderOuter_; }
    void SetBorderOuter(TFrameStyleEx Value);
    TSides BorderSides() const { return borderSides_; }
    void SetBorderSides(TSides Value);
    TColor BorderHighlight() const { return borderHighlight_; }
    void SetBorderHighlight(TColor Value);
    TColor BorderShadow() const { return borderShadow_; }
    void SetBorderShadow(TColor Value);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int Value);
    TSkCondenseCaption CondenseCaption() const { return condenseCaption_; }
    void SetCondenseCaption(TSkCondenseCaption Value);
    TColor FlatColor() const { return flatColor_; }
    void SetFlatColor(TColor Value);
    int FlatColorAdjustment() const { return flatColorAdjustment_; }
    void SetFlatColorAdjustment(int Value);
    TSkFrameController *FrameController() const { return frameController_; }
    void SetFrameController(TSkFrameController *Value);
    TSkFrameControllerNotifications FrameControllerNotifications() const { return notifications_; }
    void SetFrameControllerNotifications(TSkFrameControllerNotifications Value) { notifications_ = Value; }
    TCenterPoint CenterPoint() const { return centerPoint_; }
    void SetCenterPoint(TCenterPoint Value);
    TColor FlyByColor() const { return flyByColor_; }
    void SetFlyByColor(TColor Value);
    bool FlyByEnabled() const { return flyByEnabled_; }
    void SetFlyByEnabled(bool Value);
    bool LightTextStyle() const { return lightTextStyle_; }
    void SetLightTextStyle(bool Value);
    TRotation Rotation() const { return rotation_; }
    void SetRotation(TRotation Value);
    int TextMargin() const { return textMargin_; }
    void SetTextMargin(int Value);
    TTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(TTextStyle Value);
    TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(TColor Value);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor Value);
    int ShadowDepth() const { return shadowDepth_; }
    void SetShadowDepth(int Value);
    // The colour the caption is drawn in now.
    TColor CurrentColor() const { return currentColor_; }

protected:
    void Loaded() override;
    void Notification(TComponent *AComponent, TOperation Operation) override;
    void FontChanged() override;
    void TextChanged() override;
    // Fits the size to the caption and frames when AutoSize is set.
    void AdjustBounds() override;

private:
    template <typename T>
    bool Change(T &Field, T Value)
    {
        if (Field == Value)
            return false;
        Field = Value;
        Invalidate();
        return true;
    }
    bool Loading() const { return ComponentState().Contains(csLoading); }
    void UseVerdanaUnlessTrueType();
    unsigned DrawFlags() const;
    void DrawLabelText();
    void DrawCurvedText();
    // The copies of the caption that the text style adds, at offsets from
    // the caption's own place.
    template <typename DrawAt>
    void DrawStyleCopies(DrawAt Draw, int ShadowOffset);

    int angle_ = 0;
    TColor blinkColor_ = clHighlight;
    TBlinkState blinkState_ = bsOff;
    bool blinking_ = false;
    int bevelWidth_ = 1;
    TFrameStyleEx borderInner_ = fsNone;
    TFrameStyleEx borderOuter_ = fsNone;
    TSides borderSides_ = sdAllSides;
    TColor borderColor_ = clBtnFace;
    TColor borderHighlight_ = clBtnHighlight;
    TColor borderShadow_ = clBtnShadow;
    int borderWidth_ = 0;
    TColor flatColor_ = clBtnShadow;
    int flatColorAdjustment_ = 30;
    TColor fontColor_ = clBlack;
    TSkFrameController *frameController_ = nullptr;
    TSkFrameControllerNotifications notifications_ = fcpAllNotifications;
    TCenterPoint centerPoint_ = cpCenter;
    TColor origColor_ = clBlack;
    bool initColor_ = false;
    bool flyByEnabled_ = false;
    TColor flyByColor_ = clHighlight;
    bool lightTextStyle_ = false;
    TTextStyle textStyle_ = tsNormal;
    TRotation rotation_ = roNone;
    TColor highlightColor_ = clBtnHighlight;
    TColor shadowColor_ = clBtnShadow;
    int shadowDepth_ = 2;
    int textMargin_ = 0;
    TSkCondenseCaption condenseCaption_ = ccNone;
    TColor currentColor_ = clBlack;
    bool settingFlyBy_ = false;
};
