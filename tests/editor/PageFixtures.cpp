#include "PageFixtures.h"

#include "PageHost.h"
#include "RoundedControls.h"
#include "SkBmpButton.h"
#include "SkComboBox.h"
#include "SkLabel.h"
#include "ShownPosition.h"
#include "SmTrackBar.h"
#include "UpDown.h"

namespace PageFixtures {
namespace {
template <typename T> T *Make(PageHost &Host, const QString &Name)
{
    auto *c = new T(Host.ControlOwner());
    c->SetName(Name);
    Host.RegisterControl(c);
    return c;
}
} // namespace

TControl *Box(PageHost &Host, const QString &Name) { return Make<TRoundedEdit>(Host, Name); }
// A free toggle, as the pages' toggles are: a group of its own that may go up.
TControl *Button(PageHost &Host, const QString &Name)
{
    static int group = 1000;
    auto *b = Make<TSkBmpButton>(Host, Name);
    b->SetGroupIndex(++group);
    b->SetAllowAllUp(true);
    return b;
}
TControl *Label(PageHost &Host, const QString &Name) { return Make<TSkLabel>(Host, Name); }

TControl *Combo(PageHost &Host, const QString &Name, int Items)
{
    auto *c = Make<TSkComboBox>(Host, Name);
    for (int i = 0; i < Items; ++i)
        c->Add(QString::number(i));
    return c;
}

QString Text(TControl *Control)
{
    if (auto *edit = dynamic_cast<TRoundedEdit *>(Control))
        return edit->Text();
    return Control ? Control->Caption() : QString();
}

bool Down(TControl *Control)
{
    auto *b = dynamic_cast<TSkBmpButton *>(Control);
    return b && b->Down();
}

int ItemIndex(TControl *Control)
{
    auto *c = dynamic_cast<TSkComboBox *>(Control);
    return c ? c->ItemIndex() : -2;
}

TControl *Slider(PageHost &Host, const QString &Name, int Min, int Max)
{
    auto *s = Make<TSmTrackBar>(Host, Name);
    s->SetMin(Min);
    s->SetMax(Max);
    return s;
}

TControl *Spinner(PageHost &Host, const QString &Name, int Min, int Max)
{
    auto *s = Make<TUpDown>(Host, Name);
    s->SetMin(Min);
    s->SetMax(Max);
    return s;
}

int Position(TControl *Control)
{
    return ShownPosition(Control);
}

} // namespace PageFixtures
