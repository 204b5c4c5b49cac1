#include "shell/Schrittplatzhalter.h"

#include "shell/Schrittsteuerung.h"
#include "ui/CRightBaseDialog.h"
#include "ui/SteuerelementId.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeva {

void SetzeSteuerText(QWidget* steuerelement, const QString& text)
{
    if (auto* l = qobject_cast<QLabel*>(steuerelement))
        l->setText(text);
    else if (auto* k = qobject_cast<QAbstractButton*>(steuerelement))
        k->setText(text);
    else if (auto* f = qobject_cast<QLineEdit*>(steuerelement))
        f->setText(text);
    else if (auto* g = qobject_cast<QGroupBox*>(steuerelement))
        g->setTitle(text);
}

QString SteuerText(const QWidget* steuerelement)
{
    if (auto* l = qobject_cast<const QLabel*>(steuerelement))
        return l->text();
    if (auto* k = qobject_cast<const QAbstractButton*>(steuerelement))
        return k->text();
    if (auto* f = qobject_cast<const QLineEdit*>(steuerelement))
        return f->text();
    if (auto* g = qobject_cast<const QGroupBox*>(steuerelement))
        return g->title();
    return {};
}

namespace Schrittplatzhalter {

namespace {

constexpr const char* Merkmal = "zevaSchrittplatzhalter";

void Markiere(QWidget* fenster, const QString& name)
{
    fenster->setObjectName(name);
    fenster->setProperty(Merkmal, true);
}

QLabel* Hinweis(QWidget* eltern, const QString& was)
{
    auto* text = new QLabel(QStringLiteral("%1\n\nDiese Eingabe ist in dieser Programmversion noch nicht "
                                           "enthalten. Mit „Weiter >>“ geht es zum nächsten Schritt.")
                                .arg(was),
                            eltern);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    text->setMinimumWidth(320);
    return text;
}

QPushButton* Knopf(QWidget* eltern, const QString& text, int id)
{
    auto* knopf = new QPushButton(text, eltern);
    SetzeId(knopf, id);
    knopf->setAutoDefault(false);
    return knopf;
}

QLabel* Schrittname(QWidget* eltern, int id, bool fett)
{
    auto* name = new QLabel(eltern);
    SetzeId(name, id);
    name->setAlignment(Qt::AlignCenter);
    name->setMinimumWidth(90);
    if (fett) {
        QFont f = name->font();
        f.setBold(true);
        name->setFont(f);
    }
    return name;
}

// A step panel: its name, the note, on the project page its fields, then the
// step names and buttons at the panel's ids.
class PanelPlatzhalter final : public QDialog, public Schrittfenster {
public:
    PanelPlatzhalter(Panel panel, Schrittsteuerung& rahmen, QWidget* eltern) : QDialog(eltern), m_rahmen(rahmen)
    {
        Markiere(this, QStringLiteral("Schrittplatzhalter"));
        setWindowTitle(Titel(panel));
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(Hinweis(this, Titel(panel)));
        if (panel == Panel::Projekt)
            layout->addLayout(Projektfelder());

        const Schrittids ids = Ids(panel);
        auto* namen = new QHBoxLayout;
        namen->addWidget(Schrittname(this, ids.vorher, false));
        namen->addWidget(Schrittname(this, ids.ist, true));
        namen->addWidget(Schrittname(this, ids.nach, false));
        layout->addLayout(namen);
        auto* knoepfe = new QHBoxLayout;
        QPushButton* zurueck = Knopf(this, QStringLiteral("<< &Zurück"), ids.zurueck);
        QPushButton* weiter = Knopf(this, QStringLiteral("&Weiter >>"), ids.weiter);
        knoepfe->addWidget(zurueck);
        knoepfe->addStretch(1);
        knoepfe->addWidget(weiter);
        layout->addLayout(knoepfe);
        connect(weiter, &QPushButton::clicked, this, [this] { m_rahmen.NaechsterSchritt(); });
        connect(zurueck, &QPushButton::clicked, this, [this] { m_rahmen.VorherigerSchritt(); });
    }

    void LiesHausNeu() override { ++m_gelesen; }
    void accept() override {}
    void reject() override {}

protected:
    void keyPressEvent(QKeyEvent* ereignis) override
    {
        if (ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter ||
            ereignis->key() == Qt::Key_Escape) {
            ereignis->accept();
            return;
        }
        QDialog::keyPressEvent(ereignis);
    }

private:
    // The fields whose states the step switch sets on the project page.
    QGridLayout* Projektfelder()
    {
        auto* raster = new QGridLayout;
        struct Feld {
            int id;
            const char* text;
        };
        const Feld felder[] = {{1128, "Nutzfläche"},
                               {1126, "Luftvolumen"},
                               {1129, "Stromverbrauch"},
                               {1007, "tägl. Nutzungsdauer"},
                               {1006, "mittl. Personenzahl"}};
        int zeile = 0;
        for (const Feld& f : felder) {
            raster->addWidget(new QLabel(QString::fromUtf8(f.text), this), zeile, 0);
            auto* feld = new QLineEdit(this);
            SetzeId(feld, f.id);
            raster->addWidget(feld, zeile++, 1);
        }
        raster->addWidget(Knopf(this, QStringLiteral("Aus Nutzfläche berechnen"), 1130), zeile++, 1);
        raster->addWidget(Knopf(this, QStringLiteral("Steildach"), 1288), zeile, 0);
        raster->addWidget(Knopf(this, QStringLiteral("Flachdach"), 1289), zeile++, 1);
        auto* dach = new QCheckBox(QStringLiteral("Dachgeschoss beheizt"), this);
        SetzeId(dach, 1031);
        auto* keller = new QCheckBox(QStringLiteral("Keller beheizt"), this);
        SetzeId(keller, 1021);
        raster->addWidget(dach, zeile, 0);
        raster->addWidget(keller, zeile, 1);
        return raster;
    }

    Schrittsteuerung& m_rahmen;
    int m_gelesen = 0;
};

// A view lying over the view area.
class AnsichtPlatzhalter final : public QLabel, public Schrittfenster {
public:
    AnsichtPlatzhalter(const QString& name, int id, QWidget* eltern) : QLabel(eltern)
    {
        Markiere(this, QStringLiteral("Ansichtsplatzhalter"));
        SetzeId(this, id);
        setProperty(Merkmal, true);
        setText(name + QStringLiteral("\n(in dieser Programmversion noch nicht enthalten)"));
        setAlignment(Qt::AlignCenter);
        setAutoFillBackground(true);
        setFrameShape(QFrame::Box);
    }
    void LiesHausNeu() override {}
};

// A side pane of the right bar with the step buttons.
class PanePlatzhalter : public CRightBaseDialog, public Schrittfenster {
public:
    PanePlatzhalter(const QString& titel, Schrittsteuerung& rahmen, QWidget* eltern) : CRightBaseDialog(eltern)
    {
        Markiere(this, QStringLiteral("Seitenplatzhalter"));
        // The title is set by the maker once every control exists: setting
        // it shows the pane, and controls made after that would stay hidden.
        setProperty("titel", titel);
        m_layout = new QVBoxLayout(this);
        m_layout->setContentsMargins(6, StreifenHoehe() + 6, 6, 6);
        m_inhalt = new QVBoxLayout;
        m_layout->addLayout(m_inhalt);
        m_layout->addStretch(1);
        auto* knoepfe = new QHBoxLayout;
        QPushButton* zurueck = Knopf(this, QStringLiteral("<< &Zurück"), 1282);
        QPushButton* weiter = Knopf(this, QStringLiteral("&Weiter >>"), 1281);
        knoepfe->addWidget(zurueck);
        knoepfe->addWidget(weiter);
        m_layout->addLayout(knoepfe);
        connect(weiter, &QPushButton::clicked, this, [&rahmen] { rahmen.NaechsterSchritt(); });
        connect(zurueck, &QPushButton::clicked, this, [&rahmen] { rahmen.VorherigerSchritt(); });
    }
    void LiesHausNeu() override {}

protected:
    QVBoxLayout* m_layout;
    QVBoxLayout* m_inhalt;
};

// The input assistant: read-out rows, group boxes and "Eingabe-Optionen".
class AssistentPlatzhalter final : public PanePlatzhalter {
public:
    AssistentPlatzhalter(Schrittsteuerung& rahmen, QWidget* eltern)
        : PanePlatzhalter(QStringLiteral("Eingabeassistent"), rahmen, eltern)
    {
        auto gruppe = [this](int id, const char* titel) {
            auto* g = new QGroupBox(QString::fromUtf8(titel), this);
            SetzeId(g, id);
            g->setFlat(true);
            m_inhalt->addWidget(g);
        };
        const int zeilen[6][3] = {{1283, 1009, 1284}, {1288, 1010, 1289}, {1290, 1011, 1291},
                                  {1329, 1330, 1331}, {1292, 1014, 1293}, {1323, 1324, 1325}};
        gruppe(1332, "Aktuelle Eingabe");
        gruppe(1308, "Aktuelle Eingabe");
        for (int i = 0; i < 6; ++i) {
            if (i == 4)
                gruppe(1326, "Absolute Position");
            auto* zeile = new QHBoxLayout;
            auto* text = new QLabel(this);
            SetzeId(text, zeilen[i][0]);
            auto* wert = new QLineEdit(this);
            SetzeId(wert, zeilen[i][1]);
            wert->setReadOnly(true);
            auto* einheit = new QLabel(this);
            SetzeId(einheit, zeilen[i][2]);
            zeile->addWidget(text, 2);
            zeile->addWidget(wert, 2);
            zeile->addWidget(einheit, 1);
            m_inhalt->addLayout(zeile);
        }
        gruppe(1316, "Gebäudegeometrie");
        m_inhalt->addWidget(Knopf(this, QStringLiteral("Eingabe-Optionen"), 1121));
    }
};

class EingabeansichtenPlatzhalter final : public Eingabeansichten {
public:
    explicit EingabeansichtenPlatzhalter(Schrittsteuerung& rahmen) : m_rahmen(rahmen) {}

    QWidget* Erzeuge(Fenster art, QWidget* eltern) override
    {
        QWidget* fenster = nullptr;
        switch (art) {
        case Fenster::Ansicht2D: fenster = new AnsichtPlatzhalter(QStringLiteral("2D Ansicht"), 209, eltern); break;
        case Fenster::Ansicht3D: fenster = new AnsichtPlatzhalter(QStringLiteral("3D Ansicht"), 210, eltern); break;
        case Fenster::Assistent: fenster = new AssistentPlatzhalter(m_rahmen, eltern); break;
        case Fenster::Hoehenangaben:
            fenster = new PanePlatzhalter(QStringLiteral("Höhenangaben"), m_rahmen, eltern);
            break;
        case Fenster::Dacheingabe:
            fenster = new PanePlatzhalter(QStringLiteral("Dacheingabe"), m_rahmen, eltern);
            break;
        }
        if (auto* pane = dynamic_cast<PanePlatzhalter*>(fenster))
            pane->SetzeTitel(pane->property("titel").toString());
        fenster->hide();
        return fenster;
    }
    void ZeigeZone(QWidget*, int) override {}
    void VerbindeDach(QWidget*, QWidget*) override {}
    bool GaubeUebernehmen(QWidget*) override { return true; }

private:
    Schrittsteuerung& m_rahmen;
};

} // namespace

Schrittids Ids(Panel panel)
{
    switch (panel) {
    case Panel::Fenster: return {1281, 1282, 1283, 1288, 1284};
    case Panel::Boden: return {1281, 1282, 1285, 1286, 1287};
    case Panel::Decke: return {1283, 1284, 1285, 1286, 1287};
    default: return {1281, 1282, 1283, 1285, 1284};
    }
}

Panel PanelDesSchritts(int phase)
{
    switch (phase) {
    case 2: return Panel::Wand;
    case 3: return Panel::Fenster;
    case 4: return Panel::Steildach;
    case 5: return Panel::Flachdach;
    case 6: return Panel::Decke;
    case 7: return Panel::Boden;
    case 17: return Panel::Heizung;
    default: return Panel::Projekt; // 1 and 18
    }
}

QString Titel(Panel panel)
{
    switch (panel) {
    case Panel::Projekt: return QStringLiteral("Projektdaten");
    case Panel::Wand: return QStringLiteral("Wand");
    case Panel::Fenster: return QStringLiteral("Fenster");
    case Panel::Steildach: return QStringLiteral("Steildach");
    case Panel::Flachdach: return QStringLiteral("Flachdach");
    case Panel::Decke: return QStringLiteral("Decke");
    case Panel::Boden: return QStringLiteral("Boden");
    case Panel::Heizung: return QStringLiteral("Heizung");
    }
    return {};
}

QDialog* ErzeugePanel(Panel panel, Schrittsteuerung& rahmen, QWidget* eltern)
{
    return new PanelPlatzhalter(panel, rahmen, eltern);
}

std::unique_ptr<Eingabeansichten> ErzeugeEingabeansichten(Schrittsteuerung& rahmen)
{
    return std::make_unique<EingabeansichtenPlatzhalter>(rahmen);
}

bool IstPlatzhalter(const QWidget* fenster)
{
    return fenster && fenster->property(Merkmal).toBool();
}

} // namespace Schrittplatzhalter
} // namespace zeva
