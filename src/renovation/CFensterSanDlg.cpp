#include "renovation/CFensterSanDlg.h"

#include "database/CDatenbankDialog.h"
#include "database/CFensterSanDBDlg.h"
#include "database/XDBFensterSanSet.h"
#include "model/Haus.h"
#include "platform/Meldung.h"
#include "platform/SqlRecordset.h"
#include "renovation/COpakSanDlg.h"
#include "renovation/ManuelleSanierung.h"
#include "renovation/Seitenhilfen.h"
#include "renovation/Variantenrechnung.h"
#include "ui/SteuerelementId.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zeva {

CFensterSanDlg::CFensterSanDlg(Seitenbesitzer& besitzer) : CSanierungsSeite(besitzer)
{
    m_Liste = ErzeugeBauteilliste(this, 1231);

    m_Gruppe = new QGroupBox(QStringLiteral("Sanierungsmaßnahme"), this);
    SetzeId(m_Gruppe, 1226);
    auto* raster = new QGridLayout(m_Gruppe);
    m_BezeichnungEdit = Massnahmenfeld(m_Gruppe, 1106);
    m_UGlasEdit = Massnahmenfeld(m_Gruppe, 1229);
    m_URahmenEdit = Massnahmenfeld(m_Gruppe, 1054);
    m_gWertEdit = Massnahmenfeld(m_Gruppe, 1075);
    m_RahmenanteilEdit = Massnahmenfeld(m_Gruppe, 1232);
    m_SockelpreisEdit = Massnahmenfeld(m_Gruppe, 1057);
    m_FlaechenpreisEdit = Massnahmenfeld(m_Gruppe, 1055);
    m_LebensdauerEdit = Massnahmenfeld(m_Gruppe, 1056);
    auto zeile = [&](int r, int spalte, const char* text, QLineEdit* feld, const char* einheit) {
        auto* label = new QLabel(QString::fromUtf8(text), m_Gruppe);
        label->setBuddy(feld);
        raster->addWidget(label, r, spalte);
        raster->addWidget(feld, r, spalte + 1);
        raster->addWidget(new QLabel(QString::fromUtf8(einheit), m_Gruppe), r, spalte + 2);
    };
    raster->addWidget(new QLabel(QStringLiteral("Bezeichnung:"), m_Gruppe), 0, 0);
    raster->addWidget(m_BezeichnungEdit, 0, 1, 1, 5);
    zeile(1, 0, "U-Wert &Glas:", m_UGlasEdit, "W/m²K");
    zeile(2, 0, "U-Wert &Rahmen:", m_URahmenEdit, "W/m²K");
    zeile(3, 0, "g-&Wert:", m_gWertEdit, "%");
    zeile(4, 0, "Rahmenanteil:", m_RahmenanteilEdit, "%");
    zeile(1, 3, "Sockelpreis", m_SockelpreisEdit, "EUR");
    zeile(2, 3, "Flächenpreis:", m_FlaechenpreisEdit, "EUR/m²");
    zeile(3, 3, "Lebensdauer:", m_LebensdauerEdit, "a");

    auto* knoepfe = new QHBoxLayout;
    m_LoeschenButton = Loeschknopf(this, knoepfe);
    OrdneMassnahmenseiteAn(this, m_Liste, m_Gruppe, knoepfe);

    connect(m_Liste, &QTreeWidget::currentItemChanged, this, [this] { OnListeGeaendert(); });
    connect(m_LoeschenButton, &QPushButton::clicked, this, [this] { OnLoeschen(); });
}

void CFensterSanDlg::DoDataExchange(DatenAustausch& dx)
{
    dx.Text(m_BezeichnungEdit, m_Bezeichnung, 30);
    // U-values with the program's three decimals; an untouched field keeps the measure's own value.
    dx.GerundeteZahl(m_UGlasEdit, m_UGlas, UWertText(m_UGlas), 0, 1000000);
    dx.GerundeteZahl(m_URahmenEdit, m_URahmen, UWertText(m_URahmen), 0, 1000000);
    dx.Zahl(m_gWertEdit, m_gWertProzent, 0, 100);
    dx.Zahl(m_RahmenanteilEdit, m_RahmenanteilProzent, 0, 100);
    dx.Zahl(m_SockelpreisEdit, m_Sockelpreis, 0, 1000000);
    dx.Zahl(m_FlaechenpreisEdit, m_Flaechenpreis, 0, 1000000);
    dx.Zahl(m_LebensdauerEdit, m_Lebensdauer, 0, 100);
}

int CFensterSanDlg::Anzahl() const
{
    return static_cast<int>(Arbeitshaus().m_aFenster.size());
}

DFenster& CFensterSanDlg::Fenster(int i) const
{
    return Arbeitshaus().m_aFenster[static_cast<std::size_t>(i)];
}

DSFenster* CFensterSanDlg::Massnahme(int i, int v) const
{
    if (i < 0 || i >= Anzahl())
        return nullptr;
    return MassnahmeSlot(Fenster(i), v);
}

void CFensterSanDlg::Initialisiere()
{
    m_nAktuell = 0;
    m_nBrowse = -1;
}

void CFensterSanDlg::ZeigeZeile(int i)
{
    QTreeWidgetItem* eintrag = m_Liste->topLevelItem(i);
    if (eintrag == nullptr || i >= Anzahl())
        return;
    const auto texte = Fensterzeilentexte(i, Fenster(i), Massnahme(i, Variante()));
    for (int s = 0; s < 6; ++s)
        eintrag->setText(s, QString::fromStdString(texte[static_cast<std::size_t>(s)]));
}

void CFensterSanDlg::Aktualisiere()
{
    if (FuelleBauteilliste(m_Liste, Anzahl(), m_nAktuell, [this](int i) { ZeigeZeile(i); }))
        OnListeGeaendert();
}

void CFensterSanDlg::OnListeGeaendert()
{
    const int aktuell = m_Liste->indexOfTopLevelItem(m_Liste->currentItem());
    if (aktuell < 0)
        return;
    m_nAktuell = aktuell;
    ZeigeMassnahme();
    Besitzer().AktualisiereDBKnoepfe();
}

void CFensterSanDlg::ZeigeMassnahme()
{
    if (Anzahl() == 0 || m_nAktuell < 0 || m_nAktuell >= Anzahl())
        return;
    m_Gruppe->setTitle(QStringLiteral("Sanierungsmaßnahme für Fenster Nr. ") + QString::number(m_nAktuell + 1));
    const DSFenster* m = Massnahme(m_nAktuell, Variante());
    if (m != nullptr && !m->Name.empty()) {
        m_Bezeichnung = m->Name;
        m_UGlas = m->kWertGlas;
        m_gWertProzent = 100 * m->gWert;
        m_RahmenanteilProzent = 100 * m->Rahmenanteil;
        m_URahmen = m->kWertRahmen;
        m_Sockelpreis = m->Preisfix;
        m_Flaechenpreis = m->PreisProQm;
        m_Lebensdauer = m->Lebensdauer;
    } else {
        // An empty measure shows zeros.
        m_Bezeichnung.clear();
        m_UGlas = m_URahmen = m_gWertProzent = m_RahmenanteilProzent = 0;
        m_Sockelpreis = m_Flaechenpreis = m_Lebensdauer = 0;
    }
    UpdateData(false);
    const bool aktiv = Fenster(m_nAktuell).Sanbar != 0;
    for (QLineEdit* feld : {m_BezeichnungEdit, m_UGlasEdit, m_URahmenEdit, m_gWertEdit, m_RahmenanteilEdit,
                            m_SockelpreisEdit, m_FlaechenpreisEdit, m_LebensdauerEdit})
        feld->setEnabled(aktiv);
}

bool CFensterSanDlg::HatAuswahl() const
{
    if (Anzahl() == 0 || m_nAktuell < 0 || m_nAktuell >= Anzahl())
        return false;
    return Fenster(m_nAktuell).Sanbar != 0;
}

void CFensterSanDlg::OnAusDB()
{
    const std::vector<int> auswahl = AusgewaehlteZeilen(m_Liste);
    if (auswahl.empty()) {
        Meldung::Hinweis(QStringLiteral("Bitte die zu sanierenden Fenster bestimmen!"), Meldung::Symbol::Ausruf, this);
        return;
    }
    CFensterSanDBDlg dialog(this);
    dialog.m_nVariante = Variante();
    dialog.m_nAuswahl = m_nBrowse;
    if (dialog.exec() == QDialog::Accepted && dialog.HatZeile()) {
        const SanZeileFenster zeile = dialog.Zeile();
        for (int i : auswahl) {
            DSFenster* m = Massnahme(i, Variante());
            if (m == nullptr)
                continue;
            WendeFensterauswahlAn(*m, zeile, dialog.m_Preisfix, dialog.m_PreisProQm, Fenster(i),
                                  dialog.m_bRahmenAustauschen != 0);
            ZeigeZeile(i);
        }
        ZeigeMassnahme();
    }
    m_nBrowse = dialog.GetAuswahl();
}

void CFensterSanDlg::OnLoeschen()
{
    for (int i : AusgewaehlteZeilen(m_Liste)) {
        DSFenster* m = Massnahme(i, Variante());
        const DSFenster* leer = Massnahme(i, 0);
        if (m == nullptr || leer == nullptr || m == leer)
            continue;
        m->Kopiere(*leer);
        ZeigeZeile(i);
    }
    ZeigeMassnahme();
}

void CFensterSanDlg::OnNachDB()
{
    if (!UpdateData(true))
        return;
    auto oops = [this](const char* text) {
        Meldung::Hinweis(QString::fromUtf8(text), Meldung::Symbol::Keins, this,
                         QString::fromUtf8(COpakSanDlg::TitelOops));
    };
    if (m_Bezeichnung.empty())
        return oops("Bitte Sanierungsmaßnahme benennen!");
    if (m_Flaechenpreis == 0)
        return oops("Bitte einen Flächenpreis angeben!");
    if (m_Lebensdauer == 0)
        return oops("Bitte eine von 0 verschiedene Lebensdauer eingeben!");
    if (m_UGlas == 0)
        return oops("Der Glas U-Wert sollte von 0 verschieden sein!");
    if (m_gWertProzent == 0)
        return oops("Der gWert des Glases sollte von 0 verschieden sein!");

    SchreibeEigeneMassnahme(
        this, [](SqlDatabase* db) { return std::make_unique<XDBFensterSanSet>(db); }, "FensterID",
        [this](SqlRecordset& set) {
            set.SetField("Kategorie", 0LL);
            set.SetField("Name", m_Bezeichnung);
            set.SetField("Langtext", std::string("Benutzerdefinierte Sanierungsmaßnahme!!!"));
            set.SetField("Lebensdauer", m_Lebensdauer);
            set.SetField("kWertGlas", m_UGlas);
            set.SetField("gWert", m_gWertProzent / 100);
            set.SetField("kWertRahmen", m_URahmen);
            set.SetField("Rahmenaustausch", m_URahmen != 0 && m_RahmenanteilProzent != 0 ? 1LL : 0LL);
            set.SetField("Zusatzkosten", m_Flaechenpreis);
            // The fixed price the user typed belongs to the measure.
            set.SetField("Zusatzkostenfix", m_Sockelpreis);
            set.SetField("Sowiesokosten", 0.0);
            set.SetField("Sowiesokostenfix", 0.0);
        });
}

} // namespace zeva
