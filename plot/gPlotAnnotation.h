#pragma once
#include "gPlotObject.h"

// A text or shape placed on the plot by the user or the application.
class TgPlotAnnotation : public TgPlotObject {
public:
    using TgPlotObject::TgPlotObject;
};
