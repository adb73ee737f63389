#pragma once

namespace quillo {

class Page;

// A screen instance lives for the whole run; its page does not. Each
// opening builds a fresh page in the state it opens in, while the
// instance's own fields keep their values.
class Screen {
public:
    virtual ~Screen() = default;
    // The caller takes the page and shows it.
    virtual Page* open() = 0;
};

}  // namespace quillo
