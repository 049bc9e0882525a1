<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
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
