#pragma once
#include <initializer_list>
#include "DynamicsMeters.h"
#include "EditorPage.h"
#include "TypedEntry.h"

#include <QString>

#include <functional>

class TComponent;
class TControl;
class TObject;
class TRoundedEdit;
class TTimer;

// What the gate, compressor and limiter pages share: the page's own
// updating flag (raised while the page moves its own controls), the channel
// shown on the transfer plot, the meters, and typed entry that moves the
// slider or spinner beside a box (its own handler then commits).
class DynamicsPage : public EditorPage {
public:
    // A value box in the smaller font of the eight-output columns, with
    // tighter corners, so that the widest value fits a slider's sub-column.
    static TControl *MakeCompactBox(TComponent *Owner);
    // The small caption over a slider or beside a spinner.
    static TControl *MakeFieldLabel(TComponent *Owner);

    // The compressor's and limiter's output columns, 133 pixels apart: the
    // threshold, attack and release each stand in a sub-column of their own,
    // caption over slider over value box.
    static constexpr int kOutputColumn = 133, kSliderWidth = 27;
    struct FieldColumn {
        int left, width;
        constexpr int SliderLeft() const { return left + (width - kSliderWidth) / 2; }
    };
    static constexpr FieldColumn kThresholdColumn{1, 45}, kAttackColumn{48, 39}, kReleaseColumn{89, 43};
// The layout rows of one such field of Block ("Comp", "Limit"): caption,
// slider and value box of Field ("Threshold", ...) in Column.
#define DYNAMICS_SLIDER_FIELD(Block, Field, Column)                                                            \
    {"lb" Block Field "Out", DynamicsPage::MakeFieldLabel, ControlTable::Each::Output, "skgParam" Block,        \
     DynamicsPage::Column.left, 30, DynamicsPage::Column.width, 14, DynamicsPage::kOutputColumn, ""},          \
        {"is" Block Field "Out", ControlTable::MakeSlider, ControlTable::Each::Output, "skgParam" Block,        \
         DynamicsPage::Column.SliderLeft(), 44, DynamicsPage::kSliderWidth, 138, DynamicsPage::kOutputColumn, ""}, \
        {"cvd" Block Field "Out", DynamicsPage::MakeCompactBox, ControlTable::Each::Output, "skgParam" Block,   \
         DynamicsPage::Column.left, 186, DynamicsPage::Column.width, 22, DynamicsPage::kOutputColumn, ""}
// The threshold, attack and release fields of Block side by side.
#define DYNAMICS_SLIDER_FIELDS(Block)                                                                          \
    DYNAMICS_SLIDER_FIELD(Block, "Threshold", kThresholdColumn),                                               \
        DYNAMICS_SLIDER_FIELD(Block, "Attack", kAttackColumn), DYNAMICS_SLIDER_FIELD(Block, "Release", kReleaseColumn)

    // TitleLabel (W = dw + TitleWidth) is the plot's title, which grows with the window.
    DynamicsPage(PageHost &Host, DynamicsMeters::Kind Kind, const char *TitleLabel, int TitleWidth)
        : EditorPage(Host), meters(Host, Kind), titleLabel(TitleLabel), titleWidth(TitleWidth)
    {
    }

    bool Stretch(int dw, int dh, bool Vertical, bool Horizontal) override;
    void ShowLevels(const LMainLinkUi::LevelDisplay &Levels) override { meters.Show(Levels, plotChannel); }
    void ResetMeters() override { meters.Reset(); }

    // Channel shown on the page's plot and its meters.
    int PlotChannel() const { return plotChannel; }

protected:
    using Rule = std::function<TypedEntry::Result(const QString &Text, TControl *Target)>;
    using TextOf = std::function<QString(int Position)>;

    bool Updating() const;

    // The control Prefix + channel suffix, when it exists and is a T.
    template <typename T = TControl>
    T *Control(const char *Prefix, int Channel) const;
    // Position of a slider or spinner; setting it runs that control's handler.
    static int PositionOf(TControl *Target);
    static void SetPositionOf(TControl *Target, int Position);
    // Sets the control Target + suffix to Position and the box Box + suffix
    // to the text of the control's position then; false when one is missing.
    bool ShowField(const char *Target, const char *Box, int Channel, int Position, const TextOf &Text);
    // Binds typed entry to the boxes BoxPrefix + suffix of the page's side:
    // the target TargetPrefix + suffix takes the position Rule gives.
    void BindEntry(const char *BoxPrefix, const char *TargetPrefix, Rule R, TextOf Text);
    // Binds a mouse press on every member of Prefix to show that channel.
    void BindSelector(const char *Prefix, std::function<void(int Channel)> Show);
    // (Re)enables a one-shot timer without restarting a running one.
    static void Arm(TTimer *Timer);
    // A disabled one-shot timer of 1 ms that disables itself and runs Draw.
    TTimer *MakeRedrawTimer(std::function<void()> Draw);
    // A click on the block diagram's labels LabelPrefix + suffix runs the
    // click of the page button MenuButton, shows it down and the matrix
    // page's button up; the plot keeps the channel shown last.
    void BindPageJump(const char *LabelPrefix, const char *MenuButton);
    // The channel labels Prefix + suffix read "Out1".."Out8" or "InA".."InD".
    void CaptionChannelLabels(const char *Prefix);
    // Every member of Prefix on the page's side shows the text of Sid as its hint.
    void HintFamily(const char *Prefix, const char *Sid);
    // Each field's controls take the key's text as hint, its caption label
    // as caption.
    struct FieldName {
        const char *prefix, *caption, *sid;
    };
    void NameFields(std::initializer_list<FieldName> Fields);
    // Sets the plot label Name to Text (when it exists).
    void SetCaption(const char *Name, const QString &Text);

    bool updating = false;
    int plotChannel = 0;
    DynamicsMeters meters;
    bool inputs = false; // the page's side

private:
    const char *titleLabel;
    int titleWidth;
};

#include "PageHost.h"
#include "PageNames.h"

template <typename T>
T *DynamicsPage::Control(const char *Prefix, int Channel) const
{
    return PageNames::Find<T>(host, PageNames::Name(Prefix, Channel));
}
