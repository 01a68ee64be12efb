#pragma once
#include "ComboBox.h"

#include <QRect>
#include <functional>

class QPainter;

// One owner-drawn item of a list or combo box: Canvas is bound to Painter
// over Rect with Owner's font and the brush and font colour of an item in
// State (highlight colours when selected); Draw paints it, a failure
// stopping at the item and being reported.
void DrawOwnerItem(TControl *Owner, TCanvas *Canvas, QPainter *Painter, const QRect &Rect, TOwnerDrawState State,
                   const std::function<void(const TRect &Rect)> &Draw);
