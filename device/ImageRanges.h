#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "ParameterImage.h"

// Which image fields a file carries, and so which ones its check covers.
enum class ImageFields {
    PresetBody, // image bytes 2 to 1435: name, channel records, mute and PEQ bypass masks
    UnitRecord, // image bytes 0 to 1444: the above plus test signal, delay unit, EQ bypass masks
};

// The stored range of every field of a ParameterImage, kept in one table that
// the file checks and the intake of device data both walk: an image taken from
// the device is one that every file check accepts.
class ImageRanges {
public:
    // Empty when every field of the given part lies in its stored range; else
    // the first that does not, e.g. "input B PEQ band 3 type 9 outside 0..8".
    // Names are not checked: a file may carry any name bytes.
    static std::string Fault(const ParameterImage &image, ImageFields fields);

    // Holds every field of image bytes 2 to 1447 to its stored range, as device
    // data is taken: a value above its range becomes the maximum, one below it
    // the minimum; a mask loses the bits that name no channel or band; names
    // become what the name controls accept (HoldName). The reserved word stays.
    static void Hold(ParameterImage &image);

    // Name bytes held to printable ASCII, as the name edits accept them: the
    // other bytes are dropped and the text is padded at its end with `pad`. A
    // NUL-padded field (channel names) ends at its first NUL; in a blank-padded
    // one (preset names) a NUL is read as a blank.
    static void HoldName(uint8_t *name, size_t size, uint8_t pad);
};
