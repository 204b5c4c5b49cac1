#pragma once
// A chart window that shows one building state of the document's house (the
// Sankey window): the pages that host it tell it the state to show.
namespace zeva {

class ZustandsFenster {
public:
    virtual ~ZustandsFenster() = default;
    virtual void SetzeVariante(int n) = 0;
};

} // namespace zeva
