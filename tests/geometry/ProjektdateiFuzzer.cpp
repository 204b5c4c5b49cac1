// libFuzzer target of both project readers: every input is read as an older
// binary document and as an XML project document, and every house that opens
// goes through the surface generator, the heat balance and the demand of each
// state and a save (PruefeProjektdatei). Reading may succeed or fail with the
// reader's own error; anything else (another exception, a house beyond the
// loaders' limits, an input that takes too long, a crash, a sanitizer report)
// is a finding.
#include "geometry/ProjektdateiPruefung.h"
#include "model/Klimadaten.h"
#include "model/RuntimeClass.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

const std::filesystem::path& XmlDatei()
{
    static const std::filesystem::path pfad = std::filesystem::temp_directory_path() /
                                              ("zeva_fuzz_" + std::to_string(::getpid()) + ".vza");
    return pfad;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    zeva::RegisterModelClasses();
    zeva::SetzeKlimaOrdner(std::filesystem::path(ZEVA_DATA_DIR) / "klima");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const zeva::test::Pruefergebnis ergebnis = zeva::test::PruefeProjektdatei({data, size}, XmlDatei());
    if (!ergebnis.funde.empty()) {
        for (const std::string& fund : ergebnis.funde)
            std::cerr << "Fund: " << fund << '\n';
        std::abort();
    }
    return 0;
}
