<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ComparisonChartLoader</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 がありません</translation>
    </message>
</context>
<context>
    <name>ComparisonWords</name>
    <message>
        <source>%1 from (%2, %3) to x = %4</source>
        <translation>%1、(%2, %3) から x = %4 まで</translation>
    </message>
    <message>
        <source>rounding takes over</source>
        <translation>丸め誤差が支配</translation>
    </message>
    <message>
        <source>beyond the stability limit</source>
        <translation>安定限界を超える</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>値なし</translation>
    </message>
    <message>
        <source>beyond range</source>
        <translation>範囲外</translation>
    </message>
    <message>
        <source>too many steps</source>
        <translation>ステップ数が多すぎる</translation>
    </message>
    <message>
        <source>last step shortened</source>
        <translation>最後のステップを短縮</translation>
    </message>
    <message>
        <source>The error is as small as the rounding of the computer&apos;s arithmetic and no longer falls as h is halved.</source>
        <translation>誤差がコンピュータの計算の丸め誤差と同じくらい小さく、h を半分にしてももう減りません。</translation>
    </message>
    <message>
        <source>The numbers grow where the solution does not: h is beyond the method&apos;s stability limit.</source>
        <translation>解は大きくならないのに数値が大きくなっています。h がこの解法の安定限界を超えています。</translation>
    </message>
    <message>
        <source>The numbers leave the computer&apos;s range at x = %1: h is beyond the method&apos;s stability limit.</source>
        <translation>x = %1 で数値がコンピュータの扱える範囲を超えました。h がこの解法の安定限界を超えています。</translation>
    </message>
    <message>
        <source>The equation has no value on the way, at x = %1.</source>
        <translation>途中の x = %1 で方程式が値を持ちません。</translation>
    </message>
    <message>
        <source>The solution has no finite value at the end point, so there is no error to measure.</source>
        <translation>終点で解が有限の値を持たないので、測る誤差がありません。</translation>
    </message>
    <message>
        <source>The span is no whole number of steps h, so the last step is shorter and ends at the end point.</source>
        <translation>区間が h の整数倍ではないので、最後のステップは短くして終点で終わります。</translation>
    </message>
    <message>
        <source>The solution has no finite value at x = %1, so there is no true value to measure the errors against.</source>
        <translation>x = %1 で解が有限の値を持たないので、誤差を測るための真の値がありません。</translation>
    </message>
    <message>
        <source>Every method gives the exact answer here up to rounding, so there is no error to halve.</source>
        <translation>ここではどの解法も丸め誤差を除いて正確な答えを出すので、半分にする誤差がありません。</translation>
    </message>
    <message>
        <source>The %1 method gives the exact answer here up to rounding.</source>
        <translation>ここでは%1は丸め誤差を除いて正確な答えを出します。</translation>
    </message>
    <message>
        <source>Halving h divides the %1 error by about %2: order %3.</source>
        <translation>h を半分にすると%1の誤差はおよそ 1/%2 になります: 次数 %3。</translation>
    </message>
    <message>
        <source>The %1 rows show no order here.</source>
        <translation>ここでは%1の行から次数は読み取れません。</translation>
    </message>
    <message>
        <source>For h = %1 and below the error stops falling: rounding in the computer&apos;s arithmetic takes over.</source>
        <translation>h = %1 以下では誤差が減らなくなります: コンピュータの計算の丸め誤差が支配します。</translation>
    </message>
    <message>
        <source>For h = %1 and above the %2 numbers grow where the solution does not: h is beyond the method&apos;s stability limit.</source>
        <translation>h = %1 以上では、解は大きくならないのに%2の数値が大きくなります: h がこの解法の安定限界を超えています。</translation>
    </message>
    <message>
        <source>There is nothing to compare: x1, y1 and x2 must be numbers within range, with x2 to the right of x1.</source>
        <translation>比べるものがありません: x1、y1、x2 は扱える範囲の数で、x2 は x1 より右にしてください。</translation>
    </message>
    <message>
        <source>More than %1 steps: not computed.</source>
        <extracomment>%1 is the most steps a run may take, e.g. 1,000,000.</extracomment>
        <translation>%1 ステップを超えるので計算しませんでした。</translation>
    </message>
    <message>
        <source>Its tableau&apos;s order conditions promise order %1.</source>
        <translation>タブローの次数条件が約束する次数は %1 です。</translation>
    </message>
</context>
<context>
    <name>MethodNames</name>
    <message>
        <source>Euler</source>
        <translation>オイラー法</translation>
    </message>
    <message>
        <source>Heun</source>
        <translation>ホイン法</translation>
    </message>
    <message>
        <source>Midpoint</source>
        <translation>中点法</translation>
    </message>
    <message>
        <source>Runge–Kutta</source>
        <translation>ルンゲ・クッタ法</translation>
    </message>
    <message>
        <source>%1 Method, h = %2</source>
        <extracomment>%1 is the method&apos;s name, %2 the step, e.g. &quot;Heun Method, h = 0.1&quot;.</extracomment>
        <translation>%1、h = %2</translation>
    </message>
    <message>
        <source>%1 (own method), h = %2</source>
        <extracomment>%1 is the name the learner gave their own method, %2 the step, e.g. &quot;3/8 rule (own method), h = 0.05&quot;.</extracomment>
        <translation>%1（自作の解法）、h = %2</translation>
    </message>
</context>
<context>
    <name>ResultsHeading</name>
    <message>
        <source>error</source>
        <translation>誤差</translation>
    </message>
</context>
<context>
    <name>RunMessage</name>
    <message>
        <source>A run goes from x1 to the right, but x2 = %1 lies to the left of x1 = %2, so nothing was computed. Type an x2 greater than x1.</source>
        <translation>計算は x1 から右へ進みますが、x2 = %1 は x1 = %2 より左にあるので、何も計算しませんでした。x1 より大きい x2 を入力してください。</translation>
    </message>
    <message>
        <source>The slope has no value at x = %1, so the run stopped there.</source>
        <translation>傾きが x = %1 で値を持たないので、計算をそこで止めました。</translation>
    </message>
    <message>
        <source>The solution grew beyond the range of numbers at x = %1, so the run stopped there: it may blow up near this x.</source>
        <translation>解が x = %1 で扱える数の範囲を超えたので、計算をそこで止めました。解はこの x の近くで発散するのかもしれません。</translation>
    </message>
    <message>
        <source>The step h = %1 lies outside %2 to %3, so the run was not started.</source>
        <translation>刻み h = %1 が %2 から %3 の範囲外なので、計算は始めませんでした。</translation>
    </message>
    <message>
        <source>The initial ordinate y1 is beyond the range of numbers, so the run was not started.</source>
        <translation>初めの y1 が扱える数の範囲を超えているので、計算は始めませんでした。</translation>
    </message>
    <message>
        <source>A run is limited to %1 steps of %2, so x2 - x1 must stay below %3. The run was not started.</source>
        <translation>1 回の計算は刻み %2 で %1 ステップまでなので、x2 - x1 は %3 未満にしてください。計算は始めませんでした。</translation>
    </message>
    <message>
        <source>The final abscissa x2 or the start abscissa x1 is beyond the range of numbers, so the run was not started.</source>
        <translation>終わりの x2 か初めの x1 が扱える数の範囲を超えているので、計算は始めませんでした。</translation>
    </message>
</context>
<context>
    <name>StepExplanation</name>
    <message>
        <source>No equation was selected for this run, so every slope is 0 and y keeps its start value.</source>
        <translation>この計算では方程式が選ばれていないので、傾きはどれも 0 で、y は初めの値のままです。</translation>
    </message>
    <message>
        <source>x = %1   y = %2</source>
        <translation>x = %1   y = %2</translation>
    </message>
    <message>
        <source>%1 is beyond the range of numbers, so the run stops before x = %2.</source>
        <extracomment>%1 is a slope, k1 to k6, or y(x + h), as the lines above name it; %2 is the next row&apos;s x.</extracomment>
        <translation>%1 が扱える数の範囲を超えるので、計算は x = %2 の手前で止まります。</translation>
    </message>
    <message>
        <source>%1 has no value at x = %2, so the run stops here.</source>
        <extracomment>%1 is a slope, k1 to k6, as the lines above name it; %2 is the row&apos;s x.</extracomment>
        <translation>%1 は x = %2 で値を持たないので、計算はここで止まります。</translation>
    </message>
    <message>
        <source>Last row of this run: (x2 − x1)/h = %1 steps,
so the passes are i = 0 … %1 and the run ends at x2.</source>
        <extracomment>%1 is n = (x2 - x1)/h, a whole number here, and also the last pass.</extracomment>
        <translation>この計算の最後の行です: (x2 − x1)/h = %1 ステップなので、
i = 0 … %1 まで計算して x2 で終わります。</translation>
    </message>
    <message>
        <source>Last row of this run: (x2 − x1)/h comes out as %1
in the computer&apos;s arithmetic, which is %2 but for rounding,
so the passes are i = 0 … %2 and the run ends at x2.</source>
        <extracomment>%1 is n with the shortest digits that read back to it; %2 is the whole number it is taken as.</extracomment>
        <translation>この計算の最後の行です: (x2 − x1)/h はコンピュータの計算では %1 になりますが、
丸めの誤差を除けば %2 なので、
i = 0 … %2 まで計算して x2 で終わります。</translation>
    </message>
    <message>
        <source>Last row of this run: (x2 − x1)/h = %1 is not a whole number of steps,
so the passes are i = 0 … %2, the last step that does not pass x2.</source>
        <extracomment>%1 is n with the shortest digits that read back to it; %2 is the last pass.</extracomment>
        <translation>この計算の最後の行です: (x2 − x1)/h = %1 はステップ数として整数ではないので、
x2 を越えない最後のステップ i = %2 まで計算します（i = 0 … %2）。</translation>
    </message>
    <message>
        <source>exact: %1</source>
        <extracomment>%1 is the closed form of the solution, e.g. y = 1·e^(−(x − 0)).</extracomment>
        <translation>厳密解: %1</translation>
    </message>
    <message>
        <source>reference: computed to about %1</source>
        <extracomment>%1 is the relative accuracy, e.g. 1e-12.</extracomment>
        <translation>参照解: 相対精度およそ %1 で計算</translation>
    </message>
    <message>
        <source>y(x) = %1</source>
        <translation>y(x) = %1</translation>
    </message>
    <message>
        <source>error y − y(x) = %1, relative error %2</source>
        <extracomment>%1 and %2 in scientific notation, e.g. 2.00e-08.</extracomment>
        <translation>誤差 y − y(x) = %1、相対誤差 %2</translation>
    </message>
    <message>
        <source>error y − y(x) = %1 (no relative error: y(x) = 0)</source>
        <translation>誤差 y − y(x) = %1 (y(x) = 0 なので相対誤差はありません)</translation>
    </message>
    <message>
        <source>No value here: the solution leaves the range of numbers before x = %1,
as it does near a pole.</source>
        <translation>ここには値がありません: 解が x = %1 の手前で扱える数の範囲を超えます。
極の近くではそうなります。</translation>
    </message>
    <message>
        <source>No value here: the slope has no value at x = %1.</source>
        <translation>ここには値がありません: x = %1 で傾きに値がありません。</translation>
    </message>
    <message>
        <source>No value here: computing it took too much work before x = %1.</source>
        <translation>ここには値がありません: x = %1 の手前で計算に手間がかかりすぎました。</translation>
    </message>
    <message>
        <source>No value here: computing the reference was cancelled.</source>
        <translation>ここには値がありません: 参照解の計算は取り消されました。</translation>
    </message>
</context>
<context>
    <name>rk</name>
    <message>
        <source>Read as 0: names are not read in this box; type %1 for pi.</source>
        <extracomment>%1 is pi to the digits a number box reads.</extracomment>
        <translation>0 と読みました: この欄では名前は読みません。pi は %1 と入力してください。</translation>
    </message>
    <message>
        <source>Read as 0: names are not read in this box; type %1 for e.</source>
        <translation>0 と読みました: この欄では名前は読みません。e は %1 と入力してください。</translation>
    </message>
    <message>
        <source>Read as 0: the box is empty.</source>
        <translation>0 と読みました: 欄が空です。</translation>
    </message>
    <message>
        <source>Read as 0: the text does not begin with a number.</source>
        <translation>0 と読みました: 文字列が数で始まっていません。</translation>
    </message>
    <message>
        <source>Read as %1: use a point, not a comma, for decimals; type %2.</source>
        <extracomment>%1 is what was read; %2 the text with a point for the comma.</extracomment>
        <translation>%1 と読みました: 小数にはコンマではなくピリオドを使います。%2 と入力してください。</translation>
    </message>
    <message>
        <source>Read as %1: only the leading number counts; type %2.</source>
        <extracomment>%1 is what was read; %2 the fraction&apos;s value.</extracomment>
        <translation>%1 と読みました: 先頭の数だけが使われます。%2 と入力してください。</translation>
    </message>
    <message>
        <source>Read as %1: only the leading number counts, so “%2” was left out.</source>
        <extracomment>%1 is what was read; %2 the rest of the text, which was left out.</extracomment>
        <translation>%1 と読みました: 先頭の数だけが使われるので、「%2」は無視しました。</translation>
    </message>
</context>
<context>
    <name>rk::ComparisonChart</name>
    <message>
        <source>h = %1, |error| = %2</source>
        <translation>h = %1、|誤差| = %2</translation>
    </message>
    <message>
        <source>step h</source>
        <translation>刻み幅 h</translation>
    </message>
    <message>
        <source>|error| at x2</source>
        <translation>x2 での |誤差|</translation>
    </message>
    <message>
        <source>slope %1</source>
        <translation>傾き %1</translation>
    </message>
</context>
<context>
    <name>rk::ComparisonTableModel</name>
    <message>
        <source>Method</source>
        <translation>解法</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>ステップ数</translation>
    </message>
    <message>
        <source>y at x2</source>
        <translation>x2 での y</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>誤差</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>比</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>次数</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>注</translation>
    </message>
</context>
<context>
    <name>rk::ComparisonWindow</name>
    <message>
        <source>&amp;Larger h</source>
        <translation>大きい h(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Smaller h</source>
        <translation>小さい h(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Compare steps and methods</source>
        <translation>刻み幅と解法の比較</translation>
    </message>
    <message>
        <source>Add a step twice the largest</source>
        <translation>最大の刻み幅の 2 倍を加えます</translation>
    </message>
    <message>
        <source>Add a step half the smallest</source>
        <translation>最小の刻み幅の半分を加えます</translation>
    </message>
    <message>
        <source>Progress of the comparison</source>
        <translation>比較の進み具合</translation>
    </message>
    <message>
        <source>Errors at the end point</source>
        <translation>終点での誤差</translation>
    </message>
    <message>
        <source>One row per method and step h: the steps taken, y at the end point, its error, how much halving h divided the error by, and the order that shows</source>
        <translation>解法と刻み幅 h ごとに 1 行: ステップ数、終点での y、その誤差、h を半分にして誤差が何分の 1 になったか、そこから読み取れる次数</translation>
    </message>
    <message>
        <source>Chart of the errors</source>
        <translation>誤差のグラフ</translation>
    </message>
    <message>
        <source>The size of the error against h on logarithmic axes, one line per method, with guide lines of slope 1, 2 and 4</source>
        <translation>両対数軸で h に対する誤差の大きさ。解法ごとに 1 本の線と、傾き 1、2、4 の補助線</translation>
    </message>
    <message>
        <source>What the rows show</source>
        <translation>表からわかること</translation>
    </message>
    <message>
        <source>C&amp;opy table</source>
        <translation>表をコピー(&amp;O)</translation>
    </message>
    <message>
        <source>Save table as &amp;TSV…</source>
        <translation>表を TSV で保存(&amp;T)…</translation>
    </message>
    <message>
        <source>Save table as CS&amp;V…</source>
        <translation>表を CSV で保存(&amp;V)…</translation>
    </message>
    <message>
        <source>Save chart as &amp;PNG…</source>
        <translation>グラフを PNG で保存(&amp;P)…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>No equation is selected in the list, so this compares the first.</source>
        <translation>一覧で方程式が選ばれていないので、最初の方程式で比べます。</translation>
    </message>
    <message>
        <source>Steps h from %1 to %2, each half the one before</source>
        <translation>刻み幅 h は %1 から %2 まで、それぞれ前の半分</translation>
    </message>
    <message>
        <source>Cancelled: the table shows the rows done before.</source>
        <translation>キャンセルしました: 表にはそれまでに計算した行を示します。</translation>
    </message>
    <message>
        <source>Save table as CSV</source>
        <translation>表を CSV で保存</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>Save table as TSV</source>
        <translation>表を TSV で保存</translation>
    </message>
    <message>
        <source>TSV files (*.tsv)</source>
        <translation>TSV ファイル (*.tsv)</translation>
    </message>
    <message>
        <source>Save chart as PNG</source>
        <translation>グラフを PNG で保存</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>The chart could not be loaded: %1</source>
        <translation>グラフを読み込めませんでした: %1</translation>
    </message>
    <message>
        <source>equation</source>
        <translation>方程式</translation>
    </message>
</context>
<context>
    <name>rk::EquationMenu</name>
    <message>
        <source>Right-click for your own equation</source>
        <translation>右クリックで自分の方程式を入力できます</translation>
    </message>
    <message>
        <source>Own equation…</source>
        <translation>自分の方程式…</translation>
    </message>
    <message>
        <source>Compare steps and methods…</source>
        <translation>刻み幅と解法を比べる…</translation>
    </message>
</context>
<context>
    <name>rk::FileSaver</name>
    <message>
        <source>The file %1 could not be saved: %2.</source>
        <translation>ファイル %1 を保存できませんでした（%2）。</translation>
    </message>
</context>
<context>
    <name>rk::GuideWindow</name>
    <message>
        <source>RungeKutta guide</source>
        <translation>RungeKutta ガイド</translation>
    </message>
    <message>
        <source>Find in the guide (Ctrl+F)</source>
        <translation>ガイド内を検索 (Ctrl+F)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>前へ</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The language of the guide shown: its file is docs/guide/&lt;this&gt;.md. &quot;ja&quot; in the Japanese translation.</extracomment>
        <translation>ja</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>ガイド</translation>
    </message>
    <message>
        <source>F1: the guide</source>
        <translation>F1: ガイド</translation>
    </message>
</context>
<context>
    <name>rk::MethodMenu</name>
    <message>
        <source>Step h = %1…</source>
        <extracomment>%1 is the step of the next runs.</extracomment>
        <translation>刻み h = %1…</translation>
    </message>
    <message>
        <source>&amp;Method</source>
        <translation>解法(&amp;M)</translation>
    </message>
    <message>
        <source>Classical %1</source>
        <extracomment>A menu entry; %1 is the method&apos;s name, as &quot;Heun&quot;.</extracomment>
        <translation>古典的%1</translation>
    </message>
    <message>
        <source>Own method…</source>
        <translation>自作の解法…</translation>
    </message>
</context>
<context>
    <name>rk::OwnEquationDialog</name>
    <message>
        <source>Own equation</source>
        <translation>自分の方程式</translation>
    </message>
    <message>
        <source>Right-hand side f(x, y)</source>
        <translation>右辺 f(x, y)</translation>
    </message>
    <message>
        <source>How the program reads the equation</source>
        <translation>方程式の読み方</translation>
    </message>
    <message>
        <source>Read as: y&apos; = %1</source>
        <translation>読み方: y&apos; = %1</translation>
    </message>
    <message>
        <source>Type the right-hand side f(x, y), for example x - y.</source>
        <translation>右辺 f(x, y) を入力してください。例: x - y</translation>
    </message>
    <message>
        <source>Character %1, &quot;%2&quot;, cannot be part of an equation.</source>
        <translation>%1 文字目の「%2」は方程式に使えません。</translation>
    </message>
    <message>
        <source>The number at character %1 is malformed: a decimal point needs a digit after it.</source>
        <translation>%1 文字目の数の書き方が正しくありません。小数点の後には数字が必要です。</translation>
    </message>
    <message>
        <source>The number at character %1 is beyond the range of numbers.</source>
        <translation>%1 文字目の数は扱える数の範囲を超えています。</translation>
    </message>
    <message>
        <source>A number, x, y or an opening parenthesis is missing at character %1.</source>
        <translation>%1 文字目に数、x、y または開き括弧が足りません。</translation>
    </message>
    <message>
        <source>A closing parenthesis is missing at character %1.</source>
        <translation>%1 文字目に閉じ括弧が足りません。</translation>
    </message>
    <message>
        <source>The parenthesis at character %1 closes none that is open.</source>
        <translation>%1 文字目の閉じ括弧に対応する開き括弧がありません。</translation>
    </message>
    <message>
        <source>The function before character %1 needs its argument in parentheses.</source>
        <translation>%1 文字目の前の関数は、引数を括弧で囲んでください。</translation>
    </message>
    <message>
        <source>A number cannot follow at character %1; put * before it.</source>
        <translation>%1 文字目に数を続けることはできません。前に * を入れてください。</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>&quot;%2&quot; at character %1 is not a known name. Known: %3 and the functions %4.</source>
        <translation>%1 文字目の「%2」は知らない名前です。使えるのは %3 と関数 %4 です。</translation>
    </message>
    <message>
        <source>The equation is too long: it may have at most %1 characters (character %2).</source>
        <translation>方程式が長すぎます。%1 文字までです (%2 文字目)。</translation>
    </message>
    <message>
        <source>Parentheses are nested more than %1 deep (character %2).</source>
        <translation>括弧の入れ子が %1 段を超えています (%2 文字目)。</translation>
    </message>
    <message>
        <source>&quot;%2&quot; at character %1 is not a known name: the variable here is x.</source>
        <translation>%1 文字目の「%2」は知らない名前です。ここでの変数は x です。</translation>
    </message>
    <message>
        <source>&quot;%2&quot; at character %1: names are lower case, so type %3.</source>
        <translation>%1 文字目の「%2」: 名前は小文字で書きます。%3 と入力してください。</translation>
    </message>
    <message>
        <source>Use ^ for powers, not ** (character %1): for example x^2.</source>
        <translation>%1 文字目: 累乗には ** ではなく ^ を使います。例: x^2</translation>
    </message>
    <message>
        <source>Use a point in numbers, not a comma (character %1): for example 0.5.</source>
        <translation>%1 文字目: 小数点にはコンマではなくピリオドを使います。例: 0.5</translation>
    </message>
    <message>
        <source>Write the power after the function&apos;s argument, as in %2(x)^2 (character %1).</source>
        <translation>累乗は関数の引数の後に書いてください。例: %2(x)^2 (%1 文字目)</translation>
    </message>
</context>
<context>
    <name>rk::OwnMethodDialog</name>
    <message>
        <source>Own method</source>
        <translation>自作の解法</translation>
    </message>
    <message>
        <source>Name of the method</source>
        <translation>解法の名前</translation>
    </message>
    <message>
        <source>for example: 3/8 rule</source>
        <translation>例: 3/8 公式</translation>
    </message>
    <message>
        <source>Butcher tableau</source>
        <translation>ブッチャー表</translation>
    </message>
    <message>
        <source>One line per stage: c, a bar |, then the stage&apos;s row of A. Last line: a bar |, then the weights b. Numbers or fractions such as 0.5, 1/3 or -1/3, apart by blanks.</source>
        <translation>段ごとに 1 行: c、縦線 |、その段の A の行。最後の行: 縦線 |、重み b。数や分数 (0.5、1/3、-1/3 など) を空白で区切って書きます。</translation>
    </message>
    <message>
        <source>What the tableau promises</source>
        <translation>タブローが約束すること</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Tableau:</source>
        <translation>タブロー(&amp;T):</translation>
    </message>
    <message>
        <source>Give the method a name, such as 3/8 rule.</source>
        <translation>解法に名前を付けてください。例: 3/8 公式</translation>
    </message>
    <message>
        <source>order 0: the weights sum to %1, not 1</source>
        <extracomment>%1 is the sum of the weights b, e.g. 0.9.</extracomment>
        <translation>次数 0: 重みの和が 1 でなく %1 です</translation>
    </message>
    <message>
        <source>order 1: the weights sum to 1</source>
        <translation>次数 1: 重みの和は 1 です</translation>
    </message>
    <message>
        <source>order %1: all %2 conditions hold</source>
        <translation>次数 %1: %2 個の条件がすべて成り立ちます</translation>
    </message>
    <message>
        <source>order %1: its condition fails</source>
        <translation>次数 %1: その条件は成り立ちません</translation>
    </message>
    <message>
        <source>order %1: %2 of %3 fail</source>
        <translation>次数 %1: %3 個のうち %2 個が成り立ちません</translation>
    </message>
    <message>
        <source>Each row of A sums to its c: every stage&apos;s y is a step towards its x.</source>
        <translation>A の各行の和はその c に等しく、どの段の y もその x へ向かう一歩です。</translation>
    </message>
    <message>
        <source>Row %1 of A sums to %2, not to c = %3: that stage takes its slope at a y that belongs to another x. The conditions assume each row sums to its c, so on equations that depend on x the method is sure of order 1 only.</source>
        <extracomment>%1 is the stage, %2 the sum of its row of A, %3 its c.</extracomment>
        <translation>A の第 %1 行の和は c = %3 でなく %2 です: その段は別の x に属する y で傾きを取ります。次数条件は各行の和が c に等しいことを前提にしているので、x を含む方程式では次数 1 しか保証されません。</translation>
    </message>
    <message>
        <source>Line %1, c</source>
        <extracomment>Where a refusal lies: the line as typed, and c or the entry right of the bar.</extracomment>
        <translation>%1 行目の c</translation>
    </message>
    <message>
        <source>Line %1, entry %2</source>
        <translation>%1 行目の %2 番目の値</translation>
    </message>
    <message>
        <source>Type the tableau: a line c | a_i1 a_i2 … for each stage, then | b_1 b_2 … for the weights.</source>
        <translation>タブローを入力してください: 段ごとに c | a_i1 a_i2 … の行、最後に重みの行 | b_1 b_2 …。</translation>
    </message>
    <message>
        <source>Line %1 has no bar |: write c, a bar, then the stage&apos;s row of A.</source>
        <translation>%1 行目に縦線 | がありません: c、縦線、その段の A の行の順に書いてください。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no number; write numbers or fractions such as 0.5, 1/3 or -1/3.</source>
        <translation>%1: 「%2」は数ではありません。0.5、1/3、-1/3 のような数か分数を書いてください。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; divides by zero.</source>
        <translation>%1: 「%2」は 0 で割っています。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; lies on or above the diagonal of A, where only 0 may stand: a stage can use only the slopes before it.</source>
        <translation>%1: 「%2」は A の対角線上かその右上にあり、そこには 0 しか置けません: 各段はそれより前の傾きしか使えません。</translation>
    </message>
    <message>
        <source>Line %1 would be stage %2: a method here has at most %3 stages.</source>
        <translation>%1 行目は第 %2 段になってしまいます: 解法の段数は %3 までです。</translation>
    </message>
    <message>
        <source>Line %1 comes after the weights&apos; line | b_1 b_2 …, which must be the last.</source>
        <translation>%1 行目が重みの行 | b_1 b_2 … の後にあります。重みの行は最後でなければなりません。</translation>
    </message>
    <message>
        <source>The weights are missing: end with a line | b_1 b_2 … with a weight for each stage.</source>
        <translation>重みがありません: 最後に、段ごとの重みを並べた行 | b_1 b_2 … を書いてください。</translation>
    </message>
    <message>
        <source>%1: the weight &quot;%2&quot; lies past the last stage.</source>
        <translation>%1: 重み「%2」は最後の段より後にあります。</translation>
    </message>
</context>
<context>
    <name>rk::PlotMenu</name>
    <message>
        <source>Copy image</source>
        <translation>画像をコピー</translation>
    </message>
    <message>
        <source>Save image as PNG…</source>
        <translation>画像を PNG で保存…</translation>
    </message>
    <message>
        <source>Save image as PNG</source>
        <translation>画像を PNG で保存</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>Show slope field</source>
        <translation>方向場を表示</translation>
    </message>
    <message>
        <source>Show exact solution</source>
        <translation>厳密解を表示</translation>
    </message>
    <message>
        <source>Right-click to copy or save the plot, or to show the slope field</source>
        <translation>右クリックでグラフをコピー・保存したり、方向場を表示したりできます</translation>
    </message>
</context>
<context>
    <name>rk::ResultsModel</name>
    <message>
        <source>computing…</source>
        <translation>計算中…</translation>
    </message>
</context>
<context>
    <name>rk::RunTableModel</name>
    <message>
        <source>no equation</source>
        <translation>方程式なし</translation>
    </message>
    <message>
        <source>ends at x = %1, before x2 = %2: h = %3 does not divide %4</source>
        <extracomment>%1 is the last x, %2 the x2 asked for, %3 the step h, %4 the span x2 − x1.</extracomment>
        <translation>x = %1 で終わり、x2 = %2 の手前です: h = %3 は %4 を割り切りません</translation>
    </message>
    <message>
        <source>Run %1: %2, %3, h = %4, from (%5, %6) to x2 = %7</source>
        <extracomment>%1 the run&apos;s number, %2 its equation, %3 its method, %4 the step, %5 x1, %6 y1, %7 x2.</extracomment>
        <translation>計算 %1: %2、%3、h = %4、(%5, %6) から x2 = %7 まで</translation>
    </message>
    <message>
        <source>run</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>exact y</source>
        <translation>厳密解 y</translation>
    </message>
    <message>
        <source>reference y</source>
        <translation>参照解 y</translation>
    </message>
    <message>
        <source>error</source>
        <translation>誤差</translation>
    </message>
    <message>
        <source>relative error</source>
        <translation>相対誤差</translation>
    </message>
</context>
<context>
    <name>rk::StepDialog</name>
    <message>
        <source>Step h</source>
        <translation>刻み h</translation>
    </message>
    <message>
        <source>&amp;h =</source>
        <extracomment>The step of a run; &quot;&amp;&quot; marks the key that moves to the box.</extracomment>
        <translation>&amp;h =</translation>
    </message>
    <message>
        <source>Type a number, such as 0.1 or 2.5e-3.</source>
        <translation>0.1 や 2.5e-3 のような数を入力してください。</translation>
    </message>
    <message>
        <source>h must lie from %1 to %2.</source>
        <translation>h は %1 から %2 の範囲にしてください。</translation>
    </message>
</context>
<context>
    <name>rk::TableMenu</name>
    <message>
        <source>Copy line</source>
        <translation>行をコピー</translation>
    </message>
    <message>
        <source>Copy table</source>
        <translation>表をコピー</translation>
    </message>
    <message>
        <source>Save table as CSV…</source>
        <translation>表を CSV で保存…</translation>
    </message>
    <message>
        <source>Save table as CSV</source>
        <translation>表を CSV で保存</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>Show errors</source>
        <translation>誤差を表示</translation>
    </message>
    <message>
        <source>Open as table…</source>
        <translation>表として開く…</translation>
    </message>
    <message>
        <source>Right-click to copy or save the table</source>
        <translation>右クリックで表をコピー・保存できます</translation>
    </message>
</context>
<context>
    <name>rk::TableWindow</name>
    <message>
        <source>Results as a table</source>
        <translation>結果の表</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Right-click for the stages k1, k2, …</source>
        <translation>右クリックで段 k1, k2, … を表示できます</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>The selected rows, or all, as tab-separated columns</source>
        <translation>選んだ行を、なければすべての行を、タブ区切りの列でコピーします</translation>
    </message>
    <message>
        <source>Save as CS&amp;V…</source>
        <translation>CSV で保存(&amp;V)…</translation>
    </message>
    <message>
        <source>Save as &amp;TSV…</source>
        <translation>TSV で保存(&amp;T)…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>No run is listed yet.</source>
        <translation>まだ計算がありません。</translation>
    </message>
    <message>
        <source>Show stages k1 … k%1</source>
        <translation>段 k1 … k%1 を表示</translation>
    </message>
    <message>
        <source>Save table as CSV</source>
        <translation>表を CSV で保存</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>Save table as TSV</source>
        <translation>表を TSV で保存</translation>
    </message>
    <message>
        <source>TSV files (*.tsv)</source>
        <translation>TSV ファイル (*.tsv)</translation>
    </message>
</context>
</TS>
