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
        <source>--format: &apos;%1&apos; is not one of aligned, csv, json</source>
        <translation>--format&#xa0;: «&#xa0;%1&#xa0;» n’est ni aligned, ni csv, ni json</translation>
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
        <source>Usage: pecunor-calc [--method N|&quot;LIST TEXT&quot;] [--start TEXT] [--periods N] [--timing N]
                    [--interest-per N] [--v1 TEXT] [--v2 TEXT] [--v3 TEXT] [--v4 TEXT]
                    [--today YYYY-MM-DD] [--locale NAME] [--language CODE]
                    [--format aligned|csv|json]

Calculates one sheet from the inputs as they would be typed into the window.
  --method        the method&apos;s index or its name (default 0):
</source>
        <translation>Usage&#xa0;: pecunor-calc [--method N|&quot;NOM DE MÉTHODE&quot;] [--start TEXTE] [--periods N] [--timing N]
                     [--interest-per N] [--v1 TEXTE] [--v2 TEXTE] [--v3 TEXTE] [--v4 TEXTE]
                     [--today AAAA-MM-JJ] [--locale NOM] [--language CODE]
                     [--format aligned|csv|json]

Calcule un tableau à partir des saisies, telles qu’on les taperait dans la fenêtre.
  --method        numéro ou nom de la méthode, nom anglais compris (par défaut 0)&#xa0;:
</translation>
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
        <source>  --start         the start date in the locale&apos;s short date form (default: today)
  --periods       the period unit 0-5: %1
  --timing        payments due at 0 the start or 1 the end of the period
  --interest-per  the unit of the interest rate, 0-5 as for --periods
  --v1 .. --v4    the four value entries
  --today         the date taken as today (default: the local date)
  --locale        a locale name such as en_US, de_DE, fr_CH or C (default: the system&apos;s)
  --language      the language of the texts: %2 (default: the system&apos;s)
  --format        aligned or csv, the text file layouts, or json, the whole sheet
                  (default: aligned)
Options also take the form --name=value.
Exit status: 0 a valid sheet, 1 insufficient input or an arithmetic fault,
2 a usage error.
</source>
        <translation>  --start         date de début au format de date court local (par défaut&#xa0;: aujourd’hui)
  --periods       unité de période 0-5&#xa0;: %1
  --timing        échéance des versements&#xa0;: 0 en début ou 1 en fin de période
  --interest-per  unité du taux d’intérêt, 0-5 comme pour --periods
  --v1 .. --v4    les quatre valeurs saisies
  --today         date tenue pour aujourd’hui (par défaut&#xa0;: la date locale)
  --locale        paramètres régionaux tels que en_US, de_DE, fr_CH ou C
                  (par défaut&#xa0;: ceux du système)
  --language      langue des textes&#xa0;: %2 (par défaut&#xa0;: celle du système)
  --format        aligned ou csv (mises en page du fichier texte) ou json (tableau complet)
                  (par défaut&#xa0;: aligned)
Les options s’écrivent aussi --nom=valeur.
Code de sortie&#xa0;: 0 tableau valide, 1 saisies insuffisantes ou erreur de calcul,
2 erreur d’utilisation.
</translation>
    </message>
</context>
</TS>
