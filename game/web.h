// The game's website: one host, chosen when the program is built, and fixed paths.
#pragma once

#include <string>
#include <string_view>

namespace quillmere {

inline constexpr std::string_view kWebsitePage = "/quillmere/";
inline constexpr std::string_view kIntroductionPage = "/quillmere/intro.htm";
inline constexpr std::string_view kTutorialPage = "/quillmere/tutorial.htm";

// The full address of a page of the game's website.
std::string WebAddress(std::string_view path);

}  // namespace quillmere
