"""Chinese, Traditional (qorvix.cht). The table of one language: its glossary
first, then every source text with its translation (translate.py fills
qorvix_zh_TW.ts from it and checks it). Taiwan's terms and full-width
punctuation, quotes as 「」, buttons named in a help text in brackets
("按一下 [產生]"), and an accelerator is a Latin letter in brackets after
the text ("產生(&G)"), as the platform's Traditional Chinese texts do."""

CODE = "zh_TW"
BRACKETED = True

# The terms, as the platform's Traditional Chinese texts use them.
# translate.py checks that a text which says the English term says one of
# these.
GLOSSARY = {
    "type library": "型別程式庫",
    "interface": "介面",
    "dispinterface": ("分派介面", "自動化介面"),
    "automation": "自動化",
    "copy file": "COPY 檔案",
    "class file": "類別檔案",
    "project": "專案",
    "registered": "登錄",
}

TEXTS = {
    # Dialogs
    "About Pellarine": "關於 Pellarine",
    "QORVIX Version 1.0.17": "QORVIX 版本 1.0.17",
    "COBOL for COM type libraries.": "適用於 COM 型別程式庫的 COBOL。",
    "OK": "確定",
    "Pellarine": "Pellarine",
    "Contents of type library:": "型別程式庫內容：",
    "COBOL": "COBOL",
    "Copy file:": "COPY 檔案：",
    "&Browse...": "瀏覽(&B)...",
    "Add &file to project": "將檔案加入專案(&F)",
    "Generate &Interface Classes": "產生介面類別(&I)",
    "Generate &Dual Interfaces": "產生雙重介面(&D)",
    "&Generate": "產生(&G)",
    "Cancel": "取消",
    "COM (non-automation) support": "COM（非自動化）支援",
    "Select copy file": "選取 COPY 檔案",
    "Copy files (*.cpy)|*.cpy|All file (*.*)|*.*||": "COPY 檔案 (*.cpy)|*.cpy|所有檔案 (*.*)|*.*||",
    "Registered type libraries:": "已登錄的型別程式庫：",
    "&View...": "檢視(&V)...",
    "&Refresh": "重新整理(&R)",
    "Close": "關閉",
    "&Help": "說明(&H)",
    "&Close": "關閉(&C)",
    "Select a type library": "選取型別程式庫",
    "Type Libraries (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|All files (*.*)|*.*||":
        "型別程式庫 (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|所有檔案 (*.*)|*.*||",
    "&What's This?": "這是什麼？(&W)",
    "qorvix Help": "qorvix 說明",
    "&Yes": "是(&Y)",
    "&No": "否(&N)",
    # The desktop front end's console messages
    "%1: cannot show the dialogs: there is no display (DISPLAY and WAYLAND_DISPLAY are not set)":
        "%1: 無法顯示對話方塊：沒有顯示器（未設定 DISPLAY 和 WAYLAND_DISPLAY）",
    "%1: cannot show the dialogs: the display cannot be reached (%2)": "%1: 無法顯示對話方塊：無法連線到顯示器（%2）",
    "%1: cannot show the dialogs: %2":
        "%1: 無法顯示對話方塊：%2",
    # Labels of the tree
    "Interfaces": "介面",
    "Automation Interfaces": "自動化介面",
    "Enumerations": "列舉",
    "Structures": "結構",
    "Modules": "模組",
    "CoClasses": "元件類別",
    "Typedefs": "型別定義",
    "Unions": "等位",
    "Functions": "函式",
    "Methods": "方法",
    "Constants": "常數",
    "Properties": "屬性",
    "Inherited Interfaces": "繼承的介面",
    # Help topics
    "qorvix": "qorvix",
    "qorvix writes COBOL source for COM type libraries: a copy file with the library's types, constants, "
    "class and interface identifiers and the invoke phrases of its methods, and on request one interface "
    "class file per interface. Pick a registered library in the list (View) or a file (Browse), look at "
    "its contents, choose the copy file and the options, and press Generate.":
        "qorvix 會為 COM 型別程式庫撰寫 COBOL 原始程式碼：一個 COPY 檔案，內含程式庫的型別、常數、類別與"
        "介面識別碼，以及其方法的 INVOKE 陳述式；如有需要，還會為每個介面撰寫一個介面類別檔案。請在清單中"
        "選取已登錄的程式庫（[檢視]）或選取檔案（[瀏覽]），查看其內容，選擇 COPY 檔案和選項，然後按一下 "
        "[產生]。",
    "Registered type libraries": "已登錄的型別程式庫",
    "The type libraries registered on this machine, one row per registered version: its description, its "
    "version and its library identifier (TLBID). Double-click a row to see its contents.":
        "這部電腦上登錄的型別程式庫，每個已登錄的版本一列：描述、版本及程式庫識別碼 (TLBID)。按兩下某一列"
        "即可查看其內容。",
    "View": "檢視",
    "Opens the selected type library and shows its contents, where you can generate COBOL for it.":
        "開啟選取的型別程式庫並顯示其內容，您可以在其中為它產生 COBOL。",
    "Browse": "瀏覽",
    "Chooses a type library file (.tlb, .olb, .dll, .ocx) that need not be registered, and shows its "
    "contents.": "選擇型別程式庫檔案（.tlb、.olb、.dll、.ocx）並顯示其內容；該檔案不需要登錄。",
    "Refresh": "重新整理",
    "Reads the list of registered type libraries again.": "重新讀取已登錄型別程式庫的清單。",
    "Ends the program.": "結束程式。",
    "Help": "說明",
    "Opens the qorvix manual.": "開啟 qorvix 手冊。",
    "Contents of type library": "型別程式庫內容",
    "The type library as a tree: its interfaces, automation interfaces, enumerations, structures, "
    "modules, component classes, typedefs and unions, and under each type its members. Press Enter to "
    "open or close the selected item.":
        "以樹狀結構顯示型別程式庫：介面、自動化介面、列舉、結構、模組、元件類別、型別定義和等位，每個型別"
        "之下是其成員。按 Enter 鍵可展開或摺疊選取的項目。",
    "Chooses the copy file to generate.": "選擇要產生的 COPY 檔案。",
    "Copy file": "COPY 檔案",
    "The name of the copy file to generate. A name without a folder is written into the current folder; "
    "the interface class files are written beside the copy file.":
        "要產生的 COPY 檔案名稱。不含資料夾的名稱會寫入目前的資料夾；介面類別檔案會寫入 COPY 檔案所在的"
        "資料夾。",
    "Add file to project": "將檔案加入專案",
    "Generates the files in the directory of the project open in the COBOL IDE and adds the copy file to "
    "that project. Available when the IDE is installed.":
        "在 COBOL IDE 中開啟之專案的目錄中產生檔案，並將 COPY 檔案加入該專案。安裝 IDE 後才能使用。",
    "Generate Interface Classes": "產生介面類別",
    "Also writes one interface class file for each interface of the library, for calling interfaces "
    "that do not support automation.": "另外為程式庫的每個介面撰寫一個介面類別檔案，以便呼叫不支援自動化的介面。",
    "Generate Dual Interfaces": "產生雙重介面",
    "Also writes interface class files for dual interfaces, which can otherwise be called through "
    "automation.": "也為雙重介面撰寫介面類別檔案（雙重介面原本也可以透過自動化呼叫）。",
    "Generate": "產生",
    "Writes the copy file and, if chosen, the interface class files. The dialog stays open, so you can "
    "generate again with other settings.": "撰寫 COPY 檔案，以及（若已選擇）介面類別檔案。對話方塊會保持開啟，因此您可以使用其他設定再次產生。",
    "Closes the contents of the type library.": "關閉型別程式庫內容。",
    # String table
    "&About qorvix...": "關於 qorvix(&A)...",
    "The file\n'%1'\nalready exists. Do you want to overwrite it?": "檔案\n「%1」\n已經存在。要覆寫它嗎？",
    "The file\n'%1'\ncan not be written to. Please check the file name and path are correct and do not "
    "point to a read-only file.\n%2": "無法寫入檔案\n「%1」\n請確認檔名和路徑正確，且未指向唯讀檔案。\n%2",
    "The file\n'%1'\nis already open!": "檔案\n「%1」\n已經開啟！",
    "The type library could not be loaded.\n'%1': %2": "無法載入型別程式庫。\n「%1」：%2",
    "All files will be generated in the project directory\n'%1'": "所有檔案都會產生在專案目錄中：\n「%1」",
    "No project found. Continue to generate files?": "找不到專案。是否繼續產生檔案？",
    "Usage: qorvix [-i[d]] [-p] [-o<file>] <typelib>\n  -id Generate (Dual) Interface files\n  -p Add copy "
    "file to Orbanel project\n  -o<file> Copy file to generate":
        "用法: qorvix [-i[d]] [-p] [-o<檔案>] <型別程式庫>\n  -id 產生（雙重）介面檔案\n  -p 將 COPY 檔案加入 "
        "Orbanel 專案\n  -o<檔案> 要產生的 COPY 檔案",
    "The option '%1' is not a valid option.\nUse qorvix -? to view a list of valid options.":
        "選項「%1」不是有效的選項。\n使用 qorvix -? 可檢視有效選項的清單。",
    "Description": "描述",
    "Ver": "版本",
    "The file\n'%1'\ncould not be written completely: %2\nThe file has been left as it was.":
        "檔案\n「%1」\n無法完整寫入：%2\n此檔案維持原狀。",
    "Files not written: %1": "未寫入的檔案：%1",
    "answered OK (standard input is not a terminal)": "回答：確定（標準輸入不是終端機）",
    "answered Cancel (standard input is not a terminal)": "回答：取消（標準輸入不是終端機）",
    "answered Yes (standard input is not a terminal)": "回答：是（標準輸入不是終端機）",
    "answered No (standard input is not a terminal)": "回答：否（標準輸入不是終端機）",
    "Files not written for the same reason: %1": "因相同原因未寫入的檔案：%1",
    "Not a regular file": "不是一般檔案",
    "The name holds a control character": "名稱包含控制字元",
    # Answers: message box buttons, and on the terminal the marked letters.
    "Yes to &All": "全部皆是(&A)",
    "N&o to All": "全部皆否(&O)",
    "&OK": "確定(&O)",
    "&Cancel": "取消(&C)",
    "%1 (%2)": "%1 (%2)",
    "%1 [%2]? ": "%1 [%2]? ",
    "The file\n'%1'\nwas written completely by another run at the same time.\nThat run's file has been kept.":
        "檔案\n「%1」\n已由同時執行的另一次產生完整寫入。\n已保留那次產生所寫入的檔案。",
    "The file\n'%1'\ncould not be written completely: %2\nThe file has not been written.":
        "檔案\n「%1」\n無法完整寫入：%2\n此檔案未寫入。",
    # The reader's reasons a library cannot be loaded (message 105's %2)
    "the file is empty": "檔案是空的",
    "not a type library (unknown file signature)": "不是型別程式庫（不明的檔案簽章）",
    "is a directory": "是資料夾",
    "is a named pipe, not a file": "是具名管道，不是檔案",
    "is a socket, not a file": "是通訊端，不是檔案",
    "is a device, not a file": "是裝置，不是檔案",
    "not a regular file": "不是一般檔案",
    "larger than %1 MiB; not read as a type library": "大於 %1 MiB；不當作型別程式庫讀取",
    "the file kept changing while it was read": "讀取期間檔案持續變更",
    "the file is too short for an executable header": "檔案太短，容納不下執行檔標頭",
    "the executable header points outside the file": "執行檔標頭指向檔案之外",
    "a 16-bit module, not supported": "16 位元模組，不受支援",
    "not a Windows PE image": "不是 Windows PE 映像",
    "truncated PE header": "PE 標頭被截斷",
    "unknown PE optional-header magic": "不明的 PE 選用標頭魔術數字",
    "truncated PE optional header": "PE 選用標頭被截斷",
    "truncated PE data directory": "PE 資料目錄被截斷",
    "the PE section table runs past the end of the file": "PE 區段表超出檔案結尾",
    "the resource directory lies outside the file": "資源目錄位於檔案之外",
    "the file has no TYPELIB resource %1": "檔案沒有 TYPELIB 資源 %1",
    "malformed resource directory": "資源目錄格式錯誤",
    "malformed resource data entry": "資源資料項目格式錯誤",
    "the TYPELIB resource lies outside the file": "TYPELIB 資源位於檔案之外",
    "this is a .NET assembly; it contains no type library": "這是 .NET 組件；其中不含型別程式庫",
    "the file has no TYPELIB resource (it may be packed)": "檔案沒有 TYPELIB 資源（可能已經過壓縮）",
    "the TYPELIB resource holds neither an MSFT nor an SLTG type library":
        "TYPELIB 資源既不含 MSFT 型別程式庫，也不含 SLTG 型別程式庫",
    "truncated MSFT header": "MSFT 標頭被截斷",
    "impossible type count": "型別數目不合理",
    "a segment lies outside the library": "有區段位於程式庫之外",
    "truncated SLTG header": "SLTG 標頭被截斷",
    "truncated SLTG directory": "SLTG 目錄被截斷",
    "not an SLTG stream directory": "不是 SLTG 資料流目錄",
    "the SLTG block chain is broken": "SLTG 區塊鏈結已中斷",
    "an SLTG block lies outside the library": "有 SLTG 區塊位於程式庫之外",
    "an SLTG block name is not terminated": "有 SLTG 區塊名稱未終止",
    "the SLTG block chain does not end with the library block": "SLTG 區塊鏈結未以程式庫區塊結尾",
    "bad SLTG library block": "SLTG 程式庫區塊無效",
    "the SLTG type count is wrong": "SLTG 型別數目不正確",
    "bad SLTG type entries": "SLTG 型別項目無效",
    "an SLTG type entry names the wrong block": "有 SLTG 型別項目指向錯誤的區塊",
    "unknown SLTG name-table preamble": "不明的 SLTG 名稱表前置碼",
    "the SLTG name table lies outside the library block": "SLTG 名稱表位於程式庫區塊之外",
    "no file is registered for this version": "此版本沒有登錄任何檔案",
    "no such file in the Wine prefix": "Wine 前綴中沒有此檔案",
    "no registry": "沒有登錄檔",
}
