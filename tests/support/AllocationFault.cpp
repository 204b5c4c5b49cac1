#include "support/AllocationFault.h"

#include <libxml/xmlerror.h>
#include <libxml/xmlmemory.h>

#include <cstdlib>
#include <cstring>
#include <new>

// Where the chosen allocation failed, printed when ZEVA_ALLOCATION_FAULT_TRACE
// is set and the sanitizers are linked: the quickest way to find the code
// that swallowed the failure.
extern "C" void __sanitizer_print_stack_trace() __attribute__((weak));

namespace zeva::test {

namespace {

thread_local bool t_armed = false;
thread_local bool t_onlyXml = false;
thread_local bool t_fired = false;
thread_local long t_count = 0;
thread_local long t_failAt = 0;

bool FailNow(bool fromXml) noexcept
{
    if (!t_armed || (t_onlyXml && !fromXml))
        return false;
    ++t_count;
    if (t_count != t_failAt)
        return false;
    t_fired = true;
    if (__sanitizer_print_stack_trace != nullptr && std::getenv("ZEVA_ALLOCATION_FAULT_TRACE") != nullptr)
        __sanitizer_print_stack_trace();
    return true;
}

void* XmlMalloc(std::size_t n) { return FailNow(true) ? nullptr : std::malloc(n); }
void* XmlRealloc(void* p, std::size_t n) { return FailNow(true) ? nullptr : std::realloc(p, n); }
char* XmlStrdup(const char* s) { return FailNow(true) ? nullptr : ::strdup(s); }
void XmlFree(void* p) { std::free(p); }

// libxml2 reports every failed allocation on stderr; a test full of them
// keeps its log readable.
void Still(void*, const char*, ...) {}
xmlGenericErrorFunc g_oldError = nullptr;
void* g_oldErrorContext = nullptr;

xmlFreeFunc g_oldFree = nullptr;
xmlMallocFunc g_oldMalloc = nullptr;
xmlReallocFunc g_oldRealloc = nullptr;
xmlStrdupFunc g_oldStrdup = nullptr;

void* Allocate(std::size_t n)
{
    if (FailNow(false))
        throw std::bad_alloc();
    void* p = std::malloc(n == 0 ? 1 : n);
    if (p == nullptr)
        throw std::bad_alloc();
    return p;
}

void* AllocateNoThrow(std::size_t n) noexcept
{
    if (FailNow(false))
        return nullptr;
    return std::malloc(n == 0 ? 1 : n);
}

} // namespace

AllocationFault::AllocationFault(long failAt, Scope scope)
{
    // libxml2's allocator is replaced only while a guard lives; both sides
    // forward to malloc and free, so memory crosses the change freely.
    xmlMemGet(&g_oldFree, &g_oldMalloc, &g_oldRealloc, &g_oldStrdup);
    xmlMemSetup(XmlFree, XmlMalloc, XmlRealloc, XmlStrdup);
    g_oldError = xmlGenericError;
    g_oldErrorContext = xmlGenericErrorContext;
    xmlSetGenericErrorFunc(nullptr, Still);
    t_count = 0;
    t_failAt = failAt;
    t_fired = false;
    t_onlyXml = scope == Scope::LibXml2Only;
    t_armed = true;
}

AllocationFault::~AllocationFault()
{
    Disarm();
    xmlMemSetup(g_oldFree, g_oldMalloc, g_oldRealloc, g_oldStrdup);
    xmlSetGenericErrorFunc(g_oldErrorContext, g_oldError);
}

long AllocationFault::Count() const { return t_count; }
bool AllocationFault::Fired() const { return t_fired; }
void AllocationFault::Disarm() { t_armed = false; }

} // namespace zeva::test

// The replaceable allocation functions of the whole test program (the
// aligned forms stay the library's, as nothing here needs them to fail).
void* operator new(std::size_t n) { return zeva::test::Allocate(n); }
void* operator new[](std::size_t n) { return zeva::test::Allocate(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return zeva::test::AllocateNoThrow(n); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return zeva::test::AllocateNoThrow(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
