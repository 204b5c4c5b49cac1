#pragma once
// The report pane of the right bar: the sections of the report page in a
// check tree of groups, the presets of ReportVorgaben.xml, and the buttons
// that refresh, print, preview and close the report. It talks to the frame
// through its report handler only.
#include "ui/CRightBaseDialog.h"

#include <QStringList>
#include <vector>

class QComboBox;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zeva {

class CMainFrame;

class CReportGenDlg : public CRightBaseDialog {
    Q_OBJECT
public:
    static constexpr const char* BenutzerDefiniert = "Benutzer definiert";
    static constexpr const char* Ladefehler = "Fehler beim laden der Report Vorgaben.";
    static constexpr const char* Fehlertitel = "VykZEVA Report Fehler";

    CReportGenDlg(CMainFrame& rahmen, QWidget* parent, const QString& ordner);
    ~CReportGenDlg() override;

    // Loads the groups, sections and presets of ReportVorgaben.xml into an
    // empty tree and combo box and applies the first preset.
    void LadeReportVorgaben();
    // Applies the preset of combo entry i ("Benutzer definiert" keeps the
    // checks).
    void OnVoreinstellung(int i);
    // Collects the checked sections and posts them to the frame.
    void OnAktualisieren();

    QComboBox* Voreinstellungen() const { return m_cbVoreinstellungen; }
    QTreeWidget* Baum() const { return m_Baum; }
    // The section names of the last refresh, in tree order.
    const QStringList& GewaehlteAbschnitte() const { return m_GewaehlteAbschnitte; }
    // The section name of a section item (empty for a group).
    QString Abschnitt(const QTreeWidgetItem* item) const;

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    void OnBaumGeaendert(QTreeWidgetItem* item);
    void SetzeHaken(QTreeWidgetItem* item, bool an);

    CMainFrame& m_rahmen;
    QString m_strOrdner;
    QPushButton* m_Schliessen = nullptr;
    QPushButton* m_Drucken = nullptr;
    QPushButton* m_Vorschau = nullptr;
    QPushButton* m_Aktualisieren = nullptr;
    QComboBox* m_cbVoreinstellungen = nullptr;
    QTreeWidget* m_Baum = nullptr;
    // The items each preset checks, by combo entry; "Benutzer definiert" has
    // no entry here.
    std::vector<std::vector<QTreeWidgetItem*>> m_Vorgaben;
    QStringList m_GewaehlteAbschnitte;
};

} // namespace zeva
