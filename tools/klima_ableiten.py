#!/usr/bin/env python3
"""Derives the climate file data/klima/klima.rdt from the public IWU TABULA
climate tables (Quelle: IWU TABULA, CC BY 4.0; Tab.AuxCalc.Climate and
Tab.Climate of tabula-values.xlsx).

Run by hand from the project root:

    tools/klima_ableiten.py [TABULA-Ordner] [Ausgabedatei]

The TABULA folder defaults to ../shared/data/tabula beside the project root,
the output to data/klima/klima.rdt. The script prints the annual heating days
and degree days of every zone next to the figures of Tab.Climate and stops
when they differ by more than 3 per cent.

Per zone the file holds eight lines of twelve monthly values:
  1-5  irradiation on a horizontal, south, west, east and north surface,
       monthly sum in kWh/m² (TABULA's daily mean times the days of the month)
  6    monthly mean outdoor temperature in °C
  7    heating days of the month (daily mean at or below 12 °C)
  8    degree days of the month in K·d, sum of (20 °C - daily mean) over the
       heating days (G20/12)
Daily means are interpolated linearly between the monthly means placed at
the middle of each month (365-day year).
"""
import csv
import pathlib
import sys

MONATSTAGE = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
HEIZGRENZE = 12.0
INNENTEMPERATUR = 20.0

# Zone -> (TABULA region in Tab.AuxCalc.Climate, the same region in Tab.Climate)
ZONEN = [
    (1, "Nord-/Ostsee", "DE.KR01-Bremerhaven", "DE.KR01-Bremerhaven"),
    (2, "Norddeutsches Tiefland", "DE.KR03-Hamburg", "DE.KR03-Hamburg"),
    (3, "Ballungsgebiete", "DE.KR05-Essen", "DE.KR05-Essen"),
    (4, "Mittelgebirge ohne Hochlagen", "DE.KR07-Kassel", "DE.KR07-Kassel"),
    (5, "Franken / nördl. Baden-Württemberg", "DE.N", "DE.N-DIN4108-6"),
    (6, "Nördl. Oberrheingraben", "DE.KR12-Mannheim", "DE.KR12-Mannheim"),
    (7, "Südl. Oberrheingraben", "DE.KR12-Mannheim", "DE.KR12-Mannheim"),
    (8, "Donaubecken", "DE.KR13-Passau", "DE.KR13-Passau"),
    (9, "Alpenvorland (600 - 1000 m)", "DE.KR15-Garmisch", "DE.KR15-Garmisch"),
    (10, "Schwarzwald", "DE.KR14-Stötten", "DE.KR14-Stötten"),
    (11, "Mittelgebirge / Hochlagen", "DE.KR08-Braunlage", "DE.KR08-Braunlage"),
    (12, "Bodensee", "DE.KR13-Passau", "DE.KR13-Passau"),
    (13, "Klimadaten nach DIN 4108-6", "DE.N", "DE.N-DIN4108-6"),
]

# Order of the irradiation lines in the file and TABULA's column names.
STRAHLUNG = ["Hor", "South", "West", "East", "North"]


def lies_tabelle(pfad):
    with open(pfad, encoding="utf-8", newline="") as f:
        zeilen = list(csv.reader(f))
    kopf = zeilen[0]
    return {z[0]: dict(zip(kopf, z)) for z in zeilen[1:] if z}


def tagesmittel(temperaturen):
    """Daily mean temperatures of a 365-day year, linear between mid-months."""
    anfang = [sum(MONATSTAGE[:m]) for m in range(12)]
    mitte = [anfang[m] + MONATSTAGE[m] / 2 for m in range(12)]
    # Mid-months of the neighbouring years close the ring.
    stuetz_t = [mitte[11] - 365] + mitte + [mitte[0] + 365]
    stuetz_w = [temperaturen[11]] + temperaturen + [temperaturen[0]]
    tage = []
    for m in range(12):
        for k in range(MONATSTAGE[m]):
            t = anfang[m] + k + 0.5
            i = max(j for j in range(len(stuetz_t) - 1) if stuetz_t[j] <= t)
            a = (t - stuetz_t[i]) / (stuetz_t[i + 1] - stuetz_t[i])
            tage.append((m, stuetz_w[i] + a * (stuetz_w[i + 1] - stuetz_w[i])))
    return tage


def heiztage_gradtage(temperaturen):
    heiztage = [0] * 12
    gradtage = [0.0] * 12
    for monat, theta in tagesmittel(temperaturen):
        if theta <= HEIZGRENZE:
            heiztage[monat] += 1
            gradtage[monat] += INNENTEMPERATUR - theta
    return heiztage, [round(g) for g in gradtage]


def zahl(x, stellen):
    text = f"{x:.{stellen}f}"
    return "0.0" if text in ("-0.0", "-0.00") else text


def main():
    wurzel = pathlib.Path(__file__).resolve().parent.parent
    quelle = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else wurzel.parent / "shared" / "data" / "tabula"
    ziel = pathlib.Path(sys.argv[2]) if len(sys.argv) > 2 else wurzel / "data" / "klima" / "klima.rdt"

    monatlich = lies_tabelle(quelle / "Tab.AuxCalc.Climate.csv")
    saison = lies_tabelle(quelle / "Tab.Climate.csv")

    zeilen = []
    fehler = False
    for zone, name, code, code_saison in ZONEN:
        d = monatlich[code]
        temperaturen = [float(d[f"theta_e_{m:02d}"]) for m in range(1, 13)]
        for richtung in STRAHLUNG:
            werte = [float(d[f"I_Sol_{richtung}_{m:02d}"]) * MONATSTAGE[m - 1] for m in range(1, 13)]
            zeilen.append(" ".join(zahl(w, 1) for w in werte))
        zeilen.append(" ".join(zahl(t, 1) for t in temperaturen))
        heiztage, gradtage = heiztage_gradtage(temperaturen)
        zeilen.append(" ".join(str(h) for h in heiztage))
        zeilen.append(" ".join(str(g) for g in gradtage))

        s = saison[code_saison]
        ref_tage = float(s["HeatingDays"])
        ref_gradtage = ref_tage * (INNENTEMPERATUR - float(s["Theta_e"]))
        abw_tage = sum(heiztage) / ref_tage - 1
        abw_grad = sum(gradtage) / ref_gradtage - 1
        print(f"{zone:2d} {name:36s} {code:20s} Heiztage {sum(heiztage):3d} ({ref_tage:.0f}, {abw_tage:+.1%})"
              f"  Gradtage {sum(gradtage):5d} ({ref_gradtage:.0f}, {abw_grad:+.1%})")
        if abs(abw_tage) > 0.03 or abs(abw_grad) > 0.03:
            fehler = True

    if fehler:
        sys.exit("Abweichung von Tab.Climate über 3 %: nichts geschrieben")
    ziel.parent.mkdir(parents=True, exist_ok=True)
    ziel.write_text("\n".join(zeilen) + "\n", encoding="ascii")
    print(f"{len(zeilen)} Zeilen nach {ziel}")


if __name__ == "__main__":
    main()
