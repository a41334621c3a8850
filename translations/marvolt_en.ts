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
    <name>DaysPage</name>
    <message>
        <source>日ごとの平均</source>
        <translation>Average of the day</translation>
    </message>
    <message>
        <source>M月d日</source>
        <translation>MMM d</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>ゲーム数</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>平均</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>yyyy年MM月dd日</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>%1（最高）</source>
        <translation>%1 (best)</translation>
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
    <name>FirstBallChart</name>
    <message>
        <source>第1投で倒したピン数</source>
        <translation>Pins knocked down by the first ball</translation>
    </message>
</context>
<context>
    <name>GameListModel</name>
    <message>
        <source>yyyy年MM月dd日 HH:mm</source>
        <translation>yyyy-MM-dd HH:mm</translation>
    </message>
    <message>
        <source>ハイスコアから</source>
        <translation>From the high scores</translation>
    </message>
    <message>
        <source>手入力</source>
        <translation>Typed in</translation>
    </message>
    <message>
        <source>日時</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>合計</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>スコア</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Kind</translation>
    </message>
</context>
<context>
    <name>GamesPage</name>
    <message>
        <source>このゲームを削除</source>
        <translation>Remove This Game</translation>
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
    <message>
        <source>keep</source>
        <extracomment>The score&apos;s leading zeros: &quot;keep&quot; (087) or &quot;drop&quot; (87).</extracomment>
        <translation>drop</translation>
    </message>
</context>
<context>
    <name>LeavesPage</name>
    <message>
        <source>第1投のあとに残ったピン</source>
        <translation>Pins left after the first ball</translation>
    </message>
    <message>
        <source>残ったピン</source>
        <translation>Pins left</translation>
    </message>
    <message>
        <source>回数</source>
        <translation>Times</translation>
    </message>
    <message>
        <source>メイク</source>
        <translation>Converted</translation>
    </message>
    <message>
        <source>メイク率</source>
        <translation>Converted %</translation>
    </message>
    <message>
        <source>残ったピンが記録から分かる第1投: %1 / %2</source>
        <translation>Pins recorded for %1 of the %2 first balls that left pins standing</translation>
    </message>
    <message>
        <source>%1（スプリット）</source>
        <translation>%1 (split)</translation>
    </message>
</context>
<context>
    <name>StatisticsWindowOwner</name>
    <message>
        <source>ゲームの履歴を読めません</source>
        <translation>the game history cannot be read</translation>
    </message>
    <message>
        <source>%1 の %2 点のゲームを履歴から削除しますか？</source>
        <translation>Remove the game of %1 (%2 points) from the history?</translation>
    </message>
    <message>
        <source>ゲームを削除できませんでした。</source>
        <translation>The game could not be removed.</translation>
    </message>
</context>
<context>
    <name>StatsWindow</name>
    <message>
        <source>成績</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>手入力のゲームも含める</source>
        <translation>Include typed-in games</translation>
    </message>
    <message>
        <source>CSVに書き出す…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>ゲームの履歴を開けないため、成績を表示できません。</source>
        <translation>The game history cannot be opened, so there are no statistics to show.</translation>
    </message>
    <message>
        <source>ゲームを最後まで投げると、ここに成績が表示されます。</source>
        <translation>Finish a game and your statistics will appear here.</translation>
    </message>
    <message>
        <source>CSVに書き出す</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>%1 に書き出しました。</source>
        <translation>Written to %1.</translation>
    </message>
    <message>
        <source>%1 に書き出せませんでした（%2）。</source>
        <translation>Could not write %1 (%2).</translation>
    </message>
    <message>
        <source>概要</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>ゲーム一覧</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>残りピン</source>
        <translation>Leaves</translation>
    </message>
    <message>
        <source>日ごと</source>
        <translation>By Day</translation>
    </message>
    <message>
        <source>日付の読めるゲームがないため、日ごとの成績を表示できません。</source>
        <translation>No game has a date that can be read, so there are no days to show.</translation>
    </message>
    <message>
        <source>このゲームの記録は読めないため、スコアシートを表示できません。</source>
        <translation>This game&apos;s record cannot be read, so its score sheet cannot be shown.</translation>
    </message>
</context>
<context>
    <name>SummaryPage</name>
    <message>
        <source>ゲーム数</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>平均</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>直近10ゲームの平均</source>
        <translation>Average of the last 10</translation>
    </message>
    <message>
        <source>直近50ゲームの平均</source>
        <translation>Average of the last 50</translation>
    </message>
    <message>
        <source>最高</source>
        <translation>Best game</translation>
    </message>
    <message>
        <source>3ゲームシリーズの最高</source>
        <translation>Best three-game series</translation>
    </message>
    <message>
        <source>第1投の平均</source>
        <translation>First-ball average</translation>
    </message>
    <message>
        <source>10フレームの追加投球の平均</source>
        <translation>Fill-ball average (tenth frame)</translation>
    </message>
    <message>
        <source>ストライク</source>
        <translation>Strikes</translation>
    </message>
    <message>
        <source>最長の連続ストライク</source>
        <translation>Most strikes in a row</translation>
    </message>
    <message>
        <source>ターキー</source>
        <translation>Turkeys (three strikes in a row)</translation>
    </message>
    <message>
        <source>スペア</source>
        <translation>Spares</translation>
    </message>
    <message>
        <source>1本残りのスペア</source>
        <translation>Single-pin spares</translation>
    </message>
    <message>
        <source>2本以上残りのスペア（スプリット以外）</source>
        <translation>Multi-pin spares (no splits)</translation>
    </message>
    <message>
        <source>スプリット</source>
        <translation>Splits</translation>
    </message>
    <message>
        <source>スプリットのメイク</source>
        <translation>Splits converted</translation>
    </message>
    <message>
        <source>オープンフレーム</source>
        <translation>Open frames</translation>
    </message>
    <message>
        <source>ガター</source>
        <translation>Gutter balls</translation>
    </message>
    <message>
        <source>パーフェクトゲーム</source>
        <translation>Perfect games</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>yyyy年MM月dd日</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>none yet</translation>
    </message>
    <message>
        <source>クリーンゲーム（オープンなし）</source>
        <translation>Clean games (no open frame)</translation>
    </message>
    <message>
        <source>記録の読めないゲーム（合計のみ）</source>
        <translation>Unreadable records (totals only)</translation>
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
    <name>TotalsChart</name>
    <message>
        <source>最高 %1</source>
        <translation>Best %1</translation>
    </message>
    <message>
        <source>合計</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>10ゲームの移動平均</source>
        <translation>10-game moving average</translation>
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
    <message>
        <source>成績</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>効果音</source>
        <translation>Sound effects</translation>
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
