#pragma once
// The hourglass pointer while a command runs: shown by the constructor, restored by the
// destructor, so that an early return or an error never leaves it on.

namespace kestrel {

class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool active_ = false;
};

}  // namespace kestrel
