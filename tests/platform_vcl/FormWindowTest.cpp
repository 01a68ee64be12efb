#include "Application.h"
#include "Button.h"
#include "Form.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

struct Probe : TForm {
    explicit Probe(TComponent *AOwner) : TForm(AOwner, CreateNew)
    {
        // The main form is not known while its own constructor runs.
        sawMainFormWhileBuilding = static_cast<TApplication *>(AOwner)->MainForm();
    }
    TCustomForm *sawMainFormWhileBuilding = reinterpret_cast<TCustomForm *>(1);
};

} // namespace

TEST(FormWindow, FramelessTopmostNonActivatingFlags)
{
    TForm f(nullptr, CreateNew);
    f.SetBorderIcons({});
    f.SetBorderStyle(bsNone);
    f.SetFormStyle(fsStayOnTop);
    f.SetNoActivate(true);
    const Qt::WindowFlags flags = f.WindowWidget()->windowFlags();
    EXPECT_TRUE(flags & Qt::FramelessWindowHint);
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(flags & Qt::WindowDoesNotAcceptFocus);
    EXPECT_TRUE(f.WindowWidget()->testAttribute(Qt::WA_ShowWithoutActivating));

    // A flag change on a shown window keeps it shown and in place.
    f.SetBounds(40, 50, 120, 80);
    f.Show();
    f.SetFormStyle(fsNormal);
    EXPECT_TRUE(f.Widget()->isVisible());
    EXPECT_FALSE(f.WindowWidget()->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(f.WindowWidget()->geometry(), QRect(40, 50, 120, 80));
}

TEST(FormWindow, PositionAppliedAtShow)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    struct Row { TPosition position; QPoint expected; };
    const std::vector<Row> rows = {
        {poScreenCenter, QPoint(screen.x() + (screen.width() - 622) / 2, screen.y() + (screen.height() - 352) / 2)},
        {poDesigned, QPoint(7, 9)},
    };
    for (const Row &r : rows) {
        TForm f(nullptr, CreateNew);
        f.SetBorderStyle(bsNone); // no frame: Left and Top are the client's
        f.SetBounds(7, 9, 622, 352);
        f.SetPosition(r.position);
        f.Show();
        EXPECT_EQ(QPoint(f.Left(), f.Top()), r.expected) << r.position;
        EXPECT_EQ(f.WindowWidget()->geometry().topLeft(), r.expected) << r.position;
    }
}

TEST(FormWindow, AlphaBlendAndLayeredOpacity)
{
    TForm f(nullptr, CreateNew);
    f.SetAlphaBlendValue(100);
    EXPECT_DOUBLE_EQ(f.WindowOpacity(), 1.0); // AlphaBlend off: opaque
    f.SetAlphaBlend(true);
    EXPECT_NEAR(f.WindowOpacity(), 100 / 255.0, 0.01);

    // A layered window's opacity is the pushed constant alpha.
    f.SetBounds(0, 0, 10, 10);
    QImage img(10, 10, QImage::Format_ARGB32_Premultiplied);
    img.fill(qRgba(0, 0, 128, 128));
    f.UpdateLayered(img, 50);
    EXPECT_TRUE(f.Layered());
    EXPECT_EQ(f.LayeredOpacity(), 50);
    EXPECT_NEAR(f.WindowOpacity(), 50 / 255.0, 0.01);
    EXPECT_TRUE(f.Widget()->testAttribute(Qt::WA_TranslucentBackground));
}

TEST(FormWindow, LayeredWindowShowsThePushedPixelsNotPaint)
{
    TForm f(nullptr, CreateNew);
    f.SetClientWidth(8);
    f.SetClientHeight(8);
    int paints = 0;
    f.OnPaint = [&](TObject *) { ++paints; };
    QImage img(8, 8, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    img.setPixel(3, 4, qRgba(0, 0, 255, 255));
    f.Show();
    f.UpdateLayered(img, 255);
    QImage shot(8, 8, QImage::Format_ARGB32_Premultiplied);
    shot.fill(Qt::red);
    {
        QPainter p(&shot);
        f.Widget()->render(&p, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    EXPECT_EQ(paints, 0);
    EXPECT_EQ(shot.pixel(3, 4), qRgba(0, 0, 255, 255));
    EXPECT_EQ(qAlpha(shot.pixel(0, 0)), 0); // transparent where the buffer is
}

TEST(FormWindow, WindowRegionShapesTheWindow)
{
    TForm f(nullptr, CreateNew);
    f.SetBounds(0, 0, 40, 40);
    TRegion r = TRegion::FromEllipse(Rect(0, 0, 40, 40));
    f.SetWindowRgn(&r);
    EXPECT_FALSE(f.WindowRgn().Contains(0, 0));
    EXPECT_TRUE(f.WindowRgn().Contains(20, 20));
    f.SetWindowRgn(nullptr);
    EXPECT_TRUE(f.WindowRgn().IsEmpty());
}

// A modal window holds back the windows that were there before it; one shown
// over it takes the user's clicks and stands above it, until it is shown
// again with no modal window up.
TEST(FormWindow, AWindowShownOverAModalOneTakesInput)
{
    struct Dialog {
        TForm form{nullptr};
        TButton *button = new TButton(&form);
        int clicks = 0;
        Dialog()
        {
            form.SetBounds(0, 0, 200, 120);
            button->SetParent(&form);
            button->SetBounds(10, 10, 80, 25);
            button->OnClick = [this](TObject *) { ++clicks; };
        }
        void Click()
        {
            QWidget *w = button->Widget();
            QTest::mouseClick(w->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                              w->mapTo(w->window(), w->rect().center()));
        }
    } before, modal, over;
    before.form.Show();
    modal.form.WindowWidget()->setWindowModality(Qt::ApplicationModal);
    modal.form.Show();
    over.form.Show();
    before.Click();
    over.Click();
    modal.Click();
    EXPECT_EQ(before.clicks, 0);
    EXPECT_EQ(over.clicks, 1);
    EXPECT_EQ(modal.clicks, 1);
    EXPECT_EQ(over.form.WindowWidget()->windowHandle()->transientParent(), modal.form.WindowWidget()->windowHandle());

    modal.form.Hide();
    over.form.Hide();
    over.form.Show();
    EXPECT_EQ(over.form.WindowWidget()->windowHandle()->transientParent(), nullptr);
    before.Click();
    EXPECT_EQ(before.clicks, 1);
}

// Show makes the window the active one at once; Hide gives the activation
// back to the window that had it. Over a modal window, a window's control
// takes the focus (and the window the activation) at once.
TEST(FormWindow, ShowActivatesAtOnceAndHideGivesTheActivationBack)
{
    TForm main(nullptr), dialog(nullptr), quiet(nullptr);
    main.Show();
    EXPECT_TRUE(main.Active());
    dialog.Show();
    EXPECT_TRUE(dialog.Active());
    quiet.SetNoActivate(true);
    quiet.Show();
    EXPECT_TRUE(dialog.Active());
    dialog.Hide();
    EXPECT_TRUE(main.Active());

    TForm modal(nullptr), over(nullptr);
    auto *button = new TButton(&over);
    button->SetParent(&over);
    modal.WindowWidget()->setWindowModality(Qt::ApplicationModal);
    modal.Show();
    over.Show();
    EXPECT_TRUE(over.Active());
    modal.SetFocus();
    button->SetFocus();
    EXPECT_TRUE(button->Focused());
    over.Hide();
    modal.Hide();
    QApplication::setActiveWindow(nullptr);
}

// OnActivate and OnDeactivate follow the window's activation: shown, a
// click into it while another window is active, the other window shown.
TEST(FormWindow, ActivationEventsFollowTheActiveWindow)
{
    TForm editor(nullptr), other(nullptr);
    QStringList events;
    editor.OnActivate = [&](TObject *) { events << "activate"; };
    editor.OnDeactivate = [&](TObject *) { events << "deactivate"; };
    auto *button = new TButton(&editor);
    button->SetParent(&editor);
    button->SetBounds(10, 10, 75, 25);
    editor.Show();
    EXPECT_EQ(events, QStringList({"activate"}));
    other.Show();
    EXPECT_EQ(events, QStringList({"activate", "deactivate"}));
    QTest::mouseClick(button->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 12));
    EXPECT_TRUE(editor.Active());
    EXPECT_EQ(events, QStringList({"activate", "deactivate", "activate"}));
    other.Hide();
    editor.Hide();
    QApplication::setActiveWindow(nullptr);
}

TEST(ApplicationObject, MainFormIsTheFirstCreatedAfterItsConstructor)
{
    TApplication app(nullptr); // not the program's: no state left behind
    ASSERT_EQ(app.MainForm(), nullptr);
    Probe *first = nullptr;
    Probe *second = nullptr;
    app.CreateForm(first);
    app.CreateForm(second);
    EXPECT_EQ(first->sawMainFormWhileBuilding, nullptr);
    EXPECT_EQ(second->sawMainFormWhileBuilding, first);
    EXPECT_EQ(app.MainForm(), first);
    EXPECT_EQ(first->Owner(), &app);
    delete first; // a freed main form is forgotten
    EXPECT_EQ(app.MainForm(), nullptr);
}

TEST(ApplicationObject, TitleExeNameAndSleepSeam)
{
    Application->SetTitle(QStringLiteral("TQ-62 DSP Processor Editor V1.0"));
    EXPECT_EQ(Application->Title(), QStringLiteral("TQ-62 DSP Processor Editor V1.0"));
    // A window title is the form's caption alone: Qt appends its display
    // name, when one is set, to the title of every window.
    EXPECT_NE(QGuiApplication::applicationDisplayName(), Application->Title());
    EXPECT_FALSE(Application->ExeName().isEmpty());
    std::vector<unsigned> slept;
    Application->SetSleepHandler([&](unsigned ms) { slept.push_back(ms); });
    Sleep(5);
    Sleep(15);
    Application->SetSleepHandler(nullptr);
    EXPECT_EQ(slept, (std::vector<unsigned>{5, 15}));
}

TEST(ApplicationObject, RunReturnsAtOnceAfterTerminate)
{
    // Terminate before Run (the single-instance guard's case) ends at once.
    TApplication app(nullptr);
    app.Terminate();
    app.Run();
    EXPECT_TRUE(app.Terminated());

    // Otherwise Run shows the main form and ends when it is closed.
    TApplication program(nullptr);
    Probe *main = nullptr;
    program.CreateForm(main);
    bool shownWhenRunning = false;
    QTimer close, guard; // both die with the test, fired or not
    close.setSingleShot(true);
    guard.setSingleShot(true);
    QObject::connect(&close, &QTimer::timeout, [&] {
        shownWhenRunning = main->Visible();
        main->Close();
    });
    QObject::connect(&guard, &QTimer::timeout, [&] { program.Terminate(); }); // never hang the suite
    close.start(10);
    guard.start(5000);
    program.Run();
    EXPECT_TRUE(shownWhenRunning);
    EXPECT_FALSE(main->Visible());
    EXPECT_TRUE(program.Terminated());
}
