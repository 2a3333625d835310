<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ApproachForm</name>
    <message>
        <source>Method of Initial Rates</source>
        <translation>Méthode des vitesses initiales</translation>
    </message>
    <message>
        <source>For an overall reaction,</source>
        <translation>Pour une réaction globale,</translation>
    </message>
    <message>
        <source>the rate law takes the general form:</source>
        <translation>la loi de vitesse générale est&#xa0;:</translation>
    </message>
    <message>
        <source>Determining the rate law involves determining the order of the reaction with respect to each reactant, A and B, and the value of the rate constant, k. </source>
        <translation>Déterminer la loi de vitesse, c&apos;est déterminer l&apos;ordre de réaction par rapport à chaque réactif, A et B, et la valeur de la constante de vitesse, k. </translation>
    </message>
    <message>
        <source>Determining Reaction Order</source>
        <translation>Détermination de l&apos;ordre de réaction</translation>
    </message>
    <message>
        <source>The reaction order for a reactant is determined by comparing the reaction rates of two reactions where the concentration of just that reactant changes.</source>
        <translation>L&apos;ordre par rapport à un réactif se détermine en comparant les vitesses de deux expériences où seule la concentration de ce réactif change.</translation>
    </message>
    <message>
        <source>Trials 1 and 4 above would be appropriate choices for determining the order with respect to [B] because they have the same concentration of A. The change in rate is due solely to the change in [B].</source>
        <translation>Les expériences 1 et 4 ci-dessus conviennent pour déterminer l&apos;ordre par rapport à [B], car elles ont la même concentration de A. La variation de vitesse est due uniquement à celle de [B].</translation>
    </message>
    <message>
        <source>This equation can be rewritten to solve for the reaction order:</source>
        <translation>En isolant l&apos;ordre de réaction, l&apos;équation devient&#xa0;:</translation>
    </message>
    <message>
        <source>Determining the Rate Constant, k</source>
        <translation>Détermination de la constante k</translation>
    </message>
    <message>
        <source>Once the order of reaction for each reactant is known, the general rate law can be used to determine the numerical value of the rate constant, k. </source>
        <translation>Une fois connu l&apos;ordre par rapport à chaque réactif, la loi de vitesse générale permet de calculer la valeur numérique de la constante de vitesse, k. </translation>
    </message>
    <message>
        <source>The rate constant is determined by plugging reaction trial data, and solving for k. Data from any of the reaction trials can be used. Because each trial should give the same value of k, it is often best to calculate k for each trial, and report the average of those values.</source>
        <translation>On obtient k en reportant les données d&apos;une expérience dans la loi de vitesse, puis en isolant k. N&apos;importe quelle expérience convient. Comme chacune doit donner la même valeur de k, il vaut souvent mieux calculer k pour chaque expérience et en donner la moyenne.</translation>
    </message>
</context>
<context>
    <name>ApproachForm2</name>
    <message>
        <source>Graphical Method</source>
        <translation>Méthode graphique</translation>
    </message>
    <message>
        <source>For an overall reaction,</source>
        <translation>Pour une réaction globale,</translation>
    </message>
    <message>
        <source>the rate law takes the general form:</source>
        <translation>la loi de vitesse générale est&#xa0;:</translation>
    </message>
    <message>
        <source>The Graphical Method can be used to determine the rate law for reactions that have a single reactant. Determining the rate law involves determining the order of the reaction with respect to the single reactant, A, and the value of the rate constant, k.</source>
        <translation>La méthode graphique permet de déterminer la loi de vitesse des réactions à un seul réactif. Il s&apos;agit de déterminer l&apos;ordre de réaction par rapport à ce réactif, A, et la valeur de la constante de vitesse, k.</translation>
    </message>
    <message>
        <source>Determining Reaction Order</source>
        <translation>Détermination de l&apos;ordre de réaction</translation>
    </message>
    <message>
        <source>The reaction order for a reactant is determined by constructing three plots of the experimental concentration-time data. The reaction order is determined by seeing which of the three plots gives a straight line.</source>
        <translation>Pour déterminer l&apos;ordre de réaction, on trace trois graphes à partir des données expérimentales concentration-temps. L&apos;ordre est donné par celui des trois graphes qui est une droite.</translation>
    </message>
    <message>
        <source>Reaction order     Straight-line plot</source>
        <translation>Ordre               Graphe linéaire</translation>
    </message>
    <message>
        <source>For example, a first-order reaction will give a straight-line plot of ln[A] vs. time, but curved plots of [A] vs. time and of 1/[A] vs. time. </source>
        <translation>Par exemple, une réaction d&apos;ordre 1 donne une droite pour ln[A] = f(t), mais des courbes pour [A] = f(t) et 1/[A] = f(t). </translation>
    </message>
    <message>
        <source>Determining the Rate Constant, k</source>
        <translation>Détermination de la constante k</translation>
    </message>
    <message>
        <source>Once the appropriate linear plot is constructed, the rate constant is obtained from the slope of the line. The absolute value of the slope directly gives the rate constant.</source>
        <translation>Une fois le graphe linéaire adapté tracé, on obtient directement la constante de vitesse&#xa0;: c&apos;est la valeur absolue de la pente de la droite.</translation>
    </message>
    <message>
        <source>For a first-order reaction, the rate constant is equal to the absolute value of the slope of the straight line obtained for the plot of ln[A] vs. time. For a second-order reaction, the slope of the 1/[A] vs. time plot is used. For a zero-order reaction, the plot of [A] vs. time slope gives the rate constant. Remember, the rate constant is always a positive number.</source>
        <translation>Pour une réaction d&apos;ordre 1, la constante de vitesse est égale à la valeur absolue de la pente de la droite ln[A] = f(t). Pour une réaction d&apos;ordre 2, on utilise la pente de 1/[A] = f(t)&#xa0;; pour une réaction d&apos;ordre 0, celle de [A] = f(t). N&apos;oubliez pas&#xa0;: la constante de vitesse est toujours positive.</translation>
    </message>
</context>
<context>
    <name>GraphicalTutor</name>
    <message>
        <source>Determining Reaction Order.</source>
        <translation>Détermination de l&apos;ordre de réaction.</translation>
    </message>
    <message>
        <source>Determining the Rate Constant, k.</source>
        <translation>Détermination de la constante k.</translation>
    </message>
    <message>
        <source>The plot you have is correct for showing the reaction order.</source>
        <translation>Votre graphe est bien celui qui montre l&apos;ordre de réaction.</translation>
    </message>
    <message>
        <source>Make the plot that shows the order for the reaction. Then continue.</source>
        <translation>Tracez le graphe qui montre l&apos;ordre de réaction, puis cliquez sur «&#xa0;Continuer&#xa0;».</translation>
    </message>
    <message>
        <source>This is the same answer as before. Please input a new answer.</source>
        <translation>C&apos;est la même réponse que précédemment. Entrez une autre réponse.</translation>
    </message>
    <message>
        <source>Make a plot that is linear.</source>
        <translation>Tracez un graphe qui donne une droite.</translation>
    </message>
    <message>
        <source>Good. This plot is linear. This indicates the reaction order. Enter a new reaction order.</source>
        <translation>Bien. Ce graphe est une droite&#xa0;: il indique l&apos;ordre de réaction. Entrez un autre ordre de réaction.</translation>
    </message>
    <message>
        <source>Good. This is the correct order for A.</source>
        <translation>Bien. C&apos;est le bon ordre par rapport à A.</translation>
    </message>
    <message>
        <source>Incorrect. The reaction order is determined by which plot gives a linear graph. The type of linear graph expected for each reaction order is below. Try again.</source>
        <translation>Incorrect. L&apos;ordre de réaction est donné par le graphe qui est une droite. Le graphe linéaire attendu pour chaque ordre est indiqué ci-dessous. Réessayez.</translation>
    </message>
    <message>
        <source>Good. This plot can be used to determine k. Enter a value above.</source>
        <translation>Bien. Ce graphe permet de déterminer k. Entrez une valeur ci-dessus.</translation>
    </message>
    <message>
        <source>Make the plot that is appropriate for a zero-order reaction.</source>
        <translation>Tracez le graphe adapté à une réaction d&apos;ordre 0.</translation>
    </message>
    <message>
        <source>Make the plot that is appropriate for a first-order reaction.</source>
        <translation>Tracez le graphe adapté à une réaction d&apos;ordre 1.</translation>
    </message>
    <message>
        <source>Make the plot that is appropriate for a second-order reaction.</source>
        <translation>Tracez le graphe adapté à une réaction d&apos;ordre 2.</translation>
    </message>
    <message>
        <source>Good. This is the correct value of k.</source>
        <translation>Bien. C&apos;est la bonne valeur de k.</translation>
    </message>
    <message>
        <source>This is not correct. Perform the least squares analysis on the plot. Enter the rate constant above.</source>
        <translation>Ce n&apos;est pas correct. Faites la régression linéaire (moindres carrés) du graphe. Entrez la constante de vitesse ci-dessus.</translation>
    </message>
    <message>
        <source>Get the least squares information by clicking on lst. squares button.</source>
        <translation>Cliquez sur «&#xa0;Régression&#xa0;» pour obtenir la droite des moindres carrés.</translation>
    </message>
    <message>
        <source>The rate constant for a zero-order reaction is equal to the absolute value of the slope of a plot of [A] vs. time.</source>
        <translation>Pour une réaction d&apos;ordre 0, la constante de vitesse est égale à la valeur absolue de la pente du graphe [A] = f(t).</translation>
    </message>
    <message>
        <source>The rate constant for a first-order reaction is equal to the absolute value of the slope of a plot of ln[A] vs. time.</source>
        <translation>Pour une réaction d&apos;ordre 1, la constante de vitesse est égale à la valeur absolue de la pente du graphe ln[A] = f(t).</translation>
    </message>
    <message>
        <source>The rate constant for a second-order reaction is equal to the absolute value of the slope of a plot of 1/[A] vs. time.</source>
        <translation>Pour une réaction d&apos;ordre 2, la constante de vitesse est égale à la valeur absolue de la pente du graphe 1/[A] = f(t).</translation>
    </message>
</context>
<context>
    <name>GuidedTutor</name>
    <message>
        <source>This is the same answer as before. Please input a new answer.</source>
        <translation>C&apos;est la même réponse que précédemment. Entrez une autre réponse.</translation>
    </message>
    <message>
        <source>Determining Order with Respect to [A]</source>
        <translation>Détermination de l&apos;ordre par rapport à [A]</translation>
    </message>
    <message>
        <source>Choose two reactions from those to the left that can be used to determine the order with respect to [A]. Click continue when ready.</source>
        <translation>Choisissez à gauche deux expériences permettant de déterminer l&apos;ordre par rapport à [A]. Cliquez ensuite sur «&#xa0;Continuer&#xa0;».</translation>
    </message>
    <message>
        <source>Determining Order with Respect to [B]</source>
        <translation>Détermination de l&apos;ordre par rapport à [B]</translation>
    </message>
    <message>
        <source>Choose two reactions from those to the left that can be used to determine the order with respect to [B]. Click continue when ready.</source>
        <translation>Choisissez à gauche deux expériences permettant de déterminer l&apos;ordre par rapport à [B]. Cliquez ensuite sur «&#xa0;Continuer&#xa0;».</translation>
    </message>
    <message>
        <source>Determining the rate constant, k.</source>
        <translation>Détermination de la constante k.</translation>
    </message>
    <message>
        <source>Select one reaction from those to the left to use to determine the rate constant.</source>
        <translation>Choisissez à gauche une expérience pour déterminer la constante de vitesse.</translation>
    </message>
    <message>
        <source>Choose two reactions that have equal [B].</source>
        <translation>Choisissez deux expériences où [B] est identique.</translation>
    </message>
    <message>
        <source>Choose two reactions that have equal [A].</source>
        <translation>Choisissez deux expériences où [A] est identique.</translation>
    </message>
    <message>
        <source>Good. These two reactions have equal [B]. The change in rate is due only to changes in [A]. Use these data and the general equation; enter the order for A above.</source>
        <translation>Bien. Dans ces deux expériences, [B] est identique. La variation de vitesse n&apos;est due qu&apos;à celle de [A]. À l&apos;aide de ces données et de l&apos;équation générale, entrez ci-dessus l&apos;ordre par rapport à A.</translation>
    </message>
    <message>
        <source>Good. These two reactions have equal [A]. The change in rate is due only to changes in [B]. Use these data and the general equation; enter the order for B above.</source>
        <translation>Bien. Dans ces deux expériences, [A] est identique. La variation de vitesse n&apos;est due qu&apos;à celle de [B]. À l&apos;aide de ces données et de l&apos;équation générale, entrez ci-dessus l&apos;ordre par rapport à B.</translation>
    </message>
    <message>
        <source>Good. This is the correct order for A.</source>
        <translation>Bien. C&apos;est le bon ordre par rapport à A.</translation>
    </message>
    <message>
        <source>Good. This is the correct order for B.</source>
        <translation>Bien. C&apos;est le bon ordre par rapport à B.</translation>
    </message>
    <message>
        <source>This is not correct. Here is more detail on how the math works.</source>
        <translation>Ce n&apos;est pas correct. Voici le calcul plus en détail.</translation>
    </message>
    <message>
        <source>Choose a reaction from the list to the left. Any one will do.</source>
        <translation>Choisissez une expérience dans la liste de gauche. N&apos;importe laquelle convient.</translation>
    </message>
    <message>
        <source>Good. This reaction data can be used to determine k.</source>
        <translation>Bien. Les données de cette expérience permettent de déterminer k.</translation>
    </message>
    <message>
        <source>Good. This is the correct value of k.</source>
        <translation>Bien. C&apos;est la bonne valeur de k.</translation>
    </message>
    <message>
        <source>Cannot divide by a rate of 0.</source>
        <translation>Impossible de diviser par une vitesse égale à 0.</translation>
    </message>
    <message>
        <source>log(%1) = order x log(%2)</source>
        <translation>log(%1) = ordre x log(%2)</translation>
    </message>
</context>
<context>
    <name>RateLawChecker</name>
    <message>
        <source>The rate law must contain the variable for the rate constant, k.</source>
        <translation>La loi de vitesse doit contenir la constante de vitesse, k.</translation>
    </message>
    <message>
        <source>The rate law should begin with &apos;Rate =&apos;.</source>
        <translation>La loi de vitesse doit commencer par «&#xa0;v =&#xa0;».</translation>
    </message>
    <message>
        <source>The compound %1 should be in your rate law.</source>
        <translation>L&apos;espèce %1 doit figurer dans votre loi de vitesse.</translation>
    </message>
    <message>
        <source>The order with respect to %1 is not correct.</source>
        <translation>L&apos;ordre par rapport à %1 n&apos;est pas correct.</translation>
    </message>
    <message>
        <source>When the order with respect to a reactant is 1, the number 1 does not need to be written as a superscript following that reactant&apos;s concentration.</source>
        <translation>Quand l&apos;ordre par rapport à un réactif vaut 1, il n&apos;est pas nécessaire d&apos;écrire ce 1 en exposant après la concentration de ce réactif.</translation>
    </message>
    <message>
        <source>Check how the rate law is written: each order goes between two carets right after its concentration, and nothing else belongs in the rate law.</source>
        <translation>Vérifiez l&apos;écriture de votre loi de vitesse&#xa0;: chaque ordre se place entre deux accents circonflexes juste après sa concentration, et rien d&apos;autre ne doit y figurer.</translation>
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
        <translation>Dioxyde d&apos;azote + monoxyde de carbone</translation>
    </message>
    <message>
        <source>Nitrogen dioxide reacts with carbon monoxide to form nitrogen monoxide and carbon dioxide. The reaction is first order with respect to each of the reactants.</source>
        <translation>Le dioxyde d&apos;azote réagit avec le monoxyde de carbone pour former du monoxyde d&apos;azote et du dioxyde de carbone. La réaction est d&apos;ordre 1 par rapport à chaque réactif.</translation>
    </message>
    <message>
        <source>Nitrogen monoxide + hydrogen</source>
        <translation>Monoxyde d&apos;azote + dihydrogène</translation>
    </message>
    <message>
        <source>Nitrogen monoxide and hydrogen react to form nitrogen and water. The reaction is second order in nitrogen monoxide and first order in hydrogen.</source>
        <translation>Le monoxyde d&apos;azote et le dihydrogène réagissent pour former du diazote et de l&apos;eau. La réaction est d&apos;ordre 2 par rapport au monoxyde d&apos;azote et d&apos;ordre 1 par rapport au dihydrogène.</translation>
    </message>
    <message>
        <source>Decomposition of dinitrogen pentoxide</source>
        <translation>Décomposition du pentaoxyde de diazote</translation>
    </message>
    <message>
        <source>Dinitrogen pentoxide decomposes to give nitrogen dioxide and dioxygen. The reaction is first order in dinitrogen pentoxide.</source>
        <translation>Le pentaoxyde de diazote se décompose en dioxyde d&apos;azote et en dioxygène. La réaction est d&apos;ordre 1 par rapport au pentaoxyde de diazote.</translation>
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
        <translation>Pour une réaction globale,</translation>
    </message>
    <message>
        <source>the rate law takes the general form:</source>
        <translation>la loi de vitesse générale est&#xa0;:</translation>
    </message>
    <message>
        <source>Determining the rate law involves determining the order of the reaction with respect to each reactant, A and B, and the value of the rate constant, k. </source>
        <translation>Déterminer la loi de vitesse, c&apos;est déterminer l&apos;ordre de réaction par rapport à chaque réactif, A et B, et la valeur de la constante de vitesse, k. </translation>
    </message>
    <message>
        <source>For example, the reaction of nitrogen monoxide and hydrogen to form nitrogen and water</source>
        <translation>Par exemple, la réaction du monoxyde d&apos;azote avec le dihydrogène donnant du diazote et de l&apos;eau</translation>
    </message>
    <message>
        <source>is second order in nitrogen monoxide and first order with respect to hydrogen. The rate constant is 6.32 at 904 degrees C. The rate law is therefore written as</source>
        <translation>est d&apos;ordre 2 par rapport au monoxyde d&apos;azote et d&apos;ordre 1 par rapport au dihydrogène. À 904&#xa0;°C, la constante de vitesse vaut 6.32. La loi de vitesse s&apos;écrit donc</translation>
    </message>
    <message>
        <source>When the numerical value of the rate constant is not known, the rate law uses the lower case k.</source>
        <translation>Si la valeur numérique de la constante de vitesse n&apos;est pas connue, la loi de vitesse s&apos;écrit avec un k minuscule.</translation>
    </message>
    <message>
        <source>Tutor Modules</source>
        <translation>Modules</translation>
    </message>
    <message>
        <source>Writing Rate Laws</source>
        <translation>Écrire des lois de vitesse</translation>
    </message>
    <message>
        <source>Determining Rate Laws by the Method of Initial Rates</source>
        <translation>Loi de vitesse&#xa0;: méthode des vitesses initiales</translation>
    </message>
    <message>
        <source>Determining Rate Laws by the Graphical Method</source>
        <translation>Loi de vitesse&#xa0;: méthode graphique</translation>
    </message>
</context>
<context>
    <name>RateTutor</name>
    <message>
        <source>Method of Initial Rates</source>
        <translation>Méthode des vitesses initiales</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Difficulté</translation>
    </message>
    <message>
        <source>Relatively Easy</source>
        <translation>Plutôt facile</translation>
    </message>
    <message>
        <source>Moderately Difficult</source>
        <translation>Moyennement difficile</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>The four sets of data below were collected by running the reaction of interest four times, each time using different initial concentrations of each reactant. Each of the four experiments was performed at the same temperature.</source>
        <translation>Les quatre séries de données ci-dessous ont été obtenues en réalisant quatre fois la réaction étudiée, avec chaque fois des concentrations initiales différentes. Les quatre expériences ont été menées à la même température.</translation>
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
        <translation>Exp. %1</translation>
    </message>
    <message>
        <source>Complete the rate law below by filling in each of the three boxes:</source>
        <translation>Remplissez les trois cases de la loi de vitesse&#xa0;:</translation>
    </message>
    <message>
        <source>Rate = </source>
        <translation>v = </translation>
    </message>
    <message>
        <source>rate constant k</source>
        <translation>constante de vitesse k</translation>
    </message>
    <message>
        <source>[A]</source>
        <translation>[A]</translation>
    </message>
    <message>
        <source>order in A</source>
        <translation>ordre par rapport à A</translation>
    </message>
    <message>
        <source>[B]</source>
        <translation>[B]</translation>
    </message>
    <message>
        <source>order in B</source>
        <translation>ordre par rapport à B</translation>
    </message>
    <message>
        <source>Work in the tutoring area below.</source>
        <translation>Suivez l&apos;aide guidée ci-dessous.</translation>
    </message>
    <message>
        <source>order</source>
        <translation>ordre</translation>
    </message>
    <message>
        <source>k = </source>
        <translation>k = </translation>
    </message>
    <message>
        <source>No tutoring available for last two problems. Use the first four problems as a guide to how to solve these problems.</source>
        <translation>Les deux derniers problèmes n&apos;ont pas d&apos;aide guidée. Résolvez-les comme les quatre premiers.</translation>
    </message>
    <message>
        <source>Please choose a Problem to solve.</source>
        <translation>Choisissez un problème.</translation>
    </message>
    <message>
        <source>Please fill in all three answers.</source>
        <translation>Remplissez les trois cases.</translation>
    </message>
    <message>
        <source>Problem Complete.</source>
        <translation>Problème résolu.</translation>
    </message>
    <message>
        <source>Correct order with respect to A.</source>
        <translation>Ordre par rapport à A&#xa0;: correct.</translation>
    </message>
    <message>
        <source>Incorrect order with respect to A.</source>
        <translation>Ordre par rapport à A&#xa0;: incorrect.</translation>
    </message>
    <message>
        <source>Correct order with respect to B.</source>
        <translation>Ordre par rapport à B&#xa0;: correct.</translation>
    </message>
    <message>
        <source>Incorrect order with respect to B.</source>
        <translation>Ordre par rapport à B&#xa0;: incorrect.</translation>
    </message>
    <message>
        <source>Correct rate constant.</source>
        <translation>Constante de vitesse&#xa0;: correcte.</translation>
    </message>
    <message>
        <source>Incorrect rate constant.</source>
        <translation>Constante de vitesse&#xa0;: incorrecte.</translation>
    </message>
    <message>
        <source>No calculator program was found on this computer.</source>
        <translation>Aucune calculatrice n&apos;a été trouvée sur cet ordinateur.</translation>
    </message>
    <message>
        <source>The calculator program could not be started.</source>
        <translation>Impossible de lancer la calculatrice.</translation>
    </message>
    <message>
        <source>Ca&amp;lculator</source>
        <translation>Ca&amp;lculatrice</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation>&amp;Valider</translation>
    </message>
    <message>
        <source>Tutoring</source>
        <translation>Aide guidée</translation>
    </message>
    <message>
        <source>&amp;continue</source>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>%1: [A] %2 mol/L, [B] %3 mol/L, rate %4 mol/L-min</source>
        <translation>%1&#xa0;: [A] %2 mol/L, [B] %3 mol/L, v %4 mol/(L·min)</translation>
    </message>
    <message>
        <source>order with respect to A: %1; order with respect to B: %2; k: %3</source>
        <translation>ordre par rapport à A&#xa0;: %1&#xa0;; ordre par rapport à B&#xa0;: %2&#xa0;; k&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>RateTutor2</name>
    <message>
        <source>Graphical Method</source>
        <translation>Méthode graphique</translation>
    </message>
    <message>
        <source>The concentration time data below were collected by running the reaction at a constant temperature. These are data taken for a single trial of the reaction.</source>
        <translation>Les données concentration-temps ci-dessous ont été obtenues en réalisant la réaction à température constante. Elles proviennent toutes d&apos;une seule expérience.</translation>
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
        <translation>Remplissez les cases de la loi de vitesse&#xa0;:</translation>
    </message>
    <message>
        <source>Rate = </source>
        <translation>v = </translation>
    </message>
    <message>
        <source>rate constant k</source>
        <translation>constante de vitesse k</translation>
    </message>
    <message>
        <source>[A]</source>
        <translation>[A]</translation>
    </message>
    <message>
        <source>order in A</source>
        <translation>ordre par rapport à A</translation>
    </message>
    <message>
        <source>Work in the tutoring area below.</source>
        <translation>Suivez l&apos;aide guidée ci-dessous.</translation>
    </message>
    <message>
        <source>Choose a plot type to plot the data.</source>
        <translation>Choisissez un type de graphe.</translation>
    </message>
    <message>
        <source>plot of the data against time</source>
        <translation>graphe des données en fonction du temps</translation>
    </message>
    <message>
        <source>Slope:</source>
        <translation>Pente&#xa0;:</translation>
    </message>
    <message>
        <source>Intercept:</source>
        <translation>Ord. à l&apos;origine&#xa0;:</translation>
    </message>
    <message>
        <source>How close the points lie to a straight line: 1 for a perfectly straight plot.</source>
        <translation>Alignement des points sur une droite&#xa0;: 1 pour une droite parfaite.</translation>
    </message>
    <message>
        <source>[A] vs. time</source>
        <translation>[A] = f(t)</translation>
    </message>
    <message>
        <source>ln[A] vs. time</source>
        <translation>ln[A] = f(t)</translation>
    </message>
    <message>
        <source>1/[A] vs. time</source>
        <translation>1/[A] = f(t)</translation>
    </message>
    <message>
        <source>No tutoring available for last two problems. Use the first four problems as a guide to how to solve these problems.</source>
        <translation>Les deux derniers problèmes n&apos;ont pas d&apos;aide guidée. Résolvez-les comme les quatre premiers.</translation>
    </message>
    <message>
        <source>Determining Reaction Order</source>
        <translation>Détermination de l&apos;ordre de réaction</translation>
    </message>
    <message>
        <source>Choose a plot type from the three below to plot the experimental data.</source>
        <translation>Choisissez ci-dessous l&apos;un des trois types de graphe pour tracer les données expérimentales.</translation>
    </message>
    <message>
        <source>Select one of the plot types below.</source>
        <translation>Choisissez ci-dessous un type de graphe.</translation>
    </message>
    <message>
        <source>No graph made.</source>
        <translation>Aucun graphe tracé.</translation>
    </message>
    <message>
        <source>Slope: </source>
        <translation>Pente&#xa0;: </translation>
    </message>
    <message>
        <source>Intercept: </source>
        <translation>Ord. à l&apos;origine&#xa0;: </translation>
    </message>
    <message>
        <source>|r| = %1</source>
        <translation>|r| = %1</translation>
    </message>
    <message>
        <source>Please choose a Problem to solve.</source>
        <translation>Choisissez un problème.</translation>
    </message>
    <message>
        <source>Please fill in both answers.</source>
        <translation>Remplissez les deux cases.</translation>
    </message>
    <message>
        <source>Problem complete.</source>
        <translation>Problème résolu.</translation>
    </message>
    <message>
        <source>Correct order.</source>
        <translation>Ordre&#xa0;: correct.</translation>
    </message>
    <message>
        <source>Incorrect order.</source>
        <translation>Ordre&#xa0;: incorrect.</translation>
    </message>
    <message>
        <source>Correct k.</source>
        <translation>Valeur de k&#xa0;: correcte.</translation>
    </message>
    <message>
        <source>Incorrect k.</source>
        <translation>Valeur de k&#xa0;: incorrecte.</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation>&amp;Valider</translation>
    </message>
    <message>
        <source>Work area</source>
        <translation>Zone de travail</translation>
    </message>
    <message>
        <source>&amp;plot</source>
        <translation>&amp;Tracer</translation>
    </message>
    <message>
        <source>&amp;lst. squares</source>
        <translation>&amp;Régression</translation>
    </message>
    <message>
        <source>Tutoring</source>
        <translation>Aide guidée</translation>
    </message>
    <message>
        <source>&amp;continue</source>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>Least-squares line: slope %1, intercept %2.</source>
        <translation>Droite des moindres carrés&#xa0;: pente %1, ordonnée à l&apos;origine %2.</translation>
    </message>
    <message>
        <source>(%1, %2)</source>
        <translation>(%1, %2)</translation>
    </message>
    <message>
        <source>%1, points at 0 to 8 minutes: %2.</source>
        <translation>%1, points de 0 à 8 minutes&#xa0;: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>order with respect to A: %1; k: %2</source>
        <translation>ordre par rapport à A&#xa0;: %1&#xa0;; k&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Reaction</source>
        <translation>Réaction</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Tentatives</translation>
    </message>
    <message>
        <source>Last verdict</source>
        <translation>Dernier résultat</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Résolu</translation>
    </message>
    <message>
        <source>Guided tutoring</source>
        <translation>Aide guidée</translation>
    </message>
    <message>
        <source>Answer submitted</source>
        <translation>Réponse donnée</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correct</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Incorrect</translation>
    </message>
    <message>
        <source>Problem %1</source>
        <translation>Problème %1</translation>
    </message>
    <message>
        <source>Reactions written correctly: %1 of %2. Attempts: %3.</source>
        <translation>Lois de vitesse correctes&#xa0;: %1 sur %2. Tentatives&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Problems completed: %1 of %2. Attempts: %3.</source>
        <translation>Problèmes résolus&#xa0;: %1 sur %2. Tentatives&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Save Record</source>
        <translation>Enregistrer le relevé</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The record could not be saved as %1: %2
Please choose another place.</source>
        <translation>Le relevé n&apos;a pas pu être enregistré sous %1&#xa0;: %2
Choisissez un autre emplacement.</translation>
    </message>
    <message>
        <source>Print Record</source>
        <translation>Imprimer le relevé</translation>
    </message>
    <message>
        <source>The record could not be printed.</source>
        <translation>Le relevé n&apos;a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>Velomira session record</source>
        <translation>Relevé de session Velomira</translation>
    </message>
    <message>
        <source>Velomira %1</source>
        <translation>Velomira %1</translation>
    </message>
    <message>
        <source>Session started: %1</source>
        <translation>Début de la session&#xa0;: %1</translation>
    </message>
    <message>
        <source>Record made: %1</source>
        <translation>Relevé créé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Nothing has been attempted in this session yet.</source>
        <translation>Rien n&apos;a encore été tenté pendant cette session.</translation>
    </message>
    <message>
        <source>&amp;Save Record…</source>
        <translation>&amp;Enregistrer le relevé…</translation>
    </message>
    <message>
        <source>&amp;Print Record…</source>
        <translation>&amp;Imprimer le relevé…</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Relevé</translation>
    </message>
    <message>
        <source>Record…</source>
        <translation>Relevé…</translation>
    </message>
    <message>
        <source>Save or print a record of this session</source>
        <translation>Enregistrer ou imprimer un relevé de cette session</translation>
    </message>
    <message>
        <source>Your name, as the record should carry it (it may stay empty):</source>
        <translation>Votre nom, tel qu’il doit figurer sur le relevé (il peut rester vide)&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Name on Record…</source>
        <translation>&amp;Nom sur le relevé…</translation>
    </message>
    <message>
        <source>Some of this session&apos;s work is in no saved or printed record, and it is lost if the program ends now. The session so far:

%1

Save the record first?</source>
        <translation>Une partie du travail de cette session ne figure dans aucun relevé enregistré ou imprimé et sera perdue si le programme se termine maintenant. La session jusqu’ici&#xa0;:

%1

Enregistrer d’abord le relevé&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Enregistrer…</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>Student: %1</source>
        <translation>Élève&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>cannot be read: %1</source>
        <translation>ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>is not a Velomira record (not a PDF file)</source>
        <translation>n’est pas un relevé Velomira (pas un fichier PDF)</translation>
    </message>
    <message>
        <source>is damaged or incomplete: it cannot be read as a PDF file</source>
        <translation>est endommagé ou incomplet&#xa0;: il ne peut pas être lu comme fichier PDF</translation>
    </message>
    <message>
        <source>is not a Velomira record</source>
        <translation>n’est pas un relevé Velomira</translation>
    </message>
    <message>
        <source>is a record of a newer format (version %1) than this Velomira reads (version %2)</source>
        <translation>est un relevé d’un format plus récent (version %1) que celui que lit ce Velomira (version %2)</translation>
    </message>
    <message>
        <source>is damaged: its record data cannot be read</source>
        <translation>est endommagé&#xa0;: ses données de relevé ne peuvent pas être lues</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Record made</source>
        <translation>Relevé créé</translation>
    </message>
    <message>
        <source>Method of Initial Rates: problems completed</source>
        <translation>Méthode des vitesses initiales&#xa0;: problèmes résolus</translation>
    </message>
    <message>
        <source>Method of Initial Rates: attempts</source>
        <translation>Méthode des vitesses initiales&#xa0;: tentatives</translation>
    </message>
    <message>
        <source>Graphical Method: problems completed</source>
        <translation>Méthode graphique&#xa0;: problèmes résolus</translation>
    </message>
    <message>
        <source>Graphical Method: attempts</source>
        <translation>Méthode graphique&#xa0;: tentatives</translation>
    </message>
    <message>
        <source>Writing Rate Laws: reactions written correctly</source>
        <translation>Écrire des lois de vitesse&#xa0;: lois de vitesse correctes</translation>
    </message>
    <message>
        <source>Writing Rate Laws: attempts</source>
        <translation>Écrire des lois de vitesse&#xa0;: tentatives</translation>
    </message>
    <message>
        <source>velomira: %1 %2</source>
        <translation>velomira&#xa0;: %1 %2</translation>
    </message>
</context>
<context>
    <name>WritingRateLaws</name>
    <message>
        <source>Writing Rate Laws</source>
        <translation>Écrire des lois de vitesse</translation>
    </message>
    <message>
        <source>For an overall reaction,</source>
        <translation>Pour une réaction globale,</translation>
    </message>
    <message>
        <source>the rate law takes the general form:</source>
        <translation>la loi de vitesse générale est&#xa0;:</translation>
    </message>
    <message>
        <source>This module is for testing your ability to write rate laws in the correct format. Choose and solve each of the following problems.</source>
        <translation>Ce module vérifie que vous savez écrire une loi de vitesse sous la bonne forme. Choisissez et résolvez chacun des problèmes suivants.</translation>
    </message>
    <message>
        <source>Write the rate law for this reaction below. Place subscript numbers between underscores, and superscripts between carets. For example, sulfate ion is entered as SO_4_^2-^. Start your answer with  &quot;Rate =&quot;.</source>
        <translation>Écrivez ci-dessous la loi de vitesse de cette réaction. Placez les indices entre tirets bas et les exposants entre accents circonflexes&#xa0;; par exemple, l&apos;ion sulfate s&apos;écrit SO_4_^2-^. Commencez par «&#xa0;v =&#xa0;».</translation>
    </message>
    <message>
        <source>enter the rate law here</source>
        <translation>entrez ici la loi de vitesse</translation>
    </message>
    <message>
        <source>Rate law</source>
        <translation>Loi de vitesse</translation>
    </message>
    <message>
        <source>Feedback:</source>
        <translation>Remarques&#xa0;:</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correct</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Incorrect</translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation>&amp;Valider</translation>
    </message>
</context>
<context>
    <name>initialrates</name>
    <message>
        <source>Trial %1</source>
        <translation>Exp. %1</translation>
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
        <translation>A et B réagissent pour donner C</translation>
    </message>
    <message>
        <source>A -&gt; C</source>
        <translation>A -&gt; C</translation>
    </message>
    <message>
        <source>A reacts to give C</source>
        <translation>A réagit pour donner C</translation>
    </message>
    <message>
        <source>Rate = k[A]^orderA^[B]^orderB^</source>
        <extracomment>Picture markup: a superscript stands between carets.</extracomment>
        <translation>v = k[A]^α^[B]^β^</translation>
    </message>
    <message>
        <source>Rate equals k times the concentration of A to the power order A times the concentration of B to the power order B</source>
        <translation>v égale k fois la concentration de A puissance alpha fois la concentration de B puissance bêta, alpha et bêta étant les ordres par rapport à A et à B</translation>
    </message>
    <message>
        <source>rate = k[A]^orderA^[B]^orderB^</source>
        <extracomment>Picture markup: a superscript stands between carets.</extracomment>
        <translation>v = k[A]^α^[B]^β^</translation>
    </message>
    <message>
        <source>rate equals k times the concentration of A to the power order A times the concentration of B to the power order B</source>
        <translation>v égale k fois la concentration de A puissance alpha fois la concentration de B puissance bêta, alpha et bêta étant les ordres par rapport à A et à B</translation>
    </message>
    <message>
        <source>rate = k[A]^orderA^</source>
        <translation>v = k[A]^α^</translation>
    </message>
    <message>
        <source>rate equals k times the concentration of A to the power order A</source>
        <translation>v égale k fois la concentration de A puissance alpha, alpha étant l&apos;ordre par rapport à A</translation>
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
        <translation>[A]^α^[B]^β^</translation>
    </message>
    <message>
        <source>k equals rate divided by the concentration of A to the power order A times the concentration of B to the power order B</source>
        <translation>k égale v divisé par le produit de la concentration de A puissance alpha et de la concentration de B puissance bêta</translation>
    </message>
    <message>
        <source>rate_%1_</source>
        <extracomment>Picture markup: the rate of trial %1, the number as a subscript between underscores.</extracomment>
        <translation>v_%1_</translation>
    </message>
    <message>
        <source>[reactant]_%1_</source>
        <extracomment>Picture markup: the reactant&apos;s concentration in trial %1, the number as a subscript.</extracomment>
        <translation>[réactif]_%1_</translation>
    </message>
    <message>
        <source>order</source>
        <translation>ordre</translation>
    </message>
    <message>
        <source>rate %1 over rate %2 equals the ratio of the reactant concentrations in trials %1 and %2, raised to the power order</source>
        <translation>v %1 sur v %2 égale le rapport des concentrations du réactif dans les expériences %1 et %2, élevé à la puissance de l&apos;ordre</translation>
    </message>
    <message>
        <source>log</source>
        <translation>log</translation>
    </message>
    <message>
        <source>order = </source>
        <translation>ordre = </translation>
    </message>
    <message>
        <source>order equals the logarithm of rate %1 over rate %2, divided by the logarithm of the reactant concentration in trial %1 over that in trial %2</source>
        <translation>l&apos;ordre égale le logarithme de v %1 sur v %2, divisé par le logarithme de la concentration du réactif dans l&apos;expérience %1 sur celle dans l&apos;expérience %2</translation>
    </message>
    <message>
        <source>2 NO(g) + 2 H_2_(g) -&gt; N_2_(g) + 2 H_2_O(g)</source>
        <extracomment>Picture markup: a subscript stands between underscores.</extracomment>
        <translation>2 NO(g) + 2 H_2_(g) -&gt; N_2_(g) + 2 H_2_O(g)</translation>
    </message>
    <message>
        <source>2 NO gas plus 2 H2 gas react to give N2 gas plus 2 H2O gas</source>
        <translation>2 NO gazeux et 2 H2 gazeux réagissent pour donner N2 gazeux et 2 H2O gazeux</translation>
    </message>
    <message>
        <source>Rate = 6.32 [NO]^2^ [H_2_]</source>
        <translation>v = 6.32 [NO]^2^ [H_2_]</translation>
    </message>
    <message>
        <source>Rate equals 6.32 times the concentration of NO squared times the concentration of H2</source>
        <translation>v égale 6.32 fois la concentration de NO au carré fois la concentration de H2</translation>
    </message>
    <message>
        <source>Rate = k[NO]^2^ [H_2_]</source>
        <translation>v = k[NO]^2^ [H_2_]</translation>
    </message>
    <message>
        <source>Rate equals k times the concentration of NO squared times the concentration of H2</source>
        <translation>v égale k fois la concentration de NO au carré fois la concentration de H2</translation>
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
        <translation>Exp. %1</translation>
    </message>
    <message>
        <source>Table of four trials. Trial 1: [A] .405, [B] .645, rate .6708623. Trial 2: [A] .784, [B] .472, rate 2.513943. Trial 3: [A] .183, [B] .645, rate .13697. Trial 4: [A] .405, [B] .981, rate .6708623. Trials 1 and 4 are shaded.</source>
        <translation>Tableau de quatre expériences. Expérience 1&#xa0;: [A] .405, [B] .645, v .6708623. Expérience 2&#xa0;: [A] .784, [B] .472, v 2.513943. Expérience 3&#xa0;: [A] .183, [B] .645, v .13697. Expérience 4&#xa0;: [A] .405, [B] .981, v .6708623. Les expériences 1 et 4 sont grisées.</translation>
    </message>
    <message>
        <source>General Reaction:  A -&gt; C</source>
        <translation>Réaction générale&#xa0;:  A -&gt; C</translation>
    </message>
    <message>
        <source>General reaction: A reacts to give C</source>
        <translation>Réaction générale&#xa0;: A réagit pour donner C</translation>
    </message>
    <message>
        <source>[A]</source>
        <translation>[A]</translation>
    </message>
    <message>
        <source>vertical axis: concentration of A</source>
        <translation>axe vertical&#xa0;: concentration de A</translation>
    </message>
    <message>
        <source>ln[A]</source>
        <translation>ln[A]</translation>
    </message>
    <message>
        <source>vertical axis: natural logarithm of the concentration of A</source>
        <translation>axe vertical&#xa0;: logarithme népérien de la concentration de A</translation>
    </message>
    <message>
        <source>1/[A]</source>
        <translation>1/[A]</translation>
    </message>
    <message>
        <source>vertical axis: one over the concentration of A</source>
        <translation>axe vertical&#xa0;: inverse de la concentration de A</translation>
    </message>
    <message>
        <source>time</source>
        <translation>t</translation>
    </message>
    <message>
        <source>horizontal axis: time</source>
        <translation>axe horizontal&#xa0;: temps</translation>
    </message>
    <message>
        <source>General Reaction: A + B -&gt; C</source>
        <translation>Réaction générale&#xa0;: A + B -&gt; C</translation>
    </message>
    <message>
        <source>General reaction: A plus B reacts to give C</source>
        <translation>Réaction générale&#xa0;: A et B réagissent pour donner C</translation>
    </message>
    <message>
        <source>zero-order</source>
        <translation>ordre 0</translation>
    </message>
    <message>
        <source>first-order</source>
        <translation>ordre 1</translation>
    </message>
    <message>
        <source>second-order</source>
        <translation>ordre 2</translation>
    </message>
    <message>
        <source>[A] vs. time</source>
        <translation>[A] = f(t)</translation>
    </message>
    <message>
        <source>ln[A] vs. time</source>
        <translation>ln[A] = f(t)</translation>
    </message>
    <message>
        <source>1/[A] vs. time</source>
        <translation>1/[A] = f(t)</translation>
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
        <translation>NO2 et CO réagissent pour donner NO et CO2</translation>
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
        <translation>2 NO et 2 H2 réagissent pour donner N2 et 2 H2O</translation>
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
        <translation>2 N2O5 réagissent pour donner 4 NO2 et O2</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Please type numbers with a decimal point, not a comma: 0.5, not 0,5.</source>
        <translation>Utilisez le point comme séparateur décimal&#xa0;: tapez 0.5 et non 0,5.</translation>
    </message>
</context>
<context>
    <name>runtime::ExplanationForm</name>
    <message>
        <source>&amp;Return</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Approach</source>
        <translation>&amp;Méthode</translation>
    </message>
</context>
<context>
    <name>runtime::ProblemSlotList</name>
    <message>
        <source>Problem:</source>
        <translation>Problème&#xa0;:</translation>
    </message>
    <message>
        <source>Complete:</source>
        <translation>Résolu&#xa0;:</translation>
    </message>
    <message>
        <source>Attempts:</source>
        <translation>Tentatives&#xa0;:</translation>
    </message>
    <message>
        <source>Problem %1</source>
        <translation>Problème %1</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Problem %1 complete: %2</source>
        <translation>Problème %1 résolu&#xa0;: %2</translation>
    </message>
    <message>
        <source>Problem %1 attempts: %2</source>
        <translation>Problème %1, tentatives&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>velomira</name>
    <message>
        <source>velomira: unknown option &apos;%1&apos;</source>
        <translation>velomira&#xa0;: option inconnue «&#xa0;%1&#xa0;»</translation>
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
        <translation>Utilisation&#xa0;: velomira [options]
Un tutoriel de chimie générale pour déterminer et écrire des lois de vitesse.

Options&#xa0;:
  -h, --help     Afficher cette aide et quitter.
  -v, --version  Afficher la version et quitter.
  --summary FICHIER...
                 Lire des relevés de session enregistrés et écrire un tableau de leurs totaux,
                 une ligne par relevé, sur la sortie standard au format CSV, puis quitter.

Les options propres à Qt, comme -platform, -style et -reverse, sont aussi acceptées.
</translation>
    </message>
    <message>
        <source>velomira: --summary needs the record files to read</source>
        <translation>velomira&#xa0;: --summary a besoin des fichiers de relevé à lire</translation>
    </message>
    <message>
        <source>velomira: the summary&apos;s program could not be started</source>
        <translation>velomira&#xa0;: le programme du récapitulatif n’a pas pu être lancé</translation>
    </message>
</context>
</TS>
