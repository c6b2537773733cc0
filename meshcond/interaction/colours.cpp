// The colour rule: a 30-entry base table and a step of 70 per round.
#include "meshcond/interaction/colours.h"

#include <array>

namespace meshcond::ui {

namespace {

constexpr std::array<Colour, 30> kBase = {
    0x000000, 0x0000FF, 0x00FFFF, 0x008000, 0x808000, 0xCD0000, 0x8B008B, 0x5C5CCD,
    0x00A5FF, 0x228B22, 0x578B2E, 0xB48246, 0xD30094, 0x8F8FBC, 0x0045FF, 0x00FC7C,
    0x71B33C, 0xA09E5F, 0xFF00FF, 0xB469FF, 0x6BB7BD, 0x32CD9A, 0xFFFF00, 0xFFBF00,
    0xCD5A6A, 0xC1B6FF, 0x507FFF, 0x00FF7F, 0xCCD148, 0xFF901E,
};

}  // namespace

Colour gColor(long long k) {
  if (k < 0) k = 0;
  unsigned long long value = kBase[k % 30] + 70ULL * static_cast<unsigned long long>(k / 30);
  return static_cast<Colour>(value & 0xFFFFFF);
}

Colour numberColourOn(Colour fill) {
  // Perceived brightness (ITU-R BT.601 weights), 0 to 255000.
  int luma = 299 * redOf(fill) + 587 * greenOf(fill) + 114 * blueOf(fill);
  return luma < 128000 ? kWhite : kPureBlue;
}

}  // namespace meshcond::ui
