#pragma once
#include "gPlotAxisScale.h"

#include <QString>
#include <functional>
#include <vector>

// One tick of an axis: a major tick carries its label text.
struct TgPlotTickObject {
    TgPlotTickType TickType = ipttMajor;
    double Position = 0;
    int PositionPixels = 0;
    QString Text;
    bool Show = false; // the position lies on the scale (drawn, gives grid lines)
};

// What the tick generation reads of an axis besides its scale.
struct TgPlotTickSettings {
    double DesiredIncrement = 0;
    double DesiredStart = 0;
    int MinorCount = 1;
    bool LabelsVisible = true;
    TgPlotTextFormat LabelsFormatStyle = iptfValue;
};

// The tick list of an axis and its generation: a major step of 1, 2 or 5
// times a power of ten, a calendar step, a fraction in 32nds or decades on a
// log scale, chosen so that no more labels than fit are made; minor ticks
// between the majors. Generation never runs away: more than 5000 ticks, or a
// step too small to move on, leave one major tick in the middle.
class TgPlotAxisTicks {
public:
    using TLabelText = std::function<QString(double)>;

    std::vector<TgPlotTickObject> Ticks;
    double MajorIncrement = 0; // months in month mode, years in year mode
    double MinorIncrement = 0;
    bool MonthModeEnabled = false;
    bool YearModeEnabled = false;

    // Rebuilds the list for LabelCount labels along the scale. Month and year
    // steps may limit the scale's Min and Span (written back directly).
    void Generate(TgPlotAxisScale &Scale, const TgPlotTickSettings &Settings, int LabelCount,
                  const TLabelText &LabelText);
    // Show and PositionPixels of every tick from the scale.
    void UpdateTickPixels(const TgPlotAxisScale &Scale);

    // The step choosers: each sets MajorIncrement and returns the count of
    // major intervals.
    int ChooseNumericStep(double Span, int LabelCount);
    int ChooseDateTimeStep(double Span, int LabelCount);
    int ChoosePrice32ndsStep(double Span, int LabelCount);

private:
    void AddTick(const TgPlotAxisScale &Scale, TgPlotTickType Type, double Position, const TLabelText &LabelText);
    void CalcLogTicks(const TgPlotAxisScale &Scale, int LabelCount, const TLabelText &LabelText);
    void ReplaceByMiddleTick(const TgPlotAxisScale &Scale, const TLabelText &LabelText);
};
