// libFuzzer target of both project readers: every input is read as an older
// binary document and as an XML project document. Reading may succeed or
// fail with the reader's own error; anything else (another exception, a
// crash, a sanitizer report) is a finding.
#include "geometry/Projektdatei.h"
#include "model/CXmlArchive.h"
#include "model/DOptionen.h"
#include "model/Haus.h"
#include "model/Klimadaten.h"
#include "model/Notifier.h"
#include "model/RuntimeClass.h"
#include "platform/BinaryArchive.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

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
    zeva::StillerNotifier notifier;
    try {
        zeva::BinaryArchive ar(std::vector<std::uint8_t>(data, data + size));
        zeva::DOptionen optionen;
        zeva::LeseAltesProjekt(ar, optionen, notifier);
    } catch (const zeva::BinaryArchiveError&) {
    }

    {
        std::ofstream out(XmlDatei(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    try {
        zeva::DOptionen optionen;
        zeva::LadeProjekt(XmlDatei(), optionen, notifier);
    } catch (const zeva::CXmlArchiveException&) {
    }
    return 0;
}
