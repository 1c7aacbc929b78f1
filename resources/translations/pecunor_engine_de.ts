<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Engine</name>
    <message>
        <source>Future Value</source>
        <translation>Endwert</translation>
    </message>
    <message>
        <source>Present Value</source>
        <translation>Barwert</translation>
    </message>
    <message>
        <source>% Interest</source>
        <translation>Zinssatz (%)</translation>
    </message>
    <message>
        <source>Number of {P}</source>
        <translation>Anzahl {P}</translation>
    </message>
    <message>
        <source>Payment/{U}</source>
        <translation>Rate/{U}</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Anschaffungskosten</translation>
    </message>
    <message>
        <source>Salvage Value</source>
        <translation>Restwert</translation>
    </message>
    <message>
        <source>Life in {P}</source>
        <translation>Nutzungsdauer ({P})</translation>
    </message>
    <message>
        <source>Coupon Rate</source>
        <translation>Kuponzins</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Laufende Rendite</translation>
    </message>
    <message>
        <source>Closing Price</source>
        <translation>Schlusskurs</translation>
    </message>
    <message>
        <source>Earnings per Share</source>
        <translation>Gewinn je Aktie</translation>
    </message>
    <message>
        <source>Price/Earnings Ratio</source>
        <translation>Kurs-Gewinn-Verhältnis</translation>
    </message>
    <message>
        <source>Accumulated Total</source>
        <translation>Kontostand</translation>
    </message>
    <message>
        <source>Present Value : 
Total Interest : 
Average Interest / {U} : 
% Interest / {U} : </source>
        <translation>Barwert : 
Zinsen gesamt : 
Ø Zinsen / {U} : 
Zinssatz / {U} (%) : </translation>
    </message>
    <message>
        <source>Remaining Book Value : 
Total Depreciation : 
Average Depreciation / {U} : </source>
        <translation>Restbuchwert : 
Abschreibung gesamt : 
Ø Abschreibung / {U} : </translation>
    </message>
    <message>
        <source>Future Value Annuity</source>
        <translation>Endwert mit Raten</translation>
    </message>
    <message>
        <source>Future Value Investment</source>
        <translation>Sparplan</translation>
    </message>
    <message>
        <source>Present Value Annuity</source>
        <translation>Barwert mit Raten</translation>
    </message>
    <message>
        <source>Present Loan Payment</source>
        <translation>Annuitätendarlehen</translation>
    </message>
    <message>
        <source>Straight-Line Deprec.</source>
        <translation>Lineare Abschreibung</translation>
    </message>
    <message>
        <source>Sum-of-Years Deprec.</source>
        <translation>Digitale Abschreibung</translation>
    </message>
    <message>
        <source>Dbl. Decl. Bal. Deprec.</source>
        <translation>Geom.-degressive Abschr.</translation>
    </message>
    <message>
        <source>Zero Coupon Bonds</source>
        <translation>Nullkuponanleihe</translation>
    </message>
    <message>
        <source>Bond Yield</source>
        <translation>Laufende Rendite</translation>
    </message>
    <message>
        <source>Bond Price</source>
        <translation>Anleihekurs</translation>
    </message>
    <message>
        <source>Price / Earnings (Stocks)</source>
        <translation>Kurs-Gewinn-Verhältnis</translation>
    </message>
    <message>
        <source>Earnings / Share (Stocks)</source>
        <translation>Gewinn je Aktie</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>/ Year</source>
        <translation>/ Jahr</translation>
    </message>
    <message>
        <source>Half-Years</source>
        <translation>Halbjahre</translation>
    </message>
    <message>
        <source>Half-Year</source>
        <translation>Halbjahr</translation>
    </message>
    <message>
        <source>/ Half-Year</source>
        <translation>/ Halbjahr</translation>
    </message>
    <message>
        <source>Quarters</source>
        <translation>Quartale</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Quartal</translation>
    </message>
    <message>
        <source>/ Quarter</source>
        <translation>/ Quartal</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>/ Month</source>
        <translation>/ Monat</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>/ Week</source>
        <translation>/ Woche</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>/ Day</source>
        <translation>/ Tag</translation>
    </message>
    <message>
        <source>Start of Period</source>
        <translation>Periodenanfang</translation>
    </message>
    <message>
        <source>End of Period</source>
        <translation>Periodenende</translation>
    </message>
    <message>
        <source>&amp;Method</source>
        <translation>&amp;Methode</translation>
    </message>
    <message>
        <source>Start &amp;Date</source>
        <translation>S&amp;tartdatum</translation>
    </message>
    <message>
        <source>&amp;Periods are</source>
        <translation>&amp;Periodeneinheit</translation>
    </message>
    <message>
        <source>P&amp;ayments Due at</source>
        <translation>&amp;Zahlungszeitpunkt</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Anfangskapital</translation>
    </message>
    <message>
        <source>Loan Amount</source>
        <translation>Darlehensbetrag</translation>
    </message>
    <message>
        <source>Down Payment</source>
        <translation>Anzahlung</translation>
    </message>
    <message>
        <source>Face Value</source>
        <translation>Nennwert</translation>
    </message>
    <message>
        <source>% Interest/{U}</source>
        <translation>Zinssatz/{U} (%)</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Interest/{U}</source>
        <translation>Zinsen/{U}</translation>
    </message>
    <message>
        <source>Depreciation/{U}</source>
        <translation>Abschreibung/{U}</translation>
    </message>
    <message>
        <source>Remaining Total</source>
        <translation>Restschuld</translation>
    </message>
    <message>
        <source>Book Value</source>
        <translation>Buchwert</translation>
    </message>
    <message>
        <source>Accumulated Total</source>
        <comment>value of a zero-coupon bond</comment>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Future Value : 
Total Interest : 
Average Interest / {U} : 
% Interest / {U} : </source>
        <translation>Endwert : 
Zinsen gesamt : 
Ø Zinsen / {U} : 
Zinssatz / {U} (%) : </translation>
    </message>
    <message>
        <source>Future Value / Annuity : 
Total Payments : 
Total Interest : 
Average Interest / {U} : 
% Interest / {U} : </source>
        <translation>Endwert mit Raten : 
Zahlungen gesamt : 
Zinsen gesamt : 
Ø Zinsen / {U} : 
Zinssatz / {U} (%) : </translation>
    </message>
    <message>
        <source>Total Payments : 
Total Interest : 
Average Interest / {U} : 
% Interest / {U} : </source>
        <translation>Zahlungen gesamt : 
Zinsen gesamt : 
Ø Zinsen / {U} : 
Zinssatz / {U} (%) : </translation>
    </message>
    <message>
        <source>Present Value Annuity : 
Total Payments : 
Total Interest : 
Average Interest / {U} : 
% Interest / {U} : </source>
        <translation>Barwert mit Raten : 
Zahlungen gesamt : 
Zinsen gesamt : 
Ø Zinsen / {U} : 
Zinssatz / {U} (%) : </translation>
    </message>
    <message>
        <source>Total Payments (Periods) : 
Total Interest : 
Average Interest / {U} : 
% Interest / {U} : </source>
        <translation>Raten gesamt (Laufzeit) : 
Zinsen gesamt : 
Ø Zinsen / {U} : 
Zinssatz / {U} (%) : </translation>
    </message>
    <message>
        <source>Remaining Book Value : 
Total Depreciation : </source>
        <translation>Restbuchwert : 
Abschreibung gesamt : </translation>
    </message>
    <message>
        <source>Earnings/Share</source>
        <translation>Gewinn je Aktie</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Gleitkommaüberlauf</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Gleitkomma-Division durch null</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Ungültige Gleitkommaoperation</translation>
    </message>
    <message>
        <source>Insufficient or incorrect input values! Check fields on left side.</source>
        <translation>Unzureichende oder fehlerhafte Eingabewerte! Bitte die Felder links prüfen.</translation>
    </message>
</context>
</TS>
