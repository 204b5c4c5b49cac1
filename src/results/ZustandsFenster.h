#pragma once
// A chart window that shows one building state of the document's house (the
// Sankey window): the pages that host it tell it the state to show, and a
// page that computed the states on a house of its own hands it that house.
#include <memory>

namespace zeva {

class Haus;

class ZustandsFenster {
public:
    virtual ~ZustandsFenster() = default;
    virtual void SetzeVariante(int n) = 0;
    // The house whose demand records the window draws; null: the document's.
    virtual void SetzeHaus(std::shared_ptr<const Haus> haus) = 0;
};

} // namespace zeva
