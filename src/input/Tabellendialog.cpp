#include "input/Tabellendialog.h"

#include "model/Haus.h"
#include "platform/Meldung.h"
#include "shell/CZEVADoc.h"
#include "ui/MeldungsNotifier.h"
#include "ui/Seitenknoepfe.h"
#include "ui/SteuerelementId.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zeva {

CTabellenDialog::CTabellenDialog(const Tabellenumgebung& umgebung, QWidget* parent)
    : DatenDialog(parent), m_umgebung(umgebung)
{
}

Haus& CTabellenDialog::HausRef() const
{
    return m_umgebung.dokument->HausRef();
}

QPushButton* CTabellenDialog::Knopf(QWidget* eltern, const char* text, int id)
{
    auto* k = new QPushButton(QString::fromUtf8(text), eltern);
    SetzeId(k, id);
    k->setAutoDefault(false);
    return k;
}

QLineEdit* CTabellenDialog::Zahlenfeld(int id, int ziffern)
{
    auto* f = ErzeugeMitId<QLineEdit>(this, id);
    f->setAlignment(Qt::AlignRight);
    f->setFixedWidth(f->fontMetrics().horizontalAdvance(QString(ziffern, QLatin1Char('0'))) + 12);
    return f;
}

void CTabellenDialog::BaueRahmen(QGridLayout* tabelle, QPushButton* vorne)
{
    m_Seiten = new Seitenknoepfe({1037, 1036, 1035, 1038}, Qt::Vertical, this);
    auto* rechts = new QVBoxLayout;
    // The page buttons start at the first row, below the column heads.
    rechts->addSpacing(fontMetrics().height() * 2 + tabelle->spacing());
    rechts->addWidget(m_Seiten);
    rechts->addStretch();

    auto* ok = Knopf(this, "&OK", 1);
    ok->setDefault(true);
    m_AusDBButton = Knopf(this, "Aus &DB...", 1118);
    m_NachDBButton = Knopf(this, "&Nach DB...", 1119);
    m_LoeschenButton = Knopf(this, "&Löschen", 1030);
    m_AbbrechenButton = Knopf(this, "&Abbrechen", 2);
    auto* knoepfe = new QHBoxLayout;
    if (vorne != nullptr)
        knoepfe->addWidget(vorne);
    knoepfe->addWidget(ok);
    knoepfe->addStretch();
    knoepfe->addWidget(m_AusDBButton);
    knoepfe->addWidget(m_NachDBButton);
    knoepfe->addWidget(m_LoeschenButton);
    knoepfe->addStretch();
    knoepfe->addWidget(m_AbbrechenButton);

    auto* oben = new QHBoxLayout;
    oben->addLayout(tabelle, 1);
    oben->addLayout(rechts);
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(oben);
    haupt->addLayout(knoepfe);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_AbbrechenButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_Seiten->Anfang(), &QPushButton::clicked, this, [this] { OnBlaettern(0); });
    connect(m_Seiten->Hoch(), &QPushButton::clicked, this, [this] { OnBlaettern(1); });
    connect(m_Seiten->Runter(), &QPushButton::clicked, this, [this] { OnBlaettern(2); });
    connect(m_Seiten->Ende(), &QPushButton::clicked, this, [this] { OnBlaettern(3); });
    connect(m_LoeschenButton, &QPushButton::clicked, this, [this] { OnLoeschen(); });
    connect(m_AusDBButton, &QPushButton::clicked, this, [this] { OnAusDB(); });
    connect(m_NachDBButton, &QPushButton::clicked, this, [this] { OnNachDB(); });
}

void CTabellenDialog::AktualisiereZeilen(int ersteZeile, int aktuelleZeile, int zeilen,
                                         std::initializer_list<QPushButton*> zeilenKnoepfe)
{
    const auto freigabe = [](QWidget* w, bool an, QWidget* ausweichen) {
        if (!an && w->hasFocus() && ausweichen != nullptr)
            ausweichen->setFocus(Qt::OtherFocusReason);
        w->setEnabled(an);
    };
    const int k = aktuelleZeile - ersteZeile;
    for (int i = 0; i < ZeilenProSeite; ++i) {
        m_Radios[static_cast<std::size_t>(i)]->setText(QString::number(ersteZeile + i + 1));
        m_Radios[static_cast<std::size_t>(i)]->setChecked(k == i + 1);
    }
    const bool aufSeite = k >= 1 && k <= ZeilenProSeite;
    for (QPushButton* b : zeilenKnoepfe)
        freigabe(b, aufSeite, m_AbbrechenButton);
    m_Seiten->Runter()->setEnabled(true);
    freigabe(m_Seiten->Hoch(), ersteZeile != 0, m_Seiten->Runter());
    freigabe(m_Seiten->Anfang(), ersteZeile != 0, m_Seiten->Runter());
    freigabe(m_Seiten->Ende(), ersteZeile + ZeilenProSeite != zeilen, m_Seiten->Hoch());
}

void CTabellenDialog::Eingabefehler(const char* text)
{
    Meldung::Hinweis(QString::fromUtf8(text), Meldung::Symbol::Keins, this);
}

bool CTabellenDialog::BestandAendernErlaubt()
{
    MeldungsNotifier notifier(this);
    return HausRef().BestandAendernErlaubt(true, notifier, m_umgebung.anzeige);
}

void CTabellenDialog::SetzeGeaendert()
{
    m_umgebung.dokument->SetModifiedFlag(true);
}

void CTabellenDialog::MeldeGeschlossen()
{
    if (m_umgebung.geschlossen)
        m_umgebung.geschlossen();
}

} // namespace zeva
