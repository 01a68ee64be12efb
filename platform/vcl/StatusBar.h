#pragma once
#include "CustomControl.h"

// A bar along the bottom of its parent showing one simple text in a sunken
// panel. A text change repaints.
class TStatusBar : public TCustomControl {
public:
    explicit TStatusBar(TComponent *AOwner);

    const QString &SimpleText() const { return simpleText_; }
    void SetSimpleText(const QString &Value);

    void Paint() override;

private:
    QString simpleText_;
};
