#include "PageNavigation.h"

#include "ControlTable.h"
#include "EditorCurves.h"
#include "LUnitControl.h"
#include "PageHost.h"
#include "PageNames.h"
#include "Plot.h"
#include "SkBmpButton.h"
#include "SkLabel.h"

namespace {

using namespace ControlTable;

// Button and frame-name stems of the block pages 12-18.
struct BlockPage {
    const char *button, *display, *param;
};
const BlockPage kBlockPages[] = {
    {"skbMenuComp", "skgFftComp", "skgParamComp"},       {"skbMenuDelay", "skgFftDelay", "skgParamDelay"},
    {"skbMenuGain", "skgFftGain", "skgParamGain"},       {"skbMenuMatrix", "skgFftMatrix", "skgParamMatrix"},
    {"skbMenuGate", "skgFftGate", "skgParamGate"},       {"skbMenuLimit", "skgFftLimit", "skgParamLimit"},
    {"skbMenuGeq", "skgFftGeq", "skgParamGeq"},
};

// The channel pages' titles.
const Family kTitles[] = {
    {"lbFftChannelIn", MakeLabel, Each::Input, "skgFftIn", 1036, 3, 70, 18, 0, ""},
    {"lbFftChannelOut", MakeLabel, Each::Output, "skgFftOut", 1036, 3, 70, 18, 0, ""},
    {"lbGainNameIn", MakeLabel, Each::Input, "skgParamIn", 964, 8, 104, 16, 0, ""},
    {"lbGainNameOut", MakeLabel, Each::Output, "skgParamOut", 964, 8, 104, 16, 0, ""},
};

bool IsInput(int Channel) { return Channel < 4; }

// A channel's bit in the masks of its side.
uint16_t SideBit(int Channel) { return uint16_t(1u << (IsInput(Channel) ? Channel : Channel - 4)); }

// An 8-byte name field up to its first NUL.
QString NameText(const uint8_t *Name8)
{
    size_t n = 0;
    while (n < 8 && Name8[n] != 0)
        ++n;
    return QString::fromLatin1(reinterpret_cast<const char *>(Name8), int(n));
}

} // namespace

QString PageNavigation::ButtonName(int Page)
{
    if (Page < 12)
        return PageNames::SideName("skbMenu", Page);
    return QString::fromLatin1(kBlockPages[Page - 12].button);
}

QString PageNavigation::DisplayName(int Page)
{
    if (Page < 12)
        return PageNames::SideName("skgFft", Page);
    return QString::fromLatin1(kBlockPages[Page - 12].display);
}

QString PageNavigation::ParamName(int Page)
{
    if (Page < 12)
        return PageNames::SideName("skgParam", Page);
    return QString::fromLatin1(kBlockPages[Page - 12].param);
}

TSkBmpButton *PageNavigation::Button(int Page) const
{
    return dynamic_cast<TSkBmpButton *>(host.FindControl(ButtonName(Page)));
}

void PageNavigation::Build(TWinControl *Client)
{
    // The titles stand on the light page frames: black, bold, left.
    ControlTable::Build(host, Client, kTitles);
    for (int ch = 0; ch < 12; ++ch) {
        const QString name = PageNames::SideName("", ch);
        for (const char *prefix : {"lbFftChannel", "lbGainName"}) {
            auto *l = static_cast<TSkLabel *>(host.FindControl(prefix + name));
            l->SetCaption(name);
            l->SetAlignment(taLeftJustify);
            l->SetLayout(tlCenter);
            l->Font()->SetColor(clBlack);
            l->Font()->SetStyle(TFontStyles() << fsBold);
        }
    }

    // The page buttons: one radio group, the page in the Tag, the page shown
    // pressed with a lime caption; every other page's frames hidden.
    const int current = host.CurrentPage();
    for (int page = 0; page < kPages; ++page) {
        TSkBmpButton *b = Button(page);
        if (!b)
            continue;
        b->SetTag(page);
        b->SetGroupIndex(1);
        b->OnClick = [this](TObject *Sender) { MenuClick(Sender); };
        if (page < 12)
            b->SetCaption(PageNames::SideName("", page));
        b->Font()->SetColor(page == current ? clLime : clWhite);
        if (page == current)
            b->SetDown(true);
        else
            for (const QString &frame : {DisplayName(page), ParamName(page)})
                if (TControl *c = host.FindControl(frame))
                    c->SetVisible(false);
    }
    shownChannel_ = current < 12 ? current : -1;
}

int PageNavigation::ShownChannel(int Page) const
{
    LUnitControl &model = host.Model();
    if (model.GetLinkMask(Page) != 0)
        return Page;
    const int first = IsInput(Page) ? 0 : 4, last = IsInput(Page) ? 3 : 11;
    for (int ch = first; ch <= last; ++ch)
        if (model.GetLinkMask(ch) & SideBit(Page))
            return ch;
    return -1;
}

void PageNavigation::MenuClick(TObject *Sender)
{
    ShowPage(static_cast<TControl *>(Sender)->Tag());
}

void PageNavigation::ShowPage(int Page)
{
    const int current = host.CurrentPage();
    if (Page == current || Page < 0 || Page >= kPages)
        return;
    host.MakeAllPages();
    host.GrantExtraResend();
    TSkBmpButton *oldButton = Button(current);
    TControl *oldDisplay = host.FindControl(DisplayName(current));
    TControl *oldParam = host.FindControl(ParamName(current));
    if (!oldButton || !oldDisplay || !oldParam)
        return;
    oldButton->Font()->SetColor(clWhite);

    int frames = Page, shown = -1;
    if (Page < 12) {
        shown = ShownChannel(Page);
        if (shown < 0)
            return;
        frames = shown;
        // The shown display's sum in the colour of the channel asked for.
        EditorCurves &curves = host.Curves();
        Plot &plot = curves.PlotOf(shown);
        plot.RemoveCurve(33);
        plot.DrawSum(Page);
        curves.UpdateCurvePage(shown);
        const QString title = PageNames::SideName("", Page);
        for (const char *prefix : {"lbFftChannel", "lbGainName"}) {
            TControl *l = host.FindControl(PageNames::SideName(prefix, shown));
            if (!l)
                return;
            l->SetCaption(title);
        }
    }
    TSkBmpButton *button = Button(Page);
    TControl *display = host.FindControl(DisplayName(frames));
    TControl *param = host.FindControl(ParamName(frames));
    if (!button || !display || !param)
        return;
    button->Font()->SetColor(clLime);
    // A member's page shows its leader's frames: hide those that are up.
    for (TControl *c : {oldParam, oldDisplay})
        c->SetVisible(false);
    if (shownChannel_ >= 0)
        for (const QString &name : {DisplayName(shownChannel_), ParamName(shownChannel_)})
            if (TControl *c = host.FindControl(name))
                c->SetVisible(false);
    for (TControl *c : {param, display}) {
        c->SetVisible(true);
        c->BringToFront();
    }
    if (Page == kGainPage)
        host.Curves().RefreshGainOverlays();
    else
        host.Curves().RefreshChannelOverlays(Page);
    shownChannel_ = shown;
    host.SetCurrentPage(Page);
    host.PageShown(Page, shown);
}

bool PageNavigation::SetChannelName(PageHost &Host, int Channel, const uint8_t *Name8)
{
    if (Channel < 0 || Channel >= 12 || !Name8)
        return false;
    const QString suffix = PageNames::SideName("", Channel);
    TControl *label = Host.FindControl("lbMatrixChName" + suffix);
    TControl *button = Host.FindControl("skbMenu" + suffix);
    if (!label || !button)
        return false;
    const QString name = NameText(Name8);
    label->SetCaption(name);
    button->SetHint(name);
    Host.Model().SetChannelName(Channel, Name8);
    return true;
}
