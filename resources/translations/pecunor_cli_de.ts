<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>pecunor-calc</name>
    <message>
        <source>--locale: unknown locale &apos;%1&apos;</source>
        <translation>--locale: unbekanntes Gebietsschema „%1“</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a number %3</source>
        <translation>%1: „%2“ ist keine der Zahlen %3</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is out of the range %3</source>
        <translation>%1: „%2“ liegt außerhalb des Bereichs %3</translation>
    </message>
    <message>
        <source>--method: &apos;%1&apos; is neither a method index 0-13 nor a method name</source>
        <translation>--method: „%1“ ist weder eine Methodennummer 0-13 noch ein Methodenname</translation>
    </message>
    <message>
        <source>--today: &apos;%1&apos; is not a date YYYY-MM-DD in the years 1 to 9999</source>
        <translation>--today: „%1“ ist kein Datum JJJJ-MM-TT in den Jahren 1 bis 9999</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>Option „%1“ erwartet keinen Wert</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>Option „%1“ erwartet einen Wert</translation>
    </message>
    <message>
        <source>pecunor-calc: the output could not be written
</source>
        <translation>pecunor-calc: Die Ausgabe konnte nicht geschrieben werden
</translation>
    </message>
    <message>
        <source>--language: &apos;%1&apos; is not a language of the program (%2)</source>
        <translation>--language: „%1“ ist keine Sprache des Programms (%2)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option of a batch line</source>
        <translation>„%1“ ist keine Option einer Stapelzeile</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes a text or a whole number</source>
        <translation>„%1“ erwartet einen Text oder eine ganze Zahl</translation>
    </message>
    <message>
        <source>--batch writes one JSON sheet a line and takes no --format, --help or --version</source>
        <translation>--batch schreibt eine JSON-Tabelle je Zeile und nimmt kein --format, --help oder --version</translation>
    </message>
    <message>
        <source>Try &apos;pecunor-calc --help&apos;.</source>
        <translation>„pecunor-calc --help“ liefert weitere Informationen.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number in %3&apos;s form; 0 is used</source>
        <translation>%1 „%2“ ist keine Zahl in der Form von %3; 0 wird verwendet</translation>
    </message>
    <message>
        <source>the sign is ignored</source>
        <translation>das Vorzeichen wird übergangen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not %2&apos;s decimal separator &apos;%3&apos;</source>
        <translation>„%1“ ist nicht das Dezimaltrennzeichen „%3“ von %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not part of a number</source>
        <translation>„%1“ gehört zu keiner Zahl</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is read as %3: %4</source>
        <translation>%1 „%2“ wird als %3 gelesen: %4</translation>
    </message>
    <message>
        <source>%1 is not an input of %2; it is ignored</source>
        <translation>%1 ist keine Eingabe von %2 und wird übergangen</translation>
    </message>
    <message>
        <source>%1 must be above 0</source>
        <translation>%1 muss über 0 liegen</translation>
    </message>
    <message>
        <source>%1 or %2 must be above 0</source>
        <translation>%1 oder %2 muss über 0 liegen</translation>
    </message>
    <message>
        <source>%1 must not be above %2</source>
        <translation>%1 darf nicht über %2 liegen</translation>
    </message>
    <message>
        <source>%1 must count 1 to 9999 periods</source>
        <translation>%1 muss 1 bis 9999 Perioden zählen</translation>
    </message>
    <message>
        <source>--start &apos;%1&apos; is not a date in %2&apos;s short form; today is used</source>
        <translation>--start „%1“ ist kein Datum im kurzen Format von %2; heute wird verwendet</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; counts %3 whole periods; the fraction is ignored</source>
        <translation>%1 „%2“ zählt %3 ganze Perioden; der Bruchteil wird übergangen</translation>
    </message>
    <message>
        <source>no sheet from these inputs: %1</source>
        <translation>keine Tabelle aus diesen Eingaben: %1</translation>
    </message>
    <message>
        <source>the line is JSON but not an object {...}</source>
        <translation>die Zeile ist JSON, aber kein Objekt {...}</translation>
    </message>
    <message>
        <source>the line is not JSON: %1 at character %2</source>
        <translation>die Zeile ist kein JSON: %1 bei Zeichen %2</translation>
    </message>
    <message>
        <source>--format: &apos;%1&apos; is not one of aligned, csv, json, numbers, xlsx</source>
        <translation>--format: „%1“ ist keiner der Werte aligned, csv, json, numbers, xlsx</translation>
    </message>
    <message>
        <source>--output: the file name is empty</source>
        <translation>--output: der Dateiname ist leer</translation>
    </message>
    <message>
        <source>--format xlsx needs --output FILE</source>
        <translation>--format xlsx verlangt --output DATEI</translation>
    </message>
    <message>
        <source>--output is only for --format xlsx</source>
        <translation>--output gilt nur für --format xlsx</translation>
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
        <translation>Aufruf: pecunor-calc [--method N|&quot;METHODENNAME&quot;] [--start TEXT] [--periods N] [--timing N]
                     [--interest-per N] [--v1 TEXT] [--v2 TEXT] [--v3 TEXT] [--v4 TEXT]
                     [--today JJJJ-MM-TT] [--locale NAME] [--language CODE]
                     [--format aligned|csv|json|numbers|xlsx] [--output DATEI]
                     [--strict]
        pecunor-calc --batch [OPTIONEN]
        pecunor-calc -h|--help | -V|--version

Berechnet eine Tabelle aus den Eingaben, wie sie im Fenster eingetippt würden.
  --method        Nummer oder Name der Methode, auch der englische (Vorgabe 0):
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
        <translation>  --start         Startdatum im kurzen Datumsformat des Gebietsschemas oder als
                  JJJJ-MM-TT (Vorgabe: heute)
  --periods       Periodeneinheit 0-5: %1
  --timing        Zahlungszeitpunkt: 0 Periodenanfang oder 1 Periodenende
  --interest-per  Einheit des Zinssatzes, 0-5 wie bei --periods
  --v1 .. --v4    die vier Eingabewerte
  --today         das als heute geltende Datum (Vorgabe: das lokale Datum)
  --locale        Gebietsschema wie en_US, de_DE, fr_CH oder C (Vorgabe: das des Systems)
  --language      Sprache der Texte: %2 (Vorgabe: die des Systems)
  --format        aligned oder csv, die Layouts der Textdatei (Vorgabe: aligned); json,
                  die Tabelle für Programme; numbers, die Tabelle als reine Zahlen;
                  xlsx, die Arbeitsmappe von „Als Arbeitsmappe speichern“, geschrieben
                  in die Datei von --output
  --output        die Datei von --format xlsx
  --strict        jede nicht wie geschrieben gelesene Eingabe als Aufruffehler ablehnen
  --batch         eine Anfrage je Zeile von der Standardeingabe, ein JSON-Objekt mit den
                  Namen der Optionen ({&quot;v1&quot;: &quot;1000&quot;, ...}), und je Zeile eine
                  JSON-Tabelle auf der Standardausgabe
  -h, --help      diesen Text zeigen und enden
  -V, --version   Produkt und Version zeigen und enden
Optionen lassen sich auch als --name=wert schreiben.
Jede Eingabe, die das Fenster anders liest als geschrieben (ausgelassene Zeichen,
ein übergangenes Vorzeichen, ein Trennzeichen eines anderen Gebietsschemas, ein
durch heute ersetztes Startdatum, eine von der Methode nicht genutzte Eingabe),
wird auf der Standardfehlerausgabe genannt; die Tabelle ist die des Fensters.
Exit-Status: 0 eine gültige Tabelle, 1 fehlende oder ungültige Eingaben, ein
Rechenfehler oder eine nicht geschriebene Arbeitsmappe, 2 ein Aufruffehler.
</translation>
    </message>
</context>
</TS>
