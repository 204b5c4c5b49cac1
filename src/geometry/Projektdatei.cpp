#include "geometry/Projektdatei.h"

#include "model/RuntimeClass.h"

#include "geometry/DachAusLinien.h"
#include "geometry/DachVerschneidung.h"
#include "model/CXmlArchive.h"
#include "model/DOptionen.h"
#include "model/Dokumentgrenzen.h"
#include "model/Haus.h"
#include "model/Notifier.h"
#include "platform/BinaryArchive.h"

#include <algorithm>
#include <cerrno>
#include <cctype>
#include <string>

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

} // namespace

bool IstAlteProjektform(const std::filesystem::path& pfad)
{
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
    CXmlArchiveFile ar =
        CXmlArchiveFile::CreateForWrite(pfad, CXmlArchiveFile::ProjektVorlage, CXmlArchiveFile::ProjektWurzel);
    haus.WriteXml(ar);
    optionen.WriteXml(ar);
    ar.Commit();
}

std::unique_ptr<Haus> LeseProjekt(CXmlArchiveFile& ar, DOptionen& optionen, Notifier& notifier)
{
    auto haus = std::make_unique<Haus>();
    DOptionen gelesen = optionen;
    try {
        PruefeAnzahlenImDokument(ar);
        haus->ReadXml(ar);
        haus->NachLaden(notifier);
    } catch (const DokumentBeschaedigt& fehler) {
        throw CXmlArchiveException(XmlFehlerBeschaedigt, 0, 0, fehler.what(), ar.Path().string());
    }
    VerschneideAlleDaecher(*haus);
    gelesen.ReadXml(ar);
    optionen = gelesen;
    return haus;
}

std::unique_ptr<Haus> LadeProjekt(const std::filesystem::path& pfad, DOptionen& optionen, Notifier& notifier)
{
    CXmlArchiveFile ar = CXmlArchiveFile::OpenForRead(pfad, CXmlArchiveFile::ProjektWurzel);
    return LeseProjekt(ar, optionen, notifier);
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
    optionen = gelesen;
    return haus;
}

std::unique_ptr<Haus> LadeAltesProjekt(const std::filesystem::path& pfad, DOptionen& optionen, Notifier& notifier)
{
    BinaryArchive ar = BinaryArchive::FromFile(pfad);
    return LeseAltesProjekt(ar, optionen, notifier);
}

std::unique_ptr<Haus> OeffneProjekt(const std::filesystem::path& pfad, DOptionen& optionen, Notifier& notifier)
{
    return IstAlteProjektform(pfad) ? LadeAltesProjekt(pfad, optionen, notifier)
                                    : LadeProjekt(pfad, optionen, notifier);
}

} // namespace zeva
