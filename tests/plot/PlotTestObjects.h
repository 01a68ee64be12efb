#pragma once
#include "Canvas.h"
#include "gXYPlotChannel.h"
#include "gPlotComponent.h"
#include "gPlotMasterManager.h"
#include "gPlotYAxis.h"

#include <QStringList>

// Test stand-ins for the plot's objects: a Y axis of set thickness and end
// margin, and a channel; both note their draws in a shared log.
inline QStringList &DrawLog()
{
    static QStringList log;
    return log;
}

class TSizedYAxis : public TgPlotYAxis {
public:
    using TgPlotYAxis::TgPlotYAxis;
    int space = 0;
    int endMargin = 0;
    int GetRequiredSpace(TCanvas *) override { return space; }
    int GetEndMargin(TCanvas *) override { return endMargin; }
    void Draw(TCanvas *, TColor) override { DrawLog() << Name(); }
};

class TLogChannel : public TgXYPlotChannel {
public:
    using TgXYPlotChannel::TgXYPlotChannel;
    void UpdateCanDraw() override { FCanDraw = true; }
    void Draw(TCanvas *Canvas, TColor) override
    {
        DrawLog() << Name();
        Canvas->Brush()->SetColor(Color());
        Canvas->FillRect(Canvas->ClipRect());
    }
};

// An object of class T made with the plot's handlers, unregistered.
template <class T>
T *MakePlotObject(TgPlotComponent *Plot)
{
    TgPlotMasterManager *m = Plot->Master();
    return new T(Plot, [m](TObject *S) { m->ObjectChange(S); }, [m](TObject *S) { m->ObjectInsert(S); },
                 [m](TObject *S) { m->ObjectRemove(S); }, [m](TObject *S) { m->ObjectRename(S); });
}
