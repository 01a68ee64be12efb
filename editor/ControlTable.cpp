#include "ControlTable.h"

#include "Exceptions.h"
#include "Image.h"
#include "LdDemoButton.h"
#include "LdPowerButton.h"
#include "LMyFFTDrawHpLp6dB.h"
#include "LProgressBar.h"
#include "PageHost.h"
#include "PaintBox.h"
#include "Panel.h"
#include "SkBmpButton.h"
#include "SkGroupBox.h"
#include "SkLabel.h"
#include "RoundedControls.h"
#include "SmTrackBar.h"
#include "TransferCurves.h"
#include "gXYPlot.h"
#include "UpDown.h"

namespace ControlTable {
namespace {

constexpr const char *kInputSuffix[] = {"A", "B", "C", "D"};
constexpr const char *kOutputSuffix[] = {"1", "2", "3", "4", "5", "6", "7", "8"};

void SetEdge(TControl *c, Edge edge, int v)
{
    switch (edge) {
    case Edge::Left:
        c->SetLeft(v);
        break;
    case Edge::Top:
        c->SetTop(v);
        break;
    case Edge::Width:
        c->SetWidth(v);
        break;
    case Edge::Height:
        c->SetHeight(v);
        break;
    }
}

} // namespace

std::vector<Member> Members(const char *Prefix, Each EachKind, int Count)
{
    const QString prefix = QString::fromLatin1(Prefix);
    std::vector<Member> m;
    switch (EachKind) {
    case Each::One:
        m.push_back({prefix, 0, 0});
        break;
    case Each::Input:
        for (int i = 0; i < 4; ++i)
            m.push_back({prefix + kInputSuffix[i], i, i});
        break;
    case Each::Output:
        for (int i = 0; i < 8; ++i)
            m.push_back({prefix + kOutputSuffix[i], 4 + i, i});
        break;
    case Each::Count:
        for (int i = 0; i < Count; ++i)
            m.push_back({prefix + QString::number(i + 1), i, i});
        break;
    }
    return m;
}

void Build(PageHost &Host, TWinControl *Client, const Family *Rows, size_t Count)
{
    for (size_t r = 0; r < Count; ++r) {
        const Family &f = Rows[r];
        for (const Member &m : Members(f.prefix, f.each, f.count)) {
            TWinControl *parent = Client;
            if (*f.parent) {
                // A channel's control sits in that channel's frame when the
                // parent is a channel family too.
                const QString name = QString::fromLatin1(f.parent);
                const QString suffix = f.each == Each::Input || f.each == Each::Output ? m.name.right(1) : QString();
                TControl *p = suffix.isEmpty() ? nullptr : Host.FindControl(name + suffix);
                parent = dynamic_cast<TWinControl *>(p ? p : Host.FindControl(name));
                if (!parent)
                    throw Exception(QString("layout: parent %1 of %2 is not built").arg(name, m.name));
            }
            TControl *c = f.make(Host.ControlOwner());
            c->SetName(m.name);
            c->SetTag(m.tag);
            c->SetParent(parent);
            c->SetBounds(f.left + f.stepX * m.index, f.top + f.stepY * m.index, f.width, f.height);
            if (*f.caption)
                c->SetCaption(f.each == Each::One ? QString::fromUtf8(f.caption)
                                                  : QString::fromUtf8(f.caption) + " " + m.name.right(1));
            Host.RegisterControl(c);
        }
    }
}

bool Apply(PageHost &Host, const Rule *Rules, size_t Count, int d)
{
    for (size_t r = 0; r < Count; ++r) {
        const Rule &rule = Rules[r];
        for (const Member &m : Members(rule.prefix, rule.each, rule.count)) {
            TControl *c = Host.FindControl(m.name);
            if (!c)
                return false;
            SetEdge(c, rule.edge, rule.value(d, m.tag));
        }
    }
    return true;
}

TControl *MakeGroupBox(TComponent *Owner)
{
    auto *g = new TSkGroupBox(Owner);
    g->SetCaption("");
    return g;
}

TControl *MakeBmpButton(TComponent *Owner) { return new TSkBmpButton(Owner); }

TControl *MakeLabel(TComponent *Owner)
{
    auto *l = new TSkLabel(Owner);
    l->SetAutoSize(false);
    l->SetTransparent(true);
    return l;
}

TControl *MakePanel(TComponent *Owner)
{
    auto *p = new TPanel(Owner);
    p->SetCaption("");
    p->SetBevelOuter(bvNone);
    p->SetColor(clBlack);
    return p;
}

TControl *MakeFftDraw(TComponent *Owner) { return new LMyFFTDrawHpLp6dB(Owner); }

TControl *MakeXYPlot(TComponent *Owner) { return MakeTransferPlot(Owner); }

TControl *MakeSlider(TComponent *Owner)
{
    auto *s = new TSmTrackBar(Owner);
    s->SetOrientation(trVertical);
    s->SetShowFocus(false);
    s->Slider()->SetBorderColor(clMedGray);
    s->Slider()->SetColorTo(clBlack);
    s->Slider()->SetSize(3);
    s->TickMark()->SetStyle(tsNone);
    return s;
}

TControl *MakeValueBox(TComponent *Owner)
{
    auto *b = new TRoundedEdit(Owner);
    b->SetRounding(6);
    b->SetBorderColor(clHighlightText);
    b->SetColor(clWhite);
    b->Font()->SetColor(clBlack);
    b->SetAlignment(taCenter);
    return b;
}

TControl *MakeReadOnlyBox(TComponent *Owner)
{
    auto *b = static_cast<TRoundedEdit *>(MakeValueBox(Owner));
    b->SetReadOnly(true);
    b->SetColor(kReadOnlyBoxColor);
    return b;
}

TControl *MakeDisplayButton(TComponent *Owner)
{
    auto *b = new TLdDemoButton(Owner);
    b->SetColor(clBlack);
    b->SetBevelWidth(1);
    for (TFont *f : {b->FontEnter(), b->FontLeave()}) {
        f->SetName(QStringLiteral("Arial"));
        f->SetHeight(-11);
        f->SetColor(clActiveBorder);
    }
    return b;
}

TControl *MakeDisplayToggle(TComponent *Owner)
{
    auto *t = new TLdPowerButton(Owner);
    t->SetColor(clBlack);
    t->SetBevelWidth(0);
    t->SetOutlineWidth(0);
    t->Palette()->SetLow(clOlive);
    t->Palette()->SetHigh(clYellow);
    t->Font()->SetName(QStringLiteral("Tahoma"));
    t->Font()->SetHeight(-11);
    return t;
}

TControl *MakeUpDown(TComponent *Owner) { return new TUpDown(Owner); }

TControl *MakeMeter(TComponent *Owner) { return new LProgressBar(Owner); }

TControl *MakeImage(TComponent *Owner) { return new TImage(Owner); }

TControl *MakePaintBox(TComponent *Owner) { return new TPaintBox(Owner); }

} // namespace ControlTable
