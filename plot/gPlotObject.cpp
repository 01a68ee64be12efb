#include "gPlotObject.h"

#include "Component.h"
#include "Exceptions.h"
#include "Menus.h"
#include "TypInfo.h"
#include "VirtualKeys.h"
#include "gPlotObjectHost.h"
#include "gPlotOwner.h"

#include <cmath>

void CheckPlotArguments(const TComponent *AOwner, const QString &OwnerMessage, const TNotifyEvent &AOnChange,
                        const TNotifyEvent &AOnInsert, const TNotifyEvent &AOnRemove, const TNotifyEvent &AOnRename)
{
    if (!AOwner)
        throw Exception(OwnerMessage);
    if (!AOnChange)
        throw Exception(QStringLiteral("OnChange event handler can not be null"));
    if (!AOnInsert)
        throw Exception(QStringLiteral("OnInsert event handler can not be null"));
    if (!AOnRemove)
        throw Exception(QStringLiteral("OnRemove event handler can not be null"));
    if (!AOnRename)
        throw Exception(QStringLiteral("AOnRename event handler can not be null"));
}

TgPlotObject::TgPlotObject(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                           TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : FOwner(AOwner), FOnChange(std::move(AOnChange)), FOnRemove(std::move(AOnRemove)),
      FOnInsert(std::move(AOnInsert)), FOnRename(std::move(AOnRename))
{
}

TgPlotObject::~TgPlotObject()
{
    AnnounceRemoval();
}

void TgPlotObject::Free()
{
    if (FRemovalAnnounced)
        return;
    const std::exception_ptr failure = NotifyRemoval();
    delete this;
    if (failure)
        std::rethrow_exception(failure);
}

std::exception_ptr TgPlotObject::NotifyRemoval() noexcept
{
    std::exception_ptr failure;
    if (FRemovalAnnounced)
        return failure;
    FRemovalAnnounced = true;
    // Copies: a handler may clear the callbacks of the object it is told about.
    for (const TNotifyEvent *callback : {&FOnRemove, &FOnLayoutChange, &FOnChange})
        if (TNotifyEvent call = *callback)
            KeepFirstFailure(failure, [&] { call(this); });
    return failure;
}

IgPlotObjectHost *TgPlotObject::Host() const
{
    return dynamic_cast<IgPlotObjectHost *>(FOwner);
}

IgPlotOwner *TgPlotObject::Plot() const
{
    return dynamic_cast<IgPlotOwner *>(FOwner);
}

void TgPlotObject::SetName(const QString &Value)
{
    if (Value == FName)
        return;
    FNameOld = FName;
    FName = Value;
    FFirstNaming = !FNamed;
    FNamed = true;
    DoRename();
    FFirstNaming = false;
}

void TgPlotObject::DoRename()
{
    if (FOnRename)
        FOnRename(this);
    DoChange();
}

void TgPlotObject::SetVisible(bool Value)
{
    ChangeBoolean(FVisible, Value, &TgPlotObject::DoChange);
}

void TgPlotObject::SetEnabled(bool Value)
{
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    if (!Value) {
        FMouseDown = false;
        SetUserSelected(false);
    }
    DoChange();
}

void TgPlotObject::SetLayer(int Value)
{
    ChangeInteger(FLayer, Value, &TgPlotObject::DoChange);
}

void TgPlotObject::SetPopupEnabled(bool Value)
{
    ChangeBoolean(FPopupEnabled, Value, &TgPlotObject::DoChange);
}

void TgPlotObject::SetCanFocus(bool Value)
{
    ChangeBoolean(FCanFocus, Value, &TgPlotObject::DoChange);
}

void TgPlotObject::SetUserSelected(bool Value)
{
    if (Value == FUserSelected)
        return;
    FUserSelected = Value;
    NotifyInvalidateNow();
    if (Value) {
        if (FOnSetFocus)
            FOnSetFocus(this);
        DoGotFocus();
    } else {
        DoLostFocus();
    }
}

void TgPlotObject::NotifyInvalidateNow()
{
    if (FOnInvalidateNow)
        FOnInvalidateNow(this);
}

void TgPlotObject::DoChange()
{
    if (FOnChange)
        FOnChange(this);
}

void TgPlotObject::NotifyLayoutChange()
{
    if (FOnLayoutChange)
        FOnLayoutChange(this);
}

void TgPlotObject::DoLayoutChange()
{
    NotifyLayoutChange();
    DoChange();
}

void TgPlotObject::NotificationRemove(TObject *Sender)
{
    if (Sender == FMouseOverObject)
        FMouseOverObject = nullptr;
}

void TgPlotObject::DoGotFocus()
{
    if (IgPlotObjectHost *host = Host())
        host->DoObjectGotFocus(this);
}

void TgPlotObject::DoLostFocus()
{
    if (IgPlotObjectHost *host = Host())
        host->DoObjectLostFocus(this);
}

TgPlotMouseData TgPlotObject::MakeMouseData(int X, int Y, bool DblClickActive) const
{
    TgPlotMouseData data;
    data.X = X;
    data.Y = Y;
    MapAxesPixels(X, Y, data.XAxisPixels, data.YAxisPixels);
    data.DblClickActive = DblClickActive;
    return data;
}

void TgPlotObject::gMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y, int, int, TPopupMenu *)
{
    if (!FEnabled)
        return;
    TgPlotMouseData data = MakeMouseData(X, Y);
    data.Shift = Shift;
    data.Button = Button;
    FMouseDownPopup = false;
    if (Button == mbRight) {
        if (FPopupEnabled)
            FMouseDownPopup = true;
        FMouseDown = true;
        DoMouseRight(data);
    } else if (Button == mbLeft) {
        FMouseDown = true;
        DoMouseLeft(data);
    }
    if (gMouseHitTest(data))
        if (IgPlotObjectHost *host = Host())
            host->DoObjectMouseDown(this, Button, Shift, X, Y);
}

void TgPlotObject::gMouseMove(TgHintData &HintData, TShiftState Shift, int X, int Y, int, int, bool DblClickActive)
{
    TgPlotMouseData data = MakeMouseData(X, Y, DblClickActive);
    data.Shift = Shift;
    if (FMouseDown)
        DoMouseMove(data);
    else
        DoMouseHint(data, HintData);
    if (gMouseHitTest(data))
        if (IgPlotObjectHost *host = Host())
            host->DoObjectMouseMove(this, Shift, X, Y);
}

void TgPlotObject::gMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                            bool DblClickActive, TPopupMenu *PopupMenu)
{
    TgPlotMouseData data = MakeMouseData(X, Y, DblClickActive);
    data.Shift = Shift;
    data.Button = Button;
    if (FMouseDownPopup && gMouseHitTest(data)) {
        bool cancel = false;
        if (IgPlotObjectHost *host = Host())
            host->DoObjectPopupMenu(this, cancel, ScreenX, ScreenY);
        if (!cancel && PopupMenu) {
            BuildPopupMenu(PopupMenu);
            PopupMenu->Popup(ScreenX, ScreenY);
        }
    }
    FMouseDownPopup = false;
    DoMouseUp(data);
    if (FMouseDown) {
        FMouseDown = false;
        if (IgPlotObjectHost *host = Host())
            host->DoObjectMouseUp(this, Button, Shift, X, Y);
    }
}

bool TgPlotObject::gMouseWheel(int WheelDelta, TShiftState Shift, TPoint MousePos)
{
    const bool used = DoMouseWheel(WheelDelta, Shift, MousePos.X, MousePos.Y);
    if (IgPlotObjectHost *host = Host())
        host->DoObjectMouseWheel(this, WheelDelta, Shift, MousePos.X, MousePos.Y);
    return used;
}

void TgPlotObject::gKeyDown(Word &CharCode, TShiftState Shift, TPopupMenu *PopupMenu)
{
    const bool menuKey = (CharCode == VK_F10 && Shift.Contains(ssShift)) || CharCode == VK_APPS;
    if (!menuKey || !FPopupEnabled)
        return;
    bool cancel = false;
    IgPlotObjectHost *host = Host();
    if (host)
        host->DoObjectPopupMenu(this, cancel, 0, 0);
    if (cancel || !PopupMenu)
        return;
    BuildPopupMenu(PopupMenu);
    TPoint p;
    if (GetKeyPopupPoint(p)) {
        if (host)
            p = host->PlotClientToScreen(p);
        PopupMenu->Popup(p.X, p.Y);
    }
}

TgPlotObject *TgPlotObject::GetMouseOverObject(int, int)
{
    FMouseOverObject = this;
    return this;
}

int TgPlotObject::GetMouseCursor(TPoint Point)
{
    if (!FMouseOverObject) {
        FMouseOverObject = this;
        return 0;
    }
    if (FMouseOverObject != this)
        return FMouseOverObject->GetMouseCursor(Point);
    return 0;
}

void TgPlotObject::DoInsert()
{
    if (FOnInsert)
        FOnInsert(this);
}

void TgPlotObject::BuildPopupMenu(TPopupMenu *PopupMenu)
{
    TMenuItem *items = PopupMenu->Items();
    for (int i = items->Count() - 1; i >= 0; --i)
        items->Delete(i);
}

bool TgPlotObject::HitTest(int X, int Y)
{
    TgPlotMouseData data;
    data.X = X;
    data.Y = Y;
    return gMouseHitTest(data);
}

void TgPlotObject::EditMenuItemClick(TObject *)
{
    if (FOnEdit)
        FOnEdit(this);
}

void TgPlotObject::AddEditMenuItem(TPopupMenu *PopupMenu)
{
    if (!FUserCanEdit)
        return;
    auto *item = new TMenuItem(PopupMenu);
    item->SetCaption(TranslateText(QStringLiteral("Edit...")));
    item->OnClick = [this](TObject *Sender) { EditMenuItemClick(Sender); };
    item->SetVisible(true);
    PopupMenu->Items()->Add(item);
}

QString TgPlotObject::TranslateText(const QString &Text) const
{
    if (IgPlotObjectHost *host = Host())
        return host->TranslateText(Text);
    return Text;
}

QString TgPlotObject::GetLayerText() const
{
    return QString::number(FLayer).rightJustified(6, u'0');
}

void TgPlotObject::MapAxesPixels(int X, int Y, int &XAxisPixels, int &YAxisPixels) const
{
    XAxisPixels = FXYAxesReversed ? Y : X;
    YAxisPixels = FXYAxesReversed ? X : Y;
}

void TgPlotObject::ChangeBoolean(bool &Field, bool Value, void (TgPlotObject::*Notify)())
{
    if (Field == Value)
        return;
    Field = Value;
    if (Notify)
        (this->*Notify)();
}

void TgPlotObject::ChangeInteger(int &Field, int Value, void (TgPlotObject::*Notify)())
{
    if (Field == Value)
        return;
    Field = Value;
    if (Notify)
        (this->*Notify)();
}

void TgPlotObject::ChangeDouble(double &Field, double Value, void (TgPlotObject::*Notify)())
{
    if (Field == Value)
        return;
    Field = Value;
    if (Notify)
        (this->*Notify)();
}

void TgPlotObject::ChangeString(QString &Field, const QString &Value, void (TgPlotObject::*Notify)())
{
    if (Field == Value)
        return;
    Field = Value;
    if (Notify)
        (this->*Notify)();
}

const TPublishedClass *TgPlotObject::StaticPublished()
{
    static const TPublishedClass info = TPublishedBuilder<TgPlotObject>()
                                            .String("Name", &TgPlotObject::Name, &TgPlotObject::SetName)
                                            .Bool("Visible", &TgPlotObject::Visible, &TgPlotObject::SetVisible, true)
                                            .Bool("Enabled", &TgPlotObject::Enabled, &TgPlotObject::SetEnabled, true)
                                            .Integer("Layer", &TgPlotObject::Layer, &TgPlotObject::SetLayer, 100)
                                            .Bool("PopupEnabled", &TgPlotObject::PopupEnabled,
                                                  &TgPlotObject::SetPopupEnabled, true)
                                            .Bool("CanFocus", &TgPlotObject::CanFocus, &TgPlotObject::SetCanFocus, true)
                                            .Build();
    return &info;
}

const TPublishedClass *TgPlotObject::PublishedClass() const
{
    return StaticPublished();
}
