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
</TS>
