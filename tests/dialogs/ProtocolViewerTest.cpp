#include "RenderCheck.h"

#include "ProtocolDocument.h"
#include "ScrollBox.h"
#include "SmOfficeImage.h"
#include "TProtocolViewer.h"
#include "VirtualKeys.h"
#include "rtflabel.h"

#include <QApplication>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {
int Bottom(TProtocolViewer &v)
{
    return v.ScrollBox->VertScrollBar()->MaxPosition();
}
} // namespace

TEST(ProtocolViewer, WideWindowCentresTextAndPictures)
{
    TfmRs232CodeEnglish v(nullptr);
    v.Show();
    ASSERT_EQ(v.SmOfficeImages.size(), size_t(TProtocolViewer::kPictures));
    struct Case {
        int width, left;
    } cases[] = {{1000, 175}, {755, 52}, {600, 50}, {749, 50}, {1001, 175}};
    for (const Case &c : cases) {
        v.SetClientWidth(c.width);
        EXPECT_EQ(v.RTFLabel->Left(), c.left) << c.width;
        for (TSmOfficeImage *img : v.SmOfficeImages)
            EXPECT_EQ(img->Left(), c.left) << c.width;
    }
}

TEST(ProtocolViewer, KeysAndWheelScrollByTheirSteps)
{
    TfmRs232Code v(nullptr);
    v.Show();
    TControlScrollBar *vert = v.ScrollBox->VertScrollBar();
    ASSERT_GT(Bottom(v), v.ClientHeight() + 60); // room for the page steps below
    const int labelTop = v.RTFLabel->Top();
    struct Step {
        Word key;
        int expected;
    } steps[] = {{VK_DOWN, 30}, {VK_DOWN, 60}, {VK_UP, 30}, {VK_NEXT, 30 + v.ClientHeight()}, {VK_PRIOR, 30},
                 {VK_UP, 0},    {VK_UP, 0}};
    for (const Step &s : steps) {
        EXPECT_TRUE(v.ScrollKey(s.key));
        EXPECT_EQ(vert->Position(), s.expected) << s.key;
        EXPECT_EQ(v.RTFLabel->Top(), labelTop - s.expected);
    }
    EXPECT_FALSE(v.ScrollKey('A'));

    // Page Down at the end stays at the end.
    for (int i = 0; i < 20; ++i)
        v.ScrollKey(VK_NEXT);
    EXPECT_EQ(vert->Position(), Bottom(v));
    v.ScrollKey(VK_NEXT);
    EXPECT_EQ(vert->Position(), Bottom(v));

    // The wheel: 30 per notch.
    vert->SetPosition(300);
    QWidget *w = v.ScrollBox->Widget();
    QWheelEvent down(QPointF(10, 10), w->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &down);
    EXPECT_EQ(vert->Position(), 330);
    QWheelEvent up(QPointF(10, 10), w->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &up);
    EXPECT_EQ(vert->Position(), 300);
}

TEST(ProtocolViewer, ClosingRestoresTheDesignSize)
{
    TfmRs232CodeEnglish v(nullptr);
    v.Show();
    v.SetClientWidth(1200);
    v.SetClientHeight(900);
    v.Close();
    v.Show();
    EXPECT_EQ(v.ClientWidth(), 755);
    EXPECT_EQ(v.ClientHeight(), 666);
    EXPECT_FALSE(v.WindowWidget()->windowState() & Qt::WindowMaximized);
}

TEST(ProtocolViewer, BothDocumentsRenderTextAndPictures)
{
    for (bool english : {true, false}) {
        const auto sections = ProtocolSections(english);
        ASSERT_EQ(sections.size(), size_t(TProtocolViewer::kPictures));
        const QByteArray rtf = ProtocolRtf(sections);
        EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
        EXPECT_EQ(rtf.contains("\\u"), !english); // Chinese characters as escapes, English plain
        std::unique_ptr<TProtocolViewer> v;
        if (english)
            v = std::make_unique<TfmRs232CodeEnglish>(nullptr);
        else
            v = std::make_unique<TfmRs232Code>(nullptr);
        v->Show();
        const QImage top = RenderForm(*v, english ? "viewer-en-top" : "viewer-zh-top");
        // Dark text pixels in the text column.
        int dark = 0;
        for (int y = 24; y < 300; ++y)
            for (int x = 50; x < 680; ++x)
                dark += qGray(top.pixel(x, y)) < 100;
        EXPECT_GT(dark, 200) << english;
        v->ScrollBox->VertScrollBar()->SetPosition(v->SmOfficeImages[0]->Top() + v->ScrollBox->VertScrollBar()->Position());
        const QImage pictures = RenderForm(*v, english ? "viewer-en-pictures" : "viewer-zh-pictures");
        EXPECT_EQ(v->SmOfficeImages[0]->Top(), 0);
        EXPECT_GT(DistinctColours(pictures.copy(50, 0, 630, 84)), 3) << english;
    }
}

// Each picture sits in the room its section leaves under its last paragraph:
// no text lies under a picture (hidden, its place is blank), and a section's
// text stands between one picture and the next.
TEST(ProtocolViewer, PicturesStandBetweenTheParagraphs)
{
    for (bool english : {true, false}) {
        std::unique_ptr<TProtocolViewer> v;
        if (english)
            v = std::make_unique<TfmRs232CodeEnglish>(nullptr);
        else
            v = std::make_unique<TfmRs232Code>(nullptr);
        v->SetClientHeight(300);
        v->Show();
        TControlScrollBar *vert = v->ScrollBox->VertScrollBar();
        const auto dark = [](const QImage &img, int top, int bottom) {
            int n = 0;
            for (int y = std::max(top, 0); y < std::min(bottom, img.height()); ++y)
                for (int x = 50; x < 680; ++x)
                    n += qGray(img.pixel(x, y)) < 100;
            return n;
        };
        for (int i = 0; i < TProtocolViewer::kPictures; ++i) {
            TSmOfficeImage *img = v->SmOfficeImages[size_t(i)];
            vert->SetPosition(img->Top() + vert->Position() - 10);
            // The end of the range may hold the last one lower.
            const int below = i + 1 < TProtocolViewer::kPictures ? 60 : 0;
            ASSERT_LE(img->Top() + img->Height() + below, v->ClientHeight()) << i;
            img->SetVisible(false);
            const QImage hidden = v->Widget()->grab().toImage();
            img->SetVisible(true);
            EXPECT_EQ(dark(hidden, img->Top(), img->Top() + img->Height()), 0) << english << " picture " << i;
            if (i + 1 < TProtocolViewer::kPictures) {
                const int next = v->SmOfficeImages[size_t(i) + 1]->Top();
                ASSERT_GT(next, img->Top() + img->Height()) << i;
                const QImage shown = v->Widget()->grab().toImage();
                EXPECT_GT(dark(shown, img->Top() + img->Height(), next), 100) << english << " after picture " << i;
            }
        }
        // The last picture lies inside the label, which holds the whole document.
        TSmOfficeImage *last = v->SmOfficeImages.back();
        EXPECT_LE(last->Top() + last->Height(), v->RTFLabel->Top() + v->RTFLabel->Height());
    }
}
