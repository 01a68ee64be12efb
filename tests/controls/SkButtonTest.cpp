#include "TestInput.h"
#include "Edit.h"
#include "PixelMap.h"
#include "SkButton.h"
#include "SkColorUtils.h"
#include "SkCommon.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// A form with two push buttons (ok is Default, cancel is Cancel) and an
// edit to hold the focus.
struct Host : ::testing::Test {
    TForm form{nullptr};
    TSkButton *ok = nullptr, *cancel = nullptr;
    TEdit *edit = nullptr;
    std::string log;
    void SetUp() override
    {
        form.SetBounds(0, 0, 300, 100);
        ok = new TSkButton(&form);
        ok->SetParent(&form);
        ok->SetBounds(10, 10, 75, 25);
        ok->SetThemeAware(false);
        ok->OnClick = [this](TObject *) { log += "ok "; };
        cancel = new TSkButton(&form);
        cancel->SetParent(&form);
        cancel->SetBounds(100, 10, 75, 25);
        cancel->SetThemeAware(false);
        cancel->SetCancel(true);
        cancel->OnClick = [this](TObject *) { log += "cancel "; };
        edit = new TEdit(&form);
        edit->SetParent(&form);
        edit->SetBounds(10, 50, 100, 20);
        form.Show();
        QApplication::setActiveWindow(form.Widget());
        ok->SetDefault(true);
    }
    void Focus(TWinControl *c)
    {
        c->SetFocus();
        QApplication::processEvents();
    }
};

TEST_F(Host, PressReleasedInsideClicksAndOutsideDoesNot)
{
    Click(ok->Widget(), QPoint(5, 5));
    EXPECT_EQ(log, "ok ");
    SendMouse(ok->Widget(), QEvent::MouseButtonPress, QPoint(5, 5));
    EXPECT_TRUE(ok->ShowPressed());
    Move(ok->Widget(), QPoint(90, 5), Qt::LeftButton);
    EXPECT_FALSE(ok->ShowPressed());
    Move(ok->Widget(), QPoint(9, 5), Qt::LeftButton);
    EXPECT_TRUE(ok->ShowPressed());
    Move(ok->Widget(), QPoint(9, 40), Qt::LeftButton);
    SendMouse(ok->Widget(), QEvent::MouseButtonRelease, QPoint(9, 40));
    EXPECT_EQ(log, "ok ");
}

TEST_F(Host, SpacePressIsCancelledByLosingTheFocus)
{
    Focus(cancel);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(cancel->Widget(), &down);
    QApplication::sendEvent(cancel->Widget(), &up);
    EXPECT_EQ(log, "cancel ");
    QApplication::sendEvent(cancel->Widget(), &down);
    EXPECT_TRUE(cancel->ShowPressed());
    Focus(edit);
    EXPECT_FALSE(cancel->ShowPressed());
    QApplication::sendEvent(cancel->Widget(), &up);
    EXPECT_EQ(log, "cancel ");
}

TEST_F(Host, EnterAndEscapeGoToTheActiveDefaultAndCancelButtons)
{
    Focus(edit);
    EXPECT_TRUE(ok->IsActive()); // the focus is on no button: the Default one is active
    Key(edit->Widget(), Qt::Key_Return, "\r");
    Key(edit->Widget(), Qt::Key_Escape, "\x1b");
    EXPECT_EQ(log, "ok cancel ");
    for (Qt::KeyboardModifier m : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
        Key(edit->Widget(), Qt::Key_Return, "\r", m);
        Key(edit->Widget(), Qt::Key_Escape, "\x1b", m);
    }
    EXPECT_EQ(log, "ok cancel ");
    Focus(cancel); // a focused push button is the active one
    EXPECT_FALSE(ok->IsActive());
    EXPECT_TRUE(cancel->IsActive());
    Key(cancel->Widget(), Qt::Key_Return, "\r");
    EXPECT_EQ(log, "ok cancel cancel ");
    cancel->SetEnabled(false); // gives up the focus; Escape finds no button
    EXPECT_FALSE(cancel->Focused());
    Focus(edit);
    Key(edit->Widget(), Qt::Key_Escape, "\x1b");
    EXPECT_EQ(log, "ok cancel cancel ");
}

// A pixel of a picture.
TColor Px(const QImage &img, int x, int y)
{
    return FromQColor(img.pixelColor(x, y));
}

TEST_F(Host, ClassicLookInAnotherFaceColourDerivesItsEdge)
{
    Focus(edit); // no focus frame on the button
    const TColor face = RGB(0, 160, 0);
    cancel->SetColor(face);
    cancel->SetCaption("");
    QImage shot = cancel->PaintToImage();
    EXPECT_EQ(Px(shot, 5, 0), LightenColor(face, 100));
    EXPECT_EQ(Px(shot, 5, 24), DarkenColor(face, 100));
    EXPECT_EQ(Px(shot, 5, 1), LightenColor(face, 40));
    EXPECT_EQ(Px(shot, 30, 12), face);
    cancel->SetColor(clBtnFace); // the system edge on the button face
    shot = cancel->PaintToImage();
    EXPECT_EQ(Px(shot, 5, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(Px(shot, 5, 24), ColorToRGB(cl3DDkShadow));
}

TEST_F(Host, GroupDownPatternIsASilverCheckerAndGreyOnSilver)
{
    for (TSkButton *b : {ok, cancel}) {
        b->SetGroupIndex(3);
        b->SetCaption("");
    }
    ok->SetDown(true);
    cancel->SetDown(true);
    EXPECT_FALSE(ok->Down()); // one of a radio group
    QImage shot = cancel->PaintToImage();
    const TColor a = Px(shot, 10, 10), b = Px(shot, 11, 10);
    EXPECT_EQ(a, clSilver);
    EXPECT_EQ(b, ColorToRGB(clBtnFace));
    EXPECT_EQ(Px(shot, 11, 11), clSilver);
    cancel->SetColor(clSilver);
    shot = cancel->PaintToImage();
    EXPECT_EQ(Px(shot, 10, 10), clGray);
    EXPECT_EQ(Px(shot, 11, 10), clSilver);
    cancel->SetDown(false); // a radio group's down button stays down
    EXPECT_TRUE(cancel->Down());
}

TEST_F(Host, DisabledCaptionIsGrey)
{
    cancel->SetCaption("WWWW");
    cancel->Font()->SetColor(clBlack);
    cancel->SetEnabled(false);
    QImage shot = cancel->PaintToImage();
    // The darkest ink is the grey text colour (an anti-aliased stem may not
    // cover a whole pixel); nothing comes near black.
    QColor darkest = Qt::white;
    for (int y = 0; y < 25; ++y)
        for (int x = 5; x < 70; ++x)
            if (qGray(shot.pixel(x, y)) < qGray(darkest.rgb()))
                darkest = shot.pixelColor(x, y);
    const QColor grey = ToQColor(ColorToRGB(clGrayText));
    EXPECT_LE(std::abs(darkest.red() - grey.red()), 40) << darkest.name().toStdString();
    EXPECT_LE(std::abs(darkest.green() - grey.green()), 40) << darkest.name().toStdString();
    EXPECT_LE(std::abs(darkest.blue() - grey.blue()), 40) << darkest.name().toStdString();
}

} // namespace

namespace {

// How many pixels of each colour a picture has.
int Count(const QImage &img, TColor c)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += FromQColor(img.pixelColor(x, y)) == ColorToRGB(c);
    return n;
}

TEST(SkButton, RaisedAndRecessedCaptionCopies)
{
    TForm form(nullptr);
    auto *b = new TSkButton(&form);
    b->SetParent(&form);
    b->SetThemeAware(false);
    b->SetBounds(0, 0, 90, 30);
    b->SetCaption("WWW");
    b->Font()->SetColor(clBlack);
    b->Font()->SetHeight(-20);
    b->Font()->SetStyle(TFontStyles{fsBold});
    b->SetTextHighlightColor(clRed);
    b->SetTextShadowColor(clBlue);
    // Text is smoothed: count the pixels where a copy's colour dominates.
    auto tinted = [](const QImage &img, bool red) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                const int main = red ? c.red() : c.blue(), other = red ? c.blue() : c.red();
                n += main > other + 60 && main > c.green() + 60;
            }
        return n;
    };
    struct Row {
        TTextStyle style;
        bool light, highlight, shadow;
    } rows[] = {
        {tsNormal, false, false, false}, {tsRaised, false, true, true},  {tsRaised, true, true, false},
        {tsRecessed, true, true, false}, {tsShadow, false, false, true},
    };
    for (const Row &r : rows) {
        b->SetTextStyle(r.style);
        b->SetLightTextStyle(r.light);
        const QImage img = b->PaintToImage();
        EXPECT_EQ(tinted(img, true) > 0, r.highlight) << r.style << " " << r.light;
        EXPECT_EQ(tinted(img, false) > 0, r.shadow) << r.style << " " << r.light;
        EXPECT_GT(Count(img, clBlack), 0);
    }
}

TEST(SkButton, FlatLookShowsTheHotBorderOnlyUnderTheMouse)
{
    TForm form(nullptr);
    form.SetColor(clBtnFace);
    auto *b = new TSkButton(&form);
    b->SetParent(&form);
    b->SetThemeAware(false);
    b->SetHotTrack(true);
    b->SetBounds(0, 0, 60, 24);
    b->SetCaption("");
    const TColor hot = b->HotTrackColor();
    // The hot border's bottom rows end in the hot-track colour.
    const int before = Count(b->PaintToImage(), hot);
    b->MouseEnter();
    const QImage img = b->PaintToImage();
    EXPECT_EQ(before, 0);
    EXPECT_GT(Count(img, hot), 0);
    EXPECT_EQ(FromQColor(img.pixelColor(30, 2)), MixColors(clWhite, hot, 190)); // top of the border
    EXPECT_EQ(FromQColor(img.pixelColor(2, 12)), FromQColor(img.pixelColor(57, 12)));
    EXPECT_EQ(FromQColor(img.pixelColor(1, 5)), ColorToRGB(b->FrameColor()));
}

} // namespace
