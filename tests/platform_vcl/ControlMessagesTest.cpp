#include "Bitmap.h"
#include "Cursors.h"
#include "CustomControl.h"
#include "Form.h"
#include "SystemInfo.h"
#include "TestInput.h"
#include "Themes.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// A control that logs the messages it is told, and answers a group message
// with its Answer.
class Listener : public TCustomControl {
public:
    Listener(TComponent *owner, std::string *log, char name) : TCustomControl(owner), log_(log), name_(name) {}
    long Answer = 0;
    int ParentColours = 0;
    QString Accel;
    TWinControl *LastFocus = nullptr;
    int SysColours = 0;

protected:
    void WndProc(TMessage &m) override
    {
        if (m.Msg == CM_PARENTCOLORCHANGED)
            ++ParentColours;
        if (m.Msg == 0x2420) {
            *log_ += name_;
            *log_ += std::to_string(m.WParam);
            *log_ += reinterpret_cast<TControl *>(m.LParam) == this ? "*" : "";
            *log_ += ' ';
            m.Result = Answer;
            return;
        }
        TCustomControl::WndProc(m);
    }
    bool DialogChar(QChar key) override
    {
        if (!IsAccel(key, Accel))
            return false;
        *log_ += std::string("accel ") + name_ + ' ';
        return true;
    }
    void FocusChanged(TWinControl *focused) override { LastFocus = focused; }
    void SysColorChanged() override { ++SysColours; }

private:
    std::string *log_;
    char name_;
};

TEST(ControlMessages, SiblingBroadcastReachesEveryChildInOrderUntilOneAnswers)
{
    TForm form(nullptr);
    std::string log;
    auto *a = new Listener(&form, &log, 'a');
    auto *b = new Listener(&form, &log, 'b');
    auto *c = new Listener(&form, &log, 'c');
    for (Listener *l : {a, b, c})
        l->SetParent(&form);
    auto *other = new TForm(nullptr); // the same group under another parent hears nothing
    auto *d = new Listener(other, &log, 'd');
    d->SetParent(other);
    broadcastToSiblings(0x2420, 3, b);
    EXPECT_EQ(log, "a3 b3* c3 ");
    log.clear();
    b->Answer = 1;
    broadcastToSiblings(0x2420, 4, a);
    EXPECT_EQ(log, "a4* b4 ");
    log.clear();
    Listener orphan(nullptr, &log, 'o');
    broadcastToSiblings(0x2420, 1, &orphan);
    EXPECT_EQ(log, "");
    EXPECT_EQ(a->Perform(0x9999, 1, 2), 0);
    delete other;
}

TEST(ControlMessages, AcceleratorsOfAmpersandCaptions)
{
    struct Row {
        char key;
        const char *caption;
        bool accel;
    } rows[] = {
        {'s', "&Save", true}, {'S', "&save", true}, {'a', "S&ave", true}, {'s', "Save", false},
        {'b', "A&&B", false}, {'b', "A&&&B", true}, {'x', "end&", false},
    };
    for (const Row &r : rows)
        EXPECT_EQ(IsAccel(QLatin1Char(r.key), QString::fromLatin1(r.caption)), r.accel) << r.caption << " " << r.key;

    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    std::string log;
    auto *panel = new TCustomControl(&form);
    panel->SetParent(&form);
    panel->SetBounds(0, 0, 100, 100);
    auto *save = new Listener(&form, &log, 's');
    save->Accel = "&Save";
    save->SetParent(panel); // found inside a container too
    auto *disabled = new Listener(&form, &log, 'd');
    disabled->Accel = "&Delete";
    disabled->SetParent(&form);
    disabled->SetEnabled(false);
    auto *focus = new Listener(&form, &log, 'f');
    focus->SetParent(&form);
    focus->SetBounds(100, 0, 50, 50);
    form.Show();
    focus->SetFocus();
    QApplication::processEvents();
    Key(focus->Widget(), Qt::Key_S, "s", Qt::AltModifier);
    Key(focus->Widget(), Qt::Key_D, "d", Qt::AltModifier);
    Key(focus->Widget(), Qt::Key_S, "s"); // without Alt: a plain key
    EXPECT_EQ(log, "accel s ");
}

TEST(ControlMessages, FocusChangeIsToldToEveryControlOfTheForm)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    std::string log;
    auto *a = new Listener(&form, &log, 'a');
    auto *panel = new TCustomControl(&form);
    auto *b = new Listener(&form, &log, 'b');
    a->SetParent(&form);
    panel->SetParent(&form);
    b->SetParent(panel);
    for (TWinControl *w : {static_cast<TWinControl *>(a), static_cast<TWinControl *>(b)})
        w->SetTabStop(true);
    form.Show();
    QApplication::setActiveWindow(form.Widget());
    a->SetFocus();
    QApplication::processEvents();
    b->SetFocus();
    QApplication::processEvents();
    EXPECT_EQ(a->LastFocus, b);
    EXPECT_EQ(b->LastFocus, b);

    form.NotifySysColorChange();
    EXPECT_EQ(a->SysColours, 1);
    EXPECT_EQ(b->SysColours, 1);

    // A parent's colour change is told to each child, whatever its
    // ParentColor; one that has ParentColor set takes the colour.
    a->SetParentColor(true);
    form.SetColor(clTeal);
    EXPECT_EQ(a->ParentColours, 1);
    EXPECT_EQ(a->Color(), clTeal);
    EXPECT_EQ(b->ParentColours, 0); // not a child of the form
    panel->SetColor(clNavy);
    EXPECT_EQ(b->ParentColours, 1);
    EXPECT_NE(b->Color(), clNavy);
}

// ShowHint follows the parent's through the nesting while ParentShowHint is
// set: on joining the parent and on each change; a ShowHint of its own ends
// that, and ParentShowHint set again takes the parent's at once.
TEST(ControlMessages, ShowHintFollowsTheParentWhileParentShowHintIsSet)
{
    TForm form(nullptr);
    form.SetShowHint(true);
    auto *panel = new TCustomControl(&form);
    auto *inner = new TCustomControl(&form);
    panel->SetParent(&form);
    inner->SetParent(panel);
    EXPECT_TRUE(panel->ParentShowHint());
    EXPECT_TRUE(panel->ShowHint());
    EXPECT_TRUE(inner->ShowHint());
    form.SetShowHint(false);
    EXPECT_FALSE(panel->ShowHint());
    EXPECT_FALSE(inner->ShowHint());

    inner->SetShowHint(true);
    EXPECT_FALSE(inner->ParentShowHint());
    form.SetShowHint(true);
    form.SetShowHint(false);
    EXPECT_TRUE(inner->ShowHint()) << "its own now";
    inner->SetParentShowHint(true);
    EXPECT_FALSE(inner->ShowHint());
}

TEST(ControlMessages, FixedSystemAnswersAndProgramCursor)
{
    EXPECT_EQ(Win32MajorVersion * 10 + Win32MinorVersion, 61);
    EXPECT_TRUE(NewStyleControls);
    EXPECT_TRUE(DesktopColorSchemeName().isEmpty());
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 17);
    EXPECT_EQ(GetSystemMetrics(999), 0);
    EXPECT_EQ(WheelScrollLines, 3);
    EXPECT_EQ(CursorToQt(crProgramHandPoint).shape(), Qt::ArrowCursor);
    RegisterProgramCursors();
    EXPECT_EQ(CursorToQt(crProgramHandPoint).shape(), Qt::PointingHandCursor);
}

TEST(ControlMessages, ThemePainterIsOffByDefaultAndDrawsTheSameEverywhere)
{
    EXPECT_FALSE(ThemesEnabled());
    TBitmap a(30, 20), b(30, 20);
    DrawThemedPushButton(a.Canvas(), Rect(0, 0, 30, 20), TThemedButtonState::Hot);
    DrawThemedPushButton(b.Canvas(), Rect(0, 0, 30, 20), TThemedButtonState::Pressed);
    EXPECT_EQ(a.Canvas()->Pixels(0, 0), clWhite); // corners left out
    EXPECT_NE(a.Canvas()->Pixels(5, 0), clWhite);
    EXPECT_NE(a.Image(), b.Image());
    TBitmap combo(17, 21);
    DrawThemedComboButton(combo.Canvas(), Rect(0, 0, 16, 20), TThemedButtonState::Normal);
    EXPECT_NE(combo.Canvas()->Pixels(8, 10), combo.Canvas()->Pixels(3, 10)); // the arrow
}

} // namespace
