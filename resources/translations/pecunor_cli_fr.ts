<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>pecunor-calc</name>
    <message>
        <source>--locale: unknown locale &apos;%1&apos;</source>
        <translation>--locale&#xa0;: paramètres régionaux «&#xa0;%1&#xa0;» inconnus</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a number %3</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n’est pas un nombre de l’intervalle %3</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is out of the range %3</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» est hors de l’intervalle %3</translation>
    </message>
    <message>
        <source>--method: &apos;%1&apos; is neither a method index 0-13 nor a method name</source>
        <translation>--method&#xa0;: «&#xa0;%1&#xa0;» n’est ni un numéro de méthode de 0 à 13 ni un nom de méthode</translation>
    </message>
    <message>
        <source>--today: &apos;%1&apos; is not a date YYYY-MM-DD in the years 1 to 9999</source>
        <translation>--today&#xa0;: «&#xa0;%1&#xa0;» n’est pas une date AAAA-MM-JJ des années 1 à 9999</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>l’option «&#xa0;%1&#xa0;» n’attend pas de valeur</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>l’option «&#xa0;%1&#xa0;» attend une valeur</translation>
    </message>
    <message>
        <source>pecunor-calc: the output could not be written
</source>
        <translation>pecunor-calc&#xa0;: la sortie n’a pas pu être écrite
</translation>
    </message>
    <message>
        <source>--language: &apos;%1&apos; is not a language of the program (%2)</source>
        <translation>--language&#xa0;: «&#xa0;%1&#xa0;» n’est pas une langue du programme (%2)</translation>
    </message>
    <message>
        <source>the line is JSON but not an object {...}</source>
        <translation>la ligne est du JSON, mais pas un objet {...}</translation>
    </message>
    <message>
        <source>the line is not JSON: %1 at character %2</source>
        <translation>la ligne n’est pas du JSON : %1 au caractère %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option of a batch line</source>
        <translation>« %1 » n’est pas une option d’une ligne de lot</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes a text or a whole number</source>
        <translation>« %1 » attend un texte ou un nombre entier</translation>
    </message>
    <message>
        <source>--batch writes one JSON sheet a line and takes no --format, --help or --version</source>
        <translation>--batch écrit un tableau JSON par ligne et n’accepte ni --format, ni --help, ni --version</translation>
    </message>
    <message>
        <source>--format: &apos;%1&apos; is not one of aligned, csv, json, numbers, xlsx</source>
        <translation>--format : « %1 » n’est pas l’une des valeurs aligned, csv, json, numbers, xlsx</translation>
    </message>
    <message>
        <source>--output: the file name is empty</source>
        <translation>--output : le nom de fichier est vide</translation>
    </message>
    <message>
        <source>--format xlsx needs --output FILE</source>
        <translation>--format xlsx exige --output FICHIER</translation>
    </message>
    <message>
        <source>--output is only for --format xlsx</source>
        <translation>--output ne vaut que pour --format xlsx</translation>
    </message>
    <message>
        <source>Usage: pecunor-calc [--method N|&quot;LIST TEXT&quot;] [--start TEXT] [--periods N] [--timing N]
                    [--interest-per N] [--v1 TEXT] [--v2 TEXT] [--v3 TEXT] [--v4 TEXT]
                    [--today YYYY-MM-DD] [--locale NAME] [--language CODE]
                    [--format aligned|csv|json|numbers|xlsx] [--output FILE]
                    [--strict]
       pecunor-calc --batch [OPTIONS]
       pecunor-calc -h|--help | -V|--version

Calculates one sheet from the inputs as they would be typed into the window.
  --method        the method&apos;s index or its name (default 0):
</source>
        <translation>Usage : pecunor-calc [--method N|&quot;NOM DE MÉTHODE&quot;] [--start TEXTE] [--periods N] [--timing N]
                     [--interest-per N] [--v1 TEXTE] [--v2 TEXTE] [--v3 TEXTE] [--v4 TEXTE]
                     [--today AAAA-MM-JJ] [--locale NOM] [--language CODE]
                     [--format aligned|csv|json|numbers|xlsx] [--output FICHIER]
                     [--strict]
        pecunor-calc --batch [OPTIONS]
        pecunor-calc -h|--help | -V|--version

Calcule un tableau à partir des saisies, telles qu’on les taperait dans la fenêtre.
  --method        numéro ou nom de la méthode, aussi en anglais (par défaut 0) :
</translation>
    </message>
    <message>
        <source>  --start         the start date in the locale&apos;s short date form or as YYYY-MM-DD
                  (default: today)
  --periods       the period unit 0-5: %1
  --timing        payments due at 0 the start or 1 the end of the period
  --interest-per  the unit of the interest rate, 0-5 as for --periods
  --v1 .. --v4    the four value entries
  --today         the date taken as today (default: the local date)
  --locale        a locale name such as en_US, de_DE, fr_CH or C (default: the system&apos;s)
  --language      the language of the texts: %2 (default: the system&apos;s)
  --format        aligned or csv, the text file layouts (default: aligned); json, the
                  sheet for programs; numbers, the table as plain numbers; xlsx, the
                  workbook of Save As Spreadsheet, written to the --output file
  --output        the file of --format xlsx
  --strict        refuse, as a usage error, any input not read as written
  --batch         one request a line on standard input, a JSON object named like the
                  options ({&quot;v1&quot;: &quot;1000&quot;, ...}), and one JSON sheet a line out
  -h, --help      show this text and end
  -V, --version   show the product and version and end
Options also take the form --name=value.
Each input the window would read otherwise than written (characters left out,
a sign ignored, a separator not of the locale, a start date replaced by today,
an input the method does not use) is named on standard error; the sheet is
the window&apos;s.
Exit status: 0 a valid sheet, 1 missing or invalid inputs, an arithmetic fault or a
workbook not written, 2 a usage error.
</source>
        <translation>  --start         date de début au format de date court des paramètres régionaux
                  ou en AAAA-MM-JJ (par défaut : aujourd’hui)
  --periods       unité de période 0-5 : %1
  --timing        échéance des paiements : 0 début ou 1 fin de période
  --interest-per  unité du taux d’intérêt, 0-5 comme pour --periods
  --v1 .. --v4    les quatre valeurs saisies
  --today         la date prise pour aujourd’hui (par défaut : la date locale)
  --locale        paramètres régionaux tels que en_US, de_DE, fr_CH ou C
                  (par défaut : ceux du système)
  --language      langue des textes : %2 (par défaut : celle du système)
  --format        aligned ou csv, les mises en page du fichier texte (par défaut :
                  aligned) ; json, le tableau pour les programmes ; numbers, le
                  tableau en nombres bruts ; xlsx, le classeur d’« Enregistrer
                  comme classeur », écrit dans le fichier de --output
  --output        le fichier de --format xlsx
  --strict        refuser, comme erreur d’utilisation, toute saisie non lue telle
                  qu’écrite
  --batch         une requête par ligne sur l’entrée standard, un objet JSON nommé
                  comme les options ({&quot;v1&quot;: &quot;1000&quot;, ...}), et un tableau JSON par
                  ligne en sortie
  -h, --help      afficher ce texte et terminer
  -V, --version   afficher le produit et la version et terminer
Les options s’écrivent aussi --nom=valeur.
Chaque saisie que la fenêtre lirait autrement qu’écrite (caractères omis, signe
ignoré, séparateur étranger aux paramètres régionaux, date de début remplacée
par celle du jour, saisie que la méthode n’utilise pas) est signalée sur la
sortie d’erreur standard ; le tableau est celui de la fenêtre.
Code de sortie : 0 un tableau valide, 1 des saisies manquantes ou invalides,
une erreur de calcul ou un classeur non écrit, 2 une erreur d’utilisation.
</translation>
    </message>
    <message>
        <source>Try &apos;pecunor-calc --help&apos;.</source>
        <translation>Essayez « pecunor-calc --help ».</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number in %3&apos;s form; 0 is used</source>
        <translation>%1 « %2 » n’est pas un nombre au format de %3 ; 0 est utilisé</translation>
    </message>
    <message>
        <source>the sign is ignored</source>
        <translation>le signe est ignoré</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not %2&apos;s decimal separator &apos;%3&apos;</source>
        <translation>« %1 » n’est pas le séparateur décimal « %3 » de %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not part of a number</source>
        <translation>« %1 » ne fait pas partie d’un nombre</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is read as %3: %4</source>
        <translation>%1 « %2 » est lu comme %3 : %4</translation>
    </message>
    <message>
        <source>%1 is not an input of %2; it is ignored</source>
        <translation>%1 n’est pas une saisie de %2 ; elle est ignorée</translation>
    </message>
    <message>
        <source>%1 must be above 0</source>
        <translation>%1 doit être supérieur à 0</translation>
    </message>
    <message>
        <source>%1 or %2 must be above 0</source>
        <translation>%1 ou %2 doit être supérieur à 0</translation>
    </message>
    <message>
        <source>%1 must not be above %2</source>
        <translation>%1 ne doit pas dépasser %2</translation>
    </message>
    <message>
        <source>%1 must count 1 to 9999 periods</source>
        <translation>%1 doit compter de 1 à 9999 périodes</translation>
    </message>
    <message>
        <source>--start &apos;%1&apos; is not a date in %2&apos;s short form; today is used</source>
        <translation>--start « %1 » n’est pas une date au format court de %2 ; la date du jour est utilisée</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; counts %3 whole periods; the fraction is ignored</source>
        <translation>%1 « %2 » compte %3 périodes entières ; la fraction est ignorée</translation>
    </message>
    <message>
        <source>no sheet from these inputs: %1</source>
        <translation>aucun tableau à partir de ces saisies : %1</translation>
    </message>
</context>
</TS>
