#pragma once

#include <cstdint>

// How texts are compared when rows are sorted, and in which direction.
enum TSortStyle : std::uint8_t { ssAutomatic, ssNormal, ssNumeric, ssNumericExtended, ssDateTime, ssTime, ssCustom };
enum TSortDirection : std::uint8_t { sdAscending, sdDescending };
