#pragma once
// Older binary project documents (".zva") built byte by byte for the tests of
// the reader: the house's binary form of any version 1 to 10 with its records,
// then the options' binary form. Written from the description of the format
// alone (field lists, version rules, object references), never from the
// reader, so that a misreading in one does not hide in the other.
//
// Each struct below holds the values of one stored object and writes its
// body; object arrays write each element's reference through one Objektkarte
// for the whole file, which numbers classes and objects as the format does.
#include "platform/ByteBuilder.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace zeva::test {

// Classes and objects share one counter from 1, in the order in which they
// appear; the first object of a class announces the class by name, later ones
// refer to the class's number. A nested object is numbered after its owner.
class Objektkarte {
public:
    void Kopf(ByteBuilder& b, const std::string& klasse)
    {
        const auto it = m_klassen.find(klasse);
        if (it == m_klassen.end()) {
            b.NewClass(klasse);
            m_klassen[klasse] = m_naechste++;
        } else {
            b.ClassRef(it->second);
        }
        ++m_naechste; // the object itself
    }

private:
    std::map<std::string, std::uint16_t> m_klassen;
    std::uint16_t m_naechste = 1;
};

struct XY {
    double x = 0;
    double y = 0;
};

// A point list of the framework's value array: the count, then 24 bytes per
// point, of which the first eight mean nothing.
inline void SchreibePunktliste(ByteBuilder& b, const std::vector<XY>& punkte)
{
    b.Count(static_cast<std::uint32_t>(punkte.size()));
    for (const XY& p : punkte)
        b.Repeat(0xCD, 8).Double(p.x).Double(p.y);
}

inline void SchreibeDoubles(ByteBuilder& b, const std::vector<double>& werte)
{
    b.Count(static_cast<std::uint32_t>(werte.size()));
    for (double w : werte)
        b.Double(w);
}

struct EbeneBytes {
    double ecken[4][3] = {}; // lo, ro, ru, lu as x, y, z
    std::int32_t traeger1 = -1, traeger2 = -1, id = -1, gauben = -1, fassaden = -1;
    std::int32_t bearbeitet = 0, fenster = 0;

    // GaubenID from version 3, FassadenID from 4, the two flags from 2.
    void Schreibe(ByteBuilder& b, int version) const
    {
        for (const auto& e : ecken)
            b.Double(e[0]).Double(e[1]).Double(e[2]);
        b.Int(traeger1).Int(traeger2).Int(id);
        if (version >= 3)
            b.Int(gauben);
        if (version >= 4)
            b.Int(fassaden);
        if (version >= 2)
            b.Int(bearbeitet).Int(fenster);
    }
};

struct SchichtBytes {
    std::string name, langtext, bitmap;
    double dicke = 0, lambda = 0, mu = 0;

    void Schreibe(ByteBuilder& b) const
    {
        b.String8(name).Double(dicke).Double(lambda).Double(mu).String8(langtext).String8(bitmap);
    }
};

// A measure on an opaque component (DSWand, DSBoden, ...).
struct OpakeMassnahmeBytes {
    std::string name, langtext, schichten, bitmap;
    double dicke = 0, kwert = 0, lebensdauer = 0, preis = 0, preisfix = 0, preisProQm = 0;
    std::int32_t verwendung = -1;

    void Schreibe(ByteBuilder& b) const
    {
        b.String8(name).String8(langtext).String8(schichten).Double(dicke).Double(kwert).Double(lebensdauer);
        b.Int(verwendung).Double(preis).Double(preisfix).Double(preisProQm).String8(bitmap);
    }
};

struct FensterMassnahmeBytes {
    std::string name, langtext, bitmap;
    double kwertGlas = 0, gwert = 0, rahmenanteil = 0.2, kwertRahmen = 0;
    double lebensdauer = 0, preis = 0, preisfix = 0, preisProQm = 0;

    void Schreibe(ByteBuilder& b) const
    {
        b.String8(name).String8(langtext).Double(kwertGlas).Double(gwert).Double(rahmenanteil).Double(kwertRahmen);
        b.Double(lebensdauer).Double(preis).Double(preisfix).Double(preisProQm).String8(bitmap);
    }
};

// An opaque component; klasse is "DWand", "DBoden", "DDecke", "DFlachdach"
// or "DSteildach" (the defaults are those of a new record of that kind).
struct OpakBytes {
    std::string klasse = "DWand";
    std::int32_t nummer = 0;
    std::string name, langtext, bitmap, kommentar;
    double dicke = 0, flaeche = 0, kwert = 0;
    std::int32_t zone = 0, schicht = 1, warmdach = 1;
    std::int32_t sanbarInnen = 0, sanbarZwischen = 1, sanbarAussen = 1, sanMussInnen = 0, sanMussAussen = 0;
    double sowiesoInnen = 0, sowiesoAussen = 0;
    std::int32_t gesamteFassade = 1;
    EbeneBytes ebene;
    std::vector<SchichtBytes> schichten;
    std::vector<OpakeMassnahmeBytes> massnahmen;

    static OpakBytes Neu(const std::string& klasse)
    {
        OpakBytes o;
        o.klasse = klasse;
        if (klasse == "DBoden") {
            o.sanbarInnen = 1;
            o.sanbarAussen = 0;
        } else if (klasse != "DWand") {
            o.sanbarInnen = 1;
        }
        return o;
    }

    // The walls', floors' and ceilings' order; a flat roof stores no Zone but
    // Warmdach after Schicht, a pitched roof has no Zone at all.
    void Schreibe(ByteBuilder& b, Objektkarte& karte, int version) const
    {
        b.Int(nummer).String8(name).String8(langtext).Double(dicke).Double(flaeche).Double(kwert);
        if (klasse == "DWand" || klasse == "DBoden" || klasse == "DDecke")
            b.Int(zone);
        b.Int(schicht);
        if (klasse == "DFlachdach")
            b.Int(warmdach);
        b.Int(sanbarInnen).Int(sanbarZwischen).Int(sanbarAussen).Int(sanMussInnen).Int(sanMussAussen);
        b.String8(bitmap).Double(sowiesoInnen).Double(sowiesoAussen).String8(kommentar).Int(gesamteFassade);
        ebene.Schreibe(b, version);
        b.Count(static_cast<std::uint32_t>(schichten.size()));
        for (const SchichtBytes& s : schichten) {
            karte.Kopf(b, "DSchicht");
            s.Schreibe(b);
        }
        b.Count(static_cast<std::uint32_t>(massnahmen.size()));
        for (const OpakeMassnahmeBytes& m : massnahmen) {
            karte.Kopf(b, "DS" + klasse.substr(1));
            m.Schreibe(b);
        }
    }
};

struct FensterBytes {
    std::int32_t nummer = 0;
    std::string nameGlas, nameRahmen, langtext, bitmap, kommentar;
    double flaeche = 0, kwertGlas = 0, gwert = 0;
    std::int32_t richtung = 0, neigung = 0;
    double rahmenanteil = 0.3, kwertRahmen = 0;
    std::int32_t sanbar = 1, sanMuss = 0;
    double reduktionsfaktor = 0.7, sowieso = 0;
    std::int32_t gesamteFassade = 1;
    EbeneBytes ebene;
    std::vector<FensterMassnahmeBytes> massnahmen;

    void Schreibe(ByteBuilder& b, Objektkarte& karte, int version) const
    {
        b.Int(nummer).String8(nameGlas).String8(nameRahmen).String8(langtext).Double(flaeche).Double(kwertGlas);
        b.Double(gwert).Int(richtung).Int(neigung).Double(rahmenanteil).Double(kwertRahmen).Int(sanbar).Int(sanMuss);
        b.Double(reduktionsfaktor).String8(bitmap).Double(sowieso).String8(kommentar).Int(gesamteFassade);
        ebene.Schreibe(b, version);
        b.Count(static_cast<std::uint32_t>(massnahmen.size()));
        for (const FensterMassnahmeBytes& m : massnahmen) {
            karte.Kopf(b, "DSFenster");
            m.Schreibe(b);
        }
    }
};

struct HeizungBytes {
    std::string name, langtext, verteilung, bitmap, kommentar;
    std::int32_t sanbar = 1, sanMuss = 0, brennstoff = 0, einzelheiz = 0;
    double etaEinzel = 1.0, nennleistung = 0, jahresnutzungsgrad = 0, bereitschaftszeit = 8760;
    double vollbenutzungsstunden = 0, strahlungsverlust = 0, abgasverlust = 0, bereitschaftsverlust = 0;
    double verteilungsnutzungsgrad = 1.0, preis = 0, lebensdauer = 0, sowieso = 0;

    // The order of the heating element without Co2 and Kea.
    void Schreibe(ByteBuilder& b) const
    {
        b.String8(name).String8(langtext).Int(sanbar).Int(sanMuss).Int(brennstoff).Int(einzelheiz);
        b.Double(etaEinzel).Double(nennleistung).Double(jahresnutzungsgrad).Double(bereitschaftszeit);
        b.Double(vollbenutzungsstunden).Double(strahlungsverlust).Double(abgasverlust).Double(bereitschaftsverlust);
        b.String8(verteilung).Double(verteilungsnutzungsgrad).Double(preis).Double(lebensdauer).String8(bitmap);
        b.Double(sowieso).String8(kommentar);
    }
};

struct BedarfBytes {
    double summen[16] = {}; // Brennstoffenergiebedarf ... Fenstergewinnnutzbarsumme
    std::vector<double> reihen[8];
    double gesamtkosten = 0, gesamtkostenProJahr = 0;

    void Schreibe(ByteBuilder& b) const
    {
        for (double s : summen)
            b.Double(s);
        for (const auto& r : reihen)
            SchreibeDoubles(b, r);
        b.Double(gesamtkosten).Double(gesamtkostenProJahr);
    }
};

struct ZoneBytes {
    std::int32_t innerhalb = 0;
    double dachhoehe = 3, dachgeschosshoehe = 3, drempelhoehe = 0, stockwerkshoehe = 2.5;
    std::int32_t stockwerkszahl = 1;
    double kellerhoehe = 2.5;
    std::int32_t geschlossen = 0, startInZone = 0, startAufLinie = 0, endInZone = 0, endAufLinie = 0;
    std::int32_t klimaZone = 1, kellerBeheizt = 0;
    double hoeheUeberGrund = 0;
    std::vector<XY> umriss;

    void Schreibe(ByteBuilder& b) const
    {
        b.Int(innerhalb).Double(dachhoehe).Double(dachgeschosshoehe).Double(drempelhoehe).Double(stockwerkshoehe);
        b.Int(stockwerkszahl).Double(kellerhoehe).Int(geschlossen).Int(startInZone).Int(startAufLinie);
        b.Int(endInZone).Int(endAufLinie).Int(klimaZone).Int(kellerBeheizt).Double(hoeheUeberGrund);
        SchreibePunktliste(b, umriss);
    }
};

struct GaubeBytes {
    std::int32_t id = -1, traeger1 = -1, traeger2 = -1, fassaden = -1;
    // Dachauflage, Deckenflaeche, Dachflaeche, Seitenflaeche links, rechts,
    // Stirnflaeche.
    EbeneBytes ebenen[6];

    void Schreibe(ByteBuilder& b, int version) const
    {
        b.Int(id).Int(traeger1).Int(traeger2);
        if (version >= 4)
            b.Int(fassaden);
        for (const EbeneBytes& e : ebenen)
            e.Schreibe(b, version);
    }
};

struct DachBytes {
    std::uint8_t typ = 2;
    double diagonalWinkel = 0, winkel = 0;
    XY groesse;
    std::vector<XY> punkte; // written with a 4-byte count
    double hoehe = 0, geschossHoehe = 0, mansardHoehe = 0;
    std::int32_t beheizt = 1; // stored from version 9

    void Schreibe(ByteBuilder& b, int version) const
    {
        b.Byte(typ).Double(diagonalWinkel).Double(winkel).Double(groesse.x).Double(groesse.y);
        b.Int(static_cast<std::int32_t>(punkte.size()));
        for (const XY& p : punkte)
            b.Double(p.x).Double(p.y);
        b.Double(hoehe).Double(geschossHoehe).Double(mansardHoehe);
        if (version >= 9)
            b.Int(beheizt);
    }
};

struct OptionenBytes {
    double preise[8] = {0.035, 0.035, 0.04, 0.07, 0.045, 0.04, 0.02, 0.02};
    double zentralheizung = 40, heizkesselTauschen = 1500, alteHeizung = 2500;
    std::int32_t index = 0;
    double grenze = 10000;
    std::int32_t anzahlVarianten = 1, brennstoffBeibehalten = 1, brennstoff = 0, verteilungBeibehalten = 1;
    std::string verteilungsArt;
    double verteilungsnutzungsgrad = 1.0;
    std::int32_t einschaltdauerBeibehalten = 1;
    double einschaltdauer = 8760;
    std::int32_t algorithmus = 0, versuche = 5;

    // Documents up to version 9 knew five fuels.
    void Schreibe(ByteBuilder& b, int version) const
    {
        for (int k = 0; k < (version <= 9 ? 5 : 8); ++k)
            b.Double(preise[k]);
        b.Double(zentralheizung).Double(heizkesselTauschen).Double(alteHeizung).Int(index).Double(grenze);
        b.Int(anzahlVarianten).Int(brennstoffBeibehalten).Int(brennstoff).Int(verteilungBeibehalten);
        b.String8(verteilungsArt).Double(verteilungsnutzungsgrad).Int(einschaltdauerBeibehalten);
        b.Double(einschaltdauer).Int(algorithmus).Int(versuche);
    }
};

// The house of a document of the given version, by default with the values
// of a new house, one heating and one demand record and one zone.
struct HausBytes {
    std::int32_t version = 10;
    std::string beschreibung, strasse, ort, kommentar;
    std::int32_t baujahr = 1955, nutzungstyp = 0;
    double energiebezugsflaeche = 0, etagenflaeche = 0, innentemperatur = 19, luftwechsel = 0.8, volumen = 0;
    double elektrizitaet = 80, personenzahl = 2, nutzungszeit = 12;
    std::int32_t klimazone = 13, varianten = 0;
    std::int32_t berechnungsverfahren = 0; // from version 5
    double stockwerkshoehe = 2.5;
    std::int32_t stockwerkszahl = 1;
    double dachhoehe = 3, drempelhoehe = 0;
    double dachgeschosshoehe = 3; // from version 2
    double kellerhoehe = 2.5, ausrichtung = 90, haushoehe = 8;
    std::int32_t flags2D[8] = {0, 0, 1, 1, 1, 1, 200, 10};
    double flaeche2DEingabe = 400;
    std::int32_t eingabeImUZS = 0, knotenGrundrissFlag = 0;
    XY knotenGrundriss;
    std::int32_t dachBeheizt = 1, kellerBeheizt = 0, steildach = 1, phase = 0;
    double realAreaWidth = 20, realAreaHeight = 20, realGridWidth = 0.1;
    // Doubles from version 7; before, whole numbers (the values are cut).
    double openGLGrid = 0.1, openGLWidth = 20, openGLHeight = 20;
    std::int32_t zonen = 1; // from version 6

    std::vector<OpakBytes> flachdaecher, steildaecher, decken, waende, boeden;
    std::vector<FensterBytes> fenster;
    std::vector<HeizungBytes> heizungen{HeizungBytes{}};
    std::vector<BedarfBytes> bedarfe{BedarfBytes{}};
    OpakBytes vorgabeBoden = OpakBytes::Neu("DBoden");
    OpakBytes vorgabeDecke = OpakBytes::Neu("DDecke");
    FensterBytes vorgabeFenster;
    OpakBytes vorgabeFlachdach = OpakBytes::Neu("DFlachdach");
    OpakBytes vorgabeSteildach = OpakBytes::Neu("DSteildach");
    OpakBytes vorgabeWand = OpakBytes::Neu("DWand");
    std::vector<EbeneBytes> ebenen;
    std::int64_t ebenenZahl = -1; // a count written in place of the planes' own
    std::vector<XY> linien1, linien2;   // below version 8
    std::vector<DachBytes> daecher;     // from version 8
    std::vector<ZoneBytes> zonenListe{ZoneBytes{}}; // from version 6
    std::vector<XY> umriss;             // below version 6
    std::vector<GaubeBytes> gauben;     // from version 2

    void Schreibe(ByteBuilder& b, Objektkarte& karte) const
    {
        const int v = version;
        b.Int(v).String8(beschreibung).String8(strasse).String8(ort).String8(kommentar);
        b.Int(baujahr).Int(nutzungstyp);
        b.Double(energiebezugsflaeche).Double(etagenflaeche).Double(innentemperatur).Double(luftwechsel);
        b.Double(volumen).Double(elektrizitaet).Double(personenzahl).Double(nutzungszeit);
        b.Int(klimazone).Int(varianten);
        if (v >= 5)
            b.Int(berechnungsverfahren);
        b.Double(stockwerkshoehe).Int(stockwerkszahl).Double(dachhoehe).Double(drempelhoehe);
        if (v >= 2)
            b.Double(dachgeschosshoehe);
        b.Double(kellerhoehe).Double(ausrichtung).Double(haushoehe);
        for (std::int32_t f : flags2D)
            b.Int(f);
        b.Double(flaeche2DEingabe).Int(eingabeImUZS).Int(knotenGrundrissFlag);
        b.Double(knotenGrundriss.x).Double(knotenGrundriss.y);
        b.Int(dachBeheizt).Int(kellerBeheizt).Int(steildach).Int(phase);
        b.Double(realAreaWidth).Double(realAreaHeight).Double(realGridWidth);
        if (v >= 7)
            b.Double(openGLGrid).Double(openGLWidth).Double(openGLHeight);
        else
            b.Int(static_cast<std::int32_t>(openGLGrid))
                .Int(static_cast<std::int32_t>(openGLWidth))
                .Int(static_cast<std::int32_t>(openGLHeight));
        if (v >= 6)
            b.Int(zonen);

        for (const auto* liste : {&flachdaecher, &steildaecher, &decken, &waende, &boeden}) {
            b.Count(static_cast<std::uint32_t>(liste->size()));
            for (const OpakBytes& o : *liste) {
                karte.Kopf(b, o.klasse);
                o.Schreibe(b, karte, v);
            }
        }
        b.Count(static_cast<std::uint32_t>(fenster.size()));
        for (const FensterBytes& f : fenster) {
            karte.Kopf(b, "DFenster");
            f.Schreibe(b, karte, v);
        }
        b.Count(static_cast<std::uint32_t>(heizungen.size()));
        for (const HeizungBytes& h : heizungen) {
            karte.Kopf(b, "DHeizung");
            h.Schreibe(b);
        }
        b.Count(static_cast<std::uint32_t>(bedarfe.size()));
        for (const BedarfBytes& d : bedarfe) {
            karte.Kopf(b, "DBedarf");
            d.Schreibe(b);
        }

        // The six default records without a class tag of their own.
        vorgabeBoden.Schreibe(b, karte, v);
        vorgabeDecke.Schreibe(b, karte, v);
        vorgabeFenster.Schreibe(b, karte, v);
        vorgabeFlachdach.Schreibe(b, karte, v);
        vorgabeSteildach.Schreibe(b, karte, v);
        vorgabeWand.Schreibe(b, karte, v);

        b.Count(static_cast<std::uint32_t>(ebenenZahl >= 0 ? ebenenZahl : ebenen.size()));
        for (const EbeneBytes& e : ebenen) {
            karte.Kopf(b, "Plane");
            e.Schreibe(b, v);
        }
        if (v < 8) {
            SchreibePunktliste(b, linien1);
            SchreibePunktliste(b, linien2);
        } else {
            b.Count(static_cast<std::uint32_t>(daecher.size()));
            for (const DachBytes& d : daecher) {
                karte.Kopf(b, "CDach");
                d.Schreibe(b, v);
            }
        }
        if (v >= 6) {
            b.Count(static_cast<std::uint32_t>(zonenListe.size()));
            for (const ZoneBytes& z : zonenListe) {
                karte.Kopf(b, "Zone");
                z.Schreibe(b);
            }
        } else {
            SchreibePunktliste(b, umriss);
        }
        if (v >= 2) {
            b.Count(static_cast<std::uint32_t>(gauben.size()));
            for (const GaubeBytes& g : gauben) {
                karte.Kopf(b, "Gaube");
                g.Schreibe(b, v);
            }
        }
    }
};

// A whole document: the house, then the options of the house's version.
inline ByteBuilder AltesDokument(const HausBytes& haus, const OptionenBytes& optionen = {})
{
    ByteBuilder b;
    Objektkarte karte;
    haus.Schreibe(b, karte);
    optionen.Schreibe(b, haus.version);
    return b;
}

} // namespace zeva::test
