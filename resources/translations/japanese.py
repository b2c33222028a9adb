"""Japanese (qorvix.jpn). The table of one language: its glossary first, then
every source text with its translation (translate.py fills qorvix_ja.ts
from it and checks it). Katakana compounds are spaced ("タイプ ライブラリ"),
buttons named in a help text stand in brackets ("[生成]"), and an
accelerator is a Latin letter in brackets after the text ("生成(&G)"), as
the platform's Japanese texts do."""

CODE = "ja"
BRACKETED = True

# The terms, as the platform's Japanese texts use them. translate.py checks
# that a text which says the English term says one of these.
GLOSSARY = {
    "type library": "タイプ ライブラリ",
    "interface": "インターフェイス",
    "dispinterface": ("ディスパッチ インターフェイス", "オートメーション インターフェイス"),
    "automation": "オートメーション",
    "copy file": "COPY ファイル",
    "class file": "クラス ファイル",
    "project": "プロジェクト",
    "registered": "登録",
}

TEXTS = {
    # Dialogs
    "About Pellarine": "Pellarine のバージョン情報",
    "QORVIX Version 1.0.17": "QORVIX バージョン 1.0.17",
    "COBOL for COM type libraries.": "COM タイプ ライブラリ用の COBOL。",
    "OK": "OK",
    "Pellarine": "Pellarine",
    "Contents of type library:": "タイプ ライブラリの内容:",
    "COBOL": "COBOL",
    "Copy file:": "COPY ファイル:",
    "&Browse...": "参照(&B)...",
    "Add &file to project": "ファイルをプロジェクトに追加(&F)",
    "Generate &Interface Classes": "インターフェイス クラスを生成(&I)",
    "Generate &Dual Interfaces": "デュアル インターフェイスを生成(&D)",
    "&Generate": "生成(&G)",
    "Cancel": "キャンセル",
    "COM (non-automation) support": "COM (非オートメーション) のサポート",
    "Select copy file": "COPY ファイルの選択",
    "Copy files (*.cpy)|*.cpy|All file (*.*)|*.*||": "COPY ファイル (*.cpy)|*.cpy|すべてのファイル (*.*)|*.*||",
    "Registered type libraries:": "登録されているタイプ ライブラリ:",
    "&View...": "表示(&V)...",
    "&Refresh": "更新(&R)",
    "Close": "閉じる",
    "&Help": "ヘルプ(&H)",
    "&Close": "閉じる(&C)",
    "Select a type library": "タイプ ライブラリの選択",
    "Type Libraries (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|All files (*.*)|*.*||":
        "タイプ ライブラリ (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|すべてのファイル (*.*)|*.*||",
    "&What's This?": "ヒント(&W)",
    "qorvix Help": "qorvix ヘルプ",
    "&Yes": "はい(&Y)",
    "&No": "いいえ(&N)",
    # The desktop front end's console messages
    "%1: cannot show the dialogs: there is no display (DISPLAY and WAYLAND_DISPLAY are not set)":
        "%1: ダイアログを表示できません: ディスプレイがありません (DISPLAY と WAYLAND_DISPLAY が設定"
        "されていません)",
    "%1: cannot show the dialogs: the display cannot be reached (%2)":
        "%1: ダイアログを表示できません: ディスプレイに接続できません (%2)",
    "%1: cannot show the dialogs: %2":
        "%1: ダイアログを表示できません: %2",
    # Labels of the tree
    "Interfaces": "インターフェイス",
    "Automation Interfaces": "オートメーション インターフェイス",
    "Enumerations": "列挙型",
    "Structures": "構造体",
    "Modules": "モジュール",
    "CoClasses": "コンポーネント クラス",
    "Typedefs": "型定義",
    "Unions": "共用体",
    "Functions": "関数",
    "Methods": "メソッド",
    "Constants": "定数",
    "Properties": "プロパティ",
    "Inherited Interfaces": "継承されたインターフェイス",
    # Help topics
    "qorvix": "qorvix",
    "qorvix writes COBOL source for COM type libraries: a copy file with the library's types, constants, "
    "class and interface identifiers and the invoke phrases of its methods, and on request one interface "
    "class file per interface. Pick a registered library in the list (View) or a file (Browse), look at "
    "its contents, choose the copy file and the options, and press Generate.":
        "qorvix は COM タイプ ライブラリの COBOL ソースを書き出します。ライブラリの型、定数、クラスと"
        "インターフェイスの識別子、メソッドの INVOKE 文を含む COPY ファイルと、要求があれば"
        "インターフェイスごとに 1 つのインターフェイス クラス ファイルです。一覧で登録済みのライブラリを選ぶ"
        "か ([表示])、ファイルを選んで ([参照]) 内容を確認し、COPY ファイルとオプションを選んで [生成] "
        "をクリックします。",
    "Registered type libraries": "登録されているタイプ ライブラリ",
    "The type libraries registered on this machine, one row per registered version: its description, its "
    "version and its library identifier (TLBID). Double-click a row to see its contents.":
        "このコンピューターに登録されているタイプ ライブラリの一覧です。登録されたバージョンごとに 1 行"
        "で、説明、バージョン、ライブラリ識別子 (TLBID) を示します。行をダブルクリックすると、その内容"
        "が表示されます。",
    "View": "表示",
    "Opens the selected type library and shows its contents, where you can generate COBOL for it.":
        "選択したタイプ ライブラリを開いて内容を表示します。そこからライブラリの COBOL を生成できます。",
    "Browse": "参照",
    "Chooses a type library file (.tlb, .olb, .dll, .ocx) that need not be registered, and shows its "
    "contents.":
        "タイプ ライブラリ ファイル (.tlb、.olb、.dll、.ocx) を選んで、その内容を表示します。ファイルは"
        "登録されていなくてもかまいません。",
    "Refresh": "更新",
    "Reads the list of registered type libraries again.": "登録されているタイプ ライブラリの一覧を読み込み直します。",
    "Ends the program.": "プログラムを終了します。",
    "Help": "ヘルプ",
    "Opens the qorvix manual.": "qorvix のマニュアルを開きます。",
    "Contents of type library": "タイプ ライブラリの内容",
    "The type library as a tree: its interfaces, automation interfaces, enumerations, structures, "
    "modules, component classes, typedefs and unions, and under each type its members. Press Enter to "
    "open or close the selected item.":
        "タイプ ライブラリをツリーで表示します。インターフェイス、オートメーション インターフェイス、"
        "列挙型、構造体、モジュール、コンポーネント クラス、型定義、共用体があり、各型の下にその"
        "メンバーがあります。Enter キーを押すと、選択した項目を展開または折りたたみます。",
    "Chooses the copy file to generate.": "生成する COPY ファイルを選びます。",
    "Copy file": "COPY ファイル",
    "The name of the copy file to generate. A name without a folder is written into the current folder; "
    "the interface class files are written beside the copy file.":
        "生成する COPY ファイルの名前です。フォルダーを含まない名前は現在のフォルダーに書き込まれます。"
        "インターフェイス クラス ファイルは COPY ファイルと同じフォルダーに書き込まれます。",
    "Add file to project": "ファイルをプロジェクトに追加",
    "Generates the files in the directory of the project open in the COBOL IDE and adds the copy file to "
    "that project. Available when the IDE is installed.":
        "COBOL IDE で開いているプロジェクトのディレクトリにファイルを生成し、COPY ファイルをその"
        "プロジェクトに追加します。IDE がインストールされている場合に使用できます。",
    "Generate Interface Classes": "インターフェイス クラスを生成",
    "Also writes one interface class file for each interface of the library, for calling interfaces "
    "that do not support automation.":
        "オートメーションをサポートしないインターフェイスを呼び出せるように、ライブラリの"
        "インターフェイスごとに 1 つのインターフェイス クラス ファイルも書き出します。",
    "Generate Dual Interfaces": "デュアル インターフェイスを生成",
    "Also writes interface class files for dual interfaces, which can otherwise be called through "
    "automation.":
        "デュアル インターフェイスについてもインターフェイス クラス ファイルを書き出します。デュアル "
        "インターフェイスは、このファイルがなくてもオートメーションで呼び出せます。",
    "Generate": "生成",
    "Writes the copy file and, if chosen, the interface class files. The dialog stays open, so you can "
    "generate again with other settings.":
        "COPY ファイルと、選択した場合はインターフェイス クラス ファイルを書き出します。ダイアログは開い"
        "たままなので、別の設定でもう一度生成できます。",
    "Closes the contents of the type library.": "タイプ ライブラリの内容を閉じます。",
    # String table
    "&About qorvix...": "qorvix のバージョン情報(&A)...",
    "The file\n'%1'\nalready exists. Do you want to overwrite it?":
        "次のファイルは\n'%1'\n既に存在します。上書きしますか?",
    "The file\n'%1'\ncan not be written to. Please check the file name and path are correct and do not "
    "point to a read-only file.\n%2":
        "次のファイルに\n'%1'\n書き込めません。ファイル名とパスが正しく、読み取り専用のファイルを指していない"
        "ことを確認してください。\n%2",
    "The file\n'%1'\nis already open!": "次のファイルは\n'%1'\n既に開かれています。",
    "The type library could not be loaded.\n'%1': %2": "タイプ ライブラリを読み込めませんでした。\n'%1': %2",
    "All files will be generated in the project directory\n'%1'":
        "すべてのファイルを次のプロジェクト ディレクトリに生成します:\n'%1'",
    "No project found. Continue to generate files?": "プロジェクトが見つかりません。ファイルの生成を続行しますか?",
    "Usage: qorvix [-i[d]] [-p] [-o<file>] <typelib>\n  -id Generate (Dual) Interface files\n  -p Add copy "
    "file to Orbanel project\n  -o<file> Copy file to generate":
        "使用法: qorvix [-i[d]] [-p] [-o<ファイル>] <タイプ ライブラリ>\n  -id (デュアル) インターフェイス "
        "ファイルを生成します\n  -p COPY ファイルを Orbanel プロジェクトに追加します\n  -o<ファイル> 生成す"
        "る COPY ファイル",
    "The option '%1' is not a valid option.\nUse qorvix -? to view a list of valid options.":
        "オプション '%1' は有効なオプションではありません。\n有効なオプションの一覧は qorvix -? で表示で"
        "きます。",
    "Description": "説明",
    "Ver": "Ver.",
    "The file\n'%1'\ncould not be written completely: %2\nThe file has been left as it was.":
        "次のファイルを\n'%1'\n最後まで書き込めませんでした: %2\nファイルは元のままです。",
    "Files not written: %1": "書き込まれなかったファイル: %1",
    "answered OK (standard input is not a terminal)": "応答: OK (標準入力が端末ではありません)",
    "answered Cancel (standard input is not a terminal)": "応答: キャンセル (標準入力が端末ではありません)",
    "answered Yes (standard input is not a terminal)": "応答: はい (標準入力が端末ではありません)",
    "answered No (standard input is not a terminal)": "応答: いいえ (標準入力が端末ではありません)",
    "Files not written for the same reason: %1": "同じ理由で書き込まれなかったファイル: %1",
    "Not a regular file": "通常のファイルではありません",
    "The name holds a control character": "名前に制御文字が含まれています",
    # Answers: message box buttons, and on the terminal the marked letters.
    "Yes to &All": "すべてはい(&A)",
    "N&o to All": "すべていいえ(&O)",
    "&OK": "OK(&O)",
    "&Cancel": "キャンセル(&C)",
    "%1 (%2)": "%1 (%2)",
    "%1 [%2]? ": "%1 [%2]? ",
    "The file\n'%1'\nwas written completely by another run at the same time.\nThat run's file has been kept.":
        "次のファイルは\n'%1'\n同時に実行された別の処理によって最後まで書き込まれました。\n"
        "その処理のファイルが保持されています。",
    "The file\n'%1'\ncould not be written completely: %2\nThe file has not been written.":
        "次のファイルを\n'%1'\n最後まで書き込めませんでした: %2\nファイルは書き込まれていません。",
    # The reader's reasons a library cannot be loaded (message 105's %2)
    "the file is empty": "ファイルが空です",
    "not a type library (unknown file signature)": "タイプ ライブラリではありません (不明なファイル シグネチャ)",
    "is a directory": "フォルダーです",
    "is a named pipe, not a file": "名前付きパイプであり、ファイルではありません",
    "is a socket, not a file": "ソケットであり、ファイルではありません",
    "is a device, not a file": "デバイスであり、ファイルではありません",
    "not a regular file": "通常のファイルではありません",
    "larger than %1 MiB; not read as a type library": "%1 MiB を超えているため、タイプ ライブラリとして読み取りません",
    "the file kept changing while it was read": "読み取り中にファイルが変更され続けました",
    "the file is too short for an executable header": "ファイルが短すぎて、実行可能ファイルのヘッダーがありません",
    "the executable header points outside the file": "実行可能ファイルのヘッダーがファイルの外を指しています",
    "a 16-bit module, not supported": "16 ビット モジュールです (サポートされていません)",
    "not a Windows PE image": "Windows PE イメージではありません",
    "truncated PE header": "PE ヘッダーが途中で切れています",
    "unknown PE optional-header magic": "PE オプション ヘッダーのマジック値が不明です",
    "truncated PE optional header": "PE オプション ヘッダーが途中で切れています",
    "truncated PE data directory": "PE データ ディレクトリが途中で切れています",
    "the PE section table runs past the end of the file": "PE セクション テーブルがファイルの末尾を超えています",
    "the resource directory lies outside the file": "リソース ディレクトリがファイルの外にあります",
    "the file has no TYPELIB resource %1": "ファイルに TYPELIB リソース %1 がありません",
    "malformed resource directory": "リソース ディレクトリの形式が正しくありません",
    "malformed resource data entry": "リソース データ エントリの形式が正しくありません",
    "the TYPELIB resource lies outside the file": "TYPELIB リソースがファイルの外にあります",
    "this is a .NET assembly; it contains no type library": ".NET アセンブリです。タイプ ライブラリは含まれていません",
    "the file has no TYPELIB resource (it may be packed)": "ファイルに TYPELIB リソースがありません (圧縮されている可能性があります)",
    "the TYPELIB resource holds neither an MSFT nor an SLTG type library":
        "TYPELIB リソースに MSFT と SLTG のどちらのタイプ ライブラリも含まれていません",
    "truncated MSFT header": "MSFT ヘッダーが途中で切れています",
    "impossible type count": "型の数がありえない値です",
    "a segment lies outside the library": "セグメントがライブラリの外にあります",
    "truncated SLTG header": "SLTG ヘッダーが途中で切れています",
    "truncated SLTG directory": "SLTG ディレクトリが途中で切れています",
    "not an SLTG stream directory": "SLTG ストリーム ディレクトリではありません",
    "the SLTG block chain is broken": "SLTG ブロック チェーンが壊れています",
    "an SLTG block lies outside the library": "SLTG ブロックがライブラリの外にあります",
    "an SLTG block name is not terminated": "SLTG ブロック名が終端されていません",
    "the SLTG block chain does not end with the library block": "SLTG ブロック チェーンがライブラリ ブロックで終わっていません",
    "bad SLTG library block": "SLTG ライブラリ ブロックが正しくありません",
    "the SLTG type count is wrong": "SLTG の型の数が正しくありません",
    "bad SLTG type entries": "SLTG の型エントリが正しくありません",
    "an SLTG type entry names the wrong block": "SLTG の型エントリが誤ったブロックを指しています",
    "unknown SLTG name-table preamble": "SLTG 名前テーブルのプリアンブルが不明です",
    "the SLTG name table lies outside the library block": "SLTG 名前テーブルがライブラリ ブロックの外にあります",
    "no file is registered for this version": "このバージョンにはファイルが登録されていません",
    "no such file in the Wine prefix": "Wine プレフィックスにそのファイルがありません",
    "no registry": "レジストリがありません",
}
