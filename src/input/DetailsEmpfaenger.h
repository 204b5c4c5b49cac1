#pragma once
// What a table dialog offers the details dialog that it opens for one of its
// rows: the details dialog hands its record over on OK and reports its end
// (OK or cancel), so that the table can take the row and enable itself again.
// The opener passes itself in; a wizard page passes nothing and copies the
// record back after the run.
namespace zeva {

template <class T>
class DetailsEmpfaenger {
public:
    virtual ~DetailsEmpfaenger() = default;
    // The current row becomes a copy of the edited record.
    virtual void DetailsUebernehmen(const T& bauteil) = 0;
    // The details dialog ends; called once, after DetailsUebernehmen on OK.
    virtual void DetailsGeschlossen() = 0;
};

} // namespace zeva
