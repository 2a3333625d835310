<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>ApproachForm</name>
    <message>
        <source>Method of Initial Rates</source>
        <translation>初始速率法</translation>
    </message>
    <message>
        <source>For an overall reaction,</source>
        <translation>对于总反应</translation>
    </message>
    <message>
        <source>the rate law takes the general form:</source>
        <translation>其速率方程的一般形式为：</translation>
    </message>
    <message>
        <source>Determining the rate law involves determining the order of the reaction with respect to each reactant, A and B, and the value of the rate constant, k. </source>
        <translation>确定速率方程，就是确定对每种反应物（A和B）的反应级数以及速率常数k的值。</translation>
    </message>
    <message>
        <source>Determining Reaction Order</source>
        <translation>确定反应级数</translation>
    </message>
    <message>
        <source>The reaction order for a reactant is determined by comparing the reaction rates of two reactions where the concentration of just that reactant changes.</source>
        <translation>比较只有该反应物浓度不同的两次实验的反应速率，即可确定对该反应物的反应级数。</translation>
    </message>
    <message>
        <source>Trials 1 and 4 above would be appropriate choices for determining the order with respect to [B] because they have the same concentration of A. The change in rate is due solely to the change in [B].</source>
        <translation>上表中的实验1和实验4适合用来确定对[B]的反应级数，因为两者中A的浓度相同，速率的变化只由[B]的变化引起。</translation>
    </message>
    <message>
        <source>This equation can be rewritten to solve for the reaction order:</source>
        <translation>将上式改写，可解出反应级数：</translation>
    </message>
    <message>
        <source>Determining the Rate Constant, k</source>
        <translation>确定速率常数k</translation>
    </message>
    <message>
        <source>Once the order of reaction for each reactant is known, the general rate law can be used to determine the numerical value of the rate constant, k. </source>
        <translation>求出对每种反应物的反应级数后，即可利用速率方程的一般形式求出速率常数k的数值。</translation>
    </message>
    <message>
        <source>The rate constant is determined by plugging reaction trial data, and solving for k. Data from any of the reaction trials can be used. Because each trial should give the same value of k, it is often best to calculate k for each trial, and report the average of those values.</source>
        <translation>将某次实验的数据代入速率方程，即可解出速率常数k。任何一次实验的数据都可以使用。由于每次实验得到的k值应当相同，最好对每次实验分别计算k，再取平均值。</translation>
    </message>
</context>
<context>
    <name>ApproachForm2</name>
    <message>
        <source>Graphical Method</source>
        <translation>作图法</translation>
    </message>
    <message>
        <source>For an overall reaction,</source>
        <translation>对于总反应</translation>
    </message>
    <message>
        <source>the rate law takes the general form:</source>
        <translation>其速率方程的一般形式为：</translation>
    </message>
    <message>
        <source>The Graphical Method can be used to determine the rate law for reactions that have a single reactant. Determining the rate law involves determining the order of the reaction with respect to the single reactant, A, and the value of the rate constant, k.</source>
        <translation>对于只有一种反应物的反应，可用作图法确定其速率方程，即确定对该反应物A的反应级数以及速率常数k的值。</translation>
    </message>
    <message>
        <source>Determining Reaction Order</source>
        <translation>确定反应级数</translation>
    </message>
    <message>
        <source>The reaction order for a reactant is determined by constructing three plots of the experimental concentration-time data. The reaction order is determined by seeing which of the three plots gives a straight line.</source>
        <translation>用实验测得的浓度-时间数据分别作三种图，看哪一种图呈直线，即可确定反应级数。</translation>
    </message>
    <message>
        <source>Reaction order     Straight-line plot</source>
        <translation>反应级数          直线图</translation>
    </message>
    <message>
        <source>For example, a first-order reaction will give a straight-line plot of ln[A] vs. time, but curved plots of [A] vs. time and of 1/[A] vs. time. </source>
        <translation>例如，一级反应的ln[A]-t图为直线，而[A]-t图和1/[A]-t图为曲线。</translation>
    </message>
    <message>
        <source>Determining the Rate Constant, k</source>
        <translation>确定速率常数k</translation>
    </message>
    <message>
        <source>Once the appropriate linear plot is constructed, the rate constant is obtained from the slope of the line. The absolute value of the slope directly gives the rate constant.</source>
        <translation>作出相应的直线图后，由直线的斜率即可求得速率常数：斜率的绝对值就是速率常数。</translation>
    </message>
    <message>
        <source>For a first-order reaction, the rate constant is equal to the absolute value of the slope of the straight line obtained for the plot of ln[A] vs. time. For a second-order reaction, the slope of the 1/[A] vs. time plot is used. For a zero-order reaction, the plot of [A] vs. time slope gives the rate constant. Remember, the rate constant is always a positive number.</source>
        <translation>对于一级反应，速率常数等于ln[A]-t图中直线斜率的绝对值；对于二级反应，用1/[A]-t图的斜率；对于零级反应，用[A]-t图的斜率。注意，速率常数总是正数。</translation>
    </message>
</context>
<context>
    <name>GraphicalTutor</name>
    <message>
        <source>Determining Reaction Order.</source>
        <translation>确定反应级数。</translation>
    </message>
    <message>
        <source>Determining the Rate Constant, k.</source>
        <translation>确定速率常数k。</translation>
    </message>
    <message>
        <source>The plot you have is correct for showing the reaction order.</source>
        <translation>所作的图正确，可据此确定反应级数。</translation>
    </message>
    <message>
        <source>Make the plot that shows the order for the reaction. Then continue.</source>
        <translation>请作出能确定反应级数的图，然后单击“继续”。</translation>
    </message>
    <message>
        <source>This is the same answer as before. Please input a new answer.</source>
        <translation>该答案与上次相同，请输入新的答案。</translation>
    </message>
    <message>
        <source>Make a plot that is linear.</source>
        <translation>请作出呈直线的图。</translation>
    </message>
    <message>
        <source>Good. This plot is linear. This indicates the reaction order. Enter a new reaction order.</source>
        <translation>很好。该图呈直线，由此可知反应级数。请重新输入反应级数。</translation>
    </message>
    <message>
        <source>Good. This is the correct order for A.</source>
        <translation>很好。对A的反应级数正确。</translation>
    </message>
    <message>
        <source>Incorrect. The reaction order is determined by which plot gives a linear graph. The type of linear graph expected for each reaction order is below. Try again.</source>
        <translation>不正确。反应级数要根据哪种图呈直线来确定，各反应级数对应的直线图见下方。请再试一次。</translation>
    </message>
    <message>
        <source>Good. This plot can be used to determine k. Enter a value above.</source>
        <translation>很好。该图可用于求k。请在上方输入k值。</translation>
    </message>
    <message>
        <source>Make the plot that is appropriate for a zero-order reaction.</source>
        <translation>请作出适用于零级反应的图。</translation>
    </message>
    <message>
        <source>Make the plot that is appropriate for a first-order reaction.</source>
        <translation>请作出适用于一级反应的图。</translation>
    </message>
    <message>
        <source>Make the plot that is appropriate for a second-order reaction.</source>
        <translation>请作出适用于二级反应的图。</translation>
    </message>
    <message>
        <source>Good. This is the correct value of k.</source>
        <translation>很好。k值正确。</translation>
    </message>
    <message>
        <source>This is not correct. Perform the least squares analysis on the plot. Enter the rate constant above.</source>
        <translation>不正确。请对该图进行最小二乘拟合，然后在上方输入速率常数。</translation>
    </message>
    <message>
        <source>Get the least squares information by clicking on lst. squares button.</source>
        <translation>请单击“拟合”按钮，获取最小二乘拟合的结果。</translation>
    </message>
    <message>
        <source>The rate constant for a zero-order reaction is equal to the absolute value of the slope of a plot of [A] vs. time.</source>
        <translation>零级反应的速率常数等于[A]-t图斜率的绝对值。</translation>
    </message>
    <message>
        <source>The rate constant for a first-order reaction is equal to the absolute value of the slope of a plot of ln[A] vs. time.</source>
        <translation>一级反应的速率常数等于ln[A]-t图斜率的绝对值。</translation>
    </message>
    <message>
        <source>The rate constant for a second-order reaction is equal to the absolute value of the slope of a plot of 1/[A] vs. time.</source>
        <translation>二级反应的速率常数等于1/[A]-t图斜率的绝对值。</translation>
    </message>
</context>
<context>
    <name>GuidedTutor</name>
    <message>
        <source>This is the same answer as before. Please input a new answer.</source>
        <translation>该答案与上次相同，请输入新的答案。</translation>
    </message>
    <message>
        <source>Determining Order with Respect to [A]</source>
        <translation>确定对[A]的反应级数</translation>
    </message>
    <message>
        <source>Choose two reactions from those to the left that can be used to determine the order with respect to [A]. Click continue when ready.</source>
        <translation>请从左侧选出两次实验，用来确定对[A]的反应级数，选好后单击“继续”。</translation>
    </message>
    <message>
        <source>Determining Order with Respect to [B]</source>
        <translation>确定对[B]的反应级数</translation>
    </message>
    <message>
        <source>Choose two reactions from those to the left that can be used to determine the order with respect to [B]. Click continue when ready.</source>
        <translation>请从左侧选出两次实验，用来确定对[B]的反应级数，选好后单击“继续”。</translation>
    </message>
    <message>
        <source>Determining the rate constant, k.</source>
        <translation>确定速率常数k。</translation>
    </message>
    <message>
        <source>Select one reaction from those to the left to use to determine the rate constant.</source>
        <translation>请从左侧选出一次实验，用来确定速率常数。</translation>
    </message>
    <message>
        <source>Choose two reactions that have equal [B].</source>
        <translation>请选择[B]相同的两次实验。</translation>
    </message>
    <message>
        <source>Choose two reactions that have equal [A].</source>
        <translation>请选择[A]相同的两次实验。</translation>
    </message>
    <message>
        <source>Good. These two reactions have equal [B]. The change in rate is due only to changes in [A]. Use these data and the general equation; enter the order for A above.</source>
        <translation>很好。这两次实验的[B]相同，速率的变化只由[A]的变化引起。请利用这些数据和速率方程的一般形式求出对A的反应级数，填入上方。</translation>
    </message>
    <message>
        <source>Good. These two reactions have equal [A]. The change in rate is due only to changes in [B]. Use these data and the general equation; enter the order for B above.</source>
        <translation>很好。这两次实验的[A]相同，速率的变化只由[B]的变化引起。请利用这些数据和速率方程的一般形式求出对B的反应级数，填入上方。</translation>
    </message>
    <message>
        <source>Good. This is the correct order for A.</source>
        <translation>很好。对A的反应级数正确。</translation>
    </message>
    <message>
        <source>Good. This is the correct order for B.</source>
        <translation>很好。对B的反应级数正确。</translation>
    </message>
    <message>
        <source>This is not correct. Here is more detail on how the math works.</source>
        <translation>不正确。以下是更详细的计算过程。</translation>
    </message>
    <message>
        <source>Choose a reaction from the list to the left. Any one will do.</source>
        <translation>请从左侧列表中选择一次实验，任选一次即可。</translation>
    </message>
    <message>
        <source>Good. This reaction data can be used to determine k.</source>
        <translation>很好。该实验的数据可用于求k。</translation>
    </message>
    <message>
        <source>Good. This is the correct value of k.</source>
        <translation>很好。k值正确。</translation>
    </message>
    <message>
        <source>Cannot divide by a rate of 0.</source>
        <translation>速率为0，不能作除数。</translation>
    </message>
    <message>
        <source>log(%1) = order x log(%2)</source>
        <translation>lg(%1) = 级数 × lg(%2)</translation>
    </message>
</context>
<context>
    <name>RateLawChecker</name>
    <message>
        <source>The rate law must contain the variable for the rate constant, k.</source>
        <translation>速率方程中必须含有速率常数k。</translation>
    </message>
    <message>
        <source>The rate law should begin with &apos;Rate =&apos;.</source>
        <translation>速率方程应以“v =”开头。</translation>
    </message>
    <message>
        <source>The compound %1 should be in your rate law.</source>
        <translation>速率方程中应含有%1。</translation>
    </message>
    <message>
        <source>The order with respect to %1 is not correct.</source>
        <translation>对%1的反应级数不正确。</translation>
    </message>
    <message>
        <source>When the order with respect to a reactant is 1, the number 1 does not need to be written as a superscript following that reactant&apos;s concentration.</source>
        <translation>对某反应物的反应级数为1时，该反应物浓度后面不必写上标1。</translation>
    </message>
    <message>
        <source>Check how the rate law is written: each order goes between two carets right after its concentration, and nothing else belongs in the rate law.</source>
        <translation>请检查速率方程的写法：每个级数都应写在两个“^”之间，紧跟在相应的浓度之后；除此之外，速率方程中不应有其他内容。</translation>
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
        <translation>二氧化氮与一氧化碳</translation>
    </message>
    <message>
        <source>Nitrogen dioxide reacts with carbon monoxide to form nitrogen monoxide and carbon dioxide. The reaction is first order with respect to each of the reactants.</source>
        <translation>二氧化氮与一氧化碳反应生成一氧化氮和二氧化碳。该反应对每种反应物均为一级。</translation>
    </message>
    <message>
        <source>Nitrogen monoxide + hydrogen</source>
        <translation>一氧化氮与氢气</translation>
    </message>
    <message>
        <source>Nitrogen monoxide and hydrogen react to form nitrogen and water. The reaction is second order in nitrogen monoxide and first order in hydrogen.</source>
        <translation>一氧化氮与氢气反应生成氮气和水。该反应对一氧化氮为二级，对氢气为一级。</translation>
    </message>
    <message>
        <source>Decomposition of dinitrogen pentoxide</source>
        <translation>五氧化二氮的分解</translation>
    </message>
    <message>
        <source>Dinitrogen pentoxide decomposes to give nitrogen dioxide and dioxygen. The reaction is first order in dinitrogen pentoxide.</source>
        <translation>五氧化二氮分解生成二氧化氮和氧气。该反应对五氧化二氮为一级。</translation>
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
        <translation>对于总反应</translation>
    </message>
    <message>
        <source>the rate law takes the general form:</source>
        <translation>其速率方程的一般形式为：</translation>
    </message>
    <message>
        <source>Determining the rate law involves determining the order of the reaction with respect to each reactant, A and B, and the value of the rate constant, k. </source>
        <translation>确定速率方程，就是确定对每种反应物（A和B）的反应级数以及速率常数k的值。</translation>
    </message>
    <message>
        <source>For example, the reaction of nitrogen monoxide and hydrogen to form nitrogen and water</source>
        <translation>例如，一氧化氮与氢气生成氮气和水的反应</translation>
    </message>
    <message>
        <source>is second order in nitrogen monoxide and first order with respect to hydrogen. The rate constant is 6.32 at 904 degrees C. The rate law is therefore written as</source>
        <translation>对一氧化氮为二级，对氢气为一级。904 °C时速率常数为6.32。因此其速率方程写作：</translation>
    </message>
    <message>
        <source>When the numerical value of the rate constant is not known, the rate law uses the lower case k.</source>
        <translation>速率常数的数值未知时，速率方程中用小写字母k表示。</translation>
    </message>
    <message>
        <source>Tutor Modules</source>
        <translation>学习模块</translation>
    </message>
    <message>
        <source>Writing Rate Laws</source>
        <translation>书写速率方程</translation>
    </message>
    <message>
        <source>Determining Rate Laws by the Method of Initial Rates</source>
        <translation>用初始速率法确定速率方程</translation>
    </message>
    <message>
        <source>Determining Rate Laws by the Graphical Method</source>
        <translation>用作图法确定速率方程</translation>
    </message>
</context>
<context>
    <name>RateTutor</name>
    <message>
        <source>Method of Initial Rates</source>
        <translation>初始速率法</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>难度(&amp;D)</translation>
    </message>
    <message>
        <source>Relatively Easy</source>
        <translation>较易</translation>
    </message>
    <message>
        <source>Moderately Difficult</source>
        <translation>中等</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>较难</translation>
    </message>
    <message>
        <source>The four sets of data below were collected by running the reaction of interest four times, each time using different initial concentrations of each reactant. Each of the four experiments was performed at the same temperature.</source>
        <translation>下面四组数据来自对所研究反应进行的四次实验，每次各反应物的初始浓度都不同。四次实验均在同一温度下进行。</translation>
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
        <translation>实验%1</translation>
    </message>
    <message>
        <source>Complete the rate law below by filling in each of the three boxes:</source>
        <translation>请填写下面三个空框，完成速率方程：</translation>
    </message>
    <message>
        <source>Rate = </source>
        <translation>v = </translation>
    </message>
    <message>
        <source>rate constant k</source>
        <translation>速率常数k</translation>
    </message>
    <message>
        <source>[A]</source>
        <translation>[A]</translation>
    </message>
    <message>
        <source>order in A</source>
        <translation>对A的反应级数</translation>
    </message>
    <message>
        <source>[B]</source>
        <translation>[B]</translation>
    </message>
    <message>
        <source>order in B</source>
        <translation>对B的反应级数</translation>
    </message>
    <message>
        <source>Work in the tutoring area below.</source>
        <translation>请在下方的辅导区中作答。</translation>
    </message>
    <message>
        <source>order</source>
        <translation>级数</translation>
    </message>
    <message>
        <source>k = </source>
        <translation>k = </translation>
    </message>
    <message>
        <source>No tutoring available for last two problems. Use the first four problems as a guide to how to solve these problems.</source>
        <translation>最后两道题没有辅导，请参照前四道题的方法解答。</translation>
    </message>
    <message>
        <source>Please choose a Problem to solve.</source>
        <translation>请选择要解答的题目。</translation>
    </message>
    <message>
        <source>Please fill in all three answers.</source>
        <translation>请填写全部三个答案。</translation>
    </message>
    <message>
        <source>Problem Complete.</source>
        <translation>本题已完成。</translation>
    </message>
    <message>
        <source>Correct order with respect to A.</source>
        <translation>对A的反应级数正确。</translation>
    </message>
    <message>
        <source>Incorrect order with respect to A.</source>
        <translation>对A的反应级数不正确。</translation>
    </message>
    <message>
        <source>Correct order with respect to B.</source>
        <translation>对B的反应级数正确。</translation>
    </message>
    <message>
        <source>Incorrect order with respect to B.</source>
        <translation>对B的反应级数不正确。</translation>
    </message>
    <message>
        <source>Correct rate constant.</source>
        <translation>速率常数正确。</translation>
    </message>
    <message>
        <source>Incorrect rate constant.</source>
        <translation>速率常数不正确。</translation>
    </message>
    <message>
        <source>No calculator program was found on this computer.</source>
        <translation>在本计算机上未找到计算器程序。</translation>
    </message>
    <message>
        <source>The calculator program could not be started.</source>
        <translation>无法启动计算器程序。</translation>
    </message>
    <message>
        <source>Ca&amp;lculator</source>
        <translation>计算器(&amp;L)</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation>提交(&amp;S)</translation>
    </message>
    <message>
        <source>Tutoring</source>
        <translation>辅导</translation>
    </message>
    <message>
        <source>&amp;continue</source>
        <translation>继续(&amp;C)</translation>
    </message>
    <message>
        <source>%1: [A] %2 mol/L, [B] %3 mol/L, rate %4 mol/L-min</source>
        <translation>%1：[A] %2 mol/L，[B] %3 mol/L，v %4 mol/(L·min)</translation>
    </message>
    <message>
        <source>order with respect to A: %1; order with respect to B: %2; k: %3</source>
        <translation>对A的反应级数：%1；对B的反应级数：%2；k：%3</translation>
    </message>
</context>
<context>
    <name>RateTutor2</name>
    <message>
        <source>Graphical Method</source>
        <translation>作图法</translation>
    </message>
    <message>
        <source>The concentration time data below were collected by running the reaction at a constant temperature. These are data taken for a single trial of the reaction.</source>
        <translation>下面的浓度-时间数据是在恒温下进行反应测得的，均来自同一次实验。</translation>
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
        <translation>请填写下面的空框，完成速率方程：</translation>
    </message>
    <message>
        <source>Rate = </source>
        <translation>v = </translation>
    </message>
    <message>
        <source>rate constant k</source>
        <translation>速率常数k</translation>
    </message>
    <message>
        <source>[A]</source>
        <translation>[A]</translation>
    </message>
    <message>
        <source>order in A</source>
        <translation>对A的反应级数</translation>
    </message>
    <message>
        <source>Work in the tutoring area below.</source>
        <translation>请在下方的辅导区中作答。</translation>
    </message>
    <message>
        <source>Choose a plot type to plot the data.</source>
        <translation>请选择作图类型。</translation>
    </message>
    <message>
        <source>plot of the data against time</source>
        <translation>数据随时间变化的图</translation>
    </message>
    <message>
        <source>Slope:</source>
        <translation>斜率：</translation>
    </message>
    <message>
        <source>Intercept:</source>
        <translation>截距：</translation>
    </message>
    <message>
        <source>How close the points lie to a straight line: 1 for a perfectly straight plot.</source>
        <translation>各点接近直线的程度：完全在一条直线上时为1。</translation>
    </message>
    <message>
        <source>[A] vs. time</source>
        <translation>[A]-t图</translation>
    </message>
    <message>
        <source>ln[A] vs. time</source>
        <translation>ln[A]-t图</translation>
    </message>
    <message>
        <source>1/[A] vs. time</source>
        <translation>1/[A]-t图</translation>
    </message>
    <message>
        <source>No tutoring available for last two problems. Use the first four problems as a guide to how to solve these problems.</source>
        <translation>最后两道题没有辅导，请参照前四道题的方法解答。</translation>
    </message>
    <message>
        <source>Determining Reaction Order</source>
        <translation>确定反应级数</translation>
    </message>
    <message>
        <source>Choose a plot type from the three below to plot the experimental data.</source>
        <translation>请从下面三种图中选择一种，对实验数据作图。</translation>
    </message>
    <message>
        <source>Select one of the plot types below.</source>
        <translation>请在下面选择一种作图类型。</translation>
    </message>
    <message>
        <source>No graph made.</source>
        <translation>尚未作图。</translation>
    </message>
    <message>
        <source>Slope: </source>
        <translation>斜率：</translation>
    </message>
    <message>
        <source>Intercept: </source>
        <translation>截距：</translation>
    </message>
    <message>
        <source>|r| = %1</source>
        <translation>|r| = %1</translation>
    </message>
    <message>
        <source>Please choose a Problem to solve.</source>
        <translation>请选择要解答的题目。</translation>
    </message>
    <message>
        <source>Please fill in both answers.</source>
        <translation>请填写两个答案。</translation>
    </message>
    <message>
        <source>Problem complete.</source>
        <translation>本题已完成。</translation>
    </message>
    <message>
        <source>Correct order.</source>
        <translation>反应级数正确。</translation>
    </message>
    <message>
        <source>Incorrect order.</source>
        <translation>反应级数不正确。</translation>
    </message>
    <message>
        <source>Correct k.</source>
        <translation>k值正确。</translation>
    </message>
    <message>
        <source>Incorrect k.</source>
        <translation>k值不正确。</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation>提交(&amp;S)</translation>
    </message>
    <message>
        <source>Work area</source>
        <translation>工作区</translation>
    </message>
    <message>
        <source>&amp;plot</source>
        <translation>作图(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;lst. squares</source>
        <translation>拟合(&amp;L)</translation>
    </message>
    <message>
        <source>Tutoring</source>
        <translation>辅导</translation>
    </message>
    <message>
        <source>&amp;continue</source>
        <translation>继续(&amp;C)</translation>
    </message>
    <message>
        <source>Least-squares line: slope %1, intercept %2.</source>
        <translation>最小二乘拟合直线：斜率%1，截距%2。</translation>
    </message>
    <message>
        <source>(%1, %2)</source>
        <translation>(%1, %2)</translation>
    </message>
    <message>
        <source>%1, points at 0 to 8 minutes: %2.</source>
        <translation>%1，0至8分钟的数据点：%2。</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>order with respect to A: %1; k: %2</source>
        <translation>对A的反应级数：%1；k：%2</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Reaction</source>
        <translation>反应</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>尝试次数</translation>
    </message>
    <message>
        <source>Last verdict</source>
        <translation>最后结果</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>题目</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>难度</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Guided tutoring</source>
        <translation>辅导</translation>
    </message>
    <message>
        <source>Answer submitted</source>
        <translation>提交的答案</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>正确</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>不正确</translation>
    </message>
    <message>
        <source>Problem %1</source>
        <translation>第%1题</translation>
    </message>
    <message>
        <source>Reactions written correctly: %1 of %2. Attempts: %3.</source>
        <translation>已正确写出速率方程：%1/%2。尝试次数：%3。</translation>
    </message>
    <message>
        <source>Problems completed: %1 of %2. Attempts: %3.</source>
        <translation>已完成题目：%1/%2。尝试次数：%3。</translation>
    </message>
    <message>
        <source>Save Record</source>
        <translation>保存记录</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>The record could not be saved as %1: %2
Please choose another place.</source>
        <translation>无法将记录保存为 %1：%2
请选择其他位置。</translation>
    </message>
    <message>
        <source>Print Record</source>
        <translation>打印记录</translation>
    </message>
    <message>
        <source>The record could not be printed.</source>
        <translation>无法打印记录。</translation>
    </message>
    <message>
        <source>Velomira session record</source>
        <translation>Velomira 学习记录</translation>
    </message>
    <message>
        <source>Velomira %1</source>
        <translation>Velomira %1</translation>
    </message>
    <message>
        <source>Session started: %1</source>
        <translation>开始时间：%1</translation>
    </message>
    <message>
        <source>Record made: %1</source>
        <translation>记录生成时间：%1</translation>
    </message>
    <message>
        <source>Nothing has been attempted in this session yet.</source>
        <translation>本次学习尚未作答。</translation>
    </message>
    <message>
        <source>&amp;Save Record…</source>
        <translation>保存记录(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Print Record…</source>
        <translation>打印记录(&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>记录(&amp;R)</translation>
    </message>
    <message>
        <source>Record…</source>
        <translation>记录…</translation>
    </message>
    <message>
        <source>Save or print a record of this session</source>
        <translation>保存或打印本次学习的记录</translation>
    </message>
    <message>
        <source>Your name, as the record should carry it (it may stay empty):</source>
        <translation>您的姓名，将写在记录上（可以留空）：</translation>
    </message>
    <message>
        <source>&amp;Name on Record…</source>
        <translation>记录上的姓名(&amp;N)…</translation>
    </message>
    <message>
        <source>Some of this session&apos;s work is in no saved or printed record, and it is lost if the program ends now. The session so far:

%1

Save the record first?</source>
        <translation>本次学习的部分内容尚未保存或打印到任何记录中，如果现在退出程序，这些内容将会丢失。目前的学习情况：

%1

先保存记录吗？</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>保存(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>放弃(&amp;D)</translation>
    </message>
    <message>
        <source>Student: %1</source>
        <translation>学生：%1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>cannot be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>is not a Velomira record (not a PDF file)</source>
        <translation>不是 Velomira 记录（不是 PDF 文件）</translation>
    </message>
    <message>
        <source>is damaged or incomplete: it cannot be read as a PDF file</source>
        <translation>已损坏或不完整：无法作为 PDF 文件读取</translation>
    </message>
    <message>
        <source>is not a Velomira record</source>
        <translation>不是 Velomira 记录</translation>
    </message>
    <message>
        <source>is a record of a newer format (version %1) than this Velomira reads (version %2)</source>
        <translation>是较新格式（版本 %1）的记录，此版 Velomira 只能读取版本 %2</translation>
    </message>
    <message>
        <source>is damaged: its record data cannot be read</source>
        <translation>已损坏：无法读取其记录数据</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>学生</translation>
    </message>
    <message>
        <source>Record made</source>
        <translation>记录生成时间</translation>
    </message>
    <message>
        <source>Method of Initial Rates: problems completed</source>
        <translation>初始速率法：已完成题目</translation>
    </message>
    <message>
        <source>Method of Initial Rates: attempts</source>
        <translation>初始速率法：尝试次数</translation>
    </message>
    <message>
        <source>Graphical Method: problems completed</source>
        <translation>作图法：已完成题目</translation>
    </message>
    <message>
        <source>Graphical Method: attempts</source>
        <translation>作图法：尝试次数</translation>
    </message>
    <message>
        <source>Writing Rate Laws: reactions written correctly</source>
        <translation>书写速率方程：已正确写出</translation>
    </message>
    <message>
        <source>Writing Rate Laws: attempts</source>
        <translation>书写速率方程：尝试次数</translation>
    </message>
    <message>
        <source>velomira: %1 %2</source>
        <translation>velomira：%1 %2</translation>
    </message>
</context>
<context>
    <name>WritingRateLaws</name>
    <message>
        <source>Writing Rate Laws</source>
        <translation>书写速率方程</translation>
    </message>
    <message>
        <source>For an overall reaction,</source>
        <translation>对于总反应</translation>
    </message>
    <message>
        <source>the rate law takes the general form:</source>
        <translation>其速率方程的一般形式为：</translation>
    </message>
    <message>
        <source>This module is for testing your ability to write rate laws in the correct format. Choose and solve each of the following problems.</source>
        <translation>本模块检验你能否按正确格式书写速率方程。请逐一选择并解答下列各题。</translation>
    </message>
    <message>
        <source>Write the rate law for this reaction below. Place subscript numbers between underscores, and superscripts between carets. For example, sulfate ion is entered as SO_4_^2-^. Start your answer with  &quot;Rate =&quot;.</source>
        <translation>请在下面写出该反应的速率方程。下标数字写在两个“_”之间，上标写在两个“^”之间，例如硫酸根离子输入为SO_4_^2-^。答案以“v =”开头。</translation>
    </message>
    <message>
        <source>enter the rate law here</source>
        <translation>在此输入速率方程</translation>
    </message>
    <message>
        <source>Rate law</source>
        <translation>速率方程</translation>
    </message>
    <message>
        <source>Feedback:</source>
        <translation>反馈：</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>正确</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>不正确</translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation>提交(&amp;S)</translation>
    </message>
</context>
<context>
    <name>initialrates</name>
    <message>
        <source>Trial %1</source>
        <translation>实验%1</translation>
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
        <translation>A与B反应生成C</translation>
    </message>
    <message>
        <source>A -&gt; C</source>
        <translation>A -&gt; C</translation>
    </message>
    <message>
        <source>A reacts to give C</source>
        <translation>A反应生成C</translation>
    </message>
    <message>
        <source>Rate = k[A]^orderA^[B]^orderB^</source>
        <extracomment>Picture markup: a superscript stands between carets.</extracomment>
        <translation>v = k[A]^m^[B]^n^</translation>
    </message>
    <message>
        <source>Rate equals k times the concentration of A to the power order A times the concentration of B to the power order B</source>
        <translation>v等于k乘以A的浓度的m次方，再乘以B的浓度的n次方，m和n为反应级数</translation>
    </message>
    <message>
        <source>rate = k[A]^orderA^[B]^orderB^</source>
        <extracomment>Picture markup: a superscript stands between carets.</extracomment>
        <translation>v = k[A]^m^[B]^n^</translation>
    </message>
    <message>
        <source>rate equals k times the concentration of A to the power order A times the concentration of B to the power order B</source>
        <translation>v等于k乘以A的浓度的m次方，再乘以B的浓度的n次方，m和n为反应级数</translation>
    </message>
    <message>
        <source>rate = k[A]^orderA^</source>
        <translation>v = k[A]^m^</translation>
    </message>
    <message>
        <source>rate equals k times the concentration of A to the power order A</source>
        <translation>v等于k乘以A的浓度的m次方，m为反应级数</translation>
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
        <translation>k等于v除以A的浓度的m次方与B的浓度的n次方的乘积</translation>
    </message>
    <message>
        <source>rate_%1_</source>
        <extracomment>Picture markup: the rate of trial %1, the number as a subscript between underscores.</extracomment>
        <translation>v_%1_</translation>
    </message>
    <message>
        <source>[reactant]_%1_</source>
        <extracomment>Picture markup: the reactant&apos;s concentration in trial %1, the number as a subscript.</extracomment>
        <translation>[反应物]_%1_</translation>
    </message>
    <message>
        <source>order</source>
        <translation>级数</translation>
    </message>
    <message>
        <source>rate %1 over rate %2 equals the ratio of the reactant concentrations in trials %1 and %2, raised to the power order</source>
        <translation>v%1除以v%2等于实验%1与实验%2中反应物浓度之比的幂，幂指数为反应级数</translation>
    </message>
    <message>
        <source>log</source>
        <translation>lg</translation>
    </message>
    <message>
        <source>order = </source>
        <translation>级数 = </translation>
    </message>
    <message>
        <source>order equals the logarithm of rate %1 over rate %2, divided by the logarithm of the reactant concentration in trial %1 over that in trial %2</source>
        <translation>级数等于v%1与v%2之比的对数，除以实验%1与实验%2中反应物浓度之比的对数</translation>
    </message>
    <message>
        <source>2 NO(g) + 2 H_2_(g) -&gt; N_2_(g) + 2 H_2_O(g)</source>
        <extracomment>Picture markup: a subscript stands between underscores.</extracomment>
        <translation>2 NO(g) + 2 H_2_(g) -&gt; N_2_(g) + 2 H_2_O(g)</translation>
    </message>
    <message>
        <source>2 NO gas plus 2 H2 gas react to give N2 gas plus 2 H2O gas</source>
        <translation>2 NO（气）与2 H2（气）反应生成N2（气）和2 H2O（气）</translation>
    </message>
    <message>
        <source>Rate = 6.32 [NO]^2^ [H_2_]</source>
        <translation>v = 6.32 [NO]^2^ [H_2_]</translation>
    </message>
    <message>
        <source>Rate equals 6.32 times the concentration of NO squared times the concentration of H2</source>
        <translation>v等于6.32乘以NO浓度的平方，再乘以H2的浓度</translation>
    </message>
    <message>
        <source>Rate = k[NO]^2^ [H_2_]</source>
        <translation>v = k[NO]^2^ [H_2_]</translation>
    </message>
    <message>
        <source>Rate equals k times the concentration of NO squared times the concentration of H2</source>
        <translation>v等于k乘以NO浓度的平方，再乘以H2的浓度</translation>
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
        <translation>实验%1</translation>
    </message>
    <message>
        <source>Table of four trials. Trial 1: [A] .405, [B] .645, rate .6708623. Trial 2: [A] .784, [B] .472, rate 2.513943. Trial 3: [A] .183, [B] .645, rate .13697. Trial 4: [A] .405, [B] .981, rate .6708623. Trials 1 and 4 are shaded.</source>
        <translation>四次实验的数据表。实验1：[A] .405，[B] .645，v .6708623。实验2：[A] .784，[B] .472，v 2.513943。实验3：[A] .183，[B] .645，v .13697。实验4：[A] .405，[B] .981，v .6708623。实验1和实验4以底纹标出。</translation>
    </message>
    <message>
        <source>General Reaction:  A -&gt; C</source>
        <translation>反应通式：A -&gt; C</translation>
    </message>
    <message>
        <source>General reaction: A reacts to give C</source>
        <translation>反应通式：A反应生成C</translation>
    </message>
    <message>
        <source>[A]</source>
        <translation>[A]</translation>
    </message>
    <message>
        <source>vertical axis: concentration of A</source>
        <translation>纵轴：A的浓度</translation>
    </message>
    <message>
        <source>ln[A]</source>
        <translation>ln[A]</translation>
    </message>
    <message>
        <source>vertical axis: natural logarithm of the concentration of A</source>
        <translation>纵轴：A的浓度的自然对数</translation>
    </message>
    <message>
        <source>1/[A]</source>
        <translation>1/[A]</translation>
    </message>
    <message>
        <source>vertical axis: one over the concentration of A</source>
        <translation>纵轴：A的浓度的倒数</translation>
    </message>
    <message>
        <source>time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>horizontal axis: time</source>
        <translation>横轴：时间</translation>
    </message>
    <message>
        <source>General Reaction: A + B -&gt; C</source>
        <translation>反应通式：A + B -&gt; C</translation>
    </message>
    <message>
        <source>General reaction: A plus B reacts to give C</source>
        <translation>反应通式：A与B反应生成C</translation>
    </message>
    <message>
        <source>zero-order</source>
        <translation>零级</translation>
    </message>
    <message>
        <source>first-order</source>
        <translation>一级</translation>
    </message>
    <message>
        <source>second-order</source>
        <translation>二级</translation>
    </message>
    <message>
        <source>[A] vs. time</source>
        <translation>[A]-t图</translation>
    </message>
    <message>
        <source>ln[A] vs. time</source>
        <translation>ln[A]-t图</translation>
    </message>
    <message>
        <source>1/[A] vs. time</source>
        <translation>1/[A]-t图</translation>
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
        <translation>NO2与CO反应生成NO和CO2</translation>
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
        <translation>2 NO与2 H2反应生成N2和2 H2O</translation>
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
        <translation>2 N2O5反应生成4 NO2和O2</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Please type numbers with a decimal point, not a comma: 0.5, not 0,5.</source>
        <translation>输入数字时请用小数点，不要用逗号：应输入0.5，而不是0,5。</translation>
    </message>
</context>
<context>
    <name>runtime::ExplanationForm</name>
    <message>
        <source>&amp;Return</source>
        <translation>返回(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Approach</source>
        <translation>方法(&amp;A)</translation>
    </message>
</context>
<context>
    <name>runtime::ProblemSlotList</name>
    <message>
        <source>Problem:</source>
        <translation>题目：</translation>
    </message>
    <message>
        <source>Complete:</source>
        <translation>已完成：</translation>
    </message>
    <message>
        <source>Attempts:</source>
        <translation>尝试次数：</translation>
    </message>
    <message>
        <source>Problem %1</source>
        <translation>第%1题</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Problem %1 complete: %2</source>
        <translation>第%1题完成：%2</translation>
    </message>
    <message>
        <source>Problem %1 attempts: %2</source>
        <translation>第%1题尝试次数：%2</translation>
    </message>
</context>
<context>
    <name>velomira</name>
    <message>
        <source>velomira: unknown option &apos;%1&apos;</source>
        <translation>velomira：未知选项“%1”</translation>
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
        <translation>用法：velomira [选项]
面向普通化学学生的教学程序：确定和书写速率方程。

选项：
  -h, --help     显示本帮助并退出。
  -v, --version  显示版本号并退出。
  --summary 文件...
                 读取已保存的学习记录，将其汇总表（每份记录一行）
                 以 CSV 格式写到标准输出，然后退出。

也接受Qt自身的选项，如-platform、-style和-reverse。
</translation>
    </message>
    <message>
        <source>velomira: --summary needs the record files to read</source>
        <translation>velomira：--summary 需要指定要读取的记录文件</translation>
    </message>
    <message>
        <source>velomira: the summary&apos;s program could not be started</source>
        <translation>velomira：无法启动汇总程序</translation>
    </message>
</context>
</TS>
