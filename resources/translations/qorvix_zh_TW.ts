<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
    <context>
        <name>DesktopFrontEnd</name>
        <message>
            <source>%1: cannot show the dialogs: there is no display (DISPLAY and WAYLAND_DISPLAY are not set)</source>
            <translation>%1: 無法顯示對話方塊：沒有顯示器（未設定 DISPLAY 和 WAYLAND_DISPLAY）</translation>
        </message>
        <message>
            <source>%1: cannot show the dialogs: the display cannot be reached (%2)</source>
            <translation>%1: 無法顯示對話方塊：無法連線到顯示器（%2）</translation>
        </message>
        <message>
            <source>%1: cannot show the dialogs: %2</source>
            <translation>%1: 無法顯示對話方塊：%2</translation>
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
            <translation>qorvix 會為 COM 型別程式庫撰寫 COBOL 原始程式碼：一個 COPY 檔案，內含程式庫的型別、常數、類別與介面識別碼，以及其方法的 INVOKE 陳述式；如有需要，還會為每個介面撰寫一個介面類別檔案。請在清單中選取已登錄的程式庫（[檢視]）或選取檔案（[瀏覽]），查看其內容，選擇 COPY 檔案和選項，然後按一下 [產生]。</translation>
        </message>
        <message>
            <source>Registered type libraries</source>
            <translation>已登錄的型別程式庫</translation>
        </message>
        <message>
            <source>The type libraries registered on this machine, one row per registered version: its description, its version and its library identifier (TLBID). Double-click a row to see its contents.</source>
            <translation>這部電腦上登錄的型別程式庫，每個已登錄的版本一列：描述、版本及程式庫識別碼 (TLBID)。按兩下某一列即可查看其內容。</translation>
        </message>
        <message>
            <source>View</source>
            <translation>檢視</translation>
        </message>
        <message>
            <source>Opens the selected type library and shows its contents, where you can generate COBOL for it.</source>
            <translation>開啟選取的型別程式庫並顯示其內容，您可以在其中為它產生 COBOL。</translation>
        </message>
        <message>
            <source>Browse</source>
            <translation>瀏覽</translation>
        </message>
        <message>
            <source>Chooses a type library file (.tlb, .olb, .dll, .ocx) that need not be registered, and shows its contents.</source>
            <translation>選擇型別程式庫檔案（.tlb、.olb、.dll、.ocx）並顯示其內容；該檔案不需要登錄。</translation>
        </message>
        <message>
            <source>Refresh</source>
            <translation>重新整理</translation>
        </message>
        <message>
            <source>Reads the list of registered type libraries again.</source>
            <translation>重新讀取已登錄型別程式庫的清單。</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>關閉</translation>
        </message>
        <message>
            <source>Ends the program.</source>
            <translation>結束程式。</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>說明</translation>
        </message>
        <message>
            <source>Opens the qorvix manual.</source>
            <translation>開啟 qorvix 手冊。</translation>
        </message>
        <message>
            <source>Contents of type library</source>
            <translation>型別程式庫內容</translation>
        </message>
        <message>
            <source>The type library as a tree: its interfaces, automation interfaces, enumerations, structures, modules, component classes, typedefs and unions, and under each type its members. Press Enter to open or close the selected item.</source>
            <translation>以樹狀結構顯示型別程式庫：介面、自動化介面、列舉、結構、模組、元件類別、型別定義和等位，每個型別之下是其成員。按 Enter 鍵可展開或摺疊選取的項目。</translation>
        </message>
        <message>
            <source>Chooses the copy file to generate.</source>
            <translation>選擇要產生的 COPY 檔案。</translation>
        </message>
        <message>
            <source>Copy file</source>
            <translation>COPY 檔案</translation>
        </message>
        <message>
            <source>The name of the copy file to generate. A name without a folder is written into the current folder; the interface class files are written beside the copy file.</source>
            <translation>要產生的 COPY 檔案名稱。不含資料夾的名稱會寫入目前的資料夾；介面類別檔案會寫入 COPY 檔案所在的資料夾。</translation>
        </message>
        <message>
            <source>Add file to project</source>
            <translation>將檔案加入專案</translation>
        </message>
        <message>
            <source>Generates the files in the directory of the project open in the COBOL IDE and adds the copy file to that project. Available when the IDE is installed.</source>
            <translation>在 COBOL IDE 中開啟之專案的目錄中產生檔案，並將 COPY 檔案加入該專案。安裝 IDE 後才能使用。</translation>
        </message>
        <message>
            <source>Generate Interface Classes</source>
            <translation>產生介面類別</translation>
        </message>
        <message>
            <source>Also writes one interface class file for each interface of the library, for calling interfaces that do not support automation.</source>
            <translation>另外為程式庫的每個介面撰寫一個介面類別檔案，以便呼叫不支援自動化的介面。</translation>
        </message>
        <message>
            <source>Generate Dual Interfaces</source>
            <translation>產生雙重介面</translation>
        </message>
        <message>
            <source>Also writes interface class files for dual interfaces, which can otherwise be called through automation.</source>
            <translation>也為雙重介面撰寫介面類別檔案（雙重介面原本也可以透過自動化呼叫）。</translation>
        </message>
        <message>
            <source>Generate</source>
            <translation>產生</translation>
        </message>
        <message>
            <source>Writes the copy file and, if chosen, the interface class files. The dialog stays open, so you can generate again with other settings.</source>
            <translation>撰寫 COPY 檔案，以及（若已選擇）介面類別檔案。對話方塊會保持開啟，因此您可以使用其他設定再次產生。</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>Closes the contents of the type library.</source>
            <translation>關閉型別程式庫內容。</translation>
        </message>
    </context>
    <context>
        <name>QMessageBox</name>
        <message>
            <source>OK</source>
            <translation>確定</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>是(&amp;Y)</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>否(&amp;N)</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translation>全部皆是(&amp;A)</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translation>全部皆否(&amp;O)</translation>
        </message>
    </context>
    <context>
        <name>StringTable</name>
        <message>
            <source>&amp;About qorvix...</source>
            <translation>關於 qorvix(&amp;A)...</translation>
        </message>
        <message>
            <source>The file
'%1'
already exists. Do you want to overwrite it?</source>
            <translation>檔案
「%1」
已經存在。要覆寫它嗎？</translation>
        </message>
        <message>
            <source>The file
'%1'
can not be written to. Please check the file name and path are correct and do not point to a read-only file.
%2</source>
            <translation>無法寫入檔案
「%1」
請確認檔名和路徑正確，且未指向唯讀檔案。
%2</translation>
        </message>
        <message>
            <source>The file
'%1'
is already open!</source>
            <translation>檔案
「%1」
已經開啟！</translation>
        </message>
        <message>
            <source>All files will be generated in the project directory
'%1'</source>
            <translation>所有檔案都會產生在專案目錄中：
「%1」</translation>
        </message>
        <message>
            <source>No project found. Continue to generate files?</source>
            <translation>找不到專案。是否繼續產生檔案？</translation>
        </message>
        <message>
            <source>Usage: qorvix [-i[d]] [-p] [-o&lt;file&gt;] &lt;typelib&gt;
  -id Generate (Dual) Interface files
  -p Add copy file to Orbanel project
  -o&lt;file&gt; Copy file to generate</source>
            <translation>用法: qorvix [-i[d]] [-p] [-o&lt;檔案&gt;] &lt;型別程式庫&gt;
  -id 產生（雙重）介面檔案
  -p 將 COPY 檔案加入 Orbanel 專案
  -o&lt;檔案&gt; 要產生的 COPY 檔案</translation>
        </message>
        <message>
            <source>The option '%1' is not a valid option.
Use qorvix -? to view a list of valid options.</source>
            <translation>選項「%1」不是有效的選項。
使用 qorvix -? 可檢視有效選項的清單。</translation>
        </message>
        <message>
            <source>Description</source>
            <translation>描述</translation>
        </message>
        <message>
            <source>Ver</source>
            <translation>版本</translation>
        </message>
        <message>
            <source>The file
'%1'
could not be written completely: %2
The file has been left as it was.</source>
            <translation>檔案
「%1」
無法完整寫入：%2
此檔案維持原狀。</translation>
        </message>
        <message>
            <source>Files not written: %1</source>
            <translation>未寫入的檔案：%1</translation>
        </message>
        <message>
            <source>answered OK (standard input is not a terminal)</source>
            <translation>回答：確定（標準輸入不是終端機）</translation>
        </message>
        <message>
            <source>answered Cancel (standard input is not a terminal)</source>
            <translation>回答：取消（標準輸入不是終端機）</translation>
        </message>
        <message>
            <source>answered Yes (standard input is not a terminal)</source>
            <translation>回答：是（標準輸入不是終端機）</translation>
        </message>
        <message>
            <source>answered No (standard input is not a terminal)</source>
            <translation>回答：否（標準輸入不是終端機）</translation>
        </message>
        <message>
            <source>Files not written for the same reason: %1</source>
            <translation>因相同原因未寫入的檔案：%1</translation>
        </message>
        <message>
            <source>Not a regular file</source>
            <translation>不是一般檔案</translation>
        </message>
        <message>
            <source>The file
'%1'
was written completely by another run at the same time.
That run's file has been kept.</source>
            <translation>檔案
「%1」
已由同時執行的另一次產生完整寫入。
已保留那次產生所寫入的檔案。</translation>
        </message>
        <message>
            <source>The file
'%1'
could not be written completely: %2
The file has not been written.</source>
            <translation>檔案
「%1」
無法完整寫入：%2
此檔案未寫入。</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>是(&amp;Y)</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>否(&amp;N)</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translation>全部皆是(&amp;A)</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translation>全部皆否(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;OK</source>
            <translation>確定(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <translation>取消(&amp;C)</translation>
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
            <translation>名稱包含控制字元</translation>
        </message>
        <message>
            <source>The type library could not be loaded.
'%1': %2</source>
            <translation>無法載入型別程式庫。
「%1」：%2</translation>
        </message>
        <message>
            <source>the file is empty</source>
            <translation>檔案是空的</translation>
        </message>
        <message>
            <source>not a type library (unknown file signature)</source>
            <translation>不是型別程式庫（不明的檔案簽章）</translation>
        </message>
        <message>
            <source>is a directory</source>
            <translation>是資料夾</translation>
        </message>
        <message>
            <source>is a named pipe, not a file</source>
            <translation>是具名管道，不是檔案</translation>
        </message>
        <message>
            <source>is a socket, not a file</source>
            <translation>是通訊端，不是檔案</translation>
        </message>
        <message>
            <source>is a device, not a file</source>
            <translation>是裝置，不是檔案</translation>
        </message>
        <message>
            <source>not a regular file</source>
            <translation>不是一般檔案</translation>
        </message>
        <message>
            <source>larger than %1 MiB; not read as a type library</source>
            <translation>大於 %1 MiB；不當作型別程式庫讀取</translation>
        </message>
        <message>
            <source>the file kept changing while it was read</source>
            <translation>讀取期間檔案持續變更</translation>
        </message>
        <message>
            <source>the file is too short for an executable header</source>
            <translation>檔案太短，容納不下執行檔標頭</translation>
        </message>
        <message>
            <source>the executable header points outside the file</source>
            <translation>執行檔標頭指向檔案之外</translation>
        </message>
        <message>
            <source>a 16-bit module, not supported</source>
            <translation>16 位元模組，不受支援</translation>
        </message>
        <message>
            <source>not a Windows PE image</source>
            <translation>不是 Windows PE 映像</translation>
        </message>
        <message>
            <source>truncated PE header</source>
            <translation>PE 標頭被截斷</translation>
        </message>
        <message>
            <source>unknown PE optional-header magic</source>
            <translation>不明的 PE 選用標頭魔術數字</translation>
        </message>
        <message>
            <source>truncated PE optional header</source>
            <translation>PE 選用標頭被截斷</translation>
        </message>
        <message>
            <source>truncated PE data directory</source>
            <translation>PE 資料目錄被截斷</translation>
        </message>
        <message>
            <source>the PE section table runs past the end of the file</source>
            <translation>PE 區段表超出檔案結尾</translation>
        </message>
        <message>
            <source>the resource directory lies outside the file</source>
            <translation>資源目錄位於檔案之外</translation>
        </message>
        <message>
            <source>the file has no TYPELIB resource %1</source>
            <translation>檔案沒有 TYPELIB 資源 %1</translation>
        </message>
        <message>
            <source>malformed resource directory</source>
            <translation>資源目錄格式錯誤</translation>
        </message>
        <message>
            <source>malformed resource data entry</source>
            <translation>資源資料項目格式錯誤</translation>
        </message>
        <message>
            <source>the TYPELIB resource lies outside the file</source>
            <translation>TYPELIB 資源位於檔案之外</translation>
        </message>
        <message>
            <source>this is a .NET assembly; it contains no type library</source>
            <translation>這是 .NET 組件；其中不含型別程式庫</translation>
        </message>
        <message>
            <source>the file has no TYPELIB resource (it may be packed)</source>
            <translation>檔案沒有 TYPELIB 資源（可能已經過壓縮）</translation>
        </message>
        <message>
            <source>the TYPELIB resource holds neither an MSFT nor an SLTG type library</source>
            <translation>TYPELIB 資源既不含 MSFT 型別程式庫，也不含 SLTG 型別程式庫</translation>
        </message>
        <message>
            <source>truncated MSFT header</source>
            <translation>MSFT 標頭被截斷</translation>
        </message>
        <message>
            <source>impossible type count</source>
            <translation>型別數目不合理</translation>
        </message>
        <message>
            <source>a segment lies outside the library</source>
            <translation>有區段位於程式庫之外</translation>
        </message>
        <message>
            <source>truncated SLTG header</source>
            <translation>SLTG 標頭被截斷</translation>
        </message>
        <message>
            <source>truncated SLTG directory</source>
            <translation>SLTG 目錄被截斷</translation>
        </message>
        <message>
            <source>not an SLTG stream directory</source>
            <translation>不是 SLTG 資料流目錄</translation>
        </message>
        <message>
            <source>the SLTG block chain is broken</source>
            <translation>SLTG 區塊鏈結已中斷</translation>
        </message>
        <message>
            <source>an SLTG block lies outside the library</source>
            <translation>有 SLTG 區塊位於程式庫之外</translation>
        </message>
        <message>
            <source>an SLTG block name is not terminated</source>
            <translation>有 SLTG 區塊名稱未終止</translation>
        </message>
        <message>
            <source>the SLTG block chain does not end with the library block</source>
            <translation>SLTG 區塊鏈結未以程式庫區塊結尾</translation>
        </message>
        <message>
            <source>bad SLTG library block</source>
            <translation>SLTG 程式庫區塊無效</translation>
        </message>
        <message>
            <source>the SLTG type count is wrong</source>
            <translation>SLTG 型別數目不正確</translation>
        </message>
        <message>
            <source>bad SLTG type entries</source>
            <translation>SLTG 型別項目無效</translation>
        </message>
        <message>
            <source>an SLTG type entry names the wrong block</source>
            <translation>有 SLTG 型別項目指向錯誤的區塊</translation>
        </message>
        <message>
            <source>unknown SLTG name-table preamble</source>
            <translation>不明的 SLTG 名稱表前置碼</translation>
        </message>
        <message>
            <source>the SLTG name table lies outside the library block</source>
            <translation>SLTG 名稱表位於程式庫區塊之外</translation>
        </message>
        <message>
            <source>no file is registered for this version</source>
            <translation>此版本沒有登錄任何檔案</translation>
        </message>
        <message>
            <source>no such file in the Wine prefix</source>
            <translation>Wine 前綴中沒有此檔案</translation>
        </message>
        <message>
            <source>no registry</source>
            <translation>沒有登錄檔</translation>
        </message>
    </context>
    <context>
        <name>TreeLabels</name>
        <message>
            <source>Interfaces</source>
            <translation>介面</translation>
        </message>
        <message>
            <source>Automation Interfaces</source>
            <translation>自動化介面</translation>
        </message>
        <message>
            <source>Enumerations</source>
            <translation>列舉</translation>
        </message>
        <message>
            <source>Structures</source>
            <translation>結構</translation>
        </message>
        <message>
            <source>Modules</source>
            <translation>模組</translation>
        </message>
        <message>
            <source>CoClasses</source>
            <translation>元件類別</translation>
        </message>
        <message>
            <source>Typedefs</source>
            <translation>型別定義</translation>
        </message>
        <message>
            <source>Unions</source>
            <translation>等位</translation>
        </message>
        <message>
            <source>Functions</source>
            <translation>函式</translation>
        </message>
        <message>
            <source>Methods</source>
            <translation>方法</translation>
        </message>
        <message>
            <source>Constants</source>
            <translation>常數</translation>
        </message>
        <message>
            <source>Properties</source>
            <translation>屬性</translation>
        </message>
        <message>
            <source>Inherited Interfaces</source>
            <translation>繼承的介面</translation>
        </message>
    </context>
    <context>
        <name>qorvix::CAboutDlg</name>
        <message>
            <source>About Pellarine</source>
            <translation>關於 Pellarine</translation>
        </message>
        <message>
            <source>QORVIX Version 1.0.17</source>
            <translation>QORVIX 版本 1.0.17</translation>
        </message>
        <message>
            <source>COBOL for COM type libraries.</source>
            <translation>適用於 COM 型別程式庫的 COBOL。</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>確定</translation>
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
            <translation>型別程式庫內容：</translation>
        </message>
        <message>
            <source>COBOL</source>
            <translation>COBOL</translation>
        </message>
        <message>
            <source>Copy file:</source>
            <translation>COPY 檔案：</translation>
        </message>
        <message>
            <source>&amp;Browse...</source>
            <translation>瀏覽(&amp;B)...</translation>
        </message>
        <message>
            <source>Add &amp;file to project</source>
            <translation>將檔案加入專案(&amp;F)</translation>
        </message>
        <message>
            <source>Generate &amp;Interface Classes</source>
            <translation>產生介面類別(&amp;I)</translation>
        </message>
        <message>
            <source>Generate &amp;Dual Interfaces</source>
            <translation>產生雙重介面(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Generate</source>
            <translation>產生(&amp;G)</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>COM (non-automation) support</source>
            <translation>COM（非自動化）支援</translation>
        </message>
        <message>
            <source>Select copy file</source>
            <translation>選取 COPY 檔案</translation>
        </message>
        <message>
            <source>Copy files (*.cpy)|*.cpy|All file (*.*)|*.*||</source>
            <translation>COPY 檔案 (*.cpy)|*.cpy|所有檔案 (*.*)|*.*||</translation>
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
            <translation>已登錄的型別程式庫：</translation>
        </message>
        <message>
            <source>&amp;View...</source>
            <translation>檢視(&amp;V)...</translation>
        </message>
        <message>
            <source>&amp;Browse...</source>
            <translation>瀏覽(&amp;B)...</translation>
        </message>
        <message>
            <source>&amp;Refresh</source>
            <translation>重新整理(&amp;R)</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>關閉</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>說明(&amp;H)</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>關閉(&amp;C)</translation>
        </message>
        <message>
            <source>Select a type library</source>
            <translation>選取型別程式庫</translation>
        </message>
        <message>
            <source>Type Libraries (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|All files (*.*)|*.*||</source>
            <translation>型別程式庫 (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|所有檔案 (*.*)|*.*||</translation>
        </message>
    </context>
    <context>
        <name>qorvix::Help</name>
        <message>
            <source>&amp;What's This?</source>
            <translation>這是什麼？(&amp;W)</translation>
        </message>
        <message>
            <source>qorvix Help</source>
            <translation>qorvix 說明</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>關閉</translation>
        </message>
    </context>
</TS>
