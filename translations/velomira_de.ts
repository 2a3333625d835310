<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ApproachForm</name>
    <message>
        <source>Method of Initial Rates</source>
        <translation>Methode der Anfangsgeschwindigkeiten</translation>
    </message>
    <message>
        <source>For an overall reaction,</source>
        <translation>Für eine Gesamtreaktion</translation>
    </message>
    <message>
        <source>the rate law takes the general form:</source>
        <translation>lautet das Geschwindigkeitsgesetz:</translation>
    </message>
    <message>
        <source>Determining the rate law involves determining the order of the reaction with respect to each reactant, A and B, and the value of the rate constant, k. </source>
        <translation>Um das Geschwindigkeitsgesetz zu bestimmen, bestimmt man die Reaktionsordnung bezüglich jedes Edukts, A und B, und den Wert der Geschwindigkeitskonstante k. </translation>
    </message>
    <message>
        <source>Determining Reaction Order</source>
        <translation>Bestimmung der Reaktionsordnung</translation>
    </message>
    <message>
        <source>The reaction order for a reactant is determined by comparing the reaction rates of two reactions where the concentration of just that reactant changes.</source>
        <translation>Die Ordnung bezüglich eines Edukts bestimmt man aus den Geschwindigkeiten zweier Versuche, in denen sich nur dessen Konzentration ändert.</translation>
    </message>
    <message>
        <source>Trials 1 and 4 above would be appropriate choices for determining the order with respect to [B] because they have the same concentration of A. The change in rate is due solely to the change in [B].</source>
        <translation>Die Versuche 1 und 4 oben eignen sich zur Bestimmung der Ordnung bezüglich [B], weil sie dieselbe Konzentration von A haben. Die Änderung der Geschwindigkeit beruht allein auf der Änderung von [B].</translation>
    </message>
    <message>
        <source>This equation can be rewritten to solve for the reaction order:</source>
        <translation>Nach der Reaktionsordnung aufgelöst lautet die Gleichung:</translation>
    </message>
    <message>
        <source>Determining the Rate Constant, k</source>
        <translation>Bestimmung der Geschwindigkeitskonstante k</translation>
    </message>
    <message>
        <source>Once the order of reaction for each reactant is known, the general rate law can be used to determine the numerical value of the rate constant, k. </source>
        <translation>Kennt man die Ordnungen aller Edukte, erhält man mit dem allgemeinen Geschwindigkeitsgesetz den Zahlenwert von k. </translation>
    </message>
    <message>
        <source>The rate constant is determined by plugging reaction trial data, and solving for k. Data from any of the reaction trials can be used. Because each trial should give the same value of k, it is often best to calculate k for each trial, and report the average of those values.</source>
        <translation>Man setzt die Daten eines Versuchs ein und löst nach k auf. Jeder Versuch ist dafür geeignet. Da jeder Versuch denselben Wert für k ergeben sollte, berechnet man k am besten für jeden Versuch und gibt den Mittelwert an.</translation>
    </message>
</context>
<context>
    <name>ApproachForm2</name>
    <message>
        <source>Graphical Method</source>
        <translation>Grafische Methode</translation>
    </message>
    <message>
        <source>For an overall reaction,</source>
        <translation>Für eine Gesamtreaktion</translation>
    </message>
    <message>
        <source>the rate law takes the general form:</source>
        <translation>lautet das Geschwindigkeitsgesetz:</translation>
    </message>
    <message>
        <source>The Graphical Method can be used to determine the rate law for reactions that have a single reactant. Determining the rate law involves determining the order of the reaction with respect to the single reactant, A, and the value of the rate constant, k.</source>
        <translation>Mit der grafischen Methode bestimmt man das Geschwindigkeitsgesetz von Reaktionen mit nur einem Edukt. Dazu bestimmt man die Reaktionsordnung bezüglich dieses Edukts A und den Wert der Geschwindigkeitskonstante k.</translation>
    </message>
    <message>
        <source>Determining Reaction Order</source>
        <translation>Bestimmung der Reaktionsordnung</translation>
    </message>
    <message>
        <source>The reaction order for a reactant is determined by constructing three plots of the experimental concentration-time data. The reaction order is determined by seeing which of the three plots gives a straight line.</source>
        <translation>Zur Bestimmung der Reaktionsordnung trägt man die gemessenen Konzentrations-Zeit-Daten auf drei Arten auf. Die Reaktionsordnung erkennt man daran, welche der drei Auftragungen eine Gerade ergibt.</translation>
    </message>
    <message>
        <source>Reaction order     Straight-line plot</source>
        <translation>Ordnung             Lineare Auftragung</translation>
    </message>
    <message>
        <source>For example, a first-order reaction will give a straight-line plot of ln[A] vs. time, but curved plots of [A] vs. time and of 1/[A] vs. time. </source>
        <translation>Eine Reaktion erster Ordnung zum Beispiel ergibt eine Gerade, wenn man ln[A] gegen t aufträgt, aber Kurven für [A] gegen t und 1/[A] gegen t. </translation>
    </message>
    <message>
        <source>Determining the Rate Constant, k</source>
        <translation>Bestimmung der Geschwindigkeitskonstante k</translation>
    </message>
    <message>
        <source>Once the appropriate linear plot is constructed, the rate constant is obtained from the slope of the line. The absolute value of the slope directly gives the rate constant.</source>
        <translation>Aus der passenden linearen Auftragung erhält man direkt die Geschwindigkeitskonstante: Sie ist der Betrag der Steigung.</translation>
    </message>
    <message>
        <source>For a first-order reaction, the rate constant is equal to the absolute value of the slope of the straight line obtained for the plot of ln[A] vs. time. For a second-order reaction, the slope of the 1/[A] vs. time plot is used. For a zero-order reaction, the plot of [A] vs. time slope gives the rate constant. Remember, the rate constant is always a positive number.</source>
        <translation>Bei einer Reaktion erster Ordnung ist die Geschwindigkeitskonstante gleich dem Betrag der Steigung der Geraden von ln[A] gegen t. Bei zweiter Ordnung nimmt man die Steigung von 1/[A] gegen t, bei nullter Ordnung die Steigung von [A] gegen t. Die Geschwindigkeitskonstante ist immer positiv.</translation>
    </message>
</context>
<context>
    <name>GraphicalTutor</name>
    <message>
        <source>Determining Reaction Order.</source>
        <translation>Bestimmung der Reaktionsordnung.</translation>
    </message>
    <message>
        <source>Determining the Rate Constant, k.</source>
        <translation>Bestimmung von k.</translation>
    </message>
    <message>
        <source>The plot you have is correct for showing the reaction order.</source>
        <translation>Richtig: Diese Auftragung zeigt die Reaktionsordnung.</translation>
    </message>
    <message>
        <source>Make the plot that shows the order for the reaction. Then continue.</source>
        <translation>Erstellen Sie die Auftragung, die die Reaktionsordnung zeigt. Klicken Sie dann auf „Weiter“.</translation>
    </message>
    <message>
        <source>This is the same answer as before. Please input a new answer.</source>
        <translation>Das ist dieselbe Antwort wie zuvor. Bitte geben Sie eine neue ein.</translation>
    </message>
    <message>
        <source>Make a plot that is linear.</source>
        <translation>Erstellen Sie eine lineare Auftragung.</translation>
    </message>
    <message>
        <source>Good. This plot is linear. This indicates the reaction order. Enter a new reaction order.</source>
        <translation>Gut. Diese Auftragung ist linear. Sie zeigt die Reaktionsordnung. Geben Sie eine neue Ordnung ein.</translation>
    </message>
    <message>
        <source>Good. This is the correct order for A.</source>
        <translation>Gut. Das ist die richtige Ordnung bezüglich A.</translation>
    </message>
    <message>
        <source>Incorrect. The reaction order is determined by which plot gives a linear graph. The type of linear graph expected for each reaction order is below. Try again.</source>
        <translation>Falsch. Die Ordnung erkennt man daran, welche Auftragung eine Gerade ergibt. Welche Auftragung zu welcher Ordnung gehört, steht unten. Versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Good. This plot can be used to determine k. Enter a value above.</source>
        <translation>Gut. Mit dieser Auftragung lässt sich k bestimmen. Geben Sie oben einen Wert ein.</translation>
    </message>
    <message>
        <source>Make the plot that is appropriate for a zero-order reaction.</source>
        <translation>Erstellen Sie die passende Auftragung für eine Reaktion nullter Ordnung.</translation>
    </message>
    <message>
        <source>Make the plot that is appropriate for a first-order reaction.</source>
        <translation>Erstellen Sie die passende Auftragung für eine Reaktion erster Ordnung.</translation>
    </message>
    <message>
        <source>Make the plot that is appropriate for a second-order reaction.</source>
        <translation>Erstellen Sie die passende Auftragung für eine Reaktion zweiter Ordnung.</translation>
    </message>
    <message>
        <source>Good. This is the correct value of k.</source>
        <translation>Gut. Das ist der richtige Wert von k.</translation>
    </message>
    <message>
        <source>This is not correct. Perform the least squares analysis on the plot. Enter the rate constant above.</source>
        <translation>Falsch. Berechnen Sie die Ausgleichsgerade der Auftragung. Geben Sie oben k ein.</translation>
    </message>
    <message>
        <source>Get the least squares information by clicking on lst. squares button.</source>
        <translation>Klicken Sie auf „Regression“, um die Werte der Ausgleichsgeraden zu erhalten.</translation>
    </message>
    <message>
        <source>The rate constant for a zero-order reaction is equal to the absolute value of the slope of a plot of [A] vs. time.</source>
        <translation>Bei einer Reaktion nullter Ordnung ist die Geschwindigkeitskonstante gleich dem Betrag der Steigung von [A] gegen t.</translation>
    </message>
    <message>
        <source>The rate constant for a first-order reaction is equal to the absolute value of the slope of a plot of ln[A] vs. time.</source>
        <translation>Bei einer Reaktion erster Ordnung ist die Geschwindigkeitskonstante gleich dem Betrag der Steigung von ln[A] gegen t.</translation>
    </message>
    <message>
        <source>The rate constant for a second-order reaction is equal to the absolute value of the slope of a plot of 1/[A] vs. time.</source>
        <translation>Bei einer Reaktion zweiter Ordnung ist die Geschwindigkeitskonstante gleich dem Betrag der Steigung von 1/[A] gegen t.</translation>
    </message>
</context>
<context>
    <name>GuidedTutor</name>
    <message>
        <source>This is the same answer as before. Please input a new answer.</source>
        <translation>Das ist dieselbe Antwort wie zuvor. Bitte geben Sie eine neue ein.</translation>
    </message>
    <message>
        <source>Determining Order with Respect to [A]</source>
        <translation>Bestimmung der Ordnung bezüglich [A]</translation>
    </message>
    <message>
        <source>Choose two reactions from those to the left that can be used to determine the order with respect to [A]. Click continue when ready.</source>
        <translation>Wählen Sie links zwei Versuche, mit denen sich die Ordnung bezüglich [A] bestimmen lässt. Klicken Sie dann auf „Weiter“.</translation>
    </message>
    <message>
        <source>Determining Order with Respect to [B]</source>
        <translation>Bestimmung der Ordnung bezüglich [B]</translation>
    </message>
    <message>
        <source>Choose two reactions from those to the left that can be used to determine the order with respect to [B]. Click continue when ready.</source>
        <translation>Wählen Sie links zwei Versuche, mit denen sich die Ordnung bezüglich [B] bestimmen lässt. Klicken Sie dann auf „Weiter“.</translation>
    </message>
    <message>
        <source>Determining the rate constant, k.</source>
        <translation>Bestimmung von k.</translation>
    </message>
    <message>
        <source>Select one reaction from those to the left to use to determine the rate constant.</source>
        <translation>Wählen Sie links einen Versuch, um k zu bestimmen.</translation>
    </message>
    <message>
        <source>Choose two reactions that have equal [B].</source>
        <translation>Wählen Sie zwei Versuche mit gleichem [B].</translation>
    </message>
    <message>
        <source>Choose two reactions that have equal [A].</source>
        <translation>Wählen Sie zwei Versuche mit gleichem [A].</translation>
    </message>
    <message>
        <source>Good. These two reactions have equal [B]. The change in rate is due only to changes in [A]. Use these data and the general equation; enter the order for A above.</source>
        <translation>Gut. Diese beiden Versuche haben gleiches [B]. Die Änderung der Geschwindigkeit beruht nur auf der Änderung von [A]. Geben Sie mit diesen Daten und der allgemeinen Gleichung oben die Ordnung bezüglich A ein.</translation>
    </message>
    <message>
        <source>Good. These two reactions have equal [A]. The change in rate is due only to changes in [B]. Use these data and the general equation; enter the order for B above.</source>
        <translation>Gut. Diese beiden Versuche haben gleiches [A]. Die Änderung der Geschwindigkeit beruht nur auf der Änderung von [B]. Geben Sie mit diesen Daten und der allgemeinen Gleichung oben die Ordnung bezüglich B ein.</translation>
    </message>
    <message>
        <source>Good. This is the correct order for A.</source>
        <translation>Gut. Das ist die richtige Ordnung bezüglich A.</translation>
    </message>
    <message>
        <source>Good. This is the correct order for B.</source>
        <translation>Gut. Das ist die richtige Ordnung bezüglich B.</translation>
    </message>
    <message>
        <source>This is not correct. Here is more detail on how the math works.</source>
        <translation>Falsch. Hier ist die Rechnung ausführlicher.</translation>
    </message>
    <message>
        <source>Choose a reaction from the list to the left. Any one will do.</source>
        <translation>Wählen Sie links einen Versuch. Jeder ist geeignet.</translation>
    </message>
    <message>
        <source>Good. This reaction data can be used to determine k.</source>
        <translation>Gut. Mit den Daten dieses Versuchs lässt sich k bestimmen.</translation>
    </message>
    <message>
        <source>Good. This is the correct value of k.</source>
        <translation>Gut. Das ist der richtige Wert von k.</translation>
    </message>
    <message>
        <source>Cannot divide by a rate of 0.</source>
        <translation>Durch eine Geschwindigkeit von 0 kann man nicht teilen.</translation>
    </message>
    <message>
        <source>log(%1) = order x log(%2)</source>
        <translation>lg(%1) = Ordnung · lg(%2)</translation>
    </message>
</context>
<context>
    <name>RateLawChecker</name>
    <message>
        <source>The rate law must contain the variable for the rate constant, k.</source>
        <translation>Das Geschwindigkeitsgesetz muss die Geschwindigkeitskonstante k enthalten.</translation>
    </message>
    <message>
        <source>The rate law should begin with &apos;Rate =&apos;.</source>
        <translation>Das Geschwindigkeitsgesetz muss mit „v =“ beginnen.</translation>
    </message>
    <message>
        <source>The compound %1 should be in your rate law.</source>
        <translation>Der Stoff %1 fehlt in Ihrem Geschwindigkeitsgesetz.</translation>
    </message>
    <message>
        <source>The order with respect to %1 is not correct.</source>
        <translation>Die Ordnung bezüglich %1 ist falsch.</translation>
    </message>
    <message>
        <source>When the order with respect to a reactant is 1, the number 1 does not need to be written as a superscript following that reactant&apos;s concentration.</source>
        <translation>Ist die Ordnung bezüglich eines Edukts 1, muss die 1 nicht als Exponent hinter seiner Konzentration stehen.</translation>
    </message>
    <message>
        <source>Check how the rate law is written: each order goes between two carets right after its concentration, and nothing else belongs in the rate law.</source>
        <translation>Prüfen Sie die Schreibweise: Jede Ordnung steht zwischen zwei Zirkumflexen direkt hinter ihrer Konzentration, und sonst gehört nichts ins Geschwindigkeitsgesetz.</translation>
    </message>
    <message>
        <source>Rate</source>
        <comment>the symbol for the rate that begins a typed rate law, as this language&apos;s pictures write it (German: v)</comment>
        <translation>v</translation>
    </message>
</context>
<context>
    <name>RateLawProblem</name>
    <message>
        <source>Nitrogen dioxide + carbon monoxide</source>
        <translation>Stickstoffdioxid + Kohlenstoffmonoxid</translation>
    </message>
    <message>
        <source>Nitrogen dioxide reacts with carbon monoxide to form nitrogen monoxide and carbon dioxide. The reaction is first order with respect to each of the reactants.</source>
        <translation>Stickstoffdioxid reagiert mit Kohlenstoffmonoxid zu Stickstoffmonoxid und Kohlenstoffdioxid. Die Reaktion ist bezüglich jedes Edukts erster Ordnung.</translation>
    </message>
    <message>
        <source>Nitrogen monoxide + hydrogen</source>
        <translation>Stickstoffmonoxid + Wasserstoff</translation>
    </message>
    <message>
        <source>Nitrogen monoxide and hydrogen react to form nitrogen and water. The reaction is second order in nitrogen monoxide and first order in hydrogen.</source>
        <translation>Stickstoffmonoxid und Wasserstoff reagieren zu Stickstoff und Wasser. Die Reaktion ist zweiter Ordnung bezüglich Stickstoffmonoxid und erster Ordnung bezüglich Wasserstoff.</translation>
    </message>
    <message>
        <source>Decomposition of dinitrogen pentoxide</source>
        <translation>Zerfall von Distickstoffpentoxid</translation>
    </message>
    <message>
        <source>Dinitrogen pentoxide decomposes to give nitrogen dioxide and dioxygen. The reaction is first order in dinitrogen pentoxide.</source>
        <translation>Distickstoffpentoxid zerfällt in Stickstoffdioxid und Sauerstoff. Die Reaktion ist erster Ordnung bezüglich Distickstoffpentoxid.</translation>
    </message>
</context>
<context>
    <name>RateStart</name>
    <message>
        <source>Velomira</source>
        <translation>Velomira</translation>
    </message>
    <message>
        <source>For an overall reaction,</source>
        <translation>Für eine Gesamtreaktion</translation>
    </message>
    <message>
        <source>the rate law takes the general form:</source>
        <translation>lautet das Geschwindigkeitsgesetz:</translation>
    </message>
    <message>
        <source>Determining the rate law involves determining the order of the reaction with respect to each reactant, A and B, and the value of the rate constant, k. </source>
        <translation>Um das Geschwindigkeitsgesetz zu bestimmen, bestimmt man die Reaktionsordnung bezüglich jedes Edukts, A und B, und den Wert der Geschwindigkeitskonstante k. </translation>
    </message>
    <message>
        <source>For example, the reaction of nitrogen monoxide and hydrogen to form nitrogen and water</source>
        <translation>Zum Beispiel ist die Reaktion von Stickstoffmonoxid mit Wasserstoff zu Stickstoff und Wasser</translation>
    </message>
    <message>
        <source>is second order in nitrogen monoxide and first order with respect to hydrogen. The rate constant is 6.32 at 904 degrees C. The rate law is therefore written as</source>
        <translation>zweiter Ordnung bezüglich Stickstoffmonoxid und erster Ordnung bezüglich Wasserstoff. Bei 904 °C ist k = 6.32. Das Geschwindigkeitsgesetz lautet daher</translation>
    </message>
    <message>
        <source>When the numerical value of the rate constant is not known, the rate law uses the lower case k.</source>
        <translation>Ist k nicht als Zahl bekannt, steht im Geschwindigkeitsgesetz ein kleines k.</translation>
    </message>
    <message>
        <source>Tutor Modules</source>
        <translation>Lernmodule</translation>
    </message>
    <message>
        <source>Writing Rate Laws</source>
        <translation>Geschwindigkeitsgesetze aufstellen</translation>
    </message>
    <message>
        <source>Determining Rate Laws by the Method of Initial Rates</source>
        <translation>Geschwindigkeitsgesetze mit der Methode der Anfangsgeschwindigkeiten bestimmen</translation>
    </message>
    <message>
        <source>Determining Rate Laws by the Graphical Method</source>
        <translation>Geschwindigkeitsgesetze mit der grafischen Methode bestimmen</translation>
    </message>
</context>
<context>
    <name>RateTutor</name>
    <message>
        <source>Method of Initial Rates</source>
        <translation>Methode der Anfangsgeschwindigkeiten</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Schwierigkeit</translation>
    </message>
    <message>
        <source>Relatively Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Moderately Difficult</source>
        <translation>Mittelschwer</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>The four sets of data below were collected by running the reaction of interest four times, each time using different initial concentrations of each reactant. Each of the four experiments was performed at the same temperature.</source>
        <translation>Die vier Datensätze unten stammen aus vier Durchführungen der Reaktion, jeweils mit anderen Anfangskonzentrationen der Edukte. Alle vier Versuche wurden bei derselben Temperatur durchgeführt.</translation>
    </message>
    <message>
        <source>[A], mol/L</source>
        <translation>[A], mol/L</translation>
    </message>
    <message>
        <source>[B], mol/L</source>
        <translation>[B], mol/L</translation>
    </message>
    <message>
        <source>rate, mol/L-min</source>
        <translation>v, mol/(L·min)</translation>
    </message>
    <message>
        <source>Trial %1</source>
        <translation>Versuch %1</translation>
    </message>
    <message>
        <source>Complete the rate law below by filling in each of the three boxes:</source>
        <translation>Ergänzen Sie alle drei Felder im Geschwindigkeitsgesetz:</translation>
    </message>
    <message>
        <source>Rate = </source>
        <translation>v = </translation>
    </message>
    <message>
        <source>rate constant k</source>
        <translation>Geschwindigkeitskonstante k</translation>
    </message>
    <message>
        <source>[A]</source>
        <translation>[A]</translation>
    </message>
    <message>
        <source>order in A</source>
        <translation>Ordnung in A</translation>
    </message>
    <message>
        <source>[B]</source>
        <translation>[B]</translation>
    </message>
    <message>
        <source>order in B</source>
        <translation>Ordnung in B</translation>
    </message>
    <message>
        <source>Work in the tutoring area below.</source>
        <translation>Arbeiten Sie unten in der Anleitung.</translation>
    </message>
    <message>
        <source>order</source>
        <translation>Ordnung</translation>
    </message>
    <message>
        <source>k = </source>
        <translation>k = </translation>
    </message>
    <message>
        <source>No tutoring available for last two problems. Use the first four problems as a guide to how to solve these problems.</source>
        <translation>Für die letzten beiden Aufgaben gibt es keine Anleitung. Lösen Sie sie wie die ersten vier.</translation>
    </message>
    <message>
        <source>Please choose a Problem to solve.</source>
        <translation>Bitte wählen Sie eine Aufgabe.</translation>
    </message>
    <message>
        <source>Please fill in all three answers.</source>
        <translation>Bitte füllen Sie alle drei Antwortfelder aus.</translation>
    </message>
    <message>
        <source>Problem Complete.</source>
        <translation>Aufgabe gelöst.</translation>
    </message>
    <message>
        <source>Correct order with respect to A.</source>
        <translation>Ordnung bezüglich A richtig.</translation>
    </message>
    <message>
        <source>Incorrect order with respect to A.</source>
        <translation>Ordnung bezüglich A falsch.</translation>
    </message>
    <message>
        <source>Correct order with respect to B.</source>
        <translation>Ordnung bezüglich B richtig.</translation>
    </message>
    <message>
        <source>Incorrect order with respect to B.</source>
        <translation>Ordnung bezüglich B falsch.</translation>
    </message>
    <message>
        <source>Correct rate constant.</source>
        <translation>k richtig.</translation>
    </message>
    <message>
        <source>Incorrect rate constant.</source>
        <translation>k falsch.</translation>
    </message>
    <message>
        <source>No calculator program was found on this computer.</source>
        <translation>Auf diesem Computer wurde kein Taschenrechner-Programm gefunden.</translation>
    </message>
    <message>
        <source>The calculator program could not be started.</source>
        <translation>Das Taschenrechner-Programm ließ sich nicht starten.</translation>
    </message>
    <message>
        <source>Ca&amp;lculator</source>
        <translation>&amp;Rechner</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation>&amp;Abgeben</translation>
    </message>
    <message>
        <source>Tutoring</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>&amp;continue</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>%1: [A] %2 mol/L, [B] %3 mol/L, rate %4 mol/L-min</source>
        <translation>%1: [A] %2 mol/L, [B] %3 mol/L, v %4 mol/(L·min)</translation>
    </message>
    <message>
        <source>order with respect to A: %1; order with respect to B: %2; k: %3</source>
        <translation>Ordnung bezüglich A: %1; Ordnung bezüglich B: %2; k: %3</translation>
    </message>
</context>
<context>
    <name>RateTutor2</name>
    <message>
        <source>Graphical Method</source>
        <translation>Grafische Methode</translation>
    </message>
    <message>
        <source>The concentration time data below were collected by running the reaction at a constant temperature. These are data taken for a single trial of the reaction.</source>
        <translation>Die Konzentrations-Zeit-Daten unten wurden bei konstanter Temperatur gemessen. Sie stammen alle aus einem einzigen Versuch.</translation>
    </message>
    <message>
        <source>time, min</source>
        <translation>t, min</translation>
    </message>
    <message>
        <source>[A], mol/L</source>
        <translation>[A], mol/L</translation>
    </message>
    <message>
        <source>Complete the rate law below by filling in each box:</source>
        <translation>Ergänzen Sie beide Felder im Geschwindigkeitsgesetz:</translation>
    </message>
    <message>
        <source>Rate = </source>
        <translation>v = </translation>
    </message>
    <message>
        <source>rate constant k</source>
        <translation>Geschwindigkeitskonstante k</translation>
    </message>
    <message>
        <source>[A]</source>
        <translation>[A]</translation>
    </message>
    <message>
        <source>order in A</source>
        <translation>Ordnung in A</translation>
    </message>
    <message>
        <source>Work in the tutoring area below.</source>
        <translation>Arbeiten Sie unten in der Anleitung.</translation>
    </message>
    <message>
        <source>Choose a plot type to plot the data.</source>
        <translation>Wählen Sie eine Auftragung für die Daten.</translation>
    </message>
    <message>
        <source>plot of the data against time</source>
        <translation>Auftragung der Daten gegen die Zeit</translation>
    </message>
    <message>
        <source>Slope:</source>
        <translation>Steigung:</translation>
    </message>
    <message>
        <source>Intercept:</source>
        <translation>Achsenabschnitt:</translation>
    </message>
    <message>
        <source>How close the points lie to a straight line: 1 for a perfectly straight plot.</source>
        <translation>Wie nah die Punkte an einer Geraden liegen: 1 bei einer exakten Geraden.</translation>
    </message>
    <message>
        <source>[A] vs. time</source>
        <translation>[A] gegen t</translation>
    </message>
    <message>
        <source>ln[A] vs. time</source>
        <translation>ln[A] gegen t</translation>
    </message>
    <message>
        <source>1/[A] vs. time</source>
        <translation>1/[A] gegen t</translation>
    </message>
    <message>
        <source>No tutoring available for last two problems. Use the first four problems as a guide to how to solve these problems.</source>
        <translation>Für die letzten beiden Aufgaben gibt es keine Anleitung. Lösen Sie sie wie die ersten vier.</translation>
    </message>
    <message>
        <source>Determining Reaction Order</source>
        <translation>Bestimmung der Reaktionsordnung</translation>
    </message>
    <message>
        <source>Choose a plot type from the three below to plot the experimental data.</source>
        <translation>Wählen Sie unten eine der drei Auftragungen für die Messdaten.</translation>
    </message>
    <message>
        <source>Select one of the plot types below.</source>
        <translation>Wählen Sie unten eine Auftragung.</translation>
    </message>
    <message>
        <source>No graph made.</source>
        <translation>Noch keine Auftragung.</translation>
    </message>
    <message>
        <source>Slope: </source>
        <translation>Steigung: </translation>
    </message>
    <message>
        <source>Intercept: </source>
        <translation>Achsenabschnitt: </translation>
    </message>
    <message>
        <source>|r| = %1</source>
        <translation>|r| = %1</translation>
    </message>
    <message>
        <source>Please choose a Problem to solve.</source>
        <translation>Bitte wählen Sie eine Aufgabe.</translation>
    </message>
    <message>
        <source>Please fill in both answers.</source>
        <translation>Bitte füllen Sie beide Antwortfelder aus.</translation>
    </message>
    <message>
        <source>Problem complete.</source>
        <translation>Aufgabe gelöst.</translation>
    </message>
    <message>
        <source>Correct order.</source>
        <translation>Ordnung richtig.</translation>
    </message>
    <message>
        <source>Incorrect order.</source>
        <translation>Ordnung falsch.</translation>
    </message>
    <message>
        <source>Correct k.</source>
        <translation>k richtig.</translation>
    </message>
    <message>
        <source>Incorrect k.</source>
        <translation>k falsch.</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation>&amp;Abgeben</translation>
    </message>
    <message>
        <source>Work area</source>
        <translation>Arbeitsbereich</translation>
    </message>
    <message>
        <source>&amp;plot</source>
        <translation>&amp;Zeichnen</translation>
    </message>
    <message>
        <source>&amp;lst. squares</source>
        <translation>&amp;Regression</translation>
    </message>
    <message>
        <source>Tutoring</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>&amp;continue</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Least-squares line: slope %1, intercept %2.</source>
        <translation>Ausgleichsgerade: Steigung %1, Achsenabschnitt %2.</translation>
    </message>
    <message>
        <source>(%1, %2)</source>
        <translation>(%1, %2)</translation>
    </message>
    <message>
        <source>%1, points at 0 to 8 minutes: %2.</source>
        <translation>%1, Punkte bei 0 bis 8 Minuten: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>order with respect to A: %1; k: %2</source>
        <translation>Ordnung bezüglich A: %1; k: %2</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Reaction</source>
        <translation>Reaktion</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Abgaben</translation>
    </message>
    <message>
        <source>Last verdict</source>
        <translation>Letzte Bewertung</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Gelöst</translation>
    </message>
    <message>
        <source>Guided tutoring</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Answer submitted</source>
        <translation>Abgegebene Antwort</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Problem %1</source>
        <translation>Aufgabe %1</translation>
    </message>
    <message>
        <source>Reactions written correctly: %1 of %2. Attempts: %3.</source>
        <translation>Richtig geschriebene Reaktionen: %1 von %2. Abgaben: %3.</translation>
    </message>
    <message>
        <source>Problems completed: %1 of %2. Attempts: %3.</source>
        <translation>Gelöste Aufgaben: %1 von %2. Abgaben: %3.</translation>
    </message>
    <message>
        <source>Save Record</source>
        <translation>Protokoll speichern</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>The record could not be saved as %1: %2
Please choose another place.</source>
        <translation>Das Protokoll konnte nicht als %1 gespeichert werden: %2
Bitte wählen Sie einen anderen Ort.</translation>
    </message>
    <message>
        <source>Print Record</source>
        <translation>Protokoll drucken</translation>
    </message>
    <message>
        <source>The record could not be printed.</source>
        <translation>Das Protokoll konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Velomira session record</source>
        <translation>Velomira – Sitzungsprotokoll</translation>
    </message>
    <message>
        <source>Velomira %1</source>
        <translation>Velomira %1</translation>
    </message>
    <message>
        <source>Session started: %1</source>
        <translation>Sitzung begonnen: %1</translation>
    </message>
    <message>
        <source>Record made: %1</source>
        <translation>Protokoll erstellt: %1</translation>
    </message>
    <message>
        <source>Nothing has been attempted in this session yet.</source>
        <translation>In dieser Sitzung wurde noch nichts abgegeben.</translation>
    </message>
    <message>
        <source>&amp;Save Record…</source>
        <translation>Protokoll &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;Print Record…</source>
        <translation>Protokoll &amp;drucken…</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Protokoll</translation>
    </message>
    <message>
        <source>Record…</source>
        <translation>Protokoll…</translation>
    </message>
    <message>
        <source>Save or print a record of this session</source>
        <translation>Ein Protokoll dieser Sitzung speichern oder drucken</translation>
    </message>
    <message>
        <source>Your name, as the record should carry it (it may stay empty):</source>
        <translation>Ihr Name, wie er im Protokoll stehen soll (er darf leer bleiben):</translation>
    </message>
    <message>
        <source>&amp;Name on Record…</source>
        <translation>&amp;Name im Protokoll…</translation>
    </message>
    <message>
        <source>Some of this session&apos;s work is in no saved or printed record, and it is lost if the program ends now. The session so far:

%1

Save the record first?</source>
        <translation>Ein Teil der Arbeit dieser Sitzung steht in keinem gespeicherten oder gedruckten Protokoll und geht verloren, wenn das Programm jetzt endet. Die Sitzung bisher:

%1

Zuerst das Protokoll speichern?</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Speichern…</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>Student: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>is not a Velomira record (not a PDF file)</source>
        <translation>ist kein Velomira-Protokoll (keine PDF-Datei)</translation>
    </message>
    <message>
        <source>is damaged or incomplete: it cannot be read as a PDF file</source>
        <translation>ist beschädigt oder unvollständig: es lässt sich nicht als PDF-Datei lesen</translation>
    </message>
    <message>
        <source>is not a Velomira record</source>
        <translation>ist kein Velomira-Protokoll</translation>
    </message>
    <message>
        <source>is a record of a newer format (version %1) than this Velomira reads (version %2)</source>
        <translation>ist ein Protokoll in einem neueren Format (Version %1), als dieses Velomira liest (Version %2)</translation>
    </message>
    <message>
        <source>is damaged: its record data cannot be read</source>
        <translation>ist beschädigt: seine Protokolldaten lassen sich nicht lesen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Record made</source>
        <translation>Erstellt am</translation>
    </message>
    <message>
        <source>Method of Initial Rates: problems completed</source>
        <translation>Methode der Anfangsgeschwindigkeiten: gelöste Aufgaben</translation>
    </message>
    <message>
        <source>Method of Initial Rates: attempts</source>
        <translation>Methode der Anfangsgeschwindigkeiten: Abgaben</translation>
    </message>
    <message>
        <source>Graphical Method: problems completed</source>
        <translation>Grafische Methode: gelöste Aufgaben</translation>
    </message>
    <message>
        <source>Graphical Method: attempts</source>
        <translation>Grafische Methode: Abgaben</translation>
    </message>
    <message>
        <source>Writing Rate Laws: reactions written correctly</source>
        <translation>Geschwindigkeitsgesetze aufstellen: richtig geschriebene Reaktionen</translation>
    </message>
    <message>
        <source>Writing Rate Laws: attempts</source>
        <translation>Geschwindigkeitsgesetze aufstellen: Abgaben</translation>
    </message>
    <message>
        <source>velomira: %1 %2</source>
        <translation>velomira: %1 %2</translation>
    </message>
</context>
<context>
    <name>WritingRateLaws</name>
    <message>
        <source>Writing Rate Laws</source>
        <translation>Geschwindigkeitsgesetze aufstellen</translation>
    </message>
    <message>
        <source>For an overall reaction,</source>
        <translation>Für eine Gesamtreaktion</translation>
    </message>
    <message>
        <source>the rate law takes the general form:</source>
        <translation>lautet das Geschwindigkeitsgesetz:</translation>
    </message>
    <message>
        <source>This module is for testing your ability to write rate laws in the correct format. Choose and solve each of the following problems.</source>
        <translation>Hier üben Sie, Geschwindigkeitsgesetze in der richtigen Form zu schreiben. Wählen und lösen Sie jede der folgenden Aufgaben.</translation>
    </message>
    <message>
        <source>Write the rate law for this reaction below. Place subscript numbers between underscores, and superscripts between carets. For example, sulfate ion is entered as SO_4_^2-^. Start your answer with  &quot;Rate =&quot;.</source>
        <translation>Schreiben Sie unten das Geschwindigkeitsgesetz. Tiefgestellte Zahlen stehen zwischen Unterstrichen, hochgestellte zwischen Zirkumflexen, z. B. Sulfat-Ion: SO_4_^2-^. Beginnen Sie mit „v =“.</translation>
    </message>
    <message>
        <source>enter the rate law here</source>
        <translation>Geschwindigkeitsgesetz hier eingeben</translation>
    </message>
    <message>
        <source>Rate law</source>
        <translation>Geschwindigkeitsgesetz</translation>
    </message>
    <message>
        <source>Feedback:</source>
        <translation>Rückmeldung:</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation>&amp;Abgeben</translation>
    </message>
</context>
<context>
    <name>initialrates</name>
    <message>
        <source>Trial %1</source>
        <translation>Versuch %1</translation>
    </message>
</context>
<context>
    <name>pictures</name>
    <message>
        <source>A + B -&gt; C</source>
        <translation>A + B -&gt; C</translation>
    </message>
    <message>
        <source>A plus B reacts to give C</source>
        <translation>A und B reagieren zu C</translation>
    </message>
    <message>
        <source>A -&gt; C</source>
        <translation>A -&gt; C</translation>
    </message>
    <message>
        <source>A reacts to give C</source>
        <translation>A reagiert zu C</translation>
    </message>
    <message>
        <source>Rate = k[A]^orderA^[B]^orderB^</source>
        <extracomment>Picture markup: a superscript stands between carets.</extracomment>
        <translation>v = k[A]^a^[B]^b^</translation>
    </message>
    <message>
        <source>Rate equals k times the concentration of A to the power order A times the concentration of B to the power order B</source>
        <translation>v gleich k mal Konzentration von A hoch a mal Konzentration von B hoch b, mit den Reaktionsordnungen a und b</translation>
    </message>
    <message>
        <source>rate = k[A]^orderA^[B]^orderB^</source>
        <extracomment>Picture markup: a superscript stands between carets.</extracomment>
        <translation>v = k[A]^a^[B]^b^</translation>
    </message>
    <message>
        <source>rate equals k times the concentration of A to the power order A times the concentration of B to the power order B</source>
        <translation>v gleich k mal Konzentration von A hoch a mal Konzentration von B hoch b, mit den Reaktionsordnungen a und b</translation>
    </message>
    <message>
        <source>rate = k[A]^orderA^</source>
        <translation>v = k[A]^a^</translation>
    </message>
    <message>
        <source>rate equals k times the concentration of A to the power order A</source>
        <translation>v gleich k mal Konzentration von A hoch a, mit der Reaktionsordnung a</translation>
    </message>
    <message>
        <source>k = </source>
        <translation>k = </translation>
    </message>
    <message>
        <source>rate</source>
        <translation>v</translation>
    </message>
    <message>
        <source>[A]^orderA^[B]^orderB^</source>
        <translation>[A]^a^[B]^b^</translation>
    </message>
    <message>
        <source>k equals rate divided by the concentration of A to the power order A times the concentration of B to the power order B</source>
        <translation>k gleich v geteilt durch Konzentration von A hoch a mal Konzentration von B hoch b</translation>
    </message>
    <message>
        <source>rate_%1_</source>
        <extracomment>Picture markup: the rate of trial %1, the number as a subscript between underscores.</extracomment>
        <translation>v_%1_</translation>
    </message>
    <message>
        <source>[reactant]_%1_</source>
        <extracomment>Picture markup: the reactant&apos;s concentration in trial %1, the number as a subscript.</extracomment>
        <translation>[Edukt]_%1_</translation>
    </message>
    <message>
        <source>order</source>
        <translation>Ordnung</translation>
    </message>
    <message>
        <source>rate %1 over rate %2 equals the ratio of the reactant concentrations in trials %1 and %2, raised to the power order</source>
        <translation>v %1 durch v %2 gleich Verhältnis der Eduktkonzentrationen in den Versuchen %1 und %2 hoch Ordnung</translation>
    </message>
    <message>
        <source>log</source>
        <translation>lg</translation>
    </message>
    <message>
        <source>order = </source>
        <translation>Ordnung = </translation>
    </message>
    <message>
        <source>order equals the logarithm of rate %1 over rate %2, divided by the logarithm of the reactant concentration in trial %1 over that in trial %2</source>
        <translation>Ordnung gleich Logarithmus von v %1 durch v %2, geteilt durch den Logarithmus der Eduktkonzentration in Versuch %1 durch die in Versuch %2</translation>
    </message>
    <message>
        <source>2 NO(g) + 2 H_2_(g) -&gt; N_2_(g) + 2 H_2_O(g)</source>
        <extracomment>Picture markup: a subscript stands between underscores.</extracomment>
        <translation>2 NO(g) + 2 H_2_(g) -&gt; N_2_(g) + 2 H_2_O(g)</translation>
    </message>
    <message>
        <source>2 NO gas plus 2 H2 gas react to give N2 gas plus 2 H2O gas</source>
        <translation>2 NO (gasförmig) und 2 H2 (gasförmig) reagieren zu N2 (gasförmig) und 2 H2O (gasförmig)</translation>
    </message>
    <message>
        <source>Rate = 6.32 [NO]^2^ [H_2_]</source>
        <translation>v = 6.32 [NO]^2^ [H_2_]</translation>
    </message>
    <message>
        <source>Rate equals 6.32 times the concentration of NO squared times the concentration of H2</source>
        <translation>v gleich 6.32 mal Konzentration von NO zum Quadrat mal Konzentration von H2</translation>
    </message>
    <message>
        <source>Rate = k[NO]^2^ [H_2_]</source>
        <translation>v = k[NO]^2^ [H_2_]</translation>
    </message>
    <message>
        <source>Rate equals k times the concentration of NO squared times the concentration of H2</source>
        <translation>v gleich k mal Konzentration von NO zum Quadrat mal Konzentration von H2</translation>
    </message>
    <message>
        <source>[A], mol/L</source>
        <translation>[A], mol/L</translation>
    </message>
    <message>
        <source>[B], mol/L</source>
        <translation>[B], mol/L</translation>
    </message>
    <message>
        <source>rate, mol/L-min</source>
        <translation>v, mol/(L·min)</translation>
    </message>
    <message>
        <source>Trial %1</source>
        <translation>Versuch %1</translation>
    </message>
    <message>
        <source>Table of four trials. Trial 1: [A] .405, [B] .645, rate .6708623. Trial 2: [A] .784, [B] .472, rate 2.513943. Trial 3: [A] .183, [B] .645, rate .13697. Trial 4: [A] .405, [B] .981, rate .6708623. Trials 1 and 4 are shaded.</source>
        <translation>Tabelle mit vier Versuchen. Versuch 1: [A] .405, [B] .645, v .6708623. Versuch 2: [A] .784, [B] .472, v 2.513943. Versuch 3: [A] .183, [B] .645, v .13697. Versuch 4: [A] .405, [B] .981, v .6708623. Die Versuche 1 und 4 sind grau hinterlegt.</translation>
    </message>
    <message>
        <source>General Reaction:  A -&gt; C</source>
        <translation>Allgemeine Reaktion:  A -&gt; C</translation>
    </message>
    <message>
        <source>General reaction: A reacts to give C</source>
        <translation>Allgemeine Reaktion: A reagiert zu C</translation>
    </message>
    <message>
        <source>[A]</source>
        <translation>[A]</translation>
    </message>
    <message>
        <source>vertical axis: concentration of A</source>
        <translation>senkrechte Achse: Konzentration von A</translation>
    </message>
    <message>
        <source>ln[A]</source>
        <translation>ln[A]</translation>
    </message>
    <message>
        <source>vertical axis: natural logarithm of the concentration of A</source>
        <translation>senkrechte Achse: natürlicher Logarithmus der Konzentration von A</translation>
    </message>
    <message>
        <source>1/[A]</source>
        <translation>1/[A]</translation>
    </message>
    <message>
        <source>vertical axis: one over the concentration of A</source>
        <translation>senkrechte Achse: Kehrwert der Konzentration von A</translation>
    </message>
    <message>
        <source>time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>horizontal axis: time</source>
        <translation>waagerechte Achse: Zeit</translation>
    </message>
    <message>
        <source>General Reaction: A + B -&gt; C</source>
        <translation>Allgemeine Reaktion: A + B -&gt; C</translation>
    </message>
    <message>
        <source>General reaction: A plus B reacts to give C</source>
        <translation>Allgemeine Reaktion: A und B reagieren zu C</translation>
    </message>
    <message>
        <source>zero-order</source>
        <translation>0. Ordnung</translation>
    </message>
    <message>
        <source>first-order</source>
        <translation>1. Ordnung</translation>
    </message>
    <message>
        <source>second-order</source>
        <translation>2. Ordnung</translation>
    </message>
    <message>
        <source>[A] vs. time</source>
        <translation>[A] gegen t</translation>
    </message>
    <message>
        <source>ln[A] vs. time</source>
        <translation>ln[A] gegen t</translation>
    </message>
    <message>
        <source>1/[A] vs. time</source>
        <translation>1/[A] gegen t</translation>
    </message>
    <message>
        <source>NO_2_ + CO</source>
        <translation>NO_2_ + CO</translation>
    </message>
    <message>
        <source>NO + CO_2_</source>
        <translation>NO + CO_2_</translation>
    </message>
    <message>
        <source>NO2 plus CO react to give NO plus CO2</source>
        <translation>NO2 und CO reagieren zu NO und CO2</translation>
    </message>
    <message>
        <source>2NO + 2H_2_</source>
        <translation>2NO + 2H_2_</translation>
    </message>
    <message>
        <source>N_2_ + 2H_2_O</source>
        <translation>N_2_ + 2H_2_O</translation>
    </message>
    <message>
        <source>2 NO plus 2 H2 react to give N2 plus 2 H2O</source>
        <translation>2 NO und 2 H2 reagieren zu N2 und 2 H2O</translation>
    </message>
    <message>
        <source>2 N_2_O_5_</source>
        <translation>2 N_2_O_5_</translation>
    </message>
    <message>
        <source>4 NO_2_ + O_2_</source>
        <translation>4 NO_2_ + O_2_</translation>
    </message>
    <message>
        <source>2 N2O5 react to give 4 NO2 plus O2</source>
        <translation>2 N2O5 reagieren zu 4 NO2 und O2</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Please type numbers with a decimal point, not a comma: 0.5, not 0,5.</source>
        <translation>Bitte geben Sie Zahlen mit Dezimalpunkt statt Komma ein: 0.5, nicht 0,5.</translation>
    </message>
</context>
<context>
    <name>runtime::ExplanationForm</name>
    <message>
        <source>&amp;Return</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Approach</source>
        <translation>&amp;Vorgehen</translation>
    </message>
</context>
<context>
    <name>runtime::ProblemSlotList</name>
    <message>
        <source>Problem:</source>
        <translation>Aufgabe:</translation>
    </message>
    <message>
        <source>Complete:</source>
        <translation>Gelöst:</translation>
    </message>
    <message>
        <source>Attempts:</source>
        <translation>Abgaben:</translation>
    </message>
    <message>
        <source>Problem %1</source>
        <translation>Aufgabe %1</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Problem %1 complete: %2</source>
        <translation>Aufgabe %1 gelöst: %2</translation>
    </message>
    <message>
        <source>Problem %1 attempts: %2</source>
        <translation>Aufgabe %1 Abgaben: %2</translation>
    </message>
</context>
<context>
    <name>velomira</name>
    <message>
        <source>velomira: unknown option &apos;%1&apos;</source>
        <translation>velomira: unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>Usage: velomira [options]
A tutorial for general-chemistry students on determining and writing rate laws.

Options:
  -h, --help     Show this help and exit.
  -v, --version  Show the version and exit.
  --summary FILE...
                 Read saved session records and write a table of their totals,
                 one row a record, to standard output as CSV; then exit.

Qt&apos;s own options, such as -platform, -style and -reverse, are accepted too.
</source>
        <translation>Aufruf: velomira [Optionen]
Ein Lernprogramm für die allgemeine Chemie: Geschwindigkeitsgesetze bestimmen und aufstellen.

Optionen:
  -h, --help     Diese Hilfe zeigen und beenden.
  -v, --version  Die Version zeigen und beenden.
  --summary DATEI...
                 Gespeicherte Sitzungsprotokolle lesen und eine Tabelle ihrer Summen,
                 eine Zeile je Protokoll, als CSV auf die Standardausgabe schreiben; dann beenden.

Qts eigene Optionen wie -platform, -style und -reverse werden ebenfalls angenommen.
</translation>
    </message>
    <message>
        <source>velomira: --summary needs the record files to read</source>
        <translation>velomira: --summary braucht die zu lesenden Protokolldateien</translation>
    </message>
    <message>
        <source>velomira: the summary&apos;s program could not be started</source>
        <translation>velomira: das Programm der Übersicht ließ sich nicht starten</translation>
    </message>
</context>
</TS>
