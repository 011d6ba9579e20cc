// The 16 x 16 glyph of the options button: three dark bars on the button's light-cyan key
// colour, drawn here so that the dialog needs no bitmap resource beyond DEVICON.
#pragma once

#include "toolkit/types.h"

namespace mtp {

tk::TBitmap OptionsGlyph();

} // namespace mtp
