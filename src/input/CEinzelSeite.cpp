#include "input/CEinzelSeite.h"

#include "database/CBauteilSpeichernDlg.h"
#include "database/CBestandDBDlg.h"
#include "database/CFensterBestandDBDlg.h"
#include "input/CFensterDetailsDlg.h"
#include "input/CSchichtDetailsDlg.h"
#include "model/Haus.h"
#include "platform/Meldung.h"
#include "shell/CMainFrame.h"
#include "shell/CZEVADoc.h"
#include "ui/SteuerelementId.h"
#include "ui/WarteCursor.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <type_traits>

namespace zeva {

namespace {

using Reihenfolge = Einzelseitenart::Reihenfolge;

// The table of the six pages.
constexpr Einzelseitenart SeiteWand{"Eingabe Wand", true, 1291, "Wand  \ngegen...", false, 1289, 1281, 1282,
                                    "<<&Zurück", 1283, 1285, 1284, 1051, 1, Reihenfolge::FlaecheNameKommentar,
                                    true, false};
constexpr Einzelseitenart SeiteFenster{"Eingabe Fenster", false, 0, "", false, 1287, 1281, 1282, "<< &Zurück",
                                       1283, 1288, 1284, 1106, 1, Reihenfolge::FlaecheNameKommentar, false, true};
constexpr Einzelseitenart SeiteSteildach{"Eingabe Steildach", true, 0, "", false, 1289, 1281, 1282, "<< &Zurück",
                                         1283, 1285, 1284, 1051, 1, Reihenfolge::KommentarFlaecheName, true, false};
constexpr Einzelseitenart SeiteFlachdach{"Eingabe Flachdach", true, 0, "", false, 1292, 1281, 1282, "<< &Zurück",
                                         1283, 1285, 1284, 1051, 0, Reihenfolge::NameFlaecheKommentar, true, false};
constexpr Einzelseitenart SeiteDecke{"Eingabe Decke", true, 1281, "Decke  \ngegen...", true, 1282, 1283, 1284,
                                     "<< &Zurück", 1285, 1286, 1287, 1051, 1, Reihenfolge::FlaecheNameKommentar,
                                     true, false};
constexpr Einzelseitenart SeiteBoden{"Eingabe Boden", true, 1284, "Boden  \ngegen...", false, 1283, 1281, 1282,
                                     "<< &Zurück", 1285, 1286, 1287, 1051, 1, Reihenfolge::FlaecheNameKommentar,
                                     true, false};

template <class T>
constexpr const Einzelseitenart& SeitenartVon()
{
    if constexpr (std::is_same_v<T, DWand>)
        return SeiteWand;
    else if constexpr (std::is_same_v<T, DSteildach>)
        return SeiteSteildach;
    else if constexpr (std::is_same_v<T, DFlachdach>)
        return SeiteFlachdach;
    else if constexpr (std::is_same_v<T, DDecke>)
        return SeiteDecke;
    else
        return SeiteBoden;
}

template <class T>
T& DefaultBauteil(Haus& h)
{
    if constexpr (std::is_same_v<T, DWand>)
        return h.m_defaultWand;
    else if constexpr (std::is_same_v<T, DSteildach>)
        return h.m_defaultSteildach;
    else if constexpr (std::is_same_v<T, DFlachdach>)
        return h.m_defaultFlachdach;
    else if constexpr (std::is_same_v<T, DDecke>)
        return h.m_defaultDecke;
    else
        return h.m_defaultBoden;
}

// U-values a page accepts: above 0 and below 6 W/m²K.
bool ZulaessigerUWert(double u)
{
    return u > 0 && u < 6;
}

} // namespace

// ----- the common page -------------------------------------------------------------

QStringList CEinzelSeite::Angrenzungen()
{
    return {QStringLiteral("Außenluft"),       QStringLiteral("beheizt"),         QStringLiteral("Erdreich"),
            QStringLiteral("unbeheizt + 2°C"), QStringLiteral("unbeheizt + 4°C"), QStringLiteral("unbeheizt + 6°C"),
            QStringLiteral("unbeheizt + 8°C")};
}

QStringList CEinzelSeite::Deckenangrenzungen()
{
    return {QStringLiteral("beheizt"), QStringLiteral("unbeheizt + 2°C"), QStringLiteral("unbeheizt + 4°C"),
            QStringLiteral("unbeheizt + 6°C"), QStringLiteral("unbeheizt + 8°C")};
}

CEinzelSeite::CEinzelSeite(CMainFrame& rahmen, const Einzelseitenart& art) : CSchrittseite(rahmen), m_art(art)
{
    setWindowTitle(QString::fromUtf8(art.titel));

    auto* gruppe = new QGroupBox(this);
    m_Felder = new QGridLayout(gruppe);
    m_NameEdit = ErzeugeMitId<QLineEdit>(gruppe, art.nameId);
    m_FlaecheEdit = ErzeugeMitId<QLineEdit>(gruppe, 1128);
    m_FlaecheEdit->setEnabled(false);
    m_FlaecheEdit->setAlignment(Qt::AlignRight);
    m_FlaecheEdit->setMaximumWidth(m_FlaecheEdit->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 12);
    m_KommentarEdit = ErzeugeMitId<QPlainTextEdit>(gruppe, 1124);
    m_KommentarEdit->setTabChangesFocus(true);
    m_KommentarEdit->setFixedHeight(m_KommentarEdit->fontMetrics().lineSpacing() * 4 + 12);
    m_NameEdit->setMinimumWidth(
        m_NameEdit->fontMetrics().horizontalAdvance(QStringLiteral("Hohlblockmauerwerk 30 cm")) + 24);

    FuegeSpalteHinzu(QStringLiteral("Bezeichnung"), m_NameEdit, 2);
    FuegeSpalteHinzu(QStringLiteral("Fläche\n[m²]"), m_FlaecheEdit);
    if (art.gegenId != 0) {
        m_GegenCombo = ErzeugeMitId<QComboBox>(gruppe, art.gegenId);
        m_GegenCombo->addItems(art.deckenliste ? Deckenangrenzungen() : Angrenzungen());
        m_GegenText = ErzeugeMitId<QLabel>(gruppe, 1263);
        m_GegenText->setText(QString::fromUtf8(art.gegenText));
        m_Felder->addWidget(m_GegenText, 0, m_nSpalten, Qt::AlignBottom);
        m_Felder->addWidget(m_GegenCombo, 1, m_nSpalten++, Qt::AlignTop);
        connect(m_GegenCombo, &QComboBox::activated, this, [this](int index) { OnSelchangeGegen(index); });
    }
    if (art.fenster) {
        m_RahmenanteilEdit = ErzeugeMitId<QLineEdit>(gruppe, 1285);
        m_RahmenanteilEdit->setAlignment(Qt::AlignRight);
        m_RahmenanteilEdit->setMaximumWidth(m_FlaecheEdit->maximumWidth());
        // The page neither shows nor changes the orientation.
        auto* orientierung = ErzeugeMitId<QLineEdit>(gruppe, 1286);
        orientierung->setEnabled(false);
        orientierung->setMaximumWidth(m_FlaecheEdit->maximumWidth());
        FuegeSpalteHinzu(QStringLiteral("Rahmen-\nanteil [%]"), m_RahmenanteilEdit);
        FuegeSpalteHinzu(QStringLiteral("Orientierung"), orientierung);
    }
    FuegeSpalteHinzu(QStringLiteral("Kommentar"), m_KommentarEdit, 3);

    m_Details = Knopf(QStringLiteral("De&tails..."), art.detailsId);
    m_AusDB = Knopf(QStringLiteral("Aus &DB..."), 1118);
    m_NachDB = Knopf(QStringLiteral("&Nach DB..."), 1119);
    m_NachDB->setEnabled(art.nachDB);
    const Schrittleiste leiste = ErzeugeSchrittleiste(art.weiterId, art.zurueckId, QString::fromUtf8(art.zurueckText),
                                                      art.vorherId, art.istId, art.nachId);

    auto* datenbank = new QHBoxLayout;
    datenbank->addWidget(m_AusDB);
    datenbank->addWidget(m_NachDB);
    datenbank->addStretch();
    datenbank->addWidget(m_Details);
    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(gruppe);
    haupt->addLayout(datenbank);
    haupt->addStretch(1);
    haupt->addLayout(leiste.zeile);
    setMinimumSize(680, 320);

    connect(leiste.weiter, &QPushButton::clicked, this, [this] { OnWeiter(); });
    connect(leiste.zurueck, &QPushButton::clicked, this, [this] { OnZurueck(); });
    connect(m_AusDB, &QPushButton::clicked, this, [this] { OnAusDB(); });
    connect(m_Details, &QPushButton::clicked, this, [this] { OnDetails(); });
    if (art.nachDB)
        connect(m_NachDB, &QPushButton::clicked, this, [this] { OnNachDB(); });
}

void CEinzelSeite::FuegeSpalteHinzu(const QString& kopf, QWidget* feld, int streckung)
{
    auto* kopfText = new QLabel(kopf, feld->parentWidget());
    m_Felder->addWidget(kopfText, 0, m_nSpalten, Qt::AlignBottom);
    m_Felder->addWidget(feld, 1, m_nSpalten, Qt::AlignTop);
    m_Felder->setColumnStretch(m_nSpalten, streckung);
    ++m_nSpalten;
}

bool CEinzelSeite::OnInitDialog()
{
    if (m_art.titelSetzen)
        setWindowTitle(QString::fromUtf8(m_art.titel));
    if (m_GegenText != nullptr)
        m_GegenText->setText(QString::fromUtf8(m_art.gegenText));
    WaehleBauteil();
    ZeigeSeite();
    if (NameLeer()) {
        m_bAutoDB = true;
        OnAusDB();
    }
    m_bAutoDB = false;
    return true;
}

void CEinzelSeite::DoDataExchange(DatenAustausch& dx)
{
    const auto name = [&] { dx.Text(m_NameEdit, m_strName, m_art.nameId == 1106 ? -1 : MaxName); };
    const auto flaeche = [&] { dx.Zahl(m_FlaecheEdit, m_dFlaeche); };
    const auto kommentar = [&] { dx.Text(m_KommentarEdit, m_strKommentar, MaxKommentar); };
    switch (m_art.reihenfolge) {
    case Reihenfolge::FlaecheNameKommentar:
        flaeche();
        name();
        TauscheZusatzfelder(dx);
        kommentar();
        break;
    case Reihenfolge::KommentarFlaecheName:
        kommentar();
        flaeche();
        name();
        break;
    case Reihenfolge::NameFlaecheKommentar:
        name();
        flaeche();
        kommentar();
        break;
    }
}

void CEinzelSeite::ZeigeSeite()
{
    LiesBauteil();
    if (m_GegenCombo != nullptr)
        m_GegenCombo->setCurrentIndex(m_nZone >= 0 && m_nZone < m_GegenCombo->count() ? m_nZone : -1);
    UpdateData(false);
}

bool CEinzelSeite::UebernehmeSeite()
{
    if (!UpdateData(true))
        return false;
    // A list without a selection keeps the record's border kind.
    if (m_GegenCombo != nullptr && m_GegenCombo->currentIndex() >= 0)
        m_nZone = m_GegenCombo->currentIndex();
    SchreibeBauteil();
    return true;
}

void CEinzelSeite::OnWeiter()
{
    if (!UebernehmeSeite())
        return;
    if (!PruefeEingabe()) {
        Meldung::Hinweis(QString::fromUtf8(TextUnzulaessig), Meldung::Symbol::Keins, this);
        return;
    }
    Dokument().SetModifiedFlag();
    Rahmen().NaechsterSchritt();
}

void CEinzelSeite::OnZurueck()
{
    if (UebernehmeSeite())
        Rahmen().VorherigerSchritt();
}

void CEinzelSeite::MarkiereGeaendert()
{
    // The default type a new house takes when the page first shows is part
    // of making the project, not a change of the user's.
    if (!m_bAutoDB)
        Dokument().SetModifiedFlag();
}

void CEinzelSeite::OnSelchangeGegen(int index)
{
    m_nZone = index;
    SchreibeZone();
}

// ----- the opaque pages ----------------------------------------------------------

template <class T>
COpakEinzelSeite<T>::COpakEinzelSeite(CMainFrame& rahmen) : CEinzelSeite(rahmen, SeitenartVon<T>())
{
}

template <class T>
void COpakEinzelSeite<T>::WaehleBauteil()
{
    m_pBauteil = &DefaultBauteil<T>(HausRef());
}

template <class T>
void COpakEinzelSeite<T>::LiesBauteil()
{
    m_strName = m_pBauteil->Name;
    m_dFlaeche = m_pBauteil->Flaeche;
    m_strKommentar = m_pBauteil->Kommentar;
    if constexpr (T::HatZone)
        m_nZone = Art().gegenId != 0 ? m_pBauteil->Zone : -1;
}

template <class T>
void COpakEinzelSeite<T>::SchreibeBauteil()
{
    Aendere(*m_pBauteil, [this](T& b) {
        b.Nummer = Art().nummer;
        b.Name = m_strName;
        b.Flaeche = m_dFlaeche;
        b.Kommentar = m_strKommentar;
        SchreibeZone();
    });
}

template <class T>
void COpakEinzelSeite<T>::SchreibeZone()
{
    if constexpr (T::HatZone) {
        if (Art().gegenId != 0 && m_nZone >= 0)
            Aendere(*m_pBauteil, [this](T& b) { b.Zone = m_nZone; });
    }
}

template <class T>
bool COpakEinzelSeite<T>::PruefeEingabe() const
{
    return ZulaessigerUWert(m_pBauteil->kWert) && !m_pBauteil->Name.empty();
}

template <class T>
void COpakEinzelSeite<T>::PruefeLuftschicht(T& bauteil)
{
    if (bauteil.Schicht == 0)
        return;
    bool luftschicht = false;
    for (const DSchicht& s : bauteil.m_Schichtaufbau)
        luftschicht = luftschicht || s.Name == "Luftschicht";
    bauteil.SanbarZwischen = bauteil.SanbarZwischen != 0 && luftschicht ? 1 : 0;
}

template <class T>
void COpakEinzelSeite<T>::OnAusDB()
{
    WarteCursor warten;
    CBauteilBestandDBDlg<T> dlg(HausRef().Baujahr, this);
    if (!UebernehmeSeite())
        return;
    dlg.m_Bauteil = *m_pBauteil;
    dlg.m_bSofortUebernehmen = m_bAutoDB;
    if (dlg.exec() != QDialog::Accepted)
        return;
    AusDBKnopf()->setFocus();
    Aendere(*m_pBauteil, [&dlg](T& b) {
        b = dlg.m_Bauteil;
        PruefeLuftschicht(b);
    });
    ZeigeSeite();
}

template <class T>
void COpakEinzelSeite<T>::OnNachDB()
{
    WarteCursor warten;
    CBauteilSpeichernDlg<T> dlg(this);
    if (!UebernehmeSeite())
        return;
    dlg.m_Bauteil = *m_pBauteil;
    dlg.exec();
}

template <class T>
void COpakEinzelSeite<T>::OnDetails()
{
    if (!UebernehmeSeite())
        return;
    const auto oeffne = [this](CBauteilDetailsDlg<T>& dlg) {
        dlg.m_Bauteil = *m_pBauteil;
        dlg.EinzelModus = 1;
        if (dlg.exec() == QDialog::Accepted) {
            Aendere(*m_pBauteil, [&dlg](T& b) { b = dlg.m_Bauteil; });
            ZeigeSeite();
        }
    };
    if constexpr (std::is_same_v<T, DBoden>) {
        const Haus& h = HausRef();
        CBauteilDetailsDlg<T> dlg(h.KellerBeheizt, h.Kellerhoehe, this);
        oeffne(dlg);
    } else {
        CBauteilDetailsDlg<T> dlg(this);
        oeffne(dlg);
    }
}

template <class T>
bool COpakEinzelSeite<T>::event(QEvent* ereignis)
{
    // The floor's outside renovation follows the basement every time the
    // page becomes active, also after a dialog of its own closed.
    if constexpr (std::is_same_v<T, DBoden>) {
        if (ereignis->type() == QEvent::WindowActivate && m_pBauteil != nullptr) {
            const Haus& h = HausRef();
            m_pBauteil->SanbarAussen = h.KellerBeheizt != 0 || h.Kellerhoehe < 1.0 ? 0 : 1;
        }
    }
    return CEinzelSeite::event(ereignis);
}

template class COpakEinzelSeite<DWand>;
template class COpakEinzelSeite<DSteildach>;
template class COpakEinzelSeite<DFlachdach>;
template class COpakEinzelSeite<DDecke>;
template class COpakEinzelSeite<DBoden>;

// ----- the window page -----------------------------------------------------------------

Fenster_einzel::Fenster_einzel(CMainFrame& rahmen) : CEinzelSeite(rahmen, SeiteFenster) {}

void Fenster_einzel::WaehleBauteil()
{
    m_pBauteil = &HausRef().m_defaultFenster;
}

void Fenster_einzel::LiesBauteil()
{
    m_strName = m_pBauteil->NameGlas;
    m_dFlaeche = m_pBauteil->Flaeche;
    m_strKommentar = m_pBauteil->Kommentar;
    m_dRahmenanteil = m_pBauteil->Rahmenanteil * 100;
}

void Fenster_einzel::SchreibeBauteil()
{
    Aendere(*m_pBauteil, [this](DFenster& f) {
        f.Nummer = Art().nummer;
        f.NameGlas = m_strName;
        f.Flaeche = m_dFlaeche;
        f.Kommentar = m_strKommentar;
        f.Rahmenanteil = m_dRahmenanteil * 0.01;
    });
}

void Fenster_einzel::TauscheZusatzfelder(DatenAustausch& dx)
{
    dx.Zahl(RahmenanteilFeld(), m_dRahmenanteil, 0, 100);
}

bool Fenster_einzel::PruefeEingabe() const
{
    return ZulaessigerUWert(m_pBauteil->kWertGlas) && !m_pBauteil->NameGlas.empty() &&
           !m_pBauteil->NameRahmen.empty();
}

void Fenster_einzel::OnAusDB()
{
    WarteCursor warten;
    CFensterBestandDBDlg dlg(this);
    if (!UebernehmeSeite())
        return;
    dlg.m_Bauteil = *m_pBauteil;
    dlg.m_bSofortUebernehmen = m_bAutoDB;
    const bool ok = dlg.exec() == QDialog::Accepted;
    // Run by the page itself, the record takes whatever the dialog holds
    // (unchanged when it took nothing).
    if (!ok && !m_bAutoDB)
        return;
    if (ok)
        AusDBKnopf()->setFocus();
    Aendere(*m_pBauteil, [&dlg](DFenster& f) { f = dlg.m_Bauteil; });
    ZeigeSeite();
}

void Fenster_einzel::OnDetails()
{
    if (!UebernehmeSeite())
        return;
    CFensterDetailsDlg dlg(this);
    dlg.m_Bauteil = *m_pBauteil;
    dlg.EinzelModus = 1;
    if (dlg.exec() == QDialog::Accepted) {
        Aendere(*m_pBauteil, [&dlg](DFenster& f) { f = dlg.m_Bauteil; });
        ZeigeSeite();
    }
}

} // namespace zeva
