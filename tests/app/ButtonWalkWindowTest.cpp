#include <gtest/gtest.h>

#include "Button.h"
#include "CheckBox.h"
#include "LdDemoButton.h"
#include "LdPowerButton.h"
#include "OfflineUserInput.h"
#include "RadioButton.h"
#include "SkBmpButton.h"
#include "SkCustomButton.h"
#include "SkShapeButton.h"
#include "WindowTour.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

bool IsButton(const TControl *c)
{
    return dynamic_cast<const TSkBmpButton *>(c) || dynamic_cast<const TButton *>(c) ||
           dynamic_cast<const TRadioButton *>(c) || dynamic_cast<const TCheckBox *>(c) ||
           dynamic_cast<const TLdDemoButton *>(c) || dynamic_cast<const TLdPowerButton *>(c) ||
           dynamic_cast<const TSkCustomButton *>(c) || dynamic_cast<const TSkShapeButton *>(c);
}

bool EnabledAsShown(const TControl *c)
{
    for (; c; c = c->Parent())
        if (!c->Enabled())
            return false;
    return true;
}

// The buttons and toggles inside `parent`, depth first.
void CollectButtons(TWinControl *parent, std::vector<TControl *> &out)
{
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl *c = parent->Controls(i);
        if (IsButton(c))
            out.push_back(c);
        if (auto *w = dynamic_cast<TWinControl *>(c))
            CollectButtons(w, out);
    }
}

// Buttons that have no click handler by design: the link grid's first rows
// (A, 1) and the buttons of its last rows (D, 8) but the diagonal ones.
bool HandlerlessByDesign(const std::string &name)
{
    static const std::set<std::string> names = [] {
        std::set<std::string> n{"skbALinkInA", "skb1LinkOut1"};
        for (const char *c : {"A", "B", "C"})
            n.insert(std::string("skbDLinkIn") + c);
        for (int c = 1; c <= 7; ++c)
            n.insert("skb8LinkOut" + std::to_string(c));
        return n;
    }();
    return names.count(name) > 0;
}

// True when `c` or one of its containers lies wholly under a windowed
// sibling stacked above it: another page of a stack of pages, not shown.
bool UnderAnotherPage(const TControl *c)
{
    for (; c && c->Parent(); c = c->Parent()) {
        const TWinControl *parent = c->Parent();
        const QRect mine(c->Left(), c->Top(), c->Width(), c->Height());
        auto *cw = dynamic_cast<const TWinControl *>(c);
        for (int i = 0; i < parent->ControlCount(); ++i) {
            auto *s = dynamic_cast<const TWinControl *>(parent->Controls(i));
            if (!s || s == c || !s->Widget() || !s->Widget()->isVisible())
                continue;
            // Drawn controls lie below every windowed sibling; windowed ones by their stacking.
            if (cw) {
                const QObjectList &order = s->Widget()->parentWidget()->children();
                if (!cw->Widget() || order.indexOf(s->Widget()) < order.indexOf(cw->Widget()))
                    continue;
            }
            if (QRect(s->Left(), s->Top(), s->Width(), s->Height()).contains(mine))
                return true;
        }
    }
    return false;
}

class ButtonWalkWindowTest : public OfflineUserInput {
protected:
    // One real click at the centre of what shows of each enabled, shown
    // button of `form` not clicked before; every fault goes into `faults`.
    // Meanwhile each button's click only counts (a press that lands on
    // another button opens nothing).
    void Walk(TCustomForm *form, const std::string &where)
    {
        UserInput::Render();
        std::vector<TControl *> buttons;
        CollectButtons(form, buttons);
        std::map<TControl *, int> clicks;
        std::vector<TNotifyEvent> handlers;
        for (TControl *c : buttons) {
            handlers.push_back(c->OnClick);
            c->OnClick = [&clicks, c](TObject *) { ++clicks[c]; };
        }
        QWidget *const modalBefore = QApplication::activeModalWidget();
        for (size_t i = 0; i < buttons.size(); ++i) {
            TControl *c = buttons[i];
            QWidget *window = nullptr;
            const QRect shown = UserInput::VisibleRect(c, &window);
            if (!EnabledAsShown(c) || shown.isEmpty() || UnderAnotherPage(c) || !clicked.insert(c).second)
                continue;
            const std::string name = where + "/" + c->Name().toStdString();
            const TMouseEvent onDown = c->OnMouseDown;
            int downs = 0;
            c->OnMouseDown = [&](TObject *s, TMouseButton b, TShiftState sh, int x, int y) {
                ++downs;
                if (onDown)
                    onDown(s, b, sh, x, y);
            };
            auto *radio = dynamic_cast<TRadioButton *>(c);
            const bool expectClick = !(radio && radio->Checked()); // a checked radio button stays as it is
            clicks[c] = 0;
            UserInput::ClickAt(window, shown.center());
            UserInput::Render();
            c->OnMouseDown = onDown;
            ++walked;
            if (downs != 1)
                faults.push_back(name + ": the press went to " + OwnerAt(window, shown.center()));
            else if (expectClick && clicks[c] != 1)
                faults.push_back(name + ": the press was no click");
            if (!handlers[i] && !HandlerlessByDesign(c->Name().toStdString()))
                faults.push_back(name + ": no click handler");
            if (QApplication::activeModalWidget() != modalBefore) {
                faults.push_back(name + ": the click opened a modal window");
                for (auto [dialog, f] : TourDialogs())
                    if (f->WindowWidget() == QApplication::activeModalWidget())
                        f->Hide();
            }
        }
        for (size_t i = 0; i < buttons.size(); ++i)
            buttons[i]->OnClick = handlers[i];
    }
    // The name of the control that a press at `pos` of `window` lands on.
    static std::string OwnerAt(QWidget *window, QPoint pos)
    {
        for (QWidget *w = UserInput::WidgetAt(window, pos); w; w = w->parentWidget())
            if (TWinControl *c = TWinControl::FindControl(w))
                return c->Name().toStdString();
        return "?";
    }

    std::set<TControl *> clicked;
    std::vector<std::string> faults;
    int walked = 0;
};

// Every enabled, shown button and toggle of every window, clicked once where
// it shows, gets the press and runs its click handler: a button covered by a
// sibling, or one whose click reaches nothing, is listed.
TEST_F(ButtonWalkWindowTest, EveryShownButtonTakesARealClick)
{
    PageNavigation *nav = TourNavigation();
    ASSERT_NE(nav, nullptr);
    for (int page = 0; page < PageNavigation::kPages; ++page) {
        nav->ShowPage(page);
        Walk(fmMain, "main page " + std::to_string(page));
    }
    // The GEQ page holds one stack of boxes per input: each input's, brought
    // to the front by its selector as the user does.
    nav->ShowPage(PageNavigation::kGeqPage);
    for (const char *input : {"B", "C", "D"}) {
        UserInput::Render();
        ASSERT_TRUE(UserInput::Click(Main((std::string("skbGeqSelIn") + input).c_str())));
        Walk(fmMain, std::string("GEQ input ") + input);
    }
    for (auto [name, form] : TourDialogs()) {
        const bool shown = form->Visible();
        form->Show();
        Walk(form, name);
        if (!shown)
            form->Hide();
    }
    EXPECT_GT(walked, 0);
    std::string list;
    for (const std::string &f : faults)
        list += f + "\n";
    EXPECT_TRUE(faults.empty()) << faults.size() << " of " << walked << " buttons:\n" << list;
}

} // namespace
