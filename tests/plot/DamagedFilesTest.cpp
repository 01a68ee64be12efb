// Every load of the plot library meets damaged files: the error names the
// line (or row), and the plot, its data and its repainting stay as they
// were. Every save meets a write that cannot finish: the old file stays.
#include "FileTestSupport.h"
#include "MessageOf.h"
#include "gPlotAnnotation.h"
#include "gPlotChannelCustom.h"
#include "gPlotLayoutManager.h"
#include "gPlotLimit.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

struct DamagedFilesTest : ::testing::Test {
    QTemporaryDir dir;
    TCountingPlot plot{nullptr};

    DamagedFilesTest()
    {
        plot.AddChannel();
        plot.AddLimit();
        for (int i = 0; i < 5; ++i) {
            plot.GetChannel(0)->AddXY(i, i * 0.5);
            plot.GetChannel(1)->AddXY(i, -i);
        }
        plot.GetAnnotation(plot.AddAnnotation())->SetText("Kept");
    }
    QString Path(const QString &Name) const { return dir.filePath(Name); }

    // The plot as its files show it: settings, points and annotations.
    QByteArray Fingerprint()
    {
        plot.SavePropertiesToFile(Path("print-settings.txt"));
        plot.SaveDataToFile(Path("print-data.txt"));
        plot.SaveAnnotationsToFile(Path("print-notes.txt"));
        return ReadBytes(Path("print-settings.txt")) + ReadBytes(Path("print-data.txt")) +
               ReadBytes(Path("print-notes.txt"));
    }
};

// Bytes with line Index (from 1) replaced by Text (removed when Text is null).
QByteArray WithLine(const QByteArray &Bytes, int Index, const QByteArray &Text)
{
    QList<QByteArray> lines = Bytes.split('\n');
    lines[Index - 1] = Text.isNull() ? QByteArray() : Text + "\r";
    if (Text.isNull())
        lines.removeAt(Index - 1);
    return lines.join('\n');
}

// The number of the first line that starts with Start.
int LineOf(const QByteArray &Bytes, const QByteArray &Start)
{
    const QList<QByteArray> lines = Bytes.split('\n');
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(Start))
            return i + 1;
    return 0;
}

TEST_F(DamagedFilesTest, LoadsChangeNothing)
{
    // Good files of every kind, from a plot like this one.
    TgXYPlot source(nullptr);
    source.AddChannel();
    source.GetChannel(0)->SetTitleText("A");
    source.GetChannel(1)->SetTitleText("B");
    for (int i = 0; i < 4; ++i) {
        source.GetChannel(0)->AddXY(i, 10 + i);
        source.GetChannel(1)->AddXY(i, 20 + i);
    }
    source.AddAnnotation();
    source.SavePropertiesToFile(Path("config.txt"));
    source.SaveDataToFile(Path("data.txt"));
    source.SaveAnnotationsToFile(Path("notes.txt"));
    source.GetChannel(0)->SavePropertiesToFile(Path("channel.txt"));
    source.GetChannel(0)->SaveDataToFile(Path("points.txt"));
    source.SetDataFileFormat(ipdffCompactInterval);
    source.SaveDataToFile(Path("compact.bin"));
    source.SetDataFileFormat(ipdffText);
    source.SetLogFileName(Path("log.txt"));
    source.LogActivate(false);
    source.AddDataArray(1, QVariantList{1, 2});
    source.AddDataArray(2, QVariantList{3, 4});
    source.LogDeactivate();
    const QByteArray config = ReadBytes(Path("config.txt")), data = ReadBytes(Path("data.txt")),
                     notes = ReadBytes(Path("notes.txt")), channel = ReadBytes(Path("channel.txt")),
                     points = ReadBytes(Path("points.txt")), compact = ReadBytes(Path("compact.bin")),
                     log = ReadBytes(Path("log.txt"));
    const int width = LineOf(config, "Channel0.TraceLineWidth");
    const int style = LineOf(channel, "Channel.DataStyle");
    const int noteX = LineOf(notes, "Annotation0.X ");

    enum TLoad { Config, Data, Annotations, ChannelConfig, ChannelData };
    const QString properties = QStringLiteral("Error Loading Properties - ");
    const struct Case {
        const char *name;
        TLoad load;
        QByteArray bytes;
        QString start; // the message starts so
    } cases[] = {
        {"configuration cut inside a name", Config, config.left(config.indexOf("Channel0.TraceLineWidth") + 12),
         properties + QStringLiteral("Line %1: ").arg(width)},
        {"configuration with a bad number", Config, WithLine(config, width, "Channel0.TraceLineWidth = 1x"),
         properties + QStringLiteral("Line %1: '1x' is not a valid integer value").arg(width)},
        {"configuration with a data style out of range", Config, WithLine(config, width, "Channel0.DataStyle = 7"),
         properties + QStringLiteral("Line %1: ").arg(width)},
        {"configuration of the wrong type", Config, WithLine(config, 1, "File Type = Plot Channel Config"),
         properties + "Incompatible Plot Configuration File Type"},
        {"configuration with an empty line", Config, WithLine(config, 5, ""), properties + "Line 5: Empty line"},
        {"configuration with a bad count", Config, WithLine(config, 2, "ChannelCount = -1"),
         properties + "Line 2: ChannelCount -1 is out of range"},
        {"text data cut short", Data, data.left(data.size() - 4), "Error Loading Data - Line 5: Y value missing"},
        {"text data with a bad number", Data, WithLine(data, 3, "1\t11\t1\t2O"),
         "Error Loading Data - Line 3: '2O' is not a valid floating point value"},
        {"text data with an empty line", Data, WithLine(data, 3, ""), "Error Loading Data - Line 3: Empty line"},
        {"compact data cut short", Data, compact.left(compact.size() - 6), "Error Loading Data - Row 4: Invalid Data"},
        {"compact data with a bad count", Data, WithLine(compact, 2, "two"),
         "Error Loading Data - Line 2: 'two' is not a valid integer value"},
        {"log with a bad number", Data, WithLine(log, 2, "1\t1\t2..5"),
         "Error Loading Data - Line 2: '2..5' is not a valid floating point value"},
        {"log with an empty line", Data, WithLine(log, 2, ""), "Error Loading Data - Line 2: Empty line"},
        {"annotations cut inside a name", Annotations, notes.left(notes.indexOf("Annotation0.X ") + 12),
         QStringLiteral("Error Loading Annotations - Line %1: ").arg(noteX)},
        {"annotations with a bad number", Annotations, WithLine(notes, noteX, "Annotation0.X = 1.2.3"),
         QStringLiteral("Error Loading Annotations - Line %1: '1.2.3' is not a valid floating point value").arg(noteX)},
        {"annotations with a bad count", Annotations, WithLine(notes, 1, "AnnotationCount = x"),
         "Error Loading Annotations - Line 1: 'x' is not a valid integer value"},
        {"annotations with an empty line", Annotations, WithLine(notes, 2, ""),
         "Error Loading Annotations - Line 2: Empty line"},
        {"channel configuration cut inside a name", ChannelConfig,
         channel.left(channel.indexOf("Channel.DataStyle") + 10), properties + QStringLiteral("Line %1: ").arg(style)},
        {"channel configuration with a bad number", ChannelConfig, WithLine(channel, style, "Channel.DataStyle = one"),
         properties + QStringLiteral("Line %1: 'one' is not a valid integer value").arg(style)},
        {"channel configuration with a data style out of range", ChannelConfig,
         WithLine(channel, style, "Channel.DataStyle = 7"), properties + QStringLiteral("Line %1: ").arg(style)},
        {"channel configuration of the wrong type", ChannelConfig, WithLine(channel, 1, "File Type = Plot Config"),
         properties + "Incompatible Plot Channel Configuration File Type"},
        {"channel configuration with an empty line", ChannelConfig, WithLine(channel, 3, ""),
         properties + "Line 3: Empty line"},
        {"channel data cut short", ChannelData, points.left(points.size() - 4),
         "Line 4: '' is not a valid floating point value"},
        {"channel data with a bad number", ChannelData, WithLine(points, 2, "1\t1l"),
         "Line 2: '1l' is not a valid floating point value"},
        {"channel data with an empty line", ChannelData, WithLine(points, 2, ""), "Line 2: Empty line"},
    };
    const QByteArray before = Fingerprint();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = Path("damaged");
        WriteBytes(file, c.bytes);
        const std::function<void()> loads[] = {
            [&] { plot.LoadPropertiesFromFile(file); },
            [&] { plot.LoadDataFromFile(file); },
            [&] { plot.LoadAnnotationsFromFile(file); },
            [&] { plot.GetChannel(0)->LoadPropertiesFromFile(file); },
            [&] { plot.GetChannel(0)->LoadDataFromFile(file, true); },
        };
        const QString message = MessageOf(loads[c.load]);
        EXPECT_TRUE(message.startsWith(c.start)) << message.toStdString();
        EXPECT_EQ(Fingerprint(), before);
        EXPECT_FALSE(plot.GetUpdateActive());
        EXPECT_TRUE(plot.LayoutManager()->Enabled());
        const int repaints = plot.repaints;
        plot.GetChannel(1)->SetColor(plot.GetChannel(1)->Color() ^ 1);
        EXPECT_GT(plot.repaints, repaints); // still repainting
        plot.GetChannel(1)->SetColor(plot.GetChannel(1)->Color() ^ 1);
    }
    EXPECT_NE(plot.LastDataFileName(), Path("damaged"));
}

// The file system refuses to let the file grow beyond Bytes while Call
// runs (root meets that limit too).
QString WithFileSizeLimit(rlim_t Bytes, const std::function<void()> &Call)
{
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = Bytes;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limited);
    const QString message = MessageOf(Call);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    return message;
}

TEST_F(DamagedFilesTest, SavesThatCannotFinishLeaveTheOldFile)
{
    plot.AddTranslation(QStringLiteral("Untitled"), QStringLiteral("A title long enough to pass the limit"));
    const struct {
        const char *name;
        std::function<void(const QString &)> save;
        const char *prefix;
    } saves[] = {
        {"configuration", [&](const QString &f) { plot.SavePropertiesToFile(f); }, "Error Saving Properties - "},
        {"control properties", [&](const QString &f) { plot.TgComponent::SavePropertiesToFile(f); },
         "Error Saving Properties - "},
        {"text data", [&](const QString &f) { plot.SaveDataToFile(f); }, "Error Saving Data - "},
        {"compact data",
         [&](const QString &f) {
             plot.SetDataFileFormat(ipdffCompactInterval);
             struct Back {
                 TgPlotComponent &p;
                 ~Back() { p.SetDataFileFormat(ipdffText); }
             } back{plot};
             plot.SaveDataToFile(f);
         },
         "Error Saving Data - "},
        {"annotations", [&](const QString &f) { plot.SaveAnnotationsToFile(f); }, "Error Saving Annotations - "},
        {"channel configuration", [&](const QString &f) { plot.GetChannel(0)->SavePropertiesToFile(f); },
         "Error Saving Properties - "},
        {"channel data", [&](const QString &f) { plot.GetChannel(0)->SaveDataToFile(f); }, ""},
        {"translations", [&](const QString &f) { plot.SaveTranslationsToFile(f); }, "Error Saving Translation Data - "},
    };
    for (const auto &s : saves) {
        SCOPED_TRACE(s.name);
        QTemporaryDir folder;
        const QString old = folder.filePath("old.txt");
        WriteBytes(old, "old\r\n");
        // A write that fails part of the way.
        const QString message = WithFileSizeLimit(16, [&] { s.save(old); });
        EXPECT_TRUE(message.startsWith(QLatin1String(s.prefix)) && message != "(nothing raised)")
            << message.toStdString();
        EXPECT_EQ(ReadBytes(old), QByteArray("old\r\n"));
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.txt"});
        // No folder to write in: a folder that does not exist, a file.
        for (const QString &target : {folder.filePath("missing/new.txt"), old + "/new.txt"})
            EXPECT_NE(MessageOf([&] { s.save(target); }), "(nothing raised)") << target.toStdString();
        EXPECT_EQ(ReadBytes(old), QByteArray("old\r\n"));
        // And the save itself works.
        s.save(old);
        EXPECT_NE(ReadBytes(old), QByteArray("old\r\n"));
    }
}

} // namespace
