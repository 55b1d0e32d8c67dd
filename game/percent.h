// Percent-encoding, the one way the game writes bytes into addresses, links and records.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillmere {

// The text with every byte that `plain` does not keep written as %XX (upper-case hex).
std::string PercentEncoded(std::string_view text, bool (*plain)(unsigned char byte));
// The bytes a percent-encoded text stands for; none when a "%" is not followed by two hex
// digits.
std::optional<std::string> PercentDecoded(std::string_view text);
// Letters, digits and "-._~": what an address carries as itself.
bool IsUnreserved(unsigned char byte);

}  // namespace quillmere
