#include "model/CXmlArchive.h"

#include "platform/RegularFile.h"

#include <libxml/entities.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlreader.h>
#include <libxml/xmlsave.h>
#include <libxslt/documents.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/xslt.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

namespace zeva {

namespace {

const xmlChar* X(const char* s) { return reinterpret_cast<const xmlChar*>(s); }
const xmlChar* X(const std::string& s) { return X(s.c_str()); }
const char* C(const xmlChar* s) { return reinterpret_cast<const char*>(s); }

// Documents are parsed with blanks kept (the text of a member is exactly what
// was written), never with entity substitution, DTD loading or network access.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOWARNING;

// Style sheets and the documents they pull in (xsl:include, document()) are
// loaded through libxslt's loader, whose own options substitute entities and
// load DTDs. Those two are taken out here.
xsltDocLoaderFunc g_libxsltLoader = nullptr;

xmlDocPtr SafeXsltLoader(const xmlChar* uri, xmlDictPtr dict, int options, void* ctxt, xsltLoadType type)
{
    options &= ~(XML_PARSE_NOENT | XML_PARSE_DTDLOAD | XML_PARSE_DTDATTR | XML_PARSE_DTDVALID);
    options |= XML_PARSE_NONET;
    return g_libxsltLoader(uri, dict, options, ctxt, type);
}

void InitLibraries()
{
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        xsltInit();
        g_libxsltLoader = xsltDocDefaultLoader;
        xsltSetLoaderFunc(SafeXsltLoader);
    });
}

} // namespace

// Outside the anonymous namespace: the streamed reader holds one for its life.
namespace archivintern {

// Collects the first error that libxml2 reports while a parse runs and keeps
// the library from printing anything on its own. The handler is per thread,
// as libxml2 keeps it.
class ParseErrorCapture {
public:
    ParseErrorCapture()
    {
        m_oldHandler = xmlStructuredError;
        m_oldContext = xmlStructuredErrorContext;
        xmlSetStructuredErrorFunc(this, &ParseErrorCapture::Handle);
    }
    ~ParseErrorCapture() { xmlSetStructuredErrorFunc(m_oldContext, m_oldHandler); }
    ParseErrorCapture(const ParseErrorCapture&) = delete;
    ParseErrorCapture& operator=(const ParseErrorCapture&) = delete;

    bool HasError() const { return m_have; }
    bool OutOfMemory() const { return m_outOfMemory; }
    int Code() const { return m_code; }
    int Line() const { return m_line; }
    int Column() const { return m_column; }
    const std::string& Message() const { return m_message; }

private:
    static void Handle(void* self, xmlErrorPtr error)
    {
        auto* capture = static_cast<ParseErrorCapture*>(self);
        if (error != nullptr && (error->code == XML_ERR_NO_MEMORY || error->domain == XML_FROM_MEMORY))
            capture->m_outOfMemory = true;
        if (error == nullptr || capture->m_have || error->level < XML_ERR_ERROR)
            return;
        capture->m_have = true;
        capture->m_code = error->code;
        capture->m_line = error->line;
        capture->m_column = error->int2;
        // Called from inside libxml2: nothing may escape, and a message that
        // cannot be copied is no reason to lose the error.
        try {
            capture->m_message = error->message != nullptr ? error->message : "";
        } catch (...) {
            capture->m_message.clear();
            capture->m_outOfMemory = true;
        }
        while (!capture->m_message.empty()
               && (capture->m_message.back() == '\n' || capture->m_message.back() == '\r'))
            capture->m_message.pop_back();
    }

    xmlStructuredErrorFunc m_oldHandler = nullptr;
    void* m_oldContext = nullptr;
    bool m_have = false;
    bool m_outOfMemory = false;
    int m_code = 0;
    int m_line = 0;
    int m_column = 0;
    std::string m_message;
};


// What libxml2 reads a file through: plain reads of an open descriptor,
// retried when interrupted; a failed read is kept, so that the caller can
// name the system's reason instead of the parser's.
struct DateiQuelle {
    int fd = -1;
    int fehler = 0; // errno of a failed read
    std::uint64_t gelesen = 0;

    static int Lies(void* kontext, char* puffer, int laenge)
    {
        auto* q = static_cast<DateiQuelle*>(kontext);
        for (;;) {
            const ssize_t n = ::read(q->fd, puffer, static_cast<std::size_t>(std::max(laenge, 0)));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                q->fehler = errno;
                return -1;
            }
            q->gelesen += static_cast<std::uint64_t>(n);
            return static_cast<int>(n);
        }
    }
};
} // namespace archivintern

namespace {

using archivintern::ParseErrorCapture;
using archivintern::DateiQuelle;

// libxslt reports through its own generic handler; while a style sheet is
// parsed or applied its messages are collected (not printed), so that the
// caller can name the reason of a failure.
class XsltErrorSilencer {
public:
    XsltErrorSilencer() { xsltSetGenericErrorFunc(this, &XsltErrorSilencer::Sammle); }
    ~XsltErrorSilencer() { xsltSetGenericErrorFunc(nullptr, nullptr); }
    XsltErrorSilencer(const XsltErrorSilencer&) = delete;
    XsltErrorSilencer& operator=(const XsltErrorSilencer&) = delete;

    // The messages so far, one per line, without empty lines.
    std::string Text() const
    {
        std::string text;
        std::size_t anfang = 0;
        while (anfang < m_text.size()) {
            std::size_t ende = m_text.find('\n', anfang);
            if (ende == std::string::npos)
                ende = m_text.size();
            std::string zeile = m_text.substr(anfang, ende - anfang);
            while (!zeile.empty() && (zeile.back() == '\r' || zeile.back() == ' '))
                zeile.pop_back();
            if (!zeile.empty()) {
                if (!text.empty())
                    text += '\n';
                text += zeile;
            }
            anfang = ende + 1;
        }
        return text;
    }

private:
    static void Sammle(void* kontext, const char* format, ...)
    {
        auto* self = static_cast<XsltErrorSilencer*>(kontext);
        if (self == nullptr || format == nullptr || self->m_text.size() > 4000)
            return;
        char puffer[1024];
        va_list args;
        va_start(args, format);
        const int n = std::vsnprintf(puffer, sizeof puffer, format, args);
        va_end(args);
        if (n <= 0)
            return;
        // Called from inside libxslt: nothing may escape.
        try {
            self->m_text.append(puffer, std::min<std::size_t>(static_cast<std::size_t>(n), sizeof puffer - 1));
        } catch (...) {
        }
    }

    std::string m_text;
};

// The first error of a parse that failed: the one the capture saw, else the
// parser's last, as the archive's exception.
[[noreturn]] void ThrowParseError(const ParseErrorCapture& capture, xmlParserCtxtPtr ctxt, const std::string& file)
{
    xmlErrorPtr last = xmlCtxtGetLastError(ctxt);
    const int code = capture.HasError() ? capture.Code() : (last != nullptr ? last->code : XML_ERR_DOCUMENT_EMPTY);
    const int line = capture.HasError() ? capture.Line() : (last != nullptr ? last->line : 0);
    const int column = capture.HasError() ? capture.Column() : (last != nullptr ? last->int2 : 0);
    std::string reason = capture.HasError() ? capture.Message()
                                            : (last != nullptr && last->message != nullptr ? last->message : "");
    if (reason.empty())
        reason = "document is empty or not well-formed";
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r'))
        reason.pop_back();
    throw CXmlArchiveException(static_cast<std::uint32_t>(code), line, column, reason, file);
}

// A text in memory as libxml2's input callback reads it.
struct TextQuelle {
    const std::string& text;
    std::size_t gelesen;

    static int Lies(void* kontext, char* puffer, int laenge)
    {
        auto* q = static_cast<TextQuelle*>(kontext);
        const std::size_t n = std::min(static_cast<std::size_t>(std::max(laenge, 0)), q->text.size() - q->gelesen);
        std::memcpy(puffer, q->text.data() + q->gelesen, n);
        q->gelesen += n;
        return static_cast<int>(n);
    }
};

// Parses a document held in memory; raises CXmlArchiveException with the
// parser's first error and the given file name.
xmlDocPtr ParseDocument(const std::string& text, const std::string& url, const std::string& file)
{
    InitLibraries();
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        throw CXmlArchiveException(XML_ERR_NO_MEMORY, 0, 0, "document too large", file);
    ParseErrorCapture capture;
    const std::unique_ptr<xmlParserCtxt, void (*)(xmlParserCtxtPtr)> ctxt(xmlNewParserCtxt(), xmlFreeParserCtxt);
    if (ctxt == nullptr)
        throw CXmlArchiveException(XML_ERR_NO_MEMORY, 0, 0, "out of memory", file);
    // Handed to the parser in pieces: reading from memory copies the whole
    // text first, and libxml2 loses that copy when it cannot allocate it.
    TextQuelle quelle{text, 0};
    std::unique_ptr<xmlDoc, void (*)(xmlDocPtr)> doc(
        xmlCtxtReadIO(ctxt.get(), &TextQuelle::Lies, nullptr, &quelle, url.empty() ? nullptr : url.c_str(), nullptr,
                      kParseOptions),
        xmlFreeDoc);
    // A failed allocation stops the parser without always clearing
    // wellFormed; the document built so far then lacks its rest.
    const bool outOfMemory = ctxt->errNo == XML_ERR_NO_MEMORY || capture.OutOfMemory();
    if (doc != nullptr && ctxt->wellFormed != 0 && !outOfMemory && xmlDocGetRootElement(doc.get()) != nullptr)
        return doc.release();
    doc.reset();
    if (outOfMemory)
        throw std::bad_alloc();
    ThrowParseError(capture, ctxt.get(), file);
}

[[noreturn]] void ThrowIo(int err, const std::filesystem::path& path);

// Only regular files are read (a folder, a device or a FIFO is refused at
// once), and every failure to open one is the archive's own exception. The
// caller closes the descriptor.
int OeffneLesedatei(const std::filesystem::path& path)
{
    try {
        return OpenRegularFile(path, static_cast<std::size_t>(std::numeric_limits<int>::max()));
    } catch (const FileReadError& e) {
        throw CXmlArchiveException(static_cast<std::uint32_t>(e.Fehlernummer()), 0, 0, e.what(), path.string());
    }
}

// The first error of a file that is not well-formed, as ParseDocument gives
// it for the file's text, from the same parser run without building a tree
// (the internal subset is kept, so that declared entities are known);
// returns when the file is well-formed.
void PruefeWohlgeformt(const std::filesystem::path& path)
{
    InitLibraries();
    int fd = OeffneLesedatei(path);
    const std::unique_ptr<int, void (*)(int*)> schliessen(&fd, [](int* f) { ::close(*f); });
    DateiQuelle quelle{fd};
    xmlSAXHandler sax;
    xmlSAXVersion(&sax, 2);
    sax.startElementNs = nullptr;
    sax.endElementNs = nullptr;
    sax.startElement = nullptr;
    sax.endElement = nullptr;
    sax.characters = nullptr;
    sax.cdataBlock = nullptr;
    sax.ignorableWhitespace = nullptr;
    sax.comment = nullptr;
    sax.processingInstruction = nullptr;
    sax.reference = nullptr;
    ParseErrorCapture capture;
    const std::unique_ptr<xmlParserCtxt, void (*)(xmlParserCtxtPtr)> ctxt(
        xmlCreateIOParserCtxt(&sax, nullptr, &DateiQuelle::Lies, nullptr, &quelle, XML_CHAR_ENCODING_NONE),
        [](xmlParserCtxtPtr c) {
            if (c->myDoc != nullptr)
                xmlFreeDoc(c->myDoc);
            c->myDoc = nullptr;
            xmlFreeParserCtxt(c);
        });
    if (ctxt == nullptr)
        throw std::bad_alloc();
    xmlCtxtUseOptions(ctxt.get(), kParseOptions);
    xmlParseDocument(ctxt.get());
    if (ctxt->errNo == XML_ERR_NO_MEMORY || capture.OutOfMemory())
        throw std::bad_alloc();
    if (quelle.fehler != 0)
        ThrowIo(quelle.fehler, path);
    if (ctxt->wellFormed != 0)
        return;
    ThrowParseError(capture, ctxt.get(), path.string());
}

// Only regular files are read (a folder, a device or a FIFO is refused at
// once), and every failure to read is the archive's own exception.
std::string ReadWholeFile(const std::filesystem::path& path)
{
    try {
        return ReadRegularFile(path, static_cast<std::size_t>(std::numeric_limits<int>::max()));
    } catch (const FileReadError& e) {
        throw CXmlArchiveException(static_cast<std::uint32_t>(e.Fehlernummer()), 0, 0, e.what(), path.string());
    }
}

bool IsElement(xmlNodePtr node) { return node != nullptr && node->type == XML_ELEMENT_NODE; }

// The attribute's text, "" when it is missing. A copy that fails is an
// error, not a missing attribute.
std::string AttributText(xmlNodePtr node, const std::string& name)
{
    xmlChar* value = xmlGetNoNsProp(node, X(name));
    if (value == nullptr) {
        if (xmlHasNsProp(node, X(name), nullptr) != nullptr)
            throw std::bad_alloc();
        return std::string();
    }
    std::string text;
    try {
        text = C(value);
    } catch (...) {
        xmlFree(value);
        throw;
    }
    xmlFree(value);
    return text;
}

bool NameMatches(xmlNodePtr node, const std::string& name)
{
    return IsElement(node) && (name.empty() || std::strcmp(C(node->name), name.c_str()) == 0);
}

xmlNodePtr NextMatching(xmlNodePtr from, const std::string& name)
{
    for (xmlNodePtr n = from; n != nullptr; n = n->next)
        if (NameMatches(n, name))
            return n;
    return nullptr;
}

bool IsValidName(const std::string& name)
{
    return !name.empty() && xmlValidateName(X(name), 0) == 0;
}

// Text as XML 1.0 can carry it: bytes that are no valid UTF-8 become U+FFFD,
// characters that XML forbids (control characters other than tab, line feed
// and carriage return) are dropped. Without this one odd character in a
// comment field would make the whole saved project unreadable.
std::string XmlSafeText(std::string_view in)
{
    std::string out;
    out.reserve(in.size());
    std::size_t i = 0;
    while (i < in.size()) {
        const auto c = static_cast<unsigned char>(in[i]);
        if (c < 0x80) {
            if (c >= 0x20 || c == '\t' || c == '\n' || c == '\r')
                out.push_back(static_cast<char>(c));
            ++i;
            continue;
        }
        int len = 0;
        char32_t cp = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            cp = c & 0x07;
        }
        bool ok = len > 0 && i + static_cast<std::size_t>(len) <= in.size();
        for (int k = 1; ok && k < len; ++k) {
            const auto cc = static_cast<unsigned char>(in[i + k]);
            if ((cc & 0xC0) != 0x80)
                ok = false;
            else
                cp = (cp << 6) | (cc & 0x3F);
        }
        if (ok) {
            const bool overlong = (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000);
            const bool forbidden = (cp >= 0xD800 && cp <= 0xDFFF) || cp == 0xFFFE || cp == 0xFFFF || cp > 0x10FFFF;
            if (overlong || forbidden)
                ok = false;
        }
        if (ok) {
            out.append(in.substr(i, static_cast<std::size_t>(len)));
            i += static_cast<std::size_t>(len);
        } else {
            out.append("\xEF\xBF\xBD");
            ++i;
        }
    }
    return out;
}

std::string_view TrimXmlSpace(std::string_view s)
{
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!s.empty() && isSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

template <class F>
std::string FloatText(F value)
{
    // Shortest text that reads back to the same value; plain decimals in the
    // usual range, an exponent only for very large and very small magnitudes.
    char buf[64];
    const F magnitude = std::fabs(value);
    const bool plain = magnitude == 0 || (magnitude >= F(1e-4) && magnitude < F(1e15));
    const auto r = std::to_chars(buf, buf + sizeof buf, value,
                                 plain ? std::chars_format::fixed : std::chars_format::scientific);
    std::string text(buf, r.ptr);
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
}

template <class I>
std::string IntText(I value)
{
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, r.ptr);
}

template <class I>
bool ParseInt(std::string_view text, I& out)
{
    text = TrimXmlSpace(text);
    if (text.empty())
        return false;
    long long value = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size())
        return false;
    if (value < std::numeric_limits<I>::min() || value > std::numeric_limits<I>::max())
        return false;
    out = static_cast<I>(value);
    return true;
}

template <class F>
bool ParseFloat(std::string_view text, F& out)
{
    text = TrimXmlSpace(text);
    if (text.empty())
        return false;
    F value = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size() || !std::isfinite(value))
        return false;
    out = value;
    return true;
}

// The text of a kind 1-3 member, or nothing when the member cannot be turned
// into text (an unknown size, a non-finite number).
std::optional<std::string> MemberText(const XmlMember& m)
{
    switch (m.kind) {
    case XmlMember::Integer:
        switch (m.size) {
        case 1:
            // A byte is written as a signed 8-bit number: 200 becomes "-56".
            return IntText(static_cast<int>(static_cast<std::int8_t>(*static_cast<const std::uint8_t*>(m.member))));
        case 2:
            return IntText(*static_cast<const std::int16_t*>(m.member));
        case 4:
            return IntText(*static_cast<const std::int32_t*>(m.member));
        default:
            return std::nullopt;
        }
    case XmlMember::Floating:
        if (m.size == 4) {
            const float v = *static_cast<const float*>(m.member);
            return std::isfinite(v) ? std::optional(FloatText(v)) : std::nullopt;
        }
        if (m.size == 8) {
            const double v = *static_cast<const double*>(m.member);
            return std::isfinite(v) ? std::optional(FloatText(v)) : std::nullopt;
        }
        return std::nullopt;
    case XmlMember::Text:
        if (m.size <= 0)
            return XmlSafeText(*static_cast<const std::string*>(m.member));
        return XmlSafeText(std::string_view(static_cast<const char*>(m.member),
                                            ::strnlen(static_cast<const char*>(m.member),
                                                      static_cast<std::size_t>(m.size))));
    default:
        return std::nullopt;
    }
}

// Stores a text into a kind 1-3 member; false leaves the member as it was.
bool StoreText(const XmlMember& m, const std::optional<std::string>& text)
{
    switch (m.kind) {
    case XmlMember::Integer: {
        if (!text)
            return false;
        switch (m.size) {
        case 1: {
            // Through a signed and then an unsigned byte: only 0 to 127 pass.
            std::int8_t v = 0;
            if (!ParseInt(*text, v) || v < 0)
                return false;
            *static_cast<std::uint8_t*>(m.member) = static_cast<std::uint8_t>(v);
            return true;
        }
        case 2:
            return ParseInt(*text, *static_cast<std::int16_t*>(m.member));
        case 4:
            return ParseInt(*text, *static_cast<std::int32_t*>(m.member));
        default:
            return false;
        }
    }
    case XmlMember::Floating:
        if (!text)
            return false;
        if (m.size == 4)
            return ParseFloat(*text, *static_cast<float*>(m.member));
        if (m.size == 8)
            return ParseFloat(*text, *static_cast<double*>(m.member));
        return false;
    case XmlMember::Text: {
        // An element without content is an empty text (that is how an empty
        // string is written).
        const std::string value = text.value_or(std::string());
        if (m.size <= 0) {
            *static_cast<std::string*>(m.member) = value;
            return true;
        }
        auto* buffer = static_cast<char*>(m.member);
        const auto capacity = static_cast<std::size_t>(m.size) - 1; // room for the terminating zero
        std::size_t n = std::min(value.size(), capacity);
        // Never cut a multi-byte character in half.
        while (n > 0 && n < value.size() && (static_cast<unsigned char>(value[n]) & 0xC0) == 0x80)
            --n;
        std::memset(buffer, 0, static_cast<std::size_t>(m.size));
        std::memcpy(buffer, value.data(), n);
        return n == value.size();
    }
    default:
        return false;
    }
}

// libxml2 answers a failed allocation with a null pointer; the archive
// raises, so that a document is never written or read with a part missing.
// Some of its functions even return the node with its name or text left
// null when the copy of it failed; those are checked too.
xmlNodePtr Geschaffen(xmlNodePtr node, bool mitText)
{
    if (node == nullptr)
        throw std::bad_alloc();
    const bool ohneName = node->type == XML_ELEMENT_NODE && node->name == nullptr;
    if (ohneName || (mitText && node->content == nullptr)) {
        xmlFreeNode(node);
        throw std::bad_alloc();
    }
    return node;
}

// An attribute just set: its name and, unless empty, its text are there.
void PruefeAttribut(xmlAttrPtr attr, const std::string& value)
{
    if (attr == nullptr || attr->name == nullptr)
        throw std::bad_alloc();
    if (value.empty())
        return;
    const xmlNode* text = attr->children;
    if (text == nullptr || text->content == nullptr || std::strcmp(C(text->content), value.c_str()) != 0)
        throw std::bad_alloc();
}

std::string ErrnoText(int err) { return std::system_category().message(err); }

[[noreturn]] void ThrowIo(int err, const std::filesystem::path& path)
{
    throw CXmlArchiveException(static_cast<std::uint32_t>(err), 0, 0, ErrnoText(err), path.string());
}

// The file a save replaces: symbolic links are followed to their target,
// also to one that does not exist yet.
std::filesystem::path SaveTarget(const std::filesystem::path& path)
{
    constexpr int MaxLinks = 40; // as the kernel allows
    std::filesystem::path target = path;
    for (int i = 0; i < MaxLinks; ++i) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return target;
        // The raising form: the error-code one is noexcept and ends the
        // program when it cannot allocate.
        std::filesystem::path link;
        try {
            link = std::filesystem::read_symlink(target);
        } catch (const std::filesystem::filesystem_error& e) {
            ThrowIo(e.code().value(), path);
        }
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    ThrowIo(ELOOP, path);
}

// The temporary files a save that was killed on the way left beside this
// very project: its name followed by mkstemp's six characters, regular
// files only, untouched for a day (a younger one may belong to a save that
// is still running in another instance).
void RemoveStaleTemporaries(const std::filesystem::path& folder, const std::string& prefix)
{
    // Read with the C calls: the error-code forms of std::filesystem's
    // directory iterator are noexcept and end the program when they cannot
    // allocate.
    constexpr std::time_t Day = 24 * 60 * 60;
    const std::time_t now = std::time(nullptr);
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (dir == nullptr)
        return;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name(entry->d_name);
        if (name.size() != prefix.size() + 6 || !name.starts_with(prefix))
            continue;
        if (!std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                         [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }))
            continue;
        struct stat info {};
        if (::fstatat(::dirfd(dir.get()), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode)
            || now - info.st_mtime < Day)
            continue;
        ::unlinkat(::dirfd(dir.get()), entry->d_name, 0);
    }
}

} // namespace

namespace archivintern {

// The file a save writes into: a temporary file beside the target, renamed
// over it only when complete, so a failed save leaves the previous file as it
// was. A symbolic link is followed: the file it points to is replaced, the
// link stays a link. Every failure removes the temporary file and raises
// with the path the caller named; so does the destructor of one that was
// never put in place.
class SichereErsetzung {
public:
    explicit SichereErsetzung(const std::filesystem::path& path)
        : m_gemeldet(path)
        , m_ziel(SaveTarget(path))
    {
        m_ordner = m_ziel.has_parent_path() ? m_ziel.parent_path() : std::filesystem::path(".");
        const std::string name = m_ziel.filename().string();
        std::string prefix;
        prefix.reserve(name.size() + 2);
        prefix.push_back('.');
        prefix.append(name);
        prefix.push_back('.');
        RemoveStaleTemporaries(m_ordner, prefix);
        m_temporaer = (m_ordner / (prefix + "XXXXXX")).string();
        m_fd = ::mkstemp(m_temporaer.data());
        if (m_fd < 0)
            ThrowIo(errno, m_gemeldet);

        // Keep the permissions of the file being replaced; a new file gets
        // the usual ones (mkstemp makes it private).
        struct stat alt {};
        mode_t mode = 0;
        if (::stat(m_ziel.c_str(), &alt) == 0) {
            mode = alt.st_mode & 07777;
        } else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            mode = 0666 & ~mask;
        }
        if (::fchmod(m_fd, mode) != 0)
            Fehler(errno);
    }

    ~SichereErsetzung()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
            ::unlink(m_temporaer.c_str());
        }
    }
    SichereErsetzung(const SichereErsetzung&) = delete;
    SichereErsetzung& operator=(const SichereErsetzung&) = delete;

    // False once the file was put in place (or given up).
    bool Offen() const { return m_fd >= 0; }

    [[noreturn]] void Fehler(int err)
    {
        ::close(m_fd);
        ::unlink(m_temporaer.c_str());
        m_fd = -1;
        ThrowIo(err, m_gemeldet);
    }

    void Schreibe(const char* data, std::size_t left)
    {
        while (left > 0) {
            const ssize_t written = ::write(m_fd, data, left);
            if (written < 0) {
                if (errno == EINTR)
                    continue;
                Fehler(errno);
            }
            data += written;
            left -= static_cast<std::size_t>(written);
        }
    }

    // Makes the written bytes durable and puts the file in place of the target.
    void Ersetze()
    {
        if (::fsync(m_fd) != 0)
            Fehler(errno);
        const int err = ::close(m_fd) != 0 ? errno : 0;
        m_fd = -1;
        if (err != 0) {
            ::unlink(m_temporaer.c_str());
            ThrowIo(err, m_gemeldet);
        }
        if (::rename(m_temporaer.c_str(), m_ziel.c_str()) != 0) {
            const int e = errno;
            ::unlink(m_temporaer.c_str());
            ThrowIo(e, m_gemeldet);
        }
        // Make the rename itself durable.
        const int dirFd = ::open(m_ordner.c_str(), O_RDONLY | O_DIRECTORY);
        if (dirFd >= 0) {
            ::fsync(dirFd);
            ::close(dirFd);
        }
    }

private:
    std::filesystem::path m_gemeldet; // the path errors name
    std::filesystem::path m_ziel;     // the file replaced (links followed)
    std::filesystem::path m_ordner;
    std::string m_temporaer;
    int m_fd = -1;
};


} // namespace archivintern

using archivintern::SichereErsetzung;

// ---------------------------------------------------------------------------
// CXmlArchiveException

CXmlArchiveException::CXmlArchiveException(std::uint32_t code, int line, int position, std::string reason,
                                           std::string file)
    : m_code(code)
    , m_line(line)
    , m_position(position)
    , m_reason(std::move(reason))
    , m_file(std::move(file))
{
    const int n = std::snprintf(nullptr, 0, "Error 0x%.8X in file %s, line %d, position %d\r\nReason: %s",
                                static_cast<unsigned>(m_code), m_file.c_str(), m_line, m_position,
                                m_reason.c_str());
    if (n > 0) {
        m_message.resize(static_cast<std::size_t>(n) + 1);
        std::snprintf(m_message.data(), m_message.size(),
                      "Error 0x%.8X in file %s, line %d, position %d\r\nReason: %s",
                      static_cast<unsigned>(m_code), m_file.c_str(), m_line, m_position, m_reason.c_str());
        m_message.resize(static_cast<std::size_t>(n));
    }
}

std::string CXmlArchiveException::GetErrorMessage() const
{
    return m_message;
}

bool CXmlArchiveException::GetErrorMessage(char* buffer, unsigned size, unsigned* helpContext) const
{
    if (helpContext != nullptr)
        *helpContext = 0;
    if (buffer != nullptr && size > 0) {
        const std::size_t n = std::min<std::size_t>(m_message.size(), size - 1);
        std::memcpy(buffer, m_message.data(), n);
        buffer[n] = '\0';
    }
    return true;
}

// ---------------------------------------------------------------------------
// CXmlArchive

struct CXmlArchive::Impl {
    xmlDocPtr doc = nullptr;
    // The position: the element whose children are written and read (may be
    // the document node after ascending from the root), and the child of it
    // created or found last (null: before the first child).
    xmlNodePtr current = nullptr;
    xmlNodePtr cursor = nullptr;

    bool xslReady = false;
    std::string xslError;
    xsltStylesheetPtr stylesheet = nullptr;
    xsltSecurityPrefsPtr security = nullptr;

    Impl()
    {
        InitLibraries();
        doc = xmlNewDoc(X("1.0"));
        if (doc == nullptr)
            throw std::bad_alloc();
    }
    ~Impl()
    {
        ReleaseXsl();
        if (doc != nullptr)
            xmlFreeDoc(doc);
    }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    void ReplaceDocument(xmlDocPtr newDoc)
    {
        if (doc != nullptr)
            xmlFreeDoc(doc);
        doc = newDoc;
    }

    void ReleaseXsl()
    {
        if (stylesheet != nullptr)
            xsltFreeStylesheet(stylesheet);
        stylesheet = nullptr;
        if (security != nullptr)
            xsltFreeSecurityPrefs(security);
        security = nullptr;
        xslReady = false;
    }

    std::string Serialize() const
    {
        xmlBufferPtr buffer = xmlBufferCreate();
        if (buffer == nullptr)
            throw std::bad_alloc();
        // No formatting: the document holds exactly the nodes that were
        // created, without whitespace between elements.
        xmlSaveCtxtPtr save = xmlSaveToBuffer(buffer, "UTF-8", 0);
        if (save == nullptr) {
            xmlBufferFree(buffer);
            throw std::bad_alloc();
        }
        const long rc = xmlSaveDoc(save, doc);
        // A write that failed on the way (no memory for the output) shows
        // only here, when the rest is flushed.
        const int closed = xmlSaveClose(save);
        if (rc < 0 || closed < 0) {
            xmlBufferFree(buffer);
            throw std::runtime_error("serialising the XML document failed");
        }
        std::string text;
        try {
            text.assign(C(xmlBufferContent(buffer)), static_cast<std::size_t>(xmlBufferLength(buffer)));
        } catch (...) {
            xmlBufferFree(buffer);
            throw;
        }
        xmlBufferFree(buffer);
        // Without memory for the converter libxml2 quietly writes ASCII with
        // character references and another declaration; the program's files
        // are UTF-8 throughout.
        const std::string_view declaration = std::string_view(text).substr(0, text.find('\n'));
        if (!declaration.starts_with("<?xml ") || declaration.find(" encoding=\"UTF-8\"") == std::string_view::npos)
            throw std::runtime_error("serialising the XML document failed");
        return text;
    }
};

CXmlArchive::CXmlArchive()
    : d(std::make_unique<Impl>())
{
}

CXmlArchive::~CXmlArchive() = default;
CXmlArchive::CXmlArchive(CXmlArchive&&) noexcept = default;
CXmlArchive& CXmlArchive::operator=(CXmlArchive&&) noexcept = default;

void CXmlArchive::Load(const std::filesystem::path& path)
{
    d->current = nullptr;
    d->cursor = nullptr;
    const std::string text = ReadWholeFile(path);
    d->ReplaceDocument(ParseDocument(text, path.string(), path.string()));
}

void CXmlArchive::LoadXML(const std::string& text)
{
    d->current = nullptr;
    d->cursor = nullptr;
    d->ReplaceDocument(ParseDocument(text, std::string(), std::string()));
}

void CXmlArchive::Save(const std::filesystem::path& path)
{
    std::string text;
    try {
        text = d->Serialize();
    } catch (const std::exception& e) {
        throw CXmlArchiveException(static_cast<std::uint32_t>(EIO), 0, 0, e.what(), path.string());
    }

    SichereErsetzung datei(path);
    datei.Schreibe(text.data(), text.size());
    datei.Ersetze();
}

std::string CXmlArchive::ToString() const
{
    return d->Serialize();
}

bool CXmlArchive::FindElement(const std::string& name)
{
    xmlNodePtr start = d->current != nullptr ? d->current->next : d->doc->children;
    xmlNodePtr found = NextMatching(start, name);
    if (found == nullptr)
        return false;
    d->current = found;
    d->cursor = nullptr;
    return true;
}

bool CXmlArchive::FindChildElement(const std::string& name)
{
    if (d->current == nullptr && !FindElement(std::string()))
        return false;
    xmlNodePtr start = d->cursor != nullptr ? d->cursor->next : d->current->children;
    xmlNodePtr found = NextMatching(start, name);
    if (found == nullptr)
        return false;
    d->cursor = found;
    return true;
}

bool CXmlArchive::DescendToCursor()
{
    if (d->cursor == nullptr)
        FindChildElement(std::string());
    if (d->cursor == nullptr)
        return false;
    d->current = d->cursor;
    d->cursor = nullptr;
    return true;
}

bool CXmlArchive::EndElement()
{
    if (d->current == nullptr)
        throw CXmlArchiveUsageError("EndElement without a current element");
    if (d->current->parent == nullptr)
        return false;
    d->cursor = d->current;
    d->current = d->current->parent;
    return true;
}

void CXmlArchive::ResetChildCursor()
{
    d->cursor = nullptr;
}

bool CXmlArchive::FolgtKindelement(const std::string& name) const
{
    if (d->current == nullptr)
        return false;
    return NextMatching(d->cursor != nullptr ? d->cursor->next : d->current->children, name) != nullptr;
}

std::size_t CXmlArchive::ZaehleFolgende(const std::string& name) const
{
    if (d->current == nullptr)
        return 0;
    std::size_t n = 0;
    for (xmlNodePtr k = NextMatching(d->cursor != nullptr ? d->cursor->next : d->current->children, name);
         k != nullptr; k = NextMatching(k->next, name))
        ++n;
    return n;
}

// False for what the document cannot take (an invalid name, no current
// element, a second root); a libxml2 call that fails raises, so that a save
// never goes on without the element.
bool CXmlArchive::CreateChildElement(const std::string& name, const std::optional<std::string>& value)
{
    if (d->current == nullptr || !IsValidName(name))
        return false;
    // At the document level there is room for the one root element only.
    if (d->current->type == XML_DOCUMENT_NODE && xmlDocGetRootElement(d->doc) != nullptr)
        return false;
    xmlNodePtr element = Geschaffen(xmlNewDocNode(d->doc, nullptr, X(name), nullptr), false);
    if (value && !value->empty()) {
        xmlNodePtr text = nullptr;
        try {
            text = Geschaffen(xmlNewDocText(d->doc, X(XmlSafeText(*value))), true);
        } catch (...) {
            xmlFreeNode(element);
            throw;
        }
        // A text node becomes the only child: nothing to merge with, and
        // nothing that can fail.
        xmlAddChild(element, text);
    }
    // Right after the cursor, even when the cursor has following siblings;
    // appended when there is no cursor.
    xmlNodePtr before = d->cursor != nullptr ? d->cursor->next : nullptr;
    xmlNodePtr added = before != nullptr ? xmlAddPrevSibling(before, element) : xmlAddChild(d->current, element);
    if (added == nullptr) {
        xmlFreeNode(element);
        throw std::runtime_error("the XML element \"" + name + "\" could not be added");
    }
    d->cursor = added;
    return true;
}

bool CXmlArchive::SetAttribute(const std::string& name, const std::optional<std::string>& value)
{
    if (!IsElement(d->current) || !IsValidName(name))
        return false;
    const std::string text = XmlSafeText(value.value_or(std::string()));
    PruefeAttribut(xmlSetProp(d->current, X(name), X(text)), text);
    return true;
}

bool CXmlArchive::SetChildText(const std::string& value, bool asCData)
{
    if (d->cursor == nullptr)
        throw CXmlArchiveUsageError("SetChildText without a cursor");
    const std::string text = XmlSafeText(value);
    xmlNodePtr first = d->cursor->children;
    if (first != nullptr && first->type != XML_TEXT_NODE && first->type != XML_CDATA_SECTION_NODE)
        return false;
    xmlNodePtr node = Geschaffen(asCData ? xmlNewCDataBlock(d->doc, X(text), static_cast<int>(text.size()))
                                         : xmlNewDocText(d->doc, X(text)),
                                 !text.empty());
    if (first == nullptr) {
        // Added as the only child; xmlAddChild would merge a text node into
        // an existing text node, which cannot happen here.
        xmlAddChild(d->cursor, node);
        return true;
    }
    xmlNodePtr old = xmlReplaceNode(first, node);
    xmlFreeNode(old);
    return true;
}

std::optional<std::string> CXmlArchive::GetChildText() const
{
    if (d->cursor == nullptr)
        throw CXmlArchiveUsageError("GetChildText without a cursor");
    xmlNodePtr n = d->cursor->children;
    while (n != nullptr && n->type != XML_TEXT_NODE)
        n = n->next;
    if (n == nullptr)
        return std::nullopt;
    // Adjacent text nodes are one text of the element.
    std::string text;
    for (; n != nullptr && n->type == XML_TEXT_NODE; n = n->next)
        if (n->content != nullptr)
            text += C(n->content);
    return text;
}

std::string CXmlArchive::GetChildAttribute(const std::string& name) const
{
    if (d->cursor == nullptr)
        throw CXmlArchiveUsageError("GetChildAttribute without a cursor");
    return AttributText(d->cursor, name);
}

std::string CXmlArchive::CurrentElementName() const
{
    return IsElement(d->current) ? C(d->current->name) : "";
}

std::string CXmlArchive::CursorElementName() const
{
    return IsElement(d->cursor) ? C(d->cursor->name) : "";
}

std::string CXmlArchive::GetAttribute(const std::string& name) const
{
    if (!IsElement(d->current))
        return std::string();
    return AttributText(d->current, name);
}

bool CXmlArchive::HasAttribute(const std::string& name) const
{
    return IsElement(d->current) && xmlHasNsProp(d->current, X(name), nullptr) != nullptr;
}

void CXmlArchive::InitXsl()
{
    d->ReleaseXsl();
    d->security = xsltNewSecurityPrefs();
    if (d->security == nullptr)
        return;
    // A report style sheet may read files (document()), but never write
    // files, create folders or touch the network.
    xsltSetSecurityPrefs(d->security, XSLT_SECPREF_WRITE_FILE, xsltSecurityForbid);
    xsltSetSecurityPrefs(d->security, XSLT_SECPREF_CREATE_DIRECTORY, xsltSecurityForbid);
    xsltSetSecurityPrefs(d->security, XSLT_SECPREF_READ_NETWORK, xsltSecurityForbid);
    xsltSetSecurityPrefs(d->security, XSLT_SECPREF_WRITE_NETWORK, xsltSecurityForbid);
    d->xslReady = true;
}

bool CXmlArchive::LoadStylesheet(const std::filesystem::path& path)
{
    d->xslError.clear();
    if (!d->xslReady) {
        d->xslError = "the style-sheet processor is not ready";
        return false;
    }
    try {
        const std::string text = ReadWholeFile(path);
        xmlDocPtr sheetDoc = ParseDocument(text, path.string(), path.string());
        XsltErrorSilencer silence;
        ParseErrorCapture capture; // includes are parsed on the way
        xsltStylesheetPtr sheet = xsltParseStylesheetDoc(sheetDoc);
        const auto grund = [&] {
            std::string g = silence.Text();
            if (g.empty() && capture.HasError())
                g = capture.Message();
            return g.empty() ? std::string("the style sheet is not valid") : g;
        };
        if (sheet == nullptr) {
            xmlFreeDoc(sheetDoc);
            d->xslError = grund();
            return false;
        }
        if (sheet->errors != 0) {
            xsltFreeStylesheet(sheet); // frees the document too
            d->xslError = grund();
            return false;
        }
        if (d->stylesheet != nullptr)
            xsltFreeStylesheet(d->stylesheet);
        d->stylesheet = sheet;
        return true;
    } catch (const CXmlArchiveException& e) {
        // A style sheet that cannot be loaded leaves the previous one.
        d->xslError = e.Reason();
        if (e.Line() > 0)
            d->xslError += " (line " + std::to_string(e.Line()) + ")";
        return false;
    } catch (const std::exception& e) {
        d->xslError = e.what();
        return false;
    } catch (...) {
        d->xslError = "unknown error";
        return false;
    }
}

bool CXmlArchive::TransformToStream(std::ostream& out)
{
    d->xslError.clear();
    if (d->stylesheet == nullptr || d->doc == nullptr) {
        d->xslError = "no style sheet is loaded";
        return false;
    }
    XsltErrorSilencer silence;
    ParseErrorCapture capture;
    const auto grund = [&] {
        std::string g = silence.Text();
        if (g.empty() && capture.HasError())
            g = capture.Message();
        return g.empty() ? std::string("the transformation failed") : g;
    };
    xsltTransformContextPtr ctxt = xsltNewTransformContext(d->stylesheet, d->doc);
    if (ctxt == nullptr) {
        d->xslError = "out of memory";
        return false;
    }
    if (d->security != nullptr)
        xsltSetCtxtSecurityPrefs(d->security, ctxt);
    xmlDocPtr result = xsltApplyStylesheetUser(d->stylesheet, d->doc, nullptr, nullptr, nullptr, ctxt);
    const bool failed = ctxt->state == XSLT_STATE_ERROR || ctxt->state == XSLT_STATE_STOPPED;
    xsltFreeTransformContext(ctxt);
    if (result == nullptr) {
        d->xslError = grund();
        return false;
    }
    if (failed) {
        xmlFreeDoc(result);
        d->xslError = grund();
        return false;
    }
    xmlChar* text = nullptr;
    int length = 0;
    const int rc = xsltSaveResultToString(&text, &length, result, d->stylesheet);
    xmlFreeDoc(result);
    if (rc != 0) {
        xmlFree(text);
        d->xslError = "the result of the transformation could not be written";
        return false;
    }
    if (text != nullptr && length > 0)
        out.write(C(text), length);
    xmlFree(text);
    if (!out) {
        d->xslError = "the result of the transformation could not be written";
        return false;
    }
    return true;
}

const std::string& CXmlArchive::XslError() const
{
    return d->xslError;
}

void CXmlArchive::ReleaseXsl()
{
    d->ReleaseXsl();
}

// ---------------------------------------------------------------------------
// CXmlArchiveFile::StromSchreiber

namespace {

// An attribute's value as libxml2 writes it into a UTF-8 document: the same
// characters escaped, everything else as it is.
void HaengeAttributAn(std::string& aus, std::string_view text)
{
    for (char c : text) {
        switch (c) {
        case '<': aus += "&lt;"; break;
        case '>': aus += "&gt;"; break;
        case '&': aus += "&amp;"; break;
        case '"': aus += "&quot;"; break;
        case '\n': aus += "&#10;"; break;
        case '\r': aus += "&#13;"; break;
        case '\t': aus += "&#9;"; break;
        default: aus.push_back(c);
        }
    }
}

} // namespace

// Writes the document as the objects write themselves, into a temporary file
// beside the target, in the very bytes that libxml2 gives for the tree of
// CreateForWrite (UTF-8 declaration, no whitespace between elements, an
// element without content as "<X/>", a line feed after the root). A start
// tag stays open until its first child or its end, so that its attributes
// (which the objects write first) can still be set.
struct CXmlArchiveFile::StromSchreiber {
    static constexpr std::size_t Blockgroesse = std::size_t{1} << 20;

    std::string puffer;
    std::vector<std::string> offen; // names of the open elements, the root first
    bool startOffen = false;        // the innermost element's start tag lacks its ">"
    bool wurzel = false;            // the root element is begun (a document has one)
    std::vector<std::pair<std::string, std::string>> attribute;

    // A document of no content that tells libxml2's entity encoder the
    // output is UTF-8: element content is escaped by the very code that
    // escapes it when a tree is written.
    std::unique_ptr<xmlDoc, void (*)(xmlDocPtr)> kodierung{nullptr, xmlFreeDoc};

    SichereErsetzung datei;

    StromSchreiber(const std::filesystem::path& path, const std::string& root)
        : kodierung(Kodierungsdokument())
        , datei(path)
    {
        puffer.reserve(Blockgroesse + 4096);
        offen.reserve(16);
        puffer += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
        if (!Beginne(root))
            datei.Fehler(EINVAL);
    }

    static std::unique_ptr<xmlDoc, void (*)(xmlDocPtr)> Kodierungsdokument()
    {
        std::unique_ptr<xmlDoc, void (*)(xmlDocPtr)> doc(xmlNewDoc(X("1.0")), xmlFreeDoc);
        if (doc == nullptr)
            throw std::bad_alloc();
        doc->encoding = xmlStrdup(X("UTF-8"));
        if (doc->encoding == nullptr)
            throw std::bad_alloc();
        return doc;
    }

    void Leere()
    {
        datei.Schreibe(puffer.data(), puffer.size());
        puffer.clear();
    }

    void SchliesseStartTag()
    {
        if (!startOffen)
            return;
        for (const auto& [name, wert] : attribute) {
            puffer += ' ';
            puffer += name;
            puffer += "=\"";
            HaengeAttributAn(puffer, wert);
            puffer += '"';
        }
        attribute.clear();
        startOffen = false;
    }

    // Closes the parent's start tag and begins the child's.
    void BeginneTag(const std::string& name)
    {
        if (startOffen) {
            SchliesseStartTag();
            puffer += '>';
        }
        puffer += '<';
        puffer += name;
    }

    // False where the tree would take no element: at the document level
    // (which holds the root already) or for an invalid name.
    bool Beginne(const std::string& name)
    {
        if ((offen.empty() && wurzel) || !IsValidName(name))
            return false;
        BeginneTag(name);
        offen.push_back(name);
        wurzel = true;
        startOffen = true;
        return true;
    }

    bool Ende()
    {
        if (offen.empty())
            return false;
        if (startOffen) {
            SchliesseStartTag();
            puffer += "/>";
        } else {
            puffer += "</";
            puffer += offen.back();
            puffer += '>';
        }
        offen.pop_back();
        if (puffer.size() >= Blockgroesse)
            Leere();
        return true;
    }

    bool Attribut(const std::string& name, const std::optional<std::string>& wert)
    {
        if (offen.empty() || !IsValidName(name))
            return false;
        // The objects write their attributes first; one that came after a
        // child could no longer reach the start tag.
        if (!startOffen)
            return false;
        const std::string text = XmlSafeText(wert.value_or(std::string()));
        for (auto& a : attribute)
            if (a.first == name) {
                a.second = text;
                return true;
            }
        attribute.emplace_back(name, text);
        return true;
    }

    bool Kind(const std::string& name, const std::optional<std::string>& wert)
    {
        if (offen.empty() || !IsValidName(name))
            return false;
        BeginneTag(name);
        if (wert && !wert->empty()) {
            puffer += '>';
            xmlChar* kodiert = xmlEncodeEntitiesReentrant(kodierung.get(), X(XmlSafeText(*wert)));
            if (kodiert == nullptr)
                throw std::bad_alloc();
            try {
                puffer += C(kodiert);
            } catch (...) {
                xmlFree(kodiert);
                throw;
            }
            xmlFree(kodiert);
            puffer += "</";
            puffer += name;
            puffer += '>';
        } else {
            puffer += "/>";
        }
        if (puffer.size() >= Blockgroesse)
            Leere();
        return true;
    }

    void Abschliessen()
    {
        if (!datei.Offen())
            throw CXmlArchiveUsageError("Commit on a document that was committed already");
        while (!offen.empty())
            Ende();
        puffer += '\n';
        Leere();
        datei.Ersetze();
    }

};

// ---------------------------------------------------------------------------
// CXmlArchiveFile::StromLeser

// Reads the document as it goes, with libxml2's reader over the file, and
// gives the objects the very answers the loaded tree gives: an element is
// looked for from the cursor on among the children of the current element,
// a member's text is the first run of text nodes of its element, attributes
// are read from the current element. Children that are passed while another
// is looked for are kept aside (Knoten), so that a later member still finds
// them; in a document written by this program the element looked for is
// always the next one, and nothing is kept.
struct CXmlArchiveFile::StromLeser {
    // An element kept aside: its name, its attributes without namespace, the
    // text a member would read from it, and its child elements.
    struct Knoten {
        std::string name;
        std::vector<std::pair<std::string, std::string>> attribute;
        std::optional<std::string> text;
        std::vector<Knoten> kinder;
    };

    // One element on the way from the root to the current element.
    struct Ebene {
        bool live = true;  // its children come from the file
        int tiefe = 0;     // live: the reader's depth of the element
        bool fertig = false; // live: its end is read
        // live: children kept aside, those after the cursor from `kopf` on
        std::vector<Knoten> puffer;
        std::size_t kopf = 0;
        xmlNodePtr leerElement = nullptr; // live, empty element: its attributes are read from the reader's node
        std::vector<std::pair<std::string, std::string>> attribute; // live otherwise
        // Kept aside: the element and the cursor among its children; the
        // outermost such level owns its element.
        Knoten* knoten = nullptr;
        std::unique_ptr<Knoten> besitz;
        std::size_t cursor = 0;
    };


    std::filesystem::path pfad;
    DateiQuelle quelle;
    std::uint64_t dateigroesse = 0;
    std::unique_ptr<ParseErrorCapture> capture;
    xmlTextReaderPtr reader = nullptr;
    bool aufKnoten = false; // the reader stands on a node not yet taken
    bool amEnde = false;
    std::vector<Ebene> ebenen;

    StromLeser(const std::filesystem::path& path, const std::string& root)
        : pfad(path)
    {
        InitLibraries();
        quelle.fd = OeffneLesedatei(path);
        struct stat info {};
        if (::fstat(quelle.fd, &info) == 0)
            dateigroesse = static_cast<std::uint64_t>(info.st_size);
        try {
            capture = std::make_unique<ParseErrorCapture>();
            // The reader closes nothing: the descriptor is ours. No URL:
            // nothing is loaded relative to it, and libxml2 loses memory
            // when it cannot copy one.
            reader = xmlReaderForIO(&DateiQuelle::Lies, nullptr, &quelle, nullptr, nullptr, kParseOptions);
            if (reader == nullptr)
                throw std::bad_alloc();
            FindeWurzel(root);
        } catch (...) {
            Schliesse();
            throw;
        }
    }

    ~StromLeser() { Schliesse(); }
    StromLeser(const StromLeser&) = delete;
    StromLeser& operator=(const StromLeser&) = delete;

    void Schliesse()
    {
        if (reader != nullptr)
            xmlFreeTextReader(reader);
        reader = nullptr;
        capture.reset();
        if (quelle.fd >= 0)
            ::close(quelle.fd);
        quelle.fd = -1;
    }

    [[noreturn]] void WirfLesefehler()
    {
        if (capture->OutOfMemory())
            throw std::bad_alloc();
        if (quelle.fehler != 0)
            ThrowIo(quelle.fehler, pfad);
        // libxml2's reader words some errors of a damaged file otherwise
        // than the parser that loads a tree ("Extra content" for a file that
        // ends early); the user gets the loading parser's words, from a
        // pass over the file that builds nothing.
        PruefeWohlgeformt(pfad);
        const int code = capture->HasError() ? capture->Code() : XML_ERR_DOCUMENT_EMPTY;
        std::string reason = capture->HasError() ? capture->Message() : std::string();
        if (reason.empty())
            reason = "document is empty or not well-formed";
        throw CXmlArchiveException(static_cast<std::uint32_t>(code), capture->Line(), capture->Column(), reason,
                                   pfad.string());
    }

    // The next node of the file; false at its end.
    bool Lies()
    {
        if (amEnde)
            return false;
        const int rc = xmlTextReaderRead(reader);
        if (capture->OutOfMemory() || quelle.fehler != 0 || rc < 0)
            WirfLesefehler();
        if (rc == 0) {
            amEnde = true;
            aufKnoten = false;
            return false;
        }
        aufKnoten = true;
        return true;
    }

    // Past the end of the file while an element is open: the parser has
    // said why, or the file ended early.
    bool LiesImElement()
    {
        if (!Lies())
            WirfLesefehler();
        return true;
    }

    int Typ() const { return xmlTextReaderNodeType(reader); }
    int Tiefe() const { return xmlTextReaderDepth(reader); }
    bool IstLeer() const { return xmlTextReaderIsEmptyElement(reader) == 1; }
    static bool IstText(int typ)
    {
        return typ == XML_READER_TYPE_TEXT || typ == XML_READER_TYPE_WHITESPACE
               || typ == XML_READER_TYPE_SIGNIFICANT_WHITESPACE;
    }
    const char* Name() const
    {
        const xmlChar* name = xmlTextReaderConstLocalName(reader);
        if (name == nullptr)
            throw std::bad_alloc();
        return C(name);
    }
    std::string_view Wert() const
    {
        const xmlChar* wert = xmlTextReaderConstValue(reader);
        if (wert == nullptr)
            throw std::bad_alloc();
        return C(wert);
    }

    // The attributes without namespace of the element the reader stands on,
    // with the values the tree gives for them.
    std::vector<std::pair<std::string, std::string>> Attribute() const
    {
        std::vector<std::pair<std::string, std::string>> alle;
        xmlNodePtr node = xmlTextReaderCurrentNode(reader);
        if (node == nullptr)
            throw std::bad_alloc();
        for (xmlAttrPtr a = node->properties; a != nullptr; a = a->next) {
            if (a->ns != nullptr)
                continue;
            if (a->name == nullptr)
                throw std::bad_alloc();
            alle.emplace_back(C(a->name), AttributText(node, C(a->name)));
        }
        return alle;
    }

    void FindeWurzel(const std::string& root)
    {
        while (Lies()) {
            if (Typ() != XML_READER_TYPE_ELEMENT)
                continue;
            if (Name() != root) {
                // A file that is damaged anywhere is refused for that first.
                while (Lies()) {
                }
                throw CXmlArchiveException(XML_DTD_ROOT_NAME, 0, 0, "the root element is not \"" + root + "\"",
                                           pfad.string());
            }
            Ebene e;
            e.tiefe = Tiefe();
            e.fertig = IstLeer();
            e.attribute = Attribute();
            aufKnoten = false;
            ebenen.push_back(std::move(e));
            return;
        }
        WirfLesefehler();
    }

    // The reader on the next child of the live element e, or false at its end.
    bool NaechstesKind(Ebene& e)
    {
        if (e.fertig)
            return false;
        for (;;) {
            if (!aufKnoten)
                LiesImElement();
            const int typ = Typ();
            const int tiefe = Tiefe();
            if (typ == XML_READER_TYPE_END_ELEMENT && tiefe == e.tiefe) {
                aufKnoten = false;
                e.fertig = true;
                return false;
            }
            if (tiefe == e.tiefe + 1)
                return true;
            aufKnoten = false;
        }
    }

    // Takes the node the reader stands on with everything below it.
    void Uebergehe()
    {
        if (Typ() == XML_READER_TYPE_ELEMENT && !IstLeer()) {
            const int tiefe = Tiefe();
            do
                LiesImElement();
            while (!(Typ() == XML_READER_TYPE_END_ELEMENT && Tiefe() == tiefe));
        }
        aufKnoten = false;
    }

    // The element the reader stands on: its text as a member reads it, and,
    // with mitKindern, its attributes and children kept aside.
    Knoten Nimm(bool mitKindern)
    {
        Knoten k;
        if (mitKindern) {
            k.name = Name();
            k.attribute = Attribute();
        }
        if (IstLeer()) {
            aufKnoten = false;
            return k;
        }
        const int tiefe = Tiefe();
        enum class Lauf { Davor, Darin, Danach } lauf = Lauf::Davor;
        std::string text;
        aufKnoten = false;
        for (;;) {
            LiesImElement();
            const int typ = Typ();
            if (typ == XML_READER_TYPE_END_ELEMENT && Tiefe() == tiefe)
                break;
            if (Tiefe() != tiefe + 1)
                continue;
            if (IstText(typ)) {
                if (lauf == Lauf::Davor) {
                    lauf = Lauf::Darin;
                    text = Wert();
                } else if (lauf == Lauf::Darin) {
                    text += Wert();
                }
                continue;
            }
            if (lauf == Lauf::Darin)
                lauf = Lauf::Danach;
            if (typ == XML_READER_TYPE_ELEMENT) {
                if (mitKindern)
                    k.kinder.push_back(Nimm(true));
                else
                    Uebergehe();
            }
        }
        aufKnoten = false;
        if (lauf != Lauf::Davor)
            k.text = std::move(text);
        return k;
    }

    // Where a child looked for was found.
    enum class Fund { Keiner, Aufgehoben, ImStrom };

    // Looks for the next child of that name after the cursor, as the tree
    // does; children passed on the way are kept aside. Aufgehoben: at
    // index `stelle` of the kept children (the cursor is not moved yet);
    // ImStrom: the reader stands on it.
    Fund Suche(const std::string& name, std::size_t& stelle)
    {
        Ebene& e = ebenen.back();
        if (!e.live) {
            for (std::size_t i = e.cursor; i < e.knoten->kinder.size(); ++i)
                if (name.empty() || e.knoten->kinder[i].name == name) {
                    stelle = i;
                    return Fund::Aufgehoben;
                }
            return Fund::Keiner;
        }
        for (std::size_t i = e.kopf; i < e.puffer.size(); ++i)
            if (name.empty() || e.puffer[i].name == name) {
                stelle = i;
                return Fund::Aufgehoben;
            }
        while (NaechstesKind(e)) {
            if (Typ() != XML_READER_TYPE_ELEMENT) {
                aufKnoten = false;
                continue;
            }
            if (name.empty() || Name() == name)
                return Fund::ImStrom;
            e.puffer.push_back(Nimm(true));
        }
        return Fund::Keiner;
    }

    // Moves the cursor onto the found child and returns it, when kept aside.
    Knoten* Bewege(Fund fund, std::size_t stelle)
    {
        Ebene& e = ebenen.back();
        if (!e.live) {
            e.cursor = stelle + 1;
            return &e.knoten->kinder[stelle];
        }
        if (fund == Fund::ImStrom) {
            // Everything kept aside lies before it.
            e.puffer.clear();
            e.kopf = 0;
            return nullptr;
        }
        // Taken by the caller: the cursor stands after it.
        e.kopf = stelle + 1;
        return &e.puffer[stelle];
    }

    bool Betrete(const std::string& name)
    {
        std::size_t stelle = 0;
        const Fund fund = Suche(name, stelle);
        if (fund == Fund::Keiner)
            return false;
        const bool live = ebenen.back().live;
        Knoten* k = Bewege(fund, stelle);
        Ebene neu;
        if (fund == Fund::ImStrom) {
            neu.tiefe = Tiefe();
            if (IstLeer()) {
                // Nothing is read inside an empty element: the reader stays
                // on it, and its attributes are read where they are.
                neu.fertig = true;
                neu.leerElement = xmlTextReaderCurrentNode(reader);
                if (neu.leerElement == nullptr)
                    throw std::bad_alloc();
            } else {
                neu.attribute = Attribute();
            }
            aufKnoten = false;
        } else {
            neu.live = false;
            if (live) {
                neu.besitz = std::make_unique<Knoten>(std::move(*k));
                neu.knoten = neu.besitz.get();
            } else {
                neu.knoten = k;
            }
        }
        ebenen.push_back(std::move(neu));
        return true;
    }

    bool Verlasse()
    {
        if (ebenen.size() <= 1)
            return false;
        Ebene& e = ebenen.back();
        if (e.live) {
            while (NaechstesKind(e))
                Uebergehe();
            // The reader left the empty element: its node is no longer ours.
            e.leerElement = nullptr;
        }
        ebenen.pop_back();
        return true;
    }

    std::optional<std::optional<std::string>> KindText(const std::string& name)
    {
        std::size_t stelle = 0;
        const Fund fund = Suche(name, stelle);
        if (fund == Fund::Keiner)
            return std::nullopt;
        Knoten* k = Bewege(fund, stelle);
        if (fund == Fund::ImStrom)
            return Nimm(false).text;
        return k->text;
    }

    bool HatAttribut(const std::string& name) const
    {
        const Ebene& e = ebenen.back();
        if (e.leerElement != nullptr)
            return xmlHasNsProp(e.leerElement, X(name), nullptr) != nullptr;
        const auto& alle = e.live ? e.attribute : e.knoten->attribute;
        return std::any_of(alle.begin(), alle.end(), [&](const auto& a) { return a.first == name; });
    }

    std::string Attribut(const std::string& name) const
    {
        const Ebene& e = ebenen.back();
        if (e.leerElement != nullptr)
            return AttributText(e.leerElement, name);
        const auto& alle = e.live ? e.attribute : e.knoten->attribute;
        for (const auto& a : alle)
            if (a.first == name)
                return a.second;
        return std::string();
    }

    bool Folgt(const std::string& name)
    {
        std::size_t stelle = 0;
        return Suche(name, stelle) != Fund::Keiner;
    }

    std::size_t Platz(const std::string& name, std::int32_t size) const
    {
        if (size <= 0)
            return 0;
        // Every element takes at least "<name/>" of what is left of the file.
        const std::uint64_t rest = dateigroesse > quelle.gelesen ? dateigroesse - quelle.gelesen : 0;
        const Ebene& e = ebenen.back();
        const std::uint64_t moeglich =
            rest / (name.size() + 3) + (e.live ? e.puffer.size() - e.kopf : e.knoten->kinder.size() - e.cursor);
        return static_cast<std::size_t>(std::min<std::uint64_t>(static_cast<std::uint64_t>(size), moeglich));
    }

    std::size_t UeberspringeRest(const std::string& name)
    {
        Ebene& e = ebenen.back();
        std::size_t n = 0;
        if (!e.live) {
            for (std::size_t i = e.cursor; i < e.knoten->kinder.size(); ++i)
                n += e.knoten->kinder[i].name == name ? 1 : 0;
            e.cursor = e.knoten->kinder.size();
            return n;
        }
        for (std::size_t i = e.kopf; i < e.puffer.size(); ++i)
            n += e.puffer[i].name == name ? 1 : 0;
        e.puffer.clear();
        e.kopf = 0;
        while (NaechstesKind(e)) {
            if (Typ() == XML_READER_TYPE_ELEMENT && Name() == name)
                ++n;
            Uebergehe();
        }
        return n;
    }

    void LiesRestEin()
    {
        Ebene& innen = ebenen.back();
        if (innen.leerElement != nullptr) {
            // The reader leaves the element: its attributes come along.
            innen.attribute = Attribute();
            innen.leerElement = nullptr;
        }
        // From the innermost element outwards, each keeps the rest of its
        // children aside; then the file is read to its end.
        for (std::size_t i = ebenen.size(); i-- > 0;) {
            Ebene& e = ebenen[i];
            if (!e.live)
                continue;
            while (NaechstesKind(e)) {
                if (Typ() == XML_READER_TYPE_ELEMENT)
                    e.puffer.push_back(Nimm(true));
                else
                    aufKnoten = false;
            }
        }
        while (Lies()) {
        }
    }
};

// ---------------------------------------------------------------------------
// CXmlArchiveFile

CXmlArchiveFile::CXmlArchiveFile(std::filesystem::path path, bool storing)
    : m_path(std::move(path))
    , m_storing(storing)
{
}

CXmlArchiveFile::CXmlArchiveFile(CXmlArchiveFile&&) noexcept = default;
CXmlArchiveFile& CXmlArchiveFile::operator=(CXmlArchiveFile&&) noexcept = default;
CXmlArchiveFile::~CXmlArchiveFile() = default;

CXmlArchiveFile CXmlArchiveFile::OpenForRead(const std::filesystem::path& path, const std::string& root)
{
    CXmlArchiveFile file(path, false);
    file.m_archive.Load(path);
    if (!file.m_archive.FindElement(root))
        throw CXmlArchiveException(XML_DTD_ROOT_NAME, 0, 0, "the root element is not \"" + root + "\"",
                                   path.string());
    return file;
}

CXmlArchiveFile CXmlArchiveFile::OpenStreamed(const std::filesystem::path& path, const std::string& root)
{
    CXmlArchiveFile file(path, false);
    file.m_leser = std::make_unique<StromLeser>(path, root);
    return file;
}

CXmlArchiveFile CXmlArchiveFile::CreateStreamed(const std::filesystem::path& path, const std::string& root)
{
    CXmlArchiveFile file(path, true);
    file.m_schreiber = std::make_unique<StromSchreiber>(path, root);
    return file;
}

CXmlArchiveFile CXmlArchiveFile::CreateForWrite(const std::filesystem::path& path, const std::string& templateText,
                                                const std::string& root)
{
    CXmlArchiveFile file(path, true);
    file.m_archive.LoadXML(templateText);
    if (!file.m_archive.FindElement(root))
        throw CXmlArchiveException(XML_DTD_ROOT_NAME, 0, 0, "the root element is not \"" + root + "\"",
                                   std::string());
    return file;
}

void CXmlArchiveFile::Commit()
{
    if (!m_storing)
        throw CXmlArchiveUsageError("Commit on a document opened for reading");
    if (m_schreiber != nullptr)
        m_schreiber->Abschliessen();
    else
        m_archive.Save(m_path);
}

bool CXmlArchiveFile::BeginWriteElement(const std::string& name)
{
    // A document written without one of its elements would be taken for a
    // complete project at the next opening: a save fails instead.
    const bool begonnen = m_schreiber != nullptr
                              ? m_schreiber->Beginne(name)
                              : m_archive.CreateChildElement(name) && m_archive.DescendToCursor();
    if (!begonnen)
        throw CXmlArchiveException(XML_ERR_INTERNAL_ERROR, 0, 0, "the element \"" + name + "\" cannot be written",
                                   m_path.string());
    return true;
}

bool CXmlArchiveFile::EndWriteElement()
{
    if (m_schreiber != nullptr)
        return m_schreiber->Ende();
    return m_archive.EndElement();
}

bool CXmlArchiveFile::WriteMember(const XmlMember& member)
{
    if (member.member == nullptr)
        return false;
    if (member.kind == XmlMember::Object)
        return static_cast<XmlSerialisierbar*>(member.member)->WriteXml(*this);
    // A value that has no text (a number that is not finite) is written
    // empty and reported as false; every other failure raises.
    const std::optional<std::string> text = MemberText(member);
    const bool attribut = (member.flags & XmlMember::Attribute) != 0;
    bool written = false;
    if (m_schreiber != nullptr)
        written = attribut ? m_schreiber->Attribut(member.name, text) : m_schreiber->Kind(member.name, text);
    else
        written = attribut ? m_archive.SetAttribute(member.name, text) : m_archive.CreateChildElement(member.name, text);
    if (!written)
        throw CXmlArchiveException(XML_ERR_INTERNAL_ERROR, 0, 0,
                                   std::string("the member \"") + member.name + "\" cannot be written",
                                   m_path.string());
    return text.has_value();
}

bool CXmlArchiveFile::BeginReadElement(const std::string& name)
{
    // Without an element of that name the position stays where it is: the
    // object keeps its values and its siblings are still found.
    if (m_leser != nullptr)
        return m_leser->Betrete(name);
    return m_archive.FindChildElement(name) && m_archive.DescendToCursor();
}

bool CXmlArchiveFile::EndReadElement()
{
    if (m_leser != nullptr)
        return m_leser->Verlasse();
    return m_archive.EndElement();
}

bool CXmlArchiveFile::FolgtKindelement(const std::string& name)
{
    if (m_leser != nullptr)
        return m_leser->Folgt(name);
    return m_archive.FolgtKindelement(name);
}

std::size_t CXmlArchiveFile::PlatzFuerKindelemente(const std::string& name, std::int32_t size)
{
    if (m_leser != nullptr)
        return m_leser->Platz(name, size);
    if (size <= 0)
        return 0;
    return std::min(static_cast<std::size_t>(size), m_archive.ZaehleFolgende(name));
}

std::size_t CXmlArchiveFile::UeberspringeRest(const std::string& name)
{
    if (m_leser != nullptr)
        return m_leser->UeberspringeRest(name);
    return m_archive.ZaehleFolgende(name);
}

void CXmlArchiveFile::BegrenzeArray(const std::string& array, std::size_t hoechstens)
{
    for (ArrayGrenzwert& g : m_grenzen)
        if (g.array == array) {
            g.hoechstens = hoechstens;
            return;
        }
    m_grenzen.push_back({array, hoechstens, 0});
}

std::size_t CXmlArchiveFile::ArrayGrenze(const std::string& array) const
{
    for (const ArrayGrenzwert& g : m_grenzen)
        if (g.array == array)
            return g.hoechstens;
    return std::numeric_limits<std::size_t>::max();
}

void CXmlArchiveFile::MerkeArrayAnzahl(const std::string& array, std::size_t anzahl)
{
    for (ArrayGrenzwert& g : m_grenzen)
        if (g.array == array && g.gezaehlt == 0)
            g.gezaehlt = anzahl;
}

std::size_t CXmlArchiveFile::GezaehlteAnzahl(const std::string& array) const
{
    for (const ArrayGrenzwert& g : m_grenzen)
        if (g.array == array)
            return g.gezaehlt;
    return 0;
}

void CXmlArchiveFile::LiesRestEin()
{
    if (m_leser != nullptr)
        m_leser->LiesRestEin();
}

bool CXmlArchiveFile::ReadMember(const XmlMember& member)
{
    if (member.member == nullptr)
        return false;
    // A missing element or attribute and a value that does not parse leave
    // the member as it was; everything else (no memory, a member's own code
    // that raises) aborts the whole reading.
    if (member.kind == XmlMember::Object)
        return static_cast<XmlSerialisierbar*>(member.member)->ReadXml(*this);
    if ((member.flags & XmlMember::Attribute) != 0) {
        // An attribute read reports false even when it stores the value.
        if (m_leser != nullptr) {
            if (m_leser->HatAttribut(member.name))
                StoreText(member, m_leser->Attribut(member.name));
        } else if (m_archive.HasAttribute(member.name)) {
            StoreText(member, m_archive.GetAttribute(member.name));
        }
        return false;
    }
    if (m_leser != nullptr) {
        const std::optional<std::optional<std::string>> text = m_leser->KindText(member.name);
        return text.has_value() && StoreText(member, *text);
    }
    if (!m_archive.FindChildElement(member.name))
        return false;
    return StoreText(member, m_archive.GetChildText());
}

} // namespace zeva
