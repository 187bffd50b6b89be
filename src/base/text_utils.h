#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orv::base {

// Splits text at a one-character separator. Separators at the start are
// skipped, a run of separators ends one part only and an empty last part is
// dropped: "a;;b" gives "a", "b"; ";;" and "" give nothing; " ;до" gives " ",
// "до". The dictionary, the support records and the catalogue rely on this.
std::vector<std::string> SplitText(const std::string& text, char separator);

// Splits at every separator, keeping empty parts, so that a part cannot move
// into another's place: "a;;b" gives "a", "", "b"; "" gives one empty part.
std::vector<std::string> SplitFields(const std::string& text, char separator);

// The file name without its folder, cut before its first ".":
// "C:\Work\Route.2.orv" gives "Route". "\", ":" and "/" all end a folder.
std::string FileBaseName(const std::string& path);

// The text with every line break (CR LF, CR or LF) turned into one blank.
std::string OnOneLine(const std::string& text);

// True when a spreadsheet would take a text cell beginning so for a formula
// ("=2+3" calculated, "=HYPERLINK(...)" followed): "=", "+", "-" or "@".
bool StartsLikeFormula(std::string_view text);

}  // namespace orv::base
