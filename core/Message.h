#pragma once
#include <string>
#include <vector>

namespace gw {

enum class MessageIcon { None, Information, Critical, Question, Exclamation };

// A message a window must show, already in the puzzle's language. Readers and
// writers return these in order; only a window decides how to show them.
struct Message {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::Information;
};

using Messages = std::vector<Message>;

} // namespace gw
