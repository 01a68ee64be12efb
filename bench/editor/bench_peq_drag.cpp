#include "CurveDisplayMouse.h"
#include "EditorCurves.h"
#include "EditorPage.h"
#include "EditorWindows.h"
#include "LMyFFTDrawHpLp6dB.h"
#include "PeqPage.h"
#include "TfmMain.h"

#include <benchmark/benchmark.h>

// One drag step of a PEQ band handle on output 1's display in the shown main
// window: the mouse move (table, model write, command to the link), the
// curve tick (band slot, handle, fill, sum) and the display painted at once.
static void BM_PeqDragStep(benchmark::State &state)
{
    TfmMain::connectOption = {true, "127.0.0.1", 1};
    CreateEditorWindows();
    fmMain->Show();
    PeqPage *page = nullptr;
    for (auto &p : fmMain->Pages())
        if ((page = dynamic_cast<PeqPage *>(p.get())))
            break;
    EditorCurves &curves = fmMain->Curves();
    LMyFFTDrawHpLp6dB *display = curves.Display(4);
    if (!page || !display) {
        state.SkipWithError("no PEQ page or display");
        DestroyEditorWindows();
        return;
    }
    const TPoint h = display->GetBlockPos(0);
    const TRect plot = display->PlotPage()->Dest();
    const int x0 = plot.Left + h.X, y0 = plot.Top + h.Y;
    page->Mouse().MouseDown(display, mbLeft, x0, y0);
    int step = 0;
    for (auto _ : state) {
        ++step;
        page->Mouse().MouseMove(display, x0 + (step % 40), y0 - (step % 30));
        page->Mouse().MouseEqCurveTick();
        display->Repaint();
    }
    const bool grabbed = curves.dragBlock == 0;
    page->Mouse().MouseUp(display);
    DestroyEditorWindows();
    state.counters["budget_ms"] = 4;
    state.SetLabel(grabbed ? "move + model + command + curve tick + repaint; budget 4 ms" : "no handle grabbed");
}
BENCHMARK(BM_PeqDragStep)->Unit(benchmark::kMillisecond);
