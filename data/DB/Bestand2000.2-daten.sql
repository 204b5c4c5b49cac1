-- Rows of the existing-components data base (DB/Bestand2000.db).
-- Typical values for the German building stock, authored for this program from
-- public sources (see README.md beside this file): design values of thermal
-- conductivity and vapour diffusion resistance after DIN 4108-4 and
-- DIN EN ISO 10456, construction periods after the IWU TABULA building typology,
-- window and heat-generator figures from the IWU TABULA data (CC BY 4.0).
-- Every row carries [Kategorie] > 0: only the user's own rows (0) can be deleted.
-- Thickness, U-value and layer count of the construction types are computed from
-- their layers by Bestand2000.3-kennwerte.sql.

INSERT INTO [Versionsnummer] ([ID], [Version-Nr], [Datum]) VALUES (1, 1, '2026-01-01');

-- Material categories; 0 holds the materials the user stores.
INSERT INTO [Kategorie] ([Kennummer], [Bezeichnung]) VALUES
  (0, 'Benutzerdefiniert'),
  (1, 'Putze und Mörtel'),
  (2, 'Mauerwerk und Lehm'),
  (3, 'Naturstein'),
  (4, 'Beton und Estrich'),
  (5, 'Holz und Holzwerkstoffe'),
  (6, 'Platten'),
  (7, 'Dämmstoffe'),
  (8, 'Abdichtungen und Folien'),
  (9, 'Bodenbeläge'),
  (10, 'Luftschichten'),
  (11, 'Dachdeckungen'),
  (12, 'Schüttungen');

-- Layer materials: λ in W/(mK) as design value; µ is the lower value where the
-- standard gives a range (the range is named in [Langtext]); "praktisch
-- dampfdicht" is entered as 100000.
INSERT INTO [Schicht] ([Kategorie], [Name], [Langtext], [Lambda], [Mu]) VALUES
  (1, 'Kalkputz', 'Putzmörtel aus Kalk, ρ 1800 kg/m³; λ und µ 15/35 nach DIN 4108-4', 1.0, 15),
  (1, 'Kalkzementputz', 'Putzmörtel aus Kalkzement, ρ 1800 kg/m³; λ und µ 15/35 nach DIN 4108-4', 1.0, 15),
  (1, 'Zementputz', 'Zementmörtel, ρ 2000 kg/m³; λ und µ 15/35 nach DIN 4108-4', 1.6, 15),
  (1, 'Kalkgipsputz', 'Putzmörtel aus Kalkgips, Gips oder Anhydrit, ρ 1400 kg/m³; nach DIN 4108-4', 0.70, 10),
  (1, 'Gipsputz', 'Gipsputz ohne Zuschlag, ρ 1200 kg/m³; nach DIN 4108-4', 0.51, 10),
  (1, 'Leichtputz', 'Leichtputz, ρ bis 1000 kg/m³; λ und µ 15/20 nach DIN 4108-4', 0.38, 15),
  (1, 'Wärmedämmputz WLG 070', 'Wärmedämmputz, Wärmeleitfähigkeitsgruppe 070; µ 5/20 nach DIN 4108-4', 0.070, 5),
  (1, 'Kunstharzputz', 'Kunstharzputz, ρ 1100 kg/m³; λ und µ 50/200 nach DIN 4108-4', 0.70, 50),
  (1, 'Lehmputz', 'Lehmbaustoff, ρ 1800 kg/m³; λ und µ 5/10 nach DIN 4108-4', 0.91, 5),
  (2, 'Lehm, ρ 1600', 'Lehmbaustoff (Stampflehm, Lehmsteine), ρ 1600 kg/m³; nach DIN 4108-4', 0.73, 5),
  (2, 'Strohlehm, ρ 1200', 'Lehmbaustoff mit Strohzuschlag, ρ 1200 kg/m³; nach DIN 4108-4', 0.47, 5),
  (2, 'Vollziegel, ρ 1800', 'Mauerwerk aus Voll- oder Hochlochziegeln mit Normalmörtel, ρ 1800 kg/m³; µ 5/10 nach DIN 4108-4', 0.81, 5),
  (2, 'Vollklinker, ρ 2000', 'Mauerwerk aus Vollklinker, ρ 2000 kg/m³; µ 50/100 nach DIN 4108-4', 0.96, 50),
  (2, 'Hochlochziegel, ρ 1200', 'Mauerwerk aus Hochlochziegeln mit Normalmörtel, ρ 1200 kg/m³; µ 5/10 nach DIN 4108-4', 0.50, 5),
  (2, 'Leichthochlochziegel, ρ 800', 'Leichthochlochziegel mit Lochung A/B und Normalmörtel, ρ 800 kg/m³; nach DIN 4108-4', 0.39, 5),
  (2, 'Kalksandstein, ρ 1800', 'Mauerwerk aus Kalksandsteinen, ρ 1800 kg/m³; µ 15/25 nach DIN 4108-4', 0.99, 15),
  (2, 'Kalksand-Lochstein, ρ 1400', 'Mauerwerk aus Kalksand-Lochsteinen, ρ 1400 kg/m³; µ 5/10 nach DIN 4108-4', 0.70, 5),
  (2, 'Porenbeton-Blockstein, ρ 600', 'Porenbeton-Blocksteine mit Normalmörtel, ρ 600 kg/m³; µ 5/10 nach DIN 4108-4', 0.24, 5),
  (2, 'Porenbeton-Planstein, ρ 400', 'Porenbeton-Plansteine mit Dünnbettmörtel, ρ 400 kg/m³; µ 5/10 nach DIN 4108-4', 0.13, 5),
  (2, 'Hohlblockstein Leichtbeton', 'Hohlblocksteine (2K) aus Leichtbeton mit Normalmörtel, ρ 1000 kg/m³; µ 5/10 nach DIN 4108-4', 0.49, 5),
  (3, 'Sandstein', 'Naturstein, Sandstein (Quarzit); λ und µ 40/50 nach DIN EN ISO 10456', 2.3, 40),
  (3, 'Kalkstein', 'Naturstein, Kalkstein mittelhart, ρ 2000 kg/m³; λ und µ 25/40 nach DIN EN ISO 10456', 1.4, 25),
  (3, 'Granit', 'Naturstein, Granit, ρ 2600 kg/m³; nach DIN EN ISO 10456', 2.8, 10000),
  (4, 'Stahlbeton', 'Beton mit 2 % Bewehrung, ρ 2400 kg/m³; µ 80/130 nach DIN EN ISO 10456', 2.5, 80),
  (4, 'Beton, unbewehrt', 'Normalbeton hoher Rohdichte, ρ 2400 kg/m³; µ 80/130 nach DIN EN ISO 10456', 2.0, 80),
  (4, 'Zementestrich', 'Zementestrich, ρ 2000 kg/m³; µ 15/35 nach DIN 4108-4', 1.4, 15),
  (4, 'Anhydritestrich', 'Calciumsulfat-Estrich, ρ 2100 kg/m³; µ 15/35 nach DIN 4108-4', 1.2, 15),
  (4, 'Gussasphaltestrich', 'Gussasphaltestrich, ρ 2300 kg/m³, nach DIN 4108-4; praktisch dampfdicht (µ nach DIN EN ISO 10456, Asphalt)', 0.90, 50000),
  (5, 'Nadelholz', 'Konstruktionsholz Fichte, Kiefer, Tanne, ρ 500 kg/m³; µ 20/50 nach DIN EN ISO 10456', 0.13, 20),
  (5, 'Laubholz', 'Konstruktionsholz Buche, Eiche, ρ 700 kg/m³; µ 50/200 nach DIN EN ISO 10456', 0.18, 50),
  (5, 'Holzdielen', 'Dielenboden aus Nadelholz, ρ 500 kg/m³; µ 20/50 nach DIN EN ISO 10456', 0.13, 20),
  (5, 'Parkett', 'Parkett aus Laubholz (Eiche), ρ 700 kg/m³; µ 50/200 nach DIN EN ISO 10456', 0.18, 50),
  (5, 'Sperrholz', 'Sperrholz, ρ 500 kg/m³; µ 70/200 nach DIN EN ISO 10456', 0.13, 70),
  (5, 'Spanplatte', 'Spanplatte, ρ 600 kg/m³; µ 15/50 nach DIN EN ISO 10456', 0.14, 15),
  (5, 'OSB-Platte', 'OSB-Platte, ρ 650 kg/m³; µ 30/50 nach DIN EN ISO 10456', 0.13, 30),
  (5, 'Holzwolle-Leichtbauplatte', 'Holzwolle-Leichtbauplatte, Dicke ab 25 mm; µ 2/5 nach DIN 4108-4', 0.090, 2),
  (6, 'Gipskartonplatte', 'Gipsplatte, ρ 900 kg/m³; µ 4/10 nach DIN 4108-4', 0.25, 4),
  (7, 'Mineralwolle WLG 045', 'Mineralwolle der früheren Wärmeleitfähigkeitsgruppe 045 (Bestand bis etwa 1990); nach DIN 4108-4', 0.045, 1),
  (7, 'Mineralwolle WLS 040', 'Mineralwolle, Bemessungswert 0,040 W/(mK); nach DIN 4108-4', 0.040, 1),
  (7, 'Mineralwolle WLS 035', 'Mineralwolle, Bemessungswert 0,035 W/(mK); nach DIN 4108-4', 0.035, 1),
  (7, 'Mineralwolle WLS 032', 'Mineralwolle, Bemessungswert 0,032 W/(mK); nach DIN 4108-4', 0.032, 1),
  (7, 'EPS WLS 040', 'Expandiertes Polystyrol, Bemessungswert 0,040 W/(mK); µ 20/100 nach DIN 4108-4', 0.040, 20),
  (7, 'EPS WLS 035', 'Expandiertes Polystyrol, Bemessungswert 0,035 W/(mK); µ 20/100 nach DIN 4108-4', 0.035, 20),
  (7, 'EPS WLS 032', 'Expandiertes Polystyrol (grau), Bemessungswert 0,032 W/(mK); µ 20/100 nach DIN 4108-4', 0.032, 20),
  (7, 'XPS WLS 035', 'Extrudiertes Polystyrol, Bemessungswert 0,035 W/(mK); µ 80/250 nach DIN 4108-4', 0.035, 80),
  (7, 'PUR WLS 028', 'Polyurethan-Hartschaum, Bemessungswert 0,028 W/(mK); µ 40/200 nach DIN 4108-4', 0.028, 40),
  (7, 'PUR WLS 024', 'Polyurethan-Hartschaum, Bemessungswert 0,024 W/(mK); µ 40/200 nach DIN 4108-4', 0.024, 40),
  (7, 'Holzfaserdämmplatte WLS 045', 'Holzfaserdämmplatte, Bemessungswert 0,045 W/(mK); µ 5 nach DIN 4108-4', 0.045, 5),
  (7, 'Zellulosefaser WLS 040', 'Zellulosefaser, eingeblasen, Bemessungswert 0,040 W/(mK); µ 1/2', 0.040, 1),
  (7, 'Einblas-Mineralwolle WLS 035', 'Mineralwolle-Granulat zum Einblasen, Bemessungswert 0,035 W/(mK)', 0.035, 1),
  (7, 'EPS-Granulat WLS 040', 'Polystyrol-Granulat zum Einblasen (Kerndämmung), Bemessungswert 0,040 W/(mK); µ 2', 0.040, 2),
  (7, 'Schaumglas WLS 045', 'Schaumglas, Bemessungswert 0,045 W/(mK); praktisch dampfdicht', 0.045, 100000),
  (7, 'Korkdämmplatte WLS 045', 'Backkork-Dämmplatte, Bemessungswert 0,045 W/(mK); µ 5/10 nach DIN 4108-4', 0.045, 5),
  (7, 'Mineraldämmplatte WLS 045', 'Mineraldämmplatte (Calciumsilikathydrat) für Innendämmung, Bemessungswert 0,045 W/(mK); µ 3 (typischer Wert)', 0.045, 3),
  (7, 'Calciumsilikatplatte', 'Kapillaraktive Calciumsilikatplatte für Innendämmung; λ 0,065 W/(mK), µ 6 (typische Werte)', 0.065, 6),
  (8, 'Bitumendachbahn', 'Bitumen-Dach- und Dichtungsbahn, ρ 1100 kg/m³; µ 10000/80000 nach DIN 4108-4', 0.17, 10000),
  (8, 'PE-Folie', 'Polyethylen-Folie (Dampfbremse), ρ 920 kg/m³; nach DIN EN ISO 10456', 0.33, 100000),
  (9, 'Linoleum', 'Linoleum, ρ 1200 kg/m³; µ 800/1000 nach DIN EN ISO 10456', 0.17, 800),
  (9, 'Keramikfliesen', 'Keramik- und Steinzeugfliesen, ρ 2300 kg/m³; nach DIN EN ISO 10456, praktisch dampfdicht', 1.3, 100000),
  (9, 'Teppichboden', 'Textiler Bodenbelag; nach DIN EN ISO 10456', 0.06, 5),
  (10, 'Luftschicht', 'Ruhende Luftschicht: der Wärmedurchlasswiderstand folgt aus Dicke und Richtung des Wärmestroms', 0, 1),
  (10, 'Hinterlüftung', 'Belüftete Luftschicht: die Schichten außerhalb zählen nicht zum Wärmeschutz', 0, 1),
  (11, 'Dachziegel', 'Dachziegel aus Ton, ρ 2000 kg/m³; µ 30/40 nach DIN EN ISO 10456', 1.0, 30),
  (11, 'Betondachstein', 'Dachsteine aus Beton, ρ 2100 kg/m³; µ 60/100 nach DIN EN ISO 10456', 1.5, 60),
  (11, 'Schiefer', 'Schiefer, ρ 2400 kg/m³; µ 800/1000 nach DIN EN ISO 10456', 2.2, 800),
  (12, 'Kies, Sand', 'Sand und Kies als Schüttung, ρ 1700–2200 kg/m³; nach DIN EN ISO 10456', 2.0, 50);

-- Construction types by kind and construction period. Their layers are listed
-- below from the inside (position 1) outwards and take λ and µ from the
-- material table, so a type and its materials cannot disagree.
CREATE TEMP TABLE [Aufbau] ([Art] TEXT, [Typ] INTEGER, [Position] INTEGER, [Material] TEXT, [Dicke] REAL);

INSERT INTO [Boden] ([Boden-ID], [Kategorie], [Name], [Langtext], [BaujahrAb], [BaujahrBis]) VALUES
  (1, 1, 'Ziegelpflaster auf Sand', 'Fußboden gegen Erdreich: Ziegelpflaster im Sandbett. Typischer Aufbau.', 1000, 1918),
  (2, 1, 'Holzdielen auf Lagerhölzern', 'Dielenboden auf Lagerhölzern über einer Betonplatte; Luftraum zwischen den Lagerhölzern. Typischer Aufbau.', 1000, 1948),
  (3, 1, 'Kellerdecke, Holzbalken', 'Holzbalkendecke über unbeheiztem Keller: Dielen, Balkenlage, Schalung, Putz. Typischer Aufbau.', 1000, 1948),
  (4, 1, 'Betonplatte mit Estrich', 'Betonplatte gegen Erdreich mit Verbundestrich, ohne Dämmung. Typischer Aufbau.', 1919, 1968),
  (5, 1, 'Kellerdecke, Stahlbeton', 'Stahlbetondecke über unbeheiztem Keller mit Verbundestrich, unterseitig verputzt. Typischer Aufbau.', 1949, 1978),
  (6, 1, 'Ortbeton, schw. Estrich', 'Ortbetondecke mit schwimmendem Estrich auf 2 cm Trittschalldämmung. Typischer Aufbau.', 1958, 1983),
  (7, 1, 'Kellerdecke Beton, gedämmt', 'Stahlbetondecke über Keller mit schwimmendem Estrich auf 3 cm EPS und 4 cm Mineralwolle unterseitig. Typischer Aufbau.', 1979, 2001),
  (8, 1, 'Ortbeton, schw. Estrich 6 cm', 'Ortbetondecke mit schwimmendem Estrich auf 2 cm Trittschall- und 4 cm Wärmedämmung. Typischer Aufbau.', 1984, 1994),
  (9, 1, 'Ortbeton, schw. Estrich 10 cm', 'Ortbetondecke mit schwimmendem Estrich auf 3 cm Trittschall- und 7 cm Wärmedämmung. Typischer Aufbau.', 1995, 2100),
  (10, 1, 'Bodenplatte, Perimeterdämmung', 'Stahlbeton-Bodenplatte mit Estrich auf EPS und 12 cm XPS-Perimeterdämmung unter der Platte. Typischer Aufbau.', 2002, 2100);
INSERT INTO [Aufbau] VALUES
  ('Boden', 1, 1, 'Vollziegel, ρ 1800', 0.07),
  ('Boden', 1, 2, 'Kies, Sand', 0.10),
  ('Boden', 2, 1, 'Holzdielen', 0.024),
  ('Boden', 2, 2, 'Luftschicht', 0.06),
  ('Boden', 2, 3, 'Beton, unbewehrt', 0.10),
  ('Boden', 3, 1, 'Holzdielen', 0.024),
  ('Boden', 3, 2, 'Luftschicht', 0.18),
  ('Boden', 3, 3, 'Nadelholz', 0.024),
  ('Boden', 3, 4, 'Kalkputz', 0.015),
  ('Boden', 4, 1, 'Zementestrich', 0.04),
  ('Boden', 4, 2, 'Beton, unbewehrt', 0.12),
  ('Boden', 5, 1, 'Zementestrich', 0.04),
  ('Boden', 5, 2, 'Stahlbeton', 0.16),
  ('Boden', 5, 3, 'Kalkzementputz', 0.01),
  ('Boden', 6, 1, 'Zementestrich', 0.04),
  ('Boden', 6, 2, 'Mineralwolle WLS 040', 0.02),
  ('Boden', 6, 3, 'Stahlbeton', 0.15),
  ('Boden', 7, 1, 'Zementestrich', 0.045),
  ('Boden', 7, 2, 'EPS WLS 040', 0.03),
  ('Boden', 7, 3, 'Stahlbeton', 0.16),
  ('Boden', 7, 4, 'Mineralwolle WLS 040', 0.04),
  ('Boden', 8, 1, 'Zementestrich', 0.045),
  ('Boden', 8, 2, 'Mineralwolle WLS 040', 0.02),
  ('Boden', 8, 3, 'EPS WLS 040', 0.04),
  ('Boden', 8, 4, 'Stahlbeton', 0.16),
  ('Boden', 9, 1, 'Zementestrich', 0.05),
  ('Boden', 9, 2, 'Mineralwolle WLS 035', 0.03),
  ('Boden', 9, 3, 'EPS WLS 035', 0.07),
  ('Boden', 9, 4, 'Stahlbeton', 0.18),
  ('Boden', 10, 1, 'Anhydritestrich', 0.05),
  ('Boden', 10, 2, 'EPS WLS 032', 0.06),
  ('Boden', 10, 3, 'Stahlbeton', 0.20),
  ('Boden', 10, 4, 'XPS WLS 035', 0.12);

INSERT INTO [Decke] ([Decke-ID], [Kategorie], [Name], [Langtext], [BaujahrAb], [BaujahrBis]) VALUES
  (1, 1, 'Holzdecke, begehbar', 'Holzbalkendecke zum unbeheizten Dachraum: Putz auf Schalung, Balkenlage mit Sandfüllung, Dielen. Typischer Aufbau.', 1000, 1948),
  (2, 1, 'Holzdecke, nicht begehbar', 'Holzbalkendecke ohne Dielung: Putz auf Schalung, offene Balkenlage. Typischer Aufbau.', 1000, 1968),
  (3, 1, 'Stahlsteindecke', 'Stahlsteindecke aus Deckenziegeln mit Zementestrich, unterseitig verputzt. Typischer Aufbau.', 1919, 1968),
  (4, 1, 'Stahlbetondecke, ungedämmt', 'Stahlbetondecke zum Dachraum mit Estrich, unterseitig verputzt. Typischer Aufbau.', 1949, 1968),
  (5, 1, 'Stahlbetondecke, 4 cm Dämmung', 'Stahlbetondecke zum Dachraum mit 4 cm Mineralwolle unter dem Estrich. Typischer Aufbau.', 1969, 1983),
  (6, 1, 'Holzdecke, begehbar, gedämmt', 'Holzbalkendecke mit 10 cm Mineralwolle zwischen den Balken, Spanplatte als Gehbelag. Typischer Aufbau.', 1969, 1994),
  (7, 1, 'Stahlbetondecke, 12 cm Dämmung', 'Stahlbetondecke zum Dachraum mit 12 cm EPS und Spanplatte. Typischer Aufbau.', 1984, 2001),
  (8, 1, 'Stahlbetondecke, 20 cm Dämmung', 'Stahlbetondecke zum Dachraum mit 20 cm EPS und OSB-Gehbelag. Typischer Aufbau.', 2002, 2100);
INSERT INTO [Aufbau] VALUES
  ('Decke', 1, 1, 'Kalkputz', 0.02),
  ('Decke', 1, 2, 'Nadelholz', 0.024),
  ('Decke', 1, 3, 'Luftschicht', 0.12),
  ('Decke', 1, 4, 'Kies, Sand', 0.06),
  ('Decke', 1, 5, 'Holzdielen', 0.024),
  ('Decke', 2, 1, 'Kalkputz', 0.02),
  ('Decke', 2, 2, 'Nadelholz', 0.024),
  ('Decke', 2, 3, 'Luftschicht', 0.14),
  ('Decke', 3, 1, 'Kalkputz', 0.015),
  ('Decke', 3, 2, 'Hochlochziegel, ρ 1200', 0.17),
  ('Decke', 3, 3, 'Zementestrich', 0.03),
  ('Decke', 4, 1, 'Kalkzementputz', 0.01),
  ('Decke', 4, 2, 'Stahlbeton', 0.16),
  ('Decke', 4, 3, 'Zementestrich', 0.04),
  ('Decke', 5, 1, 'Kalkzementputz', 0.01),
  ('Decke', 5, 2, 'Stahlbeton', 0.16),
  ('Decke', 5, 3, 'Mineralwolle WLG 045', 0.04),
  ('Decke', 5, 4, 'Zementestrich', 0.04),
  ('Decke', 6, 1, 'Gipskartonplatte', 0.0125),
  ('Decke', 6, 2, 'PE-Folie', 0.0002),
  ('Decke', 6, 3, 'Mineralwolle WLS 040', 0.10),
  ('Decke', 6, 4, 'Spanplatte', 0.022),
  ('Decke', 7, 1, 'Kalkzementputz', 0.01),
  ('Decke', 7, 2, 'Stahlbeton', 0.18),
  ('Decke', 7, 3, 'EPS WLS 040', 0.12),
  ('Decke', 7, 4, 'Spanplatte', 0.022),
  ('Decke', 8, 1, 'Kalkzementputz', 0.01),
  ('Decke', 8, 2, 'Stahlbeton', 0.18),
  ('Decke', 8, 3, 'EPS WLS 035', 0.20),
  ('Decke', 8, 4, 'OSB-Platte', 0.022);

INSERT INTO [Flachdach] ([Flachdach-ID], [Kategorie], [Name], [Langtext], [Warmdach], [BaujahrAb], [BaujahrBis]) VALUES
  (1, 1, 'Kaltdach Holz, ungedämmt', 'Belüftetes Holzbalken-Flachdach ohne Dämmung: Putz auf Schalung, belüfteter Balkenraum, Dachschalung mit Bitumenbahn. Typischer Aufbau.', 0, 1000, 1968),
  (2, 1, 'Warmdach Beton, ungedämmt', 'Stahlbetondach mit Gefälleestrich und Bitumenabdichtung, ohne Dämmung. Typischer Aufbau.', 1, 1949, 1968),
  (3, 1, 'Warmdach mit 4 cm Dämmung', 'Stahlbetondach mit Dampfsperre, 4 cm EPS und zweilagiger Bitumenabdichtung. Typischer Aufbau.', 1, 1969, 1983),
  (4, 1, 'Kaltdach Holz, 8 cm Dämmung', 'Belüftetes Holzbalken-Flachdach mit 8 cm Mineralwolle zwischen den Balken. Typischer Aufbau.', 0, 1969, 1994),
  (5, 1, 'Warmdach mit 10 cm Dämmung', 'Stahlbetondach mit Dampfsperre, 10 cm EPS und Bitumenabdichtung. Typischer Aufbau.', 1, 1984, 1994),
  (6, 1, 'Warmdach mit 16 cm Dämmung', 'Stahlbetondach mit Dampfsperre, 16 cm EPS und Bitumenabdichtung. Typischer Aufbau.', 1, 1995, 2009),
  (7, 1, 'Kaltdach Holz, 20 cm Dämmung', 'Belüftetes Holzbalken-Flachdach mit 20 cm Mineralwolle. Typischer Aufbau.', 0, 1995, 2100),
  (8, 1, 'Warmdach mit 24 cm Dämmung', 'Stahlbetondach mit Dampfsperre, 24 cm PUR und Bitumenabdichtung. Typischer Aufbau.', 1, 2010, 2100);
INSERT INTO [Aufbau] VALUES
  ('Flachdach', 1, 1, 'Kalkputz', 0.02),
  ('Flachdach', 1, 2, 'Nadelholz', 0.024),
  ('Flachdach', 1, 3, 'Hinterlüftung', 0.16),
  ('Flachdach', 1, 4, 'Nadelholz', 0.024),
  ('Flachdach', 1, 5, 'Bitumendachbahn', 0.01),
  ('Flachdach', 2, 1, 'Kalkzementputz', 0.01),
  ('Flachdach', 2, 2, 'Stahlbeton', 0.16),
  ('Flachdach', 2, 3, 'Zementestrich', 0.05),
  ('Flachdach', 2, 4, 'Bitumendachbahn', 0.01),
  ('Flachdach', 3, 1, 'Kalkzementputz', 0.01),
  ('Flachdach', 3, 2, 'Stahlbeton', 0.16),
  ('Flachdach', 3, 3, 'Bitumendachbahn', 0.004),
  ('Flachdach', 3, 4, 'EPS WLS 040', 0.04),
  ('Flachdach', 3, 5, 'Bitumendachbahn', 0.01),
  ('Flachdach', 4, 1, 'Gipskartonplatte', 0.0125),
  ('Flachdach', 4, 2, 'PE-Folie', 0.0002),
  ('Flachdach', 4, 3, 'Mineralwolle WLS 040', 0.08),
  ('Flachdach', 4, 4, 'Hinterlüftung', 0.08),
  ('Flachdach', 4, 5, 'Nadelholz', 0.024),
  ('Flachdach', 4, 6, 'Bitumendachbahn', 0.01),
  ('Flachdach', 5, 1, 'Kalkzementputz', 0.01),
  ('Flachdach', 5, 2, 'Stahlbeton', 0.18),
  ('Flachdach', 5, 3, 'Bitumendachbahn', 0.004),
  ('Flachdach', 5, 4, 'EPS WLS 040', 0.10),
  ('Flachdach', 5, 5, 'Bitumendachbahn', 0.01),
  ('Flachdach', 6, 1, 'Kalkzementputz', 0.01),
  ('Flachdach', 6, 2, 'Stahlbeton', 0.18),
  ('Flachdach', 6, 3, 'Bitumendachbahn', 0.004),
  ('Flachdach', 6, 4, 'EPS WLS 035', 0.16),
  ('Flachdach', 6, 5, 'Bitumendachbahn', 0.01),
  ('Flachdach', 7, 1, 'Gipskartonplatte', 0.0125),
  ('Flachdach', 7, 2, 'PE-Folie', 0.0002),
  ('Flachdach', 7, 3, 'Mineralwolle WLS 035', 0.20),
  ('Flachdach', 7, 4, 'Hinterlüftung', 0.06),
  ('Flachdach', 7, 5, 'Nadelholz', 0.024),
  ('Flachdach', 7, 6, 'Bitumendachbahn', 0.01),
  ('Flachdach', 8, 1, 'Kalkzementputz', 0.01),
  ('Flachdach', 8, 2, 'Stahlbeton', 0.20),
  ('Flachdach', 8, 3, 'Bitumendachbahn', 0.004),
  ('Flachdach', 8, 4, 'PUR WLS 024', 0.24),
  ('Flachdach', 8, 5, 'Bitumendachbahn', 0.01);

INSERT INTO [Steildach] ([Steildach-ID], [Kategorie], [Name], [Langtext], [BaujahrAb], [BaujahrBis]) VALUES
  (1, 1, 'Sparrensteildach, ungedämmt', 'Sparrendach ohne Dämmung: Putz auf Holzwolle-Leichtbauplatten, ruhende Luft im Sparrenfeld, belüftete Ziegeldeckung. Typischer Aufbau.', 1000, 1968),
  (2, 1, 'Kehlbalkendach, Holzwolle 5 cm', 'Kehlbalkendach mit 5 cm Holzwolle-Leichtbauplatten als Putzträger und Betondachsteinen. Typischer Aufbau.', 1949, 1968),
  (3, 1, 'Sparrendach, 6 cm Dämmung', 'Sparrendach mit 6 cm Mineralwolle zwischen den Sparren und Restluftschicht. Typischer Aufbau.', 1969, 1983),
  (4, 1, 'Sparrendach, 10 cm Dämmung', 'Sparrendach mit Dampfbremse und 10 cm Mineralwolle zwischen den Sparren. Typischer Aufbau.', 1984, 1994),
  (5, 1, 'Sparrendach, 16 cm Dämmung', 'Sparrendach mit Dampfbremse und 16 cm Mineralwolle, Holzfaser-Unterdeckplatte. Typischer Aufbau.', 1995, 2009),
  (6, 1, 'Sparrendach, 24 cm Dämmung', 'Sparrendach mit 20 cm Mineralwolle zwischen und 4 cm Holzfaser auf den Sparren. Typischer Aufbau.', 2010, 2100);
INSERT INTO [Aufbau] VALUES
  ('Steildach', 1, 1, 'Kalkputz', 0.015),
  ('Steildach', 1, 2, 'Holzwolle-Leichtbauplatte', 0.025),
  ('Steildach', 1, 3, 'Luftschicht', 0.16),
  ('Steildach', 1, 4, 'Hinterlüftung', 0.03),
  ('Steildach', 1, 5, 'Dachziegel', 0.02),
  ('Steildach', 2, 1, 'Kalkputz', 0.015),
  ('Steildach', 2, 2, 'Holzwolle-Leichtbauplatte', 0.05),
  ('Steildach', 2, 3, 'Luftschicht', 0.12),
  ('Steildach', 2, 4, 'Hinterlüftung', 0.03),
  ('Steildach', 2, 5, 'Betondachstein', 0.02),
  ('Steildach', 3, 1, 'Gipskartonplatte', 0.0125),
  ('Steildach', 3, 2, 'Mineralwolle WLG 045', 0.06),
  ('Steildach', 3, 3, 'Luftschicht', 0.06),
  ('Steildach', 3, 4, 'Hinterlüftung', 0.03),
  ('Steildach', 3, 5, 'Dachziegel', 0.02),
  ('Steildach', 4, 1, 'Gipskartonplatte', 0.0125),
  ('Steildach', 4, 2, 'PE-Folie', 0.0002),
  ('Steildach', 4, 3, 'Mineralwolle WLS 040', 0.10),
  ('Steildach', 4, 4, 'Luftschicht', 0.04),
  ('Steildach', 4, 5, 'Hinterlüftung', 0.03),
  ('Steildach', 4, 6, 'Dachziegel', 0.02),
  ('Steildach', 5, 1, 'Gipskartonplatte', 0.0125),
  ('Steildach', 5, 2, 'PE-Folie', 0.0002),
  ('Steildach', 5, 3, 'Mineralwolle WLS 035', 0.16),
  ('Steildach', 5, 4, 'Holzfaserdämmplatte WLS 045', 0.022),
  ('Steildach', 5, 5, 'Hinterlüftung', 0.03),
  ('Steildach', 5, 6, 'Dachziegel', 0.02),
  ('Steildach', 6, 1, 'Gipskartonplatte', 0.0125),
  ('Steildach', 6, 2, 'PE-Folie', 0.0002),
  ('Steildach', 6, 3, 'Mineralwolle WLS 035', 0.20),
  ('Steildach', 6, 4, 'Holzfaserdämmplatte WLS 045', 0.04),
  ('Steildach', 6, 5, 'Hinterlüftung', 0.03),
  ('Steildach', 6, 6, 'Dachziegel', 0.02);

INSERT INTO [Wand] ([Wand-ID], [Kategorie], [Name], [Langtext], [BaujahrAb], [BaujahrBis]) VALUES
  (1, 1, 'Fachwerk, Lehmausfachung', 'Fachwerkwand mit Strohlehm-Ausfachung, innen Lehmputz, außen Kalkputz; Holzanteil der Ständer nicht berücksichtigt. Typischer Aufbau.', 1000, 1918),
  (2, 1, 'Fachwerk, Ziegelausfachung', 'Fachwerkwand mit Ausfachung aus Vollziegeln, beidseitig verputzt; Holzanteil nicht berücksichtigt. Typischer Aufbau.', 1000, 1918),
  (3, 1, 'Bruchsteinmauerwerk 50 cm', 'Natursteinmauerwerk aus Sandstein, beidseitig verputzt. Typischer Aufbau.', 1000, 1918),
  (4, 1, 'Vollziegelmauerwerk 38 cm', 'Einschaliges Vollziegelmauerwerk, 1 1/2 Stein, beidseitig verputzt. Typischer Aufbau.', 1000, 1948),
  (5, 1, 'Zweischalig, Luftschicht 6 cm', 'Zweischaliges Mauerwerk: Vollziegel innen, ruhende Luftschicht, Verblendschale aus Klinker. Typischer Aufbau.', 1919, 1968),
  (6, 1, 'Hohlblockmauerwerk 30 cm', 'Hohlblocksteine aus Leichtbeton (Bims), innen Kalkputz, außen Kalkzementputz. Typischer Aufbau.', 1949, 1968),
  (7, 1, 'Hochlochziegel 30 cm', 'Hochlochziegelmauerwerk ρ 1200, innen Kalkgipsputz, außen Kalkzementputz. Typischer Aufbau.', 1958, 1978),
  (8, 1, 'Kalksandstein 24 cm', 'Kalksandsteinmauerwerk ohne Dämmung, innen Gipsputz, außen Kalkzementputz. Typischer Aufbau.', 1958, 1978),
  (9, 1, 'Zweischalig KS, Luft 4 cm', 'Zweischaliges Mauerwerk: Kalksand-Lochstein innen, ruhende Luftschicht, Klinkerschale. Typischer Aufbau.', 1958, 1983),
  (10, 1, 'Leichthochlochziegel 36,5 cm', 'Leichthochlochziegel ρ 800, innen Gipsputz, außen Leichtputz. Typischer Aufbau.', 1969, 1983),
  (11, 1, 'Porenbeton 30 cm', 'Porenbeton-Blocksteine ρ 600, innen Gipsputz, außen Leichtputz. Typischer Aufbau.', 1979, 1994),
  (12, 1, 'Kalksandstein, WDVS 6 cm', 'Kalksandstein 17,5 cm mit Wärmedämm-Verbundsystem aus 6 cm EPS. Typischer Aufbau.', 1984, 1994),
  (13, 1, 'Zweischalig, Kerndämmung 6 cm', 'Zweischaliges Mauerwerk mit 6 cm Mineralwolle und Restluftschicht vor der Klinkerschale. Typischer Aufbau.', 1984, 1994),
  (14, 1, 'Kalksandstein, WDVS 12 cm', 'Kalksandstein 17,5 cm mit Wärmedämm-Verbundsystem aus 12 cm EPS. Typischer Aufbau.', 1995, 2009),
  (15, 1, 'Porenbeton-Planstein 36,5 cm', 'Porenbeton-Plansteine ρ 400 mit Dünnbettmörtel, innen Gipsputz, außen Leichtputz. Typischer Aufbau.', 1995, 2100),
  (16, 1, 'Kalksandstein, WDVS 16 cm', 'Kalksandstein 17,5 cm mit Wärmedämm-Verbundsystem aus 16 cm EPS. Typischer Aufbau.', 2002, 2100),
  (17, 1, 'Holzrahmenbau, 16 cm Dämmung', 'Holzrahmenwand mit Mineralwolle im Gefach, Holzfaserplatte, hinterlüfteter Holzschalung; Holzanteil nicht berücksichtigt. Typischer Aufbau.', 1995, 2100),
  (18, 1, 'Kellerwand, Beton 30 cm', 'Kelleraußenwand aus Beton ohne Dämmung. Typischer Aufbau.', 1949, 2100);
INSERT INTO [Aufbau] VALUES
  ('Wand', 1, 1, 'Lehmputz', 0.02),
  ('Wand', 1, 2, 'Strohlehm, ρ 1200', 0.14),
  ('Wand', 1, 3, 'Kalkputz', 0.02),
  ('Wand', 2, 1, 'Kalkputz', 0.015),
  ('Wand', 2, 2, 'Vollziegel, ρ 1800', 0.14),
  ('Wand', 2, 3, 'Kalkputz', 0.02),
  ('Wand', 3, 1, 'Kalkputz', 0.02),
  ('Wand', 3, 2, 'Sandstein', 0.50),
  ('Wand', 3, 3, 'Kalkputz', 0.02),
  ('Wand', 4, 1, 'Kalkputz', 0.015),
  ('Wand', 4, 2, 'Vollziegel, ρ 1800', 0.38),
  ('Wand', 4, 3, 'Kalkzementputz', 0.02),
  ('Wand', 5, 1, 'Kalkputz', 0.015),
  ('Wand', 5, 2, 'Vollziegel, ρ 1800', 0.24),
  ('Wand', 5, 3, 'Luftschicht', 0.06),
  ('Wand', 5, 4, 'Vollklinker, ρ 2000', 0.115),
  ('Wand', 6, 1, 'Kalkputz', 0.015),
  ('Wand', 6, 2, 'Hohlblockstein Leichtbeton', 0.30),
  ('Wand', 6, 3, 'Kalkzementputz', 0.02),
  ('Wand', 7, 1, 'Kalkgipsputz', 0.015),
  ('Wand', 7, 2, 'Hochlochziegel, ρ 1200', 0.30),
  ('Wand', 7, 3, 'Kalkzementputz', 0.02),
  ('Wand', 8, 1, 'Gipsputz', 0.01),
  ('Wand', 8, 2, 'Kalksandstein, ρ 1800', 0.24),
  ('Wand', 8, 3, 'Kalkzementputz', 0.02),
  ('Wand', 9, 1, 'Gipsputz', 0.01),
  ('Wand', 9, 2, 'Kalksand-Lochstein, ρ 1400', 0.175),
  ('Wand', 9, 3, 'Luftschicht', 0.04),
  ('Wand', 9, 4, 'Vollklinker, ρ 2000', 0.115),
  ('Wand', 10, 1, 'Gipsputz', 0.015),
  ('Wand', 10, 2, 'Leichthochlochziegel, ρ 800', 0.365),
  ('Wand', 10, 3, 'Leichtputz', 0.02),
  ('Wand', 11, 1, 'Gipsputz', 0.01),
  ('Wand', 11, 2, 'Porenbeton-Blockstein, ρ 600', 0.30),
  ('Wand', 11, 3, 'Leichtputz', 0.015),
  ('Wand', 12, 1, 'Gipsputz', 0.01),
  ('Wand', 12, 2, 'Kalksandstein, ρ 1800', 0.175),
  ('Wand', 12, 3, 'EPS WLS 040', 0.06),
  ('Wand', 12, 4, 'Kunstharzputz', 0.005),
  ('Wand', 13, 1, 'Gipsputz', 0.01),
  ('Wand', 13, 2, 'Kalksandstein, ρ 1800', 0.175),
  ('Wand', 13, 3, 'Mineralwolle WLS 035', 0.06),
  ('Wand', 13, 4, 'Luftschicht', 0.04),
  ('Wand', 13, 5, 'Vollklinker, ρ 2000', 0.115),
  ('Wand', 14, 1, 'Gipsputz', 0.01),
  ('Wand', 14, 2, 'Kalksandstein, ρ 1800', 0.175),
  ('Wand', 14, 3, 'EPS WLS 035', 0.12),
  ('Wand', 14, 4, 'Kunstharzputz', 0.005),
  ('Wand', 15, 1, 'Gipsputz', 0.01),
  ('Wand', 15, 2, 'Porenbeton-Planstein, ρ 400', 0.365),
  ('Wand', 15, 3, 'Leichtputz', 0.015),
  ('Wand', 16, 1, 'Gipsputz', 0.01),
  ('Wand', 16, 2, 'Kalksandstein, ρ 1800', 0.175),
  ('Wand', 16, 3, 'EPS WLS 032', 0.16),
  ('Wand', 16, 4, 'Kunstharzputz', 0.005),
  ('Wand', 17, 1, 'Gipskartonplatte', 0.0125),
  ('Wand', 17, 2, 'OSB-Platte', 0.015),
  ('Wand', 17, 3, 'Mineralwolle WLS 035', 0.16),
  ('Wand', 17, 4, 'Holzfaserdämmplatte WLS 045', 0.06),
  ('Wand', 17, 5, 'Hinterlüftung', 0.03),
  ('Wand', 17, 6, 'Nadelholz', 0.024),
  ('Wand', 18, 1, 'Beton, unbewehrt', 0.30);

INSERT INTO [Bodenschicht] ([Boden-ID], [Name], [Langtext], [Position], [Dicke], [Lambda], [Mu])
  SELECT a.[Typ], s.[Name], s.[Langtext], a.[Position], a.[Dicke], s.[Lambda], s.[Mu]
  FROM [Aufbau] a JOIN [Schicht] s ON s.[Name] = a.[Material]
  WHERE a.[Art] = 'Boden' ORDER BY a.[Typ], a.[Position];
INSERT INTO [Deckeschicht] ([Decke-ID], [Name], [Langtext], [Position], [Dicke], [Lambda], [Mu])
  SELECT a.[Typ], s.[Name], s.[Langtext], a.[Position], a.[Dicke], s.[Lambda], s.[Mu]
  FROM [Aufbau] a JOIN [Schicht] s ON s.[Name] = a.[Material]
  WHERE a.[Art] = 'Decke' ORDER BY a.[Typ], a.[Position];
INSERT INTO [Flachdachschicht] ([Flachdach-ID], [Name], [Langtext], [Position], [Dicke], [Lambda], [Mu])
  SELECT a.[Typ], s.[Name], s.[Langtext], a.[Position], a.[Dicke], s.[Lambda], CAST(s.[Mu] AS INTEGER)
  FROM [Aufbau] a JOIN [Schicht] s ON s.[Name] = a.[Material]
  WHERE a.[Art] = 'Flachdach' ORDER BY a.[Typ], a.[Position];
INSERT INTO [Steildachschicht] ([Steildach-ID], [Name], [Langtext], [Position], [Dicke], [Lambda], [Mu])
  SELECT a.[Typ], s.[Name], s.[Langtext], a.[Position], a.[Dicke], s.[Lambda], s.[Mu]
  FROM [Aufbau] a JOIN [Schicht] s ON s.[Name] = a.[Material]
  WHERE a.[Art] = 'Steildach' ORDER BY a.[Typ], a.[Position];
INSERT INTO [Wandschicht] ([Wand-ID], [Name], [Langtext], [Position], [Dicke], [Lambda], [Mu])
  SELECT a.[Typ], s.[Name], s.[Langtext], a.[Position], a.[Dicke], s.[Lambda], s.[Mu]
  FROM [Aufbau] a JOIN [Schicht] s ON s.[Name] = a.[Material]
  WHERE a.[Art] = 'Wand' ORDER BY a.[Typ], a.[Position];
DROP TABLE [Aufbau];

-- Glazings: U-value of the glazing alone (U_g) as the typical value of
-- DIN EN 673 / DIN EN ISO 10077-1; g-value (a fraction) of the IWU TABULA
-- window types by number of panes and coating.
INSERT INTO [Verglasung] ([VerglasungID], [Kategorie], [Name], [Langtext], [k-Wert], [g-Wert]) VALUES
  (1, 1, 'Einfachverglasung', 'Einscheibenglas. U_g typischer Wert nach DIN EN 673, g nach IWU TABULA.', 5.8, 0.86),
  (2, 1, '2-fach Isolierverglasung', 'Zweischeiben-Isolierglas mit Luftfüllung, ohne Beschichtung (etwa 1960 bis 1994). U_g typischer Wert nach DIN EN ISO 10077-1, g nach IWU TABULA.', 2.9, 0.76),
  (3, 1, '2-fach Isolierverglasung, Argon', 'Zweischeiben-Isolierglas mit Argonfüllung, ohne Beschichtung. U_g typischer Wert nach DIN EN ISO 10077-1, g nach IWU TABULA.', 2.7, 0.76),
  (4, 1, '2-fach Wärmeschutzverglasung', 'Zweischeiben-Wärmeschutzglas mit Low-E-Beschichtung und Argon (ab etwa 1995). U_g typischer Wert nach DIN EN ISO 10077-1, g nach IWU TABULA.', 1.1, 0.60),
  (5, 1, '3-fach Wärmeschutzverglasung', 'Dreischeiben-Wärmeschutzglas mit Argon. U_g typischer Wert nach DIN EN ISO 10077-1, g nach IWU TABULA.', 0.7, 0.50),
  (6, 1, '3-fach Wärmeschutz, Krypton', 'Dreischeiben-Wärmeschutzglas mit Kryptonfüllung. U_g typischer Wert, g nach IWU TABULA.', 0.5, 0.50);

-- Window frames: U-value of the frame (U_f) after DIN EN ISO 10077-1, Annex D,
-- or typical values of current products where marked.
INSERT INTO [Rahmen] ([RahmenID], [Kategorie], [Name], [Langtext], [k-Wert]) VALUES
  (1, 1, 'Holzrahmen', 'Holzrahmen aus Weichholz älterer Bauart (Profildicke um 56 mm). U_f nach DIN EN ISO 10077-1, Anhang D.', 2.0),
  (2, 1, 'Holzrahmen, 78 mm', 'Holzrahmen aus Weichholz, Profildicke 78 mm. U_f nach DIN EN ISO 10077-1, Anhang D.', 1.5),
  (3, 1, 'Kunststoffrahmen, 2 Kammern', 'PVC-Hohlprofil mit 2 Kammern. U_f nach DIN EN ISO 10077-1, Anhang D.', 2.2),
  (4, 1, 'Kunststoffrahmen, 3 Kammern', 'PVC-Hohlprofil mit 3 Kammern. U_f nach DIN EN ISO 10077-1, Anhang D.', 2.0),
  (5, 1, 'Kunststoffrahmen, 5 Kammern', 'PVC-Mehrkammerprofil aktueller Bauart. Typischer Wert.', 1.3),
  (6, 1, 'Holz-Alu-Rahmen', 'Holzrahmen mit Aluminium-Wetterschale, aktuelle Bauart. Typischer Wert.', 1.4),
  (7, 1, 'Metallrahmen, ohne Trennung', 'Metallrahmen ohne thermische Trennung. U_f nach DIN EN ISO 10077-1, Anhang D.', 5.9),
  (8, 1, 'Metallrahmen, therm. getrennt', 'Metallrahmen mit thermischer Trennung älterer Bauart. Typischer Wert.', 2.8),
  (9, 1, 'Passivhausrahmen', 'Gedämmter Rahmen in Passivhaus-Qualität. Typischer Wert.', 0.8);

-- Boilers of existing buildings by fuel ([Brennstoff]: 0 Gas, 1 Öl, 2 Holz,
-- 3 Strom, 4 sonstige, 6 Braunkohle, 7 Steinkohle) and installation period.
-- Most rows give the annual efficiency [Kesselnutzungsgrad] on the net
-- calorific value, as the fuel units and CO2 factors of the program are:
-- (Hs/Hi of the fuel) / e_g, e_g the IWU TABULA expenditure factor of the heat
-- generator on the gross calorific value, rounded to three places (Hs/Hi as
-- README.md names it per fuel); one gas and one oil boiler are described by
-- their losses instead: the flue-gas loss limit of the 1. BImSchV (§ 10, 11 %
-- for 4 to 25 kW, on the net value) with typical radiation and standby losses.
INSERT INTO [Heizkessel] ([HeizungID], [Kategorie], [Name], [Langtext], [Kesselleistung],
    [Abgasverlust], [Strahlungsverlust], [Bereitschaftsverlust], [Kesselnutzungsgrad],
    [Brennstoff], [BaujahrAb], [BaujahrBis]) VALUES
  (1, 1, 'Gas, Konstanttemp., bis 1986', 'Konstanttemperaturkessel, Einfamilienhaus; IWU TABULA e_g = 1,46. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0949 (Erdgas).', 20, 0, 0, 0, 0.750, 0, 1000, 1986),
  (2, 1, 'Gas, Konstanttemp., 1987-1994', 'Konstanttemperaturkessel, Einfamilienhaus; IWU TABULA e_g = 1,42. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0949 (Erdgas).', 20, 0, 0, 0, 0.771, 0, 1987, 1994),
  (3, 1, 'Gas, Konstanttemp., ab 1995', 'Konstanttemperaturkessel, Einfamilienhaus; IWU TABULA e_g = 1,37. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0949 (Erdgas).', 20, 0, 0, 0, 0.799, 0, 1995, 2100),
  (4, 1, 'Gas, Niedertemp., bis 1986', 'Niedertemperaturkessel, Einfamilienhaus; IWU TABULA e_g = 1,35. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0949 (Erdgas).', 20, 0, 0, 0, 0.811, 0, 1000, 1986),
  (5, 1, 'Gas, Niedertemp., 1987-1994', 'Niedertemperaturkessel, Einfamilienhaus; IWU TABULA e_g = 1,29. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0949 (Erdgas).', 20, 0, 0, 0, 0.849, 0, 1987, 1994),
  (6, 1, 'Gas, Niedertemp., ab 1995', 'Niedertemperaturkessel, Einfamilienhaus; IWU TABULA e_g = 1,23. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0949 (Erdgas).', 20, 0, 0, 0, 0.890, 0, 1995, 2100),
  (7, 1, 'Gas, Niedertemp., MFH, ab 1995', 'Niedertemperaturkessel, Mehrfamilienhaus; IWU TABULA e_g = 1,18. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0949 (Erdgas).', 60, 0, 0, 0, 0.928, 0, 1995, 2100),
  (8, 1, 'Gas, Brennwert, bis 1986', 'Brennwertkessel, Einfamilienhaus; IWU TABULA e_g = 1,21. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0949 (Erdgas).', 20, 0, 0, 0, 0.905, 0, 1000, 1986),
  (9, 1, 'Gas, Brennwert, 1987-1994', 'Brennwertkessel, Einfamilienhaus; IWU TABULA e_g = 1,18. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0949 (Erdgas).', 20, 0, 0, 0, 0.928, 0, 1987, 1994),
  (10, 1, 'Gas, Brennwert, ab 1995', 'Brennwertkessel, Einfamilienhaus; IWU TABULA e_g = 1,16. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0949 (Erdgas).', 20, 0, 0, 0, 0.944, 0, 1995, 2100),
  (11, 1, 'Gas, Brennwert verbessert', 'Brennwertkessel mit verbesserter Effizienz ab 1995, Einfamilienhaus; IWU TABULA e_g = 1,08. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0949 (Erdgas).', 20, 0, 0, 0, 1.014, 0, 1995, 2100),
  (12, 1, 'Gas-Therme, bis 1994', 'Gas-Umlaufwasserheizer ohne Brennwertnutzung; IWU TABULA e_g = 1,27. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0949 (Erdgas).', 18, 0, 0, 0, 0.862, 0, 1000, 1994),
  (13, 1, 'Gas-Therme, ab 1995', 'Gas-Umlaufwasserheizer ohne Brennwertnutzung; IWU TABULA e_g = 1,18. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0949 (Erdgas).', 18, 0, 0, 0, 0.928, 0, 1995, 2100),
  (14, 1, 'Gas-Brennwerttherme, bis 1994', 'Gas-Brennwert-Therme; IWU TABULA e_g = 1,18. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0949 (Erdgas).', 18, 0, 0, 0, 0.928, 0, 1000, 1994),
  (15, 1, 'Gas-Brennwerttherme, ab 1995', 'Gas-Brennwert-Therme; IWU TABULA e_g = 1,09. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0949 (Erdgas).', 18, 0, 0, 0, 1.004, 0, 1995, 2100),
  (17, 1, 'Gaskessel, Verluste', 'Gaskessel bis 25 kW mit Abgasverlust am Grenzwert der 1. BImSchV (11 %); Strahlungs- und Bereitschaftsverlust typische Werte.', 20, 0.11, 0.015, 0.02, 0, 0, 1000, 2100),
  (18, 1, 'Öl, Konstanttemp., bis 1986', 'Konstanttemperaturkessel, Einfamilienhaus; IWU TABULA e_g = 1,46. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0763 (Heizöl).', 20, 0, 0, 0, 0.737, 1, 1000, 1986),
  (19, 1, 'Öl, Konstanttemp., 1987-1994', 'Konstanttemperaturkessel, Einfamilienhaus; IWU TABULA e_g = 1,42. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0763 (Heizöl).', 20, 0, 0, 0, 0.758, 1, 1987, 1994),
  (20, 1, 'Öl, Konstanttemp., ab 1995', 'Konstanttemperaturkessel, Einfamilienhaus; IWU TABULA e_g = 1,37. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0763 (Heizöl).', 20, 0, 0, 0, 0.786, 1, 1995, 2100),
  (21, 1, 'Öl, Niedertemp., bis 1986', 'Niedertemperaturkessel, Einfamilienhaus; IWU TABULA e_g = 1,35. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0763 (Heizöl).', 20, 0, 0, 0, 0.797, 1, 1000, 1986),
  (22, 1, 'Öl, Niedertemp., 1987-1994', 'Niedertemperaturkessel, Einfamilienhaus; IWU TABULA e_g = 1,29. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0763 (Heizöl).', 20, 0, 0, 0, 0.834, 1, 1987, 1994),
  (23, 1, 'Öl, Niedertemp., ab 1995', 'Niedertemperaturkessel, Einfamilienhaus; IWU TABULA e_g = 1,23. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0763 (Heizöl).', 20, 0, 0, 0, 0.875, 1, 1995, 2100),
  (24, 1, 'Öl, Niedertemp., MFH, ab 1995', 'Niedertemperaturkessel, Mehrfamilienhaus; IWU TABULA e_g = 1,18. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0763 (Heizöl).', 60, 0, 0, 0, 0.912, 1, 1995, 2100),
  (25, 1, 'Öl, Brennwert, ab 1995', 'Brennwertkessel, Einfamilienhaus; IWU TABULA e_g = 1,16. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0763 (Heizöl).', 20, 0, 0, 0, 0.928, 1, 1995, 2100),
  (27, 1, 'Ölkessel, Verluste', 'Ölkessel bis 25 kW mit Abgasverlust am Grenzwert der 1. BImSchV (11 %); Strahlungs- und Bereitschaftsverlust typische Werte.', 20, 0.11, 0.015, 0.02, 0, 1, 1000, 2100),
  (28, 1, 'Holzpelletkessel', 'Holzpelletkessel, Einfamilienhaus; IWU TABULA e_g = 1,37. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0727 (feste Brennstoffe).', 15, 0, 0, 0, 0.783, 2, 1000, 2100),
  (29, 1, 'Holzpelletkessel, MFH', 'Holzpelletkessel, Mehrfamilienhaus; IWU TABULA e_g = 1,25. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0727 (feste Brennstoffe).', 50, 0, 0, 0, 0.858, 2, 1000, 2100),
  (33, 1, 'Elektro-Zentralspeicher', 'Elektrisches Heizelement in einem zentralen Speicher; IWU TABULA e_g = 1,0.', 15, 0, 0, 0, 1.000, 3, 1000, 2100),
  (34, 1, 'Fernwärme-Übergabestation', 'Nah- oder Fernwärme-Übergabestation; IWU TABULA e_g = 1,02.', 20, 0, 0, 0, 0.980, 4, 1000, 2100),
  (37, 1, 'Hackschnitzelkessel', 'Holzhackschnitzelkessel mit automatischer Beschickung, Einfamilienhaus; IWU TABULA führt keinen eigenen Hackschnitzelkessel, Wert des automatisch beschickten Holzpelletkessels, e_g = 1,37. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0727 (feste Brennstoffe).', 30, 0, 0, 0, 0.783, 5, 1000, 2100),
  (38, 1, 'Hackschnitzelkessel, MFH', 'Holzhackschnitzelkessel mit automatischer Beschickung, Mehrfamilienhaus; IWU TABULA führt keinen eigenen Hackschnitzelkessel, Wert des automatisch beschickten Holzpelletkessels, e_g = 1,25. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0727 (feste Brennstoffe).', 60, 0, 0, 0, 0.858, 5, 1000, 2100),
  (39, 1, 'Braunkohle, Konstanttemp., bis 1986', 'Kohlekessel mit konstanter Kesseltemperatur, Einfamilienhaus; IWU TABULA Konstanttemperaturkessel e_g = 1,46. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0727 (Braunkohle).', 20, 0, 0, 0, 0.735, 6, 1000, 1986),
  (40, 1, 'Braunkohle, Konstanttemp., 1987-1994', 'Kohlekessel mit konstanter Kesseltemperatur, Einfamilienhaus; IWU TABULA Konstanttemperaturkessel e_g = 1,42. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0727 (Braunkohle).', 20, 0, 0, 0, 0.755, 6, 1987, 1994),
  (41, 1, 'Braunkohle, Konstanttemp., ab 1995', 'Kohlekessel mit konstanter Kesseltemperatur, Einfamilienhaus; IWU TABULA Konstanttemperaturkessel e_g = 1,37. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0727 (Braunkohle).', 20, 0, 0, 0, 0.783, 6, 1995, 2100),
  (42, 1, 'Steinkohle, Konstanttemp., bis 1986', 'Kohlekessel mit konstanter Kesseltemperatur, Einfamilienhaus; IWU TABULA Konstanttemperaturkessel e_g = 1,46. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0727 (feste Brennstoffe).', 20, 0, 0, 0, 0.735, 7, 1000, 1986),
  (43, 1, 'Steinkohle, Konstanttemp., 1987-1994', 'Kohlekessel mit konstanter Kesseltemperatur, Einfamilienhaus; IWU TABULA Konstanttemperaturkessel e_g = 1,42. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0727 (feste Brennstoffe).', 20, 0, 0, 0, 0.755, 7, 1987, 1994),
  (44, 1, 'Steinkohle, Konstanttemp., ab 1995', 'Kohlekessel mit konstanter Kesseltemperatur, Einfamilienhaus; IWU TABULA Konstanttemperaturkessel e_g = 1,37. Nutzungsgrad auf den Heizwert umgerechnet mit Hs/Hi = 1,0727 (feste Brennstoffe).', 20, 0, 0, 0, 0.783, 7, 1995, 2100);
