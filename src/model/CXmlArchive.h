#pragma once
// The XML archive: the one layer between the persistent classes and the XML
// document (libxml2's tree), with a position made of the current element and
// a child cursor below it, loading and saving, and the XSL transformation that
// the report writer uses.
//
// Numbers are written and read locale-free ("." as decimal separator, no
// grouping). Parsing never loads external entities, DTDs or anything from the
// network; style sheets may neither write files nor use the network.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace zeva {

class CXmlArchiveFile;

// What an object member is to the archive: it writes and reads itself in the
// archive's document. Every persistent object (CXmlObject) is one.
class XmlSerialisierbar {
public:
    virtual bool WriteXml(CXmlArchiveFile&) = 0;
    virtual bool ReadXml(CXmlArchiveFile&) = 0;

protected:
    ~XmlSerialisierbar() = default;
};

// Description of one member that WriteMember and ReadMember take.
struct XmlMember {
    enum Kind : short { Integer = 1, Floating = 2, Text = 3, Object = 4 };
    enum Flag : short { None = 0, Attribute = 1 };

    const char* name = "";  // element or attribute name; not used for kind 4
    void* member = nullptr; // address of the member in the object
    int size = 0;           // 1/2/4 for integers, 4/8 for floating point,
                            // -1 for a std::string, >0 for a char buffer
    short kind = 0;
    short flags = 0;        // bit 0: attribute of the object's own element
};

// Builders for member tables; they keep the kind and size in step with the
// member's C++ type.
inline XmlMember XmlInt(const char* name, std::int32_t& v, short flags = 0) { return {name, &v, 4, XmlMember::Integer, flags}; }
inline XmlMember XmlShort(const char* name, std::int16_t& v, short flags = 0) { return {name, &v, 2, XmlMember::Integer, flags}; }
inline XmlMember XmlByte(const char* name, std::uint8_t& v, short flags = 0) { return {name, &v, 1, XmlMember::Integer, flags}; }
inline XmlMember XmlDouble(const char* name, double& v, short flags = 0) { return {name, &v, 8, XmlMember::Floating, flags}; }
inline XmlMember XmlFloat(const char* name, float& v, short flags = 0) { return {name, &v, 4, XmlMember::Floating, flags}; }
inline XmlMember XmlString(const char* name, std::string& v, short flags = 0) { return {name, &v, -1, XmlMember::Text, flags}; }
inline XmlMember XmlCharBuffer(const char* name, char* buffer, int size, short flags = 0) { return {name, buffer, size, XmlMember::Text, flags}; }
inline XmlMember XmlObject(XmlSerialisierbar& object)
{
    return {"", &object, static_cast<int>(sizeof(XmlSerialisierbar)), XmlMember::Object, 0};
}

// Raised when a document cannot be loaded, parsed or saved.
class CXmlArchiveException : public std::exception {
public:
    CXmlArchiveException(std::uint32_t code, int line, int position, std::string reason, std::string file);

    std::uint32_t Code() const { return m_code; }
    int Line() const { return m_line; }
    int Position() const { return m_position; }
    const std::string& Reason() const { return m_reason; }
    const std::string& File() const { return m_file; }

    // "Error 0x%.8X in file %s, line %d, position %d\r\nReason: %s"
    std::string GetErrorMessage() const;
    // Copies the message cut to the buffer's size; always true.
    bool GetErrorMessage(char* buffer, unsigned size, unsigned* helpContext = nullptr) const;
    const char* what() const noexcept override { return m_message.c_str(); }

private:
    std::uint32_t m_code;
    int m_line;
    int m_position;
    std::string m_reason;
    std::string m_file;
    std::string m_message;
};

// Raised for a use of the archive that the design calls a programming error
// (ending an element without a current element, reading the cursor's text
// without a cursor).
class CXmlArchiveUsageError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class CXmlArchive {
public:
    CXmlArchive();
    virtual ~CXmlArchive();
    CXmlArchive(CXmlArchive&&) noexcept;
    CXmlArchive& operator=(CXmlArchive&&) noexcept;
    CXmlArchive(const CXmlArchive&) = delete;
    CXmlArchive& operator=(const CXmlArchive&) = delete;

    // Loading and saving; all three raise CXmlArchiveException on failure.
    void Load(const std::filesystem::path& path);
    void LoadXML(const std::string& text);
    // Atomic: written to a temporary file in the same folder, then renamed
    // over the old file, which stays untouched when anything fails.
    void Save(const std::filesystem::path& path);
    // The document as UTF-8 text (as Save would write it).
    std::string ToString() const;

    // Navigation.
    bool FindElement(const std::string& name);
    bool FindChildElement(const std::string& name);
    bool DescendToCursor();
    bool EndElement();
    void ResetChildCursor();
    // Whether a child element of that name follows the cursor, and how many
    // do; the position stays.
    bool FolgtKindelement(const std::string& name) const;
    std::size_t ZaehleFolgende(const std::string& name) const;

    // Text and attributes. An empty value (nullopt) gives an element without
    // content, or an attribute with empty text.
    bool CreateChildElement(const std::string& name, const std::optional<std::string>& value = std::nullopt);
    bool SetAttribute(const std::string& name, const std::optional<std::string>& value);
    bool SetChildText(const std::string& value, bool asCData = false);
    std::optional<std::string> GetChildText() const;
    std::string GetChildAttribute(const std::string& name) const;

    // Name of the current element / of the cursor element ("" when none);
    // for callers that walk a document of their own (the report writer).
    std::string CurrentElementName() const;
    std::string CursorElementName() const;
    // Attribute of the current element ("" when missing).
    std::string GetAttribute(const std::string& name) const;
    bool HasAttribute(const std::string& name) const;

    // XSL transformation (report writer). Nothing here raises: InitXsl
    // prepares the transformation (style sheets may read files but neither
    // write files nor use the network); LoadStylesheet is false when the
    // sheet cannot be loaded, and then the previous sheet stays;
    // TransformToStream writes nothing and is false without a loaded sheet
    // or when the transformation fails.
    void InitXsl();
    bool LoadStylesheet(const std::filesystem::path& path);
    bool TransformToStream(std::ostream& out);
    // Why the last LoadStylesheet or TransformToStream failed, in the words
    // of libxml2/libxslt (the messages of xsl:message included); empty after
    // a success.
    const std::string& XslError() const;
    void ReleaseXsl();

protected:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// A document tied to one file and one direction. This is what every
// persistent object's WriteXml and ReadXml receive.
class CXmlArchiveFile {
public:
    static constexpr const char* ProjektVorlage = "<?xml version=\"1.0\" ?>\n<VykeZeva />";
    static constexpr const char* ProjektWurzel = "VykeZeva";

    // Loads the file and makes the root element current; raises
    // CXmlArchiveException when the file is missing, not well-formed, or its
    // root element is not the one asked for.
    static CXmlArchiveFile OpenForRead(const std::filesystem::path& path, const std::string& root);
    // The same reading, as the objects read themselves, with the file read
    // as it goes: no text of the whole file and no tree of the whole
    // document is ever held. Elements the objects skip or look for ahead of
    // their turn are kept aside in a small form of their own, so that every
    // object reads what it reads from OpenForRead. Errors of the file come
    // when reading reaches them (LiesRestEin finds those after the last
    // object). Archive() holds no tree of such a document.
    static CXmlArchiveFile OpenStreamed(const std::filesystem::path& path, const std::string& root);
    // Parses the template and makes its root element current; nothing is
    // written until Commit().
    static CXmlArchiveFile CreateForWrite(const std::filesystem::path& path, const std::string& templateText,
                                          const std::string& root);
    // The same document as CreateForWrite with the project template, byte
    // for byte, but written as the objects write themselves, straight into a
    // temporary file beside the target: a project of hundreds of megabytes
    // is never held in memory as a tree and a text. Commit() completes the
    // file and renames it over the target; a document dropped without it
    // leaves no file behind and the old one as it was. Archive() holds no
    // tree of such a document.
    static CXmlArchiveFile CreateStreamed(const std::filesystem::path& path, const std::string& root);

    CXmlArchiveFile(CXmlArchiveFile&&) noexcept;
    CXmlArchiveFile& operator=(CXmlArchiveFile&&) noexcept;
    // Never throws and never saves: a document that was not committed is lost.
    ~CXmlArchiveFile();

    bool IsStoring() const { return m_storing; }
    const std::filesystem::path& Path() const { return m_path; }

    // Writes the document to its file (atomically); raises
    // CXmlArchiveException naming the file and the I/O error on failure.
    void Commit();

    bool BeginWriteElement(const std::string& name);
    bool EndWriteElement();
    bool WriteMember(const XmlMember& member);

    bool BeginReadElement(const std::string& name);
    bool EndReadElement();
    bool ReadMember(const XmlMember& member);

    // For the record arrays, in both kinds of reading. True when a child
    // element of that name follows the cursor; the position stays.
    bool FolgtKindelement(const std::string& name);
    // Records worth making room for before an array of `size` elements of
    // that name is read: the size where the document can hold that many,
    // never what a damaged size asks for.
    std::size_t PlatzFuerKindelemente(const std::string& name, std::int32_t size);
    // Passes over the rest of the current element's children and returns
    // how many of them are elements of that name; EndReadElement follows.
    std::size_t UeberspringeRest(const std::string& name);
    // An array element of that name makes at most `hoechstens` records and
    // notes how many its element holds (GezaehlteAnzahl, 0 when none was
    // read); so a document that asks for too many is refused without them
    // being built.
    void BegrenzeArray(const std::string& array, std::size_t hoechstens);
    std::size_t ArrayGrenze(const std::string& array) const;
    void MerkeArrayAnzahl(const std::string& array, std::size_t anzahl);
    std::size_t GezaehlteAnzahl(const std::string& array) const;
    // Reading as it goes: keeps the rest of the current element aside and
    // reads the file to its end, so that a damaged file is refused before
    // anything is done with what was read. Nothing for a loaded tree.
    void LiesRestEin();
    bool IstGestreamt() const { return m_leser != nullptr; }

    CXmlArchive& Archive() { return m_archive; }
    const CXmlArchive& Archive() const { return m_archive; }

private:
    CXmlArchiveFile(std::filesystem::path path, bool storing);

    struct StromSchreiber;
    struct StromLeser;
    struct ArrayGrenzwert {
        std::string array;
        std::size_t hoechstens = 0;
        std::size_t gezaehlt = 0;
    };

    std::filesystem::path m_path;
    bool m_storing = false;
    CXmlArchive m_archive;
    std::unique_ptr<StromSchreiber> m_schreiber;
    std::unique_ptr<StromLeser> m_leser;
    std::vector<ArrayGrenzwert> m_grenzen;
};

} // namespace zeva
