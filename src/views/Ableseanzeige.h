#pragma once
// Where the plan editor writes its live read-outs (line length and offsets,
// the absolute position, the north angle, a dormer's heights): a text per
// control number. The input assistant and the roof pane implement it, so the
// editor needs to know no more of the panes than this.
#include <QString>

namespace zeva {

class Ableseanzeige {
public:
    virtual void SetzeText(int id, const QString& text) = 0;

protected:
    ~Ableseanzeige() = default;
};

} // namespace zeva
