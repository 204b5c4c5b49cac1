#pragma once
// Helpers of the record tests: writing a record into a document and reading
// it back, the child elements of an element, and the byte form of a plane
// for binary fixtures.
#include "model/CXmlArchive.h"
#include "model/CXmlObject.h"
#include "platform/BinaryArchive.h"
#include "platform/ByteBuilder.h"
#include "support/TestEnvironment.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace zeva::test {

// The text between <VykeZeva> and </VykeZeva> after the object wrote itself
// into a new project document.
inline std::string XmlVon(CXmlObject& objekt)
{
    CXmlArchiveFile ar = CXmlArchiveFile::CreateForWrite("unbenutzt.vza", CXmlArchiveFile::ProjektVorlage,
                                                          CXmlArchiveFile::ProjektWurzel);
    objekt.WriteXml(ar);
    const std::string text = ar.Archive().ToString();
    const auto anfang = text.find("<VykeZeva>");
    const auto ende = text.find("</VykeZeva>");
    if (anfang == std::string::npos || ende == std::string::npos)
        return text;
    return text.substr(anfang + 10, ende - anfang - 10);
}

// Reads the object from a project document whose root holds the given text.
inline bool LiesXml(const std::string& koerper, CXmlObject& objekt)
{
    static int zaehler = 0;
    const std::filesystem::path pfad = ProcessTempDir() / ("datensatz" + std::to_string(++zaehler) + ".vza");
    {
        std::ofstream out(pfad, std::ios::binary);
        out << "<?xml version=\"1.0\" ?>\n<VykeZeva>" << koerper << "</VykeZeva>";
    }
    CXmlArchiveFile ar = CXmlArchiveFile::OpenForRead(pfad, CXmlArchiveFile::ProjektWurzel);
    return objekt.ReadXml(ar);
}

// Writes the object and reads the text back into ziel.
inline void XmlRundreise(CXmlObject& quelle, CXmlObject& ziel)
{
    LiesXml(XmlVon(quelle), ziel);
}

// Names of the child elements of the first element of the text.
inline std::vector<std::string> Kindelemente(const std::string& text)
{
    CXmlArchive ar;
    ar.LoadXML(text);
    std::vector<std::string> namen;
    if (!ar.FindElement(""))
        return namen;
    while (ar.FindChildElement(""))
        namen.push_back(ar.CursorElementName());
    return namen;
}

inline std::string TextDatei(const std::string& relativ)
{
    std::ifstream in(std::filesystem::path(ZEVA_TEST_DATA_DIR) / relativ, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The fixtures end with a line break for the editor's sake.
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

// A plane in the older binary form of a house of version 4 or later: four
// corners as x, y, z, then Traeger1ID, Traeger2ID, ID, GaubenID, FassadenID,
// FlaecheWurdeBearbeitet, FensterAufFlaechePlaziert.
struct PlaneBytes {
    double ecken[4][3] = {};
    std::int32_t traeger1 = -1, traeger2 = -1, id = -1, gauben = -1, fassaden = -1, bearbeitet = 0, fenster = 0;

    void Schreibe(ByteBuilder& b) const
    {
        for (const auto& e : ecken)
            b.Double(e[0]).Double(e[1]).Double(e[2]);
        b.Int(traeger1).Int(traeger2).Int(id).Int(gauben).Int(fassaden).Int(bearbeitet).Int(fenster);
    }
};

inline BinaryArchive Archiv(const ByteBuilder& b, int version = 10)
{
    BinaryArchive ar(b.Bytes());
    ar.SetVersion(version);
    return ar;
}

} // namespace zeva::test
