#include "input/Fenster.h"

#include "database/CFensterBestandDBDlg.h"
#include "input/CFensterDetailsDlg.h"
#include "model/Haus.h"
#include "platform/Meldung.h"
#include "ui/SteuerelementId.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zeva {

namespace {

struct FensterzeilenIds {
    int radio, name, flaeche, rahmen, richtung, details;
};
constexpr FensterzeilenIds FensterzeilenTabelle[Fenstertabelle::ZeilenProSeite] = {
    {1152, 1137, 1082, 1087, 1143, 1069}, {1153, 1107, 1083, 1088, 1144, 1070},
    {1151, 1139, 1084, 1089, 1145, 1071}, {1135, 1140, 1085, 1090, 1146, 1072},
    {1136, 1141, 1086, 1091, 1147, 1073},
};

} // namespace

Fenster::Fenster(const Tabellenumgebung& umgebung, CDFensterArray& fenster, const Plane& traeger, QWidget* parent)
    : CTabellenDialog(umgebung, parent), m_fenster(fenster), m_Traegerflaeche(traeger)
{
    setWindowTitle(QStringLiteral("Eingabe Fenster"));

    auto* tabelle = new QGridLayout;
    const auto kopf = [&](const char* text, int spalte) {
        auto* l = new QLabel(QString::fromUtf8(text), this);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        tabelle->addWidget(l, 0, spalte);
    };
    kopf("Nr.", 0);
    kopf("Bezeichnung", 1);
    kopf("Fläche\n[m²]", 2);
    kopf("Rahmen-\nanteil [%]", 3);
    kopf("Orientierung", 4);
    for (int k = 0; k < ZeilenProSeite; ++k) {
        const FensterzeilenIds& ids = FensterzeilenTabelle[k];
        Felder& f = m_Felder[static_cast<std::size_t>(k)];
        QRadioButton* radio = ErzeugeMitId<QRadioButton>(this, ids.radio);
        radio->setAutoExclusive(false);
        m_Radios[static_cast<std::size_t>(k)] = radio;
        f.name = ErzeugeMitId<QLineEdit>(this, ids.name);
        f.name->setMinimumWidth(f.name->fontMetrics().horizontalAdvance(QString(24, QLatin1Char('x'))));
        f.flaeche = Zahlenfeld(ids.flaeche, 7);
        f.rahmen = Zahlenfeld(ids.rahmen, 7);
        f.richtung = ErzeugeMitId<QComboBox>(this, ids.richtung);
        for (const char* r : Fensterrichtungen)
            f.richtung->addItem(QString::fromUtf8(r));
        f.richtung->setEnabled(false);
        f.details = Knopf(this, "Details...", ids.details);
        const int z = k + 1;
        tabelle->addWidget(radio, z, 0);
        tabelle->addWidget(f.name, z, 1);
        tabelle->addWidget(f.flaeche, z, 2);
        tabelle->addWidget(f.rahmen, z, 3);
        tabelle->addWidget(f.richtung, z, 4);
        tabelle->addWidget(f.details, z, 5);
        for (QWidget* w : {static_cast<QWidget*>(f.name), static_cast<QWidget*>(f.flaeche),
                           static_cast<QWidget*>(f.rahmen), static_cast<QWidget*>(f.richtung)})
            w->installEventFilter(this);
        connect(radio, &QRadioButton::clicked, this, [this, k] { OnZeile(k + 1); });
        connect(f.details, &QPushButton::clicked, this, [this, k] { OnDetails(k + 1); });
        connect(f.richtung, &QComboBox::activated, this, [this, k](int index) {
            if (m_tabelle)
                m_tabelle->Zeile(m_tabelle->ErsteZeile() + k + 1).Richtung = index;
        });
    }
    tabelle->setColumnStretch(1, 1);

    BaueRahmen(tabelle, nullptr);
    // Storing a window in the data base is not offered here.
    m_NachDBButton->setEnabled(false);
}

Fenster::~Fenster()
{
    // Focus changes while the fields go must not reach the rows.
    m_tabelle.reset();
}

bool Fenster::OnInitDialog()
{
    m_tabelle = std::make_unique<Fenstertabelle>(HausRef(), m_fenster, m_Traegerflaeche, m_nVorgabeRichtung,
                                                 m_nVorgabeNeigung);
    ZeigeSeite();
    return true;
}

void Fenster::DoDataExchange(DatenAustausch& dx)
{
    for (std::size_t k = 0; k < ZeilenProSeite; ++k)
        dx.Zahl(m_Felder[k].flaeche, m_dFlaeche[k]);
    for (std::size_t k = 0; k < ZeilenProSeite; ++k)
        dx.Text(m_Felder[k].name, m_strName[k]);
    for (std::size_t k = 0; k < ZeilenProSeite; ++k)
        dx.Zahl(m_Felder[k].rahmen, m_dRahmenanteil[k], 0, 100);
}

void Fenster::ZeigeSeite()
{
    for (int k = 1; k <= ZeilenProSeite; ++k) {
        const Fenstertabelle::Seitenzeile z = m_tabelle->Anzeige(k);
        const auto i = static_cast<std::size_t>(k - 1);
        m_dFlaeche[i] = z.flaeche;
        m_strName[i] = z.name;
        m_dRahmenanteil[i] = z.rahmenanteil;
        m_Felder[i].richtung->setCurrentIndex(z.richtung);
    }
    AktualisiereSteuerung();
    m_uebernimmt = true;
    UpdateData(false);
    m_uebernimmt = false;
}

bool Fenster::UebernehmeSeite()
{
    if (m_uebernimmt)
        return false;
    m_uebernimmt = true;
    const bool gut = UpdateData(true);
    m_uebernimmt = false;
    if (!gut)
        return false;
    std::array<Fenstertabelle::Seitenzeile, ZeilenProSeite> seite;
    for (std::size_t i = 0; i < ZeilenProSeite; ++i) {
        seite[i].name = m_strName[i];
        seite[i].flaeche = m_dFlaeche[i];
        seite[i].rahmenanteil = m_dRahmenanteil[i];
        seite[i].richtung = m_Felder[i].richtung->currentIndex();
    }
    m_tabelle->UebernimmSeite(seite);
    return true;
}

void Fenster::AktualisiereSteuerung()
{
    AktualisiereZeilen(m_tabelle->ErsteZeile(), m_tabelle->AktuelleZeile(), m_tabelle->Zeilen(),
                       {m_LoeschenButton, m_AusDBButton});
}

void Fenster::OnZeile(int k)
{
    m_tabelle->SetzeAktuelleZeile(m_tabelle->ErsteZeile() + k);
    AktualisiereSteuerung();
}

void Fenster::OnBlaettern(int richtung)
{
    if (!UebernehmeSeite())
        return;
    bool bewegt = false;
    switch (richtung) {
    case 0: bewegt = m_tabelle->Anfang(); break;
    case 1: bewegt = m_tabelle->Hoch(); break;
    case 2: bewegt = m_tabelle->Runter(); break;
    default: bewegt = m_tabelle->Ende(); break;
    }
    if (bewegt)
        ZeigeSeite();
}

void Fenster::OnLoeschen()
{
    if (!UebernehmeSeite() || !m_tabelle->AktuelleZeileGueltig())
        return;
    const QString frage = QStringLiteral("Fenster Nr. %1 löschen?").arg(m_tabelle->AktuelleZeile());
    if (!Meldung::Frage(frage, QMessageBox::Yes, Meldung::Symbol::Ausruf, this))
        return;
    m_tabelle->LoescheAktuelleZeile();
    ZeigeSeite();
}

void Fenster::OnAusDB()
{
    if (!UebernehmeSeite() || !m_tabelle->AktuelleZeileGueltig())
        return;
    CFensterBestandDBDlg dlg(this);
    dlg.m_Bauteil = m_tabelle->Zeile(m_tabelle->AktuelleZeile());
    if (dlg.exec() != QDialog::Accepted)
        return;
    m_AusDBButton->setFocus(Qt::OtherFocusReason);
    m_tabelle->Zeile(m_tabelle->AktuelleZeile()) = dlg.m_Bauteil;
    ZeigeSeite();
    const int k = m_tabelle->AktuelleZeile() - m_tabelle->ErsteZeile();
    if (k >= 1 && k <= ZeilenProSeite) {
        QLineEdit* feld = m_Felder[static_cast<std::size_t>(k - 1)].flaeche;
        feld->setFocus(Qt::OtherFocusReason);
        feld->selectAll();
    }
}

void Fenster::OnDetails(int k)
{
    if (!UebernehmeSeite())
        return;
    m_tabelle->SetzeAktuelleZeile(m_tabelle->ErsteZeile() + k);
    AktualisiereSteuerung();
    setEnabled(false);
    m_pDetails = std::make_unique<CFensterDetailsDlg>();
    m_pDetails->m_Bauteil = m_tabelle->Zeile(m_tabelle->AktuelleZeile());
    m_pDetails->EinzelModus = 0;
    m_pDetails->SetzeEmpfaenger(this);
    m_pDetails->exec();
    m_pDetails.reset();
}

void Fenster::DetailsUebernehmen(const DFenster& fenster)
{
    if (m_tabelle->AktuelleZeileGueltig())
        m_tabelle->Zeile(m_tabelle->AktuelleZeile()) = fenster;
}

void Fenster::DetailsGeschlossen()
{
    setEnabled(true);
    ZeigeSeite();
}

bool Fenster::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (!m_tabelle)
        return CTabellenDialog::eventFilter(objekt, ereignis);
    if (ereignis->type() == QEvent::FocusIn) {
        for (int k = 0; k < ZeilenProSeite; ++k) {
            const Felder& f = m_Felder[static_cast<std::size_t>(k)];
            if (objekt == f.name || objekt == f.flaeche || objekt == f.rahmen || objekt == f.richtung) {
                OnZeile(k + 1);
                break;
            }
        }
    } else if (ereignis->type() == QEvent::FocusOut) {
        // Leaving an area or frame-share field takes the page over; a box or
        // another window taking the focus does not.
        const auto grund = static_cast<QFocusEvent*>(ereignis)->reason();
        if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason) {
            for (const Felder& f : m_Felder)
                if (objekt == f.flaeche || objekt == f.rahmen) {
                    UebernehmeSeite();
                    break;
                }
        }
    }
    return CTabellenDialog::eventFilter(objekt, ereignis);
}

void Fenster::OnOK()
{
    // A field being left was taken over as it lost the focus; the page is
    // taken over once more here for Enter, which leaves the focus where it is.
    if (!UebernehmeSeite())
        return;
    if (!m_tabelle->PruefeFlaechen()) {
        Eingabefehler(MeldungFensterZuGross);
        return;
    }
    if (!BestandAendernErlaubt())
        return;
    SetzeGeaendert();
    m_tabelle->Zurueckschreiben(HausRef().Varianten);
    EndDialog(QDialog::Accepted);
}

void Fenster::OnCancel()
{
    EndDialog(QDialog::Rejected);
}

} // namespace zeva
