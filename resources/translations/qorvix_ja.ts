<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
    <context>
        <name>DesktopFrontEnd</name>
        <message>
            <source>%1: cannot show the dialogs: there is no display (DISPLAY and WAYLAND_DISPLAY are not set)</source>
            <translation>%1: ダイアログを表示できません: ディスプレイがありません (DISPLAY と WAYLAND_DISPLAY が設定されていません)</translation>
        </message>
        <message>
            <source>%1: cannot show the dialogs: the display cannot be reached (%2)</source>
            <translation>%1: ダイアログを表示できません: ディスプレイに接続できません (%2)</translation>
        </message>
        <message>
            <source>%1: cannot show the dialogs: %2</source>
            <translation>%1: ダイアログを表示できません: %2</translation>
        </message>
    </context>
    <context>
        <name>Help</name>
        <message>
            <source>qorvix</source>
            <translation>qorvix</translation>
        </message>
        <message>
            <source>qorvix writes COBOL source for COM type libraries: a copy file with the library's types, constants, class and interface identifiers and the invoke phrases of its methods, and on request one interface class file per interface. Pick a registered library in the list (View) or a file (Browse), look at its contents, choose the copy file and the options, and press Generate.</source>
            <translation>qorvix は COM タイプ ライブラリの COBOL ソースを書き出します。ライブラリの型、定数、クラスとインターフェイスの識別子、メソッドの INVOKE 文を含む COPY ファイルと、要求があればインターフェイスごとに 1 つのインターフェイス クラス ファイルです。一覧で登録済みのライブラリを選ぶか ([表示])、ファイルを選んで ([参照]) 内容を確認し、COPY ファイルとオプションを選んで [生成] をクリックします。</translation>
        </message>
        <message>
            <source>Registered type libraries</source>
            <translation>登録されているタイプ ライブラリ</translation>
        </message>
        <message>
            <source>The type libraries registered on this machine, one row per registered version: its description, its version and its library identifier (TLBID). Double-click a row to see its contents.</source>
            <translation>このコンピューターに登録されているタイプ ライブラリの一覧です。登録されたバージョンごとに 1 行で、説明、バージョン、ライブラリ識別子 (TLBID) を示します。行をダブルクリックすると、その内容が表示されます。</translation>
        </message>
        <message>
            <source>View</source>
            <translation>表示</translation>
        </message>
        <message>
            <source>Opens the selected type library and shows its contents, where you can generate COBOL for it.</source>
            <translation>選択したタイプ ライブラリを開いて内容を表示します。そこからライブラリの COBOL を生成できます。</translation>
        </message>
        <message>
            <source>Browse</source>
            <translation>参照</translation>
        </message>
        <message>
            <source>Chooses a type library file (.tlb, .olb, .dll, .ocx) that need not be registered, and shows its contents.</source>
            <translation>タイプ ライブラリ ファイル (.tlb、.olb、.dll、.ocx) を選んで、その内容を表示します。ファイルは登録されていなくてもかまいません。</translation>
        </message>
        <message>
            <source>Refresh</source>
            <translation>更新</translation>
        </message>
        <message>
            <source>Reads the list of registered type libraries again.</source>
            <translation>登録されているタイプ ライブラリの一覧を読み込み直します。</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>閉じる</translation>
        </message>
        <message>
            <source>Ends the program.</source>
            <translation>プログラムを終了します。</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>ヘルプ</translation>
        </message>
        <message>
            <source>Opens the qorvix manual.</source>
            <translation>qorvix のマニュアルを開きます。</translation>
        </message>
        <message>
            <source>Contents of type library</source>
            <translation>タイプ ライブラリの内容</translation>
        </message>
        <message>
            <source>The type library as a tree: its interfaces, automation interfaces, enumerations, structures, modules, component classes, typedefs and unions, and under each type its members. Press Enter to open or close the selected item.</source>
            <translation>タイプ ライブラリをツリーで表示します。インターフェイス、オートメーション インターフェイス、列挙型、構造体、モジュール、コンポーネント クラス、型定義、共用体があり、各型の下にそのメンバーがあります。Enter キーを押すと、選択した項目を展開または折りたたみます。</translation>
        </message>
        <message>
            <source>Chooses the copy file to generate.</source>
            <translation>生成する COPY ファイルを選びます。</translation>
        </message>
        <message>
            <source>Copy file</source>
            <translation>COPY ファイル</translation>
        </message>
        <message>
            <source>The name of the copy file to generate. A name without a folder is written into the current folder; the interface class files are written beside the copy file.</source>
            <translation>生成する COPY ファイルの名前です。フォルダーを含まない名前は現在のフォルダーに書き込まれます。インターフェイス クラス ファイルは COPY ファイルと同じフォルダーに書き込まれます。</translation>
        </message>
        <message>
            <source>Add file to project</source>
            <translation>ファイルをプロジェクトに追加</translation>
        </message>
        <message>
            <source>Generates the files in the directory of the project open in the COBOL IDE and adds the copy file to that project. Available when the IDE is installed.</source>
            <translation>COBOL IDE で開いているプロジェクトのディレクトリにファイルを生成し、COPY ファイルをそのプロジェクトに追加します。IDE がインストールされている場合に使用できます。</translation>
        </message>
        <message>
            <source>Generate Interface Classes</source>
            <translation>インターフェイス クラスを生成</translation>
        </message>
        <message>
            <source>Also writes one interface class file for each interface of the library, for calling interfaces that do not support automation.</source>
            <translation>オートメーションをサポートしないインターフェイスを呼び出せるように、ライブラリのインターフェイスごとに 1 つのインターフェイス クラス ファイルも書き出します。</translation>
        </message>
        <message>
            <source>Generate Dual Interfaces</source>
            <translation>デュアル インターフェイスを生成</translation>
        </message>
        <message>
            <source>Also writes interface class files for dual interfaces, which can otherwise be called through automation.</source>
            <translation>デュアル インターフェイスについてもインターフェイス クラス ファイルを書き出します。デュアル インターフェイスは、このファイルがなくてもオートメーションで呼び出せます。</translation>
        </message>
        <message>
            <source>Generate</source>
            <translation>生成</translation>
        </message>
        <message>
            <source>Writes the copy file and, if chosen, the interface class files. The dialog stays open, so you can generate again with other settings.</source>
            <translation>COPY ファイルと、選択した場合はインターフェイス クラス ファイルを書き出します。ダイアログは開いたままなので、別の設定でもう一度生成できます。</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>キャンセル</translation>
        </message>
        <message>
            <source>Closes the contents of the type library.</source>
            <translation>タイプ ライブラリの内容を閉じます。</translation>
        </message>
    </context>
    <context>
        <name>QMessageBox</name>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>キャンセル</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>はい(&amp;Y)</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>いいえ(&amp;N)</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translation>すべてはい(&amp;A)</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translation>すべていいえ(&amp;O)</translation>
        </message>
    </context>
    <context>
        <name>StringTable</name>
        <message>
            <source>&amp;About qorvix...</source>
            <translation>qorvix のバージョン情報(&amp;A)...</translation>
        </message>
        <message>
            <source>The file
'%1'
already exists. Do you want to overwrite it?</source>
            <translation>次のファイルは
'%1'
既に存在します。上書きしますか?</translation>
        </message>
        <message>
            <source>The file
'%1'
can not be written to. Please check the file name and path are correct and do not point to a read-only file.
%2</source>
            <translation>次のファイルに
'%1'
書き込めません。ファイル名とパスが正しく、読み取り専用のファイルを指していないことを確認してください。
%2</translation>
        </message>
        <message>
            <source>The file
'%1'
is already open!</source>
            <translation>次のファイルは
'%1'
既に開かれています。</translation>
        </message>
        <message>
            <source>All files will be generated in the project directory
'%1'</source>
            <translation>すべてのファイルを次のプロジェクト ディレクトリに生成します:
'%1'</translation>
        </message>
        <message>
            <source>No project found. Continue to generate files?</source>
            <translation>プロジェクトが見つかりません。ファイルの生成を続行しますか?</translation>
        </message>
        <message>
            <source>Usage: qorvix [-i[d]] [-p] [-o&lt;file&gt;] &lt;typelib&gt;
  -id Generate (Dual) Interface files
  -p Add copy file to Orbanel project
  -o&lt;file&gt; Copy file to generate</source>
            <translation>使用法: qorvix [-i[d]] [-p] [-o&lt;ファイル&gt;] &lt;タイプ ライブラリ&gt;
  -id (デュアル) インターフェイス ファイルを生成します
  -p COPY ファイルを Orbanel プロジェクトに追加します
  -o&lt;ファイル&gt; 生成する COPY ファイル</translation>
        </message>
        <message>
            <source>The option '%1' is not a valid option.
Use qorvix -? to view a list of valid options.</source>
            <translation>オプション '%1' は有効なオプションではありません。
有効なオプションの一覧は qorvix -? で表示できます。</translation>
        </message>
        <message>
            <source>Description</source>
            <translation>説明</translation>
        </message>
        <message>
            <source>Ver</source>
            <translation>Ver.</translation>
        </message>
        <message>
            <source>The file
'%1'
could not be written completely: %2
The file has been left as it was.</source>
            <translation>次のファイルを
'%1'
最後まで書き込めませんでした: %2
ファイルは元のままです。</translation>
        </message>
        <message>
            <source>Files not written: %1</source>
            <translation>書き込まれなかったファイル: %1</translation>
        </message>
        <message>
            <source>answered OK (standard input is not a terminal)</source>
            <translation>応答: OK (標準入力が端末ではありません)</translation>
        </message>
        <message>
            <source>answered Cancel (standard input is not a terminal)</source>
            <translation>応答: キャンセル (標準入力が端末ではありません)</translation>
        </message>
        <message>
            <source>answered Yes (standard input is not a terminal)</source>
            <translation>応答: はい (標準入力が端末ではありません)</translation>
        </message>
        <message>
            <source>answered No (standard input is not a terminal)</source>
            <translation>応答: いいえ (標準入力が端末ではありません)</translation>
        </message>
        <message>
            <source>Files not written for the same reason: %1</source>
            <translation>同じ理由で書き込まれなかったファイル: %1</translation>
        </message>
        <message>
            <source>Not a regular file</source>
            <translation>通常のファイルではありません</translation>
        </message>
        <message>
            <source>The file
'%1'
was written completely by another run at the same time.
That run's file has been kept.</source>
            <translation>次のファイルは
'%1'
同時に実行された別の処理によって最後まで書き込まれました。
その処理のファイルが保持されています。</translation>
        </message>
        <message>
            <source>The file
'%1'
could not be written completely: %2
The file has not been written.</source>
            <translation>次のファイルを
'%1'
最後まで書き込めませんでした: %2
ファイルは書き込まれていません。</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>はい(&amp;Y)</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>いいえ(&amp;N)</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translation>すべてはい(&amp;A)</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translation>すべていいえ(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;OK</source>
            <translation>OK(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <translation>キャンセル(&amp;C)</translation>
        </message>
        <message>
            <source>%1 (%2)</source>
            <translation>%1 (%2)</translation>
        </message>
        <message>
            <source>%1 [%2]? </source>
            <translation>%1 [%2]? </translation>
        </message>
        <message>
            <source>The name holds a control character</source>
            <translation>名前に制御文字が含まれています</translation>
        </message>
        <message>
            <source>The type library could not be loaded.
'%1': %2</source>
            <translation>タイプ ライブラリを読み込めませんでした。
'%1': %2</translation>
        </message>
        <message>
            <source>the file is empty</source>
            <translation>ファイルが空です</translation>
        </message>
        <message>
            <source>not a type library (unknown file signature)</source>
            <translation>タイプ ライブラリではありません (不明なファイル シグネチャ)</translation>
        </message>
        <message>
            <source>is a directory</source>
            <translation>フォルダーです</translation>
        </message>
        <message>
            <source>is a named pipe, not a file</source>
            <translation>名前付きパイプであり、ファイルではありません</translation>
        </message>
        <message>
            <source>is a socket, not a file</source>
            <translation>ソケットであり、ファイルではありません</translation>
        </message>
        <message>
            <source>is a device, not a file</source>
            <translation>デバイスであり、ファイルではありません</translation>
        </message>
        <message>
            <source>not a regular file</source>
            <translation>通常のファイルではありません</translation>
        </message>
        <message>
            <source>larger than %1 MiB; not read as a type library</source>
            <translation>%1 MiB を超えているため、タイプ ライブラリとして読み取りません</translation>
        </message>
        <message>
            <source>the file kept changing while it was read</source>
            <translation>読み取り中にファイルが変更され続けました</translation>
        </message>
        <message>
            <source>the file is too short for an executable header</source>
            <translation>ファイルが短すぎて、実行可能ファイルのヘッダーがありません</translation>
        </message>
        <message>
            <source>the executable header points outside the file</source>
            <translation>実行可能ファイルのヘッダーがファイルの外を指しています</translation>
        </message>
        <message>
            <source>a 16-bit module, not supported</source>
            <translation>16 ビット モジュールです (サポートされていません)</translation>
        </message>
        <message>
            <source>not a Windows PE image</source>
            <translation>Windows PE イメージではありません</translation>
        </message>
        <message>
            <source>truncated PE header</source>
            <translation>PE ヘッダーが途中で切れています</translation>
        </message>
        <message>
            <source>unknown PE optional-header magic</source>
            <translation>PE オプション ヘッダーのマジック値が不明です</translation>
        </message>
        <message>
            <source>truncated PE optional header</source>
            <translation>PE オプション ヘッダーが途中で切れています</translation>
        </message>
        <message>
            <source>truncated PE data directory</source>
            <translation>PE データ ディレクトリが途中で切れています</translation>
        </message>
        <message>
            <source>the PE section table runs past the end of the file</source>
            <translation>PE セクション テーブルがファイルの末尾を超えています</translation>
        </message>
        <message>
            <source>the resource directory lies outside the file</source>
            <translation>リソース ディレクトリがファイルの外にあります</translation>
        </message>
        <message>
            <source>the file has no TYPELIB resource %1</source>
            <translation>ファイルに TYPELIB リソース %1 がありません</translation>
        </message>
        <message>
            <source>malformed resource directory</source>
            <translation>リソース ディレクトリの形式が正しくありません</translation>
        </message>
        <message>
            <source>malformed resource data entry</source>
            <translation>リソース データ エントリの形式が正しくありません</translation>
        </message>
        <message>
            <source>the TYPELIB resource lies outside the file</source>
            <translation>TYPELIB リソースがファイルの外にあります</translation>
        </message>
        <message>
            <source>this is a .NET assembly; it contains no type library</source>
            <translation>.NET アセンブリです。タイプ ライブラリは含まれていません</translation>
        </message>
        <message>
            <source>the file has no TYPELIB resource (it may be packed)</source>
            <translation>ファイルに TYPELIB リソースがありません (圧縮されている可能性があります)</translation>
        </message>
        <message>
            <source>the TYPELIB resource holds neither an MSFT nor an SLTG type library</source>
            <translation>TYPELIB リソースに MSFT と SLTG のどちらのタイプ ライブラリも含まれていません</translation>
        </message>
        <message>
            <source>truncated MSFT header</source>
            <translation>MSFT ヘッダーが途中で切れています</translation>
        </message>
        <message>
            <source>impossible type count</source>
            <translation>型の数がありえない値です</translation>
        </message>
        <message>
            <source>a segment lies outside the library</source>
            <translation>セグメントがライブラリの外にあります</translation>
        </message>
        <message>
            <source>truncated SLTG header</source>
            <translation>SLTG ヘッダーが途中で切れています</translation>
        </message>
        <message>
            <source>truncated SLTG directory</source>
            <translation>SLTG ディレクトリが途中で切れています</translation>
        </message>
        <message>
            <source>not an SLTG stream directory</source>
            <translation>SLTG ストリーム ディレクトリではありません</translation>
        </message>
        <message>
            <source>the SLTG block chain is broken</source>
            <translation>SLTG ブロック チェーンが壊れています</translation>
        </message>
        <message>
            <source>an SLTG block lies outside the library</source>
            <translation>SLTG ブロックがライブラリの外にあります</translation>
        </message>
        <message>
            <source>an SLTG block name is not terminated</source>
            <translation>SLTG ブロック名が終端されていません</translation>
        </message>
        <message>
            <source>the SLTG block chain does not end with the library block</source>
            <translation>SLTG ブロック チェーンがライブラリ ブロックで終わっていません</translation>
        </message>
        <message>
            <source>bad SLTG library block</source>
            <translation>SLTG ライブラリ ブロックが正しくありません</translation>
        </message>
        <message>
            <source>the SLTG type count is wrong</source>
            <translation>SLTG の型の数が正しくありません</translation>
        </message>
        <message>
            <source>bad SLTG type entries</source>
            <translation>SLTG の型エントリが正しくありません</translation>
        </message>
        <message>
            <source>an SLTG type entry names the wrong block</source>
            <translation>SLTG の型エントリが誤ったブロックを指しています</translation>
        </message>
        <message>
            <source>unknown SLTG name-table preamble</source>
            <translation>SLTG 名前テーブルのプリアンブルが不明です</translation>
        </message>
        <message>
            <source>the SLTG name table lies outside the library block</source>
            <translation>SLTG 名前テーブルがライブラリ ブロックの外にあります</translation>
        </message>
        <message>
            <source>no file is registered for this version</source>
            <translation>このバージョンにはファイルが登録されていません</translation>
        </message>
        <message>
            <source>no such file in the Wine prefix</source>
            <translation>Wine プレフィックスにそのファイルがありません</translation>
        </message>
        <message>
            <source>no registry</source>
            <translation>レジストリがありません</translation>
        </message>
    </context>
    <context>
        <name>TreeLabels</name>
        <message>
            <source>Interfaces</source>
            <translation>インターフェイス</translation>
        </message>
        <message>
            <source>Automation Interfaces</source>
            <translation>オートメーション インターフェイス</translation>
        </message>
        <message>
            <source>Enumerations</source>
            <translation>列挙型</translation>
        </message>
        <message>
            <source>Structures</source>
            <translation>構造体</translation>
        </message>
        <message>
            <source>Modules</source>
            <translation>モジュール</translation>
        </message>
        <message>
            <source>CoClasses</source>
            <translation>コンポーネント クラス</translation>
        </message>
        <message>
            <source>Typedefs</source>
            <translation>型定義</translation>
        </message>
        <message>
            <source>Unions</source>
            <translation>共用体</translation>
        </message>
        <message>
            <source>Functions</source>
            <translation>関数</translation>
        </message>
        <message>
            <source>Methods</source>
            <translation>メソッド</translation>
        </message>
        <message>
            <source>Constants</source>
            <translation>定数</translation>
        </message>
        <message>
            <source>Properties</source>
            <translation>プロパティ</translation>
        </message>
        <message>
            <source>Inherited Interfaces</source>
            <translation>継承されたインターフェイス</translation>
        </message>
    </context>
    <context>
        <name>qorvix::CAboutDlg</name>
        <message>
            <source>About Pellarine</source>
            <translation>Pellarine のバージョン情報</translation>
        </message>
        <message>
            <source>QORVIX Version 1.0.17</source>
            <translation>QORVIX バージョン 1.0.17</translation>
        </message>
        <message>
            <source>COBOL for COM type libraries.</source>
            <translation>COM タイプ ライブラリ用の COBOL。</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>qorvix::CContentsDlg</name>
        <message>
            <source>Pellarine</source>
            <translation>Pellarine</translation>
        </message>
        <message>
            <source>Contents of type library:</source>
            <translation>タイプ ライブラリの内容:</translation>
        </message>
        <message>
            <source>COBOL</source>
            <translation>COBOL</translation>
        </message>
        <message>
            <source>Copy file:</source>
            <translation>COPY ファイル:</translation>
        </message>
        <message>
            <source>&amp;Browse...</source>
            <translation>参照(&amp;B)...</translation>
        </message>
        <message>
            <source>Add &amp;file to project</source>
            <translation>ファイルをプロジェクトに追加(&amp;F)</translation>
        </message>
        <message>
            <source>Generate &amp;Interface Classes</source>
            <translation>インターフェイス クラスを生成(&amp;I)</translation>
        </message>
        <message>
            <source>Generate &amp;Dual Interfaces</source>
            <translation>デュアル インターフェイスを生成(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Generate</source>
            <translation>生成(&amp;G)</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>キャンセル</translation>
        </message>
        <message>
            <source>COM (non-automation) support</source>
            <translation>COM (非オートメーション) のサポート</translation>
        </message>
        <message>
            <source>Select copy file</source>
            <translation>COPY ファイルの選択</translation>
        </message>
        <message>
            <source>Copy files (*.cpy)|*.cpy|All file (*.*)|*.*||</source>
            <translation>COPY ファイル (*.cpy)|*.cpy|すべてのファイル (*.*)|*.*||</translation>
        </message>
    </context>
    <context>
        <name>qorvix::CLibraryListDlg</name>
        <message>
            <source>Pellarine</source>
            <translation>Pellarine</translation>
        </message>
        <message>
            <source>Registered type libraries:</source>
            <translation>登録されているタイプ ライブラリ:</translation>
        </message>
        <message>
            <source>&amp;View...</source>
            <translation>表示(&amp;V)...</translation>
        </message>
        <message>
            <source>&amp;Browse...</source>
            <translation>参照(&amp;B)...</translation>
        </message>
        <message>
            <source>&amp;Refresh</source>
            <translation>更新(&amp;R)</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>閉じる</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>ヘルプ(&amp;H)</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>閉じる(&amp;C)</translation>
        </message>
        <message>
            <source>Select a type library</source>
            <translation>タイプ ライブラリの選択</translation>
        </message>
        <message>
            <source>Type Libraries (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|All files (*.*)|*.*||</source>
            <translation>タイプ ライブラリ (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|すべてのファイル (*.*)|*.*||</translation>
        </message>
    </context>
    <context>
        <name>qorvix::Help</name>
        <message>
            <source>&amp;What's This?</source>
            <translation>ヒント(&amp;W)</translation>
        </message>
        <message>
            <source>qorvix Help</source>
            <translation>qorvix ヘルプ</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>閉じる</translation>
        </message>
    </context>
</TS>
