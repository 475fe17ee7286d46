// libFuzzer target: the webpbn XML clue-file reader on arbitrary data. Any
// crash, sanitizer report or broken invariant (fuzz_clues_check.h) is a finding.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_clues_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fuzzcheck::checkResult(gw::readClueData(bytes, gw::ClueFormat::Webpbn, "fuzz.xml"));
    return 0;
}
