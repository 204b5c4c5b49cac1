#include "input/Bauteiltabellen.h"

#include "database/CBauteilSpeichernDlg.h"
#include "database/CBestandDBDlg.h"
#include "input/CSchichtDetailsDlg.h"
#include "input/Fenster.h"
#include "model/Zahlentext.h"
#include "platform/AustauschZahlen.h"
#include "platform/DatenAustausch.h"
#include "platform/Meldung.h"
#include "ui/SteuerelementId.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zeva {

namespace {

struct BauteilzeilenIds {
    int radio, name, flaeche, grenze, details;
};
constexpr BauteilzeilenIds BauteilzeilenTabelle[CTabellenDialog::ZeilenProSeite] = {
    {1041, 1022, 1082, 1015, 1006}, {1042, 1023, 1083, 1019, 1028}, {1043, 1024, 1084, 1018, 1025},
    {1044, 1031, 1085, 1017, 1026}, {1045, 1032, 1086, 1016, 1027},
};

template <class T>
std::span<const char* const> GrenzlisteVon()
{
    if constexpr (Bauteiltabellenart<T>::Grenzarten == 7)
        return GrenzartenBodenWand;
    else if constexpr (Bauteiltabellenart<T>::Grenzarten == 5)
        return GrenzartenDecke;
    else
        return {};
}

} // namespace

CBauteiltabelleDlg::CBauteiltabelleDlg(const Tabellenumgebung& umgebung, const char* wort,
                                       std::span<const char* const> grenzarten, QWidget* parent)
    : CTabellenDialog(umgebung, parent), m_wort(QString::fromUtf8(wort))
{
    setWindowTitle(QStringLiteral("Eingabe ") + m_wort);

    auto* tabelle = new QGridLayout;
    const auto kopf = [&](QLabel* l, int spalte) {
        l->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        tabelle->addWidget(l, 0, spalte);
    };
    kopf(new QLabel(QStringLiteral("Nr."), this), 0);
    kopf(new QLabel(QStringLiteral("Bezeichnung"), this), 1);
    kopf(new QLabel(QStringLiteral("Fläche\n[m²]"), this), 2);
    if (!grenzarten.empty()) {
        m_GegenText = ErzeugeMitId<QLabel>(this, 1263);
        m_GegenText->setText(m_wort + QStringLiteral("  \ngegen..."));
        kopf(m_GegenText, 3);
    }
    for (int k = 0; k < ZeilenProSeite; ++k) {
        const BauteilzeilenIds& ids = BauteilzeilenTabelle[k];
        Felder& f = m_Felder[static_cast<std::size_t>(k)];
        f.radio = ErzeugeMitId<QRadioButton>(this, ids.radio);
        f.radio->setAutoExclusive(false);
        m_Radios[static_cast<std::size_t>(k)] = f.radio;
        f.name = ErzeugeMitId<QLineEdit>(this, ids.name);
        f.name->setMinimumWidth(f.name->fontMetrics().horizontalAdvance(QString(24, QLatin1Char('x'))));
        f.flaeche = Zahlenfeld(ids.flaeche, 9);
        f.details = Knopf(this, "Details...", ids.details);
        const int z = k + 1;
        tabelle->addWidget(f.radio, z, 0);
        tabelle->addWidget(f.name, z, 1);
        tabelle->addWidget(f.flaeche, z, 2);
        if (!grenzarten.empty()) {
            f.grenze = ErzeugeMitId<QComboBox>(this, ids.grenze);
            for (const char* text : grenzarten)
                f.grenze->addItem(QString::fromUtf8(text));
            f.grenze->installEventFilter(this);
            connect(f.grenze, &QComboBox::activated, this, [this, k](int index) { OnGrenze(k + 1, index); });
            tabelle->addWidget(f.grenze, z, 3);
        }
        tabelle->addWidget(f.details, z, 4);
        f.name->installEventFilter(this);
        f.flaeche->installEventFilter(this);
        connect(f.radio, &QRadioButton::clicked, this, [this, k] { OnZeile(k + 1); });
        connect(f.details, &QPushButton::clicked, this, [this, k] { OnDetails(k + 1); });
    }
    tabelle->setColumnStretch(1, 1);

    m_FensterButton = Knopf(this, "Fenster", 1121);
    BaueRahmen(tabelle, m_FensterButton);
    connect(m_FensterButton, &QPushButton::clicked, this, [this] { OnFenster(); });
}

void CBauteiltabelleDlg::DoDataExchange(DatenAustausch& dx)
{
    // The generator's areas have every decimal; the narrow field shows them
    // to the centimetre, and a field left as shown keeps the exact area.
    for (std::size_t k = 0; k < ZeilenProSeite; ++k)
        dx.GerundeteZahl(m_Felder[k].flaeche, m_dFlaeche[k], AustauschZahlText(RundeNachkomma(m_dFlaeche[k], 2)));
    for (std::size_t k = 0; k < ZeilenProSeite; ++k)
        dx.Text(m_Felder[k].name, m_strName[k], MaxNamenlaenge);
}

bool CBauteiltabelleDlg::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::FocusIn) {
        for (int k = 0; k < ZeilenProSeite; ++k) {
            const Felder& f = m_Felder[static_cast<std::size_t>(k)];
            if (objekt == f.name || objekt == f.flaeche || (f.grenze != nullptr && objekt == f.grenze)) {
                OnZeile(k + 1);
                break;
            }
        }
    }
    return CTabellenDialog::eventFilter(objekt, ereignis);
}

// ---------------------------------------------------------------- the kinds

template <class T>
CBauteiltabelle<T>::CBauteiltabelle(const Tabellenumgebung& umgebung, QWidget* parent)
    : CBauteiltabelleDlg(umgebung, Art::Wort, GrenzlisteVon<T>(), parent)
{
    m_offen = m_tabelle.Oeffne(HausRef());
}

template <class T>
CBauteiltabelle<T>::~CBauteiltabelle() = default;

template <class T>
bool CBauteiltabelle<T>::OnInitDialog()
{
    // The caption keeps row 1's label however the rows change.
    m_titel = QStringLiteral("Eingabe ") + Wort() + QStringLiteral(" - ")
              + QString::fromStdString(m_tabelle.Zeile(1).Kurzname.str());
    ZeigeSeite();
    return true;
}

template <class T>
void CBauteiltabelle<T>::ZeigeSeite()
{
    setWindowTitle(m_titel);
    m_tabelle.BerechneNettoflaeche();
    const int erste = m_tabelle.ErsteZeile();
    for (int k = 1; k <= ZeilenProSeite; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        const auto z = m_tabelle.Anzeige(k);
        m_strName[i] = z.name;
        m_dFlaeche[i] = z.flaeche;
        Felder& f = m_Felder[i];
        if (f.grenze != nullptr)
            f.grenze->setCurrentIndex(z.zone);
        // A row whose final number would pass 99 cannot hold a part area.
        const bool fuellbar = m_tabelle.Fuellbar(erste + k);
        for (QWidget* w : {static_cast<QWidget*>(f.radio), static_cast<QWidget*>(f.name),
                           static_cast<QWidget*>(f.flaeche), static_cast<QWidget*>(f.details)})
            w->setEnabled(fuellbar);
        if (f.grenze != nullptr)
            f.grenze->setEnabled(fuellbar);
    }
    AktualisiereSteuerung();
    // Row 1's area is what remains of the carrier; it is not typed.
    m_Felder[0].flaeche->setEnabled(erste != 0 && m_tabelle.Fuellbar(erste + 1));
    UpdateData(false);
}

template <class T>
bool CBauteiltabelle<T>::UebernehmeSeite()
{
    if (!UpdateData(true))
        return false;
    std::array<typename Bauteiltabelle<T>::Seitenzeile, ZeilenProSeite> seite;
    for (std::size_t i = 0; i < ZeilenProSeite; ++i) {
        seite[i].name = m_strName[i];
        seite[i].flaeche = m_dFlaeche[i];
        seite[i].zone = m_Felder[i].grenze != nullptr ? m_Felder[i].grenze->currentIndex() : -1;
    }
    m_tabelle.UebernimmSeite(seite);
    return true;
}

template <class T>
void CBauteiltabelle<T>::AktualisiereSteuerung()
{
    AktualisiereZeilen(m_tabelle.ErsteZeile(), m_tabelle.AktuelleZeile(), m_tabelle.Zeilen(),
                       {m_LoeschenButton, m_AusDBButton, m_NachDBButton});
}

template <class T>
void CBauteiltabelle<T>::OnZeile(int k)
{
    m_tabelle.SetzeAktuelleZeile(m_tabelle.ErsteZeile() + k);
    AktualisiereSteuerung();
}

template <class T>
void CBauteiltabelle<T>::OnGrenze(int k, int index)
{
    if constexpr (Art::Grenzarten > 0) {
        m_tabelle.Zeile(m_tabelle.ErsteZeile() + k).Zone = index;
    } else {
        (void)k;
        (void)index;
    }
}

template <class T>
void CBauteiltabelle<T>::OnBlaettern(int richtung)
{
    if (!UebernehmeSeite())
        return;
    bool bewegt = false;
    switch (richtung) {
    case 0: bewegt = m_tabelle.Anfang(); break;
    case 1: bewegt = m_tabelle.Hoch(); break;
    case 2: bewegt = m_tabelle.Runter(); break;
    default: bewegt = m_tabelle.Ende(); break;
    }
    if (bewegt)
        ZeigeSeite();
}

template <class T>
void CBauteiltabelle<T>::OnLoeschen()
{
    if (m_tabelle.AktuelleZeile() == 1) {
        Eingabefehler(MeldungZeile1NichtLoeschbar);
        return;
    }
    if (!UebernehmeSeite() || !m_tabelle.AktuelleZeileGueltig())
        return;
    const QString frage = Wort() + QStringLiteral(" Nr. %1 löschen?").arg(m_tabelle.AktuelleZeile());
    if (!Meldung::Frage(frage, QMessageBox::Yes, Meldung::Symbol::Vorgabe, this))
        return;
    m_tabelle.LoescheAktuelleZeile();
    ZeigeSeite();
}

template <class T>
void CBauteiltabelle<T>::OnAusDB()
{
    if (!UebernehmeSeite() || !m_tabelle.AktuelleZeileGueltig())
        return;
    CBauteilBestandDBDlg<T> dlg(HausRef().Baujahr, this);
    dlg.m_Bauteil = m_tabelle.Zeile(m_tabelle.AktuelleZeile());
    if (dlg.exec() != QDialog::Accepted)
        return;
    m_AusDBButton->setFocus(Qt::OtherFocusReason);
    T& zeile = m_tabelle.Zeile(m_tabelle.AktuelleZeile());
    zeile = dlg.m_Bauteil;
    PruefeLuftschicht(zeile);
    ZeigeSeite();
    const int k = m_tabelle.AktuelleZeile() - m_tabelle.ErsteZeile();
    if (k >= 1 && k <= ZeilenProSeite) {
        QLineEdit* feld = m_Felder[static_cast<std::size_t>(k - 1)].flaeche;
        feld->setFocus(Qt::OtherFocusReason);
        feld->selectAll();
    }
}

template <class T>
void CBauteiltabelle<T>::OnNachDB()
{
    if (!UebernehmeSeite() || !m_tabelle.AktuelleZeileGueltig())
        return;
    CBauteilSpeichernDlg<T> dlg(m_tabelle.Zeile(m_tabelle.AktuelleZeile()), this);
    dlg.exec();
}

template <class T>
void CBauteiltabelle<T>::OnDetails(int k)
{
    if (!UebernehmeSeite())
        return;
    m_tabelle.SetzeAktuelleZeile(m_tabelle.ErsteZeile() + k);
    AktualisiereSteuerung();
    setEnabled(false);
    if constexpr (std::is_same_v<T, DBoden>)
        m_pDetails = std::make_unique<CBauteilDetailsDlg<T>>(HausRef().KellerBeheizt, HausRef().Kellerhoehe);
    else
        m_pDetails = std::make_unique<CBauteilDetailsDlg<T>>();
    m_pDetails->m_Bauteil = m_tabelle.Zeile(m_tabelle.AktuelleZeile());
    m_pDetails->EinzelModus = 0;
    m_pDetails->SetzeEmpfaenger(this);
    m_pDetails->exec();
    m_pDetails.reset();
}

template <class T>
void CBauteiltabelle<T>::DetailsUebernehmen(const T& bauteil)
{
    if (m_tabelle.AktuelleZeileGueltig())
        m_tabelle.Zeile(m_tabelle.AktuelleZeile()) = bauteil;
}

template <class T>
void CBauteiltabelle<T>::DetailsGeschlossen()
{
    setEnabled(true);
    ZeigeSeite();
}

template <class T>
void CBauteiltabelle<T>::OnFenster()
{
    // The page is not taken over: the window table works on the row's plane
    // as it stands.
    if (!m_tabelle.AktuelleZeileGueltig())
        return;
    const int r = m_tabelle.AktuelleZeile();
    Fenster dlg(Umgebung(), m_tabelle.Fensterliste(), m_tabelle.Zeile(r).m_plane, this);
    const Fenstervorgabe vorgabe = m_tabelle.Fenstervorgaben(HausRef(), r);
    dlg.m_nVorgabeRichtung = vorgabe.richtung;
    dlg.m_nVorgabeNeigung = vorgabe.neigung;
    dlg.exec();
}

template <class T>
void CBauteiltabelle<T>::OnOK()
{
    if (!UebernehmeSeite())
        return;
    // Row 1's area from the rows just taken over, not from the last display.
    m_tabelle.BerechneNettoflaeche();
    switch (m_tabelle.PruefeFlaechen()) {
    case Flaechenpruefung::FensterZuGross: Eingabefehler(MeldungFensterZuGrossNr1); return;
    case Flaechenpruefung::TeilflaechenZuGross: Eingabefehler(MeldungTeilflaechenZuGross); return;
    case Flaechenpruefung::Gut: break;
    }
    if (!BestandAendernErlaubt())
        return;
    SetzeGeaendert();
    m_tabelle.Zurueckschreiben(HausRef());
    MeldeGeschlossen();
    EndDialog(QDialog::Accepted);
}

template <class T>
void CBauteiltabelle<T>::OnCancel()
{
    MeldeGeschlossen();
    EndDialog(QDialog::Rejected);
}

template class CBauteiltabelle<DBoden>;
template class CBauteiltabelle<DDecke>;
template class CBauteiltabelle<DFlachdach>;
template class CBauteiltabelle<DSteildach>;
template class CBauteiltabelle<DWand>;

} // namespace zeva
