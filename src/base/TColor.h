#pragma once

#include <QColor>
#include <QMetaType>
#include <cstdint>

class QPalette;

// A colour as the program stores it: 0x00BBGGRR for a plain colour,
// 0xFF0000nn for a system colour, clNone for "no complete colour". A type of
// its own, so that no stray integer (a size, an index) passes for a colour.
class TColor
{
public:
    constexpr TColor() = default;
    constexpr explicit TColor(std::uint32_t value) : m_value(value) {}

    // A plain colour from its three components.
    static constexpr TColor fromRgb(int red, int green, int blue)
    {
        return TColor(std::uint32_t(red & 0xFF) | std::uint32_t(green & 0xFF) << 8 |
                      std::uint32_t(blue & 0xFF) << 16);
    }

    constexpr std::uint32_t value() const { return m_value; }
    constexpr bool isSystemColour() const { return (m_value & 0xFF000000u) == 0xFF000000u; }
    constexpr int red() const { return int(m_value & 0xFF); }
    constexpr int green() const { return int((m_value >> 8) & 0xFF); }
    constexpr int blue() const { return int((m_value >> 16) & 0xFF); }

    friend constexpr bool operator==(TColor, TColor) = default;

private:
    std::uint32_t m_value = 0;
};

inline constexpr TColor clBlack{0x000000};
inline constexpr TColor clWhite{0xFFFFFF};
inline constexpr TColor clRed{0x0000FF};
inline constexpr TColor clBlue{0xFF0000};
inline constexpr TColor clSilver{0xC0C0C0};
inline constexpr TColor clGray{0x808080};
inline constexpr TColor clNone{0x1FFFFFFF};
inline constexpr TColor clBtnFace{0xFF00000F};
inline constexpr TColor clBtnShadow{0xFF000010};
inline constexpr TColor clBtnHighlight{0xFF000014};
inline constexpr TColor clWindow{0xFF000005};

// The colour to paint with. System colours resolve through the palette
// (clBtnFace is the palette's button colour). clNone, which no valid
// setting holds, paints as the button colour, so a clock with a broken
// colour shows the window background instead of a stray colour.
QColor toQColor(TColor colour, const QPalette &palette);

Q_DECLARE_METATYPE(TColor)
