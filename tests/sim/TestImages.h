#pragma once
#include <cstdint>

#include "ParameterImage.h"

// A parameter image whose every field holds a value drawn from its stored
// range (names printable ASCII, masks within their channels' bits); the same
// seed gives the same image. The reserved word is 0.
ParameterImage RandomImage(uint32_t seed);
