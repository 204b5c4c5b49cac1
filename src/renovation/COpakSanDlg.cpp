#include "renovation/COpakSanDlg.h"

#include "database/CDatenbankDialog.h"
#include "database/Datenbankdateien.h"
#include "model/Haus.h"
#include "platform/Meldung.h"
#include "platform/SqlDatabase.h"
#include "platform/SqlRecordset.h"
#include "renovation/Seitenhilfen.h"
#include "shell/CMainFrame.h"
#include "ui/SteuerelementId.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace zeva {

namespace {

COpakSanDlg::GlaserAnzeige& Glaseranzeige()
{
    static COpakSanDlg::GlaserAnzeige anzeige;
    return anzeige;
}

const OpakeSeitenArt FlachdachArt{SanGruppe::Flachdach, "Flachdach", "Sanierungsmaßnahme für Flachdach Nr. ",
                                  "Bitte die zu sanierenden Flachdächer bestimmen!", true, false};
const OpakeSeitenArt SteildachArt{SanGruppe::Steildach, "Steildach", "Sanierungsmaßnahme für Steildach Nr. ",
                                  "Bitte die zu sanierenden Steildächer bestimmen!", true, false};
const OpakeSeitenArt DeckeArt{SanGruppe::Decke, "Decke", "Sanierungsmaßnahme für Decke Nr. ",
                              "Bitte die zu sanierenden Decken bestimmen!", false, false};
const OpakeSeitenArt WandArt{SanGruppe::Wand, "Wand", "Sanierungsmaßnahme für Wand Nr. ",
                             "Bitte die zu sanierenden Wände bestimmen!", true, true};
const OpakeSeitenArt BodenArt{SanGruppe::Boden, "Boden", "Sanierungsmaßnahme für Boden Nr. ",
                              "Bitte die zu sanierenden Böden bestimmen !", false, false};

std::unique_ptr<CSanierungDBDlg> ErzeugeBrowseDialog(SanGruppe gruppe, QWidget* eltern)
{
    switch (gruppe) {
    case SanGruppe::Boden: return std::make_unique<CBodenSanDBDlg>(eltern);
    case SanGruppe::Decke: return std::make_unique<CDeckeSanDBDlg>(eltern);
    case SanGruppe::Flachdach: return std::make_unique<CFlachdachSanDBDlg>(eltern);
    case SanGruppe::Steildach: return std::make_unique<CSteildachSanDBDlg>(eltern);
    case SanGruppe::Wand: return std::make_unique<CWandSanDBDlg>(eltern);
    }
    return nullptr;
}

constexpr const char* OeffnenFehler = "Unbestimmter Fehler beim Öffnen von DB/San2kvyke.db.";
constexpr const char* DaoFehler = "DAO-Fehler beim Öffnen von DB/San2kvyke.db. Original-Fehlermeldung: \n ";
constexpr const char* NichtVeraenderbar = "Fehler, Datenbank kann nicht verändert werden!";

} // namespace

void COpakSanDlg::SetzeGlaserAnzeige(GlaserAnzeige anzeige)
{
    Glaseranzeige() = std::move(anzeige);
}

COpakSanDlg::COpakSanDlg(Seitenbesitzer& besitzer, const OpakeSeitenArt& art)
    : CSanierungsSeite(besitzer), m_art(art)
{
    m_Liste = ErzeugeBauteilliste(this, 1110);

    m_Gruppe = new QGroupBox(QStringLiteral("Sanierungsmaßnahme"), this);
    SetzeId(m_Gruppe, 1226);
    auto* raster = new QGridLayout(m_Gruppe);
    m_BezeichnungEdit = Massnahmenfeld(m_Gruppe, 1164);
    m_UWertEdit = Massnahmenfeld(m_Gruppe, 1169);
    m_DickeEdit = Massnahmenfeld(m_Gruppe, 1166);
    m_MuEdit = Massnahmenfeld(m_Gruppe, 1057);
    m_FlaechenpreisEdit = Massnahmenfeld(m_Gruppe, 1160);
    m_LebensdauerEdit = Massnahmenfeld(m_Gruppe, 1161);
    auto zeile = [&](int r, int spalte, const char* text, QLineEdit* feld, const char* einheit) {
        raster->addWidget(new QLabel(QString::fromUtf8(text), m_Gruppe), r, spalte);
        raster->addWidget(feld, r, spalte + 1);
        if (einheit != nullptr)
            raster->addWidget(new QLabel(QString::fromUtf8(einheit), m_Gruppe), r, spalte + 2);
    };
    raster->addWidget(new QLabel(QStringLiteral("Bezeichnung:"), m_Gruppe), 0, 0);
    raster->addWidget(m_BezeichnungEdit, 0, 1, 1, 6);
    zeile(1, 0, "U-Wert:", m_UWertEdit, "W/m²K");
    zeile(2, 0, "Dicke:", m_DickeEdit, "cm");
    zeile(3, 0, "µ - Wert:", m_MuEdit, nullptr);
    zeile(1, 3, "Flächenpreis:", m_FlaechenpreisEdit, "EUR/m²");
    zeile(2, 3, "Lebensdauer:", m_LebensdauerEdit, "a");

    auto* ort = new QGroupBox(QStringLiteral("Verwendungsort"), m_Gruppe);
    auto* ortLayout = new QVBoxLayout(ort);
    m_Innen = new QRadioButton(QStringLiteral("Innenbereich"), ort);
    m_Aussen = new QRadioButton(QStringLiteral("Aussenbereich"), ort);
    m_Zwischen = new QRadioButton(QStringLiteral("Zwischenbereich"), ort);
    SetzeId(m_Innen, 1216);
    SetzeId(m_Aussen, 1217);
    SetzeId(m_Zwischen, 1218);
    ortLayout->addWidget(m_Innen);
    ortLayout->addWidget(m_Aussen);
    ortLayout->addWidget(m_Zwischen);
    raster->addWidget(ort, 1, 6, 3, 1);

    m_GlaserButton = new QPushButton(QStringLiteral("Glaser-Diagramm"), this);
    SetzeId(m_GlaserButton, 1121);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(m_GlaserButton);
    m_LoeschenButton = Loeschknopf(this, knoepfe);
    OrdneMassnahmenseiteAn(this, m_Liste, m_Gruppe, knoepfe);

    connect(m_Liste, &QTreeWidget::currentItemChanged, this, [this] { OnListeGeaendert(); });
    connect(m_Liste, &QTreeWidget::itemSelectionChanged, this, [this] { OnListeGeaendert(); });
    connect(m_LoeschenButton, &QPushButton::clicked, this, [this] { OnLoeschen(); });
    connect(m_GlaserButton, &QPushButton::clicked, this, [this] { OnGlaser(); });
}

void COpakSanDlg::DoDataExchange(DatenAustausch& dx)
{
    dx.Text(m_BezeichnungEdit, m_Bezeichnung);
    // U-values with the program's three decimals; an untouched field keeps the measure's own value.
    dx.GerundeteZahl(m_UWertEdit, m_UWert, UWertText(m_UWert));
    if (m_art.gruppe == SanGruppe::Boden)
        dx.Zahl(m_DickeEdit, m_Dicke, 0, 100000);
    else
        dx.Zahl(m_DickeEdit, m_Dicke);
    dx.Zahl(m_MuEdit, m_Mu, 0, 1000000);
    dx.Zahl(m_FlaechenpreisEdit, m_Flaechenpreis, 0, 1000000);
    dx.Zahl(m_LebensdauerEdit, m_Lebensdauer);
    dx.Optionsgruppe({m_Innen, m_Aussen, m_Zwischen}, m_nVerwendungsort);
}

void COpakSanDlg::Initialisiere()
{
    m_nAktuell = 0;
    m_nBrowse = -1;
    if (m_art.glaser)
        m_GlaserButton->setEnabled(Anzahl() > 0);
    else
        m_GlaserButton->hide();
    if (m_art.wand)
        m_nVerwendungsort = 0;
    UpdateData(false);
}

void COpakSanDlg::ZeigeZeile(int i)
{
    QTreeWidgetItem* eintrag = m_Liste->topLevelItem(i);
    if (eintrag == nullptr)
        return;
    const BauteilDaten d = Daten(i);
    const auto texte = Zeilentexte(i, d.kurzname, d.name, Massnahme(i, Variante()), m_art.glaser);
    for (int s = 0; s < 6; ++s)
        eintrag->setText(s, QString::fromStdString(texte[static_cast<std::size_t>(s)]));
}

void COpakSanDlg::Aktualisiere()
{
    if (FuelleBauteilliste(m_Liste, Anzahl(), m_nAktuell, [this](int i) { ZeigeZeile(i); }))
        OnListeGeaendert();
}

void COpakSanDlg::SetzeFelderAktiv(bool aktiv)
{
    for (QLineEdit* feld : {m_BezeichnungEdit, m_UWertEdit, m_DickeEdit, m_MuEdit, m_FlaechenpreisEdit,
                            m_LebensdauerEdit})
        feld->setEnabled(aktiv);
}

void COpakSanDlg::OnListeGeaendert()
{
    const std::vector<int> auswahl = AusgewaehlteZeilen(m_Liste);
    if (m_art.wand && auswahl.size() > 1) {
        // Several walls: no single measure to show.
        m_Gruppe->setTitle(QStringLiteral("Mehrere Wände (%1 - %2) ausgewählt: , keine Detailausgabe möglich!")
                               .arg(auswahl.front() + 1)
                               .arg(auswahl.back() + 1));
        m_Bezeichnung.clear();
        m_UWert = m_Dicke = m_Mu = m_Flaechenpreis = m_Lebensdauer = 0;
        UpdateData(false);
        SetzeFelderAktiv(false);
        m_GlaserButton->setEnabled(false);
        return;
    }
    const int aktuell = m_Liste->indexOfTopLevelItem(m_Liste->currentItem());
    if (aktuell >= 0) {
        m_nAktuell = aktuell;
        ZeigeMassnahme();
        Besitzer().AktualisiereDBKnoepfe();
    }
    if (m_art.glaser)
        m_GlaserButton->setEnabled(Anzahl() > 0);
}

void COpakSanDlg::ZeigeMassnahme()
{
    if (Anzahl() == 0 || m_nAktuell < 0 || m_nAktuell >= Anzahl())
        return;
    const BauteilDaten w = Daten(m_nAktuell);
    m_Gruppe->setTitle(QString::fromUtf8(m_art.ueberschrift) + QString::number(m_nAktuell + 1));
    const DSBauteilOpaque* m = Massnahme(m_nAktuell, Variante());
    if (m != nullptr && !m->Name.empty()) {
        m_Bezeichnung = m->Name;
        m_Dicke = 100 * m->Dicke;
        m_UWert = m->kWert;
        m_Flaechenpreis = m->PreisProQm;
        m_Lebensdauer = m->Lebensdauer;
        m_nVerwendungsort = m->Verwendung;
    } else {
        if (w.sanbarInnen != 0)
            m_nVerwendungsort = 0;
        if (w.sanbarAussen != 0)
            m_nVerwendungsort = 1;
        if (w.sanbarZwischen != 0)
            m_nVerwendungsort = 2;
        m_Bezeichnung.clear();
        m_Dicke = m_UWert = m_Flaechenpreis = m_Lebensdauer = 0;
    }
    m_Mu = m != nullptr ? MuAusSchichten(m->Schichten) : 0;
    UpdateData(false);
    SetzeFelderAktiv(HatSanbar(w));
}

bool COpakSanDlg::HatAuswahl() const
{
    if (Anzahl() == 0 || m_nAktuell < 0 || m_nAktuell >= Anzahl())
        return false;
    return HatSanbar(Daten(m_nAktuell));
}

void COpakSanDlg::OnAusDB()
{
    const std::vector<int> auswahl = AusgewaehlteZeilen(m_Liste);
    if (auswahl.empty()) {
        Meldung::Hinweis(QString::fromUtf8(m_art.keineAuswahl), Meldung::Symbol::Ausruf, this);
        return;
    }
    std::unique_ptr<CSanierungDBDlg> dialog = ErzeugeBrowseDialog(m_art.gruppe, this);
    for (int i : auswahl) {
        const BauteilDaten d = Daten(i);
        dialog->m_bInnen |= d.sanbarInnen != 0 ? 1 : 0;
        dialog->m_bAussen |= d.sanbarAussen != 0 ? 1 : 0;
        dialog->m_bZwischen |= d.sanbarZwischen != 0 ? 1 : 0;
    }
    if (auto* flachdach = dynamic_cast<CFlachdachSanDBDlg*>(dialog.get()))
        for (int i : auswahl)
            flachdach->m_bWarmdach |= Arbeitshaus().m_aFlachdach[static_cast<std::size_t>(i)].Warmdach != 0 ? 1 : 0;
    dialog->m_nVariante = Variante();
    dialog->m_nAuswahl = m_nBrowse;
    if (dialog->exec() == QDialog::Accepted && dialog->HatZeile()) {
        const SanZeileOpaque zeile = dialog->Zeile();
        for (int i : auswahl) {
            DSBauteilOpaque* m = Massnahme(i, Variante());
            if (m == nullptr)
                continue;
            const BauteilDaten d = Daten(i);
            WendeAuswahlAn(*m, zeile, dialog->m_Preisfix, dialog->m_PreisProQm, d.flaeche, d.schicht, *d.schichten,
                           m_art.wand);
            ZeigeZeile(i);
        }
        ZeigeMassnahme();
    }
    m_nBrowse = dialog->GetAuswahl();
}

void COpakSanDlg::OnLoeschen()
{
    for (int i : AusgewaehlteZeilen(m_Liste)) {
        DSBauteilOpaque* m = Massnahme(i, Variante());
        const DSBauteilOpaque* leer = Massnahme(i, 0);
        if (m == nullptr || leer == nullptr || m == leer)
            continue;
        m->Kopiere(*leer);
        ZeigeZeile(i);
    }
    ZeigeMassnahme();
}

bool COpakSanDlg::PruefeSeite()
{
    if (!m_art.wand)
        return true;
    for (int i = 0; i < Anzahl(); ++i) {
        const BauteilDaten w = Daten(i);
        const DSBauteilOpaque* m = Massnahme(i, Variante());
        if (m == nullptr || m->Verwendung != DSBauteilOpaque::Zwischen || w.schicht == 0)
            continue;
        const double luft = Luftschichtdicke(*w.schichten);
        if (std::fabs(luft - m->Dicke) > 0.001) {
            const QString frage = QStringLiteral("Die Dicke der Luftschicht(en) in ") + QString::fromUtf8(m_art.wort) +
                                  QStringLiteral(" Nr. ") + QString::number(i + 1) +
                                  QStringLiteral(" stimmt nicht mit der Dicke der Zwischenraumdämmung überein. "
                                                 "Trotzdem fortsetzen?");
            if (!Meldung::Frage(frage, QMessageBox::No, Meldung::Symbol::Vorgabe, this))
                return false;
        }
    }
    return true;
}

void COpakSanDlg::OnGlaser()
{
    if (!m_art.glaser || m_nAktuell < 0 || m_nAktuell >= Anzahl())
        return;
    const double ergebnis = BerechneTauwasser(m_nAktuell, Variante());
    // Only a measure keeps a result: an empty slot must stay empty.
    if (DSBauteilOpaque* m = Massnahme(m_nAktuell, Variante()); m != nullptr && !m->IstLeer())
        m->Tauwassermenge = ergebnis;
    if (Glaseranzeige())
        Glaseranzeige()(m_Glaser, &Besitzer().Rahmen());
}

void COpakSanDlg::OnNachDB()
{
    if (!UpdateData(true))
        return;
    auto oops = [this](const char* text) {
        Meldung::Hinweis(QString::fromUtf8(text), Meldung::Symbol::Keins, this, QString::fromUtf8(TitelOops));
    };
    if (m_Bezeichnung.empty())
        return oops("Bitte Sanierungsmaßnahme benennen!");
    if (m_Bezeichnung.find_first_of("/;") != std::string::npos)
        return oops("Die Bezeichnung darf kein '/' oder ';' enthalten!");
    if (m_Dicke == 0)
        return oops("Bitte eine von 0 verschiedene Dicke eingeben!");
    if (m_Flaechenpreis == 0)
        return oops("Bitte einen Flächenpreis angeben!");
    if (m_Lebensdauer == 0)
        return oops("Bitte eine von 0 verschiedene Lebensdauer eingeben!");
    if (m_Mu == 0)
        return oops("µ sollte von 0 verschieden sein!");
    if (!(m_UWert > 0))
        return oops("Bitte einen U-Wert grösser 0 eingeben!");

    const SanGruppe gruppe = m_art.gruppe;
    SchreibeEigeneMassnahme(
        this, [gruppe](SqlDatabase* db) { return ErzeugeSanierungsSet(gruppe, db); }, "ID",
        [this](SqlRecordset& set) {
            set.SetField("Kategorie", 0LL);
            set.SetField("Name", m_Bezeichnung);
            set.SetField("Langtext", std::string("Benutzerdefinierte Sanierungsmaßnahme!!!"));
            if (m_nVerwendungsort >= 0 && m_nVerwendungsort <= 2) {
                set.SetField("Innen", m_nVerwendungsort == 0 ? 1LL : 0LL);
                set.SetField("Zwischen", m_nVerwendungsort == 2 ? 1LL : 0LL);
                set.SetField("Aussen", m_nVerwendungsort == 1 ? 1LL : 0LL);
            }
            set.SetField("Schichten", EigeneSchichten(m_Bezeichnung, m_nVerwendungsort, m_Dicke, m_UWert, m_Mu));
            set.SetField("kWert", m_UWert);
            set.SetField("Dicke", m_Dicke * 0.01);
            set.SetField("Lebensdauer", m_Lebensdauer);
            set.SetField("Sowiesokostenfix", 0.0);
            set.SetField("Sowiesokosten", 0.0);
            set.SetField("Zusatzkostenfix", 0.0);
            set.SetField("Zusatzkosten", m_Flaechenpreis);
        });
}

bool SchreibeEigeneMassnahme(QWidget* eltern,
                             const std::function<std::unique_ptr<SqlRecordset>(SqlDatabase*)>& erzeuge,
                             const std::string& schluessel, const std::function<void(SqlRecordset&)>& setze)
{
    SqlDatabase db;
    try {
        const auto datei = Sanierungsdatenbankdatei();
        db.Open(datei, NurZumLesen(datei));
    } catch (const SqlError& fehler) {
        Meldung::Hinweis(QString::fromStdString(fehler.Meldung()), Meldung::Symbol::Vorgabe, eltern);
        return false;
    }
    std::unique_ptr<SqlRecordset> set = erzeuge(&db);
    bool offen = false;
    try {
        set->Open();
        offen = true;
    } catch (const SqlError& fehler) {
        Meldung::Hinweis(QString::fromUtf8(DaoFehler) + QString::fromStdString(fehler.what()), Meldung::Symbol::Vorgabe,
                         eltern);
    } catch (const std::exception&) {
        Meldung::Hinweis(QString::fromUtf8(OeffnenFehler), Meldung::Symbol::Vorgabe, eltern);
    }
    if (!offen || !set->CanAppend()) {
        Meldung::Hinweis(QString::fromUtf8(NichtVeraenderbar), Meldung::Symbol::Vorgabe, eltern);
        set->Close();
        db.Close();
        return false;
    }
    bool gespeichert = false;
    try {
        set->AddNew();
        setze(*set);
        set->UpdateWithNewKey(schluessel);
        gespeichert = true;
    } catch (const std::exception& fehler) {
        const auto* sql = dynamic_cast<const SqlError*>(&fehler);
        Meldung::Hinweis(sql != nullptr ? QString::fromStdString(sql->Meldung()) : QString::fromLocal8Bit(fehler.what()),
                         Meldung::Symbol::Stopp, eltern);
    }
    set->Close();
    set.reset();
    db.Close();
    return gespeichert;
}

CFlachdachSanDlg::CFlachdachSanDlg(Seitenbesitzer& besitzer) : COpakSanSeite(besitzer, FlachdachArt) {}
CSteildachSanDlg::CSteildachSanDlg(Seitenbesitzer& besitzer) : COpakSanSeite(besitzer, SteildachArt) {}
CDeckeSanDlg::CDeckeSanDlg(Seitenbesitzer& besitzer) : COpakSanSeite(besitzer, DeckeArt) {}
CWandSanDlg::CWandSanDlg(Seitenbesitzer& besitzer) : COpakSanSeite(besitzer, WandArt) {}
CBodenSanDlg::CBodenSanDlg(Seitenbesitzer& besitzer) : COpakSanSeite(besitzer, BodenArt) {}

} // namespace zeva
