#include "Form.h"
#include "VirtualKeys.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>

// A window without a close box stays open on the window system's close
// request and on Escape; code still closes it. With the box, the request closes.
TEST(WindowWithoutCloseBox, IgnoresCloseRequestAndEscape)
{
    for (bool closeBox : {false, true}) {
        TForm f(nullptr, CreateNew);
        if (!closeBox)
            f.SetBorderIcons({});
        f.Show();
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(f.Widget(), &esc);
        EXPECT_TRUE(f.Visible()) << closeBox;
        QCloseEvent request;
        QApplication::sendEvent(f.WindowWidget(), &request);
        EXPECT_EQ(f.Visible(), !closeBox) << closeBox;
        f.Close();
        EXPECT_FALSE(f.Visible());
    }
}
