#include "DelayPage.h"

#include "Bitmap.h"
#include "Canvas.h"
#include "ControlTable.h"
#include "Cursors.h"
#include "DynamicsText.h"
#include "FlagScope.h"
#include "Image.h"
#include "LUnitControl.h"
#include "LinkGroup.h"
#include "PageHost.h"
#include "PageNames.h"
#include "RoundedControls.h"
#include "SkBmpButton.h"
#include "SkLabel.h"
#include "SmTrackBar.h"
#include "TypedEntry.h"
#include "ValueScales.h"
#include "ValueBoxEntry.h"

#include <algorithm>

namespace {

using namespace ControlTable;
using PageNames::Find;
using PageNames::SideName;

constexpr int kMarkerHome = 40; // marker Left at delay 0
constexpr int kMaxHyphens = 132;
constexpr int kGrab = 15;

TControl *MakeDelayLabel(TComponent *Owner)
{
    auto *l = static_cast<TSkLabel *>(MakeLabel(Owner));
    l->Font()->SetColor(clWhite);
    l->SetLayout(tlCenter);
    return l;
}

// The dashed line: a fixed-pitch font whose hyphen advances 6 pixels, so
// that one "-" per 6 pixels travelled reaches the marker.
TControl *MakeDelayLine(TComponent *Owner)
{
    TControl *l = MakeDelayLabel(Owner);
    l->Font()->SetName("Courier New");
    l->Font()->SetHeight(-10);
    return l;
}

// Rows of the delay picture in their panels: the marker is made before its
// line so that the line lies above it and takes the mouse.
const Family kFamilies[] = {
    {"lbFftDelayIn", MakeLabel, Each::One, "skgFftDelay", 20, 22, 520, 18, 0, ""},
    {"lbFftDelayOut", MakeLabel, Each::One, "skgFftDelay", 560, 22, 520, 18, 0, ""},
    {"lbDelayUnit", MakeLabel, Each::One, "skgParamDelay", 12, 262, 80, 20, 0, ""},
    {"skbUnit0", MakeBmpButton, Each::One, "skgParamDelay", 96, 258, 40, 26, 0, "ms"},
    {"skbUnit1", MakeBmpButton, Each::One, "skgParamDelay", 138, 258, 40, 26, 0, "m"},
    {"skbUnit2", MakeBmpButton, Each::One, "skgParamDelay", 180, 258, 40, 26, 0, "ft"},
    {"lbDelayShowIn", MakeDelayLabel, Each::Input, "plFftDelayIn", 2, 24, 36, 16, 0, "In", 55},
    {"lbDelayShowOut", MakeDelayLabel, Each::Output, "plFftDelayOut", 2, 8, 36, 16, 0, "Out", 28},
    {"imDelayIn", MakeImage, Each::Input, "plFftDelayIn", kMarkerHome, 19, 30, 30, 0, "", 55},
    {"imDelayOut", MakeImage, Each::Output, "plFftDelayOut", kMarkerHome, 2, 30, 30, 0, "", 28},
    {"lbFftDelayTimeIn", MakeDelayLabel, Each::Input, "plFftDelayIn", 70, 26, 80, 16, 0, "", 55},
    {"lbFftDelayTimeOut", MakeDelayLabel, Each::Output, "plFftDelayOut", 70, 9, 80, 16, 0, "", 28},
    {"lbDelayLineIn", MakeDelayLine, Each::Input, "plFftDelayIn", kMarkerHome, 7, 475, 54, 0, "", 56},
    {"lbDelayLineOut", MakeDelayLine, Each::Output, "plFftDelayOut", kMarkerHome, 2, 475, 30, 0, "", 28},
    {"lbDelayInput", MakeLabel, Each::One, "skgParamDelay", 12, 4, 160, 16, 0, ""},
    {"lbDelayOutput", MakeLabel, Each::One, "skgParamDelay", 356, 4, 160, 16, 0, ""},
    {"lbDelayParamIn", MakeLabel, Each::Input, "skgParamDelay", 12, 22, 72, 16, 86, "In"},
    {"lbDelayParamOut", MakeLabel, Each::Output, "skgParamDelay", 356, 22, 72, 16, 86, "Out"},
    {"isDelayIn", MakeSlider, Each::Input, "skgParamDelay", 34, 40, 27, 182, 86, ""},
    {"isDelayOut", MakeSlider, Each::Output, "skgParamDelay", 378, 40, 27, 182, 86, ""},
    {"cvdDelayIn", MakeValueBox, Each::Input, "skgParamDelay", 8, 226, 80, 24, 86, ""},
    {"cvdDelayOut", MakeValueBox, Each::Output, "skgParamDelay", 352, 226, 80, 24, 86, ""},
};

const Rule kVertical[] = {
    {"imDelayIn", Each::Input, Edge::Top, [](int d, int i) { return d / 5 * (i + 1) + 55 * i + 19; }},
    {"lbDelayLineIn", Each::Input, Edge::Top, [](int d, int i) { return d / 5 * (i + 1) + 56 * i + 7; }},
    {"lbDelayShowIn", Each::Input, Edge::Top, [](int d, int i) { return d / 5 * (i + 1) + 55 * i + 24; }},
    {"imDelayOut", Each::Output, Edge::Top, [](int d, int c) { return d / 8 * (c - 3) + 28 * c - 110; }},
    {"lbDelayLineOut", Each::Output, Edge::Top, [](int d, int c) { return d / 8 * (c - 3) + 28 * c - 110; }},
    {"lbDelayShowOut", Each::Output, Edge::Top, [](int d, int c) { return d / 8 * (c - 3) + 28 * c - 104; }},
};

const Rule kHorizontal[] = {
    {"lbFftDelayIn", Each::One, Edge::Width, [](int d, int) { return d / 2 + 520; }},
    {"lbFftDelayOut", Each::One, Edge::Width, [](int d, int) { return d / 2 + 520; }},
    {"lbFftDelayOut", Each::One, Edge::Left, [](int d, int) { return d / 2 + 560; }},
    {"lbDelayLineIn", Each::Input, Edge::Width, [](int d, int) { return d / 2 + 475; }},
    {"lbDelayLineOut", Each::Output, Edge::Width, [](int d, int) { return d / 2 + 475; }},
};

// The speaker of the markers, drawn once: a box and a cone facing right.
void DrawSpeaker(TImage *Image)
{
    TBitmap *b = Image->Picture()->Bitmap();
    b->SetSize(30, 30);
    TCanvas *c = b->Canvas();
    c->Brush()->SetColor(clBlack);
    c->FillRect(TRect(0, 0, 30, 30));
    c->Pen()->SetColor(TColor(0xC0C0C0));
    c->Brush()->SetColor(TColor(0x808080));
    c->Rectangle(4, 10, 12, 20);
    c->Brush()->SetColor(TColor(0xE0E0E0));
    c->Polygon({{12, 10}, {24, 3}, {24, 27}, {12, 20}});
}

QString Hyphens(int Count)
{
    return QString(std::clamp(Count, 0, kMaxHyphens), '-');
}

int MarkerLeft(const TSmTrackBar *Slider, const TControl *Line)
{
    if (Slider->Max() <= 0)
        return kMarkerHome;
    return Slider->Position() * (Line->Width() - 90) / Slider->Max() + kMarkerHome;
}

void PlaceTimeLabel(const TControl *Marker, TControl *Time)
{
    Time->SetLeft(Marker->Left() + Marker->Width());
    Time->SetTop(Marker->Top() + Marker->Height() / 4);
}

} // namespace

void DelayPage::Build(TWinControl *Client)
{
    ControlTable::Build(host, Client, kFamilies);
    for (int u = 0; u < 3; ++u) {
        auto *b = Find<TSkBmpButton>(host, QString("skbUnit%1").arg(u));
        b->SetTag(u);
        b->SetGroupIndex(1);
        b->SetDown(u == 0);
        b->OnClick = [this](TObject *s) { UnitClick(s); };
    }
    for (int ch = 0; ch < 12; ++ch) {
        auto *s = Find<TSmTrackBar>(host, SideName("isDelay", ch));
        s->SetMin(0);
        s->SetMax(kDelayMaxSamples);
        s->SetPageSize(6);
        s->OnChange = [this](TObject *o) { SliderChange(o); };
        auto *box = Find<TRoundedEdit>(host, SideName("cvdDelay", ch));
        box->Font()->SetSize(7); // "680.000 ms" fits the column
        box->SetText("0.00ms");
        BindTypedEntry(box, [this](TRoundedEdit *b) { TypedDelay(b); });
        DrawSpeaker(Find<TImage>(host, SideName("imDelay", ch)));
        host.FindControl(SideName("lbFftDelayTime", ch))->SetCaption("0.00ms");
        TControl *line = host.FindControl(SideName("lbDelayLine", ch));
        line->OnMouseDown = [this](TObject *o, TMouseButton, TShiftState, int X, int Y) { LineMouseDown(o, X, Y); };
        line->OnMouseMove = [this](TObject *o, TShiftState, int X, int Y) { LineMouseMove(o, X, Y); };
        line->OnMouseUp = [this](TObject *, TMouseButton, TShiftState, int, int) { isDraggingDelay = 0; };
    }
}

bool DelayPage::Stretch(int dw, int dh, bool Vertical, bool Horizontal)
{
    if (Vertical && !Apply(host, kVertical, dh))
        return false;
    if (Horizontal && !Apply(host, kHorizontal, dw))
        return false;
    PlaceMarkers();
    for (int ch = 0; ch < 12; ++ch)
        DrawDelayLine(ch);
    return true;
}

void DelayPage::ApplyLanguage()
{
    const struct {
        const char *name, *sid;
    } captions[] = {{"lbDelayInput", "SID_IN"},          {"lbDelayOutput", "SID_OUT"},
                    {"lbFftDelayIn", "SID_IN_DELAY"}, {"lbFftDelayOut", "SID_OUT_DELAY"},
                    {"lbDelayUnit", "SID_DELAY_UNIT"}, {"skbUnit0", "SID_UNIT_MS"},
                    {"skbUnit1", "SID_UNIT_M"},        {"skbUnit2", "SID_UNIT_FT"}};
    for (const auto &c : captions)
        if (TControl *control = host.FindControl(c.name))
            control->SetCaption(host.TranslateQ(c.sid));
}

bool DelayPage::Updating() const
{
    return updating || host.IsUpdatingControls();
}

int DelayPage::Unit() const
{
    return ClampDelayUnit(host.Model().GetDelayUnit());
}

void DelayPage::PlaceMarkers()
{
    for (int ch = 0; ch < 12; ++ch) {
        auto *slider = Find<TSmTrackBar>(host, SideName("isDelay", ch));
        TControl *marker = host.FindControl(SideName("imDelay", ch));
        TControl *line = host.FindControl(SideName("lbDelayLine", ch));
        TControl *time = host.FindControl(SideName("lbFftDelayTime", ch));
        if (!slider || !marker || !line || !time)
            return;
        marker->SetLeft(MarkerLeft(slider, line));
        time->SetLeft(marker->Left() + 30);
        time->SetTop(marker->Top() + marker->Height() / 4);
    }
}

void DelayPage::DrawDelayLine(int Channel)
{
    TControl *marker = host.FindControl(SideName("imDelay", Channel));
    TControl *line = host.FindControl(SideName("lbDelayLine", Channel));
    TControl *time = host.FindControl(SideName("lbFftDelayTime", Channel));
    if (!marker || !line || !time)
        return;
    PlaceTimeLabel(marker, time);
    line->SetCaption(Hyphens((marker->Left() - kMarkerHome) / 6));
}

void DelayPage::SliderChange(TObject *Sender)
{
    if (Updating())
        return;
    auto *slider = dynamic_cast<TSmTrackBar *>(Sender);
    const int ch = slider->Tag();
    auto *box = Find<TRoundedEdit>(host, SideName("cvdDelay", ch));
    TControl *marker = host.FindControl(SideName("imDelay", ch));
    TControl *line = host.FindControl(SideName("lbDelayLine", ch));
    TControl *time = host.FindControl(SideName("lbFftDelayTime", ch));
    if (!box || !marker || !line || !time)
        return;
    marker->SetLeft(MarkerLeft(slider, line));
    PlaceTimeLabel(marker, time);
    const QString text = DelayText(slider->Position(), Unit());
    box->SetText(text);
    time->SetCaption(text);
    host.Model().SetDelay(ch, uint16_t(slider->Position()));
    RefreshLinkedDelay(ch, slider->Position(), marker->Left());
}

void DelayPage::RefreshLinkedDelay(int Channel, int Position, int MarkerLeft)
{
    const QString text = DelayText(Position, Unit());
    FlagScope scope(updating);
    ForEachInLinkGroup(host.Model(), Channel, [&](int ch) {
        TControl *marker = host.FindControl(SideName("imDelay", ch));
        TControl *line = host.FindControl(SideName("lbDelayLine", ch));
        TControl *time = host.FindControl(SideName("lbFftDelayTime", ch));
        auto *box = Find<TRoundedEdit>(host, SideName("cvdDelay", ch));
        auto *slider = Find<TSmTrackBar>(host, SideName("isDelay", ch));
        if (!marker || !line || !time || !box || !slider)
            return;
        marker->SetLeft(MarkerLeft);
        time->SetLeft(marker->Left() + marker->Width());
        line->SetCaption(Hyphens((marker->Left() - kMarkerHome) / 6));
        box->SetText(text);
        time->SetCaption(text);
        slider->SetPosition(Position);
    });
}

void DelayPage::UnitClick(TObject *Sender)
{
    const int unit = static_cast<TControl *>(Sender)->Tag();
    for (int ch = 0; ch < 12; ++ch) {
        auto *box = Find<TRoundedEdit>(host, SideName("cvdDelay", ch));
        auto *slider = Find<TSmTrackBar>(host, SideName("isDelay", ch));
        TControl *time = host.FindControl(SideName("lbFftDelayTime", ch));
        if (!box || !slider || !time)
            break;
        const QString text = DelayText(slider->Position(), unit);
        box->SetText(text);
        time->SetCaption(text);
    }
    if (!Updating())
        host.Model().SetDelayUnit(uint16_t(unit));
}

void DelayPage::LineMouseDown(TObject *Sender, int X, int Y)
{
    auto *line = static_cast<TControl *>(Sender);
    TControl *marker = host.FindControl(SideName("imDelay", line->Tag()));
    // A line too short to map a drag onto the delay range takes no mouse.
    if (!marker || line->Width() <= 90)
        return;
    if (std::abs(X - (marker->Left() - 25)) < kGrab && std::abs(Y - line->Height() / 2) < kGrab)
        isDraggingDelay = 1;
}

void DelayPage::LineMouseMove(TObject *Sender, int X, int Y)
{
    auto *line = static_cast<TControl *>(Sender);
    const int ch = line->Tag();
    TControl *marker = host.FindControl(SideName("imDelay", ch));
    auto *slider = Find<TSmTrackBar>(host, SideName("isDelay", ch));
    if (!marker || !slider || line->Width() <= 90)
        return;
    if (!isDraggingDelay) {
        const bool inside = std::abs(X - (marker->Left() - 25)) < kGrab && std::abs(Y - line->Height() / 2) < kGrab;
        line->SetCursor(inside ? crHandPoint : crDefault);
        return;
    }
    const int a = std::min(X, line->Width() - 75) - 15;
    slider->SetPosition(int((long long)a * slider->Max() / (line->Width() - 90)));
    line->SetCaption(a < 6 ? QString() : Hyphens(a / 6));
}

void DelayPage::TypedDelay(TControl *Box)
{
    auto *box = static_cast<TRoundedEdit *>(Box);
    auto *slider = Find<TSmTrackBar>(host, SideName("isDelay", box->Tag()));
    if (!slider)
        return;
    const int unit = Unit();
    const TypedEntry::Result r = TypedEntry::DelaySamples(box->Text(), unit);
    box->SetText("");
    if (!r.accepted) {
        ShowRefused(box, DelayText(slider->Position(), unit));
        return;
    }
    slider->SetPosition(std::clamp(r.position, slider->Min(), slider->Max()));
    box->SetText(DelayText(slider->Position(), unit));
}

void DelayPage::Refresh()
{
    {
        FlagScope scope(updating);
        const LUnitControl &model = host.Model();
        for (int ch = 0; ch < 12; ++ch) {
            auto *slider = Find<TSmTrackBar>(host, SideName("isDelay", ch));
            TControl *marker = host.FindControl(SideName("imDelay", ch));
            TControl *line = host.FindControl(SideName("lbDelayLine", ch));
            if (!slider || !marker || !line)
                break;
            slider->SetPosition(model.GetDelay(ch));
            marker->SetLeft(MarkerLeft(slider, line));
        }
        // The unit button of the model's unit goes down and is clicked: it
        // renders every delay text in that unit and sends nothing now.
        if (auto *b = Find<TSkBmpButton>(host, QString("skbUnit%1").arg(Unit()))) {
            b->SetDown(true);
            b->Click();
        }
    }
    for (int ch = 0; ch < 12; ++ch)
        DrawDelayLine(ch);
}
