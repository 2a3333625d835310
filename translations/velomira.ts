<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>ApproachForm</name>
    <message>
        <source>Method of Initial Rates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For an overall reaction,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rate law takes the general form:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Determining the rate law involves determining the order of the reaction with respect to each reactant, A and B, and the value of the rate constant, k. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Determining Reaction Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reaction order for a reactant is determined by comparing the reaction rates of two reactions where the concentration of just that reactant changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trials 1 and 4 above would be appropriate choices for determining the order with respect to [B] because they have the same concentration of A. The change in rate is due solely to the change in [B].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This equation can be rewritten to solve for the reaction order:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Determining the Rate Constant, k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once the order of reaction for each reactant is known, the general rate law can be used to determine the numerical value of the rate constant, k. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rate constant is determined by plugging reaction trial data, and solving for k. Data from any of the reaction trials can be used. Because each trial should give the same value of k, it is often best to calculate k for each trial, and report the average of those values.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ApproachForm2</name>
    <message>
        <source>Graphical Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For an overall reaction,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rate law takes the general form:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Graphical Method can be used to determine the rate law for reactions that have a single reactant. Determining the rate law involves determining the order of the reaction with respect to the single reactant, A, and the value of the rate constant, k.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Determining Reaction Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reaction order for a reactant is determined by constructing three plots of the experimental concentration-time data. The reaction order is determined by seeing which of the three plots gives a straight line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reaction order     Straight-line plot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For example, a first-order reaction will give a straight-line plot of ln[A] vs. time, but curved plots of [A] vs. time and of 1/[A] vs. time. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Determining the Rate Constant, k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once the appropriate linear plot is constructed, the rate constant is obtained from the slope of the line. The absolute value of the slope directly gives the rate constant.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a first-order reaction, the rate constant is equal to the absolute value of the slope of the straight line obtained for the plot of ln[A] vs. time. For a second-order reaction, the slope of the 1/[A] vs. time plot is used. For a zero-order reaction, the plot of [A] vs. time slope gives the rate constant. Remember, the rate constant is always a positive number.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GraphicalTutor</name>
    <message>
        <source>Determining Reaction Order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Determining the Rate Constant, k.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plot you have is correct for showing the reaction order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the plot that shows the order for the reaction. Then continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the same answer as before. Please input a new answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a plot that is linear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good. This plot is linear. This indicates the reaction order. Enter a new reaction order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good. This is the correct order for A.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect. The reaction order is determined by which plot gives a linear graph. The type of linear graph expected for each reaction order is below. Try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good. This plot can be used to determine k. Enter a value above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the plot that is appropriate for a zero-order reaction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the plot that is appropriate for a first-order reaction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the plot that is appropriate for a second-order reaction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good. This is the correct value of k.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not correct. Perform the least squares analysis on the plot. Enter the rate constant above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get the least squares information by clicking on lst. squares button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rate constant for a zero-order reaction is equal to the absolute value of the slope of a plot of [A] vs. time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rate constant for a first-order reaction is equal to the absolute value of the slope of a plot of ln[A] vs. time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rate constant for a second-order reaction is equal to the absolute value of the slope of a plot of 1/[A] vs. time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GuidedTutor</name>
    <message>
        <source>This is the same answer as before. Please input a new answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Determining Order with Respect to [A]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose two reactions from those to the left that can be used to determine the order with respect to [A]. Click continue when ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Determining Order with Respect to [B]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose two reactions from those to the left that can be used to determine the order with respect to [B]. Click continue when ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Determining the rate constant, k.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select one reaction from those to the left to use to determine the rate constant.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose two reactions that have equal [B].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose two reactions that have equal [A].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good. These two reactions have equal [B]. The change in rate is due only to changes in [A]. Use these data and the general equation; enter the order for A above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good. These two reactions have equal [A]. The change in rate is due only to changes in [B]. Use these data and the general equation; enter the order for B above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good. This is the correct order for A.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good. This is the correct order for B.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not correct. Here is more detail on how the math works.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a reaction from the list to the left. Any one will do.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good. This reaction data can be used to determine k.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good. This is the correct value of k.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot divide by a rate of 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>log(%1) = order x log(%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RateLawChecker</name>
    <message>
        <source>The rate law must contain the variable for the rate constant, k.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rate law should begin with &apos;Rate =&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The compound %1 should be in your rate law.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The order with respect to %1 is not correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the order with respect to a reactant is 1, the number 1 does not need to be written as a superscript following that reactant&apos;s concentration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check how the rate law is written: each order goes between two carets right after its concentration, and nothing else belongs in the rate law.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate</source>
        <comment>the symbol for the rate that begins a typed rate law, as this language&apos;s pictures write it (German: v)</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RateLawProblem</name>
    <message>
        <source>Nitrogen dioxide + carbon monoxide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nitrogen dioxide reacts with carbon monoxide to form nitrogen monoxide and carbon dioxide. The reaction is first order with respect to each of the reactants.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nitrogen monoxide + hydrogen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nitrogen monoxide and hydrogen react to form nitrogen and water. The reaction is second order in nitrogen monoxide and first order in hydrogen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decomposition of dinitrogen pentoxide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dinitrogen pentoxide decomposes to give nitrogen dioxide and dioxygen. The reaction is first order in dinitrogen pentoxide.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RateStart</name>
    <message>
        <source>Velomira</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For an overall reaction,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rate law takes the general form:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Determining the rate law involves determining the order of the reaction with respect to each reactant, A and B, and the value of the rate constant, k. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For example, the reaction of nitrogen monoxide and hydrogen to form nitrogen and water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is second order in nitrogen monoxide and first order with respect to hydrogen. The rate constant is 6.32 at 904 degrees C. The rate law is therefore written as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the numerical value of the rate constant is not known, the rate law uses the lower case k.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tutor Modules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing Rate Laws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Determining Rate Laws by the Method of Initial Rates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Determining Rate Laws by the Graphical Method</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RateTutor</name>
    <message>
        <source>Method of Initial Rates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relatively Easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moderately Difficult</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The four sets of data below were collected by running the reaction of interest four times, each time using different initial concentrations of each reactant. Each of the four experiments was performed at the same temperature.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[A], mol/L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[B], mol/L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rate, mol/L-min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trial %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete the rate law below by filling in each of the three boxes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rate constant k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[A]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>order in A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[B]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>order in B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work in the tutoring area below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>k = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No tutoring available for last two problems. Use the first four problems as a guide to how to solve these problems.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose a Problem to solve.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please fill in all three answers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem Complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct order with respect to A.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect order with respect to A.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct order with respect to B.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect order with respect to B.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct rate constant.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect rate constant.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No calculator program was found on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculator program could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ca&amp;lculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tutoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: [A] %2 mol/L, [B] %3 mol/L, rate %4 mol/L-min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>order with respect to A: %1; order with respect to B: %2; k: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RateTutor2</name>
    <message>
        <source>Graphical Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The concentration time data below were collected by running the reaction at a constant temperature. These are data taken for a single trial of the reaction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time, min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[A], mol/L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete the rate law below by filling in each box:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rate constant k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[A]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>order in A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work in the tutoring area below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a plot type to plot the data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plot of the data against time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slope:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intercept:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How close the points lie to a straight line: 1 for a perfectly straight plot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[A] vs. time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ln[A] vs. time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/[A] vs. time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No tutoring available for last two problems. Use the first four problems as a guide to how to solve these problems.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Determining Reaction Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a plot type from the three below to plot the experimental data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select one of the plot types below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No graph made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slope: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intercept: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|r| = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose a Problem to solve.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please fill in both answers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct k.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect k.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;plot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;lst. squares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tutoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Least-squares line: slope %1, intercept %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1, %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, points at 0 to 8 minutes: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>order with respect to A: %1; k: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last verdict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guided tutoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer submitted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reactions written correctly: %1 of %2. Attempts: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problems completed: %1 of %2. Attempts: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record could not be saved as %1: %2
Please choose another place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velomira session record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velomira %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session started: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record made: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing has been attempted in this session yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Record…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print Record…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save or print a record of this session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name, as the record should carry it (it may stay empty):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name on Record…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some of this session&apos;s work is in no saved or printed record, and it is lost if the program ends now. The session so far:

%1

Save the record first?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a Velomira record (not a PDF file)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is damaged or incomplete: it cannot be read as a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a Velomira record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a record of a newer format (version %1) than this Velomira reads (version %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is damaged: its record data cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method of Initial Rates: problems completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method of Initial Rates: attempts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphical Method: problems completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphical Method: attempts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing Rate Laws: reactions written correctly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing Rate Laws: attempts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>velomira: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WritingRateLaws</name>
    <message>
        <source>Writing Rate Laws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For an overall reaction,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rate law takes the general form:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This module is for testing your ability to write rate laws in the correct format. Choose and solve each of the following problems.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the rate law for this reaction below. Place subscript numbers between underscores, and superscripts between carets. For example, sulfate ion is entered as SO_4_^2-^. Start your answer with  &quot;Rate =&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enter the rate law here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate law</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>initialrates</name>
    <message>
        <source>Trial %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictures</name>
    <message>
        <source>A + B -&gt; C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A plus B reacts to give C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A -&gt; C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A reacts to give C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate = k[A]^orderA^[B]^orderB^</source>
        <extracomment>Picture markup: a superscript stands between carets.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate equals k times the concentration of A to the power order A times the concentration of B to the power order B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rate = k[A]^orderA^[B]^orderB^</source>
        <extracomment>Picture markup: a superscript stands between carets.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rate equals k times the concentration of A to the power order A times the concentration of B to the power order B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rate = k[A]^orderA^</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rate equals k times the concentration of A to the power order A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>k = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[A]^orderA^[B]^orderB^</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>k equals rate divided by the concentration of A to the power order A times the concentration of B to the power order B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rate_%1_</source>
        <extracomment>Picture markup: the rate of trial %1, the number as a subscript between underscores.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[reactant]_%1_</source>
        <extracomment>Picture markup: the reactant&apos;s concentration in trial %1, the number as a subscript.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rate %1 over rate %2 equals the ratio of the reactant concentrations in trials %1 and %2, raised to the power order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>order = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>order equals the logarithm of rate %1 over rate %2, divided by the logarithm of the reactant concentration in trial %1 over that in trial %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 NO(g) + 2 H_2_(g) -&gt; N_2_(g) + 2 H_2_O(g)</source>
        <extracomment>Picture markup: a subscript stands between underscores.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 NO gas plus 2 H2 gas react to give N2 gas plus 2 H2O gas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate = 6.32 [NO]^2^ [H_2_]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate equals 6.32 times the concentration of NO squared times the concentration of H2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate = k[NO]^2^ [H_2_]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate equals k times the concentration of NO squared times the concentration of H2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[A], mol/L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[B], mol/L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rate, mol/L-min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trial %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table of four trials. Trial 1: [A] .405, [B] .645, rate .6708623. Trial 2: [A] .784, [B] .472, rate 2.513943. Trial 3: [A] .183, [B] .645, rate .13697. Trial 4: [A] .405, [B] .981, rate .6708623. Trials 1 and 4 are shaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General Reaction:  A -&gt; C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General reaction: A reacts to give C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[A]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vertical axis: concentration of A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ln[A]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vertical axis: natural logarithm of the concentration of A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/[A]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vertical axis: one over the concentration of A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>horizontal axis: time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General Reaction: A + B -&gt; C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General reaction: A plus B reacts to give C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zero-order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first-order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>second-order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[A] vs. time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ln[A] vs. time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/[A] vs. time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO_2_ + CO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO + CO_2_</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO2 plus CO react to give NO plus CO2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2NO + 2H_2_</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N_2_ + 2H_2_O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 NO plus 2 H2 react to give N2 plus 2 H2O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 N_2_O_5_</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 NO_2_ + O_2_</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 N2O5 react to give 4 NO2 plus O2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Please type numbers with a decimal point, not a comma: 0.5, not 0,5.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>runtime::ExplanationForm</name>
    <message>
        <source>&amp;Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Approach</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>runtime::ProblemSlotList</name>
    <message>
        <source>Problem:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem %1 complete: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem %1 attempts: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomira</name>
    <message>
        <source>velomira: unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>velomira: --summary needs the record files to read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>velomira: the summary&apos;s program could not be started</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
