#pragma once

#include <string_view>

namespace quillo {

class Label;
class Page;

// Where a page signs itself: centred under the paper, or small beside
// "exit" where the paper reaches down to the buttons' row.
enum class FooterPlace { Centred, BesideExit };

Label* addFooter(Page& page, std::string_view text, FooterPlace place = FooterPlace::Centred);

}  // namespace quillo
