#include "dialog/options_glyph.h"

namespace mtp {

tk::TBitmap OptionsGlyph() {
    constexpr int kSize = 16;
    constexpr int kStride = kSize * 3; // 48 bytes: already a multiple of four
    tk::TBitmap glyph;
    glyph.Width = kSize;
    glyph.Height = kSize;
    glyph.BitsPerPixel = 24;
    glyph.Pixels.resize(static_cast<size_t>(kStride * kSize));
    for (int y = 0; y < kSize; ++y) {
        // Bars of two rows at 3, 7 and 11, from x 2 to 13.
        const bool barRow = (y >= 3 && y <= 12) && ((y - 3) % 4) < 2;
        for (int x = 0; x < kSize; ++x) {
            const bool bar = barRow && x >= 2 && x <= 13;
            uint8_t* px = &glyph.Pixels[static_cast<size_t>(y * kStride + x * 3)];
            // Blue, green, red, as 24-bit bitmaps store them.
            px[0] = bar ? 0x40 : 0xFF;
            px[1] = bar ? 0x40 : 0xFF;
            px[2] = bar ? 0x40 : 0x80;
        }
    }
    return glyph;
}

} // namespace mtp
