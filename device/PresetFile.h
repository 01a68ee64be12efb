#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "LCmd.h"
#include "ParameterImage.h"

// Outcome of reading a ".prs" or ".unt" file. Anything but Ok means the file
// was refused whole and the target was left exactly as it was.
enum class FileStatus {
    Ok,
    WrongSize,
    WrongMagic,
    OutOfRange, // a field lies outside its stored range
};

// ".prs": the 16-byte magic, image bytes 2 to 1435 unchanged (file offset =
// image offset + 14), CR LF; exactly 1452 bytes.
class PresetFile {
public:
    static constexpr size_t kMagicSize = 16;
    static constexpr size_t kFirstImageByte = 2;
    static constexpr size_t kEndImageByte = 1436; // one past the last image byte kept
    static constexpr size_t kBodySize = kEndImageByte - kFirstImageByte; // 1434
    static constexpr size_t kStringSize = kMagicSize + kBodySize;        // 1450
    static constexpr size_t kSize = kStringSize + 2;                     // 1452
    static constexpr int kLoadCommandCount = 385;

    // "****TQ62V010****", shared by ".prs" and ".unt"; no terminating zero in files.
    static const uint8_t kMagic[kMagicSize];

    // The magic followed by image bytes 2 to 1435, without the line end.
    static ByteVector ToPresetString(const ParameterImage &image);
    // The whole file: ToPresetString plus CR LF.
    static ByteVector ToBytes(const ParameterImage &image);

    // Checks size, magic and every field's range; only when all pass are image
    // bytes 2 to 1435 replaced. The reserved word and the twelve bytes after the
    // PEQ bypass masks keep the values the image had. On refusal `why` (when
    // given) names the cause, e.g. "input B PEQ band 3 type".
    static FileStatus FromBytes(const uint8_t *p, size_t n, ParameterImage &image, std::string *why = nullptr);
    static FileStatus FromBytes(const ByteVector &bytes, ParameterImage &image, std::string *why = nullptr)
    {
        return FromBytes(bytes.data(), bytes.size(), image, why);
    }
    // The same for the body alone (the file from offset 16): its first kBodySize
    // bytes are checked and taken, anything after them (the line end) is not
    // looked at; a shorter body is refused with WrongSize.
    static FileStatus FromBody(const uint8_t *body, size_t n, ParameterImage &image, std::string *why = nullptr);

    // The commands that send a loaded preset to the device, in the device's
    // expected order (385 of them): preset name; per input name, gate, 31 GEQ
    // bands, high-pass, low-pass, gain, polarity, delay, link mask; per output
    // name, route mask, 4 mix levels, high-pass, low-pass, compressor, limiter,
    // gain, polarity, delay, link mask; the 12 mutes; every PEQ band with its
    // bypass bit, inputs first. All go with the append flag.
    static std::vector<LCmd> LoadCommands(const ParameterImage &image, uint8_t deviceId);

    // The first test of both file kinds: Ok when the n bytes at p are exactly
    // `size` long and begin with kMagic; otherwise the refusal, named in `why`.
    static FileStatus CheckSizeAndMagic(const uint8_t *p, size_t n, size_t size, std::string *why);
    // `status`, with `text` put into `why` when given.
    static FileStatus Refuse(FileStatus status, std::string text, std::string *why);
};
