// The plot's data files in both forms, its log files, bulk data, transfers
// between channels and the annotations file.
#include "FileTestSupport.h"
#include "MessageOf.h"
#include "gPlot.h"
#include "gPlotDataFile.h"
#include "gPlotAnnotation.h"
#include "gPlotChannel.h"
#include "gXYPlot.h"
#include "gXYPlotChannel.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

QStringList Lines(const QByteArray &Bytes)
{
    QStringList lines = QString::fromUtf8(Bytes).split("\r\n");
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// A plot of N channels (none of them holding points) titled A, B, C, ...
template <class P>
void Prepare(P &Plot, int N)
{
    while (Plot.ChannelCount() < N)
        Plot.AddChannel();
    for (int c = 0; c < N; ++c)
        Plot.GetChannel(c)->SetTitleText(QString(QChar(u'A' + c)));
}

struct PlotDataFileTest : ::testing::Test {
    QTemporaryDir dir;
    QString Path(const char *Name) const { return dir.filePath(QString::fromLatin1(Name)); }
};

TEST_F(PlotDataFileTest, TextFormWithTabs)
{
    TgXYPlot plot(nullptr);
    Prepare(plot, 2);
    for (int i = 0; i < 3; ++i)
        plot.GetChannel(0)->AddXY(i, i * 1.5);
    plot.GetChannel(1)->AddXY(10, -0.25);
    int saved = 0;
    plot.OnAfterSaveData = [&](TObject *) { ++saved; };
    plot.SaveDataToFile(Path("data.txt"));
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(plot.LastDataFileName(), Path("data.txt"));
    EXPECT_EQ(Lines(ReadBytes(Path("data.txt"))),
              (QStringList{"A(X)\tA(Y)\tB(X)\tB(Y)", "0\t0\t10\t-0.25", "1\t1.5\t\t", "2\t3\t\t"}));

    TgXYPlot other(nullptr);
    Prepare(other, 2);
    int loaded = 0;
    other.OnAfterLoadData = [&](TObject *) { ++loaded; };
    other.LoadDataFromFile(Path("data.txt"));
    EXPECT_EQ(loaded, 1);
    EXPECT_EQ(PointTexts(other.GetChannel(0)), PointTexts(plot.GetChannel(0)));
    EXPECT_EQ(PointTexts(other.GetChannel(1)), PointTexts(plot.GetChannel(1)));
    other.LoadDataFromFile(Path("data.txt")); // appends
    EXPECT_EQ(other.GetChannel(0)->Count(), 6);

    plot.SetDataFileColumnSeparator(ipdfcsComma);
    plot.SaveDataToFile(Path("comma.txt"));
    EXPECT_EQ(Lines(ReadBytes(Path("comma.txt"))).at(2), "1,1.5,,");
}

// A load that replaces the data reads and checks the whole file before the
// points it replaces go: a damaged file, or one a strip chart's X order
// would refuse after its own points but not in their place, keeps or
// replaces the data as a whole.
TEST_F(PlotDataFileTest, ReplacingLoadKeepsTheDataOnABadFile)
{
    TgPlot plot(nullptr);
    Prepare(plot, 2);
    static_cast<TgPlotChannel *>(plot.GetChannel(0))->SetAllowOutOfOrderXValues(false);
    for (int i = 0; i < 3; ++i)
        plot.GetChannel(0)->AddXY(10 + i, i);
    plot.GetChannel(1)->AddXY(5, 1);
    const QStringList before = PointTexts(plot.GetChannel(0));
    WriteBytes(Path("bad.txt"), "A(X)\tA(Y)\tB(X)\tB(Y)\r\n0\t1\t0\t2\r\n1\tabc\t1\t3\r\n");
    EXPECT_TRUE(MessageOf([&] { plot.LoadDataFromFile(Path("bad.txt"), true); }).startsWith("Error Loading Data - "));
    EXPECT_EQ(PointTexts(plot.GetChannel(0)), before);
    EXPECT_EQ(plot.GetChannel(1)->Count(), 1);

    // X from 0 up: out of order after the points held, in order in their place.
    WriteBytes(Path("good.txt"), "A(X)\tA(Y)\tB(X)\tB(Y)\r\n0\t1\t0\t2\r\n1\t4\t1\t3\r\n");
    EXPECT_TRUE(MessageOf([&] { plot.LoadDataFromFile(Path("good.txt")); }).contains("out of order"));
    EXPECT_EQ(PointTexts(plot.GetChannel(0)), before);
    plot.LoadDataFromFile(Path("good.txt"), true);
    EXPECT_EQ(PointTexts(plot.GetChannel(1)), QStringList({"0 2", "1 3"}));
    EXPECT_EQ(PointTexts(plot.GetChannel(0)), QStringList({"0 1", "1 4"}));
}

TEST_F(PlotDataFileTest, NullAndEmptyPointsComeBack)
{
    TgPlot plot(nullptr);
    Prepare(plot, 2);
    TgPlotChannel *a = plot.GetChannel(0), *b = plot.GetChannel(1);
    a->AddXY(1, 2);
    a->AddXNull(2);
    a->AddXEmpty(3);
    a->AddXY(4, 1e-300 * 3);
    b->AddXEmpty(7);
    for (TgPlotDataFileColumnSeparator separator : {ipdfcsTab, ipdfcsComma}) {
        plot.SetDataFileColumnSeparator(separator);
        plot.SaveDataToFile(Path("flags.txt"));
        TgPlot other(nullptr);
        Prepare(other, 2);
        other.LoadDataFromFile(Path("flags.txt"));
        EXPECT_EQ(PointTexts(other.GetChannel(0)), (QStringList{"1 2", "2 0 null", "3 0 empty", "4 3e-300"}));
        EXPECT_EQ(PointTexts(other.GetChannel(1)), QStringList{"7 0 empty"});
    }
}

TEST_F(PlotDataFileTest, BlankFirstTitleIsNoLogHeader)
{
    TgXYPlot plot(nullptr);
    Prepare(plot, 2);
    plot.GetChannel(0)->SetTitleText("");
    plot.GetChannel(0)->AddXY(1, 10);
    plot.GetChannel(1)->AddXY(2, 20);
    plot.SaveDataToFile(Path("blank.txt"));
    const QString name = plot.GetChannel(0)->Name();
    EXPECT_EQ(Lines(ReadBytes(Path("blank.txt"))).first(), name + "(X)\t" + name + "(Y)\tB(X)\tB(Y)");

    TgXYPlot other(nullptr);
    Prepare(other, 2);
    other.LoadDataFromFile(Path("blank.txt"));
    EXPECT_EQ(PointTexts(other.GetChannel(0)), QStringList{"1 10"});
    EXPECT_EQ(PointTexts(other.GetChannel(1)), QStringList{"2 20"});

    // A header that starts with "(X)" but has a field per channel that is
    // not a log's "(Y)" is read as data too.
    WriteBytes(Path("x.txt"), "(X)\t(Y)\tB(X)\tB(Y)\r\n1\t10\t2\t20\r\n");
    TgXYPlot third(nullptr);
    Prepare(third, 2);
    third.LoadDataFromFile(Path("x.txt"));
    EXPECT_EQ(PointTexts(third.GetChannel(1)), QStringList{"2 20"});
}

TEST_F(PlotDataFileTest, DecimalCommaLocale)
{
    TGermanNumbers german;
    TgXYPlot plot(nullptr);
    Prepare(plot, 1);
    plot.GetChannel(0)->AddXY(1.5, -2.25);
    plot.GetChannel(0)->AddXY(1e20, 0.001);
    plot.SaveDataToFile(Path("de.txt"));
    EXPECT_EQ(Lines(ReadBytes(Path("de.txt"))), (QStringList{"A(X)\tA(Y)", "1.5\t-2.25", "1E20\t0.001"}));
    TgXYPlot other(nullptr);
    Prepare(other, 1);
    other.LoadDataFromFile(Path("de.txt"));
    EXPECT_EQ(PointTexts(other.GetChannel(0)), PointTexts(plot.GetChannel(0)));

    // Files written with a decimal comma elsewhere: TAB columns only.
    WriteBytes(Path("comma-points.txt"), "A(X)\tA(Y)\r\n1,5\t-2,25\r\n");
    other.GetChannel(0)->Clear();
    other.LoadDataFromFile(Path("comma-points.txt"));
    EXPECT_EQ(PointTexts(other.GetChannel(0)), QStringList{"1.5 -2.25"});
    WriteBytes(Path("comma-columns.txt"), "A(X),A(Y)\r\n1.5,-2.25\r\n");
    other.GetChannel(0)->Clear();
    other.LoadDataFromFile(Path("comma-columns.txt"));
    EXPECT_EQ(PointTexts(other.GetChannel(0)), QStringList{"1.5 -2.25"});
}

TEST_F(PlotDataFileTest, CompactIntervalForm)
{
    TgXYPlot plot(nullptr);
    Prepare(plot, 2);
    for (int i = 0; i < 3; ++i) {
        plot.GetChannel(0)->AddXY(10 + 0.5 * i, i);
        plot.GetChannel(1)->AddXY(-1 - i, 100 + i);
    }
    plot.SetDataFileFormat(ipdffCompactInterval);
    plot.SaveDataToFile(Path("compact.bin"));
    const QByteArray bytes = ReadBytes(Path("compact.bin"));
    EXPECT_EQ(bytes.size(), 65);
    EXPECT_TRUE(bytes.startsWith("Compact Interval\r\n2\r\n"));

    // Into standard lists, which keep X: every row's X comes back.
    TgXYPlot other(nullptr);
    Prepare(other, 2);
    other.LoadDataFromFile(Path("compact.bin"));
    EXPECT_EQ(PointTexts(other.GetChannel(0)), (QStringList{"10 0", "10.5 1", "11 2"}));
    EXPECT_EQ(PointTexts(other.GetChannel(1)), (QStringList{"-1 100", "-2 101", "-3 102"}));

    // Uneven X is refused before anything is written: the old file stays.
    plot.GetChannel(1)->AddXY(-10, 0);
    EXPECT_TRUE(MessageOf([&] { plot.SaveDataToFile(Path("compact.bin")); })
                    .startsWith("Error Saving Data - Channel 1 (B): X-Values are not evenly spaced"));
    EXPECT_EQ(ReadBytes(Path("compact.bin")), bytes);
    EXPECT_EQ(plot.LastDataFileName(), Path("compact.bin")); // from the save that worked

    // A compact-interval channel saves and loads as such.
    TgXYPlot interval(nullptr);
    Prepare(interval, 1);
    interval.GetChannel(0)->SetDataStyle(ipdsCompactInterval);
    for (int i = 0; i < 1000; ++i)
        interval.GetChannel(0)->AddXY(0.1 * i, i);
    interval.SetDataFileFormat(ipdffCompactInterval);
    interval.SaveDataToFile(Path("interval.bin"));
    TgXYPlot back(nullptr);
    Prepare(back, 1);
    back.LoadDataFromFile(Path("interval.bin"));
    ASSERT_EQ(back.GetChannel(0)->Count(), 1000);
    double x, y;
    bool empty, null;
    back.GetChannel(0)->GetXYEmptyNull(999, x, y, empty, null);
    EXPECT_NEAR(x, 99.9, 1e-4);
    EXPECT_EQ(y, 999);
}

// A compact file's channel count is checked against its rows: one that does
// not fit is refused with its line, and the plot keeps what it had. A
// marker before the file's end (old files wrote values from 1.5E38 up as
// they were) still ends the reading there.
TEST_F(PlotDataFileTest, CompactChannelCountMustFitTheRows)
{
    TgXYPlot plot(nullptr);
    Prepare(plot, 3);
    for (int i = 0; i < 10; ++i)
        for (int c = 0; c < 3; ++c)
            plot.GetChannel(c)->AddXY(i, 10 * c + i);
    plot.SetDataFileFormat(ipdffCompactInterval);
    plot.SaveDataToFile(Path("three.bin"));
    const QByteArray good = ReadBytes(Path("three.bin"));
    ASSERT_TRUE(good.startsWith("Compact Interval\r\n3\r\n"));
    const QByteArray rows = good.mid(21);
    std::string oldBytes;
    for (double v : {0.0, 1.0, 1.0, 2e38, 2.0, 3.0})
        AppendSingle(oldBytes, v);
    const struct {
        const char *name;
        QByteArray bytes;
        QString message; // "(nothing raised)": loads
        int points;      // then channel 0's point count
    } cases[] = {
        {"the right count", good, "(nothing raised)", 10},
        {"a count far too large", "Compact Interval\r\n99999999\r\n" + rows,
         "Error Loading Data - Line 2: The channel count 99999999 does not match the point rows that follow", 0},
        {"a count of 5", "Compact Interval\r\n5\r\n" + rows,
         "Error Loading Data - Line 2: The channel count 5 does not match the point rows that follow", 0},
        {"a count of 0 before rows", "Compact Interval\r\n0\r\n" + rows,
         "Error Loading Data - Line 2: The channel count 0 does not match the point rows that follow", 0},
        {"an old file with a value of 2E38", QByteArray("Compact Interval\r\n1\r\n") +
                                                 QByteArray(oldBytes.data(), qsizetype(oldBytes.size())),
         "(nothing raised)", 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(Path("count.bin"), c.bytes);
        TgXYPlot other(nullptr);
        Prepare(other, 3);
        other.GetChannel(0)->AddXY(-1, -1);
        const QString message = MessageOf([&] { other.LoadDataFromFile(Path("count.bin"), true); });
        EXPECT_EQ(message.toStdString(), c.message.toStdString());
        if (c.message == "(nothing raised)")
            EXPECT_EQ(other.GetChannel(0)->Count(), c.points);
        else
            EXPECT_EQ(PointTexts(other.GetChannel(0)), QStringList{"-1 -1"});
    }
}

// Every value comes back from a compact file as a single holds it, or the
// save refuses it and the old file stays, whatever the point's flags: a
// NaN, which would read back as no point, is refused too. A channel with
// fewer points comes back with its gap.
TEST_F(PlotDataFileTest, CompactValuesComeBackOrAreRefused)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char *name;
        double value;
        bool held;
    } cases[] = {
        {"an ordinary value", -273.15, true},      {"just below the no-point marks", 8.9e37, true},
        {"a large negative value", -3.3e38, true}, {"a tiny value", 1e-40, true},
        {"minus infinity", -inf, true},            {"the no-point marks", 9e37, false},
        {"between the marks", 1.2e38, false},      {"the end marker's range", 2e38, false},
        {"beyond any single", 1e39, false},        {"just below the lowest single", -3.5e38, false},
        {"below any single", -1e39, false},        {"infinity", inf, false},
        {"not a number", std::nan(""), false},
    };
    enum Flags { Plain, Null, Empty };
    const struct {
        const char *name;
        bool asX;
        Flags flags;
    } ways[] = {{" as Y", false, Plain}, {" as a Null point's Y", false, Null}, {" as an Empty point's Y", false, Empty},
                {" as X", true, Plain}};
    for (const auto &c : cases) {
        for (const auto &way : ways) {
            if (way.asX && !std::isfinite(c.value))
                continue; // the channel refuses such an X when it is added
            SCOPED_TRACE(std::string(c.name) + way.name);
            TgXYPlot plot(nullptr);
            Prepare(plot, 2);
            plot.SetDataFileFormat(ipdffCompactInterval);
            WriteBytes(Path("values.bin"), "old");
            TgPlotChannelCustom *a = plot.GetChannel(0);
            if (way.asX) { // two points: the only X of the form
                a->AddXY(c.value, 1);
                a->AddXY(c.value, 2);
            } else {
                for (int i = 0; i < 3; ++i)
                    a->AddXYFlags(i, i == 1 ? c.value : i, i == 1 && way.flags == Null, i == 1 && way.flags == Empty);
                plot.GetChannel(1)->AddXY(0, 5); // no point in row 2
            }
            const QString message = MessageOf([&] { plot.SaveDataToFile(Path("values.bin")); });
            if (!c.held) {
                EXPECT_TRUE(message.startsWith(QStringLiteral("Error Saving Data - Channel 0 (A): point 0 holds the value ")
                                                   .replace("point 0", way.asX ? "point 0" : "point 1")))
                    << message.toStdString();
                // The range both ways: a value below the lowest single is refused as well.
                EXPECT_TRUE(message.endsWith("(the form holds values from -3.4E38 to below 9E37), which the Compact "
                                             "Interval form cannot hold"))
                    << message.toStdString();
                EXPECT_EQ(ReadBytes(Path("values.bin")), "old");
                continue;
            }
            ASSERT_EQ(message.toStdString(), "(nothing raised)");
            TgXYPlot back(nullptr);
            Prepare(back, 2);
            back.LoadDataFromFile(Path("values.bin"));
            ASSERT_EQ(back.GetChannel(0)->Count(), a->Count());
            double x, y;
            bool empty, null;
            back.GetChannel(0)->GetXYEmptyNull(1, x, y, empty, null);
            EXPECT_EQ(way.asX ? x : y, double(float(c.value)));
            EXPECT_EQ(PointTexts(back.GetChannel(1)), PointTexts(plot.GetChannel(1)));
        }
    }
}

// A channel's title with the column separator, a TAB or a line break in
// it: every data and log file the plot writes, in either column form,
// reads back into the plot's channels.
TEST_F(PlotDataFileTest, TitlesWithSeparatorsReadBack)
{
    const QString titles[] = {"Level, dB", "Level\tdB", "two\nlines", "cr\r\nlf", "(X)",
                              "ends(Y)", "\"quoted\"", u"电平 Ünï"_qs, ",", "\t"};
    for (const QString &title : titles) {
        for (TgPlotDataFileColumnSeparator separator : {ipdfcsTab, ipdfcsComma}) {
            for (const bool log : {false, true}) {
                SCOPED_TRACE(QStringLiteral("%1 %2 %3")
                                 .arg(title, separator == ipdfcsTab ? "tab" : "comma", log ? "log" : "data")
                                 .toStdString());
                TgPlot plot(nullptr);
                Prepare(plot, 2);
                plot.GetChannel(0)->SetTitleText(title);
                plot.SetDataFileColumnSeparator(separator);
                const QString file = Path("titled.txt");
                if (log) {
                    plot.SetLogFileName(file);
                    plot.LogActivate(false);
                }
                for (int i = 0; i < 3; ++i)
                    plot.AddDataArray(0.5 * i, QVariantList{i, i == 1 ? 5e-301 : -2.0 * i});
                if (log)
                    plot.LogDeactivate();
                else
                    plot.SaveDataToFile(file);
                const QStringList lines = Lines(ReadBytes(file));
                EXPECT_EQ(lines.size(), 4);
                TgPlot back(nullptr);
                Prepare(back, 2);
                EXPECT_EQ(MessageOf([&] { back.LoadDataFromFile(file); }).toStdString(), "(nothing raised)") << lines.join('|').toStdString();
                EXPECT_EQ(PointTexts(back.GetChannel(0)), PointTexts(plot.GetChannel(0)));
                EXPECT_EQ(PointTexts(back.GetChannel(1)), PointTexts(plot.GetChannel(1)));
            }
        }
    }
}

TEST_F(PlotDataFileTest, BulkDataArrays)
{
    TgPlot plot(nullptr);
    Prepare(plot, 2);
    plot.AddDataArray(5, QVariantList{1.5, 5e-301});
    EXPECT_EQ(PointTexts(plot.GetChannel(0)), QStringList{"5 1.5"});
    EXPECT_EQ(PointTexts(plot.GetChannel(1)), QStringList{"5 0 null"});
    plot.AddDataArray(6, QVariantList{2e-302 * 1.5 * 2, 7});
    EXPECT_EQ(PointText(plot.GetChannel(0), 1), "6 0 empty");

    TgXYPlot xy(nullptr);
    Prepare(xy, 2);
    xy.AddDataArray(5, QVariantList{1.5, 5e-301});
    EXPECT_TRUE(PointText(xy.GetChannel(1), 0).endsWith("null"));

    // Checked whole before the first point: nothing added from a bad array.
    const struct {
        const char *name;
        QVariant data;
        const char *message;
    } refused[] = {
        {"more values than channels", QVariantList{1, 2, 3}, "Data Array holds values for 3 channels, the plot has 2"},
        {"a value that is no number", QVariantList{1, "x"}, "Could not convert variant to Double"},
        {"no array", QVariant(3.0), "Data Array must be 1 or 2 Dimensions"},
        {"rows of different lengths", QVariantList{QVariantList{1, 2}, QVariantList{3}},
         "Data Array must be 1 or 2 Dimensions"},
        {"three dimensions", QVariantList{QVariantList{QVariantList{1}}}, "Data Array must be 1 or 2 Dimensions"},
        {"a list beside a number", QVariantList{1, QVariantList{2}}, "Data Array must be 1 or 2 Dimensions"},
    };
    for (const auto &r : refused) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(MessageOf([&] { plot.AddDataArray(9, r.data); }), r.message);
        EXPECT_EQ(plot.GetChannel(0)->Count(), 2);
        EXPECT_EQ(plot.GetChannel(1)->Count(), 2);
    }

    // Two dimensions: a row per channel, X stepping from the channel's last.
    TgPlot block(nullptr);
    Prepare(block, 2);
    block.SetLogFileName(Path("block.log"));
    block.SetLogBufferSize(10);
    block.LogActivate(false);
    block.AddDataArray(0.5, QVariantList{QVariantList{1, 2, 3}, QVariantList{4, 5, 6}});
    EXPECT_EQ(PointTexts(block.GetChannel(0)), (QStringList{"0 1", "0.5 2", "1 3"}));
    EXPECT_EQ(PointTexts(block.GetChannel(1)), (QStringList{"0 4", "0.5 5", "1 6"}));
    EXPECT_EQ(block.LogBufferCount(), 3);
    block.LogDeactivate();
    EXPECT_EQ(Lines(ReadBytes(Path("block.log"))),
              (QStringList{"(X)\tA(Y)\tB(Y)", "0\t1\t4", "0.5\t2\t5", "1\t3\t6"}));
}

TEST_F(PlotDataFileTest, LogFilesInBothForms)
{
    for (TgPlotDataFileFormat format : {ipdffText, ipdffCompactInterval}) {
        SCOPED_TRACE(format == ipdffText ? "text" : "compact");
        TgXYPlot plot(nullptr);
        Prepare(plot, 3);
        plot.SetDataFileFormat(format);
        plot.SetLogFileName(Path("plot.log"));
        plot.SetLogBufferSize(4);
        EXPECT_EQ(MessageOf([&] { plot.LogDeactivate(); }), "Logging not Active");
        plot.LogActivate(false);
        EXPECT_EQ(MessageOf([&] { plot.LogActivate(false); }), "Logging Already Active");
        EXPECT_EQ(MessageOf([&] { plot.SetDataFileFormat(format); }),
                  "Data File Format can not be changed while logging active");
        for (int r = 0; r < 6; ++r)
            plot.AddDataArray(r * 2.0, r == 3 ? QVariantList{30, 31} : QVariantList{r, r * 10.0, r * 100.0});
        EXPECT_EQ(plot.LogBufferCount(), 2); // four rows went at the fourth
        plot.ClearAllData(); // ends logging, writing what waits
        EXPECT_FALSE(plot.LoggingActive());
        if (format == ipdffText) {
            EXPECT_EQ(Lines(ReadBytes(Path("plot.log"))),
                      (QStringList{"(X)\tA(Y)\tB(Y)\tC(Y)", "0\t0\t0\t0", "2\t1\t10\t100", "4\t2\t20\t200",
                                   "6\t30\t31\t", "8\t4\t40\t400", "10\t5\t50\t500"}));
        } else {
            // Header, X and Y of three channels in rows 0 and 1, Y alone after.
            EXPECT_EQ(ReadBytes(Path("plot.log")).size(), 18 + 3 + 2 * 24 + 4 * 12);
        }

        // The log reads back as data, X and all.
        TgXYPlot back(nullptr);
        Prepare(back, 3);
        back.LoadDataFromFile(Path("plot.log"));
        EXPECT_EQ(PointTexts(back.GetChannel(0)), (QStringList{"0 0", "2 1", "4 2", "6 30", "8 4", "10 5"}));
        // The missing point leaves a gap; the compact form's later X still
        // count from the row.
        EXPECT_EQ(PointTexts(back.GetChannel(2)), (QStringList{"0 0", "2 100", "4 200", "8 400", "10 500"}));
    }
}

// A value the compact log cannot hold, in a wide row (0, with X) or a
// narrow one (2), is logged as a gap: every row after it still reloads.
TEST_F(PlotDataFileTest, CompactLogKeepsEveryRowWhateverTheValues)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char *name;
        double value;
        bool comesBack; // else a gap
    } cases[] = {
        {"the no-point marks", 9e37, false},   {"the end marker's threshold", 1.5e38, false},
        {"the end marker", 2e38, false},       {"the largest single", 3.4e38, false},
        {"infinity", inf, false},              {"minus infinity", -inf, true},
        {"below any single", -3.5e38, false},  {"not a number", std::nan(""), false},
        {"the lowest single", -3.4e38, true},  {"an ordinary value", -273.15, true},
    };
    for (const int row : {0, 2}) {
        for (const auto &c : cases) {
            SCOPED_TRACE(std::string(c.name) + " in row " + std::to_string(row));
            TgXYPlot plot(nullptr);
            Prepare(plot, 2);
            plot.SetDataFileFormat(ipdffCompactInterval);
            plot.SetLogFileName(Path("values.log"));
            plot.LogActivate(false);
            for (int r = 0; r < 6; ++r)
                plot.AddDataArray(r, QVariantList{r, r == row ? c.value : 10.0 * r});
            plot.LogDeactivate();

            TgXYPlot back(nullptr);
            Prepare(back, 2);
            ASSERT_EQ(MessageOf([&] { back.LoadDataFromFile(Path("values.log")); }), "(nothing raised)");
            EXPECT_EQ(PointTexts(back.GetChannel(0)), (QStringList{"0 0", "1 1", "2 2", "3 3", "4 4", "5 5"}));
            QStringList expected = PointTexts(plot.GetChannel(1));
            if (!c.comesBack)
                expected.removeAt(row);
            EXPECT_EQ(PointTexts(back.GetChannel(1)), expected);
        }
    }
}

// A compact log gives a row's X back counted from its first two rows: a
// row it would give back at another X is refused, naming the row and the
// interval, and the log holds exactly the rows before it, whole. The rows
// go in one write each, in blocks of 4, and appended to a log restarted
// after its first two rows; a compact save of the same points agrees.
TEST_F(PlotDataFileTest, CompactLogRowsComeBackAtTheirXOrAreRefused)
{
    const struct {
        const char *name;
        std::vector<double> xs; // row r: channel A takes (X, r), B (X, 10 r)
        const char *refusal;    // of the last row; "": every row is logged
        int bSkips;             // a row where B takes no point, or -1
    } cases[] = {
        {"even", {0, 1, 2, 3, 4, 5, 6}, "", -1},
        {"equal X", {5, 5, 5, 5}, "", -1},
        {"decreasing X", {10, 8, 6, 4, 2, 0, -2}, "", -1},
        {"an interval of tenths", {-0.3, -0.2, -0.1, 0, 0.1, 0.2, 0.3, 0.4, 0.5}, "", -1},
        {"uneven at row 3", {0, 1, 2.5},
         "Channel 0 (A): X-Values are not evenly spaced (row 3 is at X 2.5, where the interval 1 from X 0 puts it at 2)",
         -1},
        {"uneven at a later row", {0, 1, 2, 3, 4, 5, 7},
         "Channel 0 (A): X-Values are not evenly spaced (row 7 is at X 7, where the interval 1 from X 0 puts it at 6)",
         -1},
        {"decreasing, then back up", {10, 8, 6, 7},
         "Channel 0 (A): X-Values are not evenly spaced (row 4 is at X 7, where the interval -2 from X 10 puts it at "
         "4)",
         -1},
        {"B without a point in row 2", {0, 1, 2},
         "Channel 1 (B): X-Values are not evenly spaced (row 3 is at X 2, where row 2 holds no X to count from)", 1},
        {"B without a point in row 1", {0, 1, 2},
         "Channel 1 (B): X-Values are not evenly spaced (row 3 is at X 2, where row 1 holds no X to count from)", 0},
        {"B without a point in row 4", {0, 1, 2, 3, 4, 5}, "", 3},
    };
    enum Mode { EachRow, Blocks, Appended };
    for (const auto &c : cases) {
        for (const Mode mode : {EachRow, Blocks, Appended}) {
            SCOPED_TRACE(std::string(c.name) + (mode == EachRow ? ", each row" : mode == Blocks ? ", blocks" : ", appended"));
            TgXYPlot plot(nullptr);
            Prepare(plot, 2);
            plot.SetDataFileFormat(ipdffCompactInterval);
            plot.SetLogFileName(Path("rows.log"));
            plot.SetLogBufferSize(mode == Blocks ? 4 : 0);
            plot.LogActivate(false);
            const int rows = int(c.xs.size());
            QString message;
            for (int r = 0; r < rows; ++r) {
                if (mode == Appended && r == 2) {
                    plot.LogDeactivate();
                    plot.LogActivate(true);
                }
                const QVariantList row = r == c.bSkips ? QVariantList{r} : QVariantList{r, 10 * r};
                message = MessageOf([&] { plot.AddDataArray(c.xs[size_t(r)], row); });
                if (r < rows - 1) {
                    ASSERT_EQ(message, "(nothing raised)") << "row " << r + 1;
                }
            }
            plot.LogDeactivate();
            const bool refused = *c.refusal != 0;
            EXPECT_EQ(message.toStdString(), refused ? std::string("Error Logging Data - ") + c.refusal +
                                                           ", which the Compact Interval form cannot hold"
                                                     : "(nothing raised)");
            const int kept = refused ? rows - 1 : rows;
            EXPECT_EQ(ReadBytes(Path("rows.log")).size(), 21 + 16 * std::min(kept, 2) + 8 * std::max(kept - 2, 0));

            // The points reached the channels; the log gives back those of its
            // rows, at their X as closely as singles hold them.
            EXPECT_EQ(plot.GetChannel(0)->Count(), rows);
            TgXYPlot back(nullptr);
            Prepare(back, 2);
            ASSERT_EQ(MessageOf([&] { back.LoadDataFromFile(Path("rows.log")); }), "(nothing raised)");
            for (int k = 0; k < 2; ++k) {
                const TgPlotChannelCustom *channel = back.GetChannel(k);
                const int points = kept - (k == 1 && c.bSkips >= 0 && c.bSkips < kept ? 1 : 0);
                EXPECT_EQ(channel->Count(), points) << "channel " << k;
                for (int i = 0, r = 0; i < std::min(points, channel->Count()); ++i, ++r) {
                    if (k == 1 && r == c.bSkips)
                        ++r;
                    double x, y;
                    bool empty, null;
                    channel->GetXYEmptyNull(i, x, y, empty, null);
                    EXPECT_NEAR(x, c.xs[size_t(r)], 1e-6) << "channel " << k << " row " << r + 1;
                    EXPECT_EQ(y, (k == 0 ? 1 : 10) * r) << "channel " << k << " row " << r + 1;
                }
            }

            if (c.bSkips < 0) { // the save judges the same X alike
                WriteBytes(Path("rows.bin"), "old");
                EXPECT_EQ(MessageOf([&] { plot.SaveDataToFile(Path("rows.bin")); }).toStdString(),
                          refused ? std::string("Error Saving Data - ") + c.refusal +
                                        ", which the Compact Interval form cannot hold"
                                  : "(nothing raised)");
            }
        }
    }
}

// A two-dimensional array's rows all reach the channels; the compact log
// refuses each that it would give back at another X (the message names the
// first), and logs the next row that is on its interval.
TEST_F(PlotDataFileTest, CompactLogOfArrayRows)
{
    TgXYPlot plot(nullptr);
    Prepare(plot, 2);
    plot.SetDataFileFormat(ipdffCompactInterval);
    plot.SetLogFileName(Path("array.log"));
    plot.SetLogBufferSize(10);
    plot.LogActivate(false);
    plot.AddDataArray(1, QVariantList{QVariantList{0, 1, 2}, QVariantList{10, 11, 12}}); // X 0, 1, 2
    EXPECT_EQ(MessageOf([&] { plot.AddDataArray(2, QVariantList{QVariantList{3, 4}, QVariantList{13, 14}}); }),
              "Error Logging Data - Channel 0 (A): X-Values are not evenly spaced (row 4 is at X 4, where the "
              "interval 1 from X 0 puts it at 3), which the Compact Interval form cannot hold");
    EXPECT_EQ(PointTexts(plot.GetChannel(1)), (QStringList{"0 10", "1 11", "2 12", "4 13", "6 14"}));
    EXPECT_EQ(plot.LogBufferCount(), 3);
    plot.AddDataArray(-3, QVariantList{QVariantList{5}, QVariantList{15}}); // X 3: the log's next row
    EXPECT_EQ(plot.LogBufferCount(), 4);
    plot.LogDeactivate();

    TgXYPlot back(nullptr);
    Prepare(back, 2);
    back.LoadDataFromFile(Path("array.log"));
    EXPECT_EQ(PointTexts(back.GetChannel(1)), (QStringList{"0 10", "1 11", "2 12", "3 15"}));
}

TEST_F(PlotDataFileTest, LogOfChannelsWithRingsSmallerThanTheBuffer)
{
    TgXYPlot plot(nullptr);
    Prepare(plot, 2);
    plot.GetChannel(0)->SetRingBufferSize(2);
    plot.GetChannel(1)->SetRingBufferSize(3);
    plot.SetLogFileName(Path("ring.log"));
    plot.SetLogBufferSize(5);
    plot.LogActivate(false);
    for (int r = 0; r < 7; ++r)
        plot.AddDataArray(r, QVariantList{r, -r});
    plot.GetChannel(1)->DeletePoints(2); // the log keeps what was added
    plot.LogDeactivate();
    QStringList expected{"(X)\tA(Y)\tB(Y)"};
    for (int r = 0; r < 7; ++r)
        expected << QStringLiteral("%1\t%1\t%2").arg(r).arg(-r);
    EXPECT_EQ(Lines(ReadBytes(Path("ring.log"))), expected);

    // Appending to a compact log keeps its X rows where they were.
    plot.SetDataFileFormat(ipdffCompactInterval);
    plot.GetChannel(0)->SetRingBufferSize(0);
    plot.GetChannel(1)->SetRingBufferSize(0);
    plot.ClearAllData();
    plot.SetLogBufferSize(0);
    plot.LogActivate(false);
    plot.AddDataArray(1, QVariantList{10, 20});
    plot.LogDeactivate();
    plot.LogActivate(true);
    for (int r = 2; r <= 4; ++r)
        plot.AddDataArray(r, QVariantList{10 * r, 20 * r});
    plot.LogDeactivate();
    TgXYPlot back(nullptr);
    Prepare(back, 2);
    back.LoadDataFromFile(Path("ring.log"));
    EXPECT_EQ(PointTexts(back.GetChannel(1)), (QStringList{"1 20", "2 40", "3 60", "4 80"}));
}

// A compact log cut inside a row (a write that never ended) is not appended
// to: the rows after the piece would be read out of step. Nothing is written
// and logging stays off; a whole log is appended to as before.
TEST_F(PlotDataFileTest, CompactLogEndingInsideARowIsNotAppendedTo)
{
    TgXYPlot plot(nullptr);
    Prepare(plot, 2);
    plot.SetDataFileFormat(ipdffCompactInterval);
    plot.SetLogFileName(Path("cut.log"));
    plot.SetLogBufferSize(0);
    plot.LogActivate(false);
    for (int r = 0; r < 4; ++r)
        plot.AddDataArray(r, QVariantList{r, 10 * r});
    plot.LogDeactivate();
    const QByteArray whole = ReadBytes(Path("cut.log")); // header 21, rows 16 + 16 + 8 + 8
    const struct {
        int cut;
        const char *refusal; // "": appended to
    } cases[] = {
        {0, ""},
        {3, "5 bytes after row 3"},
        {8, ""}, // a narrow row's length: it ends with row 3, whole
        {20, "12 bytes after row 1"},
        {40, "8 bytes after row 0"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE("cut by " + std::to_string(c.cut));
        const QByteArray damaged = whole.left(whole.size() - c.cut);
        WriteBytes(Path("cut.log"), damaged);
        const QString message = MessageOf([&] { plot.LogActivate(true); });
        if (!*c.refusal) {
            ASSERT_EQ(message, "(nothing raised)");
            plot.LogDeactivate();
            continue;
        }
        EXPECT_EQ(message.toStdString(), std::string("The log file does not end with a whole row: ") + c.refusal +
                                             " belong to no row, and rows appended after them would not read back");
        EXPECT_FALSE(plot.LoggingActive());
        EXPECT_EQ(ReadBytes(Path("cut.log")), damaged);
    }
}

TEST_F(PlotDataFileTest, TransferChannelData)
{
    TgPlot plot(nullptr);
    Prepare(plot, 2);
    TgPlotChannel *a = plot.GetChannel(0);
    a->AddXNull(1);
    a->AddXY(2, 4);
    a->AddXEmpty(3);
    plot.TransferChannelData(0, 1, 0, 0);
    EXPECT_EQ(PointTexts(plot.GetChannel(1)), QStringList{"1 0 null"});
    plot.TransferChannelData(0, 1, 1, 2);
    EXPECT_EQ(PointTexts(plot.GetChannel(1)), (QStringList{"1 0 null", "2 4", "3 0 empty"}));
    plot.TransferChannelData(0, 0, 0, 2); // onto itself: the three points once more
    EXPECT_EQ(a->Count(), 6);
    EXPECT_EQ(MessageOf([&] { plot.TransferChannelData(0, 1, -1, 0); }), "Start Index Must be 0 or Greater");
    EXPECT_EQ(MessageOf([&] { plot.TransferChannelData(0, 1, 0, 6); }), "StopIndex Must Out Of Range");
    plot.TransferChannelData(0, 1, 2, 1); // nothing
    EXPECT_EQ(plot.GetChannel(1)->Count(), 3);

    // A strip-chart channel that keeps its X order refuses the whole copy.
    TgPlotChannel *ordered = plot.GetChannel(plot.AddChannel());
    ordered->SetAllowOutOfOrderXValues(false);
    ordered->AddXY(0, 0);
    ordered->AddXY(5, 0);
    EXPECT_EQ(MessageOf([&] { plot.TransferChannelData(0, 2, 0, 2); }), "New Data-Point X-Value is out of order");
    EXPECT_EQ(ordered->Count(), 2);
}

TEST_F(PlotDataFileTest, AnnotationsFile)
{
    TgXYPlot plot(nullptr);
    for (int i = 0; i < 2; ++i) {
        TgPlotAnnotation *a = plot.GetAnnotation(plot.AddAnnotation());
        a->SetText(QStringLiteral("Note %1\r\nsecond line").arg(i));
        a->SetX(10 + i);
        a->SetY(0.5);
        a->SetStyle(ipasRectangle);
    }
    plot.SaveAnnotationsToFile(Path("notes.txt"));
    const QStringList lines = Lines(ReadBytes(Path("notes.txt")));
    EXPECT_EQ(lines.first(), "AnnotationCount = 2");
    EXPECT_TRUE(lines.contains("Annotation1.Text = Note 1#13#10second line"));
    EXPECT_FALSE(lines.join(u'\n').contains("PenColor")); // at its default: left out

    TgXYPlot other(nullptr);
    for (int i = 0; i < 3; ++i)
        other.AddAnnotation();
    other.SetAnnotationDefaultPenColor(clRed);
    other.LoadAnnotationsFromFile(Path("notes.txt"));
    ASSERT_EQ(other.AnnotationCount(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(other.GetAnnotation(i)->Text(), plot.GetAnnotation(i)->Text());
        EXPECT_EQ(other.GetAnnotation(i)->X(), 10 + i);
        EXPECT_EQ(other.GetAnnotation(i)->Style(), ipasRectangle);
        EXPECT_EQ(other.GetAnnotation(i)->PenColor(), clRed); // the plot's default for what the file leaves out
    }
}

} // namespace
