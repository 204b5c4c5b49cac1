// Writes the seed documents of the project readers' fuzz target into the
// folder named on the command line: the older binary document of each version
// 1 to 10, built byte by byte, and the hand-written XML document of a new
// house.
#include "model/AltesDokumentBeispiel.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "Aufruf: " << argv[0] << " <Ordner>\n";
        return 2;
    }
    const std::filesystem::path ordner = argv[1];
    std::filesystem::create_directories(ordner);
    for (int v = 1; v <= 10; ++v) {
        const auto bytes =
            zeva::test::AltesDokument(zeva::test::BeispielHaus(v), zeva::test::BeispielOptionen()).Bytes();
        std::ofstream(ordner / ("version" + std::to_string(v) + ".zva"), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    std::filesystem::copy_file(std::filesystem::path(ZEVA_TEST_DATA_DIR) / "dokument" / "neues_haus.vza",
                               ordner / "neues_haus.vza", std::filesystem::copy_options::overwrite_existing);
    return 0;
}
