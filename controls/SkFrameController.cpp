#include "SkFrameController.h"

#include "Control.h"
#include "SkRegIniFile.h"

#include <algorithm>

namespace {

const char *const PropertyNames[] = {
    "Color", "FocusColor", "DisabledColor", "ReadOnlyColor", "ReadOnlyColorOnFocus", "ParentColor",
    "FlatButtonColor", "FlatButtons", "FrameColor", "FrameHotColor", "FrameHotTrack", "FrameHotStyle",
    "FrameSides", "FrameStyle", "FrameVisible", "FramingPreference",
};

// The order in which a full update writes the properties of a plain control.
const TSkFrameControllerProperty FullUpdateOrder[] = {
    fcpParentColor, fcpColor, fcpDisabledColor, fcpReadOnlyColor, fcpReadOnlyColorOnFocus, fcpFocusColor,
    fcpFlatButtonColor, fcpFlatButtons, fcpFrameColor, fcpFrameHotColor, fcpFrameHotTrack,
    fcpFrameHotStyle, fcpFrameSides, fcpFrameStyle, fcpFrameVisible, fcpFramingPreference,
};

const QString SideKeys[] = {
    QStringLiteral("FrameSides_Left"), QStringLiteral("FrameSides_Top"),
    QStringLiteral("FrameSides_Right"), QStringLiteral("FrameSides_Bottom"),
};

} // namespace

const char *FrameControllerPropertyName(TSkFrameControllerProperty P)
{
    return P < fcpAll ? PropertyNames[P] : "";
}

TSkFrameController::TSkFrameController(TComponent *AOwner) : TComponent(AOwner) {}

TSkFrameController::~TSkFrameController()
{
    for (TControl *c : frameList_)
        c->RemoveFreeNotification(this);
}

void TSkFrameController::EndUpdate()
{
    if (--updateCount_ <= 0) {
        updateCount_ = 0;
        UpdateAllControls(fcpAll);
    }
}

void TSkFrameController::Attach(TSkFrameController *&Slot, TSkFrameController *Value, TControl *Client)
{
    if (Slot == Value)
        return;
    if (Slot) {
        Slot->RemoveControl(Client);
        Slot->RemoveFreeNotification(Client);
    }
    Slot = Value;
    if (Slot) {
        Slot->FreeNotification(Client);
        Slot->AddControl(Client);
    }
}

void TSkFrameController::AddControl(TControl *C)
{
    if (!C || std::find(frameList_.begin(), frameList_.end(), C) != frameList_.end())
        return;
    frameList_.push_back(C);
    C->FreeNotification(this);
    UpdateControl(C, fcpAll);
}

void TSkFrameController::RemoveControl(TControl *C)
{
    const auto it = std::find(frameList_.begin(), frameList_.end(), C);
    if (it == frameList_.end())
        return;
    frameList_.erase(it);
    C->RemoveFreeNotification(this);
}

void TSkFrameController::Notification(TComponent *AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == regIniFile_)
        regIniFile_ = nullptr;
    frameList_.erase(std::remove(frameList_.begin(), frameList_.end(), AComponent), frameList_.end());
}

void TSkFrameController::Loaded()
{
    TComponent::Loaded();
    UpdateAllControls(fcpAll);
}

void TSkFrameController::UpdateAllControls(TSkFrameControllerProperty P)
{
    if (updateCount_ > 0)
        return;
    // A control's update may detach controls: walk a copy, skipping the gone.
    const std::vector<TControl *> controls = frameList_;
    for (TControl *c : controls)
        if (std::find(frameList_.begin(), frameList_.end(), c) != frameList_.end())
            UpdateControl(c, P);
}

int TSkFrameController::PropertyValue(TSkFrameControllerProperty P) const
{
    switch (P) {
    case fcpColor: return color_;
    case fcpFocusColor: return focusColor_;
    case fcpDisabledColor: return disabledColor_;
    case fcpReadOnlyColor: return readOnlyColor_;
    case fcpReadOnlyColorOnFocus: return readOnlyColorOnFocus_;
    case fcpParentColor: return parentColor_;
    case fcpFlatButtonColor: return flatButtonColor_;
    case fcpFlatButtons: return flatButtons_;
    case fcpFrameColor: return frameColor_;
    case fcpFrameHotColor: return frameHotColor_;
    case fcpFrameHotTrack: return frameHotTrack_;
    case fcpFrameHotStyle: return frameHotStyle_;
    case fcpFrameSides: return static_cast<int>(frameSides_.Bits());
    case fcpFrameStyle: return frameStyle_;
    case fcpFrameVisible: return frameVisible_;
    case fcpFramingPreference: return framingPreference_;
    case fcpAll: break;
    }
    return 0;
}

void TSkFrameController::UpdateControl(TControl *C, TSkFrameControllerProperty P)
{
    if (auto *notify = dynamic_cast<IRzFrameControllerNotify *>(C)) {
        notify->FrameControllerNotify(this);
        return;
    }
    auto *target = dynamic_cast<ISkFramePropertyTarget *>(C);
    if (!target)
        return;
    const TSkFrameControllerNotifications accepted = target->FrameControllerNotifications();
    auto write = [&](TSkFrameControllerProperty p) {
        if (accepted.Contains(p))
            target->WriteFrameProperty(QLatin1String(PropertyNames[p]), PropertyValue(p));
    };
    if (P != fcpAll) {
        write(P);
        return;
    }
    for (TSkFrameControllerProperty p : FullUpdateOrder)
        if (p != fcpColor || !parentColor_)
            write(p);
}

void TSkFrameController::Assign(TPersistent *Source)
{
    auto *other = dynamic_cast<TSkFrameController *>(Source);
    if (!other) {
        TComponent::Assign(Source);
        return;
    }
    BeginUpdate();
    color_ = other->color_;
    parentColor_ = other->parentColor_;
    flatButtonColor_ = other->flatButtonColor_;
    flatButtons_ = other->flatButtons_;
    disabledColor_ = other->disabledColor_;
    readOnlyColor_ = other->readOnlyColor_;
    readOnlyColorOnFocus_ = other->readOnlyColorOnFocus_;
    focusColor_ = other->focusColor_;
    frameColor_ = other->frameColor_;
    frameHotColor_ = other->frameHotColor_;
    frameHotTrack_ = other->frameHotTrack_;
    frameHotStyle_ = other->frameHotStyle_;
    frameSides_ = other->frameSides_;
    frameStyle_ = other->frameStyle_;
    frameVisible_ = other->frameVisible_;
    framingPreference_ = other->framingPreference_;
    EndUpdate();
}

// Stores a changed value and pushes that one property.
#define TQ62_FC_SETTER(Setter, Type, field, prop)                                                  \
    void TSkFrameController::Setter(Type Value)                                                    \
    {                                                                                              \
        if (field == Value)                                                                        \
            return;                                                                                \
        field = Value;                                                                             \
        UpdateAllControls(prop);                                                                   \
    }
TQ62_FC_SETTER(SetFlatButtonColor, TColor, flatButtonColor_, fcpFlatButtonColor)
TQ62_FC_SETTER(SetFlatButtons, bool, flatButtons_, fcpFlatButtons)
TQ62_FC_SETTER(SetDisabledColor, TColor, disabledColor_, fcpDisabledColor)
TQ62_FC_SETTER(SetReadOnlyColor, TColor, readOnlyColor_, fcpReadOnlyColor)
TQ62_FC_SETTER(SetReadOnlyColorOnFocus, bool, readOnlyColorOnFocus_, fcpReadOnlyColorOnFocus)
TQ62_FC_SETTER(SetFocusColor, TColor, focusColor_, fcpFocusColor)
TQ62_FC_SETTER(SetFrameColor, TColor, frameColor_, fcpFrameColor)
TQ62_FC_SETTER(SetFrameHotColor, TColor, frameHotColor_, fcpFrameHotColor)
TQ62_FC_SETTER(SetFrameHotStyle, TFrameStyle, frameHotStyle_, fcpFrameHotStyle)
TQ62_FC_SETTER(SetFrameSides, TSides, frameSides_, fcpFrameSides)
TQ62_FC_SETTER(SetFrameStyle, TFrameStyle, frameStyle_, fcpFrameStyle)
TQ62_FC_SETTER(SetFrameVisible, bool, frameVisible_, fcpFrameVisible)
TQ62_FC_SETTER(SetFramingPreference, TFramingPreference, framingPreference_, fcpFramingPreference)
#undef TQ62_FC_SETTER

void TSkFrameController::SetColor(TColor Value)
{
    if (color_ == Value)
        return;
    if (focusColor_ == color_)
        focusColor_ = Value;
    color_ = Value;
    parentColor_ = false;
    UpdateAllControls(fcpColor);
}

void TSkFrameController::SetParentColor(bool Value)
{
    if (parentColor_ == Value)
        return;
    parentColor_ = Value;
    UpdateAllControls(fcpParentColor);
    if (!Value)
        UpdateAllControls(fcpColor);
}

void TSkFrameController::SetFrameHotTrack(bool Value)
{
    if (frameHotTrack_ == Value)
        return;
    frameHotTrack_ = Value;
    if (Value) {
        SetFrameVisible(true);
        if (!ComponentState().Contains(csLoading))
            frameSides_ = sdAllSides;
    }
    UpdateAllControls(fcpFrameHotTrack);
}

void TSkFrameController::SetRegIniFile(TSkRegIniFile *Value)
{
    if (regIniFile_ == Value)
        return;
    if (regIniFile_)
        regIniFile_->RemoveFreeNotification(this);
    regIniFile_ = Value;
    if (regIniFile_)
        regIniFile_->FreeNotification(this);
}

void TSkFrameController::Load(const QString &Section)
{
    if (!regIniFile_)
        throw ENoRegIniFile(QStringLiteral("Cannot load Custom Framing settings--No TSkRegIniFile component specified"));
    TSkRegIniFile &r = *regIniFile_;
    struct Guard {
        TSkFrameController *c;
        ~Guard() { c->EndUpdate(); }
    };
    BeginUpdate();
    Guard guard{this};
    color_ = r.ReadInteger(Section, QStringLiteral("Color"), clWindow);
    flatButtonColor_ = r.ReadInteger(Section, QStringLiteral("FlatButtonColor"), clBtnFace);
    flatButtons_ = r.ReadBool(Section, QStringLiteral("FlatButtons"), true);
    disabledColor_ = r.ReadInteger(Section, QStringLiteral("DisabledColor"), clWindow);
    readOnlyColor_ = r.ReadInteger(Section, QStringLiteral("ReadOnlyColor"), clInfoBk);
    readOnlyColorOnFocus_ = r.ReadBool(Section, QStringLiteral("ReadOnlyColorOnFocus"), false);
    focusColor_ = r.ReadInteger(Section, QStringLiteral("FocusColor"), clWindow);
    frameColor_ = r.ReadInteger(Section, QStringLiteral("FrameColor"), clBtnShadow);
    frameHotColor_ = r.ReadInteger(Section, QStringLiteral("FrameHotColor"), clBtnShadow);
    const int hotStyle = r.ReadInteger(Section, QStringLiteral("FrameHotStyle"), fsFlatBold);
    frameHotStyle_ = hotStyle >= fsNone && hotStyle <= fsFlatBold ? static_cast<TFrameStyle>(hotStyle) : fsFlatBold;
    frameHotTrack_ = r.ReadBool(Section, QStringLiteral("FrameHotTrack"), false);
    TSides sides;
    for (int s = sdLeft; s <= sdBottom; ++s)
        if (r.ReadBool(Section, SideKeys[s], true))
            sides.Include(static_cast<TSide>(s));
    frameSides_ = sides;
    const int style = r.ReadInteger(Section, QStringLiteral("FrameStyle"), fsFlat);
    frameStyle_ = style >= fsNone && style <= fsFlatBold ? static_cast<TFrameStyle>(style) : fsFlat;
    frameVisible_ = r.ReadBool(Section, QStringLiteral("FrameVisible"), false);
    framingPreference_ = r.ReadInteger(Section, QStringLiteral("FramingPreference"), fpXPThemes) == fpCustomFraming
                             ? fpCustomFraming : fpXPThemes;
}

void TSkFrameController::Save(const QString &Section)
{
    if (!regIniFile_)
        throw ENoRegIniFile(QStringLiteral("Cannot save Custom Framing settings--No TSkRegIniFile component specified"));
    TSkRegIniFile &r = *regIniFile_;
    r.WriteInteger(Section, QStringLiteral("Color"), color_);
    r.WriteInteger(Section, QStringLiteral("FlatButtonColor"), flatButtonColor_);
    r.WriteBool(Section, QStringLiteral("FlatButtons"), flatButtons_);
    r.WriteInteger(Section, QStringLiteral("DisabledColor"), disabledColor_);
    r.WriteInteger(Section, QStringLiteral("ReadOnlyColor"), readOnlyColor_);
    r.WriteBool(Section, QStringLiteral("ReadOnlyColorOnFocus"), readOnlyColorOnFocus_);
    r.WriteInteger(Section, QStringLiteral("FocusColor"), focusColor_);
    r.WriteInteger(Section, QStringLiteral("FrameColor"), frameColor_);
    r.WriteInteger(Section, QStringLiteral("FrameHotColor"), frameHotColor_);
    r.WriteInteger(Section, QStringLiteral("FrameHotStyle"), frameHotStyle_);
    r.WriteBool(Section, QStringLiteral("FrameHotTrack"), frameHotTrack_);
    for (int s = sdLeft; s <= sdBottom; ++s)
        r.WriteBool(Section, SideKeys[s], frameSides_.Contains(static_cast<TSide>(s)));
    r.WriteInteger(Section, QStringLiteral("FrameStyle"), frameStyle_);
    r.WriteBool(Section, QStringLiteral("FrameVisible"), frameVisible_);
    r.WriteInteger(Section, QStringLiteral("FramingPreference"), framingPreference_);
}
