#include "CustomControl.h"
#include "GraphicControl.h"

#include <gtest/gtest.h>

namespace {

// A container whose children are aligned inside a 3-pixel inset, the way
// framed panels keep their frames free.
class InsetBox : public TCustomControl {
public:
    explicit InsetBox(TComponent *Owner) : TCustomControl(Owner) {}

protected:
    void AdjustClientRect(TRect &Rect) override { Rect = TRect(Rect.Left + 3, Rect.Top + 3, Rect.Right - 3, Rect.Bottom - 3); }
};

TEST(Align, ChildrenDockToTheEdgesInOrder)
{
    InsetBox box(nullptr);
    box.SetBounds(0, 0, 200, 100);
    auto *top = new TCustomControl(&box);
    auto *bottom = new TGraphicControl(&box);
    auto *left = new TCustomControl(&box);
    auto *client = new TCustomControl(&box);
    auto *right = new TGraphicControl(&box);
    top->SetBounds(50, 50, 10, 20);
    bottom->SetBounds(0, 0, 10, 15);
    left->SetBounds(0, 0, 30, 10);
    right->SetBounds(0, 0, 25, 10);
    client->SetAlign(alClient);
    for (auto [c, a] : {std::pair<TControl *, TAlign>{top, alTop}, {bottom, alBottom}, {left, alLeft}, {right, alRight}}) {
        c->SetAlign(a);
        c->SetParent(&box);
    }
    client->SetParent(&box);
    struct Row {
        TControl *c;
        TRect expected;
    } rows[] = {
        {top, Rect(3, 3, 197, 23)},      {bottom, Rect(3, 82, 197, 97)}, {left, Rect(3, 23, 33, 82)},
        {right, Rect(172, 23, 197, 82)}, {client, Rect(33, 23, 172, 82)},
    };
    for (const Row &r : rows)
        EXPECT_EQ(r.c->BoundsRect(), r.expected) << r.c->Align();

    // A resize of the parent, and hiding an aligned child, place them again.
    box.SetBounds(0, 0, 300, 120);
    EXPECT_EQ(client->BoundsRect(), Rect(33, 23, 272, 102));
    top->Hide();
    EXPECT_EQ(left->BoundsRect(), Rect(3, 3, 33, 102));
}

TEST(Align, AnchorsKeepTheirEdgesAndConstraintsLimitTheSize)
{
    TCustomControl box(nullptr);
    box.SetBounds(0, 0, 200, 100);
    auto *right = new TCustomControl(&box);
    auto *stretch = new TGraphicControl(&box);
    auto *corner = new TGraphicControl(&box);
    auto *plain = new TGraphicControl(&box);
    for (TControl *c : {static_cast<TControl *>(right), static_cast<TControl *>(stretch), static_cast<TControl *>(corner),
                        static_cast<TControl *>(plain)})
        c->SetParent(&box);
    right->SetBounds(150, 10, 40, 20);
    right->SetAnchors({akTop, akRight});
    stretch->SetBounds(10, 40, 180, 20);
    stretch->SetAnchors({akLeft, akTop, akRight});
    corner->SetBounds(170, 80, 20, 10);
    corner->SetAnchors({akRight, akBottom});
    plain->SetBounds(5, 5, 10, 10);
    box.SetBounds(0, 0, 250, 130);
    EXPECT_EQ(right->BoundsRect(), Rect(200, 10, 240, 30));
    EXPECT_EQ(stretch->BoundsRect(), Rect(10, 40, 240, 60));
    EXPECT_EQ(corner->BoundsRect(), Rect(220, 110, 240, 120));
    EXPECT_EQ(plain->BoundsRect(), Rect(5, 5, 15, 15));

    TSizeConstraints limits;
    limits.MinWidth = 30;
    limits.MaxHeight = 12;
    plain->SetConstraints(limits);
    EXPECT_EQ(plain->BoundsRect(), Rect(5, 5, 35, 15)) << "applied at once";
    plain->SetBounds(5, 5, 100, 100);
    EXPECT_EQ(plain->BoundsRect(), Rect(5, 5, 105, 17));
}

TEST(Enabling, ChildrenKeepTheirOwnSettingInADisabledParent)
{
    TCustomControl box(nullptr);
    auto *was = new TCustomControl(&box);
    auto *meanwhile = new TCustomControl(&box);
    auto *label = new TGraphicControl(&box);
    for (TControl *c : {static_cast<TControl *>(was), static_cast<TControl *>(meanwhile), static_cast<TControl *>(label)})
        c->SetParent(&box);
    was->SetEnabled(false);
    box.SetEnabled(false);
    meanwhile->SetEnabled(false);
    auto *added = new TCustomControl(&box);
    added->SetParent(&box);
    for (TWinControl *c : {meanwhile, added})
        EXPECT_FALSE(c->Widget()->isEnabled()) << "takes no input inside the disabled parent";
    EXPECT_TRUE(label->Enabled());
    EXPECT_FALSE(label->EnabledInParents());
    box.SetEnabled(true);
    struct Row {
        const char *name;
        TWinControl *c;
        bool enabled;
    } rows[] = {{"already disabled", was, false}, {"disabled meanwhile", meanwhile, false}, {"added meanwhile", added, true}};
    for (const Row &r : rows) {
        EXPECT_EQ(r.c->Enabled(), r.enabled) << r.name;
        EXPECT_EQ(r.c->Widget()->isEnabled(), r.enabled) << r.name;
    }
    EXPECT_TRUE(label->EnabledInParents());
}

} // namespace
