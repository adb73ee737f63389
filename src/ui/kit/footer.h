#pragma once

namespace quillo {

class Label;
class Page;

// Where a page signs itself with "vt-pb - Aritmetica V": centred under the
// paper, or small beside "exit" on the pages that were drawn so.
enum class FooterPlace { Centred, BesideExit };

Label* addFooter(Page& page, FooterPlace place = FooterPlace::Centred);

}  // namespace quillo
