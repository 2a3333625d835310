<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ApproachForm</name>
    <message>
        <source>Method of Initial Rates</source>
        <translation>Método de las velocidades iniciales</translation>
    </message>
    <message>
        <source>For an overall reaction,</source>
        <translation>Para una reacción global,</translation>
    </message>
    <message>
        <source>the rate law takes the general form:</source>
        <translation>la ley de velocidad general es:</translation>
    </message>
    <message>
        <source>Determining the rate law involves determining the order of the reaction with respect to each reactant, A and B, and the value of the rate constant, k. </source>
        <translation>Para determinar la ley de velocidad hay que determinar el orden de reacción respecto a cada reactivo, A y B, y el valor de la constante de velocidad, k. </translation>
    </message>
    <message>
        <source>Determining Reaction Order</source>
        <translation>Determinación del orden de reacción</translation>
    </message>
    <message>
        <source>The reaction order for a reactant is determined by comparing the reaction rates of two reactions where the concentration of just that reactant changes.</source>
        <translation>El orden respecto a un reactivo se determina comparando las velocidades de dos experimentos en los que solo cambia la concentración de ese reactivo.</translation>
    </message>
    <message>
        <source>Trials 1 and 4 above would be appropriate choices for determining the order with respect to [B] because they have the same concentration of A. The change in rate is due solely to the change in [B].</source>
        <translation>Los experimentos 1 y 4 de arriba sirven para determinar el orden respecto a [B], porque tienen la misma concentración de A. El cambio de velocidad se debe solo al cambio de [B].</translation>
    </message>
    <message>
        <source>This equation can be rewritten to solve for the reaction order:</source>
        <translation>Despejando el orden de reacción, la ecuación queda:</translation>
    </message>
    <message>
        <source>Determining the Rate Constant, k</source>
        <translation>Determinación de la constante k</translation>
    </message>
    <message>
        <source>Once the order of reaction for each reactant is known, the general rate law can be used to determine the numerical value of the rate constant, k. </source>
        <translation>Conocido el orden respecto a cada reactivo, la ley de velocidad general permite calcular el valor numérico de la constante de velocidad, k. </translation>
    </message>
    <message>
        <source>The rate constant is determined by plugging reaction trial data, and solving for k. Data from any of the reaction trials can be used. Because each trial should give the same value of k, it is often best to calculate k for each trial, and report the average of those values.</source>
        <translation>La constante de velocidad se obtiene sustituyendo los datos de un experimento y despejando k. Sirven los datos de cualquier experimento. Como todos deberían dar el mismo valor de k, suele ser mejor calcular k para cada experimento y dar el promedio de esos valores.</translation>
    </message>
</context>
<context>
    <name>ApproachForm2</name>
    <message>
        <source>Graphical Method</source>
        <translation>Método gráfico</translation>
    </message>
    <message>
        <source>For an overall reaction,</source>
        <translation>Para una reacción global,</translation>
    </message>
    <message>
        <source>the rate law takes the general form:</source>
        <translation>la ley de velocidad general es:</translation>
    </message>
    <message>
        <source>The Graphical Method can be used to determine the rate law for reactions that have a single reactant. Determining the rate law involves determining the order of the reaction with respect to the single reactant, A, and the value of the rate constant, k.</source>
        <translation>El método gráfico sirve para determinar la ley de velocidad de reacciones con un solo reactivo. Para ello hay que determinar el orden de reacción respecto a ese reactivo, A, y el valor de la constante de velocidad, k.</translation>
    </message>
    <message>
        <source>Determining Reaction Order</source>
        <translation>Determinación del orden de reacción</translation>
    </message>
    <message>
        <source>The reaction order for a reactant is determined by constructing three plots of the experimental concentration-time data. The reaction order is determined by seeing which of the three plots gives a straight line.</source>
        <translation>Para determinar el orden de reacción se trazan tres gráficas con los datos experimentales de concentración y tiempo. El orden lo indica cuál de las tres gráficas es una recta.</translation>
    </message>
    <message>
        <source>Reaction order     Straight-line plot</source>
        <translation>Orden de reacción      Gráfica lineal</translation>
    </message>
    <message>
        <source>For example, a first-order reaction will give a straight-line plot of ln[A] vs. time, but curved plots of [A] vs. time and of 1/[A] vs. time. </source>
        <translation>Por ejemplo, una reacción de primer orden da una recta en la gráfica de ln[A] vs. t, pero curvas en las de [A] vs. t y 1/[A] vs. t. </translation>
    </message>
    <message>
        <source>Determining the Rate Constant, k</source>
        <translation>Determinación de la constante k</translation>
    </message>
    <message>
        <source>Once the appropriate linear plot is constructed, the rate constant is obtained from the slope of the line. The absolute value of the slope directly gives the rate constant.</source>
        <translation>Una vez trazada la gráfica lineal adecuada, la constante de velocidad se obtiene de la pendiente de la recta: es directamente su valor absoluto.</translation>
    </message>
    <message>
        <source>For a first-order reaction, the rate constant is equal to the absolute value of the slope of the straight line obtained for the plot of ln[A] vs. time. For a second-order reaction, the slope of the 1/[A] vs. time plot is used. For a zero-order reaction, the plot of [A] vs. time slope gives the rate constant. Remember, the rate constant is always a positive number.</source>
        <translation>En una reacción de primer orden, la constante de velocidad es igual al valor absoluto de la pendiente de la recta de ln[A] vs. t. En una de segundo orden se usa la pendiente de 1/[A] vs. t, y en una de orden cero, la de [A] vs. t. Recuerde: la constante de velocidad siempre es positiva.</translation>
    </message>
</context>
<context>
    <name>GraphicalTutor</name>
    <message>
        <source>Determining Reaction Order.</source>
        <translation>Determinación del orden de reacción.</translation>
    </message>
    <message>
        <source>Determining the Rate Constant, k.</source>
        <translation>Determinación de la constante k.</translation>
    </message>
    <message>
        <source>The plot you have is correct for showing the reaction order.</source>
        <translation>Su gráfica es la correcta para mostrar el orden de reacción.</translation>
    </message>
    <message>
        <source>Make the plot that shows the order for the reaction. Then continue.</source>
        <translation>Trace la gráfica que muestra el orden de reacción. Luego pulse «Continuar».</translation>
    </message>
    <message>
        <source>This is the same answer as before. Please input a new answer.</source>
        <translation>Es la misma respuesta que antes. Escriba otra respuesta.</translation>
    </message>
    <message>
        <source>Make a plot that is linear.</source>
        <translation>Trace una gráfica que sea lineal.</translation>
    </message>
    <message>
        <source>Good. This plot is linear. This indicates the reaction order. Enter a new reaction order.</source>
        <translation>Bien. Esta gráfica es lineal e indica el orden de reacción. Escriba otro orden de reacción.</translation>
    </message>
    <message>
        <source>Good. This is the correct order for A.</source>
        <translation>Bien. Este es el orden correcto respecto a A.</translation>
    </message>
    <message>
        <source>Incorrect. The reaction order is determined by which plot gives a linear graph. The type of linear graph expected for each reaction order is below. Try again.</source>
        <translation>Incorrecto. El orden de reacción lo indica la gráfica que resulta lineal. Abajo se indica qué gráfica es lineal para cada orden. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Good. This plot can be used to determine k. Enter a value above.</source>
        <translation>Bien. Con esta gráfica se puede determinar k. Escriba un valor arriba.</translation>
    </message>
    <message>
        <source>Make the plot that is appropriate for a zero-order reaction.</source>
        <translation>Trace la gráfica adecuada para una reacción de orden cero.</translation>
    </message>
    <message>
        <source>Make the plot that is appropriate for a first-order reaction.</source>
        <translation>Trace la gráfica adecuada para una reacción de primer orden.</translation>
    </message>
    <message>
        <source>Make the plot that is appropriate for a second-order reaction.</source>
        <translation>Trace la gráfica adecuada para una reacción de segundo orden.</translation>
    </message>
    <message>
        <source>Good. This is the correct value of k.</source>
        <translation>Bien. Este es el valor correcto de k.</translation>
    </message>
    <message>
        <source>This is not correct. Perform the least squares analysis on the plot. Enter the rate constant above.</source>
        <translation>No es correcto. Haga el ajuste por mínimos cuadrados de la gráfica. Escriba arriba la constante de velocidad.</translation>
    </message>
    <message>
        <source>Get the least squares information by clicking on lst. squares button.</source>
        <translation>Pulse «Regresión» para obtener la recta de mínimos cuadrados.</translation>
    </message>
    <message>
        <source>The rate constant for a zero-order reaction is equal to the absolute value of the slope of a plot of [A] vs. time.</source>
        <translation>En una reacción de orden cero, la constante de velocidad es igual al valor absoluto de la pendiente de la gráfica de [A] vs. t.</translation>
    </message>
    <message>
        <source>The rate constant for a first-order reaction is equal to the absolute value of the slope of a plot of ln[A] vs. time.</source>
        <translation>En una reacción de primer orden, la constante de velocidad es igual al valor absoluto de la pendiente de la gráfica de ln[A] vs. t.</translation>
    </message>
    <message>
        <source>The rate constant for a second-order reaction is equal to the absolute value of the slope of a plot of 1/[A] vs. time.</source>
        <translation>En una reacción de segundo orden, la constante de velocidad es igual al valor absoluto de la pendiente de la gráfica de 1/[A] vs. t.</translation>
    </message>
</context>
<context>
    <name>GuidedTutor</name>
    <message>
        <source>This is the same answer as before. Please input a new answer.</source>
        <translation>Es la misma respuesta que antes. Escriba otra respuesta.</translation>
    </message>
    <message>
        <source>Determining Order with Respect to [A]</source>
        <translation>Determinación del orden respecto a [A]</translation>
    </message>
    <message>
        <source>Choose two reactions from those to the left that can be used to determine the order with respect to [A]. Click continue when ready.</source>
        <translation>Elija a la izquierda dos experimentos que sirvan para determinar el orden respecto a [A]. Luego pulse «Continuar».</translation>
    </message>
    <message>
        <source>Determining Order with Respect to [B]</source>
        <translation>Determinación del orden respecto a [B]</translation>
    </message>
    <message>
        <source>Choose two reactions from those to the left that can be used to determine the order with respect to [B]. Click continue when ready.</source>
        <translation>Elija a la izquierda dos experimentos que sirvan para determinar el orden respecto a [B]. Luego pulse «Continuar».</translation>
    </message>
    <message>
        <source>Determining the rate constant, k.</source>
        <translation>Determinación de la constante k.</translation>
    </message>
    <message>
        <source>Select one reaction from those to the left to use to determine the rate constant.</source>
        <translation>Elija a la izquierda un experimento para determinar la constante de velocidad.</translation>
    </message>
    <message>
        <source>Choose two reactions that have equal [B].</source>
        <translation>Elija dos experimentos con la misma [B].</translation>
    </message>
    <message>
        <source>Choose two reactions that have equal [A].</source>
        <translation>Elija dos experimentos con la misma [A].</translation>
    </message>
    <message>
        <source>Good. These two reactions have equal [B]. The change in rate is due only to changes in [A]. Use these data and the general equation; enter the order for A above.</source>
        <translation>Bien. Estos dos experimentos tienen la misma [B]. El cambio de velocidad se debe solo al cambio de [A]. Con estos datos y la ecuación general, escriba arriba el orden respecto a A.</translation>
    </message>
    <message>
        <source>Good. These two reactions have equal [A]. The change in rate is due only to changes in [B]. Use these data and the general equation; enter the order for B above.</source>
        <translation>Bien. Estos dos experimentos tienen la misma [A]. El cambio de velocidad se debe solo al cambio de [B]. Con estos datos y la ecuación general, escriba arriba el orden respecto a B.</translation>
    </message>
    <message>
        <source>Good. This is the correct order for A.</source>
        <translation>Bien. Este es el orden correcto respecto a A.</translation>
    </message>
    <message>
        <source>Good. This is the correct order for B.</source>
        <translation>Bien. Este es el orden correcto respecto a B.</translation>
    </message>
    <message>
        <source>This is not correct. Here is more detail on how the math works.</source>
        <translation>No es correcto. Aquí tiene el cálculo con más detalle.</translation>
    </message>
    <message>
        <source>Choose a reaction from the list to the left. Any one will do.</source>
        <translation>Elija un experimento de la lista de la izquierda. Cualquiera sirve.</translation>
    </message>
    <message>
        <source>Good. This reaction data can be used to determine k.</source>
        <translation>Bien. Con los datos de este experimento se puede determinar k.</translation>
    </message>
    <message>
        <source>Good. This is the correct value of k.</source>
        <translation>Bien. Este es el valor correcto de k.</translation>
    </message>
    <message>
        <source>Cannot divide by a rate of 0.</source>
        <translation>No se puede dividir entre una velocidad de 0.</translation>
    </message>
    <message>
        <source>log(%1) = order x log(%2)</source>
        <translation>log(%1) = orden x log(%2)</translation>
    </message>
</context>
<context>
    <name>RateLawChecker</name>
    <message>
        <source>The rate law must contain the variable for the rate constant, k.</source>
        <translation>La ley de velocidad debe contener la constante de velocidad, k.</translation>
    </message>
    <message>
        <source>The rate law should begin with &apos;Rate =&apos;.</source>
        <translation>La ley de velocidad debe empezar con «v =».</translation>
    </message>
    <message>
        <source>The compound %1 should be in your rate law.</source>
        <translation>La sustancia %1 debe aparecer en su ley de velocidad.</translation>
    </message>
    <message>
        <source>The order with respect to %1 is not correct.</source>
        <translation>El orden respecto a %1 no es correcto.</translation>
    </message>
    <message>
        <source>When the order with respect to a reactant is 1, the number 1 does not need to be written as a superscript following that reactant&apos;s concentration.</source>
        <translation>Cuando el orden respecto a un reactivo es 1, no hace falta escribir el 1 como superíndice después de la concentración de ese reactivo.</translation>
    </message>
    <message>
        <source>Check how the rate law is written: each order goes between two carets right after its concentration, and nothing else belongs in the rate law.</source>
        <translation>Revise cómo ha escrito la ley de velocidad: cada orden va entre dos acentos circunflejos justo después de su concentración, y la ley no debe contener nada más.</translation>
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
        <translation>Dióxido de nitrógeno + monóxido de carbono</translation>
    </message>
    <message>
        <source>Nitrogen dioxide reacts with carbon monoxide to form nitrogen monoxide and carbon dioxide. The reaction is first order with respect to each of the reactants.</source>
        <translation>El dióxido de nitrógeno reacciona con el monóxido de carbono para formar monóxido de nitrógeno y dióxido de carbono. La reacción es de primer orden respecto a cada reactivo.</translation>
    </message>
    <message>
        <source>Nitrogen monoxide + hydrogen</source>
        <translation>Monóxido de nitrógeno + hidrógeno</translation>
    </message>
    <message>
        <source>Nitrogen monoxide and hydrogen react to form nitrogen and water. The reaction is second order in nitrogen monoxide and first order in hydrogen.</source>
        <translation>El monóxido de nitrógeno y el hidrógeno reaccionan para formar nitrógeno y agua. La reacción es de segundo orden respecto al monóxido de nitrógeno y de primer orden respecto al hidrógeno.</translation>
    </message>
    <message>
        <source>Decomposition of dinitrogen pentoxide</source>
        <translation>Descomposición del pentóxido de dinitrógeno</translation>
    </message>
    <message>
        <source>Dinitrogen pentoxide decomposes to give nitrogen dioxide and dioxygen. The reaction is first order in dinitrogen pentoxide.</source>
        <translation>El pentóxido de dinitrógeno se descompone en dióxido de nitrógeno y oxígeno. La reacción es de primer orden respecto al pentóxido de dinitrógeno.</translation>
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
        <translation>Para una reacción global,</translation>
    </message>
    <message>
        <source>the rate law takes the general form:</source>
        <translation>la ley de velocidad general es:</translation>
    </message>
    <message>
        <source>Determining the rate law involves determining the order of the reaction with respect to each reactant, A and B, and the value of the rate constant, k. </source>
        <translation>Para determinar la ley de velocidad hay que determinar el orden de reacción respecto a cada reactivo, A y B, y el valor de la constante de velocidad, k. </translation>
    </message>
    <message>
        <source>For example, the reaction of nitrogen monoxide and hydrogen to form nitrogen and water</source>
        <translation>Por ejemplo, la reacción del monóxido de nitrógeno con el hidrógeno para formar nitrógeno y agua</translation>
    </message>
    <message>
        <source>is second order in nitrogen monoxide and first order with respect to hydrogen. The rate constant is 6.32 at 904 degrees C. The rate law is therefore written as</source>
        <translation>es de segundo orden respecto al monóxido de nitrógeno y de primer orden respecto al hidrógeno. A 904 °C, k vale 6.32. Por tanto, la ley de velocidad se escribe</translation>
    </message>
    <message>
        <source>When the numerical value of the rate constant is not known, the rate law uses the lower case k.</source>
        <translation>Si no se conoce el valor numérico de la constante de velocidad, la ley de velocidad se escribe con k minúscula.</translation>
    </message>
    <message>
        <source>Tutor Modules</source>
        <translation>Módulos</translation>
    </message>
    <message>
        <source>Writing Rate Laws</source>
        <translation>Escribir leyes de velocidad</translation>
    </message>
    <message>
        <source>Determining Rate Laws by the Method of Initial Rates</source>
        <translation>Ley de velocidad: método de las velocidades iniciales</translation>
    </message>
    <message>
        <source>Determining Rate Laws by the Graphical Method</source>
        <translation>Ley de velocidad: método gráfico</translation>
    </message>
</context>
<context>
    <name>RateTutor</name>
    <message>
        <source>Method of Initial Rates</source>
        <translation>Método de las velocidades iniciales</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Dificultad</translation>
    </message>
    <message>
        <source>Relatively Easy</source>
        <translation>Relativamente fácil</translation>
    </message>
    <message>
        <source>Moderately Difficult</source>
        <translation>Moderadamente difícil</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>The four sets of data below were collected by running the reaction of interest four times, each time using different initial concentrations of each reactant. Each of the four experiments was performed at the same temperature.</source>
        <translation>Los cuatro conjuntos de datos de abajo se obtuvieron realizando cuatro veces la reacción, cada vez con distintas concentraciones iniciales de los reactivos y siempre a la misma temperatura.</translation>
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
        <translation>Complete las tres casillas de la ley de velocidad:</translation>
    </message>
    <message>
        <source>Rate = </source>
        <translation>v = </translation>
    </message>
    <message>
        <source>rate constant k</source>
        <translation>constante de velocidad k</translation>
    </message>
    <message>
        <source>[A]</source>
        <translation>[A]</translation>
    </message>
    <message>
        <source>order in A</source>
        <translation>orden respecto a A</translation>
    </message>
    <message>
        <source>[B]</source>
        <translation>[B]</translation>
    </message>
    <message>
        <source>order in B</source>
        <translation>orden respecto a B</translation>
    </message>
    <message>
        <source>Work in the tutoring area below.</source>
        <translation>Siga la ayuda guiada de abajo.</translation>
    </message>
    <message>
        <source>order</source>
        <translation>orden</translation>
    </message>
    <message>
        <source>k = </source>
        <translation>k = </translation>
    </message>
    <message>
        <source>No tutoring available for last two problems. Use the first four problems as a guide to how to solve these problems.</source>
        <translation>Los dos últimos problemas no tienen ayuda guiada. Resuélvalos como los cuatro primeros.</translation>
    </message>
    <message>
        <source>Please choose a Problem to solve.</source>
        <translation>Elija un problema.</translation>
    </message>
    <message>
        <source>Please fill in all three answers.</source>
        <translation>Complete las tres casillas.</translation>
    </message>
    <message>
        <source>Problem Complete.</source>
        <translation>Problema resuelto.</translation>
    </message>
    <message>
        <source>Correct order with respect to A.</source>
        <translation>Orden respecto a A: correcto.</translation>
    </message>
    <message>
        <source>Incorrect order with respect to A.</source>
        <translation>Orden respecto a A: incorrecto.</translation>
    </message>
    <message>
        <source>Correct order with respect to B.</source>
        <translation>Orden respecto a B: correcto.</translation>
    </message>
    <message>
        <source>Incorrect order with respect to B.</source>
        <translation>Orden respecto a B: incorrecto.</translation>
    </message>
    <message>
        <source>Correct rate constant.</source>
        <translation>Constante de velocidad: correcta.</translation>
    </message>
    <message>
        <source>Incorrect rate constant.</source>
        <translation>Constante de velocidad: incorrecta.</translation>
    </message>
    <message>
        <source>No calculator program was found on this computer.</source>
        <translation>No se encontró ninguna calculadora en este equipo.</translation>
    </message>
    <message>
        <source>The calculator program could not be started.</source>
        <translation>No se pudo iniciar la calculadora.</translation>
    </message>
    <message>
        <source>Ca&amp;lculator</source>
        <translation>Ca&amp;lculadora</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation>&amp;Enviar</translation>
    </message>
    <message>
        <source>Tutoring</source>
        <translation>Ayuda guiada</translation>
    </message>
    <message>
        <source>&amp;continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>%1: [A] %2 mol/L, [B] %3 mol/L, rate %4 mol/L-min</source>
        <translation>%1: [A] %2 mol/L, [B] %3 mol/L, v %4 mol/(L·min)</translation>
    </message>
    <message>
        <source>order with respect to A: %1; order with respect to B: %2; k: %3</source>
        <translation>orden respecto a A: %1; orden respecto a B: %2; k: %3</translation>
    </message>
</context>
<context>
    <name>RateTutor2</name>
    <message>
        <source>Graphical Method</source>
        <translation>Método gráfico</translation>
    </message>
    <message>
        <source>The concentration time data below were collected by running the reaction at a constant temperature. These are data taken for a single trial of the reaction.</source>
        <translation>Los datos de concentración y tiempo de abajo se obtuvieron realizando la reacción a temperatura constante. Todos proceden de un único experimento.</translation>
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
        <translation>Complete las casillas de la ley de velocidad:</translation>
    </message>
    <message>
        <source>Rate = </source>
        <translation>v = </translation>
    </message>
    <message>
        <source>rate constant k</source>
        <translation>constante de velocidad k</translation>
    </message>
    <message>
        <source>[A]</source>
        <translation>[A]</translation>
    </message>
    <message>
        <source>order in A</source>
        <translation>orden respecto a A</translation>
    </message>
    <message>
        <source>Work in the tutoring area below.</source>
        <translation>Siga la ayuda guiada de abajo.</translation>
    </message>
    <message>
        <source>Choose a plot type to plot the data.</source>
        <translation>Elija un tipo de gráfica para los datos.</translation>
    </message>
    <message>
        <source>plot of the data against time</source>
        <translation>gráfica de los datos en función del tiempo</translation>
    </message>
    <message>
        <source>Slope:</source>
        <translation>Pendiente:</translation>
    </message>
    <message>
        <source>Intercept:</source>
        <translation>Ord. en el origen:</translation>
    </message>
    <message>
        <source>How close the points lie to a straight line: 1 for a perfectly straight plot.</source>
        <translation>Cuánto se acercan los puntos a una recta: 1 si forman una recta perfecta.</translation>
    </message>
    <message>
        <source>[A] vs. time</source>
        <translation>[A] vs. t</translation>
    </message>
    <message>
        <source>ln[A] vs. time</source>
        <translation>ln[A] vs. t</translation>
    </message>
    <message>
        <source>1/[A] vs. time</source>
        <translation>1/[A] vs. t</translation>
    </message>
    <message>
        <source>No tutoring available for last two problems. Use the first four problems as a guide to how to solve these problems.</source>
        <translation>Los dos últimos problemas no tienen ayuda guiada. Resuélvalos como los cuatro primeros.</translation>
    </message>
    <message>
        <source>Determining Reaction Order</source>
        <translation>Determinación del orden de reacción</translation>
    </message>
    <message>
        <source>Choose a plot type from the three below to plot the experimental data.</source>
        <translation>Elija abajo uno de los tres tipos de gráfica para representar los datos experimentales.</translation>
    </message>
    <message>
        <source>Select one of the plot types below.</source>
        <translation>Elija abajo un tipo de gráfica.</translation>
    </message>
    <message>
        <source>No graph made.</source>
        <translation>Aún no hay gráfica.</translation>
    </message>
    <message>
        <source>Slope: </source>
        <translation>Pendiente: </translation>
    </message>
    <message>
        <source>Intercept: </source>
        <translation>Ord. en el origen: </translation>
    </message>
    <message>
        <source>|r| = %1</source>
        <translation>|r| = %1</translation>
    </message>
    <message>
        <source>Please choose a Problem to solve.</source>
        <translation>Elija un problema.</translation>
    </message>
    <message>
        <source>Please fill in both answers.</source>
        <translation>Complete las dos casillas.</translation>
    </message>
    <message>
        <source>Problem complete.</source>
        <translation>Problema resuelto.</translation>
    </message>
    <message>
        <source>Correct order.</source>
        <translation>Orden: correcto.</translation>
    </message>
    <message>
        <source>Incorrect order.</source>
        <translation>Orden: incorrecto.</translation>
    </message>
    <message>
        <source>Correct k.</source>
        <translation>Valor de k: correcto.</translation>
    </message>
    <message>
        <source>Incorrect k.</source>
        <translation>Valor de k: incorrecto.</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation>&amp;Enviar</translation>
    </message>
    <message>
        <source>Work area</source>
        <translation>Área de trabajo</translation>
    </message>
    <message>
        <source>&amp;plot</source>
        <translation>&amp;Trazar</translation>
    </message>
    <message>
        <source>&amp;lst. squares</source>
        <translation>&amp;Regresión</translation>
    </message>
    <message>
        <source>Tutoring</source>
        <translation>Ayuda guiada</translation>
    </message>
    <message>
        <source>&amp;continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>Least-squares line: slope %1, intercept %2.</source>
        <translation>Recta de mínimos cuadrados: pendiente %1, ordenada en el origen %2.</translation>
    </message>
    <message>
        <source>(%1, %2)</source>
        <translation>(%1, %2)</translation>
    </message>
    <message>
        <source>%1, points at 0 to 8 minutes: %2.</source>
        <translation>%1, puntos de 0 a 8 minutos: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>order with respect to A: %1; k: %2</source>
        <translation>orden respecto a A: %1; k: %2</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Reaction</source>
        <translation>Reacción</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Intentos</translation>
    </message>
    <message>
        <source>Last verdict</source>
        <translation>Último resultado</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Resuelto</translation>
    </message>
    <message>
        <source>Guided tutoring</source>
        <translation>Ayuda guiada</translation>
    </message>
    <message>
        <source>Answer submitted</source>
        <translation>Respuesta enviada</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Incorrecto</translation>
    </message>
    <message>
        <source>Problem %1</source>
        <translation>Problema %1</translation>
    </message>
    <message>
        <source>Reactions written correctly: %1 of %2. Attempts: %3.</source>
        <translation>Reacciones escritas correctamente: %1 de %2. Intentos: %3.</translation>
    </message>
    <message>
        <source>Problems completed: %1 of %2. Attempts: %3.</source>
        <translation>Problemas resueltos: %1 de %2. Intentos: %3.</translation>
    </message>
    <message>
        <source>Save Record</source>
        <translation>Guardar registro</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The record could not be saved as %1: %2
Please choose another place.</source>
        <translation>No se pudo guardar el registro como %1: %2
Elija otro lugar.</translation>
    </message>
    <message>
        <source>Print Record</source>
        <translation>Imprimir registro</translation>
    </message>
    <message>
        <source>The record could not be printed.</source>
        <translation>No se pudo imprimir el registro.</translation>
    </message>
    <message>
        <source>Velomira session record</source>
        <translation>Registro de la sesión de Velomira</translation>
    </message>
    <message>
        <source>Velomira %1</source>
        <translation>Velomira %1</translation>
    </message>
    <message>
        <source>Session started: %1</source>
        <translation>Inicio de la sesión: %1</translation>
    </message>
    <message>
        <source>Record made: %1</source>
        <translation>Registro creado: %1</translation>
    </message>
    <message>
        <source>Nothing has been attempted in this session yet.</source>
        <translation>Todavía no se ha intentado nada en esta sesión.</translation>
    </message>
    <message>
        <source>&amp;Save Record…</source>
        <translation>&amp;Guardar registro…</translation>
    </message>
    <message>
        <source>&amp;Print Record…</source>
        <translation>&amp;Imprimir registro…</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Registro</translation>
    </message>
    <message>
        <source>Record…</source>
        <translation>Registro…</translation>
    </message>
    <message>
        <source>Save or print a record of this session</source>
        <translation>Guardar o imprimir un registro de esta sesión</translation>
    </message>
    <message>
        <source>Your name, as the record should carry it (it may stay empty):</source>
        <translation>Su nombre, tal como debe figurar en el registro (puede quedar vacío):</translation>
    </message>
    <message>
        <source>&amp;Name on Record…</source>
        <translation>&amp;Nombre en el registro…</translation>
    </message>
    <message>
        <source>Some of this session&apos;s work is in no saved or printed record, and it is lost if the program ends now. The session so far:

%1

Save the record first?</source>
        <translation>Parte del trabajo de esta sesión no está en ningún registro guardado o impreso, y se pierde si el programa termina ahora. La sesión hasta ahora:

%1

¿Guardar primero el registro?</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Guardar…</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>Student: %1</source>
        <translation>Estudiante: %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>is not a Velomira record (not a PDF file)</source>
        <translation>no es un registro de Velomira (no es un archivo PDF)</translation>
    </message>
    <message>
        <source>is damaged or incomplete: it cannot be read as a PDF file</source>
        <translation>está dañado o incompleto: no se puede leer como archivo PDF</translation>
    </message>
    <message>
        <source>is not a Velomira record</source>
        <translation>no es un registro de Velomira</translation>
    </message>
    <message>
        <source>is a record of a newer format (version %1) than this Velomira reads (version %2)</source>
        <translation>es un registro de un formato más reciente (versión %1) del que lee este Velomira (versión %2)</translation>
    </message>
    <message>
        <source>is damaged: its record data cannot be read</source>
        <translation>está dañado: sus datos de registro no se pueden leer</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Estudiante</translation>
    </message>
    <message>
        <source>Record made</source>
        <translation>Registro creado</translation>
    </message>
    <message>
        <source>Method of Initial Rates: problems completed</source>
        <translation>Método de las velocidades iniciales: problemas resueltos</translation>
    </message>
    <message>
        <source>Method of Initial Rates: attempts</source>
        <translation>Método de las velocidades iniciales: intentos</translation>
    </message>
    <message>
        <source>Graphical Method: problems completed</source>
        <translation>Método gráfico: problemas resueltos</translation>
    </message>
    <message>
        <source>Graphical Method: attempts</source>
        <translation>Método gráfico: intentos</translation>
    </message>
    <message>
        <source>Writing Rate Laws: reactions written correctly</source>
        <translation>Escribir leyes de velocidad: reacciones escritas correctamente</translation>
    </message>
    <message>
        <source>Writing Rate Laws: attempts</source>
        <translation>Escribir leyes de velocidad: intentos</translation>
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
        <translation>Escribir leyes de velocidad</translation>
    </message>
    <message>
        <source>For an overall reaction,</source>
        <translation>Para una reacción global,</translation>
    </message>
    <message>
        <source>the rate law takes the general form:</source>
        <translation>la ley de velocidad general es:</translation>
    </message>
    <message>
        <source>This module is for testing your ability to write rate laws in the correct format. Choose and solve each of the following problems.</source>
        <translation>En este módulo se comprueba si sabe escribir leyes de velocidad en el formato correcto. Elija y resuelva cada uno de los problemas siguientes.</translation>
    </message>
    <message>
        <source>Write the rate law for this reaction below. Place subscript numbers between underscores, and superscripts between carets. For example, sulfate ion is entered as SO_4_^2-^. Start your answer with  &quot;Rate =&quot;.</source>
        <translation>Escriba abajo la ley de velocidad de esta reacción. Ponga los subíndices entre guiones bajos y los superíndices entre acentos circunflejos; por ejemplo, el ion sulfato se escribe SO_4_^2-^. Empiece con «v =».</translation>
    </message>
    <message>
        <source>enter the rate law here</source>
        <translation>escriba aquí la ley de velocidad</translation>
    </message>
    <message>
        <source>Rate law</source>
        <translation>Ley de velocidad</translation>
    </message>
    <message>
        <source>Feedback:</source>
        <translation>Comentarios:</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Incorrecto</translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation>&amp;Enviar</translation>
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
        <translation>A y B reaccionan para dar C</translation>
    </message>
    <message>
        <source>A -&gt; C</source>
        <translation>A -&gt; C</translation>
    </message>
    <message>
        <source>A reacts to give C</source>
        <translation>A reacciona para dar C</translation>
    </message>
    <message>
        <source>Rate = k[A]^orderA^[B]^orderB^</source>
        <extracomment>Picture markup: a superscript stands between carets.</extracomment>
        <translation>v = k[A]^m^[B]^n^</translation>
    </message>
    <message>
        <source>Rate equals k times the concentration of A to the power order A times the concentration of B to the power order B</source>
        <translation>v es igual a k por la concentración de A elevada a m por la concentración de B elevada a n, donde m y n son los órdenes respecto a A y a B</translation>
    </message>
    <message>
        <source>rate = k[A]^orderA^[B]^orderB^</source>
        <extracomment>Picture markup: a superscript stands between carets.</extracomment>
        <translation>v = k[A]^m^[B]^n^</translation>
    </message>
    <message>
        <source>rate equals k times the concentration of A to the power order A times the concentration of B to the power order B</source>
        <translation>v es igual a k por la concentración de A elevada a m por la concentración de B elevada a n, donde m y n son los órdenes respecto a A y a B</translation>
    </message>
    <message>
        <source>rate = k[A]^orderA^</source>
        <translation>v = k[A]^m^</translation>
    </message>
    <message>
        <source>rate equals k times the concentration of A to the power order A</source>
        <translation>v es igual a k por la concentración de A elevada a m, donde m es el orden respecto a A</translation>
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
        <translation>[A]^m^[B]^n^</translation>
    </message>
    <message>
        <source>k equals rate divided by the concentration of A to the power order A times the concentration of B to the power order B</source>
        <translation>k es igual al cociente entre v y el producto de la concentración de A elevada a m por la concentración de B elevada a n</translation>
    </message>
    <message>
        <source>rate_%1_</source>
        <extracomment>Picture markup: the rate of trial %1, the number as a subscript between underscores.</extracomment>
        <translation>v_%1_</translation>
    </message>
    <message>
        <source>[reactant]_%1_</source>
        <extracomment>Picture markup: the reactant&apos;s concentration in trial %1, the number as a subscript.</extracomment>
        <translation>[reactivo]_%1_</translation>
    </message>
    <message>
        <source>order</source>
        <translation>orden</translation>
    </message>
    <message>
        <source>rate %1 over rate %2 equals the ratio of the reactant concentrations in trials %1 and %2, raised to the power order</source>
        <translation>v %1 entre v %2 es igual al cociente de las concentraciones del reactivo en los experimentos %1 y %2, elevado al orden</translation>
    </message>
    <message>
        <source>log</source>
        <translation>log</translation>
    </message>
    <message>
        <source>order = </source>
        <translation>orden = </translation>
    </message>
    <message>
        <source>order equals the logarithm of rate %1 over rate %2, divided by the logarithm of the reactant concentration in trial %1 over that in trial %2</source>
        <translation>el orden es igual al logaritmo de v %1 entre v %2, dividido por el logaritmo de la concentración del reactivo en el experimento %1 entre la del experimento %2</translation>
    </message>
    <message>
        <source>2 NO(g) + 2 H_2_(g) -&gt; N_2_(g) + 2 H_2_O(g)</source>
        <extracomment>Picture markup: a subscript stands between underscores.</extracomment>
        <translation>2 NO(g) + 2 H_2_(g) -&gt; N_2_(g) + 2 H_2_O(g)</translation>
    </message>
    <message>
        <source>2 NO gas plus 2 H2 gas react to give N2 gas plus 2 H2O gas</source>
        <translation>2 NO gaseoso y 2 H2 gaseoso reaccionan para dar N2 gaseoso y 2 H2O gaseoso</translation>
    </message>
    <message>
        <source>Rate = 6.32 [NO]^2^ [H_2_]</source>
        <translation>v = 6.32 [NO]^2^ [H_2_]</translation>
    </message>
    <message>
        <source>Rate equals 6.32 times the concentration of NO squared times the concentration of H2</source>
        <translation>v es igual a 6.32 por la concentración de NO al cuadrado por la concentración de H2</translation>
    </message>
    <message>
        <source>Rate = k[NO]^2^ [H_2_]</source>
        <translation>v = k[NO]^2^ [H_2_]</translation>
    </message>
    <message>
        <source>Rate equals k times the concentration of NO squared times the concentration of H2</source>
        <translation>v es igual a k por la concentración de NO al cuadrado por la concentración de H2</translation>
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
        <translation>Tabla de cuatro experimentos. Experimento 1: [A] .405, [B] .645, v .6708623. Experimento 2: [A] .784, [B] .472, v 2.513943. Experimento 3: [A] .183, [B] .645, v .13697. Experimento 4: [A] .405, [B] .981, v .6708623. Los experimentos 1 y 4 están sombreados.</translation>
    </message>
    <message>
        <source>General Reaction:  A -&gt; C</source>
        <translation>Reacción general:  A -&gt; C</translation>
    </message>
    <message>
        <source>General reaction: A reacts to give C</source>
        <translation>Reacción general: A reacciona para dar C</translation>
    </message>
    <message>
        <source>[A]</source>
        <translation>[A]</translation>
    </message>
    <message>
        <source>vertical axis: concentration of A</source>
        <translation>eje vertical: concentración de A</translation>
    </message>
    <message>
        <source>ln[A]</source>
        <translation>ln[A]</translation>
    </message>
    <message>
        <source>vertical axis: natural logarithm of the concentration of A</source>
        <translation>eje vertical: logaritmo natural de la concentración de A</translation>
    </message>
    <message>
        <source>1/[A]</source>
        <translation>1/[A]</translation>
    </message>
    <message>
        <source>vertical axis: one over the concentration of A</source>
        <translation>eje vertical: inverso de la concentración de A</translation>
    </message>
    <message>
        <source>time</source>
        <translation>t</translation>
    </message>
    <message>
        <source>horizontal axis: time</source>
        <translation>eje horizontal: tiempo</translation>
    </message>
    <message>
        <source>General Reaction: A + B -&gt; C</source>
        <translation>Reacción general: A + B -&gt; C</translation>
    </message>
    <message>
        <source>General reaction: A plus B reacts to give C</source>
        <translation>Reacción general: A y B reaccionan para dar C</translation>
    </message>
    <message>
        <source>zero-order</source>
        <translation>orden cero</translation>
    </message>
    <message>
        <source>first-order</source>
        <translation>primer orden</translation>
    </message>
    <message>
        <source>second-order</source>
        <translation>segundo orden</translation>
    </message>
    <message>
        <source>[A] vs. time</source>
        <translation>[A] vs. t</translation>
    </message>
    <message>
        <source>ln[A] vs. time</source>
        <translation>ln[A] vs. t</translation>
    </message>
    <message>
        <source>1/[A] vs. time</source>
        <translation>1/[A] vs. t</translation>
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
        <translation>NO2 y CO reaccionan para dar NO y CO2</translation>
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
        <translation>2 NO y 2 H2 reaccionan para dar N2 y 2 H2O</translation>
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
        <translation>2 N2O5 reaccionan para dar 4 NO2 y O2</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Please type numbers with a decimal point, not a comma: 0.5, not 0,5.</source>
        <translation>Use el punto como separador decimal: escriba 0.5, no 0,5.</translation>
    </message>
</context>
<context>
    <name>runtime::ExplanationForm</name>
    <message>
        <source>&amp;Return</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;Approach</source>
        <translation>&amp;Método</translation>
    </message>
</context>
<context>
    <name>runtime::ProblemSlotList</name>
    <message>
        <source>Problem:</source>
        <translation>Problema:</translation>
    </message>
    <message>
        <source>Complete:</source>
        <translation>Resuelto:</translation>
    </message>
    <message>
        <source>Attempts:</source>
        <translation>Intentos:</translation>
    </message>
    <message>
        <source>Problem %1</source>
        <translation>Problema %1</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Problem %1 complete: %2</source>
        <translation>Problema %1 resuelto: %2</translation>
    </message>
    <message>
        <source>Problem %1 attempts: %2</source>
        <translation>Problema %1, intentos: %2</translation>
    </message>
</context>
<context>
    <name>velomira</name>
    <message>
        <source>velomira: unknown option &apos;%1&apos;</source>
        <translation>velomira: opción desconocida «%1»</translation>
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
        <translation>Uso: velomira [opciones]
Un tutorial de química general para determinar y escribir leyes de velocidad.

Opciones:
  -h, --help     Muestra esta ayuda y termina.
  -v, --version  Muestra la versión y termina.
  --summary ARCHIVO...
                 Lee registros de sesión guardados y escribe una tabla de sus totales,
                 una fila por registro, en la salida estándar como CSV; luego termina.

También se aceptan las opciones propias de Qt, como -platform, -style y -reverse.
</translation>
    </message>
    <message>
        <source>velomira: --summary needs the record files to read</source>
        <translation>velomira: --summary necesita los archivos de registro que leer</translation>
    </message>
    <message>
        <source>velomira: the summary&apos;s program could not be started</source>
        <translation>velomira: no se pudo iniciar el programa del resumen</translation>
    </message>
</context>
</TS>
