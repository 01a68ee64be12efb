#include <gtest/gtest.h>

#include "CurveBuilder.h"
#include "FrequencyGrid.h"
#include "LUnitControl.h"
#include "Plot.h"
#include "PresetFile.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct ProbeRun {
    int exitCode = -1;
    std::string out, err;
};

std::string ReadText(const std::string &path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs curveprobe with the arguments (already quoted where needed), under a
// locale that would write decimal commas if the tool honoured it.
ProbeRun Probe(const std::string &args)
{
    char errPath[] = "/tmp/curveprobe-err-XXXXXX";
    const int fd = mkstemp(errPath);
    close(fd);
    const std::string cmd = std::string("LC_ALL=de_DE.UTF-8 LC_NUMERIC=de_DE.UTF-8 ") + CURVEPROBE_PATH + " " + args
                            + " 2>" + errPath;
    ProbeRun r;
    FILE *p = popen(cmd.c_str(), "r");
    if (!p)
        return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        r.out.append(buf, n);
    const int status = pclose(p);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.err = ReadText(errPath);
    std::remove(errPath);
    return r;
}

struct Line {
    double freq, mag, phase;
};

std::vector<Line> Parse(const std::string &out)
{
    std::vector<Line> lines;
    std::istringstream in(out);
    std::string text;
    while (std::getline(in, text)) {
        Line l{};
        char *end = nullptr;
        l.freq = std::strtod(text.c_str(), &end);
        l.mag = std::strtod(end, &end);
        l.phase = std::strtod(end, &end);
        EXPECT_EQ(*end, '\0') << text;
        lines.push_back(l);
    }
    return lines;
}

class Curveprobe : public ::testing::Test {
protected:
    std::string prs;
    LUnitControl model;

    void SetUp() override
    {
        char path[] = "/tmp/curveprobe-XXXXXX";
        const int fd = mkstemp(path);
        close(fd);
        prs = path;
        model.SetPeqBand(5, 1, PeqBand{170, 100, 30, 0}, false);
        model.SetPeqBand(5, 4, PeqBand{60, 200, 10, 1}, false);
        model.SetPeqBand(5, 8, PeqBand{200, 250, 50, 8}, false);
        model.SetHighPass(5, CrossoverRecord{30, 0, 9, 0});
        model.SetLowPass(5, CrossoverRecord{0, 270, 0, 20});
        Write(PresetFile::ToBytes(model.GetImage()));
    }
    void TearDown() override { std::remove(prs.c_str()); }

    void Write(const ByteVector &bytes)
    {
        std::ofstream out(prs, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    }
};

TEST_F(Curveprobe, PrintsTheChannelTotalAtTheAskedGridPoints)
{
    const ProbeRun run = Probe("--prs " + prs + " --channel 5 --points 100");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.find(','), std::string::npos);
    const std::vector<Line> lines = Parse(run.out);
    ASSERT_EQ(lines.size(), 100u);
    Plot mag, phase;
    phase.SetPhaseMode(1);
    BuildChannelCurves(mag, model, 5);
    BuildChannelCurves(phase, model, 5);
    for (int k = 0; k < 100; ++k) {
        const int i = k * 4096 / 100;
        EXPECT_EQ(lines[size_t(k)].freq, GridFrequency(i)) << k; // printed to round-trip
        EXPECT_EQ(lines[size_t(k)].mag, mag.Filter(Plot::kSumSlot).response[i]) << k;
        EXPECT_EQ(lines[size_t(k)].phase, phase.Filter(Plot::kSumSlot).response[i] * 10) << k;
    }
    EXPECT_EQ(Parse(Probe("--prs " + prs + " --channel 0").out).size(), 4096u);
}

TEST_F(Curveprobe, TotalIsTheSumOfItsSectionsInMagnitude)
{
    const std::vector<Line> total = Parse(Probe("--prs " + prs + " --channel 5 --points 64").out);
    ASSERT_EQ(total.size(), 64u);
    std::vector<double> sum(64, 0.0);
    for (int section : {0, 1, 2, 3, 4, 5, 6, 7, 8, 31, 32}) {
        const ProbeRun run = Probe("--prs " + prs + " --channel 5 --points 64 --section " + std::to_string(section));
        ASSERT_EQ(run.exitCode, 0) << section;
        const std::vector<Line> lines = Parse(run.out);
        ASSERT_EQ(lines.size(), 64u);
        for (size_t k = 0; k < 64; ++k)
            sum[k] += lines[k].mag;
    }
    for (size_t k = 0; k < 64; ++k)
        EXPECT_NEAR(total[k].mag, sum[k], 1e-9) << k;
    EXPECT_GT(std::fabs(total[40].mag), 0.5); // the preset shapes this channel
}

TEST_F(Curveprobe, DamagedFilesAndBadOptionsExitWithTheirCodes)
{
    ByteVector bytes = PresetFile::ToBytes(model.GetImage());
    struct Damage {
        const char *what;
        ByteVector bytes;
    };
    ByteVector shortFile(bytes.begin(), bytes.end() - 10);
    ByteVector badMagic = bytes;
    badMagic[3] = 'X';
    ByteVector badType = bytes;
    badType[PresetFile::kMagicSize + 16 - 2 + 78 + 5] = 9; // input A PEQ band 0 type
    for (const Damage &d : {Damage{"short", shortFile}, Damage{"magic", badMagic}, Damage{"type", badType}}) {
        SCOPED_TRACE(d.what);
        Write(d.bytes);
        const ProbeRun run = Probe("--prs " + prs + " --channel 0");
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find("curveprobe: "), std::string::npos) << run.err;
    }
    EXPECT_NE(Probe("--prs " + prs + " --channel 0").err.find("input A PEQ band 0 type"), std::string::npos);
    EXPECT_EQ(Probe("--prs /nonexistent/x.prs --channel 0").exitCode, 1);

    Write(bytes);
    const char *bad[] = {
        "",
        "--channel 3",
        "--prs {} --channel 12",
        "--prs {} --channel -1",
        "--prs {} --channel 1x",
        "--prs {} --channel 2 --points 0",
        "--prs {} --channel 2 --points 4097",
        "--prs {} --channel 2 --section 9",
        "--prs {} --channel 2 --section 33",
        "--prs {} --channel 2 --frobnicate 1",
        "--prs {} --channel",
    };
    for (const char *args : bad) {
        std::string a = args;
        const size_t at = a.find("{}");
        if (at != std::string::npos)
            a.replace(at, 2, prs);
        const ProbeRun run = Probe(a);
        EXPECT_EQ(run.exitCode, 2) << args;
        EXPECT_NE(run.err.find("usage: curveprobe"), std::string::npos) << args;
        EXPECT_TRUE(run.out.empty()) << args;
    }
}

} // namespace
