// One input as two texts compared in their compared forms under the options its first byte
// names: the pieces turned back into the files' own bytes are the reference's, both ways.
#include "../model/OriginalReference.h"

#include "TwoTexts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size < 2)
    return 0;
  TFormOptions o;
  const std::uint8_t bits = data[0];
  o.LineEnds = bits & 1, o.SpaceChange = bits & 2, o.AllSpace = bits & 4, o.Case = bits & 8;
  o.Utf8 = bits & 16;
  o.Page = bits & 32 ? TCodePage::Dos866 : bits & 64 ? TCodePage::Koi8r : TCodePage::Windows1251;
  return CheckTwoTexts(data + 1, size - 1,
                       [&](const std::string &first, const std::string &second) {
                         return OriginalPiecesFault(first, second, o);
                       });
}
