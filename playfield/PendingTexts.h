#pragma once
// Texts used here until the shared text tables land; replaced by lang/ names.
#include "lang/Text.h"

namespace gw::pending {
inline constexpr Text SolvedMaker{
    "You have solved the puzzle. If you have done this without cheating, your puzzle is good. Close the Test window now?",
    "U heeft de puzzel opgelost. Als u dit heeft gedaan zonder vals te spelen, is de puzzel goed. Het Test-venster nu sluiten?",
    "Hai risolto il puzzle. Se lo hai fatto senza barare, il tuo puzzle è valido. Chiudere la finestra di test?"};
inline constexpr Text SolvedPlayer{"You have solved the puzzle.", "U heeft de puzzel opgelost.", "Hai risolto il puzzle."};
inline constexpr Text PuzzleSolvedTitle{"Puzzle solved", "Puzzel opgelost", "Puzzle risolto"};
} // namespace gw::pending
