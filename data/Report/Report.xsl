<?xml version="1.0" encoding="UTF-8"?>
<!-- The report page: turns Report.xml into an HTML page. The variables of
     the page (the building state, the chosen sections, the header text) come
     from ReportVars.xml beside this sheet. Only tables and simple CSS: the
     page is shown and printed by a plain HTML view. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="UTF-8" indent="no"/>

  <!-- The report document; inside the loop over the chosen sections "/"
       would be the root of ReportVars.xml. -->
  <xsl:variable name="report" select="/VykeZevaReport"/>
  <xsl:variable name="vars" select="document('ReportVars.xml')/ReportVars"/>
  <xsl:variable name="n" select="number($vars/SanVarNr)"/>
  <xsl:variable name="details" select="$vars/Details/Detail/@name"/>
  <xsl:variable name="variante" select="$report/Sanierungsvarianten/Sanierungsvariante[@VarianteNr = $n]"/>
  <!-- The annual balance (WSVO´95) has no fuel figures: no heating system,
       fuel or fuel costs; a document without a method shows them all. -->
  <xsl:variable name="brennstoff" select="not($report/ProjektDaten/Berechnungsverfahren = 'WSVO´95')"/>

  <!-- A figure as the program shows it: the writer puts the text beside the
       number (attribute Text), rounded and grouped by the program's one rule;
       the sheet rounds nothing. An element without that text shows as it
       stands. -->
  <xsl:template name="zahl">
    <xsl:param name="w"/>
    <xsl:choose>
      <xsl:when test="$w/@Text"><xsl:value-of select="$w/@Text"/></xsl:when>
      <xsl:otherwise><xsl:value-of select="$w"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- A text of the user with its line breaks kept (CR LF or LF). -->
  <xsl:template name="zeilen">
    <xsl:param name="text"/>
    <xsl:variable name="t" select="translate($text, '&#13;', '')"/>
    <xsl:choose>
      <xsl:when test="contains($t, '&#10;')">
        <xsl:value-of select="substring-before($t, '&#10;')"/><br/>
        <xsl:call-template name="zeilen"><xsl:with-param name="text" select="substring-after($t, '&#10;')"/></xsl:call-template>
      </xsl:when>
      <xsl:otherwise><xsl:value-of select="$t"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- The method every figure of the report belongs to, beside the figures. -->
  <xsl:template name="verfahren">
    <xsl:variable name="name" select="$report/ProjektDaten/Berechnungsverfahren"/>
    <xsl:if test="$name != ''">
      <p class="verfahren">Berechnungsverfahren: <xsl:value-of select="$name"/></p>
    </xsl:if>
  </xsl:template>

  <!-- One row label / value / unit. -->
  <xsl:template name="zeile">
    <xsl:param name="name"/>
    <xsl:param name="w"/>
    <xsl:param name="einheit"/>
    <xsl:param name="klasse" select="'evenLine'"/>
    <tr class="{$klasse}">
      <td class="dataName"><xsl:value-of select="$name"/></td>
      <td class="dataValue" align="right"><xsl:call-template name="zahl"><xsl:with-param name="w" select="$w"/></xsl:call-template></td>
      <td class="dataUnit"><xsl:value-of select="$einheit"/></td>
    </tr>
  </xsl:template>

  <xsl:template match="/">
    <html>
      <head>
        <meta http-equiv="Content-Type" content="text/html; charset=utf-8"/>
        <title><xsl:value-of select="$vars/Titel"/></title>
        <style type="text/css">
          body { font-family: sans-serif; font-size: 10pt; color: #000000; }
          h1 { font-size: 16pt; color: #1f3f7f; }
          h2 { font-size: 12pt; color: #1f3f7f; margin-top: 14px; }
          .kopf { font-size: 8pt; color: #555555; }
          .verfahren { font-size: 9pt; }
          .hinweis { font-size: 8pt; color: #555555; }
          table.report { border-collapse: collapse; }
          td.headerName, td.headerValue, td.headerUnit { font-weight: bold; background-color: #d8e0f0; white-space: nowrap; }
          tr.oddLine { background-color: #f0f3fa; }
          td.dataValue { text-align: right; white-space: nowrap; }
          td.dataUnit { white-space: nowrap; }
          td.sumName, td.sumValue { font-weight: bold; }
        </style>
      </head>
      <body>
        <p class="kopf"><xsl:value-of select="$vars/Header" disable-output-escaping="yes"/></p>
        <h1><xsl:value-of select="$vars/Titel"/></h1>
        <p>
          <xsl:value-of select="$report/ProjektDaten/Beschreibung"/>
          <xsl:text> – </xsl:text>
          <xsl:choose>
            <xsl:when test="$n &gt; 0">Sanierungsvariante <xsl:value-of select="$n"/></xsl:when>
            <xsl:otherwise>Bestand</xsl:otherwise>
          </xsl:choose>
        </p>
        <xsl:for-each select="$details">
          <xsl:call-template name="abschnitt">
            <xsl:with-param name="name" select="string(.)"/>
          </xsl:call-template>
        </xsl:for-each>
        <p class="hinweis"><xsl:value-of select="$vars/Hinweis"/></p>
      </body>
    </html>
  </xsl:template>

  <!-- The sections in the order the pane sends them. -->
  <xsl:template name="abschnitt">
    <xsl:param name="name"/>
    <xsl:variable name="r" select="$report"/>
    <xsl:choose>
      <xsl:when test="$name = 'Projektdaten'"><xsl:apply-templates select="$r/ProjektDaten"/></xsl:when>
      <xsl:when test="$name = 'Waende'">
        <xsl:call-template name="bauteile"><xsl:with-param name="titel" select="'Bauteile – Wände'"/><xsl:with-param name="liste" select="$r/Bauteile/Waende/Wand"/></xsl:call-template>
      </xsl:when>
      <xsl:when test="$name = 'Flachdaecher'">
        <xsl:call-template name="bauteile"><xsl:with-param name="titel" select="'Bauteile – Flachdächer'"/><xsl:with-param name="liste" select="$r/Bauteile/Flachdaecher/Flachdach"/></xsl:call-template>
      </xsl:when>
      <xsl:when test="$name = 'Steildaecher'">
        <xsl:call-template name="bauteile"><xsl:with-param name="titel" select="'Bauteile – Steildächer'"/><xsl:with-param name="liste" select="$r/Bauteile/Steildaecher/Steildach"/></xsl:call-template>
      </xsl:when>
      <xsl:when test="$name = 'Decken'">
        <xsl:call-template name="bauteile"><xsl:with-param name="titel" select="'Bauteile – Decken'"/><xsl:with-param name="liste" select="$r/Bauteile/Decken/Decke"/></xsl:call-template>
      </xsl:when>
      <xsl:when test="$name = 'Boeden'">
        <xsl:call-template name="bauteile"><xsl:with-param name="titel" select="'Bauteile – Böden'"/><xsl:with-param name="liste" select="$r/Bauteile/Boeden/Boden"/></xsl:call-template>
      </xsl:when>
      <xsl:when test="$name = 'Fenster'">
        <xsl:call-template name="bauteile"><xsl:with-param name="titel" select="'Bauteile – Fenster'"/><xsl:with-param name="liste" select="$r/Bauteile/Fenster/Fenster"/></xsl:call-template>
      </xsl:when>
      <xsl:when test="$name = 'Heizungen'"><xsl:apply-templates select="$r/Bauteile/Heizungen"/></xsl:when>
      <xsl:when test="$name = 'Bestand'">
        <h2>Energiebilanz des Bestands</h2>
        <xsl:call-template name="verfahren"/>
        <xsl:call-template name="bilanz"><xsl:with-param name="b" select="$r/Bestand"/></xsl:call-template>
      </xsl:when>
      <xsl:when test="$name = 'Sanierungsvariante'">
        <h2>Energiebilanz der Sanierungsvariante</h2>
        <xsl:call-template name="verfahren"/>
        <xsl:choose>
          <xsl:when test="$variante">
            <xsl:call-template name="bilanz"><xsl:with-param name="b" select="$variante"/></xsl:call-template>
            <h2>Kosten der Sanierung</h2>
            <table class="report" cellpadding="3" width="100%">
              <tr>
                <td class="headerName">Bauteilgruppe</td><td class="headerName">Position</td><td class="headerName">Maßnahme</td>
                <td class="headerValue">Preis</td><td class="headerUnit">Einheit</td>
              </tr>
              <xsl:for-each select="$variante/Kosten/Posten">
                <tr>
                  <xsl:attribute name="class"><xsl:choose><xsl:when test="position() mod 2 = 0">oddLine</xsl:when><xsl:otherwise>evenLine</xsl:otherwise></xsl:choose></xsl:attribute>
                  <td><xsl:value-of select="Bauteilgruppe"/></td>
                  <td><xsl:value-of select="Position"/></td>
                  <td><xsl:value-of select="Name"/></td>
                  <td class="dataValue" align="right"><xsl:call-template name="zahl"><xsl:with-param name="w" select="Preis"/></xsl:call-template></td>
                  <td class="dataUnit">EUR</td>
                </tr>
              </xsl:for-each>
              <tr class="evenLine">
                <td class="sumName" colspan="3">Gesamtkosten der Sanierung</td>
                <td class="sumValue" align="right"><xsl:call-template name="zahl"><xsl:with-param name="w" select="$variante/Gesamtkosten"/></xsl:call-template></td>
                <td class="dataUnit">EUR</td>
              </tr>
            </table>
          </xsl:when>
          <xsl:otherwise><p>Der Report zeigt den Bestand; es ist keine Sanierungsvariante gewählt.</p></xsl:otherwise>
        </xsl:choose>
      </xsl:when>
      <xsl:when test="$name = 'Energieeinsparungen'">
        <h2>Energieeinsparungen nach Bauteilgruppen</h2>
        <xsl:call-template name="verfahren"/>
        <xsl:call-template name="einsparungen"><xsl:with-param name="e" select="$variante/Energieeinsparungen"/><xsl:with-param name="einheit" select="'kWh/a'"/></xsl:call-template>
      </xsl:when>
      <xsl:when test="$name = 'Heizkosteneinsparungen'">
        <h2>Heizkosteneinsparungen nach Bauteilgruppen</h2>
        <xsl:call-template name="verfahren"/>
        <xsl:call-template name="einsparungen"><xsl:with-param name="e" select="$variante/Heizkosteneinsparungen"/><xsl:with-param name="einheit" select="'EUR/a'"/></xsl:call-template>
      </xsl:when>
      <xsl:when test="$name = 'Legende'"><xsl:apply-templates select="$r/Legenden"/></xsl:when>
    </xsl:choose>
  </xsl:template>

  <xsl:template match="ProjektDaten">
    <h2>Projektdaten</h2>
    <table class="report" cellpadding="3" width="100%">
      <tr class="evenLine"><td class="dataName">Beschreibung</td><td colspan="2"><xsl:value-of select="Beschreibung"/></td></tr>
      <tr class="oddLine"><td class="dataName">Straße</td><td colspan="2"><xsl:value-of select="Strasse"/></td></tr>
      <tr class="evenLine"><td class="dataName">Ort</td><td colspan="2"><xsl:value-of select="Ort"/></td></tr>
      <tr class="oddLine"><td class="dataName">Kommentar</td><td colspan="2"><xsl:call-template name="zeilen"><xsl:with-param name="text" select="Kommentar"/></xsl:call-template></td></tr>
      <tr class="evenLine"><td class="dataName">Baujahr</td><td colspan="2"><xsl:value-of select="Baujahr"/></td></tr>
      <tr class="oddLine"><td class="dataName">Klimaregion</td><td colspan="2"><xsl:value-of select="Klimaregion"/></td></tr>
      <xsl:if test="Berechnungsverfahren != ''">
        <tr class="evenLine"><td class="dataName">Berechnungsverfahren</td><td colspan="2"><xsl:value-of select="Berechnungsverfahren"/></td></tr>
      </xsl:if>
      <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Heizgradtage'"/><xsl:with-param name="w" select="Heizgradtage"/><xsl:with-param name="einheit" select="'Kd/a'"/></xsl:call-template>
      <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Beheiztes Gebäudebruttovolumen'"/><xsl:with-param name="w" select="BeheiztesGebaeudebruttovolumen"/><xsl:with-param name="einheit" select="'m³'"/><xsl:with-param name="klasse" select="'oddLine'"/></xsl:call-template>
      <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Beheiztes Luftvolumen'"/><xsl:with-param name="w" select="BeheiztesLuftvolumen"/><xsl:with-param name="einheit" select="'m³'"/></xsl:call-template>
      <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Energiebezugsfläche'"/><xsl:with-param name="w" select="Energiebezugsflaeche"/><xsl:with-param name="einheit" select="'m²'"/><xsl:with-param name="klasse" select="'oddLine'"/></xsl:call-template>
    </table>
  </xsl:template>

  <!-- A component list; with a variant chosen its measure stands beside
       each component. -->
  <xsl:template name="bauteile">
    <xsl:param name="titel"/>
    <xsl:param name="liste"/>
    <h2><xsl:value-of select="$titel"/></h2>
    <xsl:choose>
      <xsl:when test="count($liste) = 0"><p>Keine Bauteile dieser Art.</p></xsl:when>
      <xsl:otherwise>
        <table class="report" cellpadding="3" width="100%">
          <tr>
            <td class="headerName">Nr.</td><td class="headerName">Bauteil</td><td class="headerName">Position</td>
            <td class="headerValue">Fläche<br/>[m²]</td><td class="headerValue">U<br/>[W/m²K]</td>
            <xsl:if test="$n &gt; 0">
              <td class="headerName">Maßnahme</td><td class="headerValue">U neu<br/>[W/m²K]</td><td class="headerValue">Preis<br/>[EUR]</td>
            </xsl:if>
          </tr>
          <xsl:for-each select="$liste">
            <xsl:variable name="s" select="Sanierung[@VarianteNr = $n]"/>
            <tr>
              <xsl:attribute name="class"><xsl:choose><xsl:when test="position() mod 2 = 0">oddLine</xsl:when><xsl:otherwise>evenLine</xsl:otherwise></xsl:choose></xsl:attribute>
              <td><xsl:value-of select="@Nummer"/></td>
              <td><xsl:value-of select="Name"/></td>
              <td><xsl:value-of select="Position"/></td>
              <td class="dataValue" align="right"><xsl:call-template name="zahl"><xsl:with-param name="w" select="Flaeche"/></xsl:call-template></td>
              <td class="dataValue" align="right"><xsl:call-template name="zahl"><xsl:with-param name="w" select="kWert"/></xsl:call-template></td>
              <xsl:if test="$n &gt; 0">
                <td><xsl:value-of select="$s/Name"/></td>
                <td class="dataValue" align="right"><xsl:if test="$s"><xsl:call-template name="zahl"><xsl:with-param name="w" select="$s/kWert"/></xsl:call-template></xsl:if></td>
                <td class="dataValue" align="right"><xsl:if test="$s"><xsl:call-template name="zahl"><xsl:with-param name="w" select="$s/Preis"/></xsl:call-template></xsl:if></td>
              </xsl:if>
            </tr>
          </xsl:for-each>
        </table>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template match="Heizungen">
    <h2>Heizungsanlage</h2>
    <table class="report" cellpadding="3" width="100%">
      <tr>
        <td class="headerName">Zustand</td><td class="headerName">Heizung</td>
        <td class="headerValue">Leistung<br/>[kW]</td><td class="headerValue">Nutzungsgrad<br/>[%]</td>
        <td class="headerValue">Preis<br/>[EUR]</td>
      </tr>
      <xsl:for-each select="Heizung[@VarianteNr = 0 or @VarianteNr = $n]">
        <tr class="evenLine">
          <td><xsl:choose><xsl:when test="@VarianteNr = 0">Bestand</xsl:when><xsl:otherwise>Variante <xsl:value-of select="@VarianteNr"/></xsl:otherwise></xsl:choose></td>
          <td><xsl:value-of select="Name"/></td>
          <td class="dataValue" align="right"><xsl:call-template name="zahl"><xsl:with-param name="w" select="Leistung"/></xsl:call-template></td>
          <td class="dataValue" align="right">
            <xsl:call-template name="zahl"><xsl:with-param name="w" select="Gesamtnutzungsgrad | Wirkungsgrad"/></xsl:call-template>
          </td>
          <td class="dataValue" align="right"><xsl:if test="Preis"><xsl:call-template name="zahl"><xsl:with-param name="w" select="Preis"/></xsl:call-template></xsl:if></td>
        </tr>
      </xsl:for-each>
    </table>
    <xsl:if test="$n &gt; 0 and not(Heizung[@VarianteNr = $n])">
      <p>Die Sanierungsvariante behält die Heizung des Bestands.</p>
    </xsl:if>
  </xsl:template>

  <!-- The energy balance of a state (Bestand or a Sanierungsvariante). -->
  <xsl:template name="bilanz">
    <xsl:param name="b"/>
    <table class="report" cellpadding="3" width="100%">
      <tr><td class="headerName">Kennwert</td><td class="headerValue">Wert</td><td class="headerUnit">Einheit</td></tr>
      <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Heizwärmebedarf'"/><xsl:with-param name="w" select="$b/Heizwaermebedarf"/><xsl:with-param name="einheit" select="'kWh/m²a'"/></xsl:call-template>
      <xsl:if test="$brennstoff">
        <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Heizenergiebedarf'"/><xsl:with-param name="w" select="$b/Heizenergiebedarf"/><xsl:with-param name="einheit" select="'kWh/m²a'"/><xsl:with-param name="klasse" select="'oddLine'"/></xsl:call-template>
        <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Verluste im Heizungssystem'"/><xsl:with-param name="w" select="$b/VerlusteImHeizungssystem"/><xsl:with-param name="einheit" select="'kWh/m²a'"/></xsl:call-template>
      </xsl:if>
      <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Lüftungsverluste'"/><xsl:with-param name="w" select="$b/Lueftungsverluste"/><xsl:with-param name="einheit" select="'kWh/m²a'"/><xsl:with-param name="klasse" select="'oddLine'"/></xsl:call-template>
      <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Transmission Dach'"/><xsl:with-param name="w" select="$b/Waermeverluste/Dach"/><xsl:with-param name="einheit" select="'kWh/m²a'"/></xsl:call-template>
      <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Transmission Decke'"/><xsl:with-param name="w" select="$b/Waermeverluste/Decke"/><xsl:with-param name="einheit" select="'kWh/m²a'"/><xsl:with-param name="klasse" select="'oddLine'"/></xsl:call-template>
      <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Transmission Wand'"/><xsl:with-param name="w" select="$b/Waermeverluste/Wand"/><xsl:with-param name="einheit" select="'kWh/m²a'"/></xsl:call-template>
      <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Transmission Boden'"/><xsl:with-param name="w" select="$b/Waermeverluste/Boden"/><xsl:with-param name="einheit" select="'kWh/m²a'"/><xsl:with-param name="klasse" select="'oddLine'"/></xsl:call-template>
      <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Transmission Fensterflächen'"/><xsl:with-param name="w" select="$b/Waermeverluste/Fenster"/><xsl:with-param name="einheit" select="'kWh/m²a'"/></xsl:call-template>
      <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Interne Gewinne'"/><xsl:with-param name="w" select="$b/InterneGewinne"/><xsl:with-param name="einheit" select="'kWh/m²a'"/><xsl:with-param name="klasse" select="'oddLine'"/></xsl:call-template>
      <xsl:call-template name="zeile"><xsl:with-param name="name" select="'davon nutzbar'"/><xsl:with-param name="w" select="$b/InterneGewinneNutzbar"/><xsl:with-param name="einheit" select="'kWh/m²a'"/></xsl:call-template>
      <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Solare Gewinne'"/><xsl:with-param name="w" select="$b/SolareGewinne"/><xsl:with-param name="einheit" select="'kWh/m²a'"/><xsl:with-param name="klasse" select="'oddLine'"/></xsl:call-template>
      <xsl:call-template name="zeile"><xsl:with-param name="name" select="'davon nutzbar '"/><xsl:with-param name="w" select="$b/SolareGewinneNutzbar"/><xsl:with-param name="einheit" select="'kWh/m²a'"/></xsl:call-template>
      <xsl:if test="$brennstoff">
        <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Brennstoffbedarf pro Jahr'"/><xsl:with-param name="w" select="$b/Brennstoffbedarf/ProA"/><xsl:with-param name="einheit" select="'kWh/a'"/><xsl:with-param name="klasse" select="'oddLine'"/></xsl:call-template>
        <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Brennstoffbedarf pro m²'"/><xsl:with-param name="w" select="$b/Brennstoffbedarf/ProQmA"/><xsl:with-param name="einheit" select="'kWh/m²a'"/></xsl:call-template>
        <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Brennstoffkosten pro Jahr'"/><xsl:with-param name="w" select="$b/Brennstoffkosten/ProA"/><xsl:with-param name="einheit" select="'EUR/a'"/><xsl:with-param name="klasse" select="'oddLine'"/></xsl:call-template>
        <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Brennstoffkosten pro m²'"/><xsl:with-param name="w" select="$b/Brennstoffkosten/ProQmA"/><xsl:with-param name="einheit" select="'EUR/m²a'"/></xsl:call-template>
      </xsl:if>
    </table>
  </xsl:template>

  <xsl:template name="einsparungen">
    <xsl:param name="e"/>
    <xsl:param name="einheit"/>
    <xsl:choose>
      <xsl:when test="$e">
        <table class="report" cellpadding="3" width="100%">
          <tr><td class="headerName">Bauteilgruppe</td><td class="headerValue">Einsparung</td><td class="headerUnit">Einheit</td></tr>
          <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Dächer'"/><xsl:with-param name="w" select="$e/Daecher"/><xsl:with-param name="einheit" select="$einheit"/></xsl:call-template>
          <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Decken'"/><xsl:with-param name="w" select="$e/Decken"/><xsl:with-param name="einheit" select="$einheit"/><xsl:with-param name="klasse" select="'oddLine'"/></xsl:call-template>
          <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Wände'"/><xsl:with-param name="w" select="$e/Waende"/><xsl:with-param name="einheit" select="$einheit"/></xsl:call-template>
          <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Böden'"/><xsl:with-param name="w" select="$e/Boeden"/><xsl:with-param name="einheit" select="$einheit"/><xsl:with-param name="klasse" select="'oddLine'"/></xsl:call-template>
          <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Fensterflächen'"/><xsl:with-param name="w" select="$e/Fenster"/><xsl:with-param name="einheit" select="$einheit"/></xsl:call-template>
          <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Heizungssystem'"/><xsl:with-param name="w" select="$e/Heizung"/><xsl:with-param name="einheit" select="$einheit"/><xsl:with-param name="klasse" select="'oddLine'"/></xsl:call-template>
          <xsl:if test="$e/Wechselwirkung">
            <xsl:call-template name="zeile"><xsl:with-param name="name" select="'Wechselwirkung der Maßnahmen'"/><xsl:with-param name="w" select="$e/Wechselwirkung"/><xsl:with-param name="einheit" select="$einheit"/></xsl:call-template>
          </xsl:if>
          <tr>
            <td class="sumName">Summe</td>
            <td class="sumValue" align="right"><xsl:call-template name="zahl"><xsl:with-param name="w" select="$e/Summe"/></xsl:call-template></td>
            <td class="dataUnit"><xsl:value-of select="$einheit"/></td>
          </tr>
        </table>
      </xsl:when>
      <xsl:otherwise><p>Einsparungen gibt es nur für eine Sanierungsvariante.</p></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- The measures of the chosen variant only; the existing state has none. -->
  <xsl:template match="Legenden">
    <xsl:variable name="eigene" select="Legende[VarianteNr = $n]"/>
    <h2>Legende der Maßnahmen</h2>
    <xsl:choose>
      <xsl:when test="count($eigene) = 0"><p>Keine Maßnahmen.</p></xsl:when>
      <xsl:otherwise>
        <table class="report" cellpadding="3" width="100%">
          <tr><td class="headerName">Gruppe</td><td class="headerName">Maßnahme</td><td class="headerName">Beschreibung</td></tr>
          <xsl:for-each select="$eigene">
            <tr>
              <xsl:attribute name="class"><xsl:choose><xsl:when test="position() mod 2 = 0">oddLine</xsl:when><xsl:otherwise>evenLine</xsl:otherwise></xsl:choose></xsl:attribute>
              <td><xsl:value-of select="Bauteilgruppe"/></td>
              <td><xsl:value-of select="Name"/></td>
              <td><xsl:value-of select="Langtext"/></td>
            </tr>
          </xsl:for-each>
        </table>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>
</xsl:stylesheet>
