-- Small renovation-measure data base for the record-set tests (rows on top of
-- the shipped schema). Values are made up for the cases, not for use.

INSERT INTO [SanWand]([ID],[Kategorie],[Name],[Innen],[Zwischen],[Aussen],[kWert],[Dicke])
  VALUES (1, 1, 'aussen', 0, 0, 1, 0.35, 0.10),
         (2, 1, 'innen', 1, 0, 0, 0.8, 0.05),
         (3, 1, 'kern', 0, 1, 0, 0.6, 0.06),
         (4, 1, 'innen und aussen', 1, 0, 1, 0.5, 0.08),
         (5, 1, 'nirgends', 0, 0, 0, 1.0, 0.01);
INSERT INTO [SanBoden] SELECT * FROM [SanWand];
INSERT INTO [SanDecke] SELECT * FROM [SanWand];
INSERT INTO [SanSteildach] SELECT * FROM [SanWand];

INSERT INTO [SanFlachdach]([ID],[Kategorie],[Name],[Warmdach],[Innen],[Zwischen],[Aussen],[kWert],[Dicke])
  VALUES (1, 1, 'warm aussen', 1, 0, 0, 1, 0.2, 0.16),
         (2, 1, 'kalt zwischen', 0, 0, 1, 0, 0.25, 0.14),
         (3, 1, 'warm innen', 1, 1, 0, 0, 0.5, 0.06),
         (4, 1, 'kalt aussen', 0, 0, 0, 1, 0.2, 0.16);

INSERT INTO [SanFenster]([FensterID],[Kategorie],[Name],[kWertGlas],[gWert],[kWertRahmen],[Rahmenaustausch])
  VALUES (1, 1, 'nur Glas', 1.1, 0.6, 0, 0),
         (2, 1, 'mit Rahmen', 1.1, 0.6, 1.3, 1),
         (3, 1, 'auch nur Glas', 0.7, 0.5, 0, 0);

INSERT INTO [SanHeizkessel]([HeizungID],[Kategorie],[Name],[Leistung ab],[Leistung bis],
    [Kesselnutzungsgrad],[Brennstoff],[Preis],[Lebensdauer])
  VALUES (1, 1, 'Gas klein', 5, 15, 0.96, 0, 4000, 20),
         (2, 1, 'Gas gross', 15, 35, 0.96, 0, 6000, 20),
         (3, 1, 'Öl', 10, 30, 0.93, 1, 7000, 20);
