#pragma once
#include <QString>

class PageHost;
class TControl;

// Named controls of other pages for page tests, made and entered in the
// host's name index.
namespace PageFixtures {

TControl *Slider(PageHost &Host, const QString &Name, int Min, int Max);
TControl *Spinner(PageHost &Host, const QString &Name, int Min, int Max);
TControl *Box(PageHost &Host, const QString &Name);
TControl *Button(PageHost &Host, const QString &Name);
TControl *Combo(PageHost &Host, const QString &Name, int Items);
TControl *Label(PageHost &Host, const QString &Name);
int Position(TControl *Control);
QString Text(TControl *Control);
bool Down(TControl *Control);
int ItemIndex(TControl *Control);

} // namespace PageFixtures
