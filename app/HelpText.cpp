// The help window's text.

#include "app/HelpText.h"

#include "plot/StudyTicks.h"
#include "study/Convergence.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// A constant of the study rules as people write it: "1e-13", "0.25".
QString Short(double value)
{
    return QString::number(value, 'g', 6);
}

}  // namespace

namespace spln {

QString HelpText()
{
    return QStringLiteral(R"(<h2>Spln help</h2>
<p>Spln approximates a function on the interval [-1, 1] by basic splines:
copies of one smooth bell-shaped kernel placed on a uniform grid and stretched
by the grid spacing. It draws the data (green), for a built-in function the
exact function (blue) and the approximation (red), with a line that reports
the error at the left end, the largest error inside and the error at the right
end.</p>

<h3>Running an experiment</h3>
<p>Choose <b>Spline &gt; Run</b> (Alt+S, R). The settings dialog opens with the
settings you last accepted; press <b>OK</b> to draw the result, or
<b>Cancel</b> to keep everything as it was. The window stays empty until
settings have been accepted once. Every redraw runs the whole approximation
again, so with noise switched on each redraw shows new noise.</p>

<h3>The settings</h3>
<ul>
<li><b>Example</b> / <b>File</b>: take the data from a built-in function or
from the file sig.dat.</li>
<li><b>File Length</b> (100 to 10000): how many samples of the built-in
function are taken.</li>
<li><b>Amplitude</b> (0 to 0.5): size of the uniform random noise added to
the samples of the built-in function.</li>
<li><b>Number of Example</b> (1 to 11): which built-in function:
<ol>
<li>exp(x) + exp(-x) - 2</li>
<li>cos(4.7 sin(pi/2 x))</li>
<li>1/(1 + 25x&sup2;)</li>
<li>10x/(1 + 25x&sup2;)</li>
<li>4 sgn(x) (1 - x&sup2;) x&sup2;</li>
<li>|x|</li>
<li>a footstep: 1 for |x| &le; 0.5, 0 outside</li>
<li>exp(3 sin(8 pi x) - 1)</li>
<li>the narrow peak 1/(1 + 500x&sup2;) at the centre minus the same peak
shifted to -0.75 and to +0.75</li>
<li>the sum of two narrow peaks 1/(1 + 1000x&sup2;) shifted to -0.1 and to
+0.1</li>
<li>exp(5 (sin(16 pi x) - 1))</li>
</ol></li>
<li><b>Value of appriore</b>: for the file, the values and derivatives of the
function at both ends are given: left and right value (-1 to 1), left and
right derivative (-10 to 10).</li>
<li><b>Estimation</b>: for the file, the values and derivatives at the ends
are estimated by fitting a cubic to the first and last samples. Left and
right margin (1 to 250) are kept with the settings.</li>
<li><b>Window of averaging</b> (1 to 500): the width of the smoothing window,
counted in sample spacings. It must stay below a tenth of the number of
samples; otherwise the program says so and OK keeps the dialog open with
the window selected, so that you can correct it.</li>
</ul>

<h3>The methods</h3>
<ul>
<li><b>Projection on Schwarz space</b>: the data are smoothed with the kernel
over the window of averaging at up to 501 nodes, and the result is expanded
in the basic splines. <b>Number of basic splines</b>: 15 to 501.
<b>Type of basic</b> (1 to 4): 1 Gaussian; 2 Gaussian times a cubic (zero
outside a finite range); 3 rational (1 + u&sup2;/3)<sup>-2</sup> with heavy
tails; 4 logistic.</li>
<li><b>Method of Least Squares</b>: up to 51 shifted basis functions are
fitted to up to 501 points of the data. <b>Number of basic splines</b>: 5 to
51. <b>Type of basic</b> (1 to 5): 1 a smoothed |u|; 2 |u|<sup>3/2</sup>;
3 |u| with a rounded tip; 4 |u|<sup>5/2</sup>; 5 |u|<sup>3</sup>.</li>
</ul>
<p>Before approximating, the program takes off a cubic that carries the
values and slopes at both ends (for a built-in function also the straight
line through its end values) and adds it back afterwards.</p>

<h3>Data files and the sample file sig.dat</h3>
<p>With the source <b>File</b> the data are read from the file chosen with
<b>File &gt; Open Data...</b>, or, when none was chosen, from the text file
<b>sig.dat</b> in the current directory (the directory the program was
started from). A data file holds either one column of 100 to 10000 numbers,
the samples at equal steps from -1 to 1 (the 4501 numbers of sig.dat may
stand in any arrangement), or two columns x and y separated by commas, tabs or
blanks, with an optional header line and <tt>#</tt> comments, as a
spreadsheet exports them (a byte-order mark and CRLF line ends are fine). The
x must increase at equal steps (each within 1 % of a step of its place); they
are mapped onto -1 to 1 and the picture shows x in the file's own units. With
<b>Resample uneven x</b> in the settings dialog, uneven x are interpolated
linearly onto as many equal steps. The numbers are divided by the largest
magnitude among them before use. A file that cannot be read is refused with
its line and column and what was expected there, and the experiment stays as
it was. The chosen file is kept in the experiment file, relative to it when it
lies in the same folder or below, and its name stands in the picture's
title.</p>

<h3>Files, printing</h3>
<p><b>File &gt; Save</b> and <b>Save As</b> keep the settings of the experiment
in an experiment file (<b>.spl</b>, plain text: the line
<tt>Spln experiment 1</tt>, then one <tt>name = value</tt> line a setting,
named as spln-cli's flags). <b>File &gt; Open</b>, the list of recent files and
the command line open one: its settings become the experiment's and the window
draws it at once. A file that is not an experiment, or holds a value out of
its range, is refused with its line, and the open experiment stays. The empty
files of earlier versions keep the settings and leave the window empty until
the next accepted Run. A changed experiment shows <b>*</b> in the caption;
<b>New</b>, <b>Open</b>, a recent file and <b>Exit</b> then ask whether to save
it. <tt>spln-cli --settings FILE</tt> replays an experiment file without a
display.
<b>Print</b>, <b>Print Preview</b> and <b>Print Setup</b> print the picture of
the window on one page.</p>

<h3>Exporting and copying</h3>
<p>Once a picture is shown, <b>File &gt; Export Picture</b> saves it as a PNG
image, an SVG drawing or a PDF page. It then asks for the size in pixels (the
window's, unless you type another) and, for PNG, the pixel ratio: image pixels
for each pixel of the picture, the screen's at first, so that a high-density
screen exports a sharp image; <b>File &gt; Export Data</b> saves its numbers (x, data, exact
function, approximation, the settings and the report line) as a CSV table or
JSON data. The type follows the file name's extension, or else the chosen
file type. <b>Edit &gt; Copy</b> (Ctrl+C) puts the picture on the clipboard
as an image and as SVG, and the numbers as CSV text. All three take the
picture the window shows at that moment, even with noise switched on, and
write what spln-cli writes for the same run. A file is only replaced once the
new one is complete, so a failed export leaves an earlier file as it was.</p>

<h3>Studies</h3>
<p><b>Spline &gt; Study...</b> (Alt+S, T) answers how fast the error falls as a
setting grows, which value the data themselves choose, and how much of the
error is the noise's luck. On the last accepted settings it either sweeps one
whole number (the basic splines of the chosen method, the window of averaging
or the number of samples) from a first to a last value by a step or over a
count of values spaced evenly on a log scale; sweeps two of them over every
pair of values; chooses the basic splines or the window of averaging from the
data alone; or repeats the settings 2 to 10000 times with new noise (only with
an amplitude above 0). On the sample file, which has no exact function, only
the choice from the data is offered. Values the settings dialog would refuse
are refused with its messages. The noise of a study comes from a sequence of
its own, started from the seed in the dialog, so the same study gives the same
errors again and the main window's noise goes on undisturbed.</p>
<p><b>Judging a sweep.</b> Each row shows its local order, the slope from the
row before on log-log axes. Errors at or below %1 are rounding and are left
out. A <i>plateau</i> is the longest tail of at least %2 rows, spanning a
factor %3 of the value, whose errors lie within a factor %4 of their median
(the plateau's level) and whose fitted order lies within %5 of 0; it begins
at the tail's first value. The <i>asymptotic range</i> ends at the last row,
or before a plateau at the last row whose error is at least %6 times its level,
and reaches back as long as each local order lies within %7 % (at least %8)
of the median of those after it; with fewer than %9 such rows it takes every
row up to its end. The order p of C&middot;n<sup>-p</sup> is fitted there by
least squares with R&sup2; and a 95 % interval; "no clear order" means fewer
than %9 rows or an interval wider than %10. The chart shades the fitted
range and draws the fit and the plateau's level.</p>
<p><b>Choosing from the data.</b> Both methods make the fit a linear map of the
samples. For each value the study fits the same data, takes the sum RSS of the
squared residuals at the N samples and the trace df of that map (the fit's
degrees of freedom), and scores generalized cross-validation,
N&middot;RSS/(N&nbsp;-&nbsp;df)<sup>2</sup>; the least score is chosen and
marked. For a built-in function the internal error stands beside it, with the
value where it is least.</p>
<p><b>Two settings</b> draw the internal error as a heat map, on log axes
where the values span a factor %11 or more, with the best cell marked. A
<b>repeat</b> draws a histogram of each error on a log scale with its mean
(dashed) and mean &plusmn; deviation (the bar above).</p>
<p>The runs go on in the background with a progress bar; <b>Cancel</b> stops
after the runs under way and keeps those done, and the window's title says how
many finished. The result opens in a window of its own with the chart, what
the rows say and the table of rows with each row's time in milliseconds.
<b>Export</b> writes it as CSV, JSON, PNG, SVG or PDF, as spln-cli does
(the files leave out the times, so the same study gives the same bytes);
<b>Copy</b> puts the chart's picture and the table on the clipboard.</p>
)")
        .arg(Short(spln::study::kFitErrorFloor))
        .arg(spln::study::kMinPlateauRows)
        .arg(Short(spln::study::kPlateauSpan))
        .arg(Short(spln::study::kPlateauBand))
        .arg(Short(spln::study::kPlateauOrder))
        .arg(Short(spln::study::kPlateauClearance))
        .arg(Short(spln::study::kOrderBand * 100))
        .arg(Short(spln::study::kMinOrderBand))
        .arg(spln::study::kMinFitPoints)
        .arg(Short(spln::study::kMaxOrderWidth))
        .arg(Short(kLogAxisSpan));
}

QDialog* CreateHelpWindow(QWidget* parent)
{
    auto* window = new QDialog(parent);
    window->setWindowTitle(QStringLiteral("Spln Help"));
    window->resize(560, 600);
    auto* layout = new QVBoxLayout(window);
    auto* text = new QTextBrowser(window);
    text->setHtml(HelpText());
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);
    layout->addWidget(buttons);
    return window;
}

}  // namespace spln
