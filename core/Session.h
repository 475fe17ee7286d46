#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "Palette.h"
#include "lang/Language.h"

namespace gw {

// What belongs to the running program rather than to the puzzle document:
// the language of every text, the maker's two mouse-button colours and the
// folder the program's data files come from. One per program, owned by main()
// beside the Puzzle and passed by reference; readers and writers of puzzle
// files never touch it.
struct Session {
    Language language = Language::English; // also a byte without a language (empty texts)
    // Maker: the palette index the left (0) and right (1) mouse button draws with.
    std::array<std::uint8_t, 2> buttonColor {{Black, White}};
    std::string programFolder; // ends with the platform's path separator; empty: the current folder
    // Set once by the main window when it closes for good; from then on the
    // secondary windows, which otherwise only hide, really close.
    bool closing = false;
};

} // namespace gw
