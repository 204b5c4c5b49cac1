#pragma once
// Reading a document file whole. Only a regular file is read: a folder, a
// device or a FIFO that carries a document's name is refused at once, instead
// of waiting for a writer that never comes or reading /dev/zero until memory
// runs out. Plain C++ on POSIX, no streams: nothing here raises a stream
// error, every failure is a FileReadError that each reader turns into its own.
#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace zeva {

class FileReadError : public std::runtime_error {
public:
    enum class Grund { NichtLesbar, KeineRegulaereDatei, ZuGross };

    // what() is the system's reason in English ("No such file or directory",
    // "not a regular file", "file too large"), as the XML reader reports it.
    FileReadError(Grund grund, int fehlernummer, const std::string& text);

    Grund GrundDesFehlers() const { return m_grund; }
    int Fehlernummer() const { return m_fehlernummer; }

private:
    Grund m_grund;
    int m_fehlernummer;
};

// The whole content; raises FileReadError when the file cannot be opened or
// read, is no regular file (symbolic links are followed) or holds more than
// maxBytes.
std::string ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes);

// An open descriptor of the regular file for reading as it goes (the caller
// closes it), with the same refusals as ReadRegularFile: raises
// FileReadError when the file cannot be opened, is no regular file or holds
// more than maxBytes.
int OpenRegularFile(const std::filesystem::path& path, std::size_t maxBytes);

// At most the first count bytes of a regular file; empty when the file is
// missing, unreadable or no regular file. Never raises for those.
std::string ReadRegularFileHead(const std::filesystem::path& path, std::size_t count);

} // namespace zeva
