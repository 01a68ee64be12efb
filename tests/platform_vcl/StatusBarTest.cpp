#include "Form.h"
#include "StatusBar.h"

#include <QImage>
#include <gtest/gtest.h>

#include <memory>

namespace {

// The bar lies along the bottom of its form at any form size; its text is
// drawn inside it (dark pixels appear there once a text is set).
TEST(StatusBar, SitsAtTheBottomAndDrawsItsText)
{
    auto form = std::make_unique<TForm>(nullptr, CreateNew);
    form->SetClientWidth(300);
    form->SetClientHeight(100);
    auto *bar = new TStatusBar(form.get());
    bar->SetParent(form.get());
    form->Show();
    EXPECT_EQ(bar->Top() + bar->Height(), 100);
    EXPECT_EQ(bar->Width(), 300);
    form->SetClientHeight(140);
    EXPECT_EQ(bar->Top() + bar->Height(), 140);

    auto darkInBar = [&] {
        const QImage img = form->PaintToImage();
        int dark = 0;
        for (int y = bar->Top() + 4; y < bar->Top() + bar->Height() - 2; ++y)
            for (int x = 4; x < 150; ++x)
                dark += QColor(img.pixel(x, y)).lightness() < 100;
        return dark;
    };
    EXPECT_EQ(darkInBar(), 0);
    bar->SetSimpleText("download now");
    EXPECT_GT(darkInBar(), 10);
}

} // namespace
