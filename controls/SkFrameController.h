#pragma once
#include "Color.h"
#include "Component.h"
#include "Exceptions.h"
#include "SkCommon.h"

#include <QString>
#include <vector>

class TControl;
class TSkRegIniFile;

enum TSkFrameControllerProperty {
    fcpColor, fcpFocusColor, fcpDisabledColor, fcpReadOnlyColor, fcpReadOnlyColorOnFocus,
    fcpParentColor, fcpFlatButtonColor, fcpFlatButtons, fcpFrameColor, fcpFrameHotColor,
    fcpFrameHotTrack, fcpFrameHotStyle, fcpFrameSides, fcpFrameStyle, fcpFrameVisible,
    fcpFramingPreference, fcpAll,
};
using TSkFrameControllerPropertyConnection = TSkFrameControllerProperty; // fcpColor..fcpFramingPreference
using TSkFrameControllerNotifications = TSet<TSkFrameControllerProperty>;
constexpr TSkFrameControllerNotifications fcpAllNotifications = TSkFrameControllerNotifications::FromBits(0xFFFF);

class TSkFrameController;

// Controls that apply a controller's settings themselves (panel, label).
class IRzFrameControllerNotify {
public:
    virtual ~IRzFrameControllerNotify() = default;
    virtual void FrameControllerNotify(TSkFrameController *Controller) = 0;
};

// Controls that take the controller's settings as published properties
// written by name. WriteFrameProperty answers false for a name the control
// does not publish; values are ordinals (colours as TColor, sets as bits).
class ISkFramePropertyTarget {
public:
    virtual ~ISkFramePropertyTarget() = default;
    virtual TSkFrameControllerNotifications FrameControllerNotifications() const { return fcpAllNotifications; }
    virtual bool WriteFrameProperty(const QString &Name, int Value) = 0;
};

class ENoRegIniFile : public Exception {
public:
    using Exception::Exception;
};

// One set of framing and colour settings pushed into every attached control.
// Attached controls are not owned; a freed control leaves the list by the
// free notification. Settings changed between BeginUpdate and the matching
// EndUpdate reach the controls once, at the end.
class TSkFrameController : public TComponent {
public:
    explicit TSkFrameController(TComponent *AOwner);
    ~TSkFrameController() override;

    void Assign(TPersistent *Source) override;
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    void UpdateControls() { UpdateAllControls(fcpAll); }
    void AddControl(TControl *C);
    void RemoveControl(TControl *C);
    // Moves Client from the controller in Slot to Value (either may be none),
    // with the free notifications that clear Slot when a controller goes.
    static void Attach(TSkFrameController *&Slot, TSkFrameController *Value, TControl *Client);
    int ControlCount() const { return static_cast<int>(frameList_.size()); }
    // Throw ENoRegIniFile without a RegIniFile; errors of the store pass on.
    void Load(const QString &Section);
    void Save(const QString &Section);

    TColor Color() const { return color_; }
    void SetColor(TColor Value);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool Value);
    TColor FlatButtonColor() const { return flatButtonColor_; }
    void SetFlatButtonColor(TColor Value);
    bool FlatButtons() const { return flatButtons_; }
    void SetFlatButtons(bool Value);
    TColor DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(TColor Value);
    TColor ReadOnlyColor() const { return readOnlyColor_; }
    void SetReadOnlyColor(TColor Value);
    bool ReadOnlyColorOnFocus() const { return readOnlyColorOnFocus_; }
    void SetReadOnlyColorOnFocus(bool Value);
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor Value);
    TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(TColor Value);
    TColor FrameHotColor() const { return frameHotColor_; }
    void SetFrameHotColor(TColor Value);
    bool FrameHotTrack() const { return frameHotTrack_; }
    void SetFrameHotTrack(bool Value);
    TFrameStyle FrameHotStyle() const { return frameHotStyle_; }
    void SetFrameHotStyle(TFrameStyle Value);
    TSides FrameSides() const { return frameSides_; }
    void SetFrameSides(TSides Value);
    TFrameStyle FrameStyle() const { return frameStyle_; }
    void SetFrameStyle(TFrameStyle Value);
    bool FrameVisible() const { return frameVisible_; }
    void SetFrameVisible(bool Value);
    TFramingPreference FramingPreference() const { return framingPreference_; }
    void SetFramingPreference(TFramingPreference Value);
    TSkRegIniFile *RegIniFile() const { return regIniFile_; }
    void SetRegIniFile(TSkRegIniFile *Value);

protected:
    virtual void UpdateControl(TControl *C, TSkFrameControllerProperty P);
    virtual void UpdateAllControls(TSkFrameControllerProperty P);
    void Loaded() override;
    void Notification(TComponent *AComponent, TOperation Operation) override;

private:
    // The value of property P as the ordinal written into a control.
    int PropertyValue(TSkFrameControllerProperty P) const;

    TColor color_ = clWindow;
    bool parentColor_ = false;
    std::vector<TControl *> frameList_;
    TColor flatButtonColor_ = clBtnFace;
    bool flatButtons_ = true;
    TColor disabledColor_ = clBtnFace;
    TColor readOnlyColor_ = clInfoBk;
    bool readOnlyColorOnFocus_ = false;
    TColor focusColor_ = clWindow;
    TColor frameColor_ = clBtnShadow;
    TColor frameHotColor_ = clBtnShadow;
    bool frameHotTrack_ = false;
    TFrameStyle frameHotStyle_ = fsFlatBold;
    TSides frameSides_ = sdAllSides;
    TFrameStyle frameStyle_ = fsFlat;
    bool frameVisible_ = false;
    TFramingPreference framingPreference_ = fpXPThemes;
    int updateCount_ = 0;
    TSkRegIniFile *regIniFile_ = nullptr;
};

// The property name of each setting, in the order of TSkFrameControllerProperty.
const char *FrameControllerPropertyName(TSkFrameControllerProperty P);
