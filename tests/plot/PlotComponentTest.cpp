// The plot component: default objects, object operations, form streams,
// image lists, the layout pass and the layered paint.
#include "Bitmap.h"
#include "ComponentStream.h"
#include "ImageList.h"
#include "MessageOf.h"
#include "PlotTestObjects.h"
#include "Stream.h"
#include "gPlot.h"
#include "gPlotAnnotation.h"
#include "gPlotDataView.h"
#include "gPlotLabel.h"
#include "gPlotLayoutManager.h"
#include "gPlotMasterManager.h"
#include "gPlotLegend.h"
#include "gPlotToolBar.h"
#include "gPlotXAxis.h"
#include "gXYPlot.h"

#include <QImage>
#include <gtest/gtest.h>
#include <memory>

namespace {

QString SideNames(const std::vector<TgPlotLayoutObject *> &List)
{
    QStringList names;
    for (TgPlotLayoutObject *o : List)
        names << o->Name();
    return names.join(u' ');
}

TEST(PlotComponent, DefaultObjectsOfBothPlots)
{
    for (bool strip : {false, true}) {
        std::unique_ptr<TgPlotComponent> plot(strip ? static_cast<TgPlotComponent *>(new TgPlot(nullptr))
                                                    : new TgXYPlot(nullptr));
        for (int count : {plot->ChannelCount(), plot->XAxisCount(), plot->YAxisCount(), plot->DataViewCount(),
                          plot->DataCursorCount(), plot->LegendCount(), plot->ToolBarCount(), plot->LabelCount()})
            EXPECT_EQ(count, 1);
        EXPECT_EQ(plot->TableCount() + plot->LimitCount() + plot->AnnotationCount(), 0);
        EXPECT_EQ(plot->TitleText(), QStringLiteral("Untitled"));
        EXPECT_EQ(plot->GetToolBar(0)->ZOrder(), 3);
        EXPECT_EQ(plot->GetLegend(0)->ZOrder(), 2);
        // Title before toolbar on top; keys 002000 and 003000.
        const TStringList *top = plot->LayoutManager()->TopList();
        ASSERT_EQ(top->Count(), 2);
        EXPECT_EQ(top->Get(0), QStringLiteral("002000"));
        EXPECT_EQ(top->Get(1), QStringLiteral("003000"));
        EXPECT_EQ(plot->GetUpdateActive(), false);
    }
    TgPlotComponent bare(nullptr);
    EXPECT_EQ(bare.TitleText(), QString());
    bare.SetTitleText(QStringLiteral("x"));
    EXPECT_EQ(bare.LabelCount(), 0);
}

TEST(PlotComponent, LabelsAndTitleAreProtected)
{
    TgXYPlot plot(nullptr);
    plot.AddLabel();
    plot.AddLabel();
    EXPECT_EQ(MessageOf([&] { plot.DeleteLabel(0); }),
              QStringLiteral("Label Index 0 can not be Deleted (Resevered for Title)"));
    EXPECT_EQ(plot.LabelCount(), 3);
    plot.RemoveAllLabels();
    ASSERT_EQ(plot.LabelCount(), 1);
    EXPECT_EQ(plot.GetLabel(0)->Name(), QStringLiteral("Title"));
}

TEST(PlotComponent, EventsCarryTheIndexAndReferencesAreDropped)
{
    TgXYPlot plot(nullptr);
    QStringList events;
    plot.OnAddChannel = [&](TObject *, int i) { events << QStringLiteral("add %1").arg(i); };
    plot.OnRemoveChannel = [&](TObject *, int i) { events << QStringLiteral("remove %1").arg(i); };
    EXPECT_EQ(plot.AddChannel(), 1);
    plot.DeleteChannel(0);
    EXPECT_EQ(events, QStringList({"add 1", "remove 0"}));
    EXPECT_EQ(plot.GetChannel(0)->Name(), QStringLiteral("Channel 2"));
}

TEST(PlotComponent, LoggingGuards)
{
    // Not logging: every setting is taken.
    TgXYPlot plot(nullptr);
    plot.SetDataFileFormat(ipdffCompactInterval);
    plot.SetDataFileColumnSeparator(ipdfcsComma);
    plot.SetLogFileName(QStringLiteral("a.log"));
    EXPECT_EQ(plot.DataFileFormat(), ipdffCompactInterval);
}

TEST(PlotComponent, ImageListSizeRules)
{
    TgXYPlot plot(nullptr);
    const auto bitmap = [](int w, int h, TColor c) {
        auto b = std::make_unique<TBitmap>(w, h);
        b->Canvas()->Brush()->SetColor(c);
        b->Canvas()->FillRect(TRect(0, 0, w, h));
        return b;
    };
    auto first = bitmap(24, 24, clRed);
    plot.ImageListAdd(1, first.get());
    // 16 x 16, bottom-left pixel blue (its transparent colour), a green body.
    auto small = bitmap(16, 16, clLime);
    small->Canvas()->SetPixel(0, 15, clBlue);
    plot.ImageListAdd(1, small.get());
    TCustomImageList *list = plot.GetImageList(1);
    ASSERT_EQ(list->Count(), 2);
    const QImage image = list->Image(1);
    EXPECT_EQ(image.size(), QSize(24, 24));
    EXPECT_EQ(qAlpha(image.pixel(2, 2)), 0);           // padding: transparent
    EXPECT_EQ(image.pixel(10, 10) & 0xFFFFFF, 0x00FF00u); // the bitmap, centred
    EXPECT_EQ(qAlpha(image.pixel(4, 19)), 0);          // its own transparent pixel at (0, 15)
    EXPECT_NE(qAlpha(image.pixel(4, 4)), 0);           // its top-left at (4, 4)
    EXPECT_EQ(qAlpha(image.pixel(3, 4)), 0);

    auto tall = bitmap(24, 30, clRed);
    plot.ImageListAdd(1, tall.get());
    EXPECT_EQ(list->Count(), 3);
    EXPECT_EQ(tall->Height(), 30); // accepted as it is; the list takes its first 24 rows
    // Equal height, three times as wide: a strip of three pictures, in order.
    auto strip = bitmap(72, 24, clRed);
    strip->Canvas()->Brush()->SetColor(clLime);
    strip->Canvas()->FillRect(TRect(24, 0, 48, 24));
    strip->Canvas()->SetPixel(0, 23, clBlue); // its transparent colour
    plot.ImageListAdd(1, strip.get());
    ASSERT_EQ(list->Count(), 6);
    EXPECT_EQ(list->Image(3).pixel(5, 5) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(list->Image(4).pixel(5, 5) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(list->Image(5).pixel(5, 5) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(qAlpha(list->Image(3).pixel(0, 23)), 0);
    // Larger both ways: accepted, one picture of its top-left corner.
    auto large = bitmap(30, 40, clLime);
    large->Canvas()->SetPixel(0, 39, clBlue);
    plot.ImageListAdd(1, large.get());
    ASSERT_EQ(list->Count(), 7);
    EXPECT_EQ(list->Image(6).size(), QSize(24, 24));
    EXPECT_EQ(list->Image(6).pixel(23, 23) & 0xFFFFFF, 0x00FF00u);
    auto wrong = bitmap(20, 30, clRed);
    EXPECT_EQ(MessageOf([&] { plot.ImageListAdd(1, wrong.get()); }),
              QStringLiteral("Image Width and Height must be the same as other images, or both smaller, or both larger"));
    EXPECT_EQ(MessageOf([&] { plot.ImageListAdd(3, wrong.get()); }), QStringLiteral("ImageList Index must be 0-2"));
    EXPECT_EQ(MessageOf([&] { plot.ImageListClear(-1); }), QStringLiteral("ImageList Index must be 0-2"));
}

// The plot written with the component stream and read into a fresh one.
QByteArray WritePlot(TgPlotComponent &Plot)
{
    TMemoryStream stream;
    TWriter writer(&stream);
    writer.WriteProperties(&Plot);
    writer.WriteListEnd();
    stream.SetPosition(0);
    return stream.ReadAll();
}

void ReadPlot(TgPlotComponent &Plot, const QByteArray &Bytes)
{
    TMemoryStream stream;
    stream.WriteBytes(Bytes);
    stream.SetPosition(0);
    TReader reader(&stream);
    Plot.BeginLoading();
    reader.ReadProperties(&Plot);
    Plot.EndLoading();
}

// A new annotation takes the plot's annotation defaults; one made by the
// master manager alone keeps the annotation's own.
TEST(PlotComponent, AddAnnotationCopiesTheDefaults)
{
    TgXYPlot plot(nullptr);
    TgPlotAnnotation *bare = plot.GetAnnotation(plot.Master()->AddAnnotation());
    EXPECT_EQ(bare->PenWidth(), 0);
    EXPECT_EQ(bare->Font()->Name(), QStringLiteral("Arial"));
    EXPECT_EQ(bare->Font()->Color(), clWhite);

    plot.SetAnnotationDefaultPenWidth(3);
    plot.SetAnnotationDefaultPenColor(clRed);
    plot.SetAnnotationDefaultPenStlye(psDot);
    plot.SetAnnotationDefaultBrushColor(clBlue);
    plot.SetAnnotationDefaultBrushStlye(bsClear);
    plot.SetAnnotationDefaultReference(iprtXChannelYDataView);
    plot.SetAnnotationDefaultReferencePositionX(ipriChannel);
    plot.SetAnnotationDefaultReferencePositionY(ipriDataView);
    plot.SetAnnotationDefaultReferenceSizeX(ipriDataView);
    plot.SetAnnotationDefaultReferenceSizeY(ipriChannel);
    TFont font;
    font.SetName(QStringLiteral("Courier New"));
    font.SetSize(14);
    font.SetStyle({fsBold, fsItalic});
    font.SetColor(clYellow);
    plot.SetAnnotationDefaultFont(&font);

    TgPlotAnnotation *a = plot.GetAnnotation(plot.AddAnnotation());
    EXPECT_EQ(plot.AnnotationCount(), 2);
    EXPECT_EQ(a->PenWidth(), 3);
    EXPECT_EQ(a->PenColor(), clRed);
    EXPECT_EQ(a->PenStyle(), psDot);
    EXPECT_EQ(a->BrushColor(), clBlue);
    EXPECT_EQ(a->BrushStyle(), bsClear);
    EXPECT_EQ(a->Reference(), iprtXChannelYDataView);
    EXPECT_EQ(a->ReferencePositionX(), ipriChannel);
    EXPECT_EQ(a->ReferencePositionY(), ipriDataView);
    EXPECT_EQ(a->ReferenceSizeX(), ipriDataView);
    EXPECT_EQ(a->ReferenceSizeY(), ipriChannel);
    EXPECT_TRUE(*a->Font() == font);
    font.SetSize(20); // copied, not shared
    EXPECT_EQ(a->Font()->Size(), 14);
}

TEST(PlotComponent, FormStreamRoundTrip)
{
    QByteArray bytes;
    {
        TgXYPlot plot(nullptr);
        plot.AddChannel();
        plot.GetChannel(1)->SetName(QStringLiteral("Second"));
        plot.GetToolBar(0)->SetZOrder(2); // shares the title's band
        plot.AddTranslation(QStringLiteral("Edit..."), QStringLiteral("Bearbeiten..."));
        TBitmap image(24, 24);
        plot.ImageListAdd(2, &image);
        bytes = WritePlot(plot);
        // Writing leaves the plot live: layout on, no update bracket open.
        EXPECT_TRUE(plot.LayoutManager()->Enabled());
        EXPECT_FALSE(plot.GetUpdateActive());
    }
    EXPECT_FALSE(bytes.contains("TableManager")); // empty managers write nothing
    EXPECT_TRUE(bytes.contains("ChannelManager"));
    TgXYPlot plot(nullptr);
    ReadPlot(plot, bytes);
    ASSERT_EQ(plot.ChannelCount(), 2);
    EXPECT_EQ(plot.GetChannel(1)->Name(), QStringLiteral("Second"));
    EXPECT_EQ(plot.GetToolBar(0)->ZOrder(), 3); // moved outside the title
    EXPECT_EQ(plot.TranslationCount(), 1);
    EXPECT_EQ(plot.GetImageList(2)->Count(), 1);
    EXPECT_TRUE(plot.LayoutManager()->Enabled());
    EXPECT_FALSE(plot.GetUpdateActive());
    EXPECT_EQ(plot.LayoutManager()->TopList()->Count(), 2);
}

TEST(PlotComponent, PlotWithoutObjectsFillsItsBackground)
{
    TgPlotComponent plot(nullptr);
    plot.SetBounds(0, 0, 60, 40);
    plot.SetBorderStyle(ibsNone);
    plot.SetBackGroundColor(clNavy);
    TBitmap bitmap(60, 40);
    bitmap.Canvas()->Brush()->SetColor(clFuchsia);
    bitmap.Canvas()->FillRect(TRect(0, 0, 60, 40));
    plot.PaintToCanvas(bitmap.Canvas());
    EXPECT_EQ(bitmap.Canvas()->Pixels(30, 20), clNavy);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clNavy);
}

struct LayoutFixture : ::testing::Test {
    TgXYPlot plot{nullptr};
    TSizedYAxis *Axis(const char *Name, int Z, double Start, double Stop, int Space, int EndMargin)
    {
        auto *axis = MakePlotObject<TSizedYAxis>(&plot);
        axis->SetName(QString::fromLatin1(Name));
        axis->SetZOrder(Z);
        axis->SetStartStopPercent(Start, Stop);
        axis->space = Space;
        axis->endMargin = EndMargin;
        axis->DoInsert();
        return axis;
    }
    void SetUp() override
    {
        DrawLog().clear();
        plot.SetTitleVisible(false);
        plot.GetYAxis(0)->SetVisible(false);
        plot.GetXAxis(0)->SetVisible(false);
        plot.GetLegend(0)->SetVisible(false);
        plot.DisableLayoutManager();
    }
};

TEST_F(LayoutFixture, BandsStackingAndEndMargins)
{
    TSizedYAxis *s1 = Axis("S1", 0, 0, 50, 30, 7);
    TSizedYAxis *s2 = Axis("S2", 0, 50, 100, 20, 9);
    TSizedYAxis *s3 = Axis("S3", 1, 0, 100, 10, 0);
    plot.EnableLayoutManager();
    plot.ReCalcLayout();
    EXPECT_EQ(SideNames(plot.VisibleList(TgPlotComponent::isLeft)), QStringLiteral("S1 S2 S3"));
    EXPECT_TRUE(s1->StopStacked());
    EXPECT_FALSE(s1->StartStacked());
    EXPECT_TRUE(s2->StartStacked());
    // Left 40 + border 2 + margin 5; the top takes the toolbar's 36 and the
    // stop-end margin 9 once more (only a toolbar on top); the bottom the
    // start-end margin 7.
    const TRect area = plot.GetDataView(0)->DrawRect();
    EXPECT_EQ(area.Left, 47);
    EXPECT_EQ(area.Top, 36 + 2 + 5 + 9);
    EXPECT_EQ(area.Right, 492);
    EXPECT_EQ(area.Bottom, 185);
    EXPECT_EQ(s3->DrawRect().Left, 37);
    EXPECT_EQ(s3->DrawRect().Right, 47);
    EXPECT_EQ(s1->DrawRect().Left, 7);
    EXPECT_EQ(s1->DrawRect().Right, 37);
    EXPECT_EQ(s1->DrawRect().Top, 119); // 185 - 133 / 2, halves to even
    EXPECT_EQ(s1->DrawRect().Bottom, 185);
    EXPECT_EQ(s2->DrawRect().Top, 52);
    EXPECT_EQ(s2->DrawRect().Bottom, 119);
    const TRect toolBar = plot.GetToolBar(0)->DrawRect();
    EXPECT_EQ(toolBar.Top, 2);
    EXPECT_EQ(toolBar.Left, 2);
    EXPECT_EQ(toolBar.Right, 497);
    // Outer objects draw; hidden ones are laid out but not drawn.
    EXPECT_TRUE(DrawLog().contains(QStringLiteral("S1")));
}

TEST_F(LayoutFixture, LaterChannelOfALayerDrawnFirst)
{
    plot.EnableLayoutManager();
    plot.Master()->SetChannelClass(&CreateChannelOf<TLogChannel>);
    plot.RemoveAllChannels();
    plot.AddChannel();
    plot.AddChannel();
    plot.GetChannel(0)->SetColor(clRed);
    plot.GetChannel(1)->SetColor(clBlue);
    TBitmap bitmap(plot.Width(), plot.Height());
    plot.PaintToCanvas(bitmap.Canvas());
    EXPECT_EQ(DrawLog(), QStringList({"Channel 2", "Channel 1"}));
    // Channel 1 ends on top, inside the data view only.
    const TRect v = plot.GetDataView(0)->DrawRect();
    EXPECT_EQ(bitmap.Canvas()->Pixels((v.Left + v.Right) / 2, (v.Top + v.Bottom) / 2), clRed);
    EXPECT_NE(bitmap.Canvas()->Pixels(1, 1), clRed);
}

} // namespace
