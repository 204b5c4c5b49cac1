-- Rows for the data-base dialog tests, on top of bestand.sql. Values are
-- made up for the cases, not for use.

-- Walls: the default type with three layers, a name stored twice, the user's
-- own type (an apostrophe in its name) with layers, umlauts for the German
-- order, a type that claims layers it does not have, a negative U-value, and
-- one type each for the years 1, 19, 197 and two for 1975 (typing a year
-- digit by digit).
INSERT INTO [Wand] VALUES
  (10, 1, 'Hohlblockmauerwerk 30 cm', 'Bims-Hohlblock', 3, 0.345, 1.234567, 1949, 1968, 'bilder/hbl.wmf'),
  (11, 1, 'Doppelt', 'erster', 2, 0.2, 2.5, 1900, 1918, ''),
  (12, 1, 'Doppelt', 'zweiter', 0, 0.3, 3.5, 1900, 1918, ''),
  (13, 0, 'Wand d''Orsay', 'eigene', 2, 0.3, 0.5, 1980, 1990, ''),
  (14, 1, 'Äußere Schale', '', 0, 0.1, 2.0, 1955, 1965, ''),
  (15, 1, 'Ohne Lagen', '', 3, 0.25, 1.1, 1800, 1800, ''),
  (16, 1, 'Jahr 1', '', 0, 0.1, 1.0, 1, 1, ''),
  (17, 1, 'Jahr 19', '', 0, 0.1, 1.0, 19, 19, ''),
  (18, 1, 'Jahr 197', '', 0, 0.1, 1.0, 197, 197, ''),
  (19, 1, 'wand 1975', '', 0, 0.1, 1.0, 1970, 1980, ''),
  (21, 1, 'Wand 1975 B', '', 0, 0.1, 1.0, 1975, 1975, ''),
  (20, 1, 'Ungültig', '', 0, 0.1, -1.0, NULL, NULL, '');
INSERT INTO [Wandschicht]([Wand-ID],[Name],[Langtext],[Position],[Dicke],[Lambda],[Mu],[BitmapPfad])
  VALUES (10, 'Kalkzementputz', 'aussen', 3, 0.02, 0.87, 15, 'bilder/putz.wmf'),
         (10, 'Kalkputz', 'innen', 1, 0.015, 0.7, 10, 'bilder/putz.wmf'),
         (10, 'Hohlblock', 'Bims', 2, 0.31, 0.44, 5, ''),
         (11, 'Erste', '', 1, 0.2, 1.0, 1, ''),
         (12, 'Zweite', '', 1, 0.3, 1.0, 1, ''),
         (13, 'Eigenes Innen', '', 1, 0.1, 0.5, 10, ''),
         (13, 'Eigenes Aussen', '', 2, 0.2, 0.5, 10, '');

-- The other kinds: a user type each, and defaults that are matched by their
-- beginning and without regard to case. [Boden] has no type of its default.
INSERT INTO [Boden] VALUES (30, 0, 'Eigener Boden', '', 0, 0.2, 1.0, NULL, NULL, '');
INSERT INTO [Decke] VALUES
  (30, 0, 'Eigene Decke', '', 0, 0.2, 1.0, NULL, NULL, ''),
  (31, 1, 'HOLZDECKE, BEGEHBAR, gedämmt', '', 0, 0.25, 0.4, NULL, NULL, ''),
  (32, 1, 'Holzdecke', '', 0, 0.25, 0.9, NULL, NULL, '');
INSERT INTO [Steildach] VALUES
  (30, 0, 'Eigenes Steildach', '', 0, 0.2, 1.0, NULL, NULL, ''),
  (31, 1, 'Sparrensteildach, ungedämmt', '', 0, 0.2, 2.1, NULL, NULL, '');
INSERT INTO [Flachdach] VALUES
  (30, 0, 'Eigenes Flachdach', '', 1, 0, 0.2, 1.0, NULL, NULL, ''),
  (31, 1, 'Warmdach Holz', '', 1, 0, 0.2, 0.6, NULL, NULL, ''),
  (32, 1, 'Warmdach Beton', 'Beton', 1, 2, 0.3, 0.8, NULL, NULL, ''),
  (33, 1, 'Kaltdach', 'belüftet', 0, 1, 0.25, 0.7, NULL, NULL, '');
INSERT INTO [Flachdachschicht]([Flachdach-ID],[Name],[Position],[Dicke],[Lambda],[Mu])
  VALUES (33, 'Holz', 1, 0.024, 0.13, 40),
         (32, 'Beton', 1, 0.2, 2.1, 80),
         (32, 'Bitumen', 2, 0.01, 0.17, 50000);

-- Glazings and frames: the defaults with empty descriptions (g 0.6), a
-- longer name beginning with the default, a name stored twice, a user frame.
INSERT INTO [Verglasung] VALUES
  (3, 1, '2-fach Isolierverglasung', '', 2.9, 0.6, ''),
  (4, 1, '2-fach Isolierverglasung, Argon', 'Argon', 2.7, 0.76, ''),
  (5, 1, 'Dreifach', 'Drei Scheiben', 0.7, 0.5, ''),
  (6, 1, 'Dreifach', 'zweite', 0.9, 0.45, '');
INSERT INTO [Rahmen] VALUES
  (2, 0, 'Eigener Rahmen', '', 1.3, ''),
  (3, 1, 'Kunststoff', 'PVC', 1.8, '');

-- Boilers: a loss of 0.065 and the user's own boiler, both of fuel 5.
INSERT INTO [Heizkessel] VALUES
  (5, 1, 'Hackschnitzel', 'Schnitzel', 30, 0.065, 0.01, 0.012, 0, 5, 1990, 2000, ''),
  (6, 0, 'Eigener Kessel', 'selbst', 12, 0.07, 0.01, 0.01, 0, 5, NULL, NULL, '');
