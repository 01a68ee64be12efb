// A channel's configuration, data and log files, and the number texts that
// every data file of the plot library shares.
#include "FileTestSupport.h"
#include "FloatFormat.h"
#include "MessageOf.h"
#include "gPlotDataText.h"
#include "gXYPlot.h"
#include "gXYPlotChannel.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

namespace {

struct ChannelFilesTest : ::testing::Test {
    QTemporaryDir dir;
    TgXYPlot plot{nullptr};
    TgXYPlotChannel *channel = plot.GetChannel(0);
    QString Path(const char *Name) const { return dir.filePath(QString::fromLatin1(Name)); }

    // Points (1, 2), Null at 3, Empty at 4, (5, 6).
    void AddExample(TgPlotChannelCustom *C)
    {
        C->AddXY(1, 2);
        C->DoAddXY(3, 0, true, false);
        C->DoAddXY(4, 0, false, true);
        C->AddXY(5, 6);
    }
};

TEST_F(ChannelFilesTest, NullAndEmptyPointsInTheDataFile)
{
    AddExample(channel);
    channel->SaveDataToFile(Path("tab.txt"));
    EXPECT_EQ(ReadBytes(Path("tab.txt")), QByteArray("1\t2\r\n3\tNull\r\n5\t6\r\n"));

    plot.SetDataFileColumnSeparator(ipdfcsComma);
    channel->SaveDataToFile(Path("comma.txt"));
    EXPECT_EQ(ReadBytes(Path("comma.txt")), QByteArray("1,2\r\n3,Null\r\n5,6\r\n"));

    for (const char *file : {"tab.txt", "comma.txt"}) {
        SCOPED_TRACE(file);
        TgPlotChannelCustom *other = plot.GetChannel(plot.AddChannel());
        other->LoadDataFromFile(Path(file), true);
        EXPECT_EQ(PointTexts(other), (QStringList{"1 2", "3 0 null", "5 6"}));
    }
}

TEST_F(ChannelFilesTest, SeparatorAndNumberForms)
{
    struct Case {
        const char *name;
        QByteArray bytes;
        QStringList points; // empty: refused
        const char *line;
    } cases[] = {
        {"a TAB in the first line: commas are decimal points", "1,5\t2,5\r\n3\t-4,25e1\r\n", {"1.5 2.5", "3 -42.5"}, ""},
        {"no TAB in the first line: comma columns", "1,5\r\n2,5\r\n", {"1 5", "2 5"}, ""},
        {"LF line ends and blanks around fields", "1 , 2\n 3,4 \n", {"1 2", "3 4"}, ""},
        {"blank lines at the end", "1\t2\r\n\r\n\r\n", {"1 2"}, ""},
        {"a later TAB line under comma columns", "1,2\r\n3\t4\r\n", {}, "Line 2:"},
        {"a comma point under comma columns", "1,2\r\n3,4,5\r\n", {}, "Line 2:"},
        {"X missing", "1\t2\r\n\t4\r\n", {}, "Line 2:"},
        {"Y missing (cut short)", "1\t2\r\n3\t", {}, "Line 2:"},
        {"an empty line inside", "1\t2\r\n\r\n3\t4\r\n", {}, "Line 2:"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        channel->Clear();
        channel->AddXY(-1, -1);
        WriteBytes(Path("in.txt"), c.bytes);
        const QString message = MessageOf([&] { channel->LoadDataFromFile(Path("in.txt"), false); });
        if (c.points.isEmpty()) {
            EXPECT_TRUE(message.startsWith(QLatin1String(c.line))) << message.toStdString();
            EXPECT_EQ(PointTexts(channel), QStringList{"-1 -1"}); // nothing taken from a bad file
        } else {
            EXPECT_EQ(message, "(nothing raised)");
            EXPECT_EQ(PointTexts(channel), QStringList{"-1 -1"} + c.points);
        }
    }
}

TEST_F(ChannelFilesTest, LineEndsAcrossTheReadBlocks)
{
    // Files are read a mebibyte at a time: a line end may straddle two
    // blocks (CR LF) or end the first (a lone CR).
    const int block = 1 << 20;
    for (const char *end : {"\r\n", "\r", "\n"}) {
        SCOPED_TRACE(end);
        QByteArray bytes = "1\t2";
        bytes += QByteArray(block - 1 - bytes.size(), ' ');
        bytes += end;
        bytes += "3\t4";
        bytes += end;
        ASSERT_EQ(bytes.at(block - 1), '\r' == end[0] ? '\r' : '\n');
        WriteBytes(Path("long.txt"), bytes);
        channel->LoadDataFromFile(Path("long.txt"), true);
        EXPECT_EQ(PointTexts(channel), (QStringList{"1 2", "3 4"}));
    }
}

TEST_F(ChannelFilesTest, ConfigurationFile)
{
    channel->SetColor(0x00FF00);
    channel->SetTraceLineWidth(3);
    channel->SetTitleText("Two\r\nlines");
    channel->MarkersFont()->SetColor(0x123456);
    channel->SavePropertiesToFile(Path("channel.txt"));
    const QString text = QString::fromUtf8(ReadBytes(Path("channel.txt")));
    EXPECT_TRUE(text.startsWith("File Type = Plot Channel Config\r\n"));
    EXPECT_TRUE(text.contains("\r\nChannel.Color = 65280\r\n"));
    EXPECT_TRUE(text.contains("\r\nChannel.TitleText = Two#13#10lines\r\n"));
    EXPECT_TRUE(text.contains("\r\nChannel.MarkersFont.Color = 1193046\r\n"));
    EXPECT_FALSE(text.contains("Channel.Name"));
    EXPECT_FALSE(text.contains("LoggingActive")); // read-only: not a setting

    // Into a second channel, with a "Name" line added and the type in lower
    // case: the name stays, so lookups by name still find each channel.
    TgPlotChannelCustom *other = plot.GetChannel(plot.AddChannel());
    const QString otherName = other->Name();
    WriteBytes(Path("named.txt"), text.toLower().left(32).toUtf8() + text.mid(32).toUtf8() + "Channel.Name = " +
                                      channel->Name().toUtf8() + "\r\n");
    other->LoadPropertiesFromFile(Path("named.txt"));
    EXPECT_EQ(other->Color(), 0x00FF00);
    EXPECT_EQ(other->TraceLineWidth(), 3);
    EXPECT_EQ(other->TitleText(), "Two\r\nlines");
    EXPECT_EQ(other->MarkersFont()->Color(), 0x123456);
    EXPECT_EQ(other->Name(), otherName);
    EXPECT_EQ(plot.GetChannelByName(channel->Name()), channel);
    EXPECT_EQ(plot.GetChannelByName(otherName), other);

    WriteBytes(Path("wrong.txt"), "File Type = Plot Config\r\nChannel.Color = 1\r\n");
    EXPECT_EQ(MessageOf([&] { other->LoadPropertiesFromFile(Path("wrong.txt")); }),
              "Error Loading Properties - Incompatible Plot Channel Configuration File Type");
    EXPECT_EQ(other->Color(), 0x00FF00);

    // Differential: ordinals at their defaults stay out, floats and texts not.
    plot.SetDifferentialPropertySave(true);
    TgPlotChannelCustom *plain = plot.GetChannel(plot.AddChannel());
    plain->SetColor(clRed); // the default
    plain->SavePropertiesToFile(Path("diff.txt"));
    const QString diff = QString::fromUtf8(ReadBytes(Path("diff.txt")));
    EXPECT_FALSE(diff.contains("Channel.Color"));
    EXPECT_FALSE(diff.contains("Channel.TraceLineWidth"));
    EXPECT_TRUE(diff.contains("Channel.TitleText = "));
    EXPECT_TRUE(diff.contains("Channel.MarkersFont.Name = "));
}

TEST_F(ChannelFilesTest, LogInBlocksOfTheBufferSize)
{
    const QString log = Path("log.txt");
    EXPECT_EQ(MessageOf([&] { channel->LogActivate(false); }), "Log File Name not Defined");
    channel->SetLogFileName(log);
    EXPECT_EQ(MessageOf([&] { channel->LogActivate(true); }).left(10), "Cannot ope"); // no file to append to
    EXPECT_FALSE(channel->LoggingActive());

    channel->SetLogBufferSize(10);
    channel->LogActivate(false);
    EXPECT_EQ(MessageOf([&] { channel->LogActivate(false); }), "Logging Already Active");
    channel->SetLogFileName(log); // the same name passes
    EXPECT_EQ(MessageOf([&] { channel->SetLogFileName(Path("other.txt")); }),
              "Log File Name can not be changed while logging is active.");
    for (int i = 1; i <= 9; ++i)
        channel->AddXY(i, i * 0.5);
    EXPECT_EQ(ReadBytes(log), QByteArray());
    channel->DoAddXY(10, 0, true, false);
    EXPECT_EQ(ReadBytes(log).count("\r\n"), 10);
    EXPECT_TRUE(ReadBytes(log).startsWith("1\t0.5\r\n2\t1\r\n"));
    EXPECT_TRUE(ReadBytes(log).endsWith("9\t4.5\r\n10\t0\r\n")); // a Null point with its stored Y
    for (int i = 11; i <= 13; ++i)
        channel->AddXY(i, 1);
    EXPECT_EQ(ReadBytes(log).count("\r\n"), 10);
    channel->LogDeactivate();
    EXPECT_EQ(ReadBytes(log).count("\r\n"), 13);
    EXPECT_EQ(MessageOf([&] { channel->LogDeactivate(); }), "Logging not Active");

    // Appending, and Clear ends logging with what waits written.
    channel->LogActivate(true);
    channel->AddXY(14, 2);
    channel->Clear();
    EXPECT_FALSE(channel->LoggingActive());
    EXPECT_TRUE(ReadBytes(log).endsWith("13\t1\r\n14\t2\r\n"));
}

TEST_F(ChannelFilesTest, RingSmallerThanTheBufferLosesNoLogLine)
{
    const QString log = Path("ring.txt");
    channel->SetLogFileName(log);
    channel->SetRingBufferSize(4);
    channel->SetLogBufferSize(10);
    channel->LogActivate(false);
    for (int i = 0; i < 12; ++i)
        channel->AddXY(i, 100 + i); // the ring keeps 4: the rest are written before they go
    channel->LogDeactivate();
    QStringList expected;
    for (int i = 0; i < 12; ++i)
        expected << QStringLiteral("%1\t%2").arg(i).arg(100 + i);
    EXPECT_EQ(QString::fromLatin1(ReadBytes(log)).split("\r\n", Qt::SkipEmptyParts), expected);

    // Points deleted before the write: the ones still held are written.
    channel->SetRingBufferSize(0);
    channel->Clear();
    channel->LogActivate(false);
    for (int i = 0; i < 6; ++i)
        channel->AddXY(i, i);
    channel->DeletePoints(4);
    EXPECT_NO_THROW(channel->LogDeactivate());
    EXPECT_EQ(ReadBytes(log), QByteArray("4\t4\r\n5\t5\r\n"));
}

TEST(DataNumbers, WrittenAsFloatToStrWithAPoint)
{
    TGermanNumbers german; // the settings' comma must not reach the files
    auto text = [](double v) {
        char buf[DataNumberMaxLength];
        return QString::fromLatin1(buf, static_cast<qsizetype>(FormatDataNumber(v, buf)));
    };
    const TFormatSettings point;
    const double table[] = {0,      1,        -2.5,   0.1,          1e15,    1e16,  123456789012345678.0, 0.0001,
                            0.00001, 1.5e-5, -1e-300, 5e-324,      1.7976931348623157e308, 0.30000000000000004,
                            2.0 / 3, 999999999999999.5, 1e-301 * 5, 12345.678, -0.0};
    for (double v : table) {
        EXPECT_EQ(text(v), FloatToStr(v, point)) << v;
        const QByteArray bytes = text(v).toLatin1();
        double back = 1;
        EXPECT_TRUE(ParseDataNumber(std::string_view(bytes.constData(), size_t(bytes.size())), false, back)) << v;
        EXPECT_NEAR(back, v, std::fabs(v) * 1e-14) << v;
    }
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        double v;
        const std::uint64_t bits = random();
        std::memcpy(&v, &bits, sizeof v);
        if (!std::isfinite(v))
            continue;
        ASSERT_EQ(text(v), FloatToStr(v, point)) << v;
        double back = 0;
        const QByteArray bytes = text(v).toLatin1();
        ASSERT_TRUE(ParseDataNumber(std::string_view(bytes.constData(), size_t(bytes.size())), false, back));
        EXPECT_NEAR(back, v, std::fabs(v) * 1e-14);
    }
    EXPECT_EQ(text(std::nan("")), "NAN");
    EXPECT_EQ(text(-HUGE_VAL), "-INF");

    double v = 0;
    EXPECT_TRUE(ParseDataNumber(" -1,5E2 ", true, v));
    EXPECT_EQ(v, -150);
    EXPECT_FALSE(ParseDataNumber("1,5", false, v));
    EXPECT_TRUE(ParseDataNumber("inf", false, v));
    EXPECT_TRUE(std::isinf(v));
    EXPECT_TRUE(ParseDataNumber("NaN", false, v));
    EXPECT_TRUE(std::isnan(v));
    for (const char *bad : {"", "-", "1.2.3", "1e", "0x10", "1 2", "abc", "1e999"})
        EXPECT_FALSE(ParseDataNumber(bad, true, v)) << bad;
}

} // namespace
