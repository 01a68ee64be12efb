// The plot's configuration file: a whole plot saved and rebuilt, the file's
// form, its type check, missing counts, differential saves and toolbars.
#include "FileTestSupport.h"
#include "MessageOf.h"
#include "ShownPlot.h"
#include "gPlotChannelCustom.h"
#include "gPlotLabel.h"
#include "gPlotLegend.h"
#include "gPlotLimit.h"
#include "gPlotToolBar.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"
#include "gPropertyLines.h"
#include "gXYPlot.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct PlotConfigFileTest : ::testing::Test {
    QTemporaryDir dir;
    QString Path(const char *Name) const { return dir.filePath(QString::fromLatin1(Name)); }
    static QStringList Counts(const TgPlotComponent &P)
    {
        return {QString::number(P.ChannelCount()),  QString::number(P.XAxisCount()),
                QString::number(P.YAxisCount()),    QString::number(P.ToolBarCount()),
                QString::number(P.LegendCount()),   QString::number(P.TableCount()),
                QString::number(P.LabelCount()),    QString::number(P.DataViewCount()),
                QString::number(P.DataCursorCount()), QString::number(P.LimitCount()),
                QString::number(P.DataViewZHorz()), QString::number(P.DataViewZVert())};
    }
    // Every setting of the plot and its objects, as the file writes them.
    QString Settings(TgPlotComponent &P)
    {
        const QString file = Path("settings.txt");
        P.SavePropertiesToFile(file);
        return QString::fromUtf8(ReadBytes(file));
    }
};

TEST_F(PlotConfigFileTest, DefaultXYPlotRoundTrip)
{
    TgXYPlot source(nullptr);
    int saved = 0;
    source.OnAfterSaveProperties = [&](TObject *) { ++saved; };
    source.SavePropertiesToFile(Path("plot.txt"));
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(source.LastPropertiesFileName(), Path("plot.txt"));
    const QStringList lines = QString::fromUtf8(ReadBytes(Path("plot.txt"))).split("\r\n");
    EXPECT_EQ(lines.mid(0, 13),
              (QStringList{"File Type = Plot Config", "ChannelCount = 1", "XAxisCount = 1", "YAxisCount = 1",
                           "ToolBarCount = 1", "LegendCount = 1", "TableCount = 0", "LabelCount = 1",
                           "DataViewCount = 1", "DataCursorCount = 1", "LimitCount = 0",
                           QStringLiteral("DataViewZHorz = %1").arg(source.DataViewZHorz()),
                           QStringLiteral("DataViewZVert = %1").arg(source.DataViewZVert())}));
    EXPECT_TRUE(lines.contains("Channel0.TraceLineWidth = 1"));
    EXPECT_TRUE(lines.contains("TitleText = Untitled"));
    EXPECT_FALSE(lines.contains(QStringLiteral("Width = %1").arg(source.Width())));

    TgXYPlot target(nullptr);
    QStringList events;
    target.OnBeforeLoadProperties = [&](TObject *) { events << "before"; };
    target.OnAfterLoadProperties = [&](TObject *) { events << "after"; };
    target.LoadPropertiesFromFile(Path("plot.txt"));
    EXPECT_EQ(events, (QStringList{"before", "after"}));
    EXPECT_EQ(target.LastPropertiesFileName(), Path("plot.txt"));
    EXPECT_EQ(Counts(target), Counts(source));
    EXPECT_EQ(Settings(target), Settings(source));
}

TEST_F(PlotConfigFileTest, ChangedPlotRebuiltInAnother)
{
    TgXYPlot source(nullptr);
    source.GetChannel(source.AddChannel())->SetTitleText("Second");
    source.GetChannel(1)->SetColor(0x00FF00);
    source.GetXAxis(0)->SetTitle("Time");
    source.GetYAxis(source.AddYAxis())->SetTitle("Level");
    source.AddLimit();
    source.AddLabel();
    source.SetTitleText(QString::fromUtf8("Gr\xC3\xBC\xC3\x9F" "e"));
    source.SetBackGroundColor(0x202020);
    source.SetOuterMarginLeft(9);
    source.SavePropertiesToFile(Path("plot.txt"));

    TgXYPlot target(nullptr);
    target.AddLegend();
    target.AddTable();
    target.GetChannel(0)->AddXY(1, 1);
    target.LoadPropertiesFromFile(Path("plot.txt"));
    EXPECT_EQ(Counts(target), Counts(source));
    EXPECT_EQ(target.GetChannel(1)->TitleText(), "Second");
    EXPECT_EQ(target.GetChannel(1)->Color(), 0x00FF00);
    EXPECT_EQ(target.GetYAxis(1)->Title(), "Level");
    EXPECT_EQ(target.TitleText(), source.TitleText());
    EXPECT_EQ(target.OuterMarginLeft(), 9);
    EXPECT_EQ(Settings(target), Settings(source));

    // LF line ends and the old 8-bit form read the same.
    QByteArray old = ReadBytes(Path("plot.txt")).replace("\r\n", "\n");
    old.replace(QString::fromUtf8("Gr\xC3\xBC\xC3\x9F" "e").toUtf8(), "Gr\xFC\xDF" "e");
    WriteBytes(Path("old.txt"), old);
    TgXYPlot third(nullptr);
    third.LoadPropertiesFromFile(Path("old.txt"));
    EXPECT_EQ(third.TitleText(), source.TitleText());
    EXPECT_EQ(Settings(third), Settings(source));
}

TEST_F(PlotConfigFileTest, TypeLineAndMissingCounts)
{
    TgXYPlot source(nullptr);
    source.AddLimit();
    source.AddLimit();
    source.SavePropertiesToFile(Path("plot.txt"));
    const QByteArray bytes = ReadBytes(Path("plot.txt"));

    TgXYPlot lower(nullptr);
    WriteBytes(Path("lower.txt"), QByteArray(bytes).replace("File Type = Plot Config", "file type = plot config"));
    lower.LoadPropertiesFromFile(Path("lower.txt"));
    EXPECT_EQ(lower.LimitCount(), 2);

    TgXYPlot wrong(nullptr);
    WriteBytes(Path("wrong.txt"), QByteArray(bytes).replace("Plot Config", "Plot Channel Config"));
    EXPECT_EQ(MessageOf([&] { wrong.LoadPropertiesFromFile(Path("wrong.txt")); }),
              "Error Loading Properties - Incompatible Plot Configuration File Type");
    EXPECT_EQ(wrong.LastPropertiesFileName(), QString());

    TgXYPlot noLimits(nullptr);
    noLimits.AddLimit();
    WriteBytes(Path("nolimits.txt"), QByteArray(bytes).replace("LimitCount = 2\r\n", ""));
    noLimits.LoadPropertiesFromFile(Path("nolimits.txt"));
    EXPECT_EQ(noLimits.LimitCount(), 0);
    EXPECT_EQ(noLimits.ChannelCount(), 1);
}

TEST_F(PlotConfigFileTest, DifferentialSave)
{
    TgXYPlot plot(nullptr);
    plot.SetDifferentialPropertySave(true);
    plot.GetChannel(0)->SetTitleText("Trace");
    plot.SavePropertiesToFile(Path("diff.txt"));
    const QStringList lines = QString::fromUtf8(ReadBytes(Path("diff.txt"))).split("\r\n");
    QStringList channel;
    for (const QString &l : lines)
        if (l.startsWith("Channel0."))
            channel << l.section(u' ', 0, 0);
    // No ordinal of the channel itself: every one is at its default.
    for (const QString &name : channel) {
        if (name.count(u'.') > 1)
            continue; // the markers' font is not at the font's defaults
        const TTypeKind kind = FindPropertyKind(plot.GetChannel(0), QString(), name.mid(9));
        EXPECT_NE(kind, tkUnknown) << name.toStdString();
        EXPECT_FALSE(kind == tkInteger || kind == tkChar || kind == tkEnumeration || kind == tkSet)
            << name.toStdString();
    }
    EXPECT_TRUE(lines.contains("Channel0.TitleText = Trace"));
    EXPECT_TRUE(lines.contains("ChannelCount = 1")); // counts always
    EXPECT_TRUE(lines.contains(QStringLiteral("DataViewZHorz = %1").arg(plot.DataViewZHorz())));

    TgXYPlot other(nullptr);
    other.GetChannel(0)->SetTraceLineWidth(4);
    other.LoadPropertiesFromFile(Path("diff.txt"));
    EXPECT_EQ(other.GetChannel(0)->TraceLineWidth(), 1); // a new channel: its default
    EXPECT_EQ(other.GetChannel(0)->TitleText(), "Trace");
}

TEST_F(PlotConfigFileTest, EachToolBarSectionGoesToItsToolBar)
{
    TgXYPlot source(nullptr);
    source.AddToolBar();
    source.GetToolBar(0)->SetShowCopyButton(false);
    source.GetToolBar(1)->SetShowSaveButton(false);
    source.GetToolBar(1)->SetShowPauseButton(false);
    source.SavePropertiesToFile(Path("two.txt"));

    TgXYPlot two(nullptr);
    two.AddToolBar();
    two.LoadPropertiesFromFile(Path("two.txt"));
    EXPECT_FALSE(two.GetToolBar(0)->ShowCopyButton());
    EXPECT_TRUE(two.GetToolBar(0)->ShowSaveButton());
    EXPECT_TRUE(two.GetToolBar(0)->ShowPauseButton());
    EXPECT_TRUE(two.GetToolBar(1)->ShowCopyButton());
    EXPECT_FALSE(two.GetToolBar(1)->ShowSaveButton());
    EXPECT_FALSE(two.GetToolBar(1)->ShowPauseButton());

    // A plot with one toolbar takes section 0 and skips section 1.
    TgXYPlot one(nullptr);
    one.LoadPropertiesFromFile(Path("two.txt"));
    EXPECT_EQ(one.ToolBarCount(), 1);
    EXPECT_FALSE(one.GetToolBar(0)->ShowCopyButton());
    EXPECT_TRUE(one.GetToolBar(0)->ShowSaveButton());
    EXPECT_TRUE(one.GetToolBar(0)->ShowPauseButton());
}

TEST_F(PlotConfigFileTest, LoadedPlotIsDrawnWithItsNewObjects)
{
    TgXYPlot source(nullptr);
    source.GetChannel(0)->SetColor(clLime);
    source.GetChannel(0)->SetTraceLineWidth(3);
    source.SavePropertiesToFile(Path("plot.txt"));

    TShownPlot<TgXYPlot> shown;
    shown.plot->GetChannel(0)->SetColor(clYellow);
    shown.plot->LoadPropertiesFromFile(Path("plot.txt"));
    TgPlotChannelCustom *channel = shown.plot->GetChannel(0);
    channel->SetXAxisTrackingEnabled(false);
    channel->SetYAxisTrackingEnabled(false);
    shown.plot->GetXAxis(0)->SetTrackingEnabled(false);
    shown.plot->GetYAxis(0)->SetTrackingEnabled(false);
    shown.plot->GetXAxis(0)->SetMinSpan(0, 100);
    shown.plot->GetYAxis(0)->SetMinSpan(0, 100);
    channel->AddXY(10, 50);
    channel->AddXY(90, 50);
    const QImage image = shown.Shot();
    const QRect view = DataViewFrame(image);
    const QRect trace = BoxOf(image, Rgb(clLime), view);
    ASSERT_FALSE(trace.isNull());
    EXPECT_GE(trace.width(), image.width() / 2);
    EXPECT_LE(trace.height(), 4);
    EXPECT_TRUE(BoxOf(image, Rgb(clYellow), view).isNull());
}

} // namespace
