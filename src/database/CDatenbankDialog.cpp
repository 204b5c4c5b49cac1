#include "database/CDatenbankDialog.h"

#include "database/Bildpfad.h"
#include "database/Datenbankdateien.h"
#include "model/Zahlentext.h"
#include "platform/Meldung.h"
#include "platform/SqlRecordset.h"
#include "shell/Dateiauswahl.h"
#include "ui/Feldhilfen.h"
#include "ui/SteuerelementId.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QGroupBox>
#include <QGridLayout>
#include <QLabel>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

namespace zeva {

namespace {

// Marks the placeholder entry, so that it never counts as a name.
constexpr int PlatzhalterRolle = Qt::UserRole + 1;

QString NamensText(const SqlValue& wert)
{
    if (const auto* text = std::get_if<std::string>(&wert))
        return QString::fromStdString(*text);
    if (const auto* ganz = std::get_if<long long>(&wert))
        return QString::number(*ganz);
    if (const auto* zahl = std::get_if<double>(&wert))
        return QString::number(*zahl);
    return {};
}

class ZuklappListe final : public QComboBox {
public:
    ZuklappListe(QWidget* eltern, std::function<void()> beimZuklappen)
        : QComboBox(eltern), m_beimZuklappen(std::move(beimZuklappen))
    {
    }
    void showPopup() override
    {
        m_offen = true;
        QComboBox::showPopup();
    }
    void hidePopup() override
    {
        // Qt also hides a popup that was never shown, while the dialog goes away.
        const bool warOffen = m_offen;
        m_offen = false;
        QComboBox::hidePopup();
        if (warOffen && m_beimZuklappen)
            m_beimZuklappen();
    }

private:
    std::function<void()> m_beimZuklappen;
    bool m_offen = false;
};

void RichteNamenslisteEin(QComboBox* liste, int id)
{
    SetzeId(liste, id);
    liste->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    liste->setMinimumContentsLength(36);
    liste->setMaxVisibleItems(16);
}

} // namespace

const QString CDatenbankDialog::Platzhalter = QStringLiteral("(keine Einträge vorhanden)");
const QString CDatenbankDialog::LoeschFehlerText = QStringLiteral("Fehler: Kann Datensatz nicht löschen");
const QString CDatenbankDialog::NichtBearbeitbarText = QStringLiteral("Fehler: Datenbank kann nicht bearbeitet werden");

CDatenbankDialog::CDatenbankDialog(QWidget* parent) : DatenDialog(parent) {}

CDatenbankDialog::~CDatenbankDialog()
{
    m_Datenbank.Close();
}

int CDatenbankDialog::exec()
{
    if (InitialisiereVorAnzeige())
        return result();
    return DatenDialog::exec();
}

void CDatenbankDialog::UebernimmSofort()
{
    if (!SofortUebernehmen())
        return;
    m_sofortLaeuft = true;
    OnOK();
    m_sofortLaeuft = false;
}

QPushButton* CDatenbankDialog::Knopf(QWidget* eltern, const QString& text, int id)
{
    auto* knopf = new QPushButton(text, eltern);
    SetzeId(knopf, id);
    return knopf;
}

QComboBox* CDatenbankDialog::Namensauswahl(QWidget* eltern, int id)
{
    auto* liste = new QComboBox(eltern);
    RichteNamenslisteEin(liste, id);
    return liste;
}

QComboBox* CDatenbankDialog::Namensauswahl(QWidget* eltern, int id, std::function<void()> beimZuklappen)
{
    auto* liste = new ZuklappListe(eltern, std::move(beimZuklappen));
    RichteNamenslisteEin(liste, id);
    return liste;
}

CDatenbankDialog::Knopfspalte CDatenbankDialog::ErzeugeKnopfspalte(bool mitLoeschen)
{
    Knopfspalte k;
    k.uebernehmen = Knopf(this, QStringLiteral("Über&nehmen"), 1);
    k.uebernehmen->setDefault(true);
    k.uebernehmen->setEnabled(false);
    auto* schliessen = Knopf(this, QStringLiteral("&Schließen"), 2);
    k.spalte = new QVBoxLayout;
    k.spalte->addWidget(k.uebernehmen);
    k.spalte->addWidget(schliessen);
    if (mitLoeschen) {
        k.loeschen = Knopf(this, QStringLiteral("&Löschen"), 1030);
        k.loeschen->setEnabled(false);
        k.spalte->addWidget(k.loeschen);
    }
    k.spalte->addStretch();
    connect(k.uebernehmen, &QPushButton::clicked, this, &QDialog::accept);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::reject);
    return k;
}

CDatenbankDialog::Knopfspalte CDatenbankDialog::OrdneBrowseDialogAn(QLayout* links, bool mitLoeschen,
                                                                  std::function<void()> beimLoeschen)
{
    const Knopfspalte knoepfe = ErzeugeKnopfspalte(mitLoeschen);
    auto* haupt = new QHBoxLayout(this);
    haupt->addLayout(links, 1);
    haupt->addLayout(knoepfe.spalte);
    if (knoepfe.loeschen && beimLoeschen)
        connect(knoepfe.loeschen, &QPushButton::clicked, this, std::move(beimLoeschen));
    return knoepfe;
}

QGroupBox* CDatenbankDialog::Wertkasten(const QString& name, int id, const QString& einheit, QLabel** wert)
{
    auto* gruppe = new QGroupBox(this);
    auto* zeile = new QHBoxLayout(gruppe);
    zeile->addWidget(new QLabel(name, gruppe));
    zeile->addStretch();
    auto* text = new QLabel(gruppe);
    SetzeId(text, id);
    text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    text->setMinimumWidth(text->fontMetrics().horizontalAdvance(QStringLiteral("0,000000000")));
    zeile->addWidget(text);
    zeile->addWidget(new QLabel(einheit, gruppe));
    *wert = text;
    return gruppe;
}

CDatenbankDialog::Speicherspalte CDatenbankDialog::ErzeugeSpeicherspalte(const QString& okText)
{
    Speicherspalte s;
    s.ok = Knopf(this, okText, 1);
    s.ok->setDefault(true);
    auto* abbrechen = Knopf(this, QStringLiteral("&Abbrechen"), 2);
    s.spalte = new QVBoxLayout;
    s.spalte->addWidget(s.ok);
    s.spalte->addWidget(abbrechen);
    connect(s.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    return s;
}

CDatenbankDialog::Beschreibungsfelder CDatenbankDialog::ErzeugeBeschreibungsfelder()
{
    Beschreibungsfelder f;
    f.langtext = ErzeugeMitId<QPlainTextEdit>(this, 1113);
    f.langtext->setTabChangesFocus(true);
    f.langtext->setMaximumHeight(f.langtext->fontMetrics().lineSpacing() * 6);
    f.bildpfad = ErzeugeMitId<QLineEdit>(this, 1114);
    f.durchsuchen = Knopf(this, QStringLiteral("Durchsuchen"), 1274);
    f.durchsuchen->setAutoDefault(false);
    QLineEdit* bildpfad = f.bildpfad;
    connect(f.durchsuchen, &QPushButton::clicked, this, [this, bildpfad] { WaehleBild(bildpfad); });
    return f;
}

void CDatenbankDialog::SetzeFelderLayout(QLayout* felder, QVBoxLayout* spalte, int breite)
{
    spalte->addStretch();
    auto* haupt = new QHBoxLayout(this);
    haupt->addLayout(felder, 1);
    haupt->addLayout(spalte);
    resize(breite, sizeHint().height());
}

QLabel* CDatenbankDialog::Wertzeile(QGridLayout* raster, int zeile, const char* name, int id, const char* einheit)
{
    QWidget* kasten = raster->parentWidget();
    raster->addWidget(new QLabel(QString::fromUtf8(name), kasten), zeile, 0);
    auto* wert = new QLabel(QStringLiteral("00"), kasten);
    SetzeId(wert, id);
    wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    wert->setMinimumWidth(wert->fontMetrics().horizontalAdvance(QStringLiteral("0000000,000")));
    raster->addWidget(wert, zeile, 1);
    raster->addWidget(new QLabel(QString::fromUtf8(einheit), kasten), zeile, 2);
    return wert;
}

CDatenbankDialog::Kennwertzeilen CDatenbankDialog::ErzeugeKennwertzeilen(QGridLayout* gitter, int zeile,
                                                                         const char* abgas, const char* strahlung,
                                                                         const char* bereitschaft)
{
    QWidget* kasten = gitter->parentWidget();
    auto label = [kasten](const char* text, int id) {
        auto* l = new QLabel(QString::fromUtf8(text), kasten);
        SetzeId(l, id);
        return l;
    };
    auto wert = [kasten](int id) {
        auto* w = new QLabel(kasten);
        SetzeId(w, id);
        w->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        w->setMinimumWidth(w->fontMetrics().horizontalAdvance(QStringLiteral("0,000000000")));
        return w;
    };
    Kennwertzeilen k;
    auto* abgasText = label(abgas, 1214);
    k.abgas = wert(1204);
    auto* abgasEinheit = label("% der Nennleistung", 1215);
    auto* strahlungText = label(strahlung, 1212);
    k.strahlung = wert(1205);
    auto* strahlungEinheit = label("% der Nennleistung", 1213);
    auto* bereitschaftText = label(bereitschaft, 1210);
    k.bereitschaft = wert(1206);
    auto* bereitschaftEinheit = label("% der Nennleistung", 1211);
    // The efficiency line takes the place of the radiation line.
    auto* nutzungsgradText = label("Kesseln&utzungsgrad:", 1208);
    k.nutzungsgrad = wert(1207);
    auto* nutzungsgradEinheit = label("%", 1209);
    const auto reihe = [gitter](int r, QLabel* a, QLabel* b, QLabel* c) {
        // The buddy lets the label show its mnemonic.
        a->setBuddy(b);
        gitter->addWidget(a, r, 0);
        gitter->addWidget(b, r, 1);
        gitter->addWidget(c, r, 2);
        // The rows keep their height when a group is hidden.
        gitter->setRowMinimumHeight(r, b->sizeHint().height());
    };
    reihe(zeile, abgasText, k.abgas, abgasEinheit);
    reihe(zeile + 1, strahlungText, k.strahlung, strahlungEinheit);
    reihe(zeile + 1, nutzungsgradText, k.nutzungsgrad, nutzungsgradEinheit);
    reihe(zeile + 2, bereitschaftText, k.bereitschaft, bereitschaftEinheit);
    k.verlustGruppe = {abgasText,        k.abgas,          abgasEinheit,  strahlungText, k.strahlung,
                       strahlungEinheit, bereitschaftText, k.bereitschaft, bereitschaftEinheit};
    k.nutzungsgradGruppe = {nutzungsgradText, k.nutzungsgrad, nutzungsgradEinheit};
    k.Zeige(0);
    return k;
}

void CDatenbankDialog::Kennwertzeilen::Zeige(double kesselnutzungsgrad) const
{
    const bool verluste = kesselnutzungsgrad < 1e-20;
    for (QWidget* w : verlustGruppe)
        w->setVisible(verluste);
    for (QWidget* w : nutzungsgradGruppe)
        w->setVisible(!verluste);
}

void CDatenbankDialog::OeffneBestand(std::initializer_list<SqlRecordset*> sets, const std::function<void()>& fuelle)
{
    if (OeffneDatenbank(Bestandsdatenbankdatei())) {
        for (SqlRecordset* set : sets)
            OeffneSet(*set);
    }
    try {
        fuelle();
    } catch (const std::exception&) {
        ZeigeLesefehler();
    }
}

void CDatenbankDialog::OeffneSanierung(SqlRecordset& set, const std::function<void()>& fuelle)
{
    if (OeffneDatenbank(Sanierungsdatenbankdatei()))
        OeffneSet(set);
    try {
        fuelle();
    } catch (const std::exception&) {
        Meldung::Hinweis(SanierungsLesefehler(), Meldung::Symbol::Vorgabe, this);
    }
}

QString CDatenbankDialog::SanierungsLesefehler()
{
    return QStringLiteral("Fehler beim Lesen aus \n DB/San2kvyke.db.");
}

bool CDatenbankDialog::OeffneZumSpeichern(const std::filesystem::path& datei,
                                          std::initializer_list<SqlRecordset*> sets)
{
    try {
        OeffneMitSets(datei, sets);
        return true;
    } catch (const SqlError& fehler) {
        Meldung::Hinweis(QString::fromStdString(fehler.Meldung()), Meldung::Symbol::Vorgabe, this);
    } catch (const std::exception&) {
        Meldung::Hinweis(QStringLiteral("Database error, could not access ") +
                             QString::fromStdString(datei.filename().string()),
                         Meldung::Symbol::Vorgabe, this);
    }
    return false;
}

void CDatenbankDialog::OeffneMitSets(const std::filesystem::path& datei, std::initializer_list<SqlRecordset*> sets)
{
    m_datei = datei;
    try {
        m_Datenbank.Open(datei, NurZumLesen(datei));
        for (SqlRecordset* set : sets) {
            set->SetDatabase(&m_Datenbank);
            set->Open();
        }
    } catch (...) {
        for (SqlRecordset* set : sets)
            set->Close();
        throw;
    }
}

bool CDatenbankDialog::Speichere(const std::function<void()>& speichern)
{
    // The template beside the program, opened for reading only because no
    // copy of it could be made: the user was told why when it was handed out.
    if (!m_Datenbank.CanUpdate()) {
        Meldung::Hinweis(NichtBearbeitbarText, Meldung::Symbol::Vorgabe, this);
        return false;
    }
    try {
        speichern();
        return true;
    } catch (const SqlError& fehler) {
        Meldung::Hinweis(QString::fromStdString(fehler.Meldung()), Meldung::Symbol::Vorgabe, this);
    } catch (const std::exception&) {
        Meldung::Hinweis(QStringLiteral("Kann Datensatz nicht in Datenbank ") +
                             QString::fromStdString(m_datei.string()) + QStringLiteral(" übernehmen."),
                         Meldung::Symbol::Vorgabe, this);
    }
    return false;
}

void CDatenbankDialog::WaehleBild(QLineEdit* feld)
{
    const QString ordner = QString::fromStdString(ProgrammOrdner());
    for (;;) {
        const QString datei = Dateiauswahl::Oeffnen(this, BildFilter());
        if (datei.isEmpty())
            return;
        if (const auto relativ = RelativerBildpfad(datei, ordner)) {
            feld->setText(*relativ);
            return;
        }
        Meldung::Hinweis(QStringLiteral("Datei muss in einem Verzeichnis relativ zum ZEVA-Pfad sein !"),
                         Meldung::Symbol::Vorgabe, this);
    }
}

bool CDatenbankDialog::OeffneDatenbank(const std::filesystem::path& datei)
{
    m_datei = datei;
    try {
        m_Datenbank.Open(datei, NurZumLesen(datei));
        return true;
    } catch (const SqlError& fehler) {
        Meldung::Hinweis(QString::fromStdString(fehler.Meldung()), Meldung::Symbol::Vorgabe, this);
        return false;
    }
}

bool CDatenbankDialog::OeffneSet(SqlRecordset& set)
{
    try {
        set.SetDatabase(&m_Datenbank);
        set.Open();
        return true;
    } catch (const SqlError& fehler) {
        set.Close();
        Meldung::Hinweis(QString::fromStdString(fehler.Meldung()), Meldung::Symbol::Vorgabe, this);
        return false;
    }
}

QString CDatenbankDialog::Lesefehlertext() const
{
    return QStringLiteral("Fehler beim Lesen aus \n ") + QString::fromStdString(m_datei.string()) +
           QStringLiteral(".");
}

void CDatenbankDialog::ZeigeLesefehler()
{
    Meldung::Hinweis(Lesefehlertext(), Meldung::Symbol::Vorgabe, this);
}

void CDatenbankDialog::FuelleNamensliste(QComboBox* liste, SqlRecordset& set)
{
    liste->clear();
    if (!set.IsOpen())
        return;
    set.Requery();
    QStringList namen;
    for (; !set.IsEOF(); set.MoveNext())
        namen.append(NamensText(set.Value("Name")));
    if (namen.isEmpty()) {
        liste->addItem(Platzhalter);
        liste->setItemData(0, true, PlatzhalterRolle);
    } else {
        QCollator ordnung(QLocale(QLocale::German, QLocale::Germany));
        ordnung.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(namen.begin(), namen.end(),
                         [&](const QString& a, const QString& b) { return ordnung.compare(a, b) < 0; });
        liste->addItems(namen);
    }
    liste->setCurrentIndex(-1);
}

void CDatenbankDialog::WaehleVorgabe(QComboBox* liste, const QString& vorgabe)
{
    // Without Qt::MatchCaseSensitive the match ignores case.
    int index = liste->findText(vorgabe, Qt::MatchStartsWith);
    if (index >= 0 && liste->itemData(index, PlatzhalterRolle).toBool())
        index = -1;
    liste->setCurrentIndex(index);
}

void CDatenbankDialog::WaehleErstenEintrag(QComboBox* liste)
{
    liste->setCurrentIndex(liste->count() > 0 ? 0 : -1);
}

bool CDatenbankDialog::SucheAuswahl(QComboBox* liste, SqlRecordset& set)
{
    if (!set.IsOpen())
        return false;
    const int index = liste->currentIndex();
    if (index < 0 || liste->itemData(index, PlatzhalterRolle).toBool()) {
        // No row at all: the members are cleared, nothing shown before stays.
        set.m_strFilter = std::string("0");
        set.Requery();
        return false;
    }
    return set.FindByName(liste->itemText(index).toStdString());
}

QString CDatenbankDialog::Stellen(double wert)
{
    std::string text;
    if (!FormatiereStellen(wert, text, 10))
        return {};
    return QString::fromStdString(text);
}

QString UWertText(double wert)
{
    std::string text;
    if (!FormatiereNachkomma(wert, text, 3))
        return {};
    return QString::fromStdString(text);
}

bool CDatenbankDialog::LoescheNachFrage(const QString& frage, const std::function<void()>& loesche,
                                        const QString& fehlertext)
{
    if (!Meldung::Frage(frage, QMessageBox::Yes, Meldung::Symbol::Vorgabe, this))
        return false;
    try {
        loesche();
    } catch (const std::exception&) {
        Meldung::Hinweis(fehlertext, Meldung::Symbol::Vorgabe, this);
    }
    return true;
}

bool CDatenbankDialog::LoescheSanierungsmassnahme(SqlRecordset& set, const std::string& name)
{
    const QString frage = QStringLiteral("Sanierungsmaßnahme ''") + QString::fromStdString(name) +
                          QStringLiteral("'' aus der Datenbank löschen?");
    if (!Meldung::Frage(frage, QMessageBox::Yes, Meldung::Symbol::Vorgabe, this))
        return false;
    if (!set.CanUpdate()) {
        Meldung::Hinweis(NichtBearbeitbarText, Meldung::Symbol::Vorgabe, this);
        return false;
    }
    try {
        set.Delete();
    } catch (const std::exception&) {
        Meldung::Hinweis(LoeschFehlerText, Meldung::Symbol::Vorgabe, this);
    }
    return true;
}

void CDatenbankDialog::Sicher(const std::function<void()>& arbeit)
{
    try {
        arbeit();
    } catch (const std::exception& fehler) {
        const auto* sql = dynamic_cast<const SqlError*>(&fehler);
        const QString text = sql != nullptr ? QString::fromStdString(sql->Meldung())
                                            : QString::fromLocal8Bit(fehler.what());
        Meldung::Hinweis(text, Meldung::Symbol::Stopp, this);
    }
}

QLayout* CDatenbankDialog::ErzeugeJahresfilter()
{
    m_BaujahrKasten = new QCheckBox(QStringLiteral("Auf &Baujahr einschränken:"), this);
    SetzeId(m_BaujahrKasten, 1132);
    m_BaujahrEdit = new QLineEdit(this);
    SetzeId(m_BaujahrEdit, 1125);
    m_BaujahrEdit->setEnabled(false);
    m_BaujahrEdit->setMaximumWidth(m_BaujahrEdit->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(m_BaujahrKasten);
    zeile->addWidget(m_BaujahrEdit);
    zeile->addStretch();
    connect(m_BaujahrKasten, &QCheckBox::clicked, this, [this] { OnBaujahrEinschraenken(); });
    // Only what the user types: the exchange's own writes are no new year.
    connect(m_BaujahrEdit, &QLineEdit::textEdited, this, [this] { OnChangeBaujahr(); });
    return zeile;
}

void CDatenbankDialog::TauscheJahresfilter(DatenAustausch& dx, bool mitBereich)
{
    if (mitBereich)
        dx.Ganzzahl(m_BaujahrEdit, m_nBaujahr, 1000, 2100);
    else
        dx.Ganzzahl(m_BaujahrEdit, m_nBaujahr);
    dx.Kontrollkaestchen(m_BaujahrKasten, m_bBaujahrEinschraenken);
}

void CDatenbankDialog::SetzeJahresfilter(int baujahr)
{
    m_nBaujahr = baujahr;
    m_bBaujahrEinschraenken = 0;
    UpdateData(false);
    m_BaujahrEdit->setEnabled(false);
}

void CDatenbankDialog::OnBaujahrEinschraenken()
{
    if (!UpdateData(true)) {
        // The year was refused: the filter stays as it was, and so does the box.
        m_BaujahrKasten->setChecked(m_bBaujahrEinschraenken != 0);
    }
    const bool ein = m_bBaujahrEinschraenken != 0;
    m_BaujahrEdit->setEnabled(ein);
    if (ein) {
        m_BaujahrEdit->setFocus(Qt::OtherFocusReason);
        m_BaujahrEdit->selectAll();
    }
    Sicher([this] { FuelleListe(); });
}

void CDatenbankDialog::OnChangeBaujahr()
{
    double zahl = 0;
    if (!LeseZahl(m_BaujahrEdit, zahl))
        return;
    const double ganz = std::trunc(zahl);
    m_nBaujahr = static_cast<int>(std::clamp(ganz, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
    // A whole number (or a negative one) is a year to list; "1975,5" is not.
    if (zahl - ganz < 1e-200)
        Sicher([this] { FuelleListe(); });
}

} // namespace zeva
