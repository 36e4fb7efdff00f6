<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Kept by hand: the Japanese source texts live in the logic as plain strings,
     which lupdate cannot find. -->
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>Yorvane</name>
    <message>
        <source>手動</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>ワンポイント録画します</source>
        <translation>Takes one picture</translation>
    </message>
    <message>
        <source>遅れ時間</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>失敗する場合遅れ時間を大きくする</source>
        <translation>If a capture fails, choose a longer delay</translation>
    </message>
    <message>
        <source>録画ボタンクイック後0.2秒後録画</source>
        <translation>Captures 0.2 s after the capture button is clicked</translation>
    </message>
    <message>
        <source>画ボタンクイック後0.4秒後録画</source>
        <translation>Captures 0.4 s after the capture button is clicked</translation>
    </message>
    <message>
        <source>画ボタンクイック後0.8秒後録画</source>
        <translation>Captures 0.8 s after the capture button is clicked</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>連続録画開始</source>
        <translation>Starts a series of pictures</translation>
    </message>
    <message>
        <source>録画枚数を指定</source>
        <translation>Choose how many pictures to take</translation>
    </message>
    <message>
        <source>録画間隔</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>録画間隔を指定します</source>
        <translation>Choose the time between pictures</translation>
    </message>
    <message>
        <source>録画間隔　0.8秒</source>
        <translation>Interval 0.8 s</translation>
    </message>
    <message>
        <source>縦横比</source>
        <translation>Aspect</translation>
    </message>
    <message>
        <source>任意</source>
        <translation>Free</translation>
    </message>
    <message>
        <source>マウスポイント位置を検索して、録画ボタンを押します</source>
        <translation>Watches the mouse pointer and presses the capture button</translation>
    </message>
    <message>
        <source>ファイル名初期化</source>
        <translation>Reset file names</translation>
    </message>
    <message>
        <source>全面,部分切り替え</source>
        <translation>Switch between full screen and region</translation>
    </message>
    <message>
        <source>コピー範囲選択フォーム表示</source>
        <translation>Shows the form to pick the capture region</translation>
    </message>
    <message>
        <source>コンパクト表示</source>
        <translation>Compact view</translation>
    </message>
    <message>
        <source>録音終ば知せる</source>
        <translation>Chime at end</translation>
    </message>
    <message>
        <source>保存音を有効にする</source>
        <translation>Sound on save</translation>
    </message>
    <message>
        <source>Yorvane ツールバー</source>
        <translation>Yorvane toolbar</translation>
    </message>
    <message>
        <source>右ボタンで移動</source>
        <translation>Drag with the right button to move</translation>
    </message>
    <message>
        <source>標準表示</source>
        <translation>Standard view</translation>
    </message>
    <message>
        <source>BMPフォルダが有りません</source>
        <translation>No BMP folder</translation>
    </message>
    <message>
        <source>BMPフォルダが有りません。
初期化します。再起動してください。</source>
        <translation>The BMP folder is missing.
It will be set up again. Please start the program again.</translation>
    </message>
    <message>
        <source>コピー範囲が未設定です</source>
        <translation>No capture region has been picked</translation>
    </message>
    <message>
        <source>ファイル名を初期化します</source>
        <translation>The file numbers start again from 1</translation>
    </message>
    <message>
        <source>選択範囲確認</source>
        <translation>Confirm the selection</translation>
    </message>
    <message>
        <source>選択範囲は良いですか？
[キャンセル] を選択すると選択フォームを閉じます</source>
        <translation>Is the selection right?
Choose [Cancel] to close the selection form</translation>
    </message>
    <message>
        <source>実行時エラー '%1':</source>
        <translation>Run-time error '%1':</translation>
    </message>
    <message>
        <source>オーバーフローしました。</source>
        <translation>Overflow.</translation>
    </message>
    <message>
        <source>プロパティの値が不正です。</source>
        <translation>Invalid property value.</translation>
    </message>
    <message>
        <source>コントロール配列の要素が存在しません。</source>
        <translation>Control array element does not exist.</translation>
    </message>
    <message>
        <source>パス名が無効です。</source>
        <translation>Path/File access error.</translation>
    </message>
    <message>
        <source>メモリが不足しています。</source>
        <translation>Out of memory.</translation>
    </message>
    <message>
        <source>このフォルダは、ほかの Yorvane が使っています。</source>
        <translation>Another Yorvane is using this folder.</translation>
    </message>
    <message>
        <source>終了します。</source>
        <translation>Yorvane closes.</translation>
    </message>
    <message>
        <source>フォルダが使用中です</source>
        <translation>Folder in use</translation>
    </message>
    <message>
        <source>番号が最後の  %1 に達したため、保存できません。</source>
        <translation>The picture number has reached its last value, %1: nothing is saved.</translation>
    </message>
    <message>
        <source>番号のボタン（ファイル名初期化）で 1 から始め直してください。</source>
        <translation>Start again from 1 with the number button (Reset file names).</translation>
    </message>
    <message>
        <source>番号が最後です</source>
        <translation>Last picture number</translation>
    </message>
    <message>
        <source>保存できません</source>
        <translation>Cannot save</translation>
    </message>
    <message>
        <source>番号を記録できないため、保存しませんでした。</source>
        <translation>The picture number could not be recorded, so nothing was saved.</translation>
    </message>
    <message>
        <source>画像を保存できませんでした。</source>
        <translation>The picture could not be saved.</translation>
    </message>
    <message>
        <source>この Wayland の画面では、ウィンドウを常に手前に表示できません。</source>
        <translation>On this Wayland desktop the window cannot be kept above other windows.</translation>
    </message>
    <message>
        <source>常に手前には表示できません</source>
        <translation>Cannot stay on top</translation>
    </message>
    <message>
        <source>ほかのウィンドウに隠れたときは、Yorvane をクリックするか選んで、手前に出してください。</source>
        <translation>When another window hides it, click or select Yorvane to bring it to the front.</translation>
    </message>
    <message>
        <source>この Wayland の画面では、画面をコピーできません。</source>
        <translation>This Wayland session offers no way to copy the screen.</translation>
    </message>
    <message>
        <source>デスクトップにスクリーンショットのポータルがありません。</source>
        <translation>The desktop has no screenshot portal.</translation>
    </message>
    <message>
        <source>画面のコピーが許可されませんでした。</source>
        <translation>Copying the screen was not allowed.</translation>
    </message>
    <message>
        <source>デスクトップから届いた画像の形式が読めませんでした。</source>
        <translation>The desktop sent the picture in a form this program cannot read.</translation>
    </message>
    <message>
        <source>この画面の色数（256色以下）には対応していません。</source>
        <translation>Screens of 256 colours or fewer are not supported.</translation>
    </message>
    <message>
        <source>画面の色数を16ビット以上にしてください。</source>
        <translation>Set the screen to 16-bit colour or more.</translation>
    </message>
    <message>
        <source>画面をコピーできませんでした。</source>
        <translation>The screen could not be copied.</translation>
    </message>
    <message>
        <source>保存していません。</source>
        <translation>Nothing was saved.</translation>
    </message>
    <message>
        <source>%1 枚は保存していません。</source>
        <translation>%1 pictures were not saved.</translation>
    </message>
    <message>
        <source>画面をコピーできません</source>
        <translation>Cannot copy the screen</translation>
    </message>
    <message>
        <source>Wayland の画面では、ほかのウィンドウの上にあるマウスポインターの位置を読めないため、この機能は使えません</source>
        <translation>On Wayland the pointer's position over other windows cannot be read, so this cannot be used.</translation>
    </message>
    <message>
        <source>手を使わずに撮るには、デスクトップのキーボード設定で、コマンド「yorvane --one-shot」をキーに割り当ててください。</source>
        <translation>To take pictures hands-free, bind the command "yorvane --one-shot" to a key in the desktop's keyboard settings.</translation>
    </message>
    <message>
        <source>連続撮影の途中です。</source>
        <translation>A series is being taken.</translation>
    </message>
    <message>
        <source>撮影の途中です。</source>
        <translation>A picture is being taken.</translation>
    </message>
    <message>
        <source>Yorvane は動いていません。先に Yorvane を起動してください。</source>
        <translation>Yorvane is not running: start it first.</translation>
    </message>
    <message>
        <source>Yorvane を起動できませんでした。</source>
        <translation>Yorvane could not be started.</translation>
    </message>
    <message>
        <source>間隔を保てません</source>
        <translation>Could not keep the interval</translation>
    </message>
    <message>
        <source>画面のコピーが間に合わず、選んだ間隔（%1 ミリ秒）を保てませんでした。</source>
        <translation>Copying the screen could not keep up with the chosen interval of %1 ms.</translation>
    </message>
    <message>
        <source>平均 %1 ミリ秒ごとに保存しました。</source>
        <translation>A picture was saved every %1 ms on average.</translation>
    </message>
    <message>
        <source>スクリーンキャストを使えません</source>
        <translation>No screen cast</translation>
    </message>
    <message>
        <source>この Wayland の画面では、連続撮影に画面の配信（スクリーンキャスト）を使えません。</source>
        <translation>On this Wayland desktop a series cannot use a screen cast.</translation>
    </message>
    <message>
        <source>連続撮影はスクリーンショットで撮ります。間隔を保てないことがあります。</source>
        <translation>Series are taken with screenshots, which may not keep the interval.</translation>
    </message>
    <message>
        <source>1枚撮る</source>
        <translation>One shot</translation>
    </message>
    <message>
        <source>連続</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>枚数</source>
        <translation>Count</translation>
    </message>
</context>
</TS>
