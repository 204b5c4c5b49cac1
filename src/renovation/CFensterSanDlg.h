#pragma once
// Tab "Fenster" of the variant dialog: the windows of the working copy with
// their measure in the variant, the fields of the current window's measure,
// "Löschen", and the dialog's "Aus &DB..." (a window measure of the browse
// dialog for the selected windows) and "&Nach DB..." (the fields stored as a
// window measure of the user's own). The fields are never written into a
// measure; the frame share of a measure never changes here.
#include "platform/DatenAustausch.h"
#include "renovation/CSanierungsSeite.h"

#include <string>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace zeva {

class DFenster;
class DSFenster;

class CFensterSanDlg final : public CSanierungsSeite {
public:
    explicit CFensterSanDlg(Seitenbesitzer& besitzer);

    void Initialisiere() override;
    void Aktualisiere() override;
    bool HatAuswahl() const override;
    void OnAusDB() override;
    void OnNachDB() override;
    void OnLoeschen();

    // Shows measure n of the current window in the fields.
    void ZeigeMassnahme();
    int Aktuell() const { return m_nAktuell; }
    int Browseindex() const { return m_nBrowse; }
    QTreeWidget* Liste() const { return m_Liste; }


    // The fields (as the data exchange last read or wrote them).
    std::string m_Bezeichnung;
    double m_UGlas = 0;
    double m_URahmen = 0;
    double m_gWertProzent = 0;
    double m_RahmenanteilProzent = 0;
    double m_Sockelpreis = 0;
    double m_Flaechenpreis = 0;
    double m_Lebensdauer = 0;

private:
    void DoDataExchange(DatenAustausch& dx) override;
    void ZeigeZeile(int i);
    void OnListeGeaendert();
    int Anzahl() const;
    DFenster& Fenster(int i) const;
    DSFenster* Massnahme(int i, int v) const;

    int m_nAktuell = 0;
    int m_nBrowse = -1;

    QTreeWidget* m_Liste = nullptr;
    QGroupBox* m_Gruppe = nullptr;
    QLineEdit* m_BezeichnungEdit = nullptr;
    QLineEdit* m_UGlasEdit = nullptr;
    QLineEdit* m_URahmenEdit = nullptr;
    QLineEdit* m_gWertEdit = nullptr;
    QLineEdit* m_RahmenanteilEdit = nullptr;
    QLineEdit* m_SockelpreisEdit = nullptr;
    QLineEdit* m_FlaechenpreisEdit = nullptr;
    QLineEdit* m_LebensdauerEdit = nullptr;
    QPushButton* m_LoeschenButton = nullptr;
};

} // namespace zeva
