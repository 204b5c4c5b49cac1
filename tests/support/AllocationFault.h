#pragma once
// Fault injection for the tests of saving and opening: while a guard lives,
// the allocations of its thread are counted, and the one with the number
// given fails: operator new raises std::bad_alloc, libxml2's allocator gives
// null. Linking this file replaces the program's operator new and delete
// (they forward to malloc and free and cost one thread-local test when no
// guard lives).
namespace zeva::test {

class AllocationFault {
public:
    // Which allocations are counted: all, or only libxml2's (for tests that
    // drive Qt code on the way, which is not written to survive a failing
    // operator new).
    enum class Scope { Everything, LibXml2Only };

    // failAt: number of the allocation that fails, counted from 1 after the
    // guard is made; 0 only counts.
    explicit AllocationFault(long failAt, Scope scope = Scope::Everything);
    ~AllocationFault();
    AllocationFault(const AllocationFault&) = delete;
    AllocationFault& operator=(const AllocationFault&) = delete;

    // Allocations counted so far, and whether the chosen one has failed.
    long Count() const;
    bool Fired() const;
    // Stops counting and failing before the guard ends.
    void Disarm();
};

} // namespace zeva::test
