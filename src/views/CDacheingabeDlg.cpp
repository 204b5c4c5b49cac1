#include "views/CDacheingabeDlg.h"

#include "geometry/DachEingabe.h"
#include "geometry/DachVerschneidung.h"
#include "geometry/Planzeichnung.h"
#include "model/Haus.h"
#include "platform/Meldung.h"
#include "shell/CMainFrame.h"
#include "ui/CBitmapComboBox.h"
#include "ui/SteuerelementId.h"
#include "views/C2DView.h"
#include "views/Zeichnungsbild.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeva {

namespace {

// The read-outs of the rectangle being placed or the point being dragged, and
// of the cursor.
constexpr int Ablesefelder[] = {1009, 1010, 1011, 1014, 1324};

// The heights a roof may have, metres.
constexpr double HoeheMin = 0;
constexpr double HoeheMax = 100;

// For a pane without a plan editor: the roof's requests go nowhere.
class OhneAnsicht final : public DachAnsicht {
public:
    void FangePunkt(Punkt2D&) override {}
    Punkt2D ModellZuFenster(const Punkt2D& p) const override { return p; }
    void FangeMaus() override {}
    void GibMausFrei() override {}
    void Neuzeichnen() override {}
    void SetzeCursor(int, int) override {}
};

QLabel* Beschriftung(QWidget* eltern, int id, const char* text)
{
    auto* l = new QLabel(QString::fromUtf8(text), eltern);
    SetzeId(l, id);
    return l;
}

} // namespace

QPixmap Dachformbild(int typ)
{
    QPixmap bild(96, 96);
    bild.fill(Qt::white);
    // A sample roof 10 × 6, its ridge along the longer side.
    CDach dach(typ);
    dach.Hoehe = 3;
    dach.MansardHoehe = 2;
    dach.m_size = Punkt2D(10, 6);
    dach.SetzePunktzahl();
    if (!dach.PunkteVollstaendig())
        return bild;
    dach.m_points[0] = Punkt2D(1, 2);
    dach.SetzeKanten();
    dach.BerechneDachpunkte(true);
    dach.BaueFlaechenliste();
    Zeichenliste liste;
    Zeichne2D(liste, dach, true);
    // Stronger than on the plan, so that the small picture shows the faces.
    for (Zeichenprimitiv& p : liste)
        if (p.art == Zeichenprimitiv::Art::Polygon)
            p.farbe[3] = 0.3f;
    QPainter maler(&bild);
    MaleZeichnung(maler, liste, QRectF(0, 1, 12, 8), QRectF(4, 4, 88, 88));
    return bild;
}

CDacheingabeDlg::CDacheingabeDlg(CMainFrame* rahmen, QWidget* eltern) : CEingabeAssistentDlg(rahmen, eltern)
{
    setObjectName(QStringLiteral("CDacheingabeDlg"));
    auto* oben = new QWidget(this);
    auto* gitter = new QGridLayout(oben);
    gitter->setContentsMargins(0, 0, 0, 0);

    m_pTyp = new CBitmapComboBox(oben);
    SetzeId(m_pTyp, IDC_TYP);
    // Entry k of the list is roof type k + 1; "Pultdach" has no form.
    for (std::size_t i = 0; i < DachformNamen.size(); ++i) {
        if (i == 1)
            continue;
        const std::string_view name = DachformNamen[i];
        m_pTyp->FuegeBitmapHinzu(Dachformbild(i == 0 ? dachtyp::Flachdach : static_cast<int>(i)),
                                 QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    m_pTyp->setCurrentIndex(1);
    gitter->addWidget(m_pTyp, 0, 0, 1, 3);

    auto* neu = new QPushButton(QStringLiteral("Neues Dach hinzufügen"), oben);
    SetzeId(neu, IDC_NEUES_DACH);
    neu->setAutoDefault(false);
    gitter->addWidget(neu, 1, 0, 1, 3);
    auto* drehen = new QPushButton(QStringLiteral("First drehen"), oben);
    SetzeId(drehen, IDC_FIRST_DREHEN);
    drehen->setAutoDefault(false);
    gitter->addWidget(drehen, 2, 0, 1, 2);
    m_pBeheizt = new QCheckBox(QStringLiteral("beheizt"), oben);
    SetzeId(m_pBeheizt, IDC_BEHEIZT);
    gitter->addWidget(m_pBeheizt, 2, 2);

    auto zeile = [&](int r, int labelId, const char* text, int editId, int einheitId) {
        QLabel* l = Beschriftung(oben, labelId, text);
        auto* edit = new QLineEdit(oben);
        SetzeId(edit, editId);
        l->setBuddy(edit);
        gitter->addWidget(l, r, 0);
        gitter->addWidget(edit, r, 1);
        gitter->addWidget(Beschriftung(oben, einheitId, "m"), r, 2);
        return edit;
    };
    m_pGeschoss = zeile(3, 1309, "Dachgeschoßhöhe", IDC_GESCHOSSHOEHE, 1338);
    m_pHoehe = zeile(4, 1311, "Dachhöhe", IDC_DACHHOEHE, 1342);
    m_pMansard = zeile(5, IDC_MANSARD_TEXT, "Mansard Dachhöhe", IDC_MANSARDHOEHE, 1343);
    gitter->setColumnStretch(1, 1);

    if (auto* spalte = qobject_cast<QVBoxLayout*>(layout()))
        spalte->insertWidget(0, oben);

    // The read-outs of the rectangle being placed or the point being
    // dragged, and of the cursor; they start empty. The dormer's width row
    // has no use here.
    const std::pair<int, const char*> texte[] = {{1283, "Linienlänge :"}, {1288, "x-Versatz :"}, {1290, "y-Versatz :"},
                                                 {1292, "x :"},           {1323, "y :"}};
    for (const auto& [id, text] : texte)
        SetzeText(id, QString::fromUtf8(text));
    for (int id : {1284, 1289, 1291, 1293, 1325})
        SetzeText(id, QStringLiteral("m"));
    for (int id : Ablesefelder)
        SetzeText(id, QString());
    if (QWidget* breite = FindeId<QWidget>(this, IDC_AKTUELLE_EINGABE2))
        breite->hide();

    connect(neu, &QPushButton::clicked, this, [this] { OnNeuesDach(); });
    connect(drehen, &QPushButton::clicked, this, [this] { OnFirstDrehen(); });
    connect(m_pBeheizt, &QCheckBox::clicked, this, [this] {
        if (m_nDach >= 0)
            NimmWerte();
    });
    connect(m_pTyp, &QComboBox::activated, this, [this] { OnTypGewaehlt(); });

    setWindowTitle(QString::fromUtf8(Titeltext));
}

void CDacheingabeDlg::SetzeAnsicht(C2DView* ansicht)
{
    m_pAnsicht = ansicht;
}

CDach* CDacheingabeDlg::Dach(int index) const
{
    if (!m_pRahmen || !m_pRahmen->GetActiveDocument())
        return nullptr;
    Haus& haus = m_pRahmen->AktuellesHaus();
    if (index < 0 || index >= haus.m_aDach.GetSize())
        return nullptr;
    return &haus.m_aDach[static_cast<std::size_t>(index)];
}

void CDacheingabeDlg::MarkiereGeaendert()
{
    if (m_pRahmen && m_pRahmen->GetActiveDocument())
        m_pRahmen->GetActiveDocument()->SetModifiedFlag(true);
}

void CDacheingabeDlg::DoDataExchange(DatenAustausch& dx)
{
    dx.Zahl(m_pGeschoss, m_dGeschossHoehe, HoeheMin, HoeheMax);
    dx.Zahl(m_pHoehe, m_dHoehe, HoeheMin, HoeheMax);
    dx.Zahl(m_pMansard, m_dMansardHoehe, HoeheMin, HoeheMax);
    dx.Kontrollkaestchen(m_pBeheizt, m_nBeheizt);
}

bool CDacheingabeDlg::NimmWerte()
{
    if (!UpdateData(true))
        return false;
    CDach* dach = Dach(m_nDach);
    if (!dach || !dach->IstFertig())
        return true;
    const bool geaendert = dach->GeschossHoehe != m_dGeschossHoehe || dach->Hoehe != m_dHoehe ||
                           dach->MansardHoehe != m_dMansardHoehe || dach->m_IstBeheizt != (m_nBeheizt ? 1 : 0);
    dach->SetzeGeschossHoehe(m_dGeschossHoehe);
    dach->SetzeHoehe(m_dHoehe);
    dach->SetzeMansardHoehe(m_dMansardHoehe);
    dach->SetzeBeheizt(m_nBeheizt ? 1 : 0);
    Haus& haus = m_pRahmen->AktuellesHaus();
    if (haus.m_aDach.size() > 1)
        VerschneideDaecher(haus.m_aDach);
    if (geaendert)
        MarkiereGeaendert();
    ZeichneAnsichtenNeu();
    return true;
}

void CDacheingabeDlg::ZeigeHausvorgaben(bool ersteZone)
{
    if (!m_pRahmen || !m_pRahmen->GetActiveDocument())
        return;
    const Haus& haus = m_pRahmen->AktuellesHaus();
    double geschoss = haus.Dachgeschosshoehe;
    double hoehe = haus.Dachhoehe;
    if (ersteZone && !haus.m_aZone.empty()) {
        geschoss = haus.m_aZone[0].Dachgeschosshoehe;
        hoehe = haus.m_aZone[0].Dachhoehe;
    }
    m_dGeschossHoehe = geschoss;
    m_dHoehe = hoehe;
    m_dMansardHoehe = CDach::VorgabeMansardHoehe(hoehe);
    m_nBeheizt = haus.DachBeheizt ? 1 : 0;
}

void CDacheingabeDlg::WaehleDach(int index)
{
    if (CDach* alt = Dach(m_nDach); alt && alt->IstFertig())
        NimmWerte();
    m_nDach = Dach(index) ? index : -1;
    const CDach* dach = Dach(m_nDach);
    if (dach && dach->IstFertig()) {
        m_dGeschossHoehe = dach->GetGeschossHoehe();
        m_dHoehe = dach->GetHoehe();
        m_dMansardHoehe = dach->GetMansardHoehe();
        m_nBeheizt = dach->IstBeheizt() ? 1 : 0;
    } else {
        ZeigeHausvorgaben(false);
    }
    UpdateData(false);
}

int CDacheingabeDlg::WaehleDachAmPunkt(const Punkt2D& p)
{
    if (CDach* aktuell = Dach(m_nDach); aktuell && !aktuell->IstFertig())
        return -1;
    if (!m_pRahmen || !m_pRahmen->GetActiveDocument())
        return -1;
    Haus& haus = m_pRahmen->AktuellesHaus();
    int bester = 1;
    int gefunden = -1;
    for (int i = 0; i < haus.m_aDach.GetSize(); ++i) {
        CDach& dach = haus.m_aDach[static_cast<std::size_t>(i)];
        if (!dach.IstFertig())
            continue;
        const int wert = Trefferwert(dach, p);
        if (wert >= bester) {
            bester = wert;
            gefunden = i;
        }
    }
    if (gefunden >= 0)
        WaehleDach(gefunden);
    return gefunden;
}

void CDacheingabeDlg::EntferneDach(int index)
{
    if (!Dach(index))
        return;
    if (index == m_nDach)
        WaehleDach(-1);
    Haus& haus = m_pRahmen->AktuellesHaus();
    haus.m_aDach.RemoveAt(static_cast<std::size_t>(index));
    if (index < m_nDach)
        --m_nDach;
    VerschneideDaecher(haus.m_aDach);
    if (m_pAnsicht)
        m_pAnsicht->DachEntfernt(index);
    MarkiereGeaendert();
    AktualisiereSchalter();
    ZeichneAnsichtenNeu();
}

int CDacheingabeDlg::ErstesDach(int flag)
{
    if (Dach(m_nDach))
        return m_nDach;
    if (flag == 1 && m_pRahmen && m_pRahmen->GetActiveDocument() && m_pRahmen->AktuellesHaus().m_aDach.empty())
        OnNeuesDach();
    return Dach(m_nDach) ? m_nDach : -1;
}

void CDacheingabeDlg::AktualisiereSchalter()
{
    const CDach* dach = Dach(m_nDach);
    const bool fertig = dach && dach->IstFertig();
    if (auto* knopf = FindeId<QPushButton>(this, IDC_FIRST_DREHEN))
        knopf->setEnabled(fertig && dach->KannFirstDrehen());
    const bool mansard = fertig && dach->GetTyp() == dachtyp::Mansarddach;
    if (auto* text = FindeId<QLabel>(this, IDC_MANSARD_TEXT))
        text->setEnabled(mansard);
    m_pMansard->setEnabled(mansard);
}

void CDacheingabeDlg::OnNeuesDach()
{
    if (!m_pRahmen || !m_pRahmen->GetActiveDocument())
        return;
    if (CDach* alt = Dach(m_nDach); alt && !alt->IstFertig())
        EntferneDach(m_nDach);
    const int k = m_pTyp->currentIndex();
    if (k < 0 || k > 5)
        return;
    if (!UpdateData(true))
        return;
    CDach dach(k + 1);
    dach.SetzeGeschossHoehe(m_dGeschossHoehe);
    dach.SetzeHoehe(m_dHoehe);
    dach.SetzeMansardHoehe(m_dMansardHoehe);
    dach.SetzeBeheizt(m_nBeheizt ? 1 : 0);
    Haus& haus = m_pRahmen->AktuellesHaus();
    const int index = static_cast<int>(haus.m_aDach.Add(dach));
    WaehleDach(index);
    MarkiereGeaendert();
    if (m_pAnsicht) {
        m_pAnsicht->SetzeAktivesDach(-1);
        m_pAnsicht->update();
    }
    AktualisiereSchalter();
}

void CDacheingabeDlg::OnTypGewaehlt()
{
    if (CDach* dach = Dach(m_nDach); dach && !dach->IstFertig())
        OnNeuesDach();
}

void CDacheingabeDlg::OnFirstDrehen()
{
    CDach* dach = Dach(m_nDach);
    if (!dach || !dach->IstFertig())
        return;
    OhneAnsicht ohne;
    DachAnsicht& ansicht = m_pAnsicht ? m_pAnsicht->Dachschnittstelle() : static_cast<DachAnsicht&>(ohne);
    Dachumfeld umfeld = UmfeldVon(m_pRahmen->AktuellesHaus(), ansicht);
    DreheFirst(*dach, umfeld);
    MarkiereGeaendert();
    AktualisiereSchalter();
    ZeichneAnsichtenNeu();
}

void CDacheingabeDlg::showEvent(QShowEvent* ereignis)
{
    CEingabeAssistentDlg::showEvent(ereignis);
    if (!Dach(m_nDach)) {
        m_nDach = -1;
        ZeigeHausvorgaben(true);
        UpdateData(false);
    }
    AktualisiereSchalter();
}

void CDacheingabeDlg::LiesHausNeu()
{
    // Nothing of the house before stays in the pane.
    for (int id : Ablesefelder)
        SetzeText(id, QString());
    m_nDach = -1;
    ZeigeHausvorgaben(true);
    UpdateData(false);
    AktualisiereSchalter();
}

void CDacheingabeDlg::OnWeiter()
{
    if (!m_pRahmen || !m_pRahmen->GetActiveDocument())
        return;
    if (!NimmWerte())
        return;
    if (!OhneDachWeiter(*m_pRahmen, this))
        return;
    if (!Meldung::Frage(QString::fromUtf8(FrageDreiD), QMessageBox::No, Meldung::Symbol::Vorgabe, this))
        return;
    if (!BetreteDreiDPhase(*m_pRahmen))
        return;
    m_pRahmen->NaechsterSchritt();
    ZeichneAnsichtenNeu();
}

} // namespace zeva
