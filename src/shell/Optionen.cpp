#include "shell/Optionen.h"

#include "model/DHeizung.h"
#include "platform/Meldung.h"
#include "shell/OptKosten.h"
#include "shell/OptProgSan.h"
#include "shell/OptSanHeizung.h"
#include "ui/SteuerelementId.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace zeva {

Optionen::Optionen(const DHeizung& bestand, QWidget* parent, int ersteSeite) : QDialog(parent)
{
    setWindowTitle(QString::fromUtf8(Titeltext));

    m_seiten = new QTabWidget(this);
    m_pages = {new OptProgSan(m_Optionen), new OptKosten(m_Optionen), new OptSanHeizung(m_Optionen, bestand)};
    for (OptionenSeite* seite : m_pages)
        m_seiten->addTab(seite, seite->Titel());
    m_aktiv = std::clamp(ersteSeite, 0, static_cast<int>(m_pages.size()) - 1);
    m_seiten->setCurrentIndex(m_aktiv);
    connect(m_seiten, &QTabWidget::currentChanged, this, [this](int neu) { SeiteGewechselt(neu); });

    m_btnVorgabe = new QPushButton(QStringLiteral("&Vorgabe"), this);
    SetzeId(m_btnVorgabe, IdVorgabe);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    SetzeId(ok, 1);
    ok->setDefault(true);
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    SetzeId(abbrechen, 2);
    connect(m_btnVorgabe, &QPushButton::clicked, this, &Optionen::OnVorgabe);
    connect(ok, &QPushButton::clicked, this, &Optionen::accept);
    connect(abbrechen, &QPushButton::clicked, this, &Optionen::reject);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(m_btnVorgabe);
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_seiten);
    layout->addLayout(knoepfe);
}

Optionen::~Optionen() = default;

OptionenSeite* Optionen::Seite(int index) const
{
    return index >= 0 && index < static_cast<int>(m_pages.size()) ? m_pages[static_cast<std::size_t>(index)]
                                                                   : nullptr;
}

void Optionen::showEvent(QShowEvent* ereignis)
{
    // The caller fills the record between construction and showing.
    if (!m_gezeigt) {
        m_gezeigt = true;
        m_pages[static_cast<std::size_t>(m_aktiv)]->OnSetActive();
    }
    QDialog::showEvent(ereignis);
}

void Optionen::SeiteGewechselt(int neu)
{
    if (neu == m_aktiv || Seite(neu) == nullptr)
        return;
    // A tab widget cannot refuse a change: go back to the page being left
    // first, so that its check reports on the page the user sees, and move on
    // only when it passes.
    {
        const QSignalBlocker sperre(m_seiten);
        m_seiten->setCurrentIndex(m_aktiv);
    }
    if (!Seite(m_aktiv)->OnKillActive())
        return;
    {
        const QSignalBlocker sperre(m_seiten);
        m_seiten->setCurrentIndex(neu);
    }
    m_aktiv = neu;
    Seite(m_aktiv)->OnSetActive();
}

void Optionen::accept()
{
    if (!Seite(m_aktiv)->OnKillActive())
        return;
    QDialog::accept();
}

void Optionen::OnVorgabe()
{
    if (Meldung::Frage(QString::fromUtf8(FrageVorgabe), QMessageBox::Yes, Meldung::Symbol::Frage, this)) {
        m_Optionen.SetzeStandard();
        Seite(m_aktiv)->OnSetActive();
        m_btnVorgabe->setFocus();
    }
}

} // namespace zeva
