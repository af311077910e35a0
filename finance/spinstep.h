#pragma once
// The result of one step of a spin button: the new value, and whether the step beeps.

namespace kestrel {

struct SpinStep {
    double value = 0;
    bool beep = false;
};

}  // namespace kestrel
