#pragma once
// One old project, stored in the form of each document version 1 to 10: a
// two-storey house with a wall (two layers, a measure per state), a window,
// one renovation variant, a plane, a dormer (from version 2), its roof kept
// as ridge and hip lines (below version 8) or as a saddle roof (from 8), and
// its outline (below version 6) or two zones (from 6). Every value differs
// from a new house's, so that a field read from the wrong place shows.
#include "model/AltesDokumentBytes.h"

namespace zeva::test {

inline EbeneBytes BeispielEbene(std::int32_t id, double versatz)
{
    EbeneBytes e;
    const double ecken[4][3] = {{versatz, 3, 0}, {versatz + 4, 3, 0}, {versatz + 4, 0, 0}, {versatz, 0, 0}};
    for (int i = 0; i < 4; ++i)
        for (int k = 0; k < 3; ++k)
            e.ecken[i][k] = ecken[i][k];
    e.id = id;
    e.traeger1 = 4000102;
    e.traeger2 = 3000100;
    e.gauben = 10000000;
    e.fassaden = 4000100;
    e.bearbeitet = 1;
    e.fenster = 1;
    return e;
}

inline HausBytes BeispielHaus(int version)
{
    HausBytes h;
    h.version = version;
    // Code page 1252: ä, ß, ü and the euro sign.
    h.beschreibung = "Doppelhaush\xE4lfte";
    h.strasse = "Gartenstra\xDF" "e 3";
    h.ort = "M\xFCnster";
    h.kommentar = "Angebot 12.000 \x80";
    h.baujahr = 1962;
    h.nutzungstyp = 1;
    h.energiebezugsflaeche = 142.5;
    h.etagenflaeche = 160.25;
    h.innentemperatur = 20;
    h.luftwechsel = 0.7;
    h.volumen = 356.5;
    h.elektrizitaet = 75;
    h.personenzahl = 4;
    h.nutzungszeit = 14;
    h.klimazone = 5;
    h.varianten = 1;
    h.berechnungsverfahren = 2;
    h.stockwerkshoehe = 2.75;
    h.stockwerkszahl = 2;
    h.dachhoehe = 4.5;
    h.drempelhoehe = 0.8;
    h.dachgeschosshoehe = 2.6;
    h.kellerhoehe = 2.2;
    h.ausrichtung = 75;
    h.haushoehe = 11;
    const std::int32_t flags[8] = {1, 1, 0, 0, 1, 0, 150, 12};
    for (int i = 0; i < 8; ++i)
        h.flags2D[i] = flags[i];
    h.flaeche2DEingabe = 900;
    h.eingabeImUZS = 1;
    h.knotenGrundrissFlag = 1;
    h.knotenGrundriss = {3.5, 4.25};
    h.dachBeheizt = 0;
    h.kellerBeheizt = 1;
    h.steildach = 1;
    h.phase = 14;
    h.realAreaWidth = 30;
    h.realAreaHeight = 25;
    h.realGridWidth = 0.25;
    // Before version 7 the three were whole numbers.
    h.openGLGrid = version >= 7 ? 0.25 : 1;
    h.openGLWidth = 20;
    h.openGLHeight = 25;
    h.zonen = 2;

    OpakBytes wand = OpakBytes::Neu("DWand");
    wand.nummer = 1;
    wand.name = "Au\xDF" "enwand S\xFC" "d";
    wand.langtext = "Vollziegel verputzt";
    wand.dicke = 0.38;
    wand.flaeche = 42.5;
    wand.kwert = 1.4;
    wand.zone = 2;
    wand.sanMussAussen = 1;
    wand.sowiesoAussen = 1800;
    wand.kommentar = "Nordseite feucht";
    wand.ebene = BeispielEbene(4000101, 0);
    wand.schichten = {{"Kalkputz", "", "", 0.015, 0.87, 10}, {"Vollziegel", "1800 kg/m\xB3", "ziegel.bmp", 0.365, 0.81, 8}};
    OpakeMassnahmeBytes keine;
    OpakeMassnahmeBytes wdvs;
    wdvs.name = "WDVS 12 cm";
    wdvs.langtext = "Polystyrol";
    wdvs.schichten = "EPS 035";
    wdvs.dicke = 0.12;
    wdvs.kwert = 0.25;
    wdvs.lebensdauer = 40;
    wdvs.verwendung = 1;
    wdvs.preis = 4675;
    wdvs.preisfix = 500;
    wdvs.preisProQm = 110;
    wdvs.bitmap = "wdvs.bmp";
    wand.massnahmen = {keine, wdvs};
    h.waende = {wand};

    OpakBytes boden = OpakBytes::Neu("DBoden");
    boden.name = "Kellerdecke";
    boden.flaeche = 80;
    boden.kwert = 1.1;
    boden.zone = 3;
    boden.massnahmen = {keine, keine};
    h.boeden = {boden};

    FensterBytes fenster;
    fenster.nummer = 1;
    fenster.nameGlas = "Isolierglas";
    fenster.nameRahmen = "Holz";
    fenster.flaeche = 6.5;
    fenster.kwertGlas = 2.8;
    fenster.gwert = 0.75;
    fenster.richtung = 4;
    fenster.neigung = 0;
    fenster.rahmenanteil = 0.25;
    fenster.kwertRahmen = 1.9;
    fenster.sanMuss = 1;
    fenster.reduktionsfaktor = 0.6;
    fenster.sowieso = 300;
    fenster.ebene = BeispielEbene(54000101, 1);
    FensterMassnahmeBytes wsv;
    wsv.name = "W\xE4rmeschutzglas";
    wsv.kwertGlas = 1.1;
    wsv.gwert = 0.6;
    wsv.rahmenanteil = 0.3;
    wsv.kwertRahmen = 1.4;
    wsv.lebensdauer = 30;
    wsv.preis = 2600;
    fenster.massnahmen = {FensterMassnahmeBytes{}, wsv};
    h.fenster = {fenster};

    HeizungBytes alt;
    alt.name = "Gaskessel 1985";
    alt.langtext = "Niedertemperatur";
    alt.brennstoff = 0;
    alt.nennleistung = 24;
    alt.jahresnutzungsgrad = 0.82;
    alt.strahlungsverlust = 0.02;
    alt.abgasverlust = 0.09;
    alt.bereitschaftsverlust = 0.015;
    alt.verteilung = "Radiatoren";
    alt.verteilungsnutzungsgrad = 0.92;
    HeizungBytes neu = alt;
    neu.name = "Brennwertkessel";
    neu.sanMuss = 1;
    neu.preis = 7500;
    neu.lebensdauer = 20;
    h.heizungen = {alt, neu};

    BedarfBytes bestand;
    for (int i = 0; i < 16; ++i)
        bestand.summen[i] = 10 + i;
    bestand.reihen[3] = {12.5};   // per wall
    bestand.reihen[4] = {4.25};   // per floor
    bestand.reihen[5] = {3.25};   // per window: loss
    bestand.reihen[6] = {1.5};
    bestand.reihen[7] = {1.25};
    BedarfBytes variante = bestand;
    variante.gesamtkosten = 14775;
    variante.gesamtkostenProJahr = 491.875;
    h.bedarfe = {bestand, variante};

    h.vorgabeBoden.name = "Vorgabeboden";
    h.vorgabeDecke.name = "Vorgabedecke";
    h.vorgabeFenster.nameGlas = "Vorgabeglas";
    h.vorgabeFlachdach.name = "Vorgabeflachdach";
    h.vorgabeFlachdach.warmdach = 0;
    h.vorgabeSteildach.name = "Vorgabesteildach";
    h.vorgabeWand.name = "Vorgabewand";
    h.vorgabeWand.schichten = {{"Porenbeton", "", "", 0.3, 0.16, 5}};

    h.ebenen = {BeispielEbene(190000001, 5)};

    // A hip roof 12 × 8 with its ridge from (3, 4) to (9, 4).
    h.linien1 = {{3, 4}, {9, 4}};
    h.linien2 = {{0, 0}, {3, 4}, {0, 8}, {3, 4}, {12, 0}, {9, 4}, {12, 8}, {9, 4}};
    DachBytes sattel;
    sattel.typ = 2;
    sattel.groesse = {10, 6};
    sattel.punkte = {{0, 0}, {0, 6}, {10, 6}, {10, 0}, {0, 3}, {10, 3}};
    sattel.hoehe = 4.5;
    sattel.geschossHoehe = 2.6;
    sattel.mansardHoehe = 3;
    sattel.beheizt = 1;
    h.daecher = {sattel};

    ZoneBytes haupt;
    haupt.dachhoehe = 4.5;
    haupt.dachgeschosshoehe = 2.6;
    haupt.drempelhoehe = 0.8;
    haupt.stockwerkshoehe = 2.75;
    haupt.stockwerkszahl = 2;
    haupt.kellerhoehe = 2.2;
    haupt.geschlossen = 1;
    haupt.umriss = {{0, 0}, {12, 0}, {12, 8}, {0, 8}};
    ZoneBytes anbau;
    anbau.stockwerkszahl = 3;
    anbau.hoeheUeberGrund = 0.5;
    anbau.klimaZone = 4;
    anbau.geschlossen = 1;
    anbau.umriss = {{12, 0}, {16, 0}, {16, 5}, {12, 5}};
    h.zonenListe = {haupt, anbau};
    h.umriss = {{0, 0}, {12, 0}, {12, 8}, {0, 8}};

    GaubeBytes gaube;
    gaube.id = 10000000;
    gaube.traeger1 = 9000101;
    gaube.traeger2 = 5000100;
    gaube.fassaden = 4000103;
    for (int i = 0; i < 6; ++i)
        gaube.ebenen[i] = BeispielEbene(10000000 + (i + 1) * 1000000, i);
    h.gauben = {gaube};
    return h;
}

inline OptionenBytes BeispielOptionen()
{
    OptionenBytes o;
    const double preise[8] = {0.061, 0.072, 0.053, 0.21, 0.084, 0.095, 0.036, 0.047};
    for (int i = 0; i < 8; ++i)
        o.preise[i] = preise[i];
    o.zentralheizung = 45;
    o.heizkesselTauschen = 1700;
    o.alteHeizung = 2900;
    o.index = 2;
    o.grenze = 60;
    o.anzahlVarianten = 3;
    o.brennstoffBeibehalten = 0;
    o.brennstoff = 1;
    o.verteilungBeibehalten = 0;
    o.verteilungsArt = "Fu\xDF" "bodenheizung";
    o.verteilungsnutzungsgrad = 0.97;
    o.einschaltdauerBeibehalten = 0;
    o.einschaltdauer = 5000;
    o.algorithmus = 1;
    o.versuche = 9;
    return o;
}

} // namespace zeva::test
