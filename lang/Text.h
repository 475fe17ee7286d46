#pragma once
// One user-visible text in its three languages: English, Dutch, Italian.
// All texts are UTF-8 string literals with static storage.

namespace gw {

struct Text {
    const char* en;
    const char* nl;
    const char* it;
};

} // namespace gw
