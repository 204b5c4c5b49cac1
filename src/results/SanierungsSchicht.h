#pragma once
// One layer of a renovation measure, as its layer text describes it.
#include <string>

namespace zeva {

struct SanierungsSchicht {
    std::string Name;
    // Where the layer goes into the existing build-up: 1, 2, … before the
    // outermost layer; −1, −2, … after it; 9, 8, … after the innermost layer;
    // 11, 12, … in front of it. Any other code places nothing.
    int Position = 0;
    double Dicke = 0;  // m
    double Lambda = 0; // W/(m·K)
    double Mu = 0;     // water-vapour diffusion resistance factor
};

} // namespace zeva
