-- Renovation-measure data base (DB/San2kvyke.db): the tables the program
-- reads and writes. [Langtext] holds up to 2048 characters, every other text
-- 255. The renovation pages append the user's measures without [KEA], [CO2],
-- [Bitmappfad] (and [Warmdach]); those columns have defaults.

-- Measures of the opaque components. [Innen], [Zwischen], [Aussen]: where the
-- measure is applied (1) - inside, as core or cavity fill, outside.
-- [kWert] is the thermal conductance (W/(m²K)) of the added layer at its
-- thickness, lambda / [Dicke]; costs in EUR and EUR per m² of component area,
-- [KEA] in kWh and [CO2] in kg per m² of component area.
CREATE TABLE [SanBoden] (
  [ID] INTEGER PRIMARY KEY, [Kategorie] INTEGER NOT NULL DEFAULT 0, [Name] TEXT,
  [Langtext] TEXT DEFAULT '',
  [Innen] INTEGER DEFAULT 0, [Zwischen] INTEGER DEFAULT 0, [Aussen] INTEGER DEFAULT 0,
  [Schichten] TEXT DEFAULT '', [kWert] REAL, [Dicke] REAL, [Lebensdauer] REAL,
  [Sowiesokostenfix] REAL DEFAULT 0, [Sowiesokosten] REAL DEFAULT 0,
  [Zusatzkostenfix] REAL DEFAULT 0, [Zusatzkosten] REAL DEFAULT 0,
  [KEA] REAL DEFAULT 0, [CO2] REAL DEFAULT 0, [Bitmappfad] TEXT DEFAULT ''
);
CREATE TABLE [SanDecke] (
  [ID] INTEGER PRIMARY KEY, [Kategorie] INTEGER NOT NULL DEFAULT 0, [Name] TEXT,
  [Langtext] TEXT DEFAULT '',
  [Innen] INTEGER DEFAULT 0, [Zwischen] INTEGER DEFAULT 0, [Aussen] INTEGER DEFAULT 0,
  [Schichten] TEXT DEFAULT '', [kWert] REAL, [Dicke] REAL, [Lebensdauer] REAL,
  [Sowiesokostenfix] REAL DEFAULT 0, [Sowiesokosten] REAL DEFAULT 0,
  [Zusatzkostenfix] REAL DEFAULT 0, [Zusatzkosten] REAL DEFAULT 0,
  [KEA] REAL DEFAULT 0, [CO2] REAL DEFAULT 0, [Bitmappfad] TEXT DEFAULT ''
);
CREATE TABLE [SanSteildach] (
  [ID] INTEGER PRIMARY KEY, [Kategorie] INTEGER NOT NULL DEFAULT 0, [Name] TEXT,
  [Langtext] TEXT DEFAULT '',
  [Innen] INTEGER DEFAULT 0, [Zwischen] INTEGER DEFAULT 0, [Aussen] INTEGER DEFAULT 0,
  [Schichten] TEXT DEFAULT '', [kWert] REAL, [Dicke] REAL, [Lebensdauer] REAL,
  [Sowiesokostenfix] REAL DEFAULT 0, [Sowiesokosten] REAL DEFAULT 0,
  [Zusatzkostenfix] REAL DEFAULT 0, [Zusatzkosten] REAL DEFAULT 0,
  [KEA] REAL DEFAULT 0, [CO2] REAL DEFAULT 0, [Bitmappfad] TEXT DEFAULT ''
);
CREATE TABLE [SanWand] (
  [ID] INTEGER PRIMARY KEY, [Kategorie] INTEGER NOT NULL DEFAULT 0, [Name] TEXT,
  [Langtext] TEXT DEFAULT '',
  [Innen] INTEGER DEFAULT 0, [Zwischen] INTEGER DEFAULT 0, [Aussen] INTEGER DEFAULT 0,
  [Schichten] TEXT DEFAULT '', [kWert] REAL, [Dicke] REAL, [Lebensdauer] REAL,
  [Sowiesokostenfix] REAL DEFAULT 0, [Sowiesokosten] REAL DEFAULT 0,
  [Zusatzkostenfix] REAL DEFAULT 0, [Zusatzkosten] REAL DEFAULT 0,
  [KEA] REAL DEFAULT 0, [CO2] REAL DEFAULT 0, [Bitmappfad] TEXT DEFAULT ''
);
-- Flat roofs: [Warmdach] 1 for warm roofs (the default flat roof), 0 for cold roofs.
CREATE TABLE [SanFlachdach] (
  [ID] INTEGER PRIMARY KEY, [Kategorie] INTEGER NOT NULL DEFAULT 0, [Name] TEXT,
  [Langtext] TEXT DEFAULT '', [Warmdach] INTEGER DEFAULT 1,
  [Innen] INTEGER DEFAULT 0, [Zwischen] INTEGER DEFAULT 0, [Aussen] INTEGER DEFAULT 0,
  [Schichten] TEXT DEFAULT '', [kWert] REAL, [Dicke] REAL, [Lebensdauer] REAL,
  [Sowiesokostenfix] REAL DEFAULT 0, [Sowiesokosten] REAL DEFAULT 0,
  [Zusatzkostenfix] REAL DEFAULT 0, [Zusatzkosten] REAL DEFAULT 0,
  [KEA] REAL DEFAULT 0, [CO2] REAL DEFAULT 0, [Bitmappfad] TEXT DEFAULT ''
);

-- Window measures: new glazing, with ([Rahmenaustausch] 1) or without a new
-- frame; costs, [KEA] and [CO2] per m² of window area.
CREATE TABLE [SanFenster] (
  [FensterID] INTEGER PRIMARY KEY, [Kategorie] INTEGER NOT NULL DEFAULT 0, [Name] TEXT,
  [Langtext] TEXT DEFAULT '',
  [kWertGlas] REAL, [gWert] REAL, [kWertRahmen] REAL,
  [Rahmenaustausch] INTEGER DEFAULT 0,  -- flag 0/1
  [Lebensdauer] REAL,
  [Sowiesokostenfix] REAL DEFAULT 0, [Sowiesokosten] REAL DEFAULT 0,
  [Zusatzkostenfix] REAL DEFAULT 0, [Zusatzkosten] REAL DEFAULT 0,
  [KEA] REAL DEFAULT 0, [CO2] REAL DEFAULT 0, [Bitmappfad] TEXT DEFAULT ''
);

-- Replacement boilers, offered for required powers from [Leistung ab] to
-- [Leistung bis] kW (both included); losses and efficiency as fractions,
-- [Preis] in EUR, [KEA] in kWh and [CO2] in kg per boiler.
CREATE TABLE [SanHeizkessel] (
  [HeizungID] INTEGER PRIMARY KEY, [Kategorie] INTEGER NOT NULL DEFAULT 0, [Name] TEXT,
  [Langtext] TEXT DEFAULT '',
  [Leistung ab] REAL, [Leistung bis] REAL,
  [Abgasverlust] REAL DEFAULT 0, [Strahlungsverlust] REAL DEFAULT 0,
  [Bereitschaftsverlust] REAL DEFAULT 0, [Kesselnutzungsgrad] REAL DEFAULT 0,
  [Brennstoff] INTEGER, [Preis] REAL, [Lebensdauer] REAL,
  [KEA] REAL DEFAULT 0, [CO2] REAL DEFAULT 0, [Bitmappfad] TEXT DEFAULT ''
);
CREATE INDEX [SanHeizkessel-Brennstoff] ON [SanHeizkessel]([Brennstoff], [Leistung ab]);
