// curveprobe: reads a ".prs" file through the model's own file reading, builds
// one channel's response curves with the editor's slot filling and prints one
// line per grid point: frequency in Hz, magnitude in dB, phase in degrees.
// Exit status 0 on success, 1 for a file that cannot be read or is refused,
// 2 for a bad command line.
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>

#include "CurveBuilder.h"
#include "FrequencyGrid.h"
#include "LUnitControl.h"
#include "Plot.h"
#include "PresetFile.h"
#include "ToolOptions.h"

namespace {

struct Options {
    std::string prs;
    int channel = -1;
    int points = kGridPoints;
    int section = -1; // -1: the channel total
};

int Usage()
{
    std::fprintf(stderr, "usage: curveprobe --prs FILE --channel N [--points N] [--section K]\n"
                         "  N: 0-3 inputs A-D, 4-11 outputs 1-8; points 1-4096;\n"
                         "  K: 0-8 PEQ bands, 31 high-pass total, 32 low-pass total\n");
    return 2;
}

bool ParseOptions(int argc, char **argv, Options &o)
{
    const bool taken = ForEachOption(argc, argv, [&o](const std::string &a, const char *v) {
        if (a == "--prs") {
            o.prs = v;
        } else if (a == "--channel") {
            if (!ParseIntOption(v, 0, kChannelCount - 1, o.channel))
                return false;
        } else if (a == "--points") {
            if (!ParseIntOption(v, 1, kGridPoints, o.points))
                return false;
        } else if (a == "--section") {
            if (!ParseIntOption(v, 0, Plot::kLowPassSlot, o.section)
                || (o.section > kOutputPeqBands - 1 && o.section < Plot::kHighPassSlot))
                return false;
        } else {
            return false;
        }
        return true;
    });
    return taken && !o.prs.empty() && o.channel >= 0;
}

// The model with the file's preset, as the editor's file opening leaves it.
bool LoadPreset(const std::string &name, LUnitControl &model, std::string &error)
{
    std::ifstream in(name, std::ios::binary);
    if (!in) {
        error = "cannot open " + name;
        return false;
    }
    // One byte more than a preset file, so that a longer file shows as too long.
    ByteVector bytes(PresetFile::kSize + 1);
    in.read(reinterpret_cast<char *>(bytes.data()), std::streamsize(bytes.size()));
    if (in.bad()) {
        error = "cannot read " + name;
        return false;
    }
    bytes.resize(size_t(in.gcount()));
    std::string why;
    FileStatus status = PresetFile::CheckSizeAndMagic(bytes.data(), bytes.size(), PresetFile::kSize, &why);
    if (status == FileStatus::Ok)
        status = model.ApplyPresetBytes(bytes.data() + PresetFile::kMagicSize, bytes.size() - PresetFile::kMagicSize,
                                        &why);
    if (status != FileStatus::Ok) {
        error = name + ": " + (why.empty() ? "not a preset file" : why);
        return false;
    }
    return true;
}

// The curve printed: slot 33 after the channel's build, or the asked slot.
void Build(Plot &plot, const LUnitControl &model, int ch, uint8_t phase)
{
    plot.SetPhaseMode(phase);
    BuildChannelCurves(plot, model, ch);
}

} // namespace

int main(int argc, char **argv)
{
    Options o;
    if (!ParseOptions(argc, argv, o))
        return Usage();
    LUnitControl model;
    std::string error;
    if (!LoadPreset(o.prs, model, error)) {
        std::fprintf(stderr, "curveprobe: %s\n", error.c_str());
        return 1;
    }
    Plot magnitude, phase;
    Build(magnitude, model, o.channel, 0);
    Build(phase, model, o.channel, 1);
    const int slot = o.section >= 0 ? o.section : Plot::kSumSlot;
    const double *mag = magnitude.Filter(slot).response;
    const double *ph = phase.Filter(slot).response;
    for (int k = 0; k < o.points; ++k) {
        const int i = int(int64_t(k) * kGridPoints / o.points);
        std::printf("%.17g %.17g %.17g\n", GridFrequency(i), mag[i], ph[i] * 10.0);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
