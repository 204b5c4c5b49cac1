#include "geometry/Projektdatei.h"

#include "model/RuntimeClass.h"

#include "geometry/DachAusLinien.h"
#include "geometry/DachVerschneidung.h"
#include "model/CXmlArchive.h"
#include "model/Dokumentversion.h"
#include "model/DOptionen.h"
#include "model/Dokumentgrenzen.h"
#include "model/Haus.h"
#include "model/Notifier.h"
#include "platform/BinaryArchive.h"
#include "platform/RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <cctype>
#include <cerrno>
#include <ios>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace zeva {

namespace {

// The code of the reader's error for a document that asks for what no house
// can be; like the reader's other system errors it is an errno value.
constexpr std::uint32_t XmlFehlerBeschaedigt = ERANGE;

void VerschneideAlleDaecher(Haus& haus)
{
    if (haus.m_aDach.size() > 1)
        VerschneideDaecher(haus.m_aDach);
}

// The start of an XML document: "<", or a byte-order mark (UTF-8, UTF-16) or
// XML white space before the first "<". The older form begins with a small
// version number and zero bytes, which XML text never holds.
bool SiehtAusWieXml(std::string_view kopf)
{
    if (kopf.starts_with("\xEF\xBB\xBF"))
        return true;
    if (kopf.starts_with("\xFF\xFE") || kopf.starts_with("\xFE\xFF"))
        return true;
    for (char c : kopf) {
        if (c == '<')
            return true;
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            return false;
    }
    return false;
}

} // namespace

bool IstAlteProjektform(const std::filesystem::path& pfad)
{
    // By content where the first bytes tell: a document of the older form
    // begins with its version number as a 32-bit little-endian integer, an
    // XML document (in whatever encoding) with "<", a byte-order mark or
    // white space before it. A file whose start tells neither, or that
    // cannot be read at all, goes to the reader its extension names, which
    // then gives its own error.
    const std::string kopf = ReadRegularFileHead(pfad, 4);
    if (SiehtAusWieXml(kopf))
        return false;
    if (kopf.size() == 4) {
        const auto byte = [&](int i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(kopf[i])); };
        const std::uint32_t version = byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
        if (version >= static_cast<std::uint32_t>(dokumentversion::Aelteste)
            && version <= static_cast<std::uint32_t>(Haus::AktuelleVersion))
            return true;
    }
    std::string endung = pfad.extension().string();
    std::transform(endung.begin(), endung.end(), endung.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return endung == ".zva";
}

void SpeichereProjekt(const std::filesystem::path& pfad, Haus& haus, DOptionen& optionen)
{
    // Everything of the current version is in memory, whatever the house
    // was read from; a converted old project must not be fixed up again at
    // its next opening.
    haus.Version = Haus::AktuelleVersion;
    CXmlArchiveFile ar = CXmlArchiveFile::CreateStreamed(pfad, CXmlArchiveFile::ProjektWurzel);
    haus.WriteXml(ar);
    optionen.WriteXml(ar);
    ar.Commit();
}

std::unique_ptr<Haus> LeseProjekt(CXmlArchiveFile& ar, DOptionen& optionen, Notifier& notifier)
{
    auto haus = std::make_unique<Haus>();
    DOptionen gelesen = optionen;
    try {
        // The counts are known once the house is read (its arrays make no
        // records beyond the limits). A document read as it goes has the
        // rest of its file read before anything is done with the house, so
        // that a damaged file is refused for that, as a loaded one is,
        // before any message about the house.
        BegrenzeAnzahlenImDokument(ar);
        haus->ReadXml(ar);
        ar.LiesRestEin();
        PruefeGezaehlteAnzahlen(ar);
        haus->NachLaden(notifier);
    } catch (const DokumentBeschaedigt& fehler) {
        throw CXmlArchiveException(XmlFehlerBeschaedigt, 0, 0, fehler.what(), ar.Path().string());
    }
    VerschneideAlleDaecher(*haus);
    gelesen.ReadXml(ar);
    optionen = std::move(gelesen);
    return haus;
}

std::unique_ptr<Haus> LadeProjekt(const std::filesystem::path& pfad, DOptionen& optionen, Notifier& notifier)
{
    try {
        CXmlArchiveFile ar = CXmlArchiveFile::OpenStreamed(pfad, CXmlArchiveFile::ProjektWurzel);
        return LeseProjekt(ar, optionen, notifier);
    } catch (const std::ios_base::failure& fehler) {
        // A stream that failed on the way (the climate file) is the reader's
        // error like any other.
        throw CXmlArchiveException(static_cast<std::uint32_t>(EIO), 0, 0, fehler.what(), pfad.string());
    }
}

std::unique_ptr<Haus> LeseAltesProjekt(BinaryArchive& ar, DOptionen& optionen, Notifier& notifier)
{
    // The older form names the class of every record; the program knows
    // them only once they are registered.
    RegisterModelClasses();
    auto haus = std::make_unique<Haus>();
    DOptionen gelesen = optionen;
    haus->Serialize(ar);
    gelesen.LeseBinaer(ar, haus->Version);
    try {
        PruefeDokumentgrenzen(*haus, notifier);
    } catch (const DokumentBeschaedigt& fehler) {
        throw BinaryArchiveError(fehler.what(), ar.Position());
    }

    // The whole file was read; only now is the user told about roofs that
    // are left out.
    EntferneBeschaedigteDaecher(haus->m_aDach, notifier);
    if (haus->DaecherAusLinienOffen) {
        DaecherAusLinien(*haus);
        haus->DaecherAusLinienOffen = false;
        // Roofs of those versions had no heated flag of their own.
        for (CDach& dach : haus->m_aDach)
            dach.SetzeBeheizt(haus->DachBeheizt);
    } else {
        VerschneideAlleDaecher(*haus);
    }
    haus->Version = Haus::AktuelleVersion;
    optionen = std::move(gelesen);
    return haus;
}

std::unique_ptr<Haus> LadeAltesProjekt(const std::filesystem::path& pfad, DOptionen& optionen, Notifier& notifier)
{
    try {
        BinaryArchive ar = BinaryArchive::FromFile(pfad);
        return LeseAltesProjekt(ar, optionen, notifier);
    } catch (const std::ios_base::failure&) {
        throw BinaryArchiveError(BinaryArchiveError::WholeMessage{},
                                 "Die Datei „" + pfad.string() + "“ kann nicht gelesen werden.", 0);
    }
}

std::unique_ptr<Haus> OeffneProjekt(const std::filesystem::path& pfad, DOptionen& optionen, Notifier& notifier)
{
    return IstAlteProjektform(pfad) ? LadeAltesProjekt(pfad, optionen, notifier)
                                    : LadeProjekt(pfad, optionen, notifier);
}

} // namespace zeva
