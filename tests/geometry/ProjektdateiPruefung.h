#pragma once
// One input of the project readers' fuzzing, shared by the libFuzzer target
// and the test that replays the committed corpus: the bytes are read as an
// older binary document and as an XML project document, and on every house
// that opens the program does what it does with a project (the surface
// generator, the heat balance of every building state, the demand of every
// state, a save to memory).
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace zeva {
class Haus;
}

namespace zeva::test {

// Both readers and everything after them on one input take at most this
// much processor time.
inline constexpr std::chrono::milliseconds ZeitProEingabe{2000};

struct Pruefergebnis {
    int geoeffnet = 0; // readers that opened a house (0 to 2)
    int abgelehnt = 0; // readers that raised their own error
    // What went wrong; empty when nothing did. A reader's own error is not a
    // fault, anything else (another exception, a house that breaks a limit
    // of the loaders, too much time) is.
    std::vector<std::string> funde;
    std::chrono::nanoseconds dauer{}; // processor time
};

// Runs the readers and the work after them on the bytes. arbeitsdatei is
// where the XML reader finds them (the reader reads files only).
Pruefergebnis PruefeProjektdatei(std::span<const std::uint8_t> daten, const std::filesystem::path& arbeitsdatei);

// What a house that opened breaks of the loaders' promises (counts and
// values within their limits, no damaged roof, the current version); empty
// when nothing.
std::vector<std::string> Unstimmigkeiten(const Haus& haus);

} // namespace zeva::test
