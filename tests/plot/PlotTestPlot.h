#pragma once
#include "PlotTestHost.h"
#include "gXYPlotChannel.h"
#include "gPlotChannelManager.h"
#include "gPlotLayoutManager.h"
#include "gPlotMasterManager.h"

#include <memory>

// A master manager on a recording host, with a helper that builds objects
// the way the master's Add operations do, with given layout settings.
struct TTestPlot {
    TTestPlotHost host;
    std::unique_ptr<TgPlotMasterManager> master = std::make_unique<TgPlotMasterManager>(&host);

    TTestPlot() { master->SetChannelClass(&CreateChannelOf<TgXYPlotChannel>); }

    template <class T>
    T *Make(const QString &Name = QString())
    {
        TgPlotMasterManager *m = master.get();
        T *object = new T(&host, [m](TObject *S) { m->ObjectChange(S); }, [m](TObject *S) { m->ObjectInsert(S); },
                          [m](TObject *S) { m->ObjectRemove(S); }, [m](TObject *S) { m->ObjectRename(S); });
        if (!Name.isEmpty())
            object->SetName(Name);
        return object;
    }
    // A layout object placed as given (insert with the layout manager disabled
    // to keep the z-order).
    template <class T>
    T *Place(const QString &Name, bool Horizontal, int ZOrder, double Start = 0, double Stop = 100)
    {
        T *object = Make<T>(Name);
        object->SetHorizontal(Horizontal);
        object->SetZOrder(ZOrder);
        object->SetStartStopPercent(Start, Stop);
        object->DoInsert();
        return object;
    }
    TgPlotLayoutManager *Layout() const { return master->LayoutManager(); }
};
