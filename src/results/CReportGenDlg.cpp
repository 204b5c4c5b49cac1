#include "results/CReportGenDlg.h"

#include "model/CXmlArchive.h"
#include "platform/Meldung.h"
#include "shell/Befehle.h"
#include "shell/CMainFrame.h"
#include "ui/SteuerelementId.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <map>

namespace zeva {

namespace {

// The section name of a section item lies in its data.
constexpr int AbschnittRolle = Qt::UserRole + 1;
constexpr int IstAbschnittRolle = Qt::UserRole + 2;
constexpr int Aktualisieren = 1395;

} // namespace

CReportGenDlg::CReportGenDlg(CMainFrame& rahmen, QWidget* parent, const QString& ordner)
    : CRightBaseDialog(parent), m_rahmen(rahmen), m_strOrdner(ordner)
{
    setObjectName(QStringLiteral("CReportGenDlg"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    auto knopf = [this, layout](const char* text, int id) {
        auto* k = new QPushButton(QString::fromUtf8(text), this);
        SetzeId(k, id);
        k->setAutoDefault(false);
        // The buttons take half the pane's width, as in the other panes.
        auto* zeile = new QHBoxLayout;
        zeile->addWidget(k, 70);
        zeile->addStretch(70);
        layout->addLayout(zeile);
        return k;
    };
    m_Schliessen = knopf("Schließen", 1396);
    m_Drucken = knopf("Drucken...", ID_FILE_PRINT);
    m_Vorschau = knopf("Druckvorschau", ID_FILE_PRINT_PREVIEW);
    m_Aktualisieren = knopf("Aktualisieren", Aktualisieren);

    m_cbVoreinstellungen = new QComboBox(this);
    SetzeId(m_cbVoreinstellungen, 1368);
    layout->addWidget(m_cbVoreinstellungen);

    // The tree directly below the combo box, as wide as it, down to the
    // pane's bottom.
    m_Baum = new QTreeWidget(this);
    SetzeId(m_Baum, 1369);
    m_Baum->setHeaderHidden(true);
    m_Baum->setColumnCount(1);
    layout->addWidget(m_Baum, 1);

    connect(m_Schliessen, &QPushButton::clicked, this, [this] { m_rahmen.PosteReportansicht(ANSICHT_SCHLIESSEN); });
    connect(m_Drucken, &QPushButton::clicked, this, [this] { m_rahmen.Reportansicht(ID_FILE_PRINT); });
    connect(m_Vorschau, &QPushButton::clicked, this, [this] { m_rahmen.Reportansicht(ID_FILE_PRINT_PREVIEW); });
    connect(m_Aktualisieren, &QPushButton::clicked, this, [this] { OnAktualisieren(); });
    // A preset the user picks shows at once: the page follows the new checks.
    connect(m_cbVoreinstellungen, &QComboBox::activated, this, [this](int i) {
        OnVoreinstellung(i);
        OnAktualisieren();
    });
    connect(m_Baum, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int) { OnBaumGeaendert(item); });
}

CReportGenDlg::~CReportGenDlg() = default;

void CReportGenDlg::showEvent(QShowEvent* ereignis)
{
    CRightBaseDialog::showEvent(ereignis);
    if (m_Baum->topLevelItemCount() == 0) {
        SetzeTitel(QStringLiteral("Report"));
        LadeReportVorgaben();
    }
    OnAktualisieren();
}

QString CReportGenDlg::Abschnitt(const QTreeWidgetItem* item) const
{
    return item ? item->data(0, AbschnittRolle).toString() : QString();
}

void CReportGenDlg::LadeReportVorgaben()
{
    // A file that yielded no group before may have left presets behind: a
    // new load starts from an empty combo box.
    m_cbVoreinstellungen->clear();
    m_Vorgaben.clear();
    const QSignalBlocker sperre(m_Baum);
    try {
        CXmlArchive ar;
        ar.Load((m_strOrdner + QStringLiteral("/ReportVorgaben.xml")).toStdString());
        if (!ar.FindElement("VykeZevaReportVorgaben") || !ar.FindChildElement("Vorgaben") || !ar.DescendToCursor())
            throw CXmlArchiveException(0, 0, 0, "VykeZevaReportVorgaben/Vorgaben fehlt", "ReportVorgaben.xml");

        std::map<std::string, QTreeWidgetItem*> namen;
        while (ar.FindChildElement("Vorgabe")) {
            const std::string gruppe = ar.GetChildAttribute("name");
            auto* gruppenItem = new QTreeWidgetItem(m_Baum, {QString::fromStdString(gruppe)});
            gruppenItem->setFlags(gruppenItem->flags() | Qt::ItemIsUserCheckable);
            gruppenItem->setCheckState(0, Qt::Unchecked);
            namen[gruppe] = gruppenItem;
            ar.DescendToCursor();
            while (ar.FindChildElement("Detail")) {
                const std::string detail = ar.GetChildAttribute("name");
                auto* item = new QTreeWidgetItem(gruppenItem, {QString::fromStdString(detail)});
                item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                item->setCheckState(0, Qt::Unchecked);
                namen[gruppe + detail] = item;
                item->setData(0, AbschnittRolle, QString::fromStdString(ar.GetChildText().value_or(std::string())));
                item->setData(0, IstAbschnittRolle, true);
            }
            gruppenItem->setExpanded(true);
            ar.EndElement();
        }
        ar.EndElement();

        if (!ar.FindChildElement("Voreinstellungen") || !ar.DescendToCursor())
            throw CXmlArchiveException(0, 0, 0, "Voreinstellungen fehlt", "ReportVorgaben.xml");
        auto finde = [&namen](const std::string& schluessel) -> QTreeWidgetItem* {
            const auto it = namen.find(schluessel);
            return it == namen.end() ? nullptr : it->second;
        };
        while (ar.FindChildElement("Voreinstellung")) {
            const std::string name = ar.GetChildAttribute("name");
            std::vector<QTreeWidgetItem*> liste;
            ar.DescendToCursor();
            while (ar.FindChildElement("Vorgabe")) {
                const std::string gruppe = ar.GetChildAttribute("name");
                QTreeWidgetItem* zuletzt = finde(gruppe);
                if (zuletzt)
                    liste.push_back(zuletzt);
                ar.DescendToCursor();
                while (ar.FindChildElement("Detail")) {
                    // A label that names no section selects nothing.
                    zuletzt = finde(gruppe + ar.GetChildAttribute("name"));
                    if (zuletzt)
                        liste.push_back(zuletzt);
                }
                if (zuletzt) {
                    for (int i = 0; i < zuletzt->childCount(); ++i)
                        liste.push_back(zuletzt->child(i));
                }
                ar.EndElement();
            }
            ar.EndElement();
            m_cbVoreinstellungen->addItem(QString::fromStdString(name), static_cast<int>(m_Vorgaben.size()));
            m_Vorgaben.push_back(std::move(liste));
        }
    } catch (const std::exception&) {
        Meldung::Zeige(QString::fromUtf8(Ladefehler), QMessageBox::Ok, Meldung::Symbol::Stopp, QMessageBox::NoButton,
                       this, QString::fromUtf8(Fehlertitel));
        return;
    }
    m_cbVoreinstellungen->addItem(QString::fromUtf8(BenutzerDefiniert), -1);
    m_cbVoreinstellungen->setCurrentIndex(0);
    OnVoreinstellung(0);
}

void CReportGenDlg::OnVoreinstellung(int i)
{
    if (i < 0 || i >= m_cbVoreinstellungen->count())
        return;
    const int vorgabe = m_cbVoreinstellungen->itemData(i).toInt();
    if (vorgabe < 0 || vorgabe >= static_cast<int>(m_Vorgaben.size()))
        return;
    const QSignalBlocker sperre(m_Baum);
    m_Baum->setUpdatesEnabled(false);
    for (int g = 0; g < m_Baum->topLevelItemCount(); ++g) {
        QTreeWidgetItem* gruppe = m_Baum->topLevelItem(g);
        gruppe->setCheckState(0, Qt::Unchecked);
        for (int d = 0; d < gruppe->childCount(); ++d)
            gruppe->child(d)->setCheckState(0, Qt::Unchecked);
    }
    for (QTreeWidgetItem* item : m_Vorgaben[static_cast<std::size_t>(vorgabe)])
        item->setCheckState(0, Qt::Checked);
    m_Baum->setUpdatesEnabled(true);
}

void CReportGenDlg::SetzeHaken(QTreeWidgetItem* item, bool an)
{
    item->setCheckState(0, an ? Qt::Checked : Qt::Unchecked);
}

void CReportGenDlg::OnBaumGeaendert(QTreeWidgetItem* item)
{
    // Mouse and keyboard toggle the box before this runs; the rest of the
    // tree follows the item's new state.
    const bool an = item->checkState(0) == Qt::Checked;
    const QSignalBlocker sperre(m_Baum);
    if (item->childCount() > 0) {
        for (int i = 0; i < item->childCount(); ++i)
            SetzeHaken(item->child(i), an);
        return;
    }
    QTreeWidgetItem* gruppe = item->parent();
    if (!gruppe)
        return;
    bool irgendeiner = false;
    for (int i = 0; i < gruppe->childCount(); ++i)
        irgendeiner = irgendeiner || gruppe->child(i)->checkState(0) == Qt::Checked;
    SetzeHaken(gruppe, irgendeiner);
}

void CReportGenDlg::OnAktualisieren()
{
    m_GewaehlteAbschnitte.clear();
    for (int g = 0; g < m_Baum->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* gruppe = m_Baum->topLevelItem(g);
        for (int d = 0; d < gruppe->childCount(); ++d) {
            const QTreeWidgetItem* item = gruppe->child(d);
            if (item->checkState(0) == Qt::Checked && item->data(0, IstAbschnittRolle).toBool())
                m_GewaehlteAbschnitte.append(Abschnitt(item));
        }
    }
    // Posted: the frame rebuilds the page once this event is done.
    QPointer<CReportGenDlg> pane(this);
    CMainFrame* rahmen = &m_rahmen;
    QMetaObject::invokeMethod(
        rahmen,
        [pane, rahmen] {
            if (pane)
                rahmen->Reportansicht(Aktualisieren, &pane->m_GewaehlteAbschnitte);
        },
        Qt::QueuedConnection);
}

} // namespace zeva
