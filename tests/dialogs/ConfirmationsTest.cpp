#include "FakeDialogHost.h"

#include "Button.h"
#include "Label.h"
#include "TfmFactory.h"
#include "TfmPeqRst.h"

#include <gtest/gtest.h>

TEST(Confirmations, EqResetGoesToTheParametricOrGraphicEq)
{
    struct Case {
        int target;
        std::vector<int> peq, geq;
    } cases[] = {{0, {0}, {}}, {11, {11}, {}}, {12, {}, {12}}, {15, {}, {15}}};
    for (const Case &c : cases) {
        FakeDialogHost host;
        TfmPeqRst dlg(nullptr, &host);
        dlg.SetTarget(c.target);
        dlg.Show();
        dlg.btnOK->Click();
        EXPECT_EQ(host.peqResets, c.peq) << c.target;
        EXPECT_EQ(host.geqResets, c.geq) << c.target;
        EXPECT_FALSE(dlg.Visible());
    }
}

TEST(Confirmations, CancelChangesNothingAndOkStartsFactoryDefault)
{
    FakeDialogHost host;
    TfmPeqRst peq(nullptr, &host);
    peq.Show();
    peq.btnCancel->Click();
    EXPECT_TRUE(host.peqResets.empty());
    TfmFactory factory(nullptr, &host);
    factory.Show();
    EXPECT_EQ(factory.lbMessage->Caption(), "SID_FACTORY_DEFAULT");
    factory.bnCancel->Click();
    EXPECT_EQ(host.factoryStarts, 0);
    factory.Show();
    factory.btnOK->Click();
    EXPECT_EQ(host.factoryStarts, 1);
    EXPECT_FALSE(factory.Visible());
}
