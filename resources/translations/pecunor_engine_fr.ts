<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Engine</name>
    <message>
        <source>Future Value</source>
        <translation>Valeur acquise</translation>
    </message>
    <message>
        <source>Present Value</source>
        <translation>Valeur actuelle</translation>
    </message>
    <message>
        <source>% Interest</source>
        <translation>Taux d’intérêt (%)</translation>
    </message>
    <message>
        <source>Number of {P}</source>
        <translation>Durée en {P}</translation>
    </message>
    <message>
        <source>Payment/{U}</source>
        <translation>Versement/{U}</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Valeur d’origine</translation>
    </message>
    <message>
        <source>Salvage Value</source>
        <translation>Valeur résiduelle</translation>
    </message>
    <message>
        <source>Life in {P}</source>
        <translation>Durée en {P}</translation>
    </message>
    <message>
        <source>Coupon Rate</source>
        <translation>Taux du coupon</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Cours</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Rendement courant</translation>
    </message>
    <message>
        <source>Closing Price</source>
        <translation>Cours de clôture</translation>
    </message>
    <message>
        <source>Earnings per Share</source>
        <translation>Bénéfice par action</translation>
    </message>
    <message>
        <source>Price/Earnings Ratio</source>
        <translation>PER</translation>
    </message>
    <message>
        <source>Accumulated Total</source>
        <translation>Capital acquis</translation>
    </message>
    <message>
        <source>Present Value : 
Total Interest : 
Average Interest / {U} : 
% Interest / {U} : </source>
        <translation>Valeur actuelle : 
Total des intérêts : 
Intérêt moyen / {U} : 
Taux par {U} (%) : </translation>
    </message>
    <message>
        <source>Remaining Book Value : 
Total Depreciation : 
Average Depreciation / {U} : </source>
        <translation>Valeur nette comptable : 
Amortissements cumulés : 
Amort. moyen / {U} : </translation>
    </message>
    <message>
        <source>Future Value Annuity</source>
        <translation>Val. acquise (annuités)</translation>
    </message>
    <message>
        <source>Future Value Investment</source>
        <translation>Constitution de capital</translation>
    </message>
    <message>
        <source>Present Value Annuity</source>
        <translation>Val. actuelle (annuités)</translation>
    </message>
    <message>
        <source>Present Loan Payment</source>
        <translation>Remboursement de prêt</translation>
    </message>
    <message>
        <source>Straight-Line Deprec.</source>
        <translation>Amortissement linéaire</translation>
    </message>
    <message>
        <source>Sum-of-Years Deprec.</source>
        <translation>Amortissement SOFTY</translation>
    </message>
    <message>
        <source>Dbl. Decl. Bal. Deprec.</source>
        <translation>Amortissement dégressif</translation>
    </message>
    <message>
        <source>Zero Coupon Bonds</source>
        <translation>Obligation à coupon zéro</translation>
    </message>
    <message>
        <source>Bond Yield</source>
        <translation>Rendement courant</translation>
    </message>
    <message>
        <source>Bond Price</source>
        <translation>Cours obligataire</translation>
    </message>
    <message>
        <source>Price / Earnings (Stocks)</source>
        <translation>PER (cours / bénéfice)</translation>
    </message>
    <message>
        <source>Earnings / Share (Stocks)</source>
        <translation>Bénéfice par action</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>années</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>an</translation>
    </message>
    <message>
        <source>/ Year</source>
        <translation>/ an</translation>
    </message>
    <message>
        <source>Half-Years</source>
        <translation>semestres</translation>
    </message>
    <message>
        <source>Half-Year</source>
        <translation>semestre</translation>
    </message>
    <message>
        <source>/ Half-Year</source>
        <translation>/ semestre</translation>
    </message>
    <message>
        <source>Quarters</source>
        <translation>trimestres</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>trimestre</translation>
    </message>
    <message>
        <source>/ Quarter</source>
        <translation>/ trimestre</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>/ Month</source>
        <translation>/ mois</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>semaines</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>semaine</translation>
    </message>
    <message>
        <source>/ Week</source>
        <translation>/ semaine</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>jour</translation>
    </message>
    <message>
        <source>/ Day</source>
        <translation>/ jour</translation>
    </message>
    <message>
        <source>Start of Period</source>
        <translation>Début de période</translation>
    </message>
    <message>
        <source>End of Period</source>
        <translation>Fin de période</translation>
    </message>
    <message>
        <source>&amp;Method</source>
        <translation>&amp;Méthode</translation>
    </message>
    <message>
        <source>Start &amp;Date</source>
        <translation>Da&amp;te de début</translation>
    </message>
    <message>
        <source>&amp;Periods are</source>
        <translation>&amp;Unité de période</translation>
    </message>
    <message>
        <source>P&amp;ayments Due at</source>
        <translation>Échéance des &amp;versements</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Capital initial</translation>
    </message>
    <message>
        <source>Loan Amount</source>
        <translation>Montant du prêt</translation>
    </message>
    <message>
        <source>Down Payment</source>
        <translation>Apport personnel</translation>
    </message>
    <message>
        <source>Face Value</source>
        <translation>Valeur nominale</translation>
    </message>
    <message>
        <source>% Interest/{U}</source>
        <translation>Taux par {U} (%)</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Interest/{U}</source>
        <translation>Intérêts/{U}</translation>
    </message>
    <message>
        <source>Depreciation/{U}</source>
        <translation>Amortissement/{U}</translation>
    </message>
    <message>
        <source>Remaining Total</source>
        <translation>Capital restant dû</translation>
    </message>
    <message>
        <source>Book Value</source>
        <translation>Valeur nette comptable</translation>
    </message>
    <message>
        <source>Accumulated Total</source>
        <comment>value of a zero-coupon bond</comment>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Future Value : 
Total Interest : 
Average Interest / {U} : 
% Interest / {U} : </source>
        <translation>Valeur acquise : 
Total des intérêts : 
Intérêt moyen / {U} : 
Taux par {U} (%) : </translation>
    </message>
    <message>
        <source>Future Value / Annuity : 
Total Payments : 
Total Interest : 
Average Interest / {U} : 
% Interest / {U} : </source>
        <translation>Valeur acquise : 
Total des versements : 
Total des intérêts : 
Intérêt moyen / {U} : 
Taux par {U} (%) : </translation>
    </message>
    <message>
        <source>Total Payments : 
Total Interest : 
Average Interest / {U} : 
% Interest / {U} : </source>
        <translation>Total des versements : 
Total des intérêts : 
Intérêt moyen / {U} : 
Taux par {U} (%) : </translation>
    </message>
    <message>
        <source>Present Value Annuity : 
Total Payments : 
Total Interest : 
Average Interest / {U} : 
% Interest / {U} : </source>
        <translation>Valeur actuelle : 
Total des versements : 
Total des intérêts : 
Intérêt moyen / {U} : 
Taux par {U} (%) : </translation>
    </message>
    <message>
        <source>Total Payments (Periods) : 
Total Interest : 
Average Interest / {U} : 
% Interest / {U} : </source>
        <translation>Total des échéances : 
Total des intérêts : 
Intérêt moyen / {U} : 
Taux par {U} (%) : </translation>
    </message>
    <message>
        <source>Remaining Book Value : 
Total Depreciation : </source>
        <translation>Valeur nette comptable : 
Amortissements cumulés : </translation>
    </message>
    <message>
        <source>Earnings/Share</source>
        <translation>Bénéfice par action</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Dépassement de capacité en virgule flottante</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Division par zéro en virgule flottante</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Opération en virgule flottante non valide</translation>
    </message>
    <message>
        <source>Insufficient or incorrect input values! Check fields on left side.</source>
        <translation>Valeurs saisies insuffisantes ou incorrectes&#xa0;! Vérifiez les champs à gauche.</translation>
    </message>
</context>
</TS>
