#include "DynamicsPage.h"

#include "ControlTable.h"
#include "Label.h"
#include "RoundedControls.h"
#include "SkBmpButton.h"
#include "SmTrackBar.h"
#include "Timer.h"
#include "UpDown.h"
#include "ValueBoxEntry.h"

TControl *DynamicsPage::MakeCompactBox(TComponent *Owner)
{
    auto *box = static_cast<TRoundedEdit *>(ControlTable::MakeValueBox(Owner));
    box->Font()->SetSize(7);
    box->SetRounding(3);
    return box;
}

TControl *DynamicsPage::MakeFieldLabel(TComponent *Owner)
{
    TControl *label = ControlTable::MakeLabel(Owner);
    label->Font()->SetSize(7);
    static_cast<TCustomLabel *>(label)->SetAlignment(taCenter);
    return label;
}

bool DynamicsPage::Stretch(int dw, int dh, bool Vertical, bool Horizontal)
{
    if (Horizontal) {
        TControl *title = host.FindControl(titleLabel);
        if (!title)
            return false;
        title->SetWidth(dw + titleWidth);
    }
    return meters.Stretch(dw, dh, Vertical, Horizontal);
}

TTimer *DynamicsPage::MakeRedrawTimer(std::function<void()> Draw)
{
    auto *timer = new TTimer(host.ControlOwner());
    timer->SetEnabled(false);
    timer->SetInterval(1);
    timer->OnTimer = [timer, Draw](TObject *) {
        timer->SetEnabled(false);
        Draw();
    };
    return timer;
}

void DynamicsPage::BindPageJump(const char *LabelPrefix, const char *MenuButton)
{
    const QString button = QString::fromLatin1(MenuButton);
    for (const auto &m : ControlTable::Members(LabelPrefix, inputs ? ControlTable::Each::Input : ControlTable::Each::Output)) {
        TControl *label = host.FindControl(m.name);
        if (!label)
            continue;
        label->OnClick = [this, button](TObject *) {
            auto *page = PageNames::Find<TSkBmpButton>(host, button);
            auto *matrix = PageNames::Find<TSkBmpButton>(host, "skbMenuMatrix");
            if (!page || !matrix)
                return;
            page->Click();
            page->SetDown(true);
            matrix->SetDown(false);
        };
    }
}

bool DynamicsPage::Updating() const
{
    return updating || host.IsUpdatingControls();
}

int DynamicsPage::PositionOf(TControl *Target)
{
    if (auto *s = dynamic_cast<TCustomTrackBar *>(Target))
        return s->Position();
    if (auto *u = dynamic_cast<TUpDown *>(Target))
        return u->Position();
    return 0;
}

void DynamicsPage::SetPositionOf(TControl *Target, int Position)
{
    if (auto *s = dynamic_cast<TCustomTrackBar *>(Target))
        s->SetPosition(Position);
    else if (auto *u = dynamic_cast<TUpDown *>(Target))
        u->SetPosition(Position);
}

bool DynamicsPage::ShowField(const char *Target, const char *Box, int Channel, int Position, const TextOf &Text)
{
    TControl *target = Control(Target, Channel);
    auto *box = Control<TRoundedEdit>(Box, Channel);
    if (!target || !box)
        return false;
    SetPositionOf(target, Position);
    box->SetText(Text(PositionOf(target)));
    return true;
}

void DynamicsPage::BindEntry(const char *BoxPrefix, const char *TargetPrefix, Rule R, TextOf Text)
{
    const QString target = QString::fromLatin1(TargetPrefix);
    for (const auto &m : ControlTable::Members(BoxPrefix, inputs ? ControlTable::Each::Input : ControlTable::Each::Output)) {
        auto *box = PageNames::Find<TRoundedEdit>(host, m.name);
        if (!box)
            continue;
        BindTypedEntry(box, [this, target, R, Text](TRoundedEdit *b) {
            TControl *t = host.FindControl(target + PageNames::Suffix(b->Tag()));
            if (!t)
                return;
            const int current = PositionOf(t);
            const TypedEntry::Result r = R(b->Text(), t); // a failed conversion ends the entry here
            b->SetText("");
            if (!r.accepted) {
                ShowRefused(b, Text(current));
                return;
            }
            SetPositionOf(t, r.position);
            b->SetText(Text(PositionOf(t)));
        });
    }
}

void DynamicsPage::BindSelector(const char *Prefix, std::function<void(int Channel)> Show)
{
    for (const auto &m : ControlTable::Members(Prefix, inputs ? ControlTable::Each::Input : ControlTable::Each::Output)) {
        TControl *c = host.FindControl(m.name);
        if (!c)
            continue;
        c->OnMouseDown = [Show](TObject *Sender, TMouseButton, TShiftState, int, int) {
            Show(static_cast<TControl *>(Sender)->Tag());
        };
    }
}

void DynamicsPage::Arm(TTimer *Timer)
{
    if (!Timer->Enabled())
        Timer->SetEnabled(true);
}

void DynamicsPage::CaptionChannelLabels(const char *Prefix)
{
    for (const auto &m : ControlTable::Members(Prefix, inputs ? ControlTable::Each::Input : ControlTable::Each::Output))
        if (TControl *c = host.FindControl(m.name))
            c->SetCaption((inputs ? "In" : "Out") + PageNames::Suffix(m.tag));
}

void DynamicsPage::HintFamily(const char *Prefix, const char *Sid)
{
    const QString text = host.TranslateQ(Sid);
    for (const auto &m : ControlTable::Members(Prefix, inputs ? ControlTable::Each::Input : ControlTable::Each::Output))
        if (TControl *c = host.FindControl(m.name)) {
            c->SetHint(text);
            c->SetShowHint(true);
        }
}

void DynamicsPage::NameFields(std::initializer_list<FieldName> Fields)
{
    for (const FieldName &f : Fields) {
        HintFamily(f.prefix, f.sid);
        const QString text = host.TranslateQ(f.sid);
        for (const auto &m : ControlTable::Members(f.caption, inputs ? ControlTable::Each::Input : ControlTable::Each::Output))
            if (TControl *c = host.FindControl(m.name))
                c->SetCaption(text);
    }
}

void DynamicsPage::SetCaption(const char *Name, const QString &Text)
{
    if (TControl *c = host.FindControl(Name))
        c->SetCaption(Text);
}
