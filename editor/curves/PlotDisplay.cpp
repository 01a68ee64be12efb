#include "PlotDisplay.h"

PlotDisplay::~PlotDisplay() = default;
