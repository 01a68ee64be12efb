#include "TgXYPlot.h"

#include "Canvas.h"

namespace {
constexpr double kMin = -100, kMax = 20;
const TColor kSeriesColours[] = {TColor(0x00FFFF), TColor(0x00FF00), TColor(0xFF8000), TColor(0xFF00FF)};
} // namespace

TgXYPlot::TgXYPlot(TComponent *AOwner) : TCustomControl(AOwner)
{
    SetColor(clBlack);
}

TgXYPlot::Series &TgXYPlot::GetChannel(int Index)
{
    if (Index < 0)
        Index = 0;
    if (size_t(Index) >= channels_.size())
        channels_.resize(size_t(Index) + 1);
    return channels_[size_t(Index)];
}

void TgXYPlot::Paint()
{
    TCanvas *c = Canvas();
    const int w = Width(), h = Height();
    c->Brush()->SetColor(Color());
    c->FillRect(TRect(0, 0, w, h));
    if (w < 4 || h < 4)
        return;
    auto px = [&](double v) { return int((v - kMin) * (w - 1) / (kMax - kMin)); };
    auto py = [&](double v) { return int((kMax - v) * (h - 1) / (kMax - kMin)); };
    c->Pen()->SetColor(TColor(0x404040));
    for (double g = kMin; g <= kMax; g += 20) {
        c->MoveTo(px(g), 0);
        c->LineTo(px(g), h);
        c->MoveTo(0, py(g));
        c->LineTo(w, py(g));
    }
    for (size_t k = 0; k < channels_.size(); ++k) {
        const Series &s = channels_[k];
        c->Pen()->SetColor(kSeriesColours[k % 4]);
        for (int i = 0; i < s.Count(); ++i) {
            const int x = px(s.x[size_t(i)]), y = py(s.y[size_t(i)]);
            if (i == 0)
                c->MoveTo(x, y);
            else
                c->LineTo(x, y);
        }
    }
}
