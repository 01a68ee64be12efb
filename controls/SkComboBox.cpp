#include "SkComboBox.h"

#include "Form.h"
#include "MessageBeep.h"
#include "SkColorUtils.h"
#include "SkFrames.h"
#include "Themes.h"
#include "Timer.h"
#include "VirtualKeys.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

namespace {

constexpr int ScrollBarWidth = 17;

} // namespace

TSkCustomComboBox::TSkCustomComboBox(TComponent *AOwner, TComboBoxStyle InitialStyle)
    : TCustomComboBox(AOwner, InitialStyle), searchTimer_(std::make_unique<TTimer>(nullptr))
{
    SetControlStyle(ControlStyle().Exclude(csSetCaption));
    normalColor_ = Color();
    searchTimer_->SetEnabled(false);
    searchTimer_->SetInterval(1500);
    searchTimer_->OnTimer = [this](TObject *) { SearchTimerTick(); };
}

TSkCustomComboBox::~TSkCustomComboBox()
{
    if (frameController_)
        frameController_->RemoveControl(this);
    ClearItems(); // the items' objects are reported while this class still answers
}

void TSkCustomComboBox::Loaded()
{
    TCustomComboBox::Loaded();
    UpdateColors();
    UpdateFrame(false, false);
}

bool TSkCustomComboBox::UseThemes() const
{
    return framingPreference_ == fpXPThemes && ThemesEnabled();
}

// ---- colours and hot tracking

void TSkCustomComboBox::UpdateColors()
{
    if (Loading())
        return;
    updatingColor_ = true;
    if (!Enabled())
        SetColor(disabledColor_);
    else if (focused_)
        SetColor(readOnly_ && readOnlyColorOnFocus_ ? readOnlyColor_ : focusColor_);
    else if (readOnly_)
        SetColor(readOnlyColor_);
    else
        SetColor(normalColor_);
    updatingColor_ = false;
}

void TSkCustomComboBox::ColorChanged()
{
    if (!updatingColor_) {
        // A colour set by the program or a layout: the one shown normally
        // (and when focused, while the focus colour was the same).
        if (focusColor_ == normalColor_)
            focusColor_ = Color();
        normalColor_ = Color();
    }
    TCustomComboBox::ColorChanged();
}

void TSkCustomComboBox::EnabledChanged()
{
    TCustomComboBox::EnabledChanged();
    UpdateColors();
}

void TSkCustomComboBox::UpdateFrame(bool ByMouse, bool On)
{
    (ByMouse ? overControl_ : inControl_) = On;
    if ((flatButtons_ || frameHotTrack_) && !DroppedDown())
        Invalidate();
    UpdateColors();
}

void TSkCustomComboBox::DoEnter()
{
    TCustomComboBox::DoEnter();
    focused_ = true;
    UpdateFrame(false, true);
}

void TSkCustomComboBox::DoExit()
{
    TCustomComboBox::DoExit();
    focused_ = false;
    searchString_.clear();
    UpdateFrame(false, false);
    if (Style() == csDropDown && !Text().isEmpty() && IndexOf(Text()) < 0)
        NotInList();
}

void TSkCustomComboBox::MouseEnter()
{
    TCustomComboBox::MouseEnter();
    if (!ComponentState().Contains(csDesigning))
        UpdateFrame(true, true);
}

void TSkCustomComboBox::MouseLeave()
{
    TCustomComboBox::MouseLeave();
    UpdateFrame(true, false);
}

void TSkCustomComboBox::Resize()
{
    TCustomComboBox::Resize();
    if (frameVisible_ && !UseThemes())
        Invalidate();
}

// ---- painting over the system's box

void TSkCustomComboBox::Paint()
{
    TCanvas *canvas = Canvas();
    const int b = ThemesEnabled() ? 1 : 2;
    const int w = Width(), h = Height();
    const TRect button = Rect(w - ScrollBarWidth - b, b, w - b, h - b);
    const TRect client = Rect(0, 0, w, h);
    const bool themes = ThemesEnabled();
    if (!frameVisible_ || UseThemes()) {
        if (themes && ColorToRGB(Color()) != clWhite) {
            TRect r(client.Left, client.Top, button.Left, client.Bottom);
            r.Inflate(-1, -1);
            PaintBevelRings(canvas, r, Color(), Color(), 2, sdAllSides);
        }
    } else if (themes) {
        PaintFlatOutline(canvas, client, Color());
        TRect r(client.Left, client.Top, button.Left, client.Bottom);
        r.Inflate(-1, -1);
        PaintBevelRings(canvas, r, Color(), Color(), 2, sdAllSides);
    } else {
        PaintBevelRings(canvas, client, Color(), Color(), 2, sdAllSides);
    }
    canvas->Brush()->SetStyle(bsSolid);
    if (!flatButtons_ || readOnly_) {
        if (readOnly_) { // a read-only box shows no button
            canvas->Brush()->SetColor(Color());
            canvas->FillRect(button);
        }
    } else if (!Hot()) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(button);
        PaintDropDownArrow(canvas, button, themes ? 1 : 0, true);
    } else {
        const bool down = DroppedDown();
        TRect inner = button;
        if (ColorToRGB(flatButtonColor_) == ColorToRGB(clBtnFace)) {
            inner = PaintSideLines(canvas, button, down ? clBtnShadow : clBtnHighlight,
                                   down ? clBtnHighlight : clBtnShadow, sdAllSides);
        } else {
            inner = PaintColorFrame(canvas, button, flatButtonColor_, down ? fsStatus : fsPopup);
        }
        canvas->Brush()->SetColor(flatButtonColor_);
        canvas->FillRect(inner);
        PaintDropDownArrow(canvas, inner, 2, true);
    }
    if (frameVisible_ && !UseThemes()) {
        const bool hot = frameHotTrack_ && Hot();
        const TFrameStyle style = hot ? frameHotStyle_ : frameStyle_;
        const TColor colour = hot ? frameHotColor_ : frameColor_;
        if (style == fsFlat)
            PaintSideLines(canvas, client, colour, colour, frameSides_);
        else if (style == fsFlatBold)
            PaintBevelRings(canvas, client, colour, colour, 2, frameSides_);
        else if (Color() == clWindow)
            PaintFrameSides(canvas, client, style, frameSides_);
        else
            PaintColorFrameSides(canvas, client, Color(), frameSides_, style);
    }
}

// ---- other behaviour

void TSkCustomComboBox::DropDown()
{
    TCustomComboBox::DropDown();
    if (DropDownWidth() > 0) {
        SetListWidth(DropDownWidth());
        return;
    }
    TCanvas *canvas = ItemCanvas();
    canvas->SetFont(Font());
    int widest = 0;
    for (int i = 0; i < Items()->Count(); ++i)
        widest = std::max(widest, canvas->TextWidth(Items()->Strings(i)));
    if (Items()->Count() > DropDownCount())
        widest += ScrollBarWidth;
    SetListWidth(std::max(widest + 8, Width()));
}

void TSkCustomComboBox::CloseUp()
{
    TCustomComboBox::CloseUp();
    Invalidate();
}

bool TSkCustomComboBox::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    if (TCustomComboBox::DoMouseWheelUp(Shift, MousePos) || readOnly_ || DroppedDown())
        return true;
    const int i = ItemIndex();
    if (i <= 0) {
        if (Items()->Count() > 0)
            SetItemIndex(0);
        return true;
    }
    SetItemIndex(i - 1);
    Click();
    Change();
    return true;
}

bool TSkCustomComboBox::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    if (TCustomComboBox::DoMouseWheelDown(Shift, MousePos) || readOnly_ || DroppedDown())
        return true;
    const int i = ItemIndex();
    if (i >= Items()->Count() - 1)
        return true;
    SetItemIndex(i + 1);
    Click();
    Change();
    return true;
}

void TSkCustomComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && Style() == csDropDown)
        searchString_ = Text();
    TCustomComboBox::MouseDown(Button, Shift, X, Y);
}

bool TSkCustomComboBox::WidgetEvent(QObject *Watched, QEvent *Event)
{
    const QEvent::Type t = Event->type();
    // Read-only: the list cannot be opened or changed with the mouse.
    if (readOnly_ && (t == QEvent::MouseButtonPress || t == QEvent::MouseButtonDblClick) &&
        static_cast<QMouseEvent *>(Event)->button() == Qt::LeftButton) {
        Event->accept();
        return true;
    }
    return TCustomComboBox::WidgetEvent(Watched, Event);
}

int TSkCustomComboBox::IndexOf(const QString &S)
{
    for (int i = 0; i < Items()->Count(); ++i)
        if (Items()->Strings(i).compare(S, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool TSkCustomComboBox::FindItem(const QString &S)
{
    const int i = IndexOf(S);
    if (i >= 0)
        SetItemIndex(i);
    return i >= 0;
}

bool TSkCustomComboBox::FindClosestItem(const QString &S)
{
    const int i = FindItemByPrefix(S);
    if (i >= 0)
        SetItemIndex(i);
    return i >= 0;
}

void TSkCustomComboBox::ForceText(const QString &S)
{
    if (S == Text())
        return;
    autoComplete_ = false;
    struct Restore {
        bool &flag;
        ~Restore() { flag = true; }
    } restore{autoComplete_};
    SetText(S);
}

void TSkCustomComboBox::Match()
{
    if (OnMatch)
        OnMatch(this);
}

void TSkCustomComboBox::NotInList()
{
    if (OnNotInList)
        OnNotInList(this);
}

void TSkCustomComboBox::SelEndCancel()
{
    if (OnSelEndCancel)
        OnSelEndCancel(this);
}

void TSkCustomComboBox::SelEndOk()
{
    if (OnSelEndOk)
        OnSelEndOk(this);
}

void TSkCustomComboBox::DeleteItemData(TObject *Data)
{
    if (OnDeleteItem)
        OnDeleteItem(this, Data);
}

void TSkCustomComboBox::ItemDeleting(int Index)
{
    TObject *data = Items()->Objects(Index);
    if (!data)
        return;
    DeleteItemData(data);
    // The item lets go of what its owner may just have freed.
    if (Index < Items()->Count() && Items()->Objects(Index) == data)
        Items()->PutObject(Index, nullptr);
}

void TSkCustomComboBox::Notification(TComponent *AComponent, TOperation Operation)
{
    TCustomComboBox::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == frameController_)
        frameController_ = nullptr;
}

// ---- setters

void TSkCustomComboBox::SetDisabledColor(TColor Value)
{
    disabledColor_ = Value;
    if (!Enabled())
        UpdateColors();
}

void TSkCustomComboBox::SetFocusColor(TColor Value)
{
    focusColor_ = Value;
    if (focused_)
        UpdateColors();
}

void TSkCustomComboBox::SetReadOnlyColor(TColor Value)
{
    readOnlyColor_ = Value;
    if (readOnly_)
        UpdateColors();
}

void TSkCustomComboBox::SetReadOnlyColorOnFocus(bool Value)
{
    readOnlyColorOnFocus_ = Value;
    UpdateColors();
}

void TSkCustomComboBox::SetReadOnly(bool Value)
{
    if (Value == readOnly_)
        return;
    readOnly_ = Value;
    if (QLineEdit *e = LineEdit())
        e->setReadOnly(Value);
    UpdateColors();
    Invalidate();
}

// Stores a changed value and repaints.
#define TQ62_SK_COMBO_SETTER(Setter, Type, field)                                                  \
    void TSkCustomComboBox::Setter(Type Value)                                                     \
    {                                                                                              \
        if (field == Value)                                                                        \
            return;                                                                                \
        field = Value;                                                                             \
        Invalidate();                                                                              \
    }
TQ62_SK_COMBO_SETTER(SetFlatButtons, bool, flatButtons_)
TQ62_SK_COMBO_SETTER(SetFlatButtonColor, TColor, flatButtonColor_)
TQ62_SK_COMBO_SETTER(SetFrameColor, TColor, frameColor_)
TQ62_SK_COMBO_SETTER(SetFrameHotColor, TColor, frameHotColor_)
TQ62_SK_COMBO_SETTER(SetFrameHotStyle, TFrameStyle, frameHotStyle_)
TQ62_SK_COMBO_SETTER(SetFrameSides, TSides, frameSides_)
TQ62_SK_COMBO_SETTER(SetFrameStyle, TFrameStyle, frameStyle_)
#undef TQ62_SK_COMBO_SETTER

void TSkCustomComboBox::SetFrameHotTrack(bool Value)
{
    if (Value == frameHotTrack_)
        return;
    frameHotTrack_ = Value;
    if (Value) {
        frameVisible_ = true;
        if (!Loading())
            frameSides_ = sdAllSides;
    }
    Invalidate();
}

void TSkCustomComboBox::SetFrameVisible(bool Value)
{
    if (Value == frameVisible_)
        return;
    frameVisible_ = Value;
    Invalidate();
}

void TSkCustomComboBox::SetFramingPreference(TFramingPreference Value)
{
    if (Value == framingPreference_)
        return;
    framingPreference_ = Value;
    if (Value == fpCustomFraming)
        Invalidate();
}

void TSkCustomComboBox::SetFrameController(TSkFrameController *Value)
{
    TSkFrameController::Attach(frameController_, Value, this);
}

bool TSkCustomComboBox::WriteFrameProperty(const QString &Name, int Value)
{
    const TColor c = Value;
    const bool on = Value != 0;
    if (Name == QLatin1String("Color"))
        SetColor(c);
    else if (Name == QLatin1String("FocusColor"))
        SetFocusColor(c);
    else if (Name == QLatin1String("DisabledColor"))
        SetDisabledColor(c);
    else if (Name == QLatin1String("ReadOnlyColor"))
        SetReadOnlyColor(c);
    else if (Name == QLatin1String("ReadOnlyColorOnFocus"))
        SetReadOnlyColorOnFocus(on);
    else if (Name == QLatin1String("ParentColor"))
        SetParentColor(on);
    else if (Name == QLatin1String("FlatButtonColor"))
        SetFlatButtonColor(c);
    else if (Name == QLatin1String("FlatButtons"))
        SetFlatButtons(on);
    else if (Name == QLatin1String("FrameColor"))
        SetFrameColor(c);
    else if (Name == QLatin1String("FrameHotColor"))
        SetFrameHotColor(c);
    else if (Name == QLatin1String("FrameHotTrack"))
        SetFrameHotTrack(on);
    else if (Name == QLatin1String("FrameHotStyle"))
        SetFrameHotStyle(static_cast<TFrameStyle>(Value));
    else if (Name == QLatin1String("FrameSides"))
        SetFrameSides(TSides::FromBits(static_cast<unsigned>(Value)));
    else if (Name == QLatin1String("FrameStyle"))
        SetFrameStyle(static_cast<TFrameStyle>(Value));
    else if (Name == QLatin1String("FrameVisible"))
        SetFrameVisible(on);
    else if (Name == QLatin1String("FramingPreference"))
        SetFramingPreference(static_cast<TFramingPreference>(Value));
    else
        return false;
    return true;
}

// ---- values

TSkComboBox::TSkComboBox(TComponent *AOwner, TComboBoxStyle InitialStyle)
    : TSkCustomComboBox(AOwner, InitialStyle), values_(std::make_unique<TStringList>())
{
    values_->OnChange = [this](TObject *) { ValuesChanged(); };
}

TSkComboBox::~TSkComboBox()
{
    ClearItems(); // reported while Values still stands
    values_->OnChange = nullptr;
}

TStrings *TSkComboBox::Values()
{
    return values_.get();
}

void TSkComboBox::SetValues(TStrings *Value)
{
    values_->Assign(Value);
}

QString TSkComboBox::GetItemValue(int N)
{
    if (N >= 0 && N < values_->Count() && !values_->Strings(N).isEmpty())
        return values_->Strings(N);
    if (N >= 0 && N < Items()->Count())
        return Items()->Strings(N);
    return QString();
}

QString TSkComboBox::Value()
{
    const bool list = !EditStyle();
    const int i = list ? ItemIndex() : (Text().isEmpty() ? -1 : IndexOf(Text()));
    if (i >= 0 && i < values_->Count() && !values_->Strings(i).isEmpty())
        return values_->Strings(i);
    return Text();
}

void TSkComboBox::SetValue(const QString &V)
{
    if (V == value_ && !forceSetValue_)
        return;
    inSetValue_ = true;
    int found = -1;
    for (int n = 0; n < Items()->Count() && found < 0; ++n)
        if (GetItemValue(n) == V)
            found = n;
    SetItemIndex(found);
    inSetValue_ = false;
    value_ = V;
}

void TSkComboBox::Change()
{
    if (inSetValue_ || forceSetValue_)
        return;
    TSkCustomComboBox::Change();
    if (ItemIndex() >= 0)
        SetValue(GetItemValue(ItemIndex()));
}

void TSkComboBox::Click()
{
    if (inSetValue_)
        return;
    TSkCustomComboBox::Click();
    if (ItemIndex() >= 0)
        SetValue(GetItemValue(ItemIndex()));
}

void TSkComboBox::ValuesChanged()
{
    if (inSetValue_)
        return;
    // Select again the item that carries the value now read.
    forceSetValue_ = true;
    SetValue(Value());
    forceSetValue_ = false;
}

void TSkComboBox::ClearItemsValues()
{
    Items()->Clear();
    values_->Clear();
}

void TSkComboBox::AddItemValue(const QString &Item, const QString &V)
{
    Items()->Add(Item);
    values_->Add(V);
}

void TSkComboBox::InsertItemValue(int Index, const QString &Item, const QString &V)
{
    Items()->Insert(Index, Item);
    values_->Insert(Index, V);
}

void TSkComboBox::DeleteItemValue(int Index)
{
    Items()->Delete(Index);
    values_->Delete(Index);
}
