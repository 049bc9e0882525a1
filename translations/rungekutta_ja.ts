<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>StepExplanation</name>
    <message>
        <source>k1 = f(x, y) = %1</source>
        <translation>k1 = f(x, y) = %1</translation>
    </message>
    <message>
        <source>k2 = f(x + h/2, y + k1·h/2) = %1</source>
        <translation>k2 = f(x + h/2, y + k1·h/2) = %1</translation>
    </message>
    <message>
        <source>k3 = f(x + h/2, y + k2·h/2) = %1</source>
        <translation>k3 = f(x + h/2, y + k2·h/2) = %1</translation>
    </message>
    <message>
        <source>k4 = f(x + h, y + k3·h) = %1</source>
        <translation>k4 = f(x + h, y + k3·h) = %1</translation>
    </message>
    <message>
        <source>y(x + h) = y + h·((k1 + k4) + 2·(k2 + k3))/6 = %1</source>
        <translation>y(x + h) = y + h·((k1 + k4) + 2·(k2 + k3))/6 = %1</translation>
    </message>
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
        <extracomment>%1 is k1 to k4 or y(x + h), as the lines above name them; %2 is the next row&apos;s x.</extracomment>
        <translation>%1 が扱える数の範囲を超えるので、計算は x = %2 の手前で止まります。</translation>
    </message>
</context>
<context>
    <name>rk::Form1</name>
    <message>
        <source>The solution grew beyond the range of numbers at x = %1, so the run stopped there.</source>
        <translation>解が x = %1 で扱える数の範囲を超えたので、計算をそこで止めました。</translation>
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
    <name>rk::ResultsMenus</name>
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
        <source>Copy image</source>
        <translation>画像をコピー</translation>
    </message>
    <message>
        <source>Save image as PNG…</source>
        <translation>画像を PNG で保存…</translation>
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
        <source>Save image as PNG</source>
        <translation>画像を PNG で保存</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>The file %1 could not be saved: %2.</source>
        <translation>ファイル %1 を保存できませんでした（%2）。</translation>
    </message>
</context>
</TS>
