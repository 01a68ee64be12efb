#pragma once
#include <cstddef>
#include <cstdint>

// The 18 bytes of device memory from address 0 that a whole-unit file keeps;
// the editor does not interpret them.
struct UnitInfoBlock {
    static constexpr size_t kSize = 18;
    uint8_t bytes[kSize];
};

// One stored user preset as a whole-unit transfer carries it: its number
// (1 to 20) and image bytes 0 to 1445.
struct StoredPresetRecord {
    static constexpr size_t kImageSize = 1446;
    uint8_t presetNumber;
    uint8_t image[kImageSize];
};

static_assert(sizeof(UnitInfoBlock) == 18, "UnitInfoBlock layout");
static_assert(sizeof(StoredPresetRecord) == 1447, "StoredPresetRecord layout");
