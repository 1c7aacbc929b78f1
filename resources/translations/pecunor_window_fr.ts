<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>FileCommands</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1.</translation>
    </message>
    <message>
        <source>Save %1 Bitmap</source>
        <translation>%1 – Enregistrer l’image</translation>
    </message>
    <message>
        <source>Bitmap Image (*.BMP *.bmp)</source>
        <translation>Image bitmap (*.BMP *.bmp)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Could not set desktop wallpaper!</source>
        <translation>Impossible de définir le fond d’écran&#xa0;!</translation>
    </message>
    <message>
        <source>An error occurred writing to file
%1
Please check if there is enough diskspace or that this file is not in use by another application.</source>
        <translation>Une erreur s’est produite lors de l’écriture du fichier
%1
Vérifiez qu’il reste assez d’espace sur le disque et que le fichier n’est pas utilisé par une autre application.</translation>
    </message>
    <message>
        <source>Save %1 Chart</source>
        <translation>%1 – Enregistrer le tableau</translation>
    </message>
    <message>
        <source>Column Aligned (*.TXT *.txt)</source>
        <translation>Colonnes alignées (*.TXT *.txt)</translation>
    </message>
    <message>
        <source>Comma Delimited (*.TXT *.txt)</source>
        <translation>Séparé par des virgules (*.TXT *.txt)</translation>
    </message>
    <message>
        <source>Save %1 Spreadsheet</source>
        <translation>%1 – Enregistrer le classeur</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx *.XLSX)</source>
        <translation>Classeur Excel (*.xlsx *.XLSX)</translation>
    </message>
    <message>
        <source>Save %1 as PDF</source>
        <translation>%1 – Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf *.PDF)</source>
        <translation>Document PDF (*.pdf *.PDF)</translation>
    </message>
</context>
<context>
    <name>pecunor::HelpViewer</name>
    <message>
        <source>%1 Help</source>
        <translation>Aide d’%1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Cannot open the help file
%1
%2</source>
        <translation>Impossible d’ouvrir le fichier d’aide&#xa0;:
%1
%2</translation>
    </message>
</context>
<context>
    <name>pecunor::SaveFileDialog</name>
    <message>
        <source>The folder %1 does not exist.
Please choose another folder.</source>
        <translation>Le dossier %1 n’existe pas.
Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>The file %1 is read-only.
Please choose another name.</source>
        <translation>Le fichier %1 est en lecture seule.
Veuillez choisir un autre nom.</translation>
    </message>
    <message>
        <source>%1 is not a file but a folder, a named pipe, a device or a socket.
Please choose another name.</source>
        <translation>%1 n’est pas un fichier, mais un dossier, un tube nommé, un périphérique ou un socket.
Veuillez choisir un autre nom.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.
Please choose another folder.</source>
        <translation>Impossible d’écrire dans le dossier %1.
Veuillez choisir un autre dossier.</translation>
    </message>
</context>
<context>
    <name>pecunor::TableFontDialog</name>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation>Gras italique</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Police&#xa0;:</translation>
    </message>
    <message>
        <source>Font st&amp;yle:</source>
        <translation>&amp;Style&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille&#xa0;:</translation>
    </message>
</context>
<context>
    <name>pecunor::TfrmAbout</name>
    <message>
        <source>World Wide Web</source>
        <translation>Site Web</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
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
        <translation>Sélecteur de date</translation>
    </message>
    <message>
        <source>Year back</source>
        <translation>Année précédente</translation>
    </message>
    <message>
        <source>Month back</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Aujourd’hui</translation>
    </message>
    <message>
        <source>Jump to Today</source>
        <translation>Revenir à la date du jour</translation>
    </message>
    <message>
        <source>Month foreward</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Year foreward</source>
        <translation>Année suivante</translation>
    </message>
</context>
<context>
    <name>pecunor::TfrmCalc</name>
    <message>
        <source>Splitter</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>Result Pages</source>
        <translation>Pages de résultats</translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation>&amp;Calcul</translation>
    </message>
    <message>
        <source>E&amp;xplanation</source>
        <translation>E&amp;xplication</translation>
    </message>
    <message>
        <source>Result Table</source>
        <translation>Tableau des résultats</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Synthèse</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Explication</translation>
    </message>
    <message>
        <source>%1

Close without saving the settings?</source>
        <translation>%1

Fermer sans enregistrer les paramètres&#xa0;?</translation>
    </message>
    <message>
        <source>%1 per</source>
        <translation>%1 par</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Save As &amp;Text</source>
        <translation>Enregistrer au format &amp;texte…</translation>
    </message>
    <message>
        <source>Save As &amp;Bitmap</source>
        <translation>Enregistrer au format &amp;bitmap…</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Set As &amp;Wallpaper (Tiled)</source>
        <translation>Définir comme &amp;fond d’écran (mosaïque)</translation>
    </message>
    <message>
        <source>Set As Wa&amp;llpaper (Centered)</source>
        <translation>Définir comme fond d’écran (&amp;centré)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Tout &amp;sélectionner</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Horizontal Gridlines</source>
        <translation>Quadrillage &amp;horizontal</translation>
    </message>
    <message>
        <source>&amp;Vertical Gridlines</source>
        <translation>Quadrillage &amp;vertical</translation>
    </message>
    <message>
        <source>&amp;Stretch Cells Vertically</source>
        <translation>É&amp;tirer les cellules en hauteur</translation>
    </message>
    <message>
        <source>Hide &amp;About Window on Startup</source>
        <translation>Masquer la fenêtre «&#xa0;À propos&#xa0;» au &amp;démarrage</translation>
    </message>
    <message>
        <source>Table &amp;Font ...</source>
        <translation>Po&amp;lice du tableau…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Latest Brackwell Products</source>
        <translation>&amp;Derniers produits Brackwell</translation>
    </message>
    <message>
        <source>&amp;Copy Program for a Friend</source>
        <translation>&amp;Copier le programme pour un ami</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Save As &amp;Spreadsheet…</source>
        <translation>Enregistrer comme cla&amp;sseur…</translation>
    </message>
</context>
<context>
    <name>pecunor::TfrmPrint</name>
    <message>
        <source>The printing system (CUPS) cannot be reached.</source>
        <translation>Le système d’impression (CUPS) est injoignable.</translation>
    </message>
    <message>
        <source>The printer is not accepting jobs.</source>
        <translation>L’imprimante n’accepte pas de travaux.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>  Printer  </source>
        <translation>  Imprimante  </translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>  Options  </source>
        <translation>  Options  </translation>
    </message>
    <message>
        <source>Print Text Only</source>
        <translation>Imprimer le texte seul</translation>
    </message>
    <message>
        <source>Print As Shown On Screen</source>
        <translation>Imprimer tel qu’à l’écran</translation>
    </message>
    <message>
        <source>Stretch To Fit Printer Page</source>
        <translation>Ajuster à la page</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No printer is installed.
Add a printer in the system&apos;s printer settings, then print again.</source>
        <translation>Aucune imprimante n’est installée.
Ajoutez une imprimante dans les paramètres d’impression du système, puis relancez l’impression.</translation>
    </message>
    <message>
        <source>Printing on &quot;%1&quot; failed.
Check that the printer is switched on and can be reached, then print again.</source>
        <translation>L’impression sur «&#xa0;%1&#xa0;» a échoué.
Vérifiez que l’imprimante est allumée et accessible, puis relancez l’impression.</translation>
    </message>
    <message>
        <source>Save as &amp;PDF…</source>
        <translation>Enregistrer en &amp;PDF…</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Aucune imprimante n’est installée.</translation>
    </message>
</context>
</TS>
