#!/usr/bin/env python3
"""Writes the postcode table data/klima/plz.rdt: one line "prefix region"
per three-digit postcode prefix (the five-digit postcode divided by 100,
01067 -> 10), region 1 to 12 of the climate file.

Rule: every three-digit prefix of the two-digit postal regions in use in
Germany (01-99 without 00, 05, 43 and 62) is listed, so every postcode in use
finds its prefix; a few of the listed prefixes carry no postcode and are
never asked for. A prefix takes the climate region of the landscape of its
main town: first the two-digit region's default below, then the three-digit
exceptions where a postal region spans several landscapes (coast and
lowland, Rhine graben and uplands, Black Forest, Swabian Alb, Alpine
foreland, Lake Constance, the higher uplands).

Run by hand from the project root:  tools/plz_ableiten.py [Ausgabedatei]
"""
import pathlib
import sys

# Climate regions: 1 Nord-/Ostsee, 2 Norddeutsches Tiefland, 3 Ballungsgebiete
# (Rhein-Ruhr, Köln/Bonn, Berlin), 4 Mittelgebirge ohne Hochlagen, 5 Franken /
# nördl. Baden-Württemberg, 6 Nördl. Oberrheingraben (with Rhein-Main and
# the Palatinate's Rhine plain), 7 Südl. Oberrheingraben, 8 Donaubecken (with
# Munich's gravel plain below 600 m), 9 Alpenvorland (600 - 1000 m),
# 10 Schwarzwald, 11 Mittelgebirge / Hochlagen, 12 Bodensee.

# Two-digit postal region -> region of most of its area.
LEITREGION = {
    1: 2,   # Dresden, Elbe valley, Meißen, Riesa
    2: 4,   # Bautzen, Görlitz, Zittau (Upper Lusatia)
    3: 2,   # Cottbus, Lower Lusatia
    4: 2,   # Leipzig
    6: 2,   # Halle, Dessau
    7: 4,   # Gera, Jena, Saalfeld
    8: 4,   # Zwickau, Plauen, Aue
    9: 4,   # Chemnitz, Freiberg
    10: 3, 11: 3, 12: 3, 13: 3,  # Berlin
    14: 2,  # Potsdam, Brandenburg an der Havel
    15: 2,  # Frankfurt (Oder)
    16: 2,  # Oranienburg, Eberswalde
    17: 2,  # Neubrandenburg, Pasewalk
    18: 1,  # Rostock, Stralsund, Rügen
    19: 2,  # Schwerin, Ludwigslust
    20: 2, 21: 2, 22: 2,  # Hamburg, Lüneburg, Stade
    23: 1,  # Lübeck, Ostholstein, Wismar
    24: 1,  # Kiel, Flensburg, Neumünster
    25: 1,  # west coast of Schleswig-Holstein
    26: 1,  # East Frisia, Wilhelmshaven
    27: 2,  # Verden, Rotenburg, Delmenhorst
    28: 2,  # Bremen
    29: 2,  # Celle, Uelzen, Lüneburg Heath
    30: 2,  # Hannover
    31: 4,  # Hildesheim, Hameln (Weser uplands)
    32: 4,  # Herford, Minden, Detmold
    33: 4,  # Bielefeld, Paderborn
    34: 4,  # Kassel
    35: 4,  # Gießen, Marburg, Wetzlar
    36: 4,  # Fulda, Bad Hersfeld
    37: 4,  # Göttingen, Eichsfeld
    38: 2,  # Braunschweig, Wolfsburg
    39: 2,  # Magdeburg, Stendal
    40: 3, 41: 3, 42: 3, 44: 3, 45: 3, 46: 3, 47: 3,  # Rhein-Ruhr
    48: 2,  # Münster
    49: 2,  # Osnabrück, Emsland
    50: 3, 51: 3, 52: 3, 53: 3,  # Köln, Bonn, Aachen
    54: 4,  # Trier, Eifel, Hunsrück
    55: 6,  # Mainz, Bad Kreuznach
    56: 4,  # Koblenz, Westerwald
    57: 4,  # Siegen
    58: 3,  # Hagen
    59: 3,  # Hamm, Unna
    60: 6, 61: 6, 63: 6, 64: 6, 65: 6,  # Frankfurt, Rhein-Main
    66: 4,  # Saarland, Pirmasens
    67: 6,  # Ludwigshafen, Worms, Speyer
    68: 6,  # Mannheim
    69: 6,  # Heidelberg
    70: 5, 71: 5,  # Stuttgart, Ludwigsburg
    72: 5,  # Tübingen, Reutlingen
    73: 5,  # Esslingen, Göppingen, Aalen
    74: 5,  # Heilbronn, Schwäbisch Hall
    75: 5,  # Pforzheim
    76: 6,  # Karlsruhe, Landau
    77: 7,  # Offenburg, Kehl, Lahr
    78: 10, # Villingen-Schwenningen
    79: 7,  # Freiburg, Lörrach, Waldshut
    80: 8, 81: 8,  # München
    82: 9,  # Starnberg, Weilheim, Garmisch-Partenkirchen
    83: 9,  # Rosenheim, Traunstein, Berchtesgaden
    84: 8,  # Landshut
    85: 8,  # Ingolstadt, Freising
    86: 8,  # Augsburg
    87: 9,  # Kempten, Kaufbeuren, Memmingen
    88: 9,  # Upper Swabia
    89: 8,  # Ulm
    90: 5, 91: 5,  # Nürnberg, Erlangen, Ansbach
    92: 4,  # Amberg, Weiden (Upper Palatinate)
    93: 8,  # Regensburg
    94: 8,  # Passau, Deggendorf
    95: 4,  # Hof, Bayreuth
    96: 5,  # Bamberg, Coburg
    97: 5,  # Würzburg, Schweinfurt
    98: 4,  # Suhl, Meiningen
    99: 4,  # Erfurt, Weimar, Gotha
}

# Three-digit prefix -> region where it differs from its postal region.
AUSNAHMEN = {
    17: 4, 18: 4,          # Osterzgebirge, Sächsische Schweiz
    29: 2,                 # Niesky, Weißwasser
    65: 4,                 # Sangerhausen, Lower Harz
    94: 11, 95: 11,        # Annaberg-Buchholz, Marienberg (Erzgebirge ridge)
    174: 1,                # Greifswald, Wolgast, Usedom
    238: 2,                # Ratzeburg, Mölln
    253: 2, 254: 2,        # Elmshorn, Pinneberg
    260: 2, 261: 2, 262: 2, 266: 2, 268: 2,  # Oldenburg, Westerstede, Papenburg
    274: 1, 275: 1, 276: 1,  # Cuxhaven, Bremerhaven
    312: 2, 313: 2, 314: 2, 315: 2, 316: 2,  # Peine, Lehrte, Wunstorf, Nienburg
    386: 4,                # Goslar, Bad Harzburg
    387: 11,               # Braunlage, Upper Harz
    388: 4, 389: 4,        # Wernigerode, Blankenburg
    463: 2, 464: 2,        # Bocholt, Borken
    475: 2,                # Kleve, Goch
    515: 4, 516: 4, 517: 4, 518: 4, 519: 4,  # Oberbergisches Land
    521: 4,                # Monschau, Simmerath (Eifel)
    535: 4, 539: 4,        # Adenau, Bad Münstereifel (Eifel)
    556: 4, 557: 4, 558: 4, 559: 4,  # Kirn, Idar-Oberstein (Hunsrück)
    585: 4, 586: 4, 587: 4, 588: 4, 589: 4,  # Lüdenscheid, Iserlohn (Sauerland)
    595: 2, 596: 2,        # Lippstadt, Soest plain
    597: 4, 598: 4,        # Arnsberg, Meschede
    599: 11,               # Winterberg, Brilon (Hochsauerland)
    612: 4,                # Usingen (Taunus)
    635: 4, 636: 4,        # Büdingen, Gelnhausen
    639: 5,                # Miltenberg (Lower Franconia)
    647: 4,                # Michelstadt, Erbach (Odenwald)
    653: 4,                # Bad Schwalbach (Taunus)
    655: 4, 656: 4,        # Limburg, Hadamar
    676: 4, 677: 4, 678: 4, 679: 4,  # Kaiserslautern, Pfälzerwald, Donnersberg
    722: 10,               # Nagold, Freudenstadt (northern Black Forest)
    724: 11, 725: 11,      # Albstadt, Münsingen (Swabian Alb)
    733: 11,               # Geislingen (Swabian Alb)
    753: 10,               # Calw, Bad Wildbad
    763: 10,               # Bad Herrenalb
    777: 10,               # Oberkirch, Wolfach (Black Forest valleys)
    782: 12, 783: 12, 784: 12,  # Singen, Radolfzell, Konstanz
    785: 11,               # Tuttlingen, Spaichingen
    798: 10,               # Titisee-Neustadt, St. Blasien
    820: 8, 821: 8, 822: 8,  # Gräfelfing, Fürstenfeldbruck, Germering
    868: 9, 869: 9,        # Landsberg, Schongau
    880: 12, 881: 12, 882: 12, 886: 12, 887: 12,  # Friedrichshafen, Lindau, Ravensburg, Überlingen, Meersburg
    923: 5,                # Neumarkt in der Oberpfalz
    934: 4,                # Cham, Bad Kötzting
    942: 11,               # Regen, Zwiesel (Bavarian Forest)
    963: 4, 965: 4,        # Kronach, Sonneberg
    987: 11,               # Neuhaus am Rennweg (Thuringian Forest)
}


def main():
    wurzel = pathlib.Path(__file__).resolve().parent.parent
    ziel = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else wurzel / "data" / "klima" / "plz.rdt"
    for praefix, region in AUSNAHMEN.items():
        assert praefix // 10 in LEITREGION, praefix
        assert 1 <= region <= 12, praefix
    zeilen = []
    for leit in sorted(LEITREGION):
        for praefix in range(leit * 10, leit * 10 + 10):
            zeilen.append(f"{praefix} {AUSNAHMEN.get(praefix, LEITREGION[leit])}")
    ziel.write_text("\n".join(zeilen) + "\n", encoding="ascii")
    print(f"{len(zeilen)} Zeilen nach {ziel}")


if __name__ == "__main__":
    main()
