#include "ui/Seitenknoepfe.h"

#include "ui/SteuerelementId.h"

#include <QBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QtCore/qresource.h>

// Outside any namespace: the registration function has a global name.
static void RegistriereSeitenbilder()
{
    Q_INIT_RESOURCE(seitenknoepfe);
}

namespace zeva {

namespace {

QPushButton* Knopf(QWidget* eltern, int id, const char* bild, const char* tipp)
{
    auto* knopf = new QPushButton(eltern);
    SetzeId(knopf, id);
    knopf->setIcon(QIcon(QStringLiteral(":/zeva/bilder/") + QLatin1String(bild)));
    knopf->setIconSize(QSize(16, 16));
    knopf->setToolTip(QString::fromUtf8(tipp));
    knopf->setAccessibleName(QString::fromUtf8(tipp));
    knopf->setAutoDefault(false);
    knopf->setFixedSize(26, 24);
    return knopf;
}

} // namespace

Seitenknoepfe::Seitenknoepfe(const Ids& ids, Qt::Orientation richtung, QWidget* parent) : QWidget(parent)
{
    static const bool geladen = [] {
        RegistriereSeitenbilder();
        return true;
    }();
    (void)geladen;

    m_anfang = Knopf(this, ids.anfang, "seite_erste.svg", "Erste Seite");
    m_hoch = Knopf(this, ids.hoch, "seite_hoch.svg", "Eine Zeile hoch");
    m_runter = Knopf(this, ids.runter, "seite_runter.svg", "Eine Zeile runter");
    m_ende = Knopf(this, ids.ende, "seite_letzte.svg", "Letzte Seite");

    auto* layout = new QBoxLayout(richtung == Qt::Vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_anfang);
    layout->addWidget(m_hoch);
    layout->addWidget(m_runter);
    layout->addWidget(m_ende);
}

} // namespace zeva
