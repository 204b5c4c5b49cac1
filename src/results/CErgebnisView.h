#pragma once
// Base of the HTML result views of the main pane (energy balance, areas and
// volumes, renovation details): a text browser that shows one page in the
// program's style template, runs the commands of its "#" links itself,
// shows "Ansicht Schließen" in the status bar over a close link, and prints
// its page when the frame hands it print or preview.
#include "shell/CMainFrame.h"

#include <QTextBrowser>

#include <memory>
#include <string>

class QPrinter;

namespace zeva {

class CErgebnisView : public QTextBrowser, public BefehlsZiel {
    Q_OBJECT
public:
    static constexpr const char* StatusSchliessen = "Ansicht Schließen";

    CErgebnisView(CMainFrame& rahmen, QWidget* parent);

    // The style template: an HTML document with its style sheet and an empty
    // body.
    static QString Vorlage();
    // The template with the page text as its body.
    static QString Dokument(const std::string& seite);

    // Shows a page (the body's content).
    void SchreibeSeite(const std::string& seite);
    // The body last written.
    const std::string& Seite() const { return m_strSeite; }

    // Prints the page as it stands; false when the printer could not start.
    bool Drucke(QPrinter& drucker) const;

    // 57607 asks for a printer and prints, 57609 shows the preview.
    bool BearbeiteBefehl(int id) override;

    // The status text for a link target: "Ansicht Schließen" when "#close"
    // stands in it after its first character, else the target.
    static QString Statustext(const QString& ziel);
    // The address the page's links are resolved against ("zeva:///CFlaechenView").
    QUrl Seitenadresse() const;

protected:
    // A link's command: the text after the target's last "#".
    virtual void BearbeiteLink(const QString& befehl);
    // The page as it goes to the paper: a copy of what the view shows.
    virtual std::unique_ptr<QTextDocument> Druckvorlage() const;

    CMainFrame& m_rahmen;

private:
    std::string m_strSeite;
};

} // namespace zeva
