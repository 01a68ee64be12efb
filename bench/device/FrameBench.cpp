#include <benchmark/benchmark.h>

#include "CommandClasses.h"
#include "LCmd.h"
#include "LUnitControl.h"

namespace {

void BM_SerialiseGain(benchmark::State &state)
{
    uint16_t gain = 0;
    for (auto _ : state) {
        ByteVector f = CM_MCS_GAIN(1, 6, gain++).ToBytes(1);
        benchmark::DoNotOptimize(f.data());
    }
}
BENCHMARK(BM_SerialiseGain);

void BM_SerialiseDownloadBlock(benchmark::State &state)
{
    uint8_t block[50];
    for (int i = 0; i < 50; ++i)
        block[i] = uint8_t(i);
    for (auto _ : state) {
        ByteVector f = CM_MCS_DOWNLOAD(1, 28, 19, block, sizeof block).ToBytes(1);
        benchmark::DoNotOptimize(f.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * 61);
}
BENCHMARK(BM_SerialiseDownloadBlock);

// A parameter-block reply: the largest frame the device sends during an upload.
ByteVector BlockReply()
{
    ByteVector payload{5};
    for (int i = 0; i < 50; ++i)
        payload.push_back(uint8_t(i * 3));
    ByteVector f = CM_MCS_DOWNLOAD(1, 5, 0, payload.data() + 1, 50).ToBytes(1);
    f[2] = 1; // the replying device's ID
    return f;
}

void BM_ParseBlockReply(benchmark::State &state)
{
    const ByteVector f = BlockReply();
    for (auto _ : state) {
        LCmd c(f, 1);
        benchmark::DoNotOptimize(c.Data().data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(f.size()));
}
BENCHMARK(BM_ParseBlockReply);

void BM_CheckCompleteFrame(benchmark::State &state)
{
    const ByteVector f = BlockReply();
    for (auto _ : state)
        benchmark::DoNotOptimize(CommandFrame::IsComplete(f.data(), f.size()));
}
BENCHMARK(BM_CheckCompleteFrame);

// A whole upload staged block by block into the model.
void BM_ReceiveImage(benchmark::State &state)
{
    LUnitControl model;
    std::vector<ByteVector> blocks;
    for (int n = 0; n < LUnitControl::kBlockCount; ++n) {
        ByteVector b{uint8_t(n)};
        b.resize(51, uint8_t(n));
        blocks.push_back(b);
    }
    for (auto _ : state)
        for (const ByteVector &b : blocks)
            benchmark::DoNotOptimize(model.ReceiveImageChunk(b));
}
BENCHMARK(BM_ReceiveImage);

} // namespace

BENCHMARK_MAIN();
