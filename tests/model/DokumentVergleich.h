#pragma once
// Compares XML documents by what they say rather than by their bytes: the
// sequence of elements with their attributes and texts. Comments and the
// white space between elements (a hand-written expectation is indented) do
// not count, an empty element equals one without content, and a text that is
// a number counts by its value ("20" equals "2E1" and "20.0").
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <charconv>
#include <string>
#include <vector>

namespace zeva::test {

namespace detail {

inline std::string NormalerText(const std::string& text)
{
    double wert = 0;
    const char* ende = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), ende, wert);
    if (!text.empty() && ec == std::errc() && ptr == ende) {
        char puffer[64];
        const auto r = std::to_chars(puffer, puffer + sizeof puffer, wert);
        return "#" + std::string(puffer, r.ptr);
    }
    return "\"" + text + "\"";
}

inline bool NurLeerraum(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; });
}

inline void Sammle(xmlNodePtr knoten, std::vector<std::string>& zeilen, int tiefe)
{
    for (xmlNodePtr k = knoten; k != nullptr; k = k->next) {
        if (k->type == XML_TEXT_NODE || k->type == XML_CDATA_SECTION_NODE) {
            xmlChar* inhalt = xmlNodeGetContent(k);
            const std::string text = inhalt ? reinterpret_cast<const char*>(inhalt) : "";
            xmlFree(inhalt);
            if (!NurLeerraum(text))
                zeilen.push_back(std::string(tiefe * 2, ' ') + NormalerText(text));
            continue;
        }
        if (k->type != XML_ELEMENT_NODE)
            continue;
        std::vector<std::string> attribute;
        for (xmlAttrPtr a = k->properties; a != nullptr; a = a->next) {
            xmlChar* wert = xmlNodeListGetString(k->doc, a->children, 1);
            attribute.push_back(std::string(reinterpret_cast<const char*>(a->name)) + "=" +
                                NormalerText(wert ? reinterpret_cast<const char*>(wert) : ""));
            xmlFree(wert);
        }
        std::sort(attribute.begin(), attribute.end());
        std::string zeile = std::string(tiefe * 2, ' ') + "<" + reinterpret_cast<const char*>(k->name);
        for (const std::string& a : attribute)
            zeile += " " + a;
        zeilen.push_back(zeile + ">");
        Sammle(k->children, zeilen, tiefe + 1);
    }
}

} // namespace detail

// One line per element (with its sorted attributes) and per text, indented
// by depth; empty when the text is not well-formed XML.
inline std::vector<std::string> KanonischeForm(const std::string& xml)
{
    std::vector<std::string> zeilen;
    xmlDocPtr doc = xmlReadMemory(xml.data(), static_cast<int>(xml.size()), "dokument.xml", nullptr,
                                  XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (doc == nullptr)
        return zeilen;
    detail::Sammle(xmlDocGetRootElement(doc), zeilen, 0);
    xmlFreeDoc(doc);
    return zeilen;
}

} // namespace zeva::test
