#include "TestInput.h"
#include "PumpEvents.h"
#include "Bitmap.h"
#include "Button.h"
#include "Edit.h"
#include "Exceptions.h"
#include "Font.h"
#include "Form.h"
#include "Panel.h"
#include "FloatFormat.h"
#include "MonotonicClock.h"
#include "VirtualKeys.h"
#include "gVCLComponent.h"
#include "gXYPlot.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// A plot-library control that records what reaches it.
class TProbe : public TgCustomComponent {
public:
    using TgCustomComponent::TgCustomComponent;
    using TgCustomComponent::FocusLost;

    int invalidations = 0;
    bool raise = false;
    std::vector<std::pair<Word, TShiftState>> keys;
    std::vector<std::tuple<TMouseButton, TShiftState, int, int>> mouseUps;
    int level = 5;
    double gain = 0;
    QString caption;
    TFont font;

    int Level() const { return level; }
    void SetLevel(int v)
    {
        level = v;
        InvalidateChange();
    }
    double Gain() const { return gain; }
    void SetGain(double v) { gain = v; }
    QString Caption() const { return caption; }
    void SetCaption(const QString &v) { caption = v; }
    TFont *Font() { return &font; }
    bool Flag() const { return flag; }
    void SetFlag(bool v) { flag = v; }
    bool flag = false;

    void DoInvalidate() override
    {
        ++invalidations;
        TgCustomComponent::DoInvalidate();
    }
    void PaintToCanvas(TCanvas *c) override
    {
        if (raise)
            throw Exception("Broken paint");
        DrawBackGround(c, clRed);
    }
    void gKeyDown(Word &Key, TShiftState Shift) override { keys.push_back({Key, Shift}); }
    std::vector<Word> wanted; // the keys the control handles itself
    void IsWantedKey(Word &Key, int &Result) override
    {
        if (std::find(wanted.begin(), wanted.end(), Key) != wanted.end())
            Result = 1;
    }
    void gMouseUp(TMouseButton b, TShiftState s, int x, int y) override { mouseUps.emplace_back(b, s, x, y); }

    const TPublishedClass *PublishedClass() const override
    {
        static const TPublishedClass info = TPublishedBuilder<TProbe>(TgComponent::StaticPublished())
                                                .Integer("Level", &TProbe::Level, &TProbe::SetLevel, 5)
                                                .Float("Gain", &TProbe::Gain, &TProbe::SetGain)
                                                .String("Caption", &TProbe::Caption, &TProbe::SetCaption)
                                                .Bool("Flag", &TProbe::Flag, &TProbe::SetFlag, false)
                                                .Object("Font", &TProbe::Font)
                                                .Build();
        return &info;
    }
};

struct ComponentFixture : ::testing::Test {
    ManualClock clock{100000};
    ScopedClock scope{clock};
    std::unique_ptr<TProbe> c = std::make_unique<TProbe>(nullptr);
    void SetUp() override
    {
        c->SetBounds(0, 0, 40, 30);
        c->invalidations = 0;
    }
    int Change(int times = 1)
    {
        const int before = c->invalidations;
        for (int i = 0; i < times; ++i)
            c->InvalidateChange();
        return c->invalidations - before;
    }
};

TEST_F(ComponentFixture, UpdateBrackets)
{
    c->BeginUpdate();
    EXPECT_EQ(Change(10), 0);
    c->EndUpdate();
    EXPECT_EQ(c->invalidations, 1); // ten changes, one repaint

    c->BeginUpdate();
    c->BeginUpdate();
    c->EndUpdate(); // the first EndUpdate closes nested brackets
    EXPECT_EQ(Change(), 1);

    c->BeginUpdate();
    c->InvalidateNow();
    EXPECT_EQ(c->invalidations, 3); // at once, bracket or not
    c->EndUpdate();
    EXPECT_EQ(c->invalidations, 3); // nothing was pending

    c->SetAutoFrameRate(true);
    c->BeginUpdate();
    c->SetAutoFrameRate(false); // closes the bracket
    EXPECT_EQ(Change(), 1);
}

TEST_F(ComponentFixture, FrameRateLimit)
{
    c->SetUpdateFrameRate(10);
    c->SetAutoFrameRate(true);
    clock.Advance(1000);
    c->invalidations = 0;

    EXPECT_EQ(Change(), 1); // the first change paints at once
    clock.Advance(20);
    EXPECT_EQ(Change(), 0); // the second waits for the interval's end
    clock.Advance(79);
    EXPECT_EQ(c->invalidations, 1);
    clock.Advance(1);
    EXPECT_EQ(c->invalidations, 2); // at 100 ms, not at the next one-second tick
    EXPECT_FALSE(c->GetNeedsRepaint());

    // A burst within one interval costs one held repaint.
    EXPECT_EQ(Change(30), 0);
    clock.Advance(100);
    EXPECT_EQ(c->invalidations, 3);

    c->SetUpdateFrameRate(0); // no limit: every change at once
    clock.Advance(1);
    const int before = c->invalidations;
    EXPECT_EQ(Change(3), 3);
    EXPECT_GT(c->invalidations, before);
}

TEST_F(ComponentFixture, RaisingPaintShowsItsMessage)
{
    c->raise = true;
    const QImage img = c->PaintToImage();
    int black = 0, white = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y) & 0xFFFFFF;
            black += p == 0;
            white += p == 0xFFFFFF;
        }
    EXPECT_GT(black, img.width() * img.height() / 2);
    EXPECT_GT(white, 0);

    c->raise = false;
    const QImage ok = c->PaintToImage();
    EXPECT_EQ(ok.pixel(20, 15) & 0xFFFFFF, 0xFF0000u);
}

TEST_F(ComponentFixture, PropertiesFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("probe.txt");
    c->SetName("Probe1");
    c->SetLevel(9);
    c->SetGain(-2.5);
    c->SetCaption(QString::fromUtf8("\xE4\xB8\xAD\xE6\x96\x87 caption\r\nline two"));
    c->Font()->SetColor(255);
    c->SavePropertiesToFile(file);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    f.close();
    const QStringList lines = text.split("\r\n", Qt::SkipEmptyParts);
    EXPECT_EQ(lines.first(), "File Type = " + c->ClassName());
    EXPECT_FALSE(text.contains("\nName = "));
    EXPECT_FALSE(text.contains("Left ="));
    EXPECT_FALSE(text.contains("Width ="));
    EXPECT_TRUE(lines.contains("Level = 9"));
    EXPECT_TRUE(lines.contains("Font.Color = 255"));

    c->SetOptionSaveAllProperties(true);
    c->SavePropertiesToFile(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString all = QString::fromUtf8(f.readAll());
    f.close();
    EXPECT_TRUE(all.contains("\r\nLeft = 0\r\n"));
    EXPECT_TRUE(all.contains("\r\nWidth = 40\r\n"));
    EXPECT_FALSE(all.contains("\nName = "));
    EXPECT_TRUE(all.contains("\nFont.Name = "));

    // Round trip into a fresh control, inside one repaint.
    TProbe other(nullptr);
    other.SetBounds(0, 0, 10, 10);
    other.invalidations = 0;
    other.LoadPropertiesFromFile(file);
    EXPECT_EQ(other.Level(), 9);
    EXPECT_EQ(other.Gain(), -2.5);
    EXPECT_EQ(other.Caption(), c->Caption());
    EXPECT_EQ(other.Font()->Color(), 255);
    EXPECT_EQ(other.Width(), 40);
    EXPECT_EQ(other.invalidations, 1);
}

TEST_F(ComponentFixture, DamagedPropertiesFileChangesNothing)
{
    QTemporaryDir dir;
    struct Case {
        const char *name;
        QByteArray body;
        const char *line; // where the message points
    } cases[] = {
        {"a value that does not convert", "File Type = TProbe\r\nLevel = 7\r\nGain = abc\r\n", "Line 3:"},
        {"an unknown name", "Level = 7\r\nNoSuchThing = 1\r\n", "Line 2:"},
        {"an ordinal out of range", "Level = 7\r\nFlag = 4\r\n", "Line 2:"},
        {"no such file", QByteArray(), ""},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.name);
        const QString file = dir.filePath("damaged.txt");
        QFile::remove(file);
        if (!k.body.isNull()) {
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(k.body);
        }
        try {
            c->LoadPropertiesFromFile(file);
            ADD_FAILURE() << "accepted";
        } catch (const Exception &e) {
            EXPECT_TRUE(e.Message().startsWith("Error Loading Properties - ")) << e.Message().toStdString();
            EXPECT_TRUE(e.Message().contains(k.line)) << e.Message().toStdString();
        }
        EXPECT_EQ(c->Level(), 5);
        EXPECT_FALSE(c->GetUpdateActive());
        EXPECT_EQ(Change(), 1); // the control still repaints
    }

    // The old 8-bit form still reads.
    const QString file = dir.filePath("latin1.txt");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Caption = caf\xe9\r\n");
    f.close();
    c->LoadPropertiesFromFile(file);
    EXPECT_EQ(c->Caption(), QString::fromUtf8("caf\xC3\xA9"));
}

TEST_F(ComponentFixture, PrivateTimer)
{
    int ticks = 0;
    c->OnInternalTimer = [&](TObject *) { ++ticks; };
    c->TimerStart(500, 100);
    EXPECT_TRUE(c->GetTimerActive());
    c->TimerStart(10, 10); // a running timer is left as it is
    clock.Advance(499);
    EXPECT_EQ(ticks, 0);
    clock.Advance(1);
    EXPECT_EQ(ticks, 1);
    clock.Advance(100);
    EXPECT_EQ(ticks, 2);
    clock.Advance(250);
    EXPECT_EQ(ticks, 4);
    c->TimerStop();
    EXPECT_FALSE(c->GetTimerActive());
    clock.Advance(1000);
    EXPECT_EQ(ticks, 4);

    c->TimerStart(0, 0);
    EXPECT_FALSE(c->GetTimerActive());
    c->TimerStart(0, 50);
    clock.Advance(50);
    EXPECT_EQ(ticks, 5);
    c->TimerStop();
}

TEST_F(ComponentFixture, InputReachesTheControlOnce)
{
    Key(c->Widget(), Qt::Key_A, "a", Qt::ShiftModifier | Qt::ControlModifier);
    ASSERT_EQ(c->keys.size(), 1u);
    EXPECT_EQ(c->keys[0].first, 'A');
    EXPECT_EQ(c->keys[0].second, (TShiftState{ssShift, ssCtrl}));
    EXPECT_FALSE(c->UserGenerated());

    // Losing the focus ends a drag: the left button released at (0, 0).
    c->mouseUps.clear();
    c->FocusLost();
    ASSERT_EQ(c->mouseUps.size(), 1u);
    EXPECT_EQ(c->mouseUps[0], std::make_tuple(mbLeft, TShiftState{}, 0, 0));
}

TEST_F(ComponentFixture, ImageExport)
{
    const QByteArray png = c->GetBytesPNG(0);
    EXPECT_TRUE(png.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8)));
    QImage back;
    ASSERT_TRUE(back.loadFromData(png, "PNG"));
    EXPECT_EQ(back.size(), QSize(40, 30));
    EXPECT_EQ(back.pixel(20, 15) & 0xFFFFFF, 0xFF0000u);
    EXPECT_LT(c->GetBytesPNG(9).size(), png.size()); // level 9 packs, level 0 stores

    for (bool progressive : {false, true}) {
        const QByteArray jpg = c->GetBytesJPEG(90, progressive);
        EXPECT_TRUE(jpg.startsWith("\xFF\xD8"));
        // Progressive scans carry the SOF2 marker, baseline ones SOF0.
        EXPECT_EQ(jpg.contains(QByteArray("\xFF\xC2", 2)), progressive);
        // The picture object holds the same kind of data and draws the control.
        std::unique_ptr<TJPEGImage> image(c->CreateJPEGImage(90, progressive));
        EXPECT_EQ(image->Data().contains(QByteArray("\xFF\xC2", 2)), progressive);
        EXPECT_EQ(QSize(image->Width(), image->Height()), QSize(40, 30));
        QImage drawn;
        ASSERT_TRUE(drawn.loadFromData(image->Data(), "JPEG"));
        const QColor centre(drawn.pixel(20, 15));
        EXPECT_GT(centre.red(), 240);
        EXPECT_LT(centre.green() + centre.blue(), 30);
    }

    QTemporaryDir dir;
    struct Bad {
        std::function<void()> call;
        const char *message;
    } bad[] = {
        {[&] { c->SaveImageToJPEG(dir.filePath("a.jpg"), 0, false); }, "Compression must be in the range of 1-100"},
        {[&] { c->SaveImageToJPEG(dir.filePath("a.jpg"), 101, false); }, "Compression must be in the range of 1-100"},
        {[&] { c->GetBytesJPEG(101, true); }, "Compression must be in the range of 1-100"},
        {[&] { delete c->CreateJPEGImage(0, true); }, "Compression must be in the range of 1-100"},
        {[&] { c->SaveImageToPNG(dir.filePath("a.png"), 10); }, "Compression must be in the range of 0-9"},
        {[&] { c->GetBytesPNG(-1); }, "Compression must be in the range of 0-9"},
    };
    for (const Bad &b : bad) {
        try {
            b.call();
            ADD_FAILURE() << b.message;
        } catch (const Exception &e) {
            EXPECT_EQ(e.Message(), b.message);
        }
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("a.jpg")));
    c->SaveImageToPNG(dir.filePath("ok.png"), 0);
    EXPECT_TRUE(QFile::exists(dir.filePath("ok.png")));
    // The lock is free again after a refused call.
    c->Lock();
    c->Unlock();
}

TEST_F(ComponentFixture, SetPropertyByPath)
{
    struct Case {
        const char *path;
        QVariant value;
        std::function<bool(TProbe &)> check;
    } cases[] = {
        {"flag", "true", [](TProbe &p) { return p.Flag(); }},
        {"Flag", "2", [](TProbe &p) { return p.Flag(); }},
        {"Flag", "0", [](TProbe &p) { return !p.Flag(); }},
        {"font.color", "255", [](TProbe &p) { return p.Font()->Color() == 255; }},
        {"Gain", 1.5, [](TProbe &p) { return p.Gain() == 1.5; }},
        {"Caption", "x y", [](TProbe &p) { return p.Caption() == "x y"; }},
    };
    for (const Case &k : cases) {
        c->SetFlag(true);
        SetPropertyByPath(c.get(), QString(), k.value, k.path);
        EXPECT_TRUE(k.check(*c)) << k.path << " " << k.value.toString().toStdString();
    }
    EXPECT_THROW(SetPropertyByPath(c.get(), QString(), "abc", "Level"), EConvertError);
    SetPropertyByPath(c.get(), QString(), 1, "NoSuch"); // reaches nothing, raises nothing
}

TEST_F(ComponentFixture, PaintToDeviceAtAnOffset)
{
    QImage img(100, 100, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        c->gPaintToDC(10, 20, false, &p);
        c->raise = true;
        c->gPaintToDC(60, 60, false, &p); // swallowed
    }
    EXPECT_EQ(img.pixel(10, 20) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(img.pixel(49, 49) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(img.pixel(9, 20) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(img.pixel(50, 49) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(img.pixel(70, 70) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_TRUE(c->CachedDrawing()); // restored
}

TEST_F(ComponentFixture, SameBoundsDoNotRepaint)
{
    c->SetBounds(0, 0, 40, 30);
    EXPECT_EQ(c->invalidations, 0);
    c->SetBounds(0, 0, 41, 30);
    EXPECT_EQ(c->invalidations, 1);
}

// Dialog navigation in a form: a plot-library control keeps the keys its
// IsWantedKey claims, and Enter and Escape (its dialog code wants all keys);
// arrows it leaves move the focus among its siblings; a standard edit keeps
// its arrows as before.
TEST(ComponentDialogKeys, WantedKeysStayWithTheControl)
{
    auto form = std::make_unique<TForm>(nullptr, CreateNew);
    form->SetBounds(0, 0, 300, 200);
    auto add = [&](auto *c, int y) {
        c->SetParent(form.get());
        c->SetBounds(0, y, 100, 30);
        return c;
    };
    TgXYPlot *plot = add(new TgXYPlot(form.get()), 0);
    TProbe *keen = add(new TProbe(form.get()), 40); // keeps the arrows and Tab
    TProbe *plain = add(new TProbe(form.get()), 80);
    TEdit *edit = add(new TEdit(form.get()), 120);
    keen->wanted = {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_TAB};
    keen->SetTabStop(true);
    plain->SetTabStop(false); // arrows reach it all the same
    auto *ok = new TButton(form.get());
    ok->SetParent(form.get());
    ok->SetBounds(200, 0, 60, 25);
    ok->SetDefault(true);
    int okClicks = 0;
    ok->OnClick = [&](TObject *) { ++okClicks; };
    std::vector<Word> plotKeys, editKeys;
    plot->OnKeyDown = [&](TObject *, Word &k, TShiftState) { plotKeys.push_back(k); };
    edit->OnKeyDown = [&](TObject *, Word &k, TShiftState) { editKeys.push_back(k); };
    form->Show();
    QApplication::setActiveWindow(form->Widget());

    // The plot claims exactly the four arrows.
    for (Word k : {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN})
        EXPECT_NE(plot->Perform(CM_WANTSPECIALKEY, k), 0) << k;
    EXPECT_EQ(plot->Perform(CM_WANTSPECIALKEY, VK_TAB), 0);
    EXPECT_EQ(plot->Perform(CM_WANTSPECIALKEY, VK_HOME), 0);

    struct Case {
        const char *name;
        TWinControl *from;
        int qtKey;
        Qt::KeyboardModifiers mods;
        TWinControl *focusAfter;
    };
    const Case cases[] = {
        {"plot keeps Left", plot, Qt::Key_Left, Qt::NoModifier, plot},
        {"plot keeps Down", plot, Qt::Key_Down, Qt::NoModifier, plot},
        {"plot leaves Tab", plot, Qt::Key_Tab, Qt::NoModifier, keen},
        {"keen keeps Right", keen, Qt::Key_Right, Qt::NoModifier, keen},
        {"keen keeps Tab", keen, Qt::Key_Tab, Qt::NoModifier, keen},
        {"plain: Right to the next", plain, Qt::Key_Right, Qt::NoModifier, edit},
        {"plain: Down to the next", plain, Qt::Key_Down, Qt::NoModifier, edit},
        {"plain: Up to the previous", plain, Qt::Key_Up, Qt::NoModifier, keen},
        {"plain: Shift+Left to the previous", plain, Qt::Key_Left, Qt::ShiftModifier, keen},
        {"edit keeps Left", edit, Qt::Key_Left, Qt::NoModifier, edit},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        c.from->SetFocus();
        ASSERT_TRUE(c.from->Focused());
        plotKeys.clear();
        editKeys.clear();
        keen->keys.clear();
        plain->keys.clear();
        Key(QApplication::focusWidget(), c.qtKey, QString(), c.mods);
        EXPECT_TRUE(c.focusAfter->Focused());
        const bool kept = c.focusAfter == c.from;
        const size_t seen = c.from == plot ? plotKeys.size()
                            : c.from == edit ? editKeys.size()
                                             : static_cast<TProbe *>(c.from)->keys.size();
        EXPECT_EQ(seen, kept ? 1u : 0u); // a key that moved the focus reached no handler
    }

    // Enter: the plot takes it (the Default button stays unpressed); from
    // the edit it presses the Default button.
    plot->SetFocus();
    plotKeys.clear();
    Key(QApplication::focusWidget(), Qt::Key_Return, "\r");
    EXPECT_EQ(okClicks, 0);
    EXPECT_EQ(plotKeys, std::vector<Word>{VK_RETURN});
    edit->SetFocus();
    Key(QApplication::focusWidget(), Qt::Key_Return, "\r");
    EXPECT_EQ(okClicks, 1);
    QApplication::setActiveWindow(nullptr);
}

// A transparent control shows what lies under it (the form's colour and a
// panel), taken from its window as it paints there, instead of its own
// background colour; its own pictures show the same. A render of the window
// before that paint shows the background colour.
TEST(ComponentTransparency, ShowsWhatLiesUnderIt)
{
    auto form = std::make_unique<TForm>(nullptr, CreateNew);
    form->SetBounds(0, 0, 120, 80);
    form->SetColor(clLime);
    auto *panel = new TPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBevelOuter(bvNone);
    panel->SetColor(clYellow);
    panel->SetBounds(0, 0, 30, 80);
    auto *probe = new TProbe(form.get());
    probe->SetParent(form.get());
    probe->SetBounds(10, 10, 60, 40);
    form->Show();
    const auto at = [&](int x, int y) { return QColor(form->PaintToImage().pixel(x, y)); };
    const auto shows = [&](int x, int y, QColor c) { return PumpUntil([&] { return at(x, y) == c; }); };
    EXPECT_TRUE(shows(50, 30, Qt::red)); // its own background
    probe->SetTransparent(true);
    EXPECT_EQ(at(50, 30), ToQColor(clBtnFace)); // not painted on the window yet
    EXPECT_TRUE(shows(50, 30, Qt::green));
    EXPECT_EQ(at(20, 30), QColor(Qt::yellow));
    const QImage own = QImage::fromData(probe->GetBytesPNG(1));
    EXPECT_EQ(QColor(own.pixel(40, 20)), QColor(Qt::green));
    EXPECT_EQ(QColor(own.pixel(10, 20)), QColor(Qt::yellow));
    // Moved over the panel only: taken again there.
    probe->SetBounds(0, 10, 25, 40);
    EXPECT_TRUE(shows(10, 30, Qt::yellow));
    probe->SetTransparent(false);
    EXPECT_TRUE(shows(10, 30, Qt::red));
}

} // namespace
