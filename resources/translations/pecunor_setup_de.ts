<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Settings</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Fehler beim Speichern des Werts „%1“</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;
%2: %3</source>
        <translation>Fehler beim Speichern des Werts „%1“
%2: %3</translation>
    </message>
    <message>
        <source>its folder could not be created</source>
        <translation>der Ordner konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 KB</source>
        <translation>sie ist größer als %1 KB</translation>
    </message>
    <message>
        <source>The settings file
%1
cannot be read: %2.

The calculator starts with its default settings.</source>
        <translation>Die Einstellungsdatei
%1
kann nicht gelesen werden: %2.

Der Rechner startet mit seinen Standardeinstellungen.</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The clean-up program is missing from this program file.</source>
        <translation>Das Aufräumprogramm fehlt in dieser Programmdatei.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot make %1 executable.</source>
        <translation>%1 kann nicht ausführbar gemacht werden.</translation>
    </message>
    <message>
        <source>The file

%1

may be used by another application. Do you want to delete it?</source>
        <translation>Die Datei

%1

wird möglicherweise von einer anderen Anwendung verwendet. Möchten Sie sie löschen?</translation>
    </message>
    <message>
        <source>Its clean-up program

%1

could not be started: programs may not run from its folder.</source>
        <translation>Das zugehörige Aufräumprogramm

%1

konnte nicht gestartet werden: Aus seinem Ordner dürfen keine Programme ausgeführt werden.</translation>
    </message>
    <message>
        <source>Its clean-up program

%1

could not be started.</source>
        <translation>Das zugehörige Aufräumprogramm

%1

konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The uninstallation of %1 is incomplete. %2

Please delete the file

%3

and its folder yourself.</source>
        <translation>Die Deinstallation von %1 ist unvollständig. %2

Bitte löschen Sie die Datei

%3

und ihren Ordner selbst.</translation>
    </message>
    <message>
        <source>%1 was installed for all users of this computer by the system&apos;s package manager.
Please remove it with the package manager (package &quot;%2&quot;).</source>
        <translation>%1 wurde von der Paketverwaltung des Systems für alle Benutzer dieses Computers installiert.
Bitte entfernen Sie es mit der Paketverwaltung (Paket „%2“).</translation>
    </message>
    <message>
        <source>%1 cannot be uninstalled from the folder

%2

because you may not change that folder. Nothing has been removed.</source>
        <translation>%1 kann nicht aus dem Ordner

%2

deinstalliert werden, da Sie diesen Ordner nicht ändern dürfen. Es wurde nichts entfernt.</translation>
    </message>
    <message>
        <source>Are you sure you want to uninstall %1?</source>
        <translation>Möchten Sie %1 wirklich deinstallieren?</translation>
    </message>
    <message>
        <source>%1 has been uninstalled.</source>
        <translation>%1 wurde deinstalliert.</translation>
    </message>
    <message>
        <source>These files could not be removed; please delete them yourself:

%1</source>
        <translation>Diese Dateien konnten nicht entfernt werden; bitte löschen Sie sie selbst:

%1</translation>
    </message>
    <message>
        <source>The uninstallation of %1 is incomplete.</source>
        <translation>Die Deinstallation von %1 ist unvollständig.</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Keine gewöhnliche Datei</translation>
    </message>
</context>
<context>
    <name>pecunor::DesktopEntry</name>
    <message>
        <source>Financial Calculator</source>
        <translation>Finanzrechner</translation>
    </message>
    <message>
        <source>Future and present values, loan payments, depreciation and bonds, period by period</source>
        <translation>Endwert und Barwert, Darlehensraten, Abschreibungen und Anleihen, Periode für Periode</translation>
    </message>
    <message>
        <source>finance;loan;annuity;interest;depreciation;bond;calculator;</source>
        <translation>Finanzen;Kredit;Darlehen;Annuität;Zinsen;Tilgung;Tilgungsplan;Kreditrechner;Zinsrechner;Abschreibung;Anleihe;Rendite;Aktie;KGV;Endwert;Barwert;Rechner;</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Hilfe zu %1</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <translation>%1 deinstallieren</translation>
    </message>
</context>
<context>
    <name>pecunor::EarlyAnswer</name>
    <message>
        <source>Usage: opecu97 [SETUP | UNINSTALL | HELP]
       opecu97 --help | --version

Opens the %1 window; a period-by-period table of the chosen method is
recomputed with every keystroke.

  SETUP          install a copy for the current user
  UNINSTALL      remove the copy that was started, after asking
  HELP           open the help viewer alone
  -h, --help     show this text and end
  -V, --version  show the version and end

The same sheets without a window: pecunor-calc --help.
</source>
        <translation>Aufruf: opecu97 [SETUP | UNINSTALL | HELP]
       opecu97 --help | --version

Öffnet das Fenster von %1; die Tabelle der gewählten Methode, Periode für
Periode, wird mit jedem Tastendruck neu berechnet.

  SETUP          eine Kopie für den angemeldeten Benutzer installieren
  UNINSTALL      die gestartete Kopie nach Rückfrage entfernen
  HELP           nur die Hilfe öffnen
  -h, --help     diesen Text zeigen und beenden
  -V, --version  die Version zeigen und beenden

Dieselben Tabellen ohne Fenster: pecunor-calc --help.
</translation>
    </message>
    <message>
        <source>opecu97: %1; the calculator needs a graphical desktop (see opecu97 --help)</source>
        <translation>opecu97: %1; der Rechner braucht eine grafische Oberfläche (siehe opecu97 --help)</translation>
    </message>
</context>
<context>
    <name>pecunor::TfrmCopyProgram</name>
    <message>
        <source>Done!</source>
        <translation>Fertig!</translation>
    </message>
    <message>
        <source>Cannot copy to the same directory this program is running from.</source>
        <translation>In den Ordner, aus dem dieses Programm ausgeführt wird, kann nicht kopiert werden.</translation>
    </message>
    <message>
        <source>Error writing to drive %1. If this is a removable drive make sure there is a disk in the drive and try again.</source>
        <translation>Fehler beim Schreiben auf Laufwerk %1. Wenn es ein Wechseldatenträger ist, vergewissern Sie sich, dass ein Datenträger eingelegt ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>One or more files are missing from the original installation. Please obtain a new copy from our web site.</source>
        <translation>Eine oder mehrere Dateien der ursprünglichen Installation fehlen. Bitte laden Sie eine neue Kopie von unserer Website herunter.</translation>
    </message>
    <message>
        <source>An error occurred copying the files. Please make sure you have a disk in the floppy drive and try again.</source>
        <translation>Beim Kopieren der Dateien ist ein Fehler aufgetreten. Bitte vergewissern Sie sich, dass eine Diskette im Laufwerk liegt, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Copy %1 for a Friend</source>
        <translation>%1 für einen Freund kopieren</translation>
    </message>
    <message>
        <source>Select the drive, for instance a USB stick, to copy %1 to. A folder named after the program is made there, holding all of its files, the setup program among them, so that your friend can install %1 from it.</source>
        <translation>Wählen Sie das Laufwerk (etwa einen USB-Stick), auf das %1 kopiert wird. Dort entsteht ein Ordner mit allen Dateien samt Installationsprogramm, aus dem Ihr Freund %1 installieren kann.</translation>
    </message>
    <message>
        <source>Copy to folder %1</source>
        <translation>In den Ordner %1 kopieren</translation>
    </message>
    <message>
        <source>Error writing to drive %1. Please make room on it and try again.</source>
        <translation>Fehler beim Schreiben auf Laufwerk %1. Bitte schaffen Sie dort Platz und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>An error occurred copying the files: drive %1 is full. Please make room on it and try again.</source>
        <translation>Beim Kopieren der Dateien ist ein Fehler aufgetreten: Laufwerk %1 ist voll. Bitte schaffen Sie dort Platz und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
</context>
<context>
    <name>pecunor::TfrmInstall</name>
    <message>
        <source>Please select a parent folder for %1. Click on Next to proceed.</source>
        <translation>Bitte wählen Sie einen übergeordneten Ordner für %1 und klicken Sie auf „Weiter“.</translation>
    </message>
    <message>
        <source>Please select from where you would like to be able to run %1.</source>
        <translation>Bitte wählen Sie, von wo aus Sie %1 starten möchten.</translation>
    </message>
    <message>
        <source>Add %1 to the Start Menu</source>
        <translation>%1 zum Startmenü hinzufügen</translation>
    </message>
    <message>
        <source>Add %1 icon to the Desktop</source>
        <translation>Desktopsymbol für %1 anlegen</translation>
    </message>
    <message>
        <source>Run %1 on startup</source>
        <translation>%1 beim Systemstart ausführen</translation>
    </message>
    <message>
        <source>The following files will be installed on your system</source>
        <translation>Folgende Dateien werden auf Ihrem System installiert</translation>
    </message>
    <message>
        <source>Click on Finish to install %1.</source>
        <translation>Mit „Fertigstellen“ installieren Sie %1.</translation>
    </message>
    <message>
        <source>Installation has been completed successfully!</source>
        <translation>Die Installation wurde erfolgreich abgeschlossen!</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>According to your system clock you have downloaded a version of this program which is older than 6 months! There is a very good chance that this program has been replaced by a newer version. Please go to the following WWW address to verify:</source>
        <translation>Laut Ihrer Systemuhr haben Sie eine Version dieses Programms heruntergeladen, die älter als 6 Monate ist! Sehr wahrscheinlich gibt es inzwischen eine neuere Version. Bitte prüfen Sie dies unter der folgenden WWW-Adresse:</translation>
    </message>
    <message>
        <source>However, you can continue to install this version by clicking on Next.</source>
        <translation>Sie können diese Version dennoch installieren, indem Sie auf „Weiter“ klicken.</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 Setup</source>
        <translation>Installation von %1</translation>
    </message>
    <message>
        <source>Sorry, this program is specifically designed to run under Windows 95 or WindowsNT 4.0.</source>
        <translation>Dieses Programm wurde leider eigens für Windows 95 oder Windows NT 4.0 entwickelt.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of %1?</source>
        <translation>Möchten Sie die Installation von %1 wirklich abbrechen?</translation>
    </message>
    <message>
        <source>The folder

%1

apparently already exists. Do you want to overwrite existing files?</source>
        <translation>Der Ordner

%1

ist offenbar bereits vorhanden. Möchten Sie vorhandene Dateien überschreiben?</translation>
    </message>
    <message>
        <source>No changes have been made. Please select a different folder to install to.</source>
        <translation>Es wurden keine Änderungen vorgenommen. Bitte wählen Sie einen anderen Zielordner für die Installation.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists, but %2 has a newer version of this file.

Would you like to install this file?</source>
        <translation>Die Datei „%1“ ist bereits vorhanden, %2 bringt aber eine neuere Version dieser Datei mit.

Möchten Sie diese Datei installieren?</translation>
    </message>
    <message>
        <source>Could not find or copy one or more files to the target folder. This installation is incomplete.

Please download another complete copy from the following web site:</source>
        <translation>Eine oder mehrere Dateien konnten nicht gefunden oder nicht in den Zielordner kopiert werden. Diese Installation ist unvollständig.

Bitte laden Sie eine neue, vollständige Kopie von der folgenden Website herunter:</translation>
    </message>
    <message>
        <source>Could not create one or more of the shortcuts you specified. Please do so manually or run Setup again.</source>
        <translation>Eine oder mehrere der gewählten Verknüpfungen konnten nicht angelegt werden. Bitte legen Sie sie selbst an oder führen Sie die Installation erneut aus.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertigstellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The folder

%1

cannot be created:
%2</source>
        <translation>Der Ordner

%1

kann nicht erstellt werden:
%2</translation>
    </message>
    <message>
        <source>The disk is full. Please make room on it and run Setup again.</source>
        <translation>Der Datenträger ist voll. Bitte schaffen Sie dort Platz und starten Sie die Installation erneut.</translation>
    </message>
    <message>
        <source>Please put this right and run Setup again.</source>
        <translation>Bitte beheben Sie dies und starten Sie die Installation erneut.</translation>
    </message>
    <message>
        <source>Could not copy one or more files to the target folder. This installation is incomplete.</source>
        <translation>Eine oder mehrere Dateien konnten nicht in den Zielordner kopiert werden. Diese Installation ist unvollständig.</translation>
    </message>
    <message>
        <source>The files were copied, but the uninstall entry could not be written, so %1 cannot be uninstalled from the menu. This installation is incomplete.</source>
        <translation>Die Dateien wurden kopiert, aber der Deinstallationseintrag konnte nicht geschrieben werden; %1 kann daher nicht über das Menü deinstalliert werden. Diese Installation ist unvollständig.</translation>
    </message>
    <message>
        <source>The files were copied, but the program&apos;s icons could not be written. This installation is incomplete.</source>
        <translation>Die Dateien wurden kopiert, aber die Symbole des Programms konnten nicht geschrieben werden. Diese Installation ist unvollständig.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Install Folder</source>
        <translation>Installationsordner</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Verknüpfungen</translation>
    </message>
    <message>
        <source>Ready to Install</source>
        <translation>Bereit zur Installation</translation>
    </message>
    <message>
        <source>Installation Complete</source>
        <translation>Installation abgeschlossen</translation>
    </message>
    <message>
        <source>Installation Incomplete</source>
        <translation>Installation unvollständig</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Parent folder</source>
        <translation>Übergeordneter Ordner</translation>
    </message>
</context>
<context>
    <name>pecunor::platform::DisplayProbe</name>
    <message>
        <source>no display to open a window on (DISPLAY is not set)</source>
        <translation>keine Anzeige, auf der sich ein Fenster öffnen lässt (DISPLAY ist nicht gesetzt)</translation>
    </message>
    <message>
        <source>cannot connect to the display %1</source>
        <translation>keine Verbindung zur Anzeige %1</translation>
    </message>
</context>
</TS>
