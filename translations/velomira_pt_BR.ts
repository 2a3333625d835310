<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>ApproachForm</name>
    <message>
        <source>Method of Initial Rates</source>
        <translation>Método das velocidades iniciais</translation>
    </message>
    <message>
        <source>For an overall reaction,</source>
        <translation>Para uma reação global,</translation>
    </message>
    <message>
        <source>the rate law takes the general form:</source>
        <translation>a lei de velocidade tem a forma geral:</translation>
    </message>
    <message>
        <source>Determining the rate law involves determining the order of the reaction with respect to each reactant, A and B, and the value of the rate constant, k. </source>
        <translation>Determinar a lei de velocidade consiste em determinar a ordem de reação em relação a cada reagente, A e B, e o valor da constante de velocidade, k. </translation>
    </message>
    <message>
        <source>Determining Reaction Order</source>
        <translation>Determinação da ordem de reação</translation>
    </message>
    <message>
        <source>The reaction order for a reactant is determined by comparing the reaction rates of two reactions where the concentration of just that reactant changes.</source>
        <translation>A ordem em relação a um reagente é determinada comparando as velocidades de dois experimentos em que só a concentração desse reagente varia.</translation>
    </message>
    <message>
        <source>Trials 1 and 4 above would be appropriate choices for determining the order with respect to [B] because they have the same concentration of A. The change in rate is due solely to the change in [B].</source>
        <translation>Os experimentos 1 e 4 acima são escolhas adequadas para determinar a ordem em relação a [B], pois têm a mesma concentração de A. A variação da velocidade se deve apenas à variação de [B].</translation>
    </message>
    <message>
        <source>This equation can be rewritten to solve for the reaction order:</source>
        <translation>Isolando a ordem de reação, a equação fica:</translation>
    </message>
    <message>
        <source>Determining the Rate Constant, k</source>
        <translation>Determinação da constante de velocidade, k</translation>
    </message>
    <message>
        <source>Once the order of reaction for each reactant is known, the general rate law can be used to determine the numerical value of the rate constant, k. </source>
        <translation>Conhecida a ordem em relação a cada reagente, a lei de velocidade geral permite calcular o valor numérico da constante de velocidade, k. </translation>
    </message>
    <message>
        <source>The rate constant is determined by plugging reaction trial data, and solving for k. Data from any of the reaction trials can be used. Because each trial should give the same value of k, it is often best to calculate k for each trial, and report the average of those values.</source>
        <translation>A constante de velocidade é obtida substituindo na equação os dados de um experimento e isolando k. Os dados de qualquer experimento servem. Como todos os experimentos devem dar o mesmo valor de k, o melhor é calcular k para cada um e apresentar a média desses valores.</translation>
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
        <translation>Para uma reação global,</translation>
    </message>
    <message>
        <source>the rate law takes the general form:</source>
        <translation>a lei de velocidade tem a forma geral:</translation>
    </message>
    <message>
        <source>The Graphical Method can be used to determine the rate law for reactions that have a single reactant. Determining the rate law involves determining the order of the reaction with respect to the single reactant, A, and the value of the rate constant, k.</source>
        <translation>O método gráfico serve para determinar a lei de velocidade de reações com um único reagente. Determinar a lei de velocidade consiste em determinar a ordem de reação em relação a esse reagente, A, e o valor da constante de velocidade, k.</translation>
    </message>
    <message>
        <source>Determining Reaction Order</source>
        <translation>Determinação da ordem de reação</translation>
    </message>
    <message>
        <source>The reaction order for a reactant is determined by constructing three plots of the experimental concentration-time data. The reaction order is determined by seeing which of the three plots gives a straight line.</source>
        <translation>Para determinar a ordem de reação, constroem-se três gráficos com os dados experimentais de concentração e tempo. A ordem é indicada pelo gráfico que der uma reta.</translation>
    </message>
    <message>
        <source>Reaction order     Straight-line plot</source>
        <translation>Ordem de reação   Gráfico linear</translation>
    </message>
    <message>
        <source>For example, a first-order reaction will give a straight-line plot of ln[A] vs. time, but curved plots of [A] vs. time and of 1/[A] vs. time. </source>
        <translation>Por exemplo, uma reação de primeira ordem dá uma reta no gráfico de ln[A] vs. t, mas curvas nos gráficos de [A] vs. t e de 1/[A] vs. t. </translation>
    </message>
    <message>
        <source>Determining the Rate Constant, k</source>
        <translation>Determinação da constante de velocidade, k</translation>
    </message>
    <message>
        <source>Once the appropriate linear plot is constructed, the rate constant is obtained from the slope of the line. The absolute value of the slope directly gives the rate constant.</source>
        <translation>Construído o gráfico linear adequado, a constante de velocidade é obtida da inclinação da reta: o valor absoluto da inclinação é a própria constante de velocidade.</translation>
    </message>
    <message>
        <source>For a first-order reaction, the rate constant is equal to the absolute value of the slope of the straight line obtained for the plot of ln[A] vs. time. For a second-order reaction, the slope of the 1/[A] vs. time plot is used. For a zero-order reaction, the plot of [A] vs. time slope gives the rate constant. Remember, the rate constant is always a positive number.</source>
        <translation>Para uma reação de primeira ordem, a constante de velocidade é igual ao valor absoluto da inclinação da reta obtida no gráfico de ln[A] vs. t. Para uma reação de segunda ordem, usa-se a inclinação do gráfico de 1/[A] vs. t; para uma de ordem zero, a inclinação do gráfico de [A] vs. t. Lembre-se: a constante de velocidade é sempre um número positivo.</translation>
    </message>
</context>
<context>
    <name>GraphicalTutor</name>
    <message>
        <source>Determining Reaction Order.</source>
        <translation>Determinação da ordem de reação.</translation>
    </message>
    <message>
        <source>Determining the Rate Constant, k.</source>
        <translation>Determinação da constante de velocidade, k.</translation>
    </message>
    <message>
        <source>The plot you have is correct for showing the reaction order.</source>
        <translation>Seu gráfico é o correto para mostrar a ordem de reação.</translation>
    </message>
    <message>
        <source>Make the plot that shows the order for the reaction. Then continue.</source>
        <translation>Faça o gráfico que mostra a ordem de reação. Depois, clique em “Continuar”.</translation>
    </message>
    <message>
        <source>This is the same answer as before. Please input a new answer.</source>
        <translation>Esta é a mesma resposta de antes. Digite uma nova resposta.</translation>
    </message>
    <message>
        <source>Make a plot that is linear.</source>
        <translation>Faça um gráfico que dê uma reta.</translation>
    </message>
    <message>
        <source>Good. This plot is linear. This indicates the reaction order. Enter a new reaction order.</source>
        <translation>Muito bem. Este gráfico é linear e indica a ordem de reação. Digite novamente a ordem de reação.</translation>
    </message>
    <message>
        <source>Good. This is the correct order for A.</source>
        <translation>Muito bem. Esta é a ordem correta em relação a A.</translation>
    </message>
    <message>
        <source>Incorrect. The reaction order is determined by which plot gives a linear graph. The type of linear graph expected for each reaction order is below. Try again.</source>
        <translation>Incorreto. A ordem de reação é dada pelo gráfico que resulta em uma reta. Abaixo está o gráfico linear esperado para cada ordem. Tente de novo.</translation>
    </message>
    <message>
        <source>Good. This plot can be used to determine k. Enter a value above.</source>
        <translation>Muito bem. Este gráfico serve para determinar k. Digite um valor acima.</translation>
    </message>
    <message>
        <source>Make the plot that is appropriate for a zero-order reaction.</source>
        <translation>Faça o gráfico adequado a uma reação de ordem zero.</translation>
    </message>
    <message>
        <source>Make the plot that is appropriate for a first-order reaction.</source>
        <translation>Faça o gráfico adequado a uma reação de primeira ordem.</translation>
    </message>
    <message>
        <source>Make the plot that is appropriate for a second-order reaction.</source>
        <translation>Faça o gráfico adequado a uma reação de segunda ordem.</translation>
    </message>
    <message>
        <source>Good. This is the correct value of k.</source>
        <translation>Muito bem. Este é o valor correto de k.</translation>
    </message>
    <message>
        <source>This is not correct. Perform the least squares analysis on the plot. Enter the rate constant above.</source>
        <translation>Não está correto. Faça o ajuste por mínimos quadrados no gráfico. Digite a constante de velocidade acima.</translation>
    </message>
    <message>
        <source>Get the least squares information by clicking on lst. squares button.</source>
        <translation>Clique em “Regressão” para obter os dados da reta de mínimos quadrados.</translation>
    </message>
    <message>
        <source>The rate constant for a zero-order reaction is equal to the absolute value of the slope of a plot of [A] vs. time.</source>
        <translation>Para uma reação de ordem zero, a constante de velocidade é igual ao valor absoluto da inclinação do gráfico de [A] vs. t.</translation>
    </message>
    <message>
        <source>The rate constant for a first-order reaction is equal to the absolute value of the slope of a plot of ln[A] vs. time.</source>
        <translation>Para uma reação de primeira ordem, a constante de velocidade é igual ao valor absoluto da inclinação do gráfico de ln[A] vs. t.</translation>
    </message>
    <message>
        <source>The rate constant for a second-order reaction is equal to the absolute value of the slope of a plot of 1/[A] vs. time.</source>
        <translation>Para uma reação de segunda ordem, a constante de velocidade é igual ao valor absoluto da inclinação do gráfico de 1/[A] vs. t.</translation>
    </message>
</context>
<context>
    <name>GuidedTutor</name>
    <message>
        <source>This is the same answer as before. Please input a new answer.</source>
        <translation>Esta é a mesma resposta de antes. Digite uma nova resposta.</translation>
    </message>
    <message>
        <source>Determining Order with Respect to [A]</source>
        <translation>Determinação da ordem em relação a [A]</translation>
    </message>
    <message>
        <source>Choose two reactions from those to the left that can be used to determine the order with respect to [A]. Click continue when ready.</source>
        <translation>Escolha à esquerda dois experimentos que permitam determinar a ordem em relação a [A]. Depois, clique em “Continuar”.</translation>
    </message>
    <message>
        <source>Determining Order with Respect to [B]</source>
        <translation>Determinação da ordem em relação a [B]</translation>
    </message>
    <message>
        <source>Choose two reactions from those to the left that can be used to determine the order with respect to [B]. Click continue when ready.</source>
        <translation>Escolha à esquerda dois experimentos que permitam determinar a ordem em relação a [B]. Depois, clique em “Continuar”.</translation>
    </message>
    <message>
        <source>Determining the rate constant, k.</source>
        <translation>Determinação da constante de velocidade, k.</translation>
    </message>
    <message>
        <source>Select one reaction from those to the left to use to determine the rate constant.</source>
        <translation>Escolha à esquerda um experimento para determinar a constante de velocidade.</translation>
    </message>
    <message>
        <source>Choose two reactions that have equal [B].</source>
        <translation>Escolha dois experimentos com [B] igual.</translation>
    </message>
    <message>
        <source>Choose two reactions that have equal [A].</source>
        <translation>Escolha dois experimentos com [A] igual.</translation>
    </message>
    <message>
        <source>Good. These two reactions have equal [B]. The change in rate is due only to changes in [A]. Use these data and the general equation; enter the order for A above.</source>
        <translation>Muito bem. Esses dois experimentos têm [B] igual. A variação da velocidade se deve apenas à variação de [A]. Use esses dados e a equação geral e digite acima a ordem em relação a A.</translation>
    </message>
    <message>
        <source>Good. These two reactions have equal [A]. The change in rate is due only to changes in [B]. Use these data and the general equation; enter the order for B above.</source>
        <translation>Muito bem. Esses dois experimentos têm [A] igual. A variação da velocidade se deve apenas à variação de [B]. Use esses dados e a equação geral e digite acima a ordem em relação a B.</translation>
    </message>
    <message>
        <source>Good. This is the correct order for A.</source>
        <translation>Muito bem. Esta é a ordem correta em relação a A.</translation>
    </message>
    <message>
        <source>Good. This is the correct order for B.</source>
        <translation>Muito bem. Esta é a ordem correta em relação a B.</translation>
    </message>
    <message>
        <source>This is not correct. Here is more detail on how the math works.</source>
        <translation>Não está correto. Veja o cálculo em mais detalhes.</translation>
    </message>
    <message>
        <source>Choose a reaction from the list to the left. Any one will do.</source>
        <translation>Escolha um experimento da lista à esquerda. Qualquer um serve.</translation>
    </message>
    <message>
        <source>Good. This reaction data can be used to determine k.</source>
        <translation>Muito bem. Os dados deste experimento servem para determinar k.</translation>
    </message>
    <message>
        <source>Good. This is the correct value of k.</source>
        <translation>Muito bem. Este é o valor correto de k.</translation>
    </message>
    <message>
        <source>Cannot divide by a rate of 0.</source>
        <translation>Não é possível dividir por uma velocidade igual a 0.</translation>
    </message>
    <message>
        <source>log(%1) = order x log(%2)</source>
        <translation>log(%1) = ordem × log(%2)</translation>
    </message>
</context>
<context>
    <name>RateLawChecker</name>
    <message>
        <source>The rate law must contain the variable for the rate constant, k.</source>
        <translation>A lei de velocidade deve conter a constante de velocidade, k.</translation>
    </message>
    <message>
        <source>The rate law should begin with &apos;Rate =&apos;.</source>
        <translation>A lei de velocidade deve começar com “v =”.</translation>
    </message>
    <message>
        <source>The compound %1 should be in your rate law.</source>
        <translation>O composto %1 deve aparecer na sua lei de velocidade.</translation>
    </message>
    <message>
        <source>The order with respect to %1 is not correct.</source>
        <translation>A ordem em relação a %1 não está correta.</translation>
    </message>
    <message>
        <source>When the order with respect to a reactant is 1, the number 1 does not need to be written as a superscript following that reactant&apos;s concentration.</source>
        <translation>Quando a ordem em relação a um reagente é 1, não é preciso escrever o 1 como expoente depois da concentração desse reagente.</translation>
    </message>
    <message>
        <source>Check how the rate law is written: each order goes between two carets right after its concentration, and nothing else belongs in the rate law.</source>
        <translation>Confira a escrita da lei de velocidade: cada ordem vai entre dois acentos circunflexos logo após a sua concentração, e nada mais deve constar na lei de velocidade.</translation>
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
        <translation>Dióxido de nitrogênio + monóxido de carbono</translation>
    </message>
    <message>
        <source>Nitrogen dioxide reacts with carbon monoxide to form nitrogen monoxide and carbon dioxide. The reaction is first order with respect to each of the reactants.</source>
        <translation>O dióxido de nitrogênio reage com o monóxido de carbono formando monóxido de nitrogênio e dióxido de carbono. A reação é de primeira ordem em relação a cada reagente.</translation>
    </message>
    <message>
        <source>Nitrogen monoxide + hydrogen</source>
        <translation>Monóxido de nitrogênio + hidrogênio</translation>
    </message>
    <message>
        <source>Nitrogen monoxide and hydrogen react to form nitrogen and water. The reaction is second order in nitrogen monoxide and first order in hydrogen.</source>
        <translation>O monóxido de nitrogênio e o hidrogênio reagem formando nitrogênio e água. A reação é de segunda ordem em relação ao monóxido de nitrogênio e de primeira ordem em relação ao hidrogênio.</translation>
    </message>
    <message>
        <source>Decomposition of dinitrogen pentoxide</source>
        <translation>Decomposição do pentóxido de dinitrogênio</translation>
    </message>
    <message>
        <source>Dinitrogen pentoxide decomposes to give nitrogen dioxide and dioxygen. The reaction is first order in dinitrogen pentoxide.</source>
        <translation>O pentóxido de dinitrogênio se decompõe formando dióxido de nitrogênio e oxigênio. A reação é de primeira ordem em relação ao pentóxido de dinitrogênio.</translation>
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
        <translation>Para uma reação global,</translation>
    </message>
    <message>
        <source>the rate law takes the general form:</source>
        <translation>a lei de velocidade tem a forma geral:</translation>
    </message>
    <message>
        <source>Determining the rate law involves determining the order of the reaction with respect to each reactant, A and B, and the value of the rate constant, k. </source>
        <translation>Determinar a lei de velocidade consiste em determinar a ordem de reação em relação a cada reagente, A e B, e o valor da constante de velocidade, k. </translation>
    </message>
    <message>
        <source>For example, the reaction of nitrogen monoxide and hydrogen to form nitrogen and water</source>
        <translation>Por exemplo, a reação entre monóxido de nitrogênio e hidrogênio que forma nitrogênio e água</translation>
    </message>
    <message>
        <source>is second order in nitrogen monoxide and first order with respect to hydrogen. The rate constant is 6.32 at 904 degrees C. The rate law is therefore written as</source>
        <translation>é de segunda ordem em relação ao monóxido de nitrogênio e de primeira ordem em relação ao hidrogênio. A 904 °C, a constante de velocidade é 6.32. Portanto, a lei de velocidade é escrita como</translation>
    </message>
    <message>
        <source>When the numerical value of the rate constant is not known, the rate law uses the lower case k.</source>
        <translation>Quando o valor numérico da constante de velocidade não é conhecido, a lei de velocidade usa a letra k minúscula.</translation>
    </message>
    <message>
        <source>Tutor Modules</source>
        <translation>Módulos</translation>
    </message>
    <message>
        <source>Writing Rate Laws</source>
        <translation>Escrever leis de velocidade</translation>
    </message>
    <message>
        <source>Determining Rate Laws by the Method of Initial Rates</source>
        <translation>Leis de velocidade pelo método das velocidades iniciais</translation>
    </message>
    <message>
        <source>Determining Rate Laws by the Graphical Method</source>
        <translation>Leis de velocidade pelo método gráfico</translation>
    </message>
</context>
<context>
    <name>RateTutor</name>
    <message>
        <source>Method of Initial Rates</source>
        <translation>Método das velocidades iniciais</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Dificuldade</translation>
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
        <translation>Os quatro conjuntos de dados abaixo foram obtidos realizando a reação estudada quatro vezes, cada vez com concentrações iniciais diferentes dos reagentes. Os quatro experimentos foram feitos à mesma temperatura.</translation>
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
        <translation>Complete a lei de velocidade abaixo preenchendo os três campos:</translation>
    </message>
    <message>
        <source>Rate = </source>
        <translation>v = </translation>
    </message>
    <message>
        <source>rate constant k</source>
        <translation>constante de velocidade k</translation>
    </message>
    <message>
        <source>[A]</source>
        <translation>[A]</translation>
    </message>
    <message>
        <source>order in A</source>
        <translation>ordem em relação a A</translation>
    </message>
    <message>
        <source>[B]</source>
        <translation>[B]</translation>
    </message>
    <message>
        <source>order in B</source>
        <translation>ordem em relação a B</translation>
    </message>
    <message>
        <source>Work in the tutoring area below.</source>
        <translation>Trabalhe na área de orientação abaixo.</translation>
    </message>
    <message>
        <source>order</source>
        <translation>ordem</translation>
    </message>
    <message>
        <source>k = </source>
        <translation>k = </translation>
    </message>
    <message>
        <source>No tutoring available for last two problems. Use the first four problems as a guide to how to solve these problems.</source>
        <translation>Os dois últimos problemas não têm orientação. Resolva-os como os quatro primeiros.</translation>
    </message>
    <message>
        <source>Please choose a Problem to solve.</source>
        <translation>Escolha um problema para resolver.</translation>
    </message>
    <message>
        <source>Please fill in all three answers.</source>
        <translation>Preencha as três respostas.</translation>
    </message>
    <message>
        <source>Problem Complete.</source>
        <translation>Problema resolvido.</translation>
    </message>
    <message>
        <source>Correct order with respect to A.</source>
        <translation>Ordem em relação a A correta.</translation>
    </message>
    <message>
        <source>Incorrect order with respect to A.</source>
        <translation>Ordem em relação a A incorreta.</translation>
    </message>
    <message>
        <source>Correct order with respect to B.</source>
        <translation>Ordem em relação a B correta.</translation>
    </message>
    <message>
        <source>Incorrect order with respect to B.</source>
        <translation>Ordem em relação a B incorreta.</translation>
    </message>
    <message>
        <source>Correct rate constant.</source>
        <translation>Constante de velocidade correta.</translation>
    </message>
    <message>
        <source>Incorrect rate constant.</source>
        <translation>Constante de velocidade incorreta.</translation>
    </message>
    <message>
        <source>No calculator program was found on this computer.</source>
        <translation>Nenhuma calculadora foi encontrada neste computador.</translation>
    </message>
    <message>
        <source>The calculator program could not be started.</source>
        <translation>Não foi possível abrir a calculadora.</translation>
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
        <translation>Orientação</translation>
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
        <translation>ordem em relação a A: %1; ordem em relação a B: %2; k: %3</translation>
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
        <translation>Os dados de concentração e tempo abaixo foram obtidos realizando a reação a temperatura constante. Todos vêm de um único experimento.</translation>
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
        <translation>Complete a lei de velocidade abaixo preenchendo os campos:</translation>
    </message>
    <message>
        <source>Rate = </source>
        <translation>v = </translation>
    </message>
    <message>
        <source>rate constant k</source>
        <translation>constante de velocidade k</translation>
    </message>
    <message>
        <source>[A]</source>
        <translation>[A]</translation>
    </message>
    <message>
        <source>order in A</source>
        <translation>ordem em relação a A</translation>
    </message>
    <message>
        <source>Work in the tutoring area below.</source>
        <translation>Trabalhe na área de orientação abaixo.</translation>
    </message>
    <message>
        <source>Choose a plot type to plot the data.</source>
        <translation>Escolha um tipo de gráfico para os dados.</translation>
    </message>
    <message>
        <source>plot of the data against time</source>
        <translation>gráfico dos dados em função do tempo</translation>
    </message>
    <message>
        <source>Slope:</source>
        <translation>Inclinação:</translation>
    </message>
    <message>
        <source>Intercept:</source>
        <translation>Intercepto:</translation>
    </message>
    <message>
        <source>How close the points lie to a straight line: 1 for a perfectly straight plot.</source>
        <translation>Quanto os pontos se aproximam de uma reta: 1 para uma reta perfeita.</translation>
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
        <translation>Os dois últimos problemas não têm orientação. Resolva-os como os quatro primeiros.</translation>
    </message>
    <message>
        <source>Determining Reaction Order</source>
        <translation>Determinação da ordem de reação</translation>
    </message>
    <message>
        <source>Choose a plot type from the three below to plot the experimental data.</source>
        <translation>Escolha abaixo um dos três tipos de gráfico para os dados experimentais.</translation>
    </message>
    <message>
        <source>Select one of the plot types below.</source>
        <translation>Escolha um dos tipos de gráfico abaixo.</translation>
    </message>
    <message>
        <source>No graph made.</source>
        <translation>Ainda não há gráfico.</translation>
    </message>
    <message>
        <source>Slope: </source>
        <translation>Inclinação: </translation>
    </message>
    <message>
        <source>Intercept: </source>
        <translation>Intercepto: </translation>
    </message>
    <message>
        <source>|r| = %1</source>
        <translation>|r| = %1</translation>
    </message>
    <message>
        <source>Please choose a Problem to solve.</source>
        <translation>Escolha um problema para resolver.</translation>
    </message>
    <message>
        <source>Please fill in both answers.</source>
        <translation>Preencha as duas respostas.</translation>
    </message>
    <message>
        <source>Problem complete.</source>
        <translation>Problema resolvido.</translation>
    </message>
    <message>
        <source>Correct order.</source>
        <translation>Ordem correta.</translation>
    </message>
    <message>
        <source>Incorrect order.</source>
        <translation>Ordem incorreta.</translation>
    </message>
    <message>
        <source>Correct k.</source>
        <translation>Valor de k correto.</translation>
    </message>
    <message>
        <source>Incorrect k.</source>
        <translation>Valor de k incorreto.</translation>
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
        <translation>Área de trabalho</translation>
    </message>
    <message>
        <source>&amp;plot</source>
        <translation>&amp;Gráfico</translation>
    </message>
    <message>
        <source>&amp;lst. squares</source>
        <translation>&amp;Regressão</translation>
    </message>
    <message>
        <source>Tutoring</source>
        <translation>Orientação</translation>
    </message>
    <message>
        <source>&amp;continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>Least-squares line: slope %1, intercept %2.</source>
        <translation>Reta de mínimos quadrados: inclinação %1, intercepto %2.</translation>
    </message>
    <message>
        <source>(%1, %2)</source>
        <translation>(%1, %2)</translation>
    </message>
    <message>
        <source>%1, points at 0 to 8 minutes: %2.</source>
        <translation>%1, pontos de 0 a 8 minutos: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>order with respect to A: %1; k: %2</source>
        <translation>ordem em relação a A: %1; k: %2</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Reaction</source>
        <translation>Reação</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Tentativas</translation>
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
        <translation>Dificuldade</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Resolvido</translation>
    </message>
    <message>
        <source>Guided tutoring</source>
        <translation>Orientação</translation>
    </message>
    <message>
        <source>Answer submitted</source>
        <translation>Resposta enviada</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correto</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Incorreto</translation>
    </message>
    <message>
        <source>Problem %1</source>
        <translation>Problema %1</translation>
    </message>
    <message>
        <source>Reactions written correctly: %1 of %2. Attempts: %3.</source>
        <translation>Leis de velocidade corretas: %1 de %2. Tentativas: %3.</translation>
    </message>
    <message>
        <source>Problems completed: %1 of %2. Attempts: %3.</source>
        <translation>Problemas resolvidos: %1 de %2. Tentativas: %3.</translation>
    </message>
    <message>
        <source>Save Record</source>
        <translation>Salvar registro</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The record could not be saved as %1: %2
Please choose another place.</source>
        <translation>Não foi possível salvar o registro como %1: %2
Escolha outro local.</translation>
    </message>
    <message>
        <source>Print Record</source>
        <translation>Imprimir registro</translation>
    </message>
    <message>
        <source>The record could not be printed.</source>
        <translation>Não foi possível imprimir o registro.</translation>
    </message>
    <message>
        <source>Velomira session record</source>
        <translation>Registro da sessão do Velomira</translation>
    </message>
    <message>
        <source>Velomira %1</source>
        <translation>Velomira %1</translation>
    </message>
    <message>
        <source>Session started: %1</source>
        <translation>Início da sessão: %1</translation>
    </message>
    <message>
        <source>Record made: %1</source>
        <translation>Registro criado: %1</translation>
    </message>
    <message>
        <source>Nothing has been attempted in this session yet.</source>
        <translation>Ainda não houve tentativas nesta sessão.</translation>
    </message>
    <message>
        <source>&amp;Save Record…</source>
        <translation>&amp;Salvar registro…</translation>
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
        <translation>Salvar ou imprimir um registro desta sessão</translation>
    </message>
    <message>
        <source>Your name, as the record should carry it (it may stay empty):</source>
        <translation>Seu nome, como deve constar no registro (pode ficar vazio):</translation>
    </message>
    <message>
        <source>&amp;Name on Record…</source>
        <translation>&amp;Nome no registro…</translation>
    </message>
    <message>
        <source>Some of this session&apos;s work is in no saved or printed record, and it is lost if the program ends now. The session so far:

%1

Save the record first?</source>
        <translation>Parte do trabalho desta sessão não está em nenhum registro salvo ou impresso e se perde se o programa terminar agora. A sessão até aqui:

%1

Salvar o registro primeiro?</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Salvar…</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>Student: %1</source>
        <translation>Estudante: %1</translation>
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
        <translation>não pode ser lido: %1</translation>
    </message>
    <message>
        <source>is not a Velomira record (not a PDF file)</source>
        <translation>não é um registro do Velomira (não é um arquivo PDF)</translation>
    </message>
    <message>
        <source>is damaged or incomplete: it cannot be read as a PDF file</source>
        <translation>está danificado ou incompleto: não pode ser lido como arquivo PDF</translation>
    </message>
    <message>
        <source>is not a Velomira record</source>
        <translation>não é um registro do Velomira</translation>
    </message>
    <message>
        <source>is a record of a newer format (version %1) than this Velomira reads (version %2)</source>
        <translation>é um registro de um formato mais novo (versão %1) do que este Velomira lê (versão %2)</translation>
    </message>
    <message>
        <source>is damaged: its record data cannot be read</source>
        <translation>está danificado: seus dados de registro não podem ser lidos</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Estudante</translation>
    </message>
    <message>
        <source>Record made</source>
        <translation>Registro criado</translation>
    </message>
    <message>
        <source>Method of Initial Rates: problems completed</source>
        <translation>Método das velocidades iniciais: problemas resolvidos</translation>
    </message>
    <message>
        <source>Method of Initial Rates: attempts</source>
        <translation>Método das velocidades iniciais: tentativas</translation>
    </message>
    <message>
        <source>Graphical Method: problems completed</source>
        <translation>Método gráfico: problemas resolvidos</translation>
    </message>
    <message>
        <source>Graphical Method: attempts</source>
        <translation>Método gráfico: tentativas</translation>
    </message>
    <message>
        <source>Writing Rate Laws: reactions written correctly</source>
        <translation>Escrever leis de velocidade: leis de velocidade corretas</translation>
    </message>
    <message>
        <source>Writing Rate Laws: attempts</source>
        <translation>Escrever leis de velocidade: tentativas</translation>
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
        <translation>Escrever leis de velocidade</translation>
    </message>
    <message>
        <source>For an overall reaction,</source>
        <translation>Para uma reação global,</translation>
    </message>
    <message>
        <source>the rate law takes the general form:</source>
        <translation>a lei de velocidade tem a forma geral:</translation>
    </message>
    <message>
        <source>This module is for testing your ability to write rate laws in the correct format. Choose and solve each of the following problems.</source>
        <translation>Este módulo testa sua capacidade de escrever leis de velocidade no formato correto. Escolha e resolva cada um dos problemas a seguir.</translation>
    </message>
    <message>
        <source>Write the rate law for this reaction below. Place subscript numbers between underscores, and superscripts between carets. For example, sulfate ion is entered as SO_4_^2-^. Start your answer with  &quot;Rate =&quot;.</source>
        <translation>Escreva abaixo a lei de velocidade desta reação. Coloque os subscritos entre sublinhados e os sobrescritos entre acentos circunflexos: o íon sulfato, por exemplo, é digitado como SO_4_^2-^. Comece a resposta com “v =”.</translation>
    </message>
    <message>
        <source>enter the rate law here</source>
        <translation>digite aqui a lei de velocidade</translation>
    </message>
    <message>
        <source>Rate law</source>
        <translation>Lei de velocidade</translation>
    </message>
    <message>
        <source>Feedback:</source>
        <translation>Comentários:</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correto</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Incorreto</translation>
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
        <translation>A e B reagem formando C</translation>
    </message>
    <message>
        <source>A -&gt; C</source>
        <translation>A -&gt; C</translation>
    </message>
    <message>
        <source>A reacts to give C</source>
        <translation>A reage formando C</translation>
    </message>
    <message>
        <source>Rate = k[A]^orderA^[B]^orderB^</source>
        <extracomment>Picture markup: a superscript stands between carets.</extracomment>
        <translation>v = k[A]^a^[B]^b^</translation>
    </message>
    <message>
        <source>Rate equals k times the concentration of A to the power order A times the concentration of B to the power order B</source>
        <translation>v é igual a k vezes a concentração de A elevada à potência a, vezes a concentração de B elevada à potência b; a e b são as ordens de reação</translation>
    </message>
    <message>
        <source>rate = k[A]^orderA^[B]^orderB^</source>
        <extracomment>Picture markup: a superscript stands between carets.</extracomment>
        <translation>v = k[A]^a^[B]^b^</translation>
    </message>
    <message>
        <source>rate equals k times the concentration of A to the power order A times the concentration of B to the power order B</source>
        <translation>v é igual a k vezes a concentração de A elevada à potência a, vezes a concentração de B elevada à potência b; a e b são as ordens de reação</translation>
    </message>
    <message>
        <source>rate = k[A]^orderA^</source>
        <translation>v = k[A]^a^</translation>
    </message>
    <message>
        <source>rate equals k times the concentration of A to the power order A</source>
        <translation>v é igual a k vezes a concentração de A elevada à potência a; a é a ordem de reação</translation>
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
        <translation>k é igual a v dividido pelo produto da concentração de A elevada à potência a pela concentração de B elevada à potência b</translation>
    </message>
    <message>
        <source>rate_%1_</source>
        <extracomment>Picture markup: the rate of trial %1, the number as a subscript between underscores.</extracomment>
        <translation>v_%1_</translation>
    </message>
    <message>
        <source>[reactant]_%1_</source>
        <extracomment>Picture markup: the reactant&apos;s concentration in trial %1, the number as a subscript.</extracomment>
        <translation>[reagente]_%1_</translation>
    </message>
    <message>
        <source>order</source>
        <translation>ordem</translation>
    </message>
    <message>
        <source>rate %1 over rate %2 equals the ratio of the reactant concentrations in trials %1 and %2, raised to the power order</source>
        <translation>v %1 sobre v %2 é igual à razão entre as concentrações do reagente nos experimentos %1 e %2, elevada à ordem</translation>
    </message>
    <message>
        <source>log</source>
        <translation>log</translation>
    </message>
    <message>
        <source>order = </source>
        <translation>ordem = </translation>
    </message>
    <message>
        <source>order equals the logarithm of rate %1 over rate %2, divided by the logarithm of the reactant concentration in trial %1 over that in trial %2</source>
        <translation>ordem é igual ao logaritmo de v %1 sobre v %2, dividido pelo logaritmo da concentração do reagente no experimento %1 sobre a do experimento %2</translation>
    </message>
    <message>
        <source>2 NO(g) + 2 H_2_(g) -&gt; N_2_(g) + 2 H_2_O(g)</source>
        <extracomment>Picture markup: a subscript stands between underscores.</extracomment>
        <translation>2 NO(g) + 2 H_2_(g) -&gt; N_2_(g) + 2 H_2_O(g)</translation>
    </message>
    <message>
        <source>2 NO gas plus 2 H2 gas react to give N2 gas plus 2 H2O gas</source>
        <translation>2 NO gasoso e 2 H2 gasoso reagem formando N2 gasoso e 2 H2O gasoso</translation>
    </message>
    <message>
        <source>Rate = 6.32 [NO]^2^ [H_2_]</source>
        <translation>v = 6.32 [NO]^2^ [H_2_]</translation>
    </message>
    <message>
        <source>Rate equals 6.32 times the concentration of NO squared times the concentration of H2</source>
        <translation>v é igual a 6.32 vezes a concentração de NO ao quadrado vezes a concentração de H2</translation>
    </message>
    <message>
        <source>Rate = k[NO]^2^ [H_2_]</source>
        <translation>v = k[NO]^2^ [H_2_]</translation>
    </message>
    <message>
        <source>Rate equals k times the concentration of NO squared times the concentration of H2</source>
        <translation>v é igual a k vezes a concentração de NO ao quadrado vezes a concentração de H2</translation>
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
        <translation>Tabela de quatro experimentos. Experimento 1: [A] .405, [B] .645, v .6708623. Experimento 2: [A] .784, [B] .472, v 2.513943. Experimento 3: [A] .183, [B] .645, v .13697. Experimento 4: [A] .405, [B] .981, v .6708623. Os experimentos 1 e 4 estão destacados.</translation>
    </message>
    <message>
        <source>General Reaction:  A -&gt; C</source>
        <translation>Reação geral:  A -&gt; C</translation>
    </message>
    <message>
        <source>General reaction: A reacts to give C</source>
        <translation>Reação geral: A reage formando C</translation>
    </message>
    <message>
        <source>[A]</source>
        <translation>[A]</translation>
    </message>
    <message>
        <source>vertical axis: concentration of A</source>
        <translation>eixo vertical: concentração de A</translation>
    </message>
    <message>
        <source>ln[A]</source>
        <translation>ln[A]</translation>
    </message>
    <message>
        <source>vertical axis: natural logarithm of the concentration of A</source>
        <translation>eixo vertical: logaritmo natural da concentração de A</translation>
    </message>
    <message>
        <source>1/[A]</source>
        <translation>1/[A]</translation>
    </message>
    <message>
        <source>vertical axis: one over the concentration of A</source>
        <translation>eixo vertical: inverso da concentração de A</translation>
    </message>
    <message>
        <source>time</source>
        <translation>tempo</translation>
    </message>
    <message>
        <source>horizontal axis: time</source>
        <translation>eixo horizontal: tempo</translation>
    </message>
    <message>
        <source>General Reaction: A + B -&gt; C</source>
        <translation>Reação geral: A + B -&gt; C</translation>
    </message>
    <message>
        <source>General reaction: A plus B reacts to give C</source>
        <translation>Reação geral: A e B reagem formando C</translation>
    </message>
    <message>
        <source>zero-order</source>
        <translation>ordem zero</translation>
    </message>
    <message>
        <source>first-order</source>
        <translation>primeira ordem</translation>
    </message>
    <message>
        <source>second-order</source>
        <translation>segunda ordem</translation>
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
        <translation>NO2 e CO reagem formando NO e CO2</translation>
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
        <translation>2 NO e 2 H2 reagem formando N2 e 2 H2O</translation>
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
        <translation>2 N2O5 reagem formando 4 NO2 e O2</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Please type numbers with a decimal point, not a comma: 0.5, not 0,5.</source>
        <translation>Neste programa, use ponto, e não vírgula, nos números decimais: digite 0.5, e não 0,5.</translation>
    </message>
</context>
<context>
    <name>runtime::ExplanationForm</name>
    <message>
        <source>&amp;Return</source>
        <translation>&amp;Voltar</translation>
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
        <translation>Resolvido:</translation>
    </message>
    <message>
        <source>Attempts:</source>
        <translation>Tentativas:</translation>
    </message>
    <message>
        <source>Problem %1</source>
        <translation>Problema %1</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Problem %1 complete: %2</source>
        <translation>Problema %1 resolvido: %2</translation>
    </message>
    <message>
        <source>Problem %1 attempts: %2</source>
        <translation>Problema %1, tentativas: %2</translation>
    </message>
</context>
<context>
    <name>velomira</name>
    <message>
        <source>velomira: unknown option &apos;%1&apos;</source>
        <translation>velomira: opção desconhecida “%1”</translation>
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
        <translation>Uso: velomira [opções]
Um tutorial de química geral para determinar e escrever leis de velocidade.

Opções:
  -h, --help     Mostra esta ajuda e sai.
  -v, --version  Mostra a versão e sai.
  --summary ARQUIVO...
                 Lê registros de sessão salvos e escreve uma tabela de seus totais,
                 uma linha por registro, na saída padrão como CSV; depois sai.

As opções do próprio Qt, como -platform, -style e -reverse, também são aceitas.
</translation>
    </message>
    <message>
        <source>velomira: --summary needs the record files to read</source>
        <translation>velomira: --summary precisa dos arquivos de registro a ler</translation>
    </message>
    <message>
        <source>velomira: the summary&apos;s program could not be started</source>
        <translation>velomira: não foi possível iniciar o programa do resumo</translation>
    </message>
</context>
</TS>
