-- Small existing-components data base for the record-set tests (rows on top
-- of the shipped schema). Values are made up for the cases, not for use.

-- Year filter: (1950,1960), (1961,1970), (1960,1960), no years; the same four
-- rows in every construction-type table.
INSERT INTO [Boden] VALUES (1, 1, 'Eins', '', 0, 0.2, 1.5, 1950, 1960, '');
INSERT INTO [Boden] VALUES (2, 1, 'Zwei', '', 0, 0.2, 1.5, 1961, 1970, '');
INSERT INTO [Boden] VALUES (7, 1, 'Drei', '', 0, 0.2, 1.5, 1960, 1960, '');
INSERT INTO [Boden] VALUES (9, 1, 'Vier', '', 0, 0.2, 1.5, NULL, NULL, '');
INSERT INTO [Decke] SELECT * FROM [Boden];
INSERT INTO [Steildach] SELECT * FROM [Boden];
INSERT INTO [Wand] SELECT * FROM [Boden];
INSERT INTO [Flachdach]
  SELECT [Boden-ID], [Kategorie], [Name], [Langtext], 1, [Schichtzahl], [Dicke], [kWert],
         [BaujahrAb], [BaujahrBis], [Bitmappfad] FROM [Boden];

-- Layers of type 1 stored out of order, two of them on the same position.
INSERT INTO [Wandschicht]([Wand-ID],[Name],[Position],[Dicke],[Lambda],[Mu])
  VALUES (1, 'Putz aussen', 3, 0.02, 0.87, 15),
         (1, 'Mauerwerk', 2, 0.24, 0.5, 10),
         (1, 'Putz innen', 1, 0.015, 0.7, 10),
         (1, 'Dämmung', 2, 0.06, 0.04, 1),
         (2, 'Fremd', 1, 0.1, 1.0, 1);

-- Boilers: fuel 1 and 2, several construction periods.
INSERT INTO [Heizkessel] VALUES (1, 1, 'Öl 1970-1980', '', 20, 0.09, 0.02, 0.015, 0, 1, 1970, 1980, '');
INSERT INTO [Heizkessel] VALUES (2, 1, 'Gas 1970-1980', '', 20, 0.08, 0.02, 0.015, 0, 2, 1970, 1980, '');
INSERT INTO [Heizkessel] VALUES (3, 1, 'Öl 1990-2000', '', 20, 0.06, 0.01, 0.01, 0, 1, 1990, 2000, '');
INSERT INTO [Heizkessel] VALUES (4, 1, 'Öl 1-1975', '', 20, 0, 0, 0, 0.8, 1, 1, 1975, '');

INSERT INTO [Kategorie] VALUES (0, 'Benutzerdefiniert'), (1, 'Mauerwerk'), (2, 'Dämmstoffe');
INSERT INTO [Schicht]([Kategorie],[Name],[Lambda],[Mu])
  VALUES (1, 'Vollziegel', 0.81, 5), (2, 'Mineralwolle', 0.035, 1), (1, 'Kalksandstein', 0.99, 15);
INSERT INTO [Verglasung] VALUES (1, 1, 'Einfachglas', '', 5.8, 0.87, ''), (2, 0, 'Eigene', '', 1.1, 0.5, '');
INSERT INTO [Rahmen] VALUES (1, 1, 'Holzrahmen', '', 2.0, '');
INSERT INTO [Versionsnummer] VALUES (1, 3, '2001-05-01');
