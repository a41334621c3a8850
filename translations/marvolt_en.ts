<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: MIT -->
<!-- SPDX-FileCopyrightText: 2026 The Marvolt developers -->
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>CaptionBar</name>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>DebugBranch</name>
    <message>
        <source>0～10で倒した本数<byte value="xd"/>
-2でスプリット(１投目だけにしてね！）<byte value="xd"/>
-1で強制終了</source>
        <translation>0 to 10: the pins knocked down<byte value="xd"/>
-2: a split (first ball only!)<byte value="xd"/>
-1: quit</translation>
    </message>
</context>
<context>
    <name>HighScoreCaptions</name>
    <message>
        <source>１２３４５</source>
        <translation>12345</translation>
    </message>
    <message>
        <source>位：</source>
        <translation>. </translation>
    </message>
    <message>
        <source>(なし)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>  スコア:</source>
        <translation>  Score: </translation>
    </message>
    <message>
        <source>yyyy年MM月dd日</source>
        <translation>yyyy-MM-dd</translation>
    </message>
</context>
<context>
    <name>ThrowRules</name>
    <message>
        <source>ハイスコアがでました！<byte value="xd"/>
あなたは、%1位にランキングされました。</source>
        <translation>A new high score!<byte value="xd"/>
You are ranked number %1.</translation>
    </message>
    <message>
        <source>続けてゲームしますか？</source>
        <translation>Play another game?</translation>
    </message>
</context>
<context>
    <name>WindowShaper</name>
    <message>
        <source>リージョンデータの読み込みに失敗しました。</source>
        <translation>Could not load the window shapes.</translation>
    </message>
    <message>
        <source>ウィンドウの整形に失敗しました。</source>
        <translation>Could not shape the windows.</translation>
    </message>
</context>
<context>
    <name>frmMenu</name>
    <message>
        <source>黒</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>青</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>無</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>ハイスコア</source>
        <translation>High Scores</translation>
    </message>
    <message>
        <source>(なし)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>ボール</source>
        <translation>Ball</translation>
    </message>
    <message>
        <source>画面モード切替</source>
        <translation>Switch Lane Look</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About Marvolt</translation>
    </message>
    <message>
        <source>ゲーム終了</source>
        <translation>End Game</translation>
    </message>
</context>
<context>
    <name>frm_Version</name>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About Marvolt</translation>
    </message>
    <message>
        <source>デスクトップでボウリング。</source>
        <translation>Bowling on your desktop.</translation>
    </message>
</context>
</TS>
