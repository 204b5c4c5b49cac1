#include "input/Tabellendialog.h"

#include "model/Haus.h"
#include "platform/Meldung.h"
#include "shell/CZEVADoc.h"
#include "ui/MeldungsNotifier.h"
#include "ui/Seitenknoepfe.h"
#include "ui/SteuerelementId.h"

#include <QPushButton>
#include <QRadioButton>

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

Seitenknoepfe* CTabellenDialog::ErzeugeSeitenknoepfe(QWidget* eltern)
{
    m_Seiten = new Seitenknoepfe({1037, 1036, 1035, 1038}, Qt::Vertical, eltern);
    return m_Seiten;
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
