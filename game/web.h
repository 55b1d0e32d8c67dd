// The game's website: either a hosted board chosen when the program is built, or, when none
// is, the copy of the site's pages on this computer, opened as local files.
#pragma once

#include <string>
#include <string_view>

namespace quillmere {

inline constexpr std::string_view kWebsitePage = "/quillmere/";
inline constexpr std::string_view kIntroductionPage = "/quillmere/intro.htm";
inline constexpr std::string_view kTutorialPage = "/quillmere/tutorial.htm";

// The scheme and host of the hosted website the program was built for, or "" when the game
// opens its own local pages.
std::string_view BuiltWebsite();

// The full address of a page. With a hosted website: its host followed by the path. Without
// one: a file:// address into the local site folder (the folder that holds "quillmere/"),
// where a folder's page is its index.html, since a browser shows a local folder as a listing.
std::string WebAddress(std::string_view website, std::string_view localSite, std::string_view path);

}  // namespace quillmere
