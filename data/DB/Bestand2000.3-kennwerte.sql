-- Layer count, total thickness (m) and U-value (W/(m²K)) of every construction
-- type, computed from its layers by the program's build-up rule (still air layers
-- with the heat-flow direction 0 for walls and 1 for all other kinds).
-- Written by zeva_dbkennwerte from the scripts before this one: do not edit.

UPDATE [Boden] SET [Schichtzahl] = 2, [Dicke] = 0.17, [kWert] = 3.318 WHERE [Boden-ID] = 1; -- Ziegelpflaster auf Sand
UPDATE [Boden] SET [Schichtzahl] = 3, [Dicke] = 0.184, [kWert] = 1.787 WHERE [Boden-ID] = 2; -- Holzdielen auf Lagerhölzern
UPDATE [Boden] SET [Schichtzahl] = 4, [Dicke] = 0.24300000000000002, [kWert] = 1.41 WHERE [Boden-ID] = 3; -- Kellerdecke, Holzbalken
UPDATE [Boden] SET [Schichtzahl] = 2, [Dicke] = 0.16, [kWert] = 3.944 WHERE [Boden-ID] = 4; -- Betonplatte mit Estrich
UPDATE [Boden] SET [Schichtzahl] = 3, [Dicke] = 0.21000000000000005, [kWert] = 3.737 WHERE [Boden-ID] = 5; -- Kellerdecke, Stahlbeton
UPDATE [Boden] SET [Schichtzahl] = 3, [Dicke] = 0.21, [kWert] = 1.327 WHERE [Boden-ID] = 6; -- Ortbeton, schw. Estrich
UPDATE [Boden] SET [Schichtzahl] = 4, [Dicke] = 0.27499999999999997, [kWert] = 0.4972 WHERE [Boden-ID] = 7; -- Kellerdecke Beton, gedämmt
UPDATE [Boden] SET [Schichtzahl] = 4, [Dicke] = 0.265, [kWert] = 0.5678 WHERE [Boden-ID] = 8; -- Ortbeton, schw. Estrich 6 cm
UPDATE [Boden] SET [Schichtzahl] = 4, [Dicke] = 0.33, [kWert] = 0.3195 WHERE [Boden-ID] = 9; -- Ortbeton, schw. Estrich 10 cm
UPDATE [Boden] SET [Schichtzahl] = 4, [Dicke] = 0.43, [kWert] = 0.1789 WHERE [Boden-ID] = 10; -- Bodenplatte, Perimeterdämmung

UPDATE [Decke] SET [Schichtzahl] = 5, [Dicke] = 0.24799999999999997, [kWert] = 1.344 WHERE [Decke-ID] = 1; -- Holzdecke, begehbar
UPDATE [Decke] SET [Schichtzahl] = 3, [Dicke] = 0.184, [kWert] = 1.888 WHERE [Decke-ID] = 2; -- Holzdecke, nicht begehbar
UPDATE [Decke] SET [Schichtzahl] = 3, [Dicke] = 0.215, [kWert] = 1.847 WHERE [Decke-ID] = 3; -- Stahlsteindecke
UPDATE [Decke] SET [Schichtzahl] = 3, [Dicke] = 0.21000000000000005, [kWert] = 3.737 WHERE [Decke-ID] = 4; -- Stahlbetondecke, ungedämmt
UPDATE [Decke] SET [Schichtzahl] = 4, [Dicke] = 0.25, [kWert] = 0.8647 WHERE [Decke-ID] = 5; -- Stahlbetondecke, 4 cm Dämmung
UPDATE [Decke] SET [Schichtzahl] = 4, [Dicke] = 0.13470000000000001, [kWert] = 0.3481 WHERE [Decke-ID] = 6; -- Holzdecke, begehbar, gedämmt
UPDATE [Decke] SET [Schichtzahl] = 4, [Dicke] = 0.332, [kWert] = 0.2938 WHERE [Decke-ID] = 7; -- Stahlbetondecke, 12 cm Dämmung
UPDATE [Decke] SET [Schichtzahl] = 4, [Dicke] = 0.41200000000000003, [kWert] = 0.1631 WHERE [Decke-ID] = 8; -- Stahlbetondecke, 20 cm Dämmung

UPDATE [Flachdach] SET [Schichtzahl] = 5, [Dicke] = 0.23800000000000002, [kWert] = 2.2 WHERE [Flachdach-ID] = 1; -- Kaltdach Holz, ungedämmt
UPDATE [Flachdach] SET [Schichtzahl] = 4, [Dicke] = 0.23000000000000004, [kWert] = 2.998 WHERE [Flachdach-ID] = 2; -- Warmdach Beton, ungedämmt
UPDATE [Flachdach] SET [Schichtzahl] = 5, [Dicke] = 0.22400000000000003, [kWert] = 0.7568 WHERE [Flachdach-ID] = 3; -- Warmdach mit 4 cm Dämmung
UPDATE [Flachdach] SET [Schichtzahl] = 6, [Dicke] = 0.20670000000000002, [kWert] = 0.4347 WHERE [Flachdach-ID] = 4; -- Kaltdach Holz, 8 cm Dämmung
UPDATE [Flachdach] SET [Schichtzahl] = 5, [Dicke] = 0.30400000000000005, [kWert] = 0.3534 WHERE [Flachdach-ID] = 5; -- Warmdach mit 10 cm Dämmung
UPDATE [Flachdach] SET [Schichtzahl] = 5, [Dicke] = 0.364, [kWert] = 0.204 WHERE [Flachdach-ID] = 6; -- Warmdach mit 16 cm Dämmung
UPDATE [Flachdach] SET [Schichtzahl] = 6, [Dicke] = 0.30670000000000003, [kWert] = 0.1663 WHERE [Flachdach-ID] = 7; -- Kaltdach Holz, 20 cm Dämmung
UPDATE [Flachdach] SET [Schichtzahl] = 5, [Dicke] = 0.4640000000000001, [kWert] = 0.09674 WHERE [Flachdach-ID] = 8; -- Warmdach mit 24 cm Dämmung

UPDATE [Steildach] SET [Schichtzahl] = 5, [Dicke] = 0.25, [kWert] = 1.423 WHERE [Steildach-ID] = 1; -- Sparrensteildach, ungedämmt
UPDATE [Steildach] SET [Schichtzahl] = 5, [Dicke] = 0.23500000000000001, [kWert] = 1.02 WHERE [Steildach-ID] = 2; -- Kehlbalkendach, Holzwolle 5 cm
UPDATE [Steildach] SET [Schichtzahl] = 5, [Dicke] = 0.1825, [kWert] = 0.5576 WHERE [Steildach-ID] = 3; -- Sparrendach, 6 cm Dämmung
UPDATE [Steildach] SET [Schichtzahl] = 6, [Dicke] = 0.2027, [kWert] = 0.3383 WHERE [Steildach-ID] = 4; -- Sparrendach, 10 cm Dämmung
UPDATE [Steildach] SET [Schichtzahl] = 6, [Dicke] = 0.2447, [kWert] = 0.1865 WHERE [Steildach-ID] = 5; -- Sparrendach, 16 cm Dämmung
UPDATE [Steildach] SET [Schichtzahl] = 6, [Dicke] = 0.30269999999999997, [kWert] = 0.1448 WHERE [Steildach-ID] = 6; -- Sparrendach, 24 cm Dämmung

UPDATE [Wand] SET [Schichtzahl] = 3, [Dicke] = 0.18, [kWert] = 1.981 WHERE [Wand-ID] = 1; -- Fachwerk, Lehmausfachung
UPDATE [Wand] SET [Schichtzahl] = 3, [Dicke] = 0.17500000000000002, [kWert] = 2.682 WHERE [Wand-ID] = 2; -- Fachwerk, Ziegelausfachung
UPDATE [Wand] SET [Schichtzahl] = 3, [Dicke] = 0.54, [kWert] = 2.367 WHERE [Wand-ID] = 3; -- Bruchsteinmauerwerk 50 cm
UPDATE [Wand] SET [Schichtzahl] = 3, [Dicke] = 0.41500000000000004, [kWert] = 1.494 WHERE [Wand-ID] = 4; -- Vollziegelmauerwerk 38 cm
UPDATE [Wand] SET [Schichtzahl] = 4, [Dicke] = 0.43, [kWert] = 1.292 WHERE [Wand-ID] = 5; -- Zweischalig, Luftschicht 6 cm
UPDATE [Wand] SET [Schichtzahl] = 3, [Dicke] = 0.335, [kWert] = 1.231 WHERE [Wand-ID] = 6; -- Hohlblockmauerwerk 30 cm
UPDATE [Wand] SET [Schichtzahl] = 3, [Dicke] = 0.335, [kWert] = 1.24 WHERE [Wand-ID] = 7; -- Hochlochziegel 30 cm
UPDATE [Wand] SET [Schichtzahl] = 3, [Dicke] = 0.27, [kWert] = 2.237 WHERE [Wand-ID] = 8; -- Kalksandstein 24 cm
UPDATE [Wand] SET [Schichtzahl] = 4, [Dicke] = 0.34, [kWert] = 1.395 WHERE [Wand-ID] = 9; -- Zweischalig KS, Luft 4 cm
UPDATE [Wand] SET [Schichtzahl] = 3, [Dicke] = 0.4, [kWert] = 0.8454 WHERE [Wand-ID] = 10; -- Leichthochlochziegel 36,5 cm
UPDATE [Wand] SET [Schichtzahl] = 3, [Dicke] = 0.325, [kWert] = 0.6784 WHERE [Wand-ID] = 11; -- Porenbeton 30 cm
UPDATE [Wand] SET [Schichtzahl] = 4, [Dicke] = 0.25, [kWert] = 0.5352 WHERE [Wand-ID] = 12; -- Kalksandstein, WDVS 6 cm
UPDATE [Wand] SET [Schichtzahl] = 5, [Dicke] = 0.4, [kWert] = 0.4241 WHERE [Wand-ID] = 13; -- Zweischalig, Kerndämmung 6 cm
UPDATE [Wand] SET [Schichtzahl] = 4, [Dicke] = 0.31, [kWert] = 0.2634 WHERE [Wand-ID] = 14; -- Kalksandstein, WDVS 12 cm
UPDATE [Wand] SET [Schichtzahl] = 3, [Dicke] = 0.39, [kWert] = 0.3298 WHERE [Wand-ID] = 15; -- Porenbeton-Planstein 36,5 cm
UPDATE [Wand] SET [Schichtzahl] = 4, [Dicke] = 0.35000000000000003, [kWert] = 0.1863 WHERE [Wand-ID] = 16; -- Kalksandstein, WDVS 16 cm
UPDATE [Wand] SET [Schichtzahl] = 6, [Dicke] = 0.3015, [kWert] = 0.1582 WHERE [Wand-ID] = 17; -- Holzrahmenbau, 16 cm Dämmung
UPDATE [Wand] SET [Schichtzahl] = 1, [Dicke] = 0.3, [kWert] = 3.175 WHERE [Wand-ID] = 18; -- Kellerwand, Beton 30 cm
