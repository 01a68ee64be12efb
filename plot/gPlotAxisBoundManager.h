#pragma once
#include "gPlotObjectOwnedManager.h"

class TgPlotXAxisManager;
class TgPlotYAxisManager;

// A manager of objects that refer to an X and a Y axis by name (channels,
// data views, limits): an object named here is bound to the first axes.
class TgPlotAxisBoundManager : public TgPlotObjectOwnedManager {
public:
    using TgPlotObjectOwnedManager::TgPlotObjectOwnedManager;

    TgPlotXAxisManager *XAxisManager() const { return FXAxisManager; }
    void SetXAxisManager(TgPlotXAxisManager *Value) { FXAxisManager = Value; }
    TgPlotYAxisManager *YAxisManager() const { return FYAxisManager; }
    void SetYAxisManager(TgPlotYAxisManager *Value) { FYAxisManager = Value; }

protected:
    // Names of the first X and Y axes not on their way out; empty when
    // there is none.
    QString FirstXAxisName() const;
    QString FirstYAxisName() const;

private:
    TgPlotXAxisManager *FXAxisManager = nullptr;
    TgPlotYAxisManager *FYAxisManager = nullptr;
};
