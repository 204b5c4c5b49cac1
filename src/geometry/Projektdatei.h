#pragma once
// Opening and saving a project. The project document (".vza") is XML: below
// the root "VykeZeva" the house element "Haus", then the options element
// "Optionen". The older binary document (".zva") is only read: the house's
// binary form, then the options' binary form of the house's version.
//
// A house is always read into a new house, which the caller takes only when
// the whole file was read; a file that cannot be read changes neither the
// caller's house nor its options. The loading sits beside the roof geometry
// because a loaded house needs it: the roofs of the oldest documents are
// built from their line lists, and the junctions between the roofs are
// computed once all roofs are there.
#include <filesystem>
#include <memory>

namespace zeva {

class BinaryArchive;
class CXmlArchiveFile;
class DOptionen;
class Haus;
class Notifier;

// True when the file is an older binary document: by its first bytes where
// they tell (an XML document named ".zva" is XML, a ".vza" that begins with
// the older form's version number is not), else by its extension "zva" in
// any case (x.ZVA too). Every other file is read as XML.
bool IstAlteProjektform(const std::filesystem::path& pfad);

// Writes house and options as a project document of the current version
// (the house's Version becomes Haus::AktuelleVersion). Atomic: the old file
// stays as it was when anything fails. Raises CXmlArchiveException.
void SpeichereProjekt(const std::filesystem::path& pfad, Haus& haus, DOptionen& optionen);

// Reads a project document. Raises CXmlArchiveException when the file is
// missing, not well-formed or has another root, or when it asks for what no
// house can be (PruefeDokumentgrenzen: too many roofs or dormers, a length,
// area or volume that is no number or beyond its limit). Values that are missing or
// malformed in a readable document keep those of a new house (and, for the
// options, the values the options had). Roofs that cannot be used are left
// out, each with a message to the notifier.
std::unique_ptr<Haus> LadeProjekt(const std::filesystem::path& pfad, DOptionen& optionen, Notifier& notifier);

// Reads an older binary document. Raises BinaryArchiveError, whose text says
// in German what is wrong and where, when the file cannot be read or is
// damaged anywhere (an unknown version or class, a count or length beyond
// the end of the file, an object of the wrong class, a truncated file) or
// asks for what no house can be, as LadeProjekt.
std::unique_ptr<Haus> LadeAltesProjekt(const std::filesystem::path& pfad, DOptionen& optionen, Notifier& notifier);

// LadeAltesProjekt or LadeProjekt by IstAlteProjektform. Only regular
// files are read: a folder, a device or a FIFO gets the reader's error at
// once.
std::unique_ptr<Haus> OeffneProjekt(const std::filesystem::path& pfad, DOptionen& optionen, Notifier& notifier);

// The same on an archive that is already open (tests, other sources).
std::unique_ptr<Haus> LeseProjekt(CXmlArchiveFile& ar, DOptionen& optionen, Notifier& notifier);
std::unique_ptr<Haus> LeseAltesProjekt(BinaryArchive& ar, DOptionen& optionen, Notifier& notifier);

} // namespace zeva
