// Every caption of every window (and every value box's value), in English
// and in Chinese, as the user sees it: each one drawn whole inside its control, and clear of every other
// caption; no control cut by its parent, no windowed control lying under a
// sibling. Where a caption is drawn is found from the pixels: the window is
// rendered with the caption and without it, and the pixels that differ are
// its ink; a caption is whole when that ink is as wide and as high as the
// same text drawn alone in the control's own font. Captions of later states
// (messages, the online link button, inverted polarity) are walked too.
#include "EditorWindowsFixture.h"
#include "RenderedInk.h"
#include "WindowTour.h"

#include "ComboBox.h"
#include "Edit.h"
#include "Label.h"
#include "ListBox.h"
#include "Memo.h"
#include "RichEdit.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

// What the original layout shows the same way: its own sizes cannot do
// otherwise with the metric-compatible fonts.
struct Allowed {
    const char *language; // "en", "zh" or "*"
    const char *control;
    const char *what; // the start of the finding
    const char *reason;
};

const Allowed kAllowed[] = {
    {"*", "skgMain", "lies under skgPreset",
     "the layout stands the preset area (top 626, 38 high) on the main frame's lower edge (top 39, 629 high)"},
};

// Captions the windows show in other states than at start, each walked in
// its window: a key of the language tables, or a text as it stands.
struct Variant {
    const char *window; // a dialog of the tour, or "main" with its pages
    const char *control;
    std::vector<const char *> texts;
    bool sid;
};

const std::vector<Variant> &Variants()
{
    static const std::vector<Variant> v = {
        {"information", "lbMessage",
         {"SID_INFO_CON_FIRST", "SID_INFO_NO_SAVE_EXIST", "SID_INFO_ERROR_CMD", "SID_INFO_ERROR_FILE",
          "SID_INFO_ERROR_UNIT", "SID_INFO_ERROR_VERSION", "SID_INFO_ERROR_DOWNLAOD", "SID_ID_NUMBER_ERROR"},
         true},
        {"connect", "lblScan", {"SID_SCAN_USB", "SID_SCAN_NET", "SID_NO_DEVICE", "SID_LINK_BROKEN"}, true},
        {"connect", "lblScan", {"Connecting IP:255.255.255.255", "Network Connecting"}, false},
        {"connect", "lblDeviceID", {"12/12"}, false},
        {"main", "skbMenuLink", {"SID_ONLINE"}, true},
        {"main", "skbPhaseInA", {"SID_PHASE_ON"}, true},
        {"main", "skbPhaseBackupInA", {"SID_PHASE_ON"}, true},
        // The widest values of the dynamics pages' boxes.
        {"main", "cvdCompThresholdOut1", {"+20.0dB", "-90.0dB"}, false},
        {"main", "cvdCompAttackOut1", {"999ms"}, false},
        {"main", "cvdCompReleaseOut1", {"3000ms"}, false},
        {"main", "cvdCompRatioOut1", {"1:1.5", "Limit"}, false},
        {"main", "cvdCompKneeOut1", {"12dB"}, false},
        {"main", "cvdLimitThresholdOut8", {"+20.0dB", "-90.0dB"}, false},
        {"main", "cvdLimitAttackOut8", {"999ms"}, false},
        {"main", "cvdLimitReleaseOut8", {"3000ms"}, false},
    };
    return v;
}

struct Ink {
    TControl *control = nullptr;
    QRect inSight; // the part of the area its parents show
    QString caption;
    QRect box;  // the caption's ink in the window's coordinates; empty when nothing shows
    QRect shown; // the same in the window's device pixels
    qreal scale = 1; // device pixels per pixel
    QRect area; // the control in the window's coordinates
    QSize whole; // the ink of the same text drawn alone, in device pixels
};

// The ink size of Text drawn alone, black on white, in Font at the
// window's scale, in device pixels; wrapped at WrapWidth when that is above 0.
QSize WholeInk(const QFont &Font, const QString &Text, int WrapWidth, qreal Scale)
{
    const QFontMetrics fm(Font);
    const int flags = WrapWidth > 0 ? Qt::TextWordWrap : 0;
    const QRect need = fm.boundingRect(QRect(0, 0, WrapWidth > 0 ? WrapWidth : 4000, 4000), flags, Text);
    QImage white(int((need.width() + 40) * Scale), int((need.height() + 40) * Scale), QImage::Format_RGB32);
    white.setDevicePixelRatio(Scale);
    white.fill(Qt::white);
    QImage black = white;
    {
        QPainter p(&black);
        p.setFont(Font);
        p.setPen(Qt::black);
        p.drawText(QRect(20, 20, WrapWidth > 0 ? WrapWidth : need.width() + 10, need.height() + 10), flags, Text);
    }
    return DiffBox(white, black, QPoint()).size();
}

bool DrawsNoCaption(TControl *C)
{
    // Lists and many-line fields show values, not captions; a form's caption
    // is its window title. A one-line field's text is read as its caption.
    // A value box's inner field is read with the box.
    return dynamic_cast<TCustomForm *>(C) || dynamic_cast<TCustomComboBox *>(C) || dynamic_cast<TMemo *>(C) ||
           dynamic_cast<TListBox *>(C) || dynamic_cast<TRichEdit *>(C) || dynamic_cast<TRoundedEdit *>(C->Parent());
}

// A one-line field measured without its selection and its blinking caret,
// as it shows its text to a reader.
struct PlainField {
    QLineEdit *line = nullptr;
    bool readOnly = false;
    int start = -1, length = 0, cursor = 0;
    explicit PlainField(TControl *C)
    {
        auto *edit = dynamic_cast<TEdit *>(C);
        line = edit ? qobject_cast<QLineEdit *>(edit->Widget()) : nullptr;
        if (!line)
            return;
        readOnly = line->isReadOnly();
        start = line->selectionStart();
        length = line->selectedText().size();
        cursor = line->cursorPosition();
        line->deselect();
        line->setReadOnly(true);
    }
    ~PlainField()
    {
        if (!line)
            return;
        line->setReadOnly(readOnly);
        if (start >= 0)
            line->setSelection(start, length);
        else
            line->setCursorPosition(cursor);
    }
};

// The control's caption as shown: its ink, found by rendering the window
// around it with and without the caption.
Ink Measure(TControl *C, QWidget *Window)
{
    const PlainField plain(C);
    Ink ink;
    ink.control = C;
    ink.caption = ShownText(C);
    ink.area = AreaInWindow(C, Window);
    ink.inSight = ink.area;
    for (QWidget *w = C->Parent()->Widget(); w && w != Window; w = w->parentWidget())
        ink.inSight &= QRect(w->mapTo(Window, QPoint(0, 0)), w->size());
    auto *label = dynamic_cast<TCustomLabel *>(C);
    ink.whole = WholeInk(DrawingFont(C), StripAccelerators(ink.caption), label && label->WordWrap() ? C->Width() : 0,
                         Window->devicePixelRatioF());
    ink.box = CaptionInk(C, Window, &ink.shown);
    ink.scale = Window->devicePixelRatioF();
    return ink;
}

// False when the control's parent is out of sight where the control
// stands: a frame of a page not shown lies under the shown page's frame.
bool ParentInSight(TControl *C, QWidget *Window)
{
    QWidget *parent = C->Parent()->Widget();
    const QRect area = AreaInWindow(C, Window);
    for (QWidget *w = Window->childAt(area.center()); w; w = w->parentWidget())
        if (w == parent)
            return true;
    return Window->childAt(area.center()) == nullptr && parent == Window;
}

void Collect(TWinControl *Parent, QWidget *Window, std::vector<Ink> &Out)
{
    for (int i = 0; i < Parent->ControlCount(); ++i) {
        TControl *c = Parent->Controls(i);
        if (!c->Visible() || !ParentInSight(c, Window))
            continue;
        if (!ShownText(c).trimmed().isEmpty() && !DrawsNoCaption(c))
            Out.push_back(Measure(c, Window));
        if (auto *w = dynamic_cast<TWinControl *>(c))
            Collect(w, Window, Out);
    }
}

// An area in device pixels; with a fractional scale its edges may fall
// either way by a device pixel.
QRect ScaledOut(const QRect &Area, qreal Scale)
{
    const QRect r = QRectF(Area.x() * Scale, Area.y() * Scale, Area.width() * Scale, Area.height() * Scale).toAlignedRect();
    return Scale == 1 ? r : r.adjusted(-1, -1, 1, 1);
}

struct Finding {
    QString language, window, control, caption, what;
};

// Each caption that is cut, not drawn, runs out of its control or touches
// another caption.
void Judge(const std::vector<Ink> &Inks, const QString &Language, const QString &Window,
           std::vector<Finding> &Out)
{
    for (const Ink &i : Inks) {
        const QString name = i.control->Name();
        auto add = [&](const QString &what) { Out.push_back({Language, Window, name, i.caption, what}); };
        if (i.inSight != i.area)
            add(QString("control cut by its parent: %1 x %2 of %3 x %4 in sight")
                    .arg(i.inSight.width()).arg(i.inSight.height()).arg(i.area.width()).arg(i.area.height()));
        if (i.box.isEmpty()) {
            add("not drawn");
            continue;
        }
        // Text at a fractional scale lands between device pixels: its faint
        // edge columns may fall below the ink threshold.
        const int slack = i.scale == 1 ? 1 : 2;
        if (i.shown.width() < i.whole.width() - slack || i.shown.height() < i.whole.height() - slack)
            add(QString("cut: %1 x %2 of %3 x %4 shown")
                    .arg(i.shown.width()).arg(i.shown.height()).arg(i.whole.width()).arg(i.whole.height()));
        else if (!ScaledOut(i.area, i.scale).contains(i.shown))
            add(QString("runs out of its %1 x %2 control").arg(i.area.width()).arg(i.area.height()));
    }
    for (size_t a = 0; a < Inks.size(); ++a)
        for (size_t b = a + 1; b < Inks.size(); ++b) {
            const QRect &p = Inks[a].box, &q = Inks[b].box;
            // Less than a pixel apart reads as one word.
            if (!p.isEmpty() && !q.isEmpty() && p.adjusted(-1, 0, 1, 0).intersects(q))
                Out.push_back({Language, Window, Inks[a].control->Name(), Inks[a].caption,
                               "touches " + Inks[b].control->Name() + " \"" + Inks[b].caption + "\""});
        }
}

// Windowed siblings that cover part of each other: the one below is cut.
// Frames stacked on the very same place are pages, one shown at a time.
void Overlaps(TWinControl *Parent, const QString &Language, const QString &Window, std::vector<Finding> &Out)
{
    std::vector<TWinControl *> shown;
    for (int i = 0; i < Parent->ControlCount(); ++i)
        if (auto *w = dynamic_cast<TWinControl *>(Parent->Controls(i)); w && w->Visible()) {
            for (TWinControl *o : shown)
                if (o->BoundsRect() != w->BoundsRect() && ToQRect(o->BoundsRect()).intersects(ToQRect(w->BoundsRect())))
                    Out.push_back({Language, Window, o->Name(), o->Caption(), "lies under " + w->Name()});
            shown.push_back(w);
            Overlaps(w, Language, Window, Out);
        }
}

void Walk(TCustomForm *Form, const QString &Language, const QString &Window, std::vector<Finding> &Out)
{
    QApplication::processEvents();
    std::vector<Ink> inks;
    Collect(Form, Form->WindowWidget(), inks);
    Judge(inks, Language, Window, Out);
    Overlaps(Form, Language, Window, Out);
}

bool IsAllowed(const Finding &F)
{
    for (const Allowed &a : kAllowed)
        if (F.control == QLatin1String(a.control) && F.what.startsWith(QLatin1String(a.what)) &&
            (QLatin1String(a.language) == QLatin1String("*") || F.language.startsWith(QLatin1String(a.language))))
            return true;
    return false;
}

TCustomForm *TourForm(const QString &Name)
{
    if (Name == "main")
        return fmMain;
    for (auto [name, form] : TourDialogs())
        if (Name == QLatin1String(name))
            return form;
    return nullptr;
}

TControl *Named(TComponent *Owner, const QString &Name)
{
    if (Owner == fmMain)
        return fmMain->FindControl(Name);
    for (int i = 0; i < Owner->ComponentCount(); ++i)
        if (Owner->Components(i)->Name() == Name)
            return dynamic_cast<TControl *>(Owner->Components(i));
    return nullptr;
}

// Walks one window as shown: the main window page by page (those that show
// Only, when given), a dialog shown for the walk.
void WalkWindow(const QString &Name, const QString &Language, std::vector<Finding> &Out, TControl *Only = nullptr)
{
    TCustomForm *form = TourForm(Name);
    if (Name == "main") {
        PageNavigation *nav = TourNavigation();
        for (int page = 0; page < PageNavigation::kPages; ++page) {
            nav->ShowPage(page);
            if (!Only || Only->Showing())
                Walk(fmMain, Language, QString("page %1").arg(page), Out);
        }
        return;
    }
    const bool shown = form->Visible();
    form->Show();
    Walk(form, Language, Name, Out);
    if (!shown)
        form->Hide();
}

// The other states' captions: each text put on its control, the window
// walked, the caption put back.
void WalkVariants(const QString &Language, std::vector<Finding> &Out)
{
    for (const Variant &v : Variants()) {
        TCustomForm *form = TourForm(QLatin1String(v.window));
        TControl *c = form ? Named(form, QLatin1String(v.control)) : nullptr;
        if (!c) {
            ADD_FAILURE() << "no control " << v.control << " in " << v.window;
            continue;
        }
        const QString was = ShownText(c);
        for (const char *text : v.texts) {
            SetShownText(c, v.sid ? fmMain->TranslateQ(text) : QString::fromUtf8(text));
            std::vector<Finding> found;
            WalkWindow(QLatin1String(v.window), Language, found, c);
            for (const Finding &f : found)
                if (f.control == c->Name())
                    Out.push_back(f);
        }
        SetShownText(c, was);
    }
}

using CaptionFit = OfflineEditorWindows;

// The main window at its base size and grown (its pages stretch), each
// dialog as it is; in both languages. CTest runs it once more at a scale
// factor of 1.25.
TEST_F(CaptionFit, EveryCaptionOfEveryWindowShowsWholeAndApart)
{
    fmMain->Show();
    std::vector<Finding> found;
    for (const char *language : {"English", "ChineseGB"}) {
        fmMain->SetLanguage(language);
        const QString lang = QString(language) == "English" ? "en" : "zh";
        ASSERT_NE(TourNavigation(), nullptr);
        for (const QSize size : {QSize(1118, 720), QSize(1380, 960)}) {
            fmMain->SetBounds(fmMain->Left(), fmMain->Top(), size.width(), size.height());
            QApplication::processEvents();
            const QString at = QString("%1 %2x%3").arg(lang).arg(size.width()).arg(size.height());
            WalkWindow("main", at, found);
            WalkVariants(at, found);
        }
        fmMain->SetBounds(fmMain->Left(), fmMain->Top(), 1118, 720);
        for (auto [name, form] : TourDialogs())
            WalkWindow(QLatin1String(name), lang, found);
    }
    // A control of the main window shows on many pages: one line each.
    std::set<QString> seen;
    QStringList report;
    for (const Finding &f : found) {
        const QString key = f.language + '/' + f.control + '/' + f.what;
        if (IsAllowed(f) || !seen.insert(key).second)
            continue;
        report << QString("%1 %2 %3 \"%4\": %5").arg(f.language, f.window, f.control, f.caption, f.what);
    }
    EXPECT_TRUE(report.isEmpty()) << report.size() << " captions:\n" << report.join('\n').toStdString();
}

} // namespace
