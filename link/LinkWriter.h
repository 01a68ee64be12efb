#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>

// How a USB or network link's worker writes a frame: through the main window
// (TfmMain::UsbWrite, TfmMain::NetWrite), on the worker thread. Returns false
// when the write failed.
using LinkWriter = std::function<bool(const uint8_t *p, size_t n)>;
