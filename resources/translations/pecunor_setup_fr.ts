<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Settings</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossible d’enregistrer la valeur «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;
%2: %3</source>
        <translation>Impossible d’enregistrer la valeur «&#xa0;%1&#xa0;»
%2&#xa0;: %3</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than %1 KB</source>
        <translation>sa taille dépasse %1&#xa0;Ko</translation>
    </message>
    <message>
        <source>The settings file
%1
cannot be read: %2.

The calculator starts with its default settings.</source>
        <translation>Le fichier de paramètres
%1
ne peut pas être lu&#xa0;: %2.

La calculatrice démarre avec ses paramètres par défaut.</translation>
    </message>
    <message>
        <source>its folder could not be created</source>
        <translation>son dossier n’a pas pu être créé</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The clean-up program is missing from this program file.</source>
        <translation>Ce fichier programme ne contient pas le programme de nettoyage.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot make %1 executable.</source>
        <translation>Impossible de rendre %1 exécutable.</translation>
    </message>
    <message>
        <source>The file

%1

may be used by another application. Do you want to delete it?</source>
        <translation>Le fichier

%1

est peut-être utilisé par une autre application. Voulez-vous le supprimer&#xa0;?</translation>
    </message>
    <message>
        <source>Its clean-up program

%1

could not be started: programs may not run from its folder.</source>
        <translation>Son programme de nettoyage

%1

n’a pas pu être lancé&#xa0;: aucun programme ne peut être exécuté depuis son dossier.</translation>
    </message>
    <message>
        <source>Its clean-up program

%1

could not be started.</source>
        <translation>Son programme de nettoyage

%1

n’a pas pu être lancé.</translation>
    </message>
    <message>
        <source>The uninstallation of %1 is incomplete. %2

Please delete the file

%3

and its folder yourself.</source>
        <translation>La désinstallation d’%1 est incomplète. %2

Veuillez supprimer vous-même le fichier

%3

et son dossier.</translation>
    </message>
    <message>
        <source>These files could not be removed; please delete them yourself:

%1</source>
        <translation>Ces fichiers n’ont pas pu être supprimés&#xa0;; veuillez les supprimer vous-même&#xa0;:

%1</translation>
    </message>
    <message>
        <source>%1 was installed for all users of this computer by the system&apos;s package manager.
Please remove it with the package manager (package &quot;%2&quot;).</source>
        <translation>%1 a été installé pour tous les utilisateurs de cet ordinateur par le gestionnaire de paquets du système.
Veuillez le supprimer avec le gestionnaire de paquets (paquet «&#xa0;%2&#xa0;»).</translation>
    </message>
    <message>
        <source>%1 cannot be uninstalled from the folder

%2

because you may not change that folder. Nothing has been removed.</source>
        <translation>%1 ne peut pas être désinstallé du dossier

%2

car vous n’avez pas le droit de modifier ce dossier. Rien n’a été supprimé.</translation>
    </message>
    <message>
        <source>Are you sure you want to uninstall %1?</source>
        <translation>Voulez-vous vraiment désinstaller %1&#xa0;?</translation>
    </message>
    <message>
        <source>%1 has been uninstalled.</source>
        <translation>%1 a été désinstallé.</translation>
    </message>
    <message>
        <source>The uninstallation of %1 is incomplete.</source>
        <translation>La désinstallation d’%1 est incomplète.</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n’est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>pecunor::DesktopEntry</name>
    <message>
        <source>Financial Calculator</source>
        <translation>Calculatrice financière</translation>
    </message>
    <message>
        <source>Future and present values, loan payments, depreciation and bonds, period by period</source>
        <translation>Valeur acquise et valeur actuelle, échéances de prêt, amortissements et obligations, période par période</translation>
    </message>
    <message>
        <source>finance;loan;annuity;interest;depreciation;bond;calculator;</source>
        <translation>finance;prêt;emprunt;crédit;mensualité;annuité;intérêts;taux;tableau d’amortissement;amortissement;obligation;rendement;action;PER;valeur acquise;valeur actuelle;calculatrice;</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Aide d’%1</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <translation>Désinstaller %1</translation>
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
        <translation>Usage&#xa0;: opecu97 [SETUP | UNINSTALL | HELP]
        opecu97 --help | --version

Ouvre la fenêtre d’%1&#xa0;; le tableau période par période de la méthode
choisie est recalculé à chaque frappe.

  SETUP          installe une copie pour l’utilisateur actuel
  UNINSTALL      supprime la copie lancée, après confirmation
  HELP           ouvre seulement la visionneuse d’aide
  -h, --help     affiche ce texte et quitte
  -V, --version  affiche la version et quitte

Les mêmes calculs sans fenêtre&#xa0;: pecunor-calc --help.
</translation>
    </message>
    <message>
        <source>opecu97: %1; the calculator needs a graphical desktop (see opecu97 --help)</source>
        <translation>opecu97&#xa0;: %1&#xa0;; la calculatrice a besoin d’un bureau graphique (voir opecu97 --help)</translation>
    </message>
</context>
<context>
    <name>pecunor::TfrmCopyProgram</name>
    <message>
        <source>Done!</source>
        <translation>Terminé&#xa0;!</translation>
    </message>
    <message>
        <source>Cannot copy to the same directory this program is running from.</source>
        <translation>Impossible de copier dans le dossier à partir duquel ce programme est exécuté.</translation>
    </message>
    <message>
        <source>Error writing to drive %1. Please make room on it and try again.</source>
        <translation>Erreur d’écriture sur le lecteur %1. Libérez de l’espace sur ce lecteur, puis réessayez.</translation>
    </message>
    <message>
        <source>Error writing to drive %1. If this is a removable drive make sure there is a disk in the drive and try again.</source>
        <translation>Erreur d’écriture sur le lecteur %1. S’il s’agit d’un lecteur amovible, vérifiez qu’un support y est inséré, puis réessayez.</translation>
    </message>
    <message>
        <source>One or more files are missing from the original installation. Please obtain a new copy from our web site.</source>
        <translation>Un ou plusieurs fichiers de l’installation d’origine sont manquants. Veuillez télécharger une nouvelle copie sur notre site Web.</translation>
    </message>
    <message>
        <source>An error occurred copying the files: drive %1 is full. Please make room on it and try again.</source>
        <translation>Une erreur s’est produite lors de la copie des fichiers&#xa0;: le lecteur %1 est plein. Libérez de l’espace sur ce lecteur, puis réessayez.</translation>
    </message>
    <message>
        <source>An error occurred copying the files. Please make sure you have a disk in the floppy drive and try again.</source>
        <translation>Une erreur s’est produite lors de la copie des fichiers. Vérifiez qu’une disquette est insérée dans le lecteur, puis réessayez.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Copy %1 for a Friend</source>
        <translation>Copier %1 pour un ami</translation>
    </message>
    <message>
        <source>Select the drive, for instance a USB stick, to copy %1 to. A folder named after the program is made there, holding all of its files, the setup program among them, so that your friend can install %1 from it.</source>
        <translation>Choisissez le lecteur (par exemple une clé USB) sur lequel copier %1. Un dossier au nom du programme y est créé avec tous ses fichiers, programme d’installation compris, pour que votre ami puisse installer %1 à partir de ce dossier.</translation>
    </message>
    <message>
        <source>Copy to folder %1</source>
        <translation>Copier dans le dossier %1</translation>
    </message>
</context>
<context>
    <name>pecunor::TfrmInstall</name>
    <message>
        <source>Please select a parent folder for %1. Click on Next to proceed.</source>
        <translation>Veuillez choisir le dossier dans lequel installer %1, puis cliquez sur «&#xa0;Suivant&#xa0;» pour continuer.</translation>
    </message>
    <message>
        <source>Please select from where you would like to be able to run %1.</source>
        <translation>Indiquez d’où vous souhaitez pouvoir lancer %1.</translation>
    </message>
    <message>
        <source>Add %1 to the Start Menu</source>
        <translation>Ajouter %1 au menu Démarrer</translation>
    </message>
    <message>
        <source>Add %1 icon to the Desktop</source>
        <translation>Placer une icône d’%1 sur le bureau</translation>
    </message>
    <message>
        <source>Run %1 on startup</source>
        <translation>Lancer %1 au démarrage</translation>
    </message>
    <message>
        <source>The following files will be installed on your system</source>
        <translation>Les fichiers suivants vont être installés sur votre système</translation>
    </message>
    <message>
        <source>Click on Finish to install %1.</source>
        <translation>Cliquez sur «&#xa0;Terminer&#xa0;» pour installer %1.</translation>
    </message>
    <message>
        <source>Installation has been completed successfully!</source>
        <translation>L’installation s’est terminée avec succès&#xa0;!</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>According to your system clock you have downloaded a version of this program which is older than 6 months! There is a very good chance that this program has been replaced by a newer version. Please go to the following WWW address to verify:</source>
        <translation>D’après l’horloge de votre système, la version de ce programme que vous avez téléchargée date de plus de 6&#xa0;mois&#xa0;! Il est très probable qu’une version plus récente soit parue. Veuillez vérifier à l’adresse Web suivante&#xa0;:</translation>
    </message>
    <message>
        <source>However, you can continue to install this version by clicking on Next.</source>
        <translation>Vous pouvez néanmoins installer cette version en cliquant sur «&#xa0;Suivant&#xa0;».</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Précédent</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Suivant &gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 Setup</source>
        <translation>Installation d’%1</translation>
    </message>
    <message>
        <source>Sorry, this program is specifically designed to run under Windows 95 or WindowsNT 4.0.</source>
        <translation>Désolé, ce programme est conçu pour fonctionner sous Windows 95 ou Windows NT 4.0.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of %1?</source>
        <translation>Voulez-vous vraiment annuler l’installation d’%1&#xa0;?</translation>
    </message>
    <message>
        <source>No changes have been made. Please select a different folder to install to.</source>
        <translation>Aucune modification n’a été effectuée. Veuillez choisir un autre dossier d’installation.</translation>
    </message>
    <message>
        <source>The folder

%1

cannot be created:
%2</source>
        <translation>Le dossier

%1

ne peut pas être créé&#xa0;:
%2</translation>
    </message>
    <message>
        <source>The folder

%1

apparently already exists. Do you want to overwrite existing files?</source>
        <translation>Le dossier

%1

semble déjà exister. Voulez-vous remplacer les fichiers existants&#xa0;?</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists, but %2 has a newer version of this file.

Would you like to install this file?</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» existe déjà, mais %2 en fournit une version plus récente.

Voulez-vous installer ce fichier&#xa0;?</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Install Folder</source>
        <translation>Dossier d’installation</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Ready to Install</source>
        <translation>Prêt pour l’installation</translation>
    </message>
    <message>
        <source>Installation Complete</source>
        <translation>Installation terminée</translation>
    </message>
    <message>
        <source>Installation Incomplete</source>
        <translation>Installation incomplète</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Parent folder</source>
        <translation>Dossier parent</translation>
    </message>
    <message>
        <source>The disk is full. Please make room on it and run Setup again.</source>
        <translation>Le disque est plein. Libérez de l’espace, puis relancez l’installation.</translation>
    </message>
    <message>
        <source>Please put this right and run Setup again.</source>
        <translation>Veuillez corriger ce problème, puis relancer l’installation.</translation>
    </message>
    <message>
        <source>Could not copy one or more files to the target folder. This installation is incomplete.</source>
        <translation>Un ou plusieurs fichiers n’ont pas pu être copiés dans le dossier de destination. Cette installation est incomplète.</translation>
    </message>
    <message>
        <source>Could not find or copy one or more files to the target folder. This installation is incomplete.

Please download another complete copy from the following web site:</source>
        <translation>Un ou plusieurs fichiers n’ont pas pu être trouvés ou copiés dans le dossier de destination. Cette installation est incomplète.

Veuillez télécharger une nouvelle copie complète sur le site Web suivant&#xa0;:</translation>
    </message>
    <message>
        <source>The files were copied, but the uninstall entry could not be written, so %1 cannot be uninstalled from the menu. This installation is incomplete.</source>
        <translation>Les fichiers ont été copiés, mais l’entrée de désinstallation n’a pas pu être écrite&#xa0;: %1 ne pourra pas être désinstallé depuis le menu. Cette installation est incomplète.</translation>
    </message>
    <message>
        <source>The files were copied, but the program&apos;s icons could not be written. This installation is incomplete.</source>
        <translation>Les fichiers ont été copiés, mais les icônes du programme n’ont pas pu être écrites. Cette installation est incomplète.</translation>
    </message>
    <message>
        <source>Could not create one or more of the shortcuts you specified. Please do so manually or run Setup again.</source>
        <translation>Un ou plusieurs des raccourcis demandés n’ont pas pu être créés. Créez-les vous-même ou relancez l’installation.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>pecunor::platform::DisplayProbe</name>
    <message>
        <source>no display to open a window on (DISPLAY is not set)</source>
        <translation>aucun écran où ouvrir une fenêtre (DISPLAY n’est pas défini)</translation>
    </message>
    <message>
        <source>cannot connect to the display %1</source>
        <translation>connexion impossible à l’écran %1</translation>
    </message>
</context>
</TS>
