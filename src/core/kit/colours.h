#pragma once

#include <cstdint>

namespace quillo {

// Colours as 0x00BBGGRR numbers, the way every screen names them; only the
// toolkit turns them into pixels.
using Colour = std::uint32_t;

namespace colour {
inline constexpr Colour Red = 0x0000FF;
inline constexpr Colour Blue = 0xFF0000;
inline constexpr Colour DarkBlue = 0xC00000;
inline constexpr Colour Yellow = 0x00FFFF;
inline constexpr Colour DarkGrey = 0x404040;
inline constexpr Colour White = 0xFFFFFF;
inline constexpr Colour Black = 0x000000;
inline constexpr Colour Green = 0x00FF00;
inline constexpr Colour LightGreen = 0x80FF80;
inline constexpr Colour LightCyan = 0xFFFFC0;
inline constexpr Colour LightYellow = 0x80FFFF;
inline constexpr Colour PaleAzure = 0xFCF9DE;
inline constexpr Colour PaleIvory = 0xE6FDFB;
inline constexpr Colour PaleSky = 0xFBEEDF;

// Colours by the control they paint on every screen.
inline constexpr Colour MenuButton = PaleAzure;           // "Menu"
inline constexpr Colour FractionsMenuButton = PaleIvory;  // "Menu fraz"
inline constexpr Colour DecimalsMenuButton = PaleSky;     // "Menu dec"
}  // namespace colour

}  // namespace quillo
