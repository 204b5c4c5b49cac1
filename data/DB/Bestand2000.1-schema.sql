-- Existing-components data base (DB/Bestand2000.db): the tables the program
-- reads and writes. Column names keep their brackets, hyphens and blanks;
-- integers, flags and bytes are INTEGER, doubles REAL, texts TEXT (255
-- characters at most), dates ISO text.
-- Columns the program leaves unwritten when it appends a row have defaults.

-- Construction types. [Kategorie] 0 marks the user's own rows (the only ones
-- offered for deletion); [Schichtzahl] > 0 marks a type with a layer build-up.
CREATE TABLE [Boden] (
  [Boden-ID]    INTEGER PRIMARY KEY,
  [Kategorie]   INTEGER NOT NULL DEFAULT 0,
  [Name]        TEXT,
  [Langtext]    TEXT DEFAULT '',
  [Schichtzahl] INTEGER DEFAULT 0,
  [Dicke]       REAL,    -- m
  [kWert]       REAL,    -- W/(m²K)
  [BaujahrAb]   INTEGER,
  [BaujahrBis]  INTEGER,
  [Bitmappfad]  TEXT DEFAULT ''
);
CREATE TABLE [Decke] (
  [Decke-ID]    INTEGER PRIMARY KEY,
  [Kategorie]   INTEGER NOT NULL DEFAULT 0,
  [Name]        TEXT,
  [Langtext]    TEXT DEFAULT '',
  [Schichtzahl] INTEGER DEFAULT 0,
  [Dicke]       REAL,
  [kWert]       REAL,
  [BaujahrAb]   INTEGER,
  [BaujahrBis]  INTEGER,
  [Bitmappfad]  TEXT DEFAULT ''
);
CREATE TABLE [Flachdach] (
  [Flachdach-ID] INTEGER PRIMARY KEY,
  [Kategorie]   INTEGER NOT NULL DEFAULT 0,
  [Name]        TEXT,
  [Langtext]    TEXT DEFAULT '',
  [Warmdach]    INTEGER DEFAULT 1,  -- flag: 1 warm roof, 0 cold roof
  [Schichtzahl] INTEGER DEFAULT 0,
  [Dicke]       REAL,
  [kWert]       REAL,
  [BaujahrAb]   INTEGER,
  [BaujahrBis]  INTEGER,
  [Bitmappfad]  TEXT DEFAULT ''
);
CREATE TABLE [Steildach] (
  [Steildach-ID] INTEGER PRIMARY KEY,
  [Kategorie]   INTEGER NOT NULL DEFAULT 0,
  [Name]        TEXT,
  [Langtext]    TEXT DEFAULT '',
  [Schichtzahl] INTEGER DEFAULT 0,
  [Dicke]       REAL,
  [kWert]       REAL,
  [BaujahrAb]   INTEGER,
  [BaujahrBis]  INTEGER,
  [Bitmappfad]  TEXT DEFAULT ''
);
CREATE TABLE [Wand] (
  [Wand-ID]     INTEGER PRIMARY KEY,
  [Kategorie]   INTEGER NOT NULL DEFAULT 0,
  [Name]        TEXT,
  [Langtext]    TEXT DEFAULT '',
  [Schichtzahl] INTEGER DEFAULT 0,
  [Dicke]       REAL,
  [kWert]       REAL,
  [BaujahrAb]   INTEGER,
  [BaujahrBis]  INTEGER,
  [Bitmappfad]  TEXT DEFAULT ''
);

-- Layers of the construction types, innermost first by [Position].
-- [LfdNr] is assigned by the data base. The program deletes a type's layers
-- together with the type.
CREATE TABLE [Bodenschicht] (
  [LfdNr]      INTEGER PRIMARY KEY AUTOINCREMENT,
  [Boden-ID]   INTEGER,
  [Name]       TEXT,
  [Langtext]   TEXT DEFAULT '',
  [Position]   INTEGER,
  [Dicke]      REAL,     -- m
  [Lambda]     REAL,     -- W/(mK)
  [Mu]         REAL,
  [BitmapPfad] TEXT DEFAULT ''
);
CREATE TABLE [Deckeschicht] (
  [LfdNr]      INTEGER PRIMARY KEY AUTOINCREMENT,
  [Decke-ID]   INTEGER,
  [Name]       TEXT,
  [Langtext]   TEXT DEFAULT '',
  [Position]   INTEGER,
  [Dicke]      REAL,
  [Lambda]     REAL,
  [Mu]         REAL,
  [BitmapPfad] TEXT DEFAULT ''
);
CREATE TABLE [Flachdachschicht] (
  [LfdNr]      INTEGER PRIMARY KEY AUTOINCREMENT,
  [Flachdach-ID] INTEGER,
  [Name]       TEXT,
  [Langtext]   TEXT DEFAULT '',
  [Position]   INTEGER,
  [Dicke]      REAL,
  [Lambda]     REAL,
  [Mu]         INTEGER,  -- a whole number in this table
  [BitmapPfad] TEXT DEFAULT ''
);
CREATE TABLE [Steildachschicht] (
  [LfdNr]      INTEGER PRIMARY KEY AUTOINCREMENT,
  [Steildach-ID] INTEGER,
  [Name]       TEXT,
  [Langtext]   TEXT DEFAULT '',
  [Position]   INTEGER,
  [Dicke]      REAL,
  [Lambda]     REAL,
  [Mu]         REAL,
  [BitmapPfad] TEXT DEFAULT ''
);
CREATE TABLE [Wandschicht] (
  [LfdNr]      INTEGER PRIMARY KEY AUTOINCREMENT,
  [Wand-ID]    INTEGER,
  [Name]       TEXT,
  [Langtext]   TEXT DEFAULT '',
  [Position]   INTEGER,
  [Dicke]      REAL,
  [Lambda]     REAL,
  [Mu]         REAL,
  [BitmapPfad] TEXT DEFAULT ''
);
CREATE INDEX [Bodenschicht-Typ] ON [Bodenschicht]([Boden-ID], [Position]);
CREATE INDEX [Deckeschicht-Typ] ON [Deckeschicht]([Decke-ID], [Position]);
CREATE INDEX [Flachdachschicht-Typ] ON [Flachdachschicht]([Flachdach-ID], [Position]);
CREATE INDEX [Steildachschicht-Typ] ON [Steildachschicht]([Steildach-ID], [Position]);
CREATE INDEX [Wandschicht-Typ] ON [Wandschicht]([Wand-ID], [Position]);

-- Layer materials by category; the user's own materials get category 0.
CREATE TABLE [Schicht] (
  [LfdNr]      INTEGER PRIMARY KEY AUTOINCREMENT,
  [Kategorie]  INTEGER NOT NULL DEFAULT 0,  -- a [Kennummer], 0 .. 255
  [Name]       TEXT,
  [Langtext]   TEXT DEFAULT '',
  [Lambda]     REAL,   -- W/(mK)
  [Mu]         REAL,
  [Bitmappfad] TEXT DEFAULT ''
);
CREATE TABLE [Kategorie] (
  [Kennummer]   INTEGER PRIMARY KEY,  -- 0 .. 255
  [Bezeichnung] TEXT
);

-- Glazings and frames ([Kategorie] is a double in these two tables).
CREATE TABLE [Verglasung] (
  [VerglasungID] INTEGER PRIMARY KEY,
  [Kategorie]    REAL NOT NULL DEFAULT 0,
  [Name]         TEXT,
  [Langtext]     TEXT DEFAULT '',
  [k-Wert]       REAL,   -- W/(m²K)
  [g-Wert]       REAL,   -- fraction (0.6, not 60)
  [Bitmappfad]   TEXT DEFAULT ''
);
CREATE TABLE [Rahmen] (
  [RahmenID]   INTEGER PRIMARY KEY,
  [Kategorie]  REAL NOT NULL DEFAULT 0,
  [Name]       TEXT,
  [Langtext]   TEXT DEFAULT '',
  [k-Wert]     REAL,
  [Bitmappfad] TEXT DEFAULT ''
);

-- Boilers of existing buildings: either the three losses (with
-- [Kesselnutzungsgrad] 0) or the annual efficiency alone; all fractions.
CREATE TABLE [Heizkessel] (
  [HeizungID]            INTEGER PRIMARY KEY,
  [Kategorie]            INTEGER NOT NULL DEFAULT 0,
  [Name]                 TEXT,
  [Langtext]             TEXT DEFAULT '',
  [Kesselleistung]       REAL,   -- kW
  [Abgasverlust]         REAL DEFAULT 0,
  [Strahlungsverlust]    REAL DEFAULT 0,
  [Bereitschaftsverlust] REAL DEFAULT 0,
  [Kesselnutzungsgrad]   REAL DEFAULT 0,
  [Brennstoff]           INTEGER,  -- 0 Gas, 1 Öl, 2 Holz, 3 Strom, 4 sonstige,
                                   -- 5 Holz-Hackschnitzel, 6 Braunkohle, 7 Steinkohle
  [BaujahrAb]            INTEGER,
  [BaujahrBis]           INTEGER,
  [Bitmappfad]           TEXT DEFAULT ''
);

CREATE TABLE [Versionsnummer] (
  [ID]         INTEGER PRIMARY KEY,
  [Version-Nr] INTEGER,  -- 0 .. 255
  [Datum]      TEXT      -- ISO date
);
