#pragma once
// A location as the region files and the settings file store it: exactly
// 72 bytes in the current record layout.

#include <array>
#include <cstdint>

using PackedLocation = std::array<uint8_t, 72>;
