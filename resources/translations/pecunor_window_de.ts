<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>FileCommands</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Save %1 Bitmap</source>
        <translation>%1 – Bitmap speichern</translation>
    </message>
    <message>
        <source>Bitmap Image (*.BMP *.bmp)</source>
        <translation>Bitmap-Bild (*.BMP *.bmp)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Could not set desktop wallpaper!</source>
        <translation>Das Hintergrundbild konnte nicht festgelegt werden!</translation>
    </message>
    <message>
        <source>An error occurred writing to file
%1
Please check if there is enough diskspace or that this file is not in use by another application.</source>
        <translation>Beim Schreiben der Datei ist ein Fehler aufgetreten:
%1
Bitte prüfen Sie, ob genügend Speicherplatz frei ist und ob die Datei von einem anderen Programm verwendet wird.</translation>
    </message>
    <message>
        <source>Save %1 Chart</source>
        <translation>%1 – Tabelle speichern</translation>
    </message>
    <message>
        <source>Column Aligned (*.TXT *.txt)</source>
        <translation>Spaltenbündig (*.TXT *.txt)</translation>
    </message>
    <message>
        <source>Comma Delimited (*.TXT *.txt)</source>
        <translation>Kommagetrennt (*.TXT *.txt)</translation>
    </message>
    <message>
        <source>Save %1 Spreadsheet</source>
        <translation>%1 – Arbeitsmappe speichern</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx *.XLSX)</source>
        <translation>Excel-Arbeitsmappe (*.xlsx *.XLSX)</translation>
    </message>
    <message>
        <source>Save %1 as PDF</source>
        <translation>%1 – als PDF speichern</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf *.PDF)</source>
        <translation>PDF-Dokument (*.pdf *.PDF)</translation>
    </message>
</context>
<context>
    <name>pecunor::HelpViewer</name>
    <message>
        <source>%1 Help</source>
        <translation>Hilfe zu %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Cannot open the help file
%1
%2</source>
        <translation>Die Hilfedatei kann nicht geöffnet werden:
%1
%2</translation>
    </message>
</context>
<context>
    <name>pecunor::SaveFileDialog</name>
    <message>
        <source>The folder %1 does not exist.
Please choose another folder.</source>
        <translation>Der Ordner %1 existiert nicht.
Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>The file %1 is read-only.
Please choose another name.</source>
        <translation>Die Datei %1 ist schreibgeschützt.
Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.
Please choose another folder.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden.
Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>%1 is not a file but a folder, a named pipe, a device or a socket.
Please choose another name.</source>
        <translation>%1 ist keine Datei, sondern ein Ordner, eine benannte Pipe, ein Gerät oder ein Socket.
Bitte wählen Sie einen anderen Namen.</translation>
    </message>
</context>
<context>
    <name>pecunor::TableFontDialog</name>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation>Fett kursiv</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Schriftart:</translation>
    </message>
    <message>
        <source>Font st&amp;yle:</source>
        <translation>Schriftsc&amp;hnitt:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
</context>
<context>
    <name>pecunor::TfrmAbout</name>
    <message>
        <source>World Wide Web</source>
        <translation>World Wide Web</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>%1
Version %2
Copyright © %3 %4</source>
        <extracomment>%1 product, %2 version, %3 year, %4 maker</extracomment>
        <translation>%1
Version %2
Copyright © %3 %4</translation>
    </message>
</context>
<context>
    <name>pecunor::TfrmCal</name>
    <message>
        <source>Date Picker</source>
        <translation>Datumsauswahl</translation>
    </message>
    <message>
        <source>Year back</source>
        <translation>Ein Jahr zurück</translation>
    </message>
    <message>
        <source>Month back</source>
        <translation>Einen Monat zurück</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Heute</translation>
    </message>
    <message>
        <source>Jump to Today</source>
        <translation>Zum heutigen Datum</translation>
    </message>
    <message>
        <source>Month foreward</source>
        <translation>Einen Monat weiter</translation>
    </message>
    <message>
        <source>Year foreward</source>
        <translation>Ein Jahr weiter</translation>
    </message>
</context>
<context>
    <name>pecunor::TfrmCalc</name>
    <message>
        <source>Splitter</source>
        <translation>Trennleiste</translation>
    </message>
    <message>
        <source>Result Pages</source>
        <translation>Ergebnisseiten</translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation>&amp;Rechner</translation>
    </message>
    <message>
        <source>E&amp;xplanation</source>
        <translation>Er&amp;läuterung</translation>
    </message>
    <message>
        <source>Result Table</source>
        <translation>Ergebnistabelle</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Erläuterung</translation>
    </message>
    <message>
        <source>%1

Close without saving the settings?</source>
        <translation>%1

Ohne Speichern der Einstellungen schließen?</translation>
    </message>
    <message>
        <source>%1 per</source>
        <translation>%1 pro</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Save As &amp;Text</source>
        <translation>Als &amp;Text speichern …</translation>
    </message>
    <message>
        <source>Save As &amp;Bitmap</source>
        <translation>Als Bit&amp;map speichern …</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>&amp;Drucken …</translation>
    </message>
    <message>
        <source>Set As &amp;Wallpaper (Tiled)</source>
        <translation>Als &amp;Hintergrundbild festlegen (gekachelt)</translation>
    </message>
    <message>
        <source>Set As Wa&amp;llpaper (Centered)</source>
        <translation>Als Hintergrundbild festlegen (&amp;zentriert)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Horizontal Gridlines</source>
        <translation>&amp;Waagerechte Gitterlinien</translation>
    </message>
    <message>
        <source>&amp;Vertical Gridlines</source>
        <translation>&amp;Senkrechte Gitterlinien</translation>
    </message>
    <message>
        <source>&amp;Stretch Cells Vertically</source>
        <translation>Zellen in der &amp;Höhe strecken</translation>
    </message>
    <message>
        <source>Hide &amp;About Window on Startup</source>
        <translation>&amp;Info-Fenster beim Start ausblenden</translation>
    </message>
    <message>
        <source>Table &amp;Font ...</source>
        <translation>&amp;Tabellenschrift …</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Latest Brackwell Products</source>
        <translation>&amp;Neueste Brackwell-Produkte</translation>
    </message>
    <message>
        <source>&amp;Copy Program for a Friend</source>
        <translation>Programm für einen &amp;Freund kopieren</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Save As &amp;Spreadsheet…</source>
        <translation>Als &amp;Arbeitsmappe speichern …</translation>
    </message>
</context>
<context>
    <name>pecunor::TfrmPrint</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>  Printer  </source>
        <translation>  Drucker  </translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>  Options  </source>
        <translation>  Optionen  </translation>
    </message>
    <message>
        <source>Print Text Only</source>
        <translation>Nur Text drucken</translation>
    </message>
    <message>
        <source>Print As Shown On Screen</source>
        <translation>Wie am Bildschirm drucken</translation>
    </message>
    <message>
        <source>Stretch To Fit Printer Page</source>
        <translation>Auf Seitengröße strecken</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No printer is installed.
Add a printer in the system&apos;s printer settings, then print again.</source>
        <translation>Es ist kein Drucker installiert.
Richten Sie in den Druckereinstellungen des Systems einen Drucker ein und drucken Sie dann erneut.</translation>
    </message>
    <message>
        <source>Printing on &quot;%1&quot; failed.
Check that the printer is switched on and can be reached, then print again.</source>
        <translation>Das Drucken auf „%1“ ist fehlgeschlagen.
Prüfen Sie, ob der Drucker eingeschaltet und erreichbar ist, und drucken Sie dann erneut.</translation>
    </message>
    <message>
        <source>The printing system (CUPS) cannot be reached.</source>
        <translation>Das Drucksystem (CUPS) ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>The printer is not accepting jobs.</source>
        <translation>Der Drucker nimmt keine Aufträge an.</translation>
    </message>
    <message>
        <source>Save as &amp;PDF…</source>
        <translation>Als &amp;PDF speichern …</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Es ist kein Drucker installiert.</translation>
    </message>
</context>
</TS>
