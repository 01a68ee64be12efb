#include "MatrixPage.h"

#include "Canvas.h"
#include "ControlTable.h"
#include "DynamicsText.h"
#include "LUnitControl.h"
#include "PageHost.h"
#include "PageNames.h"
#include "PaintBox.h"
#include "RoundedControls.h"
#include "SharedConstants.h"
#include "SkBmpButton.h"

namespace {

using namespace ControlTable;

constexpr const char *kInputs[] = {"A", "B", "C", "D"};

// One group per output in the matrix page's parameter area; in each, one
// row per input: the route toggle, the mix box and its spinner.
const Family kFamilies[] = {
    {"skgMatrixOut", MakeGroupBox, Each::Output, "skgParamMatrix", 4, 20, 130, 262, 133, ""},
    {"skbAMatrixOut", MakeBmpButton, Each::Output, "skgMatrixOut", 10, 20, 60, 22, 0, ""},
    {"cvdAMatrixOut", MakeValueBox, Each::Output, "skgMatrixOut", 10, 46, 84, 22, 0, ""},
    {"udMixGainAOut", MakeUpDown, Each::Output, "skgMatrixOut", 98, 46, 18, 22, 0, ""},
    {"skbBMatrixOut", MakeBmpButton, Each::Output, "skgMatrixOut", 10, 80, 60, 22, 0, ""},
    {"cvdBMatrixOut", MakeValueBox, Each::Output, "skgMatrixOut", 10, 106, 84, 22, 0, ""},
    {"udMixGainBOut", MakeUpDown, Each::Output, "skgMatrixOut", 98, 106, 18, 22, 0, ""},
    {"skbCMatrixOut", MakeBmpButton, Each::Output, "skgMatrixOut", 10, 140, 60, 22, 0, ""},
    {"cvdCMatrixOut", MakeValueBox, Each::Output, "skgMatrixOut", 10, 166, 84, 22, 0, ""},
    {"udMixGainCOut", MakeUpDown, Each::Output, "skgMatrixOut", 98, 166, 18, 22, 0, ""},
    {"skbDMatrixOut", MakeBmpButton, Each::Output, "skgMatrixOut", 10, 200, 60, 22, 0, ""},
    {"cvdDMatrixOut", MakeValueBox, Each::Output, "skgMatrixOut", 10, 226, 84, 22, 0, ""},
    {"udMixGainDOut", MakeUpDown, Each::Output, "skgMatrixOut", 98, 226, 18, 22, 0, ""},
};

// Where the lines end: inputs A to D on the left edge, outputs 1 to 8 on the right.
constexpr int kInputOffset[4] = {16, 76, 138, 199};
constexpr int kOutputOffset[8] = {0, 31, 61, 91, 121, 156, 182, 209};

TColor ColourOf(const RgbColour &c) { return RGB(c.r, c.g, c.b); }

} // namespace

void MatrixPage::Build(TWinControl *Client)
{
    ControlTable::Build(host, Client, kFamilies);
    for (int o = 0; o < 8; ++o) {
        const int ch = 4 + o;
        for (int i = 0; i < 4; ++i) {
            const QString in = QString::fromLatin1(kInputs[i]);
            auto *route = PageNames::Find<TSkBmpButton>(host, "skb" + in + "MatrixOut" + PageNames::Suffix(ch));
            auto *box = PageNames::Find<TRoundedEdit>(host, "cvd" + in + "MatrixOut" + PageNames::Suffix(ch));
            auto *spin = PageNames::Find<TUpDown>(host, "udMixGain" + in + "Out" + PageNames::Suffix(ch));
            route->SetTag(i);
            route->SetCaption("In" + in);
            route->SetAllowAllUp(true);
            route->SetGroupIndex(i + 1);
            // Each input feeds the outputs of its own number at start.
            route->SetDown(o % 4 == i);
            route->OnClick = [this](TObject *Sender) { RouteClick(Sender); };
            box->SetTag(i);
            box->SetText("+0.0dB"); // typed entry: MixLevelEntry
            spin->SetTag(i);
            spin->SetMin(-280);
            spin->SetMax(0);
            spin->SetPosition(0);
            spin->OnChangingEx = [this](TObject *Sender, bool &Allow, int NewValue, TUpDownDirection Dir) {
                MixChanging(Sender, Allow, NewValue, Dir);
            };
        }
    }
    if (auto *picture = PageNames::Find<TPaintBox>(host, "pbMatrix"))
        picture->OnPaint = [this, picture](TObject *) { DrawRouting(*picture->Canvas(), picture->Width()); };
}

int MatrixPage::OutputOf(const TControl *Control)
{
    // The output's digit ends every name of the page's output controls.
    return 3 + Control->Name().right(1).toInt();
}

void MatrixPage::RouteClick(TObject *Sender)
{
    auto *route = dynamic_cast<TSkBmpButton *>(Sender);
    if (!route || host.IsUpdatingControls())
        return;
    host.Model().SetMatrixRoute(OutputOf(route), route->Tag(), route->Down());
    PaintMatrixRouting();
}

void MatrixPage::MixChanging(TObject *Sender, bool &AllowChange, int NewValue, TUpDownDirection)
{
    auto *spin = dynamic_cast<TUpDown *>(Sender);
    if (!spin)
        return;
    if (NewValue < -280 || NewValue > 0) {
        AllowChange = false;
        return;
    }
    const int ch = OutputOf(spin);
    const QString in = QString::fromLatin1(kInputs[spin->Tag() & 3]);
    auto *route = PageNames::Find<TSkBmpButton>(host, "skb" + in + "MatrixOut" + PageNames::Suffix(ch));
    auto *box = PageNames::Find<TRoundedEdit>(host, "cvd" + in + "MatrixOut" + PageNames::Suffix(ch));
    if (!route || !box)
        return;
    box->SetText(MixText(NewValue));
    if (host.IsUpdatingControls())
        return;
    host.Model().SetMixLevel(ch, route->Tag(), uint16_t(NewValue + 280));
    PaintMatrixRouting();
}

void MatrixPage::PaintMatrixRouting()
{
    if (TControl *picture = host.FindControl("pbMatrix"))
        picture->Invalidate();
}

void MatrixPage::DrawRouting(TCanvas &Canvas, int Width)
{
    const LUnitControl &model = host.Model();
    const int pitch = host.MatrixRowPitch();
    Canvas.Pen()->SetWidth(2);
    for (int i = 0; i < 4; ++i) {
        Canvas.Pen()->SetColor(ColourOf(ChannelColours[i]));
        for (int j = 0; j < 8; ++j) {
            if (!(model.GetRouteMask(4 + j) >> i & 1))
                continue;
            Canvas.MoveTo(0, kInputOffset[i] + i * (pitch / 4));
            Canvas.LineTo(Width, pitch / 9 * (j + 1) + kOutputOffset[j]);
        }
    }
}
