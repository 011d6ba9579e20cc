// Plain value types of the window toolkit: geometry, colours, fonts, layout rules, key codes,
// window messages and the fixed numbers (modal results, cursors) that forms and back ends share.
// Names avoid the identifiers that windows.h defines as macros, so the Win32 back end can
// include both.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mtp::tk {

// A native window handle as a number; 0 is "no window". Headless back ends invent their own.
using WindowHandle = std::uintptr_t;

struct TPoint {
    int X = 0, Y = 0;
    bool operator==(const TPoint&) const = default;
};

// Left, Top, Right, Bottom as in the platform's RECT.
struct TRect {
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool operator==(const TRect&) const = default;
};

// Left, top, width and height of a control inside its parent's client area.
struct TBounds {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool operator==(const TBounds&) const = default;
};

// 0x00BBGGRR, as the platform's COLORREF. clDefault lets the back end choose.
using TColor = uint32_t;
inline constexpr TColor clDefault = 0xFF000000u;
inline constexpr TColor clWhite = 0x00FFFFFFu;
inline constexpr TColor clBlack = 0x00000000u;
constexpr TColor Rgb(uint8_t r, uint8_t g, uint8_t b) {
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}

struct TFont {
    std::u16string Name = u"Tahoma";
    int Height = 11; // pixels
    int Size = 8;    // points, as declared; sizes are not scaled with the screen
    bool Bold = false;
    bool operator==(const TFont&) const = default;
};

// Which edges of the parent a control keeps its distance to when the parent is resized.
enum TAnchor : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;
inline constexpr TAnchors kDefaultAnchors = akLeft | akTop;
inline constexpr TAnchors kAllAnchors = akLeft | akTop | akRight | akBottom;

// Docking of a control inside its parent; alNone places it by its bounds and anchors.
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

enum class TBevel { bvNone, bvLowered, bvRaised };

enum class TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };

// Caption buttons of a form.
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;

// Modal results: 0 keeps a modal form open; the form's ShowModal returns the value that ended it.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;

// Screen cursors.
inline constexpr int crDefault = 0;
inline constexpr int crHourGlass = -11;

// Virtual key codes the toolkit itself gives meaning to.
inline constexpr uint16_t vkReturn = 0x0D;
inline constexpr uint16_t vkEscape = 0x1B;

enum TShiftFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4 };
using TShiftState = unsigned;

// A window message delivered to a form's message handler; Result is what the sender gets back.
struct TMessage {
    uint32_t Msg = 0;
    uintptr_t WParam = 0;
    intptr_t LParam = 0;
    intptr_t Result = 0;
};
inline constexpr uint32_t kWmDeviceChange = 0x0219;

// Message-box flags and answers, with the platform's values.
enum TMsgBoxFlag : unsigned {
    mbOk = 0x00,
    mbOkCancel = 0x01,
    mbYesNo = 0x04,
    mbIconError = 0x10,
    mbIconQuestion = 0x20,
    mbIconWarning = 0x30,
    mbIconInformation = 0x40,
};
inline constexpr unsigned kMsgBoxButtonMask = 0x0F;
inline constexpr int idOk = 1;
inline constexpr int idCancel = 2;
inline constexpr int idYes = 6;
inline constexpr int idNo = 7;

// A bitmap held as data: rows of packed pixels, top row first. Back ends turn it into their own
// picture when they show it.
struct TBitmap {
    std::u16string ResourceName; // the resource it was loaded from, if any
    int Width = 0;
    int Height = 0;
    int BitsPerPixel = 24;
    std::vector<uint8_t> Pixels;
    bool Empty() const { return Width == 0 || Height == 0; }
};

} // namespace mtp::tk
