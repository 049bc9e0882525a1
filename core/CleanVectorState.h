#pragma once

namespace rk {

// Puts the upper halves of the vector registers back in their clean state
// where the processor has AVX; does nothing elsewhere.
//
// The toolkit leaves them in use: its AVX2 fill (behind QImage::fill, so
// behind every Cls and much of its painting) returns without a vzeroupper.
// On processors with AVX-512 the C library's string functions no longer
// issue one either, so the state can last from one event to the next. While
// it lasts, the C library's sin and cos, which the equations call four
// times a pass, run several times slower (on some Intel Xeons eighteen
// times). A run therefore starts with this, whatever ran before it.
void cleanVectorState();

} // namespace rk
